// The plug-in's start-up, shutdown and preferences in a real host window.
#include "PluginFixture.h"

#include <QCoreApplication>

#include "contracts/Exceptions.h"

namespace zvtest {
namespace {

TEST_F(PluginTest, StartUpWaitsForTheHostWindowThenRunsOnce)
{
    Open("examples/stockroom.apt");
    ASSERT_EQ(ZvPluginLoad(), 1);
    // Ticks before the main window exists do nothing.
    QTest::qWait(60);
    EXPECT_FALSE(PluginStarted());
    EXPECT_EQ(App().GetContextOutline(), 0u);

    m_window = std::make_unique<QMainWindow>();
    zv::host::HostState::Get().windowOfApp = reinterpret_cast<std::uintptr_t>(static_cast<QWidget*>(m_window.get()));
    ASSERT_TRUE(QTest::qWaitFor([] { return PluginStarted(); }, 3000));
    IZvExplorerPort* first = &App().GetExplorer();
    // The explorer sits in its bar, docked in the host's window.
    ASSERT_NE(ZvExplorerFrame(), nullptr);
    EXPECT_EQ(first, ZvExplorerFrame());
    EXPECT_EQ(ZvExplorerFrame()->window(), m_window.get());
    EXPECT_NE(App().GetContextOutline(), 0u);
    EXPECT_NE(App().GetSalSymbol("SalMessageBox"), 0u);
    EXPECT_EQ(App().GetOutline(), CurrentOutline());
    // No second start-up: the explorer made by the first one stays.
    QTest::qWait(60);
    EXPECT_EQ(&App().GetExplorer(), first);
    EXPECT_EQ(App().getPath(), std::string(ZV_BIN_DIR) + "/");
    EXPECT_EQ(CZavoraApp::getZvVersion(), "41");
}

TEST_F(PluginTest, ShutdownOnceWhenTheWindowEndsAndPreferencesWrittenOnUnload)
{
    Start();
    App().GetPreferences()->AutoDelay = 7;
    App().GetPreferences()->AutoParseXref = true;
    ASSERT_NE(App().GetContextOutline(), 0u);
    m_window.reset();
    // ExitInstance ran: the context outline is unloaded.
    EXPECT_EQ(App().GetContextOutline(), 0u);
    {
        ZvRegManager reg;
        EXPECT_EQ(reg.GetProfileInt({"Settings"}, "AutoDelay", 200), 200) << "written before the unload";
    }
    ZvPluginUnload();
    {
        ZvRegManager reg;
        EXPECT_EQ(reg.GetProfileInt({"Settings"}, "AutoDelay", 200), 7);
    }
    // A restart finds them.
    Start();
    EXPECT_EQ(App().GetPreferences()->AutoDelay, 7);
    EXPECT_TRUE(App().GetPreferences()->AutoParseXref);
}

TEST_F(PluginTest, CommandsOfTheApplicationParse)
{
    Start();
    EXPECT_TRUE(App().OnUpdateParse());
    EXPECT_FALSE(App().OnCommand(32770));
    EXPECT_FALSE(App().IsParsed());
    EXPECT_TRUE(App().OnCommand(32772));
    EXPECT_TRUE(App().IsParsed());
    EXPECT_FALSE(Explorer().isOutdated());
    zv::host::SetItemLine(Find("Function: BookMove").GetItem(), "Function: BookMove2");
    EXPECT_TRUE(Explorer().isOutdated());
    EXPECT_TRUE(App().OnCommand(32771));
    EXPECT_FALSE(Explorer().isOutdated());
}

} // namespace
} // namespace zvtest
