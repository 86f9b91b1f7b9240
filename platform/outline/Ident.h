#pragma once
// What an identifier is made of: ASCII letters, digits and '_', and the
// letters of code page 1252 beyond ASCII ('nBulletinsEnregistrés'). Texts are
// UTF-8 in memory, so those letters are two bytes; positions stay byte offsets.
#include <cstddef>
#include <string>
#include <string_view>

namespace zv::outline {

inline bool IsAsciiIdentChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

// The length in bytes of the UTF-8 encoded code page 1252 letter at text[i],
// 0 when there is none.
inline std::size_t WideLetterLen(std::string_view text, std::size_t i)
{
    if (i + 1 >= text.size()) return 0;
    const auto lead = static_cast<unsigned char>(text[i]);
    const auto next = static_cast<unsigned char>(text[i + 1]);
    switch (lead) {
    case 0xC2: return (next == 0xAA || next == 0xB5 || next == 0xBA) ? 2 : 0;                // ª µ º
    case 0xC3: return (next >= 0x80 && next <= 0xBF && next != 0x97 && next != 0xB7) ? 2 : 0; // À..ÿ but × ÷
    case 0xC5:
        return (next == 0x92 || next == 0x93 || next == 0xA0 || next == 0xA1 || next == 0xB8 || next == 0xBD ||
                next == 0xBE)
                   ? 2
                   : 0;   // Œ œ Š š Ÿ Ž ž
    case 0xC6: return next == 0x92 ? 2 : 0;   // ƒ
    default: return 0;
    }
}

// The length in bytes of the identifier character at text[i], 0 when none.
inline std::size_t IdentCharLen(std::string_view text, std::size_t i)
{
    if (i >= text.size()) return 0;
    const char c = text[i];
    if (IsAsciiIdentChar(c)) return 1;
    return (static_cast<unsigned char>(c) & 0x80) ? WideLetterLen(text, i) : 0;
}

// The length of the identifier that starts at text[i] (digits included).
inline std::size_t IdentLength(std::string_view text, std::size_t i)
{
    std::size_t j = i;
    while (std::size_t n = IdentCharLen(text, j)) j += n;
    return j - i;
}

// One byte alone cannot tell a letter: every byte that can be part of the
// encoding of a letter above counts, so scans that step byte by byte never
// cut a name in two.
inline bool IsIdentByte(char c)
{
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x80) return IsAsciiIdentChar(c);
    return (u >= 0x80 && u <= 0xBF) || u == 0xC2 || u == 0xC3 || u == 0xC5 || u == 0xC6;
}

// Lower-cases a name for comparison: ASCII and the code page 1252 letters.
inline void FoldCase(std::string& s)
{
    const std::size_t n = s.size();
    for (std::size_t i = 0; i < n; ++i) {
        const auto u = static_cast<unsigned char>(s[i]);
        if (u >= 'A' && u <= 'Z') {
            s[i] = static_cast<char>(u - 'A' + 'a');
        } else if (u >= 0x80 && i + 1 < n) {
            const auto next = static_cast<unsigned char>(s[i + 1]);
            if (u == 0xC3 && next >= 0x80 && next <= 0x9E && next != 0x97) {
                s[i + 1] = static_cast<char>(next + 0x20);   // À..Þ
            } else if (u == 0xC5 && (next == 0x92 || next == 0xA0 || next == 0xBD)) {
                s[i + 1] = static_cast<char>(next + 1);      // Œ Š Ž
            } else if (u == 0xC5 && next == 0xB8) {
                s[i] = static_cast<char>(0xC3);              // Ÿ -> ÿ
                s[i + 1] = static_cast<char>(0xBF);
            }
            ++i;
        }
    }
}

inline bool EqualNameNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    bool ascii = true;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if ((static_cast<unsigned char>(x) | static_cast<unsigned char>(y)) & 0x80) {
            ascii = false;
            break;
        }
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    if (ascii) return true;
    std::string fa(a), fb(b);
    FoldCase(fa);
    FoldCase(fb);
    return fa == fb;
}

} // namespace zv::outline
