#include "explorer/ZvWidgetPorts.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>

#include "explorer/DlgProgress.h"
#include "explorer/RenameDlg.h"

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

int ZvWidgetMessageBox(const ZvMessageBoxRequest& request)
{
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(QString::fromStdString(request.caption));
    box.setText(QString::fromStdString(request.text));
    switch (request.icon) {
    case ZvMB_ICONSTOP: box.setIcon(QMessageBox::Critical); break;
    case ZvMB_ICONQUESTION: box.setIcon(QMessageBox::Question); break;
    case ZvMB_ICONEXCLAMATION: box.setIcon(QMessageBox::Warning); break;
    case ZvMB_ICONINFORMATION: box.setIcon(QMessageBox::Information); break;
    default: break;
    }
    switch (request.buttons) {
    case ZvMB_YESNO: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case ZvMB_YESNOCANCEL: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel); break;
    case ZvMB_OKCANCEL: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    default: box.setStandardButtons(QMessageBox::Ok); break;
    }
    switch (request.defaultButton) {
    case ZvIDYES: box.setDefaultButton(QMessageBox::Yes); break;
    case ZvIDNO: box.setDefaultButton(QMessageBox::No); break;
    case ZvIDCANCEL: box.setDefaultButton(QMessageBox::Cancel); break;
    case ZvIDOK: box.setDefaultButton(QMessageBox::Ok); break;
    default: break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes: return ZvIDYES;
    case QMessageBox::No: return ZvIDNO;
    case QMessageBox::Cancel: return ZvIDCANCEL;
    default: return ZvIDOK;
    }
}
