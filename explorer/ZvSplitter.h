#pragma once
// The panes of the references tab: one-column splitters whose rows are
// views, each with a caption and a fold button; and the base of every view,
// which keeps the fold state and the row height in the settings store.
#include <QSplitter>
#include <QString>
#include <QToolButton>
#include <QWidget>
#include <vector>

#include "contracts/OutlineKit.h"

class CZvCaption;
class CZvSplitter;
class CZvTabView;
class CReference;

class CZvViewBase : public QWidget {
    Q_OBJECT
public:
    explicit CZvViewBase(QWidget* parent = nullptr);
    // Writes the row height and fold state.
    ~CZvViewBase() override;

    // The class name: the prefix of the view's values in the settings store.
    virtual QString viewName() const { return QString(); }
    virtual int itemCount() const { return 0; }
    virtual void itemDeleted(HITEM /*hItem*/) {}
    virtual void clear() {}
    virtual void placedInRow() {}
    virtual void open();
    virtual void fold();
    // Fills the view for the current symbol.
    virtual bool doUpdate() { return false; }

    // Placed in its row: reads height and state (defaults 100 and 1).
    void placeInRow(CZvSplitter* pane, int row);
    bool isOpen() const { return m_state != 0; }
    int height() const { return m_height; }
    int row() const { return m_row; }
    CZvCaption* caption() const { return m_caption; }
    QToolButton* foldButton() const { return m_foldButton; }
    void setButtonShown(bool bShown);
    void onFoldButton();
    // The pane is going: keep the open row's height, ask the pane no more.
    void detachFromPane();

protected:
    // The caption (with its title) and the widget below it.
    void initView(const QString& title, QWidget* content);
    CZvSplitter* pane() const { return m_pane; }
    HITEM getCurrentItem() const;
    HOUTLINE getCurrentOutline() const;

private:
    void rememberHeight();

    QToolButton* m_foldButton = nullptr;
    bool m_bButtonShown = true;
    CZvSplitter* m_pane = nullptr;
    int m_height = 100;
    int m_state = 1;
    CZvCaption* m_caption = nullptr;
    int m_row = 0;
    QString m_name;
};

class CZvPane {
public:
    virtual void itemDeleted(HITEM /*hItem*/) {}
    virtual ~CZvPane() = default;
    virtual void clear() = 0;
    virtual QWidget* window() = 0;
    virtual bool checkItemType() = 0;
    virtual bool update() = 0;
};

class CZvSplitter : public QSplitter, public CZvPane {
    Q_OBJECT
public:
    CZvSplitter(CZvTabView* parent, int rows);
    ~CZvSplitter() override;

    template <class View> bool createPane(int row)
    {
        View* view = new View(this);
        return placePane(row, view);
    }
    CZvViewBase* viewAt(int row) const;
    int rowCount() const { return m_rowCount; }
    HITEM getCurrentItem() const;
    HOUTLINE getCurrentOutline() const;

    void itemDeleted(HITEM hItem) override;
    void clear() override;
    QWidget* window() override { return this; }
    bool update() override;
    // Sets every row to its ideal height: folded rows to their caption.
    void layoutRows();

private:
    bool placePane(int row, CZvViewBase* view);

    std::vector<CZvViewBase*> m_views;
    CZvTabView* m_parent;
    int m_rowCount;
};

// Classes: base classes, sub classes, declarations, references.
class CZvClassPane : public CZvSplitter {
    Q_OBJECT
public:
    explicit CZvClassPane(CZvTabView* parent);
    bool checkItemType() override;
};

// Functions: callees, callers, references.
class CZvFunctionPane : public CZvSplitter {
    Q_OBJECT
public:
    explicit CZvFunctionPane(CZvTabView* parent);
    bool checkItemType() override;
};

// Variables, constants, windows: references and usage per declaring parent.
class CZvVarPane : public CZvSplitter {
    Q_OBJECT
public:
    explicit CZvVarPane(CZvTabView* parent);
    bool checkItemType() override;
    // A reference row was clicked: the usage view highlights its parent.
    void itemSelected(const CGItem* item);
    // A usage row was clicked: the reference view highlights its rows.
    void parentSelected(const CGItem* item);
};

// What the panes accept, by item type.
bool ZvIsClassItem(const CGItem& item);
bool ZvIsFunctionItem(const CGItem& item);
bool ZvIsVariableItem(const CGItem& item);
