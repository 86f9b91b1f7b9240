#pragma once
// Loads real outlines with the real outline kit, builds the symbol table
// and parses with a receiver that records every callback.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "contracts/SalLanguage.h"
#include "platform/outline/HostState.h"
#include "platform/outline/Loader.h"

namespace zvtest {

struct SymbolEvent {
    CSalSymbol* symbol;
    HITEM item;
    int position;
    int length;
    CSalSymbol* context;
};

struct ParamEvent {
    CSalSymbol* symbol;
    CSalSymbol* function;
    HITEM item;
    int parameter;
};

struct BindEvent {
    HITEM item;
    int position;
    int length;
};

class Recorder : public CParserNotificationInterface, public CSymbolNotificationInterface {
public:
    std::vector<SymbolEvent> symbols;
    std::vector<ParamEvent> params;
    std::vector<BindEvent> binds;
    std::vector<std::pair<std::string, HITEM>> unresolved;
    std::vector<int> progress;
    std::vector<std::string> texts;
    std::vector<SymbolEvent> added;   // SymbolAdded

    void ParseText(std::string& text) override { texts.push_back(text); }
    void Symbol(CSalSymbol* s, CGItem& item, int pos, int len, CSalSymbol* ctx) override
    {
        symbols.push_back({s, item.GetItem(), pos, len, ctx});
    }
    void UnresolvedBind(CGItem& item, int pos, int len) override { binds.push_back({item.GetItem(), pos, len}); }
    void ParseProgress(int value) override { progress.push_back(value); }
    void FuncParamAccess(CSalSymbol* s, CSalSymbol* f, HITEM item, int n) override
    {
        params.push_back({s, f, item, n});
    }
    void unresolvedSymbol(std::string text, CGItem* item) override
    {
        unresolved.push_back({std::move(text), item ? item->GetItem() : 0});
    }
    void SymbolAdded(CSalSymbol* s, CGItem& item, int pos, int len) override
    {
        added.push_back({s, item.GetItem(), pos, len, nullptr});
    }
};

template <class T>
std::vector<T> Sorted(std::vector<T> v)
{
    std::sort(v.begin(), v.end());
    return v;
}
inline std::vector<std::string> Sorted(std::initializer_list<const char*> v)
{
    return Sorted(std::vector<std::string>(v.begin(), v.end()));
}

// The text of an item: what positions point into.
inline std::string TextOf(HITEM item) { return CGItem(0, item).GetText(); }

inline std::string PathOf(const CSalSymbol* s)
{
    if (!s) return "";
    CGItem scratch;
    return GetNamePrefix(s->GetItem().GetOutline(), s->GetItem().GetItem(), scratch);
}

// Writes an outline given in the indented layout with two blanks per level
// (turned into tabs) and returns its path.
inline std::string WriteOutline(const std::string& name, const std::string& indented)
{
    const auto dir = std::filesystem::temp_directory_path() / ("zv-lang-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const auto path = dir / name;
    std::ofstream out(path, std::ios::binary);
    std::size_t start = 0;
    while (start < indented.size()) {
        std::size_t end = indented.find('\n', start);
        if (end == std::string::npos) end = indented.size();
        std::string line = indented.substr(start, end - start);
        start = end + 1;
        if (line.find_first_not_of(' ') == std::string::npos) continue;
        std::size_t blanks = line.find_first_not_of(' ');
        out << std::string(blanks / 2, '\t') << line.substr(blanks) << "\r\n";
    }
    return path.string();
}

class LanguageTest : public ::testing::Test {
protected:
    static HOUTLINE Context()
    {
        static HOUTLINE context = 0;
        if (!context) {
            context = zv::outline::LoadProgram(std::string(ZV_RESOURCES_DIR) + "/SalContext41.apl", {}).Handle();
            zv::host::HostState::Get().contextOutline = context;
        }
        return context;
    }

    // Loads a program, builds its table and parses it with binds on.
    void Load(const std::string& path, const std::vector<std::string>& searchPath = {}, bool parse = true)
    {
        const HOUTLINE context = Context();
        m_program = zv::outline::LoadProgram(path, searchPath).Handle();
        CSalSymbol::AddNotifcationInterface(&rec);
        app = CApplication::Instance(m_program, context);
        app->CreateContext();
        CSalSymbol::RemoveNotificationInterface(&rec);
        if (parse) Parse();
    }

    void LoadText(const std::string& indented, bool parse = true)
    {
        Load(WriteOutline(::testing::UnitTest::GetInstance()->current_test_info()->name() + std::string(".apt"),
                          indented),
             {}, parse);
    }

    void Parse(bool binds = true)
    {
        CSalParser parser(binds, nullptr);
        parser.AddNotifcationInterface(&rec);
        CGApplication application(m_program);
        parser.Parse(application);
    }

    void TearDown() override
    {
        CSalSymbol::RemoveNotificationInterface(&rec);
        if (m_program) zv::outline::Registry::Get().Destroy(m_program);
    }

    CSalSymbol* Sym(const std::string& path) const
    {
        CSalSymbol* s = app->GetSymbolFromPath(path);
        EXPECT_NE(s, nullptr) << "no symbol " << path;
        return s;
    }

    // Every use of a symbol: "context path|item text|used text".
    std::vector<std::string> Uses(const CSalSymbol* s) const
    {
        std::vector<std::string> out;
        for (const auto& e : rec.symbols)
            if (e.symbol == s)
                out.push_back(PathOf(e.context) + "|" + TextOf(e.item).substr(0, 200) + "|" +
                              TextOf(e.item).substr(static_cast<std::size_t>(e.position),
                                                    static_cast<std::size_t>(e.length)));
        return out;
    }

    // The contexts (paths) of the functions and handlers that call a function, each once.
    std::vector<std::string> Callers(const CSalSymbol* f) const
    {
        std::vector<std::string> out;
        for (const auto& e : rec.symbols)
            if (e.symbol == f) {
                const std::string p = PathOf(e.context);
                if (std::find(out.begin(), out.end(), p) == out.end()) out.push_back(p);
            }
        return out;
    }

    // The functions a context calls, each once, by name.
    std::vector<std::string> Callees(const CSalSymbol* context) const
    {
        std::vector<std::string> out;
        for (const auto& e : rec.symbols)
            if (e.context == context && dynamic_cast<CFunction*>(e.symbol)) {
                const std::string n = e.symbol->GetName();
                if (std::find(out.begin(), out.end(), n) == out.end()) out.push_back(n);
            }
        return out;
    }

    // Parameter numbers at which a symbol is passed, with the function's name.
    std::vector<std::string> PassedAs(const CSalSymbol* s) const
    {
        std::vector<std::string> out;
        for (const auto& p : rec.params)
            if (p.symbol == s) out.push_back(p.function->GetName() + "#" + std::to_string(p.parameter));
        return out;
    }

    Recorder rec;
    CApplication* app = nullptr;
    HOUTLINE m_program = 0;
};

} // namespace zvtest
