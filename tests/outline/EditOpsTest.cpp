// The host editor's operations on the kit: copy and paste of subtrees with
// their data blocks, moves among siblings, and what they refuse.
#include <gtest/gtest.h>

#include "TestFiles.h"
#include "platform/outline/HostState.h"
#include "platform/outline/Outline.h"

namespace zvtest {
namespace {

class EditOpsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_tmp.Copy("common.apl", "common.apl");
        std::string error;
        m_hOutline = zv::host::OpenOutline(m_tmp.Copy("orders.apt", "orders.apt"), &error);
        ASSERT_NE(m_hOutline, 0u) << error;
        m_listener = zv::host::HostState::Get().Listen(
            [this](zv::host::HostChange what, HITEM) { m_changes.push_back(what); });
    }
    void TearDown() override
    {
        zv::host::HostState::Get().Unlisten(m_listener);
        zv::host::CloseOutline(m_hOutline);
    }
    CGItem Find(const std::string& prefix) const { return FindItem(m_hOutline, prefix); }
    std::vector<std::string> Children(HITEM hParent) const
    {
        std::vector<std::string> lines;
        for (HITEM h = CGItem(m_hOutline, hParent).GetFirstChild(); h; h = CGItem(m_hOutline, h).GetNextSibling())
            lines.push_back(CGItem(m_hOutline, h).GetTitle(0));
        return lines;
    }

    TempDir m_tmp;
    HOUTLINE m_hOutline = 0;
    int m_listener = 0;
    std::vector<zv::host::HostChange> m_changes;
};

TEST_F(EditOpsTest, CopiedItemsPasteBackWholeWithTheirData)
{
    const CGItem window = Find("Form Window: frmOrders");
    const CGItem state = Find("Outline Window State");
    const std::string copy = zv::host::CopyItems({window.GetItem(), state.GetItem()});
    ASSERT_NE(copy.find("\n.data VIEWINFO"), std::string::npos) << "data blocks are copied";
    CGItem parent;
    state.GetParentItem(parent);
    const auto made = zv::host::PasteItems(parent.GetItem(), state.GetItem(), copy);
    ASSERT_EQ(made.size(), 2u);
    EXPECT_EQ(zv::host::CopyItems(made), copy);
    EXPECT_EQ(CGItem(m_hOutline, made[1]).GetItemType(), state.GetItemType());
    EXPECT_EQ(CGItem(m_hOutline, made[0]).GetChildCount(), window.GetChildCount());
    EXPECT_EQ(m_changes.back(), zv::host::HostChange::Inserted);
}

TEST_F(EditOpsTest, MovesStayAmongSiblingsOfTheProgram)
{
    const CGItem actions = [&] {
        CGItem a;
        Find("Function: Connect").GetChildOfType(ItemType::Actions, a, 0);
        return a;
    }();
    const auto before = Children(actions.GetItem());
    const HITEM first = actions.GetFirstChild();
    EXPECT_FALSE(zv::host::MoveItem(first, -1));
    EXPECT_TRUE(zv::host::MoveItem(first, 2));
    auto moved = before;
    std::rotate(moved.begin(), moved.begin() + 1, moved.begin() + 3);
    EXPECT_EQ(Children(actions.GetItem()), moved);
    EXPECT_TRUE(zv::host::MoveItem(first, -2));
    EXPECT_EQ(Children(actions.GetItem()), before);
    EXPECT_FALSE(zv::host::MoveItem(first, static_cast<int>(before.size())));
    // Library items are not the program's to move.
    EXPECT_FALSE(zv::host::MoveItem(Find("Function: LogWrite").GetItem(), 1));
}

TEST_F(EditOpsTest, PasteRefusesWhatIsNotCopiedItems)
{
    const HITEM root = CGApplication(m_hOutline).GetItem();
    std::string error;
    EXPECT_TRUE(zv::host::PasteItems(root, 0, "plain words\n", &error).empty());
    EXPECT_NE(error.find("line 1"), std::string::npos) << error;
    EXPECT_TRUE(zv::host::PasteItems(root, 0, ".head 0 -  A\n.head 2 -  B\n", &error).empty());
    EXPECT_NE(error.find("line 2"), std::string::npos) << error;
    // Not under an included item.
    EXPECT_TRUE(zv::host::PasteItems(Find("Function: LogWrite").GetItem(), 0, ".head 0 -  Set x = 1\n").empty());
    EXPECT_TRUE(m_changes.empty());
}

TEST_F(EditOpsTest, ANewLineIsClassifiedWhereItStands)
{
    CGItem variables = Find("Variables");
    const HITEM hItem = zv::host::InsertItem(variables.GetItem(), 0, "Number: nNew");
    EXPECT_EQ(CGItem(m_hOutline, hItem).GetItemType(), ItemType::DeclNumber);
    EXPECT_EQ(Children(variables.GetItem()).front(), "Number: nNew");
    ASSERT_TRUE(zv::host::ChangeItemKind(hItem, "String:"));
    EXPECT_EQ(CGItem(m_hOutline, hItem).GetTitle(0), "String: nNew");
    EXPECT_EQ(CGItem(m_hOutline, hItem).GetItemType(), ItemType::DeclString);
}

} // namespace
} // namespace zvtest
