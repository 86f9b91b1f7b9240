// Renaming a class reaches every place that names it: base-class lines,
// the Class: lines of windows and objects, objects declared by their class,
// qualified calls.
#include "EngineFixture.h"

using ClassRename = zvtest::EngineTest;

TEST_F(ClassRename, RenamingAClassRewritesEveryLineThatNamesIt)
{
    Open({"engine/classes.apt"});
    Parse();
    CGItem cls = Find("Functional Class: cStack");
    CXrefList* list = App().GetReferences(cls.GetItem());
    ASSERT_NE(list, nullptr);
    // oPile's and rStack's keywords, gStack's Class:, the base line, cStack.Push
    EXPECT_EQ(list->GetReferences().size(), 5u);
    EXPECT_EQ(Find("Receive cStack: rStack").GetItemType(), ItemType::ReceiveOther);
    CXrefList* pile = App().GetReferences(Find("cStack: oPile").GetItem());
    ASSERT_NE(pile, nullptr);
    EXPECT_TRUE(pile->GetReferences().back()->GetModifier());  // passed to a Receive parameter
    EXPECT_EQ(Find("cStack: oPile").GetObjectClass(), "cStack");
    std::string newName = "cPile";
    list->RenameSymbol(cls.GetItem(), newName);
    EXPECT_EQ(Find("cPile: oPile").GetName(), "oPile");
    EXPECT_EQ(Find("Receive cPile: rStack").GetName(), "rStack");
    EXPECT_EQ(Find("FunctionalVar: gStack").GetObjectClass(), "cPile");
    EXPECT_NE(zvtest::FindItem(m_hOutline, "Functional Class: cPile").GetItem(), 0u);
    EXPECT_NE(zvtest::FindItem(m_hOutline, "Return cPile.Push(  ) + 1").GetItem(), 0u);
    CGItem derived = Find("Functional Class: cCountedStack");
    CGClass counted(m_hOutline, derived.GetItem());
    CGObjectList bases;
    ASSERT_EQ(counted.EnumBaseClasses(bases), 1);
    EXPECT_EQ(bases.GetAt(0).GetName(), "cPile");
    // The renamed program resolves as before.
    zv::host::HostState::Get().output.clear();
    Parse();
    EXPECT_TRUE(zv::host::HostState::Get().output.empty());
    EXPECT_EQ(App().GetReferences(Find("Functional Class: cPile").GetItem())->GetReferences().size(), 5u);
}

TEST_F(ClassRename, AChildWindowNamedByItsClassFollowsTheClass)
{
    Open({"engine/window-class.apt"});
    Parse();
    EXPECT_TRUE(zv::host::HostState::Get().output.empty());  // dfTown.Up resolves through the class
    CGItem cls = Find("Data Field Class: cTown");
    CXrefList* list = App().GetReferences(cls.GetItem());
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->GetReferences().size(), 1u);
    EXPECT_EQ(list->GetReferences()[0]->GetSource()->GetItem(), Find("cTown: dfTown").GetItem());
    std::string newName = "cCity";
    list->RenameSymbol(cls.GetItem(), newName);
    EXPECT_EQ(Find("cCity: dfTown").GetObjectClass(), "cCity");
    Parse();
    EXPECT_TRUE(zv::host::HostState::Get().output.empty());
}
