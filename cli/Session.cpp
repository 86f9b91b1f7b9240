#include "cli/Session.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "engine/Zavora.h"
#include "settings/ZavoraPrefs.h"
#include "platform/outline/HostState.h"
#include "platform/outline/Loader.h"


bool CliSession::Open(const CliOptions& options)
{
    m_file = options.file;
    zv::outline::LibrarySearchPath() = options.libPaths;
    std::string error;
    m_hOutline = zv::host::OpenOutline(options.file, &error);
    if (!m_hOutline) {
        std::fprintf(stderr, "zavora-xref: %s\n", error.c_str());
        return false;
    }
    for (const auto& line : zv::host::HostState::Get().output)
        if (line.error) std::fprintf(stderr, "warning: %s\n", line.text.c_str());
    CZavoraApp& app = CZavoraApp::Instance();
    app.SetPreferencesWritable(false);
    if (!app.InitHeadless(options.context)) {
        std::string why = "could not load the SAL context";
        for (const auto& line : zv::host::HostState::Get().output) why = line.text;
        std::fprintf(stderr, "zavora-xref: %s\n", why.c_str());
        return false;
    }
    app.SetOutline(m_hOutline);
    // Unresolved names are the parse command's business; here they would only be noise.
    app.GetPreferences()->WarnForUnresolvedSymbols = false;
    app.Parse(0);
    if (!app.IsParsed()) {
        std::fprintf(stderr, "zavora-xref: %s: the parse did not complete\n", options.file.c_str());
        return false;
    }
    return true;
}

CliSession::~CliSession()
{
    CZavoraApp::Instance().Clear();
    if (m_hOutline) zv::host::CloseOutline(m_hOutline);
}

CSalSymbol* CliSession::Resolve(const std::string& text)
{
    CApplication* table = CApplication::Instance(0, 0);
    if (!table) return nullptr;
    // "::name" is the global one of a name that several symbols share.
    if (text.rfind("::", 0) == 0) {
        if (CSalSymbol* symbol = table->GetSymbolFromPath(text.substr(2))) return symbol;
        std::fprintf(stderr, "zavora-xref: %s: no global symbol of that name\n", text.c_str());
        return nullptr;
    }
    // A path names one symbol; a bare name only when no other symbol has it.
    if (text.find("::") != std::string::npos)
        if (CSalSymbol* symbol = table->GetSymbolFromPath(text)) return symbol;
    std::vector<CSalSymbol*> candidates;
    for (CSalSymbol* symbol : table->FindAll(text))
        if (symbol->GetKind() != SymbolKind::Handler) candidates.push_back(symbol);
    std::vector<CSalSymbol*> program;
    for (CSalSymbol* symbol : candidates)
        if (!symbol->IsBuiltIn()) program.push_back(symbol);
    if (program.size() == 1) return program[0];
    if (program.empty() && !candidates.empty()) return candidates[0];
    if (program.empty()) {
        std::fprintf(stderr, "zavora-xref: %s: no symbol of that name or path\n", text.c_str());
        return nullptr;
    }
    std::fprintf(stderr, "zavora-xref: %s is ambiguous; name one of:\n", text.c_str());
    for (CSalSymbol* symbol : program) {
        const std::string path = PathOf(symbol->GetItem());
        std::fprintf(stderr, "  %s%s  (%s)\n", path.find("::") == std::string::npos ? "::" : "", path.c_str(),
                     Location(symbol->GetItem()).c_str());
    }
    return nullptr;
}

std::string CliSession::PathOf(const CGItem& item)
{
    CGItem scratch;
    return GetNamePrefix(item.GetOutline(), item.GetItem(), scratch);
}

std::string CliSession::ContextOf(const CGItem& item)
{
    std::string own;
    for (CGItem at = item; at.GetItem(); at = GetDeclaringParent(at)) {
        // Handlers read as "owner On MESSAGE", as the outline shows them.
        if (at.GetItemType() == ItemType::OnMessage) {
            const CGItem owner = GetDeclaringParent(at);
            const std::string ownerPath = owner.GetItem() ? PathOf(owner) : std::string();
            return (ownerPath.empty() ? std::string() : ownerPath + " ") + "On " + std::string(at.GetName());
        }
        const std::string path = PathOf(at);
        if (!path.empty() && at.GetItem() != item.GetItem()) return path;
        if (at.GetItem() == item.GetItem()) own = path;
    }
    return own;
}

std::string CliSession::Location(const CGItem& item)
{
    return item.GetFileName() + ":" + std::to_string(item.GetLineNumber());
}

std::string CliSession::LineOf(const CGItem& item)
{
    const std::string line = item.GetTitle(0);
    return line.substr(0, line.find('\n'));
}
