// Window attribute blocks (.winattr ... .end) and the empty root-level item
// some libraries end with: loaded in both layouts, no items of their own,
// kept in place through edits; unknown column-0 markers are refused.
#include <gtest/gtest.h>

#include "TestFiles.h"
#include "platform/outline/Loader.h"
#include "platform/outline/Writer.h"

using namespace zv::outline;
using zvtest::Crlf;
using zvtest::ReadBytes;

namespace {

class WinAttr : public ::testing::TestWithParam<const char*> {};

TEST_P(WinAttr, MarkersAreNoItemsAndStayInPlaceThroughAnEdit)
{
    zvtest::TempDir tmp;
    const std::string path = tmp.Copy(std::string("realprog/") + GetParam(), "winattr.apt");
    CGApplication app;
    const HOUTLINE h = app.LoadOutline(path);
    ASSERT_NE(h, 0u) << CGApplication::GetLastError();
    // The check box's children are its attribute lines and its handlers, nothing else.
    CGItem box = zvtest::FindItem(h, "Check Box: cbTips");
    CGObjectList children;
    box.EnumChildObjects(children, 0, 0);
    std::vector<std::string> lines;
    for (const CGItem& child : children) lines.push_back(child.GetTitle(0));
    EXPECT_EQ(lines, (std::vector<std::string>{"Class Child Ref Key: 0", "Class ChildKey: 0", "Class: clsCheck",
                                               "Title: Show tips", "Message Actions"}));
    EXPECT_EQ(box.GetObjectClass(), "clsCheck");
    // The root has two children: the empty item after the tree is not one of them.
    CGApplication root(h);
    CGObjectList top;
    CGItem(h, root.GetItem()).EnumChildObjects(top, 0, 0);
    EXPECT_EQ(top.GetCount(), 3);

    const std::string before = ReadBytes(path);
    ASSERT_TRUE(zvtest::FindItem(h, "Title: Show tips").SetText("Hints"));
    SaveProgram(*Registry::Get().Find(h), path);
    app.UnloadOutline();
    const HOUTLINE again = app.LoadOutline(path);
    ASSERT_NE(again, 0u) << CGApplication::GetLastError();
    SaveProgram(*Registry::Get().Find(again), path);
    app.UnloadOutline();
    // Only the edited title differs: markers and the file's tail are where they were.
    std::string expected = before;
    const bool utf16 = before.size() >= 2 && before[0] == '\xFF';
    const std::string from = utf16 ? std::string("S\0h\0o\0w\0 \0t\0i\0p\0s\0", 18) : "Show tips";
    const std::string to = utf16 ? std::string("H\0i\0n\0t\0s\0", 10) : "Hints";
    expected.replace(expected.find(from), from.size(), to);
    EXPECT_EQ(ReadBytes(path), expected);
}

INSTANTIATE_TEST_SUITE_P(Layouts, WinAttr, ::testing::Values("winattr-header.apt", "winattr-indented-utf16.apt"));

std::string LoadError(const zvtest::TempDir& tmp, const std::string& bytes)
{
    const std::string path = tmp.Write("bad.apt", bytes);
    try {
        Registry::Get().Destroy(LoadProgram(path, {}).Handle());
    } catch (const CGKitError& e) {
        return e.what();
    }
    return {};
}

TEST(ColumnZero, UnknownMarkersAndSecondTreesAreRefusedWithFileAndLine)
{
    zvtest::TempDir tmp;
    EXPECT_NE(LoadError(tmp, Crlf("Application Description: x\n\tGlobal Declarations\n.winattrs\n"))
                  .find("bad.apt:3: unknown marker '.winattrs'"),
              std::string::npos);
    EXPECT_NE(LoadError(tmp, Crlf("Application Description: x\n\tGlobal Declarations\n.end of it\n"))
                  .find("bad.apt:3: unknown marker '.end'"),
              std::string::npos);
    // An empty root-level item is a tail only when nothing but blank lines follows it.
    EXPECT_NE(LoadError(tmp, Crlf(".head 0 +  Application Description: x\n.head 1 -  Libraries\n.head 0 -  \n"
                                  ".head 1 -  Global Declarations\n"))
                  .find("bad.apt:3: a second item of level 0"),
              std::string::npos);
    EXPECT_NE(LoadError(tmp, Crlf(".head 0 +  Application Description: x\n.head 1 -  Libraries\n.head 0 -  y\n"))
                  .find("bad.apt:3: a second item of level 0"),
              std::string::npos);
    EXPECT_EQ(LoadError(tmp, Crlf(".head 0 +  Application Description: x\n.head 1 -  Libraries\n.head 0 -  \n\n")),
              "");
    EXPECT_NE(LoadError(tmp, std::string(ReadBytes(zvtest::Fixture("bad/unknown-marker.apt"))))
                  .find("bad.apt:10: unknown marker '.wintitle' in column 0"),
              std::string::npos);
}

} // namespace
