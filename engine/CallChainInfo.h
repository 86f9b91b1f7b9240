#pragma once
// Call information of one parse: for every calling function (or message
// handler), the functions it calls. Built from the parser's Symbol callbacks.
#include <unordered_map>

#include "contracts/SalLanguage.h"
#include "engine/CallInfoList.h"

class CCallChainInfo : public CParserNotificationInterface {
public:
    CCallChainInfo() = default;
    ~CCallChainInfo() override;
    CCallChainInfo(const CCallChainInfo&) = delete;
    CCallChainInfo& operator=(const CCallChainInfo&) = delete;

    void Symbol(CSalSymbol* symbol, CGItem& item, int position, int length, CSalSymbol* context) override;

    // The list filed under a function or handler item; null when none. A
    // lookup leaves an empty entry behind, which later lookups also answer with null.
    CCallInfoList* GetCallInfo(HITEM function);
    const std::unordered_map<HITEM, CCallInfoList*>& GetAll() const { return m_calls; }

private:
    CCallInfoList* Find(HITEM key, CGItem& function);

    std::unordered_map<HITEM, CCallInfoList*> m_calls;
};
