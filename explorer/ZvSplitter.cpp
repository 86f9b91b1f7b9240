#include "explorer/ZvSplitter.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "contracts/Check.h"
#include "explorer/CZvTab.h"
#include "explorer/Czvlistctrl.h"
#include "explorer/FrameTest.h"
#include "explorer/ZvCaption.h"
#include "explorer/ZvImages.h"
#include "explorer/czvtree.h"
#include "settings/ZvRegManager.h"

namespace {
const ZvRegSection kSettings{"Settings"};
constexpr int kIdealHeight = 100;
} // namespace

// ---- CZvViewBase ----------------------------------------------------------------------

CZvViewBase::CZvViewBase(QWidget* parent) : QWidget(parent) {}

CZvViewBase::~CZvViewBase()
{
    if (m_name.isEmpty()) return;
    detachFromPane();
    ZvRegManager reg;
    reg.WriteProfileInt(kSettings, (m_name + "Height").toStdString(), m_height);
    reg.WriteProfileInt(kSettings, (m_name + "State").toStdString(), m_state);
}

void CZvViewBase::initView(const QString& title, QWidget* content)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    auto* top = new QHBoxLayout();
    top->setContentsMargins(0, 0, 0, 0);
    top->setSpacing(0);
    m_caption = new CZvCaption(this);
    m_caption->init(this, title);
    m_caption->setCount(0);
    m_foldButton = new QToolButton(this);
    m_foldButton->setObjectName("foldButton");
    m_foldButton->setAutoRaise(true);
    m_foldButton->setIcon(ZvIcon(7111));
    m_foldButton->setIconSize(QSize(14, 14));
    m_foldButton->setFixedSize(CZvCaption::captionHeight(), CZvCaption::captionHeight());
    m_foldButton->setToolTip(tr("Fold or open this view"));
    m_foldButton->setVisible(m_bButtonShown);
    connect(m_foldButton, &QToolButton::clicked, this, &CZvViewBase::onFoldButton);
    top->addWidget(m_caption, 1);
    top->addWidget(m_foldButton);
    layout->addLayout(top);
    if (content) layout->addWidget(content, 1);
    setMinimumHeight(CZvCaption::captionHeight());
}

void CZvViewBase::setButtonShown(bool bShown)
{
    m_bButtonShown = bShown;
    if (m_foldButton) m_foldButton->setVisible(bShown);
}

HITEM CZvViewBase::getCurrentItem() const { return CZvMainFrame::currentItem(); }
HOUTLINE CZvViewBase::getCurrentOutline() const { return CZvMainFrame::currentOutline(); }

void CZvViewBase::placeInRow(CZvSplitter* pane, int row)
{
    m_row = row;
    m_pane = pane;
    placedInRow();
    m_name = viewName();
    ZvRegManager reg;
    const int height = reg.GetProfileInt(kSettings, (m_name + "Height").toStdString(), kIdealHeight);
    if (height >= CZvCaption::captionHeight() && height >= 17) m_height = height;
    m_state = reg.GetProfileInt(kSettings, (m_name + "State").toStdString(), 1);
    if (m_state != 0) {
        open();
    } else {
        if (m_foldButton) m_foldButton->setIcon(ZvIcon(7112));
    }
}

void CZvViewBase::detachFromPane()
{
    if (isOpen()) rememberHeight();
    m_pane = nullptr;
}

void CZvViewBase::rememberHeight()
{
    if (!m_pane) return;
    const QList<int> sizes = m_pane->sizes();
    if (m_row < sizes.size() && sizes[m_row] >= CZvCaption::captionHeight() + 1 && m_pane->height() > 0)
        m_height = sizes[m_row];
}

void CZvViewBase::open()
{
    m_state = 1;
    if (m_foldButton) m_foldButton->setIcon(ZvIcon(7111));
    setMaximumHeight(QWIDGETSIZE_MAX);
}

void CZvViewBase::fold()
{
    if (m_state == 0) return;
    rememberHeight();
    m_state = 0;
    if (m_foldButton) m_foldButton->setIcon(ZvIcon(7112));
}

void CZvViewBase::onFoldButton()
{
    if (isOpen()) fold();
    else open();
    if (m_pane) {
        m_pane->setFocus();
        m_pane->layoutRows();
    }
}

// ---- CZvSplitter ------------------------------------------------------------------------

CZvSplitter::CZvSplitter(CZvTabView* parent, int rows)
    : QSplitter(Qt::Vertical, parent), m_parent(parent), m_rowCount(rows)
{
    REQUIRE_BARE(parent != NULL, "CZvSplitter::CZvSplitter");
    REQUIRE_BARE(rows > 0, "CZvSplitter::CZvSplitter");
    setChildrenCollapsible(false);
    setHandleWidth(4);
    m_views.resize(static_cast<std::size_t>(rows), nullptr);
}

CZvSplitter::~CZvSplitter()
{
    // The views outlive the splitter's own part: they must not ask it for sizes then.
    for (CZvViewBase* view : m_views)
        if (view) view->detachFromPane();
}

bool CZvSplitter::placePane(int row, CZvViewBase* view)
{
    ZV_TRY
        REQUIRE_BARE(row >= 0, "CZvSplitter::createPane");
        if (!view) return false;
        insertWidget(row, view);
        view->placeInRow(this, row);
        m_views[static_cast<std::size_t>(row)] = view;
        return true;
    ZV_CATCH("CZvSplitter::createPane")
    return false;
}

CZvViewBase* CZvSplitter::viewAt(int row) const
{
    REQUIRE_BARE(row >= 0, "CZvSplitter::viewAt");
    REQUIRE_BARE(row < m_rowCount, "CZvSplitter::viewAt");
    return m_views[static_cast<std::size_t>(row)];
}

HITEM CZvSplitter::getCurrentItem() const
{
    REQUIRE_BARE(m_parent != NULL, "CZvSplitter::getCurrentItem");
    return CZvMainFrame::currentItem();
}

HOUTLINE CZvSplitter::getCurrentOutline() const
{
    REQUIRE_BARE(m_parent != NULL, "CZvSplitter::getCurrentOutline");
    return CZvMainFrame::currentOutline();
}

void CZvSplitter::layoutRows()
{
    const int caption = CZvCaption::captionHeight();
    QList<int> sizes;
    for (CZvViewBase* view : m_views) {
        if (!view) continue;
        // A folded row keeps to its caption however much room there is.
        view->setMaximumHeight(view->isOpen() ? QWIDGETSIZE_MAX : caption);
        sizes << (view->isOpen() ? std::max(view->height(), caption) : caption);
    }
    setSizes(sizes);
}

bool CZvSplitter::update()
{
    ZV_TRY
        bool bOk = true;
        for (CZvViewBase* view : m_views) {
            if (!bOk || !view) break;
            bOk = view->doUpdate();
            view->caption()->setCount(view->itemCount());
        }
        for (CZvViewBase* view : m_views) {
            if (!view) continue;
            if (view->itemCount() == 0) view->fold();
            else view->open();
        }
        layoutRows();
        return true;
    ZV_CATCH("CZvSplitter::update")
    return true;
}

void CZvSplitter::clear()
{
    for (CZvViewBase* view : m_views) {
        if (!view) continue;
        view->clear();
        view->caption()->setCount(view->itemCount());
    }
}

void CZvSplitter::itemDeleted(HITEM hItem)
{
    ZV_TRY
        if (hItem == CZvMainFrame::currentItem()) {
            clear();
            return;
        }
        for (CZvViewBase* view : m_views)
            if (view) view->itemDeleted(hItem);
    ZV_CATCH("CZvSplitter::itemDeleted")
}

// ---- panes ---------------------------------------------------------------------------------

bool ZvIsClassItem(const CGItem& item)
{
    const int type = item.GetItemType();
    return type >= ItemType::FunctionalClass && type <= ItemType::OtherWindowClass;
}

bool ZvIsFunctionItem(const CGItem& item)
{
    const int type = item.GetItemType();
    return type == ItemType::Function || type == ItemType::ExternalFunction;
}

bool ZvIsVariableItem(const CGItem& item)
{
    static const int own[] = {1, 2, 19, 66, 476, 477, 478, 482};
    static const int parents[] = {114, 118, 136, 137, 208, 211, 222, 223, 265, 280, 281, 401};
    const int type = item.GetItemType();
    for (int t : own)
        if (type == t) return true;
    CGItem parent;
    if (!item.GetParentItem(parent) || !parent.GetItem()) return false;
    const int parentType = parent.GetItemType();
    for (int t : parents)
        if (parentType == t) return true;
    return false;
}

namespace {
CGItem Current() { return CGItem(CZvMainFrame::currentOutline(), CZvMainFrame::currentItem()); }
} // namespace

CZvClassPane::CZvClassPane(CZvTabView* parent) : CZvSplitter(parent, 4)
{
    const bool bChildPanesCreated = createPane<CBaseClassView>(0) && createPane<CZvSubClassView>(1) &&
                                    createPane<CZvClassDeclView>(2) && createPane<CZvClassRefView>(3);
    ZV_ASSERT(bChildPanesCreated == true, "CZvClassPane::CZvClassPane");
}

bool CZvClassPane::checkItemType() { return ZvIsClassItem(Current()); }

CZvFunctionPane::CZvFunctionPane(CZvTabView* parent) : CZvSplitter(parent, 3)
{
    const bool bChildPanesCreated =
        createPane<CZvCalleeView>(0) && createPane<CZvCallerView>(1) && createPane<CZvVarRefView>(2);
    ZV_ASSERT(bChildPanesCreated == true, "CZvFunctionPane::CZvFunctionPane");
}

bool CZvFunctionPane::checkItemType() { return ZvIsFunctionItem(Current()); }

CZvVarPane::CZvVarPane(CZvTabView* parent) : CZvSplitter(parent, 2)
{
    const bool bChildPanesCreated = createPane<CZvVarRefView>(0) && createPane<CZvVarUsageView>(1);
    ZV_ASSERT(bChildPanesCreated == true, "CZvVarPane::CZvVarPane");
}

bool CZvVarPane::checkItemType() { return ZvIsVariableItem(Current()); }

void CZvVarPane::itemSelected(const CGItem* item)
{
    ZV_TRY
        REQUIRE_BARE(item != NULL, "CZvVarPane::itemSelected");
        auto* pane = dynamic_cast<CZvVarUsageView*>(viewAt(1));
        ZV_ASSERT(pane != NULL, "CZvVarPane::itemSelected");
        pane->selectItem(item);
    ZV_CATCH("CZvVarPane::itemSelected")
}

void CZvVarPane::parentSelected(const CGItem* item)
{
    ZV_TRY
        REQUIRE_BARE(item != NULL, "CZvVarPane::parentSelected");
        auto* pane = dynamic_cast<CZvVarRefView*>(viewAt(0));
        ZV_ASSERT(pane != NULL, "CZvVarPane::parentSelected");
        pane->setSelectedItem(item);
    ZV_CATCH("CZvVarPane::parentSelected")
}
