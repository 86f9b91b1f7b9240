#include "explorer/RenameDlg.h"

#include <QPushButton>
#include <QVBoxLayout>

CRenameDlg::CRenameDlg(const QString& oldName, QWidget* parent, NameCheck check)
    : QDialog(parent), m_oldName(oldName), m_check(std::move(check))
{
    setWindowTitle("Rename " + oldName);
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    m_edit = new QLineEdit(this);
    m_edit->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('x')) * 36);
    m_reason = new QLabel(this);
    m_reason->setWordWrap(true);
    m_reason->setStyleSheet("color: rgb(180,0,0);");
    m_reason->hide();
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    okButton()->setDefault(true);
    layout->addWidget(m_edit);
    layout->addWidget(m_reason);
    layout->addWidget(m_buttons);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &CRenameDlg::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &CRenameDlg::reject);
    m_edit->setFocus();
    adjustSize();
    if (parent) {
        const QRect area = parent->window()->frameGeometry();
        move(area.center() - rect().center());
    }
}

QPushButton* CRenameDlg::okButton() const { return m_buttons->button(QDialogButtonBox::Ok); }

void CRenameDlg::accept()
{
    const std::string why = m_check ? m_check(m_edit->text().toStdString()) : std::string();
    if (!why.empty()) {
        m_reason->setText(QString::fromStdString(why));
        m_reason->show();
        adjustSize();
        m_edit->setFocus();
        m_edit->selectAll();
        return;
    }
    QDialog::accept();
}
