// What the user does in the references tab: fold and open rows, sort,
// click and double-click rows, expand trees, rename, watch and stop a parse.
#include <QDockWidget>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "ExplorerFixture.h"
#include "engine/XrefList.h"
#include "explorer/DlgProgress.h"
#include "explorer/RenameDlg.h"
#include "explorer/ZvCaption.h"
#include "explorer/ZvWidgetPorts.h"
#include "settings/ZvRegManager.h"

namespace zvtest {

TEST_F(ExplorerTest, EmptyViewsFoldToTheirCaptionAndTheButtonOpensThem)
{
    Parse();
    ShowRefs("cAuditTrail");  // a class of no base class
    auto* pane = VisiblePane<CZvClassPane>();
    ASSERT_NE(pane, nullptr);
    CZvViewBase* bases = pane->viewAt(0);
    ASSERT_EQ(bases->itemCount(), 0);
    EXPECT_FALSE(bases->isOpen());
    EXPECT_EQ(pane->sizes()[0], CZvCaption::captionHeight());
    QTest::mouseClick(bases->foldButton(), Qt::LeftButton);
    EXPECT_TRUE(bases->isOpen());
    EXPECT_GT(pane->sizes()[0], CZvCaption::captionHeight());
    QTest::mouseClick(bases->foldButton(), Qt::LeftButton);
    EXPECT_FALSE(bases->isOpen());
    EXPECT_EQ(pane->sizes()[0], CZvCaption::captionHeight());
}

// The two lists of a variable: header clicks sort, and a row clicked in one
// highlights the related rows of the other.
TEST_F(ExplorerTest, VariableListsSortByHeaderAndHighlightEachOthersRows)
{
    Parse();
    ShowRefs("ghSql");
    auto* pane = VisiblePane<CZvVarPane>();
    auto* refs = ViewOf<CZvVarRefView>(pane, 0);
    auto* usage = ViewOf<CZvVarUsageView>(pane, 1);
    ASSERT_TRUE(refs && usage);
    CZvListCtrl* list = usage->list();
    ASSERT_GE(list->topLevelItemCount(), 3);
    auto counts = [list] {
        std::vector<int> out;
        for (int i = 0; i < list->topLevelItemCount(); ++i) out.push_back(list->topLevelItem(i)->text(2).toInt());
        return out;
    };
    auto click = [list](int column) {
        QHeaderView* header = list->header();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(column) + 5, header->height() / 2));
    };
    click(2);
    std::vector<int> up = counts();
    EXPECT_TRUE(std::is_sorted(up.begin(), up.end()));
    click(2);
    std::vector<int> down = counts();
    EXPECT_TRUE(std::is_sorted(down.rbegin(), down.rend()));
    EXPECT_FALSE(list->ascending());
    click(0);
    EXPECT_TRUE(list->ascending()) << "another column starts ascending";
    EXPECT_EQ(list->sortColumnIndex(), 0);

    SCOPED_TRACE("a usage row highlights the references of its parent");
    QTreeWidgetItem* parentRow = usage->list()->topLevelItem(1);
    emit usage->list()->itemClicked(parentRow, 0);
    int related = 0;
    for (int i = 0; i < refs->list()->topLevelItemCount(); ++i) {
        QTreeWidgetItem* row = refs->list()->topLevelItem(i);
        const bool bSameParent = row->data(0, zvrow::Parent).toULongLong() == zvrow::ItemOf(parentRow);
        EXPECT_EQ(row->data(0, zvrow::Highlight).toBool(), bSameParent) << i;
        related += bSameParent;
    }
    EXPECT_EQ(related, parentRow->text(2).toInt());

    // And back: a reference row highlights the usage row of its parent.
    QTreeWidgetItem* refRow = refs->list()->topLevelItem(0);
    emit refs->list()->itemClicked(refRow, 0);
    const int highlighted = usage->usageList()->highlightedRow();
    ASSERT_GE(highlighted, 0);
    EXPECT_EQ(zvrow::ItemOf(usage->list()->topLevelItem(highlighted)), refRow->data(0, zvrow::Parent).toULongLong());
}

TEST_F(ExplorerTest, DoubleClickSelectsTheReferenceInTheEditor)
{
    Parse();
    ShowRefs("frmArticle::dfCode");
    auto* refs = ViewOf<CZvVarRefView>(VisiblePane<CZvVarPane>(), 0);
    ASSERT_NE(refs, nullptr);
    QTreeWidgetItem* row = refs->list()->topLevelItem(refs->list()->topLevelItemCount() - 1);
    emit refs->list()->itemDoubleClicked(row, 0);
    const auto& sel = zv::host::HostState::Get().editorSelection;
    const int position = row->data(0, zvrow::Position).toInt();
    EXPECT_EQ(sel.item, zvrow::ItemOf(row));
    EXPECT_EQ(sel.start, position);
    EXPECT_EQ(sel.end, position + row->data(0, zvrow::Length).toInt());
    const CGString text = CGItem(m_hOutline, sel.item).GetText();
    EXPECT_EQ(text.substr(static_cast<std::size_t>(sel.start), static_cast<std::size_t>(sel.end - sel.start)), "dfCode");
}

TEST_F(ExplorerTest, TreesLoadChildrenOnceSelectInTheEditorAndGoneItemsRefuse)
{
    Parse();
    ShowRefs("LogWrite");
    auto* callers = ViewOf<CZvCallerView>(VisiblePane<CZvFunctionPane>(), 1);
    ASSERT_NE(callers, nullptr);
    QTreeWidget* tree = callers->tree();
    const int before = callers->itemCount();
    EXPECT_EQ(before, tree->topLevelItemCount()) << "nothing below the top level yet";
    std::set<std::string> texts;
    for (QTreeWidgetItemIterator it(tree); *it; ++it) EXPECT_TRUE(texts.insert((*it)->text(0).toStdString()).second);
    // Expand every entry twice: each caller stays once in the whole tree.
    for (int round = 0; round < 2; ++round)
        for (int i = 0; i < tree->topLevelItemCount(); ++i) {
            tree->collapseItem(tree->topLevelItem(i));
            tree->expandItem(tree->topLevelItem(i));
        }
    const int after = callers->itemCount();
    EXPECT_GT(after, before);
    texts.clear();
    for (QTreeWidgetItemIterator it(tree); *it; ++it) EXPECT_TRUE(texts.insert((*it)->text(0).toStdString()).second);

    // Selecting an entry selects in the editor, but focus alone does not.
    ShowRefs("BookMove");
    QTreeWidget* bookMoveCallers = ViewOf<CZvCallerView>(VisiblePane<CZvFunctionPane>(), 1)->tree();
    zv::host::HostState::Get().editorSelection = {};
    bookMoveCallers->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(zv::host::HostState::Get().editorSelection.item, 0u);
    bookMoveCallers->setCurrentItem(bookMoveCallers->topLevelItem(0));
    EXPECT_EQ(zv::host::HostState::Get().editorSelection.item, zvrow::ItemOf(bookMoveCallers->topLevelItem(0)));

    // An entry whose item is deleted draws inert and will not expand.
    auto* callees = ViewOf<CZvCalleeView>(VisiblePane<CZvFunctionPane>(), 0);
    QTreeWidgetItem* victim = nullptr;
    for (int i = 0; i < callees->tree()->topLevelItemCount() && !victim; ++i)
        if (callees->tree()->topLevelItem(i)->text(0) == "CheckAccess") victim = callees->tree()->topLevelItem(i);
    ASSERT_NE(victim, nullptr);
    ASSERT_TRUE(CGItem(m_hOutline, zvrow::ItemOf(victim)).Delete());
    callees->tree()->expandItem(victim);
    EXPECT_FALSE(victim->isExpanded());
    EXPECT_EQ(victim->childCount(), 0);
    EXPECT_EQ(zvrow::ItemOf(victim), 0u);
}

TEST_F(ExplorerTest, RenameDialogKeepsARefusedNameAndRenamesThroughTheEngine)
{
    Parse();
    CSalSymbol* symbol = Symbol("LoadArticle::rsName");
    ASSERT_NE(symbol, nullptr);
    const HITEM hDecl = symbol->GetItem().GetItem();
    zv::host::HostState::Get().Select(m_hOutline, hDecl);
    bool bSeen = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<CRenameDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        bSeen = true;
        EXPECT_EQ(dialog->windowTitle(), "Rename rsName");
        EXPECT_TRUE(dialog->edit()->text().isEmpty());
        EXPECT_TRUE(dialog->okButton()->isDefault());
        QTest::keyClicks(dialog->edit(), "1bad");
        QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
        EXPECT_TRUE(dialog->isVisible()) << "a refused name keeps the dialog open";
        EXPECT_TRUE(dialog->reasonLabel()->isVisible());
        EXPECT_TRUE(dialog->reasonLabel()->text().contains("not a valid SAL name"));
        dialog->edit()->clear();
        QTest::keyClicks(dialog->edit(), "rsArticleName");
        QTest::keyClick(dialog->edit(), Qt::Key_Return);
    });
    m_frame->OnCommand(CZvMainFrame::ID_RENAME);
    EXPECT_TRUE(bSeen);
    EXPECT_EQ(std::string(CGItem(m_hOutline, hDecl).GetName()), "rsArticleName");
    EXPECT_TRUE(m_boxes.empty()) << m_boxes.front().text;
}

class ProgressTest : public ExplorerTest {
protected:
    void SetUp() override
    {
        ExplorerTest::SetUp();
        CDlgProgress::setPumpInterval(0);
    }
    void TearDown() override
    {
        CDlgProgress::setPumpInterval(30);
        ExplorerTest::TearDown();
    }
};

TEST_F(ProgressTest, RowsCountUpAndTheBarMovesDuringAParse)
{
    std::vector<QStringList> samples;
    std::vector<int> bar;
    QTimer sampler;
    sampler.setInterval(0);
    QObject::connect(&sampler, &QTimer::timeout, [&] {
        CDlgProgress* progress = m_frame->ports()->progress();
        if (progress && progress->isVisible()) {
            QStringList rows;
            for (int i = 0; i < progress->list()->count(); ++i) rows << progress->list()->item(i)->text();
            samples.push_back(rows);
            bar.push_back(progress->bar()->value());
        }
    });
    sampler.start();
    Parse();
    sampler.stop();
    ASSERT_GE(samples.size(), 3u);
    ASSERT_EQ(samples.back().size(), 6);
    const char* labels[] = {"Constants ", "App msgs ", "Int funcs ", "Classes ", "Windows "};
    for (int row = 1; row <= 5; ++row) {
        int last = 0;
        for (const QStringList& rows : samples) {
            if (rows.size() < 6) continue;
            if (!rows[row].startsWith(labels[row - 1])) continue;
            const int n = rows[row].mid(static_cast<int>(strlen(labels[row - 1]))).toInt();
            EXPECT_GE(n, last) << rows[row].toStdString();
            last = n;
        }
        EXPECT_GT(last, 0) << labels[row - 1];
    }
    EXPECT_GT(*std::max_element(bar.begin(), bar.end()), 1);
    EXPECT_EQ(m_frame->ports()->progress(), nullptr) << "the window goes with the parse";
}

TEST_F(ProgressTest, EscAnsweredYesCancelsTheParse)
{
    // Esc arrives while the parse runs; the box is answered Yes.
    m_frame->outdated(true);
    ParseWithEsc();
    EXPECT_FALSE(Engine().IsParsed());
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(m_boxes[0].text, "Stop parsing?");
    EXPECT_TRUE(m_frame->isOutdated());
}

TEST_F(ProgressTest, TheEscThatClosesTheRealBoxIsNotTakenForAnother)
{
    int boxes = 0;
    ZvSetMessageBoxHandler([&](const ZvMessageBoxRequest& r) {
        ++boxes;
        QTimer::singleShot(0, [] {
            QWidget* box = QApplication::activeModalWidget();
            ASSERT_NE(qobject_cast<QMessageBox*>(box), nullptr);
            QTest::keyClick(box, Qt::Key_Escape);
        });
        return ZvWidgetMessageBox(r);
    });
    ParseWithEsc();
    EXPECT_EQ(boxes, 1);
    EXPECT_TRUE(Engine().IsParsed()) << "Esc on the box answers No: the parse goes on";
}

TEST_F(ProgressTest, CommandsAreRefusedWhileAParseRuns)
{
    int refused = 0;
    QTimer poke;
    poke.setInterval(0);
    QObject::connect(&poke, &QTimer::timeout, [&] {
        if (!Engine().IsParsing()) return;
        m_frame->OnCommand(CZvMainFrame::ID_PARSE);
        m_frame->OnCommand(CZvMainFrame::ID_SHOWREFS);
        ++refused;
    });
    poke.start();
    Parse();
    poke.stop();
    EXPECT_GT(refused, 0);
    EXPECT_TRUE(m_boxes.empty());
}

TEST_F(ExplorerTest, HeightsStatesAndDockPlacementSurviveANewWindow)
{
    QDockWidget* bar = m_frame->dockWindow()->GetControlBarWindow();
    ASSERT_NE(bar, nullptr);
    bar->setFloating(true);
    bar->move(140, 120);
    bar->resize(333, 444);
    QApplication::processEvents();
    Parse();
    ShowRefs("cMoveDoc");
    auto* pane = VisiblePane<CZvClassPane>();
    ASSERT_NE(pane, nullptr);
    CZvViewBase* open = nullptr;
    for (int row = 0; row < 4 && !open; ++row)
        if (pane->viewAt(row)->isOpen()) open = pane->viewAt(row);
    ASSERT_NE(open, nullptr);
    const int openRow = open->row();
    const QString openName = open->viewName();
    CZvViewBase* folded = pane->viewAt(openRow == 3 ? 2 : 3);
    if (folded->isOpen()) QTest::mouseClick(folded->foldButton(), Qt::LeftButton);
    QApplication::processEvents();
    const int height = pane->sizes()[openRow];
    const QString foldedName = folded->viewName();
    const int foldedRow = folded->row();

    m_host->close();  // the host closing writes the placement
    DropWindows();

    ZvRegManager reg;
    EXPECT_EQ(reg.GetProfileInt({"Settings"}, (openName + "Height").toStdString(), 0), height);
    EXPECT_EQ(reg.GetProfileInt({"Settings"}, (foldedName + "State").toStdString(), 1), 0);
    EXPECT_EQ(reg.GetProfileInt({"Settings"}, "DockLocation", -1), 0);

    MakeWindows();
    auto* pane2 = dynamic_cast<CZvClassPane*>(m_frame->tabView()->refTab()->panes()[0]);
    EXPECT_EQ(pane2->viewAt(openRow)->height(), height);
    EXPECT_FALSE(pane2->viewAt(foldedRow)->isOpen());
    QDockWidget* bar2 = m_frame->dockWindow()->GetControlBarWindow();
    ASSERT_NE(bar2, nullptr);
    EXPECT_TRUE(bar2->isFloating());
    EXPECT_EQ(bar2->pos(), QPoint(140, 120));
}

} // namespace zvtest
