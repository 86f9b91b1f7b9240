#include "explorer/ZvUnrefView.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QScopeGuard>
#include <QVBoxLayout>

#include "contracts/Check.h"
#include "contracts/MessageBox.h"
#include "engine/UnrefSearch.h"
#include "engine/Zavora.h"
#include "explorer/FrameTest.h"
#include "explorer/UnrefProgress.h"
#include "explorer/ZvCaption.h"
#include "explorer/ZvImages.h"
#include "explorer/ZvRows.h"
#include "settings/ZvFilterCollection.h"
#include "settings/ZvParentItemFilter.h"

namespace {

const char* const kNotParsed = "Nothing is parsed yet: press Ctrl+F11 to parse, then F11 on an item to list "
                               "the unreferenced symbols below it.";
const char* const kNoItem = "Select an item in the outline and press F11: the unreferenced symbols below it "
                            "are listed here (the Application item lists the whole program).";
const char* const kStopped = "The last parse did not run to its end, and a part would make used symbols "
                             "look unused: parse again (Ctrl+F11).";
const char* const kNotInProgram = "The current symbol is not part of the program: select an item of the "
                                  "program and press F11.";

bool SameName(const QString& a, const std::string& b)
{
    return QString::compare(a, QString::fromStdString(b), Qt::CaseInsensitive) == 0;
}

void Forget(QTreeWidgetItem* row) { row->setData(0, zvrow::Item, QVariant::fromValue<qulonglong>(0)); }

// Why nothing can be listed for the current item; empty when it can.
QString WhyNothing(HOUTLINE hOutline, HITEM hItem)
{
    CZavoraApp& app = CZavoraApp::Instance();
    // The store is complete before the parse that filled it reports itself parsed.
    if (!app.IsStoreComplete()) return app.IsParsed() ? kStopped : kNotParsed;
    if (!hOutline || !hItem || !CGItem(hOutline, hItem).IsValid()) return kNoItem;
    if (hOutline != app.GetOutline()) return kNotInProgram;
    return {};
}

} // namespace

// ---- CZvUnrefView --------------------------------------------------------------------------

CZvUnrefView::CZvUnrefView(QWidget* parent) : CZvUnrefViewBase(parent)
{
    ZV_TRY
        auto* content = new QWidget(this);
        initView("Unreferenced Symbols", content);
        caption()->setPicture(7008);
        auto* layout = new QVBoxLayout(content);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(6);
        auto* row = new QHBoxLayout();
        row->setContentsMargins(0, 0, 0, 0);
        row->setSpacing(0);
        m_deleteButton = new QToolButton(content);
        m_deleteButton->setObjectName("deleteButton");
        m_deleteButton->setFixedSize(24, 24);
        m_deleteButton->setIcon(ZvIcon(7141));
        m_deleteButton->setIconSize(QSize(16, 16));
        m_deleteButton->setToolTip(tr("Delete the selected symbols from the outline"));
        auto* label = new QLabel(tr("Filter:"), content);
        // The combo starts at x 74: button 24, a gap of 6, the label 44.
        row->addWidget(m_deleteButton);
        row->addSpacing(6);
        label->setFixedWidth(44);
        row->addWidget(label);
        m_list = new CZvUnrefListViewCtrl(content);
        m_list->setHeaderLabels({"Name", "Parent", "Context"});
        for (int c = 0; c < 3; ++c) m_list->setColumnWidth(c, 85);
        m_list->header()->setMinimumSectionSize(50);
        row->addWidget(createFilterCombo(content), 1);
        layout->addLayout(row);
        layout->addWidget(m_list, 1);
        m_list->setFilter(filter());
        m_list->setHint(WhyNothing(getCurrentOutline(), getCurrentItem()));
        connect(m_deleteButton, &QToolButton::clicked, this, [this] {
            ZV_TRY
                deleteUnrefs();
            ZV_CATCH_OUTER("CZvUnrefView::OnCommand")
        });
    ZV_CATCH("CZvUnrefView::OnInitDialog")
}

int CZvUnrefView::itemCount() const { return m_list->topLevelItemCount(); }

void CZvUnrefView::setFilter(CZvParentItemFilter* pFilter)
{
    CZvUnrefViewBase::setFilter(pFilter);
    // Also called while the base fills the combo.
    if (m_list) m_list->setFilter(pFilter);
    if (caption()) caption()->setCount(itemCount());
}

void CZvUnrefView::clear()
{
    m_list->clear();
    const QString why = WhyNothing(getCurrentOutline(), getCurrentItem());
    m_list->setHint(why.isEmpty() ? tr("Press F11 on an item to list the unreferenced symbols below it.") : why);
    if (caption()) caption()->setCount(0);
}

bool CZvUnrefView::doUpdate()
{
    ZV_TRY
        const HOUTLINE hOutline = getCurrentOutline();
        const HITEM hItem = getCurrentItem();
        const QString why = WhyNothing(hOutline, hItem);
        if (!why.isEmpty()) {
            // Rows of an earlier search would read as the answer to this one.
            m_list->clear();
            m_list->setHint(why);
            return true;
        }
        CUnrefProgress progress(this);
        m_list->setHint({});
        m_list->clear();
        CZvParentItemFilter* pFilter = filter();
        CUnrefSearch::Filter match;
        if (pFilter) match = [pFilter](CGItem& item) { return pFilter->match(item); };
        const std::vector<HITEM> found = CUnrefSearch::Find(hOutline, hItem, match);
        // A thousand rows fill in half the time without a repaint between them; a failure still repaints.
        m_list->setUpdatesEnabled(false);
        const auto repaint = qScopeGuard([this] { m_list->setUpdatesEnabled(true); });
        for (HITEM h : found) {
            CGItem item(hOutline, h);
            m_list->addItem(item);
        }
        // The user's order holds across updates.
        if (m_list->sortColumnIndex() >= 0) m_list->sortBy(m_list->sortColumnIndex(), m_list->ascending());
        m_list->sizeColumns();
        caption()->setCount(itemCount());
        return true;
    ZV_CATCH("CZvUnrefView::doUpdate")
    return true;
}

void CZvUnrefView::deleteUnrefs()
{
    ZV_TRY
        // Nothing chosen: no question to answer.
        bool bChosen = false;
        for (int i = 0; i < m_list->topLevelItemCount() && !bChosen; ++i)
            bChosen = m_list->topLevelItem(i)->isSelected() && zvrow::ItemOf(m_list->topLevelItem(i));
        if (!bChosen) return;
        if (ZvMessageBox(nullptr, "Really delete symbols?", "Zavora", ZvMB_YESNO, ZvMB_ICONQUESTION) != ZvIDYES)
            return;
        // By index, and read again after each deletion: the kit's notice of a
        // deletion may reach this list (the current item gone empties it).
        for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
            QTreeWidgetItem* row = m_list->topLevelItem(i);
            const HITEM hItem = zvrow::ItemOf(row);
            if (!row->isSelected() || !hItem) continue;
            // Rows of what goes along (a function's parameters) lead nowhere afterwards either.
            std::vector<int> going;
            for (int j = 0; j < m_list->topLevelItemCount(); ++j) {
                const HITEM hRow = zvrow::ItemOf(m_list->topLevelItem(j));
                if (hRow && isChildOf(hRow, hItem)) going.push_back(j);
            }
            std::vector<HITEM> handles{hItem};
            if (CUnrefSearch::DeleteItems(zvrow::OutlineOf(row), handles) != 1) continue;
            for (int j : going)
                if (j < m_list->topLevelItemCount()) Forget(m_list->topLevelItem(j));
        }
        m_list->viewport()->update();
        caption()->setCount(itemCount());
    ZV_CATCH("CZvUnrefView::deleteUnrefs")
}

void CZvUnrefView::itemDeleted(HITEM hItem)
{
    ZV_TRY
        for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
            QTreeWidgetItem* row = m_list->topLevelItem(i);
            const HITEM hRow = zvrow::ItemOf(row);
            if (hRow && isChildOf(hRow, hItem)) Forget(row);
        }
        m_list->viewport()->update();
    ZV_CATCH("CZvUnrefView::doItemDeleted")
}

void CZvUnrefView::refresh()
{
    doUpdate();
    caption()->setCount(itemCount());
    if (itemCount() == 0 && !showsHint()) fold();
    else open();
    if (pane()) pane()->layoutRows();
}

void CZvUnrefView::selectFilter(const QString& name)
{
    // A save discards the shared collection: its filter of the name is the
    // fresh one. Put in force, it is the one the combo shows.
    setFilter(CZvFilterCollection::shared()->get(name.toStdString()));
}

void CZvUnrefView::onFilterSelected(const QString& name)
{
    ZV_TRY
        selectFilter(name);
        refresh();
    ZV_CATCH_OUTER("CZvUnrefView::OnCommand")
}

void CZvUnrefView::filterSaved(CZvParentItemFilter* pFilter)
{
    ZV_TRY
        REQUIRE_BARE(pFilter != NULL, "CZvUnrefView::filterSaved");
        const QString shown = filterCombo()->currentText();
        if (!SameName(shown, pFilter->getName())) return;
        selectFilter(shown);
        refresh();
    ZV_CATCH("CZvUnrefView::filterSaved")
}

void CZvUnrefView::filterDeleted(CZvParentItemFilter* pFilter)
{
    ZV_TRY
        REQUIRE_BARE(pFilter != NULL, "CZvUnrefView::filterDeleted");
        const QString shown = filterCombo()->currentText();
        loadFilters();  // the default is chosen
        // Another filter went: the one on show stays, in the combo as in the list.
        if (!SameName(shown, pFilter->getName())) selectFilter(shown);
        refresh();
    ZV_CATCH("CZvUnrefView::filterDeleted")
}

void CZvUnrefView::filterAdded(CZvParentItemFilter* pFilter)
{
    ZV_TRY
        REQUIRE_BARE(pFilter != NULL, "CZvUnrefView::filterAdded");
        addFilter(QString::fromStdString(pFilter->getName()), false);
    ZV_CATCH("CZvUnrefView::filterAdded")
}

void CZvUnrefView::newDefaultFilter(CZvParentItemFilter* pFilter)
{
    ZV_TRY
        REQUIRE_BARE(pFilter != NULL, "CZvUnrefView::newDefaultFilter");
        const QString shown = filterCombo()->currentText();
        loadFilters();  // moves the default mark
        // The list keeps its filter and its rows.
        selectFilter(shown);
    ZV_CATCH("CZvUnrefView::newDefaultFilter")
}
