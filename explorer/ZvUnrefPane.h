#pragma once
// The Unreferenced tab: the filter editor above, the list of unreferenced
// symbols below. The pane passes the editor's news to the list.
#include "explorer/CZvTab.h"
#include "explorer/ZvSplitter.h"

class CZvParentItemFilter;
class CZvUnrefFilterView;
class CZvUnrefView;

class CZvUnrefPane : public CZvSplitter {
    Q_OBJECT
public:
    explicit CZvUnrefPane(CZvTabView* parent);
    bool checkItemType() override { return true; }
    bool update() override;

    void filterSaved(CZvParentItemFilter* pFilter);
    void filterDeleted(CZvParentItemFilter* pFilter);
    void filterAdded(CZvParentItemFilter* pFilter);
    void newDefaultFilter(CZvParentItemFilter* pFilter);

    CZvUnrefFilterView* filterView() const;
    CZvUnrefView* listView() const;

private:
    void relay(CZvParentItemFilter* pFilter, const char* name, void (CZvUnrefView::*operation)(CZvParentItemFilter*));
};

class CZvUnrefTab : public CZvTab {
public:
    explicit CZvUnrefTab(CZvTabView* parent);
    QWidget* page() override;
    CZvUnrefPane* pane() const;
};
