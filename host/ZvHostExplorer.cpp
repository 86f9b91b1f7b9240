#include "host/ZvHostExplorer.h"

#include <QApplication>
#include <QInputDialog>
#include <QMainWindow>
#include <QStatusBar>

#include "contracts/MessageBox.h"
#include "engine/XrefList.h"
#include "engine/Zavora.h"
#include "explorer/FrameTest.h"
#include "settings/ZavoraPrefs.h"

namespace {

int& SelectionDepth()
{
    static int depth = 0;
    return depth;
}

ZvRenameHandler& RenameHandler()
{
    static ZvRenameHandler handler;
    return handler;
}

} // namespace

QMainWindow* ZvHostMainWindow()
{
    // The host hands out its main window's address as the window of the app.
    auto* widget = reinterpret_cast<QWidget*>(CGApplication(CurrentOutline()).GetWindowOfApp());
    return qobject_cast<QMainWindow*>(widget);
}

CZvExplorerSelection::CZvExplorerSelection() { ++SelectionDepth(); }

CZvExplorerSelection::~CZvExplorerSelection()
{
    if (--SelectionDepth() == 0)
        if (auto* explorer = dynamic_cast<CZvHostExplorer*>(&CZavoraApp::Instance().GetExplorer()))
            explorer->adoptSelection();
}

bool CZvExplorerSelection::Active()
{
    if (SelectionDepth() > 0) return true;
    CZvMainFrame* frame = ZvExplorerFrame();
    QWidget* focus = QApplication::focusWidget();
    return frame && focus && frame->isAncestorOf(focus);
}

CZvHostExplorer::CZvHostExplorer()
{
    m_timer.setInterval(200);
    connect(&m_timer, &QTimer::timeout, this, [this] { autoModeTick(); });
}

CZvHostExplorer::~CZvHostExplorer() = default;

void CZvHostExplorer::outdated(bool bOutdated)
{
    CHeadlessExplorer::outdated(bOutdated);
    showStatus();
}

void CZvHostExplorer::AutoMode(bool bOn)
{
    CHeadlessExplorer::AutoMode(bOn);
    // start() on a running timer begins its period again.
    if (bOn) m_timer.start();
    else m_timer.stop();
}

bool CZvHostExplorer::setSymbol(HITEM hItem, HOUTLINE hOutline)
{
    CHeadlessExplorer::setSymbol(hItem, hOutline);
    showStatus();
    return true;
}

void CZvHostExplorer::gotoDeclaration()
{
    // Nothing shown yet, or a built-in of the SAL context: nowhere to go.
    const HITEM hItem = getCurrentItem();
    if (!hItem || getCurrentOutline() != CZavoraApp::Instance().GetOutline()) return;
    CZvExplorerSelection self;
    CGItem item(getCurrentOutline(), hItem);
    SelectInText(item, 0, item.GetName());
}

void CZvHostExplorer::autoModeTick()
{
    const HITEM sel = GetSelectedItem(CZavoraApp::Instance().GetOutline());
    if (sel != m_lastSeen) {
        m_lastSeen = sel;
        m_ticks = 0;
    } else if (m_ticks != kShown) {
        ++m_ticks;
    }
    if (m_lastSeen == 0) {
        m_ticks = 0;
        return;
    }
    const CZavoraPrefs* prefs = CZavoraApp::Instance().GetPreferences();
    if (prefs->AutoDelay >= 0 && m_ticks == static_cast<unsigned>(prefs->AutoDelay)) {
        m_ticks = kShown;
        CZavoraApp::Instance().ShowRefRequest(0);
    }
}

void CZvHostExplorer::adoptSelection()
{
    m_lastSeen = GetSelectedItem(CZavoraApp::Instance().GetOutline());
    m_ticks = kShown;
}

void CZvHostExplorer::showStatus()
{
    QMainWindow* window = ZvHostMainWindow();
    if (!window) return;
    QString text = isOutdated() ? "Zavora: Info is outdated" : "Zavora: Info is up to date";
    const HITEM hItem = getCurrentItem();
    if (hItem) {
        const CGString name = CGItem(getCurrentOutline(), hItem).GetName();
        text += QString("  |  Current symbol: ") + QString::fromStdString(name);
        if (CXrefList* list = CZavoraApp::Instance().GetReferences(hItem))
        {
            const auto count = list->GetReferences().size();
            text += QString(" (%1 reference%2)").arg(count).arg(count == 1 ? "" : "s");
        }
    }
    window->statusBar()->showMessage(text);
}

void CZvWidgetHostPorts::ActivateHostWindow()
{
    if (QMainWindow* window = ZvHostMainWindow()) window->activateWindow();
}

bool CZvWidgetHostPorts::AskNewName(const std::string& oldName, std::string& newName, const NameCheck& check)
{
    for (;;) {
        std::string answer;
        if (RenameHandler()) {
            if (!RenameHandler()(oldName, answer)) return false;
        } else {
            bool ok = false;
            const QString text = QInputDialog::getText(ZvHostMainWindow(), "Rename", "New name:", QLineEdit::Normal,
                                                       QString::fromStdString(oldName), &ok);
            if (!ok || text.isEmpty()) return false;
            answer = text.toStdString();
        }
        const std::string why = check ? check(answer) : std::string();
        if (why.empty()) {
            newName = answer;
            return true;
        }
        // A refused name is said why; a handler that insists gets no second turn.
        ZvMessageBox(nullptr, why, "Zavora", ZvMB_OK, ZvMB_ICONEXCLAMATION);
        if (RenameHandler()) return false;
    }
}

ZvRenameHandler ZvSetRenameHandler(ZvRenameHandler handler)
{
    ZvRenameHandler previous = std::move(RenameHandler());
    RenameHandler() = std::move(handler);
    return previous;
}
