#include "KRTestSupport.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace korvan;
using namespace korvan::builder;

namespace {

struct ListCase
{
    TKRCriterionFilter Filter;
    int Items;
    const char *Expected;
};

} // namespace

TEST(KRWhereItems, WritesEachConditionOnItsOwnLine)
{
    auto P = NewParser();
    AddCondition(*P->WhereItems(), "a", "=", { "1" });
    AddCondition(*P->WhereItems(), "b", "=", { "2" });
    EXPECT_EQ(P->WhereItems()->GetScript(), "WHERE\r\n  (a = 1) AND \r\n  (b = 2)\r\n");
}

TEST(KRWhereItems, ConditionsStillBeingEditedAreLeftOut)
{
    auto P = NewParser();
    TKRWhereItems &Where = *P->WhereItems();
    AddCondition(Where, "a", "=", { "1" });
    AddCondition(Where, "         ", "=", { "2" });
    AddCondition(Where, "b", "BETWEEN", { "1" });
    AddCondition(Where, "c", "=", { "         " });
    AddCondition(Where, "d", "IS NULL");
    EXPECT_EQ(Where.GetScript(), "WHERE\r\n  (a = 1) AND \r\n  (d IS NULL)\r\n");
    // Only the placeholder leaves a part unfilled: a name of other blanks or control characters,
    // which must be quoted, is a name.
    auto Named = NewParser();
    AddCondition(*Named->WhereItems(), std::string(1, '\0'), "=", { "1" });
    AddCondition(*Named->WhereItems(), " ", "=", { "2" });
    EXPECT_NE(Named->WhereItems()->GetScript(), "");
    EXPECT_TRUE(Named->WhereItems()->Items(0)->IsComplete());
    EXPECT_TRUE(Named->WhereItems()->Items(1)->IsComplete());
    // An empty string is a value.
    auto Q = NewParser();
    Q->SetExpression("SELECT t.a FROM t WHERE (t.a = '') AND (t.b <> ' ')");
    EXPECT_EQ(Q->WhereItems()->GetScript(), "WHERE\r\n  (t.a = '') AND \r\n  (t.b <> ' ')\r\n");
    // A group with nothing complete goes too, and with nothing left there is no WHERE at all.
    TKRCriterion &Group = *Where.Add();
    AddCondition(*Group.SubItems(), "e", "<>", {});
    EXPECT_FALSE(Group.IsComplete());
    EXPECT_EQ(Where.GetScript(), "WHERE\r\n  (a = 1) AND \r\n  (d IS NULL)\r\n");
    Where.Delete(0);
    Where.Delete(3);
    EXPECT_EQ(Where.GetScript(), "");
}

TEST(KRWhereItems, FilterChoosesTheConnectorAndNegatesNoneAndNotAll)
{
    const ListCase Cases[] = {
        { cfAll, 0, "" },
        { cfNone, 0, "" },
        { cfAll, 1, "WHERE\r\n  (a = 1)\r\n" },
        { cfAny, 1, "WHERE\r\n  (a = 1)\r\n" },
        { cfNone, 1, "WHERE\r\n  NOT ((a = 1))\r\n" },
        { cfNotAll, 1, "WHERE\r\n  NOT ((a = 1))\r\n" },
        { cfAny, 2, "WHERE\r\n  (a = 1) OR \r\n  (b = 2)\r\n" },
        { cfNone, 2, "WHERE\r\n  NOT ((a = 1) AND \r\n  (b = 2))\r\n" },
        { cfNotAll, 2, "WHERE\r\n  NOT ((a = 1) OR \r\n  (b = 2))\r\n" },
        { cfAny, 3, "WHERE\r\n  (a = 1) OR \r\n  (b = 2) OR \r\n  (c = 3)\r\n" },
    };
    const char *Names[] = { "a", "b", "c" };
    const char *Values[] = { "1", "2", "3" };
    for (const ListCase &Case : Cases) {
        SCOPED_TRACE(testing::Message() << "filter " << int(Case.Filter) << ", " << Case.Items << " items");
        auto P = NewParser();
        P->WhereItems()->SetFilter(Case.Filter);
        for (int I = 0; I < Case.Items; ++I)
            AddCondition(*P->WhereItems(), Names[I], "=", { Values[I] });
        EXPECT_EQ(P->WhereItems()->GetScript(), Case.Expected);
    }
}

TEST(KRWhereItems, GroupsSitInsideTheirParentsParentheses)
{
    auto P = NewParser();
    TKRWhereItems &Where = *P->WhereItems();
    Where.SetFilter(cfAny);
    AddCondition(Where, "x", "=", { "1" });
    TKRCriterions &Outer = AddGroup(Where, cfNotAll);
    AddCondition(Outer, "y", "=", { "2" });
    TKRCriterions &Inner = AddGroup(Outer, cfAll);
    AddCondition(Inner, "z", "=", { "3" });
    AddCondition(Inner, "w", "=", { "4" });
    // A group's own sides take no part in its text.
    Where.Items(1)->LeftSide()->SetName("ignored");

    EXPECT_EQ(Where.GetScript(),
            "WHERE\r\n  (x = 1) OR \r\n  (NOT ((y = 2) OR \r\n  ((z = 3) AND \r\n  (w = 4))))\r\n");
}

TEST(KRWhereItems, KeywordCaseReachesConnectorsNegationAndOperators)
{
    struct Case
    {
        TKRFormatMode Mode;
        TKRCriterionFilter Filter;
        const char *Expected;
    };
    const Case Cases[] = {
        { qfmLowerCase, cfNone, "where\r\n  not ((a is null) and \r\n  (b not between 1 and 2))\r\n" },
        { qfmLowerCase, cfNotAll, "where\r\n  not ((a is null) or \r\n  (b not between 1 and 2))\r\n" },
        // The connectors start with a blank, so no letter of them is the first one.
        { qfmFirstUpper, cfNone, "Where\r\n  Not ((a Is null) and \r\n  (b Not between 1 And 2))\r\n" },
        { qfmFirstUpper, cfAny, "Where\r\n  (a Is null) or \r\n  (b Not between 1 And 2)\r\n" },
        { qfmUpperCase, cfAll, "WHERE\r\n  (a IS NULL) AND \r\n  (b NOT BETWEEN 1 AND 2)\r\n" },
    };
    for (const Case &C : Cases) {
        SCOPED_TRACE(testing::Message() << "mode " << int(C.Mode) << ", filter " << int(C.Filter));
        auto P = NewParser();
        P->ScriptFormat()->SetKeywordsFormat(C.Mode);
        P->WhereItems()->SetFilter(C.Filter);
        AddCondition(*P->WhereItems(), "a", "IS NULL");
        AddCondition(*P->WhereItems(), "b", "NOT BETWEEN", { "1", "2" });
        EXPECT_EQ(P->WhereItems()->GetScript(), C.Expected);
    }
}

TEST(KRWhereItems, QuotesNamesAsStoredWithoutTableQualifier)
{
    auto P = NewParser(true);
    AddCondition(*P->WhereItems(), "a", "=", { "1" });
    TKRCriterion &Like = AddCondition(*P->WhereItems(), "t.b", "LIKE");
    TKRFunctionDef *Pattern = Like.RightSide()->Add();
    Pattern->SetName("x%");
    Pattern->SetKind(fkString);
    EXPECT_EQ(P->WhereItems()->GetScript(), "WHERE\r\n  (\"a\" = 1) AND \r\n  (\"t\".\"b\" LIKE 'x%')\r\n");
}

TEST(KRCriterion, WritesAsManyOperandsAsItsOperatorTakes)
{
    struct Case
    {
        const char *Operator;
        std::vector<std::string> Operands;
        const char *Expected;
    };
    const Case Cases[] = {
        { "=", { "1" }, "x = 1" },
        { "BETWEEN", { "1", "2" }, "x BETWEEN 1 AND 2" },
        { "NOT BETWEEN", { "1", "2" }, "x NOT BETWEEN 1 AND 2" },
        // A missing operand is a blank; the relate word stands only between operands that exist.
        { "BETWEEN", { "1" }, "x BETWEEN 1 " },
        { "IS NULL", { "1", "2" }, "x IS NULL" },
        // Operands beyond the operator's count are not written, nor a relate word for them.
        { "BETWEEN", { "1", "2", "3" }, "x BETWEEN 1 AND 2" },
        { "=", { "1", "2" }, "x = 1" },
        { "IS NOT NULL", {}, "x IS NOT NULL" },
        { "~~", { "1" }, "x ~~" },
    };
    for (const Case &C : Cases) {
        SCOPED_TRACE(C.Operator);
        auto P = NewParser();
        TKRCriterion &Criterion = AddCondition(*P->WhereItems(), "x", C.Operator, C.Operands);
        EXPECT_EQ(Criterion.GetScript(), C.Expected);
    }
}

TEST(KRCriterion, OperandCountBelowZeroWritesNoOperands)
{
    auto P = NewParser();
    TKROperator *Op = P->Operators()->Add();
    Op->SetCaption("~");
    Op->SetCount(-1);
    EXPECT_EQ(AddCondition(*P->WhereItems(), "x", "~", { "1" }).GetScript(), "x ~");
}

TEST(KRCriterion, InListIsCarriedByOneUnnamedRightSideNode)
{
    auto P = NewParser();
    TKRCriterion &In = AddCondition(*P->WhereItems(), "a", "IN");
    TKRFunctionDefs *Members = In.RightSide()->Add()->Arguments();
    for (const char *Value : { "1", "2", "3" }) {
        TKRFunctionDef *M = Members->Add();
        M->SetName(Value);
        M->SetKind(fkInteger);
    }
    TKRCriterion &NotIn = AddCondition(*P->WhereItems(), "b", "NOT IN");
    Members = NotIn.RightSide()->Add()->Arguments();
    for (const char *Value : { "x", "it's" }) {
        TKRFunctionDef *M = Members->Add();
        M->SetName(Value);
        M->SetKind(fkString);
    }
    EXPECT_EQ(In.GetScript(), "a IN (1, 2, 3)");
    EXPECT_EQ(NotIn.GetScript(), "b NOT IN ('x', 'it''s')");
}

TEST(KRCriterion, UsesTheParsersCurrentOperatorTable)
{
    auto P = NewParser();
    TKROperators Table;
    TKROperator *Contains = Table.Add();
    Contains->SetCaption("CONTAINS");
    Contains->SetName("CONTAINS");
    Contains->SetCount(2);
    Contains->SetRelate("WITH");
    P->SetOperators(&Table);
    P->ScriptFormat()->SetKeywordsFormat(qfmLowerCase);
    EXPECT_EQ(
            AddCondition(*P->WhereItems(), "a", "CONTAINS", { "1", "2" }).GetScript(), "a contains 1 with 2");
    EXPECT_EQ(AddCondition(*P->WhereItems(), "b", "=", { "1" }).GetScript(), "b =");
}

TEST(KRCriterion, WithoutParserJoinsAllOperandsByComma)
{
    TKRCriterions Free(nullptr);
    AddCondition(Free, "x", "BETWEEN", { "1", "2" });
    AddCondition(Free, "y", "~~", { "3" });
    AddCondition(Free, "z", "IS NULL");
    Free.SetFilter(cfNone);
    EXPECT_EQ(Free.GetScript(), "NOT ((x BETWEEN 1, 2) AND \r\n  (y ~~ 3) AND \r\n  (z IS NULL))\r\n");

    TKRWhereItems Where(nullptr);
    AddCondition(Where, "a", "IN", { "1", "2" });
    EXPECT_EQ(Where.GetScript(), "WHERE\r\n  (a IN 1, 2)\r\n");

    TKRCriterion Alone;
    Alone.LeftSide()->SetName("b");
    Alone.SetOperator("<>");
    Alone.RightSide()->Add()->SetName("0");
    EXPECT_EQ(Alone.GetScript(), "b <> 0");
}

TEST(KRCriterion, SetParserReplacesAnOperatorTheTableDoesNotKnow)
{
    struct Case
    {
        const char *Operator;
        bool EmptyTable;
        const char *Expected;
    };
    const Case Cases[] = {
        { "~~", false, "=" },
        { "", false, "=" },
        { "like", false, "=" },
        { "NOT LIKE", false, "NOT LIKE" },
        { "~~", true, "~~" },
    };
    for (const Case &C : Cases) {
        SCOPED_TRACE(C.Operator);
        auto P = NewParser();
        if (C.EmptyTable)
            P->Operators()->Clear();
        TKRCriterion Criterion;
        Criterion.SetOperator(C.Operator);
        Criterion.SetParser(P.get());
        EXPECT_EQ(Criterion.Operator(), C.Expected);
    }
    auto P = NewParser();
    EXPECT_EQ(P->WhereItems()->Add()->Operator(), "=");
}

TEST(KRCriterions, AssignCopiesTheFiltersOfNestedGroups)
{
    auto Source = NewParser();
    TKRWhereItems &From = *Source->WhereItems();
    From.SetFilter(cfNotAll);
    AddCondition(From, "a", "=", { "1" });
    TKRCriterions &Group = AddGroup(From, cfNone);
    AddCondition(Group, "b", "=", { "2" });
    TKRCriterions &Inner = AddGroup(Group, cfAny);
    AddCondition(Inner, "c", "=", { "3" });
    AddCondition(Inner, "d", "=", { "4" });

    auto P = NewParser();
    P->WhereItems()->SetFilter(cfAny);
    AddCondition(*P->WhereItems(), "old", "=", { "0" });
    P->WhereItems()->Assign(&From);
    From.SetFilter(cfAll);
    Group.SetFilter(cfAll);

    const TKRWhereItems &Copy = *P->WhereItems();
    ASSERT_EQ(Copy.Count(), 2);
    EXPECT_EQ(Copy.Filter(), cfNotAll);
    EXPECT_EQ(Copy.Items(1)->SubItems()->Filter(), cfNone);
    EXPECT_EQ(Copy.Items(1)->SubItems()->Items(1)->SubItems()->Filter(), cfAny);
    EXPECT_EQ(Copy.GetScript(),
            "WHERE\r\n  NOT ((a = 1) OR \r\n  (NOT ((b = 2) AND \r\n  ((c = 3) OR \r\n  (d = 4)))))\r\n");
}

// HAVING without GROUP BY filters the one group of the whole table: it is written whenever it has
// conditions, whatever the GROUP BY list holds.
TEST(KRHavingItems, WrittenWheneverItHasConditions)
{
    auto P = NewParser();
    EXPECT_EQ(P->HavingItems()->GetScript(), "");
    TKRTableDef &T = AddTable(*P, "t");
    AddCall(T, "SUM", "b", "s");
    TKRCriterion &C = AddCondition(*P->HavingItems(), "", ">", { "10" });
    MakeCall(*C.LeftSide(), "SUM", "b");
    EXPECT_EQ(
            P->GetExpression(), "SELECT \r\n  SUM(t.b) AS s\r\nFROM\r\n  t\r\nHAVING\r\n  (SUM(b) > 10)\r\n");

    AddColumn(T, "a");
    EXPECT_EQ(P->GetExpression(),
            "SELECT \r\n  SUM(t.b) AS s,\r\n  t.a\r\nFROM\r\n  t\r\nGROUP BY\r\n  t.a\r\nHAVING\r\n  (SUM(b) "
            "> 10)\r\n");

    TKRHavingItems Free(nullptr);
    AddCondition(Free, "a", "=", { "1" });
    EXPECT_EQ(Free.GetScript(), "HAVING\r\n  (a = 1)\r\n");
}
