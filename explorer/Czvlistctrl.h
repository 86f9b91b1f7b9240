#pragma once
// The four report lists of the references tab: declarations and statements
// that name a class, statements that refer to a function or variable, and
// the usage of a variable per declaring parent.
#include <QTreeWidget>

#include "contracts/OutlineKit.h"
#include "explorer/ZvSplitter.h"

class CReference;
class CXrefList;

// A list whose rows lead to outline items; a double-click shows the item
// with its name selected.
class CZvListCtrl : public QTreeWidget {
    Q_OBJECT
public:
    explicit CZvListCtrl(QWidget* parent);

    // A declaration row: name, parent and context of the item.
    void addItem(const CGItem& item);
    // A statement row: the keyword part and the text of the source item.
    QTreeWidgetItem* addStatement(const CGItem& source, int image);
    // Header clicks sort: the same column again turns the order round.
    void enableSorting();
    int sortColumnIndex() const { return m_sortColumn; }
    bool ascending() const { return m_bAscending; }
    void sortByColumn(int column);
    // Sorts by the column in the given direction, which the header then shows.
    void sortBy(int column, bool bAscending);
    void sizeColumns();

protected:
    virtual void onDoubleClick(QTreeWidgetItem* row);
    virtual void onClick(QTreeWidgetItem* /*row*/) {}

private:
    bool m_bAscending = true;
    int m_sortColumn = -1;
};

// Statement rows of references: a double-click selects the reference's
// characters; a click tells the usage list; rows of a highlighted parent
// get the related background.
class CZvVarRefListCtrl : public CZvListCtrl {
    Q_OBJECT
public:
    explicit CZvVarRefListCtrl(QWidget* parent);
    // reachesOverride: a "..F()" call of a function the shown one overrides,
    // listed because at run time it can run the shown one.
    void addReference(const CReference& reference, int image, bool reachesOverride = false);
    // Rows whose declaring parent is the item get the related background (null: none).
    void setSelectedItem(const CGItem* item);
    HITEM highlightedItem() const { return m_hHighlighted; }

protected:
    void onDoubleClick(QTreeWidgetItem* row) override;
    void onClick(QTreeWidgetItem* row) override;

private:
    HITEM m_hHighlighted = 0;
};

// One row per declaring parent, with the number of uses in it.
class CZvVarUsageListCtrl : public CZvListCtrl {
    Q_OBJECT
public:
    explicit CZvVarUsageListCtrl(QWidget* parent);
    void addUse(const CGItem& item);
    // Highlights the row of the item's declaring parent (null: none).
    void selectItem(const CGItem* item);
    int highlightedRow() const { return m_highlighted; }
    void resetHighlight();

protected:
    void onClick(QTreeWidgetItem* row) override;

private:
    int m_highlighted = -1;
};

class CZvListView : public CZvViewBase {
    Q_OBJECT
public:
    int itemCount() const override;
    void clear() override;
    CZvListCtrl* list() const { return m_list; }

protected:
    CZvListView(QWidget* parent, CZvListCtrl* list, const QString& title, const QStringList& columns);
    // The references of the current symbol (of the SAL context for built-ins).
    CXrefList* currentReferences(bool bSalToo) const;

    CZvListCtrl* m_list;
};

class CZvClassDeclView : public CZvListView {
    Q_OBJECT
public:
    explicit CZvClassDeclView(QWidget* parent);
    QString viewName() const override { return "CZvClassDeclView"; }
    bool doUpdate() override;
};

class CZvClassRefView : public CZvListView {
    Q_OBJECT
public:
    explicit CZvClassRefView(QWidget* parent);
    QString viewName() const override { return "CZvClassRefView"; }
    bool doUpdate() override;
};

class CZvVarRefView : public CZvListView {
    Q_OBJECT
public:
    explicit CZvVarRefView(QWidget* parent);
    QString viewName() const override { return "CZvVarRefView"; }
    bool doUpdate() override;
    void itemDeleted(HITEM hItem) override;
    void setSelectedItem(const CGItem* item);
    // A row was clicked: the pane's usage view highlights the item's parent.
    void itemSelected(const CGItem* item);
    CZvVarRefListCtrl* refList() const;
};

class CZvVarUsageView : public CZvListView {
    Q_OBJECT
public:
    explicit CZvVarUsageView(QWidget* parent);
    QString viewName() const override { return "CZvVarUsageView"; }
    bool doUpdate() override;
    void clear() override;
    void itemDeleted(HITEM hItem) override;
    void selectItem(const CGItem* item);
    // A row was clicked: the pane's reference view highlights its rows.
    void parentSelected(const CGItem* item);
    CZvVarUsageListCtrl* usageList() const;
};
