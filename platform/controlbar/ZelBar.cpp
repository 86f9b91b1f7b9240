// The control-bar host library: a QDockWidget in the host's main window.
#include "platform/controlbar/ZelBar.h"

#include <QApplication>
#include <QDockWidget>
#include <QMainWindow>
#include <QPointer>

#define ZELBAR_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

QPointer<QDockWidget> g_bar;

// The host's main window: a top-level main window that is not the explorer's frame.
QMainWindow* HostMainWindow()
{
    QMainWindow* hidden = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* window = qobject_cast<QMainWindow*>(widget);
        if (!window || window->inherits("CZvMainFrame")) continue;
        if (window->isVisible()) return window;
        if (!hidden) hidden = window;
    }
    return hidden;
}

} // namespace

ZELBAR_EXPORT int CreateControlBar(const char* title, unsigned /*style*/, unsigned id, unsigned /*sides*/,
                                   const int* /*rect*/)
{
    // A second request finds the bar already made.
    if (g_bar) return 1;
    QMainWindow* host = HostMainWindow();
    if (!host) return 0;
    g_bar = new QDockWidget(QString::fromUtf8(title ? title : ""), host);
    g_bar->setObjectName("ZavoraControlBar");
    g_bar->setAllowedAreas(Qt::AllDockWidgetAreas);
    g_bar->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable |
                       QDockWidget::DockWidgetClosable);
    host->addDockWidget(zelbar::AreaFromId(id), g_bar);
    g_bar->hide();
    return 1;
}

ZELBAR_EXPORT int FlipControlBar()
{
    if (!g_bar) return 0;
    g_bar->setVisible(!g_bar->isVisible());
    return 1;
}

ZELBAR_EXPORT int SetClientWindow(void* window)
{
    if (!g_bar || !window) return 0;
    g_bar->setWidget(static_cast<QWidget*>(window));
    return 1;
}

ZELBAR_EXPORT void* GetControlBarWindow() { return g_bar.data(); }
