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
