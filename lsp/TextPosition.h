#pragma once
// Editors count columns in UTF-16 code units; the outline keeps UTF-8 and
// counts bytes. Conversions between the two, and between file paths and
// the file URIs of the protocol.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zv::lsp {

// The UTF-16 column of a byte offset in a line (clamped to the line).
int Utf16Column(std::string_view line, std::size_t byte);
// The byte offset of a UTF-16 column; none when the column lies beyond the
// line's end. A column inside a surrogate pair counts as the character's start.
std::optional<std::size_t> ByteOfColumn(std::string_view line, int column);

// The byte offset of a position (zero-based line, UTF-16 column) in a text;
// a column past the line's end stands for its end, as the protocol says.
// None for a line past the end of the text.
std::optional<std::size_t> OffsetOfPosition(std::string_view text, int line, int column);

// The lines of a text without their line ends (CR LF or LF).
class LineTable {
public:
    LineTable() = default;
    // Owns its text.
    explicit LineTable(std::string text);
    // Reads a text kept alive elsewhere (an editor's buffer).
    explicit LineTable(std::string_view text);
    LineTable(const LineTable&) = delete;
    LineTable& operator=(const LineTable&) = delete;
    std::size_t Count() const { return m_starts.size(); }
    std::string_view Line(std::size_t index) const;
    std::string_view Text() const { return m_text; }

private:
    void Index();

    std::string m_own;
    std::string_view m_text;
    std::vector<std::uint32_t> m_starts;   // outlines are far below 4 GB; a 4 MB one has 100,000 lines
};

std::string PathFromUri(const std::string& uri);
std::string UriFromPath(const std::string& path);

} // namespace zv::lsp
