// The host application with the real plug-in loaded from its folder, on the
// sample program: the user's keys, edits, auto mode, a second file, and the
// end of the session.
#include "EditorFixture.h"

#include <QProcess>

namespace zvtest {
namespace {

class EndToEndTest : public EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        ASSERT_TRUE(m_plugin.load(ZV_BIN_DIR)) << m_plugin.problem().toStdString();
        m_host->setPlugin(&m_plugin);
        OpenInWindow("examples/stockroom.apt");
        m_host->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_host.get()));
        m_host->outlineView()->setFocus();
        ASSERT_TRUE(QTest::qWaitFor([] { return PluginStarted(); }, 3000));
        AnswerBoxes();
        App().GetPreferences()->WarnForUnqualSetting = false;
    }
    void TearDown() override
    {
        m_host.reset();
        m_plugin.unload();
        EditorTest::TearDown();
    }
    std::vector<std::string> References(const std::string& declaration)
    {
        std::vector<std::string> lines;
        if (CXrefList* list = App().GetReferences(Find(declaration).GetItem()))
            for (CReference* r : list->GetReferences())
                lines.push_back(Model().data(Model().indexOf(r->GetSource()->GetItem()), Qt::DisplayRole).toString().toStdString());
        return lines;
    }

    zv::ide::PluginHost m_plugin;
};

TEST_F(EndToEndTest, KeysFromTheEditorReachTheExplorer)
{
    // F11 on a function: the explorer shows it, docked in the host's window.
    MakeCurrent("Function: BookMove");
    m_host->sendKey(Qt::NoModifier);
    EXPECT_EQ(Explorer().getCurrentItem(), Find("Function: BookMove").GetItem());
    EXPECT_EQ(Frame().window(), m_host.get());
    EXPECT_TRUE(Frame().statusPane(1)->text().contains("BookMove")) << Frame().statusPane(1)->text().toStdString();
    // Ctrl+F11 parses.
    m_host->sendKey(Qt::ControlModifier);
    ASSERT_TRUE(App().IsParsed());
    EXPECT_FALSE(Explorer().isOutdated());
    const std::size_t references = References("Function: BookMove").size();
    EXPECT_GE(references, 2u);
    // Shift+F11 from elsewhere goes back to the declaration.
    MakeCurrent("Function: ShelfTotal");
    m_host->sendKey(Qt::ShiftModifier);
    EXPECT_EQ(m_host->outlineView()->currentItem(), Find("Function: BookMove").GetItem());
    // An edit of the editor's own, then a rename by the explorer: undoing the
    // edit afterwards would write back the line with the old name.
    MakeCurrent("Return BookMove(");
    ASSERT_TRUE(m_host->editLine(Find("Return BookMove(").GetTitle(0) + " "));
    ASSERT_TRUE(m_host->undoStack()->canUndo());
    // Ctrl+Alt+F11 renames through the dialog; the editor shows the new name everywhere.
    MakeCurrent("Function: BookMove");
    AnswerRename("BookStockMove");
    m_host->sendKey(Qt::ControlModifier | Qt::AltModifier);
    const auto lines = References("Function: BookStockMove");
    ASSERT_EQ(lines.size(), references);
    for (const std::string& line : lines) EXPECT_NE(line.find("BookStockMove("), std::string::npos) << line;
    // Not the editor's command, but a change to save all the same; nothing
    // is left to undo that would bring the old name back.
    EXPECT_EQ(m_host->undoStack()->count(), 0);
    EXPECT_FALSE(m_host->undoStack()->canUndo());
    EXPECT_TRUE(m_host->isModified());
    EXPECT_EQ(FindItem(CurrentOutline(), "Return BookMove(").GetItem(), 0u);
    // An edit in the editor marks the information outdated.
    App().Parse(0);
    MakeCurrent("Set nSign = 1");
    ASSERT_TRUE(m_host->editLine("Set nSign = -1"));
    EXPECT_TRUE(Explorer().isOutdated());
}

TEST_F(EndToEndTest, TheZavoraMenuSendsTheKeys)
{
    QAction* parse = nullptr;
    for (QAction* action : m_host->zavoraMenu()->actions())
        if (action->text().endsWith("\tCtrl+F11")) parse = action;
    ASSERT_NE(parse, nullptr);
    emit m_host->zavoraMenu()->aboutToShow();
    ASSERT_TRUE(parse->isEnabled());
    parse->trigger();
    EXPECT_TRUE(App().IsParsed());
}

TEST_F(EndToEndTest, AutoModeFromTheMenuShowsTheSelectionAfterItsTicks)
{
    App().GetPreferences()->AutoMode = true;
    App().GetPreferences()->AutoDelay = 1;
    MakeCurrent("Function: ShelfTotal");
    EXPECT_TRUE(QTest::qWaitFor([&] { return Explorer().getCurrentItem() == Find("Function: ShelfTotal").GetItem(); },
                                3000));
    // The menu entry is the auto-mode button: off stops the timer.
    QAction* autoMode = nullptr;
    for (QAction* action : m_host->zavoraMenu()->actions())
        if (action->isCheckable()) autoMode = action;
    ASSERT_NE(autoMode, nullptr);
    emit m_host->zavoraMenu()->aboutToShow();
    EXPECT_TRUE(autoMode->isChecked());
    autoMode->trigger();
    EXPECT_FALSE(Frame().isAutoModeRunning());
    EXPECT_TRUE(App().GetPreferences()->AutoMode) << "the button leaves the preference alone";
}

TEST_F(EndToEndTest, ASecondFileOpenedFromTheWindowKeepsEverythingWorking)
{
    m_host->sendKey(Qt::ControlModifier);
    ASSERT_TRUE(App().IsParsed());
    const std::string second = m_tmp.Copy("orders.apt", "orders.apt");
    m_tmp.Copy("common.apl", "common.apl");
    ASSERT_TRUE(m_host->openFile(QString::fromStdString(second)));
    EXPECT_EQ(App().GetOutline(), CurrentOutline());
    EXPECT_FALSE(App().IsParsed());
    m_host->sendKey(Qt::ControlModifier);
    ASSERT_TRUE(App().IsParsed());
    MakeCurrent("Function: LoadCustomer");
    m_host->sendKey(Qt::NoModifier);
    EXPECT_EQ(Explorer().getCurrentItem(), Find("Function: LoadCustomer").GetItem());
    MakeCurrent("Set SqlDatabase");
    ASSERT_TRUE(m_host->editLine("Set SqlDatabase = 'X'"));
    EXPECT_TRUE(Explorer().isOutdated());
}

TEST_F(EndToEndTest, ClosingTheWindowEndsThePlugInAndARestartFindsItsPreferences)
{
    App().GetPreferences()->AutoDelay = 9;
    m_host->close();
    m_host.reset();
    EXPECT_EQ(App().GetContextOutline(), 0u) << "the shutdown ran";
    m_plugin.unload();
    m_host = std::make_unique<zv::ide::HostWindow>();
    m_host->show();
    ASSERT_TRUE(m_plugin.load(ZV_BIN_DIR));
    ASSERT_TRUE(QTest::qWaitFor([] { return PluginStarted(); }, 3000));
    EXPECT_EQ(App().GetPreferences()->AutoDelay, 9);
}

TEST_F(EndToEndTest, RefactoringsFromTheMenuOnTheSelectedVariable)
{
    OpenInWindow("engine/references.apt");
    MakeCurrent("Number: t");
    // Outdated information is refused with a word why, and nothing changes.
    EXPECT_FALSE(m_host->inlineTemp());
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_NE(m_boxes[0].find("Parse"), std::string::npos);
    m_host->sendKey(Qt::ControlModifier);
    MakeCurrent("Number: t");
    ASSERT_TRUE(m_host->inlineTemp());
    EXPECT_EQ(Find("Set y =  a * b + 1").GetTitle(0), "Set y =  a * b + 1");
    EXPECT_TRUE(Explorer().isOutdated());
    EXPECT_TRUE(m_host->isModified());

    m_host->sendKey(Qt::ControlModifier);
    MakeCurrent("Number: y");
    EXPECT_FALSE(m_host->inlineTemp()) << "y is assigned twice";
    EXPECT_NE(m_boxes.back().find("assigned exactly once"), std::string::npos) << m_boxes.back();
    MakeCurrent("Number: n");
    m_boxes.clear();
    ASSERT_TRUE(m_host->changeToAccessor(Find("Function: Get").GetItem(), Find("Function: Put").GetItem()));
    EXPECT_EQ(Find("Call Put(").GetTitle(0), "Call Put( 5)");
    EXPECT_EQ(Find("Set x = Get()").GetTitle(0), "Set x = Get() + 1");
    EXPECT_TRUE(m_boxes.empty());
}

// The executable itself, as `make run` uses it without a display.
TEST(ZavoraProgram, ScreenshotOfTheSampleWithASymbolShown)
{
    TempDir tmp;
    QProcess zavora;
    zavora.setProcessEnvironment([&] {
        auto env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_CONFIG_HOME", QString::fromStdString(tmp.Path("config")));
        return env;
    }());
    const QString png = QString::fromStdString(tmp.Path("sample.png"));
    zavora.start(QString(ZV_BIN_DIR) + "/zavora",
                 {QString(ZV_EXAMPLES_DIR) + "/stockroom.apt", "--show", "BookMove", "--screenshot", png});
    ASSERT_TRUE(zavora.waitForFinished(30000));
    EXPECT_EQ(zavora.exitCode(), 0) << zavora.readAllStandardError().toStdString();
    const QImage picture(png);
    EXPECT_GE(picture.width(), 800);
    EXPECT_NE(zavora.readAllStandardOutput().indexOf("BookMove"), -1);
    // Kept for the README's picture of the host with the explorer docked.
    picture.save(QString(ZV_BIN_DIR) + "/../host-explorer.png");
}

TEST(ZavoraProgram, WithoutTheSalContextItSaysSoAndGoesOn)
{
    // The program and the plug-in copied without the context outline.
    TempDir tmp;
    for (const char* file : {"zavora", "libZavora41.so", "libsalplatform.so"}) {
        const std::string to = tmp.Path(file);
        std::filesystem::copy_file(std::string(ZV_BIN_DIR) + "/" + file, to);
    }
    QProcess zavora;
    auto env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_CONFIG_HOME", QString::fromStdString(tmp.Path("config")));
    zavora.setProcessEnvironment(env);
    const QString png = QString::fromStdString(tmp.Path("out.png"));
    zavora.start(QString::fromStdString(tmp.Path("zavora")), {QString(ZV_EXAMPLES_DIR) + "/stockroom.apt", "--screenshot", png});
    ASSERT_TRUE(zavora.waitForFinished(30000));
    const QString output = zavora.readAllStandardOutput();
    EXPECT_TRUE(output.contains("Could not load file: " + QString::fromStdString(tmp.Path("SalContext41.apl"))))
        << output.toStdString();
    EXPECT_EQ(zavora.exitCode(), 0);
    EXPECT_FALSE(QImage(png).isNull());
}

} // namespace
} // namespace zvtest
