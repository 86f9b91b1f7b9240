// libFuzzer target: see fuzz/Entries.h.
#include "fuzz/Entries.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    zvfuzz::ScannerInput(data, size);
    return 0;
}
