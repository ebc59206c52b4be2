// The canvas and polygon regions, probed pixel by pixel on images and on painted widgets.
#include "framework/qt/KRCanvas.h"

#include "framework/qt/KRRegion.h"

#include <functional>

#include <QtTest>
#include <QtWidgets>

using namespace korvan;

namespace {

// Distinct colours for the system elements that edges use, so that a probe tells which one it hit.
const QColor Face(0xC8, 0xC8, 0xC8);
const QColor Highlight(0xF0, 0xF0, 0xF0);
const QColor Light3D(0xE0, 0xE0, 0xE0);
const QColor Shadow(0x80, 0x80, 0x80);
const QColor DarkShadow(0x40, 0x40, 0x40);
const QColor White(Qt::white);
const QColor Black(Qt::black);

QPalette TestPalette()
{
    QPalette P;
    P.setColor(QPalette::Button, Face);
    P.setColor(QPalette::Light, Highlight);
    P.setColor(QPalette::Midlight, Light3D);
    P.setColor(QPalette::Dark, Shadow);
    P.setColor(QPalette::Shadow, DarkShadow);
    return P;
}

//! A white image of Size painted through a canvas.
QImage Paint(QSize Size, const std::function<void(TKRCanvas &)> &Draw)
{
    QImage Image(Size, QImage::Format_RGB32);
    Image.fill(Qt::white);
    QPainter Painter(&Image);
    TKRCanvas Canvas(Painter, TestPalette());
    Draw(Canvas);
    return Image;
}

QColor At(const QImage &Image, int X, int Y)
{
    return Image.pixelColor(X, Y);
}

//! The smallest rectangle holding every pixel that is not white.
QRect Ink(const QImage &Image)
{
    QRect Bounds;
    for (int Y = 0; Y < Image.height(); ++Y)
        for (int X = 0; X < Image.width(); ++X)
            if (Image.pixel(X, Y) != qRgb(255, 255, 255))
                Bounds |= QRect(X, Y, 1, 1);
    return Bounds;
}

//! The pixels of Image in Colour, as a region.
QRegion PixelsOf(const QImage &Image, const QColor &Colour)
{
    QRegion Region;
    for (int Y = 0; Y < Image.height(); ++Y)
        for (int X = 0; X < Image.width(); ++X)
            if (Image.pixelColor(X, Y) == Colour)
                Region += QRect(X, Y, 1, 1);
    return Region;
}

//! The pixels in one region and not the other, for a failure message.
QString Describe(const QRegion &Difference)
{
    QStringList Rects;
    for (const QRect &R : Difference)
        Rects << QStringLiteral("%1x%2+%3+%4").arg(R.width()).arg(R.height()).arg(R.x()).arg(R.y());
    return QStringLiteral("pixels that differ: ") + Rects.join(u' ');
}

// Regions compare by their pixels, whichever rectangles they are made of.
#define COMPARE_PIXELS(Actual, Expected)                                                                     \
    QVERIFY2(((Actual) ^ (Expected)).isEmpty(), qPrintable(Describe((Actual) ^ (Expected))))

//! A widget that paints a grid and, from state, the rubber band of its bend-point drag.
class TBandWidget : public QWidget
{
public:
    QPolygon Band;
    int Bands = 0; // how many times the band is drawn in one paint pass
    QRect Probe;
    bool ProbeVisible = false;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter Painter(this);
        TKRCanvas Canvas(Painter, palette());
        Canvas.FillRect(rect(), clWhite);
        Canvas.SetPen(clNavy);
        for (int X = 0; X < width(); X += 10) {
            Canvas.MoveTo(X, 0);
            Canvas.LineTo(X, height());
        }
        for (int I = 0; I < Bands; ++I)
            Canvas.InvertPolyline(Band);
        ProbeVisible = Canvas.RectVisible(Probe);
    }
};

} // namespace

class TKRCanvasTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Lines leave out their end point, so joined lines draw each corner once.
    void LinesLeaveOutTheirEndPoint()
    {
        const QImage I = Paint({ 12, 12 }, [](TKRCanvas &C) {
            C.MoveTo(2, 2);
            C.LineTo(6, 2);
            C.LineTo(6, 5);
            C.Polyline(QPolygon({ { 8, 8 }, { 11, 11 } }));
        });
        for (int X = 2; X <= 5; ++X)
            QCOMPARE(At(I, X, 2), Black);
        QCOMPARE(At(I, 6, 2), Black); // start of the second line
        QCOMPARE(At(I, 6, 4), Black);
        QCOMPARE(At(I, 6, 5), White);
        QCOMPARE(At(I, 10, 10), Black);
        QCOMPARE(At(I, 11, 11), White);
        QCOMPARE(Ink(I), QRect(2, 2, 9, 9));
    }

    void DottedPenRunsOnAcrossCornersAndFillsGapsWhenOpaque()
    {
        const auto Draw = [](TKRBkMode Mode) {
            return Paint({ 16, 4 }, [Mode](TKRCanvas &C) {
                C.SetPen(clBlack, 1, psDot);
                C.SetBkMode(Mode);
                C.SetBkColor(clRed);
                C.Polyline(QPolygon({ { 0, 1 }, { 4, 1 }, { 13, 1 } }));
            });
        };
        const QImage Opaque = Draw(bkOpaque);
        const QImage Clear = Draw(bkTransparent);
        for (int X = 0; X < 13; ++X) {
            const bool On = X % 6 < 3;
            QCOMPARE(At(Opaque, X, 1), On ? Black : QColor(Qt::red));
            QCOMPARE(At(Clear, X, 1), On ? Black : White);
        }
        QCOMPARE(At(Opaque, 13, 1), White);
    }

    void RectangleFitsItsBoxAndShrinksWithoutPen()
    {
        const QImage I = Paint({ 10, 10 }, [](TKRCanvas &C) {
            C.SetBrush(clRed);
            C.Rectangle(1, 1, 6, 5);
        });
        QCOMPARE(Ink(I), QRect(1, 1, 5, 4));
        QCOMPARE(At(I, 5, 4), Black);
        QCOMPARE(At(I, 2, 2), QColor(Qt::red));
        QCOMPARE(At(I, 4, 3), QColor(Qt::red));

        const QImage NoPen = Paint({ 10, 10 }, [](TKRCanvas &C) {
            C.SetPen(clBlack, 1, psClear);
            C.SetBrush(clRed);
            C.Rectangle(KRRect(1, 1, 6, 5));
        });
        COMPARE_PIXELS(PixelsOf(NoPen, Qt::red), QRegion(1, 1, 4, 3));

        const QImage Wide = Paint({ 14, 14 }, [](TKRCanvas &C) {
            C.SetPen(clBlack, 3);
            C.SetBrush(clBlack, bsClear);
            C.Rectangle(3, 3, 11, 11);
        });
        // Three pixels wide, centred on where the one-pixel outline would be.
        QCOMPARE(Ink(Wide), QRect(2, 2, 10, 10));
        QCOMPARE(At(Wide, 4, 6), Black);
        QCOMPARE(At(Wide, 5, 6), White);
    }

    void EllipseFitsItsBoxSymmetrically()
    {
        const QImage I = Paint({ 8, 8 }, [](TKRCanvas &C) {
            C.SetBrush(clRed);
            C.Ellipse(0, 0, 6, 6);
        });
        QCOMPARE(Ink(I), QRect(0, 0, 6, 6));
        QCOMPARE(At(I, 0, 0), White);
        QCOMPARE(At(I, 0, 3), Black);
        QCOMPARE(At(I, 3, 0), Black);
        QCOMPARE(At(I, 3, 3), QColor(Qt::red));
        for (int Y = 0; Y < 6; ++Y)
            for (int X = 0; X < 6; ++X) {
                QCOMPARE(At(I, X, Y), At(I, 5 - X, Y));
                QCOMPARE(At(I, X, Y), At(I, X, 5 - Y));
            }

        const QImage NoPen = Paint({ 8, 8 }, [](TKRCanvas &C) {
            C.SetPen(clBlack, 1, psClear);
            C.SetBrush(clRed);
            C.Ellipse(0, 0, 6, 6);
        });
        QCOMPARE(Ink(NoPen), QRect(0, 0, 5, 5));

        // Wider than high: the outline is closed (no row of the outline has a gap at its end).
        const QImage Flat = Paint({ 30, 12 }, [](TKRCanvas &C) {
            C.SetBrush(clRed);
            C.Ellipse(1, 1, 29, 11);
        });
        QCOMPARE(Ink(Flat), QRect(1, 1, 28, 10));
        for (int Y = 1; Y < 11; ++Y) {
            int First = 0;
            while (At(Flat, First, Y) == White)
                ++First;
            QCOMPARE(At(Flat, First, Y), Black);
        }
    }

    void ArcRunsCounterClockwiseBetweenItsRays()
    {
        // From the ray to the right to the ray upwards: the top right quarter only.
        const QImage I = Paint({ 22, 22 }, [](TKRCanvas &C) { C.Arc(0, 0, 20, 20, 20, 10, 10, 0); });
        const QRect Drawn = Ink(I);
        QVERIFY(!Drawn.isEmpty());
        QVERIFY(Drawn.left() >= 10);
        QVERIFY(Drawn.bottom() < 10);
        QCOMPARE(Drawn.right(), 19);
        QCOMPARE(Drawn.top(), 0);

        // The other way round it is the other three quarters: together, the whole outline.
        const QImage Rest = Paint({ 22, 22 }, [](TKRCanvas &C) { C.Arc(0, 0, 20, 20, 10, 0, 20, 10); });
        const QImage Whole = Paint({ 22, 22 }, [](TKRCanvas &C) {
            C.SetBrush(clBlack, bsClear);
            C.Ellipse(0, 0, 20, 20);
        });
        COMPARE_PIXELS(PixelsOf(I, Black) + PixelsOf(Rest, Black), PixelsOf(Whole, Black));
        QVERIFY(Ink(Rest).left() == 0 && Ink(Rest).bottom() == 19);
    }

    void PolygonFillsByAlternateRuleAndOutlinesWithPen()
    {
        // A five-pointed star drawn in one stroke: its centre is outside by the alternate rule.
        const QPolygon Star({ { 20, 0 }, { 32, 38 }, { 0, 14 }, { 40, 14 }, { 8, 38 } });
        const QImage I = Paint({ 42, 42 }, [&](TKRCanvas &C) {
            C.SetBrush(clRed);
            C.Polygon(Star);
        });
        QCOMPARE(At(I, 20, 20), White);
        QCOMPARE(At(I, 20, 8), QColor(Qt::red));
        QCOMPARE(At(I, 20, 0), Black);
        QCOMPARE(At(I, 40, 14), Black); // the outline reaches every vertex
        QCOMPARE(Ink(I), QRect(0, 0, 41, 39));
        // The brush covers the polygon's region, the outline aside.
        const QImage Fill = Paint({ 42, 42 }, [&](TKRCanvas &C) {
            C.SetPen(clBlack, 1, psClear);
            C.SetBrush(clRed);
            C.Polygon(Star);
        });
        COMPARE_PIXELS(PixelsOf(Fill, Qt::red), KRPolygonRegion(Star));
    }

    void PolygonRegionsCoverWhatTheOldToolkitCovered()
    {
        COMPARE_PIXELS(
                KRPolygonRegion(QPolygon({ { 1, 1 }, { 5, 1 }, { 5, 4 }, { 1, 4 } })), QRegion(1, 1, 4, 3));
        // Pixels whose centres are inside: a right triangle's rows shrink by one.
        QRegion Triangle = QRegion(0, 0, 3, 1) + QRegion(0, 1, 2, 1) + QRegion(0, 2, 1, 1);
        COMPARE_PIXELS(KRPolygonRegion(QPolygon({ { 0, 0 }, { 4, 0 }, { 0, 4 } })), Triangle);
        // Direction does not matter; a bow tie is two triangles meeting at a point.
        COMPARE_PIXELS(
                KRPolygonRegion(QPolygon({ { 1, 4 }, { 5, 4 }, { 5, 1 }, { 1, 1 } })), QRegion(1, 1, 4, 3));
        const QRegion Bow = KRPolygonRegion(QPolygon({ { 0, 0 }, { 10, 10 }, { 10, 0 }, { 0, 10 } }));
        QVERIFY(Bow.contains(QPoint(1, 5)));
        QVERIFY(!Bow.contains(QPoint(5, 1)));
        // A square with a square hole, drawn as one outline that goes in and out along a seam.
        const QRegion Frame = KRPolygonRegion(QPolygon({ { 0, 0 }, { 10, 0 }, { 10, 10 }, { 0, 10 }, { 0, 0 },
                { 3, 3 }, { 3, 7 }, { 7, 7 }, { 7, 3 }, { 3, 3 } }));
        COMPARE_PIXELS(Frame, QRegion(0, 0, 10, 10) - QRegion(3, 3, 4, 4));
        // A link's update region: a slanted band around the line from (1, 1) to (21, 21).
        const QRegion Band = KRPolygonRegion(QPolygon({ { 0, 2 }, { 2, 0 }, { 22, 20 }, { 20, 22 } }));
        for (const QPoint P :
                { QPoint(1, 1), QPoint(11, 11), QPoint(20, 20), QPoint(10, 11), QPoint(11, 10) })
            QVERIFY(Band.contains(P));
        for (const QPoint P : { QPoint(15, 5), QPoint(5, 15), QPoint(8, 12), QPoint(12, 8) })
            QVERIFY(!Band.contains(P));
        QVERIFY(KRPolygonRegion(QPolygon({ { 0, 0 }, { 5, 5 } })).isEmpty());
    }

    void FillAndFrameCoverTheirRectangleExactly()
    {
        const QImage I = Paint({ 12, 12 }, [](TKRCanvas &C) {
            C.FillRect(KRRect(1, 1, 5, 4), clBlue);
            C.FrameRect(KRRect(6, 1, 11, 6), clRed);
        });
        COMPARE_PIXELS(PixelsOf(I, Qt::blue), QRegion(1, 1, 4, 3));
        COMPARE_PIXELS(PixelsOf(I, Qt::red), QRegion(6, 1, 5, 5) - QRegion(7, 2, 3, 3));
    }

    void DrawEdge_data()
    {
        QTest::addColumn<unsigned>("Edge");
        QTest::addColumn<unsigned>("Flags");
        QTest::addColumn<QColor>("TopLeft");
        QTest::addColumn<QColor>("TopRight");
        QTest::addColumn<QColor>("BottomLeft");
        QTest::addColumn<QColor>("InnerTopLeft");
        QTest::addColumn<QColor>("InnerBottomRight");
        QTest::addColumn<QColor>("Middle");
        QTest::newRow("raised") << EDGE_RAISED << BF_RECT << Light3D << DarkShadow << DarkShadow << Highlight
                                << Shadow << White;
        QTest::newRow("sunken") << EDGE_SUNKEN << BF_RECT << Shadow << Highlight << Highlight << DarkShadow
                                << Light3D << White;
        QTest::newRow("etched") << EDGE_ETCHED << BF_RECT << Shadow << Highlight << Highlight << Highlight
                                << Shadow << White;
        QTest::newRow("bump") << EDGE_BUMP << BF_RECT << Light3D << DarkShadow << DarkShadow << DarkShadow
                              << Light3D << White;
        QTest::newRow("raised soft") << EDGE_RAISED << (BF_RECT | BF_SOFT) << Highlight << DarkShadow
                                     << DarkShadow << Light3D << Shadow << White;
        QTest::newRow("sunken soft") << EDGE_SUNKEN << (BF_RECT | BF_SOFT) << DarkShadow << Highlight
                                     << Highlight << Shadow << Light3D << White;
        QTest::newRow("raised flat middle") << EDGE_RAISED << (BF_RECT | BF_FLAT | BF_MIDDLE) << Shadow
                                            << Shadow << Shadow << Face << Face << Face;
        QTest::newRow("sunken middle") << EDGE_SUNKEN << (BF_RECT | BF_MIDDLE) << Shadow << Highlight
                                       << Highlight << DarkShadow << Light3D << Face;
        // Top and left only: the top line runs to the right end, nothing on the right or bottom.
        QTest::newRow("top left") << EDGE_RAISED << (BF_TOP | BF_LEFT) << Light3D << Light3D << Light3D
                                  << Highlight << White << White;
    }

    void DrawEdge()
    {
        QFETCH(unsigned, Edge);
        QFETCH(unsigned, Flags);
        const QImage I =
                Paint({ 12, 10 }, [&](TKRCanvas &C) { C.DrawEdge(QRect(1, 1, 10, 8), Edge, Flags); });
        QFETCH(QColor, TopLeft);
        QFETCH(QColor, TopRight);
        QFETCH(QColor, BottomLeft);
        QFETCH(QColor, InnerTopLeft);
        QFETCH(QColor, InnerBottomRight);
        QFETCH(QColor, Middle);
        QCOMPARE(At(I, 1, 1), TopLeft);
        QCOMPARE(At(I, 5, 1), TopLeft);
        QCOMPARE(At(I, 10, 1), TopRight);
        QCOMPARE(At(I, 1, 8), BottomLeft);
        QCOMPARE(At(I, 2, 2), InnerTopLeft);
        QCOMPARE(At(I, 9, 7), InnerBottomRight);
        QCOMPARE(At(I, 5, 4), Middle);
        QCOMPARE(At(I, 0, 0), White);
        QCOMPARE(At(I, 11, 9), White);
    }

    void EdgeRingsSitInsideTheRectangle()
    {
        const QImage I =
                Paint({ 12, 10 }, [](TKRCanvas &C) { C.DrawEdge(QRect(1, 1, 10, 8), EDGE_SUNKEN, BF_RECT); });
        QCOMPARE(Ink(I), QRect(1, 1, 10, 8));
        COMPARE_PIXELS(
                PixelsOf(I, White), QRegion(0, 0, 12, 10) - QRegion(1, 1, 10, 8) + QRegion(3, 3, 6, 4));
    }

    void FocusRectIsDottedAndGoesAwayWhenDrawnTwice()
    {
        QImage I = Paint({ 12, 10 }, [](TKRCanvas &C) { C.DrawFocusRect(QRect(1, 1, 9, 7)); });
        QCOMPARE(At(I, 1, 1), Black);
        QCOMPARE(At(I, 2, 1), White);
        QCOMPARE(At(I, 3, 1), Black);
        QCOMPARE(At(I, 9, 1), Black);
        QCOMPARE(At(I, 9, 2), White);
        QCOMPARE(At(I, 1, 7), Black);
        QCOMPARE(At(I, 5, 4), White);
        QCOMPARE(Ink(I), QRect(1, 1, 9, 7));
        const QImage Twice = Paint({ 12, 10 }, [](TKRCanvas &C) {
            C.DrawFocusRect(QRect(1, 1, 9, 7));
            C.DrawFocusRect(QRect(1, 1, 9, 7));
        });
        QVERIFY(Ink(Twice).isEmpty());
    }

    // The rubber band of a bend-point drag is drawn in the paint pass over whatever is there:
    // once it shows inverted, twice in the same place it is gone.
    void InvertedBandIsGoneWhenDrawnTwice()
    {
        TBandWidget W;
        W.resize(60, 40);
        W.Band = QPolygon({ { 5, 5 }, { 43, 32 }, { 57, 5 } });
        W.show();
        QVERIFY(QTest::qWaitForWindowExposed(&W));
        const QImage Plain = W.grab().toImage();
        W.Bands = 1;
        const QImage Once = W.grab().toImage();
        QCOMPARE(Once.pixelColor(5, 5), Black);
        // Where the band crosses a navy grid line, the line shows inverted, on one pixel.
        int Crossed = 0;
        for (int Y = 0; Y < 40; ++Y)
            if (Once.pixelColor(10, Y) != Plain.pixelColor(10, Y)) {
                QCOMPARE(Once.pixelColor(10, Y), QColor(0xFF, 0xFF, 0x7F));
                ++Crossed;
            }
        QCOMPARE(Crossed, 1);
        QCOMPARE(Once.pixelColor(57, 5), Plain.pixelColor(57, 5));
        // Each pixel of the band is inverted once, corners included.
        QCOMPARE(Once.pixelColor(43, 32), Black);
        W.Bands = 2;
        QCOMPARE(W.grab().toImage(), Plain);
    }

    void TextAlignsMeasuresAndShortens()
    {
        QFont Font(QStringLiteral("DejaVu Sans"));
        Font.setPixelSize(12);
        QCOMPARE(QFontInfo(Font).family(), QStringLiteral("DejaVu Sans"));
        QImage Image(200, 60, QImage::Format_RGB32);
        Image.fill(Qt::white);
        QPainter Painter(&Image);
        auto Canvas = std::make_unique<TKRCanvas>(Painter, TestPalette());
        TKRCanvas &C = *Canvas;
        C.SetFont(Font);
        const QSize Extent = C.TextExtent("Customers");
        QVERIFY(Extent.width() > 40);
        QCOMPARE(Extent.height(), QFontMetrics(Font).height());

        // Measuring: one line, or as many as the words need.
        std::string Text = "Customers";
        QRect R(10, 10, 0, 0);
        QCOMPARE(C.DrawText(Text, R, DT_SINGLELINE | DT_CALCRECT), Extent.height());
        QCOMPARE(R, QRect(QPoint(10, 10), Extent));
        std::string Words = "Customers Orders Items";
        QRect Narrow(0, 0, Extent.width() + 4, 0);
        QCOMPARE(C.DrawText(Words, Narrow, DT_WORDBREAK | DT_CALCRECT), 3 * Extent.height());
        QVERIFY(Narrow.width() <= Extent.width() + 4);
        std::string TwoLines = "Customers\r\nOrders";
        QRect Lines(0, 0, 200, 0);
        QCOMPARE(C.DrawText(TwoLines, Lines, DT_CALCRECT), 2 * Extent.height());
        QCOMPARE(Lines.width(), Extent.width());

        // "&" marks an underlined letter unless DT_NOPREFIX.
        std::string Prefixed = "&Customers";
        QRect P(0, 0, 0, 0);
        C.DrawText(Prefixed, P, DT_SINGLELINE | DT_CALCRECT);
        QCOMPARE(P.width(), Extent.width());
        std::string Literal = "&Customers";
        QRect L(0, 0, 0, 0);
        C.DrawText(Literal, L, DT_SINGLELINE | DT_CALCRECT | DT_NOPREFIX);
        QCOMPARE(L.width(), C.TextWidth("&Customers"));

        // Too wide: shortened with "...", given back with DT_MODIFYSTRING, and within the width.
        std::string Long = "Customers and their orders";
        QRect Box(0, 0, Extent.width(), Extent.height());
        C.DrawText(Long, Box, DT_SINGLELINE | DT_END_ELLIPSIS | DT_MODIFYSTRING | DT_CALCRECT);
        QVERIFY(Long.size() > 3 && Long.ends_with("..."));
        QVERIFY(std::string("Customers and their orders").starts_with(Long.substr(0, Long.size() - 3)));
        QVERIFY(C.TextWidth(Long) <= Extent.width());
        std::string Kept = "Customers and their orders";
        QRect Box2(0, 0, Extent.width(), Extent.height());
        C.DrawText(Kept, Box2, DT_SINGLELINE | DT_END_ELLIPSIS);
        QCOMPARE(Kept, std::string("Customers and their orders"));

        // Drawn: right-aligned ink ends at the right edge, centred ink sits in the middle, and an
        // opaque background fills the text's cell.
        C.SetBkMode(bkTransparent);
        C.DrawText(std::string("Orders"), QRect(0, 0, 200, 20), DT_RIGHT | DT_SINGLELINE | DT_VCENTER);
        C.SetBkMode(bkOpaque);
        C.SetBkColor(clYellow);
        C.DrawText(std::string("Orders"), QRect(0, 30, 200, 30), DT_CENTER | DT_SINGLELINE | DT_BOTTOM);
        Canvas.reset();
        Painter.end();
        const QRect Right = Ink(Image.copy(100, 0, 100, 20)).translated(100, 0);
        QVERIFY(Right.right() >= 195 && Right.right() < 200);
        QVERIFY(Right.top() >= 3);
        const int Width = QFontMetrics(Font).horizontalAdvance(QStringLiteral("Orders"));
        const QRegion Cell = PixelsOf(Image.copy(0, 30, 200, 30), Qt::yellow);
        QCOMPARE(Cell.boundingRect().bottom(), 29);
        QCOMPARE(Cell.boundingRect().left(), (200 - Width) / 2);
    }

    void TextIsClippedToItsRectangle()
    {
        const QImage I = Paint({ 100, 30 }, [](TKRCanvas &C) {
            C.SetBkMode(bkTransparent);
            C.DrawText(std::string("WWWWWWWWWW"), QRect(0, 0, 30, 30), DT_SINGLELINE);
        });
        QVERIFY(Ink(I).right() < 30);
        const QImage Free = Paint({ 100, 30 }, [](TKRCanvas &C) {
            C.SetBkMode(bkTransparent);
            C.DrawText(std::string("WWWWWWWWWW"), QRect(0, 0, 30, 30), DT_SINGLELINE | DT_NOCLIP);
        });
        QVERIFY(Ink(Free).right() > 30);
    }

    void ClippingAndSavedStates()
    {
        const QImage I = Paint({ 20, 20 }, [](TKRCanvas &C) {
            C.ExcludeClipRect(QRect(2, 2, 4, 4));
            QVERIFY(!C.RectVisible(QRect(3, 3, 2, 2)));
            QVERIFY(C.RectVisible(QRect(3, 3, 4, 4)));
            const int Level = C.Save();
            QCOMPARE(Level, 1);
            C.IntersectClipRect(QRect(0, 0, 10, 10));
            C.SetPen(clRed);
            C.Save();
            C.SetPen(clBlue, 2, psDot);
            C.Restore(Level);
            QCOMPARE(C.PenColor(), clBlack);
            QCOMPARE(C.PenStyle(), psSolid);
            C.FillRect(QRect(0, 0, 20, 10), clGreen);
            C.Restore(); // nothing left to restore
        });
        COMPARE_PIXELS(PixelsOf(I, QColor(0, 0x80, 0)), QRegion(0, 0, 20, 10) - QRegion(2, 2, 4, 4));
    }

    // During a paint event only the area being painted is visible.
    void RectVisibleFollowsTheAreaBeingPainted()
    {
        QWidget Window;
        Window.resize(200, 120);
        auto *W = new TBandWidget;
        W->setParent(&Window);
        W->setGeometry(20, 30, 100, 80);
        Window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&Window));
        W->Probe = QRect(50, 50, 5, 5);
        W->repaint(QRect(0, 0, 20, 20));
        QVERIFY(!W->ProbeVisible);
        W->repaint(QRect(48, 48, 4, 4));
        QVERIFY(W->ProbeVisible);
    }

    void MaskedCopyKeepsWhatTheMaskKeeps()
    {
        QImage Source(4, 4, QImage::Format_ARGB32);
        Source.fill(Qt::transparent);
        Source.setPixelColor(1, 1, Qt::red);
        Source.setPixelColor(2, 2, Qt::blue);
        const QPixmap Pixmap = QPixmap::fromImage(Source);
        const QImage I = Paint({ 10, 10 }, [&](TKRCanvas &C) {
            C.FillRect(QRect(0, 0, 10, 10), clGreen);
            C.DrawMasked(3, 3, Pixmap);
        });
        QCOMPARE(At(I, 4, 4), QColor(Qt::red));
        QCOMPARE(At(I, 5, 5), QColor(Qt::blue));
        QCOMPARE(At(I, 3, 3), QColor(0, 0x80, 0));
        COMPARE_PIXELS(PixelsOf(I, QColor(0, 0x80, 0)),
                QRegion(0, 0, 10, 10) - QRegion(4, 4, 1, 1) - QRegion(5, 5, 1, 1));
    }

    void SystemColoursComeFromThePalette()
    {
        const QImage I = Paint({ 4, 4 }, [](TKRCanvas &C) {
            C.SetPen(clBtnShadow);
            C.MoveTo(0, 0);
            C.LineTo(4, 0);
            C.FillRect(QRect(0, 2, 4, 2), clBtnFace);
        });
        QCOMPARE(At(I, 1, 0), Shadow);
        QCOMPARE(At(I, 1, 3), Face);
    }
};

QTEST_MAIN(TKRCanvasTest)
#include "KRCanvasTest.moc"
