#pragma once
// The preferences tab: the re-parse and warning options in two collapsible
// groups, with Save and Cancel.
#include <QCheckBox>
#include <QPushButton>
#include <QWidget>

#include "explorer/ZvSplitter.h"

// A group whose title button folds it: one text when open, one when folded.
class CZvSearchOptionsCtrl : public QWidget {
    Q_OBJECT
public:
    CZvSearchOptionsCtrl(const QString& expandedText, const QString& contractedText, QWidget* parent);
    void addControl(QWidget* control);
    void setExpanded(bool bExpanded);
    bool isExpanded() const { return m_bExpanded; }
    QPushButton* titleButton() const { return m_title; }

private:
    QString m_expandedText, m_contractedText;
    QPushButton* m_title;
    QWidget* m_body;
    bool m_bExpanded = true;
};

class CZvPrefView : public CZvViewBase {
    Q_OBJECT
public:
    explicit CZvPrefView(QWidget* parent);
    QString viewName() const override { return "CZvPrefView"; }
    int itemCount() const override { return 1; }
    // Shows the preferences record.
    bool doUpdate() override;
    void onSave();
    void onCancel();

    CZvSearchOptionsCtrl* group(int index) const { return index == 0 ? m_group1 : m_group2; }
    QCheckBox* checkBox(int index) const { return m_boxes[index]; }
    QPushButton* saveButton() const { return m_save; }
    QPushButton* cancelButton() const { return m_cancel; }

private:
    CZvSearchOptionsCtrl* m_group1;
    CZvSearchOptionsCtrl* m_group2;
    QCheckBox* m_boxes[4];
    QPushButton* m_save;
    QPushButton* m_cancel;
};
