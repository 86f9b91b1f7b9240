#include "explorer/ZvUnrefPane.h"

#include "contracts/Check.h"
#include "explorer/ZvUnrefFilterView.h"
#include "explorer/ZvUnrefView.h"

namespace {
// The assertion texts compare with the framework's truth value.
constexpr bool TRUE = true;
} // namespace

// ---- CZvUnrefPane --------------------------------------------------------------------------

CZvUnrefPane::CZvUnrefPane(CZvTabView* parent) : CZvSplitter(parent, 2)
{
    ZV_TRY
        REQUIRE(parent != NULL, "CZvUnrefPane::CZvUnrefPane");
        const bool bChildPaneCreatedOk = createPane<CZvUnrefFilterView>(0) && createPane<CZvUnrefView>(1);
        ZV_ASSERT_QUOTED(bChildPaneCreatedOk == true, "CZvUnrefPane::CZvUnrefPane");
        CZvUnrefFilterView* editor = filterView();
        connect(editor, &CZvUnrefFilterView::filterSaved, this, &CZvUnrefPane::filterSaved);
        connect(editor, &CZvUnrefFilterView::filterDeleted, this, &CZvUnrefPane::filterDeleted);
        connect(editor, &CZvUnrefFilterView::filterAdded, this, &CZvUnrefPane::filterAdded);
        connect(editor, &CZvUnrefFilterView::newDefaultFilter, this, &CZvUnrefPane::newDefaultFilter);
    ZV_CATCH("\"CZvUnrefPane::CZvUnrefPane\"")
}

CZvUnrefFilterView* CZvUnrefPane::filterView() const { return qobject_cast<CZvUnrefFilterView*>(viewAt(0)); }
CZvUnrefView* CZvUnrefPane::listView() const { return qobject_cast<CZvUnrefView*>(viewAt(1)); }

bool CZvUnrefPane::update()
{
    CZvSplitter::update();
    // A list that says why it is empty stays open to say it.
    if (CZvUnrefView* list = listView(); list && list->showsHint()) {
        list->open();
        layoutRows();
    }
    return true;
}

void CZvUnrefPane::relay(CZvParentItemFilter* pFilter, const char* name, void (CZvUnrefView::*operation)(CZvParentItemFilter*))
{
    ZV_TRY
        REQUIRE_BARE(pFilter != NULL, name);
        CZvUnrefView* pane = listView();
        ZV_ASSERT(pane != NULL, name);
        (pane->*operation)(pFilter);
    ZV_CATCH(name)
}

void CZvUnrefPane::filterSaved(CZvParentItemFilter* pFilter)
{
    relay(pFilter, "\"CZvUnrefPane::filterSaved\"", &CZvUnrefView::filterSaved);
}

void CZvUnrefPane::filterDeleted(CZvParentItemFilter* pFilter)
{
    relay(pFilter, "\"CZvUnrefPane::filterDeleted\"", &CZvUnrefView::filterDeleted);
}

void CZvUnrefPane::filterAdded(CZvParentItemFilter* pFilter)
{
    relay(pFilter, "\"CZvUnrefPane::filterAdded\"", &CZvUnrefView::filterAdded);
}

void CZvUnrefPane::newDefaultFilter(CZvParentItemFilter* pFilter)
{
    relay(pFilter, "\"CZvUnrefPane::newDefaultFilter\"", &CZvUnrefView::newDefaultFilter);
}

// ---- CZvUnrefTab ----------------------------------------------------------------------------

CZvUnrefTab::CZvUnrefTab(CZvTabView* parent) : CZvTab(parent)
{
    ZV_TRY
        REQUIRE(parent != NULL, "CZvUnrefTab::CZvUnrefTab");
        m_panes.push_back(new CZvUnrefPane(parent));
        const int index = parent->addTab(m_panes.front()->window(), QObject::tr("Unreferenced"));
        const bool bCtrlAdded = index >= 0;
        ZV_ASSERT_QUOTED(bCtrlAdded == TRUE, "CZvUnrefTab::CZvUnrefTab");
    ZV_CATCH("\"CZvUnrefTab::CZvUnrefTab\"")
}

QWidget* CZvUnrefTab::page() { return m_panes.front()->window(); }

CZvUnrefPane* CZvUnrefTab::pane() const { return static_cast<CZvUnrefPane*>(m_panes.front()); }
