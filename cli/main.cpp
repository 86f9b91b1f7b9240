// zavora-xref: the command-line front end.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "cli/Commands.h"

namespace {

const char* kUsage =
    "usage: zavora-xref COMMAND FILE [arguments] [--lib-path DIR]...\n"
    "commands:\n"
    "  outline FILE [--dump] [-o OUT]   load the program and its libraries; print a summary,\n"
    "                                   the tree with codes (--dump), or save it to OUT (-o)\n"
    "  parse FILE [--unresolved] [--json] [--context FILE]\n"
    "                                   parse and print counts; --unresolved lists what did not resolve\n";

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2 || !std::strcmp(argv[1], "--help") || !std::strcmp(argv[1], "-h")) {
        std::fputs(kUsage, argc < 2 ? stderr : stdout);
        return argc < 2 ? 2 : 0;
    }
    const std::string command = argv[1];
    const std::vector<std::string> args(argv + 2, argv + argc);
    if (command == "outline") return RunOutlineCommand(args);
    if (command == "parse") return RunParseCommand(args);
    std::fprintf(stderr, "zavora-xref: unknown command '%s'\n%s", command.c_str(), kUsage);
    return 2;
}

// Until the language service is linked in.
__attribute__((weak)) int RunParseCommand(const std::vector<std::string>&)
{
    std::fprintf(stderr, "zavora-xref: parse is not available in this build\n");
    return 2;
}
