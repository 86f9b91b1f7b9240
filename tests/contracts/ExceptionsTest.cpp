// The error-report convention: call paths, composed texts, the guard forms.
#include <gtest/gtest.h>

#include "contracts/Check.h"
#include "contracts/MessageBox.h"

namespace {

std::vector<ZvMessageBoxRequest> g_boxes;

struct BoxCatcher {
    BoxCatcher()
    {
        g_boxes.clear();
        previous = ZvSetMessageBoxHandler([](const ZvMessageBoxRequest& r) {
            g_boxes.push_back(r);
            return static_cast<int>(ZvIDOK);
        });
    }
    ~BoxCatcher() { ZvSetMessageBoxHandler(previous); }
    ZvMessageBoxHandler previous;
};

// A small call chain shaped like the plug-in's methods.
struct Chain {
    bool bAssertInBody = false;

    void Failing(int* p)
    {
        REQUIRE(p != NULL, "CZvTab::update");
        ZV_TRY
            ZV_ASSERT(!bAssertInBody, "CZvTab::update");
        ZV_CATCH("CZvTab::update")
    }
    void Middle(int* p)
    {
        ZV_TRY
            Failing(p);
        ZV_CATCH("CZvTabView::updateTab")
    }
    void Outer(int* p)
    {
        ZV_TRY
            Middle(p);
        ZV_CATCH("CZvMainFrame::setSymbol")
    }
    Assertion* Entry(int* p)
    {
        try {
            Outer(p);
        } catch (Assertion* e) {
            e->Report("CZavoraApp::ShowRefRequest");
            return e;
        }
        return nullptr;
    }
};

} // namespace

TEST(FileStem, TakesThePartBehindTheLastSlashLessFourCharacters)
{
    EXPECT_EQ(Assertion::FileStem("C:\\src\\explorer\\CZvTab.cpp"), "CZvTab");
    EXPECT_EQ(Assertion::FileStem("/work/main/explorer/FrameTest.cpp"), "FrameTest");
    EXPECT_EQ(Assertion::FileStem("mixed/dir\\Zavora.cpp"), "Zavora");
    EXPECT_EQ(Assertion::FileStem("Zavora.cpp"), "Zavora");
    EXPECT_EQ(Assertion::FileStem("a.cp"), "");
    EXPECT_EQ(Assertion::FileStem("dir\\abcd"), "");
}

TEST(AssertionReport, ComposesThePreconditionTextExactly)
{
    PreCondException e("C:\\src\\CZvTab.cpp", 21, "\"CZvTab::CZvTab\"", "parent != NULL");
    e.Report("CZvTab::CZvTab");
    EXPECT_EQ(e.GetReportText(),
              "Precondition violation in function \"CZvTab::CZvTab\"() on line 21 in file C:\\src\\CZvTab.cpp\n"
              "Assertion parent != NULL evaluated to false but was expected to be true \n"
              "Call path was: \n"
              "CZvTab::\"CZvTab::CZvTab\"\n"
              "CZvTab::CZvTab\n");
}

TEST(AssertionReport, KindsOfTheClassTree)
{
    EXPECT_EQ(PostCondException("f.cpp", 1, "g", "x").GetKind(), "Postcondition violation");
    EXPECT_EQ(UnknownError("f.cpp", 1, "g").GetKind(), "Unknown error");
    EXPECT_EQ(UnknownError("f.cpp", 1, "g").GetExpression(), "");
    EXPECT_EQ(Assertion("f.cpp", 7, "g", "x", "Assertion").GetLine(), "7");
}

TEST(CallPath, PreconditionPassingTwoMethodsHoldsFourEntries)
{
    Chain chain;
    Assertion* e = chain.Entry(nullptr);
    ASSERT_NE(e, nullptr);
    const std::vector<std::string> expected = {
        "ExceptionsTest::\"CZvTab::update\"", "CZvTabView::updateTab", "CZvMainFrame::setSymbol",
        "CZavoraApp::ShowRefRequest"};
    EXPECT_EQ(e->GetCallPath(), expected);
    EXPECT_EQ(e->GetKind(), "Precondition violation");
    EXPECT_EQ(e->GetExpression(), "p != NULL");
    e->Delete();
}

TEST(CallPath, AssertionInTheGuardedBodyAddsTheBareNameToo)
{
    Chain chain;
    chain.bAssertInBody = true;
    int value = 1;
    Assertion* e = chain.Entry(&value);
    ASSERT_NE(e, nullptr);
    const std::vector<std::string> expected = {
        "ExceptionsTest::CZvTab::update", "CZvTab::update", "CZvTabView::updateTab",
        "CZvMainFrame::setSymbol", "CZavoraApp::ShowRefRequest"};
    EXPECT_EQ(e->GetCallPath(), expected);
    EXPECT_EQ(e->GetKind(), "Assertion");
    e->Delete();
}

TEST(Guards, ForeignExceptionBecomesUnknownErrorWithTheHandlersLine)
{
    Assertion* caught = nullptr;
    int line = 0;
    try {
        ZV_TRY
            line = __LINE__ + 1;
            throw std::runtime_error("boom");
        ZV_CATCH("CXrefInfo::Symbol")
    } catch (Assertion* e) {
        caught = e;
    }
    ASSERT_NE(caught, nullptr);
    EXPECT_EQ(caught->GetKind(), "Unknown error");
    EXPECT_NE(std::stoi(caught->GetLine()), 0);
    EXPECT_GT(std::stoi(caught->GetLine()), line);  // the handler's line, after the throw
    EXPECT_EQ(caught->GetCallPath().front(), "ExceptionsTest::CXrefInfo::Symbol");
    caught->Delete();
}

TEST(Guards, CancelledParsePassesThroughInnerGuards)
{
    bool cancelled = false;
    try {
        ZV_TRY
            throw new CCancelParseException();
        ZV_CATCH("CXrefInfo::ParseProgress")
    } catch (CCancelParseException* e) {
        cancelled = true;
        e->Delete();
    } catch (Assertion* e) {
        e->Delete();
    }
    EXPECT_TRUE(cancelled);
}

TEST(Guards, OuterGuardShowsUnknownErrorOnceWithTheEntryTwice)
{
    BoxCatcher boxes;
    std::string composed;
    auto previous = Assertion::SetReportSink(nullptr);
    static std::string* sinkTarget;
    sinkTarget = &composed;
    Assertion::SetReportSink([](const std::string& text) { *sinkTarget = text; });
    auto entry = [] {
        ZV_TRY
            throw 42;
        ZV_CATCH_OUTER("CZavoraApp::InitInstance2")
    };
    entry();
    Assertion::SetReportSink(previous);
    ASSERT_EQ(g_boxes.size(), 1u);
    EXPECT_EQ(g_boxes[0].caption, "Zavora");
    EXPECT_EQ(g_boxes[0].buttons, ZvMB_OK);
    EXPECT_EQ(g_boxes[0].owner, nullptr);
    EXPECT_EQ(g_boxes[0].text, composed);
    EXPECT_EQ(composed.rfind("Unknown error in function CZavoraApp::InitInstance2() on line ", 0), 0u);
    EXPECT_NE(composed.find("\nCall path was: \nExceptionsTest::CZavoraApp::InitInstance2\n"
                            "CZavoraApp::InitInstance2\n"),
              std::string::npos);
}

TEST(Guards, OuterGuardReportsAssertionsSilently)
{
    BoxCatcher boxes;
    auto entry = [](int* p) {
        ZV_TRY
            REQUIRE(p != NULL, "CZvTree::OnItemExpanding");
        ZV_CATCH_OUTER("CZvTree::OnItemExpanding")
    };
    entry(nullptr);
    EXPECT_TRUE(g_boxes.empty());
}
