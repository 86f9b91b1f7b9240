#pragma once
// The list view of the Unreferenced tab: the symbols nothing refers to at
// or below the explorer's current item, through the filter chosen in its
// combo; deletion of the selected ones; and what it does when the filter
// editor saves, removes, adds or makes default a filter.
#include <QComboBox>
#include <QToolButton>

#include "explorer/ZvUnrefList.h"
#include "explorer/ZvUnrefViewBase.h"

class CZvParentItemFilter;

class CZvUnrefView : public CZvUnrefViewBase {
    Q_OBJECT
public:
    explicit CZvUnrefView(QWidget* parent = nullptr);

    QString viewName() const override { return "CZvUnrefView"; }
    int itemCount() const override;
    void itemDeleted(HITEM hItem) override;
    void clear() override;
    // Lists the unreferenced symbols at or below the current item; without
    // a parse or a current item the list says so instead.
    bool doUpdate() override;
    void setFilter(CZvParentItemFilter* pFilter) override;

    // Asks, then deletes the items of the selected rows that still lead to one.
    void deleteUnrefs();

    // The editor's news.
    void filterSaved(CZvParentItemFilter* pFilter);
    void filterDeleted(CZvParentItemFilter* pFilter);
    void filterAdded(CZvParentItemFilter* pFilter);
    void newDefaultFilter(CZvParentItemFilter* pFilter);

    CZvUnrefListViewCtrl* list() const { return m_list; }
    QToolButton* deleteButton() const { return m_deleteButton; }
    bool showsHint() const { return !m_list->hint().isEmpty(); }

protected:
    void onFilterSelected(const QString& name) override;

private:
    // Update, count, and the row folded or opened as the rows say.
    void refresh();
    // The combo shows `name` and both the view and the list use its filter.
    void selectFilter(const QString& name);

    CZvUnrefListViewCtrl* m_list = nullptr;
    QToolButton* m_deleteButton = nullptr;
};
