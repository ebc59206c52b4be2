// The cursors of the views by their old names, and the drag cursor a program may replace.
#pragma once

#include <cstdint>

#include <QCursor>
#include <QImage>
#include <QPoint>

namespace korvan {

enum TKRCursor : std::uint8_t {
    crDefault,
    crArrow,
    crIBeam,
    crSizeWE,
    crSizeNS,
    crSizeNWSE,
    crSizeNESW,
    crSizeAll,
    crUpArrow,
    crHandPoint,
    crHSplit,
    crVSplit,
    crNoDrop,
    crDrag
};

//! The cursor Cursor names. crDefault is the arrow (a widget that should take its parent's cursor
//! calls unsetCursor instead); crDrag is the one installed by KRSetDragCursor, else the bitmap
//! DragCursor with its hot spot at the arrow's tip.
QCursor KRCursor(TKRCursor Cursor);

//! Makes Cursor the crDrag cursor until KRResetDragCursor; it lasts as long as the application.
void KRSetDragCursor(const QCursor &Cursor);
void KRResetDragCursor();

//! A cursor from a one-bit AND mask as the old window system took it, with an all-zero XOR mask:
//! the mask's black pixels show black, its white pixels let the screen through. Mask may be of
//! any format; a pixel is black when it is darker than middle grey and opaque.
QCursor KRMaskCursor(const QImage &Mask, QPoint HotSpot);

} // namespace korvan
