// The fields korvan-widget gives the component for each table: what the statement itself names.
#include "KRStatementFields.h"

#include "dialects/KRDialects.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace korvan;

namespace {

//! "t[a, b] p[x](a, b)": every table by name, its fields, and its input parameters if it has any.
std::string Describe(const TKRStatementFields &Fields)
{
    std::string Result;
    for (const auto &[Name, Table] : Fields.Tables()) {
        Result += (Result.empty() ? "" : " ") + Name + "[";
        for (int I = 0; I < Table.DataSet.FieldCount(); ++I) {
            Result += (I > 0 ? ", " : "") + Table.DataSet.Fields(I).FieldName();
            EXPECT_EQ(Table.DataSet.Fields(I).DataType(), ftUnknown);
        }
        Result += "]";
        const TParams &Params = *Table.Params;
        for (int I = 0; I < Params.Count(); ++I) {
            Result += (I > 0 ? ", " : "(") + Params.Items(I)->Name();
            EXPECT_EQ(Params.Items(I)->ParamType(), ptInput);
        }
        if (Params.Count() > 0)
            Result += ")";
    }
    return Result;
}

struct TFieldsCase
{
    std::string Statement;
    std::string Expected;
    std::string Dialect = "generic";
};

std::string FieldsOf(const TFieldsCase &Case)
{
    const std::unique_ptr<TKRSelectParser> Parser = CreateDialectParser(Case.Dialect);
    Parser->SetExpression(Case.Statement);
    return Describe(TKRStatementFields(*Parser));
}

void Check(const std::vector<TFieldsCase> &Cases)
{
    for (const TFieldsCase &Case : Cases) {
        SCOPED_TRACE(Case.Dialect + ": " + Case.Statement);
        EXPECT_EQ(FieldsOf(Case), Case.Expected);
    }
}

TEST(KRStatementFields, SelectListGivesItsColumnsAndTheColumnsOfItsCalls)
{
    Check({
            { "SELECT a, b AS c, a FROM t", "t[a, b]" },
            { "SELECT x.a FROM t x", "t[a]" },
            // A call's own table's column comes without its qualifier, another table's with it.
            { "SELECT upper(t.b), concat(u.c, t.d) FROM t, u", "t[b, d] u[c]" },
            { "SELECT coalesce(trim(a), b) FROM t", "t[a, b]" },
            { "SELECT \"My Col\", t.\"x\" FROM t", "t[My Col, x]" },
            { "SELECT `a b` FROM t", "t[a b]", "mysql" },
            // Neither a star, nor literal words, nor expressions kept whole are columns.
            { "SELECT *, t.*, COUNT(*), NULL, CURRENT_DATE, CASE WHEN t.a = 1 THEN 2 END, -x FROM t", "t[]" },
            { "SELECT CAST(a AS INTEGER), (SELECT MAX(b) FROM u) AS m FROM t", "t[]" },
    });
}

TEST(KRStatementFields, ColumnsWithoutATableInAStatementOverSeveralTablesBelongToNone)
{
    Check({
            { "SELECT a, t.b, upper(c) FROM t, u", "t[b] u[]" },
            { "SELECT a FROM t JOIN u ON t.a = u.b ORDER BY c, u.d", "t[a] u[b, d]" },
            { "SELECT t.a FROM t, u GROUP BY a, u.e", "t[a] u[e]" },
    });
}

TEST(KRStatementFields, JoinsGiveTheColumnsOfBothSides)
{
    Check({
            { "SELECT t.a FROM t JOIN u ON t.id = u.tid AND t.k = u.k", "t[a, id, k] u[tid, k]" },
            { "SELECT x.a FROM t x LEFT JOIN u y ON y.b = x.c", "t[a, c] u[b]" },
    });
}

// Conditions are kept as text: only alias.column names of the statement's own tables count, in
// subqueries too, and whatever the scanner reads as a string or comment is no name.
TEST(KRStatementFields, ConditionsGiveTheQualifiedNamesOfTheStatementsTables)
{
    Check({
            { "SELECT t.a FROM t, u WHERE t.b = 1 AND (u.c > 2 OR NOT t.d IS NULL)", "t[a, b, d] u[c]" },
            { "SELECT t.a FROM t WHERE b = 1 AND t.e LIKE 'u.f' AND EXISTS (SELECT 1 FROM v WHERE v.g = t.h)",
                    "t[a, e, h]" },
            { "SELECT x.a FROM t x WHERE t.b = 1 AND x.c = 2", "t[a, c]" },
            { "SELECT t.a FROM t WHERE t.\"B c\" = 1 AND upper(t.d) = 'X' AND t.f(1) = 2", "t[a, B c, d]" },
            { "SELECT MAX(t.a) FROM t GROUP BY t.b HAVING SUM(t.c) > 1", "t[a, b, c]" },
            // The same column in another letter case is the column the select list has.
            { "SELECT t.abc FROM t WHERE t.ABC = 1 AND T.z = 2", "t[abc]" },
            { "SELECT t.a FROM t WHERE t.b = `t.c`", "t[a, b]", "mysql" },
    });
}

TEST(KRStatementFields, InterBaseQuotingFollowsTheServersDialect)
{
    const auto FieldsIn = [](int SQLDialect, const std::string &Statement) {
        TKRDialectOptions Options;
        Options.SQLDialect = SQLDialect;
        const std::unique_ptr<TKRSelectParser> Parser = CreateDialectParser("interbase", Options);
        Parser->SetExpression(Statement);
        return Describe(TKRStatementFields(*Parser));
    };
    EXPECT_EQ(FieldsIn(3, "SELECT T.A FROM T WHERE T.\"b\" = 1"), "T[A, b]");
    // In dialect 1 double quotes enclose a string: T."b" is no name there.
    EXPECT_EQ(FieldsIn(1, "SELECT T.A FROM T WHERE T.B = \"T.C\""), "T[A, B]");
}

TEST(KRStatementFields, GroupByAndOrderByNamesButNotPositionsExpressionsOrOutputAliases)
{
    Check({
            { "SELECT a FROM t GROUP BY a, b, 1, upper(c) ORDER BY d DESC, 2, lower(e)", "t[a, b, d]" },
            { "SELECT a AS x, SUM(b) AS total FROM t GROUP BY x ORDER BY total, a", "t[a, b]" },
            { "SELECT y.a FROM t y ORDER BY y.f", "t[a, f]" },
            { "SELECT a FROM t ORDER BY NULL", "t[a]" },
    });
}

TEST(KRStatementFields, ATableNamedTwiceGetsTheColumnsOfBoth)
{
    Check({
            { "SELECT x.a, y.b FROM t x JOIN t y ON x.parent = y.id WHERE y.c = 1",
                    "t[a, b, parent, id, c]" },
            { "SELECT x.a, y.a FROM t x, t y", "t[a]" },
    });
}

TEST(KRStatementFields, StoredProcedureArgumentsThatAreNamesBecomeInputParameters)
{
    Check({
            { "SELECT x FROM p(a, 1, :b, 'c') WHERE p.y = 1", "p[x, y](a, b)" },
            { "SELECT q.x FROM p(a, a) q", "p[x](a)" },
            { "SELECT x FROM p()", "p[x]" },
            { "SELECT p.x, t.y FROM p(:n) JOIN t ON p.k = t.k", "p[x, k](n) t[y, k]" },
    });
}

TEST(KRStatementFields, EveryTableOfTheFromListIsThereAndNoOther)
{
    const std::unique_ptr<TKRSelectParser> Parser = CreateDialectParser("generic");
    Parser->SetExpression("SELECT * FROM t, u WHERE v.a = 1");
    TKRStatementFields Fields(*Parser);
    EXPECT_EQ(Describe(Fields), "t[] u[]");
    ASSERT_NE(Fields.Find("t"), nullptr);
    EXPECT_EQ(Fields.Find("v"), nullptr);
    EXPECT_EQ(Fields.Find("T"), nullptr);
}

} // namespace
