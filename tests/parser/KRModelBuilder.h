// Small builders for query models, so that a test reads like the statement it stands for.
#pragma once

#include "KRModelTestSupport.h"

#include <memory>
#include <string>
#include <vector>

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
