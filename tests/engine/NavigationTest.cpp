// Call information with late binding, show references, go to declaration,
// the interactive rename with its refusals.
#include "EngineFixture.h"

namespace {

class Orders : public zvtest::EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        Open({"orders.apt", "common.apl"});
        Parse();
    }
    std::vector<std::string> Callees(const std::string& declaration)
    {
        std::vector<std::string> names;
        if (CCallInfoList* list = App().GetCallReferences(Find(declaration).GetItem()))
            for (CReference* call : list->GetCalls()) names.push_back(call->GetSource()->GetName());
        return names;
    }
};

} // namespace

TEST_F(Orders, CallInformationListsEachCalleeOnce)
{
    const std::vector<std::string> logWrite = {"MessageBeep", "SalFileOpen", "SalFmtFormatDateTime",
                                               "SalDateCurrent", "SalFilePutStr"};
    auto got = Callees("Function: LogWrite");
    std::sort(got.begin(), got.end());
    auto want = logWrite;
    std::sort(want.begin(), want.end());
    EXPECT_EQ(got, want);
    // The window's Refresh calls LoadCustomer and its class's Refresh, each listed once.
    CGItem windowRefresh;
    {
        CGObjectList fns;
        CGItem functions;
        ASSERT_TRUE(Find("Form Window: frmOrders").GetChildOfType(ItemType::WindowFunctions, functions, 0));
        functions.EnumChildObjects(fns, ItemType::Function, 0);
        windowRefresh = fns.GetAt(0);
    }
    CCallInfoList* list = App().GetCallReferences(windowRefresh.GetItem());
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->GetFunction()->GetItem(), windowRefresh.GetItem());
    std::vector<std::string> names;
    for (CReference* call : list->GetCalls()) {
        names.push_back(call->GetSource()->GetName());
        EXPECT_EQ(call->GetPosition(), 0);
        EXPECT_EQ(call->GetLength(), 0);
    }
    EXPECT_EQ(std::count(names.begin(), names.end(), "LoadCustomer"), 1);
    EXPECT_EQ(std::count(names.begin(), names.end(), "Refresh"), 1);  // cOrderForm.Refresh()
    // Calls in a handler are filed under the handler item; the list's function is the context.
    CGItem startup = Find("On SAM_AppStartup");
    CCallInfoList* handler = App().GetCallReferences(startup.GetItem());
    ASSERT_NE(handler, nullptr);
    EXPECT_EQ(handler->GetCalls().size(), 2u);  // LogWrite, SalCreateWindow
    // Uses of variables are not calls; a function that calls nothing has no list.
    EXPECT_EQ(App().GetCallReferences(Find("Function: Reset").GetItem()), nullptr);
}

TEST_F(Orders, LateBoundFunctionsNameTheirCounterpart)
{
    CGItem base = Find("Function: Refresh");  // cOrderForm::Refresh comes first in the outline
    CGItem* counterpart = App().isLateBound(base);
    ASSERT_NE(counterpart, nullptr);
    EXPECT_EQ(counterpart->GetItem(), base.GetItem());
    CGItem describe = Find("Function: Describe");
    EXPECT_NE(App().isLateBound(describe), nullptr);
    CGItem connect = Find("Function: Connect");
    EXPECT_EQ(App().isLateBound(connect), nullptr);
}

TEST_F(Orders, ShowReferencesOfTheSelectionAndOfAMarkedIdentifier)
{
    auto& host = zv::host::HostState::Get();
    const CGItem load = Find("Function: LoadCustomer");
    host.Select(m_hOutline, load.GetItem());
    App().ShowRefRequest(0);
    EXPECT_EQ(m_explorer.getCurrentItem(), load.GetItem());
    EXPECT_EQ(m_explorer.getCurrentOutline(), m_hOutline);
    // An identifier marked in the line being edited wins over the selection.
    const CGItem set = Find("Set rsName = gsCustomerName");
    host.Edit(set.GetItem(), "rsName = gsCustomerName", 9, 23);
    App().ShowRefRequest(0);
    EXPECT_EQ(CGItem(m_hOutline, m_explorer.getCurrentItem()).GetTitle(0), "String: gsCustomerName");
    // A built-in marked in a line is shown from the SAL context.
    const CGItem call = Find("Call SqlFetchNext( ghSql, nFetch )");
    host.Select(m_hOutline, call.GetItem());
    host.Edit(call.GetItem(), "SqlFetchNext( ghSql, nFetch )", 0, 12);
    App().ShowRefRequest(0);
    EXPECT_EQ(m_explorer.getCurrentOutline(), App().GetContextOutline());
    EXPECT_EQ(m_explorer.getCurrentItem(), App().GetSalSymbol("SqlFetchNext"));
    host.EndEdit();
    // An On item looks its message up among the built-ins.
    host.Select(m_hOutline, Find("On SAM_AppExit").GetItem());
    App().ShowRefRequest(0);
    EXPECT_EQ(m_explorer.getCurrentItem(), App().GetSalSymbol("SAM_AppExit"));
    // A symbol without references is still shown.
    const CGItem reset = Find("Function: Reset");
    App().ShowRefRequest(reset.GetItem());
    EXPECT_EQ(m_explorer.getCurrentItem(), reset.GetItem());
    App().gotoDeclaration();
    EXPECT_EQ(host.editorSelection.item, reset.GetItem());
    EXPECT_EQ(host.editorSelection.end - host.editorSelection.start, 5);
}

TEST_F(Orders, ShowReferencesParsesFirstOnlyWhenAsked)
{
    Find("Set bLoaded = FALSE").SetText("bLoaded = TRUE");
    App().Outdated();
    const int windows = m_ports.m_progressWindows;
    App().ShowRefRequest(Find("Function: Connect").GetItem());
    EXPECT_TRUE(App().IsOutdated());
    EXPECT_EQ(m_ports.m_progressWindows, windows);  // no parse
    App().GetPreferences()->AutoParseXref = true;
    App().ShowRefRequest(Find("Function: Connect").GetItem());
    App().GetPreferences()->AutoParseXref = false;
    EXPECT_FALSE(App().IsOutdated());
}

TEST_F(Orders, RenameAsksRefusesAndRenames)
{
    auto& host = zv::host::HostState::Get();
    // Included from the library: refused before any dialog.
    host.Select(m_hOutline, Find("Function: LogWrite").GetItem());
    App().Rename(nullptr);
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(m_boxes[0].text, "Symbol is included from another outline and cannot be renamed");
    EXPECT_TRUE(m_ports.m_dialogCaptions.empty());
    // Not referenced: refused.
    m_boxes.clear();
    host.Select(m_hOutline, Find("FunctionalVar: gaStock").GetItem());
    App().Rename(nullptr);
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(m_boxes[0].text, "Symbol is not referenced and can be renamed manually");
    // Outdated, AutoParseRename off: asked; No leaves everything as it was.
    m_boxes.clear();
    App().Outdated();
    m_answer = ZvIDNO;
    host.Select(m_hOutline, Find("Function: LoadCustomer").GetItem());
    App().Rename(nullptr);
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(m_boxes[0].buttons, ZvMB_YESNO);
    EXPECT_EQ(m_boxes[0].text.rfind("Renaming is not possible due to changes in the outline.", 0), 0u);
    EXPECT_TRUE(m_ports.m_dialogCaptions.empty());
    // Yes parses and goes on: the dialog, then every reference and the declaration.
    m_boxes.clear();
    m_answer = ZvIDYES;
    m_ports.m_newName = "ReadCustomer";
    App().Rename(nullptr);
    ASSERT_EQ(m_ports.m_dialogCaptions.size(), 1u);
    EXPECT_EQ(m_ports.m_dialogCaptions[0], "Rename LoadCustomer");
    EXPECT_EQ(Find("Function: ReadCustomer").GetName(), "ReadCustomer");
    EXPECT_NE(zvtest::FindItem(m_hOutline, "If NOT ReadCustomer( nCustomer, dfCustomer )").GetItem(), 0u);
    EXPECT_NE(zvtest::FindItem(m_hOutline, "If ReadCustomer( nCustomer, sName )").GetItem(), 0u);
}

TEST_F(Orders, RenameRefusesNamesThatAreNoIdentifiersOrClash)
{
    auto& host = zv::host::HostState::Get();
    host.Select(m_hOutline, Find("Function: CountLines").GetItem());
    m_ports.m_newName = "Count Lines";
    App().Rename(nullptr);
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_NE(m_boxes[0].text.find("not a valid SAL name"), std::string::npos);
    m_boxes.clear();
    m_ports.m_newName = "Connect";
    App().Rename(nullptr);
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_NE(m_boxes[0].text.find("already declared in the same scope"), std::string::npos);
    EXPECT_EQ(Find("Function: CountLines").GetName(), "CountLines");
    // Cancel changes nothing.
    m_boxes.clear();
    m_ports.m_newName.clear();
    App().Rename(nullptr);
    EXPECT_TRUE(m_boxes.empty());
    EXPECT_EQ(Find("Function: CountLines").GetName(), "CountLines");
}
