#include "platform/language/SymbolTable.h"

namespace zv::lang {

SymbolTable::SymbolTable(HOUTLINE program, HOUTLINE context) : m_program(program), m_context(context) {}

SymbolTable::~SymbolTable()
{
    for (auto& symbol : m_symbols) CSalSymbol::NotifyRemoved(symbol.get());
}

const outline::Outline* SymbolTable::ProgramOutline() const
{
    return outline::Registry::Get().Find(m_program);
}

CSalSymbol* SymbolTable::Find(Scope scope, NameId name) const
{
    if (name == kNoName) return nullptr;
    auto it = m_members.find(Key{scope, name});
    return it == m_members.end() ? nullptr : it->second;
}

CSalSymbol* SymbolTable::FindGlobal(NameId name) const
{
    if (CSalSymbol* s = Find(GlobalScope(), name)) return s;
    return Find(ContextScope(), name);
}

CSalSymbol* SymbolTable::SymbolOfItem(HITEM hItem) const
{
    auto it = m_byItem.find(hItem);
    return it == m_byItem.end() ? nullptr : it->second;
}

const std::vector<CSalSymbol*>& SymbolTable::Declarations(NameId name) const
{
    static const std::vector<CSalSymbol*> none;
    return name < m_byName.size() ? m_byName[name] : none;
}

const UnresolvedClassRef* SymbolTable::UnresolvedClassAt(HITEM hItem) const
{
    auto it = m_unresolvedClasses.find(hItem);
    return it == m_unresolvedClasses.end() ? nullptr : &it->second;
}

const ClassRef* SymbolTable::ClassRefAt(HITEM hItem) const
{
    auto it = m_classRefs.find(hItem);
    return it == m_classRefs.end() ? nullptr : &it->second;
}

const std::string* SymbolTable::UnknownClassOf(const CSalSymbol* symbol) const
{
    auto it = m_unknownClasses.find(symbol);
    return it == m_unknownClasses.end() ? nullptr : &it->second;
}

void SymbolTable::AddMember(Scope scope, CSalSymbol* symbol, NameId name)
{
    m_members.try_emplace(Key{scope, name}, symbol);
}

CSalSymbol* SymbolTable::Add(std::unique_ptr<CSalSymbol> symbol, NameId* name)
{
    CSalSymbol* s = symbol.get();
    m_symbols.push_back(std::move(symbol));
    m_byItem.emplace(s->GetItem().GetItem(), s);
    if (s->GetKind() != SymbolKind::Handler) {
        *name = m_names.Intern(s->GetName());
        if (*name >= m_byName.size()) m_byName.resize(*name + 1);
        m_byName[*name].push_back(s);
    } else {
        *name = kNoName;
    }
    return s;
}

} // namespace zv::lang

#include <stdexcept>

#include "platform/language/TableBuilder.h"

namespace zv::lang {

void SymbolTable::Build()
{
    const outline::Outline* program = outline::Registry::Get().Find(m_program);
    if (!program) throw std::runtime_error("symbol table: outline " + std::to_string(m_program) + " is not loaded");
    if (program->root < 0 || !program->IsAlive(program->root))
        throw std::runtime_error("symbol table: " +
                                 (program->files.empty() ? std::string("the program") : program->files[0].path) +
                                 " has no root item");
    TableBuilder builder(*this);
    builder.Declare(*program, false);
    const outline::Outline* context = outline::Registry::Get().Find(m_context);
    if (context && context != program) builder.Declare(*context, true);
    builder.Link();
}

} // namespace zv::lang
