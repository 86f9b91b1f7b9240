// No row may outlive what it shows: after a deletion, a re-parse, a
// cancelled parse and a clear, every tab still draws, and rows whose item
// is gone stay inert. (Run under ASan to see a stale pointer at once.)
#include <QKeyEvent>

#include "ExplorerFixture.h"

namespace zvtest {
namespace {

// Draws every page of every tab and every pane, shown or not.
int GrabEverything(CZvMainFrame* frame)
{
    int drawn = 0;
    CZvTabView* tabs = frame->tabView();
    for (int i = 0; i < tabs->count(); ++i) drawn += !tabs->widget(i)->grab().isNull();
    for (CZvPane* pane : tabs->refTab()->panes()) drawn += !pane->window()->grab().isNull();
    return drawn;
}

} // namespace

TEST_F(ExplorerTest, EveryTabDrawsAfterDeletionReparseCancelAndClear)
{
    Parse();
    ShowRefs("cStockDoc");
    ShowRefs("BookMove");
    ShowRefs("ghSql");
    const int pages = GrabEverything(m_frame);
    ASSERT_EQ(pages, m_frame->tabView()->count() + 3);

    auto* refs = ViewOf<CZvVarRefView>(VisiblePane<CZvVarPane>(), 0);
    ASSERT_GE(refs->itemCount(), 2);
    QTreeWidgetItem* row = refs->list()->topLevelItem(0);
    const HITEM hStatement = zvrow::ItemOf(row);
    ASSERT_TRUE(CGItem(m_hOutline, hStatement).Delete());
    m_frame->itemDeleted(hStatement);
    m_frame->outdated(true);
    EXPECT_EQ(zvrow::ItemOf(row), 0u) << "the row of the deleted statement leads nowhere";
    zv::host::HostState::Get().editorSelection = {};
    emit refs->list()->itemDoubleClicked(row, 0);
    EXPECT_EQ(zv::host::HostState::Get().editorSelection.item, 0u);
    EXPECT_EQ(GrabEverything(m_frame), pages);

    // A statement deleted without notice: the row still finds out when used.
    QTreeWidgetItem* other = refs->list()->topLevelItem(1);
    ASSERT_TRUE(CGItem(m_hOutline, zvrow::ItemOf(other)).Delete());
    emit refs->list()->itemDoubleClicked(other, 0);
    EXPECT_EQ(zv::host::HostState::Get().editorSelection.item, 0u);
    EXPECT_EQ(zvrow::ItemOf(other), 0u);
    EXPECT_EQ(GrabEverything(m_frame), pages);

    const int before = refs->itemCount();
    Parse();
    EXPECT_EQ(refs->itemCount(), before - 2) << "the re-parse shows the symbol afresh";
    EXPECT_EQ(GrabEverything(m_frame), pages);

    ParseWithEsc();
    ASSERT_EQ(m_boxes.size(), 1u) << "the parse was asked to stop";
    EXPECT_EQ(GrabEverything(m_frame), pages);
    for (int i = 0; i < refs->list()->topLevelItemCount(); ++i)
        emit refs->list()->itemClicked(refs->list()->topLevelItem(i), 0);

    m_frame->clear();
    EXPECT_EQ(GrabEverything(m_frame), pages);
    for (CZvPane* pane : RefTab()->panes())
        for (int r = 0; r < static_cast<CZvSplitter*>(pane)->rowCount(); ++r)
            EXPECT_EQ(static_cast<CZvSplitter*>(pane)->viewAt(r)->itemCount(), 0);
}

} // namespace zvtest
