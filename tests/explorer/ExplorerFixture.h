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
#include <QMainWindow>
#include <QProcess>
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

namespace zvtest {

inline QApplication& App()
{
    static int argc = 1;
    static char name[] = "test_explorer";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

struct Box {
    std::string text, caption;
};

class ExplorerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        App();
        ASSERT_TRUE(m_settings.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.path());
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
        ZvSetMessageBoxHandler(nullptr);
        zv::host::HostState::Get().Reset();
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
        AnswerBoxes(ZvIDYES);
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

    void AnswerBoxes(int answer)
    {
        ZvSetMessageBoxHandler([this, answer](const ZvMessageBoxRequest& r) {
            m_boxes.push_back({r.text, r.caption});
            return answer;
        });
    }

    static CZavoraApp& Engine() { return CZavoraApp::Instance(); }

    void Parse()
    {
        Engine().Parse(0);
        ASSERT_TRUE(Engine().IsParsed());
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

    // What the command line answers for the same program.
    static QJsonObject Cli(const QStringList& arguments)
    {
        QProcess cli;
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

    QTemporaryDir m_settings;
    HOUTLINE m_hOutline = 0;
    std::unique_ptr<QMainWindow> m_host;
    CZvMainFrame* m_frame = nullptr;
    std::vector<Box> m_boxes;
};

} // namespace zvtest
