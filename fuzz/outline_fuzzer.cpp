// libFuzzer target: see fuzz/Entries.h.
#include "fuzz/Entries.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    zvfuzz::OutlineInput(data, size);
    return 0;
}
