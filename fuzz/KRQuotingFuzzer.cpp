// The quoting property: names, aliases and string values of arbitrary bytes, put into a model
// through the API, are written as SQL that the same dialect reads back into the same names and
// values. Nothing may break out of its quotes.
//
// What the model's own notation reserves is left out of the names: the dots of a table's name or
// alias separate parts (schema.table; a dotted alias is held in its quotes), and a name that starts and ends with the identifier quote is taken as
// quoted already (the generic dialect takes single quotes for that too). A string value that starts and ends with a quote is held with one more pair of
// single quotes, as the parser stores it. MySQL holds string values in its escape notation, so
// there a value is a well-formed notation: no lone backslash at its end.
#include "KRFuzzSupport.h"
#include "dialects/KRMySQLScanner.h"
#include "framework/KRText.h"
#include "parser/KRCriterions.h"

#include <cstddef>
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>
#include <span>
#include <string>

using namespace korvan;
using namespace korvan::fuzz;

namespace {

constexpr std::size_t MaxPart = 64;

std::string Name(FuzzedDataProvider &Input, const TKRSQLScanner &Scanner, bool Dots)
{
    std::string Result = Input.ConsumeRandomLengthString(MaxPart);
    if (!Dots)
        std::erase(Result, '.');
    while (Result.size() > 1 && Scanner.IsIdentQuote(Result.front()) && Result.front() == Result.back())
        Result.erase(0, 1);
    // The placeholder of a condition's part not yet filled in is not written.
    return Result.empty() || Result == CriterionPlaceholder ? "n" : Result;
}

//! A string value in the model's notation; Escapes for MySQL's backslash notation.
std::string Value(FuzzedDataProvider &Input, bool Escapes)
{
    std::string Result = Input.ConsumeRandomLengthString(MaxPart);
    if (Escapes) {
        std::size_t Backslashes = 0;
        while (Backslashes < Result.size() && Result[Result.size() - 1 - Backslashes] == '\\')
            ++Backslashes;
        if (Backslashes % 2 == 1)
            Result += '\\';
    }
    const auto IsQuote = [](char C) { return C == '\'' || C == '"'; };
    if (Result.size() >= 2 && IsQuote(Result.front()) && IsQuote(Result.back()))
        Result = "'" + Result + "'";
    return Result;
}

//! The names and values the property follows through one round.
struct TNames
{
    std::string Table, TableAlias, Field, FieldAlias, Other, Literal;
    std::string Procedure, ProcedureAlias, Param, Output;
};

std::string Effective(const std::string &Alias, const std::string &Name)
{
    return Alias.empty() ? Name : Alias;
}

//! The first condition of a WHERE tree, however the reader grouped it.
const TKRCriterion *FirstCondition(const TKRCriterions &List)
{
    for (int I = 0; I < List.Count(); ++I) {
        const TKRCriterion *Item = List.Items(I);
        if (Item->SubItems()->Count() > 0) {
            if (const TKRCriterion *Inner = FirstCondition(*Item->SubItems()))
                return Inner;
        } else if (!Item->LeftSide()->Name().empty())
            return Item;
    }
    return nullptr;
}

void Build(TKRSelectParser &Parser, const TNames &N)
{
    TKRTableDef *Table = Parser.TableDefs()->Add();
    Table->SetName(N.Table);
    Table->SetAlias(N.TableAlias);
    TKRFieldDef *Field = Table->FieldDefs()->Add();
    Field->SetName(N.Field);
    Field->SetKind(fkIdentifier);
    Field->SetAlias(N.FieldAlias);
    TKRFieldDef *Other = Table->FieldDefs()->Add();
    Other->SetName(N.Other);
    Other->SetKind(fkIdentifier);

    TKRTableDef *Procedure = Parser.TableDefs()->Add();
    Procedure->SetName(N.Procedure);
    Procedure->SetAlias(N.ProcedureAlias);
    Procedure->SetTableType(qttStoredProc);
    TKRFieldDef *Param = Procedure->FieldDefs()->Add();
    Param->SetName(N.Param);
    Param->SetKind(fkString);
    Param->SetParamType(ptInput);
    TKRFieldDef *Output = Procedure->FieldDefs()->Add();
    Output->SetName(N.Output);
    Output->SetKind(fkIdentifier);

    TKRCriterion *Condition = Parser.WhereItems()->Add();
    Condition->LeftSide()->SetName(N.Other);
    Condition->LeftSide()->SetKind(fkIdentifier);
    Condition->SetOperator("=");
    TKRFunctionDef *Literal = Condition->RightSide()->Add();
    Literal->SetName(N.Literal);
    Literal->SetKind(fkString);
}

void Expect(const char *What, const std::string &Wanted, const std::string &Got, const std::string &Sql)
{
    if (Wanted != Got)
        Fail(std::string("the ") + What + " did not come back",
                "wanted: \"" + Printable(Wanted) + "\"\ngot:    \"" + Printable(Got) + "\"\nSQL:    \""
                        + Printable(Sql) + "\"");
}

void Check(const TKRDialect &Dialect, const TNames &N)
{
    auto Writer = NewParser(Dialect, true);
    Build(*Writer, N);
    const std::string Sql = Writer->GetExpression();
    auto Reader = NewParser(Dialect, true);
    try {
        Reader->SetExpression(Sql);
    } catch (const EKRParserError &Error) {
        Fail("the written SQL is not read back in mode " + std::string(Dialect.Name),
                "SQL: \"" + Printable(Sql) + "\"\nerror: " + Error.Message());
    }
    const TKRTableDefs &Tables = *Reader->TableDefs();
    if (Tables.Count() != 2 || Tables.Items(0)->FieldDefs()->Count() != 2
            || Tables.Items(1)->FieldDefs()->Count() != 2)
        Fail("the written SQL reads into another shape", "SQL: \"" + Printable(Sql) + "\"");
    const TKRTableDef &Table = *Tables.Items(0);
    Expect("table name", N.Table, Table.Name(), Sql);
    Expect("table alias", Effective(N.TableAlias, N.Table), Effective(Table.Alias(), Table.Name()), Sql);
    Expect("field name", N.Field, Table.FieldDefs()->Items(0)->Name(), Sql);
    Expect("field alias", Effective(N.FieldAlias, N.Field),
            Effective(Table.FieldDefs()->Items(0)->Alias(), Table.FieldDefs()->Items(0)->Name()), Sql);
    Expect("second field name", N.Other, Table.FieldDefs()->Items(1)->Name(), Sql);

    const TKRTableDef &Procedure = *Tables.Items(1);
    Expect("procedure name", N.Procedure, Procedure.Name(), Sql);
    Expect("procedure alias", Effective(N.ProcedureAlias, N.Procedure),
            Effective(Procedure.Alias(), Procedure.Name()), Sql);
    // The reader meets the procedure's field in the SELECT list before its parameter in FROM.
    const TKRFieldDefs &ProcedureFields = *Procedure.FieldDefs();
    const int ParamIndex = ProcedureFields.Items(0)->IsInputParam() ? 0 : 1;
    Expect("parameter value", N.Param, ProcedureFields.Items(ParamIndex)->Name(), Sql);
    Expect("procedure field", N.Output, ProcedureFields.Items(1 - ParamIndex)->Name(), Sql);

    const TKRCriterion *Condition = FirstCondition(*Reader->WhereItems());
    if (Condition == nullptr || Condition->RightSide()->Count() != 1)
        Fail("the condition did not come back", "SQL: \"" + Printable(Sql) + "\"");
    Expect("string value", N.Literal, Condition->RightSide()->Items(0)->Name(), Sql);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *Data, std::size_t Size)
{
    FuzzedDataProvider Input(Data, Size);
    // Every dialect can quote a name: InterBase and Firebird in SQL dialect 3, the others with
    // quoting on.
    const std::span<const TKRDialect> List = Dialects();
    const TKRDialect &Dialect = List[Input.ConsumeIntegralInRange<std::size_t>(0, List.size() - 1)];
    const auto Probe = NewParser(Dialect, true);
    const TKRSQLScanner &Quote = *Probe->Scanner();
    const bool Escapes = dynamic_cast<const TKRMySQLScanner *>(&Quote) != nullptr;
    TNames N;
    N.Table = Name(Input, Quote, false);
    N.TableAlias = Input.ConsumeBool() ? Name(Input, Quote, false) : "";
    N.Field = Name(Input, Quote, true);
    N.FieldAlias = Input.ConsumeBool() ? Name(Input, Quote, true) : "";
    N.Other = Name(Input, Quote, false);
    N.Literal = Value(Input, Escapes);
    N.Procedure = Name(Input, Quote, false);
    N.ProcedureAlias = Name(Input, Quote, false);
    N.Param = Value(Input, Escapes);
    N.Output = Name(Input, Quote, true);
    // A FROM clause names each table once (in any letter case): that rule is not the one under test.
    if (CompareText(Effective(N.ProcedureAlias, N.Procedure), Effective(N.TableAlias, N.Table)) == 0)
        N.ProcedureAlias = Effective(N.TableAlias, N.Table) + "2";
    Check(Dialect, N);
    return 0;
}
