// Renaming any declared symbol of the sample program to a fresh name, then
// parsing again, must leave no new unresolved name, the same number of
// references under the new name, and every other symbol's references as they
// were. A rename that is refused says why.
#include "EngineFixture.h"

namespace {

using RefCounts = std::map<HITEM, std::size_t>;

// Every item of the outline that declares a symbol (handlers aside), in outline order.
void DeclaringItems(const CGItem& item, std::vector<HITEM>& out)
{
    CSalSymbol* symbol = CApplication::Instance(0, 0)->GetSymbolOfItem(item.GetItem());
    if (symbol && symbol->GetKind() != SymbolKind::Handler) out.push_back(item.GetItem());
    CGObjectList children;
    item.EnumChildObjects(children, 0, 0);
    for (const CGItem& child : children) DeclaringItems(child, out);
}

class RenameProperty : public zvtest::EngineTest {
protected:
    std::vector<HITEM> Declarations()
    {
        std::vector<HITEM> items;
        DeclaringItems(CGItem(m_hOutline, CGApplication(m_hOutline).GetItem()), items);
        return items;
    }
    RefCounts Counts()
    {
        RefCounts counts;
        for (HITEM h : Declarations()) {
            CXrefList* list = App().GetReferences(h);
            counts[h] = list ? list->GetReferences().size() : 0;
        }
        return counts;
    }
    std::size_t Unresolved() const { return zv::host::HostState::Get().output.size(); }
    void Reparse()
    {
        zv::host::HostState::Get().output.clear();
        Parse();
    }
    // Why a rename of the symbol is refused, empty when it is not.
    std::string Refusal(CSalSymbol* symbol, const std::vector<CGItem>& targets)
    {
        CGItem item(m_hOutline, symbol->GetItem().GetItem());
        if (item.IsReadOnly()) return "Symbol is included from another outline and cannot be renamed";
        for (const CGItem& t : targets)
            if (t.IsReadOnly()) return "its late-bound family holds a function of a library";
        for (const CGItem& t : targets)
            if (App().GetReferences(t.GetItem())) return {};
        return "Symbol is not referenced and can be renamed manually";
    }
};

TEST_F(RenameProperty, EverySymbolOfTheSampleRenamesCleanly)
{
    OpenPath(std::string(ZV_EXAMPLES_DIR) + "/stockroom.apt");
    Reparse();
    ASSERT_EQ(Unresolved(), 0u);
    const RefCounts before = Counts();

    // Symbols by item, taken once: the table is rebuilt by every parse.
    const std::vector<HITEM> items = Declarations();

    std::size_t renamed = 0, refused = 0;
    std::set<SymbolKind> kinds;
    for (std::size_t n = 0; n < items.size(); ++n) {
        CGItem item(m_hOutline, items[n]);
        CSalSymbol* symbol = App().GetSymbol(item);
        ASSERT_NE(symbol, nullptr) << item.GetTitle(0);
        const std::string oldName = symbol->GetName();
        const SymbolKind kind = symbol->GetKind();
        const std::vector<CGItem> targets = App().RenameTargets(item);
        const std::string why = Refusal(symbol, targets);
        if (!why.empty()) {
            ++refused;
            continue;
        }
        const std::string fresh = "zvFresh" + std::to_string(n);
        ASSERT_EQ(App().CheckNewName(item, fresh), "");
        App().RenameAll(targets, fresh);
        Reparse();
        EXPECT_EQ(Unresolved(), 0u) << oldName << " -> " << fresh << ": "
                                     << (Unresolved() ? zv::host::HostState::Get().output[0].text : "");
        EXPECT_EQ(App().GetSymbol(item)->GetName(), fresh);
        EXPECT_EQ(Counts(), before) << "references changed when renaming " << oldName;
        App().RenameAll(App().RenameTargets(item), oldName);
        Reparse();
        ++renamed;
        kinds.insert(kind);
    }
    EXPECT_EQ(Counts(), before);
    // The sample has symbols of every kind a user renames.
    for (SymbolKind k : {SymbolKind::Function, SymbolKind::Class, SymbolKind::Window, SymbolKind::Variable,
                         SymbolKind::Constant, SymbolKind::EnumItem})
        EXPECT_TRUE(kinds.count(k)) << static_cast<int>(k);
    EXPECT_GT(renamed, 100u);
    EXPECT_GT(refused, 0u);   // the library's symbols
}

} // namespace
