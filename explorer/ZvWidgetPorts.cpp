#include "explorer/ZvWidgetPorts.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>

#include "explorer/DlgProgress.h"
#include "explorer/RenameDlg.h"
#include "platform/widgets/MessageBoxWidget.h"

bool CZvWidgetPorts::EscapePressed() { return m_progress && m_progress->takeEscape(); }

void CZvWidgetPorts::SendEscapeToFocus()
{
    // Sent, not posted: a queued Esc would reach the coming progress window
    // and read as a request to stop the parse.
    if (QWidget* focus = QApplication::focusWidget()) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(focus, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(focus, &release);
    }
}

void CZvWidgetPorts::ActivateHostWindow()
{
    if (m_anchor && m_anchor->window()->isVisible()) m_anchor->window()->activateWindow();
}

std::unique_ptr<IZvProgressPort> CZvWidgetPorts::CreateProgress()
{
    auto progress = std::make_unique<CDlgProgress>(m_anchor);
    m_progress = progress.get();
    return progress;
}

bool CZvWidgetPorts::AskNewName(const std::string& oldName, std::string& newName, const NameCheck& check)
{
    QWidget* host = m_anchor ? m_anchor->window() : nullptr;
    CRenameDlg dialog(QString::fromStdString(oldName), host, check);
    if (dialog.exec() != QDialog::Accepted) return false;
    newName = dialog.newName().toStdString();
    return true;
}

int ZvWidgetMessageBox(const ZvMessageBoxRequest& request) { return ZvShowMessageBoxWidget(request); }
