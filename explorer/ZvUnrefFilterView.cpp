#include "explorer/ZvUnrefFilterView.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

#include "contracts/Check.h"
#include "contracts/MessageBox.h"
#include "explorer/NewFilterNameDlg.h"
#include "explorer/ZvCaption.h"
#include "explorer/ZvImages.h"
#include "explorer/ZvUnrefFilterTree.h"
#include "settings/ZvFilterCollection.h"

namespace {

const char* const kCaption = "Zavora - The Sal Explorer";
constexpr int kButtonSize = 24;

CZvUnrefFilterView::NameDialogRunner& Runner()
{
    static CZvUnrefFilterView::NameDialogRunner s_runner;
    return s_runner;
}

void CollectIncludes(const CGItem& item, QStringList& names)
{
    CGObjectList children;
    item.EnumChildObjects(children, 0, 0);
    for (const CGItem& child : children) {
        if (child.GetItemType() == ItemType::FileInclude) {
            const QString text = QString::fromStdString(child.GetText()).trimmed();
            if (!text.isEmpty() && !names.contains(text, Qt::CaseInsensitive)) names << text;
        }
        // A library can include others; they sit below its include.
        CollectIncludes(child, names);
    }
}

} // namespace

QStringList ZvIncludeTexts(HOUTLINE hOutline)
{
    QStringList names;
    if (!hOutline) return names;
    CGItem libraries;
    if (CGApplication(hOutline).GetChildOfType(ItemType::Libraries, libraries, 0)) CollectIncludes(libraries, names);
    names.sort(Qt::CaseInsensitive);
    return names;
}

CZvUnrefFilterView::CZvUnrefFilterView(QWidget* parent) : CZvUnrefViewBase(parent)
{
    auto* body = new QWidget(this);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    auto* row = new QHBoxLayout();
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    const struct {
        int image;
        const char* tip;
        void (CZvUnrefFilterView::*action)();
    } buttons[ButtonCount] = {
        {7138, "Save the filter", &CZvUnrefFilterView::save},
        {7137, "Save the filter under a new name", &CZvUnrefFilterView::saveAs},
        {7141, "Remove the filter", &CZvUnrefFilterView::removeFilter},
        {7142, "New filter", &CZvUnrefFilterView::newFilter},
        {7150, "Make the filter the default one", &CZvUnrefFilterView::makeDefaultFilter},
    };
    for (int i = 0; i < ButtonCount; ++i) {
        auto* button = new QToolButton(body);
        button->setFixedSize(kButtonSize, kButtonSize);
        button->setIcon(ZvIcon(buttons[i].image));
        button->setIconSize(QSize(16, 16));
        button->setAutoRaise(true);
        button->setToolTip(tr(buttons[i].tip));
        connect(button, &QToolButton::clicked, this, buttons[i].action);
        row->addWidget(button);
        m_buttons[i] = button;
    }
    m_tree = new CZvUnrefFilterTree(body);
    connect(m_tree, &CZvUnrefFilterTree::modifiedChanged, this, [this] { showTitle(); });
    layout->addLayout(row);
    layout->addWidget(m_tree, 1);
    initView(tr("Filter"), body);
    caption()->setPicture(7055);

    // A fresh installation has no filter, and the editor needs one to show.
    ZvEnsureFirstFilter();
    // The buttons fill x 0 to 119; the combo takes the rest of the row.
    row->addWidget(createFilterCombo(body), 1);
    showTitle();
}

CZvUnrefFilterView::NameDialogRunner CZvUnrefFilterView::setNameDialogRunner(NameDialogRunner runner)
{
    return std::exchange(Runner(), std::move(runner));
}

void CZvUnrefFilterView::showTitle()
{
    if (!caption()) return;
    // Unsaved edits are marked until Save.
    caption()->setText(m_tree && m_tree->isModified() ? tr("Filter *") : tr("Filter"));
}

void CZvUnrefFilterView::enableButtons()
{
    const bool bFilter = filter() != nullptr;
    for (Button which : {SaveButton, SaveAsButton, RemoveButton, DefaultButton})
        if (m_buttons[which]) m_buttons[which]->setEnabled(bFilter);
}

void CZvUnrefFilterView::setFilter(CZvParentItemFilter* pFilter)
{
    ZV_TRY
        CZvUnrefViewBase::setFilter(pFilter);
        if (m_tree) m_tree->setFilter(pFilter);
        enableButtons();
        showTitle();
    ZV_CATCH("CZvUnrefFilterView::setFilter")
}

void CZvUnrefFilterView::clear()
{
    m_tree->init();
}

bool CZvUnrefFilterView::doUpdate()
{
    ZV_TRY
        HOUTLINE hOutline = getCurrentOutline();
        if (!hOutline) hOutline = CurrentOutline();
        m_tree->setLibraryNames(ZvIncludeTexts(hOutline));
        m_tree->init();
    ZV_CATCH("CZvUnrefFilterView::doUpdate")
    return true;
}

bool CZvUnrefFilterView::askName(QString& name)
{
    CNewFilterNameDlg dialog(this);
    const int result = Runner() ? Runner()(dialog) : dialog.exec();
    if (result != QDialog::Accepted) return false;
    name = dialog.name();
    return true;
}

void CZvUnrefFilterView::keepInCollection()
{
    CZvFilterCollection* pShared = CZvFilterCollection::shared();
    for (CZvParentItemFilter* pUnsaved : m_tree->unsavedFilters()) pShared->add(pUnsaved);
    if (filter() && pShared->get(filter()->getName())) pShared->add(filter());
}

void CZvUnrefFilterView::adopt(std::unique_ptr<CZvParentItemFilter> pNew)
{
    CZvParentItemFilter* pFilter = ZvKeepFilter(std::move(pNew));
    pFilter->save();
    keepInCollection();
    CZvFilterCollection::shared()->add(pFilter);
    // Listed, selected and in force, in the tree as well.
    addFilter(QString::fromStdString(pFilter->getName()), true);
    emit filterAdded(pFilter);
}

void CZvUnrefFilterView::save()
{
    ZV_TRY
        CZvParentItemFilter* pFilter = filter();
        if (!pFilter) return;
        m_tree->setModified(false);
        pFilter->save();
        keepInCollection();
        emit filterSaved(pFilter);
    ZV_CATCH("CZvUnrefFilterView::save()")
}

void CZvUnrefFilterView::saveAs()
{
    ZV_TRY
        CZvParentItemFilter* pFilter = filter();
        QString name;
        if (!pFilter || !askName(name)) return;
        adopt(pFilter->clone(name.toStdString()));
    ZV_CATCH("CZvUnrefFilterView::saveAs")
}

void CZvUnrefFilterView::newFilter()
{
    ZV_TRY
        QString name;
        if (!askName(name)) return;
        adopt(std::make_unique<CZvParentItemFilter>(name.toStdString()));
    ZV_CATCH("CZvUnrefFilterView::newFilter")
}

void CZvUnrefFilterView::removeFilter()
{
    ZV_TRY
        CZvParentItemFilter* pFilter = filter();
        if (!pFilter) return;
        if (pFilter->isDefault()) {
            ZvMessageBox(this,
                         "The default filter cannot be removed. \n Please make another filter the default one "
                         "before deleting this filter.",
                         kCaption, ZvMB_OK, ZvMB_ICONEXCLAMATION);
            return;
        }
        if (ZvMessageBox(this, "Remove filter " + pFilter->getName() + "?", kCaption, ZvMB_YESNO,
                         ZvMB_ICONQUESTION, ZvIDNO) != ZvIDYES)
            return;
        m_tree->setModified(false);
        CZvFilterCollection::shared()->remove(pFilter->getName());
        keepInCollection();
        emit filterDeleted(pFilter);
        // The default (or the first filter) comes into force, in the tree as well.
        loadFilters();
    ZV_CATCH("CZvUnrefFilterView::removeFilter")
}

void CZvUnrefFilterView::makeDefaultFilter()
{
    ZV_TRY
        CZvParentItemFilter* pFilter = filter();
        if (!pFilter) return;
        pFilter->makeDefault();
        // The reload moves the mark; the filter in force stays, edits and all.
        const bool bModified = m_tree->isModified();
        loadFilters();
        if (filter() != pFilter) setFilter(pFilter);
        m_tree->setModified(bModified);
        emit newDefaultFilter(pFilter);
    ZV_CATCH("CZvUnrefFilterView::makeDefaultFilter")
}
