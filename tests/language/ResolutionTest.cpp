// Resolution rules on a program written for them: scopes, qualified names,
// inheritance, binds, paths and the kit functions the table answers.
#include "LanguageFixture.h"
#include "platform/language/SymbolTable.h"

using namespace zvtest;

namespace {

const char* kScopes = R"(
Application Description: scopes
  Outline Version - 4.0.35
  Design-time Settings
    Fully Qualified External References? Yes
  Libraries
  Global Declarations
    Formats
      Number: 0.00
    External Functions
      Library name: KERNEL32.DLL
        Function: GetTickCount
          Description:
          Returns
            Number: DWORD
          Parameters
    Constants
      System
      User
        Number: MAX_N = 10
        String: SQL_Q = 'SELECT a FROM t WHERE b = :gnAnswer'
      Enumerations
        Enum: eColor
          Attributes
            GUID: {3F2504E0-4F89-11D3-9A0C-0305E82C3301}
          Item: Red = 1
          Item: Green
    Resources
      Bitmap: bmpLogo
    Variables
      Number: nMode
      Number: gnAnswer
      Window Handle: ghWnd
      Sql Handle: hSql
      FunctionalVar: gObj
        Class: cDerived
      String: gsArr[MAX_N]
    Internal Functions
      Function: Calc
        Description:
        Returns
          Number:
        Parameters
          Number: pnA
          Receive Number: rnB
        Static Variables
        Local variables
          Number: nMode
          String: sTime
        Actions
          Set nMode = pnA
          Set rnB = frmMain.nMode
          Call ghWnd.frmMain.dfName
          Call gObj.Top( )
          Call cRight.Who( )
          Set nMode = eColor.Red + Green + GetTickCount( )
          Call SqlPrepare( hSql, 'SELECT a INTO :nMode FROM t WHERE b = :pnA AND c = :sUnknown' )
          Set sTime = 'hh:mm'
          Call Missing( 1 )
          Set nMode = frmMain.dfNope
          Return CALC( 1, NMODE ) + Calc( nMode, 2 ) + Calc( gsArr[1], gsArr[nMode] )
    Named Menus
      Menu: mnuMain
        Title: &Main
        Menu Item: &Go
          Menu Actions
            Call Calc( 1, nMode )
    Class Definitions
      Functional Class: cTop
        Derived From
        Instance Variables
          Number: ivTop
        Functions
          Function: Who
            Actions
              Return 1
          Function: Top
            Local variables
              Number: nX
            Actions
              Set nX = ivTop
              Return nX
      Functional Class: cLeft
        Derived From
          Class: cTop
        Functions
          Function: Who
            Actions
              Return 2
      Functional Class: cRight
        Derived From
        Functions
          Function: Who
            Actions
              Return 3
          Function: Top
            Actions
              Return 4
      Functional Class: cDerived
        Derived From
          Class: cLeft
          Class: cRight
        Functions
          Function: Who
            Actions
              Return ..Who( ) + cRight.Who( ) + Top( )
    Application Actions
      On SAM_AppStartup
        Call Calc( 1, nMode )
  Form Window: frmMain
    Class:
    Contents
      Data Field: dfName
        Message Actions
          On SAM_Validate
            Set dfName = MyValue
      Child Table: tblT
        Contents
          Column: colC
            Message Actions
              On SAM_Click
                Set colC = nMode + dfName
    Functions
      Function: Show
        Actions
          Set nMode = 1
    Window Variables
      Number: nMode
    Message Actions
      On SAM_Create
        Call Show( )
)";

class Scopes : public LanguageTest {
protected:
    void SetUp() override { LoadText(kScopes); }

    // The symbol that a use at `text` (its n-th occurrence) in the item with that text resolved to.
    std::string ResolvedAt(const std::string& itemText, const std::string& used, int nth = 0) const
    {
        for (const auto& e : rec.symbols)
            if (TextOf(e.item) == itemText &&
                TextOf(e.item).substr(static_cast<std::size_t>(e.position), static_cast<std::size_t>(e.length)) == used &&
                nth-- == 0)
                return PathOf(e.symbol);
        return "(none)";
    }
};

TEST_F(Scopes, LocalsHideGlobalsAndQualifiedNamesReachWindowMembers)
{
    EXPECT_EQ(ResolvedAt("nMode = pnA", "nMode"), "Calc::nMode");
    EXPECT_EQ(ResolvedAt("nMode = pnA", "pnA"), "Calc::pnA");
    EXPECT_EQ(ResolvedAt("rnB = frmMain.nMode", "nMode"), "frmMain::nMode");
    EXPECT_EQ(ResolvedAt("ghWnd.frmMain.dfName", "frmMain"), "frmMain");
    EXPECT_EQ(ResolvedAt("ghWnd.frmMain.dfName", "dfName"), "frmMain::dfName");
    // Window code sees its own variable, the column sees the window's members.
    EXPECT_EQ(ResolvedAt("nMode = 1", "nMode"), "frmMain::nMode");
    EXPECT_EQ(ResolvedAt("colC = nMode + dfName", "nMode"), "frmMain::nMode");
    EXPECT_EQ(ResolvedAt("colC = nMode + dfName", "colC"), "frmMain::tblT::colC");
    EXPECT_EQ(ResolvedAt("Calc( 1, nMode )", "nMode"), "nMode");   // global code: the global
}

TEST_F(Scopes, NamesIgnoreCase)
{
    const std::string text = "CALC( 1, NMODE ) + Calc( nMode, 2 ) + Calc( gsArr[1], gsArr[nMode] )";
    EXPECT_EQ(ResolvedAt(text, "CALC"), "Calc");
    EXPECT_EQ(ResolvedAt(text, "NMODE"), "Calc::nMode");
    EXPECT_EQ(app->GetSymbolFromPath("FRMMAIN::TBLT::COLC"), Sym("frmMain::tblT::colC"));
    EXPECT_EQ(app->GetSymbol("calc", true), Sym("Calc"));
}

TEST_F(Scopes, InheritanceIsDepthFirstInDerivedFromOrder)
{
    // cDerived: cLeft (from cTop), then cRight: cTop's Top comes before cRight's.
    EXPECT_EQ(ResolvedAt("gObj.Top( )", "Top"), "cTop::Top");
    EXPECT_EQ(ResolvedAt("..Who( ) + cRight.Who( ) + Top( )", "Top"), "cTop::Top");
    EXPECT_EQ(ResolvedAt("cRight.Who( )", "Who"), "cRight::Who");
    EXPECT_EQ(ResolvedAt("..Who( ) + cRight.Who( ) + Top( )", "Who", 0), "cDerived::Who");
    EXPECT_EQ(ResolvedAt("..Who( ) + cRight.Who( ) + Top( )", "Who", 1), "cRight::Who");
    EXPECT_EQ(ResolvedAt("nX = ivTop", "ivTop"), "cTop::ivTop");
}

TEST_F(Scopes, LateBindingPointsAtTheTopOfTheOverrideChain)
{
    auto fn = [&](const char* path) { return dynamic_cast<CFunction*>(Sym(path)); };
    EXPECT_EQ(fn("cDerived::Who")->IsLateBound(), fn("cTop::Who"));
    EXPECT_EQ(fn("cLeft::Who")->IsLateBound(), fn("cTop::Who"));
    EXPECT_EQ(fn("cTop::Who")->IsLateBound(), fn("cTop::Who"));
    EXPECT_EQ(fn("cDerived::Who")->GetOverridden(), fn("cLeft::Who"));
    // Overridden by nobody: cDerived's Who overrides cLeft's, found first.
    EXPECT_EQ(fn("cRight::Who")->IsLateBound(), nullptr);
    EXPECT_EQ(fn("Calc")->IsLateBound(), nullptr);
    EXPECT_EQ(fn("cTop::Top")->IsLateBound(), nullptr);
}

TEST_F(Scopes, EnumerationsConstantsAndExternalFunctions)
{
    EXPECT_EQ(ResolvedAt("nMode = eColor.Red + Green + GetTickCount( )", "Red"), "eColor::Red");
    EXPECT_EQ(ResolvedAt("nMode = eColor.Red + Green + GetTickCount( )", "Green"), "eColor::Green");
    EXPECT_EQ(ResolvedAt("nMode = eColor.Red + Green + GetTickCount( )", "GetTickCount"), "GetTickCount");
    // An array bound uses a constant; the declaring variable is the context.
    const auto uses = Uses(Sym("MAX_N"));
    ASSERT_EQ(uses.size(), 1u);
    EXPECT_EQ(uses[0], "gsArr|gsArr[MAX_N]|MAX_N");
    EXPECT_TRUE(dynamic_cast<CFunction*>(Sym("GetTickCount"))->IsExternal());
}

TEST_F(Scopes, PlainVariableArgumentsAreReportedWithTheirParameterNumber)
{
    EXPECT_EQ(PassedAs(Sym("Calc::nMode")), (std::vector<std::string>{"Calc#2", "Calc#1"}));
    // A global passed in global code, in the menu and the startup handler.
    EXPECT_EQ(PassedAs(Sym("nMode")), (std::vector<std::string>{"Calc#2", "Calc#2"}));
    // gsArr[1] is an element passed whole; gsArr[nMode] ends with the index.
    EXPECT_EQ(PassedAs(Sym("gsArr")), (std::vector<std::string>{"Calc#1"}));
    EXPECT_TRUE(PassedAs(Sym("hSql")).size() == 1 && PassedAs(Sym("hSql"))[0] == "SqlPrepare#1");
}

TEST_F(Scopes, UnresolvedNamesAreNamedWithTheirContext)
{
    ASSERT_EQ(rec.unresolved.size(), 2u);
    EXPECT_EQ(rec.unresolved[0].first, "Unresolved symbol 'Missing' in Calc");
    EXPECT_EQ(TextOf(rec.unresolved[0].second), "Missing( 1 )");
    EXPECT_EQ(rec.unresolved[1].first, "Unresolved symbol 'frmMain.dfNope' in Calc");
}

TEST_F(Scopes, BindsResolveInTheirScopeAndUnknownOnesAreReportedWithTheirSpan)
{
    const std::string sql = "SqlPrepare( hSql, 'SELECT a INTO :nMode FROM t WHERE b = :pnA AND c = :sUnknown' )";
    EXPECT_EQ(ResolvedAt(sql, "nMode"), "Calc::nMode");
    EXPECT_EQ(ResolvedAt(sql, "pnA"), "Calc::pnA");
    ASSERT_EQ(rec.binds.size(), 1u);
    EXPECT_EQ(TextOf(rec.binds[0].item).substr(static_cast<std::size_t>(rec.binds[0].position),
                                               static_cast<std::size_t>(rec.binds[0].length)),
              "sUnknown");
    // 'hh:mm' is no SQL; the constant's bind resolves in global scope.
    EXPECT_EQ(ResolvedAt("SQL_Q = 'SELECT a FROM t WHERE b = :gnAnswer'", "gnAnswer"), "gnAnswer");
}

TEST_F(Scopes, WithoutBindsStringsAreNotLookedInto)
{
    Recorder before = rec;
    rec = Recorder();
    Parse(false);
    EXPECT_TRUE(rec.binds.empty());
    EXPECT_TRUE(Uses(Sym("gnAnswer")).empty());
    EXPECT_EQ(rec.symbols.size(), before.symbols.size() - 3);
}

TEST_F(Scopes, NamePathsFollowTheTable)
{
    for (const char* path : {"nMode", "MAX_N", "Calc", "cTop", "frmMain", "Calc::pnA", "Calc::nMode", "cTop::Who",
                             "cTop::ivTop", "cTop::Top::nX", "frmMain::dfName", "frmMain::tblT::colC",
                             "frmMain::Show", "frmMain::nMode", "GetTickCount", "eColor", "eColor::Red",
                             "mnuMain", "bmpLogo"}) {
        CSalSymbol* s = Sym(path);
        ASSERT_NE(s, nullptr) << path;
        CGItem own;
        EXPECT_EQ(std::string(GetNamePrefix(m_program, s->GetItem().GetItem(), own)), path);
        EXPECT_EQ(own.GetItem(), s->GetItem().GetItem());
    }
    // Handlers are named after their owner; statements declare nothing.
    CSalSymbol* handler = nullptr;
    for (const auto& e : rec.symbols)
        if (TextOf(e.item) == "Show( )") handler = e.context;
    ASSERT_NE(handler, nullptr);
    EXPECT_EQ(handler->GetKind(), SymbolKind::Handler);
    EXPECT_EQ(PathOf(handler), "frmMain::SAM_Create");
    EXPECT_EQ(app->GetSymbolFromPath("frmMain::SAM_Create"), nullptr);
    CGItem own;
    HITEM statement = 0;
    for (const auto& e : rec.symbols)
        if (TextOf(e.item) == "Show( )") statement = e.item;
    EXPECT_EQ(std::string(GetNamePrefix(m_program, statement, own)), "");
    EXPECT_EQ(app->GetSymbolFromPath("KERNEL32::GetTickCount"), nullptr);
    EXPECT_EQ(app->GetSymbolFromPath("frmMain::nosuch"), nullptr);
}

TEST_F(Scopes, ParentContextsAndKinds)
{
    EXPECT_EQ(Sym("Calc::pnA")->GetParentContext(), Sym("Calc"));
    EXPECT_TRUE(Sym("Calc::rnB")->IsReceive());
    EXPECT_NE(dynamic_cast<CClass*>(Sym("cTop::Who")->GetParentContext()), nullptr);
    EXPECT_NE(dynamic_cast<CWindow*>(Sym("frmMain::Show")->GetParentContext()), nullptr);
    EXPECT_TRUE(dynamic_cast<CWindow*>(Sym("frmMain"))->IsTopLevel());
    EXPECT_FALSE(dynamic_cast<CWindow*>(Sym("frmMain::tblT::colC"))->IsTopLevel());
    EXPECT_EQ(Sym("gObj")->GetObjectClass(), Sym("cDerived"));
    EXPECT_EQ(Sym("ghWnd")->GetDataType(), SalDataType::WindowHandle);
    EXPECT_TRUE(Sym("gsArr")->IsArray());
}

TEST_F(Scopes, MarkedIdentifierResolvesWhereTheLineStands)
{
    auto itemWithText = [&](const std::string& text) {
        for (const auto& e : rec.symbols)
            if (TextOf(e.item) == text) return e.item;
        return HITEM(0);
    };
    const HITEM calcLine = itemWithText("rnB = frmMain.nMode");
    ASSERT_NE(calcLine, 0u);
    const std::string line = "Set rnB = frmMain.nMode";
    const int at = static_cast<int>(line.rfind("nMode"));
    EXPECT_EQ(GetMarkedVarDeclExt(m_program, calcLine, line, at, at + 5, calcLine),
              Sym("frmMain::nMode")->GetItem().GetItem());
    EXPECT_EQ(GetMarkedVarDeclExt(m_program, calcLine, "Set nMode = pnA", 4, 9, calcLine),
              Sym("Calc::nMode")->GetItem().GetItem());
    // A caret inside the name, no selection.
    EXPECT_EQ(GetMarkedVarDeclExt(m_program, calcLine, "Set nMode = pnA", 13, 13, calcLine),
              Sym("Calc::pnA")->GetItem().GetItem());
    const std::string sql = "Call SqlPrepare( hSql, 'SELECT a INTO :nMode FROM t' )";
    const int bind = static_cast<int>(sql.find(":nMode")) + 2;
    EXPECT_EQ(GetMarkedVarDeclExt(m_program, calcLine, sql, bind, bind, calcLine),
              Sym("Calc::nMode")->GetItem().GetItem());
    EXPECT_EQ(GetMarkedVarDeclExt(m_program, calcLine, sql, 5, 15, calcLine), 0u);   // a built-in
    EXPECT_EQ(GetMarkedVarDeclExt(m_program, calcLine, "Call Nowhere( )", 5, 12, calcLine), 0u);
    EXPECT_EQ(GetMarkedVarDeclExt(m_program, calcLine, "Set x = 'abc'", 10, 11, calcLine), 0u);
}

TEST_F(Scopes, EveryDeclarationIsAnnouncedOnceWithItsNameSpan)
{
    std::vector<CSalSymbol*> announced;
    for (const auto& e : rec.added) {
        if (e.position < 0 || e.symbol->IsBuiltIn()) continue;
        announced.push_back(e.symbol);
        EXPECT_EQ(TextOf(e.item).substr(static_cast<std::size_t>(e.position), static_cast<std::size_t>(e.length)),
                  e.symbol->GetName());
    }
    std::vector<CSalSymbol*> declared;
    for (const auto& s : app->GetTable()->Symbols())
        if (!s->IsBuiltIn() && s->GetKind() != SymbolKind::Handler) declared.push_back(s.get());
    EXPECT_EQ(Sorted(announced), Sorted(declared));
    EXPECT_GT(declared.size(), 30u);
}

} // namespace
