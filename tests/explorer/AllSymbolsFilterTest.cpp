// The first filter of a fresh installation on the sample program: "All
// symbols" lists exactly what no filter lists, so that starting with it
// hides nothing; its libraries can still be hidden.
#include "ExplorerFixture.h"
#include "engine/UnrefSearch.h"
#include "settings/ZvFilterCollection.h"

namespace {

class AllSymbolsFilter : public zvtest::ExplorerTest {
protected:
    void SetUp() override
    {
        ExplorerTest::SetUp();
        CZvFilterCollection::discardShared();
        Parse();
    }
    void TearDown() override
    {
        CZvFilterCollection::discardShared();
        ExplorerTest::TearDown();
    }
    std::vector<HITEM> Find(const CZvParentItemFilter* pFilter) const
    {
        CUnrefSearch::Filter filter;
        if (pFilter) filter = [pFilter](CGItem& item) { return pFilter->match(item); };
        return CUnrefSearch::Find(m_hOutline, CGApplication(m_hOutline).GetItem(), filter);
    }
};

} // namespace

TEST_F(AllSymbolsFilter, ListsWhatNoFilterLists)
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
}
