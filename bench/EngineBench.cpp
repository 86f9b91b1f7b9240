// The engine on a parsed 4 MB program: a reference query (target: under
// 1 ms), the unreferenced-symbol search over the whole program (target:
// under 100 ms), and a whole command, load and parse included (target:
// under 1 s).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "bench/SalGenerator.h"
#include "engine/UnrefSearch.h"
#include "engine/Zavora.h"
#include "platform/outline/HostState.h"
#include "settings/ZvRegManager.h"

namespace {

constexpr std::size_t kBytes = 4 << 20;

std::string ContextFile()
{
    return (std::filesystem::read_symlink("/proc/self/exe").parent_path() / "SalContext41.apl").string();
}

const std::string& ProgramFile()
{
    static std::string path;
    if (path.empty()) {
        const auto program = zavora::bench::GenerateSalProgram(kBytes, 5);
        path = (std::filesystem::temp_directory_path() / "zavora-engine-4m.apt").string();
        std::ofstream(path, std::ios::binary) << program.text;
    }
    return path;
}

// Opens and parses the program once for the query benchmarks.
HOUTLINE Parsed()
{
    static HOUTLINE outline = 0;
    if (!outline) {
        ZvRegManager::SetReadOnly(true);
        outline = zv::host::OpenOutline(ProgramFile());
        CZavoraApp& app = CZavoraApp::Instance();
        app.InitHeadless(ContextFile());
        app.SetOutline(outline);
        app.Parse(0);
    }
    return outline;
}

// Every declaration that has references: the queries a user makes.
std::vector<HITEM> ReferencedSymbols()
{
    std::vector<HITEM> symbols;
    for (const auto& [h, list] : CZavoraApp::Instance().GetStore()->GetProgramReferences())
        if (list) symbols.push_back(h);
    return symbols;
}

void BM_ReferencesOfASymbol(benchmark::State& state)
{
    Parsed();
    const std::vector<HITEM> symbols = ReferencedSymbols();
    std::size_t i = 0, refs = 0;
    for (auto _ : state) {
        CXrefList* list = CZavoraApp::Instance().GetReferences(symbols[i++ % symbols.size()]);
        refs += list ? list->GetReferences().size() : 0;
        benchmark::DoNotOptimize(list);
    }
    state.counters["symbols"] = static_cast<double>(symbols.size());
    state.counters["refs_per_query"] = static_cast<double>(refs) / static_cast<double>(state.iterations());
}

void BM_UnreferencedSymbolsOfTheProgram(benchmark::State& state)
{
    const HOUTLINE outline = Parsed();
    const HITEM root = CGApplication(outline).GetItem();
    std::size_t found = 0;
    for (auto _ : state) found = CUnrefSearch::Find(outline, root, {}).size();
    state.counters["unreferenced"] = static_cast<double>(found);
}

void BM_WholeRefsCommand(benchmark::State& state)
{
    ZvRegManager::SetReadOnly(true);
    CZavoraApp& app = CZavoraApp::Instance();
    for (auto _ : state) {
        const HOUTLINE outline = zv::host::OpenOutline(ProgramFile());
        app.InitHeadless(ContextFile());
        app.SetOutline(outline);
        app.Parse(0);
        CXrefList* list = app.GetReferences(ReferencedSymbols().front());
        benchmark::DoNotOptimize(list);
        app.Clear();
        zv::host::CloseOutline(outline);
    }
}

} // namespace

BENCHMARK(BM_ReferencesOfASymbol)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_UnreferencedSymbolsOfTheProgram)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WholeRefsCommand)->Unit(benchmark::kMillisecond)->Iterations(3);
