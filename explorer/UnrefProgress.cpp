#include "explorer/UnrefProgress.h"

#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>

#include "explorer/FrameTest.h"
#include "explorer/ZvImages.h"

namespace {
CUnrefProgress* g_current = nullptr;
std::function<void(CUnrefProgress*)>& ShownHook()
{
    static std::function<void(CUnrefProgress*)> hook;
    return hook;
}

// The explorer's frame when the view sits in one, else the view's window.
QWidget* ExplorerOf(QWidget* view)
{
    for (QWidget* w = view; w; w = w->parentWidget())
        if (qobject_cast<CZvMainFrame*>(w)) return w;
    return view ? view->window() : nullptr;
}
} // namespace

CUnrefProgress::CUnrefProgress(QWidget* view)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus)
{
    // A tool window that never activates: a pop-up would grab mouse and keyboard.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setObjectName("CUnrefProgress");
    setStyleSheet("#CUnrefProgress { background: palette(window); border: 1px solid palette(dark); }");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    m_picture = new QLabel(this);
    m_picture->setPixmap(ZvBitmap(7178));
    m_picture->setAlignment(Qt::AlignCenter);
    layout->addWidget(m_picture);
    // 130 x 89 dialog units: about 195 x 145 pixels.
    setFixedSize(QSize(195, 145).expandedTo(sizeHint()));

    QRect area;
    if (QWidget* explorer = ExplorerOf(view); explorer && explorer->isVisible())
        area = QRect(explorer->mapToGlobal(QPoint(0, 0)), explorer->size());
    else if (QScreen* screen = QGuiApplication::primaryScreen())
        area = screen->availableGeometry();
    move(area.center() - rect().center());
    g_current = this;
    show();
    repaint();  // the update that follows keeps the event loop away
    if (ShownHook()) ShownHook()(this);
}

CUnrefProgress::~CUnrefProgress()
{
    if (g_current == this) g_current = nullptr;
    hide();
}

CUnrefProgress* CUnrefProgress::current() { return g_current; }

void CUnrefProgress::setShownHook(std::function<void(CUnrefProgress*)> hook) { ShownHook() = std::move(hook); }
