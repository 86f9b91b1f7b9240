// zavora-xref as a user runs it: the real program on the sample program
// and the fixtures, its output, files and exit codes.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <sys/wait.h>

#include <QSettings>

#include "../outline/TestFiles.h"
#include "settings/ZvFilterCollection.h"
#include "settings/ZvParentItemFilter.h"

namespace {

struct XrefRun {
    int code = -1;
    std::string out;  // stdout and stderr together
};

XrefRun Xref(const std::string& args, const std::string& env = {})
{
    const std::string command =
        (env.empty() ? std::string() : "env " + env + " ") + std::string(ZV_BIN_DIR) + "/zavora-xref " + args + " 2>&1";
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

} // namespace
