#include "platform/language/Declared.h"

#include "platform/language/Names.h"
#include "platform/outline/Classify.h"

namespace zv::lang {

using namespace ItemType;

std::string_view DeclaredName(const outline::Item& item)
{
    if (!item.alive || item.commented) return {};
    const int type = item.type;
    const std::string_view text = item.Text();
    const std::string_view name = LeadingIdent(text);
    if ((type >= DeclNumber && type <= DeclOther) || (type >= ReceiveNumber && type <= ReceiveOther)) return name;
    if (outline::IsChildWindowType(type)) {
        if (type == BackgroundText || type == Frame || type == Line) return {};
        // A caption ("Group Box: Address of customer") is no name.
        return WithoutComment(text).size() == name.size() ? name : std::string_view();
    }
    if (outline::IsTopLevelWindowType(type) || outline::IsClassType(type)) return name;
    switch (type) {
    case Function: case ExternalFunction: case Enumeration: case EnumerationItem: case Bitmap: case Icon:
    case Cursor: case NamedMenu: case Event: case OnMessage:
        return name;
    default:
        return {};
    }
}

bool IsEventHandler(const outline::Outline& o, std::int32_t index)
{
    if (o.items[index].type != OnMessage) return false;
    for (std::int32_t c = o.items[index].firstChild; c >= 0; c = o.items[c].next)
        if (o.items[c].type == Parameters && !o.items[c].commented) return true;
    return false;
}

bool IsPathContainer(int type)
{
    return type == Function || type == Enumeration || outline::IsClassType(type) ||
           outline::IsTopLevelWindowType(type) || outline::IsChildWindowType(type);
}

std::string NamePath(const outline::Outline& o, std::int32_t index)
{
    const std::string_view own = DeclaredName(o.items[index]);
    if (own.empty()) return {};
    std::string path(own);
    for (std::int32_t p = o.items[index].parent; p >= 0; p = o.items[p].parent) {
        if (!IsPathContainer(o.items[p].type) && !IsEventHandler(o, p)) continue;
        const std::string_view name = DeclaredName(o.items[p]);
        if (name.empty()) continue;
        path.insert(0, "::");
        path.insert(0, name);
    }
    return path;
}

} // namespace zv::lang
