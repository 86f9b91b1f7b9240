#pragma once
// What the fuzz targets do with their input, shared with the test that
// replays the inputs they once found. Each entry takes arbitrary bytes. A
// refusal with a message (CGKitError) is a correct answer; a crash, a hang,
// a sanitizer report or a broken invariant below is a fault.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include <unistd.h>

#include "contracts/SalLanguage.h"
#include "platform/language/Scanner.h"
#include "platform/outline/Encoding.h"
#include "platform/outline/HostState.h"
#include "platform/outline/Loader.h"
#include "platform/outline/Reader.h"
#include "platform/outline/Writer.h"

namespace zvfuzz {

// The fuzzers abort, so that libFuzzer keeps the input; the replay test
// defines ZVFUZZ_FAIL to throw instead, so that it can name the file.
#ifndef ZVFUZZ_FAIL
#define ZVFUZZ_FAIL(what) (std::fprintf(stderr, "%s\n", (what)), std::abort())
#endif
#define ZVFUZZ_STR2(x) #x
#define ZVFUZZ_STR(x) ZVFUZZ_STR2(x)
#define ZVFUZZ_CHECK(cond)                                                                       \
    do {                                                                                         \
        if (!(cond)) ZVFUZZ_FAIL(__FILE__ ":" ZVFUZZ_STR(__LINE__) ": broken invariant: " #cond); \
    } while (0)

// In the outline target's input, a line "@@lib NAME" starts the bytes of a
// library file NAME beside the program (which comes first, as p.apt).
inline constexpr std::string_view kLibMarker = "\n@@lib ";

struct Part {
    std::string name;
    std::string_view bytes;
};

// Keeps library names inside the scratch folder.
inline std::string SafeName(std::string_view name, std::size_t index)
{
    bool ok = !name.empty() && name.size() <= 64 && name.front() != '.';
    for (char c : name)
        ok = ok && ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                    c == '.' || c == '_' || c == '-');
    return ok && name != "p.apt" ? std::string(name) : "lib" + std::to_string(index) + ".apl";
}

inline std::vector<Part> SplitParts(std::string_view input)
{
    std::vector<Part> parts;
    std::string name = "p.apt";
    while (true) {
        const std::size_t at = input.find(kLibMarker);
        if (at == std::string_view::npos || parts.size() >= 8) break;
        parts.push_back({name, input.substr(0, at)});
        input.remove_prefix(at + kLibMarker.size());
        const std::size_t eol = input.find('\n');
        std::string_view raw = input.substr(0, eol);
        if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
        name = SafeName(raw, parts.size());
        input.remove_prefix(eol == std::string_view::npos ? input.size() : eol + 1);
    }
    parts.push_back({name, input});
    return parts;
}

// A folder of its own for this process, emptied before each input and
// removed at exit.
inline const std::filesystem::path& Scratch()
{
    struct Folder {
        std::filesystem::path path;
        ~Folder()
        {
            std::error_code ec;
            std::filesystem::remove_all(path, ec);
        }
    };
    static const Folder folder{[] {
        const char* shm = "/dev/shm";
        const auto base = std::filesystem::is_directory(shm) ? std::filesystem::path(shm)
                                                             : std::filesystem::temp_directory_path();
        return base / ("zv-fuzz-" + std::to_string(::getpid()));
    }()};
    return folder.path;
}

inline void WriteFile(const std::filesystem::path& path, std::string_view bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Loads a program with its libraries from files, then writes it back: in its
// own layout and encoding it must come back byte for byte; the other layout
// and encodings must at least not fail but with a message.
inline void OutlineInput(const std::uint8_t* data, std::size_t size)
{
    using namespace zv::outline;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::vector<Part> parts = SplitParts(input);
    std::error_code ec;
    std::filesystem::remove_all(Scratch(), ec);
    std::filesystem::create_directories(Scratch());
    for (const Part& part : parts) WriteFile(Scratch() / part.name, part.bytes);

    Outline* outline = nullptr;
    try {
        outline = &LoadProgram((Scratch() / "p.apt").string(), {});
    } catch (const CGKitError& e) {
        ZVFUZZ_CHECK(*e.what() != '\0');
        return;
    }
    const SourceFile& file = outline->files[0];
    ZVFUZZ_CHECK(outline->IsAlive(outline->root));
    // What the kit reads out of each item's line, for the items as loaded.
    for (std::int32_t i = outline->root; i >= 0; i = outline->NextInOrder(i, outline->root)) {
        const CGItem item(outline->Handle(), outline->ItemHandle(i));
        const std::string text = item.GetText();
        const std::string name = item.GetName();
        ZVFUZZ_CHECK(name.size() <= outline->items[i].line.size());
        const std::string title = item.GetTitle(1);
        const std::string objectClass = item.GetObjectClass();
        const std::string comment = item.GetIndentedComment();
    }
    try {
        const std::string back = SerializeProgram(*outline, file.layout, file.encoding);
        ZVFUZZ_CHECK(back == parts.front().bytes);
    } catch (const CGKitError& e) {
        ZVFUZZ_CHECK(*e.what() != '\0');
    }
    for (Layout layout : {Layout::Header, Layout::Indented})
        for (Encoding encoding : {Encoding::Cp1252, Encoding::Utf8, Encoding::Utf16LeBom}) {
            try {
                const std::string other = SerializeProgram(*outline, layout, encoding);
                (void)other;
            } catch (const CGKitError& e) {
                ZVFUZZ_CHECK(*e.what() != '\0');
            }
        }
    Registry::Get().Destroy(outline->Handle());
}

// Scans one item text; every token must lie inside it, in order, without overlap.
inline void ScannerInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<SalToken> tokens;
    CSalScanner().Scan(text, tokens);
    int end = 0;
    for (const SalToken& t : tokens) {
        ZVFUZZ_CHECK(t.pos >= end);
        ZVFUZZ_CHECK(t.len > 0);
        ZVFUZZ_CHECK(static_cast<std::size_t>(t.pos) + static_cast<std::size_t>(t.len) <= text.size());
        end = t.pos + t.len;
    }
}

// The SAL context outline, loaded once per process: the one of the
// resources, or the file ZVFUZZ_CONTEXT names (make fuzz passes one cut down
// to the built-ins the seeds use, for speed).
inline HOUTLINE Context()
{
    static HOUTLINE context = [] {
        const char* cut = std::getenv("ZVFUZZ_CONTEXT");
        const std::string path = cut && *cut ? cut : std::string(ZV_RESOURCES_DIR) + "/SalContext41.apl";
        const HOUTLINE h = zv::outline::LoadProgram(path, {}).Handle();
        zv::host::HostState::Get().contextOutline = h;
        return h;
    }();
    return context;
}

// Every reference the parser reports must point into its item's text.
class SpanCheck : public CParserNotificationInterface {
public:
    void Symbol(CSalSymbol* symbol, CGItem& item, int position, int length, CSalSymbol*) override
    {
        ZVFUZZ_CHECK(symbol != nullptr);
        // A negative position names the class in the keyword part of a typed
        // declaration ("cStack: oPile"): it has no span in the text.
        if (position < 0) return;
        const std::string text = item.GetText();
        ZVFUZZ_CHECK(length >= 0);
        ZVFUZZ_CHECK(static_cast<std::size_t>(position) + static_cast<std::size_t>(length) <= text.size());
    }
    void UnresolvedBind(CGItem& item, int position, int length) override
    {
        const std::string text = item.GetText();
        ZVFUZZ_CHECK(position >= 0 && length >= 0);
        ZVFUZZ_CHECK(static_cast<std::size_t>(position) + static_cast<std::size_t>(length) <= text.size());
    }
};

// Reads a program from memory (no libraries), builds its symbol table against
// the SAL context and parses it with binds.
inline void ParserInput(const std::uint8_t* data, std::size_t size)
{
    using namespace zv::outline;
    const HOUTLINE context = Context();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string path = "fuzz.apt";
    Registry& registry = Registry::Get();
    Outline& program = registry.Create();
    try {
        const Decoded decoded = DecodeFile(bytes, path);
        program.files.push_back(SourceFile{});
        program.files[0].path = path;
        program.files[0].encoding = decoded.encoding;
        program.root = ParseOutlineText(program, 0, decoded.text);
    } catch (const CGKitError& e) {
        ZVFUZZ_CHECK(*e.what() != '\0');
        registry.Destroy(program.Handle());
        return;
    }
    CApplication* app = CApplication::Instance(program.Handle(), context);
    app->CreateContext();
    SpanCheck check;
    CSalParser parser(true, nullptr);
    parser.AddNotifcationInterface(&check);
    CGApplication application(program.Handle());
    parser.Parse(application);
    parser.RemoveNotificationInterface(&check);
    registry.Destroy(program.Handle());
}

} // namespace zvfuzz
