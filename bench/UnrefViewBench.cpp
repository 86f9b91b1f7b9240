// The Unreferenced tab on a parsed 4 MB program: the list view's update for
// the whole program, rows filled and columns sized, offscreen. Target: under
// 150 ms.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMainWindow>
#include <QSettings>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>

#include "bench/SalGenerator.h"
#include "contracts/MessageBox.h"
#include "engine/Zavora.h"
#include "explorer/CZvTab.h"
#include "explorer/FrameTest.h"
#include "explorer/ZvUnrefPane.h"
#include "explorer/ZvUnrefView.h"
#include "platform/outline/HostState.h"

namespace {

std::string Context()
{
    return (std::filesystem::read_symlink("/proc/self/exe").parent_path() / "SalContext41.apl").string();
}

std::string Program()
{
    const auto program = zavora::bench::GenerateSalProgram(4 << 20, 7);
    const std::string path = (std::filesystem::temp_directory_path() / "zavora-unref-4m.apt").string();
    std::ofstream(path, std::ios::binary) << program.text;
    return path;
}

void BM_UnreferencedListOfA4MBProgram(benchmark::State& state)
{
    static int argc = 1;
    static char name[] = "zavora-bench";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication* app = QApplication::instance() ? nullptr : new QApplication(argc, argv);
    (void)app;
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());

    const HOUTLINE hOutline = zv::host::OpenOutline(Program());
    CZavoraApp& engine = CZavoraApp::Instance();
    engine.InitHeadless(Context());
    engine.SetOutline(hOutline);
    QMainWindow host;
    host.resize(900, 700);
    host.show();
    auto* frame = new CZvMainFrame(&host);
    host.setCentralWidget(frame);
    ZvSetMessageBoxHandler([](const ZvMessageBoxRequest&) { return ZvIDOK; });
    engine.Parse(0);
    frame->setSymbol(CGApplication(hOutline).GetItem(), hOutline);
    CZvTabView* tabs = frame->tabView();
    tabs->setCurrentWidget(tabs->unrefTab()->page());
    CZvUnrefView* view = tabs->unrefTab()->pane()->listView();
    for (auto _ : state) {
        view->doUpdate();
        QApplication::processEvents();  // and drawn
    }
    state.counters["rows"] = view->itemCount();
    delete frame;
    engine.Clear();
    ZvSetMessageBoxHandler(nullptr);
    zv::host::CloseOutline(hOutline);
}
BENCHMARK(BM_UnreferencedListOfA4MBProgram)->Unit(benchmark::kMillisecond)->MinTime(1.0);

} // namespace
