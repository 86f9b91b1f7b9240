// The kit operations the explorer relies on, handles and the notifier.
#include <gtest/gtest.h>

#include "TestFiles.h"
#include "platform/outline/HostState.h"
#include "platform/outline/Outline.h"

using zvtest::FindItem;

namespace {

class Kit : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_path = m_tmp.Copy("orders.apt", "orders.apt");
        m_tmp.Copy("common.apl", "common.apl");
        std::string error;
        m_hOutline = zv::host::OpenOutline(m_path, &error);
        ASSERT_NE(m_hOutline, 0u) << error;
    }
    void TearDown() override { zv::host::CloseOutline(m_hOutline); }
    CGItem Find(const std::string& prefix) const
    {
        CGItem item = FindItem(m_hOutline, prefix);
        EXPECT_NE(item.GetItem(), 0u) << prefix;
        return item;
    }

    zvtest::TempDir m_tmp;
    std::string m_path;
    HOUTLINE m_hOutline = 0;
};

struct Recorder : CNotificationInterface {
    std::vector<std::string> events;
    std::string deletedText;
    bool throwOnInsert = false;
    void OnEditDelete(HOUTLINE o, HITEM i) override
    {
        events.push_back("delete");
        deletedText = CGItem(o, i).GetText();  // still readable
    }
    void OnEditInsert(CGItem& item) override
    {
        events.push_back("insert " + item.GetTitle(0));
        if (throwOnInsert) throw std::runtime_error("receiver failed");
    }
    void OnEditTitle(CGItem& item) override { events.push_back("title " + item.GetTitle(0)); }
    void OnContextChange(CGItem& item) override { events.push_back("context " + item.GetTitle(0)); }
    void OnFileRead(CGApplication& app) override { events.push_back("read " + app.GetTitle(0)); }
    void OnFileClose(CGApplication& app) override { events.push_back("close " + app.GetTitle(0)); }
    void OnFileNew(CGApplication&) override { events.push_back("new"); }
};

} // namespace

TEST_F(Kit, ChildSearchAndEnumeration)
{
    CGApplication app(m_hOutline);
    EXPECT_EQ(app.GetItemType(), ItemType::Application);
    CGItem constants;
    EXPECT_FALSE(app.GetChildOfType(ItemType::Constants, constants, 0));  // not a direct child
    ASSERT_TRUE(app.GetChildOfType(ItemType::Constants, constants, 1));
    CGItem user;
    ASSERT_TRUE(constants.GetChildOfType(ItemType::UserConstants, user, 0));
    CGObjectList all;
    EXPECT_EQ(user.EnumChildObjects(all, 0, 0), 3 + 3);  // the program's three, the library's three
    EXPECT_EQ(all.GetAt(0).GetName(), "MAX_LINES");

    CGItem cursorPos = Find("Function: GetCursorPos");
    CGObjectList params;
    ASSERT_EQ(cursorPos.EnumChildObjects(params, ItemType::ExternalParameter, 0), 1);
    EXPECT_EQ(params.GetAt(0).GetItemType(), ItemType::StructPointer);
    CGObjectList beepParams;
    ASSERT_EQ(Find("Function: MessageBeep").EnumChildObjects(beepParams, ItemType::ExternalParameter, 0), 1);
    EXPECT_EQ(beepParams.GetAt(0).GetTitle(0), "Number: UINT");

    CGFunction load(m_hOutline, Find("Function: LoadCustomer").GetItem());
    CGObjectList loadParams;
    ASSERT_EQ(load.EnumParameters(loadParams, 0), 2);
    EXPECT_EQ(loadParams.GetAt(0).GetName(), "pnId");
    EXPECT_EQ(loadParams.GetAt(1).GetItemType(), ItemType::ReceiveString);

    CGClass counted(m_hOutline, Find("Functional Class: cCountedStock").GetItem());
    CGObjectList bases;
    ASSERT_EQ(counted.EnumBaseClasses(bases), 2);
    EXPECT_EQ(bases.GetAt(0).GetName(), "cStockItem");
    EXPECT_EQ(bases.GetAt(1).GetName(), "cCounter");
    EXPECT_NE(bases.GetAt(1).IsReadOnly(), 0);  // from the library

    CGObjectList windows, objects, symbols;
    EXPECT_EQ(app.EnumTopLevelWindows(windows, 0), 2);
    EXPECT_EQ(windows.GetAt(0).GetName(), "frmOrders");
    EXPECT_EQ(app.EnumObjects(objects, 0), 5 + 2);  // four classes, one library class, two windows
    app.EnumSymbols(symbols, 0, 0);
    std::vector<std::string> names;
    for (const CGItem& s : symbols) names.push_back(s.GetName());
    for (const char* expected : {"MAX_LINES", "SQL_CUSTOMER", "gnCustomerId", "gOrderCount", "Connect",
                                 "mnuOrder", "bmpLogo", "LogWrite", "LOG_File", "eLogLevel"})
        EXPECT_NE(std::find(names.begin(), names.end(), expected), names.end()) << expected;
    EXPECT_EQ(app.GetAttribute(0xBA), "Yes");
}

TEST_F(Kit, DeclaringParentsCommentsAndAncestry)
{
    CGItem set = Find("Set rsName = gsCustomerName");
    EXPECT_EQ(GetDeclaringParent(set).GetName(), "LoadCustomer");
    CGItem handlerCall = Find("Call MarkDirty(  )");
    CGItem handler = GetDeclaringParent(handlerCall);
    EXPECT_EQ(handler.GetItemType(), ItemType::OnMessage);
    EXPECT_EQ(handler.GetName(), "SAM_Validate");
    EXPECT_EQ(GetDeclaringParent(handler).GetName(), "colQty");
    EXPECT_TRUE(isChildOf(handlerCall.GetItem(), Find("Form Window: frmOrders").GetItem()));
    EXPECT_TRUE(isChildOf(handlerCall.GetItem(), handlerCall.GetItem()));
    EXPECT_FALSE(isChildOf(handlerCall.GetItem(), Find("Dialog Box: dlgAbout").GetItem()));
    // The comment lines directly below an item.
    CGItem validate = FindItem(m_hOutline, "On SAM_Validate");
    CGItem colHandler = GetDeclaringParent(handlerCall);
    EXPECT_NE(colHandler.GetIndentedComment().find("MAX_LINES"), std::string::npos);
    EXPECT_EQ(validate.GetIndentedComment(), "");
}

TEST_F(Kit, HandlesAreNeverReused)
{
    CGItem victim = Find("Set bLoaded = FALSE");
    const HITEM old = victim.GetItem();
    CGItem block = GetDeclaringParent(victim);
    ASSERT_TRUE(victim.Delete());
    EXPECT_FALSE(victim.IsValid());
    EXPECT_THROW(victim.GetText(), CGKitError);
    EXPECT_EQ(victim.GetItemType(), 0);
    EXPECT_FALSE(victim.Delete());
    // New items and new outlines get fresh handles.
    CGActionBlock actions(m_hOutline, block.GetItem());
    CGItem call = Find("Call SalSendMsg( hWndForm, PM_Refresh, 0, 0 )");
    actions.SetCurrent(call);
    ASSERT_TRUE(actions.InsertAfter("Set bLoaded = TRUE"));
    EXPECT_NE(actions.GetCurrent(), old);
    EXPECT_EQ(CGItem(m_hOutline, actions.GetCurrent()).GetItemType(), ItemType::Set);
    CGApplication other;
    const HOUTLINE h2 = other.LoadOutline(m_path);
    ASSERT_NE(h2, 0u);
    EXPECT_NE(h2, m_hOutline);
    EXPECT_NE(FindItem(h2, "Set bLoaded = FALSE").GetItem(), old);
    other.UnloadOutline();
}

TEST_F(Kit, EditsNotifyTheReceivers)
{
    Recorder recorder;
    recorder.StartNotification(m_hOutline);
    CGItem fn = Find("Function: CountLines");
    ASSERT_TRUE(fn.SetName("CountRows"));
    EXPECT_EQ(fn.GetTitle(0), "Function: CountRows");
    CGItem set = Find("Set nCount = nCount + 1");
    CGActionBlock block(m_hOutline, set.GetItem());
    block.SetCurrent(set);
    recorder.throwOnInsert = true;
    zv::host::HostState::Get().output.clear();
    ASSERT_TRUE(block.InsertAfter("Call SalTblReset( phTable )"));  // the receiver's throw is caught
    EXPECT_EQ(zv::host::HostState::Get().output.size(), 1u);
    ASSERT_TRUE(Find("While SalTblFindNextRow( phTable").Delete());
    const std::vector<std::string> expected = {"title Function: CountRows",
                                               "insert Call SalTblReset( phTable )", "delete"};
    EXPECT_EQ(recorder.events, expected);
    EXPECT_EQ(recorder.deletedText, "SalTblFindNextRow( phTable, nRow, 0, ROW_Hidden )");

    CGItem window = Find("Data Field: dfCity");
    ASSERT_TRUE(window.SetObjectClass("cTownField"));
    EXPECT_EQ(window.GetObjectClass(), "cTownField");
    recorder.StopNotification();
    Find("Function: Connect").SetName("Other");
    EXPECT_EQ(recorder.events.back(), "title Class: cTownField");
}

TEST_F(Kit, OpeningAnotherOutlineClosesTheOldOneFirst)
{
    Recorder recorder;
    recorder.StartNotification(0);
    zv::host::HostState::Get().Select(m_hOutline, Find("Function: Connect").GetItem());
    EXPECT_EQ(GetSelectedItem(m_hOutline), Find("Function: Connect").GetItem());
    const HOUTLINE h2 = zv::host::OpenOutline(m_path);
    ASSERT_NE(h2, 0u);
    EXPECT_EQ(CurrentOutline(), h2);
    EXPECT_EQ(GetSelectedItem(h2), 0u);
    const std::vector<std::string> expected = {"context Function: Connect",
                                               "close Application Description: Order entry\n"
                                               "Sample program: customers, orders and their lines.",
                                               "read Application Description: Order entry\n"
                                               "Sample program: customers, orders and their lines."};
    EXPECT_EQ(recorder.events, expected);
    m_hOutline = h2;
}

TEST_F(Kit, EditedLineAndMarkedDeclarations)
{
    auto& host = zv::host::HostState::Get();
    CGItem set = Find("Set rsName = gsCustomerName");
    host.Edit(set.GetItem(), "Set rsName = gsCustomerName", 4, 10);
    EXPECT_EQ(EditGetItem(m_hOutline), set.GetItem());
    std::string text;
    int start = 0, end = 0;
    ASSERT_TRUE(EditGetText(m_hOutline, &text, &start, &end));
    EXPECT_EQ(text, "Set rsName = gsCustomerName");
    EXPECT_EQ(start, 4);
    EXPECT_EQ(end, 10);
    host.EndEdit();
    EXPECT_EQ(EditGetItem(m_hOutline), 0u);
    CGApplication app(m_hOutline);
    CGItem marked;
    EXPECT_FALSE(app.GetFirstMarked(marked));
    host.marked = {set.GetItem()};
    ASSERT_TRUE(app.GetFirstMarked(marked));
    EXPECT_EQ(marked.GetItem(), set.GetItem());
    host.marked.clear();
    SetBreak(m_hOutline, set.GetItem(), true);
    EXPECT_EQ(host.breakpoints.count(set.GetItem()), 1u);
    SetBreak(m_hOutline, set.GetItem(), false);
    EXPECT_EQ(host.breakpoints.count(set.GetItem()), 0u);
    CGItem fn = Find("Function: LoadCustomer");
    SelectInText(fn, 0, fn.GetName());
    EXPECT_EQ(host.editorSelection.item, fn.GetItem());
    EXPECT_EQ(host.editorSelection.start, 0);
    EXPECT_EQ(host.editorSelection.end, 12);
}

TEST(KitPredicates, StatementsFunctionsIdentifiers)
{
    EXPECT_TRUE(IsStatement(ItemType::Set));
    EXPECT_TRUE(IsStatement(ItemType::Call));
    EXPECT_FALSE(IsStatement(ItemType::Function));
    EXPECT_FALSE(IsStatement(ItemType::Comment));
    EXPECT_TRUE(IsFunction(0x87));
    EXPECT_TRUE(IsFunction(0x52));
    EXPECT_FALSE(IsFunction(ItemType::OnMessage));
    EXPECT_TRUE(IsLegalIdentifierChar('_'));
    EXPECT_TRUE(IsLegalIdentifierChar('Z'));
    EXPECT_TRUE(IsLegalIdentifierChar('7'));
    EXPECT_FALSE(IsLegalIdentifierChar('.'));
    EXPECT_FALSE(IsLegalIdentifierChar(' '));
}
