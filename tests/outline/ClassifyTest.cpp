// Item types, and the split of a line into keyword part, text and name.
#include <gtest/gtest.h>

#include "TestFiles.h"
#include "platform/outline/Loader.h"

using namespace zv::outline;
using zvtest::FindItem;

namespace {

class OrdersTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_hOutline = m_app.LoadOutline(zvtest::Fixture("orders.apt"));
        ASSERT_NE(m_hOutline, 0u) << CGApplication::GetLastError();
    }
    void TearDown() override { m_app.UnloadOutline(); }
    CGItem Find(const std::string& prefix) const
    {
        CGItem item = FindItem(m_hOutline, prefix);
        EXPECT_NE(item.GetItem(), 0u) << prefix;
        return item;
    }
    int Type(const std::string& prefix) const { return Find(prefix).GetItemType(); }

    CGApplication m_app;
    HOUTLINE m_hOutline = 0;
};

} // namespace

TEST_F(OrdersTest, NoItemOfTheProgramIsLeftUnknown)
{
    const Outline* o = Registry::Get().Find(m_hOutline);
    for (std::int32_t i = o->root; i >= 0; i = o->NextInOrder(i, o->root))
        EXPECT_NE(o->items[i].type, ItemType::Unknown) << o->items[i].line;
}

TEST_F(OrdersTest, TitleTextAndNameSplit)
{
    struct Row { const char* line; const char* title; const char* text; const char* name; };
    const Row rows[] = {
        {"Function: LoadCustomer", "Function:", "LoadCustomer", "LoadCustomer"},
        {"Number: MAX_LINES = 200", "Number:", "MAX_LINES = 200", "MAX_LINES"},
        {"Receive String: rsName", "Receive String:", "rsName", "rsName"},
        {"FunctionalVar: gaStock[*]", "FunctionalVar:", "gaStock[*]", "gaStock"},
        {"Set rnCount", nullptr, nullptr, nullptr},
        {"Call SqlFetchNext( ghSql, nFetch )", "Call", "SqlFetchNext( ghSql, nFetch )", ""},
        {"On SAM_Create", "On", "SAM_Create", "SAM_Create"},
        {"Data Field: dfCustomer", "Data Field:", "dfCustomer", "dfCustomer"},
        {"! Pr", "!", nullptr, ""},
        {"Local variables", "Local variables", "", ""},
        {"Set gnCustomerId = pnId", "Set", "gnCustomerId = pnId", ""},
        {"Item: LEVEL_Quiet = 0", "Item:", "LEVEL_Quiet = 0", "LEVEL_Quiet"},
        {"Width:  9.0\"", "Width:", "9.0\"", ""},
    };
    for (const Row& row : rows) {
        if (!row.title) continue;
        CGItem item = Find(row.line);
        EXPECT_EQ(item.GetTitle(1), row.title) << row.line;
        if (row.text) {
            EXPECT_EQ(item.GetText(), row.text) << row.line;
        }
        EXPECT_EQ(item.GetName(), row.name) << row.line;
    }
}

TEST_F(OrdersTest, ClassLinesHaveThreeMeanings)
{
    CGItem derived = Find("Functional Class: cCountedStock");
    CGItem derivedFrom;
    ASSERT_TRUE(derived.GetChildOfType(ItemType::DerivedFrom, derivedFrom, 0));
    CGObjectList bases;
    EXPECT_EQ(derivedFrom.EnumChildObjects(bases, ItemType::BaseClass, 0), 2);
    EXPECT_EQ(bases.GetAt(0).GetName(), "cStockItem");
    EXPECT_EQ(bases.GetAt(1).GetName(), "cCounter");
    EXPECT_EQ(Find("Form Window: frmOrders").GetObjectClass(), "cOrderForm");
    EXPECT_EQ(Find("Data Field: dfCity").GetObjectClass(), "cCityField");
    EXPECT_EQ(Find("Data Field: dfCustomer").GetObjectClass(), "");
    EXPECT_EQ(Find("FunctionalVar: gOrderCount").GetObjectClass(), "cCounter");
    EXPECT_EQ(Type("Class: cOrderForm"), ItemType::ObjectClass);
}

TEST_F(OrdersTest, SameKeywordDifferentPlaces)
{
    EXPECT_EQ(Type("Number: ###000"), ItemType::FormatItem);
    EXPECT_EQ(Type("Number: MAX_LINES"), ItemType::DeclNumber);
    EXPECT_EQ(Type("Number: pnId"), ItemType::DeclNumber);
    EXPECT_EQ(Type("Receive String: rsName"), ItemType::ReceiveString);
    EXPECT_EQ(Type("Boolean: BOOL"), ItemType::ReturnType);
    EXPECT_EQ(Type("Number: UINT"), ItemType::ExternalParameter);
    EXPECT_EQ(Type("Receive Number: LONG"), ItemType::ExtReceiveNumber);
    EXPECT_EQ(Type("Function: MessageBeep"), ItemType::ExternalFunction);
    EXPECT_EQ(Type("Function: Connect"), ItemType::Function);
    EXPECT_EQ(Type("Library name: USER32.DLL"), ItemType::LibraryName);
    EXPECT_EQ(Type("ThreadSafe: No"), ItemType::LibraryChildOther);
    EXPECT_EQ(Type("Enum: eLogLevel"), ItemType::Enumeration);
    EXPECT_EQ(Type("Item: LEVEL_Normal"), ItemType::EnumerationItem);
    EXPECT_EQ(Type("Form Window: frmOrders"), ItemType::FormWindow);
    EXPECT_EQ(Type("Dialog Box: dlgAbout"), ItemType::DialogBox);
    EXPECT_EQ(Type("Child Table: tblLines"), ItemType::ChildTable);
    EXPECT_EQ(Type("Column: colQty"), ItemType::Column);
    EXPECT_EQ(Type("Menu: mnuOrder"), ItemType::NamedMenu);
    EXPECT_EQ(Type("Named Menu: mnuOrder"), ItemType::NamedMenuRef);
    EXPECT_EQ(Type("Bitmap: bmpLogo"), ItemType::Bitmap);
    EXPECT_EQ(Type("Form Window Class: cOrderForm"), ItemType::FormWindowClass);
    EXPECT_EQ(Type("Enabled when: gbConnected"), ItemType::EnabledWhen);
    EXPECT_EQ(Type("Set SqlDatabase"), ItemType::Set);
    EXPECT_TRUE(IsStatement(Type("While SalTblFindNextRow")));
    EXPECT_TRUE(IsStatement(Type("Return VALIDATE_Ok")));
    EXPECT_FALSE(IsStatement(Type("On SAM_Validate")));
    EXPECT_EQ(Type("On SAM_Validate"), ItemType::OnMessage);
}

TEST_F(OrdersTest, CommentsAndCommentedOutSubtreesDeclareNothing)
{
    CGItem include = Find("! File Include: oldstuff.apl");
    EXPECT_EQ(include.GetItemType(), ItemType::Comment);
    CGItem flush = Find("! Function: LogFlush");
    EXPECT_EQ(flush.GetItemType(), ItemType::Comment);
    EXPECT_FALSE(IsSymbol(flush));
    CGObjectList children;
    flush.EnumChildObjects(children, 0, 0);
    ASSERT_EQ(children.GetCount(), 2);
    for (const CGItem& child : children) EXPECT_EQ(child.GetItemType(), ItemType::Comment);
    CGItem nested;
    ASSERT_TRUE(flush.GetChildOfType(ItemType::Comment, nested, 1));
    EXPECT_FALSE(IsSymbol(nested));
    EXPECT_TRUE(IsSymbol(Find("Function: LogWrite")));
    EXPECT_TRUE(IsSymbol(Find("Number: gnCustomerId")));
    EXPECT_FALSE(IsSymbol(Find("Number: ###000")));
    EXPECT_FALSE(IsSymbol(Find("Set bLoaded")));
}
