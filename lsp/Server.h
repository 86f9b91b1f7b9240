#pragma once
// zavora-lsp: the engine's queries served over the Language Server Protocol.
// One program is parsed at a time, the one of the document last asked about;
// open buffers are read in place of their files.
#include <map>
#include <memory>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "lsp/Program.h"

namespace zv::lsp {

using json = nlohmann::json;

// A request's failure, answered as the protocol's ResponseError.
struct LspError {
    int code;
    std::string message;
};

namespace ErrorCode {
constexpr int ParseError = -32700;
constexpr int InvalidRequest = -32600;
constexpr int MethodNotFound = -32601;
constexpr int InvalidParams = -32602;
constexpr int InternalError = -32603;
constexpr int ServerNotInitialized = -32002;
constexpr int RequestFailed = -32803;
} // namespace ErrorCode

struct ServerSettings {
    std::vector<std::string> libPath;   // folders searched for File Include: libraries
    std::string context;                // the SAL context outline; empty: the one installed beside the server
    std::string encoding = "cp1252";    // files without BOM that are not UTF-8
};

class Server {
public:
    explicit Server(std::ostream& out);
    ~Server();
    Server(const Server&) = delete;
    Server& operator=(const Server&) = delete;

    // Reads and answers messages until exit or the end of the input; returns
    // the exit code (0 after shutdown, 1 otherwise).
    int Run(std::istream& in);
    // Handles one message body; false once exit has been received.
    bool Handle(const std::string& body);
    int ExitCode() const { return m_shutdown ? 0 : 1; }

    const ServerSettings& Settings() const { return m_settings; }
    // Off: every change loads and parses the whole program (for comparing both).
    void SetIncremental(bool incremental) { m_incremental = incremental; }
    // The program currently parsed, or null.
    Program* Current() { return m_program.get(); }

private:
    struct Document {
        std::string uri;
        std::string text;
        long long version = 0;
    };
    using Handler = json (Server::*)(const json& params);

    void Send(const json& message);
    void Reply(const json& id, const json& result);
    void ReplyError(const json& id, int code, const std::string& message);
    // A result already in JSON.
    void ReplyRaw(const json& id, const std::string& result);
    void Notify(const std::string& method, const json& params);
    void LogError(const std::string& text);

    // Lifecycle and documents.
    json Initialize(const json& params);
    void ReadSettings(const json& options, const std::string& base);
    void DidOpen(json& params);
    void DidChange(json& params);
    void DidSave(const json& params);
    void DidClose(const json& params);

    // Programs.
    std::string ProgramFor(const std::string& path);
    Program& Ensure(const std::string& path);
    void Reload(const std::string& programPath);
    void PublishDiagnostics();
    const std::string* OpenText(const std::string& path) const;

    // Positions.
    std::string PathOf(const json& params) const;
    std::string UriOf(const std::string& path) const;
    json Location(const FileRange& range) const;
    json Range(const FileRange& range) const;
    Spot SpotOf(const json& params, Program*& program);
    CSalSymbol* SymbolOf(const json& params, Program*& program, Spot* spot = nullptr);

    // Requests.
    json Definition(const json& params);
    std::string References(const json& params);
    json DocumentHighlight(const json& params);
    json Hover(const json& params);
    json DocumentSymbol(const json& params);
    json WorkspaceSymbol(const json& params);
    json PrepareCallHierarchy(const json& params);
    json IncomingCalls(const json& params);
    json OutgoingCalls(const json& params);
    json PrepareTypeHierarchy(const json& params);
    json Supertypes(const json& params);
    json Subtypes(const json& params);
    json PrepareRename(const json& params);
    json Rename(const json& params);
    json ExecuteCommand(const json& params);
    json Shutdown(const json& params);

    // Items of the hierarchies, and back.
    json CallItem(Program& program, const CGItem& item, const std::string& detail);
    json TypeItem(Program& program, CSalSymbol* symbol);
    std::int32_t ItemOfHierarchy(const json& params, Program*& program);
    CSalSymbol* SymbolOfHierarchy(const json& params, Program*& program);
    CSalSymbol* CheckRenamable(Program& program, CSalSymbol* symbol);

    std::ostream& m_out;
    bool m_initialized = false;
    bool m_shutdown = false;
    bool m_exit = false;
    std::vector<std::string> m_roots;
    ServerSettings m_settings;
    std::map<std::string, Document> m_documents;       // by canonical path
    std::unique_ptr<Program> m_program;
    std::string m_programPath;                         // of m_program, or of the one that failed to load
    bool m_stale = true;
    bool m_incremental = true;
    std::string m_loadError;                           // why m_programPath could not be loaded
    std::set<std::string> m_published;                 // files that have diagnostics on the client
    std::map<std::string, Handler> m_requests;
};

} // namespace zv::lsp
