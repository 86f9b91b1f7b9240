#include "lsp/TextPosition.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <filesystem>

namespace zv::lsp {

namespace {

// Bytes of the UTF-8 sequence led by c; broken bytes count as one.
std::size_t SequenceLength(unsigned char c)
{
    if (c >= 0xF0) return 4;
    if (c >= 0xE0) return 3;
    if (c >= 0xC0) return 2;
    return 1;
}

} // namespace

int Utf16Column(std::string_view line, std::size_t byte)
{
    int column = 0;
    for (std::size_t i = 0; i < line.size() && i < byte;) {
        const std::size_t n = SequenceLength(static_cast<unsigned char>(line[i]));
        column += n == 4 ? 2 : 1;
        i += n;
    }
    return column;
}

std::optional<std::size_t> ByteOfColumn(std::string_view line, int column)
{
    if (column < 0) return std::nullopt;
    int at = 0;
    std::size_t i = 0;
    while (i < line.size() && at < column) {
        const std::size_t n = SequenceLength(static_cast<unsigned char>(line[i]));
        const int units = n == 4 ? 2 : 1;
        if (at + units > column) break;  // inside a surrogate pair
        at += units;
        i += n;
    }
    if (at < column && i >= line.size()) return std::nullopt;
    return std::min(i, line.size());
}

std::optional<std::size_t> OffsetOfPosition(std::string_view text, int line, int column)
{
    if (line < 0 || column < 0) return std::nullopt;
    std::size_t start = 0;
    for (int k = 0; k < line; ++k) {
        const void* nl = std::memchr(text.data() + start, '\n', text.size() - start);
        if (!nl) return std::nullopt;
        start = static_cast<std::size_t>(static_cast<const char*>(nl) - text.data()) + 1;
    }
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    if (end > start && text[end - 1] == '\r') --end;
    const std::optional<std::size_t> byte = ByteOfColumn(text.substr(start, end - start), column);
    return start + (byte ? *byte : end - start);
}

LineTable::LineTable(std::string text) : m_own(std::move(text)), m_text(m_own) { Index(); }

LineTable::LineTable(std::string_view text) : m_text(text) { Index(); }

void LineTable::Index()
{
    m_starts.reserve(static_cast<std::size_t>(std::count(m_text.begin(), m_text.end(), '\n')) + 1);
    m_starts.push_back(0);
    for (const char* at = m_text.data(), *end = at + m_text.size();;) {
        const void* nl = std::memchr(at, '\n', static_cast<std::size_t>(end - at));
        if (!nl) break;
        at = static_cast<const char*>(nl) + 1;
        if (at == end) break;
        m_starts.push_back(static_cast<std::uint32_t>(at - m_text.data()));
    }
}

std::string_view LineTable::Line(std::size_t index) const
{
    if (index >= m_starts.size()) return {};
    const std::size_t start = m_starts[index];
    std::size_t end = m_text.find('\n', start);
    if (end == std::string_view::npos) end = m_text.size();
    if (end > start && m_text[end - 1] == '\r') --end;
    return m_text.substr(start, end - start);
}

std::string PathFromUri(const std::string& uri)
{
    std::string rest = uri;
    if (rest.rfind("file://", 0) == 0) rest = rest.substr(7);
    std::string path;
    for (std::size_t i = 0; i < rest.size(); ++i) {
        if (rest[i] == '%' && i + 2 < rest.size() && std::isxdigit(static_cast<unsigned char>(rest[i + 1])) &&
            std::isxdigit(static_cast<unsigned char>(rest[i + 2]))) {
            path.push_back(static_cast<char>(std::stoi(rest.substr(i + 1, 2), nullptr, 16)));
            i += 2;
        } else {
            path.push_back(rest[i]);
        }
    }
    std::error_code ec;
    const auto canonical = std::filesystem::weakly_canonical(path, ec);
    return ec ? path : canonical.string();
}

std::string UriFromPath(const std::string& path)
{
    static const char* hex = "0123456789ABCDEF";
    std::string uri = "file://";
    for (unsigned char c : path) {
        if (std::isalnum(c) || c == '/' || c == '-' || c == '_' || c == '.' || c == '~') {
            uri.push_back(static_cast<char>(c));
        } else {
            uri.push_back('%');
            uri.push_back(hex[c >> 4]);
            uri.push_back(hex[c & 15]);
        }
    }
    return uri;
}

} // namespace zv::lsp
