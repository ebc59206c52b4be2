#include "parser/KRSQLScanner.h"

#include <gtest/gtest.h>

using namespace korvan;

namespace {

struct NameCase
{
    const char *Name;
    const char *Quoted;
};

} // namespace

TEST(KRSQLScannerProcessName, QuotesEveryPartThatIsNotQuotedYet)
{
    const NameCase Cases[] = {
        { "a", "\"a\"" },
        { "t.a", "\"t\".\"a\"" },
        { "db.t.a", "\"db.t\".\"a\"" },
        { "\"t\".\"a\"", "\"t\".\"a\"" },
        { "\"t\".a", "\"t\".\"a\"" },
        { "\"a\"", "\"a\"" },
        { "'a'", "'a'" },
        { "say \"hi\"", "\"say \"\"hi\"\"\"" },
        { "\"a.b\".c", "\"a.b\".\"c\"" },
        { "\"a.b\"", "\"a.b\"" },
        { "\"x\"\"y\".z", "\"x\"\"y\".\"z\"" },
        { "t.", "t" },
        { "", "" },
    };
    auto S = Construct<TKRSQLScanner>();
    for (const NameCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(S->ProcessName(C.Name), C.Quoted);
    }
}

TEST(KRSQLScannerProcessName, APartWithoutItsClosingQuoteCountsAsBare)
{
    auto S = Construct<TKRSQLScanner>();
    EXPECT_EQ(S->ProcessName("\"t.a"), "\"\"\"t\".\"a\"");
    // Every pass over the name consumes part of it, however the quotes and dots fall.
    for (const char *Odd : { "\"", "\".", "..", "\"\"\"\"..", ".\".\"", "\"a\"b.c", "\".\".\"." })
        EXPECT_FALSE(S->ProcessName(Odd).empty()) << Odd;
}

// Quoting off means no quotes where none are needed: a part that would not read back bare keeps them.
TEST(KRSQLScannerProcessName, QuotesOnlyWhereNeededWithoutQuoting)
{
    auto S = Construct<TKRSQLScanner>();
    S->SetQuoteIdentifiers(false);
    EXPECT_EQ(S->ProcessName("t.a"), "t.a");
    EXPECT_EQ(S->ProcessName("db.t.a"), "db.t.a");
    EXPECT_EQ(S->ProcessName("Mixed"), "Mixed");
    EXPECT_EQ(S->ProcessName("my col"), "\"my col\"");
    EXPECT_EQ(S->ProcessName("My T.My Col"), "\"My T\".\"My Col\"");
    EXPECT_EQ(S->ProcessName("t.select"), "t.\"select\"");
    EXPECT_EQ(S->ProcessName("t.count"), "t.\"count\"");
    EXPECT_EQ(S->ProcessName("Net-Total"), "\"Net-Total\"");
    EXPECT_EQ(S->ProcessName("\"a.b\".c"), "\"a.b\".c");
}

TEST(KRSQLScannerProcessName, IdentOnlyStripsAMatchingPairOfQuotes)
{
    auto S = Construct<TKRSQLScanner>();
    EXPECT_EQ(S->ProcessIdent("\"abc\""), "abc");
    EXPECT_EQ(S->ProcessIdent("'abc'"), "abc");
    EXPECT_EQ(S->ProcessIdent("\"abc'"), "\"abc'");
    EXPECT_EQ(S->ProcessIdent("\""), "\"");
    EXPECT_FALSE(S->NeedQuotes("\"\""));
    EXPECT_TRUE(S->NeedQuotes("abc"));
}
