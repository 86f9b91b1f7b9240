#pragma once
// The explorer's tab view and its tabs. The references tab shows the pane
// (or panes) that handle the current symbol's kind.
#include <QLabel>
#include <QStackedWidget>
#include <QTabWidget>
#include <vector>

#include "contracts/OutlineKit.h"

class CZvPane;
class CZvTabView;
class CZvPrefView;
class CZvUnrefTab;

class CZvTab {
public:
    explicit CZvTab(CZvTabView* parent);
    virtual ~CZvTab() = default;
    virtual bool update();
    virtual void clear();
    virtual void itemDeleted(HITEM hItem);
    virtual QWidget* page() = 0;
    const std::vector<CZvPane*>& panes() const { return m_panes; }

protected:
    CZvTabView* m_parent;
    std::vector<CZvPane*> m_panes;
};

class CZvRefTab : public CZvTab {
public:
    explicit CZvRefTab(CZvTabView* parent);
    bool update() override;
    QWidget* page() override { return m_stack; }
    // The pane on show, or null while the placeholder says why nothing shows.
    CZvPane* visiblePane() const;
    QLabel* placeholder() const { return m_placeholder; }

private:
    QStackedWidget* m_stack;
    QLabel* m_placeholder;
};

class CZvPrefTab : public CZvTab {
public:
    explicit CZvPrefTab(CZvTabView* parent);
    QWidget* page() override;
    CZvPrefView* view() const;
};

class CZvTabView : public QTabWidget {
    Q_OBJECT
public:
    explicit CZvTabView(QWidget* parent = nullptr);
    ~CZvTabView() override;
    bool createTabs();
    // Updates the visible tab, unless it already shows the current state.
    bool update();
    // Empties every tab, not only the visible one.
    void clear();
    void itemDeleted(HITEM hItem);
    void selectTab(int index);
    // Something the tabs show changed: each updates when it is next shown.
    void invalidate();
    CZvTab* tab(int index) const;
    CZvRefTab* refTab() const { return m_refTab; }
    CZvUnrefTab* unrefTab() const { return m_unrefTab; }
    CZvPrefTab* prefTab() const { return m_prefTab; }
    bool isPrefTabVisible() const;
    bool isUnrefTabVisible() const;
    int updateCount() const { return m_updates; }
    // The label a tab was added with, whether or not it is shown now.
    QString fullLabel(int index) const;

protected:
    void tabInserted(int index) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // In a narrow bar, tabs other than the current one show their icon
    // only (the name in the tool tip), rather than every label cut short.
    void fitLabels();
    void onCurrentChanged(int index);
    // The unreferenced tab is being shown: the engine may parse first, then the tab fills.
    void showUnreferenced();

    std::vector<CZvTab*> m_tabs;
    std::vector<bool> m_stale;
    CZvRefTab* m_refTab = nullptr;
    CZvUnrefTab* m_unrefTab = nullptr;
    CZvPrefTab* m_prefTab = nullptr;
    int m_updates = 0;
};
