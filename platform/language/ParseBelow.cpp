// Re-parsing one subtree, for an editor that changed one function body: the
// same walk as a whole parse, started below one item with the context the
// whole walk would have had there.
#include <stdexcept>

#include "platform/language/Parser.h"

namespace zv::lang {

bool ParserImpl::ParseBelow(CGApplication& app, std::int32_t top)
{
    stats = {};
    m_outline = outline::Registry::Get().Find(app.GetOutline());
    if (!m_outline || !m_outline->IsAlive(top)) throw std::runtime_error("SAL parser: the item to re-parse is gone");
    CApplication* table = CApplication::Instance(0, 0);
    if (!table || !table->IsCreated() || table->GetProgram() != app.GetOutline())
        throw std::runtime_error("SAL parser: re-parsing needs the symbol table of this outline");
    UseTable(app, *table);

    CSalSymbol* context = nullptr;
    for (std::int32_t i = top; i >= 0 && !context; i = m_outline->items[static_cast<std::size_t>(i)].parent) {
        CSalSymbol* own = m_table->SymbolOfItem(m_outline->ItemHandle(i));
        if (own && IsCodeContext(own->GetKind())) context = own;
    }
    m_phase = "parsing";
    struct Frame {
        std::int32_t index;
        CSalSymbol* context;
    };
    std::vector<Frame> stack;
    const outline::Item& topItem = m_outline->items[static_cast<std::size_t>(top)];
    for (std::int32_t c = topItem.lastChild; c >= 0; c = m_outline->items[static_cast<std::size_t>(c)].prev)
        stack.push_back({c, context});
    while (!stack.empty()) {
        const Frame frame = stack.back();
        stack.pop_back();
        const outline::Item& item = m_outline->items[static_cast<std::size_t>(frame.index)];
        CSalSymbol* inner = frame.context;
        if (!item.commented) {
            CSalSymbol* own = m_table->SymbolOfItem(m_outline->ItemHandle(frame.index));
            if (own && IsCodeContext(own->GetKind())) inner = own;
            ++stats.items;
            Process(frame.index, inner);
        }
        for (std::int32_t c = item.lastChild; c >= 0; c = m_outline->items[static_cast<std::size_t>(c)].prev)
            stack.push_back({c, inner});
    }
    m_phase = "done";
    m_index = -1;
    return true;
}

} // namespace zv::lang
