// The override walk shared by the callee tree, the command line and rename.
#include "EngineFixture.h"
#include "engine/LateBinding.h"

namespace {

class LateBinding : public zvtest::EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        Open({"engine/late-binding.apt"});
        Parse();
    }
    CFunction* Function(const std::string& path)
    {
        auto* f = dynamic_cast<CFunction*>(CApplication::Instance(0, 0)->GetSymbolFromPath(path));
        EXPECT_NE(f, nullptr) << path;
        return f;
    }
    std::vector<std::string> Overrides(const std::string& path)
    {
        std::vector<std::string> names;
        for (CFunction* g : FindOverrides(Function(path))) {
            CGItem scratch;
            names.push_back(GetNamePrefix(g->GetItem().GetOutline(), g->GetItem().GetItem(), scratch));
        }
        return names;
    }
};

} // namespace

TEST_F(LateBinding, OverridesFollowTheWholeChainAndMatchWholeClassNames)
{
    // cDocList shares a prefix with cDoc but derives from nothing: it is no override.
    EXPECT_EQ(Overrides("cDoc::Validate"),
              (std::vector<std::string>{"cMoveDoc::Validate", "cTransferDoc::Validate"}));
    EXPECT_EQ(Overrides("cMoveDoc::Validate"), (std::vector<std::string>{"cTransferDoc::Validate"}));
    EXPECT_TRUE(Overrides("cTransferDoc::Validate").empty());
    EXPECT_TRUE(Overrides("cDocList::Validate").empty());
    EXPECT_TRUE(Overrides("cDoc::Post").empty());
}

TEST_F(LateBinding, WindowsMadeFromAClassOverrideItsFunctionsButHaveNoOverridesThemselves)
{
    EXPECT_EQ(Overrides("cDocForm::Refresh"), (std::vector<std::string>{"frmA::Refresh", "frmB::Refresh"}));
    // A sibling window's function of the same name is not an override of this one.
    EXPECT_TRUE(Overrides("frmA::Refresh").empty());
}

TEST_F(LateBinding, ANullFunctionIsAPrecondition)
{
    try {
        FindOverrides(nullptr);
        FAIL() << "no exception";
    } catch (PreCondException* e) {
        EXPECT_EQ(e->GetExpression(), "f != NULL");
        e->Delete();
    }
}
