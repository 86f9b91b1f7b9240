#include "explorer/ZvDockWindow.h"

#include <QCoreApplication>
#include <QDockWidget>
#include <QEvent>
#include <QFileInfo>
#include <QLibrary>
#include <QMainWindow>
#include <QPointer>
#include <dlfcn.h>

#include "contracts/Check.h"
#include "explorer/FrameTest.h"
#include "platform/controlbar/ZelBar.h"
#include "settings/ZvRegManager.h"

namespace {

const ZvRegSection kSettings{"Settings"};
const char* const kTitle = "Zavora - The Sal Explorer";
constexpr unsigned kBarStyle = 0x10000004;
constexpr unsigned kDockSides = 0x5000;

// Writes the placement when the host's main window closes; the bar may
// already be gone by the time destructors run.
class CZvPlacementSaver : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Close && watched->isWidgetType()) CZvDockWindow::savePlacement();
        return false;
    }
};

// One bar, one library and one frame per process, shared by every dock window object.
struct BarState {
    QLibrary* library = nullptr;
    ZvSetClientWindowFn setClientWindow = nullptr;
    ZvCreateControlBarFn createControlBar = nullptr;
    ZvFlipControlBarFn flipControlBar = nullptr;
    ZvGetControlBarWindowFn getControlBar = nullptr;
    QPointer<QDockWidget> bar;
    QPointer<QObject> saver;
    CZvMainFrame* frame = nullptr;
    bool bExpanded = false;
    QSize remembered{300, 500};
};

BarState& State()
{
    static BarState state;
    return state;
}

QString PluginFolder()
{
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&PluginFolder), &info) && info.dli_fname)
        return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absolutePath();
    return QCoreApplication::applicationDirPath();
}

QMainWindow* HostOf(QDockWidget* bar) { return bar ? qobject_cast<QMainWindow*>(bar->parentWidget()) : nullptr; }

bool LoadLibrary()
{
    BarState& s = State();
    if (s.library && s.library->isLoaded()) return s.getControlBar != nullptr;
    delete s.library;
    s.library = new QLibrary(PluginFolder() + "/libzelbar41.so");
    if (!s.library->load()) return false;
    s.setClientWindow = reinterpret_cast<ZvSetClientWindowFn>(s.library->resolve("SetClientWindow"));
    s.createControlBar = reinterpret_cast<ZvCreateControlBarFn>(s.library->resolve("CreateControlBar"));
    s.flipControlBar = reinterpret_cast<ZvFlipControlBarFn>(s.library->resolve("FlipControlBar"));
    s.getControlBar = reinterpret_cast<ZvGetControlBarWindowFn>(s.library->resolve("GetControlBarWindow"));
    return s.setClientWindow && s.createControlBar && s.flipControlBar && s.getControlBar;
}

} // namespace

CZvDockWindow::CZvDockWindow()
{
    BarState& s = State();
    if (!LoadLibrary()) return;
    ZvRegManager reg;
    const unsigned stored = static_cast<unsigned>(reg.GetProfileInt(kSettings, "DockLocation", zelbar::kDockLeft));
    const bool bFloating = stored == 0;
    if (!CreateControlBar(kTitle, kBarStyle, bFloating ? zelbar::kDockLeft : stored, kDockSides)) return;
    QDockWidget* bar = GetControlBarWindow();
    if (bar != s.bar) {
        // A bar made now: place it where the user left it.
        if (!bar || !FlipControlBar()) {
            ENSURE_BARE(bar != NULL, "CZvDockWindow::CZvDockWindow");
            return;
        }
        s.bar = bar;
        if (QMainWindow* host = HostOf(bar)) {
            if (!s.saver) s.saver = new CZvPlacementSaver(host);
            host->installEventFilter(s.saver);
        }
        if (bFloating) {
            bar->setFloating(true);
            bar->move(reg.GetProfilePoint(kSettings, "FloatPoint", QPoint(100, 100)));
        }
        s.bExpanded = reg.GetProfileInt(kSettings, "Expanded", 0) > 0;
        s.remembered = reg.GetProfileSize(kSettings, "Size", QSize(300, 500));
        applySize(s.remembered);
        setExpanded(s.bExpanded);
    }
    ENSURE_BARE(s.bar != NULL, "CZvDockWindow::CZvDockWindow");
}

CZvDockWindow::~CZvDockWindow() = default;

void CZvDockWindow::reset()
{
    BarState& s = State();
    if (s.saver) delete s.saver;
    if (s.bar) delete s.bar;
    s.frame = nullptr;
    s.bExpanded = false;
    s.remembered = QSize(300, 500);
}

void CZvDockWindow::frameGone(const CZvMainFrame* frame)
{
    if (State().frame == frame) State().frame = nullptr;
}

bool CZvDockWindow::hasBar() const { return State().bar != nullptr; }

bool CZvDockWindow::SetClientWindow(CZvMainFrame* frame)
{
    BarState& s = State();
    REQUIRE(s.setClientWindow, "CZvDockWindow::SetClientWindow");
    s.frame = frame;
    const bool bOk = s.setClientWindow(frame) != 0;
    // The bar shows its client; a hidden bar is shown, a shown one stays.
    if (s.bar && !s.bar->isVisible()) FlipControlBar();
    if (s.bar) applySize(s.bExpanded ? s.remembered : QSize(kCollapsedWidth, 0));
    return bOk;
}

bool CZvDockWindow::CreateControlBar(const QString& title, unsigned style, unsigned id, unsigned sides)
{
    BarState& s = State();
    REQUIRE(s.createControlBar, "CZvDockWindow::CreateControlBar");
    const int rect[4] = {0, 0, 0, 0};
    return s.createControlBar(title.toUtf8().constData(), style, id, sides, rect) != 0;
}

bool CZvDockWindow::FlipControlBar()
{
    BarState& s = State();
    REQUIRE(s.flipControlBar, "CZvDockWindow::FlipControlBar");
    return s.flipControlBar() != 0;
}

QDockWidget* CZvDockWindow::GetControlBarWindow()
{
    BarState& s = State();
    REQUIRE(s.getControlBar, "CZvDockWindow::GetControlBarWindow");
    return static_cast<QDockWidget*>(s.getControlBar());
}

void CZvDockWindow::applySize(const QSize& size)
{
    QDockWidget* bar = State().bar;
    if (!bar) return;
    if (bar->isFloating()) {
        bar->resize(size.width(), size.height() > 0 ? size.height() : bar->height());
        return;
    }
    QMainWindow* host = HostOf(bar);
    if (!host) return;
    const Qt::DockWidgetArea area = host->dockWidgetArea(bar);
    if (area == Qt::TopDockWidgetArea || area == Qt::BottomDockWidgetArea) {
        if (size.height() > 0) host->resizeDocks({bar}, {size.height()}, Qt::Vertical);
    } else {
        host->resizeDocks({bar}, {size.width()}, Qt::Horizontal);
    }
}

bool CZvDockWindow::setExpanded(bool bOn)
{
    BarState& s = State();
    QDockWidget* bar = s.bar;
    if (!bar) return false;
    QSize size;
    if (bOn) {
        size = s.remembered;
    } else {
        if (s.bExpanded || !bar->isVisible()) s.remembered = bar->isVisible() ? bar->size() : s.remembered;
        size = QSize(kCollapsedWidth, 0);
    }
    // The strip shows the toolbar only: the title and its buttons would not fit in it.
    if (bOn) {
        if (QWidget* empty = bar->titleBarWidget()) {
            bar->setTitleBarWidget(nullptr);
            delete empty;
        }
    } else if (!bar->titleBarWidget()) {
        bar->setTitleBarWidget(new QWidget(bar));
    }
    applySize(size);
    s.bExpanded = bOn;
    return true;
}

bool CZvDockWindow::isExpanded() const { return State().bExpanded; }

void CZvDockWindow::savePlacement()
{
    BarState& s = State();
    QDockWidget* bar = s.bar;
    if (!bar) return;
    QMainWindow* host = HostOf(bar);
    unsigned id = host ? zelbar::IdFromArea(host->dockWidgetArea(bar)) : zelbar::kDockLeft;
    QSize size = s.bExpanded ? bar->size() : s.remembered;
    QPoint point(100, 100);
    if (bar->isFloating()) {
        id = 0;
        point = bar->pos();  // where move() puts it back
        size = bar->size();
    }
    ZvRegManager reg;
    reg.WriteProfileSize(kSettings, "Size", size);
    reg.WriteProfileInt(kSettings, "DockLocation", static_cast<std::int32_t>(id));
    reg.WriteProfilePoint(kSettings, "FloatPoint", point);
    reg.WriteProfileInt(kSettings, "Expanded", s.bExpanded ? 1 : 0);
}

CZvMainFrame* CZvDockWindow::getMainFrame() const { return State().frame; }

void CZvDockWindow::outdated(bool bOutdated)
{
    if (CZvMainFrame* frame = getMainFrame()) frame->outdated(bOutdated);
}

bool CZvDockWindow::isOutdated() const
{
    CZvMainFrame* frame = getMainFrame();
    return frame && frame->isOutdated();
}

void CZvDockWindow::clear()
{
    if (CZvMainFrame* frame = getMainFrame()) frame->clear();
}

void CZvDockWindow::AutoMode(bool bOn)
{
    if (CZvMainFrame* frame = getMainFrame()) frame->AutoMode(bOn);
}

void CZvDockWindow::itemDeleted(const CGItem& item)
{
    ZV_TRY
        if (CZvMainFrame* frame = getMainFrame()) {
            frame->itemDeleted(item.GetItem());
            frame->outdated(true);
        }
    ZV_CATCH("CZvDockWindow::itemDeleted")
}
