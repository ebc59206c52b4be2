#include "KRTestSupport.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace korvan;
using namespace korvan::builder;

namespace {

//! Adds one SELECT entry written as "a" or "SUM(b)".
void AddEntry(TKRTableDef &T, const std::string &Entry)
{
    const auto Open = Entry.find('(');
    if (Open == std::string::npos) {
        AddColumn(T, Entry);
        return;
    }
    const std::string Function = Entry.substr(0, Open);
    AddCall(T, Function, Entry.substr(Open + 1, Entry.size() - Open - 2), Function + "_");
}

//! Entries with their directions, e.g. "a DESC, b ASC".
std::string Listing(const TKROrderByItems &L)
{
    std::string Out;
    for (int I = 0; I < L.Count(); ++I)
        Out += (I > 0 ? ", " : "") + L.Strings(I) + (L.Orders(I) == okDesc ? " DESC" : " ASC");
    return Out;
}

} // namespace

TEST(KRGroupByItems, GroupsByThePlainColumnsOfAMixedSelectList)
{
    struct Case
    {
        std::vector<std::string> Entries;
        const char *Expected;
    };
    const Case Cases[] = {
        { { "a", "SUM(b)" }, "GROUP BY\r\n  o.a\r\n" },
        { { "SUM(b)", "COUNT(c)" }, "" },
        { { "a", "b" }, "" },
        { { "a", "UPPER(b)", "MAX(c)" }, "GROUP BY\r\n  o.a\r\n" },
        // UPPER(b) makes the list mixed, but a computed column is never grouped.
        { { "UPPER(b)", "MAX(c)" }, "" },
        { { "a", "sum(b)" }, "GROUP BY\r\n  o.a\r\n" },
        { { "a", "COUNT(*)", "b" }, "GROUP BY\r\n  o.a,\r\n  o.b\r\n" },
    };
    for (const Case &C : Cases) {
        SCOPED_TRACE(C.Entries.front() + ", " + C.Entries[1]);
        auto P = NewParser();
        TKRTableDef &T = AddTable(*P, "orders", "o");
        for (const std::string &Entry : C.Entries)
            AddEntry(T, Entry);
        EXPECT_EQ(P->GroupByItems()->GetScript(), C.Expected);
    }
}

TEST(KRGroupByItems, FollowsTheSelectListOrderAcrossTables)
{
    auto P = NewParser();
    TKRTableDef &T = AddTable(*P, "t");
    TKRTableDef &U = AddTable(*P, "u");
    AddColumn(T, "a");
    AddColumn(U, "x");
    AddColumn(T, "b");
    AddCall(U, "MAX", "y", "m");
    EXPECT_EQ(P->GroupByItems()->GetScript(), "GROUP BY\r\n  t.a,\r\n  u.x,\r\n  t.b\r\n");
    EXPECT_EQ(P->GroupByItems()->Text(), "t.a\r\nu.x\r\nt.b\r\n");
}

TEST(KRGroupByItems, StatementWithAggregatesAndColumns)
{
    auto P = NewParser(true);
    TKRTableDef &T = AddTable(*P, "orders", "o");
    AddColumn(T, "a");
    AddCall(T, "COUNT", "*", "n");
    TKRCriterion &C = AddCondition(*P->HavingItems(), "", ">", { "1" });
    MakeCall(*C.LeftSide(), "COUNT", "*");
    EXPECT_EQ(P->GetExpression(),
            "SELECT \r\n  \"o\".\"a\",\r\n  COUNT(*) AS n\r\nFROM\r\n  \"orders\" \"o\"\r\n"
            "GROUP BY\r\n  \"o\".\"a\"\r\nHAVING\r\n  (COUNT(*) > 1)\r\n");
    EXPECT_EQ(P->GroupByItems()->Text(), "\"o\".\"a\"\r\n");
}

// Only aggregates derive no grouping: an entry put into the derived list does not last, while one
// read from the statement does.
TEST(KRGroupByItems, OnlyAggregatesDeriveNoGroupBy)
{
    auto P = NewParser();
    TKRTableDef &T = AddTable(*P, "orders", "o");
    AddCall(T, "SUM", "b", "s");
    AddCall(T, "COUNT", "c", "n");
    P->GroupByItems()->Add("o.a");
    EXPECT_EQ(
            P->GetExpression(), "SELECT \r\n  SUM(o.b) AS s,\r\n  COUNT(o.c) AS n\r\nFROM\r\n  orders o\r\n");
    EXPECT_EQ(P->GroupByItems()->Count(), 0);
    P->GroupByItems()->AddRead("o.a", false);
    P->GroupByItems()->AddRead("1", true);
    EXPECT_EQ(P->GroupByItems()->GetScript(), "GROUP BY\r\n  o.a,\r\n  1\r\n");
}

TEST(KRGroupByItems, ProcedureInputParametersAreNoColumns)
{
    for (TParamType Type : { ptInput, ptInputOutput }) {
        SCOPED_TRACE(int(Type));
        auto P = NewParser();
        TKRTableDef &Proc = AddTable(*P, "proc", "sp");
        Proc.SetTableType(qttStoredProc);
        AddColumn(Proc, "p1").SetParamType(Type);
        AddCall(Proc, "SUM", "y", "s");
        EXPECT_EQ(P->GroupByItems()->GetScript(), "");
        AddColumn(Proc, "x");
        EXPECT_EQ(P->GroupByItems()->GetScript(), "GROUP BY\r\n  sp.x\r\n");
    }
}

TEST(KRGroupByItems, AggregateListDecidesWhatIsAnAggregate)
{
    auto P = NewParser();
    TStringList Names;
    Names.SetCommaText("median");
    P->SetAggregates(Names);
    TKRTableDef &T = AddTable(*P, "t");
    AddColumn(T, "a");
    AddCall(T, "SUM", "b", "s");
    EXPECT_EQ(P->GroupByItems()->GetScript(), "");
    AddCall(T, "Median", "c", "m");
    EXPECT_EQ(P->GroupByItems()->GetScript(), "GROUP BY\r\n  t.a\r\n");
}

TEST(KRGroupByItems, WithoutParserWritesTheListAsItIs)
{
    TKRGroupByItems Free(nullptr);
    EXPECT_EQ(Free.GetScript(), "");
    Free.Add("x.y");
    Free.Add("z");
    EXPECT_EQ(Free.GetScript(), "GROUP BY\r\n  x.y,\r\n  z\r\n");
}

TEST(KRGroupOrder, ClauseWordsFollowTheKeywordCaseButDescDoesNot)
{
    struct Case
    {
        TKRFormatMode Mode;
        const char *Expected;
    };
    const Case Cases[] = {
        { qfmLowerCase,
                "select \r\n  t.a,\r\n  SUM(t.b) as s\r\nfrom\r\n  t\r\ngroup by\r\n  t.a\r\norder by\r\n"
                "  t.a DESC,\r\n  s\r\n" },
        { qfmFirstUpper,
                "Select \r\n  t.a,\r\n  SUM(t.b) As s\r\nFrom\r\n  t\r\nGroup By\r\n  t.a\r\nOrder By\r\n"
                "  t.a DESC,\r\n  s\r\n" },
    };
    for (const Case &C : Cases) {
        SCOPED_TRACE(int(C.Mode));
        auto P = NewParser();
        P->ScriptFormat()->SetKeywordsFormat(C.Mode);
        TKRTableDef &T = AddTable(*P, "t");
        AddColumn(T, "a");
        AddCall(T, "SUM", "b", "s");
        P->OrderByItems()->AddOrdered("t.a", okDesc);
        P->OrderByItems()->Add("s");
        EXPECT_EQ(P->GetExpression(), C.Expected);
    }
}

TEST(KROrderByItems, WritesEachEntryWithItsDirection)
{
    auto P = NewParser();
    TKROrderByItems &Order = *P->OrderByItems();
    EXPECT_EQ(Order.GetScript(), "");
    EXPECT_EQ(Order.AddOrdered("a", okDesc), 0);
    EXPECT_EQ(Order.Add("b"), 1);
    EXPECT_EQ(Order.GetScript(), "ORDER BY\r\n  a DESC,\r\n  b\r\n");

    auto Quoting = NewParser(true);
    Quoting->OrderByItems()->AddOrdered("t.a", okDesc);
    EXPECT_EQ(Quoting->OrderByItems()->GetScript(), "ORDER BY\r\n  \"t\".\"a\" DESC\r\n");

    TKROrderByItems Free(nullptr);
    Free.AddOrdered("my col", okDesc);
    EXPECT_EQ(Free.GetScript(), "ORDER BY\r\n  my col DESC\r\n");
}

TEST(KROrderByItems, DirectionsStayBesideTheirEntries)
{
    TKROrderByItems Order(nullptr);
    Order.AddOrdered("a", okDesc);
    Order.Add("b");
    Order.AddOrdered("c", okDesc);
    EXPECT_EQ(Listing(Order), "a DESC, b ASC, c DESC");
    EXPECT_EQ(Order.Orders(3), okAsc);
    EXPECT_EQ(Order.Orders(-1), okAsc);

    Order.SetOrders(1, okDesc);
    Order.SetOrders(0, okAsc);
    Order.SetOrders(3, okDesc);
    Order.SetOrders(-1, okDesc);
    EXPECT_EQ(Listing(Order), "a ASC, b DESC, c DESC");
    EXPECT_EQ(Order.Orders(3), okAsc);

    Order.Delete(0);
    EXPECT_EQ(Listing(Order), "b DESC, c DESC");
    Order.Insert(0, "z");
    EXPECT_EQ(Listing(Order), "z ASC, b DESC, c DESC");

    Order.Clear();
    Order.Add("d");
    EXPECT_EQ(Listing(Order), "d ASC");
}

TEST(KROrderByItems, AssignTakesDirectionsOnlyFromAnotherOrderList)
{
    TKROrderByItems Source(nullptr);
    Source.AddOrdered("a", okDesc);
    Source.Add("b");
    TKROrderByItems Target(nullptr);
    Target.AddOrdered("x", okDesc);
    Target.AddOrdered("y", okDesc);
    Target.AddOrdered("z", okDesc);

    Target.Assign(&Source);
    Source.SetOrders(1, okDesc);
    EXPECT_EQ(Listing(Target), "a DESC, b ASC");

    TStringList Plain;
    Plain.Add("p");
    Plain.Add("q");
    Target.Assign(&Plain);
    EXPECT_EQ(Listing(Target), "p ASC, q ASC");
    EXPECT_EQ(Target.GetScript(), "ORDER BY\r\n  p,\r\n  q\r\n");
}
