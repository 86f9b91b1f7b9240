// Loading generated SAL programs: throughput of the header and indented
// layouts (target: 40 MB/s on one core, linear in size) and the memory an
// outline takes (target: below 6 times the file size).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <malloc.h>
#include <map>

#include "bench/SalGenerator.h"
#include "platform/outline/Loader.h"

namespace {

using namespace zv::outline;

// One file per size and layout, written once per run.
const std::string& ProgramFile(std::size_t bytes, bool indented)
{
    static std::map<std::pair<std::size_t, bool>, std::string> files;
    auto& path = files[{bytes, indented}];
    if (path.empty()) {
        const auto program = zavora::bench::GenerateSalProgram(bytes, 7, indented);
        path = (std::filesystem::temp_directory_path() /
                ("zavora-load-" + std::to_string(bytes) + (indented ? "-i" : "-h") + ".apt"))
                   .string();
        std::ofstream(path, std::ios::binary) << program.text;
    }
    return path;
}

void Load(benchmark::State& state, bool indented)
{
    const std::size_t bytes = static_cast<std::size_t>(state.range(0));
    const std::string& path = ProgramFile(bytes, indented);
    const auto size = std::filesystem::file_size(path);
    std::size_t items = 0;
    double heapRatio = 0;
    for (auto _ : state) {
        const std::size_t before = mallinfo2().uordblks;
        Outline& outline = LoadProgram(path, {});
        const std::size_t after = mallinfo2().uordblks;
        items = outline.items.size();
        heapRatio = static_cast<double>(after - before) / static_cast<double>(size);
        Registry::Get().Destroy(outline.Handle());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
    state.counters["items"] = static_cast<double>(items);
    state.counters["memory_x_file"] = heapRatio;
}

void BM_LoadHeaderLayout(benchmark::State& state) { Load(state, false); }
void BM_LoadIndentedLayout(benchmark::State& state) { Load(state, true); }

} // namespace

BENCHMARK(BM_LoadHeaderLayout)->Arg(1 << 20)->Arg(2 << 20)->Arg(4 << 20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadIndentedLayout)->Arg(4 << 20)->Unit(benchmark::kMillisecond);
