// zavora-xref rename: rename a symbol in its declaration and every
// reference, and write the program to a new file.
#include <cstdio>
#include <filesystem>
#include <map>

#include "cli/Commands.h"
#include "cli/JsonOutput.h"
#include "cli/Session.h"
#include "engine/Zavora.h"
#include "platform/outline/HostState.h"
#include "platform/outline/Outline.h"
#include "platform/outline/Writer.h"

namespace {

int Fail(const std::string& message)
{
    std::fprintf(stderr, "zavora-xref rename: %s\n", message.c_str());
    return 2;
}

bool SameFile(const std::string& a, const std::string& b)
{
    std::error_code ec;
    return std::filesystem::exists(b, ec) && std::filesystem::equivalent(a, b, ec);
}

} // namespace

int RunRenameCommand(const std::vector<std::string>& args)
{
    CliOptions options;
    std::string error;
    if (!ParseCliOptions(args, {"--dry-run"}, {"-o"}, options, error)) return Fail(error);
    if (options.positional.size() != 2) return Fail("usage: rename FILE SYMBOL NEWNAME -o OUT [--dry-run]");
    const std::string* out = options.Value("-o");
    const bool dryRun = options.Has("--dry-run");
    if (!out && !dryRun) return Fail("name the file to write with -o OUT (the input is never overwritten)");
    if (out && SameFile(options.file, *out)) return Fail(*out + ": is the input file; write the result to a new file");

    CliSession session;
    if (!session.Open(options)) return 2;
    CSalSymbol* symbol = session.Resolve(options.positional[0]);
    if (!symbol) return 2;
    const std::string path = CliSession::PathOf(symbol->GetItem());
    CGItem item(session.Outline(), symbol->GetItem().GetItem());
    if (symbol->IsBuiltIn() || item.IsReadOnly())
        return Fail(path + ": Symbol is included from another outline and cannot be renamed");
    CZavoraApp& app = CZavoraApp::Instance();
    const std::vector<CGItem> targets = app.RenameTargets(item);
    std::vector<CXrefList*> lists;
    for (const CGItem& target : targets) {
        if (target.IsReadOnly())
            return Fail(path + ": its late-bound family holds " + CliSession::PathOf(target) +
                        ", which is included from another outline and cannot be renamed");
        if (CXrefList* list = app.GetReferences(target.GetItem())) lists.push_back(list);
    }
    if (lists.empty()) return Fail(path + ": Symbol is not referenced and can be renamed manually");
    std::string newName = options.positional[1];
    for (CGItem target : targets) {
        const std::string why = app.CheckNewName(target, newName);
        if (!why.empty()) return Fail(CliSession::PathOf(target) + ": " + why);
    }

    // Every line that changes, as it reads before: declarations, references
    // and the Class: lines and declarations rewritten as a whole.
    std::map<HITEM, std::string> before;
    std::size_t references = 0;
    for (const CGItem& target : targets) before[target.GetItem()] = target.GetTitle(0);
    for (CXrefList* list : lists) {
        references += list->GetReferences().size();
        for (CReference* ref : list->GetReferences())
            before[ref->GetSource()->GetItem()] = ref->GetSource()->GetTitle(0);
    }
    // The family's paths as they read before the rename.
    JsonDocument family = JsonDocument::array();
    for (const CGItem& target : targets)
        family.push_back({{"path", CliSession::PathOf(target)},
                          {"file", target.GetFileName()},
                          {"line", target.GetLineNumber()}});
    if (targets.size() > 1 && !options.json) {
        std::printf("%s is one of a late-bound family; renamed together:\n", path.c_str());
        for (const CGItem& target : targets)
            std::printf("  %s  (%s)\n", CliSession::PathOf(target).c_str(), CliSession::Location(target).c_str());
    }
    if (targets.size() == 1) lists.front()->RenameSymbol(item.GetItem(), newName);
    else app.RenameAll(targets, newName);
    for (const auto& output : zv::host::HostState::Get().output)
        std::fprintf(stderr, "warning: %s\n", output.text.c_str());

    std::size_t changed = 0;
    JsonDocument lines = JsonDocument::array();
    for (const auto& [h, old] : before) {
        CGItem at(session.Outline(), h);
        const std::string now = at.GetTitle(0);
        if (now == old) continue;
        ++changed;
        if (options.json) {
            lines.push_back({{"file", at.GetFileName()}, {"line", at.GetLineNumber()}, {"before", old}, {"after", now}});
        } else if (dryRun) {
            std::printf("%s\n  - %s\n  + %s\n", CliSession::Location(at).c_str(), old.c_str(), now.c_str());
        }
    }
    if (!dryRun) {
        try {
            zv::outline::SaveProgram(*zv::outline::Registry::Get().Find(session.Outline()), *out);
        } catch (const CGKitError& e) {
            return Fail(e.what());
        }
    }
    if (options.json) {
        PrintJson({{"symbol", path},
                   {"newName", newName},
                   {"declarations", family},
                   {"references", references},
                   {"written", dryRun ? JsonDocument(nullptr) : JsonDocument(*out)},
                   {"changes", lines}});
        return 0;
    }
    std::printf("%s: %zu reference%s and %s, %zu line%s %s\n", path.c_str(), references,
                references == 1 ? "" : "s",
                targets.size() == 1 ? "the declaration" : (std::to_string(targets.size()) + " declarations").c_str(),
                changed, changed == 1 ? "" : "s",
                dryRun ? "would change" : ("changed, written to " + *out).c_str());
    return 0;
}
