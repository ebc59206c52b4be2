// The MySQL dialect: back-quoted names, backslash escapes, select options, filters and LIMIT, and
// statements that come back as the text they were written as.
#include "KRTestSupport.h"
#include "dialects/KRMySQLScanner.h"
#include "dialects/KRMySelectParser.h"
#include "framework/KRException.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

using namespace korvan;

namespace {

std::unique_ptr<TKRMySelectParser> NewParser(bool Quote = true)
{
    auto P = Construct<TKRMySelectParser>();
    P->Scanner()->SetQuoteIdentifiers(Quote);
    return P;
}

//! The message of the error the text raises, or "" when it parses.
//! Kind and text of every token of Text.
std::vector<std::pair<TTokenKind, std::string>> Tokens(const std::string &Text)
{
    auto S = Construct<TKRMySQLScanner>();
    std::vector<std::pair<TTokenKind, std::string>> Result;
    for (S->SetExpression(Text); S->TokenKind() != tkEnd; S->GetNextToken())
        Result.emplace_back(S->TokenKind(), S->Token());
    return Result;
}

const std::string Body = "\r\n  `t`.`a`\r\nFROM\r\n  `t`\r\n";

} // namespace

TEST(KRMySQLScanner, WordsAndQuotesGiveMySQLTokenKinds)
{
    auto S = Construct<TKRMySQLScanner>();
    EXPECT_EQ(S->Keywords().Count(), 230);
    EXPECT_EQ(S->Functions().Count(), 137);
    using TKinds = std::vector<std::pair<TTokenKind, std::string>>;
    EXPECT_EQ(Tokens("LEFT RIGHT LIMIT DISTINCTROW SQL_BUFFER_RESULT HIGH_PRIORITY coalesce"),
            (TKinds{ { tkFunction, "LEFT" }, { tkFunction, "RIGHT" }, { tkKeyword, "LIMIT" },
                    { tkKeyword, "DISTINCTROW" }, { tkIdent, "SQL_BUFFER_RESULT" },
                    { tkKeyword, "HIGH_PRIORITY" }, { tkFunction, "coalesce" } }));
    EXPECT_EQ(Tokens("`my t` 'x' \"y\" `C:\\`"),
            (TKinds{ { tkIdent, "my t" }, { tkString, "x" }, { tkString, "y" }, { tkIdent, "C:\\" } }));
    EXPECT_EQ(Construct<TKRMySelectParser>()->Aggregates().CommaText(), "AVG,COUNT,MAX,MIN,SUM");
}

TEST(KRMySQLScanner, BackslashesDecideWhereALiteralEnds)
{
    const struct
    {
        const char *Literal, *Token, *Value;
    } Cases[] = {
        { "'It\\'s'", "It\\'s", "It\\'s" },
        { "'C:\\\\'", "C:\\\\", "C:\\\\" },
        { "'a\\\\\\'b'", "a\\\\\\'b", "a\\\\\\'b" },
        { "'It''s'", "It''s", "It's" },
        { "'a\\''", "a\\'", "a\\'" },
        { "'a\\\\''b'", "a\\\\''b", "a\\\\'b" },
        { "\"say \\\"hi\\\" \"\"x\"\"\"", "say \\\"hi\\\" \"\"x\"\"", "say \\\"hi\\\" \"x\"" },
        { "`a``b\\`", "a``b\\", "a`b\\" },
    };
    for (const auto &Case : Cases) {
        SCOPED_TRACE(Case.Literal);
        auto S = Construct<TKRMySQLScanner>();
        S->SetExpression(std::string(Case.Literal) + " FROM");
        EXPECT_EQ(S->Token(), Case.Token);
        EXPECT_EQ(S->TokenValue(), Case.Value);
        EXPECT_EQ(S->GetNextToken(), "FROM");
    }
    auto S = Construct<TKRMySQLScanner>();
    try {
        S->SetExpression("'abc\\' FROM t");
        FAIL() << "an escaped closing quote leaves the literal open";
    } catch (const EKRParserError &E) {
        EXPECT_EQ(E.ErrorCode(), 3);
    }
}

TEST(KRMySQLScanner, QuoteStringWritesLiteralsThatReadBack)
{
    const struct
    {
        const char *Value, *Literal;
    } Cases[] = {
        { "It's", "'It''s'" },
        { "It\\'s", "'It\\'s'" },
        { "C:\\\\", "'C:\\\\'" },
        { "a\\\\'b", "'a\\\\''b'" },
        { "say \\\"hi\\\"", "'say \\\"hi\\\"'" },
        { "", "''" },
    };
    auto S = Construct<TKRMySQLScanner>();
    for (const auto &Case : Cases) {
        SCOPED_TRACE(Case.Value);
        EXPECT_EQ(S->QuoteString(Case.Value), Case.Literal);
        S->SetExpression(S->QuoteString(Case.Value) + " FROM");
        EXPECT_EQ(S->TokenValue(), Case.Value);
        EXPECT_EQ(S->GetNextToken(), "FROM");
    }
    // A lone trailing backslash would escape the closing quote; it gets its partner.
    EXPECT_EQ(S->QuoteString("C:\\"), "'C:\\\\'");
}

TEST(KRMySelectParser, EveryOptionAndFilterComesBackInWritingOrder)
{
    const char *Filters[] = { "", "DISTINCT ", "DISTINCTROW ", "ALL " };
    for (unsigned Mask = 0; Mask < 32; ++Mask)
        for (int Filter = myfoNone; Filter <= myfoAll; ++Filter) {
            std::string Written;
            std::string Reversed;
            TKRMySQLSelectOptions Expected;
            for (int I = 0; I < 5; ++I)
                if ((Mask & (1U << I)) != 0) {
                    Written += std::string(MySQLSelectOptionWords[I]) + " ";
                    Reversed = std::string(MySQLSelectOptionWords[I]) + " " + Reversed;
                    Expected.Include(static_cast<TKRMySQLSelectOption>(I));
                }
            const std::string Text = "SELECT " + Reversed + Filters[Filter] + "a FROM t";
            SCOPED_TRACE(Text);
            auto P = NewParser();
            P->SetExpression(Text);
            EXPECT_EQ(P->MySQLOptions()->SelectOptions(), Expected);
            EXPECT_EQ(P->MySQLOptions()->Filter(), Filter);
            EXPECT_EQ(P->Distinct(), Filter == myfoDistinct);
            const std::string Out = P->GetExpression();
            EXPECT_EQ(Out, "SELECT " + Written + Filters[Filter] + Body);
            P->SetExpression(Out);
            EXPECT_EQ(P->GetExpression(), Out);
        }
}

TEST(KRMySelectParser, OptionWordsAreReadWhereTheyMayStand)
{
    auto P = NewParser();
    // SQL_BUFFER_RESULT is no keyword, yet right after SELECT or DISTINCT it is an option.
    P->SetExpression("SELECT SQL_BUFFER_RESULT a FROM t");
    EXPECT_EQ(P->GetExpression(), "SELECT SQL_BUFFER_RESULT " + Body);
    P->SetExpression("SELECT DISTINCT SQL_BUFFER_RESULT HIGH_PRIORITY a FROM t");
    EXPECT_EQ(P->GetExpression(), "SELECT SQL_BUFFER_RESULT HIGH_PRIORITY DISTINCT " + Body);
    // Quoted, it is a column; a new statement forgets the options of the last one.
    P->SetExpression("SELECT `SQL_BUFFER_RESULT` FROM t");
    EXPECT_EQ(P->GetExpression(), "SELECT \r\n  `t`.`SQL_BUFFER_RESULT`\r\nFROM\r\n  `t`\r\n");

    const struct
    {
        const char *Text, *Message;
    } Errors[] = {
        { "SELECT HIGH_PRIORITY HIGH_PRIORITY a FROM t",
                "Invalid token 'HIGH_PRIORITY' at position 22 of line 1." },
        { "SELECT SQL_BUFFER_RESULT STRAIGHT_JOIN SQL_BUFFER_RESULT a FROM t",
                "Invalid token 'SQL_BUFFER_RESULT' at position 40 of line 1." },
        { "SELECT DISTINCT HIGH_PRIORITY ALL a FROM t", "Invalid token 'ALL' at position 31 of line 1." },
        { "SELECT DISTINCT DISTINCTROW a FROM t", "Invalid token 'DISTINCTROW' at position 17 of line 1." },
        { "SELECT ALL HIGH_PRIORITY a FROM t", "Invalid token 'HIGH_PRIORITY' at position 12 of line 1." },
        { "SELECT HIGH_PRIORITY FROM t", "Invalid token 'FROM' at position 22 of line 1." },
        { "SELECT DISTINCTROW", "Unexpected end of statement." },
    };
    for (const auto &Error : Errors) {
        SCOPED_TRACE(Error.Text);
        EXPECT_EQ(test::ErrorOf(*P, Error.Text), Error.Message);
    }
}

TEST(KRMySelectParser, DistinctIsTheDistinctFilter)
{
    auto P = NewParser();
    P->SetExpression("SELECT DISTINCTROW a FROM t LIMIT 3");
    EXPECT_FALSE(P->Distinct());
    P->SetDistinct(true);
    EXPECT_EQ(P->MySQLOptions()->Filter(), myfoDistinct);
    P->SetDistinct(false);
    EXPECT_EQ(P->MySQLOptions()->Filter(), myfoNone);
    P->MySQLOptions()->SetSelectOptions({ mysoHighPriority });
    P->Clear();
    EXPECT_TRUE(P->MySQLOptions()->SelectOptions().Empty());
    EXPECT_EQ(P->MySQLOptions()->LimitRows(), 0);
}

TEST(KRMySelectParser, LimitTakesRowsOrOffsetAndRowsAndNothingAfter)
{
    const struct
    {
        const char *Limit;
        int Offset, Rows;
        const char *Written;
    } Cases[] = {
        { "LIMIT 10", 0, 10, "LIMIT 10" },
        { "LIMIT 5, 10", 5, 10, "LIMIT 5, 10" },
        { "LIMIT 0, 10", 0, 10, "LIMIT 10" },
        { "LIMIT 5,0", 5, 0, "LIMIT 5, 0" },
        { "limit 0002147483647;", 0, 2147483647, "LIMIT 2147483647" },
    };
    auto P = NewParser();
    for (const auto &Case : Cases) {
        SCOPED_TRACE(Case.Limit);
        P->SetExpression(std::string("SELECT a FROM t ORDER BY a ") + Case.Limit);
        EXPECT_EQ(P->MySQLOptions()->LimitOffset(), Case.Offset);
        EXPECT_EQ(P->MySQLOptions()->LimitRows(), Case.Rows);
        EXPECT_EQ(P->GetExpression(), "SELECT " + Body + "ORDER BY\r\n  `a`\r\n" + Case.Written);
    }

    const struct
    {
        const char *Limit, *Message;
    } Errors[] = {
        { "LIMIT", "Unexpected end of statement." },
        { "LIMIT 5,", "Unexpected end of statement." },
        { "LIMIT x", "Invalid token 'x' at position 23 of line 1." },
        { "LIMIT -1", "Invalid token '-' at position 23 of line 1." },
        { "LIMIT 1.5", "Invalid token '1.5' at position 23 of line 1." },
        { "LIMIT 2147483648", "Invalid token '2147483648' at position 23 of line 1." },
        { "LIMIT 5, 99999999999", "Invalid token '99999999999' at position 26 of line 1." },
        // LIMIT 0 would be written as no LIMIT at all.
        { "LIMIT 0", "Invalid token '0' at position 23 of line 1." },
        { "LIMIT 0, 0", "Invalid token '0' at position 26 of line 1." },
        { "LIMIT 10 OFFSET 5", "Invalid token 'OFFSET' at position 26 of line 1." },
        { "LIMIT 5, 10 x", "Invalid token 'x' at position 29 of line 1." },
        { "PROCEDURE p", "Invalid token 'PROCEDURE' at position 17 of line 1." },
    };
    for (const auto &Error : Errors) {
        SCOPED_TRACE(Error.Limit);
        EXPECT_EQ(test::ErrorOf(*P, std::string("SELECT a FROM t ") + Error.Limit), Error.Message);
    }
}

TEST(KRMySelectParser, JoinsAndNamesAreWrittenTheMySQLWay)
{
    auto P = NewParser();
    P->SetExpression(
            "SELECT a.x, LEFT(b.y, 2) FROM a LEFT JOIN b ON a.id = b.id RIGHT JOIN c ON c.id = a.id");
    const TKRJoinDefs &Joins = *P->TableDefs()->FindByAlias("a")->JoinDefs();
    ASSERT_EQ(Joins.Count(), 2);
    EXPECT_EQ(Joins.Items(0)->JoinKind(), krjLOuterJoin);
    EXPECT_EQ(Joins.Items(0)->JoinTable(), "b");
    EXPECT_EQ(Joins.Items(1)->JoinKind(), krjROuterJoin);
    EXPECT_EQ(Joins.Items(1)->JoinFieldName(), "id");

    const struct
    {
        bool Quote;
        const char *Text, *Written;
    } Cases[] = {
        { true, "SELECT `my col` AS `Total Sales` FROM `my table` x",
                "SELECT \r\n  `x`.`my col` AS `Total Sales`\r\nFROM\r\n  `my table` `x`\r\n" },
        { false, "SELECT `a` AS b, LEFT(c, 1) AS d FROM `t` x LIMIT 1",
                "SELECT \r\n  x.a AS b,\r\n  LEFT(x.c, 1) AS d\r\nFROM\r\n  t x\r\nLIMIT 1" },
    };
    for (const auto &Case : Cases) {
        SCOPED_TRACE(Case.Text);
        P->Scanner()->SetQuoteIdentifiers(Case.Quote);
        EXPECT_EQ(P->Scanner()->GetProcessAliases(), Case.Quote);
        P->SetExpression(Case.Text);
        EXPECT_EQ(P->GetExpression(), Case.Written);
    }
}

TEST(KRMySelectParser, StatementsReadBackIntoTheSameText)
{
    const char *Statements[] = {
        "SELECT a.x FROM a LEFT JOIN b ON a.id = b.id",
        "SELECT STRAIGHT_JOIN SQL_SMALL_RESULT DISTINCTROW o.id, c.name FROM orders o INNER JOIN customers c "
        "ON o.cust = c.id WHERE o.total > 100 ORDER BY c.name DESC LIMIT 20, 10",
        "SELECT SQL_BIG_RESULT c.city, COUNT(c.id) AS n FROM customers c GROUP BY c.city HAVING COUNT(c.id) "
        "> 2",
        "SELECT ALL p.name FROM products p WHERE p.note = 'It\\'s \"new\"' OR p.path = 'C:\\\\'",
        "SELECT p.name FROM products p WHERE p.name LIKE 'a\\\\\\'b%' AND p.code = \"x'y\" LIMIT 5",
        "SELECT HIGH_PRIORITY e.name FROM emp e RIGHT OUTER JOIN dept d ON e.dept = d.id",
        "SELECT CONCAT(UPPER(LEFT(e.fname, 1)), LOWER(e.last)) AS nick FROM emp e",
        "SELECT e.id FROM emp e WHERE e.dept IN (1, 2, 3) AND e.hired BETWEEN '2001-01-01' AND '2001-12-31'",
        "SELECT SQL_BUFFER_RESULT DISTINCT e.salary * 12 AS yearly FROM emp e ORDER BY e.id LIMIT 3",
        "SELECT e.name FROM emp e WHERE (e.boss IS NULL) OR (NOT e.name = 'Sm\\\\ith')",
        "SELECT DATE_FORMAT(o.placed, '%Y') AS y, SUM(o.total) AS s FROM orders o GROUP BY o.placed",
        "SELECT * FROM t WHERE t.a <> '' LIMIT 0, 1",
        // The GROUP BY list must be rebuilt before HAVING is written, whatever order C++ evaluates in.
        "SELECT SUM(a) FROM t GROUP BY b HAVING SUM(a) > 1",
        "SELECT CURRENT_DATE, CURRENT_DATE(), NULL, TRUE, COUNT(DISTINCT t.a), t.b--1 FROM t # a comment",
        "SELECT t.a FROM t JOIN u ON t.a = u.a AND u.b = t.b WHERE t.c = -1.5e3 /* note */ ORDER BY 1 DESC",
        "SELECT IF(t.a > 0, 'p', 'n'), INTERVAL 3 DAY, DATE_ADD(t.d, INTERVAL 1 MONTH) FROM t",
    };
    for (const bool Quote : { true, false })
        for (const char *Text : Statements) {
            SCOPED_TRACE(std::string(Text) + (Quote ? " (quoting on)" : " (quoting off)"));
            auto P = NewParser(Quote);
            P->SetExpression(Text);
            const std::string First = P->GetExpression();
            ASSERT_FALSE(First.empty());
            EXPECT_EQ(First.find('`') != std::string::npos, Quote);
            P->SetExpression(First);
            EXPECT_EQ(P->GetExpression(), First);
        }
}

TEST(KRMySQLOptions, CopiesAndWritesItsWords)
{
    TKRMySQLOptions Loose;
    Loose.SetSelectOptions({ mysoHighPriority, mysoStraightJoin });
    Loose.SetFilter(myfoAll);
    Loose.SetLimitOffset(4);
    Loose.SetLimitRows(2);
    EXPECT_EQ(Loose.OptionsScript() + Loose.FilterScript() + Loose.LimitScript(),
            "STRAIGHT_JOIN HIGH_PRIORITY ALL LIMIT 4, 2");

    auto P = NewParser();
    P->ScriptFormat()->SetKeywordsFormat(qfmLowerCase);
    P->SetMySQLOptions(&Loose);
    EXPECT_EQ(P->MySQLOptions()->Parser(), P.get());
    EXPECT_EQ(P->MySQLOptions()->OptionsScript() + P->MySQLOptions()->FilterScript()
                    + P->MySQLOptions()->LimitScript(),
            "straight_join high_priority all limit 4, 2");
    P->MySQLOptions()->Clear();
    EXPECT_EQ(P->MySQLOptions()->OptionsScript() + P->MySQLOptions()->FilterScript()
                    + P->MySQLOptions()->LimitScript(),
            "");
    EXPECT_THROW(Loose.Assign(P->ScriptFormat()), EConvertError);
}

TEST(KRMySelectParser, EmptyNamesAndDottedAliasesReadBack)
{
    const std::pair<const char *, const char *> Cases[] = {
        // An empty quoted name is an empty string, whatever its quote.
        { "SELECT a FROM t WHERE b = ``",
                "SELECT \r\n  `t`.`a`\r\nFROM\r\n  `t`\r\nWHERE\r\n  (`b` = '')\r\n" },
        // An alias is one name, dots included.
        { "SELECT a AS `x.y` FROM t", "SELECT \r\n  `t`.`a` AS `x.y`\r\nFROM\r\n  `t`\r\n" },
        { "SELECT a FROM t `x.y`", "SELECT \r\n  `x.y`.`a`\r\nFROM\r\n  `t` `x.y`\r\n" },
    };
    for (const auto &[Sql, Expected] : Cases) {
        SCOPED_TRACE(Sql);
        auto P = NewParser();
        P->SetExpression(Sql);
        EXPECT_EQ(P->GetExpression(), Expected);
        auto Q = NewParser();
        Q->SetExpression(Expected);
        EXPECT_EQ(Q->GetExpression(), Expected);
    }
}

// Found by fuzzing: a call whose name was read in quotes was written bare, and `*`(*) came back as
// *(*), which does not read. Such a name keeps its quotes and its letter case.
TEST(KRMySelectParser, CallNamesReadInQuotesKeepThem)
{
    for (const TKRFormatMode Format : { qfmAsIs, qfmUpperCase }) {
        auto P = NewParser();
        P->ScriptFormat()->SetFunctionsFormat(Format);
        P->SetExpression("SELECT `*`(*) + 1 AS n, `my f`(a), `x`.`Fn`(b), Lower(c) FROM t");
        const std::string Lower = Format == qfmAsIs ? "Lower" : "LOWER";
        const std::string Expected = "SELECT \r\n  `*`(*) + 1 AS `n`,\r\n  `my f`(`t`.`a`) AS `FIELD_1`,\r\n"
                                     "  `x`.`Fn`(`t`.`b`) AS `FIELD_2`,\r\n  "
                + Lower + "(`t`.`c`) AS `FIELD_3`\r\nFROM\r\n  `t`\r\n";
        EXPECT_EQ(P->GetExpression(), Expected);
        auto Q = NewParser();
        Q->ScriptFormat()->SetFunctionsFormat(Format);
        Q->SetExpression(Expected);
        EXPECT_EQ(Q->GetExpression(), Expected);
    }
}
