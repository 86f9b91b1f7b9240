#pragma once
// The filter editor of the Unreferenced tab: Save, Save as, Remove, New and
// Make default buttons, the filter combo, and the tree of the filter in force.
// Stored changes are announced by signals, so that the list view follows.
#include <QToolButton>
#include <functional>

#include "explorer/ZvUnrefViewBase.h"

class CNewFilterNameDlg;
class CZvUnrefFilterTree;

class CZvUnrefFilterView : public CZvUnrefViewBase {
    Q_OBJECT
public:
    enum Button { SaveButton, SaveAsButton, RemoveButton, NewButton, DefaultButton, ButtonCount };

    // Stores a first filter when there is none, then fills the combo.
    explicit CZvUnrefFilterView(QWidget* parent = nullptr);

    QString viewName() const override { return "CZvUnrefFilterView"; }
    // No count in the caption.
    int itemCount() const override { return -1; }
    void clear() override;
    // Rebuilds the tree and offers the program's includes as library names.
    bool doUpdate() override;
    void setFilter(CZvParentItemFilter* pFilter) override;

    CZvUnrefFilterTree* tree() const { return m_tree; }
    QToolButton* button(Button which) const { return m_buttons[which]; }

    void save();
    void saveAs();
    void newFilter();
    void removeFilter();
    void makeDefaultFilter();

    // Runs the name dialog and returns its result; tests answer it in place
    // of a person. Returns the previous runner.
    using NameDialogRunner = std::function<int(CNewFilterNameDlg&)>;
    static NameDialogRunner setNameDialogRunner(NameDialogRunner runner);

signals:
    void filterSaved(CZvParentItemFilter* pFilter);
    void filterDeleted(CZvParentItemFilter* pFilter);
    void filterAdded(CZvParentItemFilter* pFilter);
    void newDefaultFilter(CZvParentItemFilter* pFilter);

private:
    bool askName(QString& name);
    // Stores a filter new to the collection and puts it in force.
    void adopt(std::unique_ptr<CZvParentItemFilter> pNew);
    // After a save has reloaded the collection: the filters the views hold
    // (the one in force unless it is gone, those with unsaved edits) take
    // their names again.
    void keepInCollection();
    void showTitle();
    void enableButtons();

    CZvUnrefFilterTree* m_tree = nullptr;
    QToolButton* m_buttons[ButtonCount] = {};
};

// The "File Include:" texts of an outline's Libraries section, as filters name libraries.
QStringList ZvIncludeTexts(HOUTLINE hOutline);
