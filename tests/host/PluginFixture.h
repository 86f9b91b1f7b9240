#pragma once
// The plug-in living in a real host window: a QApplication (offscreen), the
// settings store in a temporary folder, message boxes and the rename dialog
// answered by the test, programs copied into a temporary folder.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMainWindow>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>
#include <string>
#include <vector>

#include "../outline/TestFiles.h"
#include "contracts/MessageBox.h"
#include "engine/Zavora.h"
#include "explorer/FrameTest.h"
#include "explorer/RenameDlg.h"
#include "explorer/ZvDockWindow.h"
#include "host/ZvHostExplorer.h"
#include "platform/outline/HostState.h"
#include "settings/ZavoraPrefs.h"
#include "settings/ZvRegManager.h"

extern "C" int ZvPluginLoad();
extern "C" void ZvPluginUnload();
extern "C" int ZvPluginCommandState(const char* command);

namespace zvtest {

inline QApplication& TestApp()
{
    static int argc = 1;
    static char name[] = "zavora-test";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

inline bool PluginStarted() { return ZvPluginCommandState("AutoMode") & 1; }

class PluginTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TestApp();
        ASSERT_TRUE(m_settings.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.path());
        ZvRegManager::SetReadOnly(false);
        AnswerBoxes();
        zv::host::HostState::Get().Reset();
    }
    void TearDown() override
    {
        Stop();
        if (CurrentOutline()) zv::host::CloseOutline(CurrentOutline());
        ZvSetMessageBoxHandler(nullptr);
        CZvDockWindow::reset();
    }
    // The test answers message boxes (the explorer window puts in its own when it starts).
    void AnswerBoxes()
    {
        ZvSetMessageBoxHandler([this](const ZvMessageBoxRequest& r) {
            m_boxes.push_back(r.text);
            return m_answer;
        });
    }
    // Answers the rename dialog that a later step opens (looks for it for 3 s).
    static void AnswerRename(const std::string& newName, int tries = 300)
    {
        QTimer::singleShot(10, [newName, tries] {
            if (auto* dialog = qobject_cast<CRenameDlg*>(QApplication::activeModalWidget())) {
                dialog->edit()->setText(QString::fromStdString(newName));
                dialog->accept();
            } else if (tries > 0) {
                AnswerRename(newName, tries - 1);
            }
        });
    }

    // Loads the plug-in and gives it a host window; waits for its start-up.
    void Start(const std::string& program = "examples/stockroom.apt")
    {
        if (!program.empty()) Open(program);
        ASSERT_EQ(ZvPluginLoad(), 1);
        m_window = std::make_unique<QMainWindow>();
        m_window->show();
        zv::host::HostState::Get().windowOfApp = reinterpret_cast<std::uintptr_t>(static_cast<QWidget*>(m_window.get()));
        ASSERT_TRUE(QTest::qWaitFor([] { return PluginStarted(); }, 3000));
        AnswerBoxes();
    }
    void Stop()
    {
        m_window.reset();
        zv::host::HostState::Get().windowOfApp = 0;
        ZvPluginUnload();
    }
    // Copies a program (with the libraries beside it) and opens it as the host does.
    HOUTLINE Open(const std::string& program)
    {
        const std::string source = program.rfind("examples/", 0) == 0
                                       ? std::string(ZV_EXAMPLES_DIR) + "/" + program.substr(9)
                                       : Fixture(program);
        const std::filesystem::path from(source);
        for (const auto& entry : std::filesystem::directory_iterator(from.parent_path()))
            if (entry.path().extension() == ".apl")
                m_tmp.Write(entry.path().filename().string(), ReadBytes(entry.path().string()));
        const std::string path = m_tmp.Write(from.filename().string(), ReadBytes(source));
        std::string error;
        const HOUTLINE hOutline = zv::host::OpenOutline(path, &error);
        EXPECT_NE(hOutline, 0u) << error;
        return hOutline;
    }
    CGItem Find(const std::string& prefix) const
    {
        CGItem item = FindItem(CurrentOutline(), prefix);
        EXPECT_NE(item.GetItem(), 0u) << prefix;
        return item;
    }
    static CZavoraApp& App() { return CZavoraApp::Instance(); }
    static IZvExplorerPort& Explorer() { return App().GetExplorer(); }
    // The explorer window docked in the host window.
    static CZvMainFrame& Frame()
    {
        CZvMainFrame* frame = ZvExplorerFrame();
        EXPECT_NE(frame, nullptr);
        return *frame;
    }

    QTemporaryDir m_settings;
    TempDir m_tmp;
    std::unique_ptr<QMainWindow> m_window;
    std::vector<std::string> m_boxes;
    int m_answer = ZvIDYES;
};

} // namespace zvtest
