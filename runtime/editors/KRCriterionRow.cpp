#include "editors/KRCriterionRow.h"

#include "editors/KRCriterionPanel.h"
#include "framework/KRText.h"
#include "parser/KRCriterions.h"
#include "parser/KROperators.h"
#include "parser/KRSelectParser.h"

#include <algorithm>

namespace korvan {

namespace {

constexpr int FirstValue = 5;
constexpr int Gap = 5;

int OperandCount(const TKROperator *Op)
{
    return Op ? std::max(0, Op->Count()) : 0;
}

//! Puts an aggregate around node N, changes it, or takes it off: Old is the aggregate the line
//! had, Value the new one (blank: none).
void ApplyAggregate(TKRFunctionDef &N, const std::string &Old, const std::string &Value)
{
    const bool OldBlank = Trim(Old).empty();
    if (!Trim(Value).empty()) {
        if (OldBlank) {
            TKRFunctionDef Copy;
            Copy.Assign(&N);
            N.Arguments()->Clear();
            N.SetQuantifier("");
            N.Arguments()->Add()->Assign(&Copy);
        }
        N.SetName(Value);
        N.SetKind(fkFunction);
    } else if (!OldBlank) {
        if (N.Arguments()->Count() == 1) {
            TKRFunctionDef Copy;
            Copy.Assign(N.Arguments()->Items(0));
            N.Assign(&Copy);
        } else {
            N.SetName("");
            N.SetKind(fkUnknown);
        }
    }
}

} // namespace

// ---------------------------------------------------------------------------------------------
// TKRControl

TKRControl::TKRControl(TKRCriterionRow *Row, int ControlIndex)
    : FRow(Row)
    , FControlIndex(ControlIndex)
    , FText(CriterionPlaceholder)
{}

void TKRControl::SetText(const std::string &Value)
{
    if (Value.empty()) {
        FText = CriterionPlaceholder;
        return;
    }
    // Only the shown part is copied: a value may be very long.
    if (Value.size() > CriterionDisplayLength)
        FText = Value.substr(0, CriterionDisplayLength) + "...";
    else
        FText = Value;
    std::replace_if(
            FText.begin(), FText.end(), [](char C) { return C == '\r' || C == '\n'; }, ' ');
}

// ---------------------------------------------------------------------------------------------
// TKRCriterionRows

TKRCriterionRows::TKRCriterionRows(TKRCriterionPanel *Panel, TKRCriterionRow *ParentRow)
    : FPanel(Panel)
    , FParentRow(ParentRow)
{}

TKRCriterionRows::~TKRCriterionRows()
{
    Clear();
}

int TKRCriterionRows::IndexOf(const TKRCriterionRow *Row) const
{
    for (std::size_t I = 0; I < FItems.size(); ++I)
        if (FItems[I].get() == Row)
            return static_cast<int>(I);
    return -1;
}

TKRCriterionRow *TKRCriterionRows::Add()
{
    return Insert(Count());
}

TKRCriterionRow *TKRCriterionRows::Insert(int Index)
{
    Index = std::clamp(Index, 0, Count());
    auto *Row = FItems.insert(FItems.begin() + Index, std::make_unique<TKRCriterionRow>(this))->get();
    Row->CreateControls();
    return Row;
}

void TKRCriterionRows::Delete(int Index)
{
    const auto It = FItems.begin() + Index;
    // Freed while still in the collection, so the editor can tell which parts go.
    It->reset();
    FItems.erase(It);
}

void TKRCriterionRows::Clear()
{
    while (!FItems.empty())
        Delete(Count() - 1);
}

void TKRCriterionRows::Assign(const TKRCriterionRows &Source)
{
    if (&Source == this)
        return;
    Clear();
    for (int I = 0; I < Source.Count(); ++I)
        Add()->Assign(*Source.Items(I));
}

// ---------------------------------------------------------------------------------------------
// TKRCriterionRow

TKRCriterionRow::TKRCriterionRow(TKRCriterionRows *Collection)
    : FCollection(Collection)
    , FRows(std::make_unique<TKRCriterionRows>(Collection->Panel(), this))
{
    Init();
}

TKRCriterionRow::~TKRCriterionRow()
{
    FRows.reset();
    RemoveControls();
}

void TKRCriterionRow::Init()
{
    FGroupOperator.clear();
    FAggregateFunc1 = CriterionPlaceholder;
    FField = CriterionPlaceholder;
    FAggregateFunc2 = CriterionPlaceholder;
    const TKROperators *Ops = Panel()->Operators();
    FOperator = Ops && Ops->Count() > 0 ? Ops->Items(0) : nullptr;
    FExpanded = false;
}

void TKRCriterionRow::CreateControls()
{
    RemoveControls();
    for (int I = 0; I < FirstValue; ++I)
        FControls.push_back(std::make_unique<TKRControl>(this, I));
    SetArgumentStrings();
    Relayout();
}

void TKRCriterionRow::RemoveControls()
{
    if (FControls.empty())
        return;
    Panel()->ControlsFreed(this);
    FControls.clear();
}

bool TKRCriterionRow::Owns(const TKRControl *Control) const
{
    return Control && Control->Row() == this;
}

// ---------------------------------------------------------------------------------------------
// Writing the model

void TKRCriterionRow::SetCriterion(TKRCriterion *Value)
{
    if (Value == FCriterion)
        return;
    FCriterion = Value;
    if (FCriterion && FOperator)
        FCriterion->SetOperator(FOperator->Caption());
}

void TKRCriterionRow::SetOperator(TKROperator *Value)
{
    if (Value == FOperator)
        return;
    FOperator = Value;
    if (FOperator && FCriterion) {
        FCriterion->SetOperator(FOperator->Caption());
        SetArgumentStrings();
        Relayout();
    }
}

void TKRCriterionRow::SetField(const std::string &Value)
{
    if (Value == FField)
        return;
    FField = Value;
    if (!FCriterion)
        return;
    TKRFunctionDef *Target = FCriterion->LeftSide();
    if (!Trim(FAggregateFunc1).empty()) {
        Target->Arguments()->Clear();
        Target = Target->Arguments()->Add();
    }
    Target->SetName(Value);
    Target->SetKind(fkExpression);
}

void TKRCriterionRow::SetAggregateFunc1(const std::string &Value)
{
    if (Value == FAggregateFunc1)
        return;
    if (FCriterion)
        ApplyAggregate(*FCriterion->LeftSide(), FAggregateFunc1, Value);
    FAggregateFunc1 = Value;
}

void TKRCriterionRow::SetAggregateFunc2(const std::string &Value)
{
    if (Value == FAggregateFunc2)
        return;
    if (FCriterion) {
        TKRFunctionDefs *Right = FCriterion->RightSide();
        if (Right->Count() == 0)
            Right->Add();
        ApplyAggregate(*Right->Items(0), FAggregateFunc2, Value);
    }
    FAggregateFunc2 = Value;
}

void TKRCriterionRow::SetArgument(int Index, const std::string &Value)
{
    if (Index < 0)
        return;
    if (static_cast<std::size_t>(Index) >= FArguments.size())
        FArguments.resize(static_cast<std::size_t>(Index) + 1, CriterionPlaceholder);
    FArguments[static_cast<std::size_t>(Index)] = Value;
    if (!FCriterion)
        return;
    TKRFunctionDefs *Right = FCriterion->RightSide();
    while (Right->Count() < Index + 1)
        Right->Add();
    TKRFunctionDef *Target = Right->Items(Index);
    if (Index == 0 && !Trim(FAggregateFunc2).empty()) {
        Target->Arguments()->Clear();
        Target = Target->Arguments()->Add();
    } else
        // A list node (the operands of IN) becomes the one value typed.
        Target->Arguments()->Clear();
    Target->SetName(Value);
    Target->SetKind(fkExpression);
}

void TKRCriterionRow::SetGroupOperator(const std::string &Value)
{
    FGroupOperator = Value;
    FExpanded = true;
    Relayout();
}

void TKRCriterionRow::SetExpanded(bool Value)
{
    FExpanded = Value;
    SetArgumentStrings();
    Relayout();
}

void TKRCriterionRow::Assign(const TKRCriterionRow &Source)
{
    if (&Source == this)
        return;
    if (Source.IsGroup())
        SetGroupOperator(Source.FGroupOperator);
    SetAggregateFunc1(Source.FAggregateFunc1);
    SetField(Source.FField);
    SetAggregateFunc2(Source.FAggregateFunc2);
    SetOperator(Source.FOperator);
    SetArgumentStrings();
    for (std::size_t K = 0; K < Source.FArguments.size(); ++K)
        SetArgument(static_cast<int>(K), Source.FArguments[K]);
    SetExpanded(Source.FExpanded);
}

// ---------------------------------------------------------------------------------------------
// State

bool TKRCriterionRow::IsWhole() const
{
    return !IsGroup() && FCriterion && FCriterion->Operator().empty() && FCriterion->SubItems()->Count() == 0
            && FCriterion->LeftSide()->Kind() == fkExpression;
}

bool TKRCriterionRow::IsComplete() const
{
    if (IsGroup()) {
        for (int I = 0; I < FRows->Count(); ++I)
            if (FRows->Items(I)->IsComplete())
                return true;
        return false;
    }
    if (FCriterion)
        return FCriterion->IsComplete();
    if (Trim(FField).empty())
        return false;
    const int Needed = OperandCount(FOperator);
    for (int K = 0; K < Needed; ++K)
        if (static_cast<std::size_t>(K) >= FArguments.size()
                || Trim(FArguments[static_cast<std::size_t>(K)]).empty())
            return false;
    return true;
}

// ---------------------------------------------------------------------------------------------
// Layout

void TKRCriterionRow::SetArgumentStrings()
{
    if (!FOperator)
        return;
    const auto Count = static_cast<std::size_t>(OperandCount(FOperator));
    FArguments.resize(Count, CriterionPlaceholder);
    const std::size_t Parts = FirstValue + Count;
    if (FControls.size() > Parts) {
        Panel()->ControlsFreed(this);
        FControls.resize(Parts);
    }
    while (FControls.size() < Parts && FControls.size() >= FirstValue)
        FControls.push_back(std::make_unique<TKRControl>(this, ControlCount()));
}

void TKRCriterionRow::Relayout()
{
    const TKRCriterionRow *Parent = ParentRow();
    SetDimensionControls(Parent ? Parent->LeftBound() + Panel()->Indent() : Panel()->Indent());
}

void TKRCriterionRow::SetDimensionControls(int Left)
{
    if (FControls.size() < FirstValue)
        return;
    const TKRCriterionPanel *P = Panel();
    TKRControl *Button = Controls(0);
    Button->SetText(FullIndex());
    Button->SetLeft(Left);
    Button->SetWidth(P->RowHeight() + P->TextWidth(Button->Text(), true));
    int X = Left + Button->Width() + Gap;

    if (IsGroup()) {
        TKRControl *Word = Controls(1);
        Word->SetText(FExpanded ? FGroupOperator : " ");
        Word->SetLeft(X);
        Word->SetWidth(P->TextWidth(Word->Text(), true));
        for (int I = 2; I < ControlCount(); ++I)
            Controls(I)->SetWidth(0);
        return;
    }

    const bool Aggregates = P->ShowsAggregates();
    const bool Whole = IsWhole();
    const auto Place = [&](int Index, const std::string &Text, bool Shown) {
        TKRControl *Part = Controls(Index);
        Part->SetText(Text);
        Part->SetLeft(X);
        if (Shown) {
            Part->SetWidth(P->TextWidth(Part->Text(), true));
            X += Part->Width() + Gap;
        } else
            Part->SetWidth(0);
    };
    Place(1, FAggregateFunc1, Aggregates && !Whole);
    Place(2, FField, true);
    Place(3, FOperator ? FOperator->Caption() : " ", !Whole);
    Place(4, FAggregateFunc2, Aggregates && !Whole);
    const int Relate = P->TextWidth(FOperator ? FOperator->Relate() : " ", false) + Gap;
    for (int K = 0; FirstValue + K < ControlCount(); ++K) {
        TKRControl *Part = Controls(FirstValue + K);
        Part->SetLeft(X);
        // Parts beyond the value list (an operator the table lost) are hidden, never stale.
        if (Whole || static_cast<std::size_t>(K) >= FArguments.size()) {
            Part->SetWidth(0);
            continue;
        }
        Part->SetText(FArguments[static_cast<std::size_t>(K)]);
        Part->SetWidth(P->TextWidth(Part->Text(), true));
        X += Part->Width() + Relate;
    }
}

void TKRCriterionRow::OffsetControls(int Index, int Delta)
{
    for (int I = std::max(0, Index); I < ControlCount(); ++I)
        Controls(I)->SetLeft(Controls(I)->Left() + Delta);
}

int TKRCriterionRow::LeftBound() const
{
    return FControls.empty() ? 0 : FControls.front()->Left();
}

int TKRCriterionRow::TopBound() const
{
    int Result = -1;
    Panel()->ForEachRow([this, &Result](TKRCriterionRow *Row, int Top) {
        if (Row != this)
            return true;
        Result = Top;
        return false;
    });
    return Result;
}

std::string TKRCriterionRow::FullIndex() const
{
    if (IsRoot())
        return " ";
    std::string Result;
    for (const TKRCriterionRow *Row = this; Row && !Row->IsRoot(); Row = Row->ParentRow())
        Result.insert(0, std::to_string(Row->Index() + 1) + ".");
    return Result;
}

TKRCriterionRow *TKRCriterionRow::PreviousRow() const
{
    const int I = Index();
    if (I <= 0)
        return ParentRow();
    TKRCriterionRow *Row = FCollection->Items(I - 1);
    while (Row->FExpanded && Row->FRows->Count() > 0)
        Row = Row->FRows->Items(Row->FRows->Count() - 1);
    return Row;
}

TKRCriterionRow *TKRCriterionRow::NextRow() const
{
    if (FExpanded && FRows->Count() > 0)
        return FRows->Items(0);
    for (const TKRCriterionRow *Row = this; Row && !Row->IsRoot(); Row = Row->ParentRow()) {
        const int I = Row->Index();
        if (I + 1 < Row->FCollection->Count())
            return Row->FCollection->Items(I + 1);
    }
    return nullptr;
}

} // namespace korvan
