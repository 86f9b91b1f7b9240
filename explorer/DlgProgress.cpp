#include "explorer/DlgProgress.h"

#include <QApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QScreen>
#include <QVBoxLayout>

#include "explorer/ZvImages.h"

namespace {
const char* const kRows[] = {"Constants", "App msgs", "Int Funcs", "Classes", "Windows"};
const char* const kLabels[] = {"Constants ", "App msgs ", "Int funcs ", "Classes ", "Windows "};
int g_pumpMs = 30;
} // namespace

CParseProgress::CParseProgress(QWidget* parent) : QProgressBar(parent)
{
    setRange(0, 100);
    setValue(0);
    setFormat("%p %");
    setTextVisible(true);
}

CDlgProgress::CDlgProgress(QWidget* anchor)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus),
      m_anchor(anchor)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setObjectName("CDlgProgress");
    setStyleSheet("#CDlgProgress { background: palette(window); border: 1px solid palette(dark); }");
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(8, 6, 8, 8);
    outer->setSpacing(6);
    m_title = new QLabel(this);
    QFont bold = m_title->font();
    bold.setBold(true);
    m_title->setFont(bold);
    outer->addWidget(m_title);
    auto* row = new QHBoxLayout();
    row->setSpacing(8);
    auto* picture = new QLabel(this);
    picture->setPixmap(ZvBitmap(7178));
    picture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    row->addWidget(picture);
    m_list = new QListWidget(this);
    m_list->setFocusPolicy(Qt::NoFocus);
    m_list->setSelectionMode(QAbstractItemView::NoSelection);
    m_list->addItem("Building symbol table.....");
    const int rowHeight = std::max(m_list->sizeHintForRow(0), fontMetrics().height() + 2);
    m_list->setMinimumHeight(rowHeight * 6 + 2 * m_list->frameWidth() + 4);
    m_list->setMinimumWidth(fontMetrics().horizontalAdvance("Building symbol table.....") + 40);
    m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    row->addWidget(m_list, 1);
    outer->addLayout(row);
    m_bar = new CParseProgress(this);
    outer->addWidget(m_bar);
    adjustSize();
    m_sincePump.start();
}

CDlgProgress::~CDlgProgress()
{
    if (m_bFiltering) qApp->removeEventFilter(this);
}

void CDlgProgress::progressMessage(const std::string& text)
{
    if (text.empty()) return;
    const unsigned char first = static_cast<unsigned char>(text[0]);
    if (!std::isdigit(first)) {
        m_list->item(0)->setText(QString::fromStdString(text));
        return;
    }
    if (!m_bRowsInserted) {
        for (const char* row : kRows) m_list->addItem(row);
        m_bRowsInserted = true;
    }
    const int category = first - '0';
    const std::string rest = text.size() > 2 ? text.substr(2) : std::string();
    const QString label = category >= 0 && category <= 4 ? kLabels[category] : "";
    if (QListWidgetItem* item = m_list->item(category + 1))
        item->setText(label + QString::fromStdString(rest));
}

void CDlgProgress::SetTitle(const std::string& title)
{
    m_title->setText(QString::fromStdString(title));
    setWindowTitle(m_title->text());
    pumpEvents(true);
}

void CDlgProgress::SetText(const std::string& text)
{
    progressMessage(text);
    pumpEvents(false);
}

void CDlgProgress::SetPos(int value)
{
    m_bar->setValue(value);
    pumpEvents(false);
}

void CDlgProgress::Show()
{
    adjustSize();
    const QRect area = m_anchor && m_anchor->isVisible()
                           ? m_anchor->window()->frameGeometry()
                           : (QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->availableGeometry()
                                                               : QRect(0, 0, 800, 600));
    move(area.center() - rect().center());
    if (!m_bFiltering) {
        qApp->installEventFilter(this);
        m_bFiltering = true;
    }
    show();
    pumpEvents(true);
}

void CDlgProgress::Hide()
{
    if (m_bFiltering) {
        qApp->removeEventFilter(this);
        m_bFiltering = false;
    }
    hide();
    m_bCancel = false;
    m_bEscape = false;
}

void CDlgProgress::setPumpInterval(int ms) { g_pumpMs = ms; }

bool CDlgProgress::takeEscape()
{
    pumpEvents(true);
    const bool bEscape = m_bEscape;
    m_bEscape = false;
    return bEscape;
}

void CDlgProgress::pumpEvents(bool bForce)
{
    // Only while up: before that nothing would keep input away from the explorer.
    if (!m_bFiltering) return;
    if (!bForce && m_sincePump.elapsed() < g_pumpMs) return;
    m_sincePump.restart();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

bool CDlgProgress::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu: {
        // Input reaches a window first and its widget next: decide at the widget.
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget) return false;
        // The "Stop parsing?" box gets its input, its closing Esc included.
        if (QWidget* modal = QApplication::activeModalWidget())
            if (widget == modal || modal->isAncestorOf(widget)) return false;
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
            m_bEscape = true;
        return true;
    }
    default:
        return false;
    }
}
