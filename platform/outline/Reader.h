#pragma once
// Reading the two text layouts into the outline model.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/outline/Outline.h"

namespace zv::outline {

// Parses decoded text (UTF-8) of file `fileIndex` into `outline` as a tree of
// its own; returns the index of its root item. Throws CGKitError naming the
// file and line on malformed input.
std::int32_t ParseOutlineText(Outline& outline, std::uint16_t fileIndex, std::string_view text);

// Reads and decodes a file, refusing what is not a text outline.
std::string ReadFileBytes(const std::string& path);

} // namespace zv::outline
