// Synthetic SAL programs for the benchmarks: large, realistic and fully
// resolvable, so that loading, parsing and cross-referencing them measures the
// same work a real program of that size causes.
#pragma once

#include <cstddef>
#include <string>

namespace zavora::bench {

struct GeneratedProgram {
    std::string text;   // the exact bytes of the file: ASCII, CR LF
    std::size_t items;  // outline items in it (continuation lines and data blocks not counted)
};

// A program of at least targetBytes bytes; from about 100 kB on at most a few
// percent more (below that, the smallest complete program: some tens of kB).
// The header layout has roughly one item per 45 bytes, as real programs do; the
// indented layout spends fewer bytes per item. The same arguments always give
// the same text.
//
// Every name the code uses is declared in the program or is a SAL built-in from
// resources/sal-builtins.txt, so a correct parser reports nothing unresolved.
GeneratedProgram GenerateSalProgram(std::size_t targetBytes, unsigned seed = 1,
                                    bool indentedLayout = false);

}  // namespace zavora::bench
