#include "explorer/ZvRows.h"

#include <QPalette>

namespace zvrow {

HITEM ItemOf(const QTreeWidgetItem* row) { return row ? row->data(0, Item).toULongLong() : 0; }
HOUTLINE OutlineOf(const QTreeWidgetItem* row) { return row ? row->data(0, Outline).toULongLong() : 0; }

void SetItem(QTreeWidgetItem* row, HOUTLINE hOutline, HITEM hItem)
{
    row->setData(0, Item, QVariant::fromValue<qulonglong>(hItem));
    row->setData(0, Outline, QVariant::fromValue<qulonglong>(hOutline));
}

HITEM LiveItem(QTreeWidgetItem* row)
{
    const HITEM hItem = ItemOf(row);
    if (!hItem) return 0;
    if (CGItem(OutlineOf(row), hItem).IsValid()) return hItem;
    row->setData(0, Item, QVariant::fromValue<qulonglong>(0));
    return 0;
}

CGItem LiveRowItem(QTreeWidgetItem* row)
{
    const HITEM hItem = LiveItem(row);
    return CGItem(hItem ? OutlineOf(row) : 0, hItem);
}

CGItem UsageParent(const CGItem& item)
{
    const CGItem parent = GetDeclaringParent(item);
    return parent.GetItem() ? parent : item;
}

std::string DisplayName(const CGItem& item)
{
    CGItem scratch;
    if (item.GetItemType() == ItemType::OnMessage) {
        const CGItem owner = GetDeclaringParent(item);
        const std::string ownerPath = owner.GetItem() ? std::string(GetNamePrefix(owner.GetOutline(), owner.GetItem(), scratch)) : std::string();
        return (ownerPath.empty() ? std::string() : ownerPath + " ") + "On " + std::string(item.GetName());
    }
    const std::string path = GetNamePrefix(item.GetOutline(), item.GetItem(), scratch);
    return path.empty() ? std::string(item.GetName()) : path;
}

} // namespace zvrow

void CZvRowDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    const QModelIndex first = index.siblingAtColumn(0);
    const HITEM hItem = first.data(zvrow::Item).toULongLong();
    const HOUTLINE hOutline = first.data(zvrow::Outline).toULongLong();
    QColor text;
    if (!hItem) {
        text = zvrow::kInert;
    } else {
        const CGItem item(hOutline, hItem);
        if (!item.IsValid()) text = zvrow::kInert;
        else if (item.IsReadOnly()) text = zvrow::kReadOnly;
    }
    if (text.isValid()) option->palette.setColor(QPalette::Text, text);
    if (first.data(zvrow::Highlight).toBool()) option->backgroundBrush = zvrow::kRelated;
}

bool CZvSortRow::operator<(const QTreeWidgetItem& other) const
{
    const int column = treeWidget() ? treeWidget()->sortColumn() : 0;
    const QString a = text(column), b = other.text(column);
    bool okA = false, okB = false;
    const long long na = a.toLongLong(&okA), nb = b.toLongLong(&okB);
    if (okA && okB) return na < nb;
    return a.compare(b, Qt::CaseInsensitive) < 0;
}
