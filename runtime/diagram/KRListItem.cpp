#include "diagram/KRListItem.h"

#include "component/KRStyles.h"
#include "diagram/KRTable.h"
#include "diagram/KRWorkArea.h"
#include "framework/qt/KRBitmap.h"
#include "framework/qt/KRCanvas.h"
#include "resources/KRResource.h"

namespace korvan {

const CompatibleFields sFloat{ ftFloat, ftCurrency };
const CompatibleFields sNumeric{ ftSmallint, ftInteger, ftWord, ftAutoInc, ftLargeint };
const CompatibleFields sString{ ftString, ftMemo, ftFmtMemo, ftFixedChar, ftWideString };
const CompatibleFields sDateTime{ ftDate, ftTime, ftDateTime };

namespace {

constexpr TColor SelectedRowColor = 0xC0C0C0; // silver
constexpr TColor DropRowColor = 0x808000; // teal

} // namespace

TKRListItem::TKRListItem(
        TKRTable *Table, std::string ColumnName, std::string Name, TFieldType DataType, TParamType ParamType)
    : FTable(Table)
    , FName(std::move(Name))
    , FDataType(DataType)
    , FParamType(ParamType)
    , FColumnName(std::move(ColumnName))
{}

QRect TKRListItem::GetBoundsRect() const
{
    return FTable->GetFullItemRect(this);
}

int TKRListItem::GetIndex() const
{
    for (int I = 0; I < FTable->Count(); ++I)
        if (FTable->Items(I) == this)
            return I;
    return -1;
}

std::string TKRListItem::GetDataName() const
{
    if (sFloat.Contains(FDataType))
        return SFieldTypeFloat;
    if (sNumeric.Contains(FDataType))
        return SFieldTypeInteger;
    if (sString.Contains(FDataType))
        return SFieldTypeString;
    switch (FDataType) {
    case ftUnknown:
        return SFieldTypeString;
    case ftBoolean:
        return SFieldTypeBoolean;
    case ftBCD:
        return SFieldTypeBCD;
    case ftDate:
        return SFieldTypeDate;
    case ftTime:
        return SFieldTypeTime;
    case ftDateTime:
        return SFieldTypeDateTime;
    case ftBytes:
        return SFieldTypeBytes;
    case ftVarBytes:
        return SFieldTypeVarBytes;
    case ftBlob:
        return SFieldTypeBlob;
    case ftGraphic:
        return SFieldTypeGraphic;
    case ftParadoxOle:
        return SFieldTypeParadoxOle;
    case ftDBaseOle:
        return SFieldTypeDBaseOle;
    case ftTypedBinary:
        return SFieldTypeTypedBinary;
    case ftCursor:
        return SFieldTypeCursor;
    case ftADT:
        return SFieldTypeADT;
    case ftArray:
        return SFieldTypeArray;
    case ftReference:
        return SFieldTypeReference;
    case ftDataSet:
        return SFieldTypeDataSet;
    case ftOraBlob:
        return SFieldTypeOraBlob;
    case ftOraClob:
        return SFieldTypeOraClob;
    case ftVariant:
        return SFieldTypeVariant;
    case ftInterface:
        return SFieldTypeInterface;
    case ftIDispatch:
        return SFieldTypeIDispatch;
    case ftGuid:
        return SFieldTypeGuid;
    default:
        return {};
    }
}

void TKRListItem::SetSelect(bool Value)
{
    FSelected = Value;
    QRect Row = FTable->GetItemRect(this);
    Row.setLeft(Row.left() + FTable->ItemHeight());
    FTable->WorkArea()->InvalidateRect(Row);
}

void TKRListItem::SetCheck(bool Value)
{
    TKRWorkArea *WorkArea = FTable->WorkArea();
    if (FParamType == ptInput && !FUpdating) {
        FUpdating = true;
        const struct TReset
        {
            bool &Flag;
            ~TReset() { Flag = false; }
        } Reset{ FUpdating };
        WorkArea->DoEnterParameter(FTable, this);
    } else {
        FChecked = Value;
    }
    QRect Square = FTable->GetItemRect(this);
    Square.setWidth(FTable->ItemHeight());
    WorkArea->InvalidateRect(Square);
    if (FParamType == ptOutput)
        WorkArea->HandleCheckItem(FTable, this);
    UpdateCheck(Value);
}

void TKRListItem::UpdateCheck(bool Value)
{
    FChecked = Value;
    QRect Square = FTable->GetItemRect(this);
    Square.setWidth(FTable->ItemHeight());
    FTable->WorkArea()->InvalidateRect(Square);
    if (FParamType != ptOutput)
        return;
    int State = Value ? 2 : 0;
    for (int I = 0; I < FTable->Count(); ++I) {
        const TKRListItem *Row = FTable->Items(I);
        if (Row->FParamType == ptOutput && Row->FChecked != Value) {
            State = 1;
            break;
        }
    }
    FTable->UpdateFieldState(State);
}

void TKRListItem::DrawItem(TKRCanvas &Canvas, QRect Rect, bool UseBrush, TKRItemState State) const
{
    const TKRWorkArea &WorkArea = *FTable->WorkArea();
    const TKRPalette &Palette = WorkArea.Palette();
    Rect.setTop(Rect.top() + 1);
    QFont Font = WorkArea.Font();
    Font.setBold(FSelected);
    Canvas.SetFont(Font);

    bool Filled = UseBrush;
    if (State.Contains(isSelected)) {
        Canvas.SetBrush(SelectedRowColor);
        Canvas.SetTextColor(Palette.SelectedItemText());
        Filled = true;
    } else if (State.Contains(isDroped)) {
        Canvas.SetBrush(DropRowColor);
        Canvas.SetTextColor(Palette.SelectedItemText());
        Filled = true;
    } else {
        Canvas.SetTextColor(Palette.ItemText());
    }

    const char *Mark = FParamType == ptOutput ? (FChecked ? "CHECKBMP" : "UNCHECKBMP")
                                              : (FChecked ? "INPUTPARAM" : "INPUTNULL");
    Canvas.DrawMasked(Rect.left(), Rect.top(), KRBitmap(Mark));

    Rect.setLeft(Rect.left() + FTable->ItemHeight());
    if (Filled)
        Canvas.FillRect(Rect, Canvas.BrushColor());
    std::string Text = " " + FName;
    if (WorkArea.Options().Contains(kroShowFieldTypes))
        Text += " (" + GetDataName() + ")";
    Canvas.DrawText(Text, Rect, DT_SINGLELINE | DT_VCENTER);
    Canvas.SetTextColor(clBlack);
    if (State.Contains(isFocused) && State.Contains(isSelected))
        Canvas.DrawFocusRect(Rect);
}

} // namespace korvan
