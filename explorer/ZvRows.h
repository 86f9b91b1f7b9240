#pragma once
// What every row of the explorer's lists and trees keeps: copies of the
// handles and spans it shows, never pointers into the engine's store, so a
// parse, a cancelled parse or a deletion can never leave a row pointing at
// freed memory. Colours follow the row's item as it is when painted.
#include <QColor>
#include <QStyledItemDelegate>
#include <QTreeWidgetItem>

#include "contracts/OutlineKit.h"

namespace zvrow {
enum Role {
    Item = Qt::UserRole + 1,  // HITEM the row leads to; 0: inert
    Outline,                  // HOUTLINE of that item
    Position,                 // span of a reference in the item's text
    Length,
    Parent,                   // declaring parent of a reference row (for highlighting)
    Loaded,                   // a tree entry whose children were loaded
    Highlight,                // a related row
    Sort,                     // the value a column sorts by, when not its text
};

inline const QColor kReadOnly(0, 0, 255);
inline const QColor kInert(255, 0, 255);
inline const QColor kRelated(170, 204, 204);

HITEM ItemOf(const QTreeWidgetItem* row);
HOUTLINE OutlineOf(const QTreeWidgetItem* row);
void SetItem(QTreeWidgetItem* row, HOUTLINE hOutline, HITEM hItem);
// The row's item when it still exists; otherwise the row is made inert and 0 comes back.
HITEM LiveItem(QTreeWidgetItem* row);
// The same as an outline item (handle 0 when gone).
CGItem LiveRowItem(QTreeWidgetItem* row);
// Where a use counts: its declaring parent, or the item itself when it has
// none (a bind in a constant).
CGItem UsageParent(const CGItem& item);
// The outline item's qualified name, or for an On handler "owner On MESSAGE".
std::string DisplayName(const CGItem& item);
} // namespace zvrow

// Magenta for rows that lead nowhere (or whose item is gone), blue for items
// of an included library, the related-row background.
class CZvRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};

// Numbers sort as numbers, everything else as text without regard to case.
class CZvSortRow : public QTreeWidgetItem {
public:
    using QTreeWidgetItem::QTreeWidgetItem;
    bool operator<(const QTreeWidgetItem& other) const override;
};
