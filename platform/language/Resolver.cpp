#include "platform/language/Resolver.h"

namespace zv::lang {

bool IsCodeContext(SymbolKind kind)
{
    switch (kind) {
    case SymbolKind::Function: case SymbolKind::Handler: case SymbolKind::NamedMenu:
    case SymbolKind::Window: case SymbolKind::Class: case SymbolKind::Enumeration:
        return true;
    default:
        return false;
    }
}

RefMode Resolver::ModeOf(const CSalSymbol* s)
{
    switch (s->GetKind()) {
    case SymbolKind::Window: return RefMode::Window;
    case SymbolKind::Class: return RefMode::Class;
    case SymbolKind::Enumeration: return RefMode::Enum;
    case SymbolKind::Variable:
        if (s->GetObjectClass()) return RefMode::Object;
        if (s->GetDataType() == SalDataType::WindowHandle) return RefMode::Handle;
        return RefMode::Value;
    default:
        return RefMode::Value;
    }
}

const ScopeChain& Resolver::ChainOf(const CSalSymbol* context)
{
    auto it = m_chains.find(context);
    if (it != m_chains.end()) return it->second;
    ScopeChain chain;
    const CSalSymbol* s = context;
    if (s && s->GetKind() == SymbolKind::Handler && m_table.HasOwnScope(s)) chain.scopes.push_back(SymbolTable::ScopeOf(s));
    while (s && s->GetKind() != SymbolKind::Function && s->GetKind() != SymbolKind::Window &&
           s->GetKind() != SymbolKind::Class && s->GetKind() != SymbolKind::Enumeration)
        s = s->GetParentContext();
    if (s && (s->GetKind() == SymbolKind::Function || s->GetKind() == SymbolKind::Enumeration)) {
        chain.scopes.push_back(SymbolTable::ScopeOf(s));
        s = s->GetParentContext();
    }
    chain.membersBegin = chain.scopes.size();
    for (; s; s = s->GetParentContext()) {
        if (auto* cls = dynamic_cast<const CClass*>(s)) {
            for (const CClass* c : cls->GetLinearization()) chain.scopes.push_back(SymbolTable::ScopeOf(c));
        } else if (s->GetKind() == SymbolKind::Window) {
            chain.scopes.push_back(SymbolTable::ScopeOf(s));
            if (const CClass* cls = s->GetObjectClass())
                for (const CClass* c : cls->GetLinearization()) chain.scopes.push_back(SymbolTable::ScopeOf(c));
        }
    }
    chain.membersEnd = chain.scopes.size();
    chain.scopes.push_back(m_table.GlobalScope());
    chain.scopes.push_back(m_table.ContextScope());
    return m_chains.emplace(context, std::move(chain)).first->second;
}

CSalSymbol* Resolver::Lookup(const ScopeChain& chain, NameId name) const
{
    if (name == kNoName) return nullptr;
    for (Scope scope : chain.scopes)
        if (CSalSymbol* s = m_table.Find(scope, name)) return s;
    return nullptr;
}

CSalSymbol* Resolver::LookupLate(const ScopeChain& chain, NameId name) const
{
    if (name == kNoName) return nullptr;
    for (std::size_t i = chain.membersBegin; i < chain.membersEnd; ++i)
        if (CSalSymbol* s = m_table.Find(chain.scopes[i], name)) return s;
    return nullptr;
}

CSalSymbol* Resolver::InClass(const CClass* cls, NameId name) const
{
    for (const CClass* c : cls->GetLinearization())
        if (CSalSymbol* s = m_table.Find(SymbolTable::ScopeOf(c), name)) return s;
    return nullptr;
}

CSalSymbol* Resolver::Member(const Resolved& of, NameId name) const
{
    if (!of.symbol || name == kNoName) return nullptr;
    switch (of.mode) {
    case RefMode::Handle: {
        // hWnd.frmX: a window or class, named globally.
        CSalSymbol* s = m_table.FindGlobal(name);
        return s && (s->GetKind() == SymbolKind::Window || s->GetKind() == SymbolKind::Class) ? s : nullptr;
    }
    case RefMode::Window: {
        if (CSalSymbol* s = m_table.Find(SymbolTable::ScopeOf(of.symbol), name)) return s;
        return of.symbol->GetObjectClass() ? InClass(of.symbol->GetObjectClass(), name) : nullptr;
    }
    case RefMode::Class:
        return InClass(static_cast<const CClass*>(of.symbol), name);
    case RefMode::Object:
        return InClass(of.symbol->GetObjectClass(), name);
    case RefMode::Enum:
        return m_table.Find(SymbolTable::ScopeOf(of.symbol), name);
    case RefMode::Value:
        return nullptr;
    }
    return nullptr;
}

CSalSymbol* CodeContextOf(const SymbolTable& table, const outline::Outline& o, std::int32_t index)
{
    for (std::int32_t i = index; i >= 0; i = o.items[i].parent) {
        CSalSymbol* s = table.SymbolOfItem(o.ItemHandle(i));
        if (s && IsCodeContext(s->GetKind())) return s;
    }
    return nullptr;
}

} // namespace zv::lang
