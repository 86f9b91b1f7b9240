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
    "  parse FILE [--unresolved]        parse; print counts and the time of each phase;\n"
    "                                   --unresolved lists every name that did not resolve\n"
    "  refs FILE SYMBOL                 every reference: file, line, context, the line, assigned/modified\n"
    "  callers FILE SYMBOL              the functions and handlers that call SYMBOL\n"
    "  callees FILE SYMBOL [--depth N]  what SYMBOL calls, with late-bound overrides, N levels deep\n"
    "  bases FILE CLASS                 the base classes of CLASS, depth first\n"
    "  subclasses FILE CLASS            the classes and windows made from CLASS\n"
    "  unref FILE [--filter NAME] [--below SYMBOL] [--fail-on-findings]\n"
    "                                   the symbols nothing refers to (exit 1 on findings if asked)\n"
    "  rename FILE SYMBOL NEWNAME (-o OUT | --dry-run)\n"
    "                                   rename everywhere; write the program to OUT or show the changes\n"
    "  graph FILE (--calls | --classes) [--from SYMBOL] [--format dot|json]\n"
    "                                   the call graph or the class hierarchy\n"
    "SYMBOL is a name path (frmOrders::dfCustomer) or a bare name when unique; case does not matter.\n"
    "Common: --lib-path DIR (repeatable), --context FILE (the SAL context outline), --json.\n";

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
    if (command == "refs") return RunRefsCommand(args);
    if (command == "callers") return RunCallersCommand(args);
    if (command == "callees") return RunCalleesCommand(args);
    if (command == "bases") return RunBasesCommand(args);
    if (command == "subclasses") return RunSubclassesCommand(args);
    if (command == "unref") return RunUnrefCommand(args);
    if (command == "rename") return RunRenameCommand(args);
    if (command == "graph") return RunGraphCommand(args);
    std::fprintf(stderr, "zavora-xref: unknown command '%s'\n%s", command.c_str(), kUsage);
    return 2;
}

