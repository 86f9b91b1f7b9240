#pragma once
// The cross-reference store of one parse: the references of every program
// symbol and of every SAL built-in, and the binds the parser could not
// resolve. It fills itself from the parser's and the symbol table's
// callbacks and turns Esc into a cancellation.
#include <string>
#include <unordered_map>
#include <vector>

#include "contracts/SalLanguage.h"
#include "engine/XrefList.h"

class CXrefInfo : public CSymbolNotificationInterface, public CParserNotificationInterface {
public:
    CXrefInfo() = default;
    ~CXrefInfo() override;
    CXrefInfo(const CXrefInfo&) = delete;
    CXrefInfo& operator=(const CXrefInfo&) = delete;

    // CSymbolNotificationInterface
    void SymbolAdded(CSalSymbol* symbol, CGItem& item, int position, int length) override;
    // CParserNotificationInterface
    void ParseText(std::string& text) override;
    void Symbol(CSalSymbol* symbol, CGItem& item, int position, int length, CSalSymbol* context) override;
    void UnresolvedBind(CGItem& item, int position, int length) override;
    void ParseProgress(int value) override;
    void FuncParamAccess(CSalSymbol* first, CSalSymbol* function, HITEM item, int parameter) override;

    // The references of a program symbol, without those whose item is gone.
    CXrefList* GetReferences(HITEM symbol);
    CXrefList* GetSalReferences(HITEM symbol);
    std::vector<CReference*>* GetUresolvedBinds(const std::string& name);

    // Every program symbol that has a list, for reports.
    const std::unordered_map<HITEM, CXrefList*>& GetProgramReferences() const { return m_programRefs; }
    const std::unordered_map<std::string, std::vector<CReference*>*>& GetAllUnresolvedBinds() const
    {
        return m_unresolvedBinds;
    }

private:
    std::unordered_map<HITEM, CXrefList*> m_programRefs;
    std::unordered_map<HITEM, CXrefList*> m_salRefs;
    HITEM m_lastItem = 0;
    CReference* m_lastReference = nullptr;
    std::unordered_map<std::string, std::vector<CReference*>*> m_unresolvedBinds;
};
