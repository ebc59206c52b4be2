// The InterBase and Firebird dialect: quoting by SQL dialect, upper-case names, Firebird's FIRST and
// SKIP, InterBase's ROWS clause, and round trips in both servers and both SQL dialects.
#include "KRTestSupport.h"
#include "dialects/KRIBSelectParser.h"
#include "framework/KRException.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <utility>
#include <vector>

using namespace korvan;

namespace {

std::unique_ptr<TKRIBScanner> NewScanner(TKRSQLDialect Dialect)
{
    auto Scanner = Construct<TKRIBScanner>();
    Scanner->SetDialect(Dialect);
    return Scanner;
}

std::unique_ptr<TKRIBSelectParser> NewParser(TKRIBSQLServer Server, TKRSQLDialect Dialect = qibDialect3)
{
    auto Parser = Construct<TKRIBSelectParser>();
    Parser->SetSQLServer(Server);
    dynamic_cast<TKRIBScanner &>(*Parser->Scanner()).SetDialect(Dialect);
    return Parser;
}

//! The message of the parse error, or "" when the text parses.
std::string Invalid(const std::string &Token, int Position)
{
    return "Invalid token '" + Token + "' at position " + std::to_string(Position) + " of line 1.";
}

const std::string EndOfText = "Unexpected end of statement.";

struct TMode
{
    TKRIBSQLServer Server;
    TKRSQLDialect Dialect;
    const char *Name;
};

const TMode Modes[] = {
    { qssInterBase, qibDialect1, "InterBase, dialect 1" },
    { qssInterBase, qibDialect3, "InterBase, dialect 3" },
    { qssFireBird, qibDialect1, "Firebird, dialect 1" },
    { qssFireBird, qibDialect3, "Firebird, dialect 3" },
};

} // namespace

TEST(KRIBScanner, KeywordsAreTheServersWholeWordList)
{
    auto Scanner = NewScanner(qibDialect3);
    EXPECT_EQ(Scanner->Keywords().Count(), 290);
    for (const char *Word : { "ACTION", "OPTIONOR", "RDB$DB_KEY", "YEARDAY", "ROWS", "PERCENT", "TIES" })
        EXPECT_TRUE(Scanner->IsKeyword(Word)) << Word;
    EXPECT_EQ(Scanner->Functions().CommaText(), "AVG,CAST,COUNT,GEN_ID,MAX,MIN,SUM,UPPER");
}

TEST(KRIBScanner, QuotesMakeNamesInDialect3AndStringsInDialect1)
{
    struct TCase
    {
        TKRSQLDialect Dialect;
        const char *Text;
        TTokenKind Kind;
        const char *Token;
    };
    const TCase Cases[] = {
        { qibDialect3, "\"Name\"", tkIdent, "Name" },
        { qibDialect3, "'It''s'", tkString, "It''s" },
        { qibDialect1, "\"Name\"", tkString, "Name" },
        { qibDialect1, "'It''s'", tkString, "It''s" },
        { qibDialect1, "\"say \"\"hi\"\"\"", tkString, "say \"\"hi\"\"" },
        { qibDialect3, "name", tkIdent, "name" },
        { qibDialect3, "rdb$relations", tkIdent, "rdb$relations" },
        { qibDialect1, "first", tkKeyword, "first" },
        { qibDialect3, "upper", tkFunction, "upper" },
        { qibDialect3, "||", tkOperation, "||" },
        { qibDialect3, "_x", tkUnknown, "_x" },
    };
    for (const TCase &Case : Cases) {
        SCOPED_TRACE(Case.Text);
        auto Scanner = NewScanner(Case.Dialect);
        Scanner->SetExpression(Case.Text);
        EXPECT_EQ(Scanner->Token(), Case.Token);
        EXPECT_EQ(Scanner->TokenKind(), Case.Kind);
    }
}

TEST(KRIBScanner, NamesAreQuotedOnlyWhereTheServerWouldMisreadThem)
{
    const std::pair<const char *, const char *> Dialect3[] = {
        { "NAME", "NAME" },
        { "name", "\"name\"" },
        { "Name", "\"Name\"" },
        { "FIRST", "\"FIRST\"" },
        { "COUNT", "\"COUNT\"" },
        { "RDB$DB_KEY2", "RDB$DB_KEY2" },
        { "My Table", "\"My Table\"" },
        { "T.name", "T.\"name\"" },
        { "\"x\"", "\"x\"" },
        { "A-B", "\"A-B\"" },
    };
    auto Scanner = NewScanner(qibDialect3);
    for (const auto &[Name, Written] : Dialect3)
        EXPECT_EQ(Scanner->ProcessName(Name), Written) << Name;

    Scanner->SetDialect(qibDialect1);
    EXPECT_EQ(Scanner->ProcessName("order lines.unit price"), "ORDER_LINES.UNIT_PRICE");
    EXPECT_FALSE(Scanner->GetQuoteIdentifiers());
}

TEST(KRIBScanner, AnUnknownDialectQuotesLikeTheGenericScanner)
{
    auto Scanner = NewScanner(static_cast<TKRSQLDialect>(7));
    Scanner->SetQuoteIdentifiers(false);
    EXPECT_TRUE(Scanner->IsQuote('"') && Scanner->IsQuote('\''));
    EXPECT_TRUE(Scanner->IsIdentQuote('"') && Scanner->IsIdentQuote('\''));
    EXPECT_FALSE(Scanner->GetQuoteIdentifiers());
    EXPECT_EQ(Scanner->ProcessName("MY_NAME"), "MY_NAME");
    EXPECT_EQ(Scanner->ProcessName("my name"), "\"my name\"");
}

TEST(KRIBSelectParser, FirebirdReadsFirstAndSkipAndWritesThemInFrontOfDistinct)
{
    auto Parser = NewParser(qssFireBird);
    Parser->SetExpression("SELECT FIRST 10 SKIP 5 DISTINCT a FROM t");
    EXPECT_EQ(Parser->FBOptions()->First(), 10);
    EXPECT_EQ(Parser->FBOptions()->Skip(), 5);
    EXPECT_EQ(Parser->GetExpression(), "SELECT FIRST 10 SKIP 5 DISTINCT \r\n  T.A\r\nFROM\r\n  T\r\n");

    Parser->ScriptFormat()->SetKeywordsFormat(qfmLowerCase);
    Parser->SetExpression("select first 010 * from t");
    EXPECT_EQ(Parser->FBOptions()->Skip(), 0);
    EXPECT_EQ(Parser->GetExpression(), "select FIRST 10 *\r\nfrom\r\n  T\r\n");
}

TEST(KRIBSelectParser, InterBaseWritesRowsOnTheLineAfterOrderBy)
{
    auto Parser = NewParser(qssInterBase);
    Parser->SetExpression("SELECT a FROM t ORDER BY a ROWS 1 TO 10");
    EXPECT_EQ(Parser->IBOptions()->RowsFrom(), 1);
    EXPECT_EQ(Parser->IBOptions()->RowsTo(), 10);
    EXPECT_EQ(Parser->GetExpression(), "SELECT \r\n  T.A\r\nFROM\r\n  T\r\nORDER BY\r\n  A\r\nROWS 1 TO 10");

    Parser->SetExpression("SELECT a FROM t WHERE a > 1 rows 0005 to 2147483647 by 2 percent with ties;");
    EXPECT_EQ(Parser->GetExpression(),
            "SELECT \r\n  T.A\r\nFROM\r\n  T\r\nWHERE\r\n  (A > 1)\r\n"
            "ROWS 5 TO 2147483647 BY 2 PERCENT WITH TIES");
}

TEST(KRIBSelectParser, RowLimitsFailWhereTheServerOrTheirFormIsWrong)
{
    struct TCase
    {
        TKRIBSQLServer Server;
        const char *Sql;
        std::string Message;
    };
    const TCase Cases[] = {
        { qssInterBase, "SELECT FIRST 10 a FROM t", Invalid("FIRST", 8) },
        { qssInterBase, "SELECT a FROM t ROWS", EndOfText },
        { qssInterBase, "SELECT a FROM t ROWS TO 5", Invalid("TO", 22) },
        { qssInterBase, "SELECT a FROM t ROWS 1 WITH", EndOfText },
        { qssInterBase, "SELECT a FROM t ROWS 1 WITH PERCENT", Invalid("PERCENT", 29) },
        { qssInterBase, "SELECT a FROM t ROWS 1 PERCENT TO 5", Invalid("TO", 32) },
        { qssInterBase, "SELECT a FROM t ROWS 1 ROWS 2", Invalid("ROWS", 24) },
        { qssInterBase, "SELECT a FROM t ROWS 2147483648", Invalid("2147483648", 22) },
        { qssInterBase, "SELECT a FROM t ROWS 1 TO 99999999999", Invalid("99999999999", 27) },
        { qssInterBase, "SELECT a FROM t ROWS 1 BY 0", Invalid("0", 27) },
        { qssFireBird, "SELECT a FROM t ORDER BY a ROWS 1 BY 2", Invalid("BY", 35) },
        { qssFireBird, "SELECT a FROM t ROWS 1 TO 2 PERCENT", Invalid("PERCENT", 29) },
        { qssFireBird, "SELECT a FROM t ROWS 1 WITH TIES", Invalid("WITH", 24) },
        { qssFireBird, "SELECT FIRST 2147483648 a FROM t", Invalid("2147483648", 14) },
        { qssFireBird, "SELECT FIRST 1 SKIP 4294967297 a FROM t", Invalid("4294967297", 21) },
        { qssFireBird, "SELECT FIRST 0 a FROM t", Invalid("0", 14) },
        { qssFireBird, "SELECT FIRST a FROM t", Invalid("a", 14) },
        { qssFireBird, "SELECT SKIP", EndOfText },
        { qssFireBird, "SELECT DISTINCT FIRST 1 a FROM t", Invalid("FIRST", 17) },
    };
    for (const TCase &Case : Cases) {
        SCOPED_TRACE(Case.Sql);
        auto Parser = NewParser(Case.Server);
        EXPECT_EQ(test::ErrorOf(*Parser, Case.Sql), Case.Message);
    }
}

// Firebird has ROWS n [TO m] too, and FIRST and SKIP of its own; InterBase the whole ROWS clause.
TEST(KRIBSelectParser, EachServerWritesOnlyItsOwnRowLimit)
{
    auto Parser = NewParser(qssFireBird);
    Parser->SetExpression("SELECT FIRST 3 SKIP 0 a FROM t ORDER BY a ROWS 2 TO 5");
    EXPECT_EQ(Parser->GetExpression(),
            "SELECT FIRST 3 \r\n  T.A\r\nFROM\r\n  T\r\nORDER BY\r\n  A\r\nROWS 2 TO 5");
    Parser->SetExpression("SELECT FIRST 3 a FROM t");
    Parser->IBOptions()->SetRowsFrom(7);
    Parser->IBOptions()->SetRowsBy(2);
    EXPECT_EQ(Parser->GetExpression(), "SELECT FIRST 3 \r\n  T.A\r\nFROM\r\n  T\r\nROWS 7");
    Parser->SetSQLServer(qssInterBase);
    EXPECT_EQ(Parser->GetExpression(), "SELECT \r\n  T.A\r\nFROM\r\n  T\r\nROWS 7 BY 2");

    // A new statement starts without the options of the last one.
    Parser->SetExpression("SELECT a FROM t");
    EXPECT_EQ(Parser->GetExpression(), "SELECT \r\n  T.A\r\nFROM\r\n  T\r\n");
}

TEST(KRIBSelectParser, UnquotedNamesComeBackInUpperCaseInEveryMode)
{
    for (const TMode &Mode : Modes) {
        SCOPED_TRACE(Mode.Name);
        auto Parser = NewParser(Mode.Server, Mode.Dialect);
        Parser->SetExpression(
                "select name, SUM(total) as total from customer c group by c.name order by name");
        EXPECT_EQ(Parser->GetExpression(),
                "SELECT \r\n  C.NAME,\r\n  SUM(C.TOTAL) AS TOTAL\r\nFROM\r\n  CUSTOMER C\r\n"
                "GROUP BY\r\n  C.NAME\r\nORDER BY\r\n  NAME\r\n");
    }
    auto Parser = NewParser(qssInterBase, qibDialect3);
    Parser->SetExpression("SELECT \"Name\", \"FIRST\", \"x y\" AS \"Total\" FROM \"Customer\"");
    EXPECT_EQ(Parser->TableDefs()->Items(0)->Name(), "Customer");
    EXPECT_EQ(Parser->GetExpression(),
            "SELECT \r\n  \"Customer\".\"Name\",\r\n  \"Customer\".\"FIRST\",\r\n"
            "  \"Customer\".\"x y\" AS \"Total\"\r\nFROM\r\n  \"Customer\"\r\n");
}

TEST(KRIBSelectParser, StringsAreEscapedOnceInBothDialects)
{
    struct TCase
    {
        TKRSQLDialect Dialect;
        const char *Literal;
        const char *Value;
        const char *Written;
    };
    const TCase Cases[] = {
        { qibDialect3, "'It''s'", "It's", "'It''s'" },
        { qibDialect1, "'It''s'", "It's", "'It''s'" },
        { qibDialect1, "\"It's\"", "It's", "'It''s'" },
        { qibDialect1, "\"say \"\"hi\"\"\"", "say \"hi\"", "'say \"hi\"'" },
    };
    for (const TCase &Case : Cases) {
        SCOPED_TRACE(Case.Literal);
        auto Parser = NewParser(qssInterBase, Case.Dialect);
        const std::string Written = Case.Written;
        const std::string Expected =
                "SELECT \r\n  " + Written + " AS S\r\nFROM\r\n  T\r\nWHERE\r\n  (A = " + Written + ")\r\n";
        Parser->SetExpression(
                "SELECT " + std::string(Case.Literal) + " AS s FROM t WHERE a = " + Case.Literal);
        for (int Pass = 0; Pass < 2; ++Pass) {
            EXPECT_EQ(Parser->TableDefs()->FieldDefs(0)->Name(), Case.Value);
            EXPECT_EQ(Parser->GetExpression(), Expected);
            Parser->SetExpression(Expected);
        }
    }
}

TEST(KRIBSelectParser, ConcatenationMakesAnExpressionField)
{
    auto Parser = NewParser(qssInterBase);
    Parser->SetExpression("SELECT first_name || ' ' || p.last_name FROM person p");
    const TKRFieldDef *Field = Parser->TableDefs()->FieldDefs(0);
    EXPECT_EQ(Field->Kind(), fkExpression);
    EXPECT_EQ(Field->Name(), "FIRST_NAME || ' ' || P.LAST_NAME");
}

TEST(KRIBSelectParser, OptionRecordsCopyAndWriteTheirClauses)
{
    TKRIBOptions Rows;
    EXPECT_EQ(Rows.GetScript(), "");
    Rows.SetPercent(true);
    Rows.SetTies(true);
    EXPECT_EQ(Rows.GetScript(), "");
    Rows.SetRowsTo(5);
    EXPECT_EQ(Rows.GetScript(), "ROWS 0 TO 5 PERCENT WITH TIES");
    Rows.SetRowsBy(2);
    auto Parser = NewParser(qssInterBase);
    Parser->SetIBOptions(&Rows);
    EXPECT_EQ(Parser->IBOptions()->GetScript(), "ROWS 0 TO 5 BY 2 PERCENT WITH TIES");
    Rows.Clear();
    EXPECT_EQ(Rows.GetScript(), "");

    TKRFBOptions First;
    First.SetSkip(20);
    EXPECT_EQ(First.GetScript(), "SKIP 20 ");
    First.SetFirst(10);
    Parser->SetFBOptions(&First);
    EXPECT_EQ(Parser->FBOptions()->GetScript(), "FIRST 10 SKIP 20 ");
    EXPECT_THROW(Rows.Assign(&First), EConvertError);
}

// Every statement is read, written, read again and written again in each mode it belongs to; the
// two texts must be equal and the row limits must survive.
TEST(KRIBSelectParser, StatementsRoundTripInBothServersAndDialects)
{
    enum TOnly { All, InterBase, Firebird, Dialect1, Dialect3 };
    const std::pair<TOnly, const char *> Statements[] = {
        { All, "select name from customer" },
        { All, "SELECT DISTINCT c.name, c.city FROM customer c WHERE c.city = 'Paris' ORDER BY c.name DESC" },
        { All, "SELECT dept, SUM(salary), COUNT(*) FROM emp GROUP BY dept HAVING SUM(salary) > 1000" },
        { All, "SELECT o.id, c.name FROM orders o LEFT OUTER JOIN customer c ON o.cust_id = c.id" },
        { All, "SELECT a FROM t WHERE b IN (1, 2, 3) AND c BETWEEN 1 AND 5 OR d IS NULL" },
        { All, "SELECT first_name || ' ' || last_name AS full_name FROM person" },
        { All, "SELECT x.a, x.b FROM get_rows(:p, 10, 'a') x" },
        { All, "SELECT rdb$relation_name FROM rdb$relations WHERE rdb$system_flag = 0" },
        { All, "SELECT UPPER(c.name) AS uname, MIN(c.id) FROM customer c" },
        { All, "SELECT * FROM t WHERE note LIKE 'It''s%'" },
        { InterBase, "SELECT a FROM t ORDER BY a ROWS 1 TO 10" },
        { InterBase, "SELECT a, b FROM t ROWS 1 TO 10 BY 2 PERCENT WITH TIES" },
        { InterBase, "SELECT a FROM t WHERE a > 0 ROWS 5 WITH TIES" },
        { InterBase, "SELECT dept, MAX(salary) FROM emp GROUP BY dept ROWS 3 PERCENT" },
        { Firebird, "SELECT FIRST 10 SKIP 5 DISTINCT a FROM t" },
        { Firebird, "SELECT FIRST 1 * FROM t ORDER BY a" },
        { Firebird, "SELECT SKIP 2 a, b FROM t WHERE a <> 'x'" },
        { Firebird, "SELECT FIRST 2147483647 a FROM t" },
        { Dialect3, "SELECT \"Name\", \"FIRST\" AS \"Order\" FROM \"My Table\" WHERE \"Name\" = 'x'" },
        { Dialect3, "SELECT t.\"a\"\"b\", \"A-B\" FROM t" },
        // Found by fuzzing: a table named CASE was written bare and read back as the start of a CASE.
        { Dialect3, "SELECT \"CASE\".\"n\", \"TRUE\" FROM \"CASE\", \"n\"('') WHERE \"n\" = ''" },
        { Dialect1, "SELECT \"It's\", 'say \"hi\"' FROM t WHERE a = \"x\"" },
        { Dialect1, "SELECT a FROM t WHERE b = \"\" OR c = ''" },
        { All,
                "SELECT a FROM t WHERE a STARTING WITH 'x' AND b NOT CONTAINING 'y' OR c NOT STARTING WITH "
                "'z'" },
        { All, "SELECT CURRENT_DATE, CURRENT_TIMESTAMP, CURRENT_USER, USER, NULL FROM rdb$database" },
        { All, "SELECT LEFT(name, 2), SUBSTRING(name FROM 2 FOR 3), EXTRACT(YEAR FROM d) FROM t" },
        { All, "SELECT CAST(a AS VARCHAR(10)), CASE WHEN a > 0 THEN 'p' END FROM t -- note\r\nWHERE a > -1" },
        { All,
                "SELECT e.dept, COUNT(DISTINCT e.id) FROM emp e JOIN dept d ON e.dept = d.id AND e.site = "
                "d.site "
                "GROUP BY e.dept, 2" },
        { Firebird, "SELECT a FROM t ORDER BY a ROWS 1 TO 10" },
        { Firebird, "SELECT FIRST 5 a FROM t ROWS 3" },
    };
    for (const TMode &Mode : Modes) {
        int Count = 0;
        for (const auto &[Only, Sql] : Statements) {
            if ((Only == InterBase && Mode.Server != qssInterBase)
                    || (Only == Firebird && Mode.Server != qssFireBird)
                    || (Only == Dialect1 && Mode.Dialect != qibDialect1)
                    || (Only == Dialect3 && Mode.Dialect != qibDialect3))
                continue;
            SCOPED_TRACE(std::string(Mode.Name) + ": " + Sql);
            ++Count;
            auto Parser = NewParser(Mode.Server, Mode.Dialect);
            Parser->SetExpression(Sql);
            const std::string First = Parser->GetExpression();
            const std::string Limits = Parser->IBOptions()->GetScript() + Parser->FBOptions()->GetScript();
            Parser->SetExpression(First);
            EXPECT_EQ(Parser->GetExpression(), First);
            EXPECT_EQ(Parser->IBOptions()->GetScript() + Parser->FBOptions()->GetScript(), Limits);
            EXPECT_NE(First, "");
        }
        EXPECT_GE(Count, 17) << Mode.Name;
    }
}

// A quoted call name is case-sensitive in dialect 3: "udf"(x) is not UDF(x). It keeps its quotes
// where it needs them, whatever letter case function names are written in; "UDF" needs none.
TEST(KRIBSelectParser, CallNamesReadInQuotesKeepTheirLetterCase)
{
    auto Parser = NewParser(qssFireBird);
    Parser->ScriptFormat()->SetFunctionsFormat(qfmLowerCase);
    Parser->SetExpression("SELECT \"udf\"(a), \"UDF\"(b), \"my udf\"(c), UPPER(d) FROM t");
    const std::string Expected =
            "SELECT \r\n  \"udf\"(T.A) AS FIELD_1,\r\n  udf(T.B) AS FIELD_2,\r\n"
            "  \"my udf\"(T.C) AS FIELD_3,\r\n  upper(T.D) AS FIELD_4\r\nFROM\r\n  T\r\n";
    EXPECT_EQ(Parser->GetExpression(), Expected);
    auto Again = NewParser(qssFireBird);
    Again->ScriptFormat()->SetFunctionsFormat(qfmLowerCase);
    Again->SetExpression(Expected);
    EXPECT_EQ(Again->GetExpression(), Expected);
}
