// Show references of a class, a function, a window variable and a local
// variable: the right pane, the right rows, the same answers as zavora-xref.
#include <QHeaderView>
#include <QTest>

#include "ExplorerFixture.h"
#include "engine/LateBinding.h"
#include "engine/XrefList.h"
#include "explorer/ZvCaption.h"

namespace zvtest {
namespace {

std::vector<int> CliLines(const QJsonObject& refs)
{
    std::vector<int> lines;
    for (const QJsonValue& ref : refs["references"].toArray()) lines.push_back(ref.toObject()["line"].toInt());
    std::sort(lines.begin(), lines.end());
    return lines;
}

std::vector<int> RowLines(QTreeWidget* list)
{
    std::vector<int> lines;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* row = list->topLevelItem(i);
        // The line where the name stands, as the command line reports it (a
        // continuation line of a multi-line statement counts as its own line).
        CGItem source(zvrow::OutlineOf(row), zvrow::ItemOf(row));
        const QVariant position = row->data(0, zvrow::Position);
        const CReference reference(&source, position.isValid() ? position.toInt() : 0,
                                   row->data(0, zvrow::Length).toInt());
        lines.push_back(reference.GetLineNumber());
    }
    std::sort(lines.begin(), lines.end());
    return lines;
}

// The names of the command line's nodes; of the first level only if asked.
std::vector<std::string> CliNames(const QJsonArray& nodes, bool firstLevel = false)
{
    std::vector<std::string> names;
    for (const QJsonValue& node : nodes)
        if (!firstLevel || node.toObject()["depth"].toInt() == 1)
            names.push_back(node.toObject()["name"].toString().toStdString());
    return names;
}

} // namespace

TEST_F(ExplorerTest, ClassShowsHierarchyDeclarationsAndStatements)
{
    Parse();
    ShowRefs("cMoveDoc");
    auto* pane = VisiblePane<CZvClassPane>();
    ASSERT_NE(pane, nullptr) << "the class pane is the page";
    EXPECT_EQ(m_frame->statusPane(1)->text(), "Current symbol: cMoveDoc");

    // Base classes as the command line lists them, first level.
    EXPECT_EQ(TopTexts(ViewOf<CBaseClassView>(pane, 0)->tree()), CliNames(Cli({"bases", "cMoveDoc"})["bases"].toArray(), true));
    const std::vector<std::string> expectSubs = CliNames(Cli({"subclasses", "cMoveDoc"})["subclasses"].toArray(), true);
    EXPECT_EQ(TopTexts(ViewOf<CZvSubClassView>(pane, 1)->tree()), expectSubs);
    EXPECT_FALSE(expectSubs.empty());

    // Declarations and statements together are the references of the class, but for base-class lines.
    auto* decls = ViewOf<CZvClassDeclView>(pane, 2);
    auto* stmts = ViewOf<CZvClassRefView>(pane, 3);
    CXrefList* list = Engine().GetReferences(Symbol("cMoveDoc")->GetItem().GetItem());
    ASSERT_NE(list, nullptr);
    int nDecl = 0, nStmt = 0;
    for (CReference* r : list->GetReferences()) {
        const int type = r->GetSource()->GetItemType();
        if (IsStatement(type)) ++nStmt;
        else if (type != ItemType::BaseClass) ++nDecl;
    }
    EXPECT_EQ(decls->itemCount(), nDecl);
    EXPECT_EQ(stmts->itemCount(), nStmt);
    EXPECT_EQ(decls->caption()->text(), QString("Declarations ( %1 )").arg(nDecl));
    // The caption counts what the view holds; an empty view folds to its caption.
    for (int row = 0; row < 4; ++row) {
        CZvViewBase* view = pane->viewAt(row);
        EXPECT_EQ(view->isOpen(), view->itemCount() > 0) << view->viewName().toStdString();
    }
}

TEST_F(ExplorerTest, FunctionShowsCalleesCallersAndReferences)
{
    Parse();
    ShowRefs("BookMove");
    auto* pane = VisiblePane<CZvFunctionPane>();
    ASSERT_NE(pane, nullptr);

    EXPECT_EQ(TopTexts(ViewOf<CZvCalleeView>(pane, 0)->tree()),
              CliNames(Cli({"callees", "BookMove", "--depth", "1"})["callees"].toArray()));

    // Callers: the same set as the command line's (order is the tree's own).
    std::vector<std::string> callerTexts = TopTexts(ViewOf<CZvCallerView>(pane, 1)->tree());
    std::vector<std::string> cliTexts = CliNames(Cli({"callers", "BookMove"})["callers"].toArray());
    std::sort(callerTexts.begin(), callerTexts.end());
    std::sort(cliTexts.begin(), cliTexts.end());
    EXPECT_EQ(callerTexts, cliTexts);

    auto* refs = ViewOf<CZvVarRefView>(pane, 2);
    EXPECT_EQ(RowLines(refs->list()), CliLines(Cli({"refs", "BookMove"})));
}

TEST_F(ExplorerTest, LateBoundCalleesShowTheirOverridesAndSalFunctionsAreLeaves)
{
    Parse();
    ShowRefs("cStockDoc::Post");
    auto* callees = ViewOf<CZvCalleeView>(VisiblePane<CZvFunctionPane>(), 0);
    ASSERT_NE(callees, nullptr);
    QTreeWidget* tree = callees->tree();
    QTreeWidgetItem* validate = nullptr;
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        QTreeWidgetItem* entry = tree->topLevelItem(i);
        if (entry->text(0) == "cStockDoc::Validate") validate = entry;
        if (entry->data(0, zvrow::Item).toULongLong() == 0) {
            // A SAL function: nowhere to go, nothing to expand.
            EXPECT_EQ(entry->childIndicatorPolicy(), QTreeWidgetItem::DontShowIndicator) << entry->text(0).toStdString();
        }
    }
    ASSERT_NE(validate, nullptr);
    auto* f = dynamic_cast<CFunction*>(Symbol("cStockDoc::Validate"));
    std::vector<std::string> overrides;
    for (CFunction* g : FindOverrides(f)) overrides.push_back(zvrow::DisplayName(g->GetItem()));
    ASSERT_FALSE(overrides.empty());
    std::vector<std::string> children;
    for (int i = 0; i < validate->childCount(); ++i) children.push_back(validate->child(i)->text(0).toStdString());
    EXPECT_EQ(children, overrides) << "the overrides hang beneath the late-bound callee at once";
}

// Uses that run the function only at run time are listed as the command
// line lists them, and say so.
TEST_F(ExplorerTest, LateBoundAndByNameUsesAreListedAndMarked)
{
    Parse();
    for (const char* path : {"frmArticle::Refresh", "cStockForm::Refresh"}) {
        SCOPED_TRACE(path);
        ShowRefs(path);
        auto* refs = ViewOf<CZvVarRefView>(VisiblePane<CZvFunctionPane>(), 2);
        ASSERT_NE(refs, nullptr);
        const QJsonObject cli = Cli({"refs", path});
        EXPECT_EQ(RowLines(refs->list()), CliLines(cli));
        int cliLate = 0, rowsLate = 0, rowsCalling = 0;
        for (const QJsonValue& ref : cli["references"].toArray()) cliLate += ref.toObject()["lateBound"].toBool();
        for (int i = 0; i < refs->list()->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* row = refs->list()->topLevelItem(i);
            rowsLate += row->toolTip(0).contains("late bound:") && row->font(0).italic();
            rowsCalling += row->toolTip(0).contains("late-bound call:");
        }
        EXPECT_EQ(rowsLate, cliLate);
        // Every "..Refresh()" row says what it is, whichever list it is in.
        EXPECT_EQ(rowsLate + rowsCalling, 2);
    }
    // The override is reached only through the base's late-bound calls.
    EXPECT_EQ(CliLines(Cli({"refs", "frmArticle::Refresh"})).size(), 2u);
}

TEST_F(ExplorerTest, WindowVariableShowsReferencesAndUsagePerParent)
{
    Parse();
    ShowRefs("frmArticle::dfCode");
    auto* pane = VisiblePane<CZvVarPane>();
    ASSERT_NE(pane, nullptr);
    auto* refs = ViewOf<CZvVarRefView>(pane, 0);
    auto* usage = ViewOf<CZvVarUsageView>(pane, 1);
    EXPECT_EQ(RowLines(refs->list()), CliLines(Cli({"refs", "frmArticle::dfCode"})));
    int total = 0;
    for (int i = 0; i < usage->list()->topLevelItemCount(); ++i) total += usage->list()->topLevelItem(i)->text(2).toInt();
    EXPECT_EQ(total, refs->itemCount()) << "every reference counts once in its parent's row";
    EXPECT_EQ(refs->caption()->text(), QString("References ( %1 )").arg(refs->itemCount()));
}

TEST_F(ExplorerTest, LocalVariableIsNotTheWindowVariableOfTheSameName)
{
    Parse();
    ShowRefs("frmArticle::Refresh::nMode");
    auto* local = ViewOf<CZvVarRefView>(VisiblePane<CZvVarPane>(), 0);
    ASSERT_NE(local, nullptr);
    const std::vector<int> localLines = RowLines(local->list());
    EXPECT_EQ(localLines, CliLines(Cli({"refs", "frmArticle::Refresh::nMode"})));
    ShowRefs("frmArticle::nMode");
    auto* window = ViewOf<CZvVarRefView>(VisiblePane<CZvVarPane>(), 0);
    EXPECT_EQ(RowLines(window->list()), CliLines(Cli({"refs", "frmArticle::nMode"})));
    EXPECT_NE(RowLines(window->list()), localLines);
}

TEST_F(ExplorerTest, AnItemNoPaneTakesSaysWhyInsteadOfAnEmptyPage)
{
    Parse();
    // The application's root item is neither class, function nor variable.
    CGApplication root(m_hOutline);
    ASSERT_TRUE(m_frame->setSymbol(root.GetItem(), m_hOutline));
    EXPECT_EQ(RefTab()->visiblePane(), nullptr);
    EXPECT_TRUE(RefTab()->placeholder()->isVisibleTo(m_frame));
    EXPECT_TRUE(RefTab()->placeholder()->text().contains("not a class, a function or a variable"));
}

} // namespace zvtest
