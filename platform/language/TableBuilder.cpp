#include "platform/language/TableBuilder.h"

#include "platform/outline/Classify.h"

namespace zv::lang {

using namespace ItemType;
using outline::Item;

namespace {

SalDataType DataTypeOf(int type)
{
    switch (type) {
    case DeclNumber: case ReceiveNumber: return SalDataType::Number;
    case DeclString: case ReceiveString: return SalDataType::String;
    case DeclLongString: case ReceiveLongString: return SalDataType::LongString;
    case DeclDateTime: case ReceiveDateTime: return SalDataType::DateTime;
    case DeclBoolean: case ReceiveBoolean: return SalDataType::Boolean;
    case DeclWindowHandle: case ReceiveWindowHandle: return SalDataType::WindowHandle;
    case DeclSqlHandle: case ReceiveSqlHandle: return SalDataType::SqlHandle;
    case DeclFileHandle: return SalDataType::FileHandle;
    case DeclSessionHandle: return SalDataType::SessionHandle;
    case FunctionalVar: return SalDataType::Object;
    default: return SalDataType::Other;
    }
}

bool IsDeclarationType(int type)
{
    return (type >= DeclNumber && type <= DeclOther) || (type >= ReceiveNumber && type <= ReceiveOther);
}

bool IsUsable(const Item& item) { return item.alive && !item.commented; }

} // namespace

CGItem TableBuilder::ItemAt(std::int32_t index) const
{
    return CGItem(m_outline->Handle(), m_outline->ItemHandle(index));
}

Scope TableBuilder::ScopeFor(CSalSymbol* container) const
{
    if (container) return SymbolTable::ScopeOf(container);
    return m_builtIn ? m_table.ContextScope() : m_table.GlobalScope();
}

CSalSymbol* TableBuilder::Register(std::unique_ptr<CSalSymbol> symbol, CSalSymbol* container,
                                   std::int32_t index)
{
    NameId name = kNoName;
    CSalSymbol* s = m_table.Add(std::move(symbol), &name);
    if (s->GetKind() == SymbolKind::Handler) return s;
    m_table.AddMember(ScopeFor(container), s, name);
    const std::string_view text = m_outline->items[index].Text();
    const auto at = text.find(s->GetName());
    CGItem item = ItemAt(index);
    CSalSymbol::NotifyAdded(s, item, at == std::string_view::npos ? 0 : static_cast<int>(at),
                            static_cast<int>(s->GetName().size()));
    return s;
}

void TableBuilder::Declare(const outline::Outline& outline, bool builtIn)
{
    m_outline = &outline;
    m_builtIn = builtIn;
    if (outline.root >= 0) Walk(outline.root, nullptr);
}

void TableBuilder::Children(std::int32_t index, CSalSymbol* container)
{
    for (std::int32_t c = m_outline->items[index].firstChild; c >= 0; c = m_outline->items[c].next)
        Walk(c, container);
}

void TableBuilder::Walk(std::int32_t index, CSalSymbol* container)
{
    const Item& item = m_outline->items[index];
    if (!IsUsable(item)) return;
    const int type = item.type;
    const std::string name(LeadingIdent(item.Text()));
    switch (type) {
    case Application: case GlobalDeclarations: case Constants: case ExternalFunctions:
    case LibraryName: case InternalFunctions: case ClassDefinitions: case NamedMenus:
    case Resources: case Enumerations: case WindowFunctions: case ClassFunctions: case Contents:
    case ToolBar: case Events: case MessageActions: case ApplicationActions:
        Children(index, container);
        return;
    case GlobalVariables: case WindowVariables: case WindowParameters: case InstanceVariables:
    case ClassVariables: case StaticVariables: case LocalVariables:
        Declarations(index, container, false, false);
        return;
    case Parameters:
        Declarations(index, container, true, false);
        return;
    case SystemConstants: case UserConstants:
        Declarations(index, container, false, true);
        return;
    case DerivedFrom:
        if (container && container->GetKind() == SymbolKind::Class)
            for (std::int32_t c = item.firstChild; c >= 0; c = m_outline->items[c].next)
                if (IsUsable(m_outline->items[c]) && m_outline->items[c].type == BaseClass)
                    m_classLines.push_back({container, m_outline, c, true, false});
        return;
    case Function: {
        if (name.empty()) return;
        CSalSymbol* f = Register(std::make_unique<CFunction>(name, ItemAt(index), container, m_builtIn, false),
                                 container, index);
        Children(index, f);
        return;
    }
    case ExternalFunction:
        AddExternal(index, container);
        return;
    case OnMessage: {
        std::string message = name.empty() ? std::string(WithoutComment(item.Text())) : name;
        CSalSymbol* handler = Register(std::make_unique<CSalSymbol>(SymbolKind::Handler, std::move(message),
                                                                    ItemAt(index), container, m_builtIn),
                                       container, index);
        // An event handler of an ActiveX window declares its own parameters.
        for (std::int32_t c = item.firstChild; c >= 0; c = m_outline->items[c].next)
            if (IsUsable(m_outline->items[c]) && m_outline->items[c].type == Parameters) {
                // Its path is a component of its parameters' paths.
                if (m_table.m_handlerScopes.insert(handler).second)
                    m_table.AddMember(ScopeFor(container), handler, m_table.m_names.Intern(handler->GetName()));
                Declarations(c, handler, true, false);
            }
        return;
    }
    case DesignTimeSettings:
        Children(index, container);
        return;
    case DefaultClasses:
        for (std::int32_t c = item.firstChild; c >= 0; c = m_outline->items[c].next)
            if (IsUsable(m_outline->items[c]) && m_outline->items[c].type == DefaultClassItem)
                m_classLines.push_back({nullptr, m_outline, c, false, false});
        return;
    case Enumeration: {
        if (name.empty()) return;
        CSalSymbol* e = Register(std::make_unique<CSalSymbol>(SymbolKind::Enumeration, name, ItemAt(index),
                                                              container, m_builtIn),
                                 container, index);
        for (std::int32_t c = item.firstChild; c >= 0; c = m_outline->items[c].next) {
            const Item& child = m_outline->items[c];
            const std::string itemName(LeadingIdent(child.Text()));
            if (!IsUsable(child) || child.type != EnumerationItem || itemName.empty()) continue;
            CSalSymbol* v = Register(std::make_unique<CSalSymbol>(SymbolKind::EnumItem, itemName, ItemAt(c), e,
                                                                  m_builtIn),
                                     e, c);
            // Enumeration items are also seen unqualified where the enumeration is.
            m_table.AddMember(ScopeFor(container), v, m_table.Names().Find(itemName));
        }
        return;
    }
    case Bitmap: case Icon: case Cursor:
        if (!name.empty())
            Register(std::make_unique<CSalSymbol>(SymbolKind::Resource, name, ItemAt(index), container, m_builtIn),
                     container, index);
        return;
    case NamedMenu:
        if (!name.empty())
            Register(std::make_unique<CSalSymbol>(SymbolKind::NamedMenu, name, ItemAt(index), container, m_builtIn),
                     container, index);
        return;
    case Event:
        if (!name.empty())
            Register(std::make_unique<CSalSymbol>(SymbolKind::Event, name, ItemAt(index), container, m_builtIn),
                     container, index);
        return;
    default:
        break;
    }
    if (outline::IsClassType(type)) {
        if (name.empty()) return;
        CSalSymbol* cls = Register(std::make_unique<CClass>(name, ItemAt(index), m_builtIn), nullptr, index);
        Children(index, cls);
    } else if (outline::IsTopLevelWindowType(type) || outline::IsChildWindowType(type)) {
        AddWindow(index, container);
    }
}

void TableBuilder::AddWindow(std::int32_t index, CSalSymbol* container)
{
    const Item& item = m_outline->items[index];
    const int type = item.type;
    if (type == BackgroundText || type == Frame || type == Line) return;
    const std::string_view text = WithoutComment(item.Text());
    const std::string name(LeadingIdent(text));
    // A child window's line must be its name alone; captions are no names.
    if (name.empty() || (outline::IsChildWindowType(type) && text.find_first_not_of(" \t", name.size()) !=
                                                                  std::string_view::npos))
        return;
    CSalSymbol* w = Register(std::make_unique<CWindow>(name, ItemAt(index), container, m_builtIn), container,
                             index);
    // Nested child windows are seen unqualified from every enclosing window.
    const NameId id = m_table.Names().Find(name);
    if (container)
        for (CSalSymbol* p = container->GetParentContext(); p; p = p->GetParentContext()) {
            if (p->GetKind() != SymbolKind::Window && p->GetKind() != SymbolKind::Class) break;
            m_table.AddMember(SymbolTable::ScopeOf(p), w, id);
            if (p->GetKind() == SymbolKind::Class) break;
        }
    // A child window of a kind without a keyword of its own takes its class
    // from its Class: line, or else from its keyword ("cTown: dfTown").
    const std::size_t before = m_classLines.size();
    NoteObjectClass(index, w);
    if (type == OtherChildWindow && m_classLines.size() == before)
        m_classLines.push_back({w, m_outline, index, false, true});
    Children(index, w);
}

void TableBuilder::AddExternal(std::int32_t index, CSalSymbol* container)
{
    const Item& item = m_outline->items[index];
    const std::string name(LeadingIdent(item.Text()));
    if (name.empty()) return;
    auto f = std::make_unique<CFunction>(name, ItemAt(index), container, m_builtIn, true);
    for (std::int32_t c = item.firstChild; c >= 0; c = m_outline->items[c].next) {
        const Item& section = m_outline->items[c];
        if (!IsUsable(section) || section.type != Parameters) continue;
        for (std::int32_t p = section.firstChild; p >= 0; p = m_outline->items[p].next) {
            const Item& param = m_outline->items[p];
            if (!IsUsable(param)) continue;
            const bool receive =
                (param.type >= ExtReceiveNumber && param.type <= ExtReceiveOther) || param.type == StructPointer;
            f->AddParameter({ItemAt(p), receive, nullptr});
        }
    }
    Register(std::move(f), container, index);
}

void TableBuilder::Declarations(std::int32_t section, CSalSymbol* container, bool parameters, bool constants)
{
    auto* function = dynamic_cast<CFunction*>(container);
    for (std::int32_t c = m_outline->items[section].firstChild; c >= 0; c = m_outline->items[c].next) {
        const Item& item = m_outline->items[c];
        if (!IsUsable(item) || !IsDeclarationType(item.type)) continue;
        const std::string_view text = item.Text();
        const std::string name(LeadingIdent(text));
        if (name.empty()) continue;
        auto s = std::make_unique<CSalSymbol>(constants ? SymbolKind::Constant : SymbolKind::Variable, name,
                                              ItemAt(c), container, m_builtIn);
        s->SetDataType(DataTypeOf(item.type));
        const auto rest = text.find_first_not_of(" \t", name.size());
        s->SetArray(rest != std::string_view::npos && text[rest] == '[');
        const bool receive = item.type >= ReceiveNumber && item.type <= ReceiveOther;
        if (parameters) s->SetParameter(receive);
        CSalSymbol* sym = Register(std::move(s), container, c);
        if (parameters && function) function->AddParameter({ItemAt(c), receive, sym});
        if (item.type == DeclOther || item.type == ReceiveOther) m_classLines.push_back({sym, m_outline, c, false, true});
        else NoteObjectClass(c, sym);
    }
}

namespace {

// The number of a "Class Child Ref Key: N" or "Class ChildKey: N" line among
// the children of a window, 0 when there is none.
int KeyOf(const outline::Outline& o, std::int32_t window, std::string_view keyword)
{
    for (std::int32_t c = o.items[window].firstChild; c >= 0; c = o.items[c].next) {
        const Item& child = o.items[c];
        if (!IsUsable(child) || !EqualNoCase(child.Title(), keyword)) continue;
        int key = 0;
        for (char ch : child.Text()) {
            if (ch < '0' || ch > '9' || key > 100000000) break;
            key = key * 10 + (ch - '0');
        }
        return key;
    }
    return 0;
}

std::int32_t ObjectClassLine(const outline::Outline& o, std::int32_t window)
{
    for (std::int32_t c = o.items[window].firstChild; c >= 0; c = o.items[c].next)
        if (IsUsable(o.items[c]) && o.items[c].type == ObjectClass) return c;
    return -1;
}

} // namespace

void TableBuilder::NoteObjectClass(std::int32_t index, CSalSymbol* owner)
{
    const std::int32_t line = ObjectClassLine(*m_outline, index);
    if (line < 0) return;
    ClassLine note{owner, m_outline, line, false, false};
    if (owner->GetKind() == SymbolKind::Window) note.refKey = KeyOf(*m_outline, index, "Class Child Ref Key:");
    m_classLines.push_back(note);
}

namespace {

// The child window (or column) under a class or window whose Class ChildKey
// is key, looking through Contents only; -1 when there is none.
std::int32_t ChildWithKey(const outline::Outline& o, std::int32_t top, int key)
{
    std::vector<std::int32_t> stack{top};
    while (!stack.empty()) {
        const std::int32_t at = stack.back();
        stack.pop_back();
        for (std::int32_t c = o.items[at].firstChild; c >= 0; c = o.items[c].next) {
            const Item& item = o.items[c];
            if (!IsUsable(item)) continue;
            if (item.type == Contents) stack.push_back(c);
            if (!outline::IsChildWindowType(item.type)) continue;
            if (KeyOf(o, c, "Class ChildKey:") == key) return c;
            stack.push_back(c);
        }
    }
    return -1;
}

} // namespace

// The class of the child window of cls (or of its bases) whose Class
// ChildKey is key, following inherited children further down.
CClass* TableBuilder::InheritedClass(CClass* cls, int key, int depth)
{
    if (depth > 16) return nullptr;   // a loop of inherited children
    const auto known = m_inherited.find({cls, key});
    if (known != m_inherited.end()) return known->second;
    CClass* found = nullptr;
    for (CClass* c : cls->GetLinearization()) {
        std::int32_t top = -1;
        const outline::Outline* o = outline::Registry::Get().Resolve(c->GetItem().GetItem(), &top);
        const std::int32_t child = o ? ChildWithKey(*o, top, key) : -1;
        if (child < 0) continue;
        const std::int32_t line = ObjectClassLine(*o, child);
        if (line >= 0) {
            const NameId name = m_table.Names().Find(LeadingIdent(o->items[line].Text()));
            if (auto* named = dynamic_cast<CClass*>(m_table.FindGlobal(name))) {
                const int next = KeyOf(*o, child, "Class Child Ref Key:");
                found = next > 0 ? InheritedClass(named, next, depth + 1) : named;
            }
        }
        break;
    }
    m_inherited.emplace(std::make_pair(cls, key), found);
    return found;
}

void TableBuilder::Link()
{
    // Base classes first: an inherited child window looks into the bases.
    for (const ClassLine& line : m_classLines)
        if (line.base) LinkLine(line);
    for (const ClassLine& line : m_classLines)
        if (!line.base) LinkLine(line);
    m_classLines.clear();
    ComputeOverrides();
}

void TableBuilder::LinkLine(const ClassLine& line)
{
    const Item& item = line.outline->items[line.line];
    const std::string_view name = line.typed ? zv::outline::TypedDeclarationClass(item.Title())
                                             : LeadingIdent(item.Text());
    if (name.empty()) return;   // a window made from no class
    auto* cls = dynamic_cast<CClass*>(m_table.FindGlobal(m_table.Names().Find(name)));
    const HITEM hLine = line.outline->ItemHandle(line.line);
    if (!cls) {
        // "Binary: b" and other unknown types are no class references.
        if (line.typed) return;
        m_table.m_unresolvedClasses.emplace(hLine, UnresolvedClassRef{std::string(name)});
        if (line.owner) m_table.m_unknownClasses.emplace(line.owner, std::string(name));
        return;
    }
    // The parser reports the reference where the name stands.
    const int position = line.typed ? -1 : static_cast<int>(name.data() - item.Text().data());
    m_table.m_classRefs.emplace(hLine, ClassRef{cls, position, static_cast<int>(name.size())});
    if (line.base) {
        if (auto* derived = dynamic_cast<CClass*>(line.owner)) derived->AddBaseClass(cls);
        return;
    }
    if (!line.owner) return;   // a Default Classes entry
    CClass* real = line.refKey > 0 ? InheritedClass(cls, line.refKey, 0) : cls;
    if (!real) return;
    line.owner->SetObjectClass(real);
    if (line.owner->GetKind() == SymbolKind::Variable) line.owner->SetDataType(SalDataType::Object);
    else real->AddWindow(line.owner);
}

void TableBuilder::ComputeOverrides()
{
    for (const auto& symbol : m_table.Symbols()) {
        auto* f = dynamic_cast<CFunction*>(symbol.get());
        if (!f || !f->GetParentContext()) continue;
        CSalSymbol* owner = f->GetParentContext();
        const std::vector<CClass*>* chain = nullptr;
        std::size_t first = 0;
        if (auto* cls = dynamic_cast<CClass*>(owner)) {
            chain = &cls->GetLinearization();
            first = 1;   // the class itself
        } else if (owner->GetKind() == SymbolKind::Window && owner->GetObjectClass()) {
            chain = &owner->GetObjectClass()->GetLinearization();
        }
        if (!chain) continue;
        const NameId name = m_table.Names().Find(f->GetName());
        for (std::size_t i = first; i < chain->size(); ++i) {
            auto* base = dynamic_cast<CFunction*>(m_table.Find(SymbolTable::ScopeOf((*chain)[i]), name));
            if (base && base != f) {
                f->SetOverridden(base);
                base->SetHasOverrides();
                break;
            }
        }
    }
}

} // namespace zv::lang
