#include "engine/CallInfoList.h"

CCallInfoList::CCallInfoList(CGItem& function) { m_function.Initialize(function.GetOutline(), function.GetItem()); }

CCallInfoList::~CCallInfoList()
{
    for (CReference* reference : m_calls) delete reference;
}

void CCallInfoList::add(CReference* reference)
{
    for (CReference* existing : m_calls) {
        if (existing->GetSource()->GetItem() == reference->GetSource()->GetItem()) {
            delete reference;
            return;
        }
    }
    m_calls.push_back(reference);
}
