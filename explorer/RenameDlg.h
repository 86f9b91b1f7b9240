#pragma once
// The rename dialog: the new name of a symbol. The engine's name checks run
// inside it, so a refused name keeps it open with the reason shown.
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <functional>
#include <string>

class CRenameDlg : public QDialog {
    Q_OBJECT
public:
    // Why a name cannot be taken; empty when it can.
    using NameCheck = std::function<std::string(const std::string&)>;

    explicit CRenameDlg(const QString& oldName, QWidget* parent = nullptr, NameCheck check = {});
    QString newName() const { return m_edit->text(); }
    QLineEdit* edit() const { return m_edit; }
    QLabel* reasonLabel() const { return m_reason; }
    QPushButton* okButton() const;
    void accept() override;

private:
    QLineEdit* m_edit;
    QLabel* m_reason;
    QDialogButtonBox* m_buttons;
    QString m_oldName;
    NameCheck m_check;
};
