#include "diagram/KRLink.h"

#include "diagram/KRGeometry.h"
#include "diagram/KRListItem.h"
#include "diagram/KRTable.h"
#include "diagram/KRWorkArea.h"
#include "framework/KRException.h"
#include "framework/KRText.h"
#include "framework/qt/KRCanvas.h"
#include "framework/qt/KRMessages.h"
#include "framework/qt/KRPrompter.h"
#include "framework/qt/KRRegion.h"
#include "resources/KRResource.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace korvan {

namespace {

//! The distance at which a click takes a bend or end point.
constexpr int PointGrip = 3;
//! How far the stub points lie out from the attach points.
constexpr int StubLength = 10;

bool Near(QPoint A, QPoint B)
{
    return std::abs(A.x() - B.x()) <= PointGrip && std::abs(A.y() - B.y()) <= PointGrip;
}

//! The rectangle between two corners given in any order.
QRect Spanned(int X1, int Y1, int X2, int Y2)
{
    return KRRect(std::min(X1, X2), std::min(Y1, Y2), std::max(X1, X2), std::max(Y1, Y2));
}

} // namespace

// ---------------------------------------------------------------------------------------------
// TKRJoin

TKRJoin::TKRJoin(TKRWorkArea *WorkArea, TKRTable *Table1, TKRTable *Table2)
    : FTables{ Table1, Table2 }
    , FWorkArea(WorkArea)
{}

TKRTable *TKRJoin::Tables(int Index) const
{
    return Index == 0 || Index == 1 ? FTables[Index] : nullptr;
}

std::string TKRJoin::TableNames(int Index) const
{
    const TKRTable *Table = Tables(Index);
    return Table ? Table->TableName() : std::string();
}

void TKRJoin::ClearTable(int Index)
{
    if (Index == 0 || Index == 1)
        FTables[Index] = nullptr;
}

// ---------------------------------------------------------------------------------------------
// TKRLink: points and routing

TKRLink::TKRLink(TKRWorkArea *WorkArea, TKRJoin *Join, TKRListItem *FirstItem, TKRListItem *SecondItem)
    : TKRFloatObject(WorkArea)
    , FJoin(Join)
    , FFirstItem(FirstItem)
    , FSecondItem(SecondItem)
    , FPoints(4)
{
    SetBoundaryRect();
}

void TKRLink::CheckIndex(int Index) const
{
    if (Index < 0 || Index >= CountPoints())
        throw Exception(Format(SInvalidPointIndex, { Index }));
}

QPoint TKRLink::ScrollPos() const
{
    return FWorkArea ? FWorkArea->ScrollPos() : QPoint();
}

QPoint TKRLink::Points(int Index) const
{
    CheckIndex(Index);
    return FPoints[Index] - ScrollPos();
}

void TKRLink::SetPoints(int Index, QPoint Value)
{
    CheckIndex(Index);
    FPoints[Index] = Value;
}

QRect TKRLink::SetBoundaryRect()
{
    for (int I = 0; I < 2; ++I)
        if (!FJoin->Tables(I))
            throw Exception(Format(SInvalidLinkTable, { FJoin->TableNames(I) }));
    const QRect R1 = FFirstItem->GetBoundsRect();
    const QRect R2 = FSecondItem->GetBoundsRect();
    const int N = CountPoints();
    const int Y1 = R1.y() + R1.height() / 2;
    const int Y2 = R2.y() + R2.height() / 2;

    // Each end leaves on the side that faces the next point of the path: the first bend point, or
    // without bend points the other row's right edge.
    const int StartTarget = N > 4 ? FPoints[2].x() : KRRight(R2);
    if (StartTarget < R1.x()) {
        FPoints[0] = QPoint(R1.x(), Y1);
        FPoints[1] = QPoint(R1.x() - StubLength, Y1);
    } else {
        FPoints[0] = QPoint(KRRight(R1), Y1);
        FPoints[1] = QPoint(KRRight(R1) + StubLength, Y1);
    }
    const int EndTarget = N > 4 ? FPoints[N - 3].x() : KRRight(R1);
    if (EndTarget < R2.x()) {
        FPoints[N - 1] = QPoint(R2.x(), Y2);
        FPoints[N - 2] = QPoint(R2.x() - StubLength, Y2);
    } else {
        FPoints[N - 1] = QPoint(KRRight(R2), Y2);
        FPoints[N - 2] = QPoint(KRRight(R2) + StubLength, Y2);
    }

    int Left = INT_MAX, Top = INT_MAX, Right = 0, Bottom = 0;
    for (const QPoint &P : FPoints) {
        Left = std::min(Left, P.x());
        Top = std::min(Top, P.y());
        Right = std::max(Right, P.x());
        Bottom = std::max(Bottom, P.y());
    }
    FBounds = KRRect(Left - 3, Top - 3, Right + 3, Bottom + 3);
    return FBounds;
}

// ---------------------------------------------------------------------------------------------
// Regions and repainting

QRegion TKRLink::GetClipRgn(int Part) const
{
    const int N = CountPoints();
    QPolygon P(N);
    for (int I = 0; I < N; ++I)
        P[I] = Points(I);

    QRegion Region;
    if (Part == 0 || Part == 1) {
        const int D = P[1].x() > P[0].x() ? 1 : -1;
        Region = QRegion(Spanned(P[0].x() - D, P[0].y() - 4, P[0].x() + 7 * D, P[0].y() + 4));
    } else {
        Region = QRegion(KRRect(0, 0, 1, 1));
    }
    const int First = Part == 2 ? N - 3 : 0;
    const int Last = Part == 1 ? 1 : N - 2;
    for (int I = First; I <= Last; ++I) {
        const QPoint A = P[I];
        const QPoint B = P[I + 1];
        const int Steep = B.x() == A.x() ? 2 : (B.y() - A.y()) / (B.x() - A.x());
        const QPolygon Band = Steep == 0 ? QPolygon({ QPoint(A.x(), A.y() - 1), QPoint(B.x(), B.y() - 1),
                                      QPoint(B.x(), B.y() + 1), QPoint(A.x(), A.y() + 1) })
                                         : QPolygon({ QPoint(A.x() - 1, A.y()), QPoint(B.x() - 1, B.y()),
                                                 QPoint(B.x() + 1, B.y()), QPoint(A.x() + 1, A.y()) });
        Region += KRPolygonRegion(Band);
    }
    for (int I = First + 1; I <= Last; ++I)
        Region += KRRect(P[I].x() - 3, P[I].y() - 3, P[I].x() + 3, P[I].y() + 3);
    if (Part == 0 || Part == 2) {
        const QPoint End = P[N - 1];
        const int D = P[N - 2].x() > End.x() ? 1 : -1;
        Region += Spanned(End.x() - D, End.y() - 4, End.x() + 7 * D, End.y() + 4);
    }
    return Region;
}

void TKRLink::InvalidatePart(int Part) const
{
    if (FWorkArea)
        FWorkArea->InvalidateRegion(GetClipRgn(Part));
}

void TKRLink::InvalidateBounds() const
{
    if (FWorkArea)
        FWorkArea->InvalidateRect(FBounds.translated(-ScrollPos()));
}

// ---------------------------------------------------------------------------------------------
// Selection, hint, hit test, painting

void TKRLink::SetSelect(bool Value)
{
    TKRFloatObject::SetSelect(Value);
    FFirstItem->SetSelect(Value);
    FSecondItem->SetSelect(Value);
    if (FWorkArea)
        FWorkArea->SelectLink(FFirstItem, FSecondItem, Value);
    if (Value)
        InvalidatePart(0);
    else
        InvalidateBounds();
}

std::string TKRLink::GetHint()
{
    std::string Hint = FFirstItem->Table()->GetAlias() + "." + FFirstItem->Name();
    // A condition typed in the link dialog has no entry in the list; the hint then shows none.
    if (FCondition >= 0 && FCondition < static_cast<int>(std::size(KRLinkConditions)))
        Hint += KRLinkConditions[FCondition];
    return Hint + FSecondItem->Table()->GetAlias() + "." + FSecondItem->Name();
}

TTableHitTest TKRLink::HitTest(QPoint P)
{
    const int N = CountPoints();
    const QPoint Q = P + ScrollPos();
    // Every point the line test measures lies within the points' bounding box, and its distance is
    // a city-block one: a mouse farther from the box than the tolerance (and the 3-pixel reach of
    // the points) hits nothing. Most links of a diagram are answered here.
    const int Reach = std::max(N, PointGrip);
    int Left = INT_MAX, Top = INT_MAX, Right = INT_MIN, Bottom = INT_MIN;
    for (const QPoint &Point : FPoints) {
        Left = std::min(Left, Point.x());
        Right = std::max(Right, Point.x());
        Top = std::min(Top, Point.y());
        Bottom = std::max(Bottom, Point.y());
    }
    if (Q.x() < Left - Reach || Q.x() > Right + Reach || Q.y() < Top - Reach || Q.y() > Bottom + Reach)
        return htTOutSide;

    TTableHitTest Result = IsPointNearLine(FPoints, Q, N) != -1 ? htTClient : htTOutSide;
    // The stub points take no clicks; of two points in reach the later one wins.
    for (int I = 0; I < N; ++I)
        if (I != 1 && I != N - 2 && Near(FPoints[I], Q))
            Result = I == 0 || I == N - 1 ? htTEndLine : htTPoint;
    return Result;
}

void TKRLink::Paint(TKRCanvas &Canvas)
{
    const int N = CountPoints();
    QPolygon P(N);
    for (int I = 0; I < N; ++I)
        P[I] = Points(I);
    const int Level = Canvas.Save();
    const TColor PenColor = FWorkArea ? FWorkArea->LinkPenColor() : clBlack;
    Canvas.SetPen(PenColor, FSelected ? 2 : 1);
    const int DStart = P[0].x() < P[1].x() ? 6 : -6;
    const int DEnd = P[N - 2].x() < P[N - 1].x() ? 6 : -6;
    // A line leaving to the left starts one pixel further left: a line leaves out its last pixel,
    // and the table edge must be reached from either side.
    if (DStart > 0)
        Canvas.MoveTo(P[0].x(), P[0].y());
    else
        Canvas.MoveTo(P[0].x() - 1, P[0].y());
    for (int I = 1; I < N; ++I) {
        // While a bend point is dragged its two segments give way to the rubber band.
        if (FBanding && (I == FDragPoint || I == FDragPoint + 1))
            Canvas.MoveTo(P[I].x(), P[I].y());
        else
            Canvas.LineTo(P[I].x(), P[I].y());
        if (I > 1 && I < N - 2)
            Canvas.Ellipse(P[I].x() - 3, P[I].y() - 3, P[I].x() + 3, P[I].y() + 3);
    }

    Canvas.SetPen(PenColor, 1);
    const QPoint S = P[0];
    const QPoint E = P[N - 1];
    const TKRJoinKind Kind = FJoin->Kind();
    if (Kind == krjLOuterJoin || Kind == krjFOuterJoin)
        Canvas.Polygon(QPolygon({ S, QPoint(S.x() + DStart, S.y() - 3), QPoint(S.x() + DStart, S.y() + 3) }));
    else
        Canvas.Ellipse(S.x(), S.y() - 3, S.x() + DStart, S.y() + 3);
    if (Kind == krjROuterJoin || Kind == krjFOuterJoin)
        Canvas.Polygon(QPolygon({ E, QPoint(E.x() - DEnd, E.y() - 3), QPoint(E.x() - DEnd, E.y() + 3) }));
    else
        Canvas.Ellipse(E.x() - DEnd, E.y() - 3, E.x(), E.y() + 3);
    Canvas.Restore(Level);
}

QPolygon TKRLink::RubberBand() const
{
    return QPolygon({ Points(FDragPoint - 1), FMovePoint, Points(FDragPoint + 1) });
}

void TKRLink::PaintRubberBand(TKRCanvas &Canvas) const
{
    if (FBanding && FDragPoint > 1 && FDragPoint < CountPoints() - 2)
        Canvas.InvertPolyline(RubberBand());
}

// ---------------------------------------------------------------------------------------------
// Mouse: dragging bend points

void TKRLink::MouseDown(TKRMouseMsg &Msg, TTableHitTest HitTest)
{
    TKRFloatObject::MouseDown(Msg, HitTest);
    const QPoint Mouse(Msg.X, Msg.Y);
    const int N = CountPoints();
    if (HitTest == htTPoint) {
        FDragPoint = -1;
        for (int I = 2; I <= N - 3; ++I)
            if (Near(Points(I), Mouse)) {
                FDragPoint = I;
                FMovePoint = Points(I);
            }
    } else if (HitTest == htTEndLine) {
        // The end points follow their rows; the value only marks which end was taken.
        FDragPoint = Near(Points(0), Mouse) ? 0 : N - 1;
    }
}

void TKRLink::MouseMove(TKRMouseMsg &Msg, TTableHitTest HitTest)
{
    TKRFloatObject::MouseMove(Msg, HitTest);
    if (HitTest != htTPoint || !(Msg.Keys & MK_LBUTTON) || FDragPoint <= 1 || FDragPoint >= CountPoints() - 2)
        return;
    // The band is drawn from this state in the paint pass: repaint where it was (on the first move,
    // the link's own two segments) and where it goes.
    const QPolygon Old = FBanding
            ? RubberBand()
            : QPolygon({ Points(FDragPoint - 1), Points(FDragPoint), Points(FDragPoint + 1) });
    FWorkArea->InvalidateRect(Old.boundingRect().adjusted(-4, -4, 4, 4));
    FMovePoint = QPoint(Msg.X, Msg.Y);
    FBanding = true;
    FWorkArea->InvalidateRect(RubberBand().boundingRect().adjusted(-1, -1, 1, 1));
}

void TKRLink::MouseUp(TKRMouseMsg &Msg, TTableHitTest HitTest)
{
    TKRFloatObject::MouseUp(Msg, HitTest);
    if (FDragPoint <= 1 || FDragPoint >= CountPoints() - 2)
        return;
    InvalidateBounds();
    if (FBanding)
        FWorkArea->InvalidateRect(RubberBand().boundingRect().adjusted(-1, -1, 1, 1));
    FMovePoint += ScrollPos();
    const QRect Grip = KRRect(FMovePoint.x() - 3, FMovePoint.y() - 3, FMovePoint.x() + 3, FMovePoint.y() + 3);
    FBounds = FBounds.united(Grip);
    FPoints[FDragPoint] = FMovePoint;
    FBanding = false;
    InvalidatePart(0);
    FDragPoint = -1;
}

// ---------------------------------------------------------------------------------------------
// The popup menu and its commands

void TKRLink::PopupMenu(QMenu &Menu, int X, int Y, TTableHitTest HitTest)
{
    if (HitTest != htTPoint && HitTest != htTClient)
        return;
    FMovePoint = QPoint(X, Y);
    const std::uint64_t Self = Identity();
    // The handlers look the link up again: the menu may outlive it.
    auto Command = [Self](void (TKRLink::*Handler)()) {
        return [Self, Handler] {
            if (TKRLink *Link = TKRIdentified::Find<TKRLink>(Self))
                (Link->*Handler)();
        };
    };
    if (HitTest == htTPoint)
        FWorkArea->AddMenuItem(Menu, SDeletePoint, Command(&TKRLink::HandleDeletePoint));
    else
        FWorkArea->AddMenuItem(Menu, SInsertPoint, Command(&TKRLink::HandleInsertPoint));
    FWorkArea->AddMenuItem(Menu, "-", {});
    FWorkArea->AddMenuItem(Menu, SDeleteLink, Command(&TKRLink::HandleDeleteLink));
    FWorkArea->AddMenuItem(Menu, SLinkProperty, Command(&TKRLink::HandleLinkProperties));
}

void TKRLink::HandleInsertPoint()
{
    FMovePoint += ScrollPos();
    const int I = IsPointNearLine(FPoints, FMovePoint, CountPoints());
    // The stubs at either end (segments 0 and n-2) take no bend points.
    if (I < 1 || I + 3 > CountPoints())
        return;
    InvalidatePart(0);
    FPoints.insert(I + 1, FMovePoint);
    InvalidatePart(0);
}

void TKRLink::HandleDeletePoint()
{
    const int N = CountPoints();
    if (N < 5)
        return;
    for (int I = 2; I <= N - 3; ++I)
        if (Near(Points(I), FMovePoint)) {
            InvalidateBounds();
            FPoints.remove(I);
            InvalidatePart(0);
            return;
        }
}

void TKRLink::Remove()
{
    HandleDeleteLink();
}

void TKRLink::HandleDeleteLink()
{
    const std::string Question = std::string(SDeleteLinkQuestion) + "\r\n" + FJoin->TableNames(0) + " " + SAnd
            + " " + FJoin->TableNames(1);
    if (KRPrompter().MessageBox(FWorkArea, Question, SAttention, MB_YESNO | MB_ICONQUESTION) == IDNO)
        return;
    // Removed from the queue, once the menu that asked has closed and its handler has returned.
    KRPost(FWorkArea, [WorkArea = FWorkArea, Self = Identity()] {
        if (TKRLink *Link = TKRIdentified::Find<TKRLink>(Self))
            WorkArea->DeleteLink(Link);
    });
}

void TKRLink::HandleLinkProperties()
{
    if (TKRLinkEditor *Editor = FWorkArea ? FWorkArea->LinkEditor() : nullptr)
        if (Editor->Execute(*this))
            InvalidatePart(0);
}

} // namespace korvan
