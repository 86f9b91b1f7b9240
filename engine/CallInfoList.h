#pragma once
// The functions one function (or one message handler) calls, each once.
#include <vector>

#include "contracts/OutlineKit.h"
#include "engine/Reference.h"

class CCallInfoList {
public:
    explicit CCallInfoList(CGItem& function);
    virtual ~CCallInfoList();
    CCallInfoList(const CCallInfoList&) = delete;
    CCallInfoList& operator=(const CCallInfoList&) = delete;

    // Appends unless the same called function is already listed; takes ownership.
    void add(CReference* reference);
    CGItem* GetFunction() { return &m_function; }
    std::vector<CReference*>& GetCalls() { return m_calls; }

private:
    std::vector<CReference*> m_calls;
    CGItem m_function;
};
