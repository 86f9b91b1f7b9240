#pragma once
// The base of both views of the Unreferenced tab: the filter combo, filled
// from the shared filter collection with the default marked, and the filter
// in force. The combo always shows the filter in force, so that what the
// user reads in it is what the view applies.
#include <QComboBox>
#include <QString>

#include "explorer/ZvSplitter.h"
// Complete for the signals that carry filters across views.
#include "settings/ZvParentItemFilter.h"

class CZvUnrefViewBase : public CZvViewBase {
    Q_OBJECT
public:
    explicit CZvUnrefViewBase(QWidget* parent = nullptr);

    // Null until created.
    QComboBox* filterCombo() const { return m_combo; }
    // The filter in force; null when none is stored.
    CZvParentItemFilter* filter() const { return m_pFilter; }
    // Stores the pointer and shows its name in the combo; derived views also
    // hand it to their list or tree.
    virtual void setFilter(CZvParentItemFilter* pFilter);

    // Refills the combo from the shared collection, marks and selects the
    // default (the first entry without one), and puts it in force.
    void loadFilters();
    // Appends a name; with `select` it is selected and put in force.
    void addFilter(const QString& name, bool select);

protected:
    // 16 x 16 marks (7150 the default), the caption's font, rows 20 high;
    // filled at once.
    QComboBox* createFilterCombo(QWidget* parent);
    // The user picked a name in the combo.
    virtual void onFilterSelected(const QString& name);

private:
    void appendName(const QString& name, bool bDefault);
    void showInCombo(const CZvParentItemFilter* pFilter);

    QComboBox* m_combo = nullptr;
    CZvParentItemFilter* m_pFilter = nullptr;
};
