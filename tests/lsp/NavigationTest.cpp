// Definition, references, highlights, hover, symbols and both hierarchies on
// the sample program, checked against what zavora-xref answers for the same
// symbols, and positions in every layout and encoding.
#include <set>

#include "platform/language/SymbolTable.h"
#include "tests/lsp/LspClient.h"

namespace zv::lsp::test {
namespace {

// What a shell command writes.
std::string Output(const std::string& command)
{
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[65536];
        for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, n);
        pclose(pipe);
    }
    return output;
}

// zavora-xref's JSON answer.
json Xref(const std::string& arguments)
{
    const std::string command = std::string(ZV_BIN_DIR) + "/zavora-xref " + arguments + " --context " + Context() + " --json";
    const std::string output = Output(command);
    const json answer = json::parse(output, nullptr, false);
    EXPECT_FALSE(answer.is_discarded()) << command << "\n" << output;
    return answer;
}

using Places = std::multiset<std::pair<std::string, int>>;  // file name, 1-based line

Places PlacesOf(const json& locations)
{
    Places places;
    for (const json& location : locations)
        places.insert({std::filesystem::path(PathFromUri(location["uri"])).filename().string(),
                       location["range"]["start"]["line"].get<int>() + 1});
    return places;
}

// The places of zavora-xref's answer list (references or unreferenced symbols).
Places CliPlaces(const json& list)
{
    Places places;
    for (const json& r : list)
        places.insert({std::filesystem::path(r["file"].get<std::string>()).filename().string(), r["line"].get<int>()});
    return places;
}

class LspSample : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        scratch = new Scratch;
        library = scratch->Copy(Example("stocklib.apl"));
        program = scratch->Copy(Example("stockroom.apt"));
        text = EditorText(program);
        libraryText = EditorText(library);
        client = new LspClient;
        client->Initialize(scratch->Dir());
        client->Open(program, text);
    }
    static void TearDownTestSuite()
    {
        delete client;
        delete scratch;
    }
    // Where needle stands in the program (or the library), shifted into it by offset.
    static json At(const std::string& needle, int offset = 0, int nth = 0, bool inLibrary = false)
    {
        const auto [line, column] = Find(inLibrary ? libraryText : text, needle, nth);
        return LspClient::At(inLibrary ? library : program, line, column + offset);
    }

    static Scratch* scratch;
    static LspClient* client;
    static std::string program, library, text, libraryText;
};
Scratch* LspSample::scratch = nullptr;
LspClient* LspSample::client = nullptr;
std::string LspSample::program, LspSample::library, LspSample::text, LspSample::libraryText;

TEST_F(LspSample, DefinitionLeadsFromAUseToTheDeclaredName)
{
    const json use = At("If NOT BookMove(", 7);
    const json definition = client->Result("textDocument/definition", use);
    EXPECT_EQ(PathFromUri(definition["uri"]), program);
    EXPECT_EQ(definition["range"]["start"]["line"], 279);
    EXPECT_EQ(definition["range"]["start"]["character"], 21);  // behind ".head 3 +  Function: "
    EXPECT_EQ(definition["range"]["end"]["character"], 29);
    EXPECT_EQ(client->Result("textDocument/declaration", use), definition);
    // Right behind the name still counts; the layout prefix and keywords do not.
    EXPECT_EQ(client->Result("textDocument/definition", At("If NOT BookMove(", 15)), definition);
    EXPECT_TRUE(client->Result("textDocument/definition", At("If NOT BookMove(", 3)).is_null());
    EXPECT_TRUE(client->Result("textDocument/definition", At("If NOT BookMove(", -3)).is_null());
    // Into the library, which is not open: its file on disk is read.
    const json inLibrary = client->Result("textDocument/definition", At("cStockDoc..Describe", 0, 0, true));
    EXPECT_EQ(PathFromUri(inLibrary["uri"]), library);
    EXPECT_EQ(inLibrary["range"]["start"]["line"], 328);
}

TEST_F(LspSample, ReferencesAreThoseOfTheCommandLine)
{
    struct Case {
        const char* needle;
        int offset;
        bool inLibrary;
        const char* path;
    };
    const Case cases[] = {
        {"Number: gnArticleId", 8, false, "gnArticleId"},
        {"Function: BookMove", 10, false, "BookMove"},
        {"Functional Class: cStockDoc", 18, true, "cStockDoc"},
        {"Set gnArticleId = pnId", 18, false, "LoadArticle::pnId"},
        {"Call SalMessageBox(", 5, false, "SalMessageBox"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        const json cli = Xref("refs " + program + " " + c.path);
        ASSERT_TRUE(cli.contains("references")) << cli.dump();
        const json at = At(c.needle, c.offset, 0, c.inLibrary);
        const json references = client->References(at);
        EXPECT_EQ(PlacesOf(references), CliPlaces(cli["references"]));
        EXPECT_EQ(client->References(at, true).size(), references.size() + 1);
    }
}

// Every referenced symbol of the sample (program and library): the server's
// references and callers are those zavora-xref gives for the symbol's path.
TEST_F(LspSample, EverySymbolHasTheReferencesAndCallersOfTheCommandLine)
{
    Program& current = *client->GetServer().Current();
    CZavoraApp& app = CZavoraApp::Instance();
    struct Asked {
        std::string path;
        bool function;
        json declaration;  // the position of its name
    };
    std::vector<Asked> asked;
    std::set<std::string> paths;
    for (const auto& owned : CApplication::Instance(0, 0)->GetTable()->Symbols()) {
        CSalSymbol* symbol = owned.get();
        const HITEM h = symbol->GetItem().GetItem();
        if (symbol->IsBuiltIn() || current.IndexOf(h) < 0 || !app.GetReferences(h)) continue;
        CGItem scratchItem;
        const std::string path = GetNamePrefix(symbol->GetItem().GetOutline(), h, scratchItem);
        if (path.empty() || path.find_first_of(" '\"") != std::string::npos || !paths.insert(path).second) continue;
        const FileRange range = current.DeclarationRange(symbol);
        asked.push_back({path, symbol->GetKind() == SymbolKind::Function,
                         LspClient::At(range.path, range.startLine, range.startColumn)});
    }
    ASSERT_GT(asked.size(), 50u);

    // One shell for every question: a process each would be most of the time.
    std::string script;
    const std::string xref = std::string(ZV_BIN_DIR) + "/zavora-xref ";
    const std::string tail = " --context " + Context() + " --json; echo '@@@'; ";
    for (const Asked& a : asked) {
        script += xref + "refs " + program + " '" + a.path + "'" + tail;
        if (a.function) script += xref + "callers " + program + " '" + a.path + "'" + tail;
    }
    const std::string output = Output("sh " + scratch->Write("questions.sh", script));
    std::vector<json> answers;
    for (std::size_t at = 0, end; (end = output.find("@@@\n", at)) != std::string::npos; at = end + 4)
        answers.push_back(json::parse(output.substr(at, end - at), nullptr, false));

    std::size_t next = 0, compared = 0;
    for (const Asked& a : asked) {
        SCOPED_TRACE(a.path);
        ASSERT_LT(next, answers.size());
        const json& refs = answers[next++];
        if (refs.is_object() && refs.contains("references")) {
            EXPECT_EQ(PlacesOf(client->References(a.declaration)), CliPlaces(refs["references"]));
            ++compared;
        }
        if (!a.function) continue;
        ASSERT_LT(next, answers.size());
        const json& callers = answers[next++];
        if (!callers.is_object() || !callers.contains("callers")) continue;
        std::set<std::string> expected, names;
        for (const json& caller : callers["callers"]) expected.insert(caller["name"]);
        const json items = client->Result("textDocument/prepareCallHierarchy", a.declaration);
        ASSERT_TRUE(items.is_array() && items.size() == 1u) << items.dump();
        for (const json& call : client->Result("callHierarchy/incomingCalls", {{"item", items[0]}})) {
            names.insert(call["from"]["name"]);
            EXPECT_FALSE(call["fromRanges"].empty()) << call.dump();
        }
        EXPECT_EQ(names, expected);
        if (a.path == "BookMove") {
            EXPECT_FALSE(names.empty());
        }
    }
    EXPECT_GT(compared, asked.size() * 9 / 10);  // the command line knew nearly every path
}

TEST_F(LspSample, HighlightsTellWritesFromReads)
{
    const json highlights = client->Result("textDocument/documentHighlight", At("Number: gnArticleId", 8));
    std::map<int, int> kindByLine;
    for (const json& h : highlights) kindByLine[h["range"]["start"]["line"].get<int>() + 1] = h["kind"];
    EXPECT_EQ(kindByLine[242], 3);  // Set gnArticleId = pnId
    EXPECT_EQ(kindByLine[481], 2);  // passed to SalModalDialog
    EXPECT_EQ(kindByLine[117], 2);  // a bind in an SQL string
    EXPECT_EQ(kindByLine[140], 1);  // the declaration
}

TEST_F(LspSample, HoverShowsDeclarationKindParentAndDescription)
{
    const std::string hover = client->Result("textDocument/hover", At("If NOT BookMove(", 7))["contents"]["value"];
    EXPECT_NE(hover.find("Function: BookMove"), std::string::npos);
    EXPECT_NE(hover.find("*function*"), std::string::npos);
    EXPECT_NE(hover.find("Books one stock move"), std::string::npos);
    const std::string local = client->Result("textDocument/hover", At("Select Case pnKind", 12))["contents"]["value"];
    EXPECT_NE(local.find("Number: pnKind"), std::string::npos);
    EXPECT_NE(local.find("in `BookMove`"), std::string::npos);
    const std::string builtIn = client->Result("textDocument/hover", At("Call SalMessageBox(", 5))["contents"]["value"];
    EXPECT_NE(builtIn.find("SAL built-in"), std::string::npos);
}

TEST_F(LspSample, SymbolsOfTheDocumentAndTheWorkspace)
{
    const json symbols = client->Result("textDocument/documentSymbol", {{"textDocument", {{"uri", UriFromPath(program)}}}});
    std::map<std::string, json> top;
    for (const json& s : symbols) top[s["name"]] = s;
    ASSERT_TRUE(top.count("BookMove"));
    EXPECT_EQ(top["BookMove"]["kind"], 12);
    std::set<std::string> parameters;
    for (const json& child : top["BookMove"]["children"]) parameters.insert(child["name"]);
    EXPECT_TRUE(parameters.count("pnKind") && parameters.count("rnDocNo") && parameters.count("sSql"));
    ASSERT_TRUE(top.count("frmArticle"));
    EXPECT_NE(top["frmArticle"]["children"].dump().find("\"dfCode\""), std::string::npos);
    EXPECT_FALSE(top.count("cStockDoc"));  // the library's, not this file's
    EXPECT_GT(top["BookMove"]["range"]["end"]["line"].get<int>(), top["BookMove"]["range"]["start"]["line"].get<int>());

    std::set<std::string> found;
    for (const json& s : client->Result("workspace/symbol", {{"query", "bookm"}})) found.insert(s["name"]);
    EXPECT_EQ(found, std::set<std::string>{"BookMove"});
    found.clear();
    for (const json& s : client->Result("workspace/symbol", {{"query", "CSTOCKD"}})) found.insert(s["name"]);
    EXPECT_TRUE(found.count("cStockDoc"));
}

TEST_F(LspSample, OutgoingCallsShowLateBoundOverridesAndBuiltIns)
{
    const json items = client->Result("textDocument/prepareCallHierarchy", At("Function: BookMove", 10));
    ASSERT_EQ(items.size(), 1u);
    std::map<std::string, std::string> detail;
    for (const json& call : client->Result("callHierarchy/outgoingCalls", {{"item", items[0]}}))
        detail[call["to"]["name"]] = call["to"].value("detail", "");
    EXPECT_EQ(detail["SalMessageBox"], "SAL built-in");
    EXPECT_TRUE(detail.count("CheckAccess"));

    // cStockDoc::Post calls ..Validate: the overrides below it show too.
    const json post = client->Result("textDocument/prepareCallHierarchy", At("If NOT ..Validate", 9, 0, true));
    ASSERT_EQ(post.size(), 1u);
    EXPECT_EQ(post[0]["name"], "cStockDoc::Validate");
    std::set<std::string> lateBound;
    // Post, the function holding that call, is the one whose outgoing calls we ask for.
    const json caller = client->Result("textDocument/prepareCallHierarchy", At("Function: Post", 10, 0, true));
    ASSERT_EQ(caller.size(), 1u);
    EXPECT_EQ(caller[0]["name"], "cStockDoc::Post");
    for (const json& call : client->Result("callHierarchy/outgoingCalls", {{"item", caller[0]}}))
        if (call["to"].value("detail", "").rfind("late bound override", 0) == 0) lateBound.insert(call["to"]["name"]);
    EXPECT_TRUE(lateBound.count("cMoveDoc::Validate") && lateBound.count("cTransferDoc::Validate"));
}

TEST_F(LspSample, TypeHierarchyUpAndDown)
{
    const json cls = client->Result("textDocument/prepareTypeHierarchy", At("Functional Class: cStockDoc", 18, 0, true));
    ASSERT_EQ(cls.size(), 1u);
    std::set<std::string> subtypes;
    for (const json& t : client->Result("typeHierarchy/subtypes", {{"item", cls[0]}})) subtypes.insert(t["name"]);
    std::set<std::string> expected;
    const json cli = Xref("subclasses " + program + " cStockDoc");
    for (const json& s : cli["subclasses"])
        if (s["depth"] == 1) expected.insert(s["name"]);
    EXPECT_EQ(subtypes, expected);
    EXPECT_TRUE(subtypes.count("cMoveDoc"));

    const json move = client->Result("textDocument/prepareTypeHierarchy", At("Functional Class: cMoveDoc", 18, 0, true));
    ASSERT_EQ(move.size(), 1u);
    const json bases = client->Result("typeHierarchy/supertypes", {{"item", move[0]}});
    ASSERT_EQ(bases.size(), 1u);
    EXPECT_EQ(bases[0]["name"], "cStockDoc");
    EXPECT_TRUE(client->Result("textDocument/prepareTypeHierarchy", At("Function: BookMove", 10)).is_null());
}

TEST_F(LspSample, UnreferencedSymbolsAreThoseOfTheCommandLine)
{
    const json found = client->Result("workspace/executeCommand",
                                      {{"command", "zavora.unreferenced"}, {"arguments", {UriFromPath(program)}}});
    const Places expected = CliPlaces(Xref("unref " + program)["unreferenced"]);
    EXPECT_EQ(PlacesOf(found), expected);
    EXPECT_FALSE(expected.empty());
    const json unknown = client->Request("workspace/executeCommand", {{"command", "zavora.nothing"}});
    EXPECT_TRUE(unknown.contains("error"));
}

// The mini program in every layout and encoding: the same answers, columns in UTF-16.
TEST(LspLayouts, PositionsCountUtf16UnitsOfTheLineAsShown)
{
    const char* files[] = {"mini-header-cp1252.apt", "mini-header-utf8.apt", "mini-header-utf8bom.apt",
                           "mini-header-utf16.apt", "mini-indented-cp1252.apt", "mini-indented-utf8bom.apt",
                           "mini-indented-utf16.apt"};
    for (const char* name : files) {
        SCOPED_TRACE(name);
        Scratch scratch;
        const std::string program = scratch.Copy(Fixture(std::string("layouts/") + name));
        const std::string text = EditorText(program);
        LspClient client;
        client.Initialize(scratch.Dir(), {{"libPath", {Fixture("libs")}}});
        client.Open(program, text);
        EXPECT_TRUE(client.Diagnostics(program).empty()) << client.Diagnostics(program).dump();
        const auto [useLine, useColumn] = Find(text, "|| gsLabel");
        const json definition = client.Result("textDocument/definition", LspClient::At(program, useLine, useColumn + 4));
        const auto [declLine, declColumn] = Find(text, "String: gsLabel");
        EXPECT_EQ(definition["range"]["start"]["line"], declLine);
        EXPECT_EQ(definition["range"]["start"]["character"], declColumn + 8);
        EXPECT_TRUE(Starts(client.References(LspClient::At(program, declLine, declColumn + 9))).count({useLine, useColumn + 3}));
        if (std::string(name).find("header") != std::string::npos) {
            EXPECT_EQ(useColumn + 3, 56);  // the dash before it is one unit, three bytes of UTF-8
        }
        // Through the library found on the search path.
        const auto [callLine, callColumn] = Find(text, "ShelfLabel(");
        const json shelf = client.Result("textDocument/definition", LspClient::At(program, callLine, callColumn));
        EXPECT_EQ(std::filesystem::path(PathFromUri(shelf["uri"])).filename(), "shelf.apl");
    }
}

} // namespace
} // namespace zv::lsp::test
