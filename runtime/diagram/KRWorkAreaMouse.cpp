// The work area's mouse and keys: hover and hit testing, moving and sizing windows, the objects'
// own mouse handling, the popup menu, Tab and Delete.
#include "diagram/KREdit.h"
#include "diagram/KRLink.h"
#include "diagram/KRTable.h"
#include "diagram/KRWorkArea.h"
#include "framework/qt/KRGuarded.h"
#include "framework/qt/KRPrompter.h"

#include <algorithm>

#include <QMouseEvent>

namespace korvan {

namespace {

TKRMouseMsg MouseMsg(const QMouseEvent &Event)
{
    TKRMouseMsg Msg;
    const Qt::MouseButtons Buttons = Event.buttons();
    if (Buttons & Qt::LeftButton)
        Msg.Keys |= MK_LBUTTON;
    if (Buttons & Qt::RightButton)
        Msg.Keys |= MK_RBUTTON;
    if (Buttons & Qt::MiddleButton)
        Msg.Keys |= MK_MBUTTON;
    if (Event.modifiers() & Qt::ShiftModifier)
        Msg.Keys |= MK_SHIFT;
    if (Event.modifiers() & Qt::ControlModifier)
        Msg.Keys |= MK_CONTROL;
    const QPoint P = Event.position().toPoint();
    Msg.X = P.x();
    Msg.Y = P.y();
    return Msg;
}

bool IsLeft(TTableHitTest Hit)
{
    return Hit == htTLeft || Hit == htTLeftTop || Hit == htTLeftBottom;
}

bool IsTop(TTableHitTest Hit)
{
    return Hit == htTTop || Hit == htTLeftTop || Hit == htTRightTop;
}

bool IsRight(TTableHitTest Hit)
{
    return Hit == htTRight || Hit == htTRightTop || Hit == htTRightBottom;
}

bool IsBottom(TTableHitTest Hit)
{
    return Hit == htTBottom || Hit == htTLeftBottom || Hit == htTRightBottom;
}

} // namespace

std::pair<TKRFloatObject *, TTableHitTest> TKRWorkArea::HitObject(QPoint P) const
{
    for (const auto &Table : FTableWindows)
        if (const TTableHitTest Hit = Table->HitTest(P); Hit != htTOutSide)
            return { Table.get(), Hit };
    for (const auto &Link : FLinks)
        if (const TTableHitTest Hit = Link->HitTest(P); Hit != htTOutSide)
            return { Link.get(), Hit };
    return { nullptr, htTOutSide };
}

void TKRWorkArea::mouseMoveEvent(QMouseEvent *Event)
{
    TKRMouseMsg Msg = MouseMsg(*Event);
    KRGuarded(this, [&] { HandleMouseMove(Msg); });
}

void TKRWorkArea::mousePressEvent(QMouseEvent *Event)
{
    if (Event->button() != Qt::LeftButton)
        return;
    TKRMouseMsg Msg = MouseMsg(*Event);
    KRGuarded(this, [&] {
        // The press may come without a move to its place first, or after the objects under the
        // mouse changed: hover there before it.
        TKRMouseMsg Hover = Msg;
        Hover.Keys &= ~MK_LBUTTON;
        FLastMouse = QPoint(-1, -1);
        HandleMouseMove(Hover);
        HandleLeftButtonDown(Msg);
    });
}

void TKRWorkArea::mouseReleaseEvent(QMouseEvent *Event)
{
    TKRMouseMsg Msg = MouseMsg(*Event);
    if (Event->button() == Qt::LeftButton)
        KRGuarded(this, [&] { HandleLeftButtonUp(Msg); });
    else if (Event->button() == Qt::RightButton)
        KRGuarded(this, [&] { HandleRightButtonUp(Msg, Event->globalPosition().toPoint()); });
}

void TKRWorkArea::mouseDoubleClickEvent(QMouseEvent *Event)
{
    if (Event->button() == Qt::LeftButton)
        KRGuarded(this, [&] {
            TKRMouseMsg Msg = MouseMsg(*Event);
            HandleDoubleClick(Msg);
        });
}

void TKRWorkArea::HandleMouseMove(TKRMouseMsg &Msg)
{
    const QPoint P(Msg.X, Msg.Y);
    if (P == FLastMouse)
        return;
    FLastMouse = P;
    HideHint();
    if (!(Msg.Keys & MK_LBUTTON)) {
        viewport()->unsetCursor();
        const auto [Object, Hit] = HitObject(P);
        if (!Object) {
            if (TKRFloatObject *Old = std::exchange(FHotObject, nullptr))
                Old->LeaveHit(Msg, FHotHit);
            FHotHit = htTOutSide;
            return;
        }
        SetupCursor(Hit);
        if (Object != FHotObject || Hit != FHotHit) {
            if (FHotObject)
                FHotObject->LeaveHit(Msg, FHotHit);
            FHotObject = Object;
            FHotHit = Hit;
        }
        FTimerPoint = P;
        Object->MouseMove(Msg, Hit);
        FTimers.Start(TimerShowHint, HintDelay);
        return;
    }

    FAliasEdit->hide();
    auto *Window = dynamic_cast<TKRTable *>(FHotObject);
    if (!Window || !FMoveHits.Contains(FHotHit)) {
        if (FHotObject)
            FHotObject->MouseMove(Msg, FHotHit);
        return;
    }
    // A window is being moved or sized; it stays inside the content surface.
    const QPoint M = P + ScrollPos();
    const int NewLeft = M.x() - FDragOffset.x();
    const int NewTop = M.y() - FDragOffset.y();
    if (FHotHit == htTCaption) {
        const int Left = std::clamp(NewLeft, 0, ContentSize - Window->Width());
        const int Top = std::clamp(NewTop, 0, ContentSize - Window->GetBoundsRect().height());
        Window->MoveTable(Left - Window->Left(), Top - Window->Top());
        const QSize Client = viewport()->size();
        QPoint Scroll = ScrollPos();
        if (P.x() > Client.width() && Scroll.x() + P.x() < ContentSize)
            Scroll.rx() += P.x() - Client.width();
        else if (P.x() < 0 && Scroll.x() >= 1)
            Scroll.rx() += P.x();
        if (P.y() > Client.height() && Scroll.y() + P.y() < ContentSize)
            Scroll.ry() += P.y() - Client.height();
        else if (P.y() < 0 && Scroll.y() >= 1)
            Scroll.ry() += P.y();
        SetScrollPos(Scroll);
        return;
    }
    if (IsLeft(FHotHit))
        Window->MoveLeft(std::max(NewLeft, 0) - Window->Left());
    if (IsTop(FHotHit))
        Window->MoveUpper(std::max(NewTop, 0) - Window->Top());
    if (IsRight(FHotHit))
        Window->SetWidth(std::min(M.x() - Window->Left(), ContentSize - Window->Left()));
    if (IsBottom(FHotHit))
        Window->SetHeight(std::min(M.y() - Window->Top(), ContentSize - Window->Top()));
}

void TKRWorkArea::HandleLeftButtonDown(TKRMouseMsg &Msg)
{
    HideHint();
    setFocus(Qt::MouseFocusReason);
    if (FSelectedObject != FHotObject)
        Select(FHotObject);
    if (!FHotObject)
        return;
    FHotObject->MouseDown(Msg, FHotHit);
    if (auto *Window = dynamic_cast<TKRTable *>(FHotObject); Window && FMoveHits.Contains(FHotHit))
        FDragOffset = QPoint(Msg.X, Msg.Y) + ScrollPos() - QPoint(Window->Left(), Window->Top());
}

void TKRWorkArea::HandleLeftButtonUp(TKRMouseMsg &Msg)
{
    if (auto *Window = dynamic_cast<TKRTable *>(FSelectedObject); Window && FHotHit == htTCaption)
        for (const auto &Link : FLinks)
            if (Link->Join()->Tables(0) == Window || Link->Join()->Tables(1) == Window)
                InvalidateRegion(Link->GetClipRgn(0));
    if (FHotObject)
        FHotObject->MouseUp(Msg, FHotHit);
}

void TKRWorkArea::HandleRightButtonUp(TKRMouseMsg &Msg, QPoint Global)
{
    const auto [Object, Hit] = HitObject(QPoint(Msg.X, Msg.Y));
    if (!Object)
        return;
    FMenu.clear();
    FMenuHandlers.clear();
    ClearSelection();
    Select(Object);
    Object->PopupMenu(FMenu, Msg.X, Msg.Y, Hit);
    if (FMenu.isEmpty())
        return;
    QAction *Chosen = KRPrompter().ExecMenu(FMenu, Global);
    // The command runs once the menu has closed; it may free what the menu was about.
    const auto It = std::find_if(FMenuHandlers.begin(), FMenuHandlers.end(),
            [Chosen](const auto &H) { return H.first == Chosen; });
    if (Chosen && It != FMenuHandlers.end() && It->second) {
        const std::function<void()> Handler = It->second;
        Handler();
    }
}

void TKRWorkArea::HandleDoubleClick(TKRMouseMsg &Msg)
{
    if (auto *Link = dynamic_cast<TKRLink *>(FSelectedObject)) {
        if (FLinkEditor && FLinkEditor->Execute(*Link))
            viewport()->update();
    } else if (auto *Window = dynamic_cast<TKRTable *>(FSelectedObject)) {
        Window->DblClick(Msg, FHotHit);
    }
}

void TKRWorkArea::keyPressEvent(QKeyEvent *Event)
{
    const int Key = KRVirtualKey(*Event);
    const TKRShiftState Shift = KRShiftState(*Event);
    KRGuarded(this, [&] { HandleKeyDown(Key, Shift); });
}

void TKRWorkArea::keyReleaseEvent(QKeyEvent *Event)
{
    int Key = KRVirtualKey(*Event);
    const TKRShiftState Shift = KRShiftState(*Event);
    KRGuarded(this, [&] {
        if (FSelectedObject)
            FSelectedObject->KeyUp(Key, Shift);
    });
}

void TKRWorkArea::HandleKeyDown(int Key, TKRShiftState Shift)
{
    HideHint();
    if (Key == VK_TAB) {
        if (FTableWindows.empty())
            return;
        const auto It = std::find_if(FTableWindows.begin(), FTableWindows.end(),
                [this](const auto &T) { return T.get() == FSelectedObject; });
        const int Index = It == FTableWindows.end() ? -1 : static_cast<int>(It - FTableWindows.begin());
        const int Next =
                std::clamp(Shift.Contains(ssShift) ? Index + 1 : TableCount() - 1, 0, TableCount() - 1);
        if (TableWindows(Next) != FSelectedObject)
            Select(TableWindows(Next));
        return;
    }
    if (Key == VK_DELETE) {
        // The link stays selected while the question is open, and after a No.
        if (auto *Link = dynamic_cast<TKRLink *>(FSelectedObject))
            Link->Remove();
        else if (auto *Window = dynamic_cast<TKRTable *>(FSelectedObject))
            Window->Close();
        return;
    }
    if (FSelectedObject)
        FSelectedObject->KeyDown(Key, Shift);
}

} // namespace korvan
