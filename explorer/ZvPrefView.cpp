#include "explorer/ZvPrefView.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "engine/Zavora.h"
#include "explorer/ZvImages.h"
#include "settings/ZavoraPrefs.h"

CZvSearchOptionsCtrl::CZvSearchOptionsCtrl(const QString& expandedText, const QString& contractedText,
                                           QWidget* parent)
    : QWidget(parent), m_expandedText(expandedText), m_contractedText(contractedText)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    m_title = new QPushButton(expandedText, this);
    m_title->setFlat(true);
    m_title->setStyleSheet("QPushButton { text-align: left; font-weight: bold; padding: 2px 4px; "
                           "border-bottom: 1px solid palette(mid); }");
    m_body = new QWidget(this);
    auto* body = new QVBoxLayout(m_body);
    body->setContentsMargins(10, 2, 4, 4);
    body->setSpacing(4);
    layout->addWidget(m_title);
    layout->addWidget(m_body);
    connect(m_title, &QPushButton::clicked, this, [this] { setExpanded(!m_bExpanded); });
}

void CZvSearchOptionsCtrl::addControl(QWidget* control) { m_body->layout()->addWidget(control); }

void CZvSearchOptionsCtrl::setExpanded(bool bExpanded)
{
    m_bExpanded = bExpanded;
    m_title->setText(bExpanded ? m_expandedText : m_contractedText);
    m_body->setVisible(bExpanded);
}

CZvPrefView::CZvPrefView(QWidget* parent) : CZvViewBase(parent)
{
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 6, 4, 6);
    layout->setSpacing(6);
    m_group1 = new CZvSearchOptionsCtrl(tr("Auto re-parse <<"), tr("Auto re-parse>>"), this);
    m_boxes[0] = new QCheckBox(tr("Before renaming"), m_group1);
    m_boxes[1] = new QCheckBox(tr("Before showing references"), m_group1);
    m_group1->addControl(m_boxes[0]);
    m_group1->addControl(m_boxes[1]);
    // "&&" shows one ampersand: a single one would mark a shortcut key.
    m_group2 = new CZvSearchOptionsCtrl(tr("Errors and Warnings <<"), tr("Error && Warnings>>"), this);
    m_boxes[2] = new QCheckBox(tr("Outline has fully qualified references off"), m_group2);
    m_boxes[3] = new QCheckBox(tr("Show unresolvable symbols"), m_group2);
    m_group2->addControl(m_boxes[2]);
    m_group2->addControl(m_boxes[3]);
    layout->addWidget(m_group1);
    layout->addWidget(m_group2);

    auto* buttons = new QHBoxLayout();
    buttons->setSpacing(10);
    m_save = new QPushButton(ZvIcon(7138), tr("Save"), this);
    m_save->setDefault(true);
    m_save->setAutoDefault(true);
    m_save->setMinimumWidth(85);
    m_cancel = new QPushButton(tr("Cancel"), this);
    m_cancel->setMinimumWidth(90);
    buttons->addWidget(m_save);
    buttons->addWidget(m_cancel);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    layout->addStretch(1);
    connect(m_save, &QPushButton::clicked, this, &CZvPrefView::onSave);
    connect(m_cancel, &QPushButton::clicked, this, &CZvPrefView::onCancel);
    setButtonShown(false);
    onCancel();
}

void CZvPrefView::onSave()
{
    CZavoraPrefs* prefs = CZavoraApp::Instance().GetPreferences();
    if (!prefs) return;
    prefs->AutoParseRename = m_boxes[0]->isChecked();
    prefs->AutoParseXref = m_boxes[1]->isChecked();
    prefs->WarnForUnqualSetting = m_boxes[2]->isChecked();
    prefs->WarnForUnresolvedSymbols = m_boxes[3]->isChecked();
}

void CZvPrefView::onCancel()
{
    CZavoraPrefs* prefs = CZavoraApp::Instance().GetPreferences();
    if (!prefs) return;
    m_boxes[0]->setChecked(prefs->AutoParseRename);
    m_boxes[1]->setChecked(prefs->AutoParseXref);
    m_boxes[2]->setChecked(prefs->WarnForUnqualSetting);
    m_boxes[3]->setChecked(prefs->WarnForUnresolvedSymbols);
}

bool CZvPrefView::doUpdate()
{
    onCancel();
    return true;
}
