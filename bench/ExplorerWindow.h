#pragma once
// A parsed program in an explorer window, offscreen, for the benchmarks of
// the explorer's views: an application, a settings store of its own, the
// engine on the program and a frame in a host window. Gone with the object.
#include <QApplication>
#include <QMainWindow>
#include <QSettings>
#include <QTemporaryDir>
#include <filesystem>
#include <string>

#include "contracts/MessageBox.h"
#include "engine/Zavora.h"
#include "explorer/FrameTest.h"
#include "platform/outline/HostState.h"

namespace zavora::bench {

class ExplorerWindow {
    // Made before any widget of the members below.
    static bool MakeApplication()
    {
        static int argc = 1;
        static char name[] = "zavora-bench";
        static char* argv[] = {name, nullptr};
        qputenv("QT_QPA_PLATFORM", "offscreen");
        if (!QApplication::instance()) new QApplication(argc, argv);
        return true;
    }
    bool m_application = MakeApplication();
    QTemporaryDir m_settings;
    QMainWindow m_host;

public:
    explicit ExplorerWindow(const std::string& programPath)
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.path());
        outline = zv::host::OpenOutline(programPath);
        CZavoraApp& engine = CZavoraApp::Instance();
        engine.InitHeadless(
            (std::filesystem::read_symlink("/proc/self/exe").parent_path() / "SalContext41.apl").string());
        engine.SetOutline(outline);
        m_host.resize(900, 700);
        m_host.show();
        frame = new CZvMainFrame(&m_host);
        m_host.setCentralWidget(frame);
        ZvSetMessageBoxHandler([](const ZvMessageBoxRequest&) { return ZvIDOK; });
        engine.Parse(0);
    }
    ~ExplorerWindow()
    {
        delete frame;
        CZavoraApp::Instance().Clear();
        ZvSetMessageBoxHandler(nullptr);
        zv::host::CloseOutline(outline);
    }
    ExplorerWindow(const ExplorerWindow&) = delete;
    ExplorerWindow& operator=(const ExplorerWindow&) = delete;

    HOUTLINE outline = 0;
    CZvMainFrame* frame = nullptr;
};

} // namespace zavora::bench
