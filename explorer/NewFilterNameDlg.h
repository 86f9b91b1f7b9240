#pragma once
// Asks for the name of a new filter (New, Save as). A name that a stored
// filter has, in any case, or a blank one, is refused and the dialog stays.
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>

class CNewFilterNameDlg : public QDialog {
    Q_OBJECT
public:
    explicit CNewFilterNameDlg(QWidget* parent = nullptr);
    // As typed, without blanks around it: "Mine " would be another key than "Mine".
    QString name() const { return m_edit->text().trimmed(); }
    QLineEdit* edit() const { return m_edit; }
    QPushButton* okButton() const { return m_buttons->button(QDialogButtonBox::Ok); }
    void accept() override;

private:
    QLineEdit* m_edit;
    QDialogButtonBox* m_buttons;
};
