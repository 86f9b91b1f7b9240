#pragma once
// Loading a program with its libraries: `File Include:` items are looked up
// beside the including file, then in the search path; each library is read
// once, merged into the program's tree and marked read-only.
#include <functional>
#include <string>
#include <vector>

#include "platform/outline/Encoding.h"
#include "platform/outline/Outline.h"

namespace zv::outline {

// Throws CGKitError (file and line) when the program itself cannot be read;
// a library that is missing or broken is recorded in Outline::missing /
// warnings and the rest still loads.
Outline& LoadProgram(const std::string& path, const std::vector<std::string>& searchPath);

// The text of files an editor holds open (UTF-8), read in place of what is on
// disk; null for a file that is to be read from disk.
// noBom: how the files read from disk that have no BOM are decoded.
using TextOverlay = std::function<const std::string*(const std::string& path)>;
Outline& LoadProgram(const std::string& path, const std::vector<std::string>& searchPath,
                     const TextOverlay& overlay, NoBom noBom = NoBom::Guess);

// The search path used by CGApplication::LoadOutline.
std::vector<std::string>& LibrarySearchPath();

// Finds a file whose name may differ in case or use '\' (names written on
// Windows); empty when there is none.
std::string FindFileNoCase(const std::string& directory, const std::string& name);

} // namespace zv::outline
