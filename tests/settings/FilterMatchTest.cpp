// Filters applied to the declarations of a real outline that includes a
// library: judged by the declaring parent's type, libraries named by their
// include text, enumeration items by their own node.
#include "SettingsStore.h"
#include "contracts/OutlineKit.h"
#include "platform/outline/HostState.h"

namespace {

class FilterMatch : public zvtest::SettingsTest {
protected:
    void SetUp() override
    {
        SettingsTest::SetUp();
        std::string error;
        m_hOutline = zv::host::OpenOutline(ZV_FIXTURES_DIR "/orders.apt", &error);
        ASSERT_NE(m_hOutline, 0u) << error;
    }
    void TearDown() override
    {
        if (m_hOutline) zv::host::CloseOutline(m_hOutline);
        SettingsTest::TearDown();
    }

    // The item that declares `name`.
    CGItem Symbol(const std::string& name) const
    {
        std::vector<HITEM> pending{CGApplication(m_hOutline).GetItem()};
        while (!pending.empty()) {
            const CGItem item(m_hOutline, pending.back());
            pending.pop_back();
            if (item.GetName() == name) return item;
            for (HITEM h = item.GetFirstChild(); h; h = CGItem(m_hOutline, h).GetNextSibling())
                pending.push_back(h);
        }
        ADD_FAILURE() << "no declaration of " << name;
        return CGItem(m_hOutline, 0);
    }

    HOUTLINE m_hOutline = 0;
};

} // namespace

TEST_F(FilterMatch, ParentTypeDecides)
{
    CZvParentItemFilter filter("Filter");
    for (const char* name : {"eLogLevel", "LEVEL_Quiet", "gnCustomerId", "Connect", "pnId", "nError", "LogWrite"})
        EXPECT_FALSE(filter.match(Symbol(name))) << "an empty filter showed " << name;
    filter.add(static_cast<std::uint16_t>(136));
    filter.add(static_cast<std::uint16_t>(135));  // a function is no section of symbols
    EXPECT_TRUE(filter.match(Symbol("nError")));
    EXPECT_FALSE(filter.match(Symbol("pnId")));
    EXPECT_FALSE(filter.match(Symbol("Connect")));
    filter.add(static_cast<std::uint16_t>(300));  // the variable's own type
    EXPECT_FALSE(filter.match(Symbol("gnCustomerId")));
}

TEST_F(FilterMatch, EnumerationItemsGoByTheirOwnNode)
{
    const CGItem quiet = Symbol("LEVEL_Quiet");
    ASSERT_EQ(quiet.GetItemType(), ItemType::EnumerationItem);
    CZvParentItemFilter filter("Filter");
    filter.add(static_cast<std::uint16_t>(527));  // the tree's "Item"; their parent has no node
    EXPECT_TRUE(filter.match(quiet));
    EXPECT_FALSE(filter.match(Symbol("eLogLevel")));
    filter.remove(static_cast<std::uint16_t>(527));
    filter.add(static_cast<std::uint16_t>(525));
    EXPECT_TRUE(filter.match(Symbol("eLogLevel")));
    EXPECT_FALSE(filter.match(quiet));
}

TEST_F(FilterMatch, LibrariesAreHiddenByExactIncludeTextOrAll)
{
    const CGItem logWrite = Symbol("LogWrite");
    ASSERT_NE(logWrite.IsReadOnly(), 0);
    CZvParentItemFilter filter("Filter");
    filter.add(static_cast<std::uint16_t>(134));
    filter.add(std::string("COMMON.APL"));
    filter.add(std::string("oldstuff.apl"));
    EXPECT_TRUE(filter.match(logWrite));
    filter.setExcludeAll(true);
    EXPECT_FALSE(filter.match(logWrite));
    EXPECT_TRUE(filter.match(Symbol("Connect")));

    // Saved and loaded again through the store. (The store could not keep
    // both spellings: its names ignore case.)
    filter.removeLib("COMMON.APL");
    filter.add(std::string("common.apl"));
    filter.save();
    const CZvParentItemFilter* pLoaded = CZvFilterCollection::shared()->get("Filter");
    ASSERT_NE(pLoaded, nullptr);
    EXPECT_TRUE(pLoaded->getExcludeAll());  // stored with the filter
    EXPECT_FALSE(pLoaded->match(logWrite));
    EXPECT_TRUE(pLoaded->match(Symbol("Connect")));
}
