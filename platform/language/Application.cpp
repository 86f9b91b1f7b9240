// CApplication: the one current symbol table of the process.
#include <stdexcept>

#include "contracts/SalLanguage.h"
#include "platform/language/SymbolTable.h"
#include "platform/outline/HostState.h"

namespace {

std::unique_ptr<CApplication>& Current()
{
    static std::unique_ptr<CApplication> current;
    return current;
}

} // namespace

CApplication::CApplication(HOUTLINE program, HOUTLINE context) : m_program(program), m_context(context) {}

CApplication::~CApplication() = default;

CApplication* CApplication::Instance(HOUTLINE program, HOUTLINE context)
{
    auto& current = Current();
    if (!current) current.reset(new CApplication(0, 0));
    CApplication& app = *current;
    if (context == 0 && program != 0 && app.m_context == 0)
        context = zv::host::HostState::Get().contextOutline;
    const bool newProgram = program != 0 && program != app.m_program;
    const bool newContext = context != 0 && context != app.m_context;
    if (newProgram || newContext) {
        // The old table's symbols go before the new one is built.
        app.m_table.reset();
        if (newProgram) app.m_program = program;
        if (newContext) app.m_context = context;
    }
    return &app;
}

void CApplication::CreateContext()
{
    if (m_program == 0) throw std::runtime_error("symbol table: no program outline");
    m_table.reset();
    auto table = std::make_unique<zv::lang::SymbolTable>(m_program, m_context);
    table->Build();
    m_table = std::move(table);
}

bool CApplication::IsCreated() const { return m_table != nullptr; }

std::size_t CApplication::GetSymbolCount() const { return m_table ? m_table->Size() : 0; }

CSalSymbol* CApplication::GetSymbolFromPath(const std::string& path) const
{
    if (!m_table || path.empty()) return nullptr;
    CSalSymbol* symbol = nullptr;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find("::", start);
        if (end == std::string::npos) end = path.size();
        std::string_view part(path.data() + start, end - start);
        while (!part.empty() && (part.front() == ' ' || part.front() == '\t')) part.remove_prefix(1);
        while (!part.empty() && (part.back() == ' ' || part.back() == '\t')) part.remove_suffix(1);
        const zv::lang::NameId name = m_table->Names().Find(part);
        symbol = symbol ? m_table->Find(zv::lang::SymbolTable::ScopeOf(symbol), name) : m_table->FindGlobal(name);
        if (!symbol) return nullptr;
        start = end + 2;
    }
    return symbol;
}

CSalSymbol* CApplication::GetSymbol(const std::string& name, bool bGlobal) const
{
    if (!m_table) return nullptr;
    const zv::lang::NameId id = m_table->Names().Find(name);
    if (bGlobal) return m_table->FindGlobal(id);
    const auto& all = m_table->Declarations(id);
    return all.empty() ? nullptr : all.front();
}

std::vector<CSalSymbol*> CApplication::FindAll(const std::string& name) const
{
    if (!m_table) return {};
    return m_table->Declarations(m_table->Names().Find(name));
}

CSalSymbol* CApplication::GetSymbolOfItem(HITEM hItem) const
{
    return m_table ? m_table->SymbolOfItem(hItem) : nullptr;
}
