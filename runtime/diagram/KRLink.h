// The lines of the diagram: a link joins a field row of one table window to a row of another and
// stands for one join condition; the links between the same two windows share one join, which
// holds the kind drawn for all of them.
#pragma once

#include "diagram/KRFloatObject.h"
#include "parser/KRJoinDefs.h"

#include <string>

#include <QPoint>
#include <QPolygon>
#include <QRect>
#include <QRegion>

namespace korvan {

class TKRListItem;
class TKRTable;

//! The joined pair of windows. The first item of each of its links lies in Tables(0).
class TKRJoin
{
public:
    TKRJoin(TKRWorkArea *WorkArea, TKRTable *Table1, TKRTable *Table2);

    TKRJoinKind Kind() const { return FKind; }
    void SetKind(TKRJoinKind Value) { FKind = Value; }
    //! The first (0) or second (1) window; nullptr for any other index.
    TKRTable *Tables(int Index) const;
    //! The table name of Tables(Index) (not its alias); empty for any other index.
    std::string TableNames(int Index) const;
    TKRWorkArea *WorkArea() const { return FWorkArea; }
    //! Forgets a window that is going away (its links raise on the next routing).
    void ClearTable(int Index);

private:
    TKRJoinKind FKind = krjInnerJoin;
    TKRTable *FTables[2];
    TKRWorkArea *FWorkArea;
};

//! The texts of the link dialog's condition list; a link's Condition indexes it.
inline constexpr const char *KRLinkConditions[] = { "=", ">", "<", ">=", "<=", "<>" };

/*! The line from FirstItem's row to SecondItem's. Its points (content coordinates) are, for n >= 4:
    0 on the outer edge of the first row's band, 1 ten pixels further out, 2 .. n-3 the bend points
    the user inserted, n-2 ten pixels out from n-1, and n-1 on the edge of the second row's band.
    Routing (SetBoundaryRect) recomputes the four fixed points; only the user moves bend points. */
class TKRLink : public TKRFloatObject
{
public:
    //! The caller puts FirstItem in Join's first table and SecondItem in its second.
    TKRLink(TKRWorkArea *WorkArea, TKRJoin *Join, TKRListItem *FirstItem, TKRListItem *SecondItem);

    TKRJoin *Join() const { return FJoin; }
    //! Index in KRLinkConditions; -1 for a condition typed in the dialog.
    int Condition() const { return FCondition; }
    void SetCondition(int Value) { FCondition = Value; }
    TKRListItem *FirstItem() const { return FFirstItem; }
    TKRListItem *SecondItem() const { return FSecondItem; }

    int CountPoints() const { return static_cast<int>(FPoints.size()); }
    //! Point Index in client coordinates. Raises "Invalid index = %d " out of range.
    QPoint Points(int Index) const;
    //! Stores Value (content coordinates) as point Index. Raises "Invalid index = %d " out of range.
    void SetPoints(int Index, QPoint Value);
    //! The points in content coordinates.
    const QPolygon &ContentPoints() const { return FPoints; }
    //! The content rectangle enclosing the link and its markers.
    QRect Bounds() const { return FBounds; }
    void SetBounds(const QRect &Value) { FBounds = Value; }
    //! The last popup position or the rubber band's end (client coordinates).
    QPoint MovePoint() const { return FMovePoint; }
    //! The bend point being dragged, -1 for none.
    int DragPoint() const { return FDragPoint; }

    //! Routes the fixed points from the rows' bands and recomputes the bounds. Raises "Invalid
    //! table %s in Link control" when the join has lost a table.
    QRect SetBoundaryRect();
    //! Part 0 the whole link, 1 its first end, 2 its second end; client coordinates.
    QRegion GetClipRgn(int Part) const;

    void SetSelect(bool Value) override;
    //! alias.field, condition, alias.field: o.CustNo=c.CustNo.
    std::string GetHint() override;
    void Paint(TKRCanvas &Canvas) override;
    //! The rubber band of a bend point being dragged, inverted; drawn after everything else.
    void PaintRubberBand(TKRCanvas &Canvas) const;
    void MouseDown(TKRMouseMsg &Msg, TTableHitTest HitTest) override;
    void MouseMove(TKRMouseMsg &Msg, TTableHitTest HitTest) override;
    void MouseUp(TKRMouseMsg &Msg, TTableHitTest HitTest) override;
    TTableHitTest HitTest(QPoint P) override;
    void PopupMenu(QMenu &Menu, int X, int Y, TTableHitTest HitTest) override;

    //! As the menu's "Delete link".
    void Remove();
    void HandleInsertPoint();
    void HandleDeletePoint();
    //! Asks first; the work area removes the link later, from its queue.
    void HandleDeleteLink();
    void HandleLinkProperties();

private:
    void CheckIndex(int Index) const;
    QPoint ScrollPos() const;
    void InvalidatePart(int Part) const;
    void InvalidateBounds() const;
    //! The band of the rubber band: the dragged point's neighbours through MovePoint (client).
    QPolygon RubberBand() const;

    TKRJoin *FJoin;
    int FCondition = 0;
    TKRListItem *FFirstItem;
    TKRListItem *FSecondItem;
    QRect FBounds;
    QPolygon FPoints;
    QPoint FMovePoint;
    int FDragPoint = -1;
    //! A rubber band is shown (drawn from MovePoint in the paint pass).
    bool FBanding = false;
};

} // namespace korvan
