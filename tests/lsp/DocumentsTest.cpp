// Documents: the buffer, not the file, is parsed; diagnostics for unresolved
// names, libraries that are missing and broken text; a library opened alone.
#include "tests/lsp/LspClient.h"

namespace zv::lsp::test {
namespace {

std::vector<std::string> Messages(const json& diagnostics)
{
    std::vector<std::string> messages;
    for (const json& d : diagnostics) messages.push_back(d["message"]);
    return messages;
}

using LspBuffer = SampleTest;

TEST_F(LspBuffer, IsParsedNotTheFile)
{
    Start();
    EXPECT_TRUE(client.Diagnostics(program).empty());

    // An unknown name typed into a function: one warning, on that name, with its function.
    std::string edited = text;
    const std::string statement = "Set gnArticleId = pnId";
    edited.replace(edited.find(statement), statement.size(), "Set gnArticleId = pnIdent");
    client.Change(program, edited);
    const json diagnostics = client.Diagnostics(program);
    ASSERT_EQ(diagnostics.size(), 1u) << diagnostics.dump();
    const auto [line, column] = Find(edited, "pnIdent");
    EXPECT_EQ(diagnostics[0]["range"]["start"]["line"], line);
    EXPECT_EQ(diagnostics[0]["range"]["start"]["character"], column);
    EXPECT_EQ(diagnostics[0]["range"]["end"]["character"], column + 7);
    EXPECT_EQ(diagnostics[0]["severity"], 2);
    EXPECT_NE(diagnostics[0]["message"].get<std::string>().find("'pnIdent'"), std::string::npos);
    EXPECT_NE(diagnostics[0]["message"].get<std::string>().find(" in "), std::string::npos);

    // The file on disk never changed; closing the buffer goes back to it.
    client.Notify("textDocument/didClose", {{"textDocument", {{"uri", UriFromPath(program)}}}});
    const json hover = client.Result("textDocument/hover", LspClient::At(program, line, column));
    EXPECT_NE(hover.dump().find("pnId"), std::string::npos);
    EXPECT_TRUE(client.Diagnostics(program).empty());
}

TEST(LspDocuments, MissingAndRefusedLibrariesAreReportedOnTheirInclude)
{
    Scratch scratch;
    const std::string program = scratch.Copy(Fixture("bad/missing-include.apt"));
    scratch.Copy(Fixture("bad/binary.app"), "broken.apl");
    std::string text = EditorText(program);
    const std::string include = "File Include: nowhere.apl\r\n";
    text.insert(text.find(include) + include.size(), ".head 2 -  File Include: broken.apl\r\n");
    LspClient client;
    client.Initialize(scratch.Dir(), {{"libPath", Fixture("libs")}});
    client.Open(program, text);
    const json diagnostics = client.Diagnostics(program);
    ASSERT_EQ(diagnostics.size(), 2u) << diagnostics.dump();
    EXPECT_EQ(diagnostics[0]["range"]["start"]["line"], Find(text, "nowhere.apl").first);
    EXPECT_EQ(diagnostics[0]["message"], "library not found: nowhere.apl");
    EXPECT_EQ(diagnostics[0]["severity"], 1);
    EXPECT_EQ(diagnostics[1]["range"]["start"]["line"], Find(text, "broken.apl").first);
    EXPECT_NE(diagnostics[1]["message"].get<std::string>().find("binary outline"), std::string::npos);
    // ShelfLabel still resolves through the library that was found.
    const auto [line, column] = Find(text, "ShelfLabel(");
    const json definition = client.Result("textDocument/definition", LspClient::At(program, line, column));
    EXPECT_EQ(std::filesystem::path(PathFromUri(definition["uri"])).filename(), "shelf.apl");
}

TEST(LspDocuments, SettingsComeFromZavoraJsonAndTheEditorWins)
{
    Scratch scratch;
    const std::string program = scratch.Copy(Fixture("bad/missing-include.apt"));
    scratch.Write("zavora.json", json({{"libPath", {Fixture("libs")}}, {"encoding", "utf-8"}}).dump());
    {
        LspClient client;
        client.Initialize(scratch.Dir());
        EXPECT_EQ(client.GetServer().Settings().libPath, std::vector<std::string>{Fixture("libs")});
        EXPECT_EQ(client.GetServer().Settings().encoding, "utf-8");
        client.Open(program);
        EXPECT_EQ(Messages(client.Diagnostics(program)), std::vector<std::string>{"library not found: nowhere.apl"});
    }
    LspClient client;
    client.Initialize(scratch.Dir(), {{"libPath", json::array()}});
    client.Open(program);
    EXPECT_EQ(client.Diagnostics(program).size(), 3u);  // shelf.apl is missing too, and ShelfLabel unresolved
    LspClient refused;
    const json answer = refused.Request("initialize", {{"capabilities", json::object()},
                                                       {"initializationOptions", {{"encoding", "latin-7"}}}});
    EXPECT_NE(answer.dump().find("latin-7"), std::string::npos);
}

TEST(LspDocuments, ALibraryOpenedAloneIsParsedWithTheProgramThatIncludesIt)
{
    Scratch scratch;
    const std::string library = scratch.Copy(Example("stocklib.apl"));
    const std::string program = scratch.Copy(Example("stockroom.apt"));
    const std::string text = EditorText(library);
    LspClient client;
    client.Initialize(scratch.Dir());
    client.Open(library, text);
    ASSERT_NE(client.GetServer().Current(), nullptr);
    EXPECT_EQ(client.GetServer().Current()->Path(), program);
    EXPECT_TRUE(client.Diagnostics(library).empty());
    // Its references reach into the program.
    const auto [line, column] = Find(text, "Function: LogWrite");
    bool inProgram = false;
    for (const json& r : client.References(LspClient::At(library, line, column + 10)))
        inProgram = inProgram || PathFromUri(r["uri"]) == program;
    EXPECT_TRUE(inProgram);

    // Without a program that includes it, it is a program of its own.
    Scratch alone;
    const std::string single = alone.Copy(Example("stocklib.apl"));
    LspClient other;
    other.Initialize(alone.Dir());
    other.Open(single, text);
    ASSERT_NE(other.GetServer().Current(), nullptr);
    EXPECT_EQ(other.GetServer().Current()->Path(), single);
}

} // namespace
} // namespace zv::lsp::test
