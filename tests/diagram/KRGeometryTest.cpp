// The link geometry: rounding, nearness to a poly-line, the polygon test and the transform.
#include "diagram/KRGeometry.h"

#include <QtTest>

using namespace korvan;

Q_DECLARE_METATYPE(QPolygon)

class TKRGeometryTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void RoundsHalvesToEven()
    {
        const std::pair<double, int> Cases[] = { { 0.5, 0 }, { 1.5, 2 }, { 2.5, 2 }, { 3.5, 4 }, { -0.5, 0 },
            { -1.5, -2 }, { -2.5, -2 }, { 2.4999, 2 }, { 2.5001, 3 }, { -2.6, -3 }, { 1e12, INT_MAX },
            { -1e12, INT_MIN } };
        for (const auto &[Value, Rounded] : Cases)
            QCOMPARE(KRRound(Value), Rounded);
    }

    void NearLine_data()
    {
        QTest::addColumn<QPolygon>("Points");
        QTest::addColumn<QPoint>("P");
        QTest::addColumn<double>("Tolerance");
        QTest::addColumn<int>("Segment");
        const QPolygon Straight({ { 10, 10 }, { 20, 10 }, { 20, 50 }, { 30, 50 } });
        QTest::newRow("one point") << QPolygon({ { 5, 5 } }) << QPoint(5, 5) << 10.0 << -1;
        QTest::newRow("no points") << QPolygon() << QPoint(0, 0) << 10.0 << -1;
        // Two equal points make a vertical segment of one pixel: only its own row counts.
        QTest::newRow("equal points, same y") << QPolygon({ { 5, 5 }, { 5, 5 } }) << QPoint(8, 5) << 3.0 << 0;
        QTest::newRow("equal points, other y")
                << QPolygon({ { 5, 5 }, { 5, 5 } }) << QPoint(5, 6) << 3.0 << -1;
        QTest::newRow("horizontal, ends inclusive") << Straight << QPoint(10, 14) << 4.0 << 0;
        QTest::newRow("horizontal, beyond its end") << Straight << QPoint(9, 10) << 4.0 << -1;
        QTest::newRow("horizontal, too far") << Straight << QPoint(15, 15) << 4.0 << -1;
        QTest::newRow("vertical") << Straight << QPoint(24, 30) << 4.0 << 1;
        QTest::newRow("corner belongs to the first") << Straight << QPoint(20, 10) << 0.0 << 0;
        QTest::newRow("last segment") << Straight << QPoint(30, 50) << 0.0 << 2;
        // A slanted segment measures the city-block distance: (0,0)-(10,10) passes (5,5); (7,5)
        // is 2 away along x at best, (8,5) is 3 away.
        const QPolygon Diagonal({ { 0, 0 }, { 10, 10 } });
        QTest::newRow("diagonal on it") << Diagonal << QPoint(5, 5) << 0.0 << 0;
        QTest::newRow("diagonal within") << Diagonal << QPoint(7, 5) << 2.0 << 0;
        QTest::newRow("diagonal just out") << Diagonal << QPoint(8, 5) << 2.0 << -1;
        QTest::newRow("diagonal beyond its end") << Diagonal << QPoint(13, 13) << 5.0 << -1;
        QTest::newRow("diagonal end within") << Diagonal << QPoint(12, 12) << 4.0 << 0;
        // Steep: y is the major axis.
        const QPolygon Steep({ { 0, 0 }, { 3, 30 } });
        QTest::newRow("steep on it") << Steep << QPoint(2, 20) << 0.0 << 0;
        QTest::newRow("steep beside") << Steep << QPoint(5, 20) << 3.0 << 0;
        QTest::newRow("steep too far") << Steep << QPoint(6, 20) << 3.0 << -1;
        // The minor coordinate rounds halves to even: on (0,0)-(4,2) x = 1 gives y 0.5 -> 0,
        // x = 3 gives 1.5 -> 2.
        const QPolygon Shallow({ { 0, 0 }, { 4, 2 } });
        QTest::newRow("half rounds down to even") << Shallow << QPoint(1, 0) << 0.0 << 0;
        QTest::newRow("half rounds up to even") << Shallow << QPoint(3, 2) << 0.0 << 0;
        QTest::newRow("half, the other side") << Shallow << QPoint(1, 1) << 0.0 << -1;
    }

    void NearLine()
    {
        QFETCH(QPolygon, Points);
        QFETCH(QPoint, P);
        QFETCH(double, Tolerance);
        QFETCH(int, Segment);
        QCOMPARE(IsPointNearLine(Points, P, Tolerance), Segment);
    }

    void InsidePolygon()
    {
        const QPolygon Square({ { 0, 0 }, { 10, 0 }, { 10, 10 }, { 0, 10 } });
        const QPolygon Triangle({ { 0, 0 }, { 20, 10 }, { 0, 20 } });
        const struct
        {
            const QPolygon &Points;
            QPoint P;
            bool Inside;
        } Cases[] = {
            { Square, { 5, 5 }, true },
            { Square, { 11, 5 }, false },
            { Square, { -1, 5 }, false },
            { Square, { 5, 11 }, false },
            // Horizontal edges are never counted: on the top edge only the two vertical edges
            // decide.
            { Square, { 5, 0 }, true },
            { Square, { 12, 0 }, false },
            { Triangle, { 5, 10 }, true },
            { Triangle, { 15, 10 }, true },
            { Triangle, { 15, 4 }, false },
            { Triangle, { 5, 3 }, true },
            { Triangle, { 21, 5 }, false },
        };
        for (const auto &C : Cases)
            QVERIFY2(IsPointInPoly(C.Points, C.P) == C.Inside,
                    qPrintable(QStringLiteral("%1,%2").arg(C.P.x()).arg(C.P.y())));
        QVERIFY(!IsPointInPoly(QPolygon(), QPoint(0, 0)));
    }

    void Transforms()
    {
        QPoint Points[] = { { 1, 2 }, { -3, 4 } };
        const TKRMatrix Rotate = { { 0, 1 }, { -1, 0 }, { 10, 20 } };
        TransformCoordinates(Points, 2, Rotate);
        QCOMPARE(Points[0], QPoint(8, 21));
        QCOMPARE(Points[1], QPoint(6, 17));
        const TKRMatrix Scale = { { 2, 0 }, { 0, 3 }, { 0, 0 } };
        TransformCoordinates(Points, 0, Scale);
        TransformCoordinates(Points, -1, Scale);
        QCOMPARE(Points[0], QPoint(8, 21));
        TransformCoordinates(Points, 1, Scale);
        QCOMPARE(Points[0], QPoint(16, 63));
        QCOMPARE(Points[1], QPoint(6, 17));
        // 32-bit arithmetic wraps instead of overflowing.
        QPoint Big[] = { { 0x40000000, 0 } };
        TransformCoordinates(Big, 1, Scale);
        QCOMPARE(Big[0].x(), INT_MIN);
    }
};

QTEST_MAIN(TKRGeometryTest)
#include "KRGeometryTest.moc"
