// The symbol-table entries and the receivers of their notifications.
#include <algorithm>

#include "contracts/SalLanguage.h"

namespace {

std::vector<CSymbolNotificationInterface*>& Receivers()
{
    static std::vector<CSymbolNotificationInterface*> receivers;
    return receivers;
}

} // namespace

CSalSymbol::CSalSymbol(SymbolKind kind, std::string name, const CGItem& item, CSalSymbol* parent,
                       bool builtIn)
    : m_item(item), m_name(std::move(name)), m_parent(parent), m_kind(kind), m_builtIn(builtIn)
{
}

CSalSymbol::~CSalSymbol() = default;

void CSalSymbol::AddNotifcationInterface(CSymbolNotificationInterface* receiver)
{
    auto& r = Receivers();
    if (receiver && std::find(r.begin(), r.end(), receiver) == r.end()) r.push_back(receiver);
}

void CSalSymbol::RemoveNotificationInterface(CSymbolNotificationInterface* receiver)
{
    auto& r = Receivers();
    r.erase(std::remove(r.begin(), r.end(), receiver), r.end());
}

void CSalSymbol::NotifyAdded(CSalSymbol* symbol, CGItem& item, int position, int length)
{
    // By index: a receiver may remove itself from inside the callback.
    auto& r = Receivers();
    for (std::size_t i = 0; i < r.size(); ++i) r[i]->SymbolAdded(symbol, item, position, length);
}

void CSalSymbol::NotifyRemoved(CSalSymbol* symbol)
{
    auto& r = Receivers();
    for (std::size_t i = 0; i < r.size(); ++i) r[i]->SymbolRemoved(symbol);
}

CFunction::CFunction(std::string name, const CGItem& item, CSalSymbol* parent, bool builtIn,
                     bool external)
    : CSalSymbol(SymbolKind::Function, std::move(name), item, parent, builtIn), m_external(external)
{
}

CFunction* CFunction::IsLateBound() const
{
    if (!m_overridden && !m_hasOverrides) return nullptr;
    const CFunction* root = this;
    // Bounded: a cycle of classes must not hang the caller.
    for (int guard = 0; root->m_overridden && guard < 10000; ++guard) root = root->m_overridden;
    return const_cast<CFunction*>(root);
}

CClass::CClass(std::string name, const CGItem& item, bool builtIn)
    : CSalSymbol(SymbolKind::Class, std::move(name), item, nullptr, builtIn)
{
}

void CClass::AddBaseClass(CClass* base)
{
    if (!base || std::find(m_bases.begin(), m_bases.end(), base) != m_bases.end()) return;
    m_bases.push_back(base);
    base->m_derived.push_back(this);
    m_linear.clear();
}

namespace {

void Linearize(CClass* cls, std::vector<CClass*>& out)
{
    if (std::find(out.begin(), out.end(), cls) != out.end()) return;
    out.push_back(cls);
    for (CClass* base : cls->GetBaseClasses()) Linearize(base, out);
}

} // namespace

const std::vector<CClass*>& CClass::GetLinearization() const
{
    if (m_linear.empty()) Linearize(const_cast<CClass*>(this), m_linear);
    return m_linear;
}

CWindow::CWindow(std::string name, const CGItem& item, CSalSymbol* parent, bool builtIn)
    : CSalSymbol(SymbolKind::Window, std::move(name), item, parent, builtIn)
{
}
