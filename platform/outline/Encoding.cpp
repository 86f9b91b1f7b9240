#include "platform/outline/Encoding.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>

namespace zv::outline {

namespace {

// Code page 1252, 0x80-0x9F. The five undefined bytes map to the C1 controls
// of the same value, so that any byte survives a round trip.
constexpr std::array<std::uint16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string& out, std::uint32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Reads one code point of valid UTF-8 at i; advances i.
std::uint32_t NextCodePoint(std::string_view s, std::size_t& i)
{
    const auto c = static_cast<unsigned char>(s[i]);
    if (c < 0x80) { ++i; return c; }
    int len = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2;
    std::uint32_t cp = c & (len == 4 ? 0x07 : len == 3 ? 0x0F : 0x1F);
    for (int k = 1; k < len && i + k < s.size(); ++k)
        cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    i += len;
    return cp;
}

int LineAt(std::string_view text, std::size_t offset)
{
    return 1 + static_cast<int>(std::count(text.begin(), text.begin() + std::min(offset, text.size()), '\n'));
}

[[noreturn]] void Fail(const std::string& path, int line, const std::string& what)
{
    throw CGKitError(path + ":" + std::to_string(line) + ": " + what);
}

// A binary outline holds control bytes that no text layout has.
void RefuseBinary(std::string_view bytes, const std::string& path)
{
    const std::size_t n = std::min<std::size_t>(bytes.size(), 4096);
    for (std::size_t i = 0; i < n; ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (c < 0x20 && c != '\t' && c != '\r' && c != '\n' && c != 0x1A)
            throw CGKitError(path + ": binary outline: save it as text in the IDE");
    }
}

} // namespace

const char* EncodingName(Encoding encoding)
{
    switch (encoding) {
    case Encoding::Cp1252: return "cp1252";
    case Encoding::Utf8: return "utf-8";
    case Encoding::Utf8Bom: return "utf-8 with BOM";
    case Encoding::Utf16LeBom: return "utf-16le with BOM";
    }
    return "?";
}

bool IsValidUtf8(std::string_view s)
{
    std::size_t i = 0;
    const std::size_t n = s.size();
    while (i < n) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) { ++i; continue; }
        int len;
        std::uint32_t min;
        if ((c & 0xE0) == 0xC0) { len = 2; min = 0x80; }
        else if ((c & 0xF0) == 0xE0) { len = 3; min = 0x800; }
        else if ((c & 0xF8) == 0xF0) { len = 4; min = 0x10000; }
        else return false;
        if (i + len > n) return false;
        std::uint32_t cp = c & (0x7F >> len);
        for (int k = 1; k < len; ++k) {
            const auto cc = static_cast<unsigned char>(s[i + k]);
            if ((cc & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (cc & 0x3F);
        }
        if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        i += len;
    }
    return true;
}

void AppendCp1252AsUtf8(std::string& out, std::string_view bytes)
{
    for (char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x80) out += ch;
        else if (c < 0xA0) AppendUtf8(out, kCp1252High[c - 0x80]);
        else AppendUtf8(out, c);
    }
}

namespace {

[[noreturn]] void FailUtf8(std::string_view bytes, const std::string& path)
{
    std::size_t good = 0;  // the first bad offset, for the message
    for (std::size_t step = bytes.size(); step > 0; step /= 2)
        while (good + step <= bytes.size() && IsValidUtf8(bytes.substr(0, good + step))) good += step;
    Fail(path, LineAt(bytes, good), "invalid UTF-8 sequence");
}

} // namespace

Decoded DecodeFile(std::string_view bytes, const std::string& path, NoBom noBom)
{
    Decoded result;
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFE &&
        static_cast<unsigned char>(bytes[1]) == 0xFF)
        throw CGKitError(path + ": UTF-16 big-endian outlines are not supported: save it as UTF-16LE or UTF-8");
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
        static_cast<unsigned char>(bytes[1]) == 0xFE) {
        result.encoding = Encoding::Utf16LeBom;
        std::string& out = result.text;
        out.reserve(bytes.size() / 2 + bytes.size() / 16);
        int line = 1;
        for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
            std::uint32_t u = static_cast<unsigned char>(bytes[i]) |
                              (static_cast<unsigned char>(bytes[i + 1]) << 8);
            if (u == '\n') ++line;
            if (u >= 0xD800 && u <= 0xDBFF) {
                if (i + 3 >= bytes.size())
                    Fail(path, line, "invalid UTF-16: a high surrogate without its low half");
                std::uint32_t lo = static_cast<unsigned char>(bytes[i + 2]) |
                                   (static_cast<unsigned char>(bytes[i + 3]) << 8);
                if (lo < 0xDC00 || lo > 0xDFFF)
                    Fail(path, line, "invalid UTF-16: a high surrogate without its low half");
                u = 0x10000 + ((u - 0xD800) << 10) + (lo - 0xDC00);
                i += 2;
            } else if (u >= 0xDC00 && u <= 0xDFFF) {
                Fail(path, line, "invalid UTF-16: a low surrogate without its high half");
            } else if (u == 0) {
                Fail(path, line, "invalid UTF-16: a NUL character (binary outline?)");
            }
            AppendUtf8(out, u);
        }
        if (bytes.size() % 2 != 0)
            Fail(path, line, "truncated UTF-16 text (an odd number of bytes)");
        return result;
    }
    if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF") {
        result.encoding = Encoding::Utf8Bom;
        bytes.remove_prefix(3);
        RefuseBinary(bytes, path);
        if (!IsValidUtf8(bytes)) FailUtf8(bytes, path);
        result.text.assign(bytes);
        return result;
    }
    RefuseBinary(bytes, path);
    const bool ascii = std::all_of(bytes.begin(), bytes.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (ascii) {
        result.encoding = Encoding::Cp1252;
        result.text.assign(bytes);
    } else if (noBom == NoBom::Utf8 && !IsValidUtf8(bytes)) {
        FailUtf8(bytes, path);
    } else if (noBom != NoBom::Cp1252 && IsValidUtf8(bytes)) {
        result.encoding = Encoding::Utf8;
        result.text.assign(bytes);
    } else {
        result.encoding = Encoding::Cp1252;
        result.text.reserve(bytes.size() + bytes.size() / 32);
        AppendCp1252AsUtf8(result.text, bytes);
    }
    return result;
}

std::string EncodeText(std::string_view utf8, Encoding encoding, const std::string& path)
{
    std::string out;
    switch (encoding) {
    case Encoding::Utf8:
        return std::string(utf8);
    case Encoding::Utf8Bom:
        out = "\xEF\xBB\xBF";
        out.append(utf8);
        return out;
    case Encoding::Utf16LeBom: {
        out.reserve(utf8.size() * 2 + 2);
        out += "\xFF\xFE";
        for (std::size_t i = 0; i < utf8.size();) {
            std::uint32_t cp = NextCodePoint(utf8, i);
            auto put = [&out](std::uint32_t u) {
                out += static_cast<char>(u & 0xFF);
                out += static_cast<char>(u >> 8);
            };
            if (cp >= 0x10000) {
                cp -= 0x10000;
                put(0xD800 + (cp >> 10));
                put(0xDC00 + (cp & 0x3FF));
            } else {
                put(cp);
            }
        }
        return out;
    }
    case Encoding::Cp1252: {
        out.reserve(utf8.size());
        for (std::size_t i = 0; i < utf8.size();) {
            const auto c = static_cast<unsigned char>(utf8[i]);
            if (c < 0x80) { out += utf8[i++]; continue; }
            const std::size_t at = i;
            const std::uint32_t cp = NextCodePoint(utf8, i);
            if (cp >= 0xA0 && cp <= 0xFF) { out += static_cast<char>(cp); continue; }
            auto it = std::find(kCp1252High.begin(), kCp1252High.end(), cp);
            if (it == kCp1252High.end())
                Fail(path, LineAt(utf8, at),
                     "a character that code page 1252 cannot hold (U+" + [&] {
                         char buf[16];
                         std::snprintf(buf, sizeof buf, "%04X", cp);
                         return std::string(buf);
                     }() + ")");
            out += static_cast<char>(0x80 + (it - kCp1252High.begin()));
        }
        return out;
    }
    }
    return out;
}

} // namespace zv::outline
