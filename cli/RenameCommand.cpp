// zavora-xref rename: rename a symbol in its declaration and every
// reference, and write the program to a new file.
#include <cstdio>
#include <filesystem>
#include <map>

#include "cli/Commands.h"
#include "cli/Json.h"
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
    CXrefList* list = app.GetReferences(item.GetItem());
    if (!list) return Fail(path + ": Symbol is not referenced and can be renamed manually");
    std::string newName = options.positional[1];
    const std::string why = app.CheckNewName(item, newName);
    if (!why.empty()) return Fail(path + ": " + why);

    // The lines that change, as they read before.
    std::map<HITEM, std::string> before;
    before[item.GetItem()] = item.GetTitle(0);
    for (CReference* ref : list->GetReferences()) before[ref->GetSource()->GetItem()] = ref->GetSource()->GetTitle(0);
    const std::size_t references = list->GetReferences().size();
    list->RenameSymbol(item.GetItem(), newName);
    for (const auto& output : zv::host::HostState::Get().output)
        std::fprintf(stderr, "warning: %s\n", output.text.c_str());

    std::size_t changed = 0;
    for (const auto& [h, old] : before) {
        CGItem at(session.Outline(), h);
        const std::string now = at.GetTitle(0);
        if (now == old) continue;
        ++changed;
        if (dryRun) {
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
    std::printf("%s: %zu reference%s and the declaration, %zu line%s %s\n", path.c_str(), references,
                references == 1 ? "" : "s", changed, changed == 1 ? "" : "s",
                dryRun ? "would change" : ("changed, written to " + *out).c_str());
    return 0;
}
