// The corpus check's own parts: a check that calls two different statements the same passes faults
// unseen, so the normalised trees are tested on pairs that must and must not compare equal.
#include "KRCorpusFile.h"
#include "KRPgTree.h"
#include "KRRefusalReason.h"
#include "KRTreeDifference.h"

#include <algorithm>
#include <cctype>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace korvan;

namespace {

//! The difference PostgreSQL sees between two statements once both trees are normalised.
TKRTreeDifference Compare(const std::string &Left, const std::string &Right)
{
    TKRPgTree L = ReadPgTree(Left);
    TKRPgTree R = ReadPgTree(Right);
    EXPECT_TRUE(L.Parsed) << Left << ": " << L.Error;
    EXPECT_TRUE(R.Parsed) << Right << ": " << R.Error;
    NormalisePgTree(L.Tree);
    NormalisePgTree(R.Tree);
    return FirstDifference(L.Tree, R.Tree);
}

struct TPair
{
    const char *Left;
    const char *Right;
};

} // namespace

TEST(KRCorpusFile, SplitsStatementsAtTheLineThatEndsInASemicolon)
{
    const TKRCorpusFile File = SplitCorpus("-- corpus of tests\n"
                                           "-- source: first place (MIT)\n"
                                           "\n"
                                           "SELECT a FROM t;\n"
                                           "-- between statements\n"
                                           "SELECT a,\n"
                                           "-- inside a statement\n"
                                           "  'x;y' FROM t ;  \n"
                                           "-- source: second place (CC0)\n"
                                           "  SELECT 1;\n",
            "c.sql");
    ASSERT_EQ(File.Statements.size(), 3u);
    EXPECT_EQ(File.Statements[0].Line, 4);
    EXPECT_EQ(File.Statements[0].Source, "first place (MIT)");
    EXPECT_EQ(File.Statements[0].Text, "SELECT a FROM t");
    EXPECT_EQ(File.Statements[1].Line, 6);
    EXPECT_EQ(File.Statements[1].Text, "SELECT a,\n-- inside a statement\n  'x;y' FROM t ");
    EXPECT_EQ(File.Statements[2].Source, "second place (CC0)");
    EXPECT_EQ(File.Statements[2].Text, "  SELECT 1");
    EXPECT_EQ(File.Faults, std::vector<std::string>());
}

TEST(KRCorpusFile, NamesStatementsWithoutSourceOrEnd)
{
    const TKRCorpusFile File = SplitCorpus("SELECT 1;\n-- source: s (MIT)\nSELECT 2\nFROM t\n", "c.sql");
    EXPECT_EQ(File.Faults,
            (std::vector<std::string>{ "c.sql:1: a statement with no source line before it",
                    "c.sql:3: a statement that no \";\" ends" }));
}

TEST(KRPgTree, SpellingsOfTheSameStatementCompareEqual)
{
    const TPair Same[] = {
        { "SELECT a FROM t", "SELECT \"t\".\"a\" FROM \"t\"" },
        { "SELECT x.* FROM t x", "SELECT * FROM t x" },
        { "SELECT s.t.a FROM s.t", "SELECT a FROM s.t" },
        { "SELECT A, b AS b FROM T", "SELECT a, \"B\" FROM t" },
        { "SELECT count(*), upper(a) FROM t", "SELECT COUNT(*) AS FIELD_1, Upper(a) AS field_2 FROM t" },
        { "SELECT t.a FROM t INNER JOIN u ON u.b < t.a", "SELECT t.a FROM t JOIN u ON (t.a > u.b)" },
        { "SELECT a FROM t WHERE 1 >= a AND b <> c", "SELECT a FROM t WHERE a <= 1 AND c <> b" },
        { "SELECT a FROM t WHERE (a = 1 AND b = 2) AND c = 3",
                "SELECT a FROM t WHERE a = 1 AND (b = 2 AND c = 3)" },
        { "SELECT a FROM t WHERE a = 1 OR (b = 2 OR c = 3)",
                "SELECT a FROM t WHERE (a = 1 OR b = 2) OR c = 3" },
        { "SELECT a, b, count(*) FROM t GROUP BY b", "SELECT a, b, count(*) FROM t GROUP BY t.a, t.b" },
        { "SELECT a, sum(b) FROM t", "SELECT a, sum(b) FROM t GROUP BY a" },
        { "SELECT a, b FROM t GROUP BY b, a", "SELECT a, b FROM t GROUP BY a, b" },
        { "SELECT a FROM t ORDER BY a ASC, b", "SELECT t.a FROM t ORDER BY t.a, t.b ASC" },
        { "SELECT a FROM t WHERE b IN (SELECT c FROM u)", "SELECT a FROM t WHERE t.b IN (SELECT c FROM u)" },
        { "SELECT a FROM t UNION SELECT b FROM u", "SELECT t.a FROM t UNION SELECT u.b FROM u" },
        { "SELECT a FROM t t WHERE t.b = 1", "SELECT t.a FROM t WHERE b = 1" },
        { "SELECT relid FROM pg_partition_tree('m')",
                "SELECT pg_partition_tree.relid FROM pg_partition_tree('m')" },
        { "SELECT x FROM generate_series(1, 3) AS x", "SELECT x.x FROM generate_series(1, 3) x" },
        { "SELECT t1.*, t2.*, c.* FROM a t1 JOIN b t2 ON t1.x = t2.x, c",
                "SELECT * FROM a t1 JOIN b t2 ON t1.x = t2.x, c" },
        { "SELECT a, count(*) FROM t UNION SELECT b, count(*) FROM u",
                "SELECT a, count(*) FROM t GROUP BY a UNION SELECT b, count(*) FROM u GROUP BY b" },
        { "SELECT a FROM t ORDER BY count(*)", "SELECT a FROM t GROUP BY a ORDER BY count(*)" },
        { "SELECT a FROM t WHERE EXISTS (SELECT 1 FROM u WHERE u.b = t.a)",
                "SELECT t.a FROM t WHERE EXISTS (SELECT 1 FROM u WHERE t.a = u.b)" },
    };
    for (const TPair &Pair : Same)
        EXPECT_EQ(Compare(Pair.Left, Pair.Right).Path, "") << Pair.Left << "\n" << Pair.Right;
}

TEST(KRPgTree, StatementsOfAnotherMeaningStillDiffer)
{
    const TPair Different[] = {
        { "SELECT a FROM t WHERE a < 1", "SELECT a FROM t WHERE a > 1" },
        { "SELECT a FROM t WHERE 1 < a", "SELECT a FROM t WHERE 1 > a" },
        { "SELECT a FROM t WHERE b = 'X'", "SELECT a FROM t WHERE b = 'x'" },
        { "SELECT t.a FROM t, u", "SELECT a FROM t, u" },
        { "SELECT a FROM t x", "SELECT a FROM t" },
        { "SELECT a FROM t WHERE b IN (SELECT c FROM u)", "SELECT a FROM t WHERE b IN (SELECT u.c FROM u)" },
        { "SELECT a FROM t WHERE a = 1 OR b = 2 AND c = 3",
                "SELECT a FROM t WHERE (a = 1 OR b = 2) AND c = 3" },
        { "SELECT a FROM t WHERE a = 1 AND (b = 2 OR c = 3)",
                "SELECT a FROM t WHERE a = 1 AND b = 2 OR c = 3" },
        { "SELECT count(*) AS n FROM t", "SELECT count(*) FROM t" },
        { "SELECT a AS b FROM t", "SELECT a FROM t" },
        { "SELECT a / 10, count(*) FROM t GROUP BY a / 10",
                "SELECT a / 10, count(*) FROM t GROUP BY a / 10, a" },
        { "SELECT a, b FROM t", "SELECT a, b FROM t GROUP BY a, b" },
        { "SELECT a, count(*) OVER () FROM t", "SELECT a, count(*) OVER () FROM t GROUP BY a" },
        { "SELECT max(a) FROM t", "SELECT max(a) FROM t GROUP BY a" },
        { "SELECT a FROM t WHERE EXISTS (SELECT 1 FROM u WHERE b = 1)",
                "SELECT a FROM t WHERE EXISTS (SELECT 1 FROM u WHERE u.b = 1)" },
        { "WITH x AS (SELECT a FROM t) SELECT a FROM x", "WITH x AS (SELECT t.a FROM t) SELECT x.a FROM x" },
        { "SELECT name FROM ONLY cities", "SELECT name FROM \"ONLY\" cities" },
        { "SELECT SESSION_USER", "SELECT \"SESSION_USER\"" },
        { "SELECT a FROM t ORDER BY a DESC", "SELECT a FROM t ORDER BY a" },
        { "SELECT a FROM t ORDER BY a, b", "SELECT a FROM t ORDER BY b, a" },
        { "SELECT t.a FROM t LEFT JOIN u ON t.a = u.a", "SELECT t.a FROM t INNER JOIN u ON t.a = u.a" },
        { "SELECT a FROM t", "SELECT DISTINCT a FROM t" },
        { "SELECT t2.*, t1.* FROM a t1, b t2", "SELECT * FROM a t1, b t2" },
        { "SELECT t1.* FROM a t1, b t2", "SELECT * FROM a t1, b t2" },
        { "SELECT t.*, u.* FROM t JOIN u USING (x)", "SELECT * FROM t JOIN u USING (x)" },
    };
    for (const TPair &Pair : Different)
        EXPECT_NE(Compare(Pair.Left, Pair.Right).Path, "") << Pair.Left << "\n" << Pair.Right;
}

TEST(KRPgTree, DifferenceNamesThePathAndTheClause)
{
    const TKRTreeDifference Difference =
            Compare("SELECT a FROM t WHERE a = 1 AND 2 < b", "SELECT a FROM t WHERE a = 1 AND 2 > b");
    EXPECT_EQ(Difference.Path, "SelectStmt.whereClause.BoolExpr.args[1].A_Expr.name[0].String.sval");
    EXPECT_EQ(Difference.Clause, "whereClause");
    EXPECT_EQ(Difference.Left, "\"<\"");
    EXPECT_EQ(Difference.Right, "\">\"");
    EXPECT_EQ(Compare("SELECT a, b FROM t", "SELECT a FROM t").Path,
            "SelectStmt.targetList (2 items against 1)");
    EXPECT_FALSE(ReadPgTree("SELECT FROM WHERE").Parsed);
}

namespace {

//! The reason for a refusal at the "@" of Marked, as the parser would report it there.
std::string ReasonAtMark(const std::string &Marked, int Code = 1)
{
    const std::size_t Mark = Marked.find('@');
    const std::string Text = Marked.substr(0, Mark) + Marked.substr(Mark + 1);
    const std::size_t LineStart =
            Text.rfind("\r\n", Mark) == std::string::npos ? 0 : Text.rfind("\r\n", Mark) + 2;
    const int Line = 1
            + static_cast<int>(
                    std::count(Text.begin(), Text.begin() + static_cast<std::ptrdiff_t>(Mark), '\n'));
    // The parser names a word, or a single character of anything else.
    std::size_t TokenEnd = Mark + 1;
    while (TokenEnd < Text.size()
            && (std::isalnum(static_cast<unsigned char>(Text[TokenEnd])) || Text[TokenEnd] == '_'))
        ++TokenEnd;
    if (!std::isalnum(static_cast<unsigned char>(Text[Mark])))
        TokenEnd = Mark + 1;
    const EKRParserError Error(
            Code, Text.substr(Mark, TokenEnd - Mark), Line, static_cast<int>(Mark - LineStart) + 1);
    return RefusalReason(Text, Error);
}

} // namespace

TEST(KRRefusalReason, NamesTheConstructWhereTheParserStopped)
{
    const std::pair<const char *, const char *> Cases[] = {
        { "SELECT a FROM t UNION @SELECT b FROM u", "UNION/INTERSECT/EXCEPT" },
        { "SELECT a\r\nFROM t\r\nUNION ALL\r\n@SELECT b FROM u", "UNION/INTERSECT/EXCEPT" },
        { "@WITH x AS (SELECT 1) SELECT * FROM x", "WITH (common table expression)" },
        { "SELECT row_number() @OVER (ORDER BY a) FROM t", "window function (OVER)" },
        { "SELECT a FROM t LIMIT @10", "LIMIT/OFFSET/FETCH" },
        { "SELECT a@::int FROM t", "type cast (::)" },
        { "SELECT * FROM @(SELECT a FROM t) x", "subquery in FROM" },
        { "SELECT * FROM t, (@SELECT a FROM u) x", "subquery in FROM" },
        { "SELECT a FROM t WHERE EXISTS (@SELECT 1 FROM u)", "EXISTS (subquery)" },
        { "SELECT a FROM t WHERE b IN (@SELECT c FROM u)", "IN/ANY/ALL (subquery)" },
        { "SELECT (@SELECT max(b) FROM u), a FROM t", "scalar subquery" },
        { "SELECT a FROM t INNER JOIN u @USING (a)", "JOIN ... USING / NATURAL" },
        { "SELECT a FROM t @CROSS JOIN u", "CROSS JOIN" },
        { "SELECT a FROM t @JOIN u ON t.a = u.a", "JOIN without INNER/LEFT/RIGHT" },
        { "SELECT CASE WHEN @a > 1 THEN 1 END FROM t", "CASE expression" },
        { "SELECT a FROM t INNER JOIN u ON (t.a = u.a @AND t.b = u.b)",
                "compound join condition (ON ... AND/OR)" },
        { "SELECT a FROM t INNER JOIN u USING @(a)", "JOIN ... USING / NATURAL" },
        { "SELECT a, count(*) FROM t GROUP BY upper@(a)", "expression in GROUP BY" },
        { "SELECT a FROM t ORDER BY @1", "column number in GROUP BY/ORDER BY" },
        { "SELECT a\r\n@-- a remark\r\nFROM t", "comment inside the statement" },
        { "SELECT t.a FROM t, LATERAL f@(t.a) x", "LATERAL" },
        { "SELECT * FROM t, @(VALUES (1), (2)) v", "VALUES list" },
        { "SELECT * FROM f() AS x@(a int, b text)", "alias with a column list (AS t(a, b))" },
        { "SELECT DISTINCT @ON (a) a, b FROM t", "DISTINCT ON" },
        { "SELECT count(*) @FILTER (WHERE a > 1) FROM t", "aggregate FILTER / WITHIN GROUP" },
        { "SELECT extract(year @FROM d) FROM t",
                "keyword arguments (EXTRACT(x FROM y), TRIM, SUBSTRING, ...)" },
        { "SELECT a FROM t WHERE d > date @'2001-01-01'",
                "typed literal or INTERVAL (DATE '...', INTERVAL 1 DAY)" },
        { "SELECT a FROM t WHERE d > now() - @INTERVAL 1 DAY",
                "typed literal or INTERVAL (DATE '...', INTERVAL 1 DAY)" },
        { "SELECT CAST(a @AS int) FROM t", "CAST(... AS type)" },
        { "SELECT a @< b FROM t", "condition as a value in the select list (a < b, x LIKE y, ...)" },
        { "SELECT a FROM t WHERE b @IS NOT TRUE", "IS predicate (IS TRUE, IS DISTINCT FROM, ...)" },
        { "SELECT a FROM t INNER JOIN u ON a @= u.b", "join condition on an unqualified column" },
        { "SELECT a FROM t WHERE b = @?", "parameter or variable (?, $1, @name)" },
        { "SELECT a FROM t WHERE b = @0x1F", "hexadecimal literal" },
        { "SELECT a@[1] FROM t", "array (ARRAY[...], x[i])" },
        { "SELECT *@, a FROM t", "* followed by more columns" },
        { "SELECT doc-@>'k' FROM t", "operator ->" },
        { "SELECT a FROM t WHERE b @!= 1", "operator !=" },
        { "SELECT @trim(a) FROM t", "call of a function named by a keyword (TRIM(...), LEFT(...))" },
        { "SELECT a FROM t WHERE x = 'it''s' @QUALIFY b", "other: qualify" },
    };
    for (const auto &Case : Cases)
        EXPECT_EQ(ReasonAtMark(Case.first), Case.second) << Case.first;
    EXPECT_EQ(ReasonAtMark("SELECT a FROM @t", 2), "unexpected end of statement");
}

TEST(KRRefusalReason, PlacesOnlyPositionsInsideTheStatement)
{
    const std::string Text = "ab\r\ncd";
    EXPECT_EQ(OffsetOf(Text, 1, 1), 0u);
    EXPECT_EQ(OffsetOf(Text, 2, 3), 6u); // just past the end: where an unfinished statement stops
    EXPECT_EQ(OffsetOf(Text, 2, 4), std::string::npos);
    EXPECT_EQ(OffsetOf(Text, 3, 1), std::string::npos);
    EXPECT_EQ(OffsetOf(Text, 0, 1), std::string::npos);
    EXPECT_EQ(OffsetOf(Text, 1, 0), std::string::npos);
}
