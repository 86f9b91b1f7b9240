#include "explorer/ZvUnrefFilterTree.h"

#include <QCompleter>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <algorithm>

#include "contracts/Check.h"
#include "explorer/FrameTest.h"
#include "settings/ZvFilterNodes.h"
#include "settings/ZvParentItemFilter.h"

namespace {

constexpr int kLibraryRole = Qt::UserRole + 1;  // the name the filter holds; empty: none yet
const char* const kNewLibrary = "Library.apl";

// Library labels are edited with the program's includes offered.
class CLibraryDelegate : public QStyledItemDelegate {
public:
    explicit CLibraryDelegate(CZvUnrefFilterTree* tree) : QStyledItemDelegate(tree), m_tree(tree) {}
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override
    {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* edit = qobject_cast<QLineEdit*>(editor); edit && !m_tree->libraryNames().isEmpty()) {
            auto* completer = new QCompleter(m_tree->libraryNames(), edit);
            // Library names come from Windows, where case does not count.
            completer->setCaseSensitivity(Qt::CaseInsensitive);
            edit->setCompleter(completer);
        }
        return editor;
    }

private:
    CZvUnrefFilterTree* m_tree;
};

} // namespace

CZvUnrefFilterTree::CZvUnrefFilterTree(QWidget* parent) : QTreeWidget(parent)
{
    setHeaderHidden(true);
    setColumnCount(1);
    setRootIsDecorated(true);
    setIconSize(QSize(16, 16));
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Only F2 edits, and only library labels can be edited (their flags say so).
    setEditTriggers(QAbstractItemView::EditKeyPressed);
    setItemDelegate(new CLibraryDelegate(this));
    setExpandsOnDoubleClick(false);
    connect(this, &QTreeWidget::itemChanged, this, &CZvUnrefFilterTree::onItemChanged);
}

void CZvUnrefFilterTree::setFilter(CZvParentItemFilter* pFilter)
{
    ZV_TRY
        const bool bWasModified = isModified();
        m_pFilter = pFilter;
        init();
        if (bWasModified != isModified()) emit modifiedChanged(isModified());
    ZV_CATCH("\"CZvUnrefFilterTree::setFilter\"")
}

void CZvUnrefFilterTree::init()
{
    ZV_TRY
        const QSignalBlocker block(this);
        clear();
        m_libraries = nullptr;
        if (!m_pFilter) {
            // Nothing to edit until a filter exists; say so rather than show an empty tree.
            auto* hint = new QTreeWidgetItem(this, {tr("No filter is stored: use New to create one")});
            hint->setFlags(Qt::ItemIsEnabled);
            hint->setData(0, kTypeRole, 0);
            return;
        }
        QTreeWidgetItem* app = addItem(tr("Application"), 29, nullptr, true);
        QTreeWidgetItem* libs = addItem(tr("Libraries"), 130, app, true);
        for (const std::string& library : m_pFilter->getLibs()) {
            QTreeWidgetItem* node = addItem(QString::fromStdString(library), 145, libs, false);
            node->setData(0, kLibraryRole, QString::fromStdString(library));
        }
        sortLibraries();
        addItem(tr("External Functions"), 145, app, false);
        QTreeWidgetItem* constants = addItem(tr("Constants"), 52, app, true);
        addItem(tr("User Constants"), 222, constants, false);
        addItem(tr("System Constants"), 208, constants, false);
        QTreeWidgetItem* enums = addItem(tr("Enumerations"), 525, constants, true);
        addItem(tr("Item"), 527, enums, false);
        addItem(tr("Resources"), 406, app, false);
        addItem(tr("Variables"), 223, app, false);
        const auto addLocals = [this](QTreeWidgetItem* functions) {
            addItem(tr("Parameters"), 137, functions, false);
            addItem(tr("Static Variables"), 281, functions, false);
            addItem(tr("Local Variables"), 136, functions, false);
        };
        addLocals(addItem(tr("Functions"), 134, app, true));
        QTreeWidgetItem* classes = addItem(tr("Classes"), 244, app, true);
        addItem(tr("Class variables"), 280, classes, false);
        addItem(tr("Instance variables"), 265, classes, false);
        addItem(tr("Events"), 512, classes, false);
        addLocals(addItem(tr("Functions"), 279, classes, true));
        QTreeWidgetItem* windows = addItem(tr("Top Level Windows"), 999, app, true);
        addItem(tr("Parameters"), 401, windows, false);
        addItem(tr("Variables"), 118, windows, false);
        addLocals(addItem(tr("Functions"), 278, windows, true));
        app->setExpanded(true);
    ZV_CATCH("CZvUnrefFilterTree::init")
}

QTreeWidgetItem* CZvUnrefFilterTree::addItem(const QString& text, int type, QTreeWidgetItem* parent,
                                             bool withButton)
{
    auto* node = parent ? new QTreeWidgetItem(parent, {text}) : new QTreeWidgetItem(this, {text});
    node->setIcon(0, CZvMainFrame::imageAt(CZvMainFrame::iconIndexFromType(type)));
    node->setChildIndicatorPolicy(withButton ? QTreeWidgetItem::ShowIndicator
                                             : QTreeWidgetItem::DontShowIndicatorWhenChildless);
    node->setData(0, kTypeRole, type);
    if (text == QLatin1String("Libraries") && type == kZvLibrariesNode) m_libraries = node;
    if (m_pFilter && parent != m_libraries && type != kZvLibrariesNode)
        checkItem(node, !m_pFilter->has(static_cast<std::uint16_t>(type)));
    if (parent && parent == m_libraries) node->setFlags(node->flags() | Qt::ItemIsEditable);
    return node;
}

bool CZvUnrefFilterTree::isLibrary(const QTreeWidgetItem* node)
{
    return node && node->parent() && node->parent()->data(0, kTypeRole).toInt() == kZvLibrariesNode;
}

void CZvUnrefFilterTree::setBold(QTreeWidgetItem* node, bool bBold)
{
    QFont font = node->font(0);
    if (font.bold() == bBold) return;
    font.setBold(bBold);
    node->setFont(0, font);
}

void CZvUnrefFilterTree::checkItem(QTreeWidgetItem* hTreeItem, bool clear)
{
    REQUIRE(hTreeItem != 0, "CZvUnrefFilterTree::checkItem");
    ZV_TRY
        if (!m_pFilter) return;
        const QSignalBlocker block(this);
        markTypes(hTreeItem, clear);
        showFilterState();
    ZV_CATCH("\"CZvUnrefFilterTree::checkItem\"")
}

void CZvUnrefFilterTree::markTypes(QTreeWidgetItem* node, bool clear)
{
    // The Libraries node and its children name libraries, not types.
    if (node == m_libraries || isLibrary(node)) return;
    const auto type = static_cast<std::uint16_t>(node->data(0, kTypeRole).toInt());
    if (clear) m_pFilter->remove(type);
    else m_pFilter->add(type);
    for (int i = 0; i < node->childCount(); ++i) markTypes(node->child(i), clear);
}

void CZvUnrefFilterTree::showFilterState()
{
    // A type can sit under several nodes (Parameters under each Functions):
    // all of them show what the filter holds.
    for (QTreeWidgetItemIterator it(this); *it; ++it) {
        QTreeWidgetItem* node = *it;
        if (node == m_libraries || isLibrary(node)) continue;
        setBold(node, m_pFilter->has(static_cast<std::uint16_t>(node->data(0, kTypeRole).toInt())));
    }
}

void CZvUnrefFilterTree::mousePressEvent(QMouseEvent* event)
{
    QTreeWidget::mousePressEvent(event);
    if (event->button() != Qt::LeftButton) return;
    QTreeWidgetItem* node = itemAt(event->position().toPoint());
    // The expand arrow lies left of the node's own rectangle: it only opens or closes.
    if (!node || !visualItemRect(node).contains(event->position().toPoint())) return;
    onClick(node, event->globalPosition().toPoint());
}

void CZvUnrefFilterTree::keyPressEvent(QKeyEvent* event)
{
    QTreeWidgetItem* node = currentItem();
    if (event->key() != Qt::Key_Space || event->modifiers() != Qt::NoModifier || !node) {
        QTreeWidget::keyPressEvent(event);
        return;
    }
    onClick(node, viewport()->mapToGlobal(visualItemRect(node).bottomLeft()));
}

void CZvUnrefFilterTree::contextMenuEvent(QContextMenuEvent* event)
{
    QTreeWidgetItem* node = itemAt(event->pos());
    if (!node || !m_pFilter) return;
    setCurrentItem(node);
    if (QMenu* menu = buildMenu(node)) {
        menu->exec(event->globalPos());
        delete menu;
    }
}

void CZvUnrefFilterTree::onClick(QTreeWidgetItem* node, const QPoint& globalPos)
{
    ZV_TRY
        if (!m_pFilter) return;
        if (QMenu* menu = buildMenu(node)) {
            menu->exec(globalPos);
            delete menu;
            return;
        }
        checkItem(node, isBold(node));
        setModified(true);
    ZV_CATCH_OUTER("\"CZvUnrefFilterTree::OnClick\"")
}

QMenu* CZvUnrefFilterTree::buildMenu(QTreeWidgetItem* node)
{
    if (!m_pFilter || !node) return nullptr;
    if (isLibrary(node)) {
        auto* menu = new QMenu(this);
        connect(menu->addAction(tr("Remove library")), &QAction::triggered, this,
                [this, node] { removeLibrary(node); });
        return menu;
    }
    if (node == m_libraries) {
        auto* menu = new QMenu(this);
        QAction* all = menu->addAction(tr("Exclude all"));
        all->setCheckable(true);
        all->setChecked(m_pFilter->getExcludeAll());
        connect(all, &QAction::triggered, this, [this](bool bChecked) {
            m_pFilter->setExcludeAll(bChecked);
            setModified(true);
        });
        connect(menu->addAction(tr("Add library to exclude")), &QAction::triggered, this,
                &CZvUnrefFilterTree::addLibrary);
        return menu;
    }
    return nullptr;
}

void CZvUnrefFilterTree::addLibrary()
{
    if (!m_libraries) return;
    QTreeWidgetItem* node;
    {
        const QSignalBlocker block(this);
        node = addItem(QString::fromLatin1(kNewLibrary), 145, m_libraries, false);
    }
    // Not in the filter until its label is edited.
    m_libraries->setExpanded(true);
    setCurrentItem(node);
    editItem(node, 0);
}

void CZvUnrefFilterTree::removeLibrary(QTreeWidgetItem* node)
{
    // A menu kept across a rebuild names a node that is gone: compared, never touched.
    if (!m_libraries || m_libraries->indexOfChild(node) < 0 || !m_pFilter) return;
    const QString held = node->data(0, kLibraryRole).toString();
    if (!held.isEmpty()) {
        m_pFilter->removeLib(held.toStdString());
        setModified(true);
    }
    delete node;
}

void CZvUnrefFilterTree::onItemChanged(QTreeWidgetItem* node, int column)
{
    if (column != 0 || !isLibrary(node) || !m_pFilter) return;
    const QString held = node->data(0, kLibraryRole).toString();
    const QString text = node->text(0).trimmed();
    const QSignalBlocker block(this);
    if (text.isEmpty()) {
        // An edit without a text changes nothing.
        node->setText(0, held.isEmpty() ? QString::fromLatin1(kNewLibrary) : held);
        return;
    }
    if (!held.isEmpty()) m_pFilter->removeLib(held.toStdString());
    m_pFilter->add(text.toStdString());
    node->setText(0, text);
    node->setData(0, kLibraryRole, text);
    // A name listed twice would be one entry of the filter: one node is enough.
    for (int i = 0; i < m_libraries->childCount(); ++i) {
        QTreeWidgetItem* other = m_libraries->child(i);
        if (other != node && other->data(0, kLibraryRole).toString() == text) {
            delete other;
            break;
        }
    }
    if (state() == QAbstractItemView::EditingState) {
        m_bSortPending = true;
    } else {
        sortLibraries();
        setCurrentItem(node);
    }
    setModified(true);
}

void CZvUnrefFilterTree::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    QTreeWidget::closeEditor(editor, hint);
    if (!m_bSortPending) return;
    m_bSortPending = false;
    QTreeWidgetItem* edited = currentItem();
    sortLibraries();
    if (edited) setCurrentItem(edited);
}

void CZvUnrefFilterTree::sortLibraries()
{
    if (!m_libraries) return;
    QList<QTreeWidgetItem*> children = m_libraries->takeChildren();
    std::stable_sort(children.begin(), children.end(), [](const QTreeWidgetItem* a, const QTreeWidgetItem* b) {
        const int byText = a->text(0).compare(b->text(0), Qt::CaseInsensitive);
        return byText != 0 ? byText < 0 : a->text(0) < b->text(0);
    });
    m_libraries->addChildren(children);
}

bool CZvUnrefFilterTree::isModified() const { return m_pFilter && m_modified.contains(m_pFilter); }

void CZvUnrefFilterTree::setModified(bool bModified)
{
    if (!m_pFilter || bModified == isModified()) return;
    if (bModified) m_modified.insert(m_pFilter);
    else m_modified.remove(m_pFilter);
    emit modifiedChanged(bModified);
}
