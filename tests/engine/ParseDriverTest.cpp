// The parse driver and the store it fills: cancellation, the warnings,
// the preferences that switch parts of the store off, pruning.
#include "EngineFixture.h"

using zvtest::Crlf;

namespace {

class Driver : public zvtest::EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        Open({"orders.apt", "common.apl"});
    }
};

} // namespace

TEST_F(Driver, CompletedParseFillsTheStoreAndMarksItUpToDate)
{
    App().Outdated();
    EXPECT_TRUE(App().IsOutdated());
    EXPECT_FALSE(App().IsParsed());
    EXPECT_EQ(App().GetReferences(Find("Function: LogWrite").GetItem()), nullptr);  // no store yet
    Parse();
    EXPECT_FALSE(App().IsOutdated());
    EXPECT_FALSE(App().IsParsing());
    const std::vector<std::string> titles = {"Zavora - Building symbol table",
                                             "Zavora - Parsing outline.   Press Esc to cancel"};
    EXPECT_EQ(m_ports.m_progressTitles, titles);
    EXPECT_EQ(RefLines("Function: LogWrite").size(), 3u);
    // Built-ins are filed apart, under their item in the context outline.
    const HITEM box = App().GetSalSymbol("SalMessageBox");
    ASSERT_NE(box, 0u);
    EXPECT_EQ(App().GetSalSymbol("salmessagebox"), box);
    EXPECT_EQ(App().GetSalSymbol("NoSuchBuiltIn"), 0u);
    ASSERT_NE(App().GetSalReferences(box), nullptr);
    EXPECT_EQ(App().GetSalReferences(box)->GetReferences().size(), 1u);
    EXPECT_NE(App().GetSalSymbol("SAM_Create"), 0u);
    EXPECT_NE(App().GetSalSymbol("hWndForm"), 0u);
    EXPECT_TRUE(m_boxes.empty());
}

TEST_F(Driver, EscAnsweredYesCancelsAndKeepsWhatWasCollected)
{
    m_ports.m_escapeAfter = 0;  // Esc is down from the first progress report on
    m_answer = ZvIDYES;
    App().Parse(0);
    EXPECT_FALSE(App().IsParsed());
    EXPECT_FALSE(App().IsParsing());
    ASSERT_FALSE(m_boxes.empty());
    EXPECT_EQ(m_boxes[0].text, "Stop parsing?");
    EXPECT_EQ(m_boxes[0].caption, "Zavora");
    EXPECT_EQ(m_boxes[0].buttons, ZvMB_YESNO);
    EXPECT_NE(App().GetStore(), nullptr);  // the partial store stays
    // A later cancel leaves the earlier completed parse's flag set.
    m_ports.m_escapeAfter = -1;
    Parse();
    m_ports.m_escapeAfter = 0;
    App().Parse(0);
    EXPECT_TRUE(App().IsParsed());
}

TEST_F(Driver, EscAnsweredNoOrPressedElsewhereGoesOn)
{
    m_ports.m_escapeAfter = 0;
    m_answer = ZvIDNO;
    App().Parse(0);
    EXPECT_TRUE(App().IsParsed());
    EXPECT_FALSE(m_boxes.empty());
    m_boxes.clear();
    m_ports.m_bForeground = false;  // another application is in front
    App().Parse(0);
    EXPECT_TRUE(App().IsParsed());
    EXPECT_TRUE(m_boxes.empty());
}

TEST_F(Driver, UnqualifiedReferencesWarningOnlyWhenSetToNoAndWanted)
{
    const std::string text = Crlf(
        ".head 0 +  Application Description: x\n.head 1 +  Design-time Settings\n"
        ".head 2 -  Fully Qualified External References? No\n.head 1 -  Global Declarations\n");
    zv::host::CloseOutline(m_hOutline);
    OpenPath(m_tmp.Write("unqual.apt", text));
    Parse();
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(m_boxes[0].text,
              "This outline has the Fully Qualified References option disabled \n Zavora is not able to "
              "cross reference unqualified references. \n Such unresolvable references will be reported in "
              "the output window");
    EXPECT_EQ(m_boxes[0].icon, ZvMB_ICONEXCLAMATION);
    m_boxes.clear();
    App().GetPreferences()->WarnForUnqualSetting = false;
    Parse();
    App().GetPreferences()->WarnForUnqualSetting = true;
    EXPECT_TRUE(m_boxes.empty());
}

TEST_F(Driver, PreferencesSwitchSalReferencesAndBindsOff)
{
    App().GetPreferences()->XRefSalSymbols = false;
    Parse();
    App().GetPreferences()->XRefSalSymbols = true;
    EXPECT_EQ(App().GetSalReferences(App().GetSalSymbol("SalMessageBox")), nullptr);
    // A program symbol in the same line still has its reference.
    EXPECT_EQ(RefLines("Function: CountLines").size(), 1u);
}

TEST_F(Driver, DeletedItemsArePrunedFromTheReferences)
{
    Parse();
    EXPECT_EQ(RefLines("Function: LoadCustomer").size(), 2u);
    CXrefList* before = App().GetReferences(Find("Function: LoadCustomer").GetItem());
    ASSERT_TRUE(Find("If LoadCustomer( nCustomer, sName )").Delete());
    CXrefList* after = App().GetReferences(Find("Function: LoadCustomer").GetItem());
    EXPECT_EQ(after, before);
    EXPECT_EQ(after->GetReferences().size(), 1u);
    // SetOutline empties the store until the next parse.
    App().SetOutline(m_hOutline);
    EXPECT_FALSE(App().IsParsed());
    EXPECT_TRUE(App().IsOutdated());
    EXPECT_EQ(App().GetStore(), nullptr);
}

TEST_F(Driver, UnresolvedNamesGoToTheOutputWhenWanted)
{
    const std::string text = Crlf(
        ".head 0 +  Application Description: x\n.head 1 +  Global Declarations\n"
        ".head 2 +  Internal Functions\n.head 3 +  Function: F\n.head 4 +  Actions\n"
        ".head 5 -  Call NoSuchFunction( 1 )\n"
        ".head 5 -  Call SqlPrepare( hSql, 'SELECT a FROM t WHERE b = :nNoVar' )\n");
    zv::host::CloseOutline(m_hOutline);
    OpenPath(m_tmp.Write("unres.apt", text));
    Parse();
    auto& output = zv::host::HostState::Get().output;
    ASSERT_FALSE(output.empty());
    bool named = false;
    for (const auto& line : output) named = named || line.text.find("NoSuchFunction") != std::string::npos;
    EXPECT_TRUE(named);
    ASSERT_NE(App().GetUresolvedBinds("nNoVar"), nullptr);
    EXPECT_EQ(App().GetUresolvedBinds("nNoVar")->size(), 1u);
    EXPECT_EQ(App().GetUresolvedBinds("NNOVAR"), nullptr);  // exact, case kept
    App().GetPreferences()->WarnForUnresolvedSymbols = false;
    App().GetPreferences()->ParseForBinds = false;
    Parse();
    App().GetPreferences()->WarnForUnresolvedSymbols = true;
    App().GetPreferences()->ParseForBinds = true;
    EXPECT_TRUE(output.empty());
    EXPECT_EQ(App().GetUresolvedBinds("nNoVar"), nullptr);
}

TEST_F(Driver, AMissingContextFileIsReportedWithItsPath)
{
    zv::host::HostState::Get().output.clear();
    EXPECT_FALSE(App().InitHeadless("/nonexistent/SalContext41.apl"));
    bool reported = false;
    for (const auto& line : zv::host::HostState::Get().output)
        reported = reported || line.text == "CZavoraApp::InitInstance2: Could not load file: "
                                            "/nonexistent/SalContext41.apl";
    EXPECT_TRUE(reported);
    EXPECT_EQ(App().GetSalSymbol("SalMessageBox"), 0u);
    ASSERT_TRUE(App().InitHeadless(std::string(ZV_BIN_DIR) + "/SalContext41.apl"));
    EXPECT_NE(App().GetSalSymbol("SalMessageBox"), 0u);
}
