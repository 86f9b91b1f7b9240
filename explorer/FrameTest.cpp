#include "explorer/FrameTest.h"

#include <QMenu>
#include <QStatusBar>
#include <unordered_map>

#include "contracts/Check.h"
#include "engine/Zavora.h"
#include "explorer/CZvTab.h"
#include "explorer/ZvDockWindow.h"
#include "explorer/ZvHelpWindow.h"
#include "explorer/ZvImages.h"
#include "explorer/ZvUnrefPane.h"
#include "explorer/ZvUnrefView.h"
#include "explorer/ZvWidgetPorts.h"
#include "settings/ZavoraPrefs.h"

HITEM CZvMainFrame::s_hItem = 0;
HOUTLINE CZvMainFrame::s_hOutline = 0;

namespace {

std::vector<QIcon>& Images()
{
    static std::vector<QIcon> images;
    return images;
}

std::unordered_map<int, int>& TypeMap()
{
    static std::unordered_map<int, int> map;
    return map;
}

// Icon resource and item-type code, in the order the image list is built;
// where a code comes twice the later row wins.
const int kIconRows[][2] = {
    {7126, 0},   {7127, 145}, {7124, 134}, {7128, 279}, {7049, 280}, {7146, 265}, {7146, 265}, {7049, 280},
    {7015, 29},  {7159, 406}, {7160, 223}, {7161, 130}, {7051, 401}, {7163, 118}, {7164, 278}, {7165, 512},
    {7166, 525}, {7167, 527}, {7050, 222}, {7147, 208}, {7048, 137}, {7045, 136}, {7046, 281}, {7148, 244},
    {7149, 52},  {7053, 296}, {7053, 184}, {7129, 99},  {7047, 138}, {7044, 173}, {7011, 70},  {7058, 98},
    {7162, 999}, {7061, 998}, {7059, 997},
};

struct ToolButton {
    int id;
    const char* tooltip;
    const char* menuText;
    const char* key;
};
// Position 1 is a separator.
const ToolButton kButtons[] = {
    {CZvMainFrame::ID_EXPAND, "Expand/Collapse Alt+F11", "Expand/Collapse", "Alt+F11"},
    {0, nullptr, nullptr, nullptr},
    {CZvMainFrame::ID_PARSE, "Parse Ctrl+F11", "Parse", "Ctrl+F11"},
    {CZvMainFrame::ID_SHOWREFS, "Show references  F11", "Show references", "F11"},
    {CZvMainFrame::ID_AUTOMODE, "Toggle auto mode", "Auto mode", nullptr},
    {CZvMainFrame::ID_RENAME, "Rename  Ctrl+Alt+F11", "Rename...", "Ctrl+Alt+F11"},
    {CZvMainFrame::ID_HELP, "Help", "Help", nullptr},
    {CZvMainFrame::ID_GOTODECL, "Goto decl Shift+F11", "Go to declaration", "Shift+F11"},
};

} // namespace

CZvMainFrame::CZvMainFrame(QWidget* parent) : QMainWindow(parent, Qt::Widget)
{
    REQUIRE_BARE(parent != NULL, "CZvMainFrame::CZvMainFrame");
    CZavoraApp& app = CZavoraApp::Instance();
    s_hItem = 0;
    s_hOutline = CurrentOutline();
    createImageList();
    m_tabView = new CZvTabView(this);
    setWindowTitle("Test2");
    setCentralWidget(m_tabView);
    createTabs();
    createToolbar();
    createStatusBar();
    m_dockWindow = new CZvDockWindow();
    m_bOutdated = false;
    // The frame can shrink to the dock bar's collapsed strip: only the toolbar then shows.
    m_tabView->setMinimumSize(1, 1);
    m_autoTimer.setInterval(200);
    connect(&m_autoTimer, &QTimer::timeout, this, &CZvMainFrame::autoModeTick);
    m_ports = std::make_unique<CZvWidgetPorts>(this);
    app.SetPorts(this, m_ports.get());
    m_previousBoxes = ZvSetMessageBoxHandler(ZvWidgetMessageBox);
}

CZvMainFrame::~CZvMainFrame()
{
    m_autoTimer.stop();
    CZavoraApp& app = CZavoraApp::Instance();
    if (&app.GetExplorer() == this) app.SetPorts(nullptr, nullptr);
    ZvSetMessageBoxHandler(m_previousBoxes);
    CZvDockWindow::frameGone(this);
    delete m_dockWindow;
}

bool CZvMainFrame::createToolbar()
{
    ZV_TRY
        m_toolBar = new QToolBar(this);
        m_toolBar->setObjectName("ZavoraToolbar");
        m_toolBar->setOrientation(Qt::Vertical);
        m_toolBar->setMovable(false);
        m_toolBar->setFloatable(false);
        m_toolBar->setIconSize(QSize(16, 16));
        // Narrow enough for the bar's collapsed 30-pixel strip.
        m_toolBar->setContentsMargins(0, 0, 0, 0);
        m_toolBar->setStyleSheet("QToolBar { padding: 1px; spacing: 2px; border: none; } "
                                 "QToolButton { padding: 2px; }");
        addToolBar(Qt::RightToolBarArea, m_toolBar);
        m_menu = new QMenu(tr("Zavora"), this);
        for (const ToolButton& button : kButtons) {
            if (!button.id) {
                m_toolBar->addSeparator();
                m_menu->addSeparator();
                continue;
            }
            QAction* action = m_toolBar->addAction(ZvIcon(button.id), QString());
            action->setData(button.id);
            action->setToolTip(button.tooltip);
            action->setStatusTip(QString());
            // The key is shown, not bound: the host's key filter serves the F11
            // family everywhere, and a bound shortcut would swallow its key press.
            action->setText(button.key ? tr(button.menuText) + '\t' + button.key : tr(button.menuText));
            action->setIconText(QString());
            if (button.id == ID_AUTOMODE) action->setCheckable(true);
            connect(action, &QAction::triggered, this, [this, id = button.id] { OnCommand(id); });
            addAction(action);
            m_menu->addAction(action);
        }
        return true;
    ZV_CATCH("CZvMainFrame::createToolbar")
    return false;
}

QAction* CZvMainFrame::action(int id) const
{
    for (QAction* action : m_toolBar->actions())
        if (action->data().toInt() == id && !action->isSeparator()) return action;
    return nullptr;
}

QMenu* CZvMainFrame::createPopupMenu()
{
    auto* menu = new QMenu(this);
    menu->addActions(m_menu->actions());
    return menu;
}

bool CZvMainFrame::createStatusBar()
{
    ZV_TRY
        QStatusBar* bar = statusBar();
        bar->setSizeGripEnabled(false);
        bar->setMinimumWidth(1);
        m_statusInfo = new QLabel(tr("Info is up to date"), bar);
        const QFontMetrics metrics = m_statusInfo->fontMetrics();
        m_statusInfo->setFixedWidth(std::max({90, metrics.horizontalAdvance("Info is up to date") + 12,
                                              metrics.horizontalAdvance("Info is outdated") + 12}));
        m_statusSymbol = new QLabel(bar);
        m_statusSymbol->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        m_statusSymbol->setMinimumWidth(1);
        bar->addWidget(m_statusInfo, 0);
        bar->addWidget(m_statusSymbol, 1);
        return true;
    ZV_CATCH("CZvMainFrame::createStatusBar")
    return false;
}

bool CZvMainFrame::createTabs()
{
    ZV_TRY
        return m_tabView->createTabs();
    ZV_CATCH("CZvMainFrame::createTabs()")
    return false;
}

bool CZvMainFrame::OnCommand(int id)
{
    ZV_TRY
        CZavoraApp& app = CZavoraApp::Instance();
        // One parse at a time: what would start another waits for this one to end.
        if (app.IsParsing()) return true;
        switch (id) {
        case ID_SHOWREFS: app.ShowRefRequest(0); break;
        case ID_PARSE: app.Parse(0); break;
        case ID_AUTOMODE: AutoMode(action(ID_AUTOMODE) && action(ID_AUTOMODE)->isChecked()); break;
        case ID_EXPAND: expandRequest(); break;
        case ID_RENAME: app.Rename(0); break;
        case ID_HELP: CZvHelpWindow::open(); break;
        case ID_GOTODECL: gotoDeclaration(); break;
        default: break;
        }
    ZV_CATCH_OUTER("CZvMainFrame::OnCommand")
    return true;
}

bool CZvMainFrame::setSymbol(HITEM hItem, HOUTLINE hOutline)
{
    ZV_TRY
        REQUIRE_BARE(hItem != 0, "CZvMainFrame::setSymbol");
        REQUIRE_BARE(hOutline != 0, "CZvMainFrame::setSymbol");
        s_hItem = hItem;
        s_hOutline = hOutline;
        m_tabView->invalidate();
        if (!m_tabView->update()) return false;
        const CGItem shown(hOutline, hItem);
        QString name = QString::fromStdString(shown.GetName());
        // A section or the application has no name: its keyword says what it is.
        if (name.isEmpty()) name = QString::fromStdString(std::string(shown.GetTitle(1))).trimmed();
        if (name.endsWith(':')) name.chop(1);
        m_statusSymbol->setText("Current symbol: " + name);
        if (m_dockWindow && m_dockWindow->hasBar() && !m_dockWindow->isExpanded()) expandRequest();
        if (m_tabView->isPrefTabVisible()) m_tabView->selectTab(0);
        return true;
    ZV_CATCH("CZvMainFrame::setSymbol")
    return false;
}

void CZvMainFrame::setCurrentOutline(HOUTLINE hOutline)
{
    s_hOutline = hOutline;
    s_hItem = 0;
    m_tabView->invalidate();
}

void CZvMainFrame::outdated(bool bOutdated)
{
    ZV_TRY
        m_bOutdated = bOutdated;
        if (bOutdated) {
            m_statusInfo->setText("Info is outdated");
            statusBar()->setStyleSheet("QStatusBar { background: rgb(255,0,0); }");
        } else {
            m_statusInfo->setText("Info is up to date");
            statusBar()->setStyleSheet(QString());
            if (s_hItem) setSymbol(s_hItem, s_hOutline);
            // Without a symbol the unreferenced list still says what to do next.
            else if (m_tabView->isUnrefTabVisible()) m_tabView->update();
        }
    ZV_CATCH("CZvMainFrame::outdated")
}

void CZvMainFrame::clear()
{
    ZV_TRY
        m_tabView->clear();
    ZV_CATCH("CZvMainFrame::clear")
}

void CZvMainFrame::itemDeleted(HITEM hItem)
{
    ZV_TRY
        // Rows of the deleted item lead nowhere from now on.
        m_tabView->itemDeleted(hItem);
    ZV_CATCH("CZvMainFrame::itemDeleted")
}

void CZvMainFrame::AutoMode(bool bOn)
{
    if (bOn) m_autoTimer.start();
    else m_autoTimer.stop();
}

void CZvMainFrame::autoModeTick()
{
    CZavoraApp& app = CZavoraApp::Instance();
    if (app.IsParsing()) return;
    const HITEM hSelected = GetSelectedItem(app.GetOutline());
    if (hSelected != m_hAutoSeen) {
        m_hAutoSeen = hSelected;
        m_autoTicks = 0;
    } else if (m_autoTicks != 0xFFFFFFFFu) {
        ++m_autoTicks;
    }
    if (m_hAutoSeen) {
        const CZavoraPrefs* prefs = app.GetPreferences();
        if (prefs && m_autoTicks == static_cast<std::uint32_t>(prefs->AutoDelay)) {
            app.ShowRefRequest(0);
            m_autoTicks = 0xFFFFFFFFu;  // once per selection
        }
    } else {
        m_autoTicks = 0;
    }
}

void CZvMainFrame::expandRequest()
{
    if (m_dockWindow) m_dockWindow->toggleExpanded();
}

void CZvMainFrame::gotoDeclaration()
{
    ZV_TRY
        if (!s_hItem) return;
        CGItem item(CZavoraApp::Instance().GetOutline(), s_hItem);
        if (!item.IsValid()) item.Initialize(s_hOutline, s_hItem);
        SelectInText(item, 0, item.GetName());
    ZV_CATCH("CZvMainFrame::gotoDeclaration")
}

void CZvMainFrame::deleteUnrefs()
{
    ZV_TRY
        CZvUnrefTab* unref = m_tabView ? m_tabView->unrefTab() : nullptr;
        if (!unref) return;
        if (!m_tabView->isUnrefTabVisible()) {
            m_tabView->setCurrentWidget(unref->page());
            return;
        }
        unref->pane()->listView()->deleteUnrefs();
    ZV_CATCH("CZvMainFrame::deleteUnrefs")
}

bool CZvMainFrame::createImageList()
{
    if (!Images().empty()) return true;
    for (const auto& row : kIconRows) {
        Images().push_back(ZvIcon(row[0]));
        TypeMap()[row[1]] = static_cast<int>(Images().size()) - 1;
    }
    return !Images().empty();
}

const std::vector<QIcon>& CZvMainFrame::getImageList()
{
    createImageList();
    return Images();
}

int CZvMainFrame::iconIndexFromType(int code)
{
    createImageList();
    const auto it = TypeMap().find(code);
    return it == TypeMap().end() ? 1 : it->second;
}

int CZvMainFrame::iconIndexFromType(const CGItem& item)
{
    const int type = item.GetItemType();
    if (IsStatement(type)) return iconIndexFromType(ItemType::StatementIcon);
    CGItem parent;
    const int code = item.GetParentItem(parent) ? parent.GetItemType() : 0;
    // An enumeration's items sit under the enumeration, which the table
    // does not list: they take the picture of their own kind.
    if (code == ItemType::Enumeration) return iconIndexFromType(ItemType::EnumerationItem);
    return iconIndexFromType(code);
}

QIcon CZvMainFrame::imageAt(int index)
{
    const std::vector<QIcon>& images = getImageList();
    return index >= 0 && static_cast<std::size_t>(index) < images.size() ? images[static_cast<std::size_t>(index)]
                                                                         : QIcon();
}
