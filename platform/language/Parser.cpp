#include "platform/language/Parser.h"

#include <algorithm>
#include <stdexcept>

#include "platform/language/Declared.h"

namespace zv::lang {

using namespace ItemType;

namespace {

// Deeper nesting is resolved name by name, without call structure, so that
// no input can exhaust the stack.
constexpr int kMaxNesting = 200;

bool IsDeclarationType(int type)
{
    return (type >= DeclNumber && type <= DeclOther) || (type >= ReceiveNumber && type <= ReceiveOther) ||
           type == EnumerationItem;
}

// Arguments that a Receive parameter can modify.
bool IsVariableLike(const CSalSymbol* s)
{
    return s->GetKind() == SymbolKind::Variable ||
           (s->GetKind() == SymbolKind::Window && s->GetParentContext() != nullptr);
}

bool StartsWithSql(std::string_view word)
{
    return word.size() > 3 && (word[0] == 'S' || word[0] == 's') && (word[1] == 'Q' || word[1] == 'q') &&
           (word[2] == 'L' || word[2] == 'l');
}

// The progress window's category rows: 0 constants, 1 application message
// handlers, 2 internal functions, 3 classes, 4 windows; -1 for the rest.
int ProgressCategory(const CSalSymbol* symbol)
{
    if (!symbol || symbol->IsBuiltIn()) return -1;
    switch (symbol->GetKind()) {
    case SymbolKind::Constant: return 0;
    case SymbolKind::Handler: return symbol->GetParentContext() ? -1 : 1;
    case SymbolKind::Function:
        return !symbol->GetParentContext() && !static_cast<const CFunction*>(symbol)->IsExternal() ? 2 : -1;
    case SymbolKind::Class: return 3;
    case SymbolKind::Window: return 4;
    default: return -1;
    }
}

} // namespace

ParserImpl::ParserImpl(bool b, CSalScanner* scanner) : binds(b), m_scanner(scanner ? scanner : &m_ownScanner) {}

std::string ParserImpl::Info() const
{
    std::string info = "SAL parser: " + m_phase;
    if (m_outline && m_index >= 0 && static_cast<std::size_t>(m_index) < m_outline->items.size()) {
        const outline::Item& item = m_outline->items[static_cast<std::size_t>(m_index)];
        std::string line = item.line.substr(0, item.line.find('\n'));
        if (line.size() > 80) line = line.substr(0, 80) + "...";
        info += "; item '" + line + "'";
        if (item.file < m_outline->files.size())
            info += " at " + m_outline->files[item.file].path + ":" + std::to_string(item.lineNo);
    }
    return info;
}

bool ParserImpl::Parse(CGApplication& app)
{
    stats = {};
    m_index = -1;
    m_percent = -1;
    m_resolver.reset();
    const HOUTLINE hOutline = app.GetOutline();
    m_outline = outline::Registry::Get().Find(hOutline);
    m_phase = "building the symbol table";
    if (!m_outline) throw std::runtime_error("SAL parser: outline " + std::to_string(hOutline) + " is not loaded");
    CApplication* table = CApplication::Instance(hOutline, 0);
    if (!table->IsCreated()) {
        std::string text = "Building symbol table";
        for (std::size_t i = 0; i < receivers.size(); ++i) receivers[i]->ParseText(text);
        table->CreateContext();
    }
    m_table = table->GetTable();
    m_resolver = std::make_unique<Resolver>(*m_table);
    unresolved.clear();
    m_missingLibraries.clear();
    std::string refused;
    for (const auto& missing : m_outline->missing) {
        std::string& list = missing.reason.empty() ? m_missingLibraries : refused;
        list += (list.empty() ? "" : ", ") + missing.name;
    }
    if (!m_missingLibraries.empty()) m_missingLibraries = "libraries not found: " + m_missingLibraries;
    if (!refused.empty()) m_missingLibraries += (m_missingLibraries.empty() ? "" : "; ") + ("libraries refused: " + refused);
    m_unqualifiedExternal = app.GetAttribute(0xBA) == "No";
    FindSpecialCalls();

    m_phase = "parsing";
    std::string text = "Parsing " + (m_outline->files.empty() ? std::string("outline") : m_outline->files[0].path);
    for (std::size_t i = 0; i < receivers.size(); ++i) receivers[i]->ParseText(text);
    Walk(*m_outline);
    stats.itemsInTree = m_total;
    Progress(m_total);
    m_phase = "done";
    m_index = -1;
    return true;
}

void ParserImpl::Progress(std::size_t done)
{
    const int percent = m_total ? static_cast<int>(done * 100 / m_total) : 100;
    if (percent == m_percent) return;
    m_percent = percent;
    for (std::size_t i = 0; i < receivers.size(); ++i) receivers[i]->ParseProgress(percent);
}

void ParserImpl::Walk(const outline::Outline& o)
{
    m_total = 0;
    if (o.root < 0) return;
    for (std::int32_t i = o.root; i >= 0; i = o.NextInOrder(i, o.root)) ++m_total;
    struct Frame {
        std::int32_t index;
        CSalSymbol* context;
    };
    std::vector<Frame> stack{{o.root, nullptr}};
    std::size_t done = 0;
    std::size_t declared[5] = {};
    Progress(0);
    while (!stack.empty()) {
        const Frame frame = stack.back();
        stack.pop_back();
        Progress(++done);
        const outline::Item& item = o.items[static_cast<std::size_t>(frame.index)];
        CSalSymbol* context = frame.context;
        if (!item.commented) {
            CSalSymbol* own = m_table->SymbolOfItem(o.ItemHandle(frame.index));
            if (own && IsCodeContext(own->GetKind())) context = own;
            const int category = ProgressCategory(own);
            if (category >= 0) {
                // "<digit> <count>": the progress window counts the category up.
                std::string text(1, static_cast<char>('0' + category));
                text += ' ';
                text += std::to_string(++declared[category]);
                for (std::size_t r = 0; r < receivers.size(); ++r) receivers[r]->ParseText(text);
            }
            ++stats.items;
            Process(frame.index, context);
        }
        for (std::int32_t c = item.lastChild; c >= 0; c = o.items[static_cast<std::size_t>(c)].prev)
            stack.push_back({c, context});
    }
}

void ParserImpl::Process(std::int32_t index, CSalSymbol* context)
{
    const outline::Item& item = m_outline->items[static_cast<std::size_t>(index)];
    const int type = item.type;
    const bool statement = type == Set || (type >= FirstStatement && type <= LastStatement);
    const bool expression = type == OnMessage || type == EnabledWhen || type == CheckedWhen || type == NamedMenuRef;
    const bool declaration = IsDeclarationType(type);
    const bool classLine = type == BaseClass || type == ObjectClass || type == DefaultClassItem;
    const bool typedByClass = type == DeclOther || type == ReceiveOther || type == OtherChildWindow;
    if (!statement && !expression && !declaration && !classLine && !typedByClass) return;

    m_index = index;
    m_item.Initialize(m_outline->Handle(), m_outline->ItemHandle(index));
    m_text = item.Text();
    if (classLine || typedByClass) {
        m_context = context;
        if (const ClassRef* ref = m_table->ClassRefAt(m_item.GetItem())) {
            Emit(ref->cls, ref->position, ref->length);
        } else if (const UnresolvedClassRef* missing = m_table->UnresolvedClassAt(m_item.GetItem())) {
            ReportUnresolved(missing->name);
        }
        if (!declaration) return;
    }
    if (declaration) {
        ParseDeclaration(index, context);
        return;
    }
    if (statement) {
        ++stats.statements;
        switch (type) {
        case Else: case Default: case WhenSqlError: case Loop: case Break:
            return;   // no expression; loop names are labels, not symbols
        default:
            break;
        }
    }
    // An event handler of an ActiveX window is named by its event, not by a message.
    if (type == OnMessage && m_table->HasOwnScope(m_table->SymbolOfItem(m_item.GetItem()))) return;
    m_scanner->Scan(m_text, m_tokens);
    int first = 0;
    if (type == UnknownStatement && m_tokens.size() >= 2 && m_tokens[0].kind == SalTok::Ident &&
        m_tokens[1].kind == SalTok::Ident) {
        m_context = context;
        ReportProblem("Unknown statement '" + std::string(TokenText(m_tokens[0].pos, m_tokens[0].len)) + "' in " +
                      (context ? NamePath(*m_outline, outline::Outline::IndexOf(context->GetItem().GetItem()))
                               : std::string("global code")));
        first = 1;
    }
    ParseCode(context, context, first);
}

void ParserImpl::ParseDeclaration(std::int32_t index, CSalSymbol* context)
{
    // Only constants' values, array bounds and enumeration values hold names.
    const auto rest = m_text.find_first_of("[=");
    if (rest == std::string_view::npos) return;
    CSalSymbol* callbackContext = context ? context : m_table->SymbolOfItem(m_outline->ItemHandle(index));
    m_scanner->Scan(m_text, m_tokens);
    ParseCode(callbackContext, context, m_tokens.empty() || m_tokens[0].kind != SalTok::Ident ? 0 : 1);
}

void ParserImpl::ParseCode(CSalSymbol* callbackContext, const CSalSymbol* scopeContext, int firstToken)
{
    m_chain = &m_resolver->ChainOf(scopeContext);
    m_context = callbackContext;
    m_last = nullptr;
    m_p = static_cast<std::size_t>(firstToken);
    int depth = 0;
    int deepest = 0;
    m_sqlItem = false;
    for (std::size_t i = 0; i < m_tokens.size(); ++i) {
        const SalToken& t = m_tokens[i];
        switch (t.kind) {
        case SalTok::LParen: case SalTok::LBracket:
            deepest = std::max(deepest, ++depth);
            break;
        case SalTok::RParen: case SalTok::RBracket:
            depth = std::max(0, depth - 1);
            break;
        case SalTok::Ident:
            if (StartsWithSql(TokenText(t.pos, t.len)) && i + 1 < m_tokens.size() &&
                m_tokens[i + 1].kind == SalTok::LParen)
                m_sqlItem = true;
            break;
        case SalTok::String:
            if (t.unterminated) ReportProblem("Unterminated string in '" + std::string(m_text.substr(0, 60)) + "'");
            break;
        default:
            break;
        }
    }
    if (deepest > kMaxNesting) FlatResolve();
    else ParseAll();
}

void ParserImpl::ParseAll()
{
    while (m_p < m_tokens.size()) {
        const std::size_t before = m_p;
        ParseExpr();
        if (m_p == before) ++m_p;
    }
}

ParserImpl::ExprInfo ParserImpl::ParseExpr()
{
    ExprInfo first = ParseUnary();
    bool more = false;
    while (At(SalTok::Operator) || At(SalTok::And) || At(SalTok::Or)) {
        ++m_p;
        ParseUnary();
        more = true;
    }
    if (more) first.plain = false;
    return first;
}

ParserImpl::ExprInfo ParserImpl::ParseUnary()
{
    bool prefixed = false;
    while (At(SalTok::Not) ||
           (At(SalTok::Operator) && (m_text[static_cast<std::size_t>(m_tokens[m_p].pos)] == '-' ||
                                     m_text[static_cast<std::size_t>(m_tokens[m_p].pos)] == '+'))) {
        ++m_p;
        prefixed = true;
    }
    ExprInfo r = ParsePrimary();
    if (prefixed) r.plain = false;
    return r;
}

ParserImpl::ExprInfo ParserImpl::ParsePrimary()
{
    if (m_p >= m_tokens.size()) return {};
    const SalToken& t = m_tokens[m_p];
    switch (t.kind) {
    case SalTok::String:
        ParseString(t);
        ++m_p;
        return {};
    case SalTok::LParen:
        ++m_p;
        ParseList(SalTok::RParen);
        if (At(SalTok::RParen)) ++m_p;
        return {};
    case SalTok::Ident: case SalTok::DotDot:
        return ParseChain();
    case SalTok::RParen: case SalTok::RBracket: case SalTok::Comma:
        return {};   // the caller's closing token
    default:
        ++m_p;       // numbers, and tokens with no meaning here
        return {};
    }
}

void ParserImpl::ParseList(SalTok close)
{
    while (m_p < m_tokens.size() && !At(close)) {
        const std::size_t before = m_p;
        ParseExpr();
        if (At(SalTok::Comma)) {
            ++m_p;
            continue;
        }
        if (m_p == before) {
            if (At(SalTok::RParen) || At(SalTok::RBracket)) return;   // a closer that does not match
            ++m_p;
        }
    }
}

ParserImpl::ExprInfo ParserImpl::ParseChain()
{
    bool late = false;
    if (At(SalTok::DotDot)) {
        late = true;
        ++m_p;
        if (!At(SalTok::Ident)) return {};
    }
    const SalToken first = m_tokens[m_p++];
    Resolved r = ResolveFirst(first.pos, first.len, late);
    bool failed = !r.symbol;
    const std::size_t n = m_tokens.size();
    while (true) {
        if (At(SalTok::LBracket)) {
            ++m_p;
            ParseList(SalTok::RBracket);
            if (At(SalTok::RBracket)) ++m_p;
            continue;
        }
        if ((At(SalTok::Dot) || At(SalTok::DotDot)) && m_p + 1 < n && m_tokens[m_p + 1].kind == SalTok::Ident) {
            const SalToken name = m_tokens[m_p + 1];
            m_p += 2;
            if (!failed) {
                r = ResolveMember(r, first.pos, name.pos, name.len);
                failed = !r.symbol;
            }
            continue;
        }
        break;
    }
    if (At(SalTok::LParen)) {
        ++m_p;
        ParseArgs(failed ? nullptr : dynamic_cast<CFunction*>(r.symbol));
        if (At(SalTok::RParen)) ++m_p;
        return {};
    }
    if (failed) return {};
    return {r.symbol, IsVariableLike(r.symbol)};
}

void ParserImpl::FindSpecialCalls()
{
    struct Known {
        const char* name;
        SpecialCall call;
    };
    static const Known kKnown[] = {
        {"SalModalDialog", {nullptr, 1, 3, 0, {0, 0}}},
        {"SalCreateWindow", {nullptr, 1, 3, 0, {0, 0}}},
        {"SalCreateWindowEx", {nullptr, 1, 8, 0, {0, 0}}},
        {"SalTrackPopupMenu", {nullptr, 0, 0, 2, {0, 0}}},
        {"SalReportPrint", {nullptr, 0, 0, 0, {3, 4}}},
        {"SalReportPrintToFile", {nullptr, 0, 0, 0, {4, 5}}},
        {"SalReportView", {nullptr, 0, 0, 0, {4, 5}}},
        {"SalReportCreate", {nullptr, 0, 0, 0, {2, 3}}},
    };
    m_special.clear();
    for (const Known& known : kKnown) {
        const CSalSymbol* f = m_table->Find(m_table->ContextScope(), m_table->Names().Find(known.name));
        if (!f) continue;
        m_special.push_back(known.call);
        m_special.back().function = f;
    }
}

const ParserImpl::SpecialCall* ParserImpl::SpecialOf(const CFunction* function) const
{
    if (!function || !function->IsBuiltIn()) return nullptr;
    for (const SpecialCall& call : m_special)
        if (call.function == function) return &call;
    return nullptr;
}

void ParserImpl::ResolveNamesInString(const SalToken& t, bool menu)
{
    const int end = t.unterminated ? t.pos + t.len : t.pos + t.len - 1;
    int i = t.pos + 1;
    while (i < end) {
        const std::size_t len = IdentStartLen(m_text, static_cast<std::size_t>(i)) ? IdentLength(m_text, static_cast<std::size_t>(i)) : 0;
        if (len == 0) {
            ++i;
            continue;
        }
        const int n = static_cast<int>(std::min<std::size_t>(len, static_cast<std::size_t>(end - i)));
        CSalSymbol* s = m_resolver->Lookup(*m_chain, m_table->Names().Find(TokenText(i, n)));
        const bool fits = s && (menu ? s->GetKind() == SymbolKind::NamedMenu
                                     : (s->GetKind() == SymbolKind::Variable || s->GetKind() == SymbolKind::Window));
        // Names unknown here belong to the report or the run time: nothing to report.
        if (fits) Emit(s, i, n);
        i += n;
        if (menu) break;
    }
}

void ParserImpl::ParseArgs(CFunction* function)
{
    int number = 1;
    const SpecialCall* special = SpecialOf(function);
    CSalSymbol* window = nullptr;
    while (m_p < m_tokens.size() && !At(SalTok::RParen)) {
        const std::size_t before = m_p;
        if (special && At(SalTok::String) && m_p + 1 < m_tokens.size() &&
            (m_tokens[m_p + 1].kind == SalTok::Comma || m_tokens[m_p + 1].kind == SalTok::RParen)) {
            if (number == special->menuArg) ResolveNamesInString(m_tokens[m_p], true);
            if (number == special->nameListArgs[0] || number == special->nameListArgs[1])
                ResolveNamesInString(m_tokens[m_p], false);
        }
        const ExprInfo arg = ParseExpr();
        const bool whole = At(SalTok::Comma) || At(SalTok::RParen);
        if (function && whole && arg.plain && arg.symbol == m_last) {
            ++stats.paramAccesses;
            for (std::size_t i = 0; i < receivers.size(); ++i)
                receivers[i]->FuncParamAccess(arg.symbol, function, m_item.GetItem(), number);
        }
        if (special && whole && number == special->windowArg && arg.symbol &&
            arg.symbol->GetKind() == SymbolKind::Window && !arg.symbol->GetParentContext())
            window = arg.symbol;
        // Arguments for the window's own parameters: a Receive one is filled by the window.
        if (window && whole && number >= special->firstWindowParam && arg.plain && arg.symbol == m_last) {
            ++stats.paramAccesses;
            for (std::size_t i = 0; i < receivers.size(); ++i)
                receivers[i]->FuncParamAccess(arg.symbol, window, m_item.GetItem(),
                                              number - special->firstWindowParam + 1);
        }
        if (At(SalTok::Comma)) {
            ++m_p;
            ++number;
            continue;
        }
        if (m_p == before) {
            if (At(SalTok::RBracket)) return;
            ++m_p;
        }
    }
}

Resolved ParserImpl::ResolveFirst(int pos, int len, bool late)
{
    const std::string_view name = TokenText(pos, len);
    const NameId id = m_table->Names().Find(name);
    CSalSymbol* s = late ? m_resolver->LookupLate(*m_chain, id) : m_resolver->Lookup(*m_chain, id);
    if (!s) {
        ReportUnresolved(late ? ".." + std::string(name) : std::string(name));
        return {};
    }
    Emit(s, pos, len);
    return {s, Resolver::ModeOf(s)};
}

Resolved ParserImpl::ResolveMember(const Resolved& of, int ofPos, int pos, int len)
{
    CSalSymbol* s = m_resolver->Member(of, m_table->Names().Find(TokenText(pos, len)));
    if (!s) {
        ReportUnresolved(TokenText(ofPos, pos + len - ofPos), m_table->UnknownClassOf(of.symbol));
        return {};
    }
    Emit(s, pos, len);
    return {s, Resolver::ModeOf(s)};
}

void ParserImpl::ParseString(const SalToken& t)
{
    if (!binds) return;
    const int begin = t.pos + 1;
    const int end = t.unterminated ? t.pos + t.len : t.pos + t.len - 1;
    if (end <= begin) return;
    const std::string_view content = TokenText(begin, end - begin);
    if (content.find(':') == std::string_view::npos) return;
    if (!m_sqlItem && !LooksLikeSql(content)) return;
    FindBinds(m_text, begin, end, m_binds);
    const std::vector<BindSpan> spans = m_binds;
    for (const BindSpan& span : spans) ResolveBind(span);
}

void ParserImpl::ResolveBind(const BindSpan& span)
{
    auto unresolved = [&](int pos, int len) {
        ++stats.unresolvedBinds;
        for (std::size_t i = 0; i < receivers.size(); ++i) receivers[i]->UnresolvedBind(m_item, pos, len);
    };
    int pos = span.pos;
    Resolved r;
    while (pos < span.end) {
        int end = pos;
        while (end < span.end && IsIdentChar(m_text[static_cast<std::size_t>(end)])) ++end;
        const NameId id = m_table->Names().Find(TokenText(pos, end - pos));
        CSalSymbol* s = r.symbol ? m_resolver->Member(r, id) : m_resolver->Lookup(*m_chain, id);
        if (!s) {
            unresolved(pos, end - pos);
            return;
        }
        Emit(s, pos, end - pos);
        r = {s, Resolver::ModeOf(s)};
        pos = end + 1;   // past the '.'
    }
    // Names in the index of ":a[i]".
    for (int i = span.indexBegin; i >= 0 && i < span.indexEnd; ++i) {
        if (!IsIdentStart(m_text[static_cast<std::size_t>(i)]) ||
            (i > span.indexBegin && IsIdentChar(m_text[static_cast<std::size_t>(i - 1)])))
            continue;
        int end = i;
        while (end < span.indexEnd && IsIdentChar(m_text[static_cast<std::size_t>(end)])) ++end;
        if (CSalSymbol* s = m_resolver->Lookup(*m_chain, m_table->Names().Find(TokenText(i, end - i))))
            Emit(s, i, end - i);
        else
            unresolved(i, end - i);
        i = end;
    }
}

void ParserImpl::FlatResolve()
{
    const std::size_t n = m_tokens.size();
    for (std::size_t i = m_p; i < n; ++i) {
        const SalToken& t = m_tokens[i];
        if (t.kind == SalTok::String) {
            ParseString(t);
            continue;
        }
        if (t.kind != SalTok::Ident) continue;
        const SalTok before = i > 0 ? m_tokens[i - 1].kind : SalTok::Other;
        if (before == SalTok::Dot) continue;   // a member after an index: not followed here
        const bool late = before == SalTok::DotDot &&
                          !(i >= 2 && (m_tokens[i - 2].kind == SalTok::Ident || m_tokens[i - 2].kind == SalTok::RBracket));
        if (before == SalTok::DotDot && !late) continue;
        Resolved r = ResolveFirst(t.pos, t.len, late);
        std::size_t j = i + 1;
        while (j + 1 < n && (m_tokens[j].kind == SalTok::Dot || m_tokens[j].kind == SalTok::DotDot) &&
               m_tokens[j + 1].kind == SalTok::Ident) {
            if (r.symbol) r = ResolveMember(r, t.pos, m_tokens[j + 1].pos, m_tokens[j + 1].len);
            j += 2;
        }
        i = j - 1;
    }
    m_p = n;
}

void ParserImpl::Emit(CSalSymbol* symbol, int pos, int len)
{
    m_last = symbol;
    ++stats.references;
    for (std::size_t i = 0; i < receivers.size(); ++i) receivers[i]->Symbol(symbol, m_item, pos, len, m_context);
}

void ParserImpl::ReportUnresolved(std::string_view name, const std::string* unknownClass)
{
    std::string text = "Unresolved symbol '" + std::string(name) + "'";
    if (m_context) {
        const std::int32_t at = outline::Outline::IndexOf(m_context->GetItem().GetItem());
        const std::string path = m_outline->IsAlive(at) ? NamePath(*m_outline, at) : std::string();
        if (!path.empty()) text += " in " + path;
    }
    CSalUnresolved::Cause cause = CSalUnresolved::Cause::Unexplained;
    std::string detail;
    if (unknownClass) {
        cause = CSalUnresolved::Cause::UnknownClass;
        detail = *unknownClass;
        text += " (class " + *unknownClass + " is declared nowhere in what was loaded)";
    } else if (m_unqualifiedExternal) {
        const std::string_view first = name.substr(0, name.find('.'));
        for (const CSalSymbol* s : m_table->Declarations(m_table->Names().Find(first)))
            if (s->GetKind() == SymbolKind::Window && s->GetParentContext()) {
                cause = CSalUnresolved::Cause::UnqualifiedExternal;
                text += " (Fully Qualified External References is off: a child window of another window "
                        "cannot be resolved)";
                break;
            }
    }
    if (!m_missingLibraries.empty()) {
        text += " (" + m_missingLibraries + ")";
        if (cause == CSalUnresolved::Cause::Unexplained) cause = CSalUnresolved::Cause::MissingLibrary;
        detail += (detail.empty() ? "" : "; ") + m_missingLibraries;
    }
    Record(cause, name, std::move(detail), text);
}

void ParserImpl::ReportProblem(const std::string& text)
{
    Record(CSalUnresolved::Cause::Problem, {}, {}, text);
}

void ParserImpl::Record(CSalUnresolved::Cause cause, std::string_view name, std::string detail,
                        const std::string& text)
{
    ++stats.unresolvedSymbols;
    unresolved.push_back({cause, std::string(name), std::move(detail), text, m_item.GetItem()});
    for (std::size_t i = 0; i < receivers.size(); ++i) receivers[i]->unresolvedSymbol(text, &m_item);
}

} // namespace zv::lang

// ---- CSalParser ---------------------------------------------------------------

CSalParser::CSalParser(bool binds, CSalScanner* scanner)
    : m_impl(std::make_unique<zv::lang::ParserImpl>(binds, scanner))
{
}

CSalParser::~CSalParser() = default;

void CSalParser::AddNotifcationInterface(CParserNotificationInterface* receiver)
{
    auto& r = m_impl->receivers;
    if (receiver && std::find(r.begin(), r.end(), receiver) == r.end()) r.push_back(receiver);
}

void CSalParser::RemoveNotificationInterface(CParserNotificationInterface* receiver)
{
    auto& r = m_impl->receivers;
    r.erase(std::remove(r.begin(), r.end(), receiver), r.end());
}

void CSalParser::SetBinds(bool binds) { m_impl->binds = binds; }
bool CSalParser::GetBinds() const { return m_impl->binds; }
bool CSalParser::Parse(CGApplication& app) { return m_impl->Parse(app); }
std::string CSalParser::GetInfo() const { return m_impl->Info(); }
const CSalParseStats& CSalParser::GetStats() const { return m_impl->stats; }
const std::vector<CSalUnresolved>& CSalParser::GetUnresolved() const { return m_impl->unresolved; }
