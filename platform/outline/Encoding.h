#pragma once
// Decoding outline files into UTF-8 and back, byte for byte.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/outline/Outline.h"

namespace zv::outline {

struct Decoded {
    std::string text;     // UTF-8, without BOM
    Encoding encoding = Encoding::Cp1252;
};

// How a file without BOM is read: guessed (UTF-8 when its bytes are valid
// UTF-8, else code page 1252), or always in the code page a user chose.
enum class NoBom : std::uint8_t { Guess, Cp1252, Utf8 };

// Throws CGKitError naming the file and line for text that cannot be decoded
// (an invalid UTF-16 or UTF-8 sequence, a binary outline).
Decoded DecodeFile(std::string_view bytes, const std::string& path, NoBom noBom = NoBom::Guess);
// The reverse of DecodeFile; throws CGKitError for characters the encoding cannot hold.
std::string EncodeText(std::string_view utf8, Encoding encoding, const std::string& path);

bool IsValidUtf8(std::string_view text);
void AppendCp1252AsUtf8(std::string& out, std::string_view bytes);

} // namespace zv::outline
