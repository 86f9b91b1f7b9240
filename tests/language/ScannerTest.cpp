#include <gtest/gtest.h>

#include <string>

#include "platform/language/Binds.h"
#include "platform/language/Scanner.h"

namespace {

std::vector<SalToken> Scan(const std::string& text)
{
    std::vector<SalToken> out;
    CSalScanner().Scan(text, out);
    return out;
}

std::string Kinds(const std::string& text)
{
    std::string out;
    for (const SalToken& t : Scan(text)) {
        static const char* names[] = {"id", "num", "str", "op", "and", "or", "not", "(", ")", "[", "]",
                                      ",", ".", "..", ":", "?"};
        out += std::string(out.empty() ? "" : " ") + names[static_cast<int>(t.kind)];
    }
    return out;
}

TEST(Scanner, TokensCarryExactPositions)
{
    const std::string text = "SqlFetchNext( hSql, nFetch )";
    const auto t = Scan(text);
    ASSERT_EQ(t.size(), 6u);
    EXPECT_EQ(text.substr(t[0].pos, t[0].len), "SqlFetchNext");
    EXPECT_EQ(text.substr(t[2].pos, t[2].len), "hSql");
    EXPECT_EQ(text.substr(t[4].pos, t[4].len), "nFetch");
    EXPECT_EQ(t[5].kind, SalTok::RParen);
}

TEST(Scanner, AnExclamationMarkOutsideAStringCommentsOutTheRestOfTheLine)
{
    EXPECT_EQ(Kinds("a != b ! it's c"), "id op id");
    EXPECT_EQ(Kinds("'a ! b' ! c"), "str");
    EXPECT_EQ(Kinds("!c"), "");
    // The comment ends with its line; the next line of the statement is code.
    const auto t = Scan("f( a, ! first\n   b )");
    ASSERT_EQ(t.size(), 6u);
    EXPECT_EQ(t[4].kind, SalTok::Ident);
    EXPECT_EQ(t[4].pos, 17);
}

TEST(Scanner, OperatorsAndWordOperators)
{
    EXPECT_EQ(Kinds("a <= b AND NOT c || 'x' != d <> e"), "id op id and not id op str op id op id");
    EXPECT_EQ(Kinds("a and Android or ORder"), "id and id or id");
    EXPECT_EQ(Kinds("MB_Ok | MB_IconStop & 3"), "id op id op num");
    EXPECT_EQ(Kinds("..Refresh() cBase..Init() o.f"), ".. id ( ) id .. id ( ) id . id");
    EXPECT_EQ(Kinds("a[i, 2]"), "id [ id , num ]");
}

TEST(Scanner, NumbersKeepDecimalsAndDoNotSplitIdentifiers)
{
    EXPECT_EQ(Kinds("1.5 + .25 - x2"), "num op num op id");
    const auto t = Scan("nX1 = 12.75");
    EXPECT_EQ(t[0].len, 3);
    EXPECT_EQ(t[2].len, 5);
}

TEST(Scanner, StringsInBothQuotesSpanLinesAndEscapes)
{
    const std::string text = "'a \"b\" c' || \"it's\" || 'two\nlines' || 'It\\'s'";
    const auto t = Scan(text);
    ASSERT_EQ(t.size(), 7u);
    EXPECT_EQ(text.substr(t[0].pos, t[0].len), "'a \"b\" c'");
    EXPECT_EQ(text.substr(t[2].pos, t[2].len), "\"it's\"");
    EXPECT_EQ(text.substr(t[4].pos, t[4].len), "'two\nlines'");
    EXPECT_EQ(text.substr(t[6].pos, t[6].len), "'It\\'s'");
    for (const auto& tok : t) EXPECT_FALSE(tok.unterminated);
}

TEST(Scanner, BackslashAtTheEndOfAPathIsNoEscape)
{
    const std::string text = "SalFileOpen( h, 'C:\\temp\\', 1 )";
    const auto t = Scan(text);
    ASSERT_EQ(t.size(), 8u);
    EXPECT_EQ(text.substr(t[4].pos, t[4].len), "'C:\\temp\\'");
    EXPECT_FALSE(t[4].unterminated);
}

TEST(Scanner, UnterminatedStringRunsToTheEndAndIsMarked)
{
    const auto t = Scan("x || 'no end");
    ASSERT_EQ(t.size(), 3u);
    EXPECT_TRUE(t[2].unterminated);
    EXPECT_EQ(t[2].pos + t[2].len, 12);
}

TEST(Scanner, VeryLongLineIsScannedCompletely)
{
    std::string text;
    for (int i = 0; i < 100000; ++i) text += "a + ";
    text += "z";
    const auto t = Scan(text);
    EXPECT_EQ(t.size(), 200001u);
    EXPECT_EQ(t.back().pos, static_cast<int>(text.size()) - 1);
}

TEST(Scanner, UnknownCharactersBecomeSingleTokens)
{
    // An accented letter is part of a name; a degree sign (UTF-8 C2 B0) is not.
    EXPECT_EQ(Kinds("a ? b ; \xC3\xA4"), "id ? id ? id");
    EXPECT_EQ(Kinds("a\xC2\xB0"), "id ? ?");
}

TEST(Binds, SqlIsRecognisedByKeywordsNotByColons)
{
    EXPECT_TRUE(zv::lang::LooksLikeSql("SELECT a FROM t WHERE b = :x"));
    EXPECT_TRUE(zv::lang::LooksLikeSql(" and id = :nId"));
    EXPECT_FALSE(zv::lang::LooksLikeSql("hh:mm:ss"));
    EXPECT_FALSE(zv::lang::LooksLikeSql("Selection: :x"));
}

TEST(Binds, FindsQualifiedAndIndexedBindsButNotTimesOrDoubleColons)
{
    const std::string text = "x = :a AND y = :frm.df AND z = :arr[n + 1] AND t = 'hh:mm' AND :: AND q::r AND :1";
    std::vector<zv::lang::BindSpan> spans;
    zv::lang::FindBinds(text, 0, static_cast<int>(text.size()), spans);
    ASSERT_EQ(spans.size(), 3u);
    EXPECT_EQ(text.substr(spans[0].pos, spans[0].end - spans[0].pos), "a");
    EXPECT_EQ(text.substr(spans[1].pos, spans[1].end - spans[1].pos), "frm.df");
    EXPECT_EQ(text.substr(spans[2].pos, spans[2].end - spans[2].pos), "arr");
    EXPECT_EQ(text.substr(spans[2].indexBegin, spans[2].indexEnd - spans[2].indexBegin), "n + 1");
}

} // namespace
