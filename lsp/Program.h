#pragma once
// One program as the server sees it: loaded from the editor's buffers (disk
// for the rest), made the host's current outline and parsed by the engine,
// with what the protocol needs beside the engine's store: the uses of every
// item (to find the symbol under the cursor), the declarations' name spans,
// the parser's complaints, and the mapping between outline positions (item,
// byte offset in its text) and file positions (line, UTF-16 column).
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "contracts/SalLanguage.h"
#include "lsp/TextPosition.h"
#include "platform/outline/Loader.h"
#include "platform/outline/Outline.h"

namespace zv::lsp {

struct Use {
    int position;            // in the item's text; negative: the whole item
    int length;
    CSalSymbol* symbol;
};

struct Complaint {
    std::string text;        // as the parser words it, cause included
    HITEM item;
};

// A range of a file: zero-based lines, UTF-16 columns.
struct FileRange {
    std::string path;
    int startLine = 0, startColumn = 0, endLine = 0, endColumn = 0;
};

struct Spot {                // a file position resolved to the outline
    std::int32_t item = -1;
    int textPosition = 0;    // byte offset in the item's text; negative inside the keyword part
};

// What the parser reports, kept by item: flat and sorted once the parse is
// done, since a 4 MB program has a hundred thousand of them.
class UseIndex : public CParserNotificationInterface, public CSymbolNotificationInterface {
public:
    void Symbol(CSalSymbol* symbol, CGItem& item, int position, int length, CSalSymbol* context) override;
    void SymbolAdded(CSalSymbol* symbol, CGItem& item, int position, int length) override;
    void unresolvedSymbol(std::string text, CGItem* item) override;
    void Sort();
    // Sorts what was reported after the first `uses` and `declarations`
    // entries into the sorted rest, as a re-parse adds a few.
    void MergeFrom(std::size_t uses, std::size_t declarations);
    // Drops the uses and complaints of items that are gone (handles sorted).
    void Drop(const std::vector<HITEM>& gone);

    struct Entry {
        HITEM item;
        Use use;
        bool operator<(const Entry& other) const { return item < other.item; }
    };
    // The uses of an item, in the order the parser reported them.
    std::pair<const Entry*, const Entry*> UsesOf(HITEM item) const;
    // The name span of the symbol an item declares.
    std::optional<std::pair<int, int>> DeclarationOf(HITEM item) const;

    std::vector<Entry> uses;
    std::vector<Entry> declarations;
    std::vector<Complaint> complaints;
};

// Which lines of a file an edit changed: its first `head` and last `tail`
// lines are the same before and after; it had `oldCount` lines before.
struct LineChange {
    std::size_t head = 0, tail = 0, oldCount = 0;
};

class Program {
public:
    // Loads path with its libraries through overlay and parses it. Throws
    // CGKitError (file and line) when the program itself cannot be read.
    // noBom: how files read from disk without BOM are decoded (the encoding setting).
    Program(const std::string& path, const std::vector<std::string>& libPath,
            const outline::TextOverlay& overlay, outline::NoBom noBom = outline::NoBom::Guess);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    const std::string& Path() const { return m_path; }
    HOUTLINE Outline() const { return m_outline->Handle(); }
    outline::Outline& Model() { return *m_outline; }
    const UseIndex& Index() const { return m_index; }
    // Every file of the program (libraries included), canonical.
    std::vector<std::string> Files() const;
    bool HasFile(const std::string& path) const { return FileIndex(path) >= 0; }
    int FileIndex(const std::string& path) const;
    std::string FileOf(std::int32_t item) const;

    // The outline position at a file position; none past the end of the file
    // or of the line, or on a line of no item (a data block).
    std::optional<Spot> Locate(const std::string& path, int line, int column, std::string* error);
    // A span of an item's text (negative position: the whole text) as a range of its file.
    FileRange RangeOf(std::int32_t item, int position, int length);
    // A span of an item's whole line (keyword part included).
    FileRange LineRangeOf(std::int32_t item, std::size_t begin, std::size_t end);
    // The name span of the declaration of symbol, as a range.
    FileRange DeclarationRange(CSalSymbol* symbol);

    // Takes an edit of one file whose lines differ only inside one function
    // body or message handler: that body is read again and only its
    // references are rebuilt. False when the edit reaches further (a
    // declaration, a class, an include): then the program must be loaded anew,
    // as this one may be half changed. oldText must be the text the program
    // was read from; newText must outlive the program, as the buffer does.
    bool Reparse(const std::string& path, std::string_view oldText, std::string_view newText);
    // The same, for an editor's range edits, whose lines are known without comparing texts.
    bool Reparse(const std::string& path, const LineChange& change, std::string_view newText);

    // The symbol used or declared at a spot, or null.
    CSalSymbol* SymbolAt(const Spot& spot) const;
    std::int32_t IndexOf(HITEM item) const;

private:
    const LineTable& Lines(int file);
    void MapLines();
    // Lines [from, end) of a file became lines [from, newEnd), held by the items added.
    void MapLines(int file, std::size_t from, std::size_t end, std::size_t newEnd, const std::vector<std::int32_t>& added);
    // The references of body's new children, after those of the dead old ones are dropped.
    void Rebuild(std::int32_t body, const std::vector<std::int32_t>& dead);

    std::string m_path;
    outline::Outline* m_outline = nullptr;
    UseIndex m_index;
    outline::TextOverlay m_overlay;
    outline::NoBom m_noBom;
    std::vector<std::string> m_canonical;               // by file index
    std::vector<std::unique_ptr<LineTable>> m_lines;    // by file index, read when first needed
    // By file, by zero-based line: the item whose text holds the line, or -1.
    std::vector<std::vector<std::int32_t>> m_byLine;
};

} // namespace zv::lsp
