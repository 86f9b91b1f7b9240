#include "engine/LateBinding.h"

#include <algorithm>
#include <set>
#include <string>

#include "contracts/Check.h"
#include "engine/CallChainInfo.h"
#include "engine/CallInfoList.h"
#include "engine/XrefList.h"
#include "engine/Zavora.h"

namespace {

std::string PathOf(const CGItem& item)
{
    CGItem scratch;
    return GetNamePrefix(item.GetOutline(), item.GetItem(), scratch);
}


void Walk(const std::string& name, CClass* cls, CFunction* f, std::vector<CFunction*>& out,
          std::set<const void*>& seen)
{
    CApplication* table = CApplication::Instance(0, 0);
    if (!table || !seen.insert(cls).second) return;
    for (const CGItem& sub : DirectSubclasses(cls)) {
        auto* g = dynamic_cast<CFunction*>(table->GetSymbolFromPath(PathOf(sub) + "::" + name));
        if (g && g != f && seen.insert(g).second) out.push_back(g);
        if (auto* subClass = dynamic_cast<CClass*>(table->GetSymbolOfItem(sub.GetItem())))
            Walk(name, subClass, f, out, seen);
    }
}

} // namespace

std::vector<CGItem> DirectSubclasses(CClass* cls)
{
    std::vector<CGItem> out;
    if (!cls) return out;
    for (CClass* derived : cls->GetDerivedClasses()) out.push_back(derived->GetItem());
    for (CSalSymbol* window : cls->GetWindows()) out.push_back(window->GetItem());
    return out;
}

std::vector<CFunction*> FindOverrides(CFunction* f)
{
    REQUIRE_BARE(f != NULL, "FindOverrides");
    std::vector<CFunction*> out;
    std::set<const void*> seen{f};
    // Nothing derives from a window: a window function has no overrides, even
    // where its siblings made from the same class define one of that name.
    if (auto* cls = dynamic_cast<CClass*>(f->GetParentContext())) Walk(f->GetName(), cls, f, out, seen);
    return out;
}

std::vector<CFunction*> LateBoundFamily(CFunction* f)
{
    REQUIRE_BARE(f != NULL, "LateBoundFamily");
    CFunction* root = f;
    std::set<const CFunction*> seen{f};
    while (root->GetOverridden() && seen.insert(root->GetOverridden()).second) root = root->GetOverridden();
    std::vector<CFunction*> family{root};
    for (CFunction* g : FindOverrides(root)) family.push_back(g);
    if (std::find(family.begin(), family.end(), f) == family.end()) family.push_back(f);
    return family;
}

std::vector<CReference*> LateBoundCallsOf(CFunction* f)
{
    REQUIRE_BARE(f != NULL, "LateBoundCallsOf");
    std::vector<CReference*> out;
    std::set<const CFunction*> seen{f};
    for (CFunction* base = f->GetOverridden(); base && seen.insert(base).second; base = base->GetOverridden()) {
        CXrefList* list = CZavoraApp::Instance().GetReferences(base->GetItem().GetItem());
        if (!list) continue;
        for (CReference* ref : list->GetReferences())
            if (ref->IsLateBoundCall()) out.push_back(ref);
    }
    return out;
}

namespace {
CFunction* ProgramFunction(HITEM hSymbol, bool bBuiltIn)
{
    CApplication* table = bBuiltIn ? nullptr : CApplication::Instance(0, 0);
    auto* function = table ? dynamic_cast<CFunction*>(table->GetSymbolOfItem(hSymbol)) : nullptr;
    return function && !function->IsBuiltIn() ? function : nullptr;
}
} // namespace

std::vector<CReference*> ReferencesOf(HITEM hSymbol, bool bBuiltIn, std::size_t* own)
{
    CZavoraApp& app = CZavoraApp::Instance();
    CXrefList* list = bBuiltIn ? app.GetSalReferences(hSymbol) : app.GetReferences(hSymbol);
    std::vector<CReference*> uses = list ? list->GetReferences() : std::vector<CReference*>{};
    if (own) *own = uses.size();
    if (CFunction* function = ProgramFunction(hSymbol, bBuiltIn)) {
        const std::vector<CReference*> late = LateBoundCallsOf(function);
        uses.insert(uses.end(), late.begin(), late.end());
    }
    return uses;
}

std::vector<HITEM> CallersOf(HITEM hSymbol, bool bBuiltIn, std::size_t* direct)
{
    std::vector<HITEM> callers;
    if (CCallChainInfo* info = CZavoraApp::Instance().GetCallInfo()) {
        for (const auto& [key, list] : info->GetAll()) {
            if (!list) continue;
            for (CReference* call : list->GetCalls())
                if (call->GetSource()->GetItem() == hSymbol) {
                    callers.push_back(key);
                    break;
                }
        }
    }
    std::sort(callers.begin(), callers.end());  // the order the items were made in: stable output
    if (direct) *direct = callers.size();
    if (CFunction* function = ProgramFunction(hSymbol, bBuiltIn)) {
        for (CReference* call : LateBoundCallsOf(function)) {
            const HITEM caller = CallerOf(*call->GetSource()).GetItem();
            if (caller && std::find(callers.begin(), callers.end(), caller) == callers.end()) callers.push_back(caller);
        }
    }
    return callers;
}

CGItem CallerOf(const CGItem& item)
{
    CGItem at(item.GetOutline(), item.GetItem());
    while (at.GetItem()) {
        const int type = at.GetItemType();
        if (type == ItemType::Function || type == ItemType::OnMessage) return at;
        CGItem parent;
        if (!at.GetParentItem(parent)) break;
        at = parent;
    }
    return CGItem();
}
