// The Unreferenced tab on a parsed 4 MB program: the list view's update for
// the whole program, rows filled and columns sized, offscreen. Target: under
// 150 ms.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "bench/ExplorerWindow.h"
#include "bench/SalGenerator.h"
#include "explorer/CZvTab.h"
#include "explorer/ZvUnrefPane.h"
#include "explorer/ZvUnrefView.h"

namespace {

std::string Program()
{
    const auto program = zavora::bench::GenerateSalProgram(4 << 20, 7);
    const std::string path = (std::filesystem::temp_directory_path() / "zavora-unref-4m.apt").string();
    std::ofstream(path, std::ios::binary) << program.text;
    return path;
}

void BM_UnreferencedListOfA4MBProgram(benchmark::State& state)
{
    zavora::bench::ExplorerWindow window(Program());
    window.frame->setSymbol(CGApplication(window.outline).GetItem(), window.outline);
    CZvTabView* tabs = window.frame->tabView();
    tabs->setCurrentWidget(tabs->unrefTab()->page());
    CZvUnrefView* view = tabs->unrefTab()->pane()->listView();
    for (auto _ : state) {
        view->doUpdate();
        QApplication::processEvents();  // and drawn
    }
    state.counters["rows"] = view->itemCount();
}
BENCHMARK(BM_UnreferencedListOfA4MBProgram)->Unit(benchmark::kMillisecond)->MinTime(1.0);

} // namespace
