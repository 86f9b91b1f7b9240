#include "explorer/czvtree.h"

#include <QHeaderView>
#include <QTreeWidgetItemIterator>

#include "contracts/Check.h"
#include "engine/LateBinding.h"
#include "engine/XrefList.h"
#include "engine/Zavora.h"
#include "explorer/FrameTest.h"
#include "explorer/ZvRows.h"

namespace {

constexpr int kLateBoundCallee = 98;
constexpr int kSalFunction = 99;

QString Q(const std::string& text) { return QString::fromStdString(text); }

bool IsFunctionType(int type) { return type == ItemType::Function || type == ItemType::ExternalFunction; }

} // namespace

// ---- CZvTree ----------------------------------------------------------------------

CZvTree::CZvTree(QWidget* parent) : QTreeWidget(parent)
{
    setHeaderHidden(true);
    setColumnCount(1);
    setUniformRowHeights(true);
    setIconSize(QSize(16, 16));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setItemDelegate(new CZvRowDelegate(this));
    connect(this, &QTreeWidget::itemExpanded, this, &CZvTree::onItemExpanded);
    connect(this, &QTreeWidget::itemSelectionChanged, this, &CZvTree::onSelectionChanged);
}

QTreeWidgetItem* CZvTree::addItem(const QString& text, const CGItem& item, QTreeWidgetItem* parent, int image)
{
    ZV_TRY
        auto* entry = new QTreeWidgetItem(rootOf(parent));
        entry->setText(0, text);
        entry->setIcon(0, CZvMainFrame::imageAt(image));
        entry->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
        // The language's own functions have no outline item to go to.
        zvrow::SetItem(entry, item.GetOutline(), IsSALFunction(item) ? 0 : item.GetItem());
        return entry;
    ZV_CATCH("CZvTree::addItem")
    return nullptr;
}

bool CZvTree::setHasNoChildren(QTreeWidgetItem* entry)
{
    if (!entry) return false;
    entry->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicator);
    return true;
}

bool CZvTree::loadItem(HITEM hItem, QTreeWidgetItem* entry)
{
    ZV_TRY
        const bool bFound = doLoadItem(hItem, entry);
        if (entry) entry->setData(0, zvrow::Loaded, true);
        if (!bFound && entry) setHasNoChildren(entry);
        if (entry && entry->childCount() == 0) setHasNoChildren(entry);
        return true;
    ZV_CATCH("CZvTree::loadItem")
    return true;
}

HITEM CZvTree::GetItemReference(QTreeWidgetItem* entry) const
{
    REQUIRE_BARE(entry != 0, "CZvTree::GetItemReference");
    return zvrow::ItemOf(entry);
}

void CZvTree::removeItem(HITEM hItem)
{
    ZV_TRY
        for (QTreeWidgetItemIterator it(this); *it; ++it) {
            const HITEM hEntry = zvrow::ItemOf(*it);
            if (hEntry && (hEntry == hItem || isChildOf(hEntry, hItem)))
                (*it)->setData(0, zvrow::Item, QVariant::fromValue<qulonglong>(0));
        }
    ZV_CATCH("CZvTree::removeItem")
}

int CZvTree::entryCount() const
{
    int count = 0;
    for (QTreeWidgetItemIterator it(const_cast<CZvTree*>(this)); *it; ++it) ++count;
    return count;
}

void CZvTree::emptyTree() { QTreeWidget::clear(); }

void CZvTree::onItemExpanded(QTreeWidgetItem* entry)
{
    ZV_TRY
        if (entry->data(0, zvrow::Loaded).toBool()) return;
        const HITEM hItem = zvrow::LiveItem(entry);
        if (!hItem) {
            // Gone, or never an outline item: nothing to show beneath it.
            setHasNoChildren(entry);
            collapseItem(entry);
            return;
        }
        loadItem(hItem, entry);
    ZV_CATCH_OUTER("CZvTree::OnItemexpanding")
}

void CZvTree::onSelectionChanged()
{
    const QList<QTreeWidgetItem*> selected = selectedItems();
    if (selected.isEmpty()) return;
    QTreeWidgetItem* entry = selected.first();
    try {
        CGItem item = zvrow::LiveRowItem(entry);
        if (item.GetItem()) SelectInText(item, 0, item.GetName());
    } catch (...) {
        entry->setData(0, zvrow::Item, QVariant::fromValue<qulonglong>(0));
    }
}

// ---- function trees ----------------------------------------------------------------

int CZvFuncTree::getItemIconIndex(const CGItem& function)
{
    ZV_TRY
        if (IsSALFunction(function)) return CZvMainFrame::iconIndexFromType(kSalFunction);
        return CZvMainFrame::iconIndexFromType(function);
    ZV_CATCH("CZvFuncTree::getItemIconIndex")
    return 1;
}

void CZvFuncTree::configItem(const CGItem& function, QTreeWidgetItem* entry)
{
    ZV_TRY
        if (entry && (IsSALFunction(function) || IsExternalFunction(function))) setHasNoChildren(entry);
    ZV_CATCH("CZvFuncTree::configItem")
}

namespace {
QString CalleeText(const CGItem& callee)
{
    return Q(IsSALFunction(callee) ? std::string(callee.GetName()) : zvrow::DisplayName(callee));
}
} // namespace

bool CZvCalleeTree::doLoadItem(HITEM hItem, QTreeWidgetItem* entry)
{
    ZV_TRY
        CCallInfoList* calls = CZavoraApp::Instance().GetCallReferences(hItem);
        if (!calls) return false;
        CApplication* table = CApplication::Instance(0, 0);
        for (CReference* call : calls->GetCalls()) {
            const CGItem callee = *call->GetSource();
            auto* f = table ? dynamic_cast<CFunction*>(table->GetSymbolOfItem(callee.GetItem())) : nullptr;
            if (f && f->IsLateBound()) {
                QTreeWidgetItem* added =
                    addItem(CalleeText(callee), callee, entry, CZvMainFrame::iconIndexFromType(kLateBoundCallee));
                configItem(callee, added);
                AddLateBoundsOfFunc(f, added);
            } else {
                configItem(callee, addItem(CalleeText(callee), callee, entry, getItemIconIndex(callee)));
            }
        }
        return true;
    ZV_CATCH("CZvCalleeTree::doLoadItem")
    return false;
}

void CZvCalleeTree::AddLateBoundsOfFunc(CSalSymbol* f, QTreeWidgetItem* parent)
{
    REQUIRE_BARE(f != NULL, "AddLateBoundsOfFunc");
    auto* function = dynamic_cast<CFunction*>(f);
    if (!function) return;
    // The walk is the engine's: each override once, cycles stop it.
    for (CFunction* g : FindOverrides(function)) {
        const CGItem item = g->GetItem();
        configItem(item, addItem(CalleeText(item), item, parent, getItemIconIndex(item)));
    }
}

void CZvCallerTree::emptyTree()
{
    m_texts.clear();
    CZvTree::emptyTree();
}

bool CZvCallerTree::doLoadItem(HITEM hItem, QTreeWidgetItem* entry)
{
    ZV_TRY
        CZavoraApp& app = CZavoraApp::Instance();
        const HOUTLINE hOutline = CZvMainFrame::currentOutline();
        const bool bSal = hOutline == app.GetContextOutline() && hOutline != CurrentOutline();
        CXrefList* refs = bSal ? app.GetSalReferences(hItem) : app.GetReferences(hItem);
        if (refs) {
            for (CReference* reference : refs->GetReferences()) {
                const CGItem caller = GetDeclaringParent(*reference->GetSource());
                if (!caller.GetItem()) continue;
                const QString text = Q(zvrow::DisplayName(caller));
                if (m_texts.contains(text)) continue;
                m_texts.insert(text);
                addItem(text, caller, entry, getItemIconIndex(caller));
            }
        }
        if (rootOf(entry)->childCount() == 0) {
            if (entry) {
                setHasNoChildren(entry);
            } else {
                auto* none = new QTreeWidgetItem(invisibleRootItem());
                none->setText(0, emptyText());
                zvrow::SetItem(none, 0, 0);
            }
        }
        return refs != nullptr;
    ZV_CATCH("CZvCallerTree::doLoadItem")
    return false;
}

// ---- class trees ----------------------------------------------------------------------

bool CZvBaseClassTree::doLoadItem(HITEM hItem, QTreeWidgetItem* entry)
{
    ZV_TRY
        const HOUTLINE hOutline = CGItem(CZvMainFrame::currentOutline(), hItem).GetOutline();
        CGClass cls(hOutline, hItem);
        CGObjectList bases;
        cls.EnumBaseClasses(bases);
        CGApplication app(hOutline);
        for (const CGItem& base : bases) {
            CGClass found;
            if (!app.GetClass(base.GetName(), found)) return false;
            addItem(Q(base.GetName()), found, entry, CZvMainFrame::iconIndexFromType(found));
        }
        return bases.GetCount() > 0;
    ZV_CATCH("CZvBaseClassTree::doLoadItem")
    return false;
}

bool CZvSubClassTree::doLoadItem(HITEM hItem, QTreeWidgetItem* entry)
{
    ZV_TRY
        CApplication* table = CApplication::Instance(0, 0);
        auto* cls = table ? dynamic_cast<CClass*>(table->GetSymbolOfItem(hItem)) : nullptr;
        for (const CGItem& sub : DirectSubclasses(cls))
            addItem(Q(zvrow::DisplayName(sub)), sub, entry, CZvMainFrame::iconIndexFromType(sub));
        return rootOf(entry)->childCount() > 0;
    ZV_CATCH("CZvSubClassTree::doLoadItem")
    return false;
}

// ---- views ------------------------------------------------------------------------------

CZvTreeView::CZvTreeView(QWidget* parent, CZvTree* tree, const QString& title, const QString& emptyText)
    : CZvViewBase(parent), m_tree(tree)
{
    m_tree->setParent(this);
    m_tree->setEmptyText(emptyText);
    initView(title, m_tree);
}

CZvCalleeView::CZvCalleeView(QWidget* parent)
    : CZvTreeView(parent, new CZvCalleeTree(nullptr), "Callees", "No callees")
{
}

bool CZvCalleeView::doUpdate()
{
    const CGItem current(getCurrentOutline(), getCurrentItem());
    const int type = current.GetItemType();
    if (!IsFunctionType(type)) return true;
    m_tree->emptyTree();
    if (type == ItemType::ExternalFunction) return true;
    return m_tree->loadItem(current.GetItem(), nullptr);
}

void CZvCalleeView::itemDeleted(HITEM hItem)
{
    if (IsFunctionType(CGItem(getCurrentOutline(), getCurrentItem()).GetItemType())) m_tree->removeItem(hItem);
}

CZvCallerView::CZvCallerView(QWidget* parent)
    : CZvTreeView(parent, new CZvCallerTree(nullptr), "Callers", "No callers")
{
}

bool CZvCallerView::doUpdate()
{
    const HITEM hItem = getCurrentItem();
    if (!hItem) return true;
    m_tree->emptyTree();
    return m_tree->loadItem(hItem, nullptr);
}

void CZvCallerView::itemDeleted(HITEM hItem)
{
    if (IsFunctionType(CGItem(getCurrentOutline(), getCurrentItem()).GetItemType())) m_tree->removeItem(hItem);
}

CBaseClassView::CBaseClassView(QWidget* parent)
    : CZvTreeView(parent, new CZvBaseClassTree(nullptr), "Base classes", "No base classes")
{
}

bool CBaseClassView::doUpdate()
{
    ZV_TRY
        const CGItem current(getCurrentOutline(), getCurrentItem());
        if (!ZvIsClassItem(current)) return true;
        m_tree->emptyTree();
        return m_tree->loadItem(current.GetItem(), nullptr);
    ZV_CATCH("CBaseClassView::doUpdate")
    return false;
}

void CBaseClassView::itemDeleted(HITEM hItem) { m_tree->removeItem(hItem); }

CZvSubClassView::CZvSubClassView(QWidget* parent)
    : CZvTreeView(parent, new CZvSubClassTree(nullptr), "Sub classes", "No sub classes")
{
}

bool CZvSubClassView::doUpdate()
{
    const CGItem current(getCurrentOutline(), getCurrentItem());
    if (!ZvIsClassItem(current)) return true;
    m_tree->emptyTree();
    return m_tree->loadItem(current.GetItem(), nullptr);
}

// The sub class tree forgets deleted items too: its rows must never lead to a gone item.
void CZvSubClassView::itemDeleted(HITEM hItem) { m_tree->removeItem(hItem); }
