// The filter tree: the sections a filter shows (bold), the libraries it
// hides, the menus, library label edits, and the modified mark.
#include <QCompleter>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "UnrefFilterFixture.h"
#include "explorer/ZvUnrefFilterTree.h"
#include "settings/ZvFilterNodes.h"

namespace {

class UnrefFilterTree : public zvtest::UnrefFilterTest {
protected:
    void SetUp() override
    {
        UnrefFilterTest::SetUp();
        m_pTree = std::make_unique<CZvUnrefFilterTree>();
        m_pTree->resize(320, 640);
        m_pTree->show();
    }

    // The node reached by a path of labels from the root.
    QTreeWidgetItem* Node(const QStringList& path) const
    {
        QTreeWidgetItem* node = m_pTree->topLevelItem(0);
        for (const QString& label : path) {
            QTreeWidgetItem* found = nullptr;
            for (int i = 0; node && i < node->childCount() && !found; ++i)
                if (node->child(i)->text(0) == label) found = node->child(i);
            node = found;
        }
        EXPECT_NE(node, nullptr) << path.join('/').toStdString();
        return node;
    }

    static int Type(const QTreeWidgetItem* node) { return node->data(0, CZvUnrefFilterTree::kTypeRole).toInt(); }

    // Labels and types of the whole tree, depth first, one line per node.
    std::vector<std::string> Outline() const
    {
        std::vector<std::string> lines;
        for (QTreeWidgetItemIterator it(m_pTree.get()); *it; ++it) {
            int depth = 0;
            for (QTreeWidgetItem* p = (*it)->parent(); p; p = p->parent()) ++depth;
            lines.push_back(std::string(static_cast<std::size_t>(depth) * 2, ' ') + (*it)->text(0).toStdString() +
                            " [" + std::to_string(Type(*it)) + "]" + (m_pTree->isBold(*it) ? " bold" : ""));
        }
        return lines;
    }

    std::vector<std::string> Libraries() const
    {
        std::vector<std::string> names;
        for (int i = 0; i < m_pTree->librariesNode()->childCount(); ++i)
            names.push_back(m_pTree->librariesNode()->child(i)->text(0).toStdString());
        return names;
    }

    void Click(QTreeWidgetItem* node)
    {
        m_pTree->scrollToItem(node);
        QTest::mouseClick(m_pTree->viewport(), Qt::LeftButton, {}, m_pTree->visualItemRect(node).center());
    }

    // Triggers the entry of the node's pop-up; the menu is the caller's to delete.
    void Pick(QTreeWidgetItem* node, const QString& entry)
    {
        std::unique_ptr<QMenu> menu(m_pTree->buildMenu(node));
        ASSERT_NE(menu, nullptr);
        for (QAction* action : menu->actions())
            if (action->text() == entry) {
                action->trigger();
                return;
            }
        ADD_FAILURE() << "no entry " << entry.toStdString();
    }

    // The delegate ends an edit through a queued call, then drops its editor later.
    static void Settle()
    {
        QApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Types in to the open label editor and ends the edit with Enter.
    void TypeLabel(const QString& text)
    {
        auto* editor = m_pTree->viewport()->findChild<QLineEdit*>();
        ASSERT_NE(editor, nullptr) << "no label editor open";
        editor->selectAll();
        editor->del();
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        Settle();
    }

    // Made once the application exists.
    std::unique_ptr<CZvUnrefFilterTree> m_pTree;
};

} // namespace

TEST_F(UnrefFilterTree, LabelsTypesOrderAndBoldFromTheFilter)
{
    CZvParentItemFilter* pFilter = Store("Mine", {137, 223, 279}, {"zlib.apl", "Alpha.apl", "beta.apl"});
    m_pTree->setFilter(pFilter);
    const std::vector<std::string> expected = {
        "Application [29]",
        "  Libraries [130]",
        "    Alpha.apl [145]",
        "    beta.apl [145]",
        "    zlib.apl [145]",
        "  External Functions [145]",
        "  Constants [52]",
        "    User Constants [222]",
        "    System Constants [208]",
        "    Enumerations [525]",
        "      Item [527]",
        "  Resources [406]",
        "  Variables [223] bold",
        "  Functions [134]",
        "    Parameters [137] bold",
        "    Static Variables [281]",
        "    Local Variables [136]",
        "  Classes [244]",
        "    Class variables [280]",
        "    Instance variables [265]",
        "    Events [512]",
        "    Functions [279] bold",
        "      Parameters [137] bold",
        "      Static Variables [281]",
        "      Local Variables [136]",
        "  Top Level Windows [999]",
        "    Parameters [401]",
        "    Variables [118]",
        "    Functions [278]",
        "      Parameters [137] bold",
        "      Static Variables [281]",
        "      Local Variables [136]",
    };
    EXPECT_EQ(Outline(), expected);
    // Building the tree changes neither the filter nor the modified mark.
    EXPECT_TRUE(pFilter->has(137) && pFilter->has(223) && pFilter->has(279) && !pFilter->has(145));
    EXPECT_FALSE(m_pTree->isModified());
    // Only the root is open; nodes with children, and the Libraries node, show a button.
    EXPECT_TRUE(m_pTree->topLevelItem(0)->isExpanded());
    EXPECT_FALSE(Node({"Classes"})->isExpanded());
    EXPECT_EQ(Node({"Libraries"})->childIndicatorPolicy(), QTreeWidgetItem::ShowIndicator);
    EXPECT_EQ(Node({"Libraries", "zlib.apl"})->childIndicatorPolicy(),
              QTreeWidgetItem::DontShowIndicatorWhenChildless);
    EXPECT_EQ(m_pTree->librariesNode(), Node({"Libraries"}));
}

TEST_F(UnrefFilterTree, NoFilterShowsWhyAndClicksDoNothing)
{
    m_pTree->setFilter(nullptr);
    ASSERT_EQ(m_pTree->topLevelItemCount(), 1);
    QTreeWidgetItem* hint = m_pTree->topLevelItem(0);
    EXPECT_EQ(hint->childCount(), 0);
    EXPECT_TRUE(hint->text(0).contains("New"));
    Click(hint);
    EXPECT_FALSE(m_pTree->isBold(hint));
    EXPECT_EQ(m_pTree->buildMenu(hint), nullptr);
    EXPECT_EQ(m_pTree->librariesNode(), nullptr);
    EXPECT_FALSE(m_pTree->isModified());
}

TEST_F(UnrefFilterTree, ClickTogglesANodeWithItsChildrenAndEveryNodeOfItsTypes)
{
    CZvParentItemFilter* pFilter = Store("Mine", {223});
    m_pTree->setFilter(pFilter);
    QSignalSpy modified(m_pTree.get(), &CZvUnrefFilterTree::modifiedChanged);
    QTreeWidgetItem* classFunctions = Node({"Classes", "Functions"});
    m_pTree->expandAll();

    Click(classFunctions);
    for (std::uint16_t type : {279, 137, 281, 136}) EXPECT_TRUE(pFilter->has(type)) << type;
    EXPECT_TRUE(m_pTree->isBold(classFunctions));
    for (const char* child : {"Parameters", "Static Variables", "Local Variables"}) {
        EXPECT_TRUE(m_pTree->isBold(Node({"Classes", "Functions", child}))) << child;
        // The same types under the other Functions nodes show the same state.
        EXPECT_TRUE(m_pTree->isBold(Node({"Functions", child}))) << child;
        EXPECT_TRUE(m_pTree->isBold(Node({"Top Level Windows", "Functions", child}))) << child;
    }
    EXPECT_FALSE(m_pTree->isBold(Node({"Functions"})));  // 134 is a type of its own
    EXPECT_TRUE(m_pTree->isModified());
    EXPECT_EQ(modified.count(), 1);

    // A child alone (from the keyboard), then the parent back off with all four types.
    m_pTree->setCurrentItem(Node({"Top Level Windows", "Functions", "Static Variables"}));
    QTest::keyClick(m_pTree.get(), Qt::Key_Space);
    EXPECT_FALSE(pFilter->has(281));
    EXPECT_FALSE(m_pTree->isBold(Node({"Classes", "Functions", "Static Variables"})));
    Click(classFunctions);
    for (std::uint16_t type : {279, 137, 281, 136}) EXPECT_FALSE(pFilter->has(type)) << type;
    EXPECT_FALSE(m_pTree->isBold(Node({"Functions", "Parameters"})));
    EXPECT_TRUE(pFilter->has(223));

    // The root toggles every type, never the libraries' nodes.
    Click(m_pTree->topLevelItem(0));
    for (std::uint16_t type : kZvFilterNodeTypes) EXPECT_EQ(pFilter->has(type), type != 130) << type;
    EXPECT_FALSE(m_pTree->isBold(m_pTree->librariesNode()));
    // Nothing is stored before Save.
    EXPECT_FALSE(CZvParentItemFilter("Mine").has(137));
}

TEST_F(UnrefFilterTree, MenusAddEditSortAndRemoveLibraries)
{
    CZvParentItemFilter* pFilter = Store("Mine", {134}, {"m.apl"});
    m_pTree->setFilter(pFilter);
    m_pTree->setLibraryNames({"stocklib.apl", "Tools.apl"});
    QTreeWidgetItem* libraries = m_pTree->librariesNode();
    EXPECT_EQ(m_pTree->buildMenu(Node({"Functions"})), nullptr);  // type nodes toggle, no menu

    // "Add library to exclude": a new node, its label open for editing.
    Pick(libraries, "Add library to exclude");
    EXPECT_TRUE(libraries->isExpanded());
    EXPECT_EQ(Libraries(), (std::vector<std::string>{"m.apl", "Library.apl"}));
    // The includes are offered while typing.
    auto* editor = m_pTree->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    ASSERT_NE(editor->completer(), nullptr);
    editor->completer()->setCompletionPrefix("STOCK");
    EXPECT_EQ(editor->completer()->currentCompletion(), "stocklib.apl");
    TypeLabel("stocklib.apl");
    EXPECT_EQ(Libraries(), (std::vector<std::string>{"m.apl", "stocklib.apl"}));
    EXPECT_EQ(pFilter->getLibs(), (std::vector<std::string>{"m.apl", "stocklib.apl"}));
    EXPECT_TRUE(m_pTree->isModified());

    // F2 renames a library: the old name leaves the filter, the children are sorted again.
    m_pTree->setCurrentItem(Node({"Libraries", "m.apl"}));
    QTest::keyClick(m_pTree.get(), Qt::Key_F2);
    TypeLabel("z.apl");
    EXPECT_EQ(Libraries(), (std::vector<std::string>{"stocklib.apl", "z.apl"}));
    EXPECT_EQ(pFilter->getLibs(), (std::vector<std::string>{"stocklib.apl", "z.apl"}));
    // An edit that ends without a text changes nothing.
    m_pTree->setCurrentItem(Node({"Libraries", "z.apl"}));
    QTest::keyClick(m_pTree.get(), Qt::Key_F2);
    TypeLabel("");
    EXPECT_EQ(Libraries(), (std::vector<std::string>{"stocklib.apl", "z.apl"}));
    EXPECT_EQ(pFilter->getLibs(), (std::vector<std::string>{"stocklib.apl", "z.apl"}));
    // Other labels cannot be edited.
    m_pTree->setCurrentItem(Node({"Classes"}));
    QTest::keyClick(m_pTree.get(), Qt::Key_F2);
    EXPECT_EQ(m_pTree->viewport()->findChild<QLineEdit*>(), nullptr);
    EXPECT_EQ(Node({"Classes"})->text(0), "Classes");

    // A new node left as "Library.apl" is shown but excludes nothing.
    Pick(libraries, "Add library to exclude");
    QTest::keyClick(m_pTree->viewport()->findChild<QLineEdit*>(), Qt::Key_Escape);
    Settle();
    EXPECT_EQ(Libraries(), (std::vector<std::string>{"stocklib.apl", "z.apl", "Library.apl"}));
    EXPECT_EQ(pFilter->getLibs(), (std::vector<std::string>{"stocklib.apl", "z.apl"}));

    // "Remove library" takes the node and the filter's entry.
    Pick(Node({"Libraries", "z.apl"}), "Remove library");
    EXPECT_EQ(Libraries(), (std::vector<std::string>{"stocklib.apl", "Library.apl"}));
    EXPECT_EQ(pFilter->getLibs(), std::vector<std::string>{"stocklib.apl"});
    Pick(Node({"Libraries", "Library.apl"}), "Remove library");
    EXPECT_EQ(pFilter->getLibs(), std::vector<std::string>{"stocklib.apl"});

    // A menu that outlives a rebuild of the tree does nothing.
    std::unique_ptr<QMenu> stale(m_pTree->buildMenu(Node({"Libraries", "stocklib.apl"})));
    m_pTree->init();
    stale->actions()[0]->trigger();
    EXPECT_EQ(pFilter->getLibs(), std::vector<std::string>{"stocklib.apl"});
    EXPECT_EQ(Libraries(), std::vector<std::string>{"stocklib.apl"});
}

TEST_F(UnrefFilterTree, TheExpandArrowOnlyOpensAndExcludeAllIsCheckedWhileSet)
{
    CZvParentItemFilter* pFilter = Store("Mine", {134});
    m_pTree->setFilter(pFilter);
    QTreeWidgetItem* classes = Node({"Classes"});
    const QRect rect = m_pTree->visualItemRect(classes);
    QTest::mouseClick(m_pTree->viewport(), Qt::LeftButton, {}, QPoint(rect.left() - m_pTree->indentation() / 2, rect.center().y()));
    EXPECT_TRUE(classes->isExpanded());
    EXPECT_FALSE(pFilter->has(244));
    EXPECT_FALSE(m_pTree->isBold(classes));
    EXPECT_FALSE(m_pTree->isModified());

    std::unique_ptr<QMenu> menu(m_pTree->buildMenu(m_pTree->librariesNode()));
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->actions().size(), 2);
    EXPECT_EQ(menu->actions()[0]->text(), "Exclude all");
    EXPECT_TRUE(menu->actions()[0]->isCheckable());
    EXPECT_FALSE(menu->actions()[0]->isChecked());
    Pick(m_pTree->librariesNode(), "Exclude all");
    EXPECT_TRUE(pFilter->getExcludeAll());
    EXPECT_TRUE(m_pTree->isModified());
    menu.reset(m_pTree->buildMenu(m_pTree->librariesNode()));
    EXPECT_TRUE(menu->actions()[0]->isChecked());
    Pick(m_pTree->librariesNode(), "Exclude all");
    EXPECT_FALSE(pFilter->getExcludeAll());
}

TEST_F(UnrefFilterTree, ModifiedMarkFollowsTheFilter)
{
    CZvParentItemFilter* pMine = Store("Mine", {});
    CZvParentItemFilter* pOther = Store("Other", {});
    m_pTree->setFilter(pMine);
    QSignalSpy modified(m_pTree.get(), &CZvUnrefFilterTree::modifiedChanged);
    Click(Node({"Resources"}));
    EXPECT_TRUE(m_pTree->isModified());
    m_pTree->setFilter(pOther);
    EXPECT_FALSE(m_pTree->isModified());
    m_pTree->setFilter(pMine);
    EXPECT_TRUE(m_pTree->isModified());
    EXPECT_TRUE(m_pTree->isBold(Node({"Resources"})));
    m_pTree->setModified(false);
    EXPECT_FALSE(m_pTree->isModified());
    ASSERT_EQ(modified.count(), 4);
    EXPECT_FALSE(modified.takeLast().at(0).toBool());
}
