#include "engine/LateBinding.h"

#include <set>
#include <string>

#include "contracts/Check.h"
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
    if (CXrefList* refs = CZavoraApp::Instance().GetReferences(cls->GetItem().GetItem())) {
        for (CReference* ref : refs->GetReferences()) {
            CGItem* source = ref->GetSource();
            const int type = source->GetItemType();
            if (ref->GetPosition() < 0 && type != ItemType::BaseClass && type != ItemType::FunctionalVar &&
                !source->GetObjectClass().empty())
                out.push_back(*source);
        }
    }
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
