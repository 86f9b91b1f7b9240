// File Include: libraries found beside the program or on the search path,
// nested, each once, cycles tolerated, missing ones reported; their items
// are read-only and know the include that brought them.
#include <gtest/gtest.h>

#include "TestFiles.h"
#include "platform/outline/HostState.h"
#include "platform/outline/Loader.h"

using namespace zv::outline;
using zvtest::Crlf;
using zvtest::FindItem;

namespace {

std::string Program(const std::string& includes, const std::string& function)
{
    return Crlf(".head 0 +  Application Description: p\n"
                ".head 1 +  Libraries\n" +
                includes +
                ".head 1 +  Global Declarations\n"
                ".head 2 +  Internal Functions\n"
                ".head 3 -  Function: " + function + "\n");
}

} // namespace

TEST(Libraries, MergedReadOnlyAndTracedToTheirInclude)
{
    CGApplication app;
    const HOUTLINE h = app.LoadOutline(zvtest::Fixture("orders.apt"));
    ASSERT_NE(h, 0u);
    CGItem logWrite = FindItem(h, "Function: LogWrite");
    ASSERT_TRUE(logWrite.GetItem());
    EXPECT_NE(logWrite.IsReadOnly(), 0);
    EXPECT_FALSE(logWrite.SetName("Other"));
    EXPECT_FALSE(logWrite.Delete());
    EXPECT_EQ(logWrite.GetName(), "LogWrite");
    CGItem include(h, SalOutlineGetIncludingItem(h, logWrite.GetItem()));
    EXPECT_EQ(include.GetTitle(0), "File Include: common.apl");
    EXPECT_NE(logWrite.GetFileName().find("common.apl"), std::string::npos);
    // Library functions sit in the program's own Internal Functions section.
    CGItem parent;
    logWrite.GetParentItem(parent);
    EXPECT_EQ(parent.GetItemType(), ItemType::InternalFunctions);
    EXPECT_EQ(parent.IsReadOnly(), 0);
    CGItem connect = FindItem(h, "Function: Connect");
    EXPECT_EQ(connect.IsReadOnly(), 0);
    EXPECT_EQ(SalOutlineGetIncludingItem(h, connect.GetItem()), 0u);
    CGItem parentOfConnect;
    connect.GetParentItem(parentOfConnect);
    EXPECT_EQ(parentOfConnect.GetItem(), parent.GetItem());
    // The library's classes are found by name like the program's.
    CGClass counter;
    EXPECT_TRUE(app.GetClass("CCOUNTER", counter));
    app.UnloadOutline();
}

TEST(Libraries, NestedCyclicMissingAndSearchPath)
{
    zvtest::TempDir tmp;
    const std::string program = tmp.Write("app/main.apt",
        Program(".head 2 -  File Include: A.APL\n"
                ".head 2 -  File Include: ..\\shared\\b.apl\n"
                ".head 2 -  File Include: gone.apl\n"
                ".head 2 -  File Include: onpath.apl\n", "Main"));
    tmp.Write("app/a.apl", Program(".head 2 -  File Include: a.apl\n"
                                   ".head 2 -  File Include: c.apl\n", "FromA"));
    tmp.Write("shared/b.apl", Program(".head 2 -  File Include: ../app/a.apl\n", "FromB"));
    tmp.Write("app/c.apl", Program(".head 2 -  File Include: main.apt\n", "FromC"));
    tmp.Write("lib/onpath.apl", Program("", "FromPath"));

    Outline& o = LoadProgram(program, {tmp.Path("lib")});
    std::vector<std::string> functions;
    for (std::int32_t i = o.root; i >= 0; i = o.NextInOrder(i, o.root))
        if (o.items[i].type == ItemType::Function) functions.emplace_back(o.items[i].Text());
    const std::vector<std::string> expected = {"Main", "FromA", "FromB", "FromPath", "FromC"};
    EXPECT_EQ(functions, expected);
    ASSERT_EQ(o.missing.size(), 1u);
    EXPECT_EQ(o.missing[0].name, "gone.apl");
    EXPECT_NE(o.missing[0].includedFrom.find("main.apt:5"), std::string::npos);
    EXPECT_EQ(o.files.size(), 5u);  // program, a, b, onpath, c: each once
    // The nested library's items point at the program's include that led to them.
    for (std::int32_t i = o.root; i >= 0; i = o.NextInOrder(i, o.root))
        if (o.items[i].line == "Function: FromC") {
            EXPECT_EQ(o.items[o.items[i].includeItem].line, "File Include: A.APL");
        }
    Registry::Get().Destroy(o.Handle());
}

TEST(Libraries, MissingLibraryIsReportedInTheOutputWindow)
{
    zvtest::TempDir tmp;
    const std::string program = tmp.Write("p.apt", Program(".head 2 -  File Include: nowhere.apl\n", "F"));
    auto& host = zv::host::HostState::Get();
    host.output.clear();
    CGApplication app;
    ASSERT_NE(app.LoadOutline(program), 0u);
    ASSERT_EQ(host.output.size(), 1u);
    EXPECT_NE(host.output[0].text.find("nowhere.apl"), std::string::npos);
    EXPECT_NE(host.output[0].text.find("p.apt:3"), std::string::npos);
    EXPECT_EQ(CGItem(app.GetOutline(), host.output[0].item).GetTitle(0), "File Include: nowhere.apl");
    app.UnloadOutline();
}

TEST(Libraries, SavingTheProgramLeavesLibraryItemsOut)
{
    zvtest::TempDir tmp;
    const std::string program = tmp.Copy("orders.apt", "orders.apt");
    tmp.Copy("common.apl", "common.apl");
    CGApplication app;
    const HOUTLINE h = app.LoadOutline(program);
    ASSERT_NE(h, 0u);
    // An edit next to library items in a merged section.
    CGItem connect = FindItem(h, "Function: Connect");
    ASSERT_TRUE(connect.SetName("OpenDatabase"));
    std::string error;
    ASSERT_TRUE(zv::host::SaveOutline(h, program, &error)) << error;
    std::string expected = zvtest::ReadBytes(zvtest::Fixture("orders.apt"));
    expected.replace(expected.find("Function: Connect"), 17, "Function: OpenDatabase");
    EXPECT_TRUE(zvtest::ReadBytes(program) == expected);
    app.UnloadOutline();
}
