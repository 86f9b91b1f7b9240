#pragma once
// The base protocol of the language server: messages framed by a
// Content-Length header, over a byte stream.
#include <istream>
#include <ostream>
#include <string>

namespace zv::lsp {

enum class ReadResult { Message, End, Malformed };

// Reads one message body. Malformed: the header block had no usable
// Content-Length; the block is skipped, so the next message can still be read.
ReadResult ReadMessage(std::istream& in, std::string& body, std::string& error);
void WriteMessage(std::ostream& out, const std::string& body);

} // namespace zv::lsp
