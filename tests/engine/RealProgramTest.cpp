// Renames in real programs: a late-bound family renamed as one, classes named
// on Class: lines and in Default Classes, comments left alone; and what a
// reference says about itself (its line, late bound, by name).
#include "EngineFixture.h"
#include "engine/LateBinding.h"

namespace {

class RealProgram : public zvtest::EngineTest {
protected:
    CSalSymbol* Sym(const std::string& path)
    {
        CSalSymbol* s = CApplication::Instance(0, 0)->GetSymbolFromPath(path);
        EXPECT_NE(s, nullptr) << path;
        return s;
    }
    CGItem ItemOf(const std::string& path) { return CGItem(m_hOutline, Sym(path)->GetItem().GetItem()); }
    CXrefList* Refs(const std::string& path) { return App().GetReferences(Sym(path)->GetItem().GetItem()); }
    std::size_t RefCount(const std::string& path)
    {
        CXrefList* list = Refs(path);
        return list ? list->GetReferences().size() : 0;
    }
    void ExpectCleanParse()
    {
        zv::host::HostState::Get().output.clear();
        Parse();
        for (const auto& line : zv::host::HostState::Get().output) ADD_FAILURE() << line.text;
    }
};

TEST_F(RealProgram, ALateBoundFamilyIsRenamedAsOne)
{
    Open({"realprog/classes.apt"});
    Parse();
    CGItem paint = ItemOf("cOrderForm::Paint");
    const std::vector<CGItem> targets = App().RenameTargets(paint);
    std::vector<std::string> paths;
    for (const CGItem& t : targets) {
        CGItem scratch;
        paths.push_back(GetNamePrefix(t.GetOutline(), t.GetItem(), scratch));
    }
    EXPECT_EQ(paths, (std::vector<std::string>{"cPagedForm::Paint", "cOrderForm::Paint", "cQuickOrderForm::Paint",
                                               "frmOrders::Paint"}));
    // A function outside any family is renamed alone.
    CGItem refresh = ItemOf("cPagedForm::Refresh");
    EXPECT_EQ(App().RenameTargets(refresh).size(), 1u);

    App().RenameAll(targets, "Draw");
    EXPECT_NE(zvtest::FindItem(m_hOutline, "Call ..Draw(  )").GetItem(), 0u);
    EXPECT_EQ(zvtest::FindItem(m_hOutline, "Function: Paint").GetItem(), 0u);
    ExpectCleanParse();
    for (const char* path : {"cPagedForm::Draw", "cOrderForm::Draw", "cQuickOrderForm::Draw", "frmOrders::Draw"})
        EXPECT_NE(CApplication::Instance(0, 0)->GetSymbolFromPath(path), nullptr) << path;
    EXPECT_EQ(RefCount("cPagedForm::Draw"), 1u);
}

TEST_F(RealProgram, TheRenameCommandNamesTheFamilyBeforeAskingForTheName)
{
    Open({"realprog/classes.apt"});
    Parse();
    CGItem quick = ItemOf("cQuickOrderForm::Paint");
    CReference ref(&quick, 0, 0);
    m_ports.m_newName = "Draw";
    m_answer = ZvIDCANCEL;
    App().Rename(&ref);
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_NE(m_boxes[0].text.find("cPagedForm::Paint"), std::string::npos);
    EXPECT_NE(m_boxes[0].text.find("frmOrders::Paint"), std::string::npos);
    EXPECT_NE(zvtest::FindItem(m_hOutline, "Call ..Paint(  )").GetItem(), 0u);   // cancelled: nothing changed

    m_answer = ZvIDOK;
    App().Rename(&ref);
    EXPECT_NE(zvtest::FindItem(m_hOutline, "Call ..Draw(  )").GetItem(), 0u);
    EXPECT_EQ(zvtest::FindItem(m_hOutline, "Function: Paint").GetItem(), 0u);
}

TEST_F(RealProgram, AnOverrideKnowsTheLateBoundCallsThatReachIt)
{
    Open({"realprog/classes.apt"});
    Parse();
    auto* quick = dynamic_cast<CFunction*>(Sym("cQuickOrderForm::Paint"));
    ASSERT_NE(quick, nullptr);
    const std::vector<CReference*> calls = LateBoundCallsOf(quick);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_TRUE(calls[0]->IsLateBoundCall());
    EXPECT_EQ(CallerOf(*calls[0]->GetSource()).GetItem(), Sym("cPagedForm::Refresh")->GetItem().GetItem());
    // The function the call resolved to has it as its own reference, not twice.
    EXPECT_TRUE(LateBoundCallsOf(dynamic_cast<CFunction*>(Sym("cPagedForm::Paint"))).empty());
    // Windows made from a class, inherited children included, are its subclasses.
    std::vector<HITEM> subclasses;
    for (const CGItem& item : DirectSubclasses(dynamic_cast<CClass*>(Sym("cTabPicture"))))
        subclasses.push_back(item.GetItem());
    EXPECT_EQ(subclasses, (std::vector<HITEM>{Sym("cPagedForm::picPages")->GetItem().GetItem(),
                                              Sym("frmOrders::picPages")->GetItem().GetItem()}));
}

TEST_F(RealProgram, RenamingAClassRewritesItsClassLinesAndDefaultClasses)
{
    Open({"realprog/classes.apt"});
    Parse();
    EXPECT_EQ(RefCount("clsBaseButton"), 2u);
    for (CReference* ref : Refs("clsBaseButton")->GetReferences())
        EXPECT_EQ(ref->GetSource()->GetItemType(), ItemType::ObjectClass);
    std::string name = "clsButton";
    Refs("clsBaseButton")->RenameSymbol(ItemOf("clsBaseButton").GetItem(), name);
    name = "clsField";
    Refs("clsBaseDf")->RenameSymbol(ItemOf("clsBaseDf").GetItem(), name);
    EXPECT_NE(zvtest::FindItem(m_hOutline, "Data Field: clsField").GetItem(), 0u);
    ExpectCleanParse();
    EXPECT_EQ(RefCount("clsButton"), 2u);
    EXPECT_EQ(RefCount("clsField"), 1u);
    EXPECT_EQ(Sym("frmOrders::pbOk")->GetObjectClass(), Sym("clsButton"));
}

TEST_F(RealProgram, RenameLeavesCommentsAlone)
{
    Open({"realprog/code.apt"});
    Parse();
    std::string name = "PORT_Main";
    Refs("PORT_Default")->RenameSymbol(ItemOf("PORT_Default").GetItem(), name);
    EXPECT_NE(zvtest::FindItem(m_hOutline, "Number: PORT_Main = 21   ! default port, don't change it").GetItem(), 0u);
    EXPECT_NE(zvtest::FindItem(m_hOutline, "If nPort != PORT_Main ! the user's port, default").GetItem(), 0u);
    ExpectCleanParse();
    EXPECT_EQ(RefCount("PORT_Main"), 3u);
}

TEST_F(RealProgram, AReferenceOnAContinuationLineIsOnThatLine)
{
    Open({"realprog/code.apt"});
    Parse();
    std::vector<int> lines;
    for (CReference* ref : Refs("gnTries")->GetReferences()) lines.push_back(ref->GetLineNumber());
    // Line 38 passes it to the dialog; the message box call starts on 41 and names it on 42.
    EXPECT_EQ(lines, (std::vector<int>{38, 42}));
    EXPECT_EQ(Refs("gnTries")->GetReferences()[1]->GetSource()->GetLineNumber(), 41);
}

TEST_F(RealProgram, ReferencesByNameAndByWindowParameters)
{
    Open({"realprog/code.apt"});
    Parse();
    ASSERT_EQ(RefCount("menuRow"), 1u);
    EXPECT_TRUE(Refs("menuRow")->GetReferences()[0]->IsByName());
    EXPECT_TRUE(Refs("Main::sName")->GetReferences()[0]->IsByName());
    EXPECT_FALSE(Refs("gsUser")->GetReferences()[1]->IsByName());   // a name beside a string, not in it
    // A dialog fills its Receive parameters: what is passed for them is modified.
    EXPECT_TRUE(Refs("gsUser")->GetReferences()[0]->IsModifierStatement());
    EXPECT_TRUE(Refs("gnTries")->GetReferences()[0]->IsModifierStatement());
    EXPECT_FALSE(Refs("gnTries")->GetReferences()[1]->IsModifierStatement());
}

TEST_F(RealProgram, AccentedNamesAreRenamedWhole)
{
    Open({"realprog/accents-cp1252.apt"});
    Parse();
    std::string name = "nReçus";
    Refs("nBulletinsEnregistrés")->RenameSymbol(ItemOf("nBulletinsEnregistrés").GetItem(), name);
    EXPECT_NE(zvtest::FindItem(m_hOutline, "Set nReçus = nReçus + 1").GetItem(), 0u);
    EXPECT_NE(zvtest::FindItem(m_hOutline, "Set nReçus = 0 ! déjà compté").GetItem(), 0u);
    ExpectCleanParse();
    EXPECT_EQ(RefCount("nReçus"), 3u);
}

} // namespace
