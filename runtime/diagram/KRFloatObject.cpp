#include "diagram/KRFloatObject.h"

#include "diagram/KRWorkArea.h"

namespace korvan {

TKRShiftState KRKeysToShiftState(unsigned Keys)
{
    TKRShiftState Shift;
    if (Keys & MK_SHIFT)
        Shift.Include(ssShift);
    if (Keys & MK_CONTROL)
        Shift.Include(ssCtrl);
    if (Keys & MK_LBUTTON)
        Shift.Include(ssLeft);
    if (Keys & MK_RBUTTON)
        Shift.Include(ssRight);
    if (Keys & MK_MBUTTON)
        Shift.Include(ssMiddle);
    return Shift;
}

TKRFloatObject::TKRFloatObject(TKRWorkArea *WorkArea)
    : FWorkArea(WorkArea)
{}

void TKRFloatObject::SetSelect(bool Value)
{
    FSelected = Value;
    if (Value && FWorkArea)
        FWorkArea->TableToFront(this);
}

void TKRFloatObject::FireMouse(const TMouseEvent &Event, TKRMouseMsg &Msg)
{
    if (Event) {
        const TMouseButton Button = (Msg.Keys & MK_MBUTTON) ? mbMiddle
                : (Msg.Keys & MK_RBUTTON)                   ? mbRight
                                                            : mbLeft;
        Event(this, Button, KRKeysToShiftState(Msg.Keys), Msg.X, Msg.Y);
    }
    Msg.Result = 1;
}

void TKRFloatObject::MouseDown(TKRMouseMsg &Msg, TTableHitTest)
{
    FireMouse(FOnMouseDown, Msg);
}

void TKRFloatObject::MouseUp(TKRMouseMsg &Msg, TTableHitTest)
{
    FireMouse(FOnMouseUp, Msg);
}

void TKRFloatObject::MouseMove(TKRMouseMsg &Msg, TTableHitTest)
{
    if (FOnMouseMove)
        FOnMouseMove(this, KRKeysToShiftState(Msg.Keys), Msg.X, Msg.Y);
    Msg.Result = 1;
}

void TKRFloatObject::KeyDown(int &Key, TKRShiftState Shift)
{
    if (FOnKeyDown)
        FOnKeyDown(this, Key, Shift);
}

void TKRFloatObject::KeyUp(int &Key, TKRShiftState Shift)
{
    if (FOnKeyUp)
        FOnKeyUp(this, Key, Shift);
}

void TKRFloatObject::LeaveHit(TKRMouseMsg &, TTableHitTest) {}

} // namespace korvan
