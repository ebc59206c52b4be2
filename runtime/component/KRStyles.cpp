#include "component/KRStyles.h"

namespace korvan {

namespace {

void RepaintCriteria(TKRStyleOwner *Owner)
{
    if (Owner != nullptr && Owner->HasViews())
        Owner->InvalidateCriteriaPanels();
}

void RepaintWorkArea(TKRStyleOwner *Owner)
{
    if (Owner != nullptr && Owner->HasViews())
        Owner->InvalidateWorkArea();
}

} // namespace

TKRPalette::TKRPalette(TKRStyleOwner *Owner)
    : FOwner(Owner)
{}

void TKRPalette::SetCriteriaColor(TColor &Field, TColor Value)
{
    if (Value == Field)
        return;
    Field = Value;
    RepaintCriteria(FOwner);
}

void TKRPalette::SetWorkAreaColor(TColor &Field, TColor Value)
{
    if (Value == Field)
        return;
    Field = Value;
    RepaintWorkArea(FOwner);
}

void TKRPalette::SetActiveCondition(TColor Value)
{
    SetCriteriaColor(FActiveCondition, Value);
}

void TKRPalette::SetConditionText(TColor Value)
{
    SetCriteriaColor(FConditionText, Value);
}

void TKRPalette::SetConditionItemText(TColor Value)
{
    SetCriteriaColor(FConditionItemText, Value);
}

void TKRPalette::SetProcClient(TColor Value)
{
    SetWorkAreaColor(FProcClient, Value);
}

void TKRPalette::SetTableClient(TColor Value)
{
    SetWorkAreaColor(FTableClient, Value);
}

void TKRPalette::SetItemText(TColor Value)
{
    SetWorkAreaColor(FItemText, Value);
}

void TKRPalette::SetSelectedItemText(TColor Value)
{
    SetWorkAreaColor(FSelectedItemText, Value);
}

void TKRPalette::SetActiveCaption(TColor Value)
{
    SetWorkAreaColor(FActiveCaption, Value);
}

void TKRPalette::SetInactiveCaption(TColor Value)
{
    SetWorkAreaColor(FInactiveCaption, Value);
}

void TKRPalette::Assign(const TPersistent *Source)
{
    const auto *Other = dynamic_cast<const TKRPalette *>(Source);
    if (Other == nullptr) {
        TPersistent::Assign(Source);
        return;
    }
    SetActiveCondition(Other->FActiveCondition);
    SetConditionText(Other->FConditionText);
    SetConditionErrorText(Other->FConditionErrorText);
    SetConditionItemText(Other->FConditionItemText);
    SetTableClient(Other->FTableClient);
    SetItemText(Other->FItemText);
    SetSelectedItemText(Other->FSelectedItemText);
    SetProcClient(Other->FProcClient);
    SetActiveCaption(Other->FActiveCaption);
    SetInactiveCaption(Other->FInactiveCaption);
}

TKRObjectStyle::TKRObjectStyle(TKRStyleOwner *Owner)
    : FOwner(Owner)
{}

void TKRObjectStyle::Changed()
{
    RepaintWorkArea(FOwner);
}

void TKRObjectStyle::SetBorderKind(TKRBorderKind Value)
{
    if (Value == FBorderKind)
        return;
    FBorderKind = Value;
    Changed();
}

void TKRObjectStyle::SetFlat(bool Value)
{
    if (Value == FFlat)
        return;
    FFlat = Value;
    Changed();
}

void TKRObjectStyle::SetFlatButtons(bool Value)
{
    if (Value == FFlatButtons)
        return;
    FFlatButtons = Value;
    Changed();
}

void TKRObjectStyle::Assign(const TPersistent *Source)
{
    const auto *Other = dynamic_cast<const TKRObjectStyle *>(Source);
    if (Other == nullptr) {
        TPersistent::Assign(Source);
        return;
    }
    SetBorderKind(Other->FBorderKind);
    SetFlat(Other->FFlat);
    SetFlatButtons(Other->FFlatButtons);
}

TKRStyle::TKRStyle(TKRStyleOwner *Owner)
    : FOwner(Owner)
    , FObjectStyle(std::make_unique<TKRObjectStyle>(Owner))
{}

TKRStyle::~TKRStyle() = default;

void TKRStyle::SetButtonStyle(TKRButtonStyle Value)
{
    if (Value == FButtonStyle)
        return;
    FButtonStyle = Value;
    RepaintCriteria(FOwner);
}

void TKRStyle::SetObjectStyle(const TKRObjectStyle *Value)
{
    if (Value == FObjectStyle.get())
        return;
    FObjectStyle->Assign(Value);
    RepaintWorkArea(FOwner);
}

void TKRStyle::Assign(const TPersistent *Source)
{
    const auto *Other = dynamic_cast<const TKRStyle *>(Source);
    if (Other == nullptr) {
        TPersistent::Assign(Source);
        return;
    }
    SetButtonStyle(Other->FButtonStyle);
    FObjectStyle->Assign(Other->FObjectStyle.get());
}

} // namespace korvan
