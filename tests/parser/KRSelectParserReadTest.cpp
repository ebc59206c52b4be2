// Reading statements into the model: what each clause makes of the text.
#include "KRTestSupport.h"
#include "framework/KRText.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace korvan;
using namespace korvan::test;

namespace {

std::unique_ptr<TKRSelectParser> Parse(const std::string &Sql, bool QuoteIdentifiers = false)
{
    auto P = NewParser(QuoteIdentifiers);
    P->SetExpression(Sql);
    return P;
}

//! The names of a table's fields in list order.
std::string FieldNames(const TKRTableDef &Table)
{
    std::string Names;
    for (int I = 0; I < Table.FieldDefs()->Count(); ++I)
        Names += (I > 0 ? "," : "") + Table.FieldDefs()->Items(I)->Name();
    return Names;
}

std::string TableNames(const TKRSelectParser &P)
{
    std::string Names;
    for (int I = 0; I < P.TableDefs()->Count(); ++I)
        Names +=
                (I > 0 ? "," : "") + P.TableDefs()->Items(I)->Name() + "/" + P.TableDefs()->Items(I)->Alias();
    return Names;
}

//! A criteria tree in a compact form: All[a = 1, Any[b = 2, c = 3]].
std::string Tree(const TKRCriterions &List)
{
    static const char *const Filters[] = { "All", "Any", "None", "NotAll" };
    std::string Text = std::string(Filters[List.Filter()]) + "[";
    for (int I = 0; I < List.Count(); ++I) {
        const TKRCriterion &C = *List.Items(I);
        Text += I > 0 ? ", " : "";
        if (C.SubItems()->Count() > 0) {
            Text += Tree(*C.SubItems());
            continue;
        }
        Text += C.LeftSide()->Name() + " " + C.Operator();
        for (int R = 0; R < C.RightSide()->Count(); ++R)
            Text += " " + C.RightSide()->Items(R)->GetScript();
    }
    return Text + "]";
}

} // namespace

TEST(KRSelectParserRead, StarMakesOneTableWithOneUnnamedField)
{
    auto P = Parse("SELECT *");
    ASSERT_EQ(P->TableDefs()->Count(), 1);
    const TKRFieldDefs &Fields = *P->TableDefs()->Items(0)->FieldDefs();
    ASSERT_EQ(Fields.Count(), 1);
    EXPECT_TRUE(Fields.Items(0)->IsStar());
    EXPECT_EQ(P->State(), ssEnd);
}

TEST(KRSelectParserRead, CallsKeepTheirArgumentsAsNodes)
{
    auto P = Parse("SELECT SUBSTRING(a, 1, 2), COUNT(*), UPPER(b) FROM t");
    const TKRFieldDefs &Fields = *P->TableDefs()->Items(0)->FieldDefs();
    ASSERT_EQ(Fields.Count(), 3);
    const TKRFieldDef &Sub = *Fields.Items(0);
    EXPECT_EQ(Sub.Kind(), fkFunction);
    ASSERT_EQ(Sub.Arguments()->Count(), 3);
    EXPECT_EQ(Sub.Arguments()->Items(0)->Name(), "a");
    EXPECT_EQ(Sub.Arguments()->Items(0)->Kind(), fkIdentifier);
    EXPECT_EQ(Sub.Arguments()->Items(2)->Kind(), fkInteger);
    // COUNT(*) keeps its argument, written back as *.
    ASSERT_EQ(Fields.Items(1)->Arguments()->Count(), 1);
    EXPECT_EQ(Fields.Items(1)->Arguments()->Items(0)->Name(), "*");
    // A call is a function whatever the kind of its name's word.
    EXPECT_EQ(Fields.Items(2)->Kind(), fkFunction);
    EXPECT_EQ(Fields.Items(2)->Name(), "UPPER");
    EXPECT_EQ(Fields.Items(0)->Alias(), "FIELD_1");
    EXPECT_EQ(Fields.Items(1)->Alias(), "FIELD_2");
    EXPECT_EQ(Fields.Items(2)->Alias(), "FIELD_3");
}

TEST(KRSelectParserRead, ArithmeticMakesOneExpressionNode)
{
    auto P = Parse("SELECT a + 1, t.c * 2 AS d FROM t", true);
    ASSERT_EQ(P->TableDefs()->GetFieldCount(), 2);
    const TKRFieldDef &Sum = *P->TableDefs()->FieldDefs(0);
    EXPECT_EQ(Sum.Name(), "\"a\" + 1");
    EXPECT_EQ(Sum.Kind(), fkExpression);
    EXPECT_EQ(Sum.Alias(), "FIELD_1");
    EXPECT_EQ(P->TableDefs()->FieldDefs(1)->Name(), "\"t\".\"c\" * 2");
    EXPECT_EQ(P->TableDefs()->FieldDefs(1)->Alias(), "d");
    EXPECT_THROW(Parse("SELECT a + FROM t"), EKRParserError);
}

// Over several tables nothing tells which one has a column read without a qualifier: it is one
// column of the first table's definition, written as read; a * read without one is every table's,
// in FROM order, at its place.
TEST(KRSelectParserRead, UnqualifiedFieldsOverSeveralTablesStayAsRead)
{
    auto P = Parse("SELECT a, b FROM t1, t2");
    ASSERT_EQ(P->TableDefs()->Count(), 2);
    EXPECT_EQ(FieldNames(*P->TableDefs()->Items(0)), "a,b");
    EXPECT_EQ(FieldNames(*P->TableDefs()->Items(1)), "");
    EXPECT_EQ(P->GetExpression(), "SELECT \r\n  a,\r\n  b\r\nFROM\r\n  t1,\r\n  t2\r\n");
    P = Parse("SELECT upper(x), y, COUNT(*) FROM a INNER JOIN b ON a.id = b.id GROUP BY upper(x), y");
    EXPECT_EQ(P->GetExpression(),
            "SELECT \r\n  upper(x) AS FIELD_1,\r\n  y,\r\n  COUNT(*) AS FIELD_2\r\nFROM\r\n  a \r\n"
            "  INNER JOIN b ON (a.id = b.id)\r\nGROUP BY\r\n  y,\r\n  upper(x)\r\n");
    P = Parse("SELECT y.c, a, * FROM a x, b y");
    EXPECT_EQ(FieldNames(*P->TableDefs()->Items(0)), "a,");
    EXPECT_EQ(P->GetExpression(),
            "SELECT \r\n  y.c,\r\n  a,\r\n  x.*,\r\n  y.*\r\nFROM\r\n  a x,\r\n  b y\r\n");
    // b.*, a.* is not a.*, b.*: only every table's * in FROM order is written as *.
    P = Parse("SELECT b.*, a.* FROM a JOIN b ON a.id = b.id");
    EXPECT_EQ(P->GetExpression(),
            "SELECT \r\n  b.*,\r\n  a.*\r\nFROM\r\n  a \r\n  INNER JOIN b ON (a.id = b.id)\r\n");
    P = Parse("SELECT * FROM a, b");
    EXPECT_EQ(P->GetExpression(), "SELECT *\r\nFROM\r\n  a,\r\n  b\r\n");
}

TEST(KRSelectParserRead, FromEntriesTakeOverTheDefinitionsTheSelectListMade)
{
    auto P = Parse("SELECT x.a FROM orders x");
    EXPECT_EQ(TableNames(*P), "orders/x");
    P = Parse("SELECT a FROM t");
    EXPECT_EQ(TableNames(*P), "t/t");
    EXPECT_EQ(FieldNames(*P->TableDefs()->Items(0)), "a");
    // The definitions follow the FROM list, whatever order the SELECT list made them in.
    P = Parse("SELECT b.x, a.y FROM a, b");
    EXPECT_EQ(TableNames(*P), "a/a,b/b");
    EXPECT_EQ(P->GetExpression(), "SELECT \r\n  b.x,\r\n  a.y\r\nFROM\r\n  a,\r\n  b\r\n");
    // No FROM entry is left without its own definition, none is left unnamed.
    P = Parse("SELECT x.c FROM a x, b");
    EXPECT_EQ(TableNames(*P), "a/x,b/b");
    EXPECT_EQ(FieldNames(*P->TableDefs()->Items(1)), "");
    P = Parse("SELECT a, t.b FROM t");
    EXPECT_EQ(TableNames(*P), "t/t");
    EXPECT_EQ(P->GetExpression(), "SELECT \r\n  t.a,\r\n  t.b\r\nFROM\r\n  t\r\n");
}

TEST(KRSelectParserRead, StoredProceduresKeepTheirArguments)
{
    auto P = Parse("SELECT s.x FROM proc(:p, 10, 'a', f(y)) s");
    ASSERT_EQ(P->TableDefs()->Count(), 1);
    const TKRTableDef &Proc = *P->TableDefs()->Items(0);
    EXPECT_EQ(Proc.TableType(), qttStoredProc);
    EXPECT_EQ(Proc.Alias(), "s");
    EXPECT_EQ(FieldNames(Proc), "x,p,10,a,f");
    EXPECT_EQ(Proc.FieldDefs()->Items(1)->ParamType(), ptInput);
    EXPECT_EQ(Proc.GetEntryScript(), "  proc(:p, 10, 'a', f(y)) s");
}

TEST(KRSelectParserRead, JoinsReadTheSameWrittenEitherWayRound)
{
    for (const char *On : { "ON (c.id = o.cust_id)", "ON o.cust_id = c.id" }) {
        SCOPED_TRACE(On);
        auto P = Parse(std::string("SELECT c.id FROM customers c LEFT OUTER JOIN orders o ") + On);
        ASSERT_EQ(P->TableDefs()->Count(), 2);
        const TKRJoinDefs &Joins = *P->TableDefs()->Items(0)->JoinDefs();
        ASSERT_EQ(Joins.Count(), 1);
        EXPECT_EQ(Joins.Items(0)->FieldName(), "id");
        EXPECT_EQ(Joins.Items(0)->JoinTable(), "o");
        EXPECT_EQ(Joins.Items(0)->JoinFieldName(), "cust_id");
        EXPECT_EQ(Joins.Items(0)->JoinKind(), krjLOuterJoin);
    }
    auto P = Parse("SELECT t.a FROM t RIGHT JOIN u ON u.b <= t.a, v");
    EXPECT_EQ(P->TableDefs()->Items(0)->JoinDefs()->Items(0)->GetScript(),
            "RIGHT OUTER JOIN u ON (t.a >= u.b)");
    EXPECT_EQ(TableNames(*P), "t/t,u/u,v/v");
}

TEST(KRSelectParserRead, OrderByKeepsDirectionsAndDropsRepeats)
{
    auto P = Parse("SELECT a FROM t ORDER BY a DESC, b, t.c ASC, A");
    EXPECT_EQ(P->OrderByItems()->CommaText(), "a,b,t.c");
    EXPECT_EQ(P->OrderByItems()->Orders(0), okDesc);
    EXPECT_EQ(P->OrderByItems()->Orders(1), okAsc);
    EXPECT_EQ(P->OrderByItems()->Orders(2), okAsc);
}

TEST(KRSelectParserRead, ConditionsJoinedByOneConnective)
{
    EXPECT_EQ(Tree(*Parse("SELECT a FROM t WHERE a = 1 AND b = 2")->WhereItems()), "All[a = 1, b = 2]");
    EXPECT_EQ(Tree(*Parse("SELECT a FROM t WHERE a = 1 OR b = 2")->WhereItems()), "Any[a = 1, b = 2]");
    EXPECT_EQ(Tree(*Parse("SELECT a FROM t WHERE a BETWEEN 1 AND 5")->WhereItems()), "All[a BETWEEN 1 5]");
    EXPECT_EQ(Tree(*Parse("SELECT a FROM t WHERE a IS NULL")->WhereItems()), "All[a IS NULL]");
    EXPECT_EQ(Tree(*Parse("SELECT a FROM t WHERE a<>1")->WhereItems()), "All[a <> 1]");
    EXPECT_EQ(Tree(*Parse("SELECT a FROM t WHERE a IN (1)")->WhereItems()), "All[a IN (1)]");
    EXPECT_EQ(Tree(*Parse("SELECT a FROM t WHERE a IN (1, 2, 3)")->WhereItems()), "All[a IN (1, 2, 3)]");
    EXPECT_EQ(Tree(*Parse("SELECT a FROM t WHERE a NOT LIKE 'x%' AND b IS NOT NULL")->WhereItems()),
            "All[a NOT LIKE 'x%', b IS NOT NULL]");
    EXPECT_EQ(Tree(*Parse("SELECT a FROM t WHERE a NOT BETWEEN 1 AND 2 OR b NOT IN (3)")->WhereItems()),
            "Any[a NOT BETWEEN 1 2, b NOT IN (3)]");
}

TEST(KRSelectParserRead, AndBindsTighterThanOr)
{
    const std::pair<const char *, const char *> Cases[] = {
        { "a = 1 AND b = 2 OR c = 3", "Any[All[a = 1, b = 2], c = 3]" },
        { "a = 1 OR b = 2 AND c = 3 AND d = 4 OR e = 5", "Any[a = 1, All[b = 2, c = 3, d = 4], e = 5]" },
        { "(x = 1) AND (y = 2 OR z = 3)", "All[x = 1, Any[y = 2, z = 3]]" },
        { "((A IS NULL) OR (B = 1)) AND (C = 2)", "All[Any[A IS NULL, B = 1], C = 2]" },
        { "(a < 1) AND (b >= 2)", "All[a < 1, b >= 2]" },
        { "(A IN (1))", "All[A IN (1)]" },
        { "((a = 1))", "All[All[a = 1]]" },
        { "((a = 1 AND b = 2))", "All[All[All[a = 1, b = 2]]]" },
    };
    for (const auto &[Where, Expected] : Cases) {
        SCOPED_TRACE(Where);
        EXPECT_EQ(Tree(*Parse(std::string("SELECT a FROM t WHERE ") + Where)->WhereItems()), Expected);
    }
}

TEST(KRSelectParserRead, NotNegatesOnlyWhatFollowsIt)
{
    const std::pair<const char *, const char *> Cases[] = {
        { "NOT a = 1", "None[a = 1]" },
        { "NOT (a = 1)", "None[a = 1]" },
        { "NOT ((a = 1) AND (b = 2))", "None[a = 1, b = 2]" },
        { "NOT ((a = 1) OR (b = 2))", "NotAll[a = 1, b = 2]" },
        { "NOT a = 1 AND b = 2", "All[None[a = 1], b = 2]" },
        { "a = 1 AND NOT b = 2", "All[a = 1, None[b = 2]]" },
        { "a = 1 OR NOT (b = 2 OR c = 3)", "Any[a = 1, NotAll[b = 2, c = 3]]" },
        { "NOT NOT a = 1", "All[a = 1]" },
    };
    for (const auto &[Where, Expected] : Cases) {
        SCOPED_TRACE(Where);
        auto P = Parse(std::string("SELECT a FROM t WHERE ") + Where);
        EXPECT_EQ(Tree(*P->WhereItems()), Expected);
        // What is written reads back into the same tree.
        auto Q = Parse(P->GetExpression());
        EXPECT_EQ(Tree(*Q->WhereItems()), Expected);
    }
    EXPECT_EQ(Parse("SELECT a FROM t WHERE a = 1 AND NOT b = 2")->GetExpression(),
            "SELECT \r\n  t.a\r\nFROM\r\n  t\r\nWHERE\r\n  (a = 1) AND \r\n  (NOT ((b = 2)))\r\n");
}

TEST(KRSelectParserRead, ConditionNamesKeepTheirQualifiersAndAddNoTables)
{
    auto P = Parse("SELECT a FROM t WHERE x.b = 1 AND \"a.b\".c = 2 AND SUM(A, B) > 0", true);
    EXPECT_EQ(P->TableDefs()->Count(), 1);
    EXPECT_EQ(P->WhereItems()->Items(0)->LeftSide()->Name(), "\"x\".\"b\"");
    EXPECT_EQ(P->WhereItems()->Items(1)->LeftSide()->Name(), "\"a.b\".\"c\"");
    EXPECT_EQ(P->WhereItems()->Items(2)->LeftSide()->Arguments()->Count(), 2);
}

TEST(KRSelectParserRead, QuotedTextIsUnescapedInTheModelAndEscapedOnceInTheText)
{
    auto P = Parse("SELECT \"it\"\"s\" AS \"a b\" FROM t WHERE c = 'It''s' AND d = '''q'''", true);
    const TKRFieldDef &Field = *P->TableDefs()->Items(0)->FieldDefs()->Items(0);
    EXPECT_EQ(Field.Name(), "it\"s");
    EXPECT_EQ(Field.Alias(), "a b");
    EXPECT_EQ(P->WhereItems()->Items(0)->RightSide()->Items(0)->Name(), "It's");
    const std::string Sql = P->GetExpression();
    EXPECT_NE(Sql.find("\"t\".\"it\"\"s\" AS \"a b\""), std::string::npos);
    EXPECT_NE(Sql.find("(\"c\" = 'It''s')"), std::string::npos);
    EXPECT_NE(Sql.find("(\"d\" = '''q''')"), std::string::npos);
    EXPECT_EQ(Parse(Sql, true)->GetExpression(), Sql);
}

TEST(KRSelectParserRead, HavingIsReadAndWrittenWithItsGroupBy)
{
    auto P = Parse("SELECT a, SUM(b) FROM t GROUP BY a HAVING SUM(b) > 10 ORDER BY a");
    EXPECT_EQ(P->GetExpression(),
            "SELECT \r\n  t.a,\r\n  SUM(t.b) AS FIELD_1\r\nFROM\r\n  t\r\nGROUP BY\r\n  t.a\r\n"
            "HAVING\r\n  (SUM(b) > 10)\r\nORDER BY\r\n  a\r\n");
}

// A statement that fails to read changes nothing: the last statement stays, in the very same
// objects and lists, in every dialect and whatever clause the error is in, whether it is raised or
// handed to OnParserError (which sees the last statement already back in place).
TEST(KRSelectParserRead, AFailedReadLeavesTheLastStatement)
{
    struct TDialect
    {
        const char *Name;
        const char *Good;
        std::vector<std::string> Broken;
    };
    const TDialect Dialects[] = {
        { "generic",
                "SELECT DISTINCT o.a, SUM(o.b) FROM orders o INNER JOIN items i ON o.id = i.oid WHERE o.a > "
                "1 "
                "GROUP BY o.a, 2 HAVING SUM(o.b) > 10 ORDER BY o.a DESC",
                {} },
        { "interbase", "SELECT a FROM t ORDER BY a ROWS 1 TO 10 BY 2 PERCENT", { "SELECT a FROM t ROWS x" } },
        { "firebird", "SELECT FIRST 5 SKIP 2 a FROM t ORDER BY a ROWS 1 TO 3",
                { "SELECT FIRST x a FROM t", "SELECT a FROM t ROWS 1 BY 2" } },
        { "mysql", "SELECT STRAIGHT_JOIN DISTINCTROW a FROM t LIMIT 5, 10",
                { "SELECT SQL_BIG_RESULT SQL_BIG_RESULT a FROM t", "SELECT a FROM t LIMIT x" } },
    };
    // A fault in every clause, an unterminated string and comment, and nesting past the limit.
    const std::vector<std::string> Everywhere = { "SELECT a, FROM t", "SELECT a FROM t u v",
        "SELECT a FROM t JOIN u ON t.a = u.b OR t.c = u.d",
        "SELECT a FROM t WHERE a =", "SELECT a FROM t GROUP BY a b", "SELECT a FROM t HAVING",
        "SELECT a FROM t ORDER BY a,", "SELECT a FROM t WHERE a = 'x", "SELECT a /* x",
        "SELECT f" + std::string(300, '(') };
    for (const TDialect &D : Dialects) {
        SCOPED_TRACE(D.Name);
        auto P = CreateDialectParser(D.Name);
        P->SetExpression(D.Good);
        const std::string Expected = P->GetExpression();
        TKRTableDefs *const Tables = P->TableDefs();
        const TKRTableDef *const First = Tables->Items(0);
        std::vector<std::string> Broken = Everywhere;
        Broken.insert(Broken.end(), D.Broken.begin(), D.Broken.end());
        for (const std::string &Sql : Broken) {
            SCOPED_TRACE(Sql);
            EXPECT_THROW(P->SetExpression(Sql), EKRParserError);
            EXPECT_EQ(P->GetExpression(), Expected);
            EXPECT_EQ(P->TableDefs(), Tables);
            EXPECT_EQ(Tables->Items(0), First);
        }
        int Reported = 0;
        P->SetOnParserError([&](TPersistent *, const std::string &, const std::string &, int, int) {
            ++Reported;
            EXPECT_EQ(P->GetExpression(), Expected);
        });
        P->SetExpression("SELECT a FROM t WHERE a = = 1");
        EXPECT_EQ(Reported, 1);
        EXPECT_EQ(P->GetExpression(), Expected);
        // The next good statement replaces the last one, in the same lists.
        P->SetExpression("SELECT b FROM u");
        EXPECT_EQ(P->TableDefs(), Tables);
        EXPECT_EQ(Tables->Count(), 1);
        EXPECT_EQ(AnsiUpperCase(Tables->Items(0)->Name()), "U");
    }
    // An empty or blank text empties the model and raises nothing.
    auto P = NewParser();
    P->SetExpression("SELECT a FROM t WHERE a = 1");
    P->SetExpression("  \r\n ");
    EXPECT_EQ(P->TableDefs()->Count(), 0);
    EXPECT_EQ(P->WhereItems()->Count(), 0);
    EXPECT_EQ(P->GetExpression(), "");
}

TEST(KRSelectParserRead, ErrorsGoToTheHandlerWhenThereIsOne)
{
    auto P = NewParser();
    std::vector<std::string> Seen;
    P->SetOnParserError([&Seen, &P](TPersistent *Sender, const std::string &Message, const std::string &Token,
                                int Line, int Pos) {
        EXPECT_EQ(Sender, P.get());
        Seen.push_back(Message + "|" + Token + "|" + std::to_string(Line) + "|" + std::to_string(Pos));
    });
    EXPECT_NO_THROW(P->SetExpression("SELECT a FROM t\r\nWHERE a = = 1"));
    EXPECT_NO_THROW(P->SetExpression("SELECT"));
    EXPECT_EQ(Seen,
            (std::vector<std::string>{ "Invalid token '=' at position 11 of line 2.|=|2|11",
                    "Unexpected end of statement.||1|7" }));
    // An unterminated string is raised all the same.
    EXPECT_THROW(P->SetExpression("SELECT a FROM t WHERE b = 'x"), EKRParserError);
}

TEST(KRSelectParserRead, RefusesWhatCouldNotBeWrittenBack)
{
    // Each would come back as text that means something else or does not read at all.
    const std::pair<const char *, const char *> Cases[] = {
        { "SELECT a FROM t, t", "Invalid token 't' at position 18 of line 1." },
        { "SELECT t.b, o.b FROM t, o t", "Invalid token 'o' at position 25 of line 1." },
        { "SELECT a FROM t WHERE a = *", "Invalid token '*' at position 27 of line 1." },
        { "SELECT a FROM t WHERE a IN (t.*)", "Invalid token '*' at position 31 of line 1." },
        { "SELECT * FROM p(*)", "Invalid token '*' at position 17 of line 1." },
        { "SELECT a FROM t WHERE a = 1 AND", "Unexpected end of statement." },
        { "SELECT a FROM t WHERE", "Unexpected end of statement." },
        { "SELECT a, FROM t", "Invalid token 'FROM' at position 11 of line 1." },
        { "SELECT a FROM t,", "Unexpected end of statement." },
        { "SELECT a FROM p(1", "Unexpected end of statement." },
    };
    for (const auto &[Sql, Message] : Cases) {
        SCOPED_TRACE(Sql);
        try {
            Parse(Sql);
            ADD_FAILURE() << "read without an error";
        } catch (const EKRParserError &E) {
            EXPECT_EQ(E.Message(), Message);
        }
    }
    // A statement without FROM keeps its later clauses, and the text reads back.
    auto P = Parse("SELECT a, COUNT(*) WHERE a > 1");
    EXPECT_EQ(P->GetExpression(),
            "SELECT \r\n  a,\r\n  COUNT(*) AS FIELD_1\r\nWHERE\r\n  (a > 1)\r\nGROUP BY\r\n  a\r\n");
    EXPECT_EQ(Parse(P->GetExpression())->GetExpression(), P->GetExpression());
}

TEST(KRSelectParserRead, ComputedColumnsWithoutAQualifierGoToTheFirstTable)
{
    auto P = Parse("SELECT t.a, u.b, 1, UPPER(c) FROM u, t");
    EXPECT_EQ(FieldNames(*P->TableDefs()->Items(0)), "b,1,UPPER");
    EXPECT_EQ(P->GetExpression(),
            "SELECT \r\n  t.a,\r\n  u.b,\r\n  1 AS FIELD_1,\r\n  UPPER(c) AS FIELD_2\r\n"
            "FROM\r\n  u,\r\n  t\r\n");
}
