// The filter combo shared by both views of the Unreferenced tab: filled from
// the stored filters with the default marked and in force, and always naming
// the filter the view applies.
#include "UnrefFilterFixture.h"
#include "explorer/ZvUnrefViewBase.h"

namespace {

// A view that shows its combo and counts what reaches setFilter.
class ComboView : public CZvUnrefViewBase {
public:
    ComboView() { createFilterCombo(this); }
    void setFilter(CZvParentItemFilter* pFilter) override
    {
        ++m_nSet;
        CZvUnrefViewBase::setFilter(pFilter);
    }
    using CZvUnrefViewBase::onFilterSelected;
    int m_nSet = 0;
};

using UnrefViewBase = zvtest::UnrefFilterTest;

} // namespace

TEST_F(UnrefViewBase, EmptyStoreLeavesTheComboEmptyAndNoFilterInForce)
{
    ComboView view;
    ASSERT_NE(view.filterCombo(), nullptr);
    EXPECT_EQ(view.filterCombo()->count(), 0);
    EXPECT_EQ(view.filter(), nullptr);
    EXPECT_EQ(view.filterCombo()->iconSize(), QSize(16, 16));
}

TEST_F(UnrefViewBase, DefaultIsMarkedSelectedAndInForce)
{
    Store("Alpha", {137});
    CZvParentItemFilter* pBeta = Store("Beta", {281});
    Store("Gamma", {136});
    pBeta->makeDefault();
    ComboView view;
    QComboBox* combo = view.filterCombo();
    EXPECT_EQ(ComboNames(combo), (std::vector<std::string>{"Alpha", "Beta", "Gamma"}));
    EXPECT_EQ(MarkedRows(combo), std::vector<int>{1});
    EXPECT_EQ(combo->currentText(), "Beta");
    ASSERT_NE(view.filter(), nullptr);
    EXPECT_EQ(view.filter()->getName(), "Beta");
    EXPECT_TRUE(view.filter()->has(281));

    // Without a default the first name is in force, and nothing is marked.
    CZvParentItemFilter("Beta").removeItem();
    view.loadFilters();
    EXPECT_EQ(ComboNames(combo), (std::vector<std::string>{"Alpha", "Gamma"}));
    EXPECT_TRUE(MarkedRows(combo).empty());
    EXPECT_EQ(view.filter()->getName(), "Alpha");
}

TEST_F(UnrefViewBase, ComboAlwaysNamesTheFilterInForce)
{
    Store("Alpha", {137});
    Store("Beta", {281});
    ComboView view;
    QComboBox* combo = view.filterCombo();
    const int nSetAfterLoad = view.m_nSet;

    // The user's choice goes through the view's setFilter.
    Choose(combo, 1);
    EXPECT_EQ(view.m_nSet, nSetAfterLoad + 1);
    EXPECT_EQ(view.filter()->getName(), "Beta");

    // Put in force from elsewhere: the combo follows.
    view.setFilter(CZvFilterCollection::shared()->get("Alpha"));
    EXPECT_EQ(combo->currentText(), "Alpha");

    // Added without selecting: listed, the filter in force stays.
    Store("Gamma", {136});
    view.addFilter("Gamma", false);
    EXPECT_EQ(combo->count(), 3);
    EXPECT_EQ(view.filter()->getName(), "Alpha");
    EXPECT_EQ(combo->currentText(), "Alpha");
    // Added and selected: in force through setFilter, so the list would follow.
    const int nSet = view.m_nSet;
    Store("Delta", {52});
    view.addFilter("Delta", true);
    EXPECT_EQ(view.m_nSet, nSet + 1);
    EXPECT_EQ(view.filter()->getName(), "Delta");
    EXPECT_EQ(combo->currentText(), "Delta");

    // A filter the combo does not list yet is listed when put in force.
    CZvParentItemFilter* pStray = Store("Epsilon", {52});
    view.setFilter(pStray);
    EXPECT_EQ(combo->currentText(), "Epsilon");
    view.setFilter(nullptr);
    EXPECT_EQ(combo->currentIndex(), -1);
}
