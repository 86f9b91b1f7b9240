#pragma once
// Decoding outline files into UTF-8 and back, byte for byte.
#include <string>
#include <string_view>

#include "platform/outline/Outline.h"

namespace zv::outline {

struct Decoded {
    std::string text;     // UTF-8, without BOM
    Encoding encoding = Encoding::Cp1252;
};

// Throws CGKitError naming the file and line for text that cannot be decoded
// (an invalid UTF-16 sequence, a binary outline).
Decoded DecodeFile(std::string_view bytes, const std::string& path);
// The reverse of DecodeFile; throws CGKitError for characters the encoding cannot hold.
std::string EncodeText(std::string_view utf8, Encoding encoding, const std::string& path);

bool IsValidUtf8(std::string_view text);
void AppendCp1252AsUtf8(std::string& out, std::string_view bytes);

} // namespace zv::outline
