// The drag protocol, driven by QTest mouse and key events on real widgets.
#include "framework/qt/KRDrag.h"

#include <memory>
#include <string>
#include <vector>

#include <QtTest>
#include <QtWidgets>

using namespace korvan;

namespace {

std::string At(QPoint P)
{
    return std::to_string(P.x()) + "," + std::to_string(P.y());
}

//! Counts the mouse events a widget itself receives.
class TCounting : public QWidget
{
public:
    using QWidget::QWidget;
    int MouseEvents = 0;

protected:
    void mousePressEvent(QMouseEvent *) override { ++MouseEvents; }
    void mouseMoveEvent(QMouseEvent *) override { ++MouseEvents; }
    void mouseReleaseEvent(QMouseEvent *) override { ++MouseEvents; }
};

//! Begins a drag of itself when pressed. Its log outlives it.
class TSource : public TCounting, public TKRDragSource
{
public:
    TSource(QWidget *Parent, std::vector<std::string> *Log)
        : TCounting(Parent)
        , FLog(Log)
    {}
    bool Immediate = false;

    void StartDrag() override { FLog->push_back("start"); }
    void EndDrag(QWidget *Target, QPoint Pos) override
    {
        FLog->push_back(
                "end " + (Target ? Target->objectName().toStdString() : std::string("none")) + " " + At(Pos));
    }

protected:
    void mousePressEvent(QMouseEvent *Event) override
    {
        TCounting::mousePressEvent(Event);
        KRDragController().BeginDrag(this, this, Immediate);
    }

private:
    std::vector<std::string> *FLog;
};

//! Takes drops (unless refusing), noting what it hears in the shared log.
class TTarget : public TCounting, public TKRDragTarget
{
public:
    TTarget(QWidget *Parent, const char *Name, std::vector<std::string> *Log)
        : TCounting(Parent)
        , FLog(Log)
    {
        setObjectName(QString::fromLatin1(Name));
    }
    bool Refuse = false;

    void DragOver(QObject *Source, QPoint Pos, TKRDragState State, bool &Accept) override
    {
        static const char *const Names[] = { "enter", "leave", "move" };
        FLog->push_back(objectName().toStdString() + " " + Names[State] + " " + At(Pos)
                + (Source ? "" : " without source"));
        QVERIFY(Accept);
        Accept = !Refuse;
    }
    void DragDrop(QObject *Source, QPoint Pos) override
    {
        FLog->push_back(objectName().toStdString() + " drop " + At(Pos) + " from "
                + Source->objectName().toStdString());
        // What the drop shows gets the mouse: the drag is over.
        QVERIFY(!KRDragController().Dragging());
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
        if (OnDrop)
            OnDrop();
    }
    std::function<void()> OnDrop;

private:
    std::vector<std::string> *FLog;
};

//! A window: the source on the left, target A (with a plain child) and target B to its right,
//! and a plain panel below.
struct TDesk
{
    TDesk()
    {
        Window.resize(400, 220);
        Source = new TSource(&Window, &Log);
        Source->setObjectName(QStringLiteral("source"));
        Source->setGeometry(10, 10, 80, 80);
        A = new TTarget(&Window, "A", &Log);
        A->setGeometry(110, 10, 120, 80);
        Child = new TCounting(A);
        Child->setGeometry(20, 20, 40, 40);
        B = new TTarget(&Window, "B", &Log);
        B->setGeometry(250, 10, 80, 80);
        Panel = new TCounting(&Window);
        Panel->setGeometry(10, 120, 380, 80);
        Window.show();
    }
    std::vector<std::string> Log;
    QWidget Window;
    TSource *Source;
    TTarget *A;
    TCounting *Child;
    TTarget *B;
    TCounting *Panel;
};

std::optional<Qt::CursorShape> OverrideShape()
{
    const QCursor *Cursor = QGuiApplication::overrideCursor();
    return Cursor ? std::optional(Cursor->shape()) : std::nullopt;
}

using TLog = std::vector<std::string>;

QString Text(const TLog &Log)
{
    QStringList Lines;
    for (const std::string &Line : Log)
        Lines << QString::fromStdString(Line);
    return Lines.join(QStringLiteral("; "));
}

} // namespace

class TKRDragTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup()
    {
        QVERIFY(!KRDragController().Dragging());
        QVERIFY(!KRDragController().Waiting());
        QCOMPARE(OverrideShape(), std::nullopt);
    }

    // The drag waits for the mouse to move five pixels with the button held; until then the
    // source sees its own mouse events, after that nobody does.
    void ThresholdStartsTheDrag()
    {
        TDesk Desk;
        QVERIFY(QTest::qWaitForWindowExposed(&Desk.Window));
        QTest::mousePress(Desk.Source, Qt::LeftButton, {}, QPoint(20, 20));
        QVERIFY(KRDragController().Waiting());
        QTest::mouseMove(Desk.Source, QPoint(24, 16));
        QVERIFY(Desk.Log.empty());
        QCOMPARE(Desk.Source->MouseEvents, 2);
        QTest::mouseMove(Desk.Source, QPoint(24, 25));
        QVERIFY(KRDragController().Dragging());
        QCOMPARE(Text(Desk.Log), Text(TLog{ "start" }));
        QCOMPARE(OverrideShape(), Qt::ForbiddenCursor); // the source takes no drops
        QTest::mouseMove(Desk.Source, QPoint(30, 30));
        QTest::mouseRelease(Desk.Source, Qt::LeftButton, {}, QPoint(31, 30));
        QCOMPARE(Text(Desk.Log), Text(TLog{ "start", "end none 31,30" }));
        QCOMPARE(Desk.Source->MouseEvents, 2);
    }

    // A click, or a move shorter than the threshold, never starts a drag: the source gets its
    // release and hears of no drag.
    void ClickNeverStartsADrag()
    {
        TDesk Desk;
        QVERIFY(QTest::qWaitForWindowExposed(&Desk.Window));
        QTest::mousePress(Desk.Source, Qt::LeftButton, {}, QPoint(20, 20));
        QTest::mouseMove(Desk.Source, QPoint(23, 23));
        QTest::mouseRelease(Desk.Source, Qt::LeftButton, {}, QPoint(23, 23));
        QVERIFY(!KRDragController().Waiting());
        QTest::mouseMove(Desk.Source, QPoint(40, 40), 0);
        QVERIFY(Desk.Log.empty());
        QCOMPARE(Desk.Source->MouseEvents, 3);
    }

    // Enter (with a move at the same place), moves, leave on the way to another target; a plain
    // child counts as its nearest target ancestor; the drop goes where the mouse is released.
    void EnterMoveLeaveAndDrop()
    {
        TDesk Desk;
        QVERIFY(QTest::qWaitForWindowExposed(&Desk.Window));
        Desk.Source->Immediate = true;
        QTest::mousePress(Desk.Source, Qt::LeftButton, {}, QPoint(20, 20));
        QCOMPARE(Text(Desk.Log), Text(TLog{ "start" }));
        QTest::mouseMove(Desk.A, QPoint(5, 6));
        QCOMPARE(OverrideShape(), Qt::BitmapCursor); // crDrag while the target accepts
        QTest::mouseMove(Desk.Child, QPoint(1, 2));
        QTest::mouseMove(Desk.B, QPoint(3, 3));
        QTest::mouseMove(Desk.A, QPoint(100, 70));
        QTest::mouseMove(Desk.Panel, QPoint(50, 10));
        QCOMPARE(OverrideShape(), Qt::ForbiddenCursor);
        QTest::mouseMove(Desk.A, QPoint(7, 8));
        QTest::mouseRelease(Desk.A, Qt::LeftButton, {}, QPoint(7, 8));
        QCOMPARE(Text(Desk.Log),
                Text(TLog{ "start", "A enter 5,6", "A move 5,6", "A move 21,22", "A leave 143,3",
                        "B enter 3,3", "B move 3,3", "B leave -40,70", "A enter 100,70", "A move 100,70",
                        "A leave -50,120", "A enter 7,8", "A move 7,8", "A drop 7,8 from source",
                        "end A 7,8" }));
        // The widgets saw none of the drag's mouse events.
        QCOMPARE(
                Desk.A->MouseEvents + Desk.B->MouseEvents + Desk.Child->MouseEvents + Desk.Panel->MouseEvents,
                0);
        QCOMPARE(Desk.Source->MouseEvents, 1);
    }

    // Events as a platform delivers them: to the window first, then to the widget that has the
    // mouse grabbed (the source, while its button is held). Each is handled once.
    void EventsThroughTheWindow()
    {
        TDesk Desk;
        QVERIFY(QTest::qWaitForWindowExposed(&Desk.Window));
        QWindow *Window = Desk.Window.windowHandle();
        QTest::mousePress(Window, Qt::LeftButton, {}, QPoint(20, 20));
        QTest::mouseMove(Window, QPoint(30, 20));
        QTest::mouseMove(Window, QPoint(130, 30));
        QTest::mouseMove(Window, QPoint(131, 30));
        QTest::mouseRelease(Window, Qt::LeftButton, {}, QPoint(131, 30));
        QCOMPARE(Text(Desk.Log),
                Text(TLog{ "start", "A enter 20,20", "A move 20,20", "A move 21,20",
                        "A drop 21,20 from source", "end A 21,20" }));
        QCOMPARE(Desk.Source->MouseEvents, 1);
    }

    // A target that refuses shows the no-drop cursor; released there, it hears the mouse leave and
    // the source ends without a target.
    void RefusedDropEndsWithoutTarget()
    {
        TDesk Desk;
        QVERIFY(QTest::qWaitForWindowExposed(&Desk.Window));
        Desk.B->Refuse = true;
        Desk.Source->Immediate = true;
        QTest::mousePress(Desk.Source, Qt::LeftButton, {}, QPoint(20, 20));
        QTest::mouseMove(Desk.B, QPoint(10, 10));
        QCOMPARE(OverrideShape(), Qt::ForbiddenCursor);
        QTest::mouseRelease(Desk.B, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(Text(Desk.Log),
                Text(TLog{ "start", "B enter 10,10", "B move 10,10", "B leave 10,10", "end none 250,10" }));
    }

    void EscapeCancels()
    {
        TDesk Desk;
        QVERIFY(QTest::qWaitForWindowActive(&Desk.Window));
        QTest::mousePress(Desk.Source, Qt::LeftButton, {}, QPoint(20, 20));
        QTest::mouseMove(Desk.A, QPoint(10, 10));
        QTest::keyClick(&Desk.Window, Qt::Key_Escape);
        QVERIFY(!KRDragController().Dragging());
        QTest::mouseRelease(Desk.A, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(Text(Desk.Log),
                Text(TLog{ "start", "A enter 10,10", "A move 10,10", "A leave 10,10", "end none 110,10" }));
        QCOMPARE(Desk.A->MouseEvents, 1); // the release after the drag is the widget's again
    }

    void CancelEndsADragAndBeginDragWhileDraggingIsIgnored()
    {
        TDesk Desk;
        QVERIFY(QTest::qWaitForWindowExposed(&Desk.Window));
        Desk.Source->Immediate = true;
        QTest::mousePress(Desk.Source, Qt::LeftButton, {}, QPoint(20, 20));
        TSource Other(&Desk.Window, &Desk.Log);
        KRDragController().BeginDrag(&Other, &Other, true);
        QTest::mouseMove(Desk.A, QPoint(10, 10));
        QCOMPARE(KRDragController().Target(), Desk.A);
        KRDragController().Cancel();
        KRDragController().Cancel(); // nothing to cancel
        QCOMPARE(Text(Desk.Log),
                Text(TLog{ "start", "A enter 10,10", "A move 10,10", "A leave 10,10", "end none 110,10" }));
        QTest::mouseRelease(Desk.A, Qt::LeftButton, {}, QPoint(10, 10));
    }

    // The source window is closed mid-drag (say the table it shows is removed): the drag ends at
    // once, the target hears the mouse leave, the freed source hears nothing, and the mouse is the
    // widgets' again.
    void SourceFreedMidDrag()
    {
        TDesk Desk;
        QVERIFY(QTest::qWaitForWindowExposed(&Desk.Window));
        QTest::mousePress(Desk.Source, Qt::LeftButton, {}, QPoint(20, 20));
        QTest::mouseMove(Desk.A, QPoint(10, 10));
        delete Desk.Source;
        QVERIFY(!KRDragController().Dragging());
        QCOMPARE(OverrideShape(), std::nullopt);
        QTest::mouseMove(Desk.A, QPoint(12, 10));
        QTest::mouseRelease(Desk.A, Qt::LeftButton, {}, QPoint(12, 10));
        QCOMPARE(Text(Desk.Log),
                Text(TLog{ "start", "A enter 10,10", "A move 10,10", "A leave 10,10 without source" }));
        QCOMPARE(Desk.A->MouseEvents, 2);

        // Freed by the drop (the drop closed the source's window): it hears no end.
        TDesk Dropped;
        QVERIFY(QTest::qWaitForWindowExposed(&Dropped.Window));
        Dropped.A->OnDrop = [&Dropped] { delete Dropped.Source; };
        QTest::mousePress(Dropped.Source, Qt::LeftButton, {}, QPoint(20, 20));
        QTest::mouseMove(Dropped.A, QPoint(10, 10));
        QTest::mouseRelease(Dropped.A, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(Text(Dropped.Log),
                Text(TLog{ "start", "A enter 10,10", "A move 10,10", "A drop 10,10 from source" }));

        // Freed before the drag started: it never starts.
        TDesk Again;
        QVERIFY(QTest::qWaitForWindowExposed(&Again.Window));
        QTest::mousePress(Again.Source, Qt::LeftButton, {}, QPoint(20, 20));
        delete Again.Source;
        QTest::mouseMove(Again.A, QPoint(10, 10));
        QTest::mouseRelease(Again.A, Qt::LeftButton, {}, QPoint(10, 10));
        QVERIFY(Again.Log.empty());
    }

    // The target under the mouse is freed: the drag goes on, and ends without a target.
    void TargetFreedMidDrag()
    {
        TDesk Desk;
        QVERIFY(QTest::qWaitForWindowExposed(&Desk.Window));
        QTest::mousePress(Desk.Source, Qt::LeftButton, {}, QPoint(20, 20));
        QTest::mouseMove(Desk.A, QPoint(10, 10));
        const QPoint Where = Desk.A->mapTo(&Desk.Window, QPoint(10, 10));
        delete Desk.A;
        QTest::mouseMove(&Desk.Window, Where + QPoint(1, 0));
        QCOMPARE(OverrideShape(), Qt::ForbiddenCursor);
        QTest::mouseRelease(&Desk.Window, Qt::LeftButton, {}, Where + QPoint(1, 0));
        QCOMPARE(Text(Desk.Log), Text(TLog{ "start", "A enter 10,10", "A move 10,10", "end none 111,10" }));
    }
};

QTEST_MAIN(TKRDragTest)
#include "KRDragTest.moc"
