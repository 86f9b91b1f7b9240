// The protocol's framing, lifecycle and error answers: bad input of every
// kind gets its error and the server keeps serving.
#include <sys/wait.h>

#include <cstdio>

#include "tests/lsp/LspClient.h"

namespace zv::lsp::test {
namespace {

TEST(LspFraming, ReadsMessagesAndSkipsABrokenHeader)
{
    std::istringstream in("Content-Length: 2\r\n\r\n{}"
                          "Content-Type: x\r\n\r\n"          // no length: skipped
                          "content-length: 7\r\nX: y\r\n\r\n[1,2,3]"
                          "Content-Length: 10\r\n\r\n{\"a\"");  // cut short
    std::string body, error;
    EXPECT_EQ(ReadMessage(in, body, error), ReadResult::Message);
    EXPECT_EQ(body, "{}");
    EXPECT_EQ(ReadMessage(in, body, error), ReadResult::Malformed);
    EXPECT_NE(error.find("Content-Length"), std::string::npos);
    EXPECT_EQ(ReadMessage(in, body, error), ReadResult::Message);
    EXPECT_EQ(body, "[1,2,3]");
    EXPECT_EQ(ReadMessage(in, body, error), ReadResult::End);

    std::ostringstream out;
    WriteMessage(out, "{\"é\":1}");
    EXPECT_EQ(out.str(), "Content-Length: 8\r\n\r\n{\"é\":1}");  // bytes, not characters
}

TEST(LspColumns, CountUtf16UnitsOfUtf8Lines)
{
    const std::string line = "a\xC3\xA9" "b\xF0\x9F\x98\x80" "c";  // a é b 😀 c
    EXPECT_EQ(Utf16Column(line, 1), 1);
    EXPECT_EQ(Utf16Column(line, 3), 2);   // after é (2 bytes, 1 unit)
    EXPECT_EQ(Utf16Column(line, 8), 5);   // after the emoji (4 bytes, 2 units)
    EXPECT_EQ(ByteOfColumn(line, 2), 3u);
    EXPECT_EQ(ByteOfColumn(line, 5), 8u);
    EXPECT_EQ(ByteOfColumn(line, 4), 4u);  // inside the surrogate pair: the character's start
    EXPECT_EQ(ByteOfColumn(line, 6), line.size());
    EXPECT_FALSE(ByteOfColumn(line, 7));
    EXPECT_FALSE(ByteOfColumn(line, -1));
    EXPECT_EQ(PathFromUri(UriFromPath("/tmp/a b/ä.apt")), "/tmp/a b/ä.apt");
}

class LspProtocol : public SampleTest {
protected:
    int ErrorCode(const json& answer) { return answer.contains("error") ? answer["error"]["code"].get<int>() : 0; }
    void ExpectStillServing()
    {
        const auto [line, column] = Find(text, "Function: BookMove");
        const json result = client.Result("textDocument/hover", LspClient::At(program, line, column + 11));
        EXPECT_NE(result.dump().find("BookMove"), std::string::npos);
    }
};

TEST_F(LspProtocol, RequestsBeforeInitializeAreRefused)
{
    const json answer = client.Request("textDocument/hover", LspClient::At(program, 0, 0));
    EXPECT_EQ(ErrorCode(answer), ErrorCode::ServerNotInitialized);
    const json capabilities = client.Initialize(scratch.Dir())["capabilities"];
    EXPECT_EQ(capabilities["textDocumentSync"]["change"], 2);  // incremental
    EXPECT_TRUE(capabilities["callHierarchyProvider"].get<bool>());
    EXPECT_EQ(ErrorCode(client.Request("initialize", json::object())), ErrorCode::InvalidRequest);
}

TEST_F(LspProtocol, BadMessagesGetTheirErrorAndServingGoesOn)
{
    Start();
    const std::pair<std::string, int> bad[] = {
        {"{\"jsonrpc\": \"2.0\", \"id\": 3, \"method\": ", ErrorCode::ParseError},
        // Not valid UTF-8, and a lone surrogate: neither is JSON text.
        {"{\"jsonrpc\":\"2.0\",\"id\":4,\"method\":\"x\",\"params\":{\"t\":\"\xFF\xFE\"}}", ErrorCode::ParseError},
        {"{\"jsonrpc\":\"2.0\",\"id\":5,\"method\":\"x\",\"params\":{\"t\":\"\\ud800\"}}", ErrorCode::ParseError},
        {"[1, 2]", ErrorCode::InvalidRequest},
    };
    for (const auto& [body, code] : bad) {
        SCOPED_TRACE(body);
        const auto answers = client.SendRaw(body);
        ASSERT_EQ(answers.size(), 1u);
        EXPECT_EQ(ErrorCode(answers[0]), code);
        EXPECT_TRUE(answers[0]["id"].is_null());
    }

    EXPECT_EQ(ErrorCode(client.Request("textDocument/frobnicate", json::object())), ErrorCode::MethodNotFound);
    EXPECT_EQ(ErrorCode(client.Request("textDocument/hover", {{"textDocument", {{"uri", UriFromPath(program)}}}})),
              ErrorCode::InvalidParams);
    const json pastLine = client.Request("textDocument/definition", LspClient::At(program, 3, 500));
    EXPECT_EQ(ErrorCode(pastLine), ErrorCode::InvalidParams);
    EXPECT_NE(pastLine["error"]["message"].get<std::string>().find("past the end of the line"), std::string::npos);
    const json pastFile = client.Request("textDocument/references", LspClient::At(program, 999999, 0));
    EXPECT_EQ(ErrorCode(pastFile), ErrorCode::InvalidParams);
    EXPECT_NE(pastFile["error"]["message"].get<std::string>().find("past the end of the file"), std::string::npos);

    // A change of a document never opened is logged.
    client.Take("window/logMessage");
    client.Change(scratch.Dir() + "/never.apt", "x");
    const auto logged = client.Take("window/logMessage");
    ASSERT_EQ(logged.size(), 1u);
    EXPECT_EQ(logged[0]["params"]["type"], 1);
    EXPECT_NE(logged[0]["params"]["message"].get<std::string>().find("never opened"), std::string::npos);
    ExpectStillServing();
}

TEST_F(LspProtocol, ABufferThatIsNoOutlineIsReportedWhereItBreaks)
{
    client.Initialize(scratch.Dir());
    client.Open(program, ".head 0 +  Application Description: x\r\n.head 2 -  jump\r\n");
    const json diagnostics = client.Diagnostics(program);
    ASSERT_EQ(diagnostics.size(), 1u);
    EXPECT_EQ(diagnostics[0]["range"]["start"]["line"], 1);
    EXPECT_EQ(diagnostics[0]["severity"], 1);
    EXPECT_NE(diagnostics[0]["message"].get<std::string>().find("level jump"), std::string::npos);
    // Requests on it fail with the reason; fixing the buffer heals it.
    const json answer = client.Request("textDocument/hover", LspClient::At(program, 0, 0));
    EXPECT_EQ(ErrorCode(answer), ErrorCode::RequestFailed);
    client.Change(program, text);
    EXPECT_TRUE(client.Diagnostics(program).empty());
    ExpectStillServing();
}

TEST_F(LspProtocol, ShutdownThenRequestsAreRefusedAndExitEnds)
{
    client.Initialize(scratch.Dir());
    EXPECT_TRUE(client.Result("shutdown", nullptr).is_null());
    EXPECT_EQ(ErrorCode(client.Request("textDocument/hover", LspClient::At(program, 0, 0))), ErrorCode::InvalidRequest);
    EXPECT_FALSE(client.GetServer().Handle("{\"jsonrpc\":\"2.0\",\"method\":\"exit\"}"));
    EXPECT_EQ(client.GetServer().ExitCode(), 0);
}

// The executable itself: its options, and the exit code that tells a clean end.
std::string Frame(const std::string& body)
{
    return "Content-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body;
}

int RunServer(const std::string& input, std::string& output, const std::string& arguments = {})
{
    Scratch scratch;
    const std::string in = scratch.Write("in", input);
    const std::string out = scratch.Dir() + "/out";
    const std::string command =
        std::string(ZV_BIN_DIR) + "/zavora-lsp " + arguments + " < " + in + " > " + out + " 2>/dev/null";
    const int status = std::system(command.c_str());
    std::ifstream file(out, std::ios::binary);
    output.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(LspExecutable, ExitCodeTellsWhetherShutdownCameFirst)
{
    const std::string init = Frame(json({{"jsonrpc", "2.0"}, {"id", 1}, {"method", "initialize"},
                                         {"params", {{"capabilities", json::object()},
                                                     {"initializationOptions", {{"context", Context()}}}}}})
                                       .dump());
    const std::string shutdown = Frame(R"({"jsonrpc":"2.0","id":2,"method":"shutdown"})");
    const std::string exit = Frame(R"({"jsonrpc":"2.0","method":"exit"})");
    std::string output;
    EXPECT_EQ(RunServer(init + shutdown + exit, output), 0);
    EXPECT_NE(output.find("\"capabilities\""), std::string::npos);
    EXPECT_NE(output.find("\"id\":2,\"jsonrpc\":\"2.0\",\"result\":null"), std::string::npos);
    EXPECT_EQ(RunServer(init + exit, output), 1);
    EXPECT_EQ(RunServer(init, output), 1);  // the editor went away
    EXPECT_EQ(RunServer("", output, "--version"), 0);
    EXPECT_EQ(output.rfind("zavora-lsp ", 0), 0u);
    EXPECT_EQ(RunServer("", output, "--help"), 0);
    EXPECT_NE(output.find("libPath"), std::string::npos);
    EXPECT_EQ(RunServer("", output, "--bogus"), 2);
}

} // namespace
} // namespace zv::lsp::test
