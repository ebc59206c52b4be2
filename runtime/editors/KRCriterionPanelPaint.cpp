// Painting of the criteria editors: the lines in stacking order, each with its numbered button,
// its words and the active frame around the focused part.
#include "component/KRStyles.h"
#include "editors/KRCriterionPanel.h"
#include "editors/KRMemoEx.h"
#include "framework/qt/KRCanvas.h"
#include "parser/KROperators.h"
#include "resources/KRResource.h"

#include <QPaintEvent>
#include <QPainter>

namespace korvan {

namespace {

constexpr TColor Gray = RGBColor(128, 128, 128);

} // namespace

TColor TKRCriterionPanel::Background() const
{
    return clBtnFace;
}

void TKRCriterionPanel::paintEvent(QPaintEvent *Event)
{
    QPainter Painter(viewport());
    Painter.setClipRegion(Event->region());
    TKRCanvas Canvas(Painter, palette());
    Canvas.SetBkMode(bkTransparent);
    const QRect Area = Event->rect();
    const int Scroll = VertPosition();
    int Bottom = -Scroll;
    // Only the lines whose band meets the area are drawn; the walk stops below it.
    ForEachRow([&](TKRCriterionRow *Row, int Top) {
        const int Y = Top - Scroll;
        if (Y >= KRBottom(Area))
            return false;
        if (Y + FRowHeight > Area.top())
            PaintRow(Canvas, Row, Y);
        Bottom = Y + FRowHeight;
        return true;
    });
    if (Bottom < KRBottom(Area))
        Canvas.FillRect(KRRect(Area.left(), std::max(Bottom, Area.top()), KRRight(Area), KRBottom(Area)),
                Background());
}

void TKRCriterionPanel::PaintRow(TKRCanvas &Canvas, const TKRCriterionRow *Row, int Y) const
{
    const int H = FRowHeight;
    const int Width = viewport()->width();
    const int DX = -HorzPosition();
    const bool RowSelect = Options().Contains(kroRowSelect) && Row->Owns(FFocusControl);
    Canvas.FillRect(KRRect(0, Y, Width, Y + H), RowSelect ? Palette().ActiveCondition() : Background());
    if (RowSelect) {
        Canvas.SetPen(clBlack);
        Canvas.MoveTo(0, Y);
        Canvas.LineTo(Width - 1, Y);
        Canvas.LineTo(Width - 1, Y + H - 1);
        Canvas.LineTo(0, Y + H - 1);
        Canvas.LineTo(0, Y);
    }
    const int Look = Row->Owns(FHoverControl) && FHoverControl->ControlIndex() == 0 ? FButtonLook : -1;
    DrawButton(Canvas, Row, Y, Look >= 0 ? Look : Style().ButtonStyle());

    // An unfinished condition is drawn in the error colour: the statement leaves it out.
    const TColor ItemColor = !Row->IsRoot() && !Row->IsComplete() && !Row->IsGroup()
            ? Palette().ConditionErrorText()
            : Palette().ConditionItemText();
    if (Row->IsGroup()) {
        const TKRControl *Word = Row->Controls(1);
        const QRect Rect = KRRect(Word->Left() + DX, Y, Word->Right() + DX, Y + H);
        if (Word == FFocusControl || Word == FDropControl)
            DrawActiveFrame(Canvas, Rect);
        Canvas.SetFont(FBoldFont);
        Canvas.SetTextColor(ItemColor);
        const QRect Line = KRRect(Word->Left() + DX, Y, Width, Y + H);
        if (!Row->Expanded()) {
            Canvas.DrawText(std::string(" "), Line, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
            return;
        }
        Canvas.DrawText(Row->GroupOperator(), Line, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        Canvas.SetFont(FFont);
        Canvas.SetTextColor(Palette().ConditionText());
        const int After = Word->Left() + DX + TextWidth(Row->GroupOperator(), true);
        Canvas.DrawText(std::string(SOfFollowingAreMet), KRRect(After, Y, Width, Y + H),
                DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        return;
    }

    const std::string Relate = Row->Operator() ? Row->Operator()->Relate() : std::string();
    const TKRControl *Previous = nullptr;
    for (int I = 1; I < Row->ControlCount(); ++I) {
        const TKRControl *Part = Row->Controls(I);
        if (Part->Width() == 0)
            continue;
        const QRect Rect = KRRect(Part->Left() + DX, Y, Part->Right() + DX, Y + H);
        if (Part == FFocusControl || Part == FDropControl)
            DrawActiveFrame(Canvas, Rect);
        Canvas.SetFont(FBoldFont);
        Canvas.SetTextColor(ItemColor);
        Canvas.DrawText(Part->Text(), Rect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_NOCLIP);
        // The relate word (AND of BETWEEN) stands centred between two values.
        if (I > 5 && Previous && Previous->ControlIndex() >= 5) {
            Canvas.SetFont(FFont);
            Canvas.SetTextColor(Palette().ConditionItemText());
            Canvas.DrawText(Relate, KRRect(Previous->Right() + DX, Y, Part->Left() + DX, Y + H),
                    DT_SINGLELINE | DT_VCENTER | DT_CENTER | DT_NOPREFIX | DT_NOCLIP);
        }
        Previous = Part;
    }
}

void TKRCriterionPanel::DrawButton(TKRCanvas &Canvas, const TKRCriterionRow *Row, int Y, int Look) const
{
    const TKRControl *Button = Row->Controls(0);
    const int H = FRowHeight;
    const int C = Button->Left() - HorzPosition();
    const int W = Button->Width();
    const int Left = C + H / 2;
    const int Right = C + W - H / 2;
    TColor First = Gray;
    TColor Second = Gray;
    if (Look == krs3DLook) {
        First = clWhite;
        Second = clBlack;
    } else if (Look == krsRaise) {
        First = clBlack;
        Second = clWhite;
    }
    Canvas.SetPen(First);
    Canvas.Arc(C + 2, Y + 2, C + H - 2, Y + H - 2, Left, Y + 2, Left, Y + H - 2);
    Canvas.MoveTo(Left, Y + 2);
    Canvas.LineTo(Right + 1, Y + 2);
    Canvas.SetPen(Second);
    Canvas.Arc(C + W - H + 2, Y + 2, C + W - 2, Y + H - 2, Right + 1, Y + H - 2, Right + 1, Y + 2);
    Canvas.MoveTo(Right, Y + H - 3);
    Canvas.LineTo(Left - 2, Y + H - 3);
    Canvas.SetFont(FBoldFont);
    Canvas.SetTextColor(Palette().ConditionItemText());
    Canvas.DrawText(Button->Text(), KRRect(Left, Y, Right, Y + H),
            DT_SINGLELINE | DT_VCENTER | DT_CENTER | DT_NOPREFIX | DT_NOCLIP);
}

void TKRCriterionPanel::DrawActiveFrame(TKRCanvas &Canvas, const QRect &Rect) const
{
    if (Rect.isEmpty() || (FEditor && FEditor->isVisible()))
        return;
    const int L = Rect.left();
    const int T = Rect.top();
    const int R = KRRight(Rect);
    const int B = KRBottom(Rect);
    Canvas.SetPen(Gray);
    Canvas.MoveTo(L - 1, B - 2);
    Canvas.LineTo(L - 1, T + 2);
    Canvas.LineTo(R + 1, T + 2);
    Canvas.SetPen(clWhite);
    Canvas.LineTo(R + 1, B - 2);
    Canvas.LineTo(L - 1, B - 2);
}

void TKRCriterionPanel::InvalidateRow(const TKRCriterionRow *Row)
{
    const int Top = Row ? Row->TopBound() : -1;
    if (Top >= 0)
        viewport()->update(QRect(0, Top - VertPosition(), viewport()->width(), FRowHeight));
}

bool TKRCriterionPanel::event(QEvent *Event)
{
    const bool Result = TKRAllKeys<QAbstractScrollArea>::event(Event);
    // The one-pixel border shows a dotted focus frame while the editor has the focus.
    if (Event->type() == QEvent::Paint && hasFocus()) {
        QPainter Painter(this);
        TKRCanvas Canvas(Painter, palette());
        Canvas.DrawFocusRect(rect());
    }
    return Result;
}

void TKRCriterionPanel::focusInEvent(QFocusEvent *Event)
{
    TKRAllKeys<QAbstractScrollArea>::focusInEvent(Event);
    update();
}

void TKRCriterionPanel::focusOutEvent(QFocusEvent *Event)
{
    TKRAllKeys<QAbstractScrollArea>::focusOutEvent(Event);
    update();
}

} // namespace korvan
