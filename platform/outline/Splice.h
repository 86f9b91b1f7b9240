#pragma once
// Replacing the children of one item by new text, for an editor that changed
// only the lines below it: the rest of the outline keeps its items and handles.
#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/outline/Outline.h"

namespace zv::outline {

// fragment: the physical lines of the new children (in the file's layout),
// which start at line firstLine of the file and replace oldLineCount lines;
// the items of the file below move by the difference. The old children die
// (their indices are never reused). Returns the new children's indices in
// outline order. Throws CGKitError naming the file and line for text that is
// no outline, or children that would not stay below parent; then nothing changed.
std::vector<std::int32_t> ReplaceChildren(Outline& outline, std::int32_t parent, std::string_view fragment,
                                          std::uint32_t firstLine, std::uint32_t oldLineCount);

} // namespace zv::outline
