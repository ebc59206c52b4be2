// Regions as the old window system made them from polygons.
#pragma once

#include <QPolygon>
#include <QRegion>

namespace korvan {

//! The pixels inside Points by the alternate (even-odd) rule, a pixel counting as inside when its
//! centre is: the rectangle (0, 0), (4, 0), (4, 3), (0, 3) covers QRect(0, 0, 4, 3), its right and
//! bottom edges outside, as with every rectangle of the old window system. The polygon is closed
//! from its last point back to its first; fewer than three points cover nothing.
QRegion KRPolygonRegion(const QPolygon &Points);

} // namespace korvan
