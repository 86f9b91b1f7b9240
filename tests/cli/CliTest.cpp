// zavora-xref as a user runs it: the real program on the sample program
// and the fixtures, its output, files and exit codes.
#include <gtest/gtest.h>

#include <array>
#include <cstdarg>
#include <cstdio>
#include <set>
#include <sstream>
#include <tuple>
#include <sys/wait.h>

#include <QSettings>
#include <nlohmann/json.hpp>

#include "../outline/TestFiles.h"
#include "settings/ZvFilterCollection.h"
#include "settings/ZvParentItemFilter.h"

namespace {

struct XrefRun {
    int code = -1;
    std::string out;  // stdout and stderr together
};

XrefRun Xref(const std::string& args, const std::string& env = {}, bool withStderr = true)
{
    const std::string command = (env.empty() ? std::string() : "env " + env + " ") + std::string(ZV_BIN_DIR) +
                                "/zavora-xref " + args + (withStderr ? " 2>&1" : " 2>/dev/null");
    XrefRun run;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return run;
    std::array<char, 4096> buffer{};
    std::size_t n;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) run.out.append(buffer.data(), n);
    const int status = ::pclose(pipe);
    run.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

std::size_t Count(const std::string& text, const std::string& what)
{
    std::size_t n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

// "N references" from the first line of refs.
int ReferenceCount(const std::string& refsOutput)
{
    const std::size_t colon = refsOutput.find(": ");
    return colon == std::string::npos ? -1 : std::atoi(refsOutput.c_str() + colon + 2);
}

class Cli : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_program = m_tmp.Write("stockroom.apt", zvtest::ReadBytes(std::string(ZV_EXAMPLES_DIR) + "/stockroom.apt"));
        m_tmp.Write("stocklib.apl", zvtest::ReadBytes(std::string(ZV_EXAMPLES_DIR) + "/stocklib.apl"));
    }
    zvtest::TempDir m_tmp;
    std::string m_program;
};

} // namespace

TEST_F(Cli, RenameThenParseKeepsEverythingResolved)
{
    struct Case { const char* symbol; const char* newName; };
    for (const Case c : {Case{"BookMove", "PostMove"}, Case{"gnArticleId", "gnItemId"},
                         Case{"cShelfInfo", "cShelfData"}}) {
        SCOPED_TRACE(c.symbol);
        const int before = ReferenceCount(Xref("refs " + m_program + " " + c.symbol).out);
        ASSERT_GT(before, 0);
        const std::string out = m_tmp.Path(std::string("renamed-") + c.symbol + ".apt");
        const std::string input = zvtest::ReadBytes(m_program);
        const XrefRun rename = Xref("rename " + m_program + " " + c.symbol + " " + c.newName + " -o " + out);
        ASSERT_EQ(rename.code, 0) << rename.out;
        EXPECT_TRUE(zvtest::ReadBytes(m_program) == input);  // the input is never written
        const XrefRun parse = Xref("parse " + out);
        EXPECT_NE(parse.out.find("unresolved symbols: 0"), std::string::npos) << parse.out;
        EXPECT_NE(parse.out.find("unresolved binds: 0"), std::string::npos) << parse.out;
        EXPECT_EQ(ReferenceCount(Xref("refs " + out + " " + c.newName).out), before);
        EXPECT_EQ(Xref("refs " + out + " " + c.symbol).code, 2);  // the old name is gone
    }
}

TEST_F(Cli, RenameRefusals)
{
    const std::string out = m_tmp.Path("out.apt");
    struct Case { std::string args; const char* message; };
    const Case cases[] = {
        {"LogWrite Log2 -o " + out, "Symbol is included from another outline and cannot be renamed"},  // stocklib.apl
        {"LegacyBinLabel OldLabel -o " + out, "Symbol is not referenced and can be renamed manually"},
        {"BookMove 'Book Move' -o " + out, "not a valid SAL name"},
        {"BookMove Connect -o " + out, "already declared in the same scope"},
        {"BookMove PostMove -o " + m_program, "is the input file"},
    };
    for (const Case& c : cases) {
        const XrefRun r = Xref("rename " + m_program + " " + c.args);
        EXPECT_EQ(r.code, 2) << c.args;
        EXPECT_NE(r.out.find(c.message), std::string::npos) << r.out;
    }
    EXPECT_FALSE(std::filesystem::exists(out));
    // A dry run shows the lines and writes nothing.
    const XrefRun r = Xref("rename " + m_program + " BookMove PostMove --dry-run");
    EXPECT_EQ(r.code, 0) << r.out;
    EXPECT_EQ(Count(r.out, "  + "), Count(r.out, "  - "));
    EXPECT_NE(r.out.find("+ Function: PostMove"), std::string::npos) << r.out;
    EXPECT_FALSE(std::filesystem::exists(out));
}

TEST_F(Cli, ReferencesCallersAndCallees)
{
    XrefRun r = Xref("refs " + m_program + " frmArticle::dfCode --json");
    EXPECT_EQ(r.code, 0) << r.out;
    EXPECT_EQ(r.out.rfind("{\"symbol\": \"frmArticle::dfCode\"", 0), 0u) << r.out;
    EXPECT_NE(r.out.find("\"line\": "), std::string::npos);
    // Names compare without regard to case.
    EXPECT_EQ(ReferenceCount(Xref("refs " + m_program + " FRMARTICLE::DFCODE").out),
              ReferenceCount(Xref("refs " + m_program + " frmArticle::dfCode").out));
    r = Xref("callers " + m_program + " BookMove");
    EXPECT_EQ(r.code, 0);
    EXPECT_NE(r.out.find("BookMove: "), std::string::npos);
    r = Xref("callees " + m_program + " BookMove --depth 2");
    EXPECT_EQ(r.code, 0);
    EXPECT_NE(r.out.find("[SAL]"), std::string::npos) << r.out;
    EXPECT_EQ(Xref("callees " + m_program + " BookMove --depth 0").code, 2);
}

TEST_F(Cli, AmbiguousAndUnknownNamesAreErrors)
{
    XrefRun r = Xref("refs " + m_program + " Describe");
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.out.find("is ambiguous"), std::string::npos) << r.out;
    EXPECT_GE(Count(r.out, "::Describe"), 2u);
    r = Xref("refs " + m_program + " NoSuchThing");
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.out.find("NoSuchThing"), std::string::npos);
    r = Xref("frobnicate " + m_program);
    EXPECT_EQ(r.code, 2);
    r = Xref("outline " + zvtest::Fixture("bad/level-jump.apt"));
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.out.find("level-jump.apt:5: level jump from 2 to 4"), std::string::npos) << r.out;
    r = Xref("outline " + zvtest::Fixture("bad/binary.app") + " -o " + m_tmp.Path("never.apt"));
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.out.find("binary outline"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(m_tmp.Path("never.apt")));
}

TEST_F(Cli, UnreferencedSymbolsAndFindings)
{
    XrefRun r = Xref("unref " + m_program);
    EXPECT_EQ(r.code, 0) << r.out;
    for (const char* name : {"OLD_PageSize", "gsSpareText", "LegacyBinLabel", "cShelfInfo::Capacity", "bmpSplash"})
        EXPECT_NE(r.out.find(name), std::string::npos) << name << "\n" << r.out;
    EXPECT_EQ(r.out.find("gsReportTitle"), std::string::npos);  // marked __REFERENCED
    EXPECT_EQ(r.out.find("ObjectDestructor"), std::string::npos);
    EXPECT_EQ(Xref("unref " + m_program + " --fail-on-findings").code, 1);
    r = Xref("unref " + m_program + " --filter NoSuchFilter");
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.out.find("NoSuchFilter"), std::string::npos);
}

TEST_F(Cli, GraphsForPictures)
{
    XrefRun r = Xref("graph " + m_program + " --classes --format dot");
    EXPECT_EQ(r.code, 0) << r.out;
    EXPECT_EQ(r.out.rfind("digraph classes {", 0), 0u);
    EXPECT_NE(r.out.find("\"cCountedShelf\" -> \"cShelfInfo\""), std::string::npos) << r.out;
    r = Xref("graph " + m_program + " --calls --from BookMove --format json");
    EXPECT_EQ(r.code, 0) << r.out;
    EXPECT_EQ(r.out.rfind("{\"nodes\": [", 0), 0u);
    EXPECT_NE(r.out.find("\"from\": \"BookMove\""), std::string::npos) << r.out;
    EXPECT_EQ(Xref("graph " + m_program + " --calls --classes").code, 2);
}

TEST_F(Cli, UnrefWithAStoredFilterReadsTheStoreAndNeverWritesIt)
{
    // The explorer's settings store, in a folder of this test.
    const std::string config = m_tmp.Path("config");
    std::filesystem::create_directories(config);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QString::fromStdString(config));
    CZvFilterCollection::discardShared();
    CZvParentItemFilter globals("GlobalsOnly");
    globals.add(static_cast<std::uint16_t>(ItemType::UserConstants));
    globals.add(static_cast<std::uint16_t>(ItemType::GlobalVariables));
    ASSERT_TRUE(globals.save());
    CZvFilterCollection::discardShared();
    const std::string store = config + "/Morrowbit/Zavora41.conf";
    const std::string before = zvtest::ReadBytes(store);
    ASSERT_FALSE(before.empty());

    const XrefRun r = Xref("unref " + m_program + " --filter GlobalsOnly", "XDG_CONFIG_HOME=" + config);
    EXPECT_EQ(r.code, 0) << r.out;
    EXPECT_NE(r.out.find("OLD_PageSize"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("gsSpareText"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("2 unreferenced symbols"), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find("LegacyBinLabel"), std::string::npos) << r.out;
    EXPECT_TRUE(zvtest::ReadBytes(store) == before);
}

TEST_F(Cli, UnrefWithTheFirstFilterListsWhatNoFilterLists)
{
    const std::string config = m_tmp.Path("config");
    std::filesystem::create_directories(config);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QString::fromStdString(config));
    CZvFilterCollection::discardShared();
    ASSERT_TRUE(ZvEnsureFirstFilter());
    CZvFilterCollection::discardShared();

    const XrefRun plain = Xref("unref " + m_program, "XDG_CONFIG_HOME=" + config);
    // Named in another case: the store knows one filter whatever the case.
    const XrefRun filtered = Xref("unref " + m_program + " --filter 'all SYMBOLS'", "XDG_CONFIG_HOME=" + config);
    EXPECT_EQ(plain.code, 0) << plain.out;
    EXPECT_EQ(filtered.code, 0) << filtered.out;
    EXPECT_NE(plain.out.find("unreferenced symbols"), std::string::npos) << plain.out;
    EXPECT_NE(plain.out.rfind("0 unreferenced", 0), 0u) << "the program should have some";
    EXPECT_EQ(filtered.out, plain.out);
}

namespace {

class CliRealProgram : public ::testing::Test {
protected:
    std::string Copy(const std::string& fixture)
    {
        return m_tmp.Write(std::filesystem::path(fixture).filename().string(),
                           zvtest::ReadBytes(zvtest::Fixture("realprog/" + fixture)));
    }
    zvtest::TempDir m_tmp;
};

TEST_F(CliRealProgram, EveryUnresolvedNameCarriesItsCause)
{
    const std::string program = Copy("unresolved.apt");
    m_tmp.Write("binlib.apl", zvtest::ReadBytes(zvtest::Fixture("bad/binary.app")));
    XrefRun r = Xref("parse " + program + " --unresolved");
    EXPECT_EQ(r.code, 0) << r.out;
    EXPECT_NE(r.out.find("unresolved symbols: 3 (1 unknown-class, 2 missing-library)"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("unresolved.apt:14: [unknown-class] Unresolved symbol 'gReport.Print' in Main (class "
                         "cReportWriter is declared nowhere in what was loaded) (libraries not found: nowhere.apl; "
                         "libraries refused: binlib.apl)"),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("unresolved.apt:15: [missing-library] Unresolved symbol 'LibFunction'"), std::string::npos);
    // The bind stands on the second line of its statement.
    EXPECT_NE(r.out.find("unresolved.apt:17: [bind] ':nowhere'"), std::string::npos) << r.out;
    r = Xref("parse " + program + " --unresolved --json");
    EXPECT_NE(r.out.find("\"causes\": {\"unknown-class\": 1, \"missing-library\": 2, \"unqualified-external\": 0, "
                         "\"unreadable\": 0, \"unexplained\": 0}"),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("\"cause\": \"unknown-class\", \"detail\": \"cReportWriter; libraries not found: "
                         "nowhere.apl; libraries refused: binlib.apl\""),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("{\"name\": \"nowhere\", \"item\": \"Set gsSql = 'SELECT a FROM t\", \"file\": "),
              std::string::npos)
        << r.out;

    // The refused library is listed once, as refused, with its include line.
    r = Xref("outline " + program);
    EXPECT_NE(r.out.find("libraries: 0 found, 1 missing, 1 refused"), std::string::npos) << r.out;
    EXPECT_EQ(Count(r.out, "binlib.apl (included at"), 1u) << r.out;
    EXPECT_NE(r.out.find("refused binlib.apl (included at " + program + ":4)"), std::string::npos) << r.out;
}

TEST_F(CliRealProgram, ItemCountsOfOutlineAndParseAgree)
{
    const std::string program = Copy("winattr-header.apt");
    const XrefRun outline = Xref("outline " + program);
    const XrefRun parse = Xref("parse " + program);
    EXPECT_NE(outline.out.find("items: 22 ("), std::string::npos) << outline.out;
    // Two items of the program are commented out.
    EXPECT_NE(parse.out.find("items: 22 in the tree (20 outside comments,"), std::string::npos) << parse.out;
}

TEST_F(CliRealProgram, UnexplainedNamesAreSaidToBeSo)
{
    const std::string program = m_tmp.Write("plain.apt", zvtest::Crlf(".head 0 +  Application Description: x\n"
                                                                       ".head 1 +  Global Declarations\n"
                                                                       ".head 2 +  Internal Functions\n"
                                                                       ".head 3 +  Function: F\n"
                                                                       ".head 4 +  Actions\n"
                                                                       ".head 5 -  Call Nowhere(  )\n"));
    const XrefRun r = Xref("parse " + program + " --unresolved");
    EXPECT_NE(r.out.find("unresolved symbols: 1 (1 unexplained)"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("plain.apt:6: [unexplained] Unresolved symbol 'Nowhere' in F"), std::string::npos) << r.out;
}

TEST_F(CliRealProgram, ABareNameSharedBySeveralSymbolsIsAmbiguousEverywhere)
{
    // psText is a parameter of two functions; Paint a function of four classes and windows.
    const std::string program = Copy("classes.apt");
    XrefRun r = Xref("refs " + program + " psText");
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.out.find("is ambiguous"), std::string::npos);
    r = Xref("refs " + program + " Paint");
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(Count(r.out, "::Paint  ("), 4u) << r.out;
    // A global name shared with a local one: the candidates name the global one as ::name.
    const std::string shadow = m_tmp.Write("shadow.apt", zvtest::Crlf(".head 0 +  Application Description: x\n"
                                                                      ".head 1 +  Global Declarations\n"
                                                                      ".head 2 +  Variables\n"
                                                                      ".head 3 -  Number: nCount\n"
                                                                      ".head 2 +  Internal Functions\n"
                                                                      ".head 3 +  Function: F\n"
                                                                      ".head 4 +  Local variables\n"
                                                                      ".head 5 -  Number: nCount\n"
                                                                      ".head 4 +  Actions\n"
                                                                      ".head 5 -  Set nCount = 1\n"));
    r = Xref("refs " + shadow + " nCount");
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.out.find("  ::nCount  ("), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("  F::nCount  ("), std::string::npos) << r.out;
    r = Xref("refs " + shadow + " ::nCount");
    EXPECT_EQ(r.code, 0) << r.out;
    EXPECT_EQ(ReferenceCount(r.out), 0);
    r = Xref("refs " + shadow + " F::nCount");
    EXPECT_EQ(ReferenceCount(r.out), 1);
}

TEST_F(CliRealProgram, TheDryRunListsEveryLineARenameChanges)
{
    const std::string program = Copy("classes.apt");
    XrefRun r = Xref("rename " + program + " clsBaseButton clsButton --dry-run");
    EXPECT_EQ(r.code, 0) << r.out;
    EXPECT_EQ(Count(r.out, "  + Class: clsButton"), 2u) << r.out;
    EXPECT_NE(r.out.find("classes.apt:77\n  - Class: clsBaseButton"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("2 references and the declaration, 3 lines would change"), std::string::npos) << r.out;
    // A late-bound family: every function of it, and the call that reaches them.
    r = Xref("rename " + program + " frmOrders::Paint Draw -o " + m_tmp.Path("out.apt"));
    EXPECT_EQ(r.code, 0) << r.out;
    EXPECT_NE(r.out.find("renamed together:\n  cPagedForm::Paint"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("1 reference and 4 declarations, 5 lines changed"), std::string::npos) << r.out;
    r = Xref("parse " + m_tmp.Path("out.apt"));
    EXPECT_NE(r.out.find("unresolved symbols: 0"), std::string::npos) << r.out;
    r = Xref("callers " + m_tmp.Path("out.apt") + " cQuickOrderForm::Draw");
    EXPECT_NE(r.out.find("cPagedForm::Refresh"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("[late bound]"), std::string::npos) << r.out;
}

// The --json answers parsed as JSON, and checked against the text answer of
// the same command: the text rows are rebuilt from the JSON fields.
using nlohmann::json;

json JsonOf(const std::string& args)
{
    const XrefRun run = Xref(args + " --json", {}, false);
    EXPECT_EQ(run.code, 0) << args << "\n" << run.out;
    const json answer = json::parse(run.out, nullptr, false);
    EXPECT_TRUE(answer.is_object()) << args << "\n" << run.out;
    return answer;
}

std::string Format(const char* format, ...)
{
    char buffer[2048];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    return buffer;
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::string Where(const json& row)
{
    return row["file"].get<std::string>() + ":" + std::to_string(row["line"].get<int>());
}

class CliJson : public Cli {};

TEST_F(CliJson, ReferencesAndCallersCarryWhatTheTextShows)
{
    bool sawLateBound = false;
    for (const char* symbol : {"frmArticle::dfCode", "gnArticleId", "cMoveDoc::Validate", "SalMessageBox"}) {
        const std::string args = "refs " + m_program + " " + symbol;
        const std::vector<std::string> text = Lines(Xref(args).out);
        const json answer = JsonOf(args);
        ASSERT_FALSE(text.empty());
        const auto& refs = answer["references"];
        ASSERT_EQ(refs.size() + 1, text.size()) << symbol;
        EXPECT_EQ(text[0].rfind(answer["symbol"].get<std::string>() + "  declared at " + Where(answer["declaration"]) +
                                    ": ",
                                0),
                  0u)
            << text[0];
        EXPECT_EQ(answer["builtIn"].get<bool>(), std::string(symbol) == "SalMessageBox");
        for (std::size_t i = 0; i < refs.size(); ++i) {
            const json& r = refs[i];
            const char* how = r["assignment"].get<bool>() ? "assigned"
                              : r["modifier"].get<bool>() ? "modified"
                              : r["lateBound"].get<bool>() ? "late bound"
                              : r["byName"].get<bool>()    ? "by name"
                                                            : "";
            sawLateBound = sawLateBound || r["lateBound"].get<bool>();
            EXPECT_EQ(text[i + 1], Format("  %s  %-32s %-10s %s", Where(r).c_str(),
                                          r["context"].get<std::string>().c_str(), how,
                                          r["text"].get<std::string>().c_str()));
            EXPECT_GE(r["position"].get<int>(), 0);
            EXPECT_GT(r["length"].get<int>(), 0);
        }
    }
    EXPECT_TRUE(sawLateBound);  // an override is reached by "..Validate()" calls

    for (const char* symbol : {"BookMove", "cMoveDoc::Validate", "CheckAccess"}) {
        const std::string args = "callers " + m_program + " " + symbol;
        const std::vector<std::string> text = Lines(Xref(args).out);
        const json answer = JsonOf(args);
        const auto& callers = answer["callers"];
        ASSERT_EQ(callers.size() + 1, text.size()) << symbol;
        EXPECT_EQ(text[0], Format("%s: %zu caller%s", answer["symbol"].get<std::string>().c_str(), callers.size(),
                                  callers.size() == 1 ? "" : "s"));
        for (std::size_t i = 0; i < callers.size(); ++i)
            EXPECT_EQ(text[i + 1], Format("  %-40s %s%s", callers[i]["name"].get<std::string>().c_str(),
                                          Where(callers[i]).c_str(),
                                          callers[i]["lateBound"].get<bool>() ? "  [late bound]" : ""));
    }
}

void TreeText(const json& nodes, int indent, std::string& out)
{
    for (const json& node : nodes) {
        out += Format("%*s%s%s%s\n", indent, "", node["name"].get<std::string>().c_str(),
                      node["builtIn"].get<bool>() ? "  [SAL]" : "",
                      node["lateBound"].get<bool>() ? "  [late bound override]" : "");
        TreeText(node["callees"], indent + 2, out);
    }
}

TEST_F(CliJson, TheCalleeTreeAndTheClassHierarchyMatchTheText)
{
    for (const char* depth : {"1", "3"}) {
        const std::string args = "callees " + m_program + " BookMove --depth " + depth;
        const json answer = JsonOf(args);
        std::string text = answer["symbol"].get<std::string>() + "\n";
        TreeText(answer["callees"], 2, text);
        EXPECT_EQ(text, Xref(args).out);
        if (std::string(depth) == "3") {
            EXPECT_NE(text.find("[late bound override]"), std::string::npos);
        }
    }
    for (const std::string command : {"bases cCountedShelf", "subclasses cShelfInfo", "subclasses cStockDoc"}) {
        const std::string args = command.substr(0, command.find(' ')) + " " + m_program + command.substr(command.find(' '));
        const json answer = JsonOf(args);
        const json& rows = answer[command.substr(0, command.find(' '))];
        ASSERT_FALSE(rows.empty()) << command;
        std::string text = answer["class"].get<std::string>() + "\n";
        for (const json& row : rows)
            text += Format("%*s%s  %s\n", 2 * row["depth"].get<int>(), "", row["name"].get<std::string>().c_str(),
                           Where(row).c_str());
        EXPECT_EQ(text, Xref(args).out);
    }
}

TEST_F(CliJson, UnreferencedSymbolsAndGraphsMatchTheText)
{
    const std::vector<std::string> text = Lines(Xref("unref " + m_program).out);
    const json answer = JsonOf("unref " + m_program);
    const json& found = answer["unreferenced"];
    ASSERT_EQ(found.size() + 1, text.size());
    EXPECT_EQ(text.back(), Format("%zu unreferenced symbols", found.size()));
    for (std::size_t i = 0; i < found.size(); ++i) {
        const std::string path = found[i]["path"].get<std::string>();
        EXPECT_EQ(text[i].rfind(Format("%-40s %s  ", path.c_str(), Where(found[i]).c_str()), 0), 0u) << text[i];
        const std::string name = found[i]["name"].get<std::string>();
        EXPECT_EQ(path.substr(path.size() - std::min(path.size(), name.size())), name);
        EXPECT_GT(found[i]["type"].get<int>(), 0);
    }

    // The JSON graph holds the edges of the dot graph, and only their ends as nodes.
    for (const char* what : {"--classes", "--calls", "--calls --from BookMove"}) {
        const std::string args = "graph " + m_program + " " + what;
        using EdgeSet = std::set<std::tuple<std::string, std::string, std::string>>;
        EdgeSet dot;
        for (const std::string& line : Lines(Xref(args + " --format dot").out)) {
            const std::size_t arrow = line.find("\" -> \"");
            if (arrow == std::string::npos) continue;
            const std::size_t end = line.find('"', arrow + 6);
            const std::string kind = line.find("late bound") != std::string::npos ? "override"
                                     : line.find("dotted") != std::string::npos   ? "instance"
                                     : std::string(what) == "--classes"           ? "derives"
                                                                                  : "call";
            dot.insert({line.substr(3, arrow - 3), line.substr(arrow + 6, end - arrow - 6), kind});
        }
        const json graph = JsonOf(args + " --format json");
        EdgeSet edges;
        std::set<std::string> ends;
        for (const json& e : graph["edges"]) {
            edges.insert({e["from"].get<std::string>(), e["to"].get<std::string>(), e["kind"].get<std::string>()});
            ends.insert(e["from"].get<std::string>());
            ends.insert(e["to"].get<std::string>());
        }
        EXPECT_FALSE(edges.empty()) << what;
        EXPECT_EQ(edges, dot) << what;
        EXPECT_EQ(graph["nodes"].get<std::set<std::string>>(), ends) << what;
    }
}

TEST_F(CliJson, ParseCountsAndTheUnresolvedListMatchTheText)
{
    const std::string text = Xref("parse " + m_program).out;
    const json answer = JsonOf("parse " + m_program);
    EXPECT_EQ(answer["file"], m_program);
    EXPECT_NE(text.find(Format("items: %d in the tree (%d outside comments, %d statements)\n",
                               answer["itemsInTree"].get<int>(), answer["items"].get<int>(),
                               answer["statements"].get<int>())),
              std::string::npos)
        << text;
    EXPECT_NE(text.find(Format("symbols: %d\nreferences: %d (%d parameter accesses)\n", answer["symbols"].get<int>(),
                               answer["references"].get<int>(), answer["paramAccesses"].get<int>())),
              std::string::npos)
        << text;
    EXPECT_GT(answer["references"].get<int>(), 0);
    for (const char* phase : {"context", "load", "symbolTable", "parse"}) EXPECT_GE(answer["ms"][phase].get<double>(), 0);
    EXPECT_FALSE(answer.contains("unresolved"));  // only with --unresolved

    const std::string program =
        m_tmp.Write("unresolved.apt", zvtest::ReadBytes(zvtest::Fixture("realprog/unresolved.apt")));
    m_tmp.Write("binlib.apl", zvtest::ReadBytes(zvtest::Fixture("bad/binary.app")));
    const std::string listed = Xref("parse " + program + " --unresolved").out;
    const json unresolved = JsonOf("parse " + program + " --unresolved");
    int counted = 0;
    for (const auto& [cause, n] : unresolved["causes"].items()) counted += n.get<int>();
    EXPECT_EQ(counted, unresolved["unresolvedSymbols"].get<int>());
    EXPECT_EQ(unresolved["unresolved"].size(), unresolved["unresolvedSymbols"].get<std::size_t>());
    EXPECT_EQ(unresolved["binds"].size(), unresolved["unresolvedBinds"].get<std::size_t>());
    EXPECT_EQ(unresolved["missingLibraries"].get<int>(), 2);
    for (const json& u : unresolved["unresolved"]) {
        EXPECT_NE(listed.find(Format("%s: [%s] %s\n", Where(u).c_str(), u["cause"].get<std::string>().c_str(),
                                     u["text"].get<std::string>().c_str())),
                  std::string::npos)
            << u.dump();
        EXPECT_NE(u["text"].get<std::string>().find(u["name"].get<std::string>()), std::string::npos) << u.dump();
    }
    for (const json& b : unresolved["binds"])
        EXPECT_NE(listed.find(Format("%s: [bind] ':%s' at %d, length %d, in '%s'\n", Where(b).c_str(),
                                     b["name"].get<std::string>().c_str(), b["position"].get<int>(),
                                     b["length"].get<int>(), b["item"].get<std::string>().c_str())),
                  std::string::npos)
            << b.dump();
}

} // namespace
