#include "KRTestSupport.h"

#include <gtest/gtest.h>
#include <string>

using namespace korvan;
using namespace korvan::builder;

namespace {

class TKRBacktickScanner : public TKRSQLScanner
{
public:
    std::string GetCommaFunctions() const override { return "SUM,MIN,MAX,AVG,COUNT,LIST"; }
    char GetIdentQuote() const override { return '`'; }
    bool IsIdentQuote(char C) const override { return C == '`'; }
};

class TKRBacktickParser : public TKRSelectParser
{
public:
    using TKRSelectParser::TKRSelectParser;
    std::unique_ptr<TKRSQLScanner> CreateScanner() override { return Construct<TKRBacktickScanner>(); }
    std::string GetCommaAggregates() const override { return "SUM,LIST"; }
};

//! orders o with a, SUM(b) AS s; WHERE any of a = 1, a = 2; HAVING SUM(b) > 10; ORDER BY o.a DESC.
void BuildSample(TKRSelectParser &P)
{
    TKRTableDef &T = AddTable(P, "orders", "o");
    AddColumn(T, "a");
    AddCall(T, "SUM", "b", "s");
    P.WhereItems()->SetFilter(cfAny);
    AddCondition(*P.WhereItems(), "a", "=", { "1" });
    AddCondition(*P.WhereItems(), "a", "=", { "2" });
    MakeCall(*AddCondition(*P.HavingItems(), "", ">", { "10" }).LeftSide(), "SUM", "b");
    P.OrderByItems()->AddOrdered("o.a", okDesc);
}

const char *const SampleText = "SELECT \r\n  o.a,\r\n  SUM(o.b) AS s\r\nFROM\r\n  orders o\r\n"
                               "WHERE\r\n  (a = 1) OR \r\n  (a = 2)\r\nGROUP BY\r\n  o.a\r\n"
                               "HAVING\r\n  (SUM(b) > 10)\r\nORDER BY\r\n  o.a DESC\r\n";

} // namespace

TEST(KRSelectParser, StartsWithDefaultsAndAnEmptyModelBoundToItself)
{
    auto P = Construct<TKRSelectParser>();
    EXPECT_EQ(P->Aggregates().CommaText(), "AVG,COUNT,MAX,MIN,SUM");
    EXPECT_EQ(P->GetCommaAggregates(), "SUM,MIN,MAX,AVG,COUNT");
    EXPECT_EQ(P->Operators()->Count(), 14);
    EXPECT_TRUE(P->Scanner()->QuoteIdentifiers());
    EXPECT_EQ(P->ScriptFormat()->KeywordsFormat(), qfmAsIs);
    EXPECT_EQ(P->ScriptFormat()->FunctionsFormat(), qfmAsIs);
    EXPECT_FALSE(P->Distinct());

    EXPECT_EQ(P->TableDefs()->Count(), 0);
    EXPECT_EQ(P->WhereItems()->Count(), 0);
    EXPECT_EQ(P->HavingItems()->Count(), 0);
    EXPECT_EQ(P->GroupByItems()->Count(), 0);
    EXPECT_EQ(P->OrderByItems()->Count(), 0);
    EXPECT_EQ(P->GetExpression(), "");

    EXPECT_EQ(P->TableDefs()->Parser(), P.get());
    EXPECT_EQ(P->WhereItems()->Parser(), P.get());
    EXPECT_EQ(P->WhereItems()->Owner(), P.get());
    EXPECT_EQ(P->HavingItems()->Parser(), P.get());
    EXPECT_EQ(P->HavingItems()->Owner(), P.get());
    EXPECT_EQ(P->GroupByItems()->Parser(), P.get());
    EXPECT_EQ(P->OrderByItems()->Parser(), P.get());
}

TEST(KRSelectParser, DialectFactoriesAreUsedWhenBuiltWithConstruct)
{
    auto P = Construct<TKRBacktickParser>();
    ASSERT_NE(dynamic_cast<TKRBacktickScanner *>(P->Scanner()), nullptr);
    EXPECT_EQ(P->Scanner()->Functions().CommaText(), "AVG,COUNT,LIST,MAX,MIN,SUM");
    EXPECT_EQ(P->Aggregates().CommaText(), "LIST,SUM");

    TKRTableDef &T = AddTable(*P, "t");
    AddColumn(T, "a");
    AddCall(T, "LIST", "b", "l");
    EXPECT_EQ(P->GetExpression(),
            "SELECT \r\n  `t`.`a`,\r\n  LIST(`t`.`b`) AS l\r\nFROM\r\n  `t`\r\nGROUP BY\r\n  `t`.`a`\r\n");
}

TEST(KRSelectParser, SetAggregatesUpperCasesAndSortsACopy)
{
    auto P = Construct<TKRSelectParser>();
    TStringList Names;
    Names.SetCommaText("sum,median,Count");
    P->SetAggregates(Names);
    Names.Clear();
    EXPECT_EQ(P->Aggregates().CommaText(), "COUNT,MEDIAN,SUM");
    int Index = -1;
    EXPECT_TRUE(P->Aggregates().Find("median", Index));
    EXPECT_EQ(Index, 1);

    P->SetAggregates(P->Aggregates());
    EXPECT_EQ(P->Aggregates().CommaText(), "COUNT,MEDIAN,SUM");
}

TEST(KRSelectParser, KeywordAndFunctionCaseFollowTheirOwnFormat)
{
    struct Case
    {
        TKRFormatMode Mode;
        const char *Text;
        const char *Expected;
    };
    const Case Cases[] = {
        { qfmAsIs, "Left Outer", "Left Outer" },
        { qfmUpperCase, "left outer", "LEFT OUTER" },
        { qfmUpperCase,
                "gr\xC3\xB6\xC3\x9F"
                "e",
                "GR\xC3\xB6\xC3\x9F"
                "E" },
        { qfmLowerCase, "LEFT OUTER", "left outer" },
        { qfmLowerCase, " AND ", " and " },
        { qfmFirstUpper, "FIND_IN_SET", "Find_In_Set" },
        { qfmFirstUpper, "find_in_set", "Find_In_Set" },
        { qfmFirstUpper, "x", "X" },
        { qfmFirstUpper, "LEFT OUTER", "Left outer" },
        { qfmFirstUpper, " AND ", " and " },
        { qfmFirstUpper, "a__b", "A__B" },
        { qfmAsIs, "", "" },
        { qfmUpperCase, "", "" },
        { qfmLowerCase, "", "" },
        { qfmFirstUpper, "", "" },
    };
    auto P = Construct<TKRSelectParser>();
    TKRScriptFormat &Format = *P->ScriptFormat();
    for (const Case &C : Cases) {
        SCOPED_TRACE(testing::Message() << "mode " << int(C.Mode) << ": " << C.Text);
        Format.SetKeywordsFormat(C.Mode);
        Format.SetFunctionsFormat(qfmAsIs);
        EXPECT_EQ(P->ProcessKeyword(C.Text), C.Expected);
        EXPECT_EQ(P->ProcessFunction(C.Text), C.Text);
        Format.SetKeywordsFormat(qfmAsIs);
        Format.SetFunctionsFormat(C.Mode);
        EXPECT_EQ(P->ProcessFunction(C.Text), C.Expected);
        EXPECT_EQ(P->ProcessKeyword(C.Text), C.Text);
    }
}

TEST(KRSelectParser, JoinWordsAreRecognisedInAnyCase)
{
    auto P = Construct<TKRSelectParser>();
    for (const char *Word : { "INNER", "inner", "Left", "RIGHT", "fUlL" })
        EXPECT_TRUE(P->IsJoinDef(Word)) << Word;
    for (const char *Word : { "JOIN", "OUTER", "CROSS", "LEFTX", "" })
        EXPECT_FALSE(P->IsJoinDef(Word)) << Word;
}

TEST(KRSelectParser, DistinctFollowsSelect)
{
    auto P = NewParser();
    AddColumn(AddTable(*P, "t"), "a");
    P->SetDistinct(true);
    EXPECT_EQ(P->GetExpression(), "SELECT DISTINCT \r\n  t.a\r\nFROM\r\n  t\r\n");
    P->ScriptFormat()->SetKeywordsFormat(qfmLowerCase);
    EXPECT_EQ(P->GetExpression(), "select distinct \r\n  t.a\r\nfrom\r\n  t\r\n");
    P->SetDistinct(false);
    EXPECT_EQ(P->GetExpression(), "select \r\n  t.a\r\nfrom\r\n  t\r\n");
}

TEST(KRSelectParser, WritesNothingWithoutTables)
{
    auto P = NewParser();
    P->SetDistinct(true);
    AddCondition(*P->WhereItems(), "a", "=", { "1" });
    P->OrderByItems()->Add("a");
    EXPECT_EQ(P->GetExpression(), "");
}

TEST(KRSelectParser, WritesTheWholeStatementInClauseOrder)
{
    auto P = NewParser();
    BuildSample(*P);
    EXPECT_EQ(P->GetExpression(), SampleText);
}

TEST(KRSelectParser, ClearEmptiesTheModelAndResetsTheFilters)
{
    auto P = NewParser();
    BuildSample(*P);
    P->HavingItems()->SetFilter(cfNone);
    P->Scanner()->SetExpression("SELECT a FROM t");
    P->Clear();

    EXPECT_EQ(P->TableDefs()->Count(), 0);
    EXPECT_EQ(P->WhereItems()->Count(), 0);
    EXPECT_EQ(P->HavingItems()->Count(), 0);
    EXPECT_EQ(P->GroupByItems()->Count(), 0);
    EXPECT_EQ(P->OrderByItems()->Count(), 0);
    EXPECT_EQ(P->WhereItems()->Filter(), cfAll);
    EXPECT_EQ(P->HavingItems()->Filter(), cfAll);
    EXPECT_EQ(P->Scanner()->Expression(), "");
    EXPECT_EQ(P->GetExpression(), "");

    // The next statement must not inherit the old OR.
    AddColumn(AddTable(*P, "t"), "a");
    AddCondition(*P->WhereItems(), "a", "=", { "1" });
    AddCondition(*P->WhereItems(), "b", "=", { "2" });
    EXPECT_EQ(P->GetExpression(),
            "SELECT \r\n  t.a\r\nFROM\r\n  t\r\nWHERE\r\n  (a = 1) AND \r\n  (b = 2)\r\n");
}

TEST(KRSelectParser, SetOperationsCopyIntoTheOwnedObjects)
{
    auto Source = NewParser();
    BuildSample(*Source);
    Source->GroupByItems()->Add("x.y");
    TKROperator *Extra = Source->Operators()->Add();
    Extra->SetCaption("~");
    Source->ScriptFormat()->SetKeywordsFormat(qfmUpperCase);
    Source->ScriptFormat()->SetFunctionsFormat(qfmLowerCase);

    auto P = NewParser();
    TKRWhereItems *OwnWhere = P->WhereItems();
    TKRTableDefs *OwnTables = P->TableDefs();
    P->SetTableDefs(Source->TableDefs());
    P->SetWhereItems(Source->WhereItems());
    P->SetHavingItems(Source->HavingItems());
    P->SetGroupByItems(Source->GroupByItems());
    P->SetOrderByItems(Source->OrderByItems());
    P->SetOperators(Source->Operators());
    P->SetScriptFormat(Source->ScriptFormat());

    EXPECT_EQ(P->WhereItems(), OwnWhere);
    EXPECT_EQ(P->TableDefs(), OwnTables);
    EXPECT_EQ(P->WhereItems()->Filter(), cfAny);
    EXPECT_EQ(P->GroupByItems()->Text(), "x.y\r\n");
    EXPECT_EQ(P->OrderByItems()->Orders(0), okDesc);
    EXPECT_EQ(P->Operators()->Count(), 15);
    EXPECT_EQ(P->ScriptFormat()->FunctionsFormat(), qfmLowerCase);

    Source->Clear();
    EXPECT_EQ(P->GetExpression(),
            "SELECT \r\n  o.a,\r\n  sum(o.b) AS s\r\nFROM\r\n  orders o\r\nWHERE\r\n  (a = 1) OR \r\n  (a = "
            "2)\r\n"
            "GROUP BY\r\n  o.a\r\nHAVING\r\n  (sum(b) > 10)\r\nORDER BY\r\n  o.a DESC\r\n");
}

TEST(KRSelectParser, SetOperationsIgnoreTheOwnedObjectItself)
{
    auto P = NewParser();
    BuildSample(*P);
    P->ScriptFormat()->SetKeywordsFormat(qfmLowerCase);
    const std::string Before = P->GetExpression();

    P->SetTableDefs(P->TableDefs());
    P->SetWhereItems(P->WhereItems());
    P->SetHavingItems(P->HavingItems());
    P->SetGroupByItems(P->GroupByItems());
    P->SetOrderByItems(P->OrderByItems());
    P->SetOperators(P->Operators());
    P->SetScriptFormat(P->ScriptFormat());
    P->SetAggregates(P->Aggregates());

    EXPECT_EQ(P->GetExpression(), Before);
    EXPECT_EQ(P->Operators()->Count(), 14);
    EXPECT_EQ(P->Aggregates().CommaText(), "AVG,COUNT,MAX,MIN,SUM");
}

// The copied model belongs to the parser that holds it: it must keep writing after the parser it
// was copied from is gone, in the letter case and quoting of its new parser.
TEST(KRSelectParser, CopiedModelBelongsToItsNewParser)
{
    auto Source = NewParser(true);
    BuildSample(*Source);
    auto P = NewParser();
    P->ScriptFormat()->SetKeywordsFormat(qfmLowerCase);
    P->SetTableDefs(Source->TableDefs());
    P->SetWhereItems(Source->WhereItems());
    P->SetHavingItems(Source->HavingItems());

    const TKRTableDef &Table = *P->TableDefs()->Items(0);
    ASSERT_EQ(Table.Parser(), P.get());
    ASSERT_EQ(Table.FieldDefs()->Items(1)->Arguments()->Items(0)->Parser(), P.get());
    ASSERT_EQ(P->WhereItems()->Items(0)->Parser(), P.get());
    ASSERT_EQ(P->WhereItems()->Items(0)->LeftSide()->Parser(), P.get());
    ASSERT_EQ(P->HavingItems()->Items(0)->LeftSide()->Arguments()->Items(0)->Parser(), P.get());

    Source.reset();
    EXPECT_EQ(P->GetExpression(),
            "select \r\n  o.a,\r\n  SUM(o.b) as s\r\nfrom\r\n  orders o\r\nwhere\r\n  (a = 1) or \r\n  (a = "
            "2)\r\n"
            "group by\r\n  o.a\r\nhaving\r\n  (SUM(b) > 10)\r\n");
}

TEST(KRSelectParser, DestroysAModelWithJoinsCriteriaAndSortEntries)
{
    auto P = NewParser();
    BuildSample(*P);
    TKRTableDef &Items = AddTable(*P, "items", "i");
    AddColumn(Items, "qty");
    TKRJoinDef *Join = P->TableDefs()->Items(0)->JoinDefs()->Add();
    Join->SetFieldName("id");
    Join->SetJoinTable("i");
    Join->SetJoinFieldName("order_id");
    Join->SetJoinKind(krjLOuterJoin);
    AddGroup(AddGroup(*P->WhereItems(), cfNone), cfAny);
    P->OrderByItems()->Add("items.qty");
    P->OrderByItems()->Add("i.qty");
    EXPECT_NE(P->GetExpression(), "");

    // Freeing a table takes its sort entries along, while the rest of the model stays intact.
    P->TableDefs()->Delete(1);
    EXPECT_EQ(P->OrderByItems()->Text(), "o.a\r\ni.qty\r\n");
    EXPECT_EQ(P->TableDefs()->Items(0)->JoinDefs()->Count(), 0);
    P.reset();

    auto Other = NewParser();
    BuildSample(*Other);
    AddTable(*Other, "items").JoinDefs()->Add()->SetJoinTable("o");
    Other->OrderByItems()->Add("items.qty");
    Other.reset();
}
