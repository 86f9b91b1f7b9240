// The outline kit's GetNamePrefix: a symbol's name path, written from the
// outline alone so that it works for any loaded outline.
#include "contracts/OutlineKit.h"
#include "platform/language/Declared.h"

CGString GetNamePrefix(HOUTLINE hOutline, HITEM hItem, CGItem& symbolItem)
{
    zv::outline::Outline* o = nullptr;
    std::int32_t index = -1;
    if (hItem) o = zv::outline::Registry::Get().Resolve(hItem, &index);
    symbolItem.Initialize(o ? o->Handle() : hOutline, hItem);
    if (!o || !o->IsAlive(index)) return {};
    return CGString(zv::lang::NamePath(*o, index));
}
