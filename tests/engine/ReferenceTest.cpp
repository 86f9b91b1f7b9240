// References and reference lists on a parsed program: text inspections,
// renaming, the two refactorings, breakpoints.
#include "EngineFixture.h"

namespace {

class References : public zvtest::EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        Open({"engine/references.apt"});
        Parse();
    }
    CXrefList* List(const std::string& declaration)
    {
        CXrefList* list = App().GetReferences(Find(declaration).GetItem());
        EXPECT_NE(list, nullptr) << declaration;
        return list;
    }
    std::vector<CReference*> Refs(const std::string& declaration)
    {
        CXrefList* list = List(declaration);
        return list ? list->GetReferences() : std::vector<CReference*>{};
    }
};

} // namespace

TEST_F(References, AssignmentsAndRightHandSides)
{
    auto n = Refs("Number: n");
    ASSERT_EQ(n.size(), 2u);
    EXPECT_TRUE(n[0]->IsAssignment());
    EXPECT_EQ(n[0]->RhsOfAssignment(), " 5");
    EXPECT_FALSE(n[1]->IsAssignment());  // the right-hand side of x = n + 1
    EXPECT_TRUE(n[0]->IsModifierStatement());
    EXPECT_FALSE(n[1]->IsModifierStatement());
    EXPECT_EQ(List("Number: n")->NoOfAssignments(), 1);
    // Only the first non-blank character behind the reference counts: x == y assigns x.
    auto x = Refs("Number: x");
    ASSERT_EQ(x.size(), 2u);
    EXPECT_TRUE(x[1]->IsAssignment());
    EXPECT_FALSE(List("Number: x")->ContainsExternalRefs());
}

TEST_F(References, AnArgumentPassedToAReceiveParameterIsAModifier)
{
    auto b = Refs("Number: b");
    // Set t = a * b, Call Foo( a, b ), Set x = b == a
    ASSERT_EQ(b.size(), 3u);
    EXPECT_TRUE(b[1]->GetModifier());
    EXPECT_TRUE(b[1]->IsModifierStatement());
    EXPECT_FALSE(b[0]->GetModifier());
    int index = 0;
    EXPECT_EQ(b[1]->IsParam(index), Find("Function: Foo").GetItem());
    EXPECT_EQ(index, 2);
    EXPECT_EQ(b[0]->IsParam(index), 0u);
    EXPECT_EQ(index, 0);
    auto a = Refs("Number: a");
    ASSERT_EQ(a.size(), 3u);
    EXPECT_FALSE(a[1]->GetModifier());  // Foo's first parameter is by value
}

TEST_F(References, AssignmentEndingInTheReferenceIsAnAssertion)
{
    CGItem source = Find("Set n = 5");
    CReference whole(&source, 0, 5);  // "n = 5" has nothing behind the span
    try {
        whole.IsAssignment();
        ADD_FAILURE() << "no assertion";
    } catch (Assertion* e) {
        EXPECT_EQ(e->GetExpression(), "i < line.GetLength()");
        EXPECT_EQ(e->GetFunction(), "\"CReference::IsAssignment\"");
        EXPECT_EQ(e->GetCallPath().back(), "CReference::IsAssignment");
        e->Delete();
    }
    try {
        CReference none(nullptr, 0, 0);
        ADD_FAILURE() << "no precondition failure";
    } catch (PreCondException* e) {
        EXPECT_EQ(e->GetExpression(), "source != NULL");
        EXPECT_EQ(e->GetFunction(), "\"CReference::CReference\"");
        e->Delete();
    }
}

TEST_F(References, RenameSplicesEveryReferenceAndKeepsTheArraySuffix)
{
    std::string newName = "bb";
    List("Number: aa")->RenameSymbol(Find("Number: aa").GetItem(), newName);
    EXPECT_EQ(Find("Set y = bb").GetText(), "y = bb + bb");
    EXPECT_EQ(Find("Number: bb").GetTitle(0), "Number: bb");
    std::string arr = "gsList";
    List("String: gsArr")->RenameSymbol(Find("String: gsArr").GetItem(), arr);
    EXPECT_EQ(arr, "gsList[*]");  // the caller sees the extended name
    EXPECT_EQ(Find("String: gsList").GetText(), "gsList[*]");
    EXPECT_EQ(Find("Set gsList").GetText(), "gsList[1] = 'x'");
    EXPECT_GE(m_ports.m_escapesSent, 2);
}

TEST_F(References, RenameOfAWholeLineReference)
{
    CGItem source = Find("Set y = t + 1");
    CReference whole(&source, -1, 0);
    whole.Rename("y = 2");
    EXPECT_EQ(source.GetText(), "y = 2");
    // From now on the reference covers the whole line it replaced.
    EXPECT_EQ(whole.GetPosition(), 0);
    EXPECT_EQ(whole.GetLength(), 9);
}

TEST_F(References, ChangeToAccessorRewritesReadsAndWrites)
{
    CGFunction getter(m_hOutline, Find("Function: Get").GetItem());
    CGFunction setter(m_hOutline, Find("Function: Put").GetItem());
    List("Number: n")->ChangeToAccessor(0, getter, setter);
    EXPECT_EQ(Find("Call Put(").GetTitle(0), "Call Put( 5)");
    EXPECT_EQ(Find("Set x = Get()").GetText(), "x = Get() + 1");
    EXPECT_EQ(zvtest::FindItem(m_hOutline, "Set n = 5").GetItem(), 0u);  // the old statement is gone
}

TEST_F(References, InlineTempReplacesEveryReadWithTheExpression)
{
    CXrefList* t = List("Number: t");
    ASSERT_EQ(t->NoOfAssignments(), 1);
    t->InlineTemp();
    EXPECT_EQ(Find("Set y =  a * b + 1").GetText(), "y =  a * b + 1");
    EXPECT_EQ(Find("Set y =  a * b +  a * b").GetText(), "y =  a * b +  a * b");
    EXPECT_EQ(Find("Set t = a * b").GetText(), "t = a * b");  // the assignment stays
}

TEST_F(References, BreakpointsOnEveryReference)
{
    auto& breakpoints = zv::host::HostState::Get().breakpoints;
    breakpoints.clear();
    List("Number: b")->SetBreakPoint(true);
    EXPECT_EQ(breakpoints.size(), 3u);
    EXPECT_EQ(breakpoints.count(Find("Call Foo( a, b )").GetItem()), 1u);
    List("Number: b")->SetBreakPoint(false);
    EXPECT_TRUE(breakpoints.empty());
}

TEST_F(References, ParameterNumbersBeyondTheListMeanItsLastParameter)
{
    CApplication* table = CApplication::Instance(0, 0);
    ASSERT_NE(table, nullptr);
    CSalSymbol* a = table->GetSymbolFromPath("a");
    CSalSymbol* foo = table->GetSymbolFromPath("Foo");
    ASSERT_NE(a, nullptr);
    ASSERT_NE(foo, nullptr);
    CGItem call = Find("Call Foo( a, b )");
    auto modifierFor = [&](int parameter, HITEM where) {
        CXrefInfo store;
        store.Symbol(a, call, 5, 1, nullptr);
        store.FuncParamAccess(a, foo, where, parameter);
        return store.GetReferences(a->GetItem().GetItem())->GetReferences().front()->GetModifier();
    };
    EXPECT_FALSE(modifierFor(1, call.GetItem()));  // by value
    EXPECT_TRUE(modifierFor(2, call.GetItem()));   // Receive
    EXPECT_TRUE(modifierFor(0, call.GetItem()));   // 0 never matches: the last one
    EXPECT_TRUE(modifierFor(7, call.GetItem()));
    EXPECT_FALSE(modifierFor(2, Find("Set y = t + 1").GetItem()));  // not the item of the last use
}
