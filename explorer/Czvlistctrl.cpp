#include "explorer/Czvlistctrl.h"

#include <QHeaderView>
#include <QVBoxLayout>

#include "contracts/Check.h"
#include "engine/LateBinding.h"
#include "engine/XrefList.h"
#include "engine/Zavora.h"
#include "explorer/FrameTest.h"
#include "explorer/ZvCaption.h"
#include "explorer/ZvRows.h"

namespace {

// Parent type codes the lists test.
constexpr int kReturns = ItemType::Returns;               // 138: a return type names no one
constexpr int kLibraryName = ItemType::LibraryName;       // 145
constexpr int kMessageActions = ItemType::MessageActions; // 173
constexpr int kBaseClass = ItemType::BaseClass;           // 262

int ParentType(const CGItem& item)
{
    CGItem parent;
    return item.GetParentItem(parent) ? parent.GetItemType() : 0;
}

QString Q(const std::string& text) { return QString::fromStdString(text); }

} // namespace

// ---- CZvListCtrl --------------------------------------------------------------

CZvListCtrl::CZvListCtrl(QWidget* parent) : QTreeWidget(parent)
{
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setItemDelegate(new CZvRowDelegate(this));
    setIconSize(QSize(16, 16));
    setAllColumnsShowFocus(true);
    header()->setSectionsClickable(false);
    header()->setStretchLastSection(true);
    connect(this, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* row) { onDoubleClick(row); });
    connect(this, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* row) { onClick(row); });
}

void CZvListCtrl::enableSorting()
{
    header()->setSectionsClickable(true);
    header()->setSortIndicatorShown(false);
    connect(header(), &QHeaderView::sectionClicked, this, &CZvListCtrl::sortByColumn);
}

void CZvListCtrl::sortByColumn(int column)
{
    sortBy(column, column == m_sortColumn ? !m_bAscending : true);
}

void CZvListCtrl::sortBy(int column, bool bAscending)
{
    m_bAscending = bAscending;
    m_sortColumn = column;
    const Qt::SortOrder order = m_bAscending ? Qt::AscendingOrder : Qt::DescendingOrder;
    header()->setSortIndicatorShown(true);
    header()->setSortIndicator(column, order);
    sortItems(column, order);
}

void CZvListCtrl::sizeColumns()
{
    for (int c = 0; c + 1 < columnCount(); ++c) resizeColumnToContents(c);
}

void CZvListCtrl::addItem(const CGItem& item)
{
    ZV_TRY
        const int parentType = ParentType(item);
        const std::string name = parentType == kReturns ? std::string() : std::string(item.GetName());
        auto* row = new CZvSortRow(this);
        row->setText(0, Q(name));
        row->setIcon(0, CZvMainFrame::iconFromType(item));
        zvrow::SetItem(row, item.GetOutline(), item.GetItem());
        CGItem scratch;
        const std::string path = GetNamePrefix(item.GetOutline(), item.GetItem(), scratch);
        std::string qualifier = path.size() >= name.size() + 2 ? path.substr(0, path.size() - name.size() - 2) : "";
        std::string parentText = qualifier, context;
        const auto cut = qualifier.rfind("::");
        if (cut != std::string::npos) {
            parentText = qualifier.substr(cut + 2);
            context = qualifier.substr(0, cut);
        }
        if (item.IsReadOnly()) {
            const HITEM hIncluding = SalOutlineGetIncludingItem(item.GetOutline(), item.GetItem());
            context += " [" + std::string(CGItem(item.GetOutline(), hIncluding).GetText()) + "]";
        }
        if (parentType == kLibraryName) {
            // An external function: the DLL it comes from, and the including file when read-only.
            CGItem parent;
            item.GetParentItem(parent);
            parentText.clear();
            std::string library = parent.GetName();
            if (library.empty()) library = parent.GetText();
            const auto including = context.find(" [");
            context = library + (including == std::string::npos ? std::string() : context.substr(including));
        }
        row->setText(1, Q(parentText));
        row->setText(2, Q(context));
    ZV_CATCH("CZvListCtrl::addItem")
}

QTreeWidgetItem* CZvListCtrl::addStatement(const CGItem& source, int image)
{
    auto* row = new CZvSortRow(this);
    // Continuation lines read as one line: a row is one line high.
    QString text = Q(std::string(source.GetTitle(1)) + " " + std::string(source.GetText()));
    text.replace(QLatin1String("\r\n"), QLatin1String(" ")).replace(QLatin1Char('\n'), QLatin1Char(' '));
    row->setText(0, text.simplified());
    row->setIcon(0, CZvMainFrame::imageAt(image));
    row->setToolTip(0, Q(source.GetFileName() + ":" + std::to_string(source.GetLineNumber())));
    zvrow::SetItem(row, source.GetOutline(), source.GetItem());
    return row;
}

void CZvListCtrl::onDoubleClick(QTreeWidgetItem* row)
{
    try {
        CGItem item = zvrow::LiveRowItem(row);
        if (item.GetItem()) SelectInText(item, 0, item.GetName());
    } catch (...) {
        row->setData(0, zvrow::Item, QVariant::fromValue<qulonglong>(0));
    }
}

// ---- CZvVarRefListCtrl ----------------------------------------------------------

CZvVarRefListCtrl::CZvVarRefListCtrl(QWidget* parent) : CZvListCtrl(parent) {}

void CZvVarRefListCtrl::addReference(const CReference& reference, int image, bool reachesOverride)
{
    const CGItem& source = *reference.GetSource();
    QTreeWidgetItem* row = addStatement(source, image);
    // Uses that run or name the symbol only at run time read differently.
    QString how;
    if (reachesOverride)
        how = "late bound: a call of the function this one overrides, which can run this one";
    else if (reference.IsLateBoundCall())
        how = "late-bound call: it can run an override instead";
    else if (reference.IsByName())
        how = "by name: named in a string that a built-in looks up at run time";
    if (!how.isEmpty()) {
        row->setToolTip(0, row->toolTip(0) + "\n" + how);
        if (reachesOverride || reference.IsByName()) {
            QFont font = row->font(0);
            font.setItalic(true);
            row->setFont(0, font);
        }
    }
    row->setData(0, zvrow::Position, reference.GetPosition());
    row->setData(0, zvrow::Length, reference.GetLength());
    row->setData(0, zvrow::Parent, QVariant::fromValue<qulonglong>(zvrow::UsageParent(source).GetItem()));
}

void CZvVarRefListCtrl::setSelectedItem(const CGItem* item)
{
    m_hHighlighted = item ? item->GetItem() : 0;
    QTreeWidgetItem* first = nullptr;
    for (int i = 0; i < topLevelItemCount(); ++i) {
        QTreeWidgetItem* row = topLevelItem(i);
        const bool bRelated = m_hHighlighted && row->data(0, zvrow::Parent).toULongLong() == m_hHighlighted;
        row->setData(0, zvrow::Highlight, bRelated);
        if (bRelated && !first) first = row;
    }
    if (first) scrollToItem(first);
    viewport()->update();
}

void CZvVarRefListCtrl::onDoubleClick(QTreeWidgetItem* row)
{
    try {
        CGItem source = zvrow::LiveRowItem(row);
        if (!source.GetItem()) return;
        const int position = row->data(0, zvrow::Position).toInt();
        const int length = row->data(0, zvrow::Length).toInt();
        // The kit takes the span as start and end.
        SelectSymbol(source, position, position + length);
    } catch (...) {
        row->setData(0, zvrow::Item, QVariant::fromValue<qulonglong>(0));
    }
}

void CZvVarRefListCtrl::onClick(QTreeWidgetItem* row)
{
    const CGItem source = zvrow::LiveRowItem(row);
    auto* view = qobject_cast<CZvVarRefView*>(parentWidget());
    if (source.GetItem() && view) view->itemSelected(&source);
}

// ---- CZvVarUsageListCtrl --------------------------------------------------------

CZvVarUsageListCtrl::CZvVarUsageListCtrl(QWidget* parent) : CZvListCtrl(parent) {}

void CZvVarUsageListCtrl::addUse(const CGItem& item)
{
    const CGItem parent = zvrow::UsageParent(item);
    for (int i = 0; i < topLevelItemCount(); ++i) {
        QTreeWidgetItem* row = topLevelItem(i);
        if (zvrow::ItemOf(row) == parent.GetItem()) {
            row->setText(2, QString::number(row->text(2).left(100).toInt() + 1));
            return;
        }
    }
    // "window::function" or "window On MESSAGE": the parent, then the context.
    const std::string path = zvrow::DisplayName(parent);
    auto k = path.find("::");
    std::size_t skip = 2;
    if (k == std::string::npos && (k = path.find(" On ")) != std::string::npos) skip = 1;
    auto* row = new CZvSortRow(this);
    row->setIcon(0, CZvMainFrame::iconFromType(parent));
    row->setText(0, Q(k == std::string::npos ? path : path.substr(0, k)));
    row->setText(1, Q(k == std::string::npos ? std::string() : path.substr(k + skip)));
    row->setText(2, "1");
    row->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    zvrow::SetItem(row, parent.GetOutline(), parent.GetItem());
}

void CZvVarUsageListCtrl::resetHighlight()
{
    if (m_highlighted >= 0 && m_highlighted < topLevelItemCount())
        topLevelItem(m_highlighted)->setData(0, zvrow::Highlight, false);
    m_highlighted = -1;
}

void CZvVarUsageListCtrl::selectItem(const CGItem* item)
{
    resetHighlight();
    if (item) {
        const HITEM hParent = zvrow::UsageParent(*item).GetItem();
        for (int i = 0; i < topLevelItemCount(); ++i) {
            QTreeWidgetItem* row = topLevelItem(i);
            if (hParent && zvrow::ItemOf(row) == hParent) {
                m_highlighted = i;
                row->setData(0, zvrow::Highlight, true);
                scrollToItem(row);
                break;
            }
        }
    }
    viewport()->update();
}

void CZvVarUsageListCtrl::onClick(QTreeWidgetItem* row)
{
    const CGItem parent = zvrow::LiveRowItem(row);
    auto* view = qobject_cast<CZvVarUsageView*>(parentWidget());
    if (parent.GetItem() && view) view->parentSelected(&parent);
}

// ---- views --------------------------------------------------------------------------

CZvListView::CZvListView(QWidget* parent, CZvListCtrl* list, const QString& title, const QStringList& columns)
    : CZvViewBase(parent), m_list(list)
{
    m_list->setParent(this);
    m_list->setHeaderLabels(columns);
    for (int c = 0; c < columns.size(); ++c)
        m_list->setColumnWidth(c, columns.size() == 1 ? 185 : 85);
    m_list->header()->setMinimumSectionSize(50);
    initView(title, m_list);
}

int CZvListView::itemCount() const { return m_list->topLevelItemCount(); }

void CZvListView::clear() { m_list->clear(); }

CXrefList* CZvListView::currentReferences(bool bSalToo) const
{
    CZavoraApp& app = CZavoraApp::Instance();
    const HITEM hItem = getCurrentItem();
    if (!hItem) return nullptr;
    if (bSalToo && getCurrentOutline() != CurrentOutline() && getCurrentOutline() == app.GetContextOutline())
        return app.GetSalReferences(hItem);
    return app.GetReferences(hItem);
}

CZvClassDeclView::CZvClassDeclView(QWidget* parent)
    : CZvListView(parent, new CZvListCtrl(nullptr), "Declarations", {"Name", "Parent", "Context"})
{
    m_list->enableSorting();
}

bool CZvClassDeclView::doUpdate()
{
    m_list->clear();
    CXrefList* list = currentReferences(false);
    if (!list) return false;
    for (CReference* reference : list->GetReferences()) {
        CGItem source = *reference->GetSource();
        const int type = source.GetItemType();
        if (IsStatement(type) || type == kBaseClass) continue;
        // A "Class:" line declares nothing itself: the row is the variable or window it belongs to.
        CGItem owner;
        if (type == ItemType::ObjectClass && source.GetParentItem(owner) && owner.GetItem()) source = owner;
        m_list->addItem(source);
    }
    m_list->sizeColumns();
    return true;
}

CZvClassRefView::CZvClassRefView(QWidget* parent)
    : CZvListView(parent, new CZvListCtrl(nullptr), "References", {"Statement"})
{
}

bool CZvClassRefView::doUpdate()
{
    m_list->clear();
    CXrefList* list = currentReferences(false);
    if (!list) return false;
    for (CReference* reference : list->GetReferences()) {
        const CGItem& source = *reference->GetSource();
        if (IsStatement(source.GetItemType()))
            m_list->addStatement(source, CZvMainFrame::iconIndexFromType(source));
    }
    m_list->sizeColumns();
    return true;
}

CZvVarRefView::CZvVarRefView(QWidget* parent)
    : CZvListView(parent, new CZvVarRefListCtrl(nullptr), "References", {"Statement"})
{
}

CZvVarRefListCtrl* CZvVarRefView::refList() const { return static_cast<CZvVarRefListCtrl*>(m_list); }

bool CZvVarRefView::doUpdate()
{
    m_list->clear();
    refList()->setSelectedItem(nullptr);
    if (!getCurrentItem()) return true;
    // As the command line: an override also runs where a "..F()" call of a
    // function it overrides stands; those come after its own references.
    CZavoraApp& app = CZavoraApp::Instance();
    const bool bSal = getCurrentOutline() != CurrentOutline() && getCurrentOutline() == app.GetContextOutline();
    std::size_t own = 0;
    const std::vector<CReference*> uses = ReferencesOf(getCurrentItem(), bSal, &own);
    for (std::size_t i = 0; i < uses.size(); ++i) {
        const CGItem& source = *uses[i]->GetSource();
        if (ParentType(source) == kMessageActions) continue;
        const int position = uses[i]->GetPosition();
        const CGString text = position > 0 ? source.GetText() : CGString();
        const bool bBind = position > 0 && static_cast<std::size_t>(position) <= text.size() && text[position - 1] == ':';
        refList()->addReference(*uses[i], bBind ? CZvMainFrame::iconIndexFromType(997)
                                                : CZvMainFrame::iconIndexFromType(source), i >= own);
    }
    const std::string name = GetName(CGItem(getCurrentOutline(), getCurrentItem()));
    if (std::vector<CReference*>* binds = CZavoraApp::Instance().GetUresolvedBinds(name)) {
        for (CReference* bind : *binds)
            if (ParentType(*bind->GetSource()) != kMessageActions)
                refList()->addReference(*bind, CZvMainFrame::iconIndexFromType(998));
    }
    return true;
}

void CZvVarRefView::itemDeleted(HITEM hItem)
{
    ZV_TRY
        for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
            QTreeWidgetItem* row = m_list->topLevelItem(i);
            const HITEM hRow = zvrow::ItemOf(row);
            if (hRow && (hRow == hItem || isChildOf(hRow, hItem)))
                row->setData(0, zvrow::Item, QVariant::fromValue<qulonglong>(0));
        }
    ZV_CATCH("CZvVarRefView::doItemDeleted")
}

void CZvVarRefView::setSelectedItem(const CGItem* item) { refList()->setSelectedItem(item); }

void CZvVarRefView::itemSelected(const CGItem* item)
{
    ZV_TRY
        if (auto* varPane = dynamic_cast<CZvVarPane*>(pane())) varPane->itemSelected(item);
        refList()->setSelectedItem(nullptr);
    ZV_CATCH("CZvVarRefView::itemSelected")
}

CZvVarUsageView::CZvVarUsageView(QWidget* parent)
    : CZvListView(parent, new CZvVarUsageListCtrl(nullptr), "Usage", {"Parent", "Context", "Count"})
{
    m_list->enableSorting();
}

CZvVarUsageListCtrl* CZvVarUsageView::usageList() const { return static_cast<CZvVarUsageListCtrl*>(m_list); }

bool CZvVarUsageView::doUpdate()
{
    m_list->clear();
    usageList()->resetHighlight();
    CXrefList* list = currentReferences(true);
    if (!list) return true;
    for (CReference* reference : list->GetReferences()) {
        usageList()->addUse(*reference->GetSource());
    }
    m_list->sizeColumns();
    return true;
}

void CZvVarUsageView::clear()
{
    usageList()->resetHighlight();
    m_list->clear();
}

void CZvVarUsageView::itemDeleted(HITEM hItem)
{
    ZV_TRY
        // A deleted declaring parent leaves its row without a target.
        for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
            QTreeWidgetItem* row = m_list->topLevelItem(i);
            if (zvrow::ItemOf(row) == hItem) row->setData(0, zvrow::Item, QVariant::fromValue<qulonglong>(0));
        }
    ZV_CATCH("CZvVarUsageView::doItemDeleted")
}

void CZvVarUsageView::selectItem(const CGItem* item) { usageList()->selectItem(item); }

void CZvVarUsageView::parentSelected(const CGItem* item)
{
    ZV_TRY
        if (auto* varPane = dynamic_cast<CZvVarPane*>(pane())) varPane->parentSelected(item);
        usageList()->resetHighlight();
        m_list->viewport()->update();
    ZV_CATCH("CZvVarUsageView::parentSelected")
}
