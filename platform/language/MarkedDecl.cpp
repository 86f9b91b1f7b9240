// The outline kit's GetMarkedVarDeclExt: the declaration of the identifier
// marked in a line, resolved where the line stands.
#include "contracts/SalLanguage.h"
#include "platform/language/Resolver.h"
#include "platform/language/Scanner.h"
#include "platform/outline/HostState.h"

namespace {

using namespace zv::lang;

struct Part {
    int pos;
    int len;
};

// The components of the dotted name that ends with the marked one.
bool ChainAt(const std::vector<SalToken>& tokens, std::size_t marked, std::vector<Part>& parts, bool& late)
{
    std::vector<Part> reversed{{tokens[marked].pos, tokens[marked].len}};
    std::size_t k = marked;
    late = false;
    while (k >= 1 && (tokens[k - 1].kind == SalTok::Dot || tokens[k - 1].kind == SalTok::DotDot)) {
        const std::size_t dot = k - 1;
        std::size_t before = dot;
        // Skip an index: "a[i].b".
        if (before >= 1 && tokens[before - 1].kind == SalTok::RBracket) {
            int depth = 0;
            std::size_t m = before - 1;
            for (;; --m) {
                if (tokens[m].kind == SalTok::RBracket) ++depth;
                else if (tokens[m].kind == SalTok::LBracket && --depth == 0) break;
                if (m == 0) return false;
            }
            before = m;
        }
        if (before >= 1 && tokens[before - 1].kind == SalTok::Ident) {
            reversed.push_back({tokens[before - 1].pos, tokens[before - 1].len});
            k = before - 1;
            continue;
        }
        late = tokens[dot].kind == SalTok::DotDot;
        break;
    }
    parts.assign(reversed.rbegin(), reversed.rend());
    return true;
}

// The bind around pos inside a string: ":frmX.dfY" marked on dfY.
bool BindAt(std::string_view text, const SalToken& str, int pos, std::vector<Part>& parts)
{
    const int begin = str.pos + 1;
    int b = pos;
    int e = pos;
    while (b > begin && IsIdentChar(text[static_cast<std::size_t>(b - 1)])) --b;
    while (e < str.pos + str.len && IsIdentChar(text[static_cast<std::size_t>(e)])) ++e;
    if (e == b) return false;
    std::vector<Part> reversed{{b, e - b}};
    while (b - 1 > begin && text[static_cast<std::size_t>(b - 1)] == '.') {
        int s = b - 1;
        while (s > begin && IsIdentChar(text[static_cast<std::size_t>(s - 1)])) --s;
        if (s == b - 1) break;
        reversed.push_back({s, b - 1 - s});
        b = s;
    }
    if (b - 1 < begin || text[static_cast<std::size_t>(b - 1)] != ':') return false;
    parts.assign(reversed.rbegin(), reversed.rend());
    return true;
}

} // namespace

HITEM GetMarkedVarDeclExt(HOUTLINE hOutline, HITEM hItem, const std::string& text, int start, int end,
                          HITEM hScope)
{
    HITEM scopeItem = hScope ? hScope : hItem;
    if (!scopeItem) scopeItem = EditGetItem(hOutline);
    if (!scopeItem) scopeItem = GetSelectedItem(hOutline);
    std::int32_t index = -1;
    zv::outline::Outline* o = scopeItem ? zv::outline::Registry::Get().Resolve(scopeItem, &index) : nullptr;
    if (!o) o = zv::outline::Registry::Get().Find(hOutline);
    if (!o || text.empty()) return 0;

    CApplication* app = CApplication::Instance(o->Handle(), 0);
    if (!app->IsCreated()) {
        try {
            app->CreateContext();
        } catch (const std::exception&) {
            return 0;
        }
    }
    const SymbolTable& table = *app->GetTable();

    std::vector<SalToken> tokens;
    CSalScanner().Scan(text, tokens);
    if (end < start) std::swap(start, end);
    std::vector<Part> parts;
    bool late = false;
    for (std::size_t i = 0; i < tokens.size() && parts.empty(); ++i) {
        const SalToken& t = tokens[i];
        const bool covers = start >= t.pos && start <= t.pos + t.len && (end <= t.pos + t.len || end == start);
        if (!covers) continue;
        if (t.kind == SalTok::Ident && start < t.pos + t.len + (start == end ? 1 : 0)) {
            if (!ChainAt(tokens, i, parts, late)) return 0;
        } else if (t.kind == SalTok::String && start > t.pos && start < t.pos + t.len) {
            if (!BindAt(text, t, start, parts)) return 0;
        }
    }
    if (parts.empty()) return 0;

    Resolver resolver(table);
    const ScopeChain& chain =
        resolver.ChainOf(index >= 0 && o->Handle() == table.Program() ? CodeContextOf(table, *o, index) : nullptr);
    Resolved r;
    for (const Part& part : parts) {
        const NameId name = table.Names().Find(std::string_view(text).substr(static_cast<std::size_t>(part.pos),
                                                                          static_cast<std::size_t>(part.len)));
        CSalSymbol* s = !r.symbol ? (late ? resolver.LookupLate(chain, name) : resolver.Lookup(chain, name))
                                  : resolver.Member(r, name);
        if (!s) return 0;
        r = {s, Resolver::ModeOf(s)};
    }
    // Built-ins are found by name by the explorer.
    return r.symbol->IsBuiltIn() ? 0 : r.symbol->GetItem().GetItem();
}
