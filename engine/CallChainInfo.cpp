#include "engine/CallChainInfo.h"

CCallChainInfo::~CCallChainInfo()
{
    for (auto& [h, list] : m_calls) delete list;
    m_calls.clear();
}

CCallInfoList* CCallChainInfo::Find(HITEM key, CGItem& function)
{
    CCallInfoList*& list = m_calls[key];
    if (!list) list = new CCallInfoList(function);
    return list;
}

void CCallChainInfo::Symbol(CSalSymbol* symbol, CGItem& item, int, int, CSalSymbol* context)
{
    if (!symbol) return;
    CGItem& declaration = symbol->GetItem();
    auto* reference = new CReference(&declaration, 0, 0);
    const bool calledIsFunction = IsFunction(declaration.GetItemType());
    if (calledIsFunction && context && IsFunction(context->GetItem().GetItemType())) {
        Find(context->GetItem().GetItem(), context->GetItem())->add(reference);
        return;
    }
    const CGItem parent = GetDeclaringParent(CGItem(item.GetOutline(), item.GetItem()));
    if (calledIsFunction && parent.GetItem() && parent.GetItemType() == ItemType::OnMessage) {
        CGItem function = context ? context->GetItem() : parent;
        Find(parent.GetItem(), function)->add(reference);
        return;
    }
    delete reference;
}

CCallInfoList* CCallChainInfo::GetCallInfo(HITEM function)
{
    return m_calls[function];
}
