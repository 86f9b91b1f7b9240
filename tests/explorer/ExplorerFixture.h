#pragma once
// The explorer on the sample program: a bare host main window, the real
// frame in it, the engine parsing for real, the settings store in a
// temporary folder, message boxes answered by the test unless it wants the
// real ones.
#include <gtest/gtest.h>

#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QKeyEvent>
#include <QMainWindow>
#include <QComboBox>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSettings>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <memory>
#include <string>
#include <vector>

#include "contracts/MessageBox.h"
#include "contracts/SalLanguage.h"
#include "engine/Zavora.h"
#include "explorer/CZvTab.h"
#include "explorer/Czvlistctrl.h"
#include "explorer/FrameTest.h"
#include "explorer/ZvDockWindow.h"
#include "explorer/ZvRows.h"
#include "explorer/ZvSplitter.h"
#include "explorer/czvtree.h"
#include "platform/outline/HostState.h"
#include "settings/ZavoraPrefs.h"
#include "settings/ZvFilterCollection.h"

namespace zvtest {

inline QApplication& App()
{
    static int argc = 1;
    static char name[] = "test_explorer";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

// Real widgets offscreen with a settings store of their own in a temporary
// folder, no shared filter collection, and every message box recorded and
// answered by the test.
class QtStoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        App();
        ASSERT_TRUE(m_settings.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.path());
        CZvFilterCollection::discardShared();
    }
    void TearDown() override
    {
        ZvSetMessageBoxHandler(nullptr);
        CZvFilterCollection::discardShared();
    }

    void Answer(int answer)
    {
        ZvSetMessageBoxHandler([this, answer](const ZvMessageBoxRequest& r) {
            m_boxes.push_back(r);
            return answer;
        });
    }

    // Picks a row of a filter combo as the user does.
    static void Choose(QComboBox* combo, int index)
    {
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }

    // A stored filter with these types and libraries.
    static CZvParentItemFilter* Store(const std::string& name, std::vector<std::uint16_t> types,
                                      std::vector<std::string> libs = {})
    {
        CZvParentItemFilter filter(name);
        for (std::uint16_t type : types) filter.add(type);
        for (const std::string& lib : libs) filter.add(lib);
        filter.save();
        return CZvFilterCollection::shared()->get(name);
    }

    QTemporaryDir m_settings;
    std::vector<ZvMessageBoxRequest> m_boxes;
};

class ExplorerTest : public QtStoreTest {
protected:
    void SetUp() override
    {
        QtStoreTest::SetUp();
        std::string error;
        m_hOutline = zv::host::OpenOutline(std::string(ZV_EXAMPLES_DIR) + "/stockroom.apt", &error);
        ASSERT_NE(m_hOutline, 0u) << error;
        ASSERT_TRUE(Engine().InitHeadless(std::string(ZV_BIN_DIR) + "/SalContext41.apl"));
        Engine().SetOutline(m_hOutline);
        Engine().GetPreferences()->WarnForUnqualSetting = false;
        MakeWindows();
    }

    void TearDown() override
    {
        DropWindows();
        Engine().Clear();
        if (m_hOutline) zv::host::CloseOutline(m_hOutline);
        zv::host::HostState::Get().Reset();
        QtStoreTest::TearDown();
    }

    // The host window with the frame in its dock bar; the test answers boxes.
    void MakeWindows()
    {
        m_host = std::make_unique<QMainWindow>();
        m_host->setCentralWidget(new QWidget());  // the host's own editor
        m_host->resize(900, 700);
        m_host->show();
        m_frame = new CZvMainFrame(m_host.get());
        ASSERT_TRUE(m_frame->dockWindow() && m_frame->dockWindow()->hasBar()) << "libzelbar41.so beside the plug-in";
        m_frame->dockWindow()->SetClientWindow(m_frame);
        m_frame->dockWindow()->setExpanded(true);
        Answer(ZvIDYES);
        QApplication::processEvents();
    }

    void DropWindows()
    {
        delete m_frame;
        m_frame = nullptr;
        CZvDockWindow::reset();
        m_host.reset();
        QApplication::processEvents();
    }

    static CZavoraApp& Engine() { return CZavoraApp::Instance(); }

    void Parse()
    {
        Engine().Parse(0);
        ASSERT_TRUE(Engine().IsParsed());
    }

    // A parse with Esc waiting in the queue: the stop question comes up at once.
    void ParseWithEsc()
    {
        QCoreApplication::postEvent(m_frame->tabView(), new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
        Engine().Parse(0);
    }

    CSalSymbol* Symbol(const std::string& path) const
    {
        CApplication* table = CApplication::Instance(0, 0);
        CSalSymbol* symbol = table ? table->GetSymbolFromPath(path) : nullptr;
        EXPECT_NE(symbol, nullptr) << path;
        return symbol;
    }

    // F11 on the symbol selected in the outline.
    void ShowRefs(const std::string& path)
    {
        CSalSymbol* symbol = Symbol(path);
        ASSERT_NE(symbol, nullptr);
        zv::host::HostState::Get().Select(m_hOutline, symbol->GetItem().GetItem());
        Engine().ShowRefRequest(0);
        QApplication::processEvents();
    }

    // F11 on the Application item: the whole program.
    void ShowApplication()
    {
        zv::host::HostState::Get().Select(m_hOutline, CGApplication(m_hOutline).GetItem());
        Engine().ShowRefRequest(0);
    }

    // Another outline in place of the sample's.
    void Reopen(const std::string& path)
    {
        Engine().Clear();
        zv::host::CloseOutline(m_hOutline);
        std::string error;
        m_hOutline = zv::host::OpenOutline(path, &error);
        ASSERT_NE(m_hOutline, 0u) << error;
        Engine().SetOutline(m_hOutline);
    }

    CZvRefTab* RefTab() const { return m_frame->tabView()->refTab(); }
    template <class Pane> Pane* VisiblePane() const { return dynamic_cast<Pane*>(RefTab()->visiblePane()); }

    template <class View> View* ViewOf(CZvSplitter* pane, int row) const
    {
        return pane ? dynamic_cast<View*>(pane->viewAt(row)) : nullptr;
    }

    static std::vector<std::string> TopTexts(QTreeWidget* tree)
    {
        std::vector<std::string> texts;
        for (int i = 0; i < tree->topLevelItemCount(); ++i) texts.push_back(tree->topLevelItem(i)->text(0).toStdString());
        return texts;
    }

    // What the command line answers for the same program, reading this test's settings store.
    QJsonObject Cli(const QStringList& arguments) const
    {
        QProcess cli;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", m_settings.path());
        cli.setProcessEnvironment(env);
        QStringList args = arguments;
        args.insert(1, QString(ZV_EXAMPLES_DIR) + "/stockroom.apt");
        args << "--json";
        cli.start(QString(ZV_BIN_DIR) + "/zavora-xref", args);
        EXPECT_TRUE(cli.waitForFinished(60000));
        const QByteArray out = cli.readAllStandardOutput();
        const QJsonDocument json = QJsonDocument::fromJson(out);
        EXPECT_TRUE(json.isObject()) << out.toStdString() << cli.readAllStandardError().toStdString();
        return json.object();
    }

    HOUTLINE m_hOutline = 0;
    std::unique_ptr<QMainWindow> m_host;
    CZvMainFrame* m_frame = nullptr;
};

} // namespace zvtest
