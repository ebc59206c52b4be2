#include "KRTestSupport.h"

#include <gtest/gtest.h>

using namespace korvan;
using namespace korvan::test;

TEST(KRTableDefs, WritesFieldsInSelectOrderAndOneFromEntryPerTable)
{
    auto P = NewParser();
    TKRTableDef *T1 = AddTable(*P, "t1", "t");
    AddField(*T1, "a");
    AddField(*T1, "b", fkIdentifier, "x");
    AddTable(*P, "t2");
    EXPECT_EQ(P->GetExpression(),
            "SELECT \r\n"
            "  t.a,\r\n"
            "  t.b AS x\r\n"
            "FROM\r\n"
            "  t1 t,\r\n"
            "  t2\r\n");

    auto Q = NewParser(true);
    TKRTableDef *T = AddTable(*Q, "t1", "t");
    AddField(*T, "b", fkIdentifier, "x");
    EXPECT_EQ(Q->GetExpression(), "SELECT \r\n  \"t\".\"b\" AS x\r\nFROM\r\n  \"t1\" \"t\"\r\n");
}

TEST(KRTableDefs, FieldsFollowSelectIndexAcrossTables)
{
    auto P = NewParser();
    TKRTableDef *A = AddTable(*P, "a");
    TKRTableDef *B = AddTable(*P, "b");
    AddField(*A, "x");
    AddField(*B, "y");
    AddField(*A, "z");
    EXPECT_EQ(P->GetExpression(), "SELECT \r\n  a.x,\r\n  b.y,\r\n  a.z\r\nFROM\r\n  a,\r\n  b\r\n");
}

TEST(KRTableDefs, TablesWithoutFieldsSelectStar)
{
    auto P = NewParser();
    AddTable(*P, "t");
    EXPECT_EQ(P->GetExpression(), "SELECT *\r\nFROM\r\n  t\r\n");
}

TEST(KRTableDefs, StarEntriesCollapseOnlyWhenEveryTableHasOne)
{
    auto P = NewParser();
    TKRTableDef *A = AddTable(*P, "a");
    TKRTableDef *B = AddTable(*P, "b", "bb");
    A->FieldDefs()->Add();
    EXPECT_EQ(P->GetExpression(), "SELECT \r\n  a.*\r\nFROM\r\n  a,\r\n  b bb\r\n");
    B->FieldDefs()->Add();
    EXPECT_EQ(P->GetExpression(), "SELECT *\r\nFROM\r\n  a,\r\n  b bb\r\n");
    AddField(*B, "c");
    EXPECT_EQ(P->GetExpression(), "SELECT \r\n  a.*,\r\n  bb.*,\r\n  bb.c\r\nFROM\r\n  a,\r\n  b bb\r\n");

    // SELECT * with no FROM entry at all stays SELECT *.
    auto Q = NewParser();
    Q->TableDefs()->Add()->FieldDefs()->Add();
    EXPECT_EQ(Q->GetExpression(), "SELECT *\r\n");
}

TEST(KRTableDefs, UnnamedTablesWriteNoFromEntry)
{
    auto P = NewParser();
    TKRTableDef *Unnamed = P->TableDefs()->Add();
    TKRFieldDef *One = AddField(*Unnamed, "1", fkInteger);
    EXPECT_EQ(One->Alias(), "FIELD_1");
    EXPECT_EQ(P->GetExpression(), "SELECT \r\n  1 AS FIELD_1\r\n");
}

TEST(KRTableDefs, StoredProcedureWritesItsInputParametersInTheCall)
{
    auto P = NewParser();
    TKRTableDef *Proc = AddTable(*P, "proc", "sp");
    Proc->SetTableType(qttStoredProc);
    AddField(*Proc, "p1")->SetParamType(ptInput);
    AddField(*Proc, "out1");
    AddField(*Proc, "p2")->SetParamType(ptInputOutput);
    EXPECT_EQ(Proc->GetEntryScript(), "  proc(:p1, :p2) sp");
    EXPECT_EQ(P->GetExpression(), "SELECT \r\n  sp.out1\r\nFROM\r\n  proc(:p1, :p2) sp\r\n");

    // Literals and calls are written as themselves, never as parameters or qualified columns.
    auto Q = NewParser();
    TKRTableDef *Q1 = AddTable(*Q, "p");
    Q1->SetTableType(qttStoredProc);
    AddField(*Q1, "10", fkInteger)->SetParamType(ptInput);
    AddField(*Q1, "It's", fkString)->SetParamType(ptInput);
    TKRFieldDef *Call = AddField(*Q1, "UPPER", fkFunction);
    AddArgument(*Call, "x", fkIdentifier);
    Call->SetParamType(ptInput);
    EXPECT_EQ(Q1->GetEntryScript(), "  p(10, 'It''s', UPPER(x))");

    // A procedure without input parameters has no parentheses; a table never has any.
    auto R = NewParser();
    TKRTableDef *Bare = AddTable(*R, "proc");
    Bare->SetTableType(qttStoredProc);
    EXPECT_EQ(Bare->GetEntryScript(), "  proc");
}

TEST(KRTableDefs, ComputedColumnsGetGeneratedAliases)
{
    auto P = NewParser();
    TKRTableDef *T = AddTable(*P, "t");
    TKRFieldDef *Sum = AddField(*T, "SUM", fkFunction);
    AddArgument(*Sum, "b", fkIdentifier);
    TKRFieldDef *Max = AddField(*T, "MAX", fkFunction);
    AddArgument(*Max, "c", fkIdentifier);
    EXPECT_EQ(Sum->Alias(), "FIELD_1");
    EXPECT_EQ(Max->Alias(), "FIELD_2");
    EXPECT_EQ(P->TableDefs()->GetScript(),
            "\r\n  SUM(t.b) AS FIELD_1,\r\n  MAX(t.c) AS FIELD_2\r\nFROM\r\n  t\r\n");

    // Outside a table list the alias only gets the number 1.
    TKRFieldDef Free;
    Free.SetKind(fkFunction);
    EXPECT_EQ(Free.Alias(), "FIELD_1");
}

TEST(KRTableDefs, UniqueAliasesCountUpFromTheBase)
{
    auto P = NewParser();
    TKRTableDef *T = AddTable(*P, "t");
    TKRTableDefs &Tables = *P->TableDefs();
    EXPECT_EQ(Tables.GetUniqueAlias("ID", false), "ID");
    EXPECT_EQ(Tables.GetUniqueAlias("ID", true), "ID1");
    AddField(*T, "ID");
    EXPECT_EQ(Tables.GetUniqueAlias("ID", false), "ID1");
    AddField(*T, "x", fkIdentifier, "ID1");
    EXPECT_EQ(Tables.GetUniqueAlias("ID", false), "ID2");
    EXPECT_EQ(Tables.GetUniqueAlias("ID", true), "ID2");
    // Aliases compare exactly: id is free.
    EXPECT_EQ(Tables.GetUniqueAlias("id", false), "id");
}

TEST(KRTableDefs, AFieldWhoseNameIsAnotherFieldsAliasIsRenamed)
{
    auto P = NewParser();
    TKRTableDef *T = AddTable(*P, "t");
    AddField(*T, "a", fkIdentifier, "b");
    // Written under its own name, b would clash with a's alias.
    TKRFieldDef *B = T->FieldDefs()->Add();
    B->SetKind(fkIdentifier);
    B->SetName("b");
    B->SetAlias("b");
    P->TableDefs()->BeginUpdate();
    P->TableDefs()->EndUpdate();
    EXPECT_EQ(B->Alias(), "b1");
    // Further updates leave the new alias alone.
    P->TableDefs()->UpdateFieldAliases();
    P->TableDefs()->UpdateFieldAliases();
    EXPECT_EQ(B->Alias(), "b1");
    EXPECT_EQ(P->TableDefs()->GetScript(), "\r\n  t.a AS b,\r\n  t.b AS b1\r\nFROM\r\n  t\r\n");
}

TEST(KRTableDefs, AliasComparisonIsCaseSensitive)
{
    auto P = NewParser();
    TKRTableDef *T = AddTable(*P, "t");
    TKRFieldDef *Same = AddField(*T, "b", fkIdentifier, "b");
    EXPECT_EQ(Same->GetScript(), "t.b");
    Same->SetAlias("B");
    EXPECT_EQ(Same->GetScript(), "t.b AS B");
}

TEST(KRTableDefs, AliasesThatWouldNotReadBackAreQuoted)
{
    auto P = NewParser(true);
    TKRTableDef *T = AddTable(*P, "t");
    EXPECT_EQ(AddField(*T, "a", fkIdentifier, "Total Sales")->GetScript(), "\"t\".\"a\" AS \"Total Sales\"");
    EXPECT_EQ(AddField(*T, "b", fkIdentifier, "from")->GetScript(), "\"t\".\"b\" AS \"from\"");
    EXPECT_EQ(AddField(*T, "c", fkIdentifier, "count")->GetScript(), "\"t\".\"c\" AS \"count\"");
    EXPECT_EQ(AddField(*T, "d", fkIdentifier, "Total")->GetScript(), "\"t\".\"d\" AS Total");
    EXPECT_EQ(
            AddField(*T, "e", fkIdentifier, "say \"hi\"")->GetScript(), "\"t\".\"e\" AS \"say \"\"hi\"\"\"");
    // Without quoting only what would not read back is quoted.
    P->Scanner()->SetQuoteIdentifiers(false);
    EXPECT_EQ(T->FieldDefs()->Items(0)->GetScript(), "t.a AS \"Total Sales\"");
    EXPECT_EQ(T->FieldDefs()->Items(3)->GetScript(), "t.d AS Total");
}

TEST(KRTableDefs, ParadoxFileNamesAreQuotedWhole)
{
    auto P = NewParser(true);
    TKRTableDef *T = AddTable(*P, "customer.DB");
    EXPECT_EQ(T->GetEntryScript(), "  \"customer.DB\"");
    T->SetName("\"orders.db\"");
    EXPECT_EQ(T->GetEntryScript(), "  \"orders.db\"");
    T->SetName("my \"x\".db");
    EXPECT_EQ(T->GetEntryScript(), "  \"my \"\"x\"\".db\"");
    P->Scanner()->SetQuoteIdentifiers(false);
    T->SetName("customer.DB");
    EXPECT_EQ(T->GetEntryScript(), "  customer.DB");
}

TEST(KRTableDefs, NamePartsHoldingADotStayOnePart)
{
    auto P = NewParser(true);
    TKRTableDef *T = AddTable(*P, "t");
    EXPECT_EQ(AddField(*T, "a.b")->GetScript(), "\"t\".\"a.b\"");
    P->Scanner()->SetQuoteIdentifiers(false);
    EXPECT_EQ(T->FieldDefs()->Items(0)->GetScript(), "t.\"a.b\"");
}

TEST(KRTableDefs, KeywordCaseAppliesToKeywordsButNeverToNames)
{
    auto P = NewParser();
    P->ScriptFormat()->SetKeywordsFormat(qfmLowerCase);
    TKRTableDef *T = AddTable(*P, "Orders", "O");
    AddField(*T, "Total", fkIdentifier, "Sum1");
    EXPECT_EQ(P->GetExpression(), "select \r\n  O.Total as Sum1\r\nfrom\r\n  Orders O\r\n");
    P->ScriptFormat()->SetKeywordsFormat(qfmFirstUpper);
    EXPECT_EQ(P->GetExpression(), "Select \r\n  O.Total As Sum1\r\nFrom\r\n  Orders O\r\n");
}

TEST(KRTableDefs, SelectIndexStaysGaplessWhenFieldsAndTablesGo)
{
    auto P = NewParser();
    TKRTableDef *A = AddTable(*P, "a");
    TKRTableDef *B = AddTable(*P, "b");
    AddField(*A, "a1");
    TKRFieldDef *B1 = AddField(*B, "b1");
    AddField(*A, "a2");
    AddField(*B, "b2");
    delete B1;
    EXPECT_EQ(P->TableDefs()->GetScript(), "\r\n  a.a1,\r\n  a.a2,\r\n  b.b2\r\nFROM\r\n  a,\r\n  b\r\n");
    P->TableDefs()->Delete(0);
    ASSERT_EQ(P->TableDefs()->GetFieldCount(), 1);
    EXPECT_EQ(P->TableDefs()->FieldDefs(0)->Name(), "b2");
}

TEST(KRTableDefs, WritersSkipABrokenNumbering)
{
    auto P = NewParser();
    TKRTableDef *T = AddTable(*P, "t");
    AddField(*T, "a");
    AddField(*T, "b")->SetSelectIndex(7);
    EXPECT_EQ(P->GetExpression(), "SELECT \r\n  t.a\r\nFROM\r\n  t\r\n");
}

TEST(KRTableDefs, RemovingATableTakesItsOrderByEntriesAndTheJoinsIntoIt)
{
    auto P = NewParser();
    TKRTableDef *A = AddTable(*P, "a");
    TKRTableDef *B = AddTable(*P, "b");
    TKRTableDef *C = AddTable(*P, "c");
    AddField(*B, "id");
    AddJoin(*A, "id", "b", "id");
    // A join to a field that is no output column stays: the diagram still shows it.
    AddJoin(*A, "x", "c", "not_an_output_column");
    P->OrderByItems()->Add("b.id");
    P->OrderByItems()->Add("bb.id");
    P->OrderByItems()->Add("a.x");
    P->OrderByItems()->Add("B.id");
    delete B;
    EXPECT_EQ(P->OrderByItems()->CommaText(), "bb.id,a.x,B.id");
    ASSERT_EQ(A->JoinDefs()->Count(), 1);
    EXPECT_EQ(A->JoinDefs()->Items(0)->JoinTable(), "c");
    delete C;
    EXPECT_EQ(A->JoinDefs()->Count(), 0);
}

TEST(KRTableDefs, TableAliasFollowsItsNameUntilSetApart)
{
    auto P = NewParser();
    TKRTableDef *T = AddTable(*P, "orders");
    EXPECT_EQ(T->Alias(), "orders");
    T->SetName("customers");
    EXPECT_EQ(T->Alias(), "customers");
    T->SetAlias("c");
    T->SetName("people");
    EXPECT_EQ(T->Alias(), "c");
    EXPECT_EQ(P->TableDefs()->FindByAlias("c"), T);
    EXPECT_EQ(P->TableDefs()->FindByName("people"), T);
    EXPECT_EQ(P->TableDefs()->FindByName("People"), nullptr);
}

TEST(KRTableDefs, AssignCopiesNameAliasAndFieldsButNotJoinsOrType)
{
    auto P = NewParser();
    TKRTableDef *Source = AddTable(*P, "p", "x");
    Source->SetTableType(qttStoredProc);
    AddField(*Source, "a", fkIdentifier, "aa");
    AddJoin(*Source, "a", "x", "a");
    auto Q = NewParser();
    TKRTableDef *Copy = Q->TableDefs()->Add();
    Copy->Assign(Source);
    EXPECT_EQ(Copy->Name(), "p");
    EXPECT_EQ(Copy->Alias(), "x");
    EXPECT_EQ(Copy->TableType(), qttTable);
    EXPECT_EQ(Copy->JoinDefs()->Count(), 0);
    ASSERT_EQ(Copy->FieldDefs()->Count(), 1);
    EXPECT_EQ(Copy->FieldDefs()->Items(0)->Alias(), "aa");
    // The copied items belong to the parser of the list they are in, not to the source's.
    EXPECT_EQ(Copy->Parser(), Q.get());
    P.reset();
    EXPECT_EQ(Q->GetExpression(), "SELECT \r\n  x.a AS aa\r\nFROM\r\n  p x\r\n");
}

TEST(KRTableDefs, CopyingAWholeTableListKeepsItsFieldsAndOwnership)
{
    auto P = NewParser();
    AddField(*AddTable(*P, "t1", "t"), "a");
    AddField(*AddTable(*P, "t2"), "b");
    auto Q = NewParser();
    Q->SetTableDefs(P->TableDefs());
    Q->SetTableDefs(Q->TableDefs());
    P.reset();
    EXPECT_EQ(Q->GetExpression(), "SELECT \r\n  t.a,\r\n  t2.b\r\nFROM\r\n  t1 t,\r\n  t2\r\n");
}
