#pragma once
// Splits the text of one outline item into SAL tokens. Positions are byte
// offsets into the text, so callbacks can point at the exact characters.
#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/outline/Ident.h"

enum class SalTok : std::uint8_t {
    Ident, Number, String, Operator, // Operator: + - * / || = != <> < > <= >= & |
    And, Or, Not,                    // the word operators
    LParen, RParen, LBracket, RBracket, Comma, Dot, DotDot, Colon,
    Other,                           // a character SAL has no use for
};

struct SalToken {
    SalTok kind;
    bool unterminated = false;       // a string without its closing quote
    int pos;
    int len;
};

class CSalScanner {
public:
    virtual ~CSalScanner() = default;
    // Appends the tokens of text to out (which is cleared first).
    virtual void Scan(std::string_view text, std::vector<SalToken>& out);
};

namespace zv::lang {

using outline::IdentCharLen;
using outline::IdentLength;

// Byte by byte, for scans that cannot decode (backwards, inside binds): the
// bytes of a letter beyond ASCII count as identifier characters.
inline bool IsIdentStart(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || (u >= 0xC2 && u <= 0xC6);
}
inline bool IsIdentChar(char c) { return outline::IsIdentByte(c); }

// The length of the letter (or '_') that starts a name at text[i], 0 if none.
inline std::size_t IdentStartLen(std::string_view text, std::size_t i)
{
    const char c = text[i];
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_') return 1;
    return (static_cast<unsigned char>(c) & 0x80) ? outline::WideLetterLen(text, i) : 0;
}

// The end of a string literal that starts at text[pos] (a quote). A
// backslash escapes the next character, unless the literal would then run
// to the end of the text: paths like 'C:\' are written without escapes.
int StringEnd(std::string_view text, int pos, bool* unterminated);

} // namespace zv::lang
