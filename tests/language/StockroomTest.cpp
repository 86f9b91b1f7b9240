// The sample program of examples/: what its README documents.
#include <filesystem>

#include "LanguageFixture.h"

using namespace zvtest;

namespace {

class Stockroom : public LanguageTest {
protected:
    void SetUp() override
    {
        const std::string path = std::string(ZV_EXAMPLES_DIR) + "/stockroom.apt";
        if (!std::filesystem::exists(path)) GTEST_SKIP() << "no sample program";
        Load(path);
    }
    std::vector<std::string> Sorted(std::vector<std::string> v) const { return zvtest::Sorted(std::move(v)); }
    static bool Has(const std::vector<std::string>& v, const std::string& x)
    {
        return std::find(v.begin(), v.end(), x) != v.end();
    }
    std::size_t CallCount(const CSalSymbol* f) const { return Uses(f).size(); }
};

TEST_F(Stockroom, NothingIsUnresolved)
{
    for (const auto& u : rec.unresolved) ADD_FAILURE() << u.first;
    EXPECT_TRUE(rec.binds.empty());
}

TEST_F(Stockroom, LogWriteCallersAndCallees)
{
    CSalSymbol* logWrite = Sym("LogWrite");
    EXPECT_EQ(CallCount(logWrite), 14u);
    EXPECT_EQ(Sorted(Callers(logWrite)),
              Sorted({"Connect", "BookMove", "ScanBins", "SAM_AppStartup", "SAM_AppExit", "SAM_SqlError",
                      "mdiStock::SAM_Close", "UnitFactor", "cAuditTrail::Start", "cAuditTrail::Record",
                      "cAuditTrail::ObjectDestructor", "cStockDoc::Post"}));
    EXPECT_EQ(Sorted(Callees(logWrite)), Sorted({"LogOpen", "SalDateCurrent", "SalFmtFormatDateTime",
                                                  "SalNumberToStrX", "MessageBeep", "SalFilePutStr"}));
}

TEST_F(Stockroom, RecursionAndCallsTwiceInOneStatement)
{
    CSalSymbol* padLeft = Sym("PadLeft");
    EXPECT_EQ(Sorted(Callers(padLeft)), Sorted({"BinCode", "LegacyBinLabel", "PadLeft"}));
    EXPECT_EQ(CallCount(padLeft), 4u);
}

TEST_F(Stockroom, ReceiveParametersModifyTheirArguments)
{
    EXPECT_EQ(PassedAs(Sym("dlgCount::dfCountName")), (std::vector<std::string>{"LoadArticle#2"}));
    EXPECT_EQ(PassedAs(Sym("frmArticle::Refresh::sName")), (std::vector<std::string>{"LoadArticle#2"}));
    EXPECT_TRUE(Has(PassedAs(Sym("tblStock::Reload::nSel")), "CountRows#2"));
    EXPECT_TRUE(Has(PassedAs(Sym("Connect::sMachine")), "GetComputerNameA#1"));
    EXPECT_TRUE(Has(PassedAs(Sym("Connect::nLen")), "GetComputerNameA#2"));
    auto* external = dynamic_cast<CFunction*>(Sym("GetComputerNameA"));
    ASSERT_EQ(external->GetParameters().size(), 2u);
    EXPECT_TRUE(external->GetParameters()[0].receive && external->GetParameters()[1].receive);
    auto* split = dynamic_cast<CFunction*>(Sym("SplitCode"));
    ASSERT_EQ(split->GetParameters().size(), 3u);
    EXPECT_FALSE(split->GetParameters()[0].receive);
    EXPECT_TRUE(split->GetParameters()[1].receive && split->GetParameters()[2].receive);
    EXPECT_EQ(PassedAs(Sym("dlgMove::Book::nDoc")), (std::vector<std::string>{"BookMove#6"}));
    EXPECT_TRUE(Has(PassedAs(Sym("dlgCount::nCountDoc")), "BookMove#6"));
}

TEST_F(Stockroom, CommentedOutCallDoesNotCount)
{
    EXPECT_EQ(Sorted(Callers(Sym("BookMove"))), Sorted({"dlgMove::Book", "dlgCount::SaveCount"}));
    EXPECT_EQ(app->GetSymbolFromPath("ImportCsv"), nullptr);
}

TEST_F(Stockroom, LateBindingAcrossThreeLevelsOfClasses)
{
    auto fn = [&](const char* path) { return dynamic_cast<CFunction*>(Sym(path)); };
    EXPECT_EQ(fn("cTransferDoc::Validate")->IsLateBound(), fn("cStockDoc::Validate"));
    EXPECT_EQ(fn("cMoveDoc::Validate")->IsLateBound(), fn("cStockDoc::Validate"));
    EXPECT_EQ(fn("frmArticle::Refresh")->IsLateBound(), fn("cStockForm::Refresh"));
    EXPECT_TRUE(Uses(Sym("frmArticle::Refresh")).empty());
    EXPECT_TRUE(Uses(Sym("cTransferDoc::Validate")).empty());
    EXPECT_EQ(Sorted(Callers(Sym("cStockDoc::Validate"))), Sorted({"cStockDoc::Post", "cMoveDoc::Validate"}));
    EXPECT_EQ(Callers(Sym("cMoveDoc::Validate")), (std::vector<std::string>{"cTransferDoc::Validate"}));
    EXPECT_EQ(Callers(Sym("cStockDoc::Describe")).size(), 2u);
    EXPECT_EQ(Callers(Sym("cTransferDoc::Describe")), (std::vector<std::string>{"BookMove"}));
}

TEST_F(Stockroom, InheritedMembersThroughObjectsArraysAndBases)
{
    EXPECT_EQ(CallCount(Sym("cMoveDoc::Setup")), 2u);   // gTransfer.Setup and gaDocs[nDocs].Setup
    EXPECT_EQ(Callees(Sym("cMoveDoc::Setup")), (std::vector<std::string>{"Init"}));
    EXPECT_EQ(Callers(Sym("cStockDoc::Init")), (std::vector<std::string>{"cMoveDoc::Setup"}));
    EXPECT_EQ(Sorted(Callers(Sym("cCounter::Add"))), Sorted({"BookMove", "cCountedShelf::Visit"}));
    EXPECT_EQ(Callers(Sym("cShelfInfo::Label")), (std::vector<std::string>{"cCountedShelf::Visit"}));
    EXPECT_EQ(Callers(Sym("cCounter::Reset")), (std::vector<std::string>{"SAM_AppStartup"}));
    EXPECT_EQ(Uses(Sym("cTransferDoc::ivReason")).size(), 2u);
    // Add: 4, Reset: 1, Reached: 1, cCountedShelf::Visit: 2.
    EXPECT_EQ(Uses(Sym("cCounter::ivCount")).size(), 8u);
}

TEST_F(Stockroom, ClassFunctionsReachedFromChildWindowsAndColumns)
{
    EXPECT_EQ(Sorted(Callers(Sym("cStockForm::MarkDirty"))),
              Sorted({"frmArticle::dfName::SAM_Validate", "frmArticle::cmbUnit::SAM_Click",
                      "frmArticle::cbActive::SAM_Click", "frmArticle::mlNote::SAM_Validate",
                      "frmArticle::tblMoves::colQtyMoved::SAM_Validate"}));
    EXPECT_EQ(Sorted(Callers(Sym("cQtyField::SetLimit"))),
              Sorted({"frmArticle::dfMinQty::SAM_Create", "dlgMove::dfQtyMove::SAM_Create"}));
    EXPECT_EQ(Callers(Sym("cPickDialog::Pick")), (std::vector<std::string>{"dlgMove::pbBook::SAM_Click"}));
}

TEST_F(Stockroom, ExternalFunctions)
{
    EXPECT_EQ(CallCount(Sym("GetTickCount")), 2u);
    EXPECT_EQ(Callers(Sym("Sleep")), (std::vector<std::string>{"Connect"}));
    EXPECT_EQ(Callers(Sym("GetPrivateProfileIntA")), (std::vector<std::string>{"SAM_AppStartup"}));
    EXPECT_EQ(Sorted(Callers(Sym("MessageBeep"))),
              Sorted({"LogWrite", "cQtyField::SAM_Validate", "cQtyColumn::SAM_Validate"}));
    EXPECT_TRUE(Uses(Sym("GetWindowRect")).empty());
}

TEST_F(Stockroom, LocalHidesTheWindowVariable)
{
    EXPECT_NE(Sym("frmArticle::Refresh::nMode"), Sym("frmArticle::nMode"));
    for (const auto& use : Uses(Sym("frmArticle::Refresh::nMode")))
        EXPECT_EQ(use.substr(0, use.find('|')), "frmArticle::Refresh");
}

} // namespace
