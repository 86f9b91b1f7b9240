#pragma once
// The parser behind CSalParser: walks the outline in order, keeps the code
// context (function, handler, menu, window, class) of each item, scans the
// item's text and resolves every name in it.
#include <memory>
#include <string>
#include <vector>

#include "contracts/SalLanguage.h"
#include "platform/language/Binds.h"
#include "platform/language/Resolver.h"
#include "platform/language/Scanner.h"

namespace zv::lang {

class ParserImpl {
public:
    ParserImpl(bool binds, CSalScanner* scanner);

    std::vector<CParserNotificationInterface*> receivers;
    bool binds;
    CSalParseStats stats;
    std::vector<CSalUnresolved> unresolved;

    bool Parse(CGApplication& app);
    std::string Info() const;

private:
    struct ExprInfo {
        CSalSymbol* symbol = nullptr;
        bool plain = false;   // a variable alone, as an argument passed by reference can be
    };

    void Walk(const outline::Outline& o);
    void Process(std::int32_t index, CSalSymbol* context);
    void ParseCode(CSalSymbol* callbackContext, const CSalSymbol* scopeContext, int firstToken = 0);
    void ParseDeclaration(std::int32_t index, CSalSymbol* context);
    void ParseAll();
    ExprInfo ParseExpr();
    ExprInfo ParseUnary();
    ExprInfo ParsePrimary();
    ExprInfo ParseChain();
    void ParseList(SalTok close);
    void ParseArgs(CFunction* function);
    void ResolveNamesInString(const SalToken& token, bool menu);

    // Built-ins that take a window's parameters after their own arguments,
    // or names in strings that they look up at run time.
    struct SpecialCall {
        const CSalSymbol* function = nullptr;
        int windowArg = 0;          // the argument that names the window (from 1), 0: none
        int firstWindowParam = 0;   // the argument passed to the window's first parameter
        int menuArg = 0;            // a named menu given by name
        int nameListArgs[2] = {0, 0};   // lists of variable names, "nTotal, sName"
    };
    void FindSpecialCalls();
    const SpecialCall* SpecialOf(const CFunction* function) const;
    std::vector<SpecialCall> m_special;
    void ParseString(const SalToken& token);
    void FlatResolve();
    void ResolveBind(const BindSpan& span);
    Resolved ResolveFirst(int pos, int len, bool late);
    Resolved ResolveMember(const Resolved& of, int ofPos, int pos, int len);

    bool At(SalTok kind) const { return m_p < m_tokens.size() && m_tokens[m_p].kind == kind; }
    std::string_view TokenText(int pos, int len) const { return m_text.substr(static_cast<std::size_t>(pos), static_cast<std::size_t>(len)); }

    void Emit(CSalSymbol* symbol, int pos, int len);
    void ReportUnresolved(std::string_view name, const std::string* unknownClass = nullptr);
    void ReportProblem(const std::string& text);
    void Record(CSalUnresolved::Cause cause, std::string_view name, std::string detail, const std::string& text);
    void Progress(std::size_t done);

    CSalScanner m_ownScanner;
    CSalScanner* m_scanner;
    const SymbolTable* m_table = nullptr;
    std::unique_ptr<Resolver> m_resolver;
    const outline::Outline* m_outline = nullptr;
    std::string m_missingLibraries;   // missing and refused libraries, for unresolved reports
    bool m_unqualifiedExternal = false;

    // The item being parsed.
    std::int32_t m_index = -1;
    CGItem m_item;
    std::string_view m_text;
    std::vector<SalToken> m_tokens;
    std::size_t m_p = 0;
    const ScopeChain* m_chain = nullptr;
    CSalSymbol* m_context = nullptr;
    CSalSymbol* m_last = nullptr;     // the symbol of the last Symbol callback of this item
    bool m_sqlItem = false;
    std::vector<BindSpan> m_binds;

    // Progress and state for GetInfo.
    std::size_t m_total = 0;
    int m_percent = -1;
    std::string m_phase = "idle";
};

} // namespace zv::lang
