#include "diagram/KRTable.h"

#include "component/KRStyles.h"
#include "diagram/KRWorkArea.h"
#include "framework/KRDataSet.h"
#include "framework/KRException.h"
#include "framework/KRText.h"
#include "framework/qt/KRBitmap.h"
#include "framework/qt/KRCanvas.h"
#include "resources/KRResource.h"

#include <algorithm>
#include <cstdlib>

#include <QFontMetrics>

namespace korvan {

namespace {

//! The rows a new window shows at most.
constexpr int MaxInitialRows = 6;
//! The width of the grips along the edges of a window.
constexpr int Grip = 4;

} // namespace

TKRTable::TKRTable(TKRWorkArea *WorkArea, const TDataSet *DataSet, std::string Name)
    : TKRFloatObject(WorkArea)
    , FTableName(std::move(Name))
{
    if (!WorkArea)
        throw Exception(SInvalidTableParent);
    const int FontHeight = std::abs(WorkArea->FontHeight());
    FCaptionHeight = std::max(FontHeight + 4, 20);
    FItemHeight = std::max(FontHeight, 16);
    AssignItems(DataSet);
    FHeight = RowsHeight(FVisibleCount);
}

TKRTable::~TKRTable() = default;

void TKRTable::SetAlias(std::string Value)
{
    FAlias = std::move(Value);
    Invalidate(GetBoundsRect());
}

std::string TKRTable::GetAlias() const
{
    return Trim(FAlias).empty() ? FTableName : FAlias;
}

bool TKRTable::AliasIs(std::string_view Alias) const
{
    const bool Blank = std::all_of(FAlias.begin(), FAlias.end(), [](unsigned char C) { return C <= ' '; });
    return (Blank ? FTableName : FAlias) == Alias;
}

std::string TKRTable::GetCaption() const
{
    return Trim(FAlias).empty() ? FTableName : FTableName + " (" + FAlias + ")";
}

TKRListItem *TKRTable::GetFieldItem(const std::string &Name) const
{
    for (const auto &Item : FItems)
        if (Item->Name() == Name)
            return Item.get();
    return nullptr;
}

void TKRTable::AssignItems(const TDataSet *DataSet)
{
    FCurrentItem = nullptr;
    FItems.clear();
    if (!DataSet)
        return;
    FVisibleCount = std::min(DataSet->FieldCount(), MaxInitialRows);
    for (int I = 0; I < DataSet->FieldCount(); ++I) {
        const TFieldDesc &Field = DataSet->Fields(I);
        FItems.push_back(std::make_unique<TKRListItem>(
                this, Field.FieldName(), Field.FieldName(), Field.DataType(), ptOutput));
    }
}

void TKRTable::SetCaptionHeight(int Value)
{
    Value = std::abs(Value);
    if (Value == 0 || Value == FCaptionHeight)
        return;
    FCaptionHeight = std::max(Value, 20);
}

void TKRTable::SetItemHeight(int Value)
{
    Value = std::abs(Value);
    if (Value == 0 || Value == FItemHeight)
        return;
    FItemHeight = Value > 15 ? Value : 16;
}

// ---------------------------------------------------------------------------------------------
// Geometry

int TKRTable::RowsHeight(int Rows) const
{
    return Rows * (FItemHeight + 1) + FCaptionHeight + FBorderWidth + 2 * FMargin;
}

QRect TKRTable::GetBoundsRect() const
{
    return QRect(FLeft, FTop, FWidth, Expanded() ? FHeight : FCaptionHeight);
}

QRect TKRTable::GetCaptionRect() const
{
    const int Right = FLeft + FWidth;
    return KRRect(FLeft + FCaptionHeight + FBorderWidth, FTop + FBorderWidth,
            Right - FButtonsWidth - FBorderWidth, FTop + FCaptionHeight - FBorderWidth);
}

QRect TKRTable::GetClientRect() const
{
    const QRect B = GetBoundsRect();
    return KRRect(FLeft + FBorderWidth + FMargin, FTop + FCaptionHeight + FMargin,
            KRRight(B) - FBorderWidth - FMargin, KRBottom(B) - FBorderWidth - FMargin);
}

QRect TKRTable::GetButtonRect() const
{
    const int Right = FLeft + FWidth;
    return KRRect(Right - FBorderWidth - FButtonsWidth, FTop + FBorderWidth, Right - FBorderWidth,
            FTop + FCaptionHeight);
}

QRect TKRTable::GetItemRect(const TKRListItem *Item) const
{
    if (!Item || Item->Table() != this)
        return {};
    const int Inset = FBorderWidth + FMargin;
    const int Top = FTop + FCaptionHeight + 1 + (Item->GetIndex() - FFirstVisibleItem) * (FItemHeight + 1);
    return ToClient(KRRect(FLeft + Inset, Top, FLeft + FWidth - Inset, Top + FItemHeight));
}

QRect TKRTable::GetFullItemRect(const TKRListItem *Item) const
{
    if (!Item || Item->Table() != this)
        return {};
    const QRect B = GetBoundsRect();
    if (!Expanded())
        return B;
    const int Right = KRRight(B);
    const int Row = Item->GetIndex() - FFirstVisibleItem;
    if (Row < 0)
        return KRRect(FLeft, FTop, Right, FTop + FCaptionHeight);
    if (Row > FVisibleCount)
        return KRRect(FLeft, KRBottom(B) - FBorderWidth, Right, KRBottom(B));
    const int Top = FTop + FCaptionHeight + 1 + Row * (FItemHeight + 1);
    const int Bottom = Row == FVisibleCount ? FTop + FHeight - FBorderWidth - FMargin : Top + FItemHeight;
    return KRRect(FLeft, Top, Right, Bottom);
}

QRect TKRTable::CaptionRect(bool Full) const
{
    QFont Bold = FWorkArea->Font();
    Bold.setBold(true);
    std::string Caption = GetCaption();
    if (Caption.empty())
        Caption = " ";
    const int TextWidth = QFontMetrics(Bold).horizontalAdvance(QString::fromStdString(Caption)) + 2;
    const QRect Area = GetCaptionRect();
    const int Left = Full ? FLeft + FWidth - Area.width() : Area.x();
    return KRRect(Left, FTop + FBorderWidth, Left + TextWidth, FTop + FCaptionHeight - FBorderWidth);
}

TKRListItem *TKRTable::GetItemAt(int, int Y) const
{
    const int Last = std::min(Count(), FFirstVisibleItem + FVisibleCount);
    for (int I = FFirstVisibleItem; I < Last; ++I)
        if (KRBottom(GetItemRect(Items(I))) > Y)
            return Items(I);
    return nullptr;
}

QRect TKRTable::ToClient(QRect Rect) const
{
    return Rect.translated(-FWorkArea->ScrollPos());
}

void TKRTable::Invalidate(const QRect &Rect) const
{
    FWorkArea->InvalidateRect(ToClient(Rect));
}

// ---------------------------------------------------------------------------------------------
// Moving and sizing

void TKRTable::ResizeDone() const
{
    FWorkArea->ResizeControl(const_cast<TKRTable *>(this));
}

void TKRTable::MoveTable(int DX, int DY)
{
    if (DX == 0 && DY == 0)
        return;
    Invalidate(GetBoundsRect());
    FLeft += DX;
    FTop += DY;
    Invalidate(GetBoundsRect());
    FWorkArea->MoveControl(this);
}

void TKRTable::SetWidth(int Value)
{
    Value = std::max(Value, FCaptionHeight + FButtonsWidth + 20);
    Invalidate(GetBoundsRect());
    FWidth = Value;
    Invalidate(GetBoundsRect());
    ResizeDone();
}

void TKRTable::SetHeight(int Value)
{
    Value = std::max(Value, 2 * FItemHeight + FCaptionHeight + 4);
    Invalidate(GetBoundsRect());
    FHeight = Value;
    FVisibleCount = (Value - FCaptionHeight - FBorderWidth - 2 * FMargin - 1) / (FItemHeight + 1);
    if (Count() < FFirstVisibleItem + FVisibleCount)
        SetFirstVisibleItem(Count() - FVisibleCount);
    Invalidate(GetBoundsRect());
    ResizeDone();
}

void TKRTable::MoveLeft(int Delta)
{
    const int MinWidth = FCaptionHeight + FButtonsWidth + 20;
    Delta = std::min(Delta, FWidth - MinWidth);
    if (Delta == 0)
        return;
    Invalidate(GetBoundsRect());
    FLeft += Delta;
    FWidth -= Delta;
    Invalidate(GetBoundsRect());
    ResizeDone();
}

void TKRTable::MoveUpper(int Delta)
{
    const int MinHeight = FCaptionHeight + 2 * FItemHeight + 4;
    Delta = std::min(Delta, FHeight - MinHeight);
    if (Delta == 0)
        return;
    Invalidate(GetBoundsRect());
    FTop += Delta;
    SetHeight(FHeight - Delta);
}

void TKRTable::SetExpand(bool Value)
{
    if (Value == Expanded())
        return;
    Invalidate(QRect(FLeft, FTop, FWidth, FHeight));
    FExpand = Value ? -1 : 0;
    ResizeDone();
}

void TKRTable::SetFirstVisibleItem(int N)
{
    N = std::max(0, std::min(N, Count() - FVisibleCount));
    if (N == FFirstVisibleItem)
        return;
    Invalidate(GetClientRect());
    FFirstVisibleItem = N;
    if (FSelected)
        FWorkArea->PlaceListScrollBar();
}

void TKRTable::SetCurrentItem(TKRListItem *Item)
{
    if (Item == FCurrentItem || (Item && Item->Table() != this))
        return;
    if (FCurrentItem)
        FWorkArea->InvalidateRect(GetItemRect(FCurrentItem));
    FCurrentItem = Item;
    if (Item)
        FWorkArea->InvalidateRect(GetItemRect(Item));
}

void TKRTable::UpdateFieldState(int State)
{
    State = std::clamp(State, 0, 2);
    if (State == FFieldState)
        return;
    Invalidate(QRect(FLeft, FTop, FCaptionHeight, FCaptionHeight));
    FFieldState = State;
}

void TKRTable::SetSelect(bool Value)
{
    TKRFloatObject::SetSelect(Value);
    Invalidate(GetBoundsRect());
    FWorkArea->PlaceListScrollBar();
}

// ---------------------------------------------------------------------------------------------
// Hit test

TTableHitTest TKRTable::HitTest(QPoint P)
{
    const QPoint Q = P + FWorkArea->ScrollPos();
    const QRect B = GetBoundsRect();
    const int Right = KRRight(B);
    const int Bottom = KRBottom(B);
    // The bounds include their right and bottom edges here, so that the grips there can be taken.
    if (Q.x() < FLeft || Q.x() > Right || Q.y() < FTop || Q.y() > Bottom)
        return htTOutSide;
    if (Expanded()) {
        const bool L = Q.x() < FLeft + Grip;
        const bool R = Q.x() > Right - Grip;
        const bool T = Q.y() < FTop + Grip;
        const bool D = Q.y() > Bottom - Grip;
        if (L)
            return T ? htTLeftTop : D ? htTLeftBottom : htTLeft;
        if (R)
            return T ? htTRightTop : D ? htTRightBottom : htTRight;
        if (T)
            return htTTop;
        if (D)
            return htTBottom;
    }
    if (Q.y() >= FTop + FCaptionHeight)
        return htTClient;
    if (GetButtonRect().contains(Q))
        return htTbutton;
    const int Box = FLeft + FBorderWidth;
    if (KRRect(Box + 2, FTop + FBorderWidth + 2, Box + 14, FTop + FBorderWidth + 14).contains(Q))
        return htTCheck;
    return htTCaption;
}

// ---------------------------------------------------------------------------------------------
// Painting

unsigned TKRTable::GetTableBorder() const
{
    switch (FWorkArea->Style().ObjectStyle()->BorderKind()) {
    case krkBump:
        return EDGE_BUMP;
    case krkEtched:
        return EDGE_ETCHED;
    case krkSunken:
        return EDGE_SUNKEN;
    case krkRaised:
        break;
    }
    return EDGE_RAISED;
}

unsigned TKRTable::GetFlat() const
{
    return FWorkArea->Style().ObjectStyle()->Flat() ? BF_FLAT : 0;
}

unsigned TKRTable::GetbtnFlat() const
{
    return FWorkArea->Style().ObjectStyle()->FlatButtons() ? BF_FLAT : 0;
}

TColor TKRTable::GetClientColor() const
{
    return FWorkArea->Palette().TableClient();
}

bool TKRTable::GetHideSelection() const
{
    return FWorkArea->Options().Contains(kroHideSelection);
}

void TKRTable::DrawButton(TKRCanvas &Canvas, int State, int Index, QRect Rect) const
{
    if (Index < 0 || Index > 2)
        return;
    const QPixmap Glyph = KRBitmap(Index == 0 ? "BTN1" : Index == 1 ? "BTN2" : "BTN3");
    const int W = Glyph.width();
    const int H = Glyph.height();
    const int X = Rect.left() + Index * (W + 1);
    const int Y = Rect.top() + (Rect.height() - H - 2) / 2;
    constexpr TColor Grey = 0x808080;
    const TColor TopLeft = State == 0 ? clBlack : State == 1 && GetbtnFlat() == BF_FLAT ? Grey : clWhite;
    const TColor BottomRight = State == 0 ? clWhite : Grey;
    Canvas.SetPen(TopLeft);
    Canvas.MoveTo(X, Y + H);
    Canvas.LineTo(X, Y);
    Canvas.LineTo(X + W, Y);
    Canvas.SetPen(BottomRight);
    Canvas.LineTo(X + W, Y + H);
    Canvas.LineTo(X, Y + H);
    Canvas.DrawMasked(X + 1, Y + 1, Glyph);
}

void TKRTable::Paint(TKRCanvas &Canvas)
{
    QRect R = ToClient(GetBoundsRect());
    if (!Canvas.RectVisible(R))
        return;
    const TKRPalette &Palette = FWorkArea->Palette();
    const int Level = Canvas.Save();
    Canvas.FillRect(QRect(R.left(), R.top(), R.width(), FCaptionHeight),
            FSelected ? Palette.ActiveCaption() : Palette.InactiveCaption());
    Canvas.DrawEdge(R, GetTableBorder(), BF_RECT | GetFlat());
    if (Expanded()) {
        QRect List = R.adjusted(FBorderWidth, FBorderWidth, -FBorderWidth, -FBorderWidth);
        List.setTop(List.top() + FCaptionHeight - FBorderWidth);
        Canvas.DrawEdge(List, EDGE_SUNKEN, BF_RECT | GetFlat());
    }

    QFont Bold = FWorkArea->Font();
    Bold.setBold(true);
    Canvas.SetFont(Bold);
    Canvas.SetBkMode(bkTransparent);
    std::string Caption = GetCaption();
    if (Caption.empty())
        Caption = " ";
    QRect CaptionRect = ToClient(GetCaptionRect());
    Canvas.DrawText(Caption, CaptionRect, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_MODIFYSTRING);

    const QRect Buttons = ToClient(GetButtonRect());
    for (int I = 0; I < 3; ++I)
        DrawButton(Canvas, ButtonState(I), I, Buttons);
    const char *Box = FFieldState == 0 ? "BOX1" : FFieldState == 1 ? "BOX2" : "BOX3";
    Canvas.DrawMasked(R.left() + FBorderWidth + 4, R.top() + FBorderWidth + 2, KRBitmap(Box));

    if (Expanded()) {
        const QRect Client = ToClient(GetClientRect());
        Canvas.FillRect(Client, GetClientColor());
        Canvas.IntersectClipRect(Client);
        TKRItemState Focus;
        if (FSelected)
            Focus.Include(isFocused);
        const bool ShowCurrent = FSelected || !GetHideSelection();
        // The rows in view, and the one cut by the bottom edge.
        const int Last = std::min(Count(), FFirstVisibleItem + FVisibleCount + 1);
        for (int I = FFirstVisibleItem; I < Last; ++I) {
            TKRItemState State = Focus;
            if (ShowCurrent && Items(I) == FCurrentItem)
                State.Include(isSelected);
            if (Items(I) == FWorkArea->DropHighlight())
                State.Include(isDroped);
            Items(I)->DrawItem(Canvas, GetItemRect(Items(I)), false, State);
        }
    }
    Canvas.Restore(Level);
}

} // namespace korvan
