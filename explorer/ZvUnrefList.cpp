#include "explorer/ZvUnrefList.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>

#include "engine/UnrefSearch.h"
#include "explorer/FrameTest.h"
#include "explorer/ZvRows.h"
#include "settings/ZvParentItemFilter.h"

namespace {
// The images a right click puts on a cell: of code 0 on a selected row, else of 1000.
constexpr int kMarkedCode = 0;
constexpr int kUnmarkedCode = 1000;
} // namespace

CZvUnrefListViewCtrl::CZvUnrefListViewCtrl(QWidget* parent) : CZvListCtrl(parent)
{
    // Several symbols are deleted at once.
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    enableSorting();
    header()->viewport()->installEventFilter(this);
}

bool CZvUnrefListViewCtrl::isMarkedReferenced(CGItem& item) { return CUnrefSearch::isMarkedReferenced(item); }

bool CZvUnrefListViewCtrl::addItem(CGItem& item)
{
    if (isMarkedReferenced(item)) return true;
    if (m_pFilter && !m_pFilter->match(item)) return true;
    CZvListCtrl::addItem(item);
    return true;
}

void CZvUnrefListViewCtrl::setHint(const QString& hint)
{
    m_hint = hint;
    viewport()->update();
}

int CZvUnrefListViewCtrl::liveRowCount() const
{
    int live = 0;
    for (int i = 0; i < topLevelItemCount(); ++i) live += zvrow::ItemOf(topLevelItem(i)) != 0;
    return live;
}

bool CZvUnrefListViewCtrl::eventFilter(QObject* watched, QEvent* event)
{
    // A right click on the header sorts by that column in the direction the header shows.
    if (watched == header()->viewport() && event->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton) {
            const int column = header()->logicalIndexAt(mouse->position().toPoint());
            if (column >= 0) sortBy(column, header()->sortIndicatorOrder() == Qt::AscendingOrder);
            return true;
        }
    }
    return CZvListCtrl::eventFilter(watched, event);
}

void CZvUnrefListViewCtrl::mousePressEvent(QMouseEvent* event)
{
    CZvListCtrl::mousePressEvent(event);
    if (event->button() != Qt::RightButton) return;
    const QPoint at = event->position().toPoint();
    QTreeWidgetItem* row = itemAt(at);
    if (!row) return;
    const CGItem item = zvrow::LiveRowItem(row);
    if (!item.GetItem() || item.IsReadOnly()) return;
    const int column = columnAt(at.x());
    if (column < 0) return;
    row->setIcon(column, CZvMainFrame::imageAt(
                             CZvMainFrame::iconIndexFromType(row->isSelected() ? kMarkedCode : kUnmarkedCode)));
}

void CZvUnrefListViewCtrl::paintEvent(QPaintEvent* event)
{
    CZvListCtrl::paintEvent(event);
    if (topLevelItemCount() != 0 || m_hint.isEmpty()) return;
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::PlaceholderText));
    painter.drawText(viewport()->rect().adjusted(6, 4, -6, -4), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                     m_hint);
}
