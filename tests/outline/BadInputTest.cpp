// Broken files end in an error that names the file and the line; nothing
// crashes and nothing is written.
#include <gtest/gtest.h>

#include <filesystem>

#include "TestFiles.h"
#include "platform/outline/HostState.h"
#include "platform/outline/Loader.h"

using namespace zv::outline;
using zvtest::Crlf;

namespace {

// The load error for a file holding `bytes`.
std::string LoadError(const zvtest::TempDir& tmp, const std::string& bytes, const std::string& name = "bad.apt")
{
    const std::string path = tmp.Write(name, bytes);
    try {
        Outline& o = LoadProgram(path, {});
        Registry::Get().Destroy(o.Handle());
    } catch (const CGKitError& e) {
        return e.what();
    }
    return {};
}

const std::string kGood = Crlf(
    ".head 0 +  Application Description: x\n"
    ".head 1 +  Design-time Settings\n"
    ".head 2 -  Outline Window State: Normal\n"
    ".data VIEWINFO\n"
    "0000: 6F00000001000000 FFFF01000D004347\n"
    ".enddata\n"
    ".head 2 -  Fully Qualified External References? Yes\n"
    ".head 1 +  Global Declarations\n"
    ".head 2 +  Variables\n"
    ".head 3 -  Number: gnX\n");

} // namespace

TEST(BadInput, EachErrorNamesFileAndLine)
{
    zvtest::TempDir tmp;
    struct Case { std::string bytes; std::string line; std::string words; };
    const std::string truncatedInData = kGood.substr(0, kGood.find("FFFF01"));
    const std::string levelJump = Crlf(".head 0 +  Application Description: x\n.head 1 +  Libraries\n"
                                       ".head 2 +  File Include: a.apl\n.head 4 -  Number: x\n");
    const std::string noEnd = Crlf(".head 0 +  Application Description: x\n.head 1 -  Libraries\n"
                                   ".data VIEWINFO\n0000: 00\n.head 1 -  Global Declarations\n");
    const std::string truncatedAfterPlus = kGood.substr(0, kGood.find(".head 3 -"));
    const std::string badLevel = Crlf(".head 0 +  Application Description: x\n.head x -  Libraries\n");
    const std::string notOutline = "Hello\r\n\tWorld\r\n\t\t\tMore\r\n\tStill\r\n";
    const std::string secondRoot = Crlf(".head 0 +  Application Description: x\n.head 1 -  A\n"
                                        ".head 0 -  Application Description: y\n");
    const Case cases[] = {
        {truncatedInData, ":4:", ".enddata"},
        {levelJump, ":4:", "level jump from 2 to 4"},
        {noEnd, ":3:", ".enddata"},
        {truncatedAfterPlus, ":9:", "truncated"},
        {badLevel, ":2:", "malformed .head"},
        {secondRoot, ":3:", "level 0"},
        {"", "", "no outline item"},
    };
    for (const Case& c : cases) {
        const std::string error = LoadError(tmp, c.bytes);
        EXPECT_NE(error.find(tmp.Path("bad.apt") + c.line), std::string::npos) << error;
        EXPECT_NE(error.find(c.words), std::string::npos) << error;
    }
    // Text that is not an outline in the indented layout either: an item of
    // depth 2 under depth 0 is a continuation, so this one loads as text.
    EXPECT_EQ(LoadError(tmp, notOutline), "");
}

TEST(BadInput, InvalidUtf16NamesTheLine)
{
    zvtest::TempDir tmp;
    std::string bytes = "\xFF\xFE";
    auto put = [&](const std::string& ascii) {
        for (char c : ascii) {
            bytes += c;
            bytes += '\0';
        }
    };
    put("Application Description: x\r\n\tLibraries\r\n\tGlobal Declarations ");
    bytes += std::string("\x00\xDC", 2);  // a lone low surrogate in line 3
    put("\r\n");
    const std::string error = LoadError(tmp, bytes);
    EXPECT_NE(error.find("bad.apt:3:"), std::string::npos) << error;
    EXPECT_NE(error.find("UTF-16"), std::string::npos) << error;
    std::string odd = bytes.substr(0, 40) + "x";
    EXPECT_NE(LoadError(tmp, odd).find("odd number"), std::string::npos);
}

TEST(BadInput, BinaryOutlineIsRefusedAndLeftAlone)
{
    zvtest::TempDir tmp;
    std::string binary("\x01\x00\x53\x41\x4C\x00\x00\x10\x00\x00\x02", 11);
    binary += std::string(200, '\0');
    const std::string path = tmp.Write("prog.app", binary);
    const auto stamp = std::filesystem::last_write_time(path);
    CGApplication app;
    EXPECT_EQ(app.LoadOutline(path), 0u);
    EXPECT_NE(CGApplication::GetLastError().find("binary outline: save it as text in the IDE"),
              std::string::npos);
    EXPECT_NE(CGApplication::GetLastError().find(path), std::string::npos);
    EXPECT_TRUE(zvtest::ReadBytes(path) == binary);
    EXPECT_EQ(std::filesystem::last_write_time(path), stamp);
}

TEST(BadInput, TenThousandLevelsEndInAnErrorNotACrash)
{
    zvtest::TempDir tmp;
    std::string text = ".head 0 +  Application Description: deep\r\n";
    for (int level = 1; level <= 10000; ++level)
        text += ".head " + std::to_string(level) + (level < 10000 ? " +  " : " -  ") + "Property: x\r\n";
    const std::string error = LoadError(tmp, text);
    EXPECT_NE(error.find("nesting deeper than"), std::string::npos) << error;
    EXPECT_NE(error.find("bad.apt:"), std::string::npos);
    std::string indented = "Application Description: deep\r\n";
    for (int level = 1; level <= 10000; ++level) indented += std::string(level, '\t') + "x\r\n";
    const std::string indentedError = LoadError(tmp, indented, "deep.apt");
    EXPECT_NE(indentedError.find("deep.apt:4098: nesting deeper than"), std::string::npos) << indentedError;
}

TEST(BadInput, BrokenLibraryIsReportedAndTheProgramStillLoads)
{
    zvtest::TempDir tmp;
    tmp.Write("broken.apl", Crlf(".head 0 +  Application Description: l\n.head 3 -  Oops\n"));
    const std::string program = tmp.Write("p.apt", Crlf(
        ".head 0 +  Application Description: p\n.head 1 +  Libraries\n"
        ".head 2 -  File Include: broken.apl\n"));
    Outline& o = LoadProgram(program, {});
    ASSERT_EQ(o.warnings.size(), 1u);
    EXPECT_NE(o.warnings[0].find("broken.apl:2: level jump"), std::string::npos) << o.warnings[0];
    EXPECT_NE(o.warnings[0].find("p.apt:3"), std::string::npos);
    Registry::Get().Destroy(o.Handle());
}

TEST(BadInput, FixtureFilesFailWhereTheyAreBroken)
{
    struct Case { const char* file; const char* where; };
    const Case cases[] = {
        {"bad/truncated-in-data.apt", "truncated-in-data.apt:5: data block without .enddata"},
        {"bad/level-jump.apt", "level-jump.apt:5: level jump from 2 to 4"},
        {"bad/data-without-enddata.apt", "data-without-enddata.apt:5: data block without .enddata"},
        {"bad/utf16-lone-surrogate.apt", "utf16-lone-surrogate.apt:6: invalid UTF-16"},
        {"bad/binary.app", "binary.app: binary outline: save it as text in the IDE"},
        {"bad/non-numeric-level.apt", "non-numeric-level.apt:4: malformed .head line"},
        {"bad/deep-nesting.apt", "deep-nesting.apt:4105: nesting deeper than 4096 levels"},
    };
    for (const Case& c : cases) {
        const std::string path = zvtest::Fixture(c.file);
        const std::string before = zvtest::ReadBytes(path);
        CGApplication app;
        EXPECT_EQ(app.LoadOutline(path), 0u) << c.file;
        EXPECT_NE(CGApplication::GetLastError().find(c.where), std::string::npos)
            << CGApplication::GetLastError();
        EXPECT_TRUE(zvtest::ReadBytes(path) == before) << c.file;
    }
    // A missing include is reported; the rest of the program loads.
    Outline& o = LoadProgram(zvtest::Fixture("bad/missing-include.apt"), {zvtest::Fixture("libs")});
    ASSERT_EQ(o.missing.size(), 1u);
    EXPECT_EQ(o.missing[0].name, "nowhere.apl");
    EXPECT_EQ(o.files.size(), 3u);  // the program, shelf.apl and units.apl
    Registry::Get().Destroy(o.Handle());
}
