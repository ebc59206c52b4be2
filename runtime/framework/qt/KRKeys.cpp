#include "framework/qt/KRKeys.h"

namespace korvan {

int KRVirtualKey(const QKeyEvent &Event)
{
    const int Key = Event.key();
    if (Key >= Qt::Key_0 && Key <= Qt::Key_9)
        return (Event.modifiers() & Qt::KeypadModifier) ? VK_NUMPAD0 + (Key - Qt::Key_0)
                                                        : '0' + (Key - Qt::Key_0);
    if (Key >= Qt::Key_A && Key <= Qt::Key_Z)
        return 'A' + (Key - Qt::Key_A);
    if (Key >= Qt::Key_F1 && Key <= Qt::Key_F12)
        return VK_F1 + (Key - Qt::Key_F1);
    switch (Key) {
    case Qt::Key_Backspace:
        return VK_BACK;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return VK_TAB;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return VK_RETURN;
    case Qt::Key_Shift:
        return VK_SHIFT;
    case Qt::Key_Control:
        return VK_CONTROL;
    case Qt::Key_Alt:
        return VK_MENU;
    case Qt::Key_Escape:
        return VK_ESCAPE;
    case Qt::Key_Space:
        return VK_SPACE;
    case Qt::Key_PageUp:
        return VK_PRIOR;
    case Qt::Key_PageDown:
        return VK_NEXT;
    case Qt::Key_End:
        return VK_END;
    case Qt::Key_Home:
        return VK_HOME;
    case Qt::Key_Left:
        return VK_LEFT;
    case Qt::Key_Up:
        return VK_UP;
    case Qt::Key_Right:
        return VK_RIGHT;
    case Qt::Key_Down:
        return VK_DOWN;
    case Qt::Key_Insert:
        return VK_INSERT;
    case Qt::Key_Delete:
        return VK_DELETE;
    default:
        return 0;
    }
}

TKRShiftState KRShiftState(const QKeyEvent &Event)
{
    TKRShiftState State;
    const Qt::KeyboardModifiers Modifiers = Event.modifiers();
    // Pressing a modifier key counts as holding it, as it did in the old toolkit.
    const int Key = Event.type() == QEvent::KeyPress ? Event.key() : 0;
    if ((Modifiers & Qt::ShiftModifier) || Key == Qt::Key_Shift || Event.key() == Qt::Key_Backtab)
        State.Include(ssShift);
    if ((Modifiers & Qt::AltModifier) || Key == Qt::Key_Alt)
        State.Include(ssAlt);
    if ((Modifiers & Qt::ControlModifier) || Key == Qt::Key_Control)
        State.Include(ssCtrl);
    return State;
}

} // namespace korvan
