// zavora-xref parse: build the symbol table of a program and parse it,
// printing what was found and how long each phase took.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "cli/Commands.h"
#include "cli/JsonOutput.h"
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

const char* CauseName(CSalUnresolved::Cause cause)
{
    switch (cause) {
    case CSalUnresolved::Cause::UnknownClass: return "unknown-class";
    case CSalUnresolved::Cause::MissingLibrary: return "missing-library";
    case CSalUnresolved::Cause::UnqualifiedExternal: return "unqualified-external";
    case CSalUnresolved::Cause::Problem: return "unreadable";
    case CSalUnresolved::Cause::Unexplained: break;
    }
    return "unexplained";
}

struct Bind {
    std::string name;
    std::string item;   // the first line of the item that holds it
    std::string file;
    int line;
    int position;
    int length;
};

// Keeps the unresolved binds, with the line where each name stands.
class BindCollector : public CParserNotificationInterface {
public:
    std::vector<Bind> binds;

    void UnresolvedBind(CGItem& item, int position, int length) override
    {
        const std::string text = item.GetText();
        const auto at = static_cast<std::size_t>(std::max(0, position));
        const std::string before = text.substr(0, std::min(at, text.size()));
        const int line = item.GetLineNumber() + static_cast<int>(std::count(before.begin(), before.end(), '\n'));
        const std::string title = item.GetTitle(0);
        binds.push_back({at < text.size() ? text.substr(at, static_cast<std::size_t>(std::max(0, length))) : "",
                         title.substr(0, title.find('\n')), item.GetFileName(), line, position, length});
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
            std::fprintf(stderr, "warning: library %s: %s (included at %s)\n", m.reason.empty() ? "not found" : "refused",
                         m.name.c_str(), m.includedFrom.c_str());

        start = Clock::now();
        CApplication* table = CApplication::Instance(program.Handle(), context.Handle());
        table->CreateContext();
        const double tableMs = MillisecondsSince(start);

        CSalParser parser(true, nullptr);
        BindCollector collector;
        parser.AddNotifcationInterface(&collector);
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
        const std::vector<CSalUnresolved>& unresolved = parser.GetUnresolved();
        constexpr int kCauses = 5;
        std::size_t byCause[kCauses] = {};
        for (const CSalUnresolved& u : unresolved) ++byCause[static_cast<int>(u.cause)];
        auto locate = [](const CSalUnresolved& u) {
            const CGItem item(0, u.item);
            return std::make_pair(item.GetFileName(), item.GetLineNumber());
        };
        const bool list = options.Has("--unresolved");

        if (options.json) {
            // Milliseconds to a tenth, as the text output gives them.
            auto tenths = [](double ms) { return std::round(ms * 10) / 10; };
            JsonDocument answer = {{"file", options.file},
                                   {"itemsInTree", s.itemsInTree},
                                   {"items", s.items},
                                   {"statements", s.statements},
                                   {"symbols", table->GetSymbolCount()},
                                   {"references", s.references},
                                   {"unresolvedSymbols", s.unresolvedSymbols},
                                   {"unresolvedBinds", s.unresolvedBinds},
                                   {"paramAccesses", s.paramAccesses},
                                   {"missingLibraries", program.missing.size()}};
            JsonDocument causes = JsonDocument::object();
            for (int c = 0; c < kCauses; ++c) causes[CauseName(static_cast<CSalUnresolved::Cause>(c))] = byCause[c];
            answer["causes"] = std::move(causes);
            answer["ms"] = {{"context", tenths(contextMs)},
                            {"load", tenths(loadMs)},
                            {"symbolTable", tenths(tableMs)},
                            {"parse", tenths(parseMs)}};
            if (list) {
                JsonDocument names = JsonDocument::array();
                for (const CSalUnresolved& u : unresolved) {
                    const auto [file, line] = locate(u);
                    names.push_back({{"text", u.text},
                                     {"name", u.name},
                                     {"cause", CauseName(u.cause)},
                                     {"detail", u.detail},
                                     {"file", file},
                                     {"line", line}});
                }
                answer["unresolved"] = std::move(names);
                JsonDocument binds = JsonDocument::array();
                for (const Bind& b : collector.binds)
                    binds.push_back({{"name", b.name},
                                     {"item", b.item},
                                     {"file", b.file},
                                     {"line", b.line},
                                     {"position", b.position},
                                     {"length", b.length}});
                answer["binds"] = std::move(binds);
            }
            PrintJson(answer);
        } else {
            std::printf("file: %s\n", options.file.c_str());
            std::printf("items: %zu in the tree (%zu outside comments, %zu statements)\n", s.itemsInTree, s.items,
                        s.statements);
            std::printf("symbols: %zu\n", table->GetSymbolCount());
            std::printf("references: %zu (%zu parameter accesses)\n", s.references, s.paramAccesses);
            std::printf("unresolved symbols: %zu", s.unresolvedSymbols);
            if (s.unresolvedSymbols) {
                const char* sep = " (";
                for (int c = 0; c < kCauses; ++c)
                    if (byCause[c]) {
                        std::printf("%s%zu %s", sep, byCause[c], CauseName(static_cast<CSalUnresolved::Cause>(c)));
                        sep = ", ";
                    }
                std::printf(")");
            }
            std::printf("\nunresolved binds: %zu\n", s.unresolvedBinds);
            std::printf("missing libraries: %zu\n", program.missing.size());
            std::printf("time: context %.1f ms, load %.1f ms, symbol table %.1f ms, parse %.1f ms\n", contextMs,
                        loadMs, tableMs, parseMs);
            if (list) {
                for (const CSalUnresolved& u : unresolved) {
                    const auto [file, line] = locate(u);
                    std::printf("%s:%d: [%s] %s\n", file.c_str(), line, CauseName(u.cause), u.text.c_str());
                }
                for (const Bind& b : collector.binds)
                    std::printf("%s:%d: [bind] ':%s' at %d, length %d, in '%s'\n", b.file.c_str(), b.line,
                                b.name.c_str(), b.position, b.length, b.item.c_str());
            }
        }
        return 0;
    } catch (const CGKitError& e) {
        std::fprintf(stderr, "zavora-xref parse: %s\n", e.what());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zavora-xref parse: %s\n", e.what());
    }
    return 2;
}
