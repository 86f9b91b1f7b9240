#include "platform/outline/Reader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <vector>

#include "platform/outline/Classify.h"

namespace zv::outline {

namespace {

// Deep outlines are legal; deeper than this is a broken file, not a program.
constexpr int kMaxDepth = 4096;

[[noreturn]] void Fail(const SourceFile& file, std::uint32_t line, const std::string& what)
{
    throw CGKitError(file.path + ":" + std::to_string(line) + ": " + what);
}

struct LineCursor {
    std::string_view text;
    std::size_t pos = 0;
    std::uint32_t number = 0;
    bool sawCrlf = false;
    bool sawLf = false;
    std::vector<std::uint8_t> eols;  // per physical line: 1 = CR LF

    // The next physical line without its line end; false at the end.
    bool Next(std::string_view& line, bool& hadEol)
    {
        if (pos >= text.size()) return false;
        const std::size_t nl = text.find('\n', pos);
        std::size_t end = nl == std::string_view::npos ? text.size() : nl;
        hadEol = nl != std::string_view::npos;
        bool crlf = false;
        if (hadEol && end > pos && text[end - 1] == '\r') {
            --end;
            crlf = true;
        }
        if (hadEol) {
            (crlf ? sawCrlf : sawLf) = true;
            eols.push_back(crlf ? 1 : 0);
        }
        line = text.substr(pos, end - pos);
        pos = nl == std::string_view::npos ? text.size() : nl + 1;
        ++number;
        return true;
    }
};

class TreeBuilder {
public:
    TreeBuilder(Outline& outline, std::uint16_t fileIndex)
        : m_outline(outline), m_file(fileIndex), m_source(outline.files[fileIndex])
    {
        m_stack.reserve(64);
    }

    std::int32_t Root() const { return m_root; }
    std::int32_t Current() const { return m_current; }
    int CurrentDepth() const { return static_cast<int>(m_stack.size()) - 1; }
    bool HasData() const { return m_current >= 0 && m_outline.items[m_current].data != nullptr; }

    void AddItem(int level, char mark, std::uint8_t sep, std::string_view line, std::uint32_t lineNo)
    {
        if (m_root < 0 && level != 0)
            Fail(m_source, lineNo, "the first item must have level 0, not " + std::to_string(level));
        if (m_root >= 0 && level == 0)
            Fail(m_source, lineNo, "a second item of level 0 (only one root item is allowed)");
        if (level > CurrentDepth() + 1)
            Fail(m_source, lineNo, "level jump from " + std::to_string(CurrentDepth()) + " to " +
                                       std::to_string(level));
        if (level > kMaxDepth)
            Fail(m_source, lineNo, "nesting deeper than " + std::to_string(kMaxDepth) + " levels");
        m_stack.resize(static_cast<std::size_t>(level));
        const std::int32_t parent = level == 0 ? -1 : m_stack.back();
        Item item;
        item.line.assign(line);
        item.lineNo = lineNo;
        item.file = m_file;
        item.mark = mark;
        item.sep = sep;
        m_outline.Classify(item, parent);
        if (parent < 0) {
            m_root = m_outline.AppendChild(-1, std::move(item));
            // The outline's root stays the program's; a library keeps its own.
            m_current = m_root;
        } else {
            m_current = m_outline.AppendChild(parent, std::move(item));
        }
        m_stack.push_back(m_current);
    }

    void Continue(std::string_view line)
    {
        Item& item = m_outline.items[m_current];
        if (item.data) {
            // Text after a data block stays with the block, so it is written back in place.
            item.data->push_back('\n');
            item.data->append(line);
            return;
        }
        item.line.push_back('\n');
        item.line.append(line);
    }

    void AddData(const std::string& block)
    {
        Item& item = m_outline.items[m_current];
        if (item.data) {
            item.data->push_back('\n');
            item.data->append(block);
        } else {
            item.data = std::make_unique<std::string>(block);
        }
    }

    void CheckEnd(std::uint32_t lastLine)
    {
        if (m_root < 0) Fail(m_source, lastLine, "no outline item found (empty file?)");
        const Item& last = m_outline.items[m_current];
        if (last.mark == '+' && last.firstChild < 0)
            Fail(m_source, last.lineNo,
                 "the last item is marked '+' but has no children: the file is truncated");
    }

private:
    Outline& m_outline;
    std::uint16_t m_file;
    const SourceFile& m_source;
    std::vector<std::int32_t> m_stack;
    std::int32_t m_root = -1;
    std::int32_t m_current = -1;
};

// Collects ".data" ... ".enddata" lines verbatim.
std::string ReadDataBlock(LineCursor& cursor, std::string_view first, const SourceFile& file)
{
    const std::uint32_t start = cursor.number;
    std::string block(first);
    std::string_view line;
    bool hadEol = false;
    while (cursor.Next(line, hadEol)) {
        block.push_back('\n');
        block.append(line);
        if (line.substr(0, 8) == ".enddata") return block;
        if (line.substr(0, 6) == ".head " || line.substr(0, 6) == ".data ")
            Fail(file, start, "data block without .enddata");
    }
    Fail(file, start, "data block without .enddata (the file ends inside it)");
}

// ".winattr" / ".winattr class" and ".end" wrap a window's attribute lines.
// They mean nothing to the tree and are kept verbatim after the item above.
bool IsWinAttrMarker(std::string_view line)
{
    return line == ".end" || line == ".winattr" || line.substr(0, 9) == ".winattr ";
}

bool IsBlank(std::string_view text) { return text.find_first_not_of(" \t\r\n") == std::string_view::npos; }

// An empty root-level item after the tree, followed by blank lines only (some
// libraries end so): where the verbatim tail starts, or npos.
std::size_t TrailerAt(const LineCursor& cursor, std::string_view line, std::string_view rest, bool hasRoot)
{
    if (!hasRoot || !IsBlank(rest) || !IsBlank(cursor.text.substr(cursor.pos))) return std::string_view::npos;
    return static_cast<std::size_t>(line.data() - cursor.text.data());
}

bool ParseHeadLine(std::string_view line, int& level, char& mark, std::uint8_t& sep, std::string_view& rest)
{
    std::size_t i = 6;  // after ".head "
    if (i >= line.size() || line[i] < '0' || line[i] > '9') return false;
    // A level with a leading zero would be written back without it.
    if (line[i] == '0' && i + 1 < line.size() && line[i + 1] >= '0' && line[i + 1] <= '9') return false;
    level = 0;
    while (i < line.size() && line[i] >= '0' && line[i] <= '9') {
        level = level * 10 + (line[i] - '0');
        if (level > 1000000) return false;
        ++i;
    }
    if (i + 1 >= line.size() || line[i] != ' ') return false;
    mark = line[i + 1];
    if (mark != '+' && mark != '-') return false;
    i += 2;
    sep = 0;
    while (sep < 2 && i < line.size() && line[i] == ' ') { ++sep; ++i; }
    rest = line.substr(i);
    return true;
}

std::size_t ParseHeader(TreeBuilder& builder, LineCursor& cursor, const SourceFile& file)
{
    std::string_view line;
    bool hadEol = false;
    while (cursor.Next(line, hadEol)) {
        if (line.substr(0, 6) == ".head ") {
            int level;
            char mark;
            std::uint8_t sep;
            std::string_view rest;
            if (!ParseHeadLine(line, level, mark, sep, rest))
                Fail(file, cursor.number, "malformed .head line: " + std::string(line.substr(0, 40)));
            if (level == 0) {
                const std::size_t tail = TrailerAt(cursor, line, rest, builder.Root() >= 0);
                if (tail != std::string_view::npos) return tail;
            }
            builder.AddItem(level, mark, sep, rest, cursor.number);
        } else if (line.substr(0, 6) == ".data ") {
            if (builder.Current() < 0) Fail(file, cursor.number, "data block before the first item");
            builder.AddData(ReadDataBlock(cursor, line, file));
        } else if (line.substr(0, 8) == ".enddata") {
            Fail(file, cursor.number, ".enddata without .data");
        } else if (IsWinAttrMarker(line) && builder.Current() >= 0) {
            builder.AddData(std::string(line));
        } else {
            if (builder.Current() < 0)
                Fail(file, cursor.number, "not a SAL outline: the first line is not a .head line");
            builder.Continue(line);
        }
    }
    return std::string_view::npos;
}

std::size_t ParseIndented(TreeBuilder& builder, LineCursor& cursor, const SourceFile& file)
{
    std::string_view line;
    bool hadEol = false;
    while (cursor.Next(line, hadEol)) {
        if (line.substr(0, 6) == ".data ") {
            if (builder.Current() < 0) Fail(file, cursor.number, "data block before the first item");
            builder.AddData(ReadDataBlock(cursor, line, file));
            continue;
        }
        if (builder.Current() >= 0 && !line.empty() && line[0] == '.') {
            // In column 0 after the root, only markers can stand.
            if (!IsWinAttrMarker(line))
                Fail(file, cursor.number, "unknown marker '" + std::string(line.substr(0, line.find(' '))) +
                                              "' in column 0 (known: .data, .winattr, .end)");
            builder.AddData(std::string(line));
            continue;
        }
        if (line.empty() || line[0] != '\t') {
            const std::size_t tail = TrailerAt(cursor, line, line, builder.Root() >= 0);
            if (tail != std::string_view::npos) return tail;
        }
        std::size_t tabs = 0;
        while (tabs < line.size() && line[tabs] == '\t') ++tabs;
        const int depth = builder.CurrentDepth();
        if (builder.Current() >= 0 && static_cast<int>(tabs) >= depth + 2) {
            // After a data block the line stays whole: the block is written back verbatim.
            builder.Continue(builder.HasData() ? line : line.substr(static_cast<std::size_t>(depth + 2)));
            continue;
        }
        builder.AddItem(static_cast<int>(tabs), '?', 2, line.substr(tabs), cursor.number);
    }
    return std::string_view::npos;
}

} // namespace

std::string ReadFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) throw CGKitError(path + ": cannot open: " + std::strerror(errno));
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    in.seekg(0, std::ios::beg);
    std::string bytes(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
    if (size > 0 && !in.read(bytes.data(), size)) throw CGKitError(path + ": cannot read");
    return bytes;
}

std::int32_t ParseOutlineText(Outline& outline, std::uint16_t fileIndex, std::string_view text)
{
    // Grown item by item, the vector of a 4 MB program would be copied a
    // dozen times over. An item a line at most; in the header layout, one a
    // ".head" line (data blocks are a good part of real programs).
    std::size_t expected = 1;
    if (text.substr(0, 6) == ".head ") {
        for (std::size_t at = text.find("\n.head "); at != std::string_view::npos; at = text.find("\n.head ", at + 1))
            ++expected;
    } else {
        expected += static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
    }
    outline.items.reserve(outline.items.size() + expected);
    SourceFile& file = outline.files[fileIndex];
    LineCursor cursor;
    cursor.text = text;
    file.layout = text.substr(0, 6) == ".head " ? Layout::Header : Layout::Indented;
    TreeBuilder builder(outline, fileIndex);
    const std::size_t tail =
        file.layout == Layout::Header ? ParseHeader(builder, cursor, file) : ParseIndented(builder, cursor, file);
    builder.CheckEnd(cursor.number);
    if (tail != std::string_view::npos) {
        file.trailer.assign(text.substr(tail));
        text = text.substr(0, tail);
    }

    file.finalEol = !text.empty() && text.back() == '\n';
    file.crlf = cursor.sawCrlf || !cursor.sawLf;
    file.innerCrlf = file.crlf;
    if (cursor.sawCrlf && cursor.sawLf) {
        // Files often end items with CR LF but break lines inside an item's
        // text with LF alone; that needs no table. Anything else keeps one.
        int inner = -1, outer = -1;
        bool uniform = true;
        auto seen = [&](int& kind, std::uint32_t physical) {
            if (physical == 0 || physical > cursor.eols.size()) return;
            const int k = cursor.eols[physical - 1];
            if (kind < 0) kind = k;
            else if (kind != k) uniform = false;
        };
        const std::int32_t root = builder.Root();
        for (std::int32_t i = root; i >= 0 && uniform; i = outline.NextInOrder(i, root)) {
            const Item& item = outline.items[i];
            std::uint32_t physical = item.lineNo;
            for (char ch : item.line)
                if (ch == '\n') seen(inner, physical++);
            seen(outer, physical++);
            if (item.data) {
                for (char ch : *item.data)
                    if (ch == '\n') seen(outer, physical++);
                seen(outer, physical++);  // and its last line
            }
        }
        if (uniform) {
            file.crlf = outer != 0;
            file.innerCrlf = inner < 0 ? file.crlf : inner != 0;
        } else {
            file.eolByLine = std::move(cursor.eols);
        }
    }

    if (file.layout == Layout::Indented) {
        // No marks in this layout: derive them so a later header save is right.
        for (std::int32_t i = builder.Root(); i >= 0; i = outline.NextInOrder(i, builder.Root()))
            outline.items[i].mark = outline.items[i].firstChild >= 0 ? '+' : '-';
    }
    return builder.Root();
}

} // namespace zv::outline
