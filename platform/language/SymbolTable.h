#pragma once
// The symbol table behind CApplication: every declaration of a program, its
// libraries and the SAL context, found by (scope, name). A scope is a
// container symbol (function, class, window, enumeration) or one of the two
// global scopes; nested child windows are also entered in their enclosing
// windows' scopes, since code sees them there unqualified.
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "contracts/SalLanguage.h"
#include "platform/language/Names.h"
#include "platform/outline/Outline.h"

namespace zv::lang {

using Scope = const void*;

// A Class: line that names no known class: reported by the parser.
struct UnresolvedClassRef {
    std::string name;
};

// An item that names a class: a Class: line (base, window or object class),
// a Default Classes entry, or a declaration typed by its class (position -1:
// the class is the keyword part).
struct ClassRef {
    CClass* cls;
    int position;
    int length;
};

class SymbolTable {
public:
    SymbolTable(HOUTLINE program, HOUTLINE context);
    ~SymbolTable();
    SymbolTable(const SymbolTable&) = delete;
    SymbolTable& operator=(const SymbolTable&) = delete;

    // Throws std::runtime_error when the program cannot be read.
    void Build();

    Scope GlobalScope() const { return &m_globalTag; }
    Scope ContextScope() const { return &m_contextTag; }
    static Scope ScopeOf(const CSalSymbol* container) { return container; }

    const NameTable& Names() const { return m_names; }
    CSalSymbol* Find(Scope scope, NameId name) const;
    // Global meaning of a name: program and libraries, then the SAL context.
    CSalSymbol* FindGlobal(NameId name) const;
    CSalSymbol* SymbolOfItem(HITEM hItem) const;
    const std::vector<CSalSymbol*>& Declarations(NameId name) const;
    const UnresolvedClassRef* UnresolvedClassAt(HITEM hItem) const;
    const ClassRef* ClassRefAt(HITEM hItem) const;
    // The class named by an object or window whose class is declared nowhere.
    const std::string* UnknownClassOf(const CSalSymbol* symbol) const;
    // Handlers with parameters of their own (event handlers of ActiveX windows).
    bool HasOwnScope(const CSalSymbol* handler) const { return m_handlerScopes.count(handler) != 0; }

    HOUTLINE Program() const { return m_program; }
    HOUTLINE Context() const { return m_context; }
    const outline::Outline* ProgramOutline() const;
    std::size_t Size() const { return m_symbols.size(); }
    const std::vector<std::unique_ptr<CSalSymbol>>& Symbols() const { return m_symbols; }

private:
    friend class TableBuilder;

    struct Key {
        Scope scope;
        NameId name;
        bool operator==(const Key& o) const { return scope == o.scope && name == o.name; }
    };
    struct KeyHash {
        std::size_t operator()(const Key& k) const
        {
            const auto p = reinterpret_cast<std::uintptr_t>(k.scope);
            return static_cast<std::size_t>((p >> 3) * 0x9E3779B97F4A7C15ull ^ (k.name * 0xC2B2AE3Dull));
        }
    };

    // Enters symbol under scope unless that scope already has the name.
    void AddMember(Scope scope, CSalSymbol* symbol, NameId name);
    CSalSymbol* Add(std::unique_ptr<CSalSymbol> symbol, NameId* name);

    HOUTLINE m_program;
    HOUTLINE m_context;
    char m_globalTag = 0;
    char m_contextTag = 0;
    NameTable m_names;
    std::vector<std::unique_ptr<CSalSymbol>> m_symbols;
    std::unordered_map<Key, CSalSymbol*, KeyHash> m_members;
    std::unordered_map<HITEM, CSalSymbol*> m_byItem;
    std::vector<std::vector<CSalSymbol*>> m_byName;
    std::unordered_map<HITEM, UnresolvedClassRef> m_unresolvedClasses;
    std::unordered_map<HITEM, ClassRef> m_classRefs;
    std::unordered_map<const CSalSymbol*, std::string> m_unknownClasses;
    std::unordered_set<const CSalSymbol*> m_handlerScopes;
};

} // namespace zv::lang
