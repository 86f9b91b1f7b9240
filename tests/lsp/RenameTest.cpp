// Rename: the edit the server proposes, applied to the buffers, gives the
// program zavora-xref rename writes; the refusals say why.
#include "tests/lsp/LspClient.h"

namespace zv::lsp::test {
namespace {

// Applies TextEdits (UTF-16 positions) to a UTF-8 text, last first.
std::string Apply(std::string text, json edits)
{
    std::sort(edits.begin(), edits.end(), [](const json& a, const json& b) {
        const auto key = [](const json& e) {
            return std::make_pair(e["range"]["start"]["line"].get<int>(), e["range"]["start"]["character"].get<int>());
        };
        return key(a) > key(b);
    });
    for (const json& edit : edits) {
        const LineTable lines(text);
        auto offset = [&](const json& position) {
            const std::size_t line = position["line"];
            const std::string_view physical = lines.Line(line);
            return static_cast<std::size_t>(physical.data() - lines.Text().data()) +
                   ByteOfColumn(physical, position["character"]).value();
        };
        const std::size_t begin = offset(edit["range"]["start"]);
        const std::size_t end = offset(edit["range"]["end"]);
        text.replace(begin, end - begin, edit["newText"].get<std::string>());
    }
    return text;
}

class LspRename : public SampleTest {
protected:
    void SetUp() override { Start(); }
    json At(const std::string& needle, int offset, const std::string& in = {})
    {
        const std::string& where = in.empty() ? program : in;
        const auto [line, column] = Find(where == program ? text : EditorText(where), needle);
        return LspClient::At(where, line, column + offset);
    }
    std::string RenamedByCommandLine(const std::string& symbol, const std::string& newName)
    {
        const std::string out = scratch.Dir() + "/renamed.apt";
        const std::string command = std::string(ZV_BIN_DIR) + "/zavora-xref rename " + program + " " + symbol + " " +
                                    newName + " -o " + out + " --context " + Context() + " > /dev/null";
        EXPECT_EQ(std::system(command.c_str()), 0) << command;
        return EditorText(out);
    }
    std::string Refusal(const json& position, const std::string& newName)
    {
        json params = position;
        params["newName"] = newName;
        const json answer = client.Request("textDocument/rename", params);
        EXPECT_TRUE(answer.contains("error")) << answer.dump();
        EXPECT_EQ(answer["error"]["code"], ErrorCode::RequestFailed);
        return answer.contains("error") ? answer["error"]["message"].get<std::string>() : std::string();
    }
};

TEST_F(LspRename, TheEditEqualsTheCommandLinesRename)
{
    struct Case {
        const char* needle;
        int offset;
        const char* symbol;
        const char* newName;
    };
    const Case cases[] = {
        {"Number: gnArticleId", 8, "gnArticleId", "gnItemId"},
        {"Data Field: dfCode", 12, "frmArticle::dfCode", "dfArticleCode"},
        {"If NOT BookMove(", 7, "BookMove", "BookStockMove"},
        {"Form Window: frmArticle", 13, "frmArticle", "frmItem"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.symbol);
        const json prepared = client.Result("textDocument/prepareRename", At(c.needle, c.offset));
        EXPECT_EQ(prepared["placeholder"], std::string(c.symbol).substr(std::string(c.symbol).rfind(':') + 1));
        json params = At(c.needle, c.offset);
        params["newName"] = c.newName;
        const json edit = client.Result("textDocument/rename", params);
        ASSERT_TRUE(edit["changes"].contains(UriFromPath(program))) << edit.dump();
        EXPECT_EQ(edit["changes"].size(), 1u);  // the library is never touched
        EXPECT_EQ(Apply(text, edit["changes"][UriFromPath(program)]), RenamedByCommandLine(c.symbol, c.newName));
    }
    // The proposal changed nothing yet: the server still sees the old names.
    EXPECT_FALSE(client.Result("textDocument/definition", At("If NOT BookMove(", 7)).is_null());
}

TEST_F(LspRename, AppliedEditIsWhatTheServerParsesNext)
{
    json params = At("Number: gnArticleId", 8);
    params["newName"] = "gnItemId";
    const json edit = client.Result("textDocument/rename", params);
    const std::string renamed = Apply(text, edit["changes"][UriFromPath(program)]);
    client.Change(program, renamed);
    const auto [line, column] = Find(renamed, "Set gnItemId = pnId");
    EXPECT_EQ(client.References(LspClient::At(program, line, column + 5), true).size(),
              edit["changes"][UriFromPath(program)].size());
    EXPECT_TRUE(client.Diagnostics(program).empty());
}

TEST_F(LspRename, RefusalsSayWhy)
{
    const std::tuple<json, std::string, std::string> refusals[] = {
        {At("Functional Class: cStockDoc", 18, library), "cDoc", "included from another outline"},
        {At("Call SalMessageBox(", 5), "Box", "included from another outline"},
        {At("If NOT BookMove(", 7), "9Lives", "not a valid SAL name"},
        {At("If NOT BookMove(", 7), "Book Move", "not a valid SAL name"},
        {At("If NOT BookMove(", 7), "CheckAccess", "already declared in the same scope"},
        {At("Function: BookMove", 1), "x", "no symbol"},
    };
    for (const auto& [at, newName, why] : refusals) {
        const std::string message = Refusal(at, newName);
        EXPECT_NE(message.find(why), std::string::npos) << newName << ": " << message;
        // A clash names where the other one stands.
        if (newName == "CheckAccess") {
            EXPECT_NE(message.find("stockroom.apt:"), std::string::npos) << message;
        }
    }
    const json prepared = client.Request("textDocument/prepareRename", At("Call SalMessageBox(", 5));
    EXPECT_TRUE(prepared.contains("error"));
}

} // namespace
} // namespace zv::lsp::test
