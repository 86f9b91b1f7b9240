// zavora-xref unref: the symbols nothing refers to.
#include <cstdio>
#include <memory>

#include "cli/Commands.h"
#include "cli/JsonOutput.h"
#include "cli/Session.h"
#include "engine/UnrefSearch.h"
#include "engine/Zavora.h"
#include "settings/ZvFilterCollection.h"
#include "settings/ZvParentItemFilter.h"

int RunUnrefCommand(const std::vector<std::string>& args)
{
    CliOptions options;
    std::string error;
    if (!ParseCliOptions(args, {"--fail-on-findings"}, {"--filter", "--below"}, options, error)) {
        std::fprintf(stderr, "zavora-xref unref: %s\n", error.c_str());
        return 2;
    }
    CliSession session;
    if (!session.Open(options)) return 2;
    CUnrefSearch::Filter filter;
    if (const std::string* name = options.Value("--filter")) {
        CZvParentItemFilter* found = CZvFilterCollection::shared()->get(*name);
        if (!found) {
            std::fprintf(stderr, "zavora-xref unref: no filter named '%s'\n", name->c_str());
            return 2;
        }
        filter = [found](CGItem& item) { return found->match(item); };
    }
    HITEM below = CGApplication(session.Outline()).GetItem();
    if (const std::string* symbolText = options.Value("--below")) {
        CSalSymbol* symbol = session.Resolve(*symbolText);
        if (!symbol) return 2;
        below = symbol->GetItem().GetItem();
    }
    const std::vector<HITEM> found = CUnrefSearch::Find(session.Outline(), below, filter);
    if (options.json) {
        JsonDocument list = JsonDocument::array();
        for (HITEM h : found) {
            CGItem item(session.Outline(), h);
            list.push_back({{"name", item.GetName()},
                            {"path", CliSession::PathOf(item)},
                            {"type", static_cast<int>(item.GetItemType())},
                            {"file", item.GetFileName()},
                            {"line", item.GetLineNumber()}});
        }
        PrintJson({{"unreferenced", list}});
    } else {
        for (HITEM h : found) {
            CGItem item(session.Outline(), h);
            std::printf("%-40s %s  %s\n", CliSession::PathOf(item).c_str(), CliSession::Location(item).c_str(),
                        CliSession::LineOf(item).c_str());
        }
        std::printf("%zu unreferenced symbol%s\n", found.size(), found.size() == 1 ? "" : "s");
    }
    return options.Has("--fail-on-findings") && !found.empty() ? 1 : 0;
}
