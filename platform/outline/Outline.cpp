#include "platform/outline/Outline.h"

#include "platform/outline/Classify.h"

namespace zv::outline {

std::string_view Item::Title() const
{
    return std::string_view(line).substr(0, TitleLength(line, textStart));
}

std::int32_t Outline::AppendChild(std::int32_t parent, Item&& item)
{
    const auto index = static_cast<std::int32_t>(items.size());
    item.parent = parent;
    item.prev = -1;
    item.next = -1;
    items.push_back(std::move(item));
    if (parent < 0) {
        if (root < 0) root = index;
        return index;
    }
    Item& p = items[parent];
    if (p.lastChild >= 0) {
        items[p.lastChild].next = index;
        items[index].prev = p.lastChild;
    } else {
        p.firstChild = index;
    }
    p.lastChild = index;
    return index;
}

std::int32_t Outline::InsertAfter(std::int32_t sibling, Item&& item)
{
    const auto index = static_cast<std::int32_t>(items.size());
    const std::int32_t parent = items[sibling].parent;
    item.parent = parent;
    item.prev = sibling;
    item.next = items[sibling].next;
    items.push_back(std::move(item));
    if (items[index].next >= 0)
        items[items[index].next].prev = index;
    else if (parent >= 0)
        items[parent].lastChild = index;
    items[sibling].next = index;
    return index;
}

void Outline::Classify(Item& item, std::int32_t parent) const
{
    if (parent < 0) {
        // The root is known by its place; its text follows the first colon.
        std::size_t start = item.line.find(':');
        start = start == std::string::npos ? item.line.size() : start + 1;
        while (start < item.line.size() && item.line[start] == ' ') ++start;
        item.type = ItemType::Application;
        item.textStart = static_cast<std::uint16_t>(std::min<std::size_t>(start, 0xFFFF));
        item.commented = false;
        return;
    }
    const Item& p = items[parent];
    const int grand = p.parent >= 0 ? items[p.parent].type : -1;
    const Classification c = ClassifyLine(p.type, grand, p.commented, item.line);
    item.type = static_cast<std::int16_t>(c.type);
    item.textStart = c.textStart;
    item.commented = c.commented;
}

void Outline::Remove(std::int32_t index)
{
    Item& it = items[index];
    if (it.prev >= 0) items[it.prev].next = it.next;
    else if (it.parent >= 0) items[it.parent].firstChild = it.next;
    if (it.next >= 0) items[it.next].prev = it.prev;
    else if (it.parent >= 0) items[it.parent].lastChild = it.prev;
    if (root == index) root = -1;
    // Mark the whole subtree dead; keep the links so nothing dangles.
    for (std::int32_t i = index; i >= 0; i = NextInOrder(i, index))
        items[i].alive = false;
    it.prev = it.next = -1;
}

int Outline::Depth(std::int32_t index) const
{
    int depth = 0;
    for (std::int32_t p = items[index].parent; p >= 0; p = items[p].parent) ++depth;
    return depth;
}

std::int32_t Outline::ChildCount(std::int32_t index) const
{
    std::int32_t n = 0;
    for (std::int32_t c = items[index].firstChild; c >= 0; c = items[c].next) ++n;
    return n;
}

std::int32_t Outline::NextInOrder(std::int32_t index, std::int32_t top) const
{
    if (items[index].firstChild >= 0) return items[index].firstChild;
    for (std::int32_t i = index; i >= 0 && i != top; i = items[i].parent)
        if (items[i].next >= 0) return items[i].next;
    return -1;
}

Registry& Registry::Get()
{
    static Registry registry;
    return registry;
}

Outline* Registry::Find(HOUTLINE hOutline) const
{
    auto it = m_outlines.find(hOutline);
    return it == m_outlines.end() ? nullptr : it->second.get();
}

Outline* Registry::Resolve(HITEM hItem, std::int32_t* index) const
{
    Outline* outline = Find(Outline::SerialOf(hItem));
    if (!outline) return nullptr;
    const std::int32_t i = Outline::IndexOf(hItem);
    if (!outline->IsAlive(i)) return nullptr;
    if (index) *index = i;
    return outline;
}

Item* Registry::ResolveItem(HITEM hItem, Outline** outline) const
{
    std::int32_t index = -1;
    Outline* o = Resolve(hItem, &index);
    if (!o) return nullptr;
    if (outline) *outline = o;
    return &o->items[index];
}

Outline& Registry::Create()
{
    const std::uint32_t serial = m_nextSerial++;
    auto outline = std::make_unique<Outline>(serial);
    Outline& ref = *outline;
    m_outlines.emplace(serial, std::move(outline));
    return ref;
}

void Registry::Destroy(HOUTLINE hOutline) { m_outlines.erase(hOutline); }

} // namespace zv::outline
