// zavora-xref parse: build the symbol table of a program and parse it,
// printing what was found and how long each phase took.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/Commands.h"
#include "cli/Options.h"
#include "contracts/SalLanguage.h"
#include "platform/outline/HostState.h"
#include "platform/outline/Loader.h"

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

std::string ExecutableDirectory()
{
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string(".") : exe.parent_path().string();
}

std::string JsonString(const std::string& text)
{
    std::string out = "\"";
    for (const unsigned char c : text) {
        if (c == '"' || c == '\\') out += '\\', out += static_cast<char>(c);
        else if (c == '\n') out += "\\n";
        else if (c < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", c);
            out += buf;
        } else out += static_cast<char>(c);
    }
    return out + "\"";
}

struct Unresolved {
    std::string text;
    std::string file;
    int line;
};

// Counts what the parser reports and keeps the unresolved names.
class Counter : public CParserNotificationInterface {
public:
    std::vector<Unresolved> unresolved;

    void unresolvedSymbol(std::string text, CGItem* item) override
    {
        unresolved.push_back({std::move(text), item ? item->GetFileName() : std::string(),
                              item ? item->GetLineNumber() : 0});
    }
};

} // namespace

int RunParseCommand(const std::vector<std::string>& args)
{
    CliOptions options;
    std::string error;
    if (!ParseCliOptions(args, {"--unresolved"}, {}, options, error)) {
        std::fprintf(stderr, "zavora-xref parse: %s\n", error.c_str());
        return 2;
    }
    const std::string contextPath =
        options.context.empty() ? ExecutableDirectory() + "/SalContext41.apl" : options.context;
    try {
        auto start = Clock::now();
        const zv::outline::Outline& context = zv::outline::LoadProgram(contextPath, {});
        const double contextMs = MillisecondsSince(start);
        zv::host::HostState::Get().contextOutline = context.Handle();

        start = Clock::now();
        const zv::outline::Outline& program = zv::outline::LoadProgram(options.file, options.libPaths);
        const double loadMs = MillisecondsSince(start);
        for (const auto& w : program.warnings) std::fprintf(stderr, "warning: %s\n", w.c_str());
        for (const auto& m : program.missing)
            std::fprintf(stderr, "warning: library not found: %s (included at %s)\n", m.name.c_str(),
                         m.includedFrom.c_str());

        start = Clock::now();
        CApplication* table = CApplication::Instance(program.Handle(), context.Handle());
        table->CreateContext();
        const double tableMs = MillisecondsSince(start);

        CSalParser parser(true, nullptr);
        Counter counter;
        parser.AddNotifcationInterface(&counter);
        CGApplication app(program.Handle());
        start = Clock::now();
        try {
            parser.Parse(app);
        } catch (const std::exception& e) {
            std::fprintf(stderr, "zavora-xref parse: %s (%s)\n", e.what(), parser.GetInfo().c_str());
            return 2;
        }
        const double parseMs = MillisecondsSince(start);
        const CSalParseStats& s = parser.GetStats();

        if (options.json) {
            std::printf("{\"file\": %s, \"items\": %zu, \"statements\": %zu, \"symbols\": %zu, "
                        "\"references\": %zu, \"unresolvedSymbols\": %zu, \"unresolvedBinds\": %zu, "
                        "\"paramAccesses\": %zu, \"missingLibraries\": %zu,\n \"ms\": {\"context\": %.1f, "
                        "\"load\": %.1f, \"symbolTable\": %.1f, \"parse\": %.1f}",
                        JsonString(options.file).c_str(), s.items, s.statements, table->GetSymbolCount(),
                        s.references, s.unresolvedSymbols, s.unresolvedBinds, s.paramAccesses,
                        program.missing.size(), contextMs, loadMs, tableMs, parseMs);
            if (options.Has("--unresolved")) {
                std::printf(",\n \"unresolved\": [");
                for (std::size_t i = 0; i < counter.unresolved.size(); ++i) {
                    const Unresolved& u = counter.unresolved[i];
                    std::printf("%s\n  {\"text\": %s, \"file\": %s, \"line\": %d}", i ? "," : "",
                                JsonString(u.text).c_str(), JsonString(u.file).c_str(), u.line);
                }
                std::printf("]");
            }
            std::printf("}\n");
        } else {
            std::printf("file: %s\n", options.file.c_str());
            std::printf("items: %zu (%zu statements)\n", s.items, s.statements);
            std::printf("symbols: %zu\n", table->GetSymbolCount());
            std::printf("references: %zu (%zu parameter accesses)\n", s.references, s.paramAccesses);
            std::printf("unresolved symbols: %zu\n", s.unresolvedSymbols);
            std::printf("unresolved binds: %zu\n", s.unresolvedBinds);
            std::printf("missing libraries: %zu\n", program.missing.size());
            std::printf("time: context %.1f ms, load %.1f ms, symbol table %.1f ms, parse %.1f ms\n", contextMs,
                        loadMs, tableMs, parseMs);
            if (options.Has("--unresolved"))
                for (const Unresolved& u : counter.unresolved)
                    std::printf("%s:%d: %s\n", u.file.c_str(), u.line, u.text.c_str());
        }
        return 0;
    } catch (const CGKitError& e) {
        std::fprintf(stderr, "zavora-xref parse: %s\n", e.what());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zavora-xref parse: %s\n", e.what());
    }
    return 2;
}
