// The cross-reference that the orders sample program documents, row by row.
#include "LanguageFixture.h"
#include "platform/language/SymbolTable.h"

using namespace zvtest;

namespace {

class Orders : public LanguageTest {
protected:
    void SetUp() override { Load(std::string(ZV_FIXTURES_DIR) + "/orders.apt"); }
};

TEST_F(Orders, EverythingResolves)
{
    for (const auto& u : rec.unresolved) ADD_FAILURE() << u.first;
    EXPECT_TRUE(rec.binds.empty());
    EXPECT_GT(rec.symbols.size(), 100u);
}

TEST_F(Orders, LogWriteCallersAndCallees)
{
    CSalSymbol* logWrite = Sym("LogWrite");
    EXPECT_NE(logWrite->GetItem().IsReadOnly(), 0);   // from common.apl
    EXPECT_EQ(Sorted(Callers(logWrite)), Sorted({"Connect", "SAM_AppStartup", "frmOrders::SAM_Close"}));
    EXPECT_EQ(Callees(logWrite), (decltype(Callees(logWrite)){"SalFileOpen", "MessageBeep", "SalFmtFormatDateTime",
                                               "SalDateCurrent", "SalFilePutStr"}));
}

TEST_F(Orders, LoadCustomerIsCalledFromTheFieldHandlerAndTheWindowFunction)
{
    EXPECT_EQ(Sorted(Callers(Sym("LoadCustomer"))), Sorted({"frmOrders::dfCustomer::SAM_Validate", "frmOrders::Refresh"}));
}

TEST_F(Orders, DfCustomerIsPassedToAReceiveParameterAndAssigned)
{
    CSalSymbol* df = Sym("frmOrders::dfCustomer");
    EXPECT_EQ(PassedAs(df), (decltype(PassedAs(df)){"LoadCustomer#2"}));
    auto* loadCustomer = dynamic_cast<CFunction*>(Sym("LoadCustomer"));
    ASSERT_EQ(loadCustomer->GetParameters().size(), 2u);
    EXPECT_FALSE(loadCustomer->GetParameters()[0].receive);
    EXPECT_TRUE(loadCustomer->GetParameters()[1].receive);
    EXPECT_EQ(loadCustomer->GetParameters()[1].symbol, Sym("LoadCustomer::rsName"));
    EXPECT_EQ(Sorted(Uses(df)), Sorted({
                              "frmOrders::dfCustomer::SAM_Validate|NOT LoadCustomer( nCustomer, dfCustomer )|dfCustomer",
                              "frmOrders::Refresh|dfCustomer = sName|dfCustomer"}));
}

TEST_F(Orders, WindowParameterIsUsedInCodeAndAsBind)
{
    const auto uses = Uses(Sym("frmOrders::nCustomer"));
    ASSERT_EQ(uses.size(), 3u);
    EXPECT_EQ(uses[0].substr(0, uses[0].find('|')), "frmOrders::dfCustomer::SAM_Validate");
    EXPECT_EQ(uses[1].substr(0, uses[1].find('|')), "frmOrders::Refresh");
    EXPECT_EQ(uses[2].substr(0, uses[2].find('|')), "frmOrders::SaveOrder");
    EXPECT_EQ(uses[2].substr(uses[2].rfind('|') + 1), "nCustomer");
}

TEST_F(Orders, ColumnInItsOwnHandlerAndAsBind)
{
    CSalSymbol* col = Sym("frmOrders::tblLines::colQty");
    const auto uses = Uses(col);
    ASSERT_EQ(uses.size(), 2u);
    EXPECT_EQ(uses[0], "frmOrders::tblLines::colQty::SAM_Validate|colQty > MAX_LINES|colQty");
    EXPECT_EQ(uses[1].substr(0, uses[1].find('|')), "frmOrders::SaveOrder");
    EXPECT_EQ(Uses(Sym("frmOrders::tblLines::colArticle")).size(), 1u);   // :tblLines.colArticle
}

TEST_F(Orders, BindInAConstantResolvesInGlobalScope)
{
    const auto uses = Uses(Sym("frmOrders::dfCity"));
    ASSERT_EQ(uses.size(), 1u);
    EXPECT_EQ(uses[0].substr(0, uses[0].find('|')), "SQL_CUSTOMER");
    EXPECT_EQ(Uses(Sym("gnCustomerId")).size(), 2u);   // the assignment and the bind
}

TEST_F(Orders, OverriddenWindowFunctionAndLateBoundCalls)
{
    auto* base = dynamic_cast<CFunction*>(Sym("cOrderForm::Refresh"));
    auto* over = dynamic_cast<CFunction*>(Sym("frmOrders::Refresh"));
    ASSERT_TRUE(base && over);
    EXPECT_EQ(over->IsLateBound(), base);
    EXPECT_EQ(base->IsLateBound(), base);
    EXPECT_EQ(over->GetOverridden(), base);
    EXPECT_EQ(Uses(base), (decltype(Uses(base)){"cOrderForm::MarkDirty|..Refresh(  )|Refresh",
                                        "cOrderForm::PM_Refresh|..Refresh(  )|Refresh",
                                        "frmOrders::Refresh|cOrderForm.Refresh(  )|Refresh"}));
    EXPECT_TRUE(Uses(over).empty());
    EXPECT_EQ(dynamic_cast<CFunction*>(Sym("cOrderForm::MarkDirty"))->IsLateBound(), nullptr);
}

TEST_F(Orders, OverrideInAClassWithTwoBases)
{
    auto* base = dynamic_cast<CFunction*>(Sym("cStockItem::Describe"));
    auto* over = dynamic_cast<CFunction*>(Sym("cCountedStock::Describe"));
    EXPECT_EQ(over->IsLateBound(), base);
    EXPECT_EQ(Uses(base), (decltype(Uses(base)){"cCountedStock::Describe|cStockItem.Describe(  ) || ' (' || "
                                        "SalNumberToStrX( ivCount, 0 ) || ')'|Describe"}));
    auto* derived = dynamic_cast<CClass*>(Sym("cCountedStock"));
    ASSERT_EQ(derived->GetBaseClasses().size(), 2u);
    EXPECT_EQ(derived->GetBaseClasses()[1], Sym("cCounter"));
    EXPECT_EQ(dynamic_cast<CClass*>(Sym("cCounter"))->GetDerivedClasses(), std::vector<CClass*>{derived});
}

TEST_F(Orders, InheritedFunctionThroughTheSecondBaseAndThroughAnObject)
{
    EXPECT_EQ(Callers(Sym("cCounter::Add")), (std::vector<std::string>{"cCountedStock::Describe", "frmOrders::SaveOrder"}));
    EXPECT_EQ(dynamic_cast<CFunction*>(Sym("cCounter::Add"))->IsLateBound(), nullptr);
    // Library items follow the program's own in outline order.
    EXPECT_EQ(Callers(Sym("cCounter::ivCount")), (std::vector<std::string>{"cCountedStock::Describe", "cCounter::Add", "cCounter::Reset"}));
}

TEST_F(Orders, ClassFunctionReachedFromAColumnHandler)
{
    EXPECT_EQ(Callers(Sym("cOrderForm::MarkDirty")), (std::vector<std::string>{"frmOrders::tblLines::colQty::SAM_Validate"}));
    EXPECT_EQ(Callers(Sym("frmOrders::SaveOrder")), (std::vector<std::string>{"frmOrders::pbSave::SAM_Click"}));
    EXPECT_EQ(Callers(Sym("CountLines")), (std::vector<std::string>{"frmOrders::pbSave::SAM_Click"}));
}

TEST_F(Orders, MessageConstantInHandlerMenuAndCreate)
{
    // Outline order: the named menu stands before the classes.
    EXPECT_EQ(Uses(Sym("PM_Refresh")), (std::vector<std::string>{"mnuOrder|SalSendMsg( hWndForm, PM_Refresh, 0, 0 )|PM_Refresh",
                            "cOrderForm::PM_Refresh|PM_Refresh|PM_Refresh",
                            "frmOrders::SAM_Create|SalSendMsg( hWndForm, PM_Refresh, 0, 0 )|PM_Refresh"}));
}

TEST_F(Orders, BuiltInsCarryTheFlag)
{
    for (const char* name : {"MyValue", "hWndForm", "SAM_User", "MB_Ok"}) {
        CSalSymbol* s = app->GetSymbol(name, true);
        ASSERT_NE(s, nullptr) << name;
        EXPECT_TRUE(s->IsBuiltIn()) << name;
        EXPECT_FALSE(Uses(s).empty()) << name;
    }
    EXPECT_FALSE(Sym("LogWrite")->IsBuiltIn());
}

TEST_F(Orders, NamedMenuLineAndSingleAssignment)
{
    EXPECT_EQ(Uses(Sym("mnuOrder")), (std::vector<std::string>{"frmOrders|mnuOrder|mnuOrder"}));
    EXPECT_EQ(Uses(Sym("frmOrders::bLoaded")), (std::vector<std::string>{"frmOrders::SAM_Create|bLoaded = FALSE|bLoaded"}));
}

TEST_F(Orders, NeverReferencedSymbolsHaveNoUses)
{
    for (const char* path : {"LEVEL_Quiet", "eLogLevel::LEVEL_Normal", "LEVEL_Verbose", "GetCursorPos",
                             "cCounter::Reset", "dlgAbout", "bmpLogo", "gaStock", "cCounter::cvInstances"})
        EXPECT_TRUE(Uses(Sym(path)).empty()) << path;
}

TEST_F(Orders, CommentedOutAndFormatsDeclareNothing)
{
    EXPECT_EQ(app->GetSymbolFromPath("LogFlush"), nullptr);
    for (const auto& symbol : app->GetTable()->Symbols()) {
        EXPECT_NE(symbol->GetItem().GetItemType(), ItemType::FormatItem) << symbol->GetName();
        EXPECT_NE(symbol->GetName(), "oldstuff");
    }
}

TEST_F(Orders, ClassReferencesStandOnTheLineThatNamesTheClass)
{
    // A Class: line carries the span of the name; only a declaration typed by
    // its class has the class in its keyword part and covers the whole item.
    std::vector<std::string> refs;
    for (const auto& e : rec.symbols) {
        if (e.symbol->GetKind() != SymbolKind::Class) continue;
        const CGItem item(0, e.item);
        const int type = item.GetItemType();
        if (type != ItemType::ObjectClass && type != ItemType::BaseClass && e.position >= 0) continue;
        refs.push_back(e.symbol->GetName() + "@" + item.GetTitle(0));
        if (e.position >= 0) {
            EXPECT_EQ(TextOf(e.item).substr(static_cast<std::size_t>(e.position), static_cast<std::size_t>(e.length)),
                      e.symbol->GetName());
        }
    }
    EXPECT_EQ(Sorted(refs), Sorted({"cCounter@Class: cCounter", "cStockItem@Class: cStockItem",
                                    "cStockItem@Class: cStockItem", "cCounter@Class: cCounter",
                                    "cOrderForm@Class: cOrderForm", "cCityField@Class: cCityField"}));
    for (const auto& e : rec.added) EXPECT_GE(e.position, 0) << "whole-item references come from the parser";
}

} // namespace
