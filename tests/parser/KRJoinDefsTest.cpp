#include "KRTestSupport.h"

#include <gtest/gtest.h>
#include <string>

using namespace korvan;
using namespace korvan::test;

TEST(KRJoinDefs, WritesAnOuterJoinClause)
{
    auto P = NewParser();
    TKRTableDef *Customers = AddTable(*P, "customers", "c");
    AddTable(*P, "orders", "o");
    TKRJoinDef *Join = AddJoin(*Customers, "id", "o", "cust_id", krjLOuterJoin);
    EXPECT_EQ(Join->GetScript(), "LEFT OUTER JOIN orders o ON (c.id = o.cust_id)");
    EXPECT_EQ(P->GetExpression(),
            "SELECT *\r\nFROM\r\n  customers c \r\n  LEFT OUTER JOIN orders o ON (c.id = o.cust_id)\r\n");

    const std::pair<TKRJoinKind, const char *> Words[] = { { krjInnerJoin, "INNER JOIN" },
        { krjROuterJoin, "RIGHT OUTER JOIN" }, { krjFOuterJoin, "FULL OUTER JOIN" } };
    for (const auto &[Kind, Word] : Words) {
        Join->SetJoinKind(Kind);
        EXPECT_EQ(Join->GetScript(), std::string(Word) + " orders o ON (c.id = o.cust_id)");
    }
    Join->SetOperation("<=");
    P->ScriptFormat()->SetKeywordsFormat(qfmLowerCase);
    Join->SetJoinKind(krjLOuterJoin);
    EXPECT_EQ(Join->GetScript(), "left outer join orders o on (c.id <= o.cust_id)");
}

TEST(KRJoinDefs, UnresolvableJoinsWriteNothing)
{
    auto P = NewParser();
    TKRTableDef *A = AddTable(*P, "a");
    AddTable(*P, "b");
    EXPECT_EQ(AddJoin(*A, "id", "b", "   ")->GetScript(), "");
    EXPECT_EQ(AddJoin(*A, "", "b", "id")->GetScript(), "");
    EXPECT_EQ(AddJoin(*A, "id", "nowhere", "id")->GetScript(), "");
    EXPECT_EQ(A->JoinDefs()->GetScript(), "");
    // b is joined only by joins that write nothing; it still gets its own FROM entry.
    EXPECT_EQ(P->GetExpression(), "SELECT *\r\nFROM\r\n  a,\r\n  b\r\n");
    TKRJoinDef Loose;
    Loose.SetFieldName("id");
    Loose.SetJoinTable("b");
    Loose.SetJoinFieldName("id");
    EXPECT_EQ(Loose.GetScript(), "");
}

TEST(KRJoinDefs, JoinedTablesWriteInsideTheChainOfTheTableThatJoinsThem)
{
    auto P = NewParser();
    TKRTableDef *A = AddTable(*P, "A");
    TKRTableDef *B = AddTable(*P, "B");
    AddTable(*P, "C");
    AddJoin(*A, "x", "B", "x");
    AddJoin(*B, "y", "C", "y");
    EXPECT_EQ(P->GetExpression(),
            "SELECT *\r\n"
            "FROM\r\n"
            "  A \r\n"
            "  INNER JOIN B ON (A.x = B.x)  \r\n"
            "  INNER JOIN C ON (B.y = C.y)\r\n");
    EXPECT_TRUE(P->TableDefs()->IsTableJoined(B));
    EXPECT_FALSE(P->TableDefs()->IsTableJoined(A));
    EXPECT_FALSE(P->TableDefs()->IsTableJoined(nullptr));
}

TEST(KRJoinDefs, JoinsFollowTheAliasOfTheJoinedTable)
{
    auto P = NewParser();
    TKRTableDef *A = AddTable(*P, "a");
    TKRTableDef *B = AddTable(*P, "b");
    AddJoin(*A, "id", "b", "id");
    B->SetAlias("bb");
    EXPECT_EQ(A->JoinDefs()->Items(0)->JoinTable(), "bb");
    EXPECT_EQ(A->JoinDefs()->GetScript(), "\r\n  INNER JOIN b bb ON (a.id = bb.id)");
    EXPECT_EQ(A->JoinDefs()->Find("id", "bb", "id"), A->JoinDefs()->Items(0));
    EXPECT_EQ(A->JoinDefs()->Find("id", "b", "id"), nullptr);
}

TEST(KRJoinDefs, JoiningAStoredProcedureWritesItsParameters)
{
    auto P = NewParser();
    TKRTableDef *T = AddTable(*P, "t");
    TKRTableDef *Proc = AddTable(*P, "p", "sp");
    Proc->SetTableType(qttStoredProc);
    AddField(*Proc, "v")->SetParamType(ptInput);
    AddJoin(*T, "id", "sp", "id");
    EXPECT_EQ(T->JoinDefs()->Items(0)->GetScript(), "INNER JOIN p(:v) sp ON (t.id = sp.id)");
}

TEST(KRJoinDefs, ACycleOfJoinsEndsAndLosesNoTable)
{
    auto P = NewParser();
    TKRTableDef *A = AddTable(*P, "A");
    TKRTableDef *B = AddTable(*P, "B");
    TKRTableDef *C = AddTable(*P, "C");
    AddJoin(*A, "x", "B", "x");
    AddJoin(*B, "y", "A", "y");
    AddJoin(*C, "z", "A", "z");
    EXPECT_EQ(P->GetExpression(),
            "SELECT *\r\n"
            "FROM\r\n"
            "  C \r\n"
            "  INNER JOIN A ON (C.z = A.z)  \r\n"
            "  INNER JOIN B ON (A.x = B.x)   \r\n"
            "  INNER JOIN A ON (B.y = A.y)\r\n");

    // A and B join each other and nothing else starts a chain: both are still written.
    delete C;
    EXPECT_EQ(P->GetExpression(),
            "SELECT *\r\n"
            "FROM\r\n"
            "  A \r\n"
            "  INNER JOIN B ON (A.x = B.x)  \r\n"
            "  INNER JOIN A ON (B.y = A.y)\r\n");
}

TEST(KRJoinDefs, ALongChainIsWrittenWithoutDeepRecursion)
{
    auto P = NewParser();
    const int Tables = 3000;
    for (int I = 0; I < Tables; ++I)
        AddTable(*P, "t" + std::to_string(I));
    for (int I = 0; I + 1 < Tables; ++I)
        AddJoin(*P->TableDefs()->Items(I), "id", "t" + std::to_string(I + 1), "id");
    const std::string Sql = P->GetExpression();
    const std::string Start = "SELECT *\r\nFROM\r\n  t0 \r\n";
    EXPECT_EQ(Sql.substr(0, Start.size()), Start);
    EXPECT_NE(Sql.find("INNER JOIN t2999 ON (t2998.id = t2999.id)\r\n"), std::string::npos);
}
