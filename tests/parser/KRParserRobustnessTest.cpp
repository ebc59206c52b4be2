// No input may hang or crash the SELECT parser: it reads a statement or raises EKRParserError with
// the documented message and position, and a parser used again carries nothing over.
#include "KRTestSupport.h"
#include "parser/KRSelectParser.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

using namespace korvan;

namespace {

std::unique_ptr<TKRSelectParser> NewParser(bool QuoteIdentifiers = true)
{
    auto P = Construct<TKRSelectParser>();
    P->Scanner()->SetQuoteIdentifiers(QuoteIdentifiers);
    return P;
}

using TRead = test::TReadOutcome;
using test::Read;
using test::Repeat;

TRead Read(const std::string &Sql)
{
    auto P = NewParser();
    return Read(*P, Sql);
}

//! Statements that end in a clause, so that whatever follows is read by that clause.
const char *const Prefixes[] = { "", "SELECT ", "SELECT a FROM t ", "SELECT a FROM t WHERE " };

} // namespace

// Every "(" makes the parser go one level deeper; past the limit it must stop with an error on
// that "(" rather than exhaust the stack.
TEST(KRParserRobustness, DeepParenthesesEndInAnInvalidTokenError)
{
    struct Case
    {
        const char *Prefix;
        int Pos; //!< 0: the "(" that goes one level past the limit
    };
    const Case Cases[] = {
        { "SELECT ", 0 },
        { "SELECT f", 0 },
        { "SELECT a FROM t WHERE ", 0 },
        { "SELECT a FROM t WHERE a IN ", 0 },
        { "SELECT a FROM t WHERE a = f", 0 },
        { "SELECT a FROM p", 0 },
        { "SELECT a FROM p(f", 0 },
        { "SELECT a FROM t INNER JOIN u ON ", 0 },
    };
    const std::string Open(100000, '(');
    for (const Case &C : Cases) {
        SCOPED_TRACE(C.Prefix);
        const std::string Prefix = C.Prefix;
        const TRead R = Read(Prefix + Open);
        ASSERT_FALSE(R.Parsed);
        EXPECT_EQ(R.Code, 1);
        EXPECT_EQ(R.Token, "(");
        EXPECT_EQ(R.Line, 1);
        // The prefix may already have opened a level.
        const int Opened = static_cast<int>(std::count(Prefix.begin(), Prefix.end(), '('));
        const int Pos =
                C.Pos != 0 ? C.Pos : static_cast<int>(Prefix.size()) + TKRSQLScanner::MaxLevel + 1 - Opened;
        EXPECT_EQ(R.Message, "Invalid token '(' at position " + std::to_string(Pos) + " of line 1.");
    }
}

TEST(KRParserRobustness, NestingUpToTheLimitIsReadAndWrittenBack)
{
    const std::size_t Limit = TKRSQLScanner::MaxLevel;
    const auto Nested = [](std::size_t Levels, const std::string &Inside) {
        return std::string(Levels, '(') + Inside + std::string(Levels, ')');
    };
    const std::string Calls = Repeat("f(", static_cast<int>(Limit)) + "t.a" + std::string(Limit, ')');
    // The writer puts every condition in parentheses of its own, so conditions stay one level below.
    const std::string Inner = Repeat("f(", static_cast<int>(Limit - 2)) + "a" + std::string(Limit - 2, ')');
    for (const std::string &Sql : { "SELECT " + Calls + " FROM t", "SELECT * FROM p(" + Calls.substr(2),
                 "SELECT a FROM t WHERE " + Nested(Limit - 1, "a = 1"),
                 "SELECT a FROM t WHERE a IN (" + Nested(Limit - 2, "1") + ")",
                 "SELECT a FROM t WHERE " + Inner + " = 1", "SELECT a FROM t WHERE (" + Inner + " = 1)" }) {
        SCOPED_TRACE(Sql.substr(0, 40));
        auto P = NewParser();
        const TRead First = Read(*P, Sql);
        ASSERT_TRUE(First.Parsed) << First.Message;
        const TRead Again = Read(First.Text);
        ASSERT_TRUE(Again.Parsed) << Again.Message;
        EXPECT_EQ(Again.Text, First.Text);
    }
    // One more level is one too many, wherever it is.
    const TRead Deeper = Read("SELECT " + Repeat("f(", static_cast<int>(Limit) + 1) + "a"
            + std::string(Limit + 1, ')') + " FROM t");
    EXPECT_EQ(Deeper.Code, 1);
    EXPECT_EQ(Deeper.Token, "(");
    EXPECT_EQ(Deeper.Pos, 8 + 2 * static_cast<int>(Limit) + 1);
}

// Known fault: a condition nested exactly to the limit is read, but the parentheses that the writer
// puts around each condition take its text one level past the limit, where it no longer reads. Once
// the reader and the writer agree, the cases belong in the test above.
TEST(KRParserRobustness, KnownFaultConditionsAtTheLimitAreWrittenPastIt)
{
    const std::size_t Limit = TKRSQLScanner::MaxLevel;
    const std::string List = std::string(Limit - 1, '(') + "1" + std::string(Limit - 1, ')');
    const std::string Call = Repeat("f(", static_cast<int>(Limit)) + "a" + std::string(Limit, ')');
    for (const std::string &Sql :
            { "SELECT a FROM t WHERE a IN (" + List + ")", "SELECT a FROM t WHERE " + Call + " = 1" }) {
        SCOPED_TRACE(Sql.substr(0, 40));
        const TRead First = Read(Sql);
        ASSERT_TRUE(First.Parsed) << First.Message;
        const TRead Again = Read(First.Text);
        EXPECT_FALSE(Again.Parsed) << "mended: move this case to NestingUpToTheLimitIsReadAndWrittenBack";
        EXPECT_EQ(Again.Code, 1);
        EXPECT_EQ(Again.Token, "(");
    }
}

TEST(KRParserRobustness, UnbalancedClosingParenthesesAreInvalidTokens)
{
    const std::string Close(100000, ')');
    for (const char *Prefix : { "SELECT a", "SELECT f(a", "SELECT a FROM t WHERE a = 1",
                 "SELECT a FROM t WHERE (a = 1", "SELECT a FROM p(1", "SELECT a FROM t ORDER BY a" }) {
        SCOPED_TRACE(Prefix);
        const TRead R = Read(Prefix + Close);
        EXPECT_FALSE(R.Parsed);
        EXPECT_EQ(R.Code, 1);
        EXPECT_EQ(R.Token, ")");
    }
}

// Lists are read in loops: their length costs time, never stack.
TEST(KRParserRobustness, LongFlatStatementsAreRead)
{
    std::string Fields = "SELECT t.a0";
    for (int I = 1; I < 1000; ++I)
        Fields += ", t.a" + std::to_string(I);
    std::string Ors = "SELECT a FROM t WHERE a = 0";
    for (int I = 1; I < 5000; ++I)
        Ors += " OR a = " + std::to_string(I);
    std::string Ands = "SELECT a FROM t WHERE (a = 0";
    for (int I = 1; I < 5000; ++I)
        Ands += (I % 2 != 0 ? " AND b = " : " OR c = ") + std::to_string(I);
    std::string In = "SELECT a FROM t WHERE a IN (0";
    for (int I = 1; I < 20000; ++I)
        In += ", " + std::to_string(I);
    std::string Sum = "SELECT a" + Repeat(" + a", 20000) + " FROM t";
    std::string Tables = "SELECT t0.a FROM t0";
    std::string Joins = Tables;
    for (int I = 1; I < 500; ++I) {
        const std::string Name = "t" + std::to_string(I);
        Tables += ", " + Name;
        Joins += " LEFT JOIN " + Name + " ON t" + std::to_string(I - 1) + ".a = " + Name + ".a";
    }
    std::string Order = "SELECT a FROM t ORDER BY a0";
    for (int I = 1; I < 2000; ++I)
        Order += ", a" + std::to_string(I) + (I % 3 == 0 ? " DESC" : "");
    const std::string Nots = "SELECT a FROM t WHERE " + Repeat("NOT ", 100001) + "a = 1";
    const std::string Blanks = "SELECT" + std::string(300000, ' ') + "a" + Repeat("\r\n", 30000) + "FROM t";
    struct Case
    {
        const char *Name;
        std::string Sql;
        const char *Contains;
    };
    const Case Cases[] = {
        { "1,000 fields", Fields + " FROM t", "  t.a999\r\nFROM" },
        { "5,000 conditions joined by OR", Ors, "  (a = 4999)\r\n" },
        { "AND and OR alternating 5,000 times", Ands + ")", "  ((c = 4998) AND \r\n  (b = 4999)))\r\n" },
        { "20,000 members of an IN list", In + ")", ", 19999))\r\n" },
        { "20,000 additions", Sum, "a + a AS FIELD_1\r\n" },
        { "500 tables", Tables, "  t499\r\n" },
        { "a chain of 500 joins", Joins, "LEFT OUTER JOIN t499 ON (t498.a = t499.a)\r\n" },
        { "2,000 sort entries", Order, "  a1998 DESC,\r\n  a1999\r\n" },
        { "100,001 NOTs", Nots, "WHERE\r\n  NOT ((a = 1))\r\n" },
        { "300,000 blanks and 30,000 line breaks", Blanks, "SELECT \r\n  t.a\r\nFROM\r\n  t\r\n" },
    };
    for (const Case &C : Cases) {
        SCOPED_TRACE(C.Name);
        auto P = NewParser(false);
        const TRead R = Read(*P, C.Sql);
        ASSERT_TRUE(R.Parsed) << R.Message;
        EXPECT_NE(R.Text.find(C.Contains), std::string::npos)
                << R.Text.substr(R.Text.size() - std::min<std::size_t>(R.Text.size(), 200));
    }
}

// A keyword, a function name or a single character after a clause is either read or an error:
// never another exception, never a hang.
TEST(KRParserRobustness, EveryWordAndCharacterAfterEachClauseIsReadOrRefused)
{
    auto Words = NewParser();
    std::vector<std::string> Suffixes;
    for (const TStringList *List : { &Words->Scanner()->Keywords(), &Words->Scanner()->Functions() })
        for (const std::string &Word : *List)
            Suffixes.push_back(Word);
    for (char C = ' '; C <= '~'; ++C)
        Suffixes.push_back(std::string(1, C));
    ASSERT_GE(Suffixes.size(), 95u + 27u);

    auto P = NewParser();
    int Parsed = 0;
    for (const char *Prefix : Prefixes)
        for (const std::string &Suffix : Suffixes)
            for (const std::string &Sql :
                    { Prefix + Suffix, Prefix + Suffix + " FROM t", Prefix + Suffix + Suffix }) {
                SCOPED_TRACE(Sql);
                const TRead R = Read(*P, Sql);
                Parsed += R.Parsed ? 1 : 0;
                if (!R.Parsed) {
                    EXPECT_TRUE(R.Code >= 1 && R.Code <= 3) << R.Message;
                }
            }
    // SELECT a FROM t x, SELECT a FROM t WHERE ..., and the like.
    EXPECT_GT(Parsed, 0);
}

// A quote that is never closed ends the statement in every clause.
TEST(KRParserRobustness, UnterminatedQuotesAreReportedInEveryClause)
{
    const char *const Cases[] = {
        "SELECT 'abc",
        "SELECT \"abc",
        "SELECT 'It''s",
        "SELECT '",
        "SELECT ''' FROM t",
        "SELECT f('a) FROM t",
        "SELECT a AS \"x FROM t",
        "SELECT a FROM 't",
        "SELECT a FROM t \"x",
        "SELECT * FROM p('x",
        "SELECT a FROM t INNER JOIN u ON t.a = \"u.b",
        "SELECT a FROM t WHERE a = 'x",
        "SELECT a FROM t WHERE \"a = 1",
        "SELECT a FROM t WHERE a IN (1, 'x)",
        "SELECT a FROM t GROUP BY \"a",
        "SELECT a, SUM(b) FROM t GROUP BY a HAVING SUM(b) > '1",
        "SELECT a FROM t ORDER BY 'a",
        "SELECT a FROM t ORDER BY a DESC, \"b\r\n",
    };
    for (const char *Sql : Cases) {
        SCOPED_TRACE(Sql);
        const TRead R = Read(Sql);
        EXPECT_FALSE(R.Parsed);
        EXPECT_EQ(R.Code, 3);
        EXPECT_EQ(R.Message, "Unterminated string.");
    }
}

// Every prefix of a statement that uses every clause: cut between tokens, inside names, inside
// quotes and between CR and LF. Whatever of it is read must also read back.
TEST(KRParserRobustness, EveryPrefixOfAStatementIsReadOrRefused)
{
    const std::string Sql = "SELECT DISTINCT 'It''s' AS s, 2.5 AS f, t.a, UPPER(u.b) AS ub\r\n"
                            "FROM t INNER JOIN u ON t.id = u.tid, p(:x, 'y') s\r\n"
                            "WHERE (t.a = 1 OR t.b <> 'x') AND NOT u.c IN (1, 2) AND t.d BETWEEN 1 AND 5\r\n"
                            "  AND t.e IS NOT NULL AND t.f LIKE 'a%'\r\n"
                            "GROUP BY t.a HAVING COUNT(*) > 1 ORDER BY t.a DESC, u.b;";
    int Parsed = 0;
    for (bool Quote : { true, false })
        for (std::size_t Length = 0; Length <= Sql.size(); ++Length) {
            const std::string Prefix = Sql.substr(0, Length);
            SCOPED_TRACE(Prefix);
            auto P = NewParser(Quote);
            const TRead R = Read(*P, Prefix);
            if (!R.Parsed) {
                EXPECT_TRUE(R.Code >= 1 && R.Code <= 3) << R.Message;
                continue;
            }
            ++Parsed;
            auto Again = NewParser(Quote);
            const TRead Back = Read(*Again, R.Text);
            ASSERT_TRUE(Back.Parsed) << R.Text << "\n" << Back.Message;
            EXPECT_EQ(Back.Text, R.Text);
        }
    // The whole statement, and every cut inside its trailing clauses and words, is read.
    EXPECT_GE(Parsed, 100);
}

TEST(KRParserRobustness, ErrorsNameTheTokenAndItsPosition)
{
    struct Case
    {
        const char *Sql;
        int Code;
        const char *Token;
        int Line;
        int Pos;
    };
    const Case Cases[] = {
        { "SELECT", 2, "", 1, 7 },
        { "SELECT ;", 1, ";", 1, 8 },
        { "INSERT INTO t VALUES (1)", 1, "INSERT", 1, 1 },
        { "SELECT FROM t", 1, "FROM", 1, 8 },
        { "SELECT a) FROM t", 1, ")", 1, 9 },
        { "SELECT a, FROM t", 1, "FROM", 1, 11 },
        { "SELECT a,, b FROM t", 1, ",", 1, 10 },
        { "SELECT a * / 1 FROM t", 1, "/", 1, 12 },
        { "SELECT x AS 5 FROM t", 1, "5", 1, 13 },
        { "SELECT a AS b AS c FROM t", 1, "AS", 1, 15 },
        { "SELECT a b c FROM t", 1, "c", 1, 12 },
        { "SELECT f(a,) FROM t", 1, ")", 1, 12 },
        { "SELECT f(a FROM t", 1, "FROM", 1, 12 },
        { "SELECT * a FROM t", 1, "a", 1, 10 },
        { "SELECT * a FROM t", 1, "a", 1, 10 },
        { "SELECT a FROM", 2, "", 1, 14 },
        { "SELECT a FROM t,", 2, "", 1, 17 },
        { "SELECT a FROM t u JOIN x", 2, "", 1, 25 },
        { "SELECT a FROM t u CROSS JOIN x", 1, "CROSS", 1, 19 },
        { "SELECT a FROM t UNION SELECT b FROM u", 1, "SELECT", 1, 23 },
        { "SELECT a FROM t LIMIT 10", 1, "10", 1, 23 },
        { "SELECT a FROM t INNER JOIN u ON t.a = u.b OR t.c = u.d", 1, "OR", 1, 43 },
        { "SELECT a FROM t, LATERAL (VALUES (n.*)) v", 1, "LATERAL", 1, 18 },
        { "SELECT a FROM ONLY t", 1, "ONLY", 1, 15 },
        { "SELECT COUNT(t.*) FROM t", 1, "*", 1, 16 },
        { "SELECT f(a, g(t.*)) FROM t", 1, "*", 1, 17 },
        { "SELECT COUNT(DISTINCT *) FROM t", 1, "DISTINCT", 1, 14 },
        { "SELECT a FROM t WHERE a = - * 1", 1, "*", 1, 29 },
        { "SELECT a FROM t INNER JOIN u ON t.a = u.b c", 1, "c", 1, 43 },
        { "SELECT a FROM t, v INNER JOIN u ON t.a = u.b AND v.c = u.d", 1, "v", 1, 50 },
        { "SELECT a FROM t INNER JOIN u ON (t.a = u.b AND t.c = u.d", 2, "", 1, 57 },
        { "SELECT a FROM t INNER JOIN u ON t.a = 1", 1, "1", 1, 39 },
        { "SELECT a FROM t INNER JOIN u ON", 2, "", 1, 32 },
        { "SELECT a FROM p(1 2)", 1, "2", 1, 19 },
        { "SELECT a FROM p(1,)", 1, ")", 1, 19 },
        { "SELECT a FROM t WHERE (flag)", 1, ")", 1, 28 },
        { "SELECT a FROM t WHERE flag", 2, "", 1, 27 },
        { "SELECT a FROM t WHERE a AS b = 1", 1, "AS", 1, 25 },
        { "SELECT a FROM t WHERE a IN (1, 2 b", 1, "b", 1, 34 },
        { "SELECT a FROM t WHERE a IN ()", 1, ")", 1, 29 },
        { "SELECT a FROM t WHERE a IN 1", 1, "1", 1, 28 },
        { "SELECT a FROM t WHERE a BETWEEN 1", 2, "", 1, 34 },
        { "SELECT a FROM t WHERE AND a = 1", 1, "AND", 1, 23 },
        { "SELECT a FROM t WHERE a = 1 AND OR b = 2", 1, "OR", 1, 33 },
        { "SELECT a FROM t WHERE a = 1 b = 2", 1, "b", 1, 29 },
        { "SELECT a FROM t WHERE a = 1 NOT b = 2", 1, "NOT", 1, 29 },
        { "SELECT a FROM t WHERE ()", 1, ")", 1, 24 },
        { "SELECT a FROM t WHERE a NOT x", 1, "NOT", 1, 25 },
        { "SELECT a FROM t WHERE a IS   \r\n  NOT x", 1, "IS", 1, 25 },
        { "SELECT a FROM t WHERE a < > 1", 1, ">", 1, 27 },
        { "SELECT a FROM t WHERE a IS NULL NULL", 1, "NULL", 1, 33 },
        { "SELECT a FROM t WHERE (a = 1", 2, "", 1, 29 },
        { "SELECT a FROM t WHERE a = 1)", 1, ")", 1, 28 },
        { "SELECT a FROM t WHERE a = 1 GROUP a", 1, "GROUP", 1, 29 },
        { "SELECT a FROM t GROUP BY", 2, "", 1, 25 },
        { "SELECT a FROM t GROUP BY a,;", 1, ";", 1, 28 },
        { "SELECT a FROM t GROUP BY a b", 1, "b", 1, 28 },
        { "SELECT a FROM t ORDER BY a,", 2, "", 1, 28 },
        { "SELECT a FROM t ORDER BY t.", 2, "", 1, 28 },
        { "SELECT a FROM t ORDER BY a,;", 1, ";", 1, 28 },
        { "SELECT a FROM t ORDER BY a b", 1, "b", 1, 28 },
        { "SELECT a FROM t ORDER BY f(a", 2, "", 1, 29 },
        { "SELECT a\r\nFROM t\r\nWHERE a = = 1", 1, "=", 3, 11 },
        { "SELECT a\r\nFROM t WHERE\r\n  a = 1 AND\r\n  b = )", 1, ")", 4, 7 },
        { "SELECT a FROM t\r\nWHERE a = 1 AND\r\n  b NOT  \r\n   IN 1", 1, "1", 4, 7 },
        { "SELECT a,\r\n\tb c d\r\nFROM t", 1, "d", 2, 6 },
        { "SELECT a\r\nFROM t\r\nORDER BY\r\n  a,\r\n", 2, "", 5, 1 },
    };
    for (const Case &C : Cases) {
        SCOPED_TRACE(C.Sql);
        const TRead R = Read(C.Sql);
        ASSERT_FALSE(R.Parsed) << R.Text;
        EXPECT_EQ(R.Code, C.Code);
        EXPECT_EQ(R.Token, C.Token);
        EXPECT_EQ(R.Line, C.Line);
        EXPECT_EQ(R.Pos, C.Pos);
        EXPECT_EQ(R.Message,
                C.Code == 2 ? std::string("Unexpected end of statement.")
                            : "Invalid token '" + std::string(C.Token) + "' at position "
                                + std::to_string(C.Pos) + " of line " + std::to_string(C.Line) + ".");
    }
}

TEST(KRParserRobustness, AnErrorHandlerReceivesSyntaxErrorsInsteadOfAnException)
{
    struct Call
    {
        TPersistent *Sender;
        std::string Message;
        std::string Token;
        int Line;
        int Pos;
    };
    std::vector<Call> Calls;
    auto P = NewParser();
    P->SetOnParserError([&Calls](TPersistent *Sender, const std::string &Message, const std::string &Token,
                                int Line, int Pos) {
        Calls.push_back({ Sender, Message, Token, Line, Pos });
    });

    EXPECT_NO_THROW(P->SetExpression("SELECT a\r\nFROM t WHERE a = 1 AND OR b = 2"));
    ASSERT_EQ(Calls.size(), 1u);
    EXPECT_EQ(Calls[0].Sender, P.get());
    EXPECT_EQ(Calls[0].Message, "Invalid token 'OR' at position 24 of line 2.");
    EXPECT_EQ(Calls[0].Token, "OR");
    EXPECT_EQ(Calls[0].Line, 2);
    EXPECT_EQ(Calls[0].Pos, 24);

    EXPECT_NO_THROW(P->SetExpression("SELECT a FROM t ORDER BY"));
    ASSERT_EQ(Calls.size(), 2u);
    EXPECT_EQ(Calls[1].Message, "Unexpected end of statement.");
    EXPECT_EQ(Calls[1].Token, "");

    // An unterminated string and the nesting limit are raised all the same, and not reported twice.
    for (const std::string &Sql : { std::string("SELECT a FROM t WHERE a = 'x"),
                 "SELECT a FROM t WHERE " + std::string(1000, '(') }) {
        SCOPED_TRACE(Sql.substr(0, 40));
        try {
            P->SetExpression(Sql);
            ADD_FAILURE() << "no exception";
        } catch (const EKRParserError &E) {
            EXPECT_EQ(E.ErrorCode(), Sql.back() == 'x' ? 3 : 1);
        }
        EXPECT_EQ(Calls.size(), 2u);
    }

    // The handler does not stand in the way of the next statement.
    EXPECT_NO_THROW(P->SetExpression("SELECT a FROM t"));
    EXPECT_EQ(Calls.size(), 2u);
    EXPECT_EQ(P->GetExpression(), "SELECT \r\n  \"t\".\"a\"\r\nFROM\r\n  \"t\"\r\n");
}

// A parser that read one statement reads the next exactly as a new parser does: nothing of the
// first one's tables, filters, DISTINCT, procedures or half-read clauses survives.
TEST(KRParserRobustness, AReusedParserCarriesNothingOver)
{
    const char *const Firsts[] = {
        "SELECT DISTINCT x.a, SUM(x.b) FROM orders x GROUP BY x.a HAVING NOT (SUM(x.b) > 1 OR COUNT(*) < 2)",
        "SELECT a FROM t WHERE NOT (a = 1 OR b = 2)",
        "SELECT a FROM t WHERE NOT a = 1",
        "SELECT t.a, u.b FROM t LEFT JOIN u ON t.a = u.b, v ORDER BY t.a DESC",
        "SELECT * FROM p(:a, 'x') s",
        "SELECT 1, 'x' AS y",
        "SELECT a FROM t WHERE a IN (1, 2 b",
        "SELECT a FROM t WHERE (a = 1 AND (b = 2",
        "SELECT a FROM t INNER JOIN u ON",
        "SELECT f(f(f(",
        "SELECT a FROM t WHERE a = 'x",
        "",
    };
    const char *const Seconds[] = {
        "SELECT a FROM t",
        "SELECT b FROM u WHERE b = 1",
        "SELECT a, MAX(b) FROM t GROUP BY a HAVING MAX(b) > 1",
        "SELECT * FROM p(:b)",
        "SELECT x.a FROM orders x",
        "SELECT *",
    };
    for (const char *First : Firsts)
        for (const char *Second : Seconds) {
            SCOPED_TRACE(std::string(First) + " | then | " + Second);
            auto Reused = NewParser();
            Read(*Reused, First);
            const TRead Again = Read(*Reused, Second);
            auto Fresh = NewParser();
            const TRead New = Read(*Fresh, Second);
            ASSERT_TRUE(New.Parsed) << New.Message;
            ASSERT_TRUE(Again.Parsed) << Again.Message;
            EXPECT_EQ(Again.Text, New.Text);
            EXPECT_EQ(Reused->WhereItems()->Filter(), Fresh->WhereItems()->Filter());
            EXPECT_EQ(Reused->HavingItems()->Filter(), Fresh->HavingItems()->Filter());
            EXPECT_EQ(Reused->Distinct(), Fresh->Distinct());
            EXPECT_EQ(Reused->TableDefs()->Count(), Fresh->TableDefs()->Count());
            EXPECT_EQ(Reused->LastTableName(), Fresh->LastTableName());
            EXPECT_EQ(Reused->LastTableAlias(), Fresh->LastTableAlias());
        }
}

TEST(KRParserRobustness, ClearResetsTheConditionFilters)
{
    auto P = NewParser();
    P->SetExpression("SELECT DISTINCT a FROM t WHERE NOT (a = 1 OR b = 2)");
    ASSERT_EQ(P->WhereItems()->Filter(), cfNotAll);
    P->Clear();
    EXPECT_EQ(P->WhereItems()->Filter(), cfAll);
    EXPECT_EQ(P->HavingItems()->Filter(), cfAll);
    EXPECT_FALSE(P->Distinct());
    EXPECT_EQ(P->GetExpression(), "");

    P->SetExpression("SELECT t.a, SUM(t.b) FROM t GROUP BY t.a HAVING NOT SUM(t.b) > 1");
    ASSERT_EQ(P->HavingItems()->Filter(), cfNone);
    P->SetExpression("   \r\n  ");
    EXPECT_EQ(P->HavingItems()->Filter(), cfAll);
    EXPECT_EQ(P->TableDefs()->Count(), 0);
}
