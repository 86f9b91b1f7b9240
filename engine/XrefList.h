#pragma once
// The references of one symbol, with the item that declares it. The list
// owns its references.
#include <string>
#include <vector>

#include "contracts/OutlineKit.h"
#include "engine/Reference.h"

class CXrefList {
public:
    explicit CXrefList(CGItem& symbol);
    virtual ~CXrefList();
    CXrefList(const CXrefList&) = delete;
    CXrefList& operator=(const CXrefList&) = delete;

    void add(CReference* reference);
    std::vector<CReference*>& GetReferences() { return m_references; }
    CGItem* GetSymbol() { return &m_symbol; }

    // Renames every reference, last to first, then the declaration; newName
    // comes back extended by the declaration's suffix (an array's "[*]").
    void RenameSymbol(HITEM declaration, std::string& newName);
    void SetBreakPoint(bool on);
    int NoOfAssignments();
    bool ContainsExternalRefs();

    // Refactorings: every direct use of a variable becomes a call of getter
    // or setter; every use of a temporary becomes the expression assigned to it.
    void ChangeToAccessor(HITEM unused, CGFunction& getter, CGFunction& setter);
    void InlineTemp();

    // Removes the reference at index (the list deletes it).
    void RemoveAt(std::size_t index);

private:
    CGItem m_symbol;
    std::vector<CReference*> m_references;
};
