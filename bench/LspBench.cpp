// zavora-lsp on a generated 4 MB program, as an editor drives it: initialize
// and open to the first diagnostics (target: under 300 ms), references of a
// symbol with 2,000 references (under 5 ms), an edit inside one function body
// to its diagnostics (under 20 ms) and an edit of a declaration (under 150 ms),
// both sent as range edits as editors do (the first also as the whole text,
// for comparison), and the memory the open program takes (under 8 times its
// size), in the server's own process and in this one.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "bench/SalGenerator.h"
#include "engine/Zavora.h"
#include "lsp/Server.h"
#include "lsp/TextPosition.h"
#include "settings/ZvRegManager.h"

namespace {

using zv::lsp::json;

constexpr std::size_t kBytes = 4 << 20;

struct Workspace {
    std::string dir, path, text;
};

const Workspace& Program()
{
    static Workspace w;
    if (w.path.empty()) {
        w.dir = (std::filesystem::temp_directory_path() / "zavora-lsp-bench").string();
        std::filesystem::create_directories(w.dir);
        w.text = zavora::bench::GenerateSalProgram(kBytes, 7).text;
        // A variable with 2,000 references, all in one function.
        const std::string variables = ".head 2 +  Variables\r\n";
        w.text.insert(w.text.find(variables) + variables.size(), ".head 3 -  Number: gnHot\r\n");
        std::string hot = ".head 3 +  Function: HotSpot\r\n.head 4 +  Actions\r\n";
        for (int i = 0; i < 1000; ++i) hot += ".head 5 -  Set gnHot = gnHot + 1\r\n";
        const std::string functions = ".head 2 +  Internal Functions\r\n";
        w.text.insert(w.text.find(functions) + functions.size(), hot);
        w.path = w.dir + "/program.apt";
        std::ofstream(w.path, std::ios::binary) << w.text;
    }
    return w;
}

std::string ContextFile()
{
    return (std::filesystem::read_symlink("/proc/self/exe").parent_path() / "SalContext41.apl").string();
}

std::size_t ResidentBytes()
{
    std::ifstream statm("/proc/self/statm");
    std::size_t pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
}

class Editor {
public:
    Editor() : server(out) { ZvRegManager::SetReadOnly(true); }
    void Send(const std::string& method, const json& params, bool request = true)
    {
        json message = {{"jsonrpc", "2.0"}, {"method", method}, {"params", params}};
        if (request) message["id"] = ++id;
        out.str({});
        server.Handle(message.dump());
    }
    bool Published() const { return out.str().find("publishDiagnostics") != std::string::npos; }
    void Open()
    {
        const Workspace& w = Program();
        Send("initialize", {{"rootUri", zv::lsp::UriFromPath(w.dir)}, {"capabilities", json::object()},
                            {"initializationOptions", {{"context", ContextFile()}}}});
        Send("textDocument/didOpen", {{"textDocument", {{"uri", zv::lsp::UriFromPath(w.path)}, {"version", 1},
                                                        {"text", w.text}}}}, false);
    }
    // The message an editor sends, made before the clock runs: its cost is the editor's.
    std::string ChangeMessage(const std::string& text)
    {
        const json document = {{"uri", zv::lsp::UriFromPath(Program().path)}, {"version", ++version}};
        return json({{"jsonrpc", "2.0"}, {"method", "textDocument/didChange"},
                     {"params", {{"textDocument", document}, {"contentChanges", json::array({{{"text", text}}})}}}})
            .dump();
    }
    std::string RangeChangeMessage(const json& start, const json& end, const std::string& text)
    {
        const json document = {{"uri", zv::lsp::UriFromPath(Program().path)}, {"version", ++version}};
        const json change = {{"range", {{"start", start}, {"end", end}}}, {"text", text}};
        return json({{"jsonrpc", "2.0"}, {"method", "textDocument/didChange"},
                     {"params", {{"textDocument", document}, {"contentChanges", json::array({change})}}}})
            .dump();
    }
    void SendRaw(const std::string& body)
    {
        out.str({});
        server.Handle(body);
    }

    std::ostringstream out;
    zv::lsp::Server server;
    int id = 0;
    int version = 1;
};

void BM_LspOpenToFirstDiagnostics(benchmark::State& state)
{
    Program();
    for (auto _ : state) {
        Editor editor;
        editor.Open();
        if (!editor.Published()) state.SkipWithError("no diagnostics published");
    }
    state.counters["bytes"] = static_cast<double>(Program().text.size());
}

void BM_LspReferencesOfTheMostUsedSymbol(benchmark::State& state)
{
    Editor editor;
    editor.Open();
    const auto [line, column] = [] {
        const zv::lsp::LineTable lines{std::string_view(Program().text)};
        for (std::size_t i = 0; i < lines.Count(); ++i)
            if (lines.Line(i) == ".head 3 -  Number: gnHot") return std::make_pair(static_cast<int>(i), 19);
        return std::make_pair(0, 0);
    }();
    const json params = {{"textDocument", {{"uri", zv::lsp::UriFromPath(Program().path)}}},
                         {"position", {{"line", line}, {"character", column}}},
                         {"context", {{"includeDeclaration", true}}}};
    std::size_t answered = 0;
    for (auto _ : state) {
        editor.Send("textDocument/references", params);
        answered = editor.out.str().size();
    }
    state.counters["references"] = static_cast<double>(json::parse(editor.out.str().substr(editor.out.str().find('{')))["result"].size());
    state.counters["answer_bytes"] = static_cast<double>(answered);
}

// The zero-based line and UTF-16 column of a byte offset.
json PositionAt(const std::string& text, std::size_t offset)
{
    const std::size_t lineStart = text.rfind('\n', offset == 0 ? 0 : offset - 1);
    const std::size_t start = lineStart == std::string::npos || offset == 0 ? 0 : lineStart + 1;
    const auto line = std::count(text.begin(), text.begin() + static_cast<long>(start), '\n');
    return {{"line", line}, {"character", zv::lsp::Utf16Column(std::string_view(text).substr(start), offset - start)}};
}

// One edit and its undo, sent in turns: as range edits, what an editor sends
// when the server offers incremental sync, or as the whole text.
void ChangeBenchmark(benchmark::State& state, const std::string& from, const std::string& to, bool wholeText)
{
    Editor editor;
    editor.Open();
    const std::string& original = Program().text;
    const std::size_t at = original.find(from);
    if (at == std::string::npos) {
        state.SkipWithError(("no '" + from + "' in the program").c_str());
        return;
    }
    std::string edited = original;
    edited.replace(at, from.size(), to);
    auto change = [&](const std::string& before, std::size_t length, const std::string& text, const std::string& after) {
        if (wholeText) return editor.ChangeMessage(after);
        return editor.RangeChangeMessage(PositionAt(before, at), PositionAt(before, at + length), text);
    };
    const std::string messages[2] = {change(original, from.size(), to, edited), change(edited, to.size(), from, original)};
    std::size_t turn = 0;
    for (auto _ : state) {
        editor.SendRaw(messages[turn++ % 2]);
        if (!editor.Published()) state.SkipWithError("no diagnostics published");
    }
    state.counters["message_bytes"] = static_cast<double>(messages[0].size());
}

void BM_LspChangeInsideAFunctionBody(benchmark::State& state)
{
    ChangeBenchmark(state, "Set gnHot = gnHot + 1", "Set gnHot = gnHot + 2", false);
}

void BM_LspChangeInsideAFunctionBodyWholeText(benchmark::State& state)
{
    ChangeBenchmark(state, "Set gnHot = gnHot + 1", "Set gnHot = gnHot + 2", true);
}

void BM_LspChangeOfADeclaration(benchmark::State& state)
{
    ChangeBenchmark(state, "Number: gnHot", "Number: gnHot\r\n.head 3 -  Number: gnCold", false);
}

void BM_LspMemoryOfTheOpenProgram(benchmark::State& state)
{
    Program();
    double ratio = 0;
    for (auto _ : state) {
        CZavoraApp::Instance().Clear();
        const std::size_t before = ResidentBytes();
        Editor editor;
        editor.Open();
#if defined(__GLIBC__)
        // The editor's side of the messages lives in this process too: what
        // its buffers leave free is handed back, as the server does its own.
        malloc_trim(0);
#endif
        ratio = static_cast<double>(ResidentBytes() - before) / static_cast<double>(Program().text.size());
    }
    state.counters["times_program_size"] = ratio;
}

// Resident bytes of another process.
std::size_t ResidentBytesOf(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0) return std::stoul(line.substr(6)) * 1024;
    return 0;
}

// The server as an editor starts it, in a process of its own: what opening
// the program adds to its resident memory, once it answers again.
void BM_LspMemoryOfTheServerProcess(benchmark::State& state)
{
    const std::string server = (std::filesystem::read_symlink("/proc/self/exe").parent_path() / "zavora-lsp").string();
    const Workspace& w = Program();
    double ratio = 0;
    for (auto _ : state) {
        int toServer[2], fromServer[2];
        if (pipe(toServer) != 0 || pipe(fromServer) != 0) {
            state.SkipWithError("no pipes");
            return;
        }
        const pid_t pid = fork();
        if (pid == 0) {
            dup2(toServer[0], 0);
            dup2(fromServer[1], 1);
            const int null = open("/dev/null", O_WRONLY);
            dup2(null, 2);
            close(toServer[1]);
            close(fromServer[0]);
            execl(server.c_str(), server.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        close(toServer[0]);
        close(fromServer[1]);
        auto send = [&](const json& message) {
            const std::string body = message.dump();
            const std::string framed = "Content-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body;
            for (std::size_t at = 0; at < framed.size();) {
                const ssize_t n = write(toServer[1], framed.data() + at, framed.size() - at);
                if (n <= 0) return false;
                at += static_cast<std::size_t>(n);
            }
            return true;
        };
        std::string received;
        auto await = [&](const std::string& needle) {
            char buffer[65536];
            while (received.find(needle) == std::string::npos) {
                const ssize_t n = read(fromServer[0], buffer, sizeof buffer);
                if (n <= 0) return false;
                received.append(buffer, static_cast<std::size_t>(n));
            }
            return true;
        };
        bool ok = send({{"jsonrpc", "2.0"}, {"id", 1}, {"method", "initialize"},
                        {"params", {{"rootUri", zv::lsp::UriFromPath(w.dir)}, {"capabilities", json::object()},
                                    {"initializationOptions", {{"context", ContextFile()}}}}}}) &&
                  await(R"("id":1)");
        const std::size_t before = ResidentBytesOf(pid);
        // A request after the open: its answer means the open is done.
        ok = ok && send({{"jsonrpc", "2.0"}, {"method", "textDocument/didOpen"},
                         {"params", {{"textDocument", {{"uri", zv::lsp::UriFromPath(w.path)}, {"version", 1}, {"text", w.text}}}}}}) &&
             send({{"jsonrpc", "2.0"}, {"id", 2}, {"method", "workspace/symbol"}, {"params", {{"query", "HotSpot"}}}}) &&
             await(R"("id":2)");
        if (ok) ratio = static_cast<double>(ResidentBytesOf(pid) - before) / static_cast<double>(w.text.size());
        send({{"jsonrpc", "2.0"}, {"id", 3}, {"method", "shutdown"}});
        send({{"jsonrpc", "2.0"}, {"method", "exit"}});
        close(toServer[1]);
        char buffer[4096];
        while (read(fromServer[0], buffer, sizeof buffer) > 0) {
        }
        close(fromServer[0]);
        int status = 0;
        waitpid(pid, &status, 0);
        if (!ok) state.SkipWithError(("no answer from " + server).c_str());
    }
    state.counters["times_program_size"] = ratio;
}

} // namespace

BENCHMARK(BM_LspMemoryOfTheServerProcess)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_LspMemoryOfTheOpenProgram)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_LspOpenToFirstDiagnostics)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_LspReferencesOfTheMostUsedSymbol)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LspChangeInsideAFunctionBody)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_LspChangeInsideAFunctionBodyWholeText)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_LspChangeOfADeclaration)->Unit(benchmark::kMillisecond)->Iterations(4);
