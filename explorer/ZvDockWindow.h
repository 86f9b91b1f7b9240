#pragma once
// The dockable bar that holds the explorer: made by the control-bar host
// library (libzelbar41.so, loaded by name from the plug-in's folder) where
// the user left it, collapsed to a strip or expanded, its placement written
// when the host's main window closes.
#include <QPoint>
#include <QSize>
#include <QString>

#include "contracts/OutlineKit.h"

class CZvMainFrame;
class QDockWidget;
class QMainWindow;

class CZvDockWindow {
public:
    CZvDockWindow();
    virtual ~CZvDockWindow();
    CZvDockWindow(const CZvDockWindow&) = delete;
    CZvDockWindow& operator=(const CZvDockWindow&) = delete;

    // Hands the frame to the bar, which shows it.
    bool SetClientWindow(CZvMainFrame* frame);
    bool CreateControlBar(const QString& title, unsigned style, unsigned id, unsigned sides);
    bool FlipControlBar();
    QDockWidget* GetControlBarWindow();

    void toggleExpanded() { setExpanded(!isExpanded()); }
    bool setExpanded(bool bOn);
    bool isExpanded() const;
    bool hasBar() const;
    // Writes "Size", "DockLocation", "FloatPoint" and "Expanded".
    static void savePlacement();

    CZvMainFrame* getMainFrame() const;
    void outdated(bool bOutdated);
    bool isOutdated() const;
    void clear();
    void AutoMode(bool bOn);
    void itemDeleted(const CGItem& item);

    // The width of the collapsed strip.
    static constexpr int kCollapsedWidth = 30;
    // Forgets the bar (the host window went, or a test ends).
    static void reset();
    // The frame is going: nothing may forward to it any more.
    static void frameGone(const CZvMainFrame* frame);

private:
    static void applySize(const QSize& size);
};
