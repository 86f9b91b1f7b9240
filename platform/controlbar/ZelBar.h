#pragma once
// The control-bar host library (libzelbar41.so): one dockable bar in the
// host's main window, driven through four C entry points that the plug-in
// looks up by name. The ids of the dock bars are the framework's.
#include <Qt>

namespace zelbar {
constexpr unsigned kDockTop = 59419;
constexpr unsigned kDockBottom = 59420;
constexpr unsigned kDockLeft = 59421;
constexpr unsigned kDockRight = 59422;

// An unknown id docks at the left.
inline Qt::DockWidgetArea AreaFromId(unsigned id)
{
    switch (id) {
    case kDockTop: return Qt::TopDockWidgetArea;
    case kDockBottom: return Qt::BottomDockWidgetArea;
    case kDockRight: return Qt::RightDockWidgetArea;
    default: return Qt::LeftDockWidgetArea;
    }
}

inline unsigned IdFromArea(Qt::DockWidgetArea area)
{
    switch (area) {
    case Qt::TopDockWidgetArea: return kDockTop;
    case Qt::BottomDockWidgetArea: return kDockBottom;
    case Qt::RightDockWidgetArea: return kDockRight;
    default: return kDockLeft;
    }
}
} // namespace zelbar

extern "C" {
using ZvCreateControlBarFn = int (*)(const char* title, unsigned style, unsigned id, unsigned sides, const int* rect);
using ZvFlipControlBarFn = int (*)();
using ZvSetClientWindowFn = int (*)(void* window);
using ZvGetControlBarWindowFn = void* (*)();
}
