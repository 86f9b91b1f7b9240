// The filter editor: the name dialog's refusals, the five buttons on the
// real store, the signals the list view follows, the first filter of a fresh
// installation, and what survives a restart.
#include <QSignalSpy>
#include <QTest>

#include "UnrefFilterFixture.h"
#include "explorer/NewFilterNameDlg.h"
#include "explorer/ZvCaption.h"
#include "explorer/ZvUnrefFilterTree.h"
#include "explorer/ZvUnrefFilterView.h"
#include "settings/ZvFilterNodes.h"

namespace {

class UnrefFilterView : public zvtest::UnrefFilterTest {
protected:
    void TearDown() override
    {
        CZvUnrefFilterView::setNameDialogRunner(nullptr);
        UnrefFilterTest::TearDown();
    }

    // The name dialog is answered with each name in turn, as typed and OK'd;
    // a refused name keeps it open for the next one. Cancel when none is left.
    void AnswerNames(std::vector<QString> names)
    {
        CZvUnrefFilterView::setNameDialogRunner([this, names](CNewFilterNameDlg& dialog) {
            m_nameDialogs++;
            EXPECT_EQ(dialog.windowTitle(), "Filter name");
            for (const QString& name : names) {
                dialog.edit()->setText(name);
                QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
                if (dialog.result() == QDialog::Accepted) return int(QDialog::Accepted);
            }
            return int(QDialog::Rejected);
        });
    }

    std::unique_ptr<CZvUnrefFilterView> MakeView()
    {
        auto view = std::make_unique<CZvUnrefFilterView>();
        view->resize(360, 420);
        view->show();
        return view;
    }

    // The view dropped and made again on a fresh read of the store.
    void Restart(std::unique_ptr<CZvUnrefFilterView>& view)
    {
        view.reset();
        CZvFilterCollection::discardShared();
        view = MakeView();
    }

    // Clicks the node of the tree's top level with this label.
    static void ClickTopNode(CZvUnrefFilterTree* tree, const QString& label)
    {
        QTreeWidgetItem* node = nullptr;
        for (QTreeWidgetItemIterator it(tree); *it; ++it)
            if ((*it)->text(0) == label && (*it)->parent() == tree->topLevelItem(0)) node = *it;
        ASSERT_NE(node, nullptr) << label.toStdString();
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(node).center());
    }

    static std::vector<int> Types(const CZvParentItemFilter& filter)
    {
        std::vector<int> types;
        for (std::uint16_t type : kZvFilterNodeTypes)
            if (filter.has(type)) types.push_back(type);
        return types;
    }

    int m_nameDialogs = 0;
};

} // namespace

TEST_F(UnrefFilterView, NameDialogRefusesTakenNamesInAnyCaseAndBlanks)
{
    Store("All symbols", {137});
    CNewFilterNameDlg dialog;
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Filter name");
    EXPECT_EQ(dialog.focusWidget(), dialog.edit());
    for (const char* taken : {"All symbols", "all SYMBOLS", "  All symbols "}) {
        dialog.edit()->setText(taken);
        dialog.accept();
        EXPECT_NE(dialog.result(), QDialog::Accepted) << taken;
        EXPECT_TRUE(dialog.isVisible());
    }
    ASSERT_EQ(m_boxes.size(), 3u);
    EXPECT_EQ(m_boxes[0].text, "There is already a filter with that name, please use another one");
    EXPECT_EQ(m_boxes[0].caption, "Zavora");
    EXPECT_EQ(m_boxes[0].icon, ZvMB_ICONEXCLAMATION);
    EXPECT_EQ(m_boxes[0].buttons, ZvMB_OK);
    EXPECT_EQ(m_boxes[0].owner, &dialog);

    for (const char* blank : {"", "   "}) {
        dialog.edit()->setText(blank);
        dialog.accept();
        EXPECT_TRUE(dialog.isVisible()) << '"' << blank << '"';
    }
    ASSERT_EQ(m_boxes.size(), 5u);
    EXPECT_FALSE(m_boxes[3].text.empty());
    EXPECT_NE(m_boxes[3].text, m_boxes[0].text);

    dialog.edit()->setText(" All symbols 2 ");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.name(), "All symbols 2");
}

TEST_F(UnrefFilterView, FirstStartStoresAllSymbolsAsTheDefault)
{
    auto view = MakeView();
    ASSERT_NE(view->filter(), nullptr);
    EXPECT_EQ(view->filter()->getName(), "All symbols");
    EXPECT_TRUE(view->filter()->isDefault());
    EXPECT_EQ(ComboNames(view->filterCombo()), std::vector<std::string>{"All symbols"});
    EXPECT_EQ(MarkedRows(view->filterCombo()), std::vector<int>{0});
    // Every type node of the tree is bold; the Libraries node holds names, not a type.
    for (QTreeWidgetItemIterator it(view->tree()); *it; ++it)
        EXPECT_EQ(view->tree()->isBold(*it), *it != view->tree()->librariesNode()) << (*it)->text(0).toStdString();
    EXPECT_EQ(view->caption()->text(), "Filter");
    EXPECT_EQ(view->itemCount(), -1);
}

TEST_F(UnrefFilterView, ButtonsLayoutAndTips)
{
    auto view = MakeView();
    const int images[] = {7138, 7137, 7141, 7142, 7150};
    for (int i = 0; i < CZvUnrefFilterView::ButtonCount; ++i) {
        QToolButton* button = view->button(static_cast<CZvUnrefFilterView::Button>(i));
        EXPECT_EQ(button->size(), QSize(24, 24));
        EXPECT_EQ(button->iconSize(), QSize(16, 16));
        EXPECT_TRUE(button->text().isEmpty() || button->toolButtonStyle() == Qt::ToolButtonIconOnly);
        EXPECT_FALSE(button->toolTip().isEmpty());
        EXPECT_EQ(button->icon().pixmap(16, 16).toImage(), ZvBitmap(images[i]).toImage()) << i;
        EXPECT_EQ(button->mapTo(view.get(), QPoint(0, 0)).x(), i * 24);
    }
    EXPECT_EQ(view->filterCombo()->mapTo(view.get(), QPoint(0, 0)).x(), 120);
    EXPECT_GT(view->tree()->mapTo(view.get(), QPoint(0, 0)).y(), view->button(CZvUnrefFilterView::SaveButton)->mapTo(view.get(), QPoint(0, 0)).y() + 23);
}

TEST_F(UnrefFilterView, SaveStoresTheEditsAndTellsTheList)
{
    Store("Mine", {223}, {"a.apl"});
    CZvParentItemFilter("Mine").makeDefault();
    auto view = MakeView();
    QSignalSpy saved(view.get(), &CZvUnrefFilterView::filterSaved);
    CZvParentItemFilter* pMine = view->filter();
    ASSERT_NE(pMine, nullptr);
    // Tree edits: a type and exclude-all.
    pMine->add(static_cast<std::uint16_t>(136));
    view->tree()->setModified(true);
    pMine->setExcludeAll(true);
    EXPECT_EQ(view->caption()->text(), "Filter *");
    QTest::mouseClick(view->button(CZvUnrefFilterView::SaveButton), Qt::LeftButton);
    ASSERT_EQ(saved.count(), 1);
    EXPECT_EQ(saved[0][0].value<CZvParentItemFilter*>(), pMine);
    EXPECT_FALSE(view->tree()->isModified());
    EXPECT_EQ(view->caption()->text(), "Filter");
    // The views keep applying the object they hold, and the collection lists it.
    EXPECT_EQ(CZvFilterCollection::shared()->get("Mine"), pMine);
    const CZvParentItemFilter stored("Mine");
    EXPECT_EQ(Types(stored), (std::vector<int>{223, 136}));
    EXPECT_EQ(stored.getLibs(), std::vector<std::string>{"a.apl"});
    EXPECT_TRUE(stored.getExcludeAll());
}

TEST_F(UnrefFilterView, SaveAsCopiesTheTypesOnlyAndNewStartsEmpty)
{
    CZvParentItemFilter* pBase = Store("Base", {223, 137}, {"a.apl"});
    pBase->setExcludeAll(true);
    pBase->save();
    CZvParentItemFilter("Base").makeDefault();
    auto view = MakeView();
    QSignalSpy added(view.get(), &CZvUnrefFilterView::filterAdded);

    // A taken name (in another case) is refused; the next one is taken.
    AnswerNames({"base", "Copy"});
    QTest::mouseClick(view->button(CZvUnrefFilterView::SaveAsButton), Qt::LeftButton);
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(m_boxes[0].text, "There is already a filter with that name, please use another one");
    ASSERT_EQ(added.count(), 1);
    CZvParentItemFilter* pCopy = added[0][0].value<CZvParentItemFilter*>();
    ASSERT_NE(pCopy, nullptr);
    EXPECT_EQ(pCopy->getName(), "Copy");
    EXPECT_EQ(view->filter(), pCopy);
    EXPECT_EQ(view->tree()->filter(), pCopy);
    EXPECT_EQ(view->filterCombo()->currentText(), "Copy");
    EXPECT_EQ(ComboNames(view->filterCombo()), (std::vector<std::string>{"Base", "Copy"}));
    const CZvParentItemFilter copy("Copy");
    EXPECT_EQ(Types(copy), (std::vector<int>{223, 137}));
    EXPECT_TRUE(copy.getLibs().empty());
    EXPECT_FALSE(copy.getExcludeAll());
    EXPECT_FALSE(copy.isDefault());

    // New: empty, stored, in force; the tree shows nothing bold.
    AnswerNames({"Fresh"});
    QTest::mouseClick(view->button(CZvUnrefFilterView::NewButton), Qt::LeftButton);
    ASSERT_EQ(added.count(), 2);
    EXPECT_EQ(view->filter()->getName(), "Fresh");
    EXPECT_TRUE(Types(CZvParentItemFilter("Fresh")).empty());
    EXPECT_NE(CZvFilterCollection::shared()->get("fresh"), nullptr);
    for (QTreeWidgetItemIterator it(view->tree()); *it; ++it) EXPECT_FALSE(view->tree()->isBold(*it));

    // Cancel changes nothing.
    AnswerNames({});
    QTest::mouseClick(view->button(CZvUnrefFilterView::NewButton), Qt::LeftButton);
    EXPECT_EQ(added.count(), 2);
    EXPECT_EQ(view->filterCombo()->count(), 3);
    EXPECT_EQ(m_nameDialogs, 3);
}

TEST_F(UnrefFilterView, RemoveRefusesTheDefaultAndAsksForOthers)
{
    Store("Keep", {223});
    Store("Drop", {137});
    CZvParentItemFilter("Keep").makeDefault();
    auto view = MakeView();
    QSignalSpy deleted(view.get(), &CZvUnrefFilterView::filterDeleted);

    // The default: refused with the reason.
    QTest::mouseClick(view->button(CZvUnrefFilterView::RemoveButton), Qt::LeftButton);
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(m_boxes[0].text, "The default filter cannot be removed. \n Please make another filter the default "
                               "one before deleting this filter.");
    EXPECT_EQ(m_boxes[0].caption, "Zavora - The Sal Explorer");
    EXPECT_EQ(m_boxes[0].icon, ZvMB_ICONEXCLAMATION);
    EXPECT_EQ(deleted.count(), 0);
    EXPECT_EQ(CZvFilterCollection::shared()->size(), 2u);

    // Another: asked with No as the default; No keeps it.
    Choose(view->filterCombo(), 0);
    ASSERT_EQ(view->filter()->getName(), "Drop");
    Answer(ZvIDNO);
    QTest::mouseClick(view->button(CZvUnrefFilterView::RemoveButton), Qt::LeftButton);
    ASSERT_EQ(m_boxes.size(), 2u);
    EXPECT_EQ(m_boxes[1].text, "Remove filter Drop?");
    EXPECT_EQ(m_boxes[1].caption, "Zavora - The Sal Explorer");
    EXPECT_EQ(m_boxes[1].buttons, ZvMB_YESNO);
    EXPECT_EQ(m_boxes[1].icon, ZvMB_ICONQUESTION);
    EXPECT_EQ(m_boxes[1].defaultButton, ZvIDNO);
    EXPECT_EQ(deleted.count(), 0);
    EXPECT_NE(CZvParentItemFilter("Drop").getName(), "");
    EXPECT_EQ(CZvFilterCollection().size(), 2u);

    // Yes removes it; the default comes into force, in the tree too.
    CZvParentItemFilter* pDrop = view->filter();
    Answer(ZvIDYES);
    QTest::mouseClick(view->button(CZvUnrefFilterView::RemoveButton), Qt::LeftButton);
    ASSERT_EQ(deleted.count(), 1);
    EXPECT_EQ(deleted[0][0].value<CZvParentItemFilter*>(), pDrop);
    EXPECT_EQ(CZvFilterCollection().size(), 1u);
    EXPECT_EQ(CZvFilterCollection::shared()->get("Drop"), nullptr);
    EXPECT_EQ(ComboNames(view->filterCombo()), std::vector<std::string>{"Keep"});
    EXPECT_EQ(view->filter()->getName(), "Keep");
    EXPECT_EQ(view->tree()->filter(), view->filter());
}

TEST_F(UnrefFilterView, MakeDefaultMovesTheMarkAndKeepsTheFilterAndItsEdits)
{
    Store("One", {223});
    Store("Two", {137});
    CZvParentItemFilter("One").makeDefault();
    auto view = MakeView();
    QSignalSpy newDefault(view.get(), &CZvUnrefFilterView::newDefaultFilter);
    EXPECT_EQ(MarkedRows(view->filterCombo()), std::vector<int>{0});
    Choose(view->filterCombo(), 1);
    CZvParentItemFilter* pTwo = view->filter();
    ASSERT_EQ(pTwo->getName(), "Two");
    // An unsaved edit: exclude-all from the Libraries menu.
    std::unique_ptr<QMenu> menu(view->tree()->buildMenu(view->tree()->librariesNode()));
    menu->actions()[0]->trigger();
    ASSERT_TRUE(view->tree()->isModified());

    QTest::mouseClick(view->button(CZvUnrefFilterView::DefaultButton), Qt::LeftButton);
    ASSERT_EQ(newDefault.count(), 1);
    EXPECT_EQ(newDefault[0][0].value<CZvParentItemFilter*>(), pTwo);
    EXPECT_EQ(MarkedRows(view->filterCombo()), std::vector<int>{1});
    EXPECT_EQ(view->filter(), pTwo);
    EXPECT_EQ(view->filterCombo()->currentText(), "Two");
    EXPECT_TRUE(pTwo->getExcludeAll());
    EXPECT_TRUE(view->tree()->isModified());
    EXPECT_TRUE(CZvParentItemFilter("Two").isDefault());

    // Saved, exclude-all survives a restart along with the default.
    view->save();
    menu.reset();  // a child of the tree
    Restart(view);
    EXPECT_EQ(view->filter()->getName(), "Two");
    EXPECT_TRUE(view->filter()->getExcludeAll());
    menu.reset(view->tree()->buildMenu(view->tree()->librariesNode()));
    EXPECT_TRUE(menu->actions()[0]->isChecked());
}

TEST_F(UnrefFilterView, UnsavedEditsOfAnotherFilterOutliveASave)
{
    Store("One", {223});
    Store("Two", {137});
    auto view = MakeView();
    CZvParentItemFilter* pOne = view->filter();
    ASSERT_EQ(pOne->getName(), "One");
    ClickTopNode(view->tree(), "Resources");
    ASSERT_TRUE(pOne->has(406));

    Choose(view->filterCombo(), 1);
    view->save();  // reloads the collection from the store
    Choose(view->filterCombo(), 0);
    EXPECT_EQ(view->filter(), pOne);
    EXPECT_TRUE(view->filter()->has(406));
    EXPECT_TRUE(view->tree()->isModified());
    EXPECT_EQ(view->caption()->text(), "Filter *");
}

TEST_F(UnrefFilterView, EverythingSurvivesARestart)
{
    Store("Old", {137});
    auto view = MakeView();  // finds "Old": no first filter
    AnswerNames({"Work"});
    view->newFilter();
    CZvUnrefFilterTree* tree = view->tree();
    ClickTopNode(tree, "Variables");
    std::unique_ptr<QMenu> menu(tree->buildMenu(tree->librariesNode()));
    menu->actions()[0]->trigger();  // Exclude all
    menu->actions()[1]->trigger();  // Add library to exclude
    QApplication::processEvents();
    QTreeWidgetItem* library = tree->librariesNode()->child(0);
    library->setText(0, "..\\lib\\Shared.apl");  // as the label editor ends
    view->save();
    view->makeDefaultFilter();
    AnswerNames({"Copy"});
    view->saveAs();
    Choose(view->filterCombo(), view->filterCombo()->findText("Old"));
    Answer(ZvIDYES);
    view->removeFilter();
    menu.reset();
    Restart(view);
    EXPECT_EQ(ComboNames(view->filterCombo()), (std::vector<std::string>{"Copy", "Work"}));
    EXPECT_EQ(MarkedRows(view->filterCombo()), std::vector<int>{1});
    CZvParentItemFilter* pWork = view->filter();
    ASSERT_EQ(pWork->getName(), "Work");
    EXPECT_EQ(Types(*pWork), std::vector<int>{223});
    EXPECT_EQ(pWork->getLibs(), std::vector<std::string>{"..\\lib\\Shared.apl"});
    EXPECT_TRUE(pWork->getExcludeAll());
    EXPECT_EQ(view->tree()->librariesNode()->child(0)->text(0), "..\\lib\\Shared.apl");
    const CZvParentItemFilter* pCopy = CZvFilterCollection::shared()->get("copy");
    ASSERT_NE(pCopy, nullptr);
    EXPECT_EQ(Types(*pCopy), std::vector<int>{223});
    EXPECT_TRUE(pCopy->getLibs().empty());
    EXPECT_FALSE(pCopy->getExcludeAll());
}
