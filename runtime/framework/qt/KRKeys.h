// Keys as the old controls saw them: virtual-key numbers with a shift state, and Tab, Shift+Tab
// and the arrows delivered to the control instead of moving the focus.
#pragma once

#include "framework/KRSet.h"

#include <cstdint>

#include <QEvent>
#include <QKeyEvent>

namespace korvan {

inline constexpr int VK_BACK = 8;
inline constexpr int VK_TAB = 9;
inline constexpr int VK_RETURN = 13;
inline constexpr int VK_SHIFT = 16;
inline constexpr int VK_CONTROL = 17;
inline constexpr int VK_MENU = 18; // Alt
inline constexpr int VK_ESCAPE = 27;
inline constexpr int VK_SPACE = 32;
inline constexpr int VK_PRIOR = 33;
inline constexpr int VK_NEXT = 34;
inline constexpr int VK_END = 35;
inline constexpr int VK_HOME = 36;
inline constexpr int VK_LEFT = 37;
inline constexpr int VK_UP = 38;
inline constexpr int VK_RIGHT = 39;
inline constexpr int VK_DOWN = 40;
inline constexpr int VK_INSERT = 45;
inline constexpr int VK_DELETE = 46;
inline constexpr int VK_NUMPAD0 = 96;
inline constexpr int VK_F1 = 112;
inline constexpr int VK_F12 = 123;

//! The keys and, for the mouse, the buttons held down.
enum TKRShiftStateItem : std::uint8_t { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TKRShiftState = TSet<TKRShiftStateItem>;

//! The virtual-key number of Event's key: the numbers above, '0'..'9' for the digits, VK_NUMPAD0 +
//! n for the keypad's, 'A'..'Z' for the letters whatever the shift state; Enter is VK_RETURN and
//! Backtab VK_TAB. 0 for a key without one (the key() of a shifted digit or of punctuation
//! depends on the keyboard layout).
int KRVirtualKey(const QKeyEvent &Event);
//! The shift state of Event's modifiers; Backtab always has ssShift, and the press of Shift, Alt or
//! Ctrl has its own.
TKRShiftState KRShiftState(const QKeyEvent &Event);

//! TBase (a QWidget) that takes Tab, Shift+Tab and the arrow keys in keyPressEvent, as a control
//! of the old toolkit that asked for all keys. A key it ignores there goes on to its parent, so an
//! ignored Tab still moves the focus.
template <class TBase>
class TKRAllKeys : public TBase
{
public:
    using TBase::TBase;

protected:
    bool focusNextPrevChild(bool) override { return false; }

    bool event(QEvent *Event) override
    {
        // Shortcuts of the application on these keys must not take them away from the control.
        if (Event->type() == QEvent::ShortcutOverride && IsNavigationKey(*static_cast<QKeyEvent *>(Event))) {
            Event->accept();
            return true;
        }
        return TBase::event(Event);
    }

private:
    static bool IsNavigationKey(const QKeyEvent &Event)
    {
        if (Event.modifiers() & (Qt::ControlModifier | Qt::AltModifier))
            return false;
        switch (Event.key()) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
            return true;
        default:
            return false;
        }
    }
};

} // namespace korvan
