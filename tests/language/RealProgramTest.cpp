// Constructs of real programs that the resolver must read as the compiler
// does: classed and inherited child windows, enumerations, end-of-line
// comments, accented names, event handlers with parameters, window
// parameters, names given as strings.
#include "LanguageFixture.h"
#include "platform/outline/Ident.h"

namespace zvtest {
namespace {

std::string Fixture(const std::string& name) { return std::string(ZV_FIXTURES_DIR) + "/realprog/" + name; }

class RealClasses : public LanguageTest {
protected:
    void SetUp() override { Load(Fixture("classes.apt")); }
};

TEST_F(RealClasses, EverythingResolves)
{
    for (const auto& u : rec.unresolved) ADD_FAILURE() << u.first;
}

TEST_F(RealClasses, ChildWindowsOfAnyKindAreObjectsOfTheirClass)
{
    EXPECT_EQ(Uses(Sym("cSplitter::ResizeObjects")),
              std::vector<std::string>{"frmOrders::SAM_Create|ccSplitter.ResizeObjects(  )|ResizeObjects"});
    EXPECT_EQ(Uses(Sym("cTabBar::SetItemText")),
              std::vector<std::string>{"frmOrders::SAM_Create|tabs.SetItemText( 1, 'Lines' )|SetItemText"});
    EXPECT_EQ(Sym("frmOrders::ccSplitter")->GetObjectClass(), Sym("cSplitter"));
    EXPECT_EQ(Sym("frmOrders::tabs")->GetObjectClass(), Sym("cTabBar"));
}

TEST_F(RealClasses, AnInheritedChildTakesTheClassOfTheChildItInherits)
{
    // picPages of frmOrders names cPagedForm with Ref Key 1: cPagedForm's
    // child with ChildKey 1 is made from cTabPicture.
    EXPECT_EQ(Sym("frmOrders::picPages")->GetObjectClass(), Sym("cTabPicture"));
    EXPECT_EQ(Uses(Sym("cTabPicture::SetLabel")),
              std::vector<std::string>{"frmOrders::SAM_Create|picPages.SetLabel( 'Orders' )|SetLabel"});
    auto* cls = dynamic_cast<CClass*>(Sym("cTabPicture"));
    ASSERT_NE(cls, nullptr);
    std::vector<std::string> windows;
    for (const CSalSymbol* w : cls->GetWindows()) windows.push_back(PathOf(w));
    EXPECT_EQ(windows, (std::vector<std::string>{"cPagedForm::picPages", "frmOrders::picPages"}));
    // The Class: line still names cPagedForm, and a rename of it must reach that line.
    const auto uses = Uses(Sym("cPagedForm"));
    EXPECT_NE(std::find(uses.begin(), uses.end(), "frmOrders::picPages|cPagedForm|cPagedForm"), uses.end());
}

TEST_F(LanguageTest, AnInheritedChildOfAnInheritedChildIsFollowedToItsClass)
{
    // frmQuick's picPages is cOrderForm's child 2, itself cPagedForm's child 1: a cTabPicture.
    LoadText(R"(
Application Description: t
  Global Declarations
    Class Definitions
      Picture Class: cTabPicture
        Functions
          Function: SetLabel
            Actions
              Return 1
      Form Window Class: cPagedForm
        Contents
          Picture: picPages
            Class Child Ref Key: 0
            Class ChildKey: 1
            Class: cTabPicture
      Form Window Class: cOrderForm
        Derived From
          Class: cPagedForm
        Contents
          Picture: picPages
            Class Child Ref Key: 1
            Class ChildKey: 2
            Class: cPagedForm
  Form Window: frmQuick
    Class: cOrderForm
    Contents
      Picture: picPages
        Class Child Ref Key: 2
        Class ChildKey: 0
        Class: cOrderForm
    Message Actions
      On SAM_Create
        Call picPages.SetLabel(  )
  Form Window: frmBroken
    Contents
      Picture: picPages
        Class Child Ref Key: 7
        Class ChildKey: 0
        Class: cOrderForm
)");
    for (const auto& u : rec.unresolved) ADD_FAILURE() << u.first;
    EXPECT_EQ(Sym("cOrderForm::picPages")->GetObjectClass(), Sym("cTabPicture"));
    EXPECT_EQ(Sym("frmQuick::picPages")->GetObjectClass(), Sym("cTabPicture"));
    EXPECT_EQ(Uses(Sym("cTabPicture::SetLabel")).size(), 1u);
    // A key that no child of the class has leaves the child without a class.
    EXPECT_EQ(Sym("frmBroken::picPages")->GetObjectClass(), nullptr);
}

TEST_F(RealClasses, ClassReferencesCarryTheSpanOfTheNameOnTheirOwnLine)
{
    int seen = 0;
    for (const auto& e : rec.symbols) {
        if (e.symbol != Sym("clsBaseButton")) continue;
        ++seen;
        const CGItem item(0, e.item);
        EXPECT_EQ(item.GetItemType(), ItemType::ObjectClass);
        EXPECT_EQ(TextOf(e.item).substr(static_cast<std::size_t>(e.position), static_cast<std::size_t>(e.length)),
                  "clsBaseButton");
    }
    EXPECT_EQ(seen, 2);
}

TEST_F(RealClasses, DefaultClassesNameTheirClasses)
{
    EXPECT_EQ(Uses(Sym("clsBaseDf")), std::vector<std::string>{"|clsBaseDf|clsBaseDf"});
    EXPECT_EQ(Uses(Sym("clsCheck")), std::vector<std::string>{"|clsCheck|clsCheck"});
}

TEST_F(RealClasses, OverridesInClassesAndWindowsFormOneChain)
{
    auto* paint = dynamic_cast<CFunction*>(Sym("cQuickOrderForm::Paint"));
    ASSERT_NE(paint, nullptr);
    EXPECT_EQ(paint->GetOverridden(), Sym("cOrderForm::Paint"));
    EXPECT_EQ(paint->IsLateBound(), Sym("cPagedForm::Paint"));
    auto* window = dynamic_cast<CFunction*>(Sym("frmOrders::Paint"));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->GetOverridden(), Sym("cOrderForm::Paint"));
    // The late-bound call resolves from the class that holds it.
    EXPECT_EQ(Uses(Sym("cPagedForm::Paint")), std::vector<std::string>{"cPagedForm::Refresh|..Paint(  )|Paint"});
}

class RealCode : public LanguageTest {
protected:
    void SetUp() override { Load(Fixture("code.apt")); }
};

TEST_F(RealCode, CommentsAtTheEndOfALineHoldNoNames)
{
    // "default" and "don't" stand only in comments; the apostrophes open no string.
    for (const auto& u : rec.unresolved) ADD_FAILURE() << u.first;
    EXPECT_TRUE(Uses(Sym("default")).empty());
    EXPECT_EQ(Uses(Sym("PORT_Default")).size(), 3u);
    EXPECT_EQ(Uses(Sym("eAlign::Left")).size(), 0u);
    // "!=" is still the operator: both of its operands are read.
    const auto port = Uses(Sym("Main::nPort"));
    EXPECT_NE(std::find(port.begin(), port.end(), "Main|nPort != PORT_Default ! the user's port, default|nPort"),
              port.end());
}

TEST_F(RealCode, EnumerationItemsAreQualifiedByTheirEnumeration)
{
    EXPECT_EQ(Sym("eAlign")->GetKind(), SymbolKind::Enumeration);
    EXPECT_EQ(Sym("eAlign::Center")->GetKind(), SymbolKind::EnumItem);
    EXPECT_EQ(Uses(Sym("eAlign::Center")),
              std::vector<std::string>{"Main|gnAlign = eAlign.Center | eAlign.Middle   ! don't use Left here|Center"});
    EXPECT_EQ(Uses(Sym("eAlign::Middle")).size(), 1u);
    // The Attributes group declares nothing.
    EXPECT_EQ(app->GetSymbolFromPath("eAlign::GUID"), nullptr);
    EXPECT_EQ(app->GetSymbolFromPath("GUID"), nullptr);
}

TEST_F(RealCode, AnEventHandlerDeclaresItsParameters)
{
    CSalSymbol* status = Sym("dlgLogin::axStatus::OnStatusChanged::Status");
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(Uses(status), std::vector<std::string>{"dlgLogin::axStatus::OnStatusChanged|Status = 1|Status"});
    // Its Actions are code of the dialog: rnTries is the dialog's parameter.
    EXPECT_EQ(Uses(Sym("dlgLogin::rnTries")).size(), 2u);
}

TEST_F(RealCode, ArgumentsForAWindowsParametersArePassedToThem)
{
    EXPECT_EQ(PassedAs(Sym("gsUser")), (std::vector<std::string>{"SalModalDialog#3", "dlgLogin#1"}));
    EXPECT_EQ(PassedAs(Sym("gnTries")), (std::vector<std::string>{"SalModalDialog#4", "dlgLogin#2", "SalNumberToStrX#1"}));
    EXPECT_EQ(Sym("dlgLogin::rsUser")->GetItem().GetItemType(), ItemType::ReceiveString);
}

TEST_F(RealCode, NamesGivenAsStringsAreUsesOfWhatTheyName)
{
    EXPECT_EQ(Uses(Sym("menuRow")),
              std::vector<std::string>{"Main|SalTrackPopupMenu( hWndForm, 'menuRow', TPM_CursorX, 0, 0 )|menuRow"});
    EXPECT_EQ(Uses(Sym("Main::nTotal")).size(), 1u);
    EXPECT_EQ(Uses(Sym("Main::sName")).size(), 1u);
    // The report's own input names and the template are no symbols of the program: nothing is reported.
    EXPECT_TRUE(rec.unresolved.empty());
}

class AccentedNames : public LanguageTest, public ::testing::WithParamInterface<const char*> {
protected:
    void SetUp() override { Load(Fixture(GetParam())); }
};

TEST_P(AccentedNames, ResolveWholeAndWithoutRegardToCase)
{
    for (const auto& u : rec.unresolved) ADD_FAILURE() << u.first;
    CSalSymbol* count = Sym("nBulletinsEnregistrés");
    ASSERT_NE(count, nullptr);
    EXPECT_EQ(count->GetName(), "nBulletinsEnregistrés");
    EXPECT_EQ(app->GetSymbolFromPath("NBULLETINSENREGISTRÉS"), count);
    const auto uses = Uses(count);
    ASSERT_EQ(uses.size(), 3u);
    EXPECT_EQ(uses[2], "Compter|NBULLETINSENREGISTRÉS = 0 ! déjà compté|NBULLETINSENREGISTRÉS");
    EXPECT_EQ(Uses(Sym("cCatalogue::AddEntry")),
              std::vector<std::string>{"Compter|gCatalogue_Fonctionnalité.AddEntry( 'Été' )|AddEntry"});
    EXPECT_EQ(Uses(Sym("cCatalogue::AddEntry::psÉlément")).size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Encodings, AccentedNames, ::testing::Values("accents-cp1252.apt", "accents-utf8.apt",
                                                                  "accents-utf16.apt"));

TEST(AccentedLetters, TheKitAndTheScannerAgreeOnThem)
{
    const std::string name = "gCatalogue_Fonctionnalité";
    for (char c : name) EXPECT_TRUE(IsLegalIdentifierChar(c)) << static_cast<int>(static_cast<unsigned char>(c));
    EXPECT_FALSE(IsLegalIdentifierChar('('));
    EXPECT_FALSE(IsLegalIdentifierChar(' '));
    EXPECT_EQ(zv::outline::IdentLength("psÉlément != ''", 0), std::string("psÉlément").size());
    // A multiplication sign (U+00D7) ends a name.
    EXPECT_EQ(zv::outline::IdentLength("a\xC3\x97" "b", 0), 1u);
}

TEST_F(LanguageTest, BuiltInNamesSeenInRealProgramsResolve)
{
    LoadText(R"(
Application Description: t
  Global Declarations
    Internal Functions
      Function: F
        Actions
          Call SalColorSet( hWndForm, COLOR_IndexWindow, COLOR_Salmon | COLOR_LightGray )
          Call SalCreateWindow( hWndForm, hWndNULL, CREATE_AsChild | CREATE_Hidden )
          If wParam = SAM_CustControlCmd OR SalGetWindowState( hWndForm ) = Window_NotVisible
            Return XML_Document
          Call SalMessageBox( 'x', 'y', MB_IconInformation )
)");
    for (const auto& u : rec.unresolved) ADD_FAILURE() << u.first;
}

} // namespace
} // namespace zvtest
