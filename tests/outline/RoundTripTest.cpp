// Loading then saving an unchanged outline gives the same bytes, in every
// layout and encoding; edits keep the file's encoding and line ends.
#include <gtest/gtest.h>

#include <filesystem>

#include "TestFiles.h"
#include "platform/outline/Loader.h"
#include "platform/outline/Writer.h"

using namespace zv::outline;
using zvtest::Fixture;
using zvtest::ReadBytes;

namespace {

std::vector<std::string> AllFixtureOutlines()
{
    std::vector<std::string> out;
    for (const char* dir : {ZV_FIXTURES_DIR, ZV_EXAMPLES_DIR}) {
        if (!std::filesystem::exists(dir)) continue;
        for (const auto& e : std::filesystem::recursive_directory_iterator(dir)) {
            const std::string path = e.path().string();
            const auto ext = e.path().extension().string();
            if ((ext == ".apt" || ext == ".apl" || ext == ".app") &&
                path.find("/bad/") == std::string::npos)
                out.push_back(path);
        }
    }
    return out;
}

} // namespace

TEST(RoundTrip, EveryFixtureSavesToIdenticalBytes)
{
    const auto files = AllFixtureOutlines();
    ASSERT_FALSE(files.empty());
    for (const auto& path : files) {
        SCOPED_TRACE(path);
        Outline* o = nullptr;
        try {
            o = &LoadProgram(path, {});
        } catch (const CGKitError& e) {
            ADD_FAILURE() << e.what();
            continue;
        }
        const std::string bytes = ReadBytes(path);
        EXPECT_TRUE(SerializeProgram(*o, o->files[0].layout, o->files[0].encoding) == bytes);
        zvtest::TempDir tmp;
        const std::string out = tmp.Path("copy" + std::filesystem::path(path).extension().string());
        SaveProgram(*o, out);
        EXPECT_TRUE(ReadBytes(out) == bytes);
        Registry::Get().Destroy(o->Handle());
    }
}

TEST(RoundTrip, BothLayoutsOfTheSampleHoldTheSameItems)
{
    Outline& header = LoadProgram(Fixture("orders.apt"), {});
    Outline& indented = LoadProgram(Fixture("orders-indented-utf16.apt"), {});
    EXPECT_EQ(header.files[0].layout, Layout::Header);
    EXPECT_EQ(header.files[0].encoding, Encoding::Cp1252);
    EXPECT_EQ(indented.files[0].layout, Layout::Indented);
    EXPECT_EQ(indented.files[0].encoding, Encoding::Utf16LeBom);
    std::int32_t a = header.root, b = indented.root;
    int count = 0;
    while (a >= 0 && b >= 0) {
        ASSERT_EQ(header.items[a].line, indented.items[b].line) << "item " << count;
        ASSERT_EQ(header.items[a].type, indented.items[b].type) << header.items[a].line;
        ASSERT_EQ(header.Depth(a), indented.Depth(b)) << header.items[a].line;
        a = header.NextInOrder(a, header.root);
        b = indented.NextInOrder(b, indented.root);
        ++count;
    }
    EXPECT_EQ(a, b);
    EXPECT_GT(count, 400);
    // Accented letters of code page 1252 arrive as UTF-8 in memory.
    bool foundUmlaut = false;
    for (const auto& item : header.items)
        if (item.line.find("Pr\xC3\xBC" "fung") != std::string::npos) foundUmlaut = true;
    EXPECT_TRUE(foundUmlaut);
    Registry::Get().Destroy(header.Handle());
    Registry::Get().Destroy(indented.Handle());
}

TEST(RoundTrip, EditedOutlineKeepsEncodingLineEndsAndContinuationBreaks)
{
    zvtest::TempDir tmp;
    const std::string path = tmp.Copy("orders-indented-utf16.apt", "orders.apt");
    tmp.Copy("common.apl", "common.apl");
    CGApplication app;
    const HOUTLINE h = app.LoadOutline(path);
    ASSERT_NE(h, 0u) << CGApplication::GetLastError();
    CGItem set = zvtest::FindItem(h, "Set rsName = gsCustomerName");
    ASSERT_TRUE(set.GetItem());
    ASSERT_TRUE(set.SetText("rsName = 'M\xC3\xBCller'"));
    Outline* o = Registry::Get().Find(h);
    SaveProgram(*o, path);
    const std::string bytes = ReadBytes(path);
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes.substr(0, 2), "\xFF\xFE");
    // 'M', 'u-umlaut' as UTF-16LE
    EXPECT_NE(bytes.find(std::string("M\0\xFC\0l\0l\0", 8)), std::string::npos);
    app.UnloadOutline();
    CGApplication again;
    const HOUTLINE h2 = again.LoadOutline(path);
    ASSERT_NE(h2, 0u);
    EXPECT_EQ(zvtest::FindItem(h2, "Set rsName").GetText(), "rsName = 'M\xC3\xBCller'");
    // The multi-line SQL string still spans two lines.
    CGItem sql = zvtest::FindItem(h2, "If NOT SqlPrepareAndExecute( ghSql, 'INSERT");
    EXPECT_NE(sql.GetText().find("\nVALUES"), std::string::npos);
    again.UnloadOutline();
}

TEST(RoundTrip, TextThatTheEncodingCannotHoldLeavesTheFileUntouched)
{
    zvtest::TempDir tmp;
    const std::string path = tmp.Copy("orders.apt", "orders.apt");
    tmp.Copy("common.apl", "common.apl");
    const std::string before = ReadBytes(path);
    Outline& o = LoadProgram(path, {});
    CGItem item(o.Handle(), 0);
    for (std::int32_t i = o.root; i >= 0; i = o.NextInOrder(i, o.root))
        if (o.items[i].line == "Set bLoaded = FALSE") item.Initialize(o.Handle(), o.ItemHandle(i));
    ASSERT_TRUE(item.SetText("bLoaded = '\xE2\x98\x83'"));  // a snowman: not in code page 1252
    try {
        SaveProgram(o, path);
        ADD_FAILURE() << "saved a character cp1252 cannot hold";
    } catch (const CGKitError& e) {
        EXPECT_NE(std::string(e.what()).find(path), std::string::npos);
        EXPECT_NE(std::string(e.what()).find("1252"), std::string::npos);
    }
    EXPECT_TRUE(ReadBytes(path) == before);
    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(path).parent_path()))
        EXPECT_EQ(entry.path().string().find(".zvtmp"), std::string::npos) << entry.path();
    Registry::Get().Destroy(o.Handle());
}

TEST(RoundTrip, LineEndsAndFinalLineAreKeptAsRead)
{
    zvtest::TempDir tmp;
    const std::string lf = ".head 0 +  Application Description: x\n.head 1 -  Libraries";  // LF, no final end
    const std::string mixed =
        ".head 0 +  Application Description: x\r\n.head 1 -  Libraries\n.head 1 +  Global Declarations\r\n"
        ".head 2 -  Variables\r\n";
    const std::string utf8 = "\xEF\xBB\xBF.head 0 +  Application Description: \xC3\xA9t\xC3\xA9\r\n"
                             ".head 1 -  Libraries\r\n";
    for (const std::string& text : {lf, mixed, utf8}) {
        const std::string path = tmp.Write("x.apt", text);
        Outline& o = LoadProgram(path, {});
        EXPECT_TRUE(SerializeProgram(o, o.files[0].layout, o.files[0].encoding) == text) << text;
        Registry::Get().Destroy(o.Handle());
    }
}

TEST(RoundTrip, SevenLayoutAndEncodingVariantsReadAlike)
{
    const char* variants[] = {"mini-header-cp1252.apt",  "mini-header-utf8.apt",
                              "mini-header-utf8bom.apt", "mini-header-utf16.apt",
                              "mini-indented-cp1252.apt", "mini-indented-utf8bom.apt",
                              "mini-indented-utf16.apt"};
    const Encoding encodings[] = {Encoding::Cp1252, Encoding::Utf8, Encoding::Utf8Bom, Encoding::Utf16LeBom,
                                  Encoding::Cp1252, Encoding::Utf8Bom, Encoding::Utf16LeBom};
    std::vector<std::string> reference;
    for (std::size_t v = 0; v < std::size(variants); ++v) {
        SCOPED_TRACE(variants[v]);
        Outline& o = LoadProgram(Fixture(std::string("layouts/") + variants[v]), {Fixture("libs")});
        EXPECT_EQ(o.files[0].encoding, encodings[v]);
        EXPECT_EQ(o.files[0].layout, v < 4 ? Layout::Header : Layout::Indented);
        EXPECT_EQ(o.files.size(), 3u);  // shelf.apl from the search path, units.apl beside it, once each
        std::vector<std::string> lines;
        for (std::int32_t i = o.root; i >= 0; i = o.NextInOrder(i, o.root))
            lines.push_back(std::to_string(o.Depth(i)) + " " + std::to_string(o.items[i].type) + " " +
                            o.items[i].line + (o.items[i].data ? " +data" : ""));
        if (reference.empty()) {
            reference = lines;
        } else {
            EXPECT_EQ(lines, reference);
        }
        Registry::Get().Destroy(o.Handle());
    }
    EXPECT_GT(reference.size(), 50u);
}
