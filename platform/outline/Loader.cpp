#include "platform/outline/Loader.h"
#include "platform/outline/NoCase.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <unordered_set>

#include "platform/outline/Encoding.h"
#include "platform/outline/Reader.h"

namespace fs = std::filesystem;

namespace zv::outline {

namespace {

using namespace ItemType;

std::int32_t ChildOfType(const Outline& o, std::int32_t parent, int type)
{
    for (std::int32_t c = o.items[parent].firstChild; c >= 0; c = o.items[c].next)
        if (o.items[c].alive && o.items[c].type == type) return c;
    return -1;
}

// Sections whose contents are merged with the program's own section.
bool IsMergedSection(int type)
{
    switch (type) {
    case GlobalDeclarations: case Constants: case SystemConstants: case UserConstants:
    case Enumerations: case GlobalVariables: case InternalFunctions: case ExternalFunctions:
    case NamedMenus: case ClassDefinitions: case Resources: case ApplicationActions:
        return true;
    default:
        return false;
    }
}

// Parts of a library that mean nothing in the including program.
bool IsDropped(int type)
{
    switch (type) {
    case OutlineVersion: case DesignTimeSettings: case Libraries: case WindowDefaults:
    case Formats: case DefaultClasses:
        return true;
    default:
        return false;
    }
}

void Unlink(Outline& o, std::int32_t index)
{
    Item& it = o.items[index];
    if (it.prev >= 0) o.items[it.prev].next = it.next;
    else if (it.parent >= 0) o.items[it.parent].firstChild = it.next;
    if (it.next >= 0) o.items[it.next].prev = it.prev;
    else if (it.parent >= 0) o.items[it.parent].lastChild = it.prev;
    it.prev = it.next = -1;
    it.parent = -1;
}

void LinkLast(Outline& o, std::int32_t parent, std::int32_t index)
{
    Item& p = o.items[parent];
    Item& it = o.items[index];
    it.parent = parent;
    it.prev = p.lastChild;
    it.next = -1;
    if (p.lastChild >= 0) o.items[p.lastChild].next = index;
    else p.firstChild = index;
    p.lastChild = index;
}

void KillSubtree(Outline& o, std::int32_t index)
{
    for (std::int32_t i = index; i >= 0; i = o.NextInOrder(i, index)) o.items[i].alive = false;
}

void MergeChildren(Outline& o, std::int32_t src, std::int32_t dst)
{
    std::vector<std::int32_t> children;
    for (std::int32_t c = o.items[src].firstChild; c >= 0; c = o.items[c].next) children.push_back(c);
    for (std::int32_t c : children) {
        const int type = o.items[c].type;
        Unlink(o, c);
        if (IsDropped(type)) {
            KillSubtree(o, c);
            continue;
        }
        if (IsMergedSection(type)) {
            const std::int32_t mine = ChildOfType(o, dst, type);
            if (mine >= 0) {
                MergeChildren(o, c, mine);
                o.items[c].alive = false;
                continue;
            }
        }
        LinkLast(o, dst, c);
    }
}

struct IncludeRequest {
    std::int32_t item;         // the File Include item
    std::string name;
    std::string directory;     // of the including file
    std::int32_t topInclude;   // the program's include item that brought it in
};

std::vector<IncludeRequest> IncludesOf(const Outline& o, std::int32_t root, const std::string& dir,
                                       std::int32_t topInclude)
{
    std::vector<IncludeRequest> out;
    const std::int32_t libs = ChildOfType(o, root, Libraries);
    if (libs < 0) return out;
    for (std::int32_t c = o.items[libs].firstChild; c >= 0; c = o.items[c].next) {
        const Item& it = o.items[c];
        if (!it.alive || it.type != FileInclude) continue;
        std::string name(it.Text());
        while (!name.empty() && (name.back() == ' ' || name.back() == '\t')) name.pop_back();
        if (name.empty()) continue;
        out.push_back({c, name, dir, topInclude < 0 ? c : topInclude});
    }
    return out;
}

std::string Canonical(const std::string& path)
{
    std::error_code ec;
    const fs::path p = fs::weakly_canonical(fs::path(path), ec);
    return ec ? path : p.string();
}

std::string Location(const Outline& o, std::int32_t item)
{
    const Item& it = o.items[item];
    return o.files[it.file].path + ":" + std::to_string(it.lineNo);
}

// An open editor's text is already decoded (and read in place: it is
// megabytes); the file keeps the encoding it has on disk.
std::string_view ReadSource(const std::string& path, const TextOverlay& overlay, NoBom noBom, Decoded& decoded)
{
    if (const std::string* text = overlay ? overlay(path) : nullptr) {
        decoded.encoding = Encoding::Utf8;
        return *text;
    }
    decoded = DecodeFile(ReadFileBytes(path), path, noBom);
    return decoded.text;
}

} // namespace

std::vector<std::string>& LibrarySearchPath()
{
    static std::vector<std::string> path;
    return path;
}

std::string FindFileNoCase(const std::string& directory, const std::string& rawName)
{
    std::string name = rawName;
    std::replace(name.begin(), name.end(), '\\', '/');
    fs::path candidate = fs::path(name).is_absolute() ? fs::path(name) : fs::path(directory) / name;
    std::error_code ec;
    if (fs::is_regular_file(candidate, ec)) return candidate.string();
    // Walk the components, matching each without regard to case.
    fs::path built = fs::path(name).is_absolute() ? fs::path("/") : fs::path(directory);
    for (const auto& part : fs::path(name).relative_path()) {
        if (part == "." ) continue;
        if (part == "..") { built /= part; continue; }
        const fs::path exact = built / part;
        if (fs::exists(exact, ec)) { built = exact; continue; }
        bool found = false;
        for (fs::directory_iterator it(built, ec), end; !ec && it != end; it.increment(ec)) {
            if (EqualNoCase(it->path().filename().string(), part.string())) {
                built = it->path();
                found = true;
                break;
            }
        }
        if (!found) return {};
    }
    return fs::is_regular_file(built, ec) ? built.string() : std::string();
}

Outline& LoadProgram(const std::string& path, const std::vector<std::string>& searchPath)
{
    return LoadProgram(path, searchPath, TextOverlay());
}

Outline& LoadProgram(const std::string& path, const std::vector<std::string>& searchPath,
                     const TextOverlay& overlay, NoBom noBom)
{
    Registry& registry = Registry::Get();
    Outline& outline = registry.Create();
    try {
        Decoded decoded;
        const std::string_view text = ReadSource(path, overlay, noBom, decoded);
        outline.files.push_back(SourceFile{});
        outline.files[0].path = path;
        outline.files[0].encoding = decoded.encoding;
        const std::int32_t root = ParseOutlineText(outline, 0, text);
        outline.root = root;

        std::unordered_set<std::string> loaded{Canonical(path)};
        std::vector<IncludeRequest> queue =
            IncludesOf(outline, root, fs::path(path).parent_path().string(), -1);
        for (std::size_t q = 0; q < queue.size(); ++q) {
            const IncludeRequest request = queue[q];
            std::string found = FindFileNoCase(request.directory, request.name);
            for (std::size_t k = 0; found.empty() && k < searchPath.size(); ++k)
                found = FindFileNoCase(searchPath[k], request.name);
            if (found.empty()) {
                outline.missing.push_back({request.name, {}, Location(outline, request.item), request.item});
                continue;
            }
            if (!loaded.insert(Canonical(found)).second) continue;  // once each; cycles end here
            if (outline.files.size() >= 0xFFFF) break;
            const auto fileIndex = static_cast<std::uint16_t>(outline.files.size());
            outline.files.push_back(SourceFile{});
            outline.files[fileIndex].path = found;
            outline.files[fileIndex].includeItem = request.topInclude;
            std::int32_t libRoot = -1;
            try {
                Decoded lib;
                const std::string_view libText = ReadSource(found, overlay, noBom, lib);
                outline.files[fileIndex].encoding = lib.encoding;
                const std::int32_t savedRoot = outline.root;
                libRoot = ParseOutlineText(outline, fileIndex, libText);
                outline.root = savedRoot;
            } catch (const CGKitError& e) {
                // A broken library is reported like a missing one; the program still loads.
                outline.warnings.push_back(std::string(e.what()) + " (included from " +
                                           Location(outline, request.item) + ")");
                outline.files[fileIndex].refused = true;
                outline.missing.push_back({request.name, e.what(), Location(outline, request.item), request.item});
                continue;
            }
            for (std::int32_t i = libRoot; i >= 0; i = outline.NextInOrder(i, libRoot))
                outline.items[i].includeItem = request.topInclude;
            auto nested = IncludesOf(outline, libRoot, fs::path(found).parent_path().string(),
                                     request.topInclude);
            queue.insert(queue.end(), nested.begin(), nested.end());
            MergeChildren(outline, libRoot, root);
            outline.items[libRoot].alive = false;
        }
        return outline;
    } catch (...) {
        registry.Destroy(outline.Handle());
        throw;
    }
}

} // namespace zv::outline
