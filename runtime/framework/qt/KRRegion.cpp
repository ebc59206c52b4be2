#include "framework/qt/KRRegion.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace korvan {

namespace {

using TSpans = std::vector<std::pair<int, int>>;

//! The runs of pixels of row Y whose centres lie inside the polygon, left to right.
TSpans RowSpans(const QPolygon &Points, int Y)
{
    const double Centre = Y + 0.5;
    std::vector<double> Crossings;
    const qsizetype Count = Points.size();
    for (qsizetype I = 0; I < Count; ++I) {
        const QPoint A = Points[I];
        const QPoint B = Points[(I + 1) % Count];
        // Half-open in y, so that a vertex on the row's centre line is crossed once, and a
        // horizontal edge never.
        if ((A.y() <= Centre) == (B.y() <= Centre))
            continue;
        Crossings.push_back(A.x() + (Centre - A.y()) * (B.x() - A.x()) / (B.y() - A.y()));
    }
    std::sort(Crossings.begin(), Crossings.end());
    TSpans Spans;
    for (std::size_t I = 0; I + 1 < Crossings.size(); I += 2) {
        // Pixel x is inside when Crossings[I] <= x + 0.5 < Crossings[I + 1].
        const int From = static_cast<int>(std::ceil(Crossings[I] - 0.5));
        const int To = static_cast<int>(std::ceil(Crossings[I + 1] - 0.5));
        if (From >= To)
            continue;
        if (!Spans.empty() && Spans.back().second >= From)
            Spans.back().second = std::max(Spans.back().second, To);
        else
            Spans.emplace_back(From, To);
    }
    return Spans;
}

} // namespace

QRegion KRPolygonRegion(const QPolygon &Points)
{
    if (Points.size() < 3)
        return {};
    const QRect Bounds = Points.boundingRect();
    // Rows with the same runs become one band of rectangles, which is the form QRegion keeps.
    std::vector<QRect> Rects;
    TSpans Band;
    int BandTop = Bounds.top();
    auto CloseBand = [&](int Bottom) {
        for (const auto &[From, To] : Band)
            Rects.emplace_back(From, BandTop, To - From, Bottom - BandTop);
    };
    for (int Y = Bounds.top(); Y <= Bounds.bottom(); ++Y) {
        TSpans Row = RowSpans(Points, Y);
        if (Row == Band)
            continue;
        CloseBand(Y);
        Band = std::move(Row);
        BandTop = Y;
    }
    CloseBand(Bounds.bottom() + 1);
    QRegion Region;
    if (!Rects.empty())
        Region.setRects(Rects.data(), static_cast<int>(Rects.size()));
    return Region;
}

} // namespace korvan
