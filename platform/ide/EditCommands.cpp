#include "platform/ide/EditCommands.h"

#include <algorithm>

#include "platform/outline/HostState.h"

namespace zv::ide {

namespace {

int g_applying = 0;

// Marks the outline changes a command makes, so that they are told from
// the changes others (the explorer) make.
struct Applying {
    Applying() { ++g_applying; }
    ~Applying() { --g_applying; }
};

void SelectItem(HOUTLINE hOutline, HITEM hItem)
{
    if (hItem) zv::host::HostState::Get().Select(hOutline, hItem);
}

// The child at row of an item (-1: none).
HITEM ChildAt(HOUTLINE hOutline, HITEM hParent, int row)
{
    if (row < 0) return 0;
    HITEM h = CGItem(hOutline, hParent).GetFirstChild();
    for (; h && row > 0; --row) h = CGItem(hOutline, h).GetNextSibling();
    return h;
}

} // namespace

bool IsApplyingCommand() { return g_applying > 0; }

ItemPath PathOf(HITEM hItem)
{
    ItemPath path;
    CGItem item(0, hItem);
    CGItem parent;
    while (item.GetParentItem(parent)) {
        int row = 0;
        for (HITEM h = parent.GetFirstChild(); h && h != item.GetItem(); h = CGItem(0, h).GetNextSibling()) ++row;
        path.push_back(row);
        item = parent;
    }
    std::reverse(path.begin(), path.end());
    return path;
}

HITEM ItemAt(HOUTLINE hOutline, const ItemPath& path)
{
    HITEM h = CGApplication(hOutline).GetItem();
    for (int row : path) {
        h = ChildAt(hOutline, h, row);
        if (!h) return 0;
    }
    return h;
}

// ---- LineCommand ---------------------------------------------------------------

LineCommand::LineCommand(HITEM hItem, std::string line, bool keywordOnly)
    : m_hOutline(CurrentOutline()), m_path(PathOf(hItem)), m_old(CGItem(0, hItem).GetTitle(0)),
      m_new(std::move(line)), m_keywordOnly(keywordOnly)
{
    setText(keywordOnly ? "Change Kind" : "Edit Line");
}

void LineCommand::redo()
{
    const Applying applying;
    const HITEM h = ItemAt(m_hOutline, m_path);
    setObsolete(!(m_keywordOnly ? zv::host::ChangeItemKind(h, m_new) : zv::host::SetItemLine(h, m_new)));
}

void LineCommand::undo()
{
    const Applying applying;
    const HITEM h = ItemAt(m_hOutline, m_path);
    zv::host::SetItemLine(h, m_old);
    SelectItem(m_hOutline, h);
}

// ---- InsertCommand -------------------------------------------------------------

InsertCommand::InsertCommand(HITEM hParent, HITEM hAfter, std::string text, bool paste)
    : m_hOutline(CurrentOutline()), m_parent(PathOf(hParent)), m_row(hAfter ? PathOf(hAfter).back() + 1 : 0),
      m_text(std::move(text)), m_paste(paste)
{
    setText(paste ? "Paste" : "Insert Item");
}

void InsertCommand::redo()
{
    const Applying applying;
    const HITEM hParent = ItemAt(m_hOutline, m_parent);
    const HITEM hAfter = ChildAt(m_hOutline, hParent, m_row - 1);
    HITEM first = 0;
    if (m_paste) {
        const std::vector<HITEM> made = zv::host::PasteItems(hParent, hAfter, m_text);
        m_count = static_cast<int>(made.size());
        first = made.empty() ? 0 : made.front();
    } else {
        first = zv::host::InsertItem(hParent, hAfter, m_text);
        m_count = first ? 1 : 0;
    }
    setObsolete(m_count == 0);
    SelectItem(m_hOutline, first);
}

void InsertCommand::undo()
{
    const Applying applying;
    const HITEM hParent = ItemAt(m_hOutline, m_parent);
    for (int n = 0; n < m_count; ++n) CGItem(m_hOutline, ChildAt(m_hOutline, hParent, m_row)).Delete();
    SelectItem(m_hOutline, m_row > 0 ? ChildAt(m_hOutline, hParent, m_row - 1) : hParent);
}

// ---- DeleteCommand -------------------------------------------------------------

DeleteCommand::DeleteCommand(const std::vector<HITEM>& items, const QString& name) : m_hOutline(CurrentOutline())
{
    // Items inside another chosen item go with it.
    for (HITEM h : items) {
        const bool inside = std::any_of(items.begin(), items.end(),
                                        [h](HITEM other) { return other != h && isChildOf(h, other); });
        if (!inside) m_paths.push_back(PathOf(h));
    }
    std::sort(m_paths.begin(), m_paths.end());
    setText(name);
}

void DeleteCommand::redo()
{
    const Applying applying;
    m_copies.clear();
    bool any = false;
    // Last first: the paths of the earlier ones stay valid.
    for (auto it = m_paths.rbegin(); it != m_paths.rend(); ++it) {
        const HITEM h = ItemAt(m_hOutline, *it);
        m_copies.insert(m_copies.begin(), zv::host::CopyItems({h}));
        any = CGItem(m_hOutline, h).Delete() || any;
    }
    setObsolete(!any);
}

void DeleteCommand::undo()
{
    const Applying applying;
    HITEM last = 0;
    for (std::size_t n = 0; n < m_paths.size(); ++n) {
        ItemPath parentPath = m_paths[n];
        const int row = parentPath.back();
        parentPath.pop_back();
        const HITEM hParent = ItemAt(m_hOutline, parentPath);
        const std::vector<HITEM> made =
            zv::host::PasteItems(hParent, ChildAt(m_hOutline, hParent, row - 1), m_copies[n]);
        if (!made.empty()) last = made.front();
    }
    SelectItem(m_hOutline, last);
}

// ---- MoveCommand ---------------------------------------------------------------

MoveCommand::MoveCommand(HITEM hItem, int delta) : m_hOutline(CurrentOutline()), m_path(PathOf(hItem)), m_delta(delta)
{
    setText(delta < 0 ? "Move Up" : "Move Down");
}

void MoveCommand::redo()
{
    const Applying applying;
    const HITEM h = ItemAt(m_hOutline, m_path);
    setObsolete(!zv::host::MoveItem(h, m_delta));
    SelectItem(m_hOutline, h);
}

void MoveCommand::undo()
{
    const Applying applying;
    ItemPath moved = m_path;
    moved.back() += m_delta;
    const HITEM h = ItemAt(m_hOutline, moved);
    zv::host::MoveItem(h, -m_delta);
    SelectItem(m_hOutline, h);
}

} // namespace zv::ide
