#pragma once
// Fills a SymbolTable from the outline model: declarations first, in
// outline order, then the class links (bases, classes of windows and
// objects) and the overrides they imply.
#include <map>
#include <utility>

#include "platform/language/SymbolTable.h"

namespace zv::lang {

class TableBuilder {
public:
    explicit TableBuilder(SymbolTable& table) : m_table(table) {}
    // Declarations of one outline; builtIn for the SAL context.
    void Declare(const outline::Outline& outline, bool builtIn);
    // Class links and overrides, once every outline is declared.
    void Link();

private:
    struct ClassLine {
        CSalSymbol* owner;
        const outline::Outline* outline;
        std::int32_t line;    // the Class: item, or the declaration typed by a class
        bool base;            // a Derived From line
        bool typed;           // "cClass: name": the class is the keyword part
        int refKey = 0;       // "Class Child Ref Key: N" of an inherited child window
    };

    void Walk(std::int32_t index, CSalSymbol* container);
    void Children(std::int32_t index, CSalSymbol* container);
    void Declarations(std::int32_t section, CSalSymbol* container, bool parameters, bool constants);
    CSalSymbol* Register(std::unique_ptr<CSalSymbol> symbol, CSalSymbol* container, std::int32_t index);
    void AddWindow(std::int32_t index, CSalSymbol* container);
    void AddExternal(std::int32_t index, CSalSymbol* container);
    void NoteObjectClass(std::int32_t index, CSalSymbol* owner);
    void LinkLine(const ClassLine& line);
    CClass* InheritedClass(CClass* cls, int key, int depth);
    Scope ScopeFor(CSalSymbol* container) const;
    CGItem ItemAt(std::int32_t index) const;
    void ComputeOverrides();

    SymbolTable& m_table;
    const outline::Outline* m_outline = nullptr;
    bool m_builtIn = false;
    std::vector<ClassLine> m_classLines;
    std::map<std::pair<const CClass*, int>, CClass*> m_inherited;   // (class, child key) -> class of that child
};

} // namespace zv::lang
