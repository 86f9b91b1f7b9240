#pragma once
// The list of unreferenced symbols: one declaration row per symbol (name,
// parent, context), sortable by either mouse button on the header, with a
// one-line hint in place of rows when there is nothing to search.
#include <QString>

#include "explorer/Czvlistctrl.h"

class CZvParentItemFilter;

class CZvUnrefListViewCtrl : public CZvListCtrl {
    Q_OBJECT
public:
    explicit CZvUnrefListViewCtrl(QWidget* parent = nullptr);

    // The filter rows must pass (null: none); not owned.
    void setFilter(CZvParentItemFilter* pFilter) { m_pFilter = pFilter; }
    CZvParentItemFilter* filter() const { return m_pFilter; }
    // Adds a row unless the item carries the "__REFERENCED" marker or the
    // filter rejects it; true also when it skips.
    bool addItem(CGItem& item);
    static bool isMarkedReferenced(CGItem& item);

    // Shown in the empty list; an empty text shows nothing.
    void setHint(const QString& hint);
    const QString& hint() const { return m_hint; }
    // Rows that still lead to an item.
    int liveRowCount() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    CZvParentItemFilter* m_pFilter = nullptr;
    QString m_hint;
};
