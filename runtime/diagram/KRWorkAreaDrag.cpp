// The field drag: a field row of one window dropped on a row of another makes a link between
// them. The work area is the drag's source and its target; drags of other widgets over it, and its
// own drags ending elsewhere, go to the component's handlers.
#include "diagram/KRListItem.h"
#include "diagram/KRTable.h"
#include "diagram/KRWorkArea.h"
#include "framework/qt/KRCursor.h"

#include <QImage>
#include <QPainter>

namespace korvan {

namespace {

constexpr int ScrollDelay = 200;
//! How near a window's top and bottom edges a resting mouse scrolls its list.
constexpr int NearTop = 25;
constexpr int NearBottom = 5;

//! A cursor that shows Text in white on a black box, its hot spot in the middle.
QCursor TextCursor(const std::string &Text, const QFont &WorkAreaFont)
{
    QFont Font = WorkAreaFont;
    Font.setBold(true);
    const QFontMetrics Metrics(Font);
    const QString Shown = QString::fromStdString(Text);
    const int Width = (Metrics.horizontalAdvance(Shown) + 4 + 15) / 16 * 16;
    const int Height = Metrics.height() + 4;
    QImage Mask(Width, Height, QImage::Format_RGB32);
    Mask.fill(Qt::black);
    QPainter Painter(&Mask);
    Painter.setPen(Qt::white);
    Painter.drawRect(0, 0, Width - 1, Height - 1);
    Painter.setFont(Font);
    Painter.drawText(QRect(0, 0, Width, Height), Qt::AlignCenter | Qt::TextSingleLine, Shown);
    Painter.end();
    return KRMaskCursor(Mask, QPoint(Width / 2, Height / 2));
}

} // namespace

bool TKRWorkArea::GetDragFieldName() const
{
    return Options().Contains(kroDragFieldName);
}

bool TKRWorkArea::CompatibleTypes(TFieldType Dragged, TFieldType Target)
{
    for (const CompatibleFields *Class : { &sNumeric, &sFloat, &sString })
        if (Class->Contains(Dragged))
            return Class->Contains(Target);
    return Dragged == Target;
}

QPoint TKRWorkArea::ToOwner(QPoint Pos) const
{
    return parentWidget() ? mapToParent(Pos) : Pos;
}

void TKRWorkArea::BeginFieldDrag()
{
    FFieldDrag = true;
    KRDragController().BeginDrag(this, this, false);
}

void TKRWorkArea::StartDrag()
{
    HideHint();
    if (FOnStartDrag)
        FOnStartDrag();
    const auto *Window = dynamic_cast<TKRTable *>(FSelectedObject);
    if (GetDragFieldName() && Window && Window->CurrentItem())
        KRSetDragCursor(TextCursor(Window->GetAlias() + "." + Window->CurrentItem()->Name(), FFont));
    else
        KRResetDragCursor();
}

void TKRWorkArea::DragOver(QObject *Source, QPoint Pos, TKRDragState State, bool &Accept)
{
    Accept = false;
    if (Source != this) {
        if (FOnDragOver)
            FOnDragOver(Source, ToOwner(Pos), State, Accept);
        return;
    }
    const auto *Dragging = dynamic_cast<TKRTable *>(FSelectedObject);
    const TKRListItem *Dragged = Dragging ? Dragging->CurrentItem() : nullptr;
    if (!Dragged || State == dsDragLeave) {
        SetDropHighlight(nullptr);
        return;
    }
    const QPoint P = viewport()->mapFrom(this, Pos);
    // Only the window in front under the mouse counts, and only over its list.
    TKRTable *Over = nullptr;
    for (const auto &Table : FTableWindows)
        if (const TTableHitTest Hit = Table->HitTest(P); Hit != htTOutSide) {
            if (Hit == htTClient)
                Over = Table.get();
            break;
        }
    if (!Over || Over == Dragging) {
        SetDropHighlight(nullptr);
        return;
    }
    FDropTable = Over;
    const QPoint M = P + ScrollPos();
    const QRect Bounds = Over->GetBoundsRect();
    const bool NearTopEdge = M.y() < Bounds.top() + NearTop;
    const bool NearBottomEdge = M.y() > Bounds.top() + Bounds.height() - NearBottom;
    if ((NearTopEdge || NearBottomEdge) && State == dsDragMove) {
        FTimerPoint = M;
        FTimers.Start(NearTopEdge ? TimerScrollUp : TimerScrollDown, ScrollDelay);
    } else {
        FTimerPoint = QPoint(0, 0);
    }
    TKRListItem *Candidate = Over->GetItemAt(P.x(), P.y());
    SetDropHighlight(Candidate);
    if (Candidate && Candidate->ParamType() == ptOutput
            && CompatibleTypes(Dragged->DataType(), Candidate->DataType())
            && !FindLink(Dragging, Over, Dragged, Candidate)) {
        FDropItem = Candidate;
        Accept = true;
    }
}

void TKRWorkArea::DragDrop(QObject *Source, QPoint Pos)
{
    // The diagram's own drop is handled when its drag ends.
    if (Source != this && FOnDragDrop)
        FOnDragDrop(Source, ToOwner(Pos));
}

void TKRWorkArea::EndDrag(QWidget *Target, QPoint Pos)
{
    FFieldDrag = false;
    FTimers.Stop(TimerScrollUp);
    FTimers.Stop(TimerScrollDown);
    SetDropHighlight(nullptr);
    KRResetDragCursor();
    if (Target == this) {
        auto *Window = dynamic_cast<TKRTable *>(FSelectedObject);
        if (Window && Window->CurrentItem() && FDropItem) {
            AddLink(Window, FDropItem->Table(), Window->CurrentItem(), FDropItem);
            viewport()->update();
        }
    } else if (FOnEndDrag) {
        const QPoint Global = Target ? Target->mapToGlobal(Pos) : mapToGlobal(Pos);
        FOnEndDrag(Target, parentWidget() ? parentWidget()->mapFromGlobal(Global) : mapFromGlobal(Global));
    }
}

void TKRWorkArea::SetDropHighlight(TKRListItem *Item)
{
    if (Item == FDropHighlight)
        return;
    if (FDropHighlight)
        InvalidateRect(FDropHighlight->Table()->GetItemRect(FDropHighlight));
    FDropHighlight = Item;
    if (Item)
        InvalidateRect(Item->Table()->GetItemRect(Item));
}

} // namespace korvan
