#pragma once
// The desktop's message box for a request of the message-box seam: the host
// application and the plug-in both show their questions with it. Header
// only, because the two are linked apart (the plug-in is loaded at run time).
#include <QApplication>
#include <QMessageBox>

#include "contracts/MessageBox.h"

inline int ZvShowMessageBoxWidget(const ZvMessageBoxRequest& request)
{
    QWidget* owner = request.owner ? static_cast<QWidget*>(request.owner) : QApplication::activeWindow();
    QMessageBox box(owner);
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
