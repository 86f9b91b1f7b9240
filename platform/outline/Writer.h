#pragma once
// Writing an outline back in the layout, encoding and line ends it was read with.
#include <string>

#include "platform/outline/Outline.h"

namespace zv::outline {

// The bytes of the program file (file 0) of the outline; library items are left out.
std::string SerializeProgram(const Outline& outline, Layout layout, Encoding encoding);
// Writes atomically: a temporary file beside the target, then a rename.
// Throws CGKitError naming the file on failure; the target is then untouched.
void SaveProgram(const Outline& outline, const std::string& path);

} // namespace zv::outline
