#include "lsp/Program.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "engine/Zavora.h"
#include "platform/outline/Encoding.h"
#include "platform/outline/HostState.h"
#include "platform/outline/Reader.h"
#include "settings/ZavoraPrefs.h"

namespace zv::lsp {

namespace {

std::string Canonical(const std::string& path)
{
    std::error_code ec;
    const auto canonical = std::filesystem::weakly_canonical(path, ec);
    return ec ? path : canonical.string();
}

// The n-th line of an item's text (its lines are joined by '\n').
std::string_view Segment(std::string_view line, int n, std::size_t* start = nullptr)
{
    std::size_t at = 0;
    for (int k = 0; k < n; ++k) {
        const std::size_t nl = line.find('\n', at);
        if (nl == std::string_view::npos) return {};
        at = nl + 1;
    }
    if (start) *start = at;
    const std::size_t end = line.find('\n', at);
    return line.substr(at, end == std::string_view::npos ? std::string_view::npos : end - at);
}

// The layout before an item's line on its physical line: ".head 3 -  " or tabs.
std::size_t PrefixLength(std::string_view physical, std::string_view segment)
{
    if (physical.size() >= segment.size() && physical.substr(physical.size() - segment.size()) == segment)
        return physical.size() - segment.size();
    return 0;
}

} // namespace

void UseIndex::Symbol(CSalSymbol* symbol, CGItem& item, int position, int length, CSalSymbol*)
{
    if (symbol) uses.push_back({item.GetItem(), {position, length, symbol}});
}

void UseIndex::SymbolAdded(CSalSymbol* symbol, CGItem& item, int position, int length)
{
    if (!symbol) return;
    (position >= 0 ? declarations : uses).push_back({item.GetItem(), {position, length, symbol}});
}

void UseIndex::Sort()
{
    std::stable_sort(uses.begin(), uses.end());
    std::stable_sort(declarations.begin(), declarations.end());
    uses.shrink_to_fit();
    declarations.shrink_to_fit();
}

void UseIndex::MergeFrom(std::size_t usesFrom, std::size_t declarationsFrom)
{
    auto merge = [](std::vector<Entry>& entries, std::size_t from) {
        const auto middle = entries.begin() + static_cast<std::ptrdiff_t>(std::min(from, entries.size()));
        std::stable_sort(middle, entries.end());
        std::inplace_merge(entries.begin(), middle, entries.end());
    };
    merge(uses, usesFrom);
    merge(declarations, declarationsFrom);
}

void UseIndex::Drop(const std::vector<HITEM>& gone)
{
    auto isGone = [&](HITEM item) { return std::binary_search(gone.begin(), gone.end(), item); };
    // Uses are sorted by item: only the runs of the gone items move.
    std::vector<std::pair<std::size_t, std::size_t>> runs;
    for (HITEM item : gone) {
        const auto range = std::equal_range(uses.begin(), uses.end(), Entry{item, {}});
        if (range.first != range.second)
            runs.emplace_back(static_cast<std::size_t>(range.first - uses.begin()),
                              static_cast<std::size_t>(range.second - uses.begin()));
    }
    std::sort(runs.begin(), runs.end());
    std::size_t write = runs.empty() ? uses.size() : runs.front().first;
    for (std::size_t k = 0; k < runs.size(); ++k) {
        const std::size_t keepEnd = k + 1 < runs.size() ? runs[k + 1].first : uses.size();
        write = static_cast<std::size_t>(
            std::move(uses.begin() + static_cast<std::ptrdiff_t>(runs[k].second),
                      uses.begin() + static_cast<std::ptrdiff_t>(keepEnd), uses.begin() + static_cast<std::ptrdiff_t>(write)) -
            uses.begin());
    }
    uses.resize(write);
    complaints.erase(std::remove_if(complaints.begin(), complaints.end(), [&](const Complaint& c) { return isGone(c.item); }),
                     complaints.end());
}

std::pair<const UseIndex::Entry*, const UseIndex::Entry*> UseIndex::UsesOf(HITEM item) const
{
    const auto range = std::equal_range(uses.begin(), uses.end(), Entry{item, {}});
    return {uses.data() + (range.first - uses.begin()), uses.data() + (range.second - uses.begin())};
}

std::optional<std::pair<int, int>> UseIndex::DeclarationOf(HITEM item) const
{
    const auto range = std::equal_range(declarations.begin(), declarations.end(), Entry{item, {}});
    if (range.first == range.second) return std::nullopt;
    const Use& last = (range.second - 1)->use;  // a later report of the same item wins
    return std::make_pair(last.position, last.length);
}

void UseIndex::unresolvedSymbol(std::string text, CGItem* item)
{
    complaints.push_back({std::move(text), item ? item->GetItem() : 0});
}

Program::Program(const std::string& path, const std::vector<std::string>& libPath,
                 const outline::TextOverlay& overlay, outline::NoBom noBom)
    : m_path(path), m_overlay(overlay), m_noBom(noBom)
{
    m_outline = &outline::LoadProgram(path, libPath, overlay, noBom);
    host::AdoptOutline(m_outline->Handle());
    for (const auto& file : m_outline->files) m_canonical.push_back(Canonical(file.path));
    m_lines.resize(m_outline->files.size());
    MapLines();

    CZavoraApp& app = CZavoraApp::Instance();
    app.SetOutline(m_outline->Handle());
    // Unresolved names become diagnostics; the output window has no reader here.
    app.GetPreferences()->WarnForUnresolvedSymbols = false;
    CSalSymbol::AddNotifcationInterface(&m_index);
    if (CSalParser* parser = app.GetParser()) parser->AddNotifcationInterface(&m_index);
    app.Parse(0);
    if (CSalParser* parser = app.GetParser()) parser->RemoveNotificationInterface(&m_index);
    CSalSymbol::RemoveNotificationInterface(&m_index);
    m_index.Sort();
}

void Program::MapLines()
{
    m_byLine.assign(m_outline->files.size(), {});
    for (std::size_t i = 0; i < m_outline->items.size(); ++i) {
        const outline::Item& item = m_outline->items[i];
        if (!item.alive || item.lineNo == 0) continue;
        const std::size_t lines = static_cast<std::size_t>(std::count(item.line.begin(), item.line.end(), '\n')) + 1;
        std::vector<std::int32_t>& byLine = m_byLine[item.file];
        if (byLine.size() < item.lineNo - 1 + lines) byLine.resize(item.lineNo - 1 + lines, -1);
        for (std::size_t k = 0; k < lines; ++k) byLine[item.lineNo - 1 + k] = static_cast<std::int32_t>(i);
    }
}

void Program::MapLines(int file, std::size_t from, std::size_t end, std::size_t newEnd,
                       const std::vector<std::int32_t>& added)
{
    std::vector<std::int32_t>& byLine = m_byLine[static_cast<std::size_t>(file)];
    if (byLine.size() < end) byLine.resize(end, -1);
    std::vector<std::int32_t> region(newEnd - from, -1);
    for (std::int32_t i : added) {
        const outline::Item& item = m_outline->items[i];
        if (!item.alive || item.lineNo == 0 || item.file != file) continue;
        const std::size_t lines = static_cast<std::size_t>(std::count(item.line.begin(), item.line.end(), '\n')) + 1;
        for (std::size_t k = 0; k < lines; ++k) {
            const std::size_t at = item.lineNo - 1 + k;
            if (at >= from && at < newEnd) region[at - from] = i;
        }
    }
    const auto first = byLine.begin() + static_cast<std::ptrdiff_t>(from);
    byLine.erase(first, byLine.begin() + static_cast<std::ptrdiff_t>(end));
    byLine.insert(byLine.begin() + static_cast<std::ptrdiff_t>(from), region.begin(), region.end());
}

Program::~Program()
{
    CZavoraApp::Instance().Clear();
    if (outline::Registry::Get().Find(m_outline->Handle())) host::CloseOutline(m_outline->Handle());
}

std::vector<std::string> Program::Files() const { return m_canonical; }

int Program::FileIndex(const std::string& path) const
{
    for (std::size_t i = 0; i < m_canonical.size(); ++i)
        if (m_canonical[i] == path) return static_cast<int>(i);
    return -1;
}

std::string Program::FileOf(std::int32_t item) const
{
    if (!m_outline->IsAlive(item)) return {};
    return m_canonical[m_outline->items[item].file];
}

const LineTable& Program::Lines(int file)
{
    std::unique_ptr<LineTable>& lines = m_lines[static_cast<std::size_t>(file)];
    if (!lines) {
        const std::string& path = m_outline->files[static_cast<std::size_t>(file)].path;
        if (const std::string* open = m_overlay ? m_overlay(path) : nullptr) {
            // The buffer outlives this program: any change to it loads a new one.
            lines = std::make_unique<LineTable>(std::string_view(*open));
        } else {
            std::string text;
            try {
                text = outline::DecodeFile(outline::ReadFileBytes(path), path, m_noBom).text;
            } catch (const CGKitError&) {
                // Changed on disk since the load: positions fall back to column 0.
            }
            lines = std::make_unique<LineTable>(std::move(text));
        }
    }
    return *lines;
}

std::optional<Spot> Program::Locate(const std::string& path, int line, int column, std::string* error)
{
    const int file = FileIndex(path);
    if (file < 0) {
        if (error) *error = path + ": not a file of the program " + m_path;
        return std::nullopt;
    }
    const LineTable& lines = Lines(file);
    if (line < 0 || static_cast<std::size_t>(line) >= lines.Count()) {
        if (error)
            *error = path + ": line " + std::to_string(line + 1) + " is past the end of the file (" +
                     std::to_string(lines.Count()) + " lines)";
        return std::nullopt;
    }
    const std::string_view physical = lines.Line(static_cast<std::size_t>(line));
    const std::optional<std::size_t> byte = ByteOfColumn(physical, column);
    if (!byte) {
        if (error)
            *error = path + ":" + std::to_string(line + 1) + ": column " + std::to_string(column) +
                     " is past the end of the line (" + std::to_string(Utf16Column(physical, physical.size())) +
                     " columns)";
        return std::nullopt;
    }
    const std::vector<std::int32_t>& byLine = m_byLine[static_cast<std::size_t>(file)];
    const std::int32_t index = static_cast<std::size_t>(line) < byLine.size() ? byLine[static_cast<std::size_t>(line)] : -1;
    if (index < 0) return Spot{};
    const outline::Item& item = m_outline->items[index];
    std::size_t segmentStart = 0;
    const std::string_view segment = Segment(item.line, line - static_cast<int>(item.lineNo - 1), &segmentStart);
    const std::size_t prefix = PrefixLength(physical, segment);
    const long inLine = static_cast<long>(segmentStart) + static_cast<long>(*byte) - static_cast<long>(prefix);
    Spot spot;
    spot.item = index;
    spot.textPosition = static_cast<int>(inLine - item.textStart);
    if (*byte < prefix) spot.textPosition = -1 - static_cast<int>(item.textStart);
    return spot;
}

FileRange Program::LineRangeOf(std::int32_t index, std::size_t begin, std::size_t end)
{
    FileRange range;
    if (!m_outline->IsAlive(index)) return range;
    const outline::Item& item = m_outline->items[index];
    range.path = m_canonical[item.file];
    const LineTable& lines = Lines(item.file);
    auto convert = [&](std::size_t offset, int& line, int& column) {
        offset = std::min(offset, item.line.size());
        const int k = static_cast<int>(std::count(item.line.begin(), item.line.begin() + static_cast<long>(offset), '\n'));
        std::size_t segmentStart = 0;
        const std::string_view segment = Segment(item.line, k, &segmentStart);
        line = static_cast<int>(item.lineNo) - 1 + k;
        const std::string_view physical = lines.Line(static_cast<std::size_t>(line));
        column = Utf16Column(physical, PrefixLength(physical, segment) + (offset - segmentStart));
    };
    convert(begin, range.startLine, range.startColumn);
    convert(end, range.endLine, range.endColumn);
    return range;
}

FileRange Program::RangeOf(std::int32_t index, int position, int length)
{
    if (!m_outline->IsAlive(index)) return {};
    const outline::Item& item = m_outline->items[index];
    std::size_t begin = item.textStart;
    std::size_t end = item.line.size();
    if (position >= 0) {
        begin = item.textStart + static_cast<std::size_t>(position);
        end = begin + static_cast<std::size_t>(std::max(0, length));
    }
    return LineRangeOf(index, begin, end);
}

FileRange Program::DeclarationRange(CSalSymbol* symbol)
{
    const HITEM h = symbol->GetItem().GetItem();
    const std::int32_t index = IndexOf(h);
    if (index < 0) {
        // A built-in: its line in the SAL context outline.
        FileRange range;
        range.path = Canonical(symbol->GetItem().GetFileName());
        range.startLine = range.endLine = std::max(0, symbol->GetItem().GetLineNumber() - 1);
        return range;
    }
    if (const auto span = m_index.DeclarationOf(h)) return RangeOf(index, span->first, span->second);
    return RangeOf(index, -1, 0);
}

std::int32_t Program::IndexOf(HITEM item) const
{
    if (outline::Outline::SerialOf(item) != m_outline->Handle()) return -1;
    const std::int32_t index = outline::Outline::IndexOf(item);
    return m_outline->IsAlive(index) ? index : -1;
}

CSalSymbol* Program::SymbolAt(const Spot& spot) const
{
    if (!m_outline->IsAlive(spot.item) || spot.textPosition < 0) return nullptr;
    const int at = spot.textPosition;
    HITEM h = m_outline->ItemHandle(spot.item);
    CApplication* table = CApplication::Instance(0, 0);
    auto uses = m_index.UsesOf(h);
    // The use under the cursor, or the one the cursor stands right behind.
    for (int slack = 0; slack <= 1; ++slack)
        for (auto* entry = uses.first; entry != uses.second; ++entry)
            if (entry->use.position >= 0 && entry->use.position <= at && at < entry->use.position + entry->use.length + slack)
                return entry->use.symbol;
    const auto declared = m_index.DeclarationOf(h);
    if (declared && declared->first <= at && at <= declared->first + declared->second && table)
        if (CSalSymbol* symbol = table->GetSymbolOfItem(h)) return symbol;
    // A Class: line names the class of its window: the use is filed under the window.
    if (m_outline->items[spot.item].type == ItemType::ObjectClass && m_outline->items[spot.item].parent >= 0)
        uses = m_index.UsesOf(m_outline->ItemHandle(m_outline->items[spot.item].parent));
    for (auto* entry = uses.first; entry != uses.second; ++entry)
        if (entry->use.position < 0) return entry->use.symbol;
    return nullptr;
}

} // namespace zv::lsp
