#pragma once
// The filter editor's tree: the outline sections whose unreferenced symbols a
// filter shows (bold: shown), and the libraries it hides. Each node carries
// its item type; edits change the filter in memory at once, and stay marked
// as modified until the filter is saved.
#include <QMenu>
#include <QSet>
#include <QStringList>
#include <QTreeWidget>

class CZvParentItemFilter;

class CZvUnrefFilterTree : public QTreeWidget {
    Q_OBJECT
public:
    static constexpr int kTypeRole = Qt::UserRole;

    explicit CZvUnrefFilterTree(QWidget* parent = nullptr);

    // The filter to edit; null leaves the tree with one line that says why,
    // and clicks do nothing.
    void setFilter(CZvParentItemFilter* pFilter);
    CZvParentItemFilter* filter() const { return m_pFilter; }
    // Rebuilds the tree from the filter; only the root is expanded.
    void init();
    // Appends a node; "Libraries" becomes the Libraries node. Type nodes take
    // the filter's state.
    QTreeWidgetItem* addItem(const QString& text, int type, QTreeWidgetItem* parent, bool withButton);
    // Bold (shown) unless `clear`, for the node and everything below it; the
    // types go into or out of the filter. Every node of a type shows its state.
    void checkItem(QTreeWidgetItem* hTreeItem, bool clear);
    QTreeWidgetItem* librariesNode() const { return m_libraries; }
    // The pop-up of a node, owned by the caller; null for nodes without one.
    QMenu* buildMenu(QTreeWidgetItem* node);
    // Offered for completion while a library label is edited.
    void setLibraryNames(const QStringList& names) { m_libraryNames = names; }
    const QStringList& libraryNames() const { return m_libraryNames; }

    static bool isLibrary(const QTreeWidgetItem* node);
    bool isBold(const QTreeWidgetItem* node) const { return node->font(0).bold(); }

    // Unsaved edits of the filter shown.
    bool isModified() const;
    void setModified(bool bModified);
    // Every filter with unsaved edits, the one shown or not.
    QList<CZvParentItemFilter*> unsavedFilters() const { return m_modified.values(); }

signals:
    void modifiedChanged(bool bModified);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    // Space does what a click on the current node does.
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    void onClick(QTreeWidgetItem* node, const QPoint& globalPos);
    void addLibrary();
    void removeLibrary(QTreeWidgetItem* node);
    void onItemChanged(QTreeWidgetItem* node, int column);
    void sortLibraries();
    void setBold(QTreeWidgetItem* node, bool bBold);
    void markTypes(QTreeWidgetItem* node, bool clear);
    void showFilterState();

    CZvParentItemFilter* m_pFilter = nullptr;
    QTreeWidgetItem* m_libraries = nullptr;
    QStringList m_libraryNames;
    // Rows move only once the label editor is closed: it still points at its row.
    bool m_bSortPending = false;
    // Filters edited since their last save: the mark follows the filter, not the tree.
    QSet<CZvParentItemFilter*> m_modified;
};
