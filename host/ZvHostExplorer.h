#pragma once
// The explorer's side of the engine while no explorer window is docked: the
// outdated state and the current symbol shown in the host's status bar, and
// the auto-mode timer. Also the rename dialog and the host window for the
// engine's questions.
#include <QObject>
#include <QTimer>
#include <climits>
#include <functional>

#include "engine/HeadlessPorts.h"

class CZvMainFrame;
class QMainWindow;

// The host's main window, as the kit hands it out (GetWindowOfApp).
QMainWindow* ZvHostMainWindow();

// The docked explorer window, once the start-up made it; null without a bar.
CZvMainFrame* ZvExplorerFrame();

// Marks selections made by the explorer itself (going to a declaration, a
// double-click in a list): they do not re-arm auto mode, and auto mode takes
// the new selection as already shown.
class CZvExplorerSelection {
public:
    CZvExplorerSelection();
    ~CZvExplorerSelection();
    CZvExplorerSelection(const CZvExplorerSelection&) = delete;
    CZvExplorerSelection& operator=(const CZvExplorerSelection&) = delete;
    // Also true while the docked explorer has the keyboard focus: a
    // double-click in its lists selects in the outline.
    static bool Active();
};

class CZvHostExplorer : public QObject, public CHeadlessExplorer {
public:
    CZvHostExplorer();
    ~CZvHostExplorer() override;

    void outdated(bool bOutdated) override;
    void AutoMode(bool bOn) override;
    bool setSymbol(HITEM hItem, HOUTLINE hOutline) override;
    void gotoDeclaration() override;

    bool isAutoModeRunning() const { return m_timer.isActive(); }
    // One tick of the auto-mode timer (the timer calls it every 200 ms).
    void autoModeTick();
    // The selection is taken as seen and shown: no request for it.
    void adoptSelection();

    static constexpr unsigned kShown = UINT_MAX;  // ticks once the selection was shown

private:
    void showStatus();

    QTimer m_timer;
    HITEM m_lastSeen = 0;
    unsigned m_ticks = 0;
};

class CZvWidgetHostPorts : public CHeadlessHostPorts {
public:
    void ActivateHostWindow() override;
    bool AskNewName(const std::string& oldName, std::string& newName, const NameCheck& check) override;
};

// The rename dialog's seam: a handler answers in place of the dialog (true
// for OK, with the new name). Returns the previous handler.
using ZvRenameHandler = std::function<bool(const std::string& oldName, std::string& newName)>;
ZvRenameHandler ZvSetRenameHandler(ZvRenameHandler handler);
