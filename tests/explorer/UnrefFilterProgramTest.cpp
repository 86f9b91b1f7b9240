// Filters on the sample program: the first filter of a fresh installation,
// "All symbols", lists exactly what no filter lists, so that starting with it
// hides nothing; the editor offers the program's includes as library names.
#include "ExplorerFixture.h"
#include "engine/UnrefSearch.h"
#include "explorer/ZvUnrefFilterTree.h"
#include "explorer/ZvUnrefFilterView.h"
#include "settings/ZvFilterCollection.h"

namespace {

class UnrefFilterProgram : public zvtest::ExplorerTest {
protected:
    void SetUp() override
    {
        ExplorerTest::SetUp();
        Parse();
    }
    std::vector<HITEM> Find(const CZvParentItemFilter* pFilter) const
    {
        CUnrefSearch::Filter filter;
        if (pFilter) filter = [pFilter](CGItem& item) { return pFilter->match(item); };
        return CUnrefSearch::Find(m_hOutline, CGApplication(m_hOutline).GetItem(), filter);
    }
};

} // namespace

TEST_F(UnrefFilterProgram, ListsWhatNoFilterLists)
{
    ZvEnsureFirstFilter();  // the editor of the Unreferenced tab may have stored it already
    CZvParentItemFilter* pAll = CZvFilterCollection::shared()->get("All symbols");
    ASSERT_NE(pAll, nullptr);
    const std::vector<HITEM> unfiltered = Find(nullptr);
    ASSERT_FALSE(unfiltered.empty());
    EXPECT_EQ(Find(pAll), unfiltered);

    // The sample's library contributes unreferenced symbols: exclude-all and
    // the include's text take exactly those out.
    std::vector<HITEM> own;
    for (HITEM h : unfiltered)
        if (CGItem(m_hOutline, h).IsReadOnly() == 0) own.push_back(h);
    ASSERT_LT(own.size(), unfiltered.size());
    pAll->add(std::string("stocklib.apl"));
    EXPECT_EQ(Find(pAll), own);
    pAll->removeLib("stocklib.apl");
    pAll->setExcludeAll(true);
    EXPECT_EQ(Find(pAll), own);
    pAll->setExcludeAll(false);

    // Programs with other kinds of declarations: classes, events,
    // enumerations, late binding.
    for (const char* fixture : {"engine/unreferenced.apt", "engine/classes.apt", "realprog/code.apt",
                                "realprog/classes.apt", "orders.apt"}) {
        Reopen(std::string(ZV_FIXTURES_DIR) + "/" + fixture);
        Parse();
        const std::vector<HITEM> all = Find(nullptr);
        EXPECT_FALSE(all.empty()) << fixture;
        EXPECT_EQ(Find(pAll), all) << fixture;
    }
}

TEST_F(UnrefFilterProgram, EditorOffersTheIncludesOfTheProgram)
{
    CZvUnrefFilterView view;
    EXPECT_TRUE(view.tree()->libraryNames().isEmpty());
    ASSERT_TRUE(view.doUpdate());
    // The commented-out include is no include.
    EXPECT_EQ(view.tree()->libraryNames(), QStringList{"stocklib.apl"});
    EXPECT_NE(view.tree()->librariesNode(), nullptr);
}
