// Neovim, headless, as the client of the real executable.
#include "tests/lsp/LspClient.h"

namespace zv::lsp::test {
namespace {

TEST(LspEditor, NeovimNavigatesRenamesAndSeesDiagnostics)
{
    if (std::system("command -v nvim > /dev/null 2>&1") != 0) GTEST_SKIP() << "nvim is not installed";
    Scratch scratch;
    scratch.Copy(Example("stocklib.apl"));
    const std::string program = scratch.Copy(Example("stockroom.apt"));
    const std::string out = scratch.Dir() + "/answers.txt";
    const std::string command = "cd " + scratch.Dir() + " && HOME=" + scratch.Dir() + " ZV_SERVER=" + ZV_BIN_DIR +
                                "/zavora-lsp ZV_PROGRAM=" + program + " ZV_CONTEXT=" + Context() + " ZV_OUT=" + out +
                                " timeout 120 nvim --headless --clean -n -c 'luafile " + ZV_LSP_TESTS_DIR +
                                "/nvim-client.lua' > /dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    std::ifstream in(out);
    std::map<std::string, std::vector<std::string>> answers;
    for (std::string line; std::getline(in, line);) {
        const std::size_t blank = line.find(' ');
        answers[line.substr(0, blank)].push_back(blank == std::string::npos ? "" : line.substr(blank + 1));
    }
    EXPECT_FALSE(answers.count("error")) << answers["error"][0];
    EXPECT_EQ(answers["definition"], std::vector<std::string>{"280 21"});
    EXPECT_EQ(answers["references"], std::vector<std::string>{"4"});  // three uses and the declaration
    EXPECT_EQ(answers["incoming"], std::vector<std::string>{"dlgCount::SaveCount,dlgMove::Book"});
    EXPECT_EQ(answers["renamed"], std::vector<std::string>{"4"});
    ASSERT_EQ(answers["diagnostic"].size(), 1u);
    EXPECT_NE(answers["diagnostic"][0].find("'pnUnknown'"), std::string::npos) << answers["diagnostic"][0];
    EXPECT_EQ(answers["diagnostic"][0].rfind("242 ", 0), 0u);
}

} // namespace
} // namespace zv::lsp::test
