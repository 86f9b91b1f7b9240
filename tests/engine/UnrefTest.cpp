// The unreferenced-symbol search: the walk, the rules that drop symbols,
// the marker, and deleting what was found.
#include "EngineFixture.h"
#include "engine/UnrefSearch.h"

namespace {

class Unref : public zvtest::EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        Open({"engine/unreferenced.apt"});
        Parse();
    }
    std::vector<std::string> Names(const std::vector<HITEM>& handles)
    {
        std::vector<std::string> names;
        for (HITEM h : handles) names.push_back(CGItem(m_hOutline, h).GetName());
        return names;
    }
    std::vector<std::string> FindAll(const CUnrefSearch::Filter& filter = {})
    {
        return Names(CUnrefSearch::Find(m_hOutline, CGApplication(m_hOutline).GetItem(), filter));
    }
};

} // namespace

TEST_F(Unref, WalkCollectsDeclarationsButNeverCommentsOrWindows)
{
    std::vector<HITEM> all;
    CGApplication app(m_hOutline);
    CUnrefSearch::GetSymbolsBelow(app, all);
    const auto names = Names(all);
    for (const char* expected : {"USED_Const", "IDLE_Const", "eMode", "MODE_On", "MODE_Off", "gnUsed", "Main",
                                 "pnIdle", "nIdle", "cBase", "ivIdle", "Act", "nWindowIdle"})
        EXPECT_NE(std::find(names.begin(), names.end(), expected), names.end()) << expected;
    for (const char* never : {"", "OLD_Const", "OLDER_Const", "gsCommented", "frmMain", "dfIdle"})
        EXPECT_EQ(std::find(names.begin(), names.end(), never), names.end()) << never;
}

TEST_F(Unref, DropRulesAndTheMarker)
{
    const auto found = FindAll();
    // Main and cDerived: nothing calls or uses them. "__REFERENCED": a text that
    // begins with the marker does not count as marked. eMode is in use through MODE_On.
    const std::vector<std::string> expected = {"IDLE_Const", "MODE_Off", "__REFERENCED", "Main", "pnIdle",
                                               "nIdle", "Idle", "cDerived", "ivIdle", "nWindowIdle"};
    auto sorted = found;
    std::sort(sorted.begin(), sorted.end());
    auto want = expected;
    std::sort(want.begin(), want.end());
    EXPECT_EQ(sorted, want);
    // Not listed: marked, the destructor, late bound (the overrides of Act and
    // their parameters), a name the store holds as an unresolved bind (the
    // local nLocalBound, bound where it is not visible), used.
    for (const char* kept : {"eMode", "gnMarked", "ObjectDestructor", "Act", "pnHow", "nLocalBound", "gsBound", "cBase", "gnUsed"})
        EXPECT_EQ(std::find(found.begin(), found.end(), kept), found.end()) << kept;
    EXPECT_NE(App().GetUresolvedBinds("nLocalBound"), nullptr);
    EXPECT_EQ(App().GetReferences(Find("Number: nLocalBound").GetItem()), nullptr);
    CGItem begins = zvtest::FindItem(m_hOutline, "String: __REFERENCED");
    EXPECT_FALSE(CUnrefSearch::isMarkedReferenced(begins));
    CGItem marked = Find("Number: gnMarked");
    EXPECT_TRUE(CUnrefSearch::isMarkedReferenced(marked));
}

TEST_F(Unref, AFilterNarrowsTheList)
{
    const auto onlyLocals = FindAll([](CGItem& item) {
        CGItem parent;
        item.GetParentItem(parent);
        return parent.GetItemType() == ItemType::LocalVariables;
    });
    EXPECT_EQ(onlyLocals, std::vector<std::string>{"nIdle"});
}

TEST_F(Unref, NothingWithoutAParseOrAnItem)
{
    EXPECT_TRUE(CUnrefSearch::Find(m_hOutline, 0, {}).empty());
    App().SetOutline(m_hOutline);  // no parse result any more
    EXPECT_TRUE(CUnrefSearch::Find(m_hOutline, CGApplication(m_hOutline).GetItem(), {}).empty());
}

TEST_F(Unref, DeletingTheFoundSymbolsNullsTheirHandles)
{
    std::vector<HITEM> found = CUnrefSearch::Find(m_hOutline, CGApplication(m_hOutline).GetItem(), {});
    const std::size_t count = found.size();
    found.insert(found.begin(), 0);  // a row whose item failed to show
    // pnIdle and nIdle go with Main.
    EXPECT_EQ(CUnrefSearch::DeleteItems(m_hOutline, found), static_cast<int>(count) - 2);
    EXPECT_NE(zvtest::FindItem(m_hOutline, "Item: MODE_On").GetItem(), 0u);
    for (HITEM h : found) EXPECT_TRUE(h == 0 || !CGItem(m_hOutline, h).IsValid());
    EXPECT_EQ(zvtest::FindItem(m_hOutline, "Function: Idle").GetItem(), 0u);
    EXPECT_EQ(CUnrefSearch::DeleteItems(m_hOutline, found), 0);  // nothing twice
}
