// zavora-lsp: a language server for SAL programs over stdio.
#include <cstring>
#include <iostream>

#include "engine/Zavora.h"
#include "lsp/Server.h"
#include "lsp/Version.h"

namespace {

const char* kUsage =
    "usage: zavora-lsp [--help] [--version]\n"
    "\n"
    "A Language Server Protocol server for SAL programs, over stdin and stdout.\n"
    "Start it from an editor's language client. Settings come from the client's\n"
    "initializationOptions or from zavora.json in the workspace root:\n"
    "  libPath   folders searched for File Include: libraries\n"
    "  context   the SAL context outline (default: SalContext41.apl beside zavora-lsp)\n"
    "  encoding  code page of files read from disk without BOM: cp1252 (default) or utf-8\n"
    "Logs go to stderr.\n";

} // namespace

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--help") || !std::strcmp(argv[i], "-h")) {
            std::cout << kUsage;
            return 0;
        }
        if (!std::strcmp(argv[i], "--version")) {
            std::cout << "zavora-lsp " << zv::lsp::kZavoraLspVersion << "\n";
            return 0;
        }
        if (!std::strcmp(argv[i], "--stdio")) continue;  // what most clients pass
        std::cerr << "zavora-lsp: unknown option " << argv[i] << "\n" << kUsage;
        return 2;
    }
    std::ios::sync_with_stdio(false);
    int code = 1;
    {
        zv::lsp::Server server(std::cout);
        code = server.Run(std::cin);
    }
    CZavoraApp::Destroy();
    return code;
}
