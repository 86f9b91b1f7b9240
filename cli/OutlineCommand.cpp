// zavora-xref outline: load a program with its libraries and describe it.
#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "cli/Commands.h"
#include "cli/Options.h"
#include "platform/outline/ItemTypeNames.h"
#include "platform/outline/Loader.h"
#include "platform/outline/Outline.h"
#include "platform/outline/Writer.h"

using namespace zv::outline;

namespace {

void Dump(const Outline& o)
{
    const std::int32_t top = o.root;
    std::vector<int> depthOf(o.items.size(), 0);
    for (std::int32_t i = top; i >= 0; i = o.NextInOrder(i, top)) {
        const Item& item = o.items[i];
        const int depth = item.parent >= 0 ? depthOf[item.parent] + 1 : 0;
        depthOf[i] = depth;
        std::string first = item.line.substr(0, item.line.find('\n'));
        std::printf("%*s[%d %s]%s %s\n", depth * 2, "", item.type, ItemTypeName(item.type),
                    item.file != 0 ? " (lib)" : "", first.c_str());
    }
}

} // namespace

int RunOutlineCommand(const std::vector<std::string>& args)
{
    CliOptions options;
    std::string error;
    if (!ParseCliOptions(args, {"--dump"}, {"-o"}, options, error)) {
        std::fprintf(stderr, "zavora-xref outline: %s\n", error.c_str());
        return 2;
    }
    try {
        const Outline& o = LoadProgram(options.file, options.libPaths);
        for (const auto& w : o.warnings) std::fprintf(stderr, "warning: %s\n", w.c_str());
        if (options.Has("--dump")) {
            Dump(o);
        } else {
            std::size_t items = 0, own = 0;
            int maxDepth = 0;
            std::map<int, std::size_t> histogram;
            std::vector<int> depthOf(o.items.size(), 0);
            for (std::int32_t i = o.root; i >= 0; i = o.NextInOrder(i, o.root)) {
                const Item& item = o.items[i];
                depthOf[i] = item.parent >= 0 ? depthOf[item.parent] + 1 : 0;
                maxDepth = std::max(maxDepth, depthOf[i]);
                ++items;
                if (item.file == 0) ++own;
                ++histogram[item.type];
            }
            const SourceFile& f = o.files[0];
            std::printf("file: %s\n", f.path.c_str());
            std::printf("layout: %s, encoding: %s, line ends: %s\n",
                        f.layout == Layout::Header ? "header" : "indented", EncodingName(f.encoding),
                        f.eolByLine.empty() ? (f.crlf ? "CR LF" : "LF") : "mixed");
            std::printf("items: %zu (%zu of the program, %zu of libraries)\n", items, own, items - own);
            std::printf("depth: %d\n", maxDepth);
            std::size_t found = 0, refused = 0;
            for (std::size_t k = 1; k < o.files.size(); ++k) (o.files[k].refused ? refused : found) += 1;
            std::printf("libraries: %zu found, %zu missing, %zu refused\n", found, o.missing.size() - refused,
                        refused);
            for (std::size_t k = 1; k < o.files.size(); ++k)
                if (!o.files[k].refused) std::printf("  found   %s\n", o.files[k].path.c_str());
            for (const auto& m : o.missing)
                std::printf("  %s %s (included at %s)\n", m.reason.empty() ? "missing" : "refused", m.name.c_str(),
                            m.includedFrom.c_str());
            std::printf("item types:\n");
            std::vector<std::pair<std::size_t, int>> rows;
            for (const auto& [type, count] : histogram) rows.push_back({count, type});
            std::sort(rows.begin(), rows.end(), [](auto& a, auto& b) {
                return a.first != b.first ? a.first > b.first : a.second < b.second;
            });
            for (const auto& [count, type] : rows)
                std::printf("  %8zu  %4d %s\n", count, type, ItemTypeName(type));
        }
        if (const std::string* out = options.Value("-o")) {
            SaveProgram(o, *out);
            std::fprintf(stderr, "saved %s\n", out->c_str());
        }
        Registry::Get().Destroy(o.Handle());
    } catch (const CGKitError& e) {
        std::fprintf(stderr, "zavora-xref: %s\n", e.what());
        return 2;
    }
    return 0;
}
