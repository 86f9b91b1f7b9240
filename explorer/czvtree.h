#pragma once
// The hierarchy trees of the references tab: callees and callers of a
// function, base and sub classes of a class. Children load when an entry is
// first expanded.
#include <QSet>
#include <QTreeWidget>

#include "contracts/OutlineKit.h"
#include "explorer/ZvSplitter.h"

class CSalSymbol;

class CZvTree : public QTreeWidget {
    Q_OBJECT
public:
    explicit CZvTree(QWidget* parent);

    // Appends an entry under parent (null: the top level) that offers to expand.
    QTreeWidgetItem* addItem(const QString& text, const CGItem& item, QTreeWidgetItem* parent, int image);
    bool setHasNoChildren(QTreeWidgetItem* entry);
    // Loads the children of entry (null: the top level) for the item.
    bool loadItem(HITEM hItem, QTreeWidgetItem* entry);
    HITEM GetItemReference(QTreeWidgetItem* entry) const;
    // Entries of the deleted item and of items inside it lead nowhere any more.
    void removeItem(HITEM hItem);
    void setEmptyText(const QString& text) { m_emptyText = text; }
    const QString& emptyText() const { return m_emptyText; }
    // Every entry, loaded levels included.
    int entryCount() const;
    virtual void emptyTree();

protected:
    virtual bool doLoadItem(HITEM hItem, QTreeWidgetItem* entry) = 0;
    QTreeWidgetItem* rootOf(QTreeWidgetItem* entry) { return entry ? entry : invisibleRootItem(); }

private:
    void onItemExpanded(QTreeWidgetItem* entry);
    void onSelectionChanged();

    QString m_emptyText;
};

class CZvFuncTree : public CZvTree {
    Q_OBJECT
public:
    using CZvTree::CZvTree;
    static int getItemIconIndex(const CGItem& function);
    // SAL and external functions have no body to look into.
    void configItem(const CGItem& function, QTreeWidgetItem* entry);
};

class CZvCalleeTree : public CZvFuncTree {
    Q_OBJECT
public:
    using CZvFuncTree::CZvFuncTree;
    // The overrides of a late-bound function, beneath parent.
    void AddLateBoundsOfFunc(CSalSymbol* f, QTreeWidgetItem* parent);

protected:
    bool doLoadItem(HITEM hItem, QTreeWidgetItem* entry) override;
};

class CZvCallerTree : public CZvFuncTree {
    Q_OBJECT
public:
    using CZvFuncTree::CZvFuncTree;
    void emptyTree() override;

protected:
    bool doLoadItem(HITEM hItem, QTreeWidgetItem* entry) override;

private:
    QSet<QString> m_texts;  // each caller once in the whole tree
};

class CZvBaseClassTree : public CZvTree {
    Q_OBJECT
public:
    using CZvTree::CZvTree;

protected:
    bool doLoadItem(HITEM hItem, QTreeWidgetItem* entry) override;
};

class CZvSubClassTree : public CZvTree {
    Q_OBJECT
public:
    using CZvTree::CZvTree;

protected:
    bool doLoadItem(HITEM hItem, QTreeWidgetItem* entry) override;
};

// A view holding one tree.
class CZvTreeView : public CZvViewBase {
    Q_OBJECT
public:
    int itemCount() const override { return m_tree->entryCount(); }
    void clear() override { m_tree->emptyTree(); }
    CZvTree* tree() const { return m_tree; }

protected:
    CZvTreeView(QWidget* parent, CZvTree* tree, const QString& title, const QString& emptyText);
    CZvTree* m_tree;
};

class CZvCalleeView : public CZvTreeView {
    Q_OBJECT
public:
    explicit CZvCalleeView(QWidget* parent);
    QString viewName() const override { return "CZvCalleeView"; }
    bool doUpdate() override;
    void itemDeleted(HITEM hItem) override;
};

class CZvCallerView : public CZvTreeView {
    Q_OBJECT
public:
    explicit CZvCallerView(QWidget* parent);
    QString viewName() const override { return "CZvCallerView"; }
    bool doUpdate() override;
    void itemDeleted(HITEM hItem) override;
};

class CBaseClassView : public CZvTreeView {
    Q_OBJECT
public:
    explicit CBaseClassView(QWidget* parent);
    QString viewName() const override { return "CBaseClassView"; }
    bool doUpdate() override;
    void itemDeleted(HITEM hItem) override;
};

class CZvSubClassView : public CZvTreeView {
    Q_OBJECT
public:
    explicit CZvSubClassView(QWidget* parent);
    QString viewName() const override { return "CZvSubClassView"; }
    bool doUpdate() override;
    void itemDeleted(HITEM hItem) override;
};
