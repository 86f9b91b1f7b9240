#include "lsp/Server.h"

#include <algorithm>
#include <tuple>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <functional>
#include <limits>
#include <regex>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "contracts/Exceptions.h"
#include "engine/LateBinding.h"
#include "engine/UnrefSearch.h"
#include "engine/Zavora.h"
#include "lsp/Framing.h"
#include "lsp/Version.h"
#include "platform/language/SymbolTable.h"
#include "platform/outline/HostState.h"

namespace fs = std::filesystem;

namespace zv::lsp {

namespace {

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string Canonical(const std::string& path)
{
    std::error_code ec;
    const auto canonical = fs::weakly_canonical(path, ec);
    return ec ? path : canonical.string();
}

bool IsLibrary(const std::string& path) { return Lower(fs::path(path).extension().string()) == ".apl"; }

std::string PathOfItem(const CGItem& item)
{
    CGItem scratch;
    return GetNamePrefix(item.GetOutline(), item.GetItem(), scratch);
}

// How the outline shows a function or handler: its path, or "owner On MESSAGE".
std::string NameOfItem(const CGItem& item)
{
    if (item.GetItemType() == ItemType::OnMessage) {
        const CGItem owner = GetDeclaringParent(item);
        const std::string ownerPath = owner.GetItem() ? PathOfItem(owner) : std::string();
        return (ownerPath.empty() ? std::string() : ownerPath + " ") + "On " + std::string(item.GetName());
    }
    const std::string path = PathOfItem(item);
    return path.empty() ? std::string(item.GetName()) : path;
}

std::string FirstLine(const std::string& text) { return text.substr(0, text.find('\n')); }

const char* KindName(SymbolKind kind)
{
    switch (kind) {
    case SymbolKind::Function: return "function";
    case SymbolKind::Class: return "class";
    case SymbolKind::Window: return "window";
    case SymbolKind::Variable: return "variable";
    case SymbolKind::Constant: return "constant";
    case SymbolKind::Enumeration: return "enumeration";
    case SymbolKind::EnumItem: return "enumeration value";
    case SymbolKind::Resource: return "resource";
    case SymbolKind::NamedMenu: return "named menu";
    case SymbolKind::Event: return "event";
    case SymbolKind::Handler: return "message handler";
    }
    return "symbol";
}

// The protocol's SymbolKind numbers.
int LspKind(const CSalSymbol* symbol)
{
    switch (symbol->GetKind()) {
    case SymbolKind::Function:
        return symbol->GetParentContext() && symbol->GetParentContext()->GetKind() != SymbolKind::Function ? 6 : 12;
    case SymbolKind::Class: return 5;
    case SymbolKind::Window: return 19;
    case SymbolKind::Variable: return symbol->GetParentContext() &&
                                   symbol->GetParentContext()->GetKind() == SymbolKind::Class ? 8 : 13;
    case SymbolKind::Constant: return 14;
    case SymbolKind::Enumeration: return 10;
    case SymbolKind::EnumItem: return 22;
    case SymbolKind::Resource: return 15;
    case SymbolKind::NamedMenu: return 19;
    case SymbolKind::Event: case SymbolKind::Handler: return 24;
    }
    return 13;
}

bool Assigned(CReference* reference)
{
    try {
        return reference->IsModifierStatement();
    } catch (Assertion* e) {
        e->Delete();  // a line that ends with the reference: not an assignment
    } catch (...) {
    }
    return reference->GetModifier();
}

// The span of symbol's use under the cursor, if the cursor is on one.
std::optional<FileRange> UseRange(Program& program, const Spot& spot, CSalSymbol* symbol)
{
    const auto uses = program.Index().UsesOf(program.Model().ItemHandle(spot.item));
    for (auto* entry = uses.first; entry != uses.second; ++entry)
        if (entry->use.symbol == symbol && entry->use.position >= 0 && entry->use.position <= spot.textPosition &&
            spot.textPosition <= entry->use.position + entry->use.length)
            return program.RangeOf(spot.item, entry->use.position, entry->use.length);
    return std::nullopt;
}

int IntField(const json& object, const char* name)
{
    if (!object.is_object() || !object.contains(name) || !object[name].is_number_integer())
        throw LspError{ErrorCode::InvalidParams, std::string("'") + name + "' must be a whole number"};
    return object[name].get<int>();
}

const json& Field(const json& object, const char* name)
{
    if (!object.is_object() || !object.contains(name))
        throw LspError{ErrorCode::InvalidParams, std::string("missing '") + name + "'"};
    return object[name];
}

std::string StringField(const json& object, const char* name)
{
    const json& value = Field(object, name);
    if (!value.is_string()) throw LspError{ErrorCode::InvalidParams, std::string("'") + name + "' must be a string"};
    return value.get<std::string>();
}

// Moves a string out of the message: a document's text is megabytes.
std::string TakeString(json& object, const char* name)
{
    StringField(object, name);
    return std::move(object[name].get_ref<std::string&>());
}

} // namespace

Server::Server(std::ostream& out) : m_out(out)
{
    m_requests = {
        {"initialize", &Server::Initialize},
        {"shutdown", &Server::Shutdown},
        {"textDocument/definition", &Server::Definition},
        {"textDocument/declaration", &Server::Definition},
        {"textDocument/documentHighlight", &Server::DocumentHighlight},
        {"textDocument/hover", &Server::Hover},
        {"textDocument/documentSymbol", &Server::DocumentSymbol},
        {"workspace/symbol", &Server::WorkspaceSymbol},
        {"textDocument/prepareCallHierarchy", &Server::PrepareCallHierarchy},
        {"callHierarchy/incomingCalls", &Server::IncomingCalls},
        {"callHierarchy/outgoingCalls", &Server::OutgoingCalls},
        {"textDocument/prepareTypeHierarchy", &Server::PrepareTypeHierarchy},
        {"typeHierarchy/supertypes", &Server::Supertypes},
        {"typeHierarchy/subtypes", &Server::Subtypes},
        {"textDocument/prepareRename", &Server::PrepareRename},
        {"textDocument/rename", &Server::Rename},
        {"workspace/executeCommand", &Server::ExecuteCommand},
    };
}

Server::~Server()
{
    m_program.reset();
}

// ---- messages ---------------------------------------------------------------------

int Server::Run(std::istream& in)
{
    std::string body, error;
    for (;;) {
        const ReadResult read = ReadMessage(in, body, error);
        if (read == ReadResult::End) break;
        if (read == ReadResult::Malformed) {
            LogError(error);
            ReplyError(nullptr, ErrorCode::ParseError, error);
            continue;
        }
        if (!Handle(body)) break;
        // The buffer keeps the size of the largest message (a whole program); not for the session.
        if (body.capacity() > (1u << 20)) std::string().swap(body);
    }
    return ExitCode();
}

void Server::Send(const json& message)
{
    WriteMessage(m_out, message.dump(-1, ' ', false, json::error_handler_t::replace));
}

void Server::Reply(const json& id, const json& result) { Send({{"jsonrpc", "2.0"}, {"id", id}, {"result", result}}); }

void Server::ReplyRaw(const json& id, const std::string& result)
{
    WriteMessage(m_out, R"({"jsonrpc":"2.0","id":)" + id.dump() + R"(,"result":)" + result + "}");
}

void Server::ReplyError(const json& id, int code, const std::string& message)
{
    Send({{"jsonrpc", "2.0"}, {"id", id}, {"error", {{"code", code}, {"message", message}}}});
}

void Server::Notify(const std::string& method, const json& params)
{
    Send({{"jsonrpc", "2.0"}, {"method", method}, {"params", params}});
}

void Server::LogError(const std::string& text)
{
    std::cerr << "zavora-lsp: " << text << std::endl;
    if (m_initialized) Notify("window/logMessage", {{"type", 1}, {"message", text}});
}

bool Server::Handle(const std::string& body)
{
    json message;
    try {
        message = json::parse(body);
    } catch (const json::exception& e) {
        ReplyError(nullptr, ErrorCode::ParseError, std::string("malformed JSON: ") + e.what());
        return true;
    }
    if (!message.is_object() || !message.contains("method") || !message["method"].is_string()) {
        const json id = message.is_object() && message.contains("id") ? message["id"] : json(nullptr);
        if (message.is_object() && !message.contains("method") && (message.contains("result") || message.contains("error")))
            return true;  // an answer to a request of ours
        ReplyError(id, ErrorCode::InvalidRequest, "not a request or notification: no method");
        return true;
    }
    const std::string method = message["method"];
    if (!message.contains("params")) message["params"] = json::object();
    json& params = message["params"];  // not copied: a didOpen carries the whole program
    const bool isRequest = message.contains("id");
    const json id = isRequest ? message["id"] : json(nullptr);
    if (isRequest && !id.is_string() && !id.is_number_integer()) {
        ReplyError(nullptr, ErrorCode::InvalidRequest, "the id must be a number or a string");
        return true;
    }

    if (method == "exit") {
        m_exit = true;
        return false;
    }
    try {
        if (!isRequest) {
            if (!m_initialized || m_shutdown) return true;  // notifications are dropped then
            if (method == "textDocument/didOpen") DidOpen(params);
            else if (method == "textDocument/didChange") DidChange(params);
            else if (method == "textDocument/didSave") DidSave(params);
            else if (method == "textDocument/didClose") DidClose(params);
            else if (method == "workspace/didChangeConfiguration") {
                if (params.contains("settings") && params["settings"].is_object() && params["settings"].contains("zavora")) {
                    ReadSettings(params["settings"]["zavora"], m_roots.empty() ? std::string() : m_roots[0]);
                    m_stale = true;
                    if (!m_programPath.empty()) PublishDiagnostics();
                }
            }
            return true;  // others ("initialized", "$/..." and the rest) need nothing
        }
        if (method != "initialize" && !m_initialized)
            throw LspError{ErrorCode::ServerNotInitialized, method + ": the server is not initialized yet"};
        if (method == "initialize" && m_initialized)
            throw LspError{ErrorCode::InvalidRequest, "initialize: the server is initialized already"};
        if (m_shutdown && method != "shutdown")
            throw LspError{ErrorCode::InvalidRequest, method + ": the server is shutting down"};
        if (method == "textDocument/references") {
            ReplyRaw(id, References(params));
            return true;
        }
        auto handler = m_requests.find(method);
        if (handler == m_requests.end()) throw LspError{ErrorCode::MethodNotFound, method + ": unknown method"};
        Reply(id, (this->*handler->second)(params));
    } catch (const LspError& e) {
        if (isRequest) ReplyError(id, e.code, e.message);
        else LogError(method + ": " + e.message);
    } catch (const json::exception& e) {
        if (isRequest) ReplyError(id, ErrorCode::InvalidParams, method + ": " + e.what());
        else LogError(method + ": " + e.what());
    } catch (const std::exception& e) {
        if (isRequest) ReplyError(id, ErrorCode::InternalError, method + ": " + e.what());
        else LogError(method + ": " + e.what());
    }
    return true;
}

// ---- lifecycle --------------------------------------------------------------------

void Server::ReadSettings(const json& options, const std::string& base)
{
    if (!options.is_object()) return;
    auto resolve = [&](const std::string& path) {
        return fs::path(path).is_absolute() || base.empty() ? path : (fs::path(base) / path).string();
    };
    if (options.contains("libPath")) {
        const json& lib = options["libPath"];
        m_settings.libPath.clear();
        if (lib.is_string()) m_settings.libPath.push_back(resolve(lib));
        else if (lib.is_array())
            for (const json& folder : lib)
                if (folder.is_string()) m_settings.libPath.push_back(resolve(folder));
    }
    if (options.contains("context") && options["context"].is_string())
        m_settings.context = resolve(options["context"]);
    if (options.contains("encoding") && options["encoding"].is_string()) {
        const std::string encoding = Lower(options["encoding"]);
        if (encoding != "cp1252" && encoding != "utf-8" && encoding != "utf8")
            throw LspError{ErrorCode::InvalidParams, "encoding: '" + encoding + "' is neither cp1252 nor utf-8"};
        m_settings.encoding = encoding == "utf8" ? "utf-8" : encoding;
    }
}

json Server::Initialize(const json& params)
{
    m_roots.clear();
    if (params.contains("workspaceFolders") && params["workspaceFolders"].is_array())
        for (const json& folder : params["workspaceFolders"])
            if (folder.contains("uri") && folder["uri"].is_string()) m_roots.push_back(PathFromUri(folder["uri"]));
    if (m_roots.empty() && params.contains("rootUri") && params["rootUri"].is_string())
        m_roots.push_back(PathFromUri(params["rootUri"]));
    if (m_roots.empty() && params.contains("rootPath") && params["rootPath"].is_string())
        m_roots.push_back(Canonical(params["rootPath"]));
    // zavora.json in the workspace root first; the editor's own options win.
    for (const std::string& root : m_roots) {
        const fs::path file = fs::path(root) / "zavora.json";
        std::ifstream in(file);
        if (!in) continue;
        try {
            ReadSettings(json::parse(in), root);
        } catch (const json::exception& e) {
            throw LspError{ErrorCode::InvalidParams, file.string() + ": " + e.what()};
        }
    }
    if (params.contains("initializationOptions"))
        ReadSettings(params["initializationOptions"], m_roots.empty() ? std::string() : m_roots[0]);

    CZavoraApp& app = CZavoraApp::Instance();
    app.SetPreferencesWritable(false);
    if (!app.InitHeadless(m_settings.context)) {
        std::string why = "could not load the SAL context";
        for (const auto& line : zv::host::HostState::Get().output) why = line.text;
        throw LspError{ErrorCode::RequestFailed, why};
    }
    m_initialized = true;
    json capabilities = {
        {"positionEncoding", "utf-16"},
        {"textDocumentSync", {{"openClose", true}, {"change", 2}, {"save", {{"includeText", false}}}}},
        {"definitionProvider", true},
        {"declarationProvider", true},
        {"referencesProvider", true},
        {"documentHighlightProvider", true},
        {"hoverProvider", true},
        {"documentSymbolProvider", true},
        {"workspaceSymbolProvider", true},
        {"callHierarchyProvider", true},
        {"typeHierarchyProvider", true},
        {"renameProvider", {{"prepareProvider", true}}},
        {"executeCommandProvider", {{"commands", {"zavora.unreferenced"}}}},
    };
    return {{"capabilities", capabilities}, {"serverInfo", {{"name", "zavora-lsp"}, {"version", kZavoraLspVersion}}}};
}

json Server::Shutdown(const json&)
{
    m_shutdown = true;
    m_program.reset();
    return nullptr;
}

// ---- documents --------------------------------------------------------------------

void Server::DidOpen(json& params)
{
    const json& document = Field(params, "textDocument");
    const std::string uri = StringField(document, "uri");
    Document& open = m_documents[PathFromUri(uri)];
    open.uri = uri;
    open.text = TakeString(params["textDocument"], "text");
    open.version = document.contains("version") && document["version"].is_number_integer() ? document["version"].get<long long>() : 0;
    m_stale = true;
    Ensure(PathFromUri(uri));
#if defined(__GLIBC__)
    // The message that brought the text (and a program loaded before) leave
    // megabytes of free heap behind; an editor session lasts long enough to
    // hand them back. Not after each change: the next load takes them again.
    malloc_trim(0);
#endif
}

namespace {

// Lines as LineTable counts them: a final line end starts no line.
std::size_t LineCountOf(std::string_view text)
{
    const auto breaks = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
    return 1 + breaks - (!text.empty() && text.back() == '\n' ? 1 : 0);
}

struct RangeEdit {
    std::size_t begin, end;     // byte offsets in the text it applies to
    int startLine, endLine;
    std::string text;
};

// An editor's range change, checked against the text it applies to.
RangeEdit ReadRangeEdit(json& change, std::string_view text, const std::string& path)
{
    const json& range = Field(change, "range");
    const json& start = Field(range, "start");
    const json& end = Field(range, "end");
    RangeEdit edit;
    edit.startLine = IntField(start, "line");
    edit.endLine = IntField(end, "line");
    const auto begin = OffsetOfPosition(text, edit.startLine, IntField(start, "character"));
    const auto finish = OffsetOfPosition(text, edit.endLine, IntField(end, "character"));
    if (!begin || !finish) {
        const int line = begin ? edit.endLine : edit.startLine;
        throw LspError{ErrorCode::InvalidParams, path + ":" + std::to_string(line + 1) +
                                                     ": the change's range is past the end of the buffer (" +
                                                     std::to_string(LineCountOf(text)) + " lines)"};
    }
    if (*finish < *begin) throw LspError{ErrorCode::InvalidParams, path + ":" + std::to_string(edit.startLine + 1) +
                                                                       ": the change's range ends before it starts"};
    edit.begin = *begin;
    edit.end = *finish;
    edit.text = TakeString(change, "text");
    return edit;
}

} // namespace

void Server::DidChange(json& params)
{
    const json& document = Field(params, "textDocument");
    const std::string path = PathFromUri(StringField(document, "uri"));
    auto it = m_documents.find(path);
    if (it == m_documents.end())
        throw LspError{ErrorCode::InvalidParams, path + ": changed, but it was never opened"};
    Field(params, "contentChanges");
    json& changes = params["contentChanges"];
    if (!changes.is_array() || changes.empty()) return;
    std::string& text = it->second.text;

    // A whole text replaces what came before it; range edits apply in order.
    std::size_t first = 0;
    for (std::size_t k = 0; k < changes.size(); ++k)
        if (!changes[k].is_object() || !changes[k].contains("range")) first = k;
    const bool whole = !changes[first].contains("range");
    std::string old;                    // the text the program was read from, for a whole-text change
    std::string edited;                 // several edits are made on a copy: a bad one leaves the buffer as it was
    std::string* target = &text;
    if (whole) {
        old = std::move(text);
        text = TakeString(changes[first], "text");
        ++first;
    } else if (changes.size() > 1) {
        edited = text;
        target = &edited;
    }
    // The first `head` and last `tail` lines are the same before and after the edits.
    const std::size_t oldCount = whole ? 0 : LineCountOf(text);
    std::size_t head = std::numeric_limits<std::size_t>::max(), tail = head, count = oldCount;
    for (std::size_t k = first; k < changes.size(); ++k) {
        RangeEdit edit;
        try {
            edit = ReadRangeEdit(changes[k], *target, path);
        } catch (...) {
            if (whole) m_stale = true;  // the whole text did change
            throw;
        }
        if (!whole) {
            head = std::min(head, static_cast<std::size_t>(edit.startLine));
            const long after = static_cast<long>(count) - 1 - edit.endLine;
            tail = std::min(tail, static_cast<std::size_t>(std::max(0L, after)));
        }
        target->replace(edit.begin, edit.end - edit.begin, edit.text);
        if (!whole && k + 1 < changes.size()) count = LineCountOf(*target);
    }
    if (target != &text) text = std::move(edited);
    if (document.contains("version") && document["version"].is_number_integer())
        it->second.version = document["version"].get<long long>();
    bool done = false;
    if (m_incremental && m_program && !m_stale && m_program->HasFile(path)) {
        try {
            done = whole ? m_program->Reparse(path, old, text)
                         : m_program->Reparse(path, LineChange{head, tail, oldCount}, text);
        } catch (const std::exception& e) {
            LogError(path + ": re-parsing the edited body failed, the program is read again: " + e.what());
        }
    }
    if (done) {
        PublishDiagnostics();
        return;
    }
    m_stale = true;
    Ensure(path);
}

void Server::DidSave(const json& params)
{
    const std::string path = PathFromUri(StringField(Field(params, "textDocument"), "uri"));
    if (!m_documents.count(path)) {
        // A file saved outside the editor's buffers: what is on disk changed.
        m_stale = true;
    }
    if (!m_programPath.empty() && (m_program ? m_program->HasFile(path) : m_programPath == path)) {
        m_stale = true;
        Ensure(path);
    }
}

void Server::DidClose(const json& params)
{
    const std::string path = PathFromUri(StringField(Field(params, "textDocument"), "uri"));
    if (m_documents.erase(path)) m_stale = true;
}

const std::string* Server::OpenText(const std::string& path) const
{
    auto it = m_documents.find(Canonical(path));
    return it == m_documents.end() ? nullptr : &it->second.text;
}

// ---- programs ---------------------------------------------------------------------

std::string Server::ProgramFor(const std::string& path)
{
    if (!IsLibrary(path)) return path;
    if (m_program && m_program->HasFile(path)) return m_program->Path();
    // A library opened alone: the workspace's program that includes it, if any.
    const std::string name = Lower(fs::path(path).filename().string());
    for (const std::string& root : m_roots) {
        std::error_code ec;
        for (fs::recursive_directory_iterator it(root, fs::directory_options::skip_permission_denied, ec), end;
             !ec && it != end; it.increment(ec)) {
            if (it.depth() > 4) it.disable_recursion_pending();
            if (!it->is_regular_file(ec)) continue;
            const std::string ext = Lower(it->path().extension().string());
            if (ext != ".apt" && ext != ".app") continue;
            const std::string candidate = Canonical(it->path().string());
            std::string text;
            if (const std::string* open = OpenText(candidate)) {
                text = *open;
            } else {
                std::ifstream in(candidate, std::ios::binary);
                text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
            }
            // Cheap test first (UTF-16 files are left to the load); then load to be sure.
            if (Lower(text).find(name) == std::string::npos) continue;
            try {
                Reload(candidate);
                if (m_program && m_program->HasFile(path)) return candidate;
            } catch (...) {
            }
        }
    }
    return path;
}

void Server::Reload(const std::string& programPath)
{
    m_program.reset();
    m_programPath = programPath;
    m_loadError.clear();
    try {
        m_program = std::make_unique<Program>(
            programPath, m_settings.libPath, [this](const std::string& path) { return OpenText(path); },
            m_settings.encoding == "utf-8" ? outline::NoBom::Utf8 : outline::NoBom::Cp1252);
    } catch (const CGKitError& e) {
        m_loadError = e.what();
    }
    m_stale = false;
}

Program& Server::Ensure(const std::string& path)
{
    const std::string programPath = ProgramFor(path);
    if (m_stale || programPath != m_programPath || (!m_program && m_loadError.empty())) {
        Reload(programPath);
        PublishDiagnostics();
    }
    if (!m_program) throw LspError{ErrorCode::RequestFailed, m_loadError};
    return *m_program;
}

void Server::PublishDiagnostics()
{
    std::map<std::string, json> byFile;
    auto add = [&](const FileRange& range, int severity, const std::string& message) {
        byFile[range.path].push_back(
            {{"range", Range(range)}, {"severity", severity}, {"source", "zavora"}, {"message", message}});
    };
    if (!m_program) {
        // "file:line: what" from the outline reader; the line is one-based.
        static const std::regex located(R"(^(.*?):(\d+): (.*)$)");
        std::smatch match;
        FileRange range;
        range.path = m_programPath;
        std::string message = m_loadError;
        if (std::regex_match(m_loadError, match, located)) {
            range.path = Canonical(match[1]);
            range.startLine = range.endLine = std::max(0, std::stoi(match[2]) - 1);
            range.endColumn = 10000;
            message = match[3];
        }
        add(range, 1, message);
    } else {
        Program& program = *m_program;
        outline::Outline& model = program.Model();
        for (const outline::MissingLibrary& missing : model.missing) {
            std::string message = "library not found: " + missing.name;
            for (const std::string& warning : model.warnings)
                if (warning.find(missing.includedFrom) != std::string::npos) message = "library refused: " + warning;
            add(program.RangeOf(missing.includeItem, -1, 0), 1, message);
        }
        for (const Complaint& complaint : program.Index().complaints) {
            const std::int32_t item = program.IndexOf(complaint.item);
            if (item < 0) continue;
            // The name between the first quotes, found in the item's text.
            int position = -1, length = 0;
            const std::size_t open = complaint.text.find('\'');
            const std::size_t close = open == std::string::npos ? open : complaint.text.find('\'', open + 1);
            if (close != std::string::npos) {
                std::string name = complaint.text.substr(open + 1, close - open - 1);
                if (name.rfind("..", 0) == 0) name = name.substr(2);
                const std::string text = Lower(std::string(model.items[item].Text()));
                const std::size_t at = name.empty() ? std::string::npos : text.find(Lower(name));
                if (at != std::string::npos) {
                    position = static_cast<int>(at);
                    length = static_cast<int>(name.size());
                }
            }
            add(program.RangeOf(item, position, length), 2, complaint.text);
        }
    }
    std::set<std::string> now;
    for (auto& [path, diagnostics] : byFile) {
        // In the order of the file, however the parse came by them.
        std::stable_sort(diagnostics.begin(), diagnostics.end(), [](const json& a, const json& b) {
            const json& x = a["range"]["start"];
            const json& y = b["range"]["start"];
            return std::make_pair(x["line"].get<int>(), x["character"].get<int>()) <
                   std::make_pair(y["line"].get<int>(), y["character"].get<int>());
        });
        Notify("textDocument/publishDiagnostics", {{"uri", UriOf(path)}, {"diagnostics", diagnostics}});
        now.insert(path);
    }
    for (const std::string& path : m_published)
        if (!now.count(path))
            Notify("textDocument/publishDiagnostics", {{"uri", UriOf(path)}, {"diagnostics", json::array()}});
    // A clean program still tells its open files that nothing is wrong.
    if (m_program)
        for (const std::string& path : m_program->Files())
            if (!now.count(path) && !m_published.count(path) && m_documents.count(path))
                Notify("textDocument/publishDiagnostics", {{"uri", UriOf(path)}, {"diagnostics", json::array()}});
    m_published = now;
}

// ---- positions --------------------------------------------------------------------

std::string Server::PathOf(const json& params) const
{
    return PathFromUri(StringField(Field(params, "textDocument"), "uri"));
}

std::string Server::UriOf(const std::string& path) const
{
    auto it = m_documents.find(path);
    return it != m_documents.end() ? it->second.uri : UriFromPath(path);
}

json Server::Range(const FileRange& range) const
{
    return {{"start", {{"line", range.startLine}, {"character", range.startColumn}}},
            {"end", {{"line", range.endLine}, {"character", range.endColumn}}}};
}

json Server::Location(const FileRange& range) const { return {{"uri", UriOf(range.path)}, {"range", Range(range)}}; }

Spot Server::SpotOf(const json& params, Program*& program)
{
    const std::string path = PathOf(params);
    const json& position = Field(params, "position");
    const int line = IntField(position, "line");
    const int column = IntField(position, "character");
    program = &Ensure(path);
    std::string error;
    const std::optional<Spot> spot = program->Locate(path, line, column, &error);
    if (!spot) throw LspError{ErrorCode::InvalidParams, error};
    return *spot;
}

CSalSymbol* Server::SymbolOf(const json& params, Program*& program, Spot* spotOut)
{
    const Spot spot = SpotOf(params, program);
    if (spotOut) *spotOut = spot;
    return program->SymbolAt(spot);
}

// ---- navigation ---------------------------------------------------------------------

json Server::Definition(const json& params)
{
    Program* program = nullptr;
    CSalSymbol* symbol = SymbolOf(params, program);
    if (!symbol) return nullptr;
    return Location(program->DeclarationRange(symbol));
}

// Written by hand: a symbol used in thousands of places would spend most of
// its answer's time building and freeing the JSON library's objects.
std::string Server::References(const json& params)
{
    Program* program = nullptr;
    CSalSymbol* symbol = SymbolOf(params, program);
    if (!symbol) return "null";
    std::map<std::string, std::string> uris;  // by path, quoted
    std::string out = "[";
    auto add = [&](const FileRange& range) {
        std::string& uri = uris[range.path];
        if (uri.empty()) uri = json(UriOf(range.path)).dump(-1, ' ', false, json::error_handler_t::replace);
        if (out.size() > 1) out += ',';
        out += R"({"uri":)";
        out += uri;
        out += R"(,"range":{"start":{"line":)";
        out += std::to_string(range.startLine);
        out += R"(,"character":)";
        out += std::to_string(range.startColumn);
        out += R"(},"end":{"line":)";
        out += std::to_string(range.endLine);
        out += R"(,"character":)";
        out += std::to_string(range.endColumn);
        out += "}}}";
    };
    const bool withDeclaration = params.contains("context") && params["context"].is_object() &&
                                 params["context"].value("includeDeclaration", false);
    if (withDeclaration) add(program->DeclarationRange(symbol));
    // An override also runs where a "..F()" call reaches a function it overrides.
    const std::vector<CReference*> references = ReferencesOf(symbol->GetItem().GetItem(), symbol->IsBuiltIn());
    // In file order: a re-parse of one body appends its references to the
    // store's lists, and the answer must not depend on how it was reached.
    std::vector<FileRange> ranges;
    ranges.reserve(references.size());
    for (CReference* reference : references)
        ranges.push_back(program->RangeOf(program->IndexOf(reference->GetSource()->GetItem()),
                                          reference->GetPosition(), reference->GetLength()));
    std::sort(ranges.begin(), ranges.end(), [](const FileRange& a, const FileRange& b) {
        return std::tie(a.path, a.startLine, a.startColumn) < std::tie(b.path, b.startLine, b.startColumn);
    });
    out.reserve(references.size() * 128);
    for (const FileRange& range : ranges) add(range);
    return out + "]";
}

json Server::DocumentHighlight(const json& params)
{
    Program* program = nullptr;
    CSalSymbol* symbol = SymbolOf(params, program);
    if (!symbol) return nullptr;
    const std::string path = PathOf(params);
    json result = json::array();
    const FileRange declaration = program->DeclarationRange(symbol);
    if (declaration.path == path) result.push_back({{"range", Range(declaration)}, {"kind", 1}});
    CZavoraApp& app = CZavoraApp::Instance();
    const HITEM h = symbol->GetItem().GetItem();
    CXrefList* list = symbol->IsBuiltIn() ? app.GetSalReferences(h) : app.GetReferences(h);
    if (list)
        for (CReference* reference : list->GetReferences()) {
            const std::int32_t item = program->IndexOf(reference->GetSource()->GetItem());
            if (program->FileOf(item) != path) continue;
            // Written: assigned by Set, or passed to a Receive parameter.
            result.push_back({{"range", Range(program->RangeOf(item, reference->GetPosition(), reference->GetLength()))},
                              {"kind", Assigned(reference) ? 3 : 2}});
        }
    return result;
}

json Server::Hover(const json& params)
{
    Program* program = nullptr;
    Spot spot;
    CSalSymbol* symbol = SymbolOf(params, program, &spot);
    if (!symbol) return nullptr;
    const CGItem& item = symbol->GetItem();
    std::string text = "```sal\n" + FirstLine(item.GetTitle(0)) + "\n```\n\n*" + KindName(symbol->GetKind()) + "*";
    if (symbol->IsBuiltIn()) {
        text += ", SAL built-in";
    } else {
        const CGItem parent = GetDeclaringParent(item);
        const std::string parentPath = parent.GetItem() ? NameOfItem(parent) : std::string();
        text += parentPath.empty() ? std::string(", global") : " in `" + parentPath + "`";
        if (item.IsReadOnly()) text += ", from " + fs::path(item.GetFileName()).filename().string();
    }
    CGItem description;
    if (item.GetChildOfType(ItemType::Description, description, 0)) {
        const std::string about = description.GetText();
        if (!about.empty()) text += "\n\n" + about;
    }
    json result = {{"contents", {{"kind", "markdown"}, {"value", text}}}};
    if (const std::optional<FileRange> range = UseRange(*program, spot, symbol)) result["range"] = Range(*range);
    return result;
}

json Server::DocumentSymbol(const json& params)
{
    const std::string path = PathOf(params);
    Program& program = Ensure(path);
    CApplication* table = CApplication::Instance(0, 0);
    if (!table || !table->GetTable()) return json::array();
    outline::Outline& model = program.Model();
    const int file = program.FileIndex(path);
    // Symbols of this file in outline order, each under its declaring symbol.
    std::vector<CSalSymbol*> symbols;
    for (const auto& owned : table->GetTable()->Symbols()) {
        CSalSymbol* symbol = owned.get();
        if (symbol->IsBuiltIn() || symbol->GetKind() == SymbolKind::Handler) continue;
        const std::int32_t item = program.IndexOf(symbol->GetItem().GetItem());
        if (item < 0 || model.items[item].file != file) continue;
        symbols.push_back(symbol);
    }
    std::sort(symbols.begin(), symbols.end(), [](CSalSymbol* a, CSalSymbol* b) {
        return a->GetItem().GetItem() < b->GetItem().GetItem();
    });
    std::map<CSalSymbol*, json> nodes;
    std::map<CSalSymbol*, std::vector<CSalSymbol*>> children;
    std::vector<CSalSymbol*> top;
    for (CSalSymbol* symbol : symbols) {
        const std::int32_t item = program.IndexOf(symbol->GetItem().GetItem());
        std::int32_t last = item;  // the whole subtree is the symbol's range
        while (model.items[last].lastChild >= 0) last = model.items[last].lastChild;
        FileRange range = program.RangeOf(item, -1, 0);
        const FileRange end = program.LineRangeOf(last, model.items[last].line.size(), model.items[last].line.size());
        range.startColumn = 0;
        range.endLine = end.endLine;
        range.endColumn = end.endColumn;
        nodes[symbol] = {{"name", symbol->GetName()}, {"detail", FirstLine(symbol->GetItem().GetTitle(0))},
                         {"kind", LspKind(symbol)}, {"range", Range(range)},
                         {"selectionRange", Range(program.DeclarationRange(symbol))}};
        CSalSymbol* parent = symbol->GetParentContext();
        while (parent && parent->GetKind() == SymbolKind::Handler) parent = parent->GetParentContext();
        if (parent && std::binary_search(symbols.begin(), symbols.end(), parent, [](CSalSymbol* a, CSalSymbol* b) {
                return a->GetItem().GetItem() < b->GetItem().GetItem();
            }))
            children[parent].push_back(symbol);
        else
            top.push_back(symbol);
    }
    std::function<json(CSalSymbol*)> build = [&](CSalSymbol* symbol) {
        json node = nodes[symbol];
        json list = json::array();
        for (CSalSymbol* child : children[symbol]) list.push_back(build(child));
        if (!list.empty()) node["children"] = list;
        return node;
    };
    json result = json::array();
    for (CSalSymbol* symbol : top) result.push_back(build(symbol));
    return result;
}

json Server::WorkspaceSymbol(const json& params)
{
    const std::string query = Lower(StringField(params, "query"));
    json result = json::array();
    if (!m_program && !m_programPath.empty() && m_loadError.empty()) Ensure(m_programPath);
    if (!m_program) return result;
    if (m_stale) Ensure(m_programPath);
    CApplication* table = CApplication::Instance(0, 0);
    if (!table || !table->GetTable()) return result;
    constexpr std::size_t kLimit = 1000;
    for (const auto& owned : table->GetTable()->Symbols()) {
        CSalSymbol* symbol = owned.get();
        if (symbol->IsBuiltIn() || symbol->GetKind() == SymbolKind::Handler) continue;
        if (Lower(symbol->GetName()).rfind(query, 0) != 0) continue;
        const std::int32_t item = m_program->IndexOf(symbol->GetItem().GetItem());
        if (item < 0) continue;
        json entry = {{"name", symbol->GetName()}, {"kind", LspKind(symbol)},
                      {"location", Location(m_program->DeclarationRange(symbol))}};
        const CGItem parent = GetDeclaringParent(symbol->GetItem());
        if (parent.GetItem()) entry["containerName"] = NameOfItem(parent);
        result.push_back(entry);
        if (result.size() >= kLimit) break;
    }
    return result;
}

// ---- call hierarchy -------------------------------------------------------------------

json Server::CallItem(Program& program, const CGItem& item, const std::string& detail)
{
    const std::int32_t index = program.IndexOf(item.GetItem());
    FileRange selection, range;
    if (index >= 0) {
        const auto span = program.Index().DeclarationOf(item.GetItem());
        selection = span ? program.RangeOf(index, span->first, span->second) : program.RangeOf(index, -1, 0);
        range = program.RangeOf(index, -1, 0);
        range.startColumn = 0;
    } else {
        CApplication* table = CApplication::Instance(0, 0);
        CSalSymbol* symbol = table ? table->GetSymbolOfItem(item.GetItem()) : nullptr;
        selection = range = symbol ? program.DeclarationRange(symbol) : FileRange{};
    }
    const bool handler = item.GetItemType() == ItemType::OnMessage;
    json result = {{"name", index >= 0 ? NameOfItem(item) : std::string(item.GetName())},
                   {"kind", handler ? 24 : 12},
                   {"uri", UriOf(range.path)},
                   {"range", Range(range)},
                   {"selectionRange", Range(selection)},
                   {"data", {{"builtIn", index < 0}, {"name", std::string(item.GetName())}}}};
    if (!detail.empty()) result["detail"] = detail;
    return result;
}

std::int32_t Server::ItemOfHierarchy(const json& params, Program*& program)
{
    const json& item = Field(params, "item");
    const std::string path = PathFromUri(StringField(item, "uri"));
    const int line = IntField(Field(Field(item, "selectionRange"), "start"), "line");
    program = &Ensure(path);
    std::string error;
    const std::optional<Spot> spot = program->Locate(path, line, 0, &error);
    if (!spot || spot->item < 0) return -1;
    return spot->item;
}

json Server::PrepareCallHierarchy(const json& params)
{
    Program* program = nullptr;
    Spot spot;
    CSalSymbol* symbol = SymbolOf(params, program, &spot);
    if (!symbol && spot.item >= 0 && program->Model().items[spot.item].type == ItemType::OnMessage)
        return json::array({CallItem(*program, CGItem(program->Outline(), program->Model().ItemHandle(spot.item)), "")});
    if (!symbol || symbol->GetKind() != SymbolKind::Function) return nullptr;
    return json::array({CallItem(*program, symbol->GetItem(), symbol->IsBuiltIn() ? "SAL built-in" : "")});
}

json Server::IncomingCalls(const json& params)
{
    Program* program = nullptr;
    const std::int32_t index = ItemOfHierarchy(params, program);
    json result = json::array();
    HITEM function = 0;
    if (index >= 0) {
        function = program->Model().ItemHandle(index);
    } else if (Field(params, "item").contains("data") && params["item"]["data"].value("builtIn", false)) {
        function = CZavoraApp::Instance().GetSalSymbol(params["item"]["data"].value("name", std::string()));
    }
    if (!function) return result;
    const bool builtIn = program->IndexOf(function) < 0;
    outline::Outline& model = program->Model();
    // Callers through a "..F()" call of a function this one overrides too, as `callers` lists them.
    const std::vector<CReference*> calls = ReferencesOf(function, builtIn);
    std::size_t direct = 0;
    const std::vector<HITEM> callers = CallersOf(function, builtIn, &direct);
    for (std::size_t k = 0; k < callers.size(); ++k) {
        const std::int32_t callerIndex = program->IndexOf(callers[k]);
        json ranges = json::array();
        for (CReference* reference : calls) {
            std::int32_t at = program->IndexOf(reference->GetSource()->GetItem());
            while (at >= 0 && at != callerIndex) at = model.items[at].parent;
            if (at >= 0)
                ranges.push_back(Range(program->RangeOf(program->IndexOf(reference->GetSource()->GetItem()),
                                                        reference->GetPosition(), reference->GetLength())));
        }
        result.push_back({{"from", CallItem(*program, CGItem(program->Outline(), callers[k]), k < direct ? "" : "late bound")},
                          {"fromRanges", ranges}});
    }
    return result;
}

json Server::OutgoingCalls(const json& params)
{
    Program* program = nullptr;
    const std::int32_t index = ItemOfHierarchy(params, program);
    json result = json::array();
    if (index < 0) return result;
    CZavoraApp& app = CZavoraApp::Instance();
    const HITEM function = program->Model().ItemHandle(index);
    CCallInfoList* calls = app.GetCallReferences(function);
    if (!calls) return result;
    outline::Outline& model = program->Model();
    // Where in this function's code each callee is named.
    auto rangesOf = [&](HITEM callee) {
        json ranges = json::array();
        for (std::int32_t at = index; at >= 0; at = model.NextInOrder(at, index)) {
            const auto uses = program->Index().UsesOf(model.ItemHandle(at));
            for (auto* entry = uses.first; entry != uses.second; ++entry)
                if (entry->use.symbol->GetItem().GetItem() == callee && entry->use.position >= 0)
                    ranges.push_back(Range(program->RangeOf(at, entry->use.position, entry->use.length)));
        }
        return ranges;
    };
    CApplication* table = CApplication::Instance(0, 0);
    for (CReference* call : calls->GetCalls()) {
        const CGItem callee = *call->GetSource();
        const bool builtIn = callee.GetOutline() == app.GetContextOutline();
        const json ranges = rangesOf(callee.GetItem());
        result.push_back({{"to", CallItem(*program, callee, builtIn ? "SAL built-in" : "")}, {"fromRanges", ranges}});
        auto* f = !builtIn && table ? dynamic_cast<CFunction*>(table->GetSymbolOfItem(callee.GetItem())) : nullptr;
        if (f && f->IsLateBound())
            for (CFunction* override : FindOverrides(f))
                result.push_back({{"to", CallItem(*program, override->GetItem(),
                                                  "late bound override of " + NameOfItem(callee))},
                                  {"fromRanges", ranges}});
    }
    return result;
}

// ---- type hierarchy -------------------------------------------------------------------

json Server::TypeItem(Program& program, CSalSymbol* symbol)
{
    const FileRange selection = program.DeclarationRange(symbol);
    FileRange range = selection;
    const std::int32_t index = program.IndexOf(symbol->GetItem().GetItem());
    if (index >= 0) {
        range = program.RangeOf(index, -1, 0);
        range.startColumn = 0;
    }
    return {{"name", NameOfItem(symbol->GetItem())},
            {"kind", symbol->GetKind() == SymbolKind::Class ? 5 : 19},
            {"detail", FirstLine(symbol->GetItem().GetTitle(0))},
            {"uri", UriOf(range.path)},
            {"range", Range(range)},
            {"selectionRange", Range(selection)}};
}

json Server::PrepareTypeHierarchy(const json& params)
{
    Program* program = nullptr;
    CSalSymbol* symbol = SymbolOf(params, program);
    if (!symbol) return nullptr;
    if (symbol->GetKind() == SymbolKind::Class) return json::array({TypeItem(*program, symbol)});
    if (symbol->GetKind() == SymbolKind::Window && symbol->GetObjectClass())
        return json::array({TypeItem(*program, symbol)});
    return nullptr;
}

CSalSymbol* Server::SymbolOfHierarchy(const json& params, Program*& program)
{
    const std::int32_t index = ItemOfHierarchy(params, program);
    CApplication* table = CApplication::Instance(0, 0);
    return index >= 0 && table ? table->GetSymbolOfItem(program->Model().ItemHandle(index)) : nullptr;
}

json Server::Supertypes(const json& params)
{
    Program* program = nullptr;
    CSalSymbol* symbol = SymbolOfHierarchy(params, program);
    json result = json::array();
    if (auto* cls = dynamic_cast<CClass*>(symbol)) {
        for (CClass* base : cls->GetBaseClasses()) result.push_back(TypeItem(*program, base));
    } else if (symbol && symbol->GetObjectClass()) {
        result.push_back(TypeItem(*program, symbol->GetObjectClass()));
    }
    return result;
}

json Server::Subtypes(const json& params)
{
    Program* program = nullptr;
    auto* cls = dynamic_cast<CClass*>(SymbolOfHierarchy(params, program));
    json result = json::array();
    if (!cls) return result;
    CApplication* table = CApplication::Instance(0, 0);
    for (const CGItem& sub : DirectSubclasses(cls))
        if (CSalSymbol* symbol = table->GetSymbolOfItem(sub.GetItem())) result.push_back(TypeItem(*program, symbol));
    return result;
}

// ---- rename ------------------------------------------------------------------------------

CSalSymbol* Server::CheckRenamable(Program& program, CSalSymbol* symbol)
{
    if (!symbol) throw LspError{ErrorCode::RequestFailed, "no symbol at this position"};
    const std::string path = symbol->IsBuiltIn() ? symbol->GetName() : PathOfItem(symbol->GetItem());
    CGItem item(program.Outline(), symbol->GetItem().GetItem());
    if (symbol->IsBuiltIn() || program.IndexOf(item.GetItem()) < 0 || item.IsReadOnly())
        throw LspError{ErrorCode::RequestFailed, path + ": Symbol is included from another outline and cannot be renamed"};
    if (!CZavoraApp::Instance().GetReferences(item.GetItem()))
        throw LspError{ErrorCode::RequestFailed, path + ": Symbol is not referenced and can be renamed manually"};
    return symbol;
}

json Server::PrepareRename(const json& params)
{
    Program* program = nullptr;
    Spot spot;
    CSalSymbol* symbol = SymbolOf(params, program, &spot);
    CheckRenamable(*program, symbol);
    // The name under the cursor: a use, or the declaration itself.
    const FileRange range = UseRange(*program, spot, symbol).value_or(program->DeclarationRange(symbol));
    return {{"range", Range(range)}, {"placeholder", symbol->GetName()}};
}

json Server::Rename(const json& params)
{
    const std::string newName = StringField(params, "newName");
    Program* program = nullptr;
    CSalSymbol* symbol = CheckRenamable(*program, SymbolOf(params, program));
    CZavoraApp& app = CZavoraApp::Instance();
    CGItem item(program->Outline(), symbol->GetItem().GetItem());
    const std::string why = app.CheckNewName(item, newName);
    if (!why.empty()) throw LspError{ErrorCode::RequestFailed, PathOfItem(item) + ": " + why};
    CXrefList* list = app.GetReferences(item.GetItem());

    // The engine renames in the outline; the lines it changed become the
    // edit, and the outline gets its lines back, still matching the buffers.
    outline::Outline& model = program->Model();
    std::map<std::int32_t, std::pair<std::string, std::uint16_t>> before;
    auto keep = [&](std::int32_t index) {
        if (index < 0) return;
        before.emplace(index, std::make_pair(model.items[index].line, model.items[index].textStart));
        // A window's class is renamed on its Class: line.
        for (std::int32_t c = model.items[index].firstChild; c >= 0; c = model.items[c].next)
            if (model.items[c].type == ItemType::ObjectClass)
                before.emplace(c, std::make_pair(model.items[c].line, model.items[c].textStart));
    };
    keep(program->IndexOf(item.GetItem()));
    for (CReference* reference : list->GetReferences()) keep(program->IndexOf(reference->GetSource()->GetItem()));
    std::string name = newName;
    list->RenameSymbol(item.GetItem(), name);
    zv::host::HostState::Get().output.clear();

    std::map<std::string, json> byFile;
    for (const auto& [index, old] : before) {
        outline::Item& changed = model.items[index];
        const std::string now = changed.line;
        changed.line = old.first;
        changed.textStart = old.second;
        if (now == old.first) continue;
        std::size_t head = 0;
        while (head < now.size() && head < old.first.size() && now[head] == old.first[head]) ++head;
        std::size_t tail = 0;
        while (tail < now.size() - head && tail < old.first.size() - head &&
               now[now.size() - 1 - tail] == old.first[old.first.size() - 1 - tail])
            ++tail;
        const FileRange range = program->LineRangeOf(index, head, old.first.size() - tail);
        byFile[range.path].push_back({{"range", Range(range)}, {"newText", now.substr(head, now.size() - tail - head)}});
    }
    json changes = json::object();
    for (auto& [path, edits] : byFile) changes[UriOf(path)] = edits;
    return {{"changes", changes}};
}

// ---- commands ----------------------------------------------------------------------------

json Server::ExecuteCommand(const json& params)
{
    const std::string command = StringField(params, "command");
    if (command != "zavora.unreferenced") throw LspError{ErrorCode::InvalidParams, command + ": unknown command"};
    std::string path = m_programPath;
    if (params.contains("arguments") && params["arguments"].is_array() && !params["arguments"].empty() &&
        params["arguments"][0].is_string())
        path = PathFromUri(params["arguments"][0]);
    if (path.empty()) throw LspError{ErrorCode::RequestFailed, "zavora.unreferenced: no program is open"};
    Program& program = Ensure(path);
    json result = json::array();
    for (HITEM h : CUnrefSearch::Find(program.Outline(), CGApplication(program.Outline()).GetItem(), {})) {
        const std::int32_t item = program.IndexOf(h);
        if (item < 0) continue;
        const auto span = program.Index().DeclarationOf(h);
        result.push_back(Location(span ? program.RangeOf(item, span->first, span->second) : program.RangeOf(item, -1, 0)));
    }
    return result;
}

} // namespace zv::lsp
