#include "explorer/CZvTab.h"

#include <QTabBar>

#include "contracts/Check.h"
#include "engine/Zavora.h"
#include "explorer/FrameTest.h"
#include "explorer/ZvImages.h"
#include "explorer/ZvPrefView.h"
#include "explorer/ZvSplitter.h"
#include "explorer/ZvUnrefPane.h"

namespace {
// The assertion texts compare with the framework's truth value.
constexpr bool TRUE = true;
} // namespace

// ---- CZvTab ----------------------------------------------------------------------------

CZvTab::CZvTab(CZvTabView* parent) : m_parent(parent) { REQUIRE_BARE(parent != NULL, "CZvTab::CZvTab"); }

bool CZvTab::update()
{
    ZV_TRY
        for (CZvPane* pane : m_panes) pane->update();
        return true;
    ZV_CATCH("CZvTab::update")
    return true;
}

void CZvTab::clear()
{
    ZV_TRY
        for (CZvPane* pane : m_panes) pane->clear();
    ZV_CATCH("CZvTab::clear")
}

void CZvTab::itemDeleted(HITEM hItem)
{
    ZV_TRY
        for (CZvPane* pane : m_panes) pane->itemDeleted(hItem);
    ZV_CATCH("CZvTab::itemDeleted")
}

// ---- CZvRefTab ---------------------------------------------------------------------------

CZvRefTab::CZvRefTab(CZvTabView* parent) : CZvTab(parent)
{
    m_stack = new QStackedWidget(parent);
    m_placeholder = new QLabel(m_stack);
    m_placeholder->setAlignment(Qt::AlignCenter);
    m_placeholder->setWordWrap(true);
    m_placeholder->setMargin(12);
    m_placeholder->setText(QObject::tr("Select a symbol in the outline and press F11 (Show references)."));
    m_stack->addWidget(m_placeholder);
    m_panes.push_back(new CZvClassPane(parent));
    m_panes.push_back(new CZvFunctionPane(parent));
    m_panes.push_back(new CZvVarPane(parent));
    for (CZvPane* pane : m_panes) m_stack->addWidget(pane->window());
    const int index = parent->addTab(m_stack, QObject::tr("References"));
    const bool bCtrlAdded = index >= 0;
    ZV_ASSERT(bCtrlAdded == TRUE, "CZvRefTab::CZvRefTab");
}

bool CZvRefTab::update()
{
    ZV_TRY
        CZvPane* last = nullptr;
        for (CZvPane* pane : m_panes) {
            if (pane->checkItemType()) {
                last = pane;
                pane->update();
            }
        }
        if (last) {
            m_stack->setCurrentWidget(last->window());
        } else {
            const CGItem item(CZvMainFrame::currentOutline(), CZvMainFrame::currentItem());
            const QString name = QString::fromStdString(GetName(item));
            m_placeholder->setText(
                item.GetItem()
                    ? QObject::tr("'%1' is not a class, a function or a variable: it has no references to show.")
                          .arg(name.isEmpty() ? QString::fromStdString(std::string(item.GetTitle(0))) : name)
                    : QObject::tr("Select a symbol in the outline and press F11 (Show references)."));
            m_stack->setCurrentWidget(m_placeholder);
        }
        return true;
    ZV_CATCH("CZvTab::update")
    return true;
}

CZvPane* CZvRefTab::visiblePane() const
{
    for (CZvPane* pane : m_panes)
        if (m_stack->currentWidget() == pane->window()) return pane;
    return nullptr;
}

// ---- CZvPrefTab ---------------------------------------------------------------------------

namespace {
// The preferences tab has one pane: its view, which accepts every item.
class CZvPrefPane : public CZvPane {
public:
    explicit CZvPrefPane(CZvPrefView* view) : m_view(view) {}
    void clear() override {}
    QWidget* window() override { return m_view; }
    bool checkItemType() override { return true; }
    bool update() override { return m_view->doUpdate(); }

private:
    CZvPrefView* m_view;
};
} // namespace

CZvPrefTab::CZvPrefTab(CZvTabView* parent) : CZvTab(parent)
{
    m_panes.push_back(new CZvPrefPane(new CZvPrefView(parent)));
    const int index = parent->addTab(m_panes.front()->window(), QObject::tr("Preferences"));
    const bool bCtrlAdded = index >= 0;
    ZV_ASSERT(bCtrlAdded == TRUE, "CZvPrefTab::CZvPrefTab");
}

QWidget* CZvPrefTab::page() { return m_panes.front()->window(); }

CZvPrefView* CZvPrefTab::view() const { return static_cast<CZvPrefView*>(m_panes.front()->window()); }

// ---- CZvTabView ------------------------------------------------------------------------------

CZvTabView::CZvTabView(QWidget* parent) : QTabWidget(parent)
{
    setDocumentMode(true);
    setUsesScrollButtons(true);
    tabBar()->setElideMode(Qt::ElideRight);
    setIconSize(QSize(16, 16));
}

QString CZvTabView::fullLabel(int index) const { return tabToolTip(index); }

void CZvTabView::tabInserted(int index)
{
    QTabWidget::tabInserted(index);
    if (tabToolTip(index).isEmpty()) setTabToolTip(index, tabText(index));
    fitLabels();
}

void CZvTabView::resizeEvent(QResizeEvent* event)
{
    QTabWidget::resizeEvent(event);
    fitLabels();
}

void CZvTabView::fitLabels()
{
    for (int i = 0; i < count(); ++i)
        if (tabText(i) != fullLabel(i)) setTabText(i, fullLabel(i));
    // The bar's own wish: every tab at its full size.
    if (tabBar()->sizeHint().width() <= width()) return;
    for (int i = 0; i < count(); ++i)
        if (i != currentIndex()) setTabText(i, QString());
}

CZvTabView::~CZvTabView()
{
    // The pages are widgets of this view; the tabs and the pref pane are not.
    for (CZvTab* tab : m_tabs) {
        if (tab == m_prefTab)
            for (CZvPane* pane : tab->panes()) delete pane;
        delete tab;
    }
}

bool CZvTabView::createTabs()
{
    ZV_TRY
        m_refTab = new CZvRefTab(this);
        m_tabs.push_back(m_refTab);
        m_unrefTab = new CZvUnrefTab(this);
        m_tabs.push_back(m_unrefTab);
        m_prefTab = new CZvPrefTab(this);
        m_tabs.push_back(m_prefTab);
        m_stale.assign(m_tabs.size(), true);
        const int icons[] = {7174, 7021, 7156};
        for (int i = 0; i < count(); ++i) {
            const QIcon icon = ZvIcon(icons[i]);
            if (icon.isNull()) return false;
            setTabIcon(i, icon);
        }
        setCurrentIndex(0);
        connect(this, &QTabWidget::currentChanged, this, &CZvTabView::onCurrentChanged);
        return true;
    ZV_CATCH("CZvMainFrame::createTabs()")
    return false;
}

CZvTab* CZvTabView::tab(int index) const
{
    return index >= 0 && static_cast<std::size_t>(index) < m_tabs.size() ? m_tabs[static_cast<std::size_t>(index)]
                                                                          : nullptr;
}

bool CZvTabView::isPrefTabVisible() const { return m_prefTab && currentWidget() == m_prefTab->page(); }

bool CZvTabView::isUnrefTabVisible() const { return m_unrefTab && currentWidget() == m_unrefTab->page(); }

void CZvTabView::invalidate() { m_stale.assign(m_tabs.size(), true); }

bool CZvTabView::update()
{
    const int index = currentIndex();
    CZvTab* visible = tab(index);
    if (!visible) return true;
    m_stale[static_cast<std::size_t>(index)] = false;
    ++m_updates;
    visible->update();
    return true;
}

void CZvTabView::clear()
{
    for (CZvTab* tab : m_tabs) tab->clear();
    invalidate();
}

void CZvTabView::itemDeleted(HITEM hItem)
{
    for (CZvTab* tab : m_tabs) tab->itemDeleted(hItem);
}

void CZvTabView::selectTab(int index)
{
    if (index == currentIndex()) {
        if (tab(index) == m_unrefTab) showUnreferenced();
        else update();
        return;
    }
    setCurrentIndex(index);  // onCurrentChanged updates
}

void CZvTabView::showUnreferenced()
{
    // Asked here, before the list fills: a parse ends by updating the
    // visible tab, which must not happen inside the list's own update.
    ZV_TRY
        const int before = m_updates;
        CZavoraApp::Instance().ShowUnrefRequest();
        if (m_updates == before) update();
    ZV_CATCH_OUTER("CZvTabView::showUnreferenced")
}

void CZvTabView::onCurrentChanged(int index)
{
    fitLabels();
    // The unreferenced tab fills whenever it is shown: its list goes stale
    // with every edit of the outline, and deletions are made from it.
    if (m_unrefTab && tab(index) == m_unrefTab) {
        showUnreferenced();
        return;
    }
    // Nothing changed since this tab was last filled: trees keep their expansion.
    // The preferences always show the record: an unsaved change is dropped on leaving.
    if (index >= 0 && static_cast<std::size_t>(index) < m_stale.size() &&
        (m_stale[static_cast<std::size_t>(index)] || tab(index) == m_prefTab))
        update();
}
