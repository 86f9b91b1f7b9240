#pragma once
// Drives the language server in-process, as an editor would: messages in,
// the answers and notifications it writes collected and decoded.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "engine/Zavora.h"
#include "lsp/Framing.h"
#include "lsp/Server.h"
#include "lsp/TextPosition.h"
#include "platform/outline/Encoding.h"
#include "platform/outline/Reader.h"

namespace zv::lsp::test {

inline std::string Fixture(const std::string& name) { return std::string(ZV_FIXTURES_DIR) + "/" + name; }
inline std::string Example(const std::string& name) { return std::string(ZV_EXAMPLES_DIR) + "/" + name; }
inline std::string Context() { return std::string(ZV_RESOURCES_DIR) + "/SalContext41.apl"; }

// A file's text as an editor holds it: decoded to UTF-8.
inline std::string EditorText(const std::string& path)
{
    return outline::DecodeFile(outline::ReadFileBytes(path), path).text;
}

// A copy of files in a fresh folder, so that tests may write beside them.
class Scratch {
public:
    Scratch()
    {
        m_dir = std::filesystem::temp_directory_path() /
                ("zavora-lsp-" + std::to_string(::getpid()) + "-" + std::to_string(Counter()++));
        std::filesystem::create_directories(m_dir);
    }
    ~Scratch() { std::filesystem::remove_all(m_dir); }
    std::string Copy(const std::string& from, const std::string& as = {})
    {
        const auto to = m_dir / (as.empty() ? std::filesystem::path(from).filename() : std::filesystem::path(as));
        std::filesystem::copy_file(from, to, std::filesystem::copy_options::overwrite_existing);
        return std::filesystem::weakly_canonical(to).string();
    }
    std::string Write(const std::string& name, const std::string& bytes)
    {
        const auto to = m_dir / name;
        std::ofstream(to, std::ios::binary) << bytes;
        return std::filesystem::weakly_canonical(to).string();
    }
    std::string Dir() const { return std::filesystem::weakly_canonical(m_dir).string(); }

private:
    static int& Counter()
    {
        static int n = 0;
        return n;
    }
    std::filesystem::path m_dir;
};

class LspClient {
public:
    LspClient() : m_server(std::make_unique<Server>(m_out)) {}
    ~LspClient()
    {
        m_server.reset();
        CZavoraApp::Instance().Clear();
    }

    Server& GetServer() { return *m_server; }

    // Sends a raw body; returns every message the server wrote in answer.
    std::vector<json> SendRaw(const std::string& body)
    {
        m_server->Handle(body);
        return Drain();
    }
    std::vector<json> Send(const json& message) { return SendRaw(message.dump()); }

    // A request; the answer (result or error) is returned, notifications kept.
    json Request(const std::string& method, const json& params)
    {
        const int id = ++m_id;
        for (const json& message : Send({{"jsonrpc", "2.0"}, {"id", id}, {"method", method}, {"params", params}})) {
            if (message.contains("id") && message["id"] == id) return message;
            m_notifications.push_back(message);
        }
        ADD_FAILURE() << method << ": no answer";
        return json();
    }
    json Result(const std::string& method, const json& params)
    {
        const json answer = Request(method, params);
        EXPECT_FALSE(answer.contains("error")) << method << ": " << answer.dump();
        return answer.value("result", json());
    }
    void Notify(const std::string& method, const json& params)
    {
        for (const json& message : Send({{"jsonrpc", "2.0"}, {"method", method}, {"params", params}}))
            m_notifications.push_back(message);
    }

    json Initialize(const std::string& root, const json& options = json::object())
    {
        json init = options;
        if (!init.contains("context")) init["context"] = Context();
        const json result = Result("initialize", {{"processId", nullptr},
                                                 {"rootUri", UriFromPath(root)},
                                                 {"capabilities", json::object()},
                                                 {"initializationOptions", init}});
        Notify("initialized", json::object());
        return result;
    }
    void Open(const std::string& path, const std::string& text)
    {
        Notify("textDocument/didOpen",
               {{"textDocument", {{"uri", UriFromPath(path)}, {"languageId", "sal"}, {"version", 1}, {"text", text}}}});
    }
    void Open(const std::string& path) { Open(path, EditorText(path)); }
    void Change(const std::string& path, const std::string& text, int version = 2)
    {
        Notify("textDocument/didChange", {{"textDocument", {{"uri", UriFromPath(path)}, {"version", version}}},
                                          {"contentChanges", json::array({{{"text", text}}})}});
    }

    // Range edits, as editors send them once the server offers incremental sync.
    void ChangeRanges(const std::string& path, const json& changes, int version)
    {
        Notify("textDocument/didChange",
               {{"textDocument", {{"uri", UriFromPath(path)}, {"version", version}}}, {"contentChanges", changes}});
    }
    static json RangeEdit(const json& start, const json& end, const std::string& text)
    {
        return {{"range", {{"start", start}, {"end", end}}}, {"text", text}};
    }

    static json At(const std::string& path, int line, int character)
    {
        return {{"textDocument", {{"uri", UriFromPath(path)}}}, {"position", {{"line", line}, {"character", character}}}};
    }
    json References(json at, bool includeDeclaration = false)
    {
        at["context"] = {{"includeDeclaration", includeDeclaration}};
        return Result("textDocument/references", at);
    }

    // The notifications received so far of a method, oldest first; taken out.
    std::vector<json> Take(const std::string& method)
    {
        std::vector<json> taken, rest;
        for (json& message : m_notifications)
            (message.value("method", "") == method ? taken : rest).push_back(std::move(message));
        m_notifications = std::move(rest);
        return taken;
    }
    // The diagnostics last published for a file.
    json Diagnostics(const std::string& path)
    {
        for (const json& message : Take("textDocument/publishDiagnostics"))
            m_diagnostics[PathFromUri(message["params"]["uri"])] = message["params"]["diagnostics"];
        return m_diagnostics.count(path) ? m_diagnostics[path] : json();
    }

private:
    std::vector<json> Drain()
    {
        std::istringstream in(m_out.str().substr(m_read));
        m_read = m_out.str().size();
        std::vector<json> messages;
        std::string body, error;
        while (ReadMessage(in, body, error) == ReadResult::Message) messages.push_back(json::parse(body));
        return messages;
    }

    std::ostringstream m_out;
    std::size_t m_read = 0;
    std::unique_ptr<Server> m_server;
    int m_id = 0;
    std::vector<json> m_notifications;
    std::map<std::string, json> m_diagnostics;
};

// The sample program beside its library in a scratch folder; Start() opens it
// in an initialized server.
class SampleTest : public ::testing::Test {
protected:
    Scratch scratch;
    LspClient client;
    std::string library = scratch.Copy(Example("stocklib.apl"));
    std::string program = scratch.Copy(Example("stockroom.apt"));
    std::string text = EditorText(program);

    void Start()
    {
        client.Initialize(scratch.Dir());
        client.Open(program, text);
    }
};

// The position (0-based line, UTF-16 column) of a byte offset of text.
inline json PositionAt(const std::string& text, std::size_t offset)
{
    const std::size_t start = offset == 0 ? 0 : text.rfind('\n', offset - 1) + 1;  // npos + 1 is 0
    const auto line = std::count(text.begin(), text.begin() + static_cast<long>(start), '\n');
    return {{"line", line}, {"character", Utf16Column(std::string_view(text).substr(start), offset - start)}};
}

// Where locations start: 0-based line and UTF-16 column; of one file only when it is given.
inline std::set<std::pair<int, int>> Starts(const json& locations, const std::string& path = {})
{
    std::set<std::pair<int, int>> starts;
    for (const json& r : locations)
        if (path.empty() || PathFromUri(r["uri"]) == path)
            starts.insert({r["range"]["start"]["line"].get<int>(), r["range"]["start"]["character"].get<int>()});
    return starts;
}

// The 0-based line of the first line holding needle, and the UTF-16 column where it starts.
inline std::pair<int, int> Find(const std::string& text, const std::string& needle, int nth = 0)
{
    const LineTable lines(text);
    for (std::size_t i = 0; i < lines.Count(); ++i) {
        const std::string_view line = lines.Line(i);
        const std::size_t at = line.find(needle);
        if (at != std::string_view::npos && nth-- == 0) return {static_cast<int>(i), Utf16Column(line, at)};
    }
    ADD_FAILURE() << "not found: " << needle;
    return {0, 0};
}

} // namespace zv::lsp::test
