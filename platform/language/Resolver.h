#pragma once
// Name resolution: the scopes a piece of code sees, innermost first, and
// the members of windows, classes, objects and enumerations.
#include <unordered_map>
#include <vector>

#include "platform/language/SymbolTable.h"

namespace zv::lang {

// Kinds of symbol whose code (or declarations) make a context for names.
bool IsCodeContext(SymbolKind kind);

struct ScopeChain {
    std::vector<Scope> scopes;      // innermost first; ends with the two global scopes
    std::size_t membersBegin = 0;   // [membersBegin, membersEnd): class and window scopes,
    std::size_t membersEnd = 0;     // where "..Func()" is looked up
};

// What a resolved name lets the next ".name" mean.
enum class RefMode : std::uint8_t { Value, Handle, Window, Class, Object, Enum };

struct Resolved {
    CSalSymbol* symbol = nullptr;
    RefMode mode = RefMode::Value;
};

class Resolver {
public:
    explicit Resolver(const SymbolTable& table) : m_table(table) {}

    // The chain of the code whose context symbol is given (null: global code).
    const ScopeChain& ChainOf(const CSalSymbol* context);
    CSalSymbol* Lookup(const ScopeChain& chain, NameId name) const;
    CSalSymbol* LookupLate(const ScopeChain& chain, NameId name) const;
    CSalSymbol* Member(const Resolved& of, NameId name) const;
    static RefMode ModeOf(const CSalSymbol* symbol);
    const SymbolTable& Table() const { return m_table; }

private:
    CSalSymbol* InClass(const CClass* cls, NameId name) const;

    const SymbolTable& m_table;
    std::unordered_map<const CSalSymbol*, ScopeChain> m_chains;
};

// The innermost symbol whose code holds the item (function, handler, named
// menu, window, class, enumeration), or null for global code.
CSalSymbol* CodeContextOf(const SymbolTable& table, const outline::Outline& outline, std::int32_t index);

} // namespace zv::lang
