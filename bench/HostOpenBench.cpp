// Opening a generated program in the host application's window until it can
// be used: loaded with its outline model, the first level shown and painted
// (target: below 1 s for 4 MB, about 90,000 items).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTreeView>
#include <filesystem>
#include <fstream>

#include "bench/SalGenerator.h"
#include "platform/ide/HostWindow.h"
#include "platform/ide/OutlineView.h"
#include "platform/outline/HostState.h"

namespace {

QApplication& App()
{
    static int argc = 1;
    static char name[] = "zavora-bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

void BM_HostOpensProgram(benchmark::State& state)
{
    App();
    const auto bytes = static_cast<std::size_t>(state.range(0));
    const auto program = zavora::bench::GenerateSalProgram(bytes, 7);
    const std::string path =
        (std::filesystem::temp_directory_path() / ("zavora-host-" + std::to_string(bytes) + ".apt")).string();
    std::ofstream(path, std::ios::binary) << program.text;
    zv::ide::HostWindow window;
    window.show();
    for (auto _ : state) {
        if (!window.openFile(QString::fromStdString(path))) state.SkipWithError("cannot open");
        QApplication::processEvents();
        window.outlineView()->viewport()->repaint();
    }
    state.counters["items"] = static_cast<double>(program.items);
    zv::host::CloseOutline(CurrentOutline());
    std::filesystem::remove(path);
}

} // namespace

BENCHMARK(BM_HostOpensProgram)->Arg(4 << 20)->Unit(benchmark::kMillisecond)->Iterations(5);
