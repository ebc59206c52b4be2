#include "diagram/KRGeometry.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace korvan {

int KRRound(double X)
{
    if (std::isnan(X))
        return 0;
    if (X >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (X <= static_cast<double>(INT_MIN))
        return INT_MIN;
    const double Floor = std::floor(X);
    const double Rest = X - Floor;
    auto Result = static_cast<long long>(Floor);
    if (Rest > 0.5 || (Rest == 0.5 && Result % 2 != 0))
        ++Result;
    return static_cast<int>(std::min<long long>(Result, INT_MAX));
}

namespace {

bool Between(int Value, int A, int B)
{
    return Value >= std::min(A, B) && Value <= std::max(A, B);
}

//! The city-block distance from P to the point of the line through B with slope K (minor per
//! major) at major coordinate Major.
int Distance(int Major, double K, int Major0, int Minor0, int PMajor, int PMinor)
{
    const int Minor = KRRound(K * (Major - Major0) + Minor0);
    return std::abs(Major - PMajor) + std::abs(Minor - PMinor);
}

//! A slanted segment from A to B: halves the range of the major axis towards P until it can halve
//! no more, and hits when a sampled point of the segment comes within Tolerance.
bool IsNearSlantedSegment(QPoint A, QPoint B, QPoint P, double Tolerance)
{
    const int Dx = A.x() - B.x();
    const int Dy = A.y() - B.y();
    const bool MajorX = std::abs(Dx) >= std::abs(Dy);
    const int AMajor = MajorX ? A.x() : A.y();
    const int Major0 = MajorX ? B.x() : B.y();
    const int Minor0 = MajorX ? B.y() : B.x();
    const int PMajor = MajorX ? P.x() : P.y();
    const int PMinor = MajorX ? P.y() : P.x();
    const double K = MajorX ? static_cast<double>(Dy) / Dx : static_cast<double>(Dx) / Dy;

    int Lo = std::min(AMajor, Major0);
    int Hi = std::max(AMajor, Major0);
    for (;;) {
        const int Mid = Lo + (Hi - Lo) / 2;
        const bool Last = Mid == Lo;
        const int D1 = Distance(Mid, K, Major0, Minor0, PMajor, PMinor);
        if (D1 <= Tolerance)
            return true;
        const int D2 = Distance(Mid + 1, K, Major0, Minor0, PMajor, PMinor);
        if (D2 >= D1)
            Hi = Mid;
        else
            Lo = Mid;
        if (Last)
            return D2 <= Tolerance;
    }
}

} // namespace

int IsPointNearLine(const QPolygon &Points, QPoint P, double Tolerance)
{
    for (int I = 0; I + 1 < Points.size(); ++I) {
        const QPoint A = Points[I];
        const QPoint B = Points[I + 1];
        bool Hit;
        if (A.x() == B.x())
            Hit = Between(P.y(), A.y(), B.y()) && std::abs(A.x() - P.x()) <= Tolerance;
        else if (A.y() == B.y())
            Hit = Between(P.x(), A.x(), B.x()) && std::abs(A.y() - P.y()) <= Tolerance;
        else
            Hit = IsNearSlantedSegment(A, B, P, Tolerance);
        if (Hit)
            return I;
    }
    return -1;
}

bool IsPointInPoly(const QPolygon &Points, QPoint P)
{
    const int N = static_cast<int>(Points.size());
    int Count = 0;
    for (int I = 0; I < N; ++I) {
        const QPoint Vi = Points[I];
        const QPoint Vj = Points[(I + 1) % N];
        if (Vi.y() == Vj.y() || !Between(P.y(), Vi.y(), Vj.y()))
            continue;
        // Products in 64 bits: they cannot overflow, whatever the coordinates.
        if (P.x() >= Vi.x()) {
            if (P.x() >= Vj.x()) {
                ++Count;
            } else {
                const long long Num = static_cast<long long>(P.y() - Vi.y()) * (Vj.x() - Vi.x());
                if (P.x() >= Vi.x() + KRRound(static_cast<double>(Num) / (Vj.y() - Vi.y())))
                    ++Count;
            }
        } else if (P.x() >= Vj.x()) {
            const long long Num = static_cast<long long>(P.y() - Vj.y()) * (Vi.x() - Vj.x());
            if (P.x() >= Vj.x() + KRRound(static_cast<double>(Num) / (Vi.y() - Vj.y())))
                ++Count;
        }
    }
    return Count % 2 == 1;
}

void TransformCoordinates(QPoint *Points, int Count, const TKRMatrix &M)
{
    // 32-bit arithmetic that wraps as the framework's did, without signed overflow.
    const auto Wrap = [](long long Value) { return static_cast<int>(static_cast<std::uint32_t>(Value)); };
    for (int I = 0; I < Count; ++I) {
        const long long X = Points[I].x();
        const long long Y = Points[I].y();
        Points[I] =
                QPoint(Wrap(M[0][0] * X + M[1][0] * Y + M[2][0]), Wrap(M[0][1] * X + M[1][1] * Y + M[2][1]));
    }
}

} // namespace korvan
