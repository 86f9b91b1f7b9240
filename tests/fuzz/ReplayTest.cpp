// Replays through the entry points of the fuzz targets every input they once
// found (tests/fixtures/fuzz/TARGET-*), so that each fault stays fixed, and
// every project fixture, so that their invariants hold on real files too.
#include <gtest/gtest.h>

#include <stdexcept>

#define ZVFUZZ_FAIL(what) throw std::logic_error(what)
#include "fuzz/Entries.h"

namespace fs = std::filesystem;

namespace {

using Entry = void (*)(const std::uint8_t*, std::size_t);

std::string Bytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void Replay(Entry entry, const fs::path& file)
{
    const std::string bytes = Bytes(file);
    EXPECT_NO_THROW(entry(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size())) << file;
}

// The target a finding was made by: the start of its file name.
Entry EntryFor(const std::string& name)
{
    if (name.rfind("outline-", 0) == 0) return zvfuzz::OutlineInput;
    if (name.rfind("scanner-", 0) == 0) return zvfuzz::ScannerInput;
    if (name.rfind("parser-", 0) == 0) return zvfuzz::ParserInput;
    return nullptr;
}

// The outlines of the project: fixtures (but the fuzz findings) and examples.
std::vector<fs::path> ProjectOutlines()
{
    std::vector<fs::path> out;
    for (const char* dir : {ZV_FIXTURES_DIR, ZV_EXAMPLES_DIR})
        for (const auto& e : fs::recursive_directory_iterator(dir)) {
            const std::string ext = e.path().extension().string();
            if (e.is_regular_file() && (ext == ".apt" || ext == ".apl" || ext == ".app") &&
                e.path().string().find("/fixtures/fuzz/") == std::string::npos)
                out.push_back(e.path());
        }
    return out;
}

} // namespace

TEST(FuzzFindings, EachStaysFixed)
{
    const fs::path folder = fs::path(ZV_FIXTURES_DIR) / "fuzz";
    if (!fs::is_directory(folder)) GTEST_SKIP() << "no findings yet";
    for (const auto& e : fs::directory_iterator(folder)) {
        const Entry entry = EntryFor(e.path().filename().string());
        ASSERT_NE(entry, nullptr) << e.path() << ": name it after its target (outline-, scanner-, parser-)";
        Replay(entry, e.path());
    }
}

// Each project outline, alone and with the libraries it is meant to include,
// comes back byte for byte and parses with every reference inside its item.
TEST(FuzzEntries, ProjectOutlinesKeepTheInvariants)
{
    const std::vector<fs::path> files = ProjectOutlines();
    ASSERT_GE(files.size(), 20u);
    for (const fs::path& file : files) {
        Replay(zvfuzz::OutlineInput, file);
        Replay(zvfuzz::ParserInput, file);
    }
    const fs::path fixtures(ZV_FIXTURES_DIR);
    const std::string withLibs = Bytes(fixtures / "layouts" / "mini-header-cp1252.apt") +
                                 "\n@@lib shelf.apl\n" + Bytes(fixtures / "libs" / "shelf.apl") +
                                 "\n@@lib units.apl\n" + Bytes(fixtures / "libs" / "units.apl");
    EXPECT_NO_THROW(zvfuzz::OutlineInput(reinterpret_cast<const std::uint8_t*>(withLibs.data()), withLibs.size()));
}

// The outline input names its libraries; no name leaves the scratch folder.
TEST(FuzzEntries, LibraryNamesStayInTheScratchFolder)
{
    const auto parts = zvfuzz::SplitParts("prog\n@@lib ../../etc/x.apl\nA\n@@lib Shelf.APL\r\nB\n@@lib p.apt\nC");
    ASSERT_EQ(parts.size(), 4u);
    EXPECT_EQ(parts[0].name, "p.apt");
    EXPECT_EQ(parts[0].bytes, "prog");
    EXPECT_EQ(parts[1].name, "lib1.apl");
    EXPECT_EQ(parts[1].bytes, "A");
    EXPECT_EQ(parts[2].name, "Shelf.APL");
    EXPECT_EQ(parts[3].name, "lib3.apl");
    EXPECT_EQ(parts[3].bytes, "C");
}
