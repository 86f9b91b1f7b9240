// zavora-gensal: writes a synthetic SAL program for benchmarks and manual tests.
#include "SalGenerator.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

int Usage() {
    std::fprintf(stderr, "usage: zavora-gensal --bytes N [--seed S] [--indented] -o FILE\n");
    return 2;
}

bool ParseNumber(const char* text, unsigned long long& out) {
    if (!text || !*text) return false;
    char* end = nullptr;
    out = std::strtoull(text, &end, 10);
    return *end == '\0' && text[0] != '-';
}

}  // namespace

int main(int argc, char** argv) {
    unsigned long long bytes = 0, seed = 1;
    bool haveBytes = false, indented = false;
    const char* output = nullptr;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        if (std::strcmp(arg, "--bytes") == 0) {
            if (!ParseNumber(value, bytes)) return Usage();
            haveBytes = true;
            ++i;
        } else if (std::strcmp(arg, "--seed") == 0) {
            if (!ParseNumber(value, seed) || seed > 0xFFFFFFFFull) return Usage();
            ++i;
        } else if (std::strcmp(arg, "--indented") == 0) {
            indented = true;
        } else if (std::strcmp(arg, "-o") == 0 && value) {
            output = value;
            ++i;
        } else {
            return Usage();
        }
    }
    if (!haveBytes || !output) return Usage();

    const auto program = zavora::bench::GenerateSalProgram(static_cast<std::size_t>(bytes),
                                                           static_cast<unsigned>(seed), indented);
    // Write beside the target and rename, so a failed run never leaves half a file.
    const std::string temp = std::string(output) + ".tmp";
    std::FILE* f = std::fopen(temp.c_str(), "wb");
    if (!f) {
        std::fprintf(stderr, "zavora-gensal: %s: cannot create: %s\n", temp.c_str(), std::strerror(errno));
        return 1;
    }
    const bool written = std::fwrite(program.text.data(), 1, program.text.size(), f) == program.text.size();
    if (std::fclose(f) != 0 || !written) {
        std::fprintf(stderr, "zavora-gensal: %s: write failed\n", temp.c_str());
        std::remove(temp.c_str());
        return 1;
    }
    if (std::rename(temp.c_str(), output) != 0) {
        std::fprintf(stderr, "zavora-gensal: %s: cannot replace: %s\n", output, std::strerror(errno));
        std::remove(temp.c_str());
        return 1;
    }
    std::printf("%s: %zu bytes, %zu items\n", output, program.text.size(), program.items);
    return 0;
}
