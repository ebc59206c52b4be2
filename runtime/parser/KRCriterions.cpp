#include "parser/KRCriterions.h"

#include "parser/KRSelectParser.h"
#include "resources/KRResource.h"

#include <vector>

namespace korvan {

namespace {

//! A node that writes nothing a condition can stand on: a blank name without arguments, or a call
//! whose arguments are all blank (an aggregate around a blank).
bool IsBlankNode(const TKRFunctionDef &Node)
{
    // A string literal is a value even when empty or blank: x = '' is a condition.
    if (Node.Kind() == fkString)
        return false;
    // Empty, or the placeholder of a part not filled in; any other name, even of blanks or control
    // characters, is one the statement can quote.
    if (Node.Arguments()->Count() == 0)
        return Node.Name().empty() || Node.Name() == CriterionPlaceholder;
    for (int I = 0; I < Node.Arguments()->Count(); ++I)
        if (!IsBlankNode(*Node.Arguments()->Items(I)))
            return false;
    return true;
}

} // namespace

std::string GetFilterAsString(TKRCriterionFilter Filter)
{
    switch (Filter) {
    case cfAll:
        return SFilterAll;
    case cfAny:
        return SFilterAny;
    case cfNone:
        return SFilterNone;
    case cfNotAll:
        return SFilterNotAll;
    }
    return "";
}

TKRCriterion::TKRCriterion(TCollection *Collection)
    : TKRCollectionItem(Collection)
    , FSubItems(std::make_unique<TKRCriterions>(this))
    , FRightSide(std::make_unique<TKRFunctionDefs>(this, &ItemClassOf<TKRFunctionDef>))
    , FLeftSide(std::make_unique<TKRFunctionDef>())
{}

TKRCriterion::~TKRCriterion()
{
    FRightSide.reset();
    FLeftSide.reset();
    FSubItems.reset();
}

void TKRCriterion::SetSubItems(const TKRCriterions *Value)
{
    if (Value != FSubItems.get())
        FSubItems->Assign(Value);
}

void TKRCriterion::SetRightSide(const TKRFunctionDefs *Value)
{
    if (Value != FRightSide.get())
        FRightSide->Assign(Value);
}

void TKRCriterion::SetLeftSide(const TKRFunctionDef *Value)
{
    if (Value != FLeftSide.get())
        FLeftSide->Assign(Value);
}

void TKRCriterion::Assign(const TPersistent *Source)
{
    TKRCollectionItem::Assign(Source);
    if (const auto *Other = dynamic_cast<const TKRCriterion *>(Source)) {
        FLeftSide->Assign(Other->FLeftSide.get());
        FLeftSide->SetParser(FParser);
        FOperator = Other->FOperator;
        FRightSide->Assign(Other->FRightSide.get());
        FSubItems->Assign(Other->FSubItems.get());
    }
}

void TKRCriterion::SetParser(TKRSelectParser *Value)
{
    TKRCollectionItem::SetParser(Value);
    FLeftSide->SetParser(Value);
    FRightSide->SetParser(Value);
    FSubItems->SetParser(Value);
    // A condition kept whole (EXISTS (...)) has no operator, and needs none.
    const bool Whole = FOperator.empty() && FLeftSide->Kind() == fkExpression;
    if (Value != nullptr && Value->Operators()->Count() > 0 && !Whole
            && Value->Operators()->FindByCaption(FOperator) == nullptr)
        FOperator = Value->Operators()->Items(0)->Caption();
}

// Exactly the operator's number of operands is written: a missing one as a blank, extra ones not
// at all. IN carries its list in one right-side node, which writes the parentheses itself.
std::string TKRCriterion::GetScript() const
{
    if (FSubItems->Count() > 0)
        return FSubItems->GetScript();
    std::string Right;
    const auto *List = dynamic_cast<const TKRCriterions *>(Collection());
    if (List != nullptr && List->Parser() != nullptr) {
        if (const TKROperator *Op = List->Parser()->Operators()->FindByCaption(FOperator)) {
            const int Operands = FRightSide->Count();
            for (int I = 0; I < Op->Count(); ++I) {
                Right += I < Operands ? FRightSide->Items(I)->GetScript() : " ";
                // The relate word stands only between two written operands: BETWEEN 1 AND 2.
                if (I < Operands - 1 && I < Op->Count() - 1)
                    Right += " " + ProcessKeyword(Op->Relate()) + " ";
            }
        }
    } else
        Right = FRightSide->GetScript();
    if (FOperator.empty())
        return FLeftSide->GetScript();
    std::string Result = FLeftSide->GetScript() + " " + ProcessKeyword(FOperator);
    return Right.empty() ? Result : Result + " " + Right;
}

bool TKRCriterion::IsComplete() const
{
    if (FSubItems->Count() > 0) {
        for (int I = 0; I < FSubItems->Count(); ++I)
            if (FSubItems->Items(I)->IsComplete())
                return true;
        return false;
    }
    if (IsBlankNode(*FLeftSide))
        return false;
    const auto *List = dynamic_cast<const TKRCriterions *>(Collection());
    if (List == nullptr || List->Parser() == nullptr)
        return true;
    const TKROperator *Op = List->Parser()->Operators()->FindByCaption(FOperator);
    const int Needed = Op ? Op->Count() : 0;
    for (int I = 0; I < Needed; ++I)
        if (I >= FRightSide->Count() || IsBlankNode(*FRightSide->Items(I)))
            return false;
    return true;
}

TKRCriterions::TKRCriterions(TPersistent *Owner, TCollectionItemClass AItemClass)
    : TKRCollection(AItemClass, Owner)
{}

TKRCriterions::~TKRCriterions()
{
    Clear();
}

void TKRCriterions::Assign(const TPersistent *Source)
{
    TKRCollection::Assign(Source);
    if (const auto *Other = dynamic_cast<const TKRCriterions *>(Source))
        FFilter = Other->FFilter;
}

// A condition still being edited (a blank field or operand) is left out, and so is a group with
// nothing left to write: the statement stays one that reads.
std::string TKRCriterions::GetScript() const
{
    std::vector<const TKRCriterion *> Written;
    for (int I = 0; I < Count(); ++I)
        if (Items(I)->IsComplete())
            Written.push_back(Items(I));
    if (Written.empty())
        return "";
    const bool Negated = FFilter == cfNone || FFilter == cfNotAll;
    const std::string Connector = ProcessKeyword(FFilter == cfAll || FFilter == cfNone ? " AND " : " OR ");
    std::string Result;
    for (std::size_t I = 0; I < Written.size(); ++I) {
        if (I > 0)
            Result += "\r\n  ";
        Result += "(" + Written[I]->GetScript() + ")";
        if (I + 1 < Written.size())
            Result += Connector;
    }
    if (Negated)
        Result = ProcessKeyword("NOT") + " (" + Result + ")";
    if (dynamic_cast<const TKRCriterion *>(Owner()) == nullptr)
        Result += "\r\n";
    return Result;
}

std::string TKRWhereItems::GetScript() const
{
    const std::string Text = TKRCriterions::GetScript();
    return Text.empty() ? Text : ProcessKeyword("WHERE") + "\r\n  " + Text;
}

// HAVING is written whenever it has conditions: without a GROUP BY it filters the one group of the
// whole table (SELECT MIN(a) FROM t HAVING MIN(a) = MAX(a) returns no row or one).
std::string TKRHavingItems::GetScript() const
{
    const std::string Text = TKRCriterions::GetScript();
    return Text.empty() ? Text : ProcessKeyword("HAVING") + "\r\n  " + Text;
}

} // namespace korvan
