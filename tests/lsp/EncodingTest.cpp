// The encoding setting: files read from disk without BOM are decoded in the
// code page it names, so accented names of a library resolve under the right
// one and the wrong one says which file and line it could not read.
#include <set>

#include "tests/lsp/LspClient.h"

namespace zv::lsp::test {
namespace {

// A library with accented names, in code page 1252 (é = E9, É = C9, è = E8).
const std::string kLibraryCp1252 =
    ".head 0 +  Application Description: Outils\r\n"
    ".head 1 -  Outline Version - 4.0.35\r\n"
    ".head 1 +  Global Declarations\r\n"
    ".head 2 +  Variables\r\n"
    ".head 3 -  Number: gnQuantit\xE9\r\n"
    ".head 2 +  Internal Functions\r\n"
    ".head 3 +  Function: R\xE9server\r\n"
    ".head 4 -  Description:\r\n"
    ".head 4 -  Returns\r\n"
    ".head 4 +  Parameters\r\n"
    ".head 5 -  Number: n\xC9tag\xE8re\r\n"
    ".head 4 -  Static Variables\r\n"
    ".head 4 -  Local variables\r\n"
    ".head 4 +  Actions\r\n"
    ".head 5 -  Set gnQuantit\xE9 = gnQuantit\xE9 + n\xC9tag\xE8re\r\n";

// The program that calls into it (opened in the editor, so already decoded).
const std::string kProgram =
    ".head 0 +  Application Description: Entrep\xC3\xB4t\r\n"
    ".head 1 -  Outline Version - 4.0.35\r\n"
    ".head 1 +  Libraries\r\n"
    ".head 2 -  File Include: outils.apl\r\n"
    ".head 1 +  Global Declarations\r\n"
    ".head 2 +  Internal Functions\r\n"
    ".head 3 +  Function: Ranger\r\n"
    ".head 4 -  Description:\r\n"
    ".head 4 -  Returns\r\n"
    ".head 4 -  Parameters\r\n"
    ".head 4 -  Static Variables\r\n"
    ".head 4 -  Local variables\r\n"
    ".head 4 +  Actions\r\n"
    ".head 5 -  Call R\xC3\xA9server( gnQuantit\xC3\xA9 )\r\n";

std::string Utf8(const std::string& cp1252)
{
    std::string out;
    outline::AppendCp1252AsUtf8(out, cp1252);
    return out;
}

struct Opened {
    Scratch scratch;
    std::string program, library;
    LspClient client;

    Opened(const std::string& encoding, const std::string& libraryBytes)
    {
        library = scratch.Write("outils.apl", libraryBytes);
        program = scratch.Write("entrepot.apt", kProgram);
        client.Initialize(scratch.Dir(), {{"encoding", encoding}});
        client.Open(program, kProgram);
    }
};

TEST(LspEncoding, ACp1252LibraryIsReadUnderCp1252AndRefusedWithItsLineUnderUtf8)
{
    const std::string libraryText = Utf8(kLibraryCp1252);
    const auto [callLine, callColumn] = Find(kProgram, "R\xC3\xA9server(");
    {
        Opened cp1252("cp1252", kLibraryCp1252);
        EXPECT_TRUE(cp1252.client.Diagnostics(cp1252.program).empty()) << cp1252.client.Diagnostics(cp1252.program).dump();
        // The accented function is found in the library, its name at its UTF-16 column.
        const json definition =
            cp1252.client.Result("textDocument/definition", LspClient::At(cp1252.program, callLine, callColumn + 2));
        EXPECT_EQ(PathFromUri(definition["uri"]), cp1252.library);
        const auto [declLine, declColumn] = Find(libraryText, "R\xC3\xA9server");
        EXPECT_EQ(definition["range"]["start"]["line"], declLine);
        EXPECT_EQ(definition["range"]["start"]["character"], declColumn);
        EXPECT_EQ(definition["range"]["end"]["character"], declColumn + 8);  // é is one unit, two bytes
        // A use after accented letters on the library's line: columns count the decoded text.
        const auto [useLine, useColumn] = Find(kProgram, "gnQuantit\xC3\xA9 )");
        json params = LspClient::At(cp1252.program, useLine, useColumn);
        params["context"] = {{"includeDeclaration", false}};
        std::set<std::pair<int, int>> inLibrary;
        for (const json& r : cp1252.client.Result("textDocument/references", params))
            if (PathFromUri(r["uri"]) == cp1252.library)
                inLibrary.insert({r["range"]["start"]["line"].get<int>(), r["range"]["start"]["character"].get<int>()});
        const auto [setLine, setColumn] = Find(libraryText, "gnQuantit\xC3\xA9 = ");
        const auto [readLine, readColumn] = Find(libraryText, "gnQuantit\xC3\xA9 + ");
        EXPECT_EQ(inLibrary, (std::set<std::pair<int, int>>{{setLine, setColumn}, {readLine, readColumn}}));
    }
    {
        Opened utf8("utf-8", kLibraryCp1252);
        const json diagnostics = utf8.client.Diagnostics(utf8.program);
        ASSERT_FALSE(diagnostics.empty());
        // Refused on its include line, with the file and the line of the first byte that is no UTF-8.
        EXPECT_EQ(diagnostics[0]["range"]["start"]["line"], Find(kProgram, "File Include: outils.apl").first);
        const std::string message = diagnostics[0]["message"];
        EXPECT_NE(message.find("library refused"), std::string::npos) << message;
        EXPECT_NE(message.find(utf8.library + ":5: invalid UTF-8"), std::string::npos) << message;
        const json definition =
            utf8.client.Result("textDocument/definition", LspClient::At(utf8.program, callLine, callColumn + 2));
        EXPECT_TRUE(definition.is_null()) << definition.dump();
    }
}

TEST(LspEncoding, AUtf8LibraryWithoutBomIsReadUnderUtf8Only)
{
    const std::string libraryText = Utf8(kLibraryCp1252);
    const auto [callLine, callColumn] = Find(kProgram, "R\xC3\xA9server(");
    {
        Opened utf8("utf-8", libraryText);
        EXPECT_TRUE(utf8.client.Diagnostics(utf8.program).empty()) << utf8.client.Diagnostics(utf8.program).dump();
        const json definition =
            utf8.client.Result("textDocument/definition", LspClient::At(utf8.program, callLine, callColumn));
        EXPECT_EQ(PathFromUri(definition["uri"]), utf8.library);
    }
    // Taken as code page 1252, each accented letter is two: the program's names are not the library's.
    Opened cp1252("cp1252", libraryText);
    const json diagnostics = cp1252.client.Diagnostics(cp1252.program);
    std::string messages;
    for (const json& d : diagnostics) messages += d["message"].get<std::string>() + "\n";
    EXPECT_NE(messages.find("R\xC3\xA9server"), std::string::npos) << messages;
    EXPECT_TRUE(cp1252.client.Result("textDocument/definition", LspClient::At(cp1252.program, callLine, callColumn))
                    .is_null());
}

} // namespace
} // namespace zv::lsp::test
