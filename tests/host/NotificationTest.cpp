// What outline notifications do to the plug-in: outdated information,
// deletions, a new outline, auto mode; and their failure styles.
#include "PluginFixture.h"

#include "contracts/Exceptions.h"
#include "explorer/ZvWidgetPorts.h"
#include "host/ZavoraNotificationInterface.h"

namespace zvtest {
namespace {

class NotificationTest : public PluginTest {
protected:
    void SetUp() override
    {
        PluginTest::SetUp();
        Start();
        App().Parse(0);
        ASSERT_FALSE(Explorer().isOutdated());
    }
};

HITEM ActionsOf(const CGItem& function)
{
    CGItem actions;
    function.GetChildOfType(ItemType::Actions, actions, 0);
    return actions.GetItem();
}

TEST_F(NotificationTest, EditsWithTextMarkTheInformationOutdated)
{
    const HITEM actions = ActionsOf(Find("Function: BookMove"));
    HITEM first = CGItem(CurrentOutline(), actions).GetFirstChild();
    // An item without text, and a comment, change nothing that was parsed.
    zv::host::InsertItem(actions, first, "");
    zv::host::InsertItem(actions, first, "! a remark");
    EXPECT_FALSE(Explorer().isOutdated());
    const HITEM hNew = zv::host::InsertItem(actions, first, "Set nSign = 1");
    EXPECT_TRUE(Explorer().isOutdated());

    App().Parse(0);
    zv::host::ChangeItemKind(hNew, "Call");
    EXPECT_TRUE(Explorer().isOutdated()) << "OnEditType";

    App().Parse(0);
    zv::host::PasteItems(actions, hNew, ".head 0 -  Set nSign = 2\n");
    EXPECT_TRUE(Explorer().isOutdated()) << "OnEditPaste";

    App().Parse(0);
    // A list edit counts whatever the item is.
    zv::host::MoveItem(zv::host::InsertItem(actions, 0, ""), 1);
    EXPECT_TRUE(Explorer().isOutdated()) << "OnEditList";
}

TEST_F(NotificationTest, DeletionReachesTheExplorerUnlessTheTextIsEmpty)
{
    const HITEM actions = ActionsOf(Find("Function: BookMove"));
    const HITEM empty = zv::host::InsertItem(actions, 0, "");
    App().Parse(0);
    CGItem(CurrentOutline(), empty).Delete();
    EXPECT_FALSE(Explorer().isOutdated());
    CGItem(CurrentOutline(), Find("Function: ShelfTotal").GetItem()).Delete();
    EXPECT_TRUE(Explorer().isOutdated());
}

TEST_F(NotificationTest, FailuresOfInsertPasteTitleAreShownAndSwallowed)
{
    CZavoraNotificationInterface receiver;
    CGItem gone(CurrentOutline(), Find("Function: ShelfTotal").GetItem());
    CGItem(gone).Delete();
    receiver.OnEditInsert(gone);
    receiver.OnEditPaste(gone);
    receiver.OnEditTitle(gone);
    EXPECT_EQ(m_boxes, (std::vector<std::string>{"Internal Error during EditInsert notification",
                                                 "Internal Error during EditPaste notification",
                                                 "Internal Error during EditTitle notification"}));
}

TEST_F(NotificationTest, FailuresOfDeleteAndTypePassOnWithTheirNames)
{
    CZavoraNotificationInterface receiver;
    const HITEM hItem = Find("Function: ShelfTotal").GetItem();
    CGItem(CurrentOutline(), hItem).Delete();
    CGItem gone(CurrentOutline(), hItem);
    auto nameOf = [](auto call) -> std::string {
        try {
            call();
        } catch (Assertion* e) {
            const std::string name = e->GetFunction();
            e->Delete();
            return name;
        }
        return "nothing thrown";
    };
    EXPECT_EQ(nameOf([&] { receiver.OnEditDelete(CurrentOutline(), hItem); }),
              "\"CZavoraNotificationInterface::OnEditDelete\"");
    EXPECT_EQ(nameOf([&] { receiver.OnEditType(gone); }), "CZavoraNotificationInterface::OnEditType");
}

TEST_F(NotificationTest, ASecondFileKeepsThePlugInListening)
{
    const HOUTLINE first = CurrentOutline();
    const HOUTLINE second = Open("orders.apt");
    ASSERT_NE(second, first);
    // OnFileClose stopped the receiver; OnFileRead of the new file still came.
    EXPECT_EQ(App().GetOutline(), second);
    EXPECT_FALSE(App().IsParsed());
    App().Parse(0);
    EXPECT_FALSE(Explorer().isOutdated());
    CGItem function = Find("Function: LoadCustomer");
    SelectSymbol(function, 0, 0);
    App().ShowRefRequest(0);
    EXPECT_EQ(Explorer().getCurrentItem(), function.GetItem());
    zv::host::SetItemLine(Find("Function: LoadCustomer").GetItem(), "Function: LoadCustomer2");
    EXPECT_TRUE(Explorer().isOutdated());
}

TEST_F(NotificationTest, AutoModeStartsOnASelectionButNotOnTheExplorersOwn)
{
    App().GetPreferences()->AutoMode = false;
    Frame().AutoMode(false);
    zv::host::HostState::Get().Select(CurrentOutline(), Find("Function: BookMove").GetItem());
    EXPECT_FALSE(Frame().isAutoModeRunning()) << "the preference is off";

    App().GetPreferences()->AutoMode = true;
    App().GetPreferences()->AutoDelay = 1;
    zv::host::HostState::Get().Select(CurrentOutline(), Find("Function: ShelfTotal").GetItem());
    EXPECT_TRUE(Frame().isAutoModeRunning());
    EXPECT_TRUE(QTest::qWaitFor([&] { return Explorer().getCurrentItem() == Find("Function: ShelfTotal").GetItem(); },
                                3000));
    // Going to the declaration is the explorer's own selection.
    zv::host::HostState::Get().Select(CurrentOutline(), Find("Function: BookMove").GetItem());
    App().gotoDeclaration();
    EXPECT_EQ(zv::host::HostState::Get().selectedItem, Find("Function: ShelfTotal").GetItem());
    EXPECT_FALSE(Frame().isAutoModeRunning());
}

// Without the bar library the host's own explorer port keeps the timer.
TEST_F(NotificationTest, TheHostsAutoModeShowsAStableSelectionOnce)
{
    CZvHostExplorer explorer;
    App().SetPorts(&explorer, nullptr);
    App().GetPreferences()->AutoMode = true;
    App().GetPreferences()->AutoDelay = 2;
    const HITEM function = Find("Function: BookMove").GetItem();
    zv::host::HostState::Get().Select(CurrentOutline(), function);
    EXPECT_TRUE(explorer.isAutoModeRunning());
    explorer.autoModeTick();  // a new selection: count 0
    explorer.autoModeTick();  // 1
    EXPECT_EQ(explorer.m_symbolsShown, 0);
    explorer.autoModeTick();  // 2: shown
    EXPECT_EQ(explorer.m_symbolsShown, 1);
    EXPECT_EQ(explorer.getCurrentItem(), function);
    for (int n = 0; n < 5; ++n) explorer.autoModeTick();
    EXPECT_EQ(explorer.m_symbolsShown, 1) << "the same selection is shown once";
    // The explorer's own selection is taken as shown.
    zv::host::HostState::Get().Select(CurrentOutline(), Find("Function: ShelfTotal").GetItem());
    App().gotoDeclaration();
    EXPECT_FALSE(explorer.isAutoModeRunning());
    explorer.AutoMode(true);
    for (int n = 0; n < 4; ++n) explorer.autoModeTick();
    EXPECT_EQ(explorer.m_symbolsShown, 1);
    App().SetPorts(&Frame(), Frame().ports());
}

} // namespace
} // namespace zvtest
