#include "framework/qt/KRCanvas.h"

#include "framework/qt/KRRegion.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

#include <QFontMetrics>
#include <QPaintEngine>
#include <QPainter>
#include <QPixmap>

namespace korvan {

namespace {

// The dotted pen: three pixels on, three off, running on along joined lines.
constexpr int DotOn = 3;
constexpr int DotPeriod = 6;

using TSpan = std::pair<int, int>; // [first, second) on one row; empty when first >= second
using TSpans = std::vector<TSpan>;

bool IsEmpty(const TSpan &Span)
{
    return Span.first >= Span.second;
}

//! The runs, row by row from Top, of the pixels whose centres lie inside the ellipse that fills
//! [Left, Right) x [Top, Bottom). Each row's run mirrors the one of the row opposite.
TSpans EllipseSpans(int Left, int Top, int Right, int Bottom)
{
    TSpans Rows;
    if (Right <= Left || Bottom <= Top)
        return Rows;
    const double CentreX = (Left + Right) / 2.0;
    const double CentreY = (Top + Bottom) / 2.0;
    const double RadiusX = (Right - Left) / 2.0;
    const double RadiusY = (Bottom - Top) / 2.0;
    for (int Y = Top; Y < Bottom; ++Y) {
        const double V = (Y + 0.5 - CentreY) / RadiusY;
        if (std::abs(V) >= 1) {
            Rows.emplace_back(0, 0);
            continue;
        }
        const double Half = RadiusX * std::sqrt(1 - V * V);
        const int From = std::max(Left, static_cast<int>(std::ceil(CentreX - 0.5 - Half)));
        const int To = std::min(Right, static_cast<int>(std::floor(CentreX - 0.5 + Half)) + 1);
        Rows.emplace_back(From, To);
    }
    return Rows;
}

//! The part of each row of Rows that a one-pixel outline leaves inside: the pixels whose four
//! neighbours all belong to the shape.
TSpans InsideOfOutline(const TSpans &Rows)
{
    TSpans Inside;
    for (std::size_t I = 0; I < Rows.size(); ++I) {
        const TSpan &Row = Rows[I];
        if (I == 0 || I + 1 == Rows.size() || IsEmpty(Row) || IsEmpty(Rows[I - 1]) || IsEmpty(Rows[I + 1])) {
            Inside.emplace_back(0, 0);
            continue;
        }
        Inside.emplace_back(std::max({ Row.first + 1, Rows[I - 1].first, Rows[I + 1].first }),
                std::min({ Row.second - 1, Rows[I - 1].second, Rows[I + 1].second }));
    }
    return Inside;
}

//! The rows of the ellipse in [Left, Right) x [Top, Bottom) minus those of the same ellipse
//! outlined by a pen Width pixels wide, as spans in the outer rows.
TSpans EllipseInside(int Left, int Top, int Right, int Bottom, int Width)
{
    const TSpans Outer = EllipseSpans(Left, Top, Right, Bottom);
    if (Width <= 1)
        return InsideOfOutline(Outer);
    const TSpans Inner = EllipseSpans(Left + Width, Top + Width, Right - Width, Bottom - Width);
    TSpans Inside(Outer.size(), TSpan(0, 0));
    for (std::size_t I = 0; I < Inner.size(); ++I)
        Inside[I + static_cast<std::size_t>(Width)] = Inner[I];
    return Inside;
}

//! Angle of (X, Y) around (CentreX, CentreY), counter-clockwise on the screen, in [0, 2 pi).
double ScreenAngle(double X, double Y, double CentreX, double CentreY)
{
    const double Angle = std::atan2(CentreY - Y, X - CentreX);
    return Angle < 0 ? Angle + 2 * std::numbers::pi : Angle;
}

QString ToQString(const std::string &Text)
{
    return QString::fromStdString(Text);
}

//! Text as drawn when "&" marks the next character: single "&"s go, "&&" stays one "&".
QString WithoutPrefixes(const QString &Text)
{
    QString Shown;
    Shown.reserve(Text.size());
    for (qsizetype I = 0; I < Text.size(); ++I) {
        if (Text[I] == u'&' && I + 1 < Text.size())
            ++I;
        else if (Text[I] == u'&')
            continue;
        Shown += Text[I];
    }
    return Shown;
}

//! Text with each "&" doubled, so that drawing it with prefixes shows it as it is.
QString EscapePrefixes(QString Text)
{
    return Text.replace(u'&', QStringLiteral("&&"));
}

//! The words of Line, each with the blanks that follow it, so that joining them gives the line.
std::vector<QString> Words(const QString &Line)
{
    std::vector<QString> Result;
    qsizetype Start = 0;
    while (Start < Line.size()) {
        qsizetype End = Start;
        while (End < Line.size() && Line[End] != u' ')
            ++End;
        while (End < Line.size() && Line[End] == u' ')
            ++End;
        Result.push_back(Line.mid(Start, End - Start));
        Start = End;
    }
    return Result;
}

} // namespace

TKRCanvas::TKRCanvas(QPainter &Painter, const QPalette &Palette)
    : FPainter(Painter)
    , FPalette(Palette)
{
    FPainter.save();
    FPainter.setRenderHint(QPainter::Antialiasing, false);
    FPainter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    FState.Font = FPainter.font();
}

TKRCanvas::~TKRCanvas()
{
    for (std::size_t I = 0; I < FSaved.size(); ++I)
        FPainter.restore();
    FPainter.restore();
}

QColor TKRCanvas::ToQColor(TColor Color) const
{
    return KRColorToQColor(Color, FPalette);
}

void TKRCanvas::SetPen(TColor Color, int Width, TKRPenStyle Style)
{
    FState.PenColor = Color;
    FState.PenWidth = std::max(1, Width);
    FState.PenStyle = Style;
}

void TKRCanvas::SetBrush(TColor Color, TKRBrushStyle Style)
{
    FState.BrushColor = Color;
    FState.BrushStyle = Style;
}

void TKRCanvas::SetFont(const QFont &Font)
{
    FState.Font = Font;
    FPainter.setFont(Font);
}

// ---------------------------------------------------------------------------------------------
// Lines

void TKRCanvas::PutPixels(const std::vector<QPoint> &Pixels, const QColor &Color, TPaint Mode)
{
    if (Pixels.empty())
        return;
    FPainter.setPen(QPen(Color, 1));
    if (Mode == pmInvert)
        FPainter.setCompositionMode(QPainter::RasterOp_NotDestination);
    FPainter.drawPoints(Pixels.data(), static_cast<int>(Pixels.size()));
    FPainter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void TKRCanvas::Line(QPoint From, QPoint To, int &DotPhase, TPaint Mode)
{
    // Bresenham from From towards To, To itself left out.
    std::vector<QPoint> On;
    std::vector<QPoint> Off;
    const int DX = std::abs(To.x() - From.x());
    const int DY = -std::abs(To.y() - From.y());
    const int StepX = From.x() < To.x() ? 1 : -1;
    const int StepY = From.y() < To.y() ? 1 : -1;
    int Error = DX + DY;
    const bool Dotted = Mode == pmPen && FState.PenStyle == psDot;
    for (QPoint P = From; P != To;) {
        if (!Dotted || DotPhase % DotPeriod < DotOn)
            On.push_back(P);
        else
            Off.push_back(P);
        ++DotPhase;
        const int Twice = 2 * Error;
        if (Twice >= DY) {
            Error += DY;
            P.rx() += StepX;
        }
        if (Twice <= DX) {
            Error += DX;
            P.ry() += StepY;
        }
    }
    PutPixels(On, ToQColor(FState.PenColor), Mode);
    if (FState.BkMode == bkOpaque)
        PutPixels(Off, ToQColor(FState.BkColor), Mode);
}

void TKRCanvas::WideLines(const QPolygon &Points, bool Closed)
{
    QPen Pen(ToQColor(FState.PenColor), FState.PenWidth,
            FState.PenStyle == psDot ? Qt::DotLine : Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    FPainter.setPen(Pen);
    FPainter.setBrush(Qt::NoBrush);
    // An odd width runs through the pixels' centres, so that the pen spreads evenly around the
    // one-pixel line; an even width runs along the pixels' corners and takes the extra pixel above
    // and left of the line, as the old window system did (a two-pixel horizontal line at y covers
    // rows y - 1 and y).
    const double Offset = FState.PenWidth % 2 == 0 ? 0.0 : 0.5;
    QPolygonF Centres;
    for (const QPoint &P : Points)
        Centres << QPointF(P.x() + Offset, P.y() + Offset);
    if (Closed)
        FPainter.drawPolygon(Centres);
    else
        FPainter.drawPolyline(Centres);
}

void TKRCanvas::MoveTo(int X, int Y)
{
    FState.PenPos = QPoint(X, Y);
    FDotPhase = 0;
}

void TKRCanvas::LineTo(int X, int Y)
{
    const QPoint To(X, Y);
    if (HasPen() && FState.PenWidth > 1)
        WideLines(QPolygon({ FState.PenPos, To }), false);
    else if (HasPen())
        Line(FState.PenPos, To, FDotPhase, pmPen);
    FState.PenPos = To;
}

void TKRCanvas::Polyline(const QPolygon &Points)
{
    if (!HasPen() || Points.size() < 2)
        return;
    if (FState.PenWidth > 1) {
        WideLines(Points, false);
        return;
    }
    int Phase = 0;
    for (qsizetype I = 1; I < Points.size(); ++I)
        Line(Points[I - 1], Points[I], Phase, pmPen);
}

void TKRCanvas::InvertPolyline(const QPolygon &Points)
{
    int Phase = 0;
    for (qsizetype I = 1; I < Points.size(); ++I)
        Line(Points[I - 1], Points[I], Phase, pmInvert);
}

void TKRCanvas::Polygon(const QPolygon &Points)
{
    if (Points.size() < 2)
        return;
    if (HasBrush()) {
        const QColor Brush = ToQColor(FState.BrushColor);
        for (const QRect &R : KRPolygonRegion(Points))
            FPainter.fillRect(R, Brush);
    }
    if (!HasPen())
        return;
    if (FState.PenWidth > 1) {
        WideLines(Points, true);
        return;
    }
    int Phase = 0;
    for (qsizetype I = 0; I < Points.size(); ++I)
        Line(Points[I], Points[(I + 1) % Points.size()], Phase, pmPen);
}

// ---------------------------------------------------------------------------------------------
// Shapes

void TKRCanvas::FillSpans(const std::vector<std::pair<int, int>> &Spans, int Top, const QColor &Color)
{
    for (std::size_t I = 0; I < Spans.size(); ++I)
        if (!IsEmpty(Spans[I]))
            FPainter.fillRect(
                    QRect(Spans[I].first, Top + static_cast<int>(I), Spans[I].second - Spans[I].first, 1),
                    Color);
}

void TKRCanvas::Rectangle(int Left, int Top, int Right, int Bottom)
{
    if (Left > Right)
        std::swap(Left, Right);
    if (Top > Bottom)
        std::swap(Top, Bottom);
    if (!HasPen()) {
        if (HasBrush())
            FillRect(KRRect(Left, Top, Right - 1, Bottom - 1), FState.BrushColor);
        return;
    }
    if (Right - Left < 1 || Bottom - Top < 1)
        return;
    const int Width = FState.PenWidth;
    if (Width == 1) {
        if (HasBrush())
            FillRect(KRRect(Left + 1, Top + 1, Right - 1, Bottom - 1), FState.BrushColor);
        int Phase = 0;
        const QPoint Corners[] = { { Left, Top }, { Right - 1, Top }, { Right - 1, Bottom - 1 },
            { Left, Bottom - 1 } };
        for (int I = 0; I < 4; ++I)
            Line(Corners[I], Corners[(I + 1) % 4], Phase, pmPen);
        return;
    }
    // A wide pen spreads evenly around the one-pixel outline.
    const int Out = (Width - 1) / 2;
    const QRect Outer = KRRect(Left - Out, Top - Out, Right + Out, Bottom + Out);
    const QRect Inner = Outer.adjusted(Width, Width, -Width, -Width);
    if (HasBrush() && !Inner.isEmpty())
        FillRect(Inner, FState.BrushColor);
    FPainter.save();
    FPainter.setClipRegion(QRegion(Outer) - QRegion(Inner.isEmpty() ? QRect() : Inner), Qt::IntersectClip);
    FPainter.fillRect(Outer, ToQColor(FState.PenColor));
    FPainter.restore();
}

void TKRCanvas::Ellipse(int Left, int Top, int Right, int Bottom)
{
    if (Left > Right)
        std::swap(Left, Right);
    if (Top > Bottom)
        std::swap(Top, Bottom);
    if (!HasPen()) {
        if (HasBrush())
            FillSpans(EllipseSpans(Left, Top, Right - 1, Bottom - 1), Top, ToQColor(FState.BrushColor));
        return;
    }
    const TSpans Rows = EllipseSpans(Left, Top, Right, Bottom);
    const TSpans Inside = EllipseInside(Left, Top, Right, Bottom, FState.PenWidth);
    if (HasBrush())
        FillSpans(Inside, Top, ToQColor(FState.BrushColor));
    // The outline is what lies outside the inside: on each row the runs before and after it.
    TSpans Outline(Rows.size(), TSpan(0, 0));
    TSpans Beyond(Rows.size(), TSpan(0, 0));
    for (std::size_t I = 0; I < Rows.size(); ++I) {
        if (IsEmpty(Inside[I])) {
            Outline[I] = Rows[I];
            continue;
        }
        Outline[I] = TSpan(Rows[I].first, Inside[I].first);
        Beyond[I] = TSpan(Inside[I].second, Rows[I].second);
    }
    const QColor Pen = ToQColor(FState.PenColor);
    FillSpans(Outline, Top, Pen);
    FillSpans(Beyond, Top, Pen);
}

void TKRCanvas::Arc(int Left, int Top, int Right, int Bottom, int X1, int Y1, int X2, int Y2)
{
    if (!HasPen())
        return;
    if (Left > Right)
        std::swap(Left, Right);
    if (Top > Bottom)
        std::swap(Top, Bottom);
    const double CentreX = (Left + Right) / 2.0;
    const double CentreY = (Top + Bottom) / 2.0;
    const double Start = ScreenAngle(X1, Y1, CentreX, CentreY);
    double Sweep = ScreenAngle(X2, Y2, CentreX, CentreY) - Start;
    if (Sweep <= 0)
        Sweep += 2 * std::numbers::pi;
    const TSpans Rows = EllipseSpans(Left, Top, Right, Bottom);
    const TSpans Inside = EllipseInside(Left, Top, Right, Bottom, FState.PenWidth);
    std::vector<QPoint> Pixels;
    for (std::size_t I = 0; I < Rows.size(); ++I) {
        const int Y = Top + static_cast<int>(I);
        for (int X = Rows[I].first; X < Rows[I].second; ++X) {
            if (X >= Inside[I].first && X < Inside[I].second)
                continue;
            double Offset = ScreenAngle(X + 0.5, Y + 0.5, CentreX, CentreY) - Start;
            if (Offset < 0)
                Offset += 2 * std::numbers::pi;
            if (Offset <= Sweep)
                Pixels.emplace_back(X, Y);
        }
    }
    PutPixels(Pixels, ToQColor(FState.PenColor), pmPen);
}

void TKRCanvas::FillRect(const QRect &Rect, TColor Color)
{
    if (!Rect.isEmpty())
        FPainter.fillRect(Rect, ToQColor(Color));
}

void TKRCanvas::FrameRect(const QRect &Rect, TColor Color)
{
    if (Rect.isEmpty())
        return;
    const QColor C = ToQColor(Color);
    FPainter.fillRect(QRect(Rect.left(), Rect.top(), Rect.width(), 1), C);
    FPainter.fillRect(QRect(Rect.left(), Rect.bottom(), Rect.width(), 1), C);
    FPainter.fillRect(QRect(Rect.left(), Rect.top(), 1, Rect.height()), C);
    FPainter.fillRect(QRect(Rect.right(), Rect.top(), 1, Rect.height()), C);
}

void TKRCanvas::DrawEdge(const QRect &Rect, unsigned Edge, unsigned Flags)
{
    struct TRing
    {
        TColor TopLeft;
        TColor BottomRight;
    };
    const bool Soft = (Flags & BF_SOFT) != 0;
    std::vector<TRing> Rings;
    if (Edge & BDR_RAISEDOUTER)
        Rings.push_back({ Soft ? clBtnHighlight : cl3DLight, cl3DDkShadow });
    else if (Edge & BDR_SUNKENOUTER)
        Rings.push_back({ Soft ? cl3DDkShadow : clBtnShadow, clBtnHighlight });
    if (Edge & BDR_RAISEDINNER)
        Rings.push_back({ Soft ? cl3DLight : clBtnHighlight, clBtnShadow });
    else if (Edge & BDR_SUNKENINNER)
        Rings.push_back({ Soft ? clBtnShadow : cl3DDkShadow, cl3DLight });
    if (Flags & BF_FLAT) {
        for (std::size_t I = 0; I < Rings.size(); ++I)
            Rings[I] = I == 0 ? TRing{ clBtnShadow, clBtnShadow } : TRing{ clBtnFace, clBtnFace };
    }
    QRect R = Rect;
    for (const TRing &Ring : Rings) {
        if (R.isEmpty())
            return;
        // Top and left first: the bottom and right lines own the two corners they share with them.
        if (Flags & BF_LEFT)
            FillRect(QRect(R.left(), R.top(), 1, R.height()), Ring.TopLeft);
        if (Flags & BF_TOP)
            FillRect(QRect(R.left(), R.top(), R.width(), 1), Ring.TopLeft);
        if (Flags & BF_RIGHT)
            FillRect(QRect(R.right(), R.top(), 1, R.height()), Ring.BottomRight);
        if (Flags & BF_BOTTOM)
            FillRect(QRect(R.left(), R.bottom(), R.width(), 1), Ring.BottomRight);
        R.adjust(Flags & BF_LEFT ? 1 : 0, Flags & BF_TOP ? 1 : 0, Flags & BF_RIGHT ? -1 : 0,
                Flags & BF_BOTTOM ? -1 : 0);
    }
    if (Flags & BF_MIDDLE)
        FillRect(R, clBtnFace);
}

void TKRCanvas::DrawFocusRect(const QRect &Rect)
{
    if (Rect.isEmpty())
        return;
    // The dots sit on the pixels whose coordinates add up to an even number, so that frames
    // side by side dot alike.
    std::vector<QPoint> Pixels;
    auto Dot = [&](int X, int Y) {
        if ((X + Y) % 2 == 0)
            Pixels.emplace_back(X, Y);
    };
    for (int X = Rect.left(); X <= Rect.right(); ++X) {
        Dot(X, Rect.top());
        if (Rect.height() > 1)
            Dot(X, Rect.bottom());
    }
    for (int Y = Rect.top() + 1; Y < Rect.bottom(); ++Y) {
        Dot(Rect.left(), Y);
        if (Rect.width() > 1)
            Dot(Rect.right(), Y);
    }
    PutPixels(Pixels, Qt::black, pmInvert);
}

void TKRCanvas::DrawMasked(int X, int Y, const QPixmap &Pixmap)
{
    FPainter.drawPixmap(X, Y, Pixmap);
}

// ---------------------------------------------------------------------------------------------
// Text

QSize TKRCanvas::TextExtent(const std::string &Text) const
{
    const QFontMetrics Metrics(FState.Font, FPainter.device());
    return QSize(Metrics.horizontalAdvance(ToQString(Text)), Metrics.height());
}

int TKRCanvas::DrawText(const std::string &Text, const QRect &Rect, unsigned Flags)
{
    std::string Copy = Text;
    QRect Area = Rect;
    return DrawText(Copy, Area, Flags & ~(DT_MODIFYSTRING | DT_CALCRECT));
}

int TKRCanvas::DrawText(std::string &Text, QRect &Rect, unsigned Flags)
{
    const QFontMetrics Metrics(FState.Font, FPainter.device());
    const bool Prefixes = (Flags & DT_NOPREFIX) == 0;
    auto Width = [&](const QString &Line) {
        return Metrics.horizontalAdvance(Prefixes ? WithoutPrefixes(Line) : Line);
    };

    std::vector<QString> Lines;
    const QString Whole = ToQString(Text);
    if (Flags & DT_SINGLELINE) {
        Lines.push_back(Whole);
    } else {
        for (QString Line : Whole.split(u'\n')) {
            if (Line.endsWith(u'\r'))
                Line.chop(1);
            if (!(Flags & DT_WORDBREAK) || Width(Line) <= Rect.width()) {
                Lines.push_back(Line);
                continue;
            }
            // Greedy: as many words on a line as fit; a word wider than the rectangle stands alone.
            QString Current;
            for (const QString &Word : Words(Line)) {
                if (!Current.isEmpty() && Width(Current + Word.trimmed()) > Rect.width()) {
                    Lines.push_back(Current.trimmed());
                    Current.clear();
                }
                Current += Word;
            }
            Lines.push_back(Current.trimmed());
        }
    }

    // A shortened line is kept as it shows, its "&"s doubled when prefixes are on.
    if (Flags & DT_END_ELLIPSIS) {
        const QString Dots = QStringLiteral("...");
        for (QString &Line : Lines) {
            if (Width(Line) <= Rect.width())
                continue;
            const QString Shown = Prefixes ? WithoutPrefixes(Line) : Line;
            qsizetype Keep = Shown.size();
            while (Keep > 0 && Metrics.horizontalAdvance(Shown.left(Keep) + Dots) > Rect.width())
                --Keep;
            if (Keep > 0 && Shown[Keep - 1].isHighSurrogate())
                --Keep;
            const QString Short = Shown.left(Keep) + Dots;
            Line = Prefixes ? EscapePrefixes(Short) : Short;
            if ((Flags & DT_MODIFYSTRING) && Lines.size() == 1)
                Text = Short.toStdString();
        }
    }

    const int Height = Metrics.height() * static_cast<int>(Lines.size());
    if (Flags & DT_CALCRECT) {
        int Widest = 0;
        for (const QString &Line : Lines)
            Widest = std::max(Widest, Width(Line));
        Rect.setSize(QSize(Widest, Height));
        return Height;
    }
    return DrawLines(Lines, Rect, Flags);
}

int TKRCanvas::DrawLines(const std::vector<QString> &Lines, const QRect &Rect, unsigned Flags)
{
    const QFontMetrics Metrics(FState.Font, FPainter.device());
    const bool Prefixes = (Flags & DT_NOPREFIX) == 0;
    const int LineHeight = Metrics.height();
    int Y = Rect.top();
    if (Lines.size() == 1 && (Flags & DT_SINGLELINE)) {
        if (Flags & DT_BOTTOM)
            Y = Rect.top() + Rect.height() - LineHeight;
        else if (Flags & DT_VCENTER)
            Y = Rect.top() + (Rect.height() - LineHeight) / 2;
    }
    FPainter.save();
    if (!(Flags & DT_NOCLIP))
        FPainter.setClipRect(Rect, FPainter.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    FPainter.setFont(FState.Font);
    const QColor Text = ToQColor(FState.TextColor);
    const QColor Background = ToQColor(FState.BkColor);
    for (const QString &Line : Lines) {
        const QString Shown = Prefixes ? WithoutPrefixes(Line) : Line;
        const int Width = Metrics.horizontalAdvance(Shown);
        int X = Rect.left();
        if (Flags & DT_RIGHT)
            X = Rect.left() + Rect.width() - Width;
        else if (Flags & DT_CENTER)
            X = Rect.left() + (Rect.width() - Width) / 2;
        const QRect Cell(X, Y, Width, LineHeight);
        if (FState.BkMode == bkOpaque)
            FPainter.fillRect(Cell, Background);
        FPainter.setPen(Text);
        if (Prefixes && Shown != Line)
            FPainter.drawText(Cell,
                    Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextShowMnemonic
                            | Qt::TextDontClip,
                    Line);
        else
            FPainter.drawText(QPoint(X, Y + Metrics.ascent()), Shown);
        Y += LineHeight;
    }
    FPainter.restore();
    return LineHeight * static_cast<int>(Lines.size());
}

// ---------------------------------------------------------------------------------------------
// Clipping and saved states

QRegion TKRCanvas::ClipBase() const
{
    if (FPainter.hasClipping())
        return FPainter.clipRegion();
    const QPaintDevice *Device = FPainter.device();
    return QRegion(
            FPainter.combinedTransform().inverted().mapRect(QRect(0, 0, Device->width(), Device->height())));
}

void TKRCanvas::ExcludeClipRect(const QRect &Rect)
{
    FPainter.setClipRegion(ClipBase() - QRegion(Rect));
}

void TKRCanvas::IntersectClipRect(const QRect &Rect)
{
    FPainter.setClipRegion(ClipBase() & QRegion(Rect));
}

bool TKRCanvas::RectVisible(const QRect &Rect) const
{
    QRegion Visible = ClipBase();
    // The area being repainted, which the paint engine keeps in device coordinates.
    const QRegion Painted = FPainter.paintEngine()->systemClip();
    if (!Painted.isEmpty())
        Visible &= FPainter.deviceTransform().inverted().map(Painted);
    return Visible.intersects(Rect);
}

int TKRCanvas::Save()
{
    FSaved.push_back(FState);
    FPainter.save();
    return static_cast<int>(FSaved.size());
}

void TKRCanvas::Restore(int Level)
{
    if (Level == -1)
        Level = static_cast<int>(FSaved.size());
    if (Level < 1 || Level > static_cast<int>(FSaved.size()))
        return;
    while (static_cast<int>(FSaved.size()) >= Level) {
        FState = FSaved.back();
        FSaved.pop_back();
        FPainter.restore();
    }
    FPainter.setFont(FState.Font);
}

} // namespace korvan
