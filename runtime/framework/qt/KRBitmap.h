// The bitmaps the views draw: CHECKBMP, UNCHECKBMP, INPUTPARAM, INPUTNULL, TABLEBMP, FIELDBMP, ADD,
// ADD_ALL, REMOVE, REMOVE_ALL (16 x 16), BOX1 to BOX3 and BTN1 to BTN3 (12 x 12) and the picture of
// the cursor DragCursor (32 x 32), kept as XPM files in runtime/resources/bitmaps.
#pragma once

#include <string_view>

#include <QPixmap>

namespace korvan {

//! The bitmap Name with its transparent colour, the colour of its bottom-left pixel, made
//! transparent; a null pixmap for a name that is not one of the bitmaps.
QPixmap KRBitmap(std::string_view Name);

} // namespace korvan
