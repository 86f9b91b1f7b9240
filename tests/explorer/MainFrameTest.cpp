// The frame's toolbar, status bar, icons and outdated state; the
// preferences tab; the help window; auto mode.
#include <QCheckBox>
#include <QDockWidget>
#include <QMenu>
#include <QStyle>
#include <QStatusBar>
#include <QTest>
#include <QTextBrowser>

#include "ExplorerFixture.h"
#include "contracts/Exceptions.h"
#include "explorer/ZvHelpWindow.h"
#include "explorer/ZvImages.h"
#include "explorer/ZvPrefView.h"

namespace zvtest {

TEST_F(ExplorerTest, ToolbarHoldsTheEightPositionsInOrder)
{
    const QList<QAction*> actions = m_frame->toolBar()->actions();
    ASSERT_EQ(actions.size(), 8);
    const int ids[] = {32788, 0, 32786, 32781, 32787, 32793, 32794, 32803};
    const char* tips[] = {"Expand/Collapse Alt+F11", "",           "Parse Ctrl+F11", "Show references  F11",
                          "Toggle auto mode",        "Rename  Ctrl+Alt+F11", "Help",  "Goto decl Shift+F11"};
    for (int i = 0; i < 8; ++i) {
        QAction* a = actions[i];
        if (i == 1) {
            EXPECT_TRUE(a->isSeparator());
            continue;
        }
        EXPECT_EQ(a->data().toInt(), ids[i]) << i;
        EXPECT_EQ(a->toolTip(), tips[i]) << i;
        EXPECT_TRUE(a->statusTip().isEmpty());
        EXPECT_EQ(a->isCheckable(), i == 4);
        EXPECT_FALSE(a->icon().isNull());
    }
    EXPECT_EQ(m_frame->toolBarArea(m_frame->toolBar()), Qt::RightToolBarArea);
    // Every command is in the menu too: desktops may take the F11 family.
    for (int id : {32788, 32786, 32781, 32787, 32793, 32794, 32803})
        EXPECT_TRUE(m_frame->commandMenu()->actions().contains(m_frame->action(id))) << id;
    // Right-clicking the toolbar offers the same menu.
    std::unique_ptr<QMenu> popup(m_frame->createPopupMenu());
    EXPECT_EQ(popup->actions(), m_frame->commandMenu()->actions());
}

TEST_F(ExplorerTest, StatusBarShowsTheOutdatedStateOnRed)
{
    m_frame->outdated(true);
    EXPECT_EQ(m_frame->statusPane(0)->text(), "Info is outdated");
    const QImage red = m_frame->statusBar()->grab().toImage();
    EXPECT_EQ(red.pixelColor(red.width() - 3, red.height() / 2), QColor(255, 0, 0));
    m_frame->outdated(false);
    EXPECT_EQ(m_frame->statusPane(0)->text(), "Info is up to date");
    const QImage plain = m_frame->statusBar()->grab().toImage();
    EXPECT_NE(plain.pixelColor(plain.width() - 3, plain.height() / 2), QColor(255, 0, 0));
    EXPECT_EQ(m_frame->getCurrentItem(), 0u) << "no symbol was shown, none is shown now";
}

TEST_F(ExplorerTest, IconsExistForEveryNumberAndFollowTheTypeTable)
{
    for (int number : ZvResourceNumbers()) EXPECT_FALSE(ZvIcon(number).isNull()) << number;
    const auto& images = CZvMainFrame::getImageList();
    ASSERT_EQ(images.size(), 35u);
    EXPECT_EQ(CZvMainFrame::iconIndexFromType(12345), 1);
    EXPECT_EQ(CZvMainFrame::iconIndexFromType(265), 6) << "the later row wins";
    EXPECT_EQ(CZvMainFrame::iconIndexFromType(280), 7);
    EXPECT_EQ(CZvMainFrame::iconIndexFromType(1000), 1);
    EXPECT_EQ(CZvMainFrame::iconIndexFromType(70), 30);
    // An item takes the picture of its parent's type; an enumeration's
    // items, whose parent the table does not list, take their own kind's.
    Parse();
    CSalSymbol* item = Symbol("MOVE_Scrap");
    ASSERT_NE(item, nullptr);
    ASSERT_EQ(item->GetItem().GetItemType(), ItemType::EnumerationItem);
    EXPECT_EQ(CZvMainFrame::iconIndexFromType(item->GetItem()),
              CZvMainFrame::iconIndexFromType(ItemType::EnumerationItem));
    EXPECT_NE(CZvMainFrame::iconIndexFromType(item->GetItem()), 1);
}

TEST_F(ExplorerTest, SetSymbolChecksItsArgumentsAndLeavesThePreferencesTab)
{
    std::string text;
    try {
        m_frame->setSymbol(0, m_hOutline);
    } catch (Assertion* e) {
        e->Report("test");
        text = e->GetReportText();
        e->Delete();
    }
    EXPECT_NE(text.find("CZvMainFrame::setSymbol"), std::string::npos) << text;
    EXPECT_NE(text.find("hItem != 0"), std::string::npos) << text;
    Parse();
    m_frame->tabView()->setCurrentWidget(m_frame->tabView()->prefTab()->page());
    ShowRefs("BookMove");
    EXPECT_EQ(m_frame->tabView()->currentIndex(), 0);
    EXPECT_NE(VisiblePane<CZvFunctionPane>(), nullptr);
}

// A bar too narrow for every label shows the current tab's name and the
// others' icons, never three names cut short.
TEST_F(ExplorerTest, ANarrowBarNamesTheCurrentTabAndShowsTheOthersByIcon)
{
    CZvTabView* tabs = m_frame->tabView();
    const QStringList labels{"References", "Unreferenced", "Preferences"};
    tabs->resize(900, 400);
    for (int i = 0; i < tabs->count(); ++i) EXPECT_EQ(tabs->tabText(i), labels[i]);
    tabs->resize(200, 400);
    tabs->setCurrentIndex(2);
    for (int i = 0; i < tabs->count(); ++i) {
        EXPECT_EQ(tabs->tabText(i), i == 2 ? labels[i] : QString()) << i;
        EXPECT_EQ(tabs->fullLabel(i), labels[i]);
        EXPECT_EQ(tabs->tabToolTip(i), labels[i]);
        EXPECT_FALSE(tabs->tabIcon(i).isNull());
    }
    tabs->resize(900, 400);
    for (int i = 0; i < tabs->count(); ++i) EXPECT_EQ(tabs->tabText(i), labels[i]);
}

TEST_F(ExplorerTest, SwitchingTabsKeepsTreesAsTheyWereAndClearEmptiesEveryTab)
{
    Parse();
    ShowRefs("LogWrite");
    auto* callers = ViewOf<CZvCallerView>(VisiblePane<CZvFunctionPane>(), 1);
    QTreeWidgetItem* first = callers->tree()->topLevelItem(0);
    callers->tree()->expandItem(first);
    const int updates = m_frame->tabView()->updateCount();
    m_frame->tabView()->setCurrentIndex(1);
    m_frame->tabView()->setCurrentIndex(0);
    EXPECT_EQ(callers->tree()->topLevelItem(0), first);
    EXPECT_TRUE(first->isExpanded());
    EXPECT_EQ(m_frame->tabView()->updateCount(), updates + 1) << "only the preferences were refreshed";

    m_frame->tabView()->setCurrentIndex(1);
    m_frame->clear();
    for (CZvPane* pane : RefTab()->panes())
        for (int row = 0; row < static_cast<CZvSplitter*>(pane)->rowCount(); ++row)
            EXPECT_EQ(static_cast<CZvSplitter*>(pane)->viewAt(row)->itemCount(), 0);
}

TEST_F(ExplorerTest, PreferencesSaveIntoTheRecordAndCancelShowsItAgain)
{
    CZvPrefView* view = m_frame->tabView()->prefTab()->view();
    CZavoraPrefs* prefs = Engine().GetPreferences();
    prefs->AutoParseXref = false;
    const int delay = prefs->AutoDelay;
    m_frame->tabView()->setCurrentWidget(view);
    EXPECT_EQ(view->group(0)->titleButton()->text(), "Auto re-parse <<");
    EXPECT_EQ(view->group(1)->titleButton()->text(), "Errors and Warnings <<");
    QTest::mouseClick(view->group(1)->titleButton(), Qt::LeftButton);
    EXPECT_EQ(view->group(1)->titleButton()->text(), "Error && Warnings>>") << "shows one ampersand";
    EXPECT_FALSE(view->checkBox(2)->isVisible());
    EXPECT_TRUE(view->saveButton()->isDefault());

    view->checkBox(1)->setChecked(true);
    m_frame->tabView()->setCurrentIndex(0);
    m_frame->tabView()->setCurrentWidget(view);
    EXPECT_FALSE(prefs->AutoParseXref);
    EXPECT_FALSE(view->checkBox(1)->isChecked()) << "an unsaved change is dropped";

    view->checkBox(1)->setChecked(true);
    QTest::mouseClick(view->saveButton(), Qt::LeftButton);
    EXPECT_TRUE(prefs->AutoParseXref);
    EXPECT_EQ(prefs->AutoDelay, delay);
    // Saved: F11 on an outdated store parses first.
    Parse();
    m_frame->outdated(true);
    ShowRefs("BookMove");
    EXPECT_FALSE(m_frame->isOutdated());
    EXPECT_NE(VisiblePane<CZvFunctionPane>(), nullptr);
}

TEST_F(ExplorerTest, HelpOpensItsPagesAndSaysWhenOneIsMissing)
{
    CZvHelpWindow* help = CZvHelpWindow::open();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->toPlainText().contains("F11"));
    ASSERT_TRUE(help->showPage("automode.html"));
    EXPECT_TRUE(help->toPlainText().contains("40 seconds"));
    EXPECT_FALSE(help->showPage("nothing-here.html"));
    EXPECT_TRUE(help->toPlainText().contains("missing"));
    // The index leads to the Unreferenced tab's page, which explains it.
    ASSERT_TRUE(help->showPage("index.html"));
    EXPECT_NE(help->toHtml().indexOf("unreferenced.html"), -1);
    ASSERT_TRUE(help->showPage("unreferenced.html"));
    const QString text = help->toPlainText();
    for (const char* topic : {"__REFERENCED", "ObjectDestructor", "Really delete symbols?", "Exclude all",
                              "Add library to exclude", "Remove library", "Make default"})
        EXPECT_NE(text.indexOf(topic), -1) << topic;
    help->close();
}

TEST_F(ExplorerTest, AutoModeShowsASelectionOnceAfterTheDelay)
{
    Parse();
    Engine().GetPreferences()->AutoDelay = 3;
    const HITEM hBook = Symbol("BookMove")->GetItem().GetItem();
    const HITEM hLog = Symbol("LogWrite")->GetItem().GetItem();
    zv::host::HostState::Get().Select(m_hOutline, hBook);
    for (int tick = 0; tick < 3; ++tick) {
        m_frame->autoModeTick();
        EXPECT_EQ(m_frame->getCurrentItem(), 0u) << tick;
    }
    m_frame->autoModeTick();  // the fourth tick that sees it
    EXPECT_EQ(m_frame->getCurrentItem(), hBook);
    zv::host::HostState::Get().Select(m_hOutline, hLog);
    m_frame->autoModeTick();
    zv::host::HostState::Get().Select(m_hOutline, hBook);
    const int updates = m_frame->tabView()->updateCount();
    for (int tick = 0; tick < 3; ++tick) m_frame->autoModeTick();
    EXPECT_EQ(m_frame->autoTicks(), 2u) << "the count started again";
    EXPECT_EQ(m_frame->tabView()->updateCount(), updates);
    m_frame->autoModeTick();
    EXPECT_EQ(m_frame->tabView()->updateCount(), updates + 1);
    m_frame->autoModeTick();
    EXPECT_EQ(m_frame->tabView()->updateCount(), updates + 1) << "once per selection";
    zv::host::HostState::Get().Select(m_hOutline, 0);
    m_frame->autoModeTick();
    EXPECT_EQ(m_frame->autoTicks(), 0u);

    QTest::mouseClick(m_frame->toolBar()->widgetForAction(m_frame->action(CZvMainFrame::ID_AUTOMODE)), Qt::LeftButton);
    EXPECT_TRUE(m_frame->isAutoModeRunning());
    m_frame->action(CZvMainFrame::ID_AUTOMODE)->trigger();
    EXPECT_FALSE(m_frame->isAutoModeRunning());
}

TEST_F(ExplorerTest, TheFrameIsTheEnginesPortOnlyWhileItExists)
{
    EXPECT_EQ(&Engine().GetExplorer(), static_cast<IZvExplorerPort*>(m_frame));
    DropWindows();
    EXPECT_NE(&Engine().GetExplorer(), nullptr);
    EXPECT_EQ(dynamic_cast<CZvMainFrame*>(&Engine().GetExplorer()), nullptr);
    MakeWindows();
}

TEST_F(ExplorerTest, CollapsedBarIsAStripThatStillShowsTheToolbar)
{
    CZvDockWindow* dock = m_frame->dockWindow();
    ASSERT_TRUE(dock && dock->hasBar());
    QDockWidget* bar = dock->GetControlBarWindow();
    if (dock->isExpanded()) m_frame->OnCommand(CZvMainFrame::ID_EXPAND);
    QApplication::processEvents();
    EXPECT_FALSE(dock->isExpanded());
    EXPECT_LE(bar->width(), CZvDockWindow::kCollapsedWidth);
    EXPECT_TRUE(m_frame->toolBar()->isVisible());
    EXPECT_GE(m_frame->toolBar()->geometry().right(), m_frame->width() - 1 - m_frame->toolBar()->width());
    m_frame->OnCommand(CZvMainFrame::ID_EXPAND);
    QApplication::processEvents();
    EXPECT_TRUE(dock->isExpanded());
    EXPECT_EQ(bar->width(), 300);
}

} // namespace zvtest
