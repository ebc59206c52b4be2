// What the test files share: model builders, a parser of each dialect, the outcome of reading a
// text, and text helpers for statements and failure messages.
#pragma once

#include "dialects/KRDialects.h"
#include "parser/KRSelectParser.h"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace korvan::test {

//! A parser whose names come out unquoted, so expected texts stay readable.
inline std::unique_ptr<TKRSelectParser> NewParser(bool QuoteIdentifiers = false)
{
    auto Parser = Construct<TKRSelectParser>();
    Parser->Scanner()->SetQuoteIdentifiers(QuoteIdentifiers);
    return Parser;
}

inline TKRTableDef *AddTable(TKRSelectParser &Parser, const std::string &Name, const std::string &Alias = "")
{
    TKRTableDef *Table = Parser.TableDefs()->Add();
    Table->SetName(Name);
    if (!Alias.empty())
        Table->SetAlias(Alias);
    return Table;
}

inline TKRFieldDef *AddField(TKRTableDef &Table, const std::string &Name, TKRFunctionKind Kind = fkIdentifier,
        const std::string &Alias = "")
{
    TKRFieldDef *Field = Table.FieldDefs()->Add();
    Field->SetName(Name);
    Field->SetKind(Kind);
    if (!Alias.empty())
        Field->SetAlias(Alias);
    return Field;
}

inline TKRFunctionDef *AddArgument(TKRFunctionDef &Node, const std::string &Name, TKRFunctionKind Kind)
{
    TKRFunctionDef *Argument = Node.Arguments()->Add();
    Argument->SetName(Name);
    Argument->SetKind(Kind);
    return Argument;
}

inline TKRJoinDef *AddJoin(TKRTableDef &From, const std::string &Field, const std::string &JoinTable,
        const std::string &JoinField, TKRJoinKind Kind = krjInnerJoin)
{
    TKRJoinDef *Join = From.JoinDefs()->Add();
    Join->SetFieldName(Field);
    Join->SetJoinTable(JoinTable);
    Join->SetJoinFieldName(JoinField);
    Join->SetJoinKind(Kind);
    return Join;
}

} // namespace korvan::test

namespace korvan::test {

//! Text repeated Count times.
inline std::string Repeat(const std::string &Text, std::size_t Count)
{
    std::string Result;
    Result.reserve(Text.size() * Count);
    for (std::size_t I = 0; I < Count; ++I)
        Result += Text;
    return Result;
}

//! What reading one text gave: the statement written back, or the error raised.
struct TReadOutcome
{
    bool Parsed = false;
    std::string Text;
    int Code = 0;
    std::string Message;
    std::string Token;
    int Line = 0;
    int Pos = 0;
};

//! Reads Sql with P. Anything but EKRParserError escapes and fails the test that called it.
inline TReadOutcome Read(TKRSelectParser &P, const std::string &Sql)
{
    TReadOutcome Result;
    try {
        P.SetExpression(Sql);
        Result.Parsed = true;
        Result.Text = P.GetExpression();
    } catch (const EKRParserError &E) {
        Result.Code = E.ErrorCode();
        Result.Message = E.Message();
        Result.Token = E.Token();
        Result.Line = E.LineNo();
        Result.Pos = E.LinePos();
    }
    return Result;
}

//! The message of the error that reading Sql raises; empty when it is read.
inline std::string ErrorOf(TKRSelectParser &P, const std::string &Sql)
{
    return Read(P, Sql).Message;
}

//! A statement as failure messages show it: one line, CR LF as "\n", a tab as "\t".
inline std::string Visible(const std::string &Text)
{
    std::string Result;
    for (std::size_t I = 0; I < Text.size(); ++I) {
        if (Text[I] == '\r' && I + 1 < Text.size() && Text[I + 1] == '\n') {
            Result += "\\n";
            ++I;
        } else if (Text[I] == '\t')
            Result += "\\t";
        else
            Result += Text[I];
    }
    return Result;
}

//! A data file's escapes undone: "\n" is a CR LF line break, "\t" a tab, "\\" a backslash.
inline std::string Unescape(const std::string &Text)
{
    std::string Result;
    for (std::size_t I = 0; I < Text.size(); ++I) {
        if (Text[I] != '\\' || I + 1 == Text.size()) {
            Result += Text[I];
            continue;
        }
        const char Next = Text[++I];
        if (Next == 'n')
            Result += "\r\n";
        else if (Next == 't')
            Result += '\t';
        else
            Result += Next;
    }
    return Result;
}

} // namespace korvan::test

namespace korvan::builder {

using test::NewParser;

inline TKRTableDef &AddTable(TKRSelectParser &P, const std::string &Name, const std::string &Alias = {})
{
    return *test::AddTable(P, Name, Alias);
}

//! Turns Node into Function(Argument); an argument "*" is the COUNT(*) form.
inline void MakeCall(TKRFunctionDef &Node, const std::string &Function, const std::string &Argument)
{
    Node.SetName(Function);
    Node.SetKind(fkFunction);
    TKRFunctionDef *A = Node.Arguments()->Add();
    A->SetName(Argument);
    A->SetKind(Argument == "*" ? fkUnknown : fkIdentifier);
}

inline TKRFieldDef &AddColumn(TKRTableDef &T, const std::string &Name)
{
    TKRFieldDef *F = T.FieldDefs()->Add();
    F->SetName(Name);
    F->SetKind(fkIdentifier);
    return *F;
}

inline TKRFieldDef &AddCall(
        TKRTableDef &T, const std::string &Function, const std::string &Argument, const std::string &Alias)
{
    TKRFieldDef *F = T.FieldDefs()->Add();
    MakeCall(*F, Function, Argument);
    F->SetAlias(Alias);
    return *F;
}

//! Left Operator Operands...; operands are numbers, written as stored.
inline TKRCriterion &AddCondition(TKRCriterions &List, const std::string &Left, const std::string &Operator,
        const std::vector<std::string> &Operands = {})
{
    TKRCriterion *C = List.Add();
    C->LeftSide()->SetName(Left);
    C->LeftSide()->SetKind(fkIdentifier);
    C->SetOperator(Operator);
    for (const std::string &Operand : Operands) {
        TKRFunctionDef *R = C->RightSide()->Add();
        R->SetName(Operand);
        R->SetKind(fkInteger);
    }
    return *C;
}

//! A group criterion in List; conditions go into the returned list.
inline TKRCriterions &AddGroup(TKRCriterions &List, TKRCriterionFilter Filter)
{
    TKRCriterions *Sub = List.Add()->SubItems();
    Sub->SetFilter(Filter);
    return *Sub;
}

} // namespace korvan::builder
