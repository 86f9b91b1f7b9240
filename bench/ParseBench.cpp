// Symbol table plus parse of generated SAL programs: time (target: 0.5 s for
// a 4 MB program, linear in size) and memory of outline, table and parse
// together (target: below 10 times the file size).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <malloc.h>
#include <map>

#include "bench/SalGenerator.h"
#include "contracts/SalLanguage.h"
#include "platform/outline/HostState.h"
#include "platform/outline/Loader.h"

#ifndef ZV_CONTEXT_FILE
#define ZV_CONTEXT_FILE "resources/SalContext41.apl"
#endif

namespace {

using namespace zv::outline;

class Counter : public CParserNotificationInterface {
public:
    std::size_t references = 0;
    std::size_t unresolved = 0;
    void Symbol(CSalSymbol*, CGItem&, int, int, CSalSymbol*) override { ++references; }
    void unresolvedSymbol(std::string, CGItem*) override { ++unresolved; }
};

HOUTLINE Context()
{
    static HOUTLINE context = 0;
    if (!context) {
        // Beside the benchmark program, as the plug-in finds it; else from the source tree.
        const auto exe = std::filesystem::read_symlink("/proc/self/exe").parent_path() / "SalContext41.apl";
        context = LoadProgram(std::filesystem::exists(exe) ? exe.string() : std::string(ZV_CONTEXT_FILE), {}).Handle();
        zv::host::HostState::Get().contextOutline = context;
    }
    return context;
}

const std::string& ProgramFile(std::size_t bytes)
{
    static std::map<std::size_t, std::string> files;
    auto& path = files[bytes];
    if (path.empty()) {
        const auto program = zavora::bench::GenerateSalProgram(bytes, 11);
        path = (std::filesystem::temp_directory_path() / ("zavora-parse-" + std::to_string(bytes) + ".apt")).string();
        std::ofstream(path, std::ios::binary) << program.text;
    }
    return path;
}

void BM_SymbolTableAndParse(benchmark::State& state)
{
    const HOUTLINE context = Context();
    const std::size_t bytes = static_cast<std::size_t>(state.range(0));
    const std::string& path = ProgramFile(bytes);
    const auto size = std::filesystem::file_size(path);
    const std::size_t heapBefore = mallinfo2().uordblks;
    Outline& program = LoadProgram(path, {});
    CSalParser parser(true, nullptr);
    Counter counter;
    parser.AddNotifcationInterface(&counter);
    CGApplication app(program.Handle());
    std::size_t peak = 0;
    for (auto _ : state) {
        counter = Counter();
        CApplication* table = CApplication::Instance(program.Handle(), context);
        table->CreateContext();
        parser.Parse(app);
        peak = std::max(peak, mallinfo2().uordblks - heapBefore);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
    state.SetComplexityN(static_cast<std::int64_t>(size));
    state.counters["items"] = static_cast<double>(parser.GetStats().items);
    state.counters["references"] = static_cast<double>(counter.references);
    state.counters["unresolved"] = static_cast<double>(counter.unresolved);
    state.counters["memory_x_file"] = static_cast<double>(peak) / static_cast<double>(size);
    Registry::Get().Destroy(program.Handle());
}

} // namespace

BENCHMARK(BM_SymbolTableAndParse)
    ->Arg(1 << 20)->Arg(2 << 20)->Arg(4 << 20)->Arg(8 << 20)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
