#include "KRTestSupport.h"

#include <gtest/gtest.h>

using namespace korvan;
using namespace korvan::test;

TEST(KRFunctionDef, CallsQualifyColumnsOfTheirTable)
{
    auto P = NewParser();
    TKRTableDef *T = AddTable(*P, "orders", "o");
    TKRFieldDef *Sub = AddField(*T, "SUBSTRING", fkFunction);
    AddArgument(*Sub, "name", fkIdentifier);
    AddArgument(*Sub, "1", fkInteger);
    AddArgument(*Sub, "2", fkInteger);
    EXPECT_EQ(Sub->GetScript(), "SUBSTRING(o.name, 1, 2) AS FIELD_1");
    TKRFieldDef *Count = AddField(*T, "COUNT", fkFunction);
    AddArgument(*Count, "*", fkUnknown);
    EXPECT_EQ(Count->GetScript(), "COUNT(*) AS FIELD_2");
    TKRFieldDef *Now = AddField(*T, "NOW", fkFunction, "n");
    EXPECT_EQ(Now->GetScript(), "NOW() AS n");
    // An argument read with its own qualifier is not qualified again.
    TKRFieldDef *Coalesce = AddField(*T, "COALESCE", fkFunction, "c");
    AddArgument(*Coalesce, "x.a", fkIdentifier);
    AddArgument(*Coalesce, "y.b", fkIdentifier);
    EXPECT_EQ(Coalesce->GetScript(), "COALESCE(x.a, y.b) AS c");
}

TEST(KRFunctionDef, FreeStandingNodesWriteNamesAsStored)
{
    auto P = NewParser(true);
    TKRFunctionDef Node;
    Node.SetParser(P.get());
    Node.SetName("\"t\".\"x\"");
    Node.SetKind(fkIdentifier);
    EXPECT_EQ(Node.GetScript(), "\"t\".\"x\"");
    Node.SetName("t.x");
    EXPECT_EQ(Node.GetScript(), "\"t\".\"x\"");
    // An unnamed node with arguments is a parenthesised list, as IN needs.
    TKRFunctionDef List;
    AddArgument(List, "1", fkInteger);
    AddArgument(List, "2", fkInteger);
    AddArgument(List, "x", fkString);
    EXPECT_EQ(List.GetScript(), "(1, 2, 'x')");
}

TEST(KRFunctionDef, StringLiteralsAreQuotedOnce)
{
    struct Case
    {
        const char *Stored;
        const char *Written;
    };
    const Case Cases[] = {
        { "Smith", "'Smith'" },
        { "'Smith'", "'Smith'" },
        { "\"Smith\"", "'Smith'" },
        { "It's", "'It''s'" },
        { "'It's'", "'It''s'" },
        { "", "''" },
        { "'", "''''" },
        { "''", "''" },
    };
    TKRFunctionDef Node;
    Node.SetKind(fkString);
    for (const Case &C : Cases) {
        SCOPED_TRACE(C.Stored);
        Node.SetName(C.Stored);
        EXPECT_EQ(Node.GetScript(), C.Written);
    }
}

TEST(KRFunctionDef, OtherKindsWriteTheirTextAsItIs)
{
    TKRFunctionDef Node;
    for (TKRFunctionKind Kind : { fkUnknown, fkInteger, fkFloat, fkExpression }) {
        Node.SetKind(Kind);
        Node.SetName("a + 1.5");
        EXPECT_EQ(Node.GetScript(), "a + 1.5");
    }
}

TEST(KRFunctionDef, FunctionNamesFollowTheirOwnLetterCase)
{
    auto P = NewParser();
    P->ScriptFormat()->SetFunctionsFormat(qfmFirstUpper);
    TKRTableDef *T = AddTable(*P, "t");
    TKRFieldDef *F = AddField(*T, "FIND_IN_SET", fkFunction, "f");
    AddArgument(*F, "a", fkIdentifier);
    EXPECT_EQ(F->GetScript(), "Find_In_Set(t.a) AS f");
    P->ScriptFormat()->SetFunctionsFormat(qfmLowerCase);
    EXPECT_EQ(F->GetScript(), "find_in_set(t.a) AS f");
}

TEST(KRFunctionDef, AssignCopiesTheWholeTreeButNotTheSelectIndex)
{
    auto P = NewParser();
    TKRTableDef *T = AddTable(*P, "t");
    AddField(*T, "a");
    TKRFieldDef *Source = AddField(*T, "SUM", fkFunction, "total");
    AddArgument(*AddArgument(*Source, "ABS", fkFunction), "b", fkIdentifier);
    Source->SetParamType(ptOutput);
    TKRFieldDef Copy;
    Copy.Assign(Source);
    EXPECT_EQ(Copy.Name(), "SUM");
    EXPECT_EQ(Copy.Alias(), "total");
    EXPECT_EQ(Copy.ParamType(), ptOutput);
    EXPECT_EQ(Copy.SelectIndex(), 0);
    EXPECT_EQ(Copy.GetScript(), "SUM(ABS(b)) AS total");
    Copy.Clear();
    EXPECT_EQ(Copy.Name(), "");
    EXPECT_EQ(Copy.Alias(), "");
    EXPECT_EQ(Copy.Kind(), fkUnknown);
    EXPECT_EQ(Copy.Arguments()->Count(), 0);
}

TEST(KRFunctionDef, SettingTheSameNameKeepsTheAlias)
{
    auto P = NewParser();
    TKRTableDef *T = AddTable(*P, "t");
    TKRFieldDef *F = AddField(*T, "a");
    F->SetName("a");
    EXPECT_EQ(F->Alias(), "a");
    F->SetName("b");
    EXPECT_EQ(F->Alias(), "b");
}
