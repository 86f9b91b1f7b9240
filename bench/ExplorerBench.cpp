// The explorer window: show-references of a variable with 2,000 references
// (40 functions of 50 statements) fills its views. Target: under 100 ms.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "bench/ExplorerWindow.h"
#include "contracts/SalLanguage.h"
#include "engine/XrefList.h"

namespace {

constexpr int kFunctions = 40;
constexpr int kStatements = 50;

std::string ProgramFile()
{
    std::string text = ".head 0 +  Application Description: explorer bench\r\n"
                       ".head 1 +  Global Declarations\r\n"
                       ".head 2 +  Variables\r\n"
                       ".head 3 -  Number: nTotal\r\n"
                       ".head 2 +  Internal Functions\r\n";
    for (int f = 0; f < kFunctions; ++f) {
        text += ".head 3 +  Function: Add" + std::to_string(f) + "\r\n.head 4 +  Actions\r\n";
        for (int s = 0; s < kStatements; ++s) text += ".head 5 -  Set nTotal = " + std::to_string(s) + "\r\n";
    }
    const std::string path = (std::filesystem::temp_directory_path() / "zavora-explorer-bench.apt").string();
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

void BM_ShowReferencesOf2000(benchmark::State& state)
{
    zavora::bench::ExplorerWindow window(ProgramFile());
    CZavoraApp& engine = CZavoraApp::Instance();
    CSalSymbol* total = CApplication::Instance(0, 0)->GetSymbolFromPath("nTotal");
    const HITEM hTotal = total ? total->GetItem().GetItem() : 0;
    std::size_t rows = 0;
    for (auto _ : state) {
        window.frame->setSymbol(hTotal, window.outline);
        QApplication::processEvents();  // and drawn
        rows = engine.GetReferences(hTotal) ? engine.GetReferences(hTotal)->GetReferences().size() : 0;
    }
    state.counters["references"] = static_cast<double>(rows);
}
BENCHMARK(BM_ShowReferencesOf2000)->Unit(benchmark::kMillisecond)->MinTime(1.0);

} // namespace
