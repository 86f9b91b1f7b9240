// The unreferenced-symbol search: the walk, the rules that drop symbols,
// the marker, and deleting what was found.
#include "EngineFixture.h"
#include "engine/UnrefSearch.h"

using zvtest::Crlf;

namespace {

const std::string kProgram = Crlf(
    ".head 0 +  Application Description: unref\n"
    ".head 1 +  Global Declarations\n"
    ".head 2 +  Constants\n"
    ".head 3 -  System\n"
    ".head 3 +  User\n"
    ".head 4 -  Number: USED_Const = 1\n"
    ".head 4 -  Number: IDLE_Const = 2\n"
    ".head 4 +  ! Number: OLD_Const = 3\n"
    ".head 5 -  Number: OLDER_Const = 4\n"
    ".head 3 +  Enumerations\n"
    ".head 4 +  Enumeration: eMode\n"
    ".head 5 -  MODE_On = 1\n"
    ".head 5 -  MODE_Off\n"
    ".head 2 +  Variables\n"
    ".head 3 -  Number: gnUsed\n"
    ".head 3 +  Number: gnMarked\n"
    ".head 4 -  ! __REFERENCED by the report DLL\n"
    ".head 3 -  String: gsBound\n"
    ".head 3 -  String: __REFERENCED\n"
    ".head 3 -  ! String: gsCommented\n"
    ".head 2 +  Internal Functions\n"
    ".head 3 +  Function: Main\n"
    ".head 4 +  Parameters\n"
    ".head 5 -  Number: pnIdle\n"
    ".head 4 +  Local variables\n"
    ".head 5 -  Number: nIdle\n"
    ".head 4 +  Actions\n"
    ".head 5 -  Set gnUsed = USED_Const + MODE_On\n"
    ".head 5 -  Call SqlPrepare( hSql, 'SELECT a FROM t INTO :gsBound' || gsX )\n"
    ".head 5 -  Call SqlPrepare( hSql, 'SELECT a FROM t INTO :gsBound' )\n"
    ".head 5 -  Call oBase.Act( 1 )\n"
    ".head 5 -  Call SqlPrepare( hSql, 'SELECT a FROM t INTO :nLocalBound' )\n"
    ".head 3 +  Function: Idle\n"
    ".head 4 +  Local variables\n"
    ".head 5 -  Number: nLocalBound\n"
    ".head 4 +  Actions\n"
    ".head 5 -  Return 0\n"
    ".head 2 +  Class Definitions\n"
    ".head 3 +  Functional Class: cBase\n"
    ".head 4 -  Derived From\n"
    ".head 4 +  Instance Variables\n"
    ".head 5 -  Number: ivIdle\n"
    ".head 4 +  Functions\n"
    ".head 5 +  Function: Act\n"
    ".head 6 +  Parameters\n"
    ".head 7 -  Number: pnHow\n"
    ".head 6 +  Actions\n"
    ".head 7 -  Return 1\n"
    ".head 5 +  Function: ObjectDestructor\n"
    ".head 6 +  Actions\n"
    ".head 7 -  Return 0\n"
    ".head 3 +  Functional Class: cDerived\n"
    ".head 4 +  Derived From\n"
    ".head 5 -  Class: cBase\n"
    ".head 4 +  Functions\n"
    ".head 5 +  Function: Act\n"
    ".head 6 +  Parameters\n"
    ".head 7 -  Number: pnHow\n"
    ".head 6 +  Actions\n"
    ".head 7 -  Return 2\n"
    ".head 1 +  Form Window: frmMain\n"
    ".head 2 +  Window Variables\n"
    ".head 3 -  Number: nWindowIdle\n"
    ".head 2 +  Contents\n"
    ".head 3 +  Data Field: dfIdle\n"
    ".head 4 -  Class:\n");

class Unref : public zvtest::EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        // oBase is declared late so the program parses: the global object of the base class.
        std::string text = kProgram;
        text.replace(text.find(".head 3 -  ! String: gsCommented"), 0,
                     ".head 3 +  FunctionalVar: oBase\r\n.head 4 -  Class: cBase\r\n");
        OpenPath(m_tmp.Write("unref.apt", text));
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
    EXPECT_NE(zvtest::FindItem(m_hOutline, "MODE_On").GetItem(), 0u);
    for (HITEM h : found) EXPECT_TRUE(h == 0 || !CGItem(m_hOutline, h).IsValid());
    EXPECT_EQ(zvtest::FindItem(m_hOutline, "Function: Idle").GetItem(), 0u);
    EXPECT_EQ(CUnrefSearch::DeleteItems(m_hOutline, found), 0);  // nothing twice
}
