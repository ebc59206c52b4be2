#include "KRJsonWriter.h"

#include "dialects/KRDialects.h"
#include "dialects/KRIBSelectParser.h"
#include "dialects/KRMySelectParser.h"
#include "framework/KREdgeText.h"

#include <cstdio>

namespace korvan {

void TKRJsonWriter::BeginValue()
{
    if (FAfterKey) {
        FAfterKey = false;
        return;
    }
    if (FLevels.empty())
        return;
    if (FLevels.back()++ > 0)
        FText += ',';
    NewLine();
}

void TKRJsonWriter::NewLine()
{
    FText += '\n';
    FText.append(2 * FLevels.size(), ' ');
}

void TKRJsonWriter::Open(char Bracket)
{
    BeginValue();
    FText += Bracket;
    FLevels.push_back(0);
}

void TKRJsonWriter::Close(char Bracket)
{
    const bool Empty = FLevels.back() == 0;
    FLevels.pop_back();
    if (!Empty)
        NewLine();
    FText += Bracket;
    if (FLevels.empty())
        FText += '\n';
}

void TKRJsonWriter::BeginObject()
{
    Open('{');
}

void TKRJsonWriter::EndObject()
{
    Close('}');
}

void TKRJsonWriter::BeginArray()
{
    Open('[');
}

void TKRJsonWriter::EndArray()
{
    Close(']');
}

void TKRJsonWriter::Key(std::string_view Name)
{
    BeginValue();
    AppendQuoted(Name);
    FText += ": ";
    FAfterKey = true;
}

void TKRJsonWriter::String(std::string_view Value)
{
    BeginValue();
    AppendQuoted(Value);
}

namespace {

void AppendEscape(std::string &Text, unsigned char Byte)
{
    char Escape[8];
    std::snprintf(Escape, sizeof Escape, "\\u%04x", static_cast<unsigned>(Byte));
    Text += Escape;
}

} // namespace

// JSON text must be UTF-8, and strict readers refuse anything else. A byte that is no part of a
// well-formed sequence is written as the escape of the Latin-1 character of its value (0xFF as
// \u00ff), the same way whatever the bytes around it, so the document stays valid and each such
// byte can still be told from the others.
void TKRJsonWriter::AppendQuoted(std::string_view Value)
{
    FText += '"';
    for (std::size_t I = 0; I < Value.size();) {
        const auto Byte = static_cast<unsigned char>(Value[I]);
        const std::size_t Length = Byte < 0x80 ? 1 : Utf8SequenceLength(Value, I);
        if (Byte == '"' || Byte == '\\') {
            FText += '\\';
            FText += Value[I];
        } else if (Byte < 0x20 || Length == 0) {
            AppendEscape(FText, Byte);
        } else {
            FText.append(Value.substr(I, Length));
        }
        I += Length > 0 ? Length : 1;
    }
    FText += '"';
}

void TKRJsonWriter::Number(int Value)
{
    BeginValue();
    FText += std::to_string(Value);
}

void TKRJsonWriter::Boolean(bool Value)
{
    BeginValue();
    FText += Value ? "true" : "false";
}

void TKRJsonWriter::Null()
{
    BeginValue();
    FText += "null";
}

// The model part. Nodes and criterion groups nest at most as deep as the scanner lets parentheses
// nest (TKRSQLScanner::MaxLevel), plus the groups that NOT and AND-before-OR add, so writing them
// recursively cannot exhaust the stack.
namespace {

const char *KindName(TKRFunctionKind Kind)
{
    switch (Kind) {
    case fkFunction:
        return "function";
    case fkIdentifier:
        return "identifier";
    case fkInteger:
        return "integer";
    case fkFloat:
        return "float";
    case fkString:
        return "string";
    case fkExpression:
        return "expression";
    case fkUnknown:
        break;
    }
    return "unknown";
}

const char *ParamTypeName(TParamType Type)
{
    switch (Type) {
    case ptInput:
        return "input";
    case ptOutput:
        return "output";
    case ptInputOutput:
        return "inputOutput";
    case ptResult:
        return "result";
    case ptUnknown:
        break;
    }
    return "unknown";
}

const char *JoinKindName(TKRJoinKind Kind)
{
    switch (Kind) {
    case krjLOuterJoin:
        return "left";
    case krjROuterJoin:
        return "right";
    case krjFOuterJoin:
        return "full";
    case krjInnerJoin:
        break;
    }
    return "inner";
}

const char *FilterName(TKRCriterionFilter Filter)
{
    switch (Filter) {
    case cfAny:
        return "any";
    case cfNone:
        return "none";
    case cfNotAll:
        return "notAll";
    case cfAll:
        break;
    }
    return "all";
}

void WriteNodes(TKRJsonWriter &Json, const TKRFunctionDefs &Nodes);

//! What only some nodes have: DISTINCT or ALL before a call's arguments, and a column written
//! without its table's qualifier.
void WriteNodeMarks(TKRJsonWriter &Json, const TKRFunctionDef &Node)
{
    if (!Node.Quantifier().empty()) {
        Json.Key("quantifier");
        Json.String(Node.Quantifier());
    }
    if (Node.Unqualified()) {
        Json.Key("unqualified");
        Json.Boolean(true);
    }
}

void WriteNode(TKRJsonWriter &Json, const TKRFunctionDef &Node)
{
    Json.BeginObject();
    Json.Key("name");
    Json.String(Node.Name());
    Json.Key("kind");
    Json.String(KindName(Node.Kind()));
    WriteNodeMarks(Json, Node);
    Json.Key("arguments");
    WriteNodes(Json, *Node.Arguments());
    Json.EndObject();
}

void WriteNodes(TKRJsonWriter &Json, const TKRFunctionDefs &Nodes)
{
    Json.BeginArray();
    for (int I = 0; I < Nodes.Count(); ++I)
        WriteNode(Json, *Nodes.Items(I));
    Json.EndArray();
}

void WriteField(TKRJsonWriter &Json, const TKRFieldDef &Field)
{
    Json.BeginObject();
    Json.Key("name");
    Json.String(Field.Name());
    Json.Key("kind");
    Json.String(KindName(Field.Kind()));
    Json.Key("alias");
    Json.String(Field.Alias());
    Json.Key("selectIndex");
    Json.Number(Field.SelectIndex());
    Json.Key("paramType");
    Json.String(ParamTypeName(Field.ParamType()));
    WriteNodeMarks(Json, Field);
    Json.Key("arguments");
    WriteNodes(Json, *Field.Arguments());
    Json.EndObject();
}

void WriteJoin(TKRJsonWriter &Json, const TKRJoinDef &Join)
{
    Json.BeginObject();
    Json.Key("field");
    Json.String(Join.FieldName());
    Json.Key("joinTable");
    Json.String(Join.JoinTable());
    Json.Key("joinField");
    Json.String(Join.JoinFieldName());
    Json.Key("operation");
    Json.String(Join.Operation());
    Json.Key("kind");
    Json.String(JoinKindName(Join.JoinKind()));
    Json.EndObject();
}

void WriteTable(TKRJsonWriter &Json, const TKRTableDef &Table)
{
    Json.BeginObject();
    Json.Key("name");
    Json.String(Table.Name());
    Json.Key("alias");
    Json.String(Table.Alias());
    Json.Key("type");
    Json.String(Table.TableType() == qttStoredProc ? "storedproc" : "table");
    if (Table.EmptyCall()) {
        Json.Key("emptyCall");
        Json.Boolean(true);
    }
    Json.Key("fields");
    Json.BeginArray();
    for (int I = 0; I < Table.FieldDefs()->Count(); ++I)
        WriteField(Json, *Table.FieldDefs()->Items(I));
    Json.EndArray();
    Json.Key("joins");
    Json.BeginArray();
    for (int I = 0; I < Table.JoinDefs()->Count(); ++I)
        WriteJoin(Json, *Table.JoinDefs()->Items(I));
    Json.EndArray();
    Json.EndObject();
}

void WriteCriteria(TKRJsonWriter &Json, const TKRCriterions &List);

void WriteCriterion(TKRJsonWriter &Json, const TKRCriterion &Item)
{
    Json.BeginObject();
    Json.Key("operator");
    Json.String(Item.Operator());
    Json.Key("left");
    WriteNode(Json, *Item.LeftSide());
    Json.Key("right");
    WriteNodes(Json, *Item.RightSide());
    Json.Key("group");
    if (Item.SubItems()->Count() == 0)
        Json.Null();
    else
        WriteCriteria(Json, *Item.SubItems());
    Json.EndObject();
}

void WriteCriteria(TKRJsonWriter &Json, const TKRCriterions &List)
{
    Json.BeginObject();
    Json.Key("filter");
    Json.String(FilterName(List.Filter()));
    Json.Key("items");
    Json.BeginArray();
    for (int I = 0; I < List.Count(); ++I)
        WriteCriterion(Json, *List.Items(I));
    Json.EndArray();
    Json.EndObject();
}

void WriteStrings(TKRJsonWriter &Json, const TStrings &List)
{
    Json.BeginArray();
    for (int I = 0; I < List.Count(); ++I)
        Json.String(List.Strings(I));
    Json.EndArray();
}

void WriteOrderBy(TKRJsonWriter &Json, const TKROrderByItems &List)
{
    Json.BeginArray();
    for (int I = 0; I < List.Count(); ++I) {
        Json.BeginObject();
        Json.Key("expression");
        Json.String(List.Strings(I));
        Json.Key("direction");
        Json.String(List.Orders(I) == okDesc ? "desc" : "asc");
        if (List.IsExpression(I)) {
            Json.Key("asWritten");
            Json.Boolean(true);
        }
        Json.EndObject();
    }
    Json.EndArray();
}

const char *SelectOptionName(TKRMySQLSelectOption Option)
{
    switch (Option) {
    case mysoStraightJoin:
        return "STRAIGHT_JOIN";
    case mysoSQLSmallResult:
        return "SQL_SMALL_RESULT";
    case mysoSQLBigResult:
        return "SQL_BIG_RESULT";
    case mysoSQLBufferResult:
        return "SQL_BUFFER_RESULT";
    case mysoHighPriority:
        return "HIGH_PRIORITY";
    }
    return "";
}

void WriteMySQLOptions(TKRJsonWriter &Json, const TKRMySQLOptions &Options)
{
    static const char *const Filters[] = { "none", "distinct", "distinctrow", "all" };
    Json.BeginObject();
    Json.Key("selectOptions");
    Json.BeginArray();
    for (const TKRMySQLSelectOption Option :
            { mysoStraightJoin, mysoSQLSmallResult, mysoSQLBigResult, mysoSQLBufferResult, mysoHighPriority })
        if (Options.SelectOptions().Contains(Option))
            Json.String(SelectOptionName(Option));
    Json.EndArray();
    Json.Key("filter");
    Json.String(Filters[Options.Filter()]);
    Json.Key("limitOffset");
    Json.Number(Options.LimitOffset());
    Json.Key("limitRows");
    Json.Number(Options.LimitRows());
    Json.EndObject();
}

void WriteIBOptions(TKRJsonWriter &Json, const TKRIBSelectParser &Parser, int SQLDialect)
{
    Json.BeginObject();
    Json.Key("sqlDialect");
    Json.Number(SQLDialect);
    Json.Key("first");
    Json.Number(Parser.FBOptions()->First());
    Json.Key("skip");
    Json.Number(Parser.FBOptions()->Skip());
    Json.Key("rowsFrom");
    Json.Number(Parser.IBOptions()->RowsFrom());
    Json.Key("rowsTo");
    Json.Number(Parser.IBOptions()->RowsTo());
    Json.Key("rowsBy");
    Json.Number(Parser.IBOptions()->RowsBy());
    Json.Key("percent");
    Json.Boolean(Parser.IBOptions()->Percent());
    Json.Key("withTies");
    Json.Boolean(Parser.IBOptions()->Ties());
    Json.EndObject();
}

//! The dialect's own clauses: FIRST/SKIP and ROWS, or the MySQL options, filter and LIMIT. The
//! clauses are held by the parser classes; the dialect list tells the SQL dialect.
void WriteDialectOptions(TKRJsonWriter &Json, const TKRSelectParser &Parser, const TKRDialectOptions &Options)
{
    if (const auto *InterBase = dynamic_cast<const TKRIBSelectParser *>(&Parser))
        WriteIBOptions(Json, *InterBase, Options.SQLDialect.value_or(3));
    else if (const auto *MySQL = dynamic_cast<const TKRMySelectParser *>(&Parser))
        WriteMySQLOptions(Json, *MySQL->MySQLOptions());
    else
        Json.Null();
}

} // namespace

std::string ModelToJson(TKRSelectParser &Parser)
{
    TKRJsonWriter Json;
    WriteModel(Json, Parser);
    return Json.Text();
}

void WriteModel(TKRJsonWriter &Json, TKRSelectParser &Parser)
{
    const TKRParserDialect Dialect = DialectOf(Parser);

    // The generator derives GROUP BY from the select list while it writes the statement, so derive
    // it here the same way, or it would read empty.
    Parser.GroupByItems()->Rebuild();

    Json.BeginObject();
    Json.Key("dialect");
    if (Dialect.Dialect != nullptr)
        Json.String(Dialect.Dialect->Name);
    else
        Json.Null();
    Json.Key("distinct");
    Json.Boolean(Parser.Distinct());
    Json.Key("options");
    WriteDialectOptions(Json, Parser, Dialect.Options);
    Json.Key("tables");
    Json.BeginArray();
    for (int I = 0; I < Parser.TableDefs()->Count(); ++I)
        WriteTable(Json, *Parser.TableDefs()->Items(I));
    Json.EndArray();
    Json.Key("where");
    WriteCriteria(Json, *Parser.WhereItems());
    Json.Key("groupBy");
    WriteStrings(Json, *Parser.GroupByItems());
    // The statement's own entries beyond the derived ones, as they are written.
    const std::vector<std::string> Kept = Parser.GroupByItems()->KeptScripts();
    if (!Kept.empty()) {
        Json.Key("groupByKept");
        Json.BeginArray();
        for (const std::string &Item : Kept)
            Json.String(Item);
        Json.EndArray();
    }
    Json.Key("having");
    WriteCriteria(Json, *Parser.HavingItems());
    Json.Key("orderBy");
    WriteOrderBy(Json, *Parser.OrderByItems());
    Json.EndObject();
}

} // namespace korvan
