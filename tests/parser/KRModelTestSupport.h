// Small builders for query models written in tests.
#pragma once

#include "parser/KRSelectParser.h"

#include <memory>
#include <string>

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
