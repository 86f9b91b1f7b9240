// Incremental re-parse: after random edits on the sample program, what the
// server holds equals what a full load and parse of the same text gives.
#include <random>
#include <set>

#include "contracts/Exceptions.h"
#include "engine/Zavora.h"
#include "tests/lsp/LspClient.h"

namespace zv::lsp::test {
namespace {

std::string PathOf(const CGItem& item)
{
    CGItem scratch;
    return GetNamePrefix(item.GetOutline(), item.GetItem(), scratch);
}

// The parse's results keyed by file and line, which both ways share, not by handle.
std::vector<std::string> Dump(Program& program)
{
    outline::Outline& o = program.Model();
    auto where = [&](HITEM h) {
        const std::int32_t i = program.IndexOf(h);
        if (i < 0) return std::string("builtin");
        return std::to_string(o.items[i].file) + ":" + std::to_string(o.items[i].lineNo);
    };
    std::vector<std::string> lines;
    for (const UseIndex::Entry& e : program.Index().uses)
        lines.push_back("use " + where(e.item) + " " + std::to_string(e.use.position) + "+" +
                        std::to_string(e.use.length) + " " + e.use.symbol->GetName() + "@" + where(e.use.symbol->GetItem().GetItem()));
    for (const Complaint& c : program.Index().complaints) lines.push_back("complaint " + where(c.item) + " " + c.text);
    CZavoraApp& app = CZavoraApp::Instance();
    for (const auto& [h, list] : app.GetStore()->GetProgramReferences()) {
        if (!list) continue;
        for (CReference* r : list->GetReferences()) {
            bool assigned = false;
            try {
                assigned = r->IsModifierStatement();
            } catch (Assertion* e) {
                e->Delete();
            }
            lines.push_back("ref " + PathOf(*list->GetSymbol()) + " " + where(r->GetSource()->GetItem()) + " " +
                            std::to_string(r->GetPosition()) + (assigned || r->GetModifier() ? " w" : " r"));
        }
    }
    for (const auto& [key, list] : app.GetCallInfo()->GetAll()) {
        if (!list) continue;
        std::string calls = "calls " + where(key) + ":";
        for (CReference* call : list->GetCalls()) {
            calls += ' ';
            calls += call->GetSource()->GetName();
        }
        if (!list->GetCalls().empty()) lines.push_back(calls);
    }
    std::sort(lines.begin(), lines.end());
    return lines;
}

// Statement lines inside the Actions of functions and inside message handlers.
std::vector<int> BodyLines(Program& program)
{
    std::vector<int> lines;
    outline::Outline& o = program.Model();
    for (std::size_t i = 0; i < o.items.size(); ++i) {
        const outline::Item& item = o.items[i];
        if (!item.alive || item.file != 0 || item.commented || item.firstChild >= 0) continue;
        if (item.line.find('\n') != std::string::npos || item.data) continue;
        for (std::int32_t up = item.parent; up >= 0; up = o.items[up].parent)
            if (o.items[up].type == ItemType::OnMessage ||
                (o.items[up].type == ItemType::Actions && o.items[o.items[up].parent].type == ItemType::Function)) {
                lines.push_back(static_cast<int>(item.lineNo) - 1);
                break;
            }
    }
    return lines;
}

std::string Edit(const std::string& text, int line, int kind, const std::string& other)
{
    LineTable lines(text);
    std::string out;
    for (std::size_t i = 0; i < lines.Count(); ++i) {
        std::string current(lines.Line(i));
        if (static_cast<int>(i) == line) {
            switch (kind) {
            case 0:  // a name that resolves to nothing
                current += " + nNowhere";
                break;
            case 1:  // the statement goes
                continue;
            case 2:  // the statement twice
                out += current + "\r\n";
                break;
            case 3:  // another statement of the program in its place, at this level
                current = current.substr(0, current.find("  ") + 2) + other.substr(other.find("  ") + 2);
                break;
            default:  // a nested statement below it
                out += current.replace(current.find(" - "), 3, " + ") + "\r\n";
                current = ".head " + std::to_string(std::stoi(current.substr(6)) + 1) + " -  Call SalBeep(  )";
            }
        }
        out += current + "\r\n";
    }
    return out;
}

class LspReparse : public SampleTest {
protected:
    void SetUp() override { Start(); }

    // Sends the change from text to edited: the whole text, or range edits
    // (the changed bytes, sometimes as a deletion and an insertion in one message).
    void Send(const std::string& edited, int version, bool ranges, bool split)
    {
        if (!ranges) {
            client.Change(program, edited, version);
        } else {
            std::size_t head = 0;
            while (head < text.size() && head < edited.size() && text[head] == edited[head]) ++head;
            std::size_t tail = 0;
            while (tail < text.size() - head && tail < edited.size() - head &&
                   text[text.size() - 1 - tail] == edited[edited.size() - 1 - tail])
                ++tail;
            const json start = PositionAt(text, head), end = PositionAt(text, text.size() - tail);
            const std::string inserted = edited.substr(head, edited.size() - tail - head);
            json changes = json::array();
            if (split) {
                changes.push_back(LspClient::RangeEdit(start, end, ""));
                changes.push_back(LspClient::RangeEdit(start, start, inserted));
            } else {
                changes.push_back(LspClient::RangeEdit(start, end, inserted));
            }
            client.ChangeRanges(program, changes, version);
        }
        text = edited;
    }

    // Where gnArticleId is used, in the order of the answer: file order,
    // however the program was parsed.
    std::vector<std::string> References()
    {
        const auto [line, column] = Find(text, "Number: gnArticleId");
        std::vector<std::string> ranges;
        for (const json& r : client.References(LspClient::At(program, line, column + 8), true))
            ranges.push_back(r["range"].dump());
        EXPECT_GT(ranges.size(), 2u);
        return ranges;
    }

    // Random edits inside bodies, three in a row, then the same text parsed whole.
    void RandomEdits(bool ranges)
    {
        std::mt19937 random(11);
        int version = 1, incremental = 0;
        for (int round = 0; round < 12; ++round) {
            for (int k = 0; k < 3; ++k) {
                Program* current = client.GetServer().Current();
                const HOUTLINE before = current->Outline();  // a new load makes a new outline
                const std::vector<int> lines = BodyLines(*current);
                ASSERT_FALSE(lines.empty());
                const int line = lines[random() % lines.size()];
                const std::string other(LineTable(text).Line(static_cast<std::size_t>(lines[random() % lines.size()])));
                Send(Edit(text, line, static_cast<int>(random() % 5), other), ++version, ranges, k == 1);
                incremental += client.GetServer().Current()->Outline() == before;
            }
            const std::vector<std::string> afterEdits = Dump(*client.GetServer().Current());
            const json diagnostics = client.Diagnostics(program);
            // Positions are read from the buffer as edited.
            const std::vector<std::string> references = References();
            client.GetServer().SetIncremental(false);
            client.Change(program, text, ++version);
            client.GetServer().SetIncremental(true);
            SCOPED_TRACE("round " + std::to_string(round));
            const std::vector<std::string> full = Dump(*client.GetServer().Current());
            EXPECT_EQ(afterEdits, full);
            EXPECT_EQ(client.Diagnostics(program), diagnostics);
            EXPECT_EQ(References(), references);
        }
        EXPECT_GT(incremental, 30);  // most edits stayed inside their body
    }
};

// LoadArticle's use of gnArticleId stands between two others: parsed again
// alone, its body's references must still come in their place.
TEST_F(LspReparse, ReferencesKeepFileOrderWhenOneBodyIsParsedAgain)
{
    const std::vector<std::string> before = References();
    const auto [line, column] = Find(text, "Set gnArticleId = pnId");
    const HOUTLINE outline = client.GetServer().Current()->Outline();
    Send(Edit(text, line, 2, ""), 2, true, false);  // the statement twice
    ASSERT_EQ(client.GetServer().Current()->Outline(), outline) << "parsed inside the body";
    const std::vector<std::string> after = References();
    ASSERT_EQ(after.size(), before.size() + 1);
    // The declaration leads; the uses follow in file order.
    std::vector<std::pair<int, int>> starts;
    for (const std::string& range : std::vector<std::string>(after.begin() + 1, after.end())) {
        const json start = json::parse(range)["start"];
        starts.emplace_back(start["line"].get<int>(), start["character"].get<int>());
    }
    EXPECT_TRUE(std::is_sorted(starts.begin(), starts.end())) << ::testing::PrintToString(after);
    EXPECT_LT(starts.front().first, line);
    EXPECT_GT(starts.back().first, line + 1) << "the body is not the last user";
}

TEST_F(LspReparse, RandomEditsInsideBodiesGiveWhatAFullParseGives)
{
    RandomEdits(false);
}

TEST_F(LspReparse, RandomRangeEditsInsideBodiesGiveWhatAFullParseGives)
{
    RandomEdits(true);
}

TEST_F(LspReparse, ARangeEditPastTheBufferIsRefusedAndChangesNothing)
{
    const HOUTLINE before = client.GetServer().Current()->Outline();
    const std::size_t lines = LineTable(text).Count();
    // The second edit of the message is past the end: the first is not applied either.
    const json changes = json::array({LspClient::RangeEdit(PositionAt(text, 0), PositionAt(text, 0), "! broken\r\n"),
                                      LspClient::RangeEdit({{"line", lines + 5}, {"character", 0}},
                                                           {{"line", lines + 5}, {"character", 3}}, "x")});
    client.ChangeRanges(program, changes, 7);
    const std::vector<json> logged = client.Take("window/logMessage");
    ASSERT_EQ(logged.size(), 1u);
    const std::string message = logged[0]["params"]["message"];
    EXPECT_NE(message.find(program + ":" + std::to_string(lines + 6)), std::string::npos) << message;
    EXPECT_EQ(client.GetServer().Current()->Outline(), before);
    // The buffer is still the text: an edit at its end is taken in place.
    const std::string statement = "Set gnArticleId = pnId";
    std::string edited = text;
    edited.replace(edited.find(statement), statement.size(), "Set gnArticleId = pnIdent");
    Send(edited, 8, true, false);
    EXPECT_EQ(client.GetServer().Current()->Outline(), before);
    const json diagnostics = client.Diagnostics(program);
    ASSERT_EQ(diagnostics.size(), 1u) << diagnostics.dump();
    EXPECT_EQ(diagnostics[0]["range"]["start"]["line"], Find(edited, "pnIdent").first);
}

TEST_F(LspReparse, EditsOfDeclarationsLoadTheProgramAgain)
{
    const std::string edits[][2] = {
        {"Number: nSign", "Number: nSignum"},                 // a local variable
        {"Function: BookMove", "Function: BookMoves"},          // a function
        {"File Include: stocklib.apl", "File Include: gone.apl"},
    };
    for (const auto& edit : edits) {
        SCOPED_TRACE(edit[0]);
        const HOUTLINE before = client.GetServer().Current()->Outline();
        text.replace(text.find(edit[0]), std::string(edit[0]).size(), edit[1]);
        client.Change(program, text);
        EXPECT_NE(client.GetServer().Current()->Outline(), before);
        const std::vector<std::string> changed = Dump(*client.GetServer().Current());
        client.Change(program, text);  // a change to the same text: nothing to do
        client.GetServer().SetIncremental(false);
        client.Change(program, text);
        client.GetServer().SetIncremental(true);
        EXPECT_EQ(changed, Dump(*client.GetServer().Current()));
    }
}

} // namespace
} // namespace zv::lsp::test
