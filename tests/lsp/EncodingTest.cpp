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
    // The definition of the call into the library, column shifted into the name.
    json Definition(int shift)
    {
        const auto [line, column] = Find(kProgram, "R\xC3\xA9server(");
        return client.Result("textDocument/definition", LspClient::At(program, line, column + shift));
    }
    // Read without complaint: the call leads into the library.
    json ExpectResolved(int shift)
    {
        EXPECT_TRUE(client.Diagnostics(program).empty()) << client.Diagnostics(program).dump();
        const json definition = Definition(shift);
        EXPECT_EQ(PathFromUri(definition["uri"]), library);
        return definition;
    }
};

TEST(LspEncoding, ACp1252LibraryIsReadUnderCp1252AndRefusedWithItsLineUnderUtf8)
{
    const std::string libraryText = Utf8(kLibraryCp1252);
    {
        Opened cp1252("cp1252", kLibraryCp1252);
        // The accented function is found in the library, its name at its UTF-16 column.
        const json definition = cp1252.ExpectResolved(2);
        const auto [declLine, declColumn] = Find(libraryText, "R\xC3\xA9server");
        EXPECT_EQ(definition["range"]["start"]["line"], declLine);
        EXPECT_EQ(definition["range"]["start"]["character"], declColumn);
        EXPECT_EQ(definition["range"]["end"]["character"], declColumn + 8);  // é is one unit, two bytes
        // A use after accented letters on the library's line: columns count the decoded text.
        const auto [useLine, useColumn] = Find(kProgram, "gnQuantit\xC3\xA9 )");
        const json references = cp1252.client.References(LspClient::At(cp1252.program, useLine, useColumn));
        EXPECT_EQ(Starts(references, cp1252.library),
                  (std::set<std::pair<int, int>>{Find(libraryText, "gnQuantit\xC3\xA9 = "),
                                                 Find(libraryText, "gnQuantit\xC3\xA9 + ")}));
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
        EXPECT_TRUE(utf8.Definition(2).is_null()) << utf8.Definition(2).dump();
    }
}

TEST(LspEncoding, AUtf8LibraryWithoutBomIsReadUnderUtf8Only)
{
    Opened("utf-8", Utf8(kLibraryCp1252)).ExpectResolved(0);
    // Taken as code page 1252, each accented letter is two: the program's names are not the library's.
    Opened cp1252("cp1252", Utf8(kLibraryCp1252));
    const json diagnostics = cp1252.client.Diagnostics(cp1252.program);
    std::string messages;
    for (const json& d : diagnostics) messages += d["message"].get<std::string>() + "\n";
    EXPECT_NE(messages.find("R\xC3\xA9server"), std::string::npos) << messages;
    EXPECT_TRUE(cp1252.Definition(0).is_null());
}

} // namespace
} // namespace zv::lsp::test
