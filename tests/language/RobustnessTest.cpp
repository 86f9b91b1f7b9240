// Bad and extreme input, settings that change what resolves, and how the
// parser talks to its receivers.
#include <stdexcept>

#include "LanguageFixture.h"

using namespace zvtest;

namespace {

std::string Program(const std::string& settings, const std::string& libraries, const std::string& actions)
{
    return "Application Description: robust\n"
           "  Design-time Settings\n" + settings +
           "  Libraries\n" + libraries +
           "  Global Declarations\n"
           "    Variables\n"
           "      Number: nMode\n"
           "    Internal Functions\n"
           "      Function: Work\n"
           "        Actions\n" + actions +
           "  Form Window: frmA\n"
           "    Contents\n"
           "      Data Field: dfA\n"
           "  Form Window: frmB\n"
           "    Message Actions\n"
           "      On SAM_Create\n"
           "        Set dfA = nMode\n";
}

class Robustness : public LanguageTest {
protected:
    std::size_t UsesOf(const char* path) const { return Uses(Sym(path)).size(); }
    bool Reported(const std::string& part) const
    {
        for (const auto& u : rec.unresolved)
            if (u.first.find(part) != std::string::npos) return true;
        return false;
    }
};

TEST_F(Robustness, ThousandNestedParenthesesStillResolve)
{
    const std::string deep = std::string(1000, '(') + "nMode" + std::string(1000, ')');
    LoadText(Program("", "", "          Set nMode = " + deep + " + SalStrLength( " + deep + " )\n"));
    EXPECT_EQ(UsesOf("nMode"), 4u);   // three here, one in frmB
    EXPECT_EQ(Uses(app->GetSymbol("SalStrLength", true)).size(), 1u);
}

TEST_F(Robustness, UnbalancedBracketsDoNotHang)
{
    LoadText(Program("", "", "          Set nMode = ((( nMode ]]] , ) ) ) ) [ nMode\n"
                             "          Call Work( nMode ]\n"));
    EXPECT_EQ(UsesOf("nMode"), 5u);
    EXPECT_EQ(UsesOf("Work"), 1u);
}

TEST_F(Robustness, UnterminatedStringIsReported)
{
    LoadText(Program("", "", "          Set nMode = SalStrLength( 'no end )\n"));
    EXPECT_TRUE(Reported("Unterminated string"));
    EXPECT_EQ(UsesOf("nMode"), 2u);
}

TEST_F(Robustness, VeryLongLineResolvesEveryName)
{
    std::string sum = "nMode";
    for (int i = 0; i < 20000; ++i) sum += " + nMode";
    LoadText(Program("", "", "          Set nMode = " + sum + "\n"));
    EXPECT_EQ(UsesOf("nMode"), 20003u);
}

TEST_F(Robustness, UnknownStatementKeywordIsReportedAndTheRestResolves)
{
    LoadText(Program("", "", "          Frobnicate nMode\n"));
    EXPECT_TRUE(Reported("Unknown statement 'Frobnicate' in Work"));
    EXPECT_EQ(UsesOf("nMode"), 2u);
}

TEST_F(Robustness, UnqualifiedExternalReferenceNamesTheSetting)
{
    LoadText(Program("    Fully Qualified External References? No\n", "", "          Return nMode\n"));
    ASSERT_EQ(rec.unresolved.size(), 1u);
    EXPECT_NE(rec.unresolved[0].first.find("Unresolved symbol 'dfA' in frmB::SAM_Create"), std::string::npos);
    EXPECT_NE(rec.unresolved[0].first.find("Fully Qualified External References is off"), std::string::npos);
}

TEST_F(Robustness, QualifiedSettingReportsAPlainError)
{
    LoadText(Program("    Fully Qualified External References? Yes\n", "", "          Return nMode\n"));
    ASSERT_EQ(rec.unresolved.size(), 1u);
    EXPECT_EQ(rec.unresolved[0].first, "Unresolved symbol 'dfA' in frmB::SAM_Create");
}

TEST_F(Robustness, UnresolvedNamesMentionMissingLibraries)
{
    LoadText(Program("", "    File Include: nowhere.apl\n", "          Call LibFunction( nMode )\n"));
    EXPECT_TRUE(Reported("Unresolved symbol 'LibFunction' in Work (libraries not found: nowhere.apl)"));
}

TEST_F(Robustness, CommentedOutCodeIsNeverParsed)
{
    LoadText(Program("", "", "          ! Call Nowhere( )\n          Set nMode = 1\n"
                             "          ! If Nothing\n            Call AlsoNowhere( )\n"));
    EXPECT_TRUE(rec.unresolved.size() == 1u && rec.unresolved[0].first.find("dfA") != std::string::npos);
}

class Thrower : public CParserNotificationInterface {
public:
    int throwAt = -1;
    bool throwInSymbol = false;
    void ParseProgress(int value) override
    {
        if (value == throwAt) throw std::runtime_error("cancelled at " + std::to_string(value));
    }
    void Symbol(CSalSymbol*, CGItem&, int, int, CSalSymbol*) override
    {
        if (throwInSymbol) throw 42;
    }
};

TEST_F(Robustness, ExceptionsOfReceiversLeaveParse)
{
    Load(std::string(ZV_FIXTURES_DIR) + "/orders.apt", {}, false);
    CSalParser parser(true, nullptr);
    Thrower thrower;
    thrower.throwAt = 50;
    parser.AddNotifcationInterface(&thrower);
    parser.AddNotifcationInterface(&rec);
    CGApplication application(m_program);
    try {
        parser.Parse(application);
        FAIL() << "no exception";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "cancelled at 50");
    }
    EXPECT_NE(parser.GetInfo().find("parsing; item '"), std::string::npos) << parser.GetInfo();
    EXPECT_NE(parser.GetInfo().find("orders.apt:"), std::string::npos) << parser.GetInfo();
    EXPECT_EQ(rec.progress.back(), 49);

    thrower.throwAt = -1;
    thrower.throwInSymbol = true;
    EXPECT_THROW(parser.Parse(application), int);

    // Removed receivers hear nothing; a receiver added twice hears once.
    parser.RemoveNotificationInterface(&thrower);
    parser.AddNotifcationInterface(&rec);
    rec = Recorder();
    parser.Parse(application);
    EXPECT_EQ(rec.progress.back(), 100);
    EXPECT_EQ(rec.progress.size(), 101u);
    EXPECT_EQ(parser.GetInfo(), "SAL parser: done");
}

TEST_F(Robustness, ProgressComesAtLeastEveryPercent)
{
    Load(std::string(ZV_EXAMPLES_DIR) + "/stockroom.apt");
    ASSERT_FALSE(rec.progress.empty());
    EXPECT_EQ(rec.progress.front(), 0);
    EXPECT_EQ(rec.progress.back(), 100);
    for (std::size_t i = 1; i < rec.progress.size(); ++i) EXPECT_EQ(rec.progress[i], rec.progress[i - 1] + 1);
    EXPECT_FALSE(rec.texts.empty());
}

TEST_F(Robustness, TableCreationWithoutRootThrows)
{
    auto& empty = zv::outline::Registry::Get().Create();
    CApplication* table = CApplication::Instance(empty.Handle(), Context());
    EXPECT_THROW(table->CreateContext(), std::runtime_error);
    EXPECT_FALSE(table->IsCreated());
    EXPECT_EQ(table->GetSymbolFromPath("anything"), nullptr);
    zv::outline::Registry::Get().Destroy(empty.Handle());
}

TEST_F(Robustness, InstanceKeepsOneTableAndSwitchesPrograms)
{
    LoadText(Program("", "", "          Return nMode\n"));
    EXPECT_EQ(CApplication::Instance(0, 0), app);
    EXPECT_EQ(CApplication::Instance(m_program, 0)->GetSymbolFromPath("frmA::dfA"), Sym("frmA::dfA"));
    EXPECT_EQ(app->GetContext(), Context());
    const HOUTLINE other = zv::outline::LoadProgram(std::string(ZV_FIXTURES_DIR) + "/orders.apt", {}).Handle();
    CApplication* second = CApplication::Instance(other, 0);
    EXPECT_EQ(second, app);
    EXPECT_FALSE(second->IsCreated());       // a new program drops the old table
    EXPECT_EQ(second->GetContext(), Context());
    second->CreateContext();
    EXPECT_NE(second->GetSymbolFromPath("LoadCustomer"), nullptr);
    EXPECT_EQ(second->GetSymbolFromPath("frmA"), nullptr);
    zv::outline::Registry::Get().Destroy(other);
}

} // namespace
