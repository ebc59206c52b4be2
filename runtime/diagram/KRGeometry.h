// The geometry of the diagram's links: how near a point lies to a poly-line, whether it lies inside
// a polygon, and an integer transform of a point list. All in whole pixels.
#pragma once

#include <cstdint>

#include <QPoint>
#include <QPolygon>

namespace korvan {

//! X rounded to the nearest integer, halves to the even one (2.5 gives 2, 3.5 gives 4), as the
//! framework rounds; values beyond the int range give its nearest end.
int KRRound(double X);

//! The index of the first segment (point i to point i + 1) of Points that passes within Tolerance of
//! P, or -1. A vertical or horizontal segment is near when P lies across it within Tolerance; any
//! other segment is searched along its major axis for the city-block distance to P, the minor
//! coordinate rounded by KRRound. Fewer than two points are never near.
int IsPointNearLine(const QPolygon &Points, QPoint P, double Tolerance);

//! Whether P lies inside the closed polygon Points by the even-odd rule. An edge of equal y values
//! is never counted, so a point on a horizontal edge has no division by zero behind its answer.
bool IsPointInPoly(const QPolygon &Points, QPoint P);

//! Three rows of two: (m00, m01), (m10, m11), (m20, m21).
using TKRMatrix = std::int16_t[3][2];

//! Every point of Points[0 .. Count) becomes (m00·x + m10·y + m20, m01·x + m11·y + m21) in 32-bit
//! integer arithmetic; Count <= 0 changes nothing.
void TransformCoordinates(QPoint *Points, int Count, const TKRMatrix &M);

} // namespace korvan
