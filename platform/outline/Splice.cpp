#include "platform/outline/Splice.h"

#include <algorithm>
#include <string>

#include "platform/outline/Reader.h"

namespace zv::outline {

namespace {

// An ancestor's own line(s) as the file shows them, so that the fragment is
// read, and its items classified, where it stands.
void AppendAncestor(std::string& text, const Item& item, int depth, Layout layout, bool hasChildren)
{
    std::size_t at = 0;
    for (bool first = true;; first = false) {
        const std::size_t nl = item.line.find('\n', at);
        const std::string_view segment =
            std::string_view(item.line).substr(at, nl == std::string::npos ? std::string::npos : nl - at);
        if (layout == Layout::Header) {
            if (first) text += ".head " + std::to_string(depth) + (hasChildren ? " +" : " -") + std::string(item.sep, ' ');
        } else {
            text.append(static_cast<std::size_t>(first ? depth : depth + 2), '\t');
        }
        text.append(segment);
        text += '\n';
        if (nl == std::string::npos) break;
        at = nl + 1;
    }
}

std::int32_t CopySubtree(Outline& to, std::int32_t parent, Outline& from, std::int32_t index, std::int64_t lineShift,
                         std::int32_t includeItem, std::vector<std::int32_t>& added)
{
    Item& source = from.items[index];
    Item item;
    item.line = std::move(source.line);
    item.data = std::move(source.data);
    item.lineNo = static_cast<std::uint32_t>(static_cast<std::int64_t>(source.lineNo) + lineShift);
    item.includeItem = includeItem;
    item.type = source.type;
    item.textStart = source.textStart;
    item.file = source.file;
    item.sep = source.sep;
    item.mark = source.mark;
    item.commented = source.commented;
    const std::int32_t copy = to.AppendChild(parent, std::move(item));
    added.push_back(copy);
    for (std::int32_t c = source.firstChild; c >= 0; c = from.items[c].next)
        CopySubtree(to, copy, from, c, lineShift, includeItem, added);
    return copy;
}

} // namespace

std::vector<std::int32_t> ReplaceChildren(Outline& outline, std::int32_t parent, std::string_view fragment,
                                          std::uint32_t firstLine, std::uint32_t oldLineCount)
{
    const Item& parentItem = outline.items[parent];
    const SourceFile& file = outline.files[parentItem.file];
    std::vector<std::int32_t> chain;
    for (std::int32_t i = parent; i >= 0; i = outline.items[i].parent) chain.insert(chain.begin(), i);

    std::string text;
    std::uint32_t prefixLines = 0;
    for (std::size_t k = 0; k < chain.size(); ++k) {
        const Item& ancestor = outline.items[chain[k]];
        AppendAncestor(text, ancestor, static_cast<int>(k), file.layout, k + 1 < chain.size() || !fragment.empty());
        prefixLines += static_cast<std::uint32_t>(std::count(ancestor.line.begin(), ancestor.line.end(), '\n')) + 1;
    }
    text.append(fragment);

    Outline scratch(0);
    scratch.files.resize(static_cast<std::size_t>(parentItem.file) + 1);
    scratch.files[parentItem.file] = file;
    scratch.files[parentItem.file].path = file.path;
    std::int32_t copyOfParent = -1;
    try {
        const std::int32_t root = ParseOutlineText(scratch, parentItem.file, text);
        copyOfParent = root;
        for (std::size_t k = 1; k < chain.size(); ++k) copyOfParent = scratch.items[copyOfParent].lastChild;
    } catch (const CGKitError& e) {
        // Lines of the scratch text count the ancestors too; name the file's own line.
        throw CGKitError(std::string(e.what()) + " (while re-reading the lines from " + file.path + ":" +
                         std::to_string(firstLine) + ")");
    }
    const std::int64_t shift = static_cast<std::int64_t>(firstLine) - static_cast<std::int64_t>(prefixLines) - 1;
    // The fragment must hold children only: an item at the parent's level or above ends the splice.
    if (copyOfParent < 0 || scratch.items[copyOfParent].type != parentItem.type ||
        scratch.items[copyOfParent].next >= 0 || scratch.items[copyOfParent].lineNo != prefixLines -
            static_cast<std::uint32_t>(std::count(parentItem.line.begin(), parentItem.line.end(), '\n')))
        throw CGKitError(file.path + ":" + std::to_string(firstLine) + ": the new lines do not stay below their parent");
    // The outline changes only from here on.
    std::vector<std::int32_t> old;
    for (std::int32_t c = outline.items[parent].firstChild; c >= 0; c = outline.items[c].next) old.push_back(c);
    for (std::int32_t c : old) outline.Remove(c);
    const std::uint32_t newLineCount =
        static_cast<std::uint32_t>(std::count(fragment.begin(), fragment.end(), '\n')) +
        (!fragment.empty() && fragment.back() != '\n' ? 1 : 0);
    const std::int64_t delta = static_cast<std::int64_t>(newLineCount) - static_cast<std::int64_t>(oldLineCount);
    if (delta != 0)
        for (Item& item : outline.items)
            if (item.alive && item.file == parentItem.file && item.lineNo >= firstLine + oldLineCount)
                item.lineNo = static_cast<std::uint32_t>(static_cast<std::int64_t>(item.lineNo) + delta);
    std::vector<std::int32_t> added;
    const std::int32_t includeItem = outline.items[parent].includeItem;
    for (std::int32_t c = scratch.items[copyOfParent].firstChild; c >= 0; c = scratch.items[c].next)
        CopySubtree(outline, parent, scratch, c, shift, includeItem, added);
    return added;
}

} // namespace zv::outline
