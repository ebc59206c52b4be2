// The bitmaps with their transparent colour, and the cursors.
#include "framework/qt/KRBitmap.h"

#include "framework/qt/KRCursor.h"

#include <QtTest>
#include <QtWidgets>

using namespace korvan;

namespace {

const QColor Magenta(0xFF, 0x00, 0xFF);
const QColor Silver(0xC0, 0xC0, 0xC0);

QImage Picture(const char *Name)
{
    return KRBitmap(Name).toImage().convertToFormat(QImage::Format_ARGB32);
}

bool Transparent(const QImage &Image, int X, int Y)
{
    return qAlpha(Image.pixel(X, Y)) == 0;
}

QRgb Opaque(const QImage &Image, int X, int Y)
{
    return Image.pixel(X, Y);
}

} // namespace

class TKRBitmapTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void EveryBitmapHasItsSizeAndTransparentColour_data()
    {
        QTest::addColumn<QString>("Name");
        QTest::addColumn<int>("Size");
        QTest::addColumn<QColor>("Key");
        for (const char *Name : { "CHECKBMP", "UNCHECKBMP", "INPUTPARAM", "INPUTNULL", "ADD", "ADD_ALL",
                     "REMOVE", "REMOVE_ALL", "TABLEBMP", "FIELDBMP" })
            QTest::newRow(Name) << QString::fromLatin1(Name) << 16 << Magenta;
        for (const char *Name : { "BOX1", "BOX2", "BOX3", "BTN1", "BTN2", "BTN3" })
            QTest::newRow(Name) << QString::fromLatin1(Name) << 12 << Silver;
        QTest::newRow("DragCursor") << QStringLiteral("DragCursor") << 32 << Silver;
    }

    // Exactly the pixels of the bottom-left pixel's colour become transparent; the picture keeps
    // the rest, and draws something.
    void EveryBitmapHasItsSizeAndTransparentColour()
    {
        QFETCH(QString, Name);
        QFETCH(int, Size);
        QFETCH(QColor, Key);
        const QImage Raw = QImage(QStringLiteral(":/korvan/bitmaps/%1.xpm").arg(Name))
                                   .convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(Raw.size(), QSize(Size, Size));
        QCOMPARE(Raw.pixelColor(0, Size - 1), Key);
        const QImage Shown = KRBitmap(Name.toStdString()).toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(Shown.size(), Raw.size());
        int Drawn = 0;
        for (int Y = 0; Y < Size; ++Y)
            for (int X = 0; X < Size; ++X) {
                const bool IsKey = Raw.pixelColor(X, Y) == Key;
                QCOMPARE(Transparent(Shown, X, Y), IsKey);
                if (!IsKey) {
                    QCOMPARE(Shown.pixel(X, Y), Raw.pixel(X, Y));
                    ++Drawn;
                }
            }
        QVERIFY(Drawn >= 8);
    }

    void UnknownNameGivesNullPixmap() { QVERIFY(KRBitmap("NOSUCHBMP").isNull()); }

    // The pictures say what they stand for.
    void PicturesTellTheirStatesApart()
    {
        const QImage Checked = Picture("CHECKBMP");
        const QImage Unchecked = Picture("UNCHECKBMP");
        QCOMPARE(Opaque(Checked, 7, 9), qRgb(0, 0, 0)); // the tick
        QCOMPARE(Opaque(Unchecked, 7, 9), qRgb(255, 255, 255));
        QCOMPARE(Opaque(Checked, 1, 1), Opaque(Unchecked, 1, 1));

        QCOMPARE(Opaque(Picture("BOX1"), 5, 7), qRgb(255, 255, 255));
        QCOMPARE(Opaque(Picture("BOX2"), 5, 7), qRgb(0x80, 0x80, 0x80));
        QCOMPARE(Opaque(Picture("BOX3"), 5, 7), qRgb(0, 0, 0));

        QVERIFY(Picture("INPUTPARAM") != Picture("INPUTNULL"));

        // The arrows to the left are those to the right, mirrored.
        QCOMPARE(Picture("REMOVE"), Picture("ADD").mirrored(true, false));
        QCOMPARE(Picture("REMOVE_ALL"), Picture("ADD_ALL").mirrored(true, false));

        // Caption glyphs: the triangle narrows downwards, the cross is symmetric, the minus flat;
        // the last row and column stay free for the button's frame.
        const auto Width = [](const QImage &Image, int Y) {
            int N = 0;
            for (int X = 0; X < Image.width(); ++X)
                N += Transparent(Image, X, Y) ? 0 : 1;
            return N;
        };
        const QImage Triangle = Picture("BTN1");
        QCOMPARE(Width(Triangle, 4), 7);
        QCOMPARE(Width(Triangle, 7), 1);
        const QImage Cross = Picture("BTN3");
        QCOMPARE(Cross, Cross.mirrored(true, false));
        const QImage CrossArea = Cross.copy(0, 0, 12, 11); // the last row is the frame's
        QCOMPARE(CrossArea, CrossArea.mirrored(false, true));
        const QImage Minus = Picture("BTN2");
        for (int Y = 0; Y < 12; ++Y)
            QCOMPARE(Width(Minus, Y), Y == 5 || Y == 6 ? 7 : 0);
        for (const char *Name : { "BTN1", "BTN2", "BTN3" })
            for (int I = 0; I < 12; ++I) {
                QVERIFY(Transparent(Picture(Name), 11, I));
                QVERIFY(Transparent(Picture(Name), I, 11));
            }
    }

    // The two diagonal sizing cursors are easily swapped.
    void DiagonalSizingCursors()
    {
        QCOMPARE(KRCursor(crSizeNWSE).shape(), Qt::SizeFDiagCursor);
        QCOMPARE(KRCursor(crSizeNESW).shape(), Qt::SizeBDiagCursor);
    }

    void DragCursorIsTheBitmapUntilReplaced()
    {
        const QCursor Drag = KRCursor(crDrag);
        QCOMPARE(Drag.shape(), Qt::BitmapCursor);
        QCOMPARE(Drag.hotSpot(), QPoint(0, 0));
        QCOMPARE(Drag.pixmap().toImage(), KRBitmap("DragCursor").toImage());
        QVERIFY(!Transparent(
                Drag.pixmap().toImage().convertToFormat(QImage::Format_ARGB32), 0, 0)); // the tip

        KRSetDragCursor(QCursor(Qt::CrossCursor));
        QCOMPARE(KRCursor(crDrag).shape(), Qt::CrossCursor);
        KRResetDragCursor();
        QCOMPARE(KRCursor(crDrag).shape(), Qt::BitmapCursor);
    }

    // A field-name cursor: a black box with the name cut out of it, its edge and the letters
    // letting the screen through.
    void MaskCursorShowsBlackWhereTheMaskIsBlack()
    {
        QImage Mask(48, 20, QImage::Format_RGB32);
        Mask.fill(Qt::white);
        {
            QPainter P(&Mask);
            P.setPen(Qt::white);
            P.setBrush(Qt::black);
            P.drawRect(0, 0, 47, 19);
            P.drawText(Mask.rect(), Qt::AlignCenter, QStringLiteral("t.id"));
        }
        const QCursor Cursor = KRMaskCursor(Mask, QPoint(24, 10));
        QCOMPARE(Cursor.shape(), Qt::BitmapCursor);
        QCOMPARE(Cursor.hotSpot(), QPoint(24, 10));
        const QImage Shown = Cursor.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(Shown.size(), Mask.size());
        for (int Y = 0; Y < Mask.height(); ++Y)
            for (int X = 0; X < Mask.width(); ++X) {
                const bool Black = qGray(Mask.pixel(X, Y)) < 128;
                QCOMPARE(Shown.pixel(X, Y), Black ? qRgba(0, 0, 0, 255) : qRgba(0, 0, 0, 0));
            }
        QVERIFY(Transparent(Shown, 0, 0));
        QVERIFY(!Transparent(Shown, 2, 2));

        // A one-bit mask as the old window system kept it works the same.
        QImage Mono(16, 16, QImage::Format_Mono);
        Mono.setColorTable({ qRgb(0, 0, 0), qRgb(255, 255, 255) });
        Mono.fill(1);
        Mono.setPixel(3, 4, 0);
        const QImage FromMono =
                KRMaskCursor(Mono, {}).pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(FromMono.pixel(3, 4), qRgba(0, 0, 0, 255));
        QVERIFY(Transparent(FromMono, 4, 4));
    }
};

QTEST_MAIN(TKRBitmapTest)
#include "KRBitmapTest.moc"
