#pragma once
// The outline model behind the kit: one Outline per loaded program, its
// included libraries merged into its tree as read-only items, every item in
// one vector addressed by index. Handles are (outline serial << 32 | index+1),
// so they stay unique for the life of the process without a handle table.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "contracts/OutlineKit.h"

namespace zv::outline {

enum class Layout : std::uint8_t { Header, Indented };
enum class Encoding : std::uint8_t { Cp1252, Utf8, Utf8Bom, Utf16LeBom };

const char* EncodingName(Encoding encoding);

struct Item {
    std::string line;                    // the line as the editor shows it, UTF-8; continuation lines after '\n'
    std::unique_ptr<std::string> data;   // data blocks, verbatim lines joined by '\n'
    std::int32_t parent = -1;
    std::int32_t firstChild = -1;
    std::int32_t lastChild = -1;
    std::int32_t next = -1;
    std::int32_t prev = -1;
    std::uint32_t lineNo = 0;            // 1-based line in its own file; 0 for items made in memory
    std::int32_t includeItem = -1;       // for library items: the File Include item that brought them
    std::int16_t type = ItemType::Unknown;
    std::uint16_t textStart = 0;         // where the text part starts in `line`
    std::uint16_t file = 0;              // index into Outline::files; 0 is the program
    std::uint8_t sep = 2;                // blanks between mark and line in the header layout
    char mark = '-';                     // the +/- mark as read
    bool alive = true;
    bool commented = false;              // a comment line or below a commented-out item
    bool childrenEdited = false;         // children inserted or deleted since loading

    std::string_view Text() const { return std::string_view(line).substr(textStart); }
    std::string_view Title() const;      // the keyword part, without trailing blanks
};

struct SourceFile {
    std::string path;
    Encoding encoding = Encoding::Cp1252;
    Layout layout = Layout::Header;
    bool crlf = true;                    // the line end after an item
    bool innerCrlf = true;               // the line end between the lines of one item's text
    bool finalEol = true;                // the last line ends with a line end
    std::vector<std::uint8_t> eolByLine; // only for files with mixed line ends: 1 = CR LF, per physical line
    std::int32_t includeItem = -1;       // the File Include item (in the program) that loaded it
    std::string trailer;                 // an empty root-level item and blank lines after the tree, verbatim
    bool refused = false;                // a library found but not loaded (binary, broken)
};

struct MissingLibrary {
    std::string name;
    std::string reason;                  // why a library that was found is refused; empty: not found
    std::string includedFrom;            // file and line of the File Include item
    std::int32_t includeItem = -1;
};

class Outline {
public:
    explicit Outline(std::uint32_t serial) : m_serial(serial) {}

    HOUTLINE Handle() const { return m_serial; }
    HITEM ItemHandle(std::int32_t index) const
    {
        return (static_cast<HITEM>(m_serial) << 32) | static_cast<HITEM>(index + 1);
    }
    static std::uint32_t SerialOf(HITEM hItem) { return static_cast<std::uint32_t>(hItem >> 32); }
    static std::int32_t IndexOf(HITEM hItem)
    {
        return static_cast<std::int32_t>(hItem & 0xffffffffu) - 1;
    }

    std::vector<Item> items;
    std::int32_t root = -1;
    std::vector<SourceFile> files;       // [0] is the program
    std::vector<MissingLibrary> missing;
    std::vector<std::string> warnings;   // problems worth telling that did not stop the load

    // Appends a new item as the last child of parent (-1: the root).
    std::int32_t AppendChild(std::int32_t parent, Item&& item);
    // Inserts a new item right after sibling, under the same parent.
    std::int32_t InsertAfter(std::int32_t sibling, Item&& item);
    // Gives an item its type, text start and comment state from its line, as
    // a child of parent (-1: as the root).
    void Classify(Item& item, std::int32_t parent) const;
    // Unlinks the subtree and marks it dead; indices are never reused.
    void Remove(std::int32_t index);

    bool IsAlive(std::int32_t index) const
    {
        return index >= 0 && static_cast<std::size_t>(index) < items.size() && items[index].alive;
    }
    int Depth(std::int32_t index) const;
    std::int32_t ChildCount(std::int32_t index) const;
    // The next item in outline order below `top` (pre-order), -1 at the end.
    std::int32_t NextInOrder(std::int32_t index, std::int32_t top) const;

private:
    std::uint32_t m_serial;
};

// Every loaded outline of the process.
class Registry {
public:
    static Registry& Get();

    Outline* Find(HOUTLINE hOutline) const;
    // The item behind a handle, or null when it does not (or no longer) exist.
    Outline* Resolve(HITEM hItem, std::int32_t* index) const;
    Item* ResolveItem(HITEM hItem, Outline** outline = nullptr) const;

    Outline& Create();
    void Destroy(HOUTLINE hOutline);

private:
    std::uint32_t m_nextSerial = 1;
    std::unordered_map<HOUTLINE, std::unique_ptr<Outline>> m_outlines;
};

} // namespace zv::outline
