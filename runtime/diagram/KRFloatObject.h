// What floats on the work area: table windows and links. They are not widgets; the work area hit
// tests them, hands them its mouse and key messages and paints them on its own surface.
#pragma once

#include "framework/KRSet.h"
#include "framework/qt/KRIdentified.h"
#include "framework/qt/KRKeys.h"

#include <cstdint>
#include <functional>
#include <string>

#include <QPoint>

class QMenu;

namespace korvan {

class TKRCanvas;
class TKRWorkArea;

//! What part of a floating object lies under a point.
enum TTableHitTest : std::uint8_t {
    htTOutSide,
    htTLeft,
    htTTop,
    htTRight,
    htTBottom,
    htTLeftTop,
    htTLeftBottom,
    htTRightTop,
    htTRightBottom,
    htTCaption,
    htTClient, //!< a table's field list; a link's line
    htTEndLine, //!< one of a link's two end points
    htTPoint, //!< a link's bend point
    htTbutton,
    htTCheck
};
using TSetOfTableHits = TSet<TTableHitTest>;

// The key-state word of a mouse message.
inline constexpr unsigned MK_LBUTTON = 0x0001;
inline constexpr unsigned MK_RBUTTON = 0x0002;
inline constexpr unsigned MK_SHIFT = 0x0004;
inline constexpr unsigned MK_CONTROL = 0x0008;
inline constexpr unsigned MK_MBUTTON = 0x0010;

//! A mouse message: the key-state word, the position in client coordinates and the result the
//! handler leaves.
struct TKRMouseMsg
{
    unsigned Keys = 0;
    int X = 0;
    int Y = 0;
    int Result = 0;
};

enum TMouseButton : std::uint8_t { mbLeft, mbRight, mbMiddle };

//! The shift state of a key-state word: the keys and the buttons held.
TKRShiftState KRKeysToShiftState(unsigned Keys);

//! The base of table windows and links: the owner, the selection flag, the mouse and key events,
//! and what every floating object answers.
class TKRFloatObject : public TKRIdentified
{
public:
    using TMouseEvent = std::function<void(
            TKRFloatObject *Sender, TMouseButton Button, TKRShiftState Shift, int X, int Y)>;
    using TMouseMoveEvent = std::function<void(TKRFloatObject *Sender, TKRShiftState Shift, int X, int Y)>;
    using TKeyEvent = std::function<void(TKRFloatObject *Sender, int &Key, TKRShiftState Shift)>;

    explicit TKRFloatObject(TKRWorkArea *WorkArea);
    ~TKRFloatObject() override = default;
    TKRFloatObject(const TKRFloatObject &) = delete;
    TKRFloatObject &operator=(const TKRFloatObject &) = delete;

    TKRWorkArea *WorkArea() const { return FWorkArea; }
    bool Selected() const { return FSelected; }

    void SetOnMouseDown(TMouseEvent Value) { FOnMouseDown = std::move(Value); }
    void SetOnMouseUp(TMouseEvent Value) { FOnMouseUp = std::move(Value); }
    void SetOnMouseMove(TMouseMoveEvent Value) { FOnMouseMove = std::move(Value); }
    void SetOnKeyDown(TKeyEvent Value) { FOnKeyDown = std::move(Value); }
    void SetOnKeyUp(TKeyEvent Value) { FOnKeyUp = std::move(Value); }

    //! Stores the flag; selecting brings the object to the front of the work area.
    virtual void SetSelect(bool Value);
    virtual std::string GetHint() = 0;
    //! Draws the object in client coordinates.
    virtual void Paint(TKRCanvas &Canvas) = 0;
    //! Each fires its event (the button from the key state: middle, else right, else left) and
    //! sets Msg's result to 1.
    virtual void MouseDown(TKRMouseMsg &Msg, TTableHitTest HitTest);
    virtual void MouseMove(TKRMouseMsg &Msg, TTableHitTest HitTest);
    virtual void MouseUp(TKRMouseMsg &Msg, TTableHitTest HitTest);
    virtual void KeyDown(int &Key, TKRShiftState Shift);
    virtual void KeyUp(int &Key, TKRShiftState Shift);
    //! The mouse has left the part HitTest of this object.
    virtual void LeaveHit(TKRMouseMsg &Msg, TTableHitTest HitTest);
    //! What lies under P (client coordinates).
    virtual TTableHitTest HitTest(QPoint P) = 0;
    //! Adds this object's items for the part HitTest at (X, Y) (client) to the work area's menu.
    virtual void PopupMenu(QMenu &Menu, int X, int Y, TTableHitTest HitTest) = 0;

protected:
    TKRWorkArea *const FWorkArea;
    bool FSelected = false;

private:
    void FireMouse(const TMouseEvent &Event, TKRMouseMsg &Msg);

    TMouseEvent FOnMouseDown;
    TMouseEvent FOnMouseUp;
    TMouseMoveEvent FOnMouseMove;
    TKeyEvent FOnKeyDown;
    TKeyEvent FOnKeyUp;
};

} // namespace korvan
