#pragma once
// The explorer's main frame: the tab view, the vertical toolbar at its right
// edge and the status bar. It holds the symbol all views show, the shared
// item icons and the outdated state, runs the auto-mode timer, and is the
// engine's explorer port while it exists.
#include <QAction>
#include <QIcon>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>
#include <QToolBar>
#include <cstdint>
#include <memory>
#include <vector>

#include "contracts/MessageBox.h"
#include "engine/HostPorts.h"

class CZvTabView;
class CZvDockWindow;
class CZvWidgetPorts;
class QMenu;

class CZvMainFrame : public QMainWindow, public IZvExplorerPort {
    Q_OBJECT
public:
    enum Command {
        ID_SHOWREFS = 32781,
        ID_PARSE = 32786,
        ID_AUTOMODE = 32787,
        ID_EXPAND = 32788,
        ID_RENAME = 32793,
        ID_HELP = 32794,
        ID_GOTODECL = 32803,
    };

    explicit CZvMainFrame(QWidget* parent);
    ~CZvMainFrame() override;

    bool createToolbar();
    bool createStatusBar();
    bool createTabs();
    // The toolbar's commands; always true. Refused while a parse runs.
    bool OnCommand(int id);

    // IZvExplorerPort
    void outdated(bool bOutdated) override;
    bool isOutdated() const override { return m_bOutdated; }
    void clear() override;
    void itemDeleted(HITEM hItem) override;
    void AutoMode(bool bOn) override;
    bool setSymbol(HITEM hItem, HOUTLINE hOutline) override;
    HITEM getCurrentItem() const override { return s_hItem; }
    HOUTLINE getCurrentOutline() const override { return s_hOutline; }
    void setCurrentOutline(HOUTLINE hOutline) override;
    void gotoDeclaration() override;
    // The key of deletion: brings up the unreferenced list, and once it
    // shows, deletes the symbols chosen in it.
    void deleteUnrefs() override;

    void expandRequest();

    // The shared item icons and the type-to-icon table.
    static bool createImageList();
    static const std::vector<QIcon>& getImageList();
    static int iconIndexFromType(int code);
    static int iconIndexFromType(const CGItem& item);
    static QIcon imageAt(int index);
    static QIcon iconFromType(const CGItem& item) { return imageAt(iconIndexFromType(item)); }
    // The symbol every view shows (class-wide, as the views read it).
    static HITEM currentItem() { return s_hItem; }
    static HOUTLINE currentOutline() { return s_hOutline; }

    CZvTabView* tabView() const { return m_tabView; }
    QToolBar* toolBar() const { return m_toolBar; }
    QLabel* statusPane(int index) const { return index == 0 ? m_statusInfo : m_statusSymbol; }
    CZvDockWindow* dockWindow() const { return m_dockWindow; }
    CZvWidgetPorts* ports() const { return m_ports.get(); }
    QAction* action(int id) const;
    // Every command with its key, for a menu: desktops may take the F11 family.
    QMenu* commandMenu() const { return m_menu; }
    QMenu* createPopupMenu() override;

    // One tick of the auto-mode timer (public for the timer's tests).
    void autoModeTick();
    bool isAutoModeRunning() const { return m_autoTimer.isActive(); }
    HITEM autoLastSeen() const { return m_hAutoSeen; }
    std::uint32_t autoTicks() const { return m_autoTicks; }

private:
    CZvTabView* m_tabView = nullptr;
    bool m_bOutdated = false;
    QToolBar* m_toolBar = nullptr;
    QLabel* m_statusInfo = nullptr;
    QLabel* m_statusSymbol = nullptr;
    CZvDockWindow* m_dockWindow = nullptr;
    std::unique_ptr<CZvWidgetPorts> m_ports;
    ZvMessageBoxHandler m_previousBoxes;
    QMenu* m_menu = nullptr;
    QTimer m_autoTimer;
    HITEM m_hAutoSeen = 0;
    std::uint32_t m_autoTicks = 0;

    static HITEM s_hItem;
    static HOUTLINE s_hOutline;
};
