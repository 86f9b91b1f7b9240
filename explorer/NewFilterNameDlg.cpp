#include "explorer/NewFilterNameDlg.h"

#include <QVBoxLayout>

#include "contracts/MessageBox.h"
#include "settings/ZvFilterCollection.h"

CNewFilterNameDlg::CNewFilterNameDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Filter name"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    m_edit = new QLineEdit(this);
    m_edit->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('x')) * 30);
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    okButton()->setDefault(true);
    layout->addWidget(m_edit);
    layout->addWidget(m_buttons);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &CNewFilterNameDlg::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &CNewFilterNameDlg::reject);
    setFocusProxy(m_edit);
    m_edit->setFocus();
    adjustSize();
}

void CNewFilterNameDlg::accept()
{
    const std::string name = this->name().toStdString();
    const char* why = nullptr;
    // A blank name could not be told apart in the combo, nor typed again.
    if (name.empty())
        why = "Please type a name for the filter";
    // The store keeps one filter per name whatever its case.
    else if (CZvFilterCollection::shared()->get(name) != nullptr)
        why = "There is already a filter with that name, please use another one";
    if (why) {
        ZvMessageBox(this, why, "Zavora", ZvMB_OK, ZvMB_ICONEXCLAMATION);
        m_edit->setFocus();
        m_edit->selectAll();
        return;
    }
    QDialog::accept();
}
