// Links between table windows, driven as a user drives them: routing as windows move, scroll and
// collapse, hit testing, the popup menu and its commands, dragging bend points, selection and
// painting, and the model's join definitions following the links.
#include "diagram/KRLink.h"

#include "KRDiagramFixture.h"
#include "component/KRStyles.h"
#include "diagram/KRTable.h"
#include "diagram/KRWorkArea.h"
#include "framework/KRDataSet.h"
#include "framework/KRException.h"
#include "framework/qt/KRCanvas.h"
#include "parser/KRSelectParser.h"
#include "resources/KRResource.h"

#include <deque>

#include <QtTest>
#include <QtWidgets>

using namespace korvan;

namespace {

using TOwner = test::TDiagramOwner;
using test::TDiagram;

QPolygon PointsOf(const TKRLink &Link)
{
    return Link.ContentPoints();
}

bool IsBlack(const QImage &Image, int X, int Y)
{
    return Image.pixelColor(X, Y) == QColor(Qt::black);
}

} // namespace

class TKRLinkTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        // The probes below count on the DejaVu metrics of the project's fonts.
        QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    }

    // A window's rows are 16 pixels high and 17 apart under a 20-pixel caption bar (font height 11);
    // links attach at the middle of their rows' bands on the facing edges, and re-route as the
    // windows move, scroll and collapse.
    void RoutingFollowsTheWindows()
    {
        TDiagram D;
        TKRTable *Orders = D.Add(
                "ORDERS", { "ORDERNO", "CUSTNO", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9" }, 50, 20);
        TKRTable *Customer = D.Add("CUSTOMER", { "CUSTNO", "COMPANY" }, 250, 40);
        QCOMPARE(Orders->CaptionHeight(), 20);
        QCOMPARE(Orders->ItemHeight(), 16);
        QCOMPARE(Orders->VisibleCount(), 6);
        QCOMPARE(Orders->Height(), 6 * 17 + 20 + 2 + 4);
        QCOMPARE(Customer->Height(), 2 * 17 + 20 + 2 + 4);

        TKRLink *Link = D.Link(Orders, "CUSTNO", Customer, "CUSTNO");
        QVERIFY(Link);
        QCOMPARE(PointsOf(*Link), QPolygon({ { 150, 66 }, { 160, 66 }, { 240, 69 }, { 250, 69 } }));
        QCOMPARE(Link->Bounds(), KRRect(147, 63, 253, 72));

        // From the other side the link joins the same pair: its first row stays in ORDERS.
        TKRLink *Back = D.Link(Customer, "COMPANY", Orders, "ORDERNO");
        QCOMPARE(Back->Join(), Link->Join());
        QCOMPARE(Back->FirstItem(), Orders->GetFieldItem("ORDERNO"));
        QCOMPARE(D.Area.JoinCount(), 1);

        // Windows whose horizontal ranges overlap: both ends on the right edges.
        Customer->SetLeft(100);
        Customer->SetTop(200);
        QCOMPARE(PointsOf(*Link), QPolygon({ { 150, 66 }, { 160, 66 }, { 210, 229 }, { 200, 229 } }));

        // A row below the visible ones attaches to the bottom border, one above them to the caption
        // bar, and so does every row of a collapsed window.
        TKRLink *Low = D.Link(Orders, "F9", Customer, "COMPANY");
        QCOMPARE(Low->ContentPoints()[0], QPoint(150, 20 + 128 - 1));
        Orders->SetFirstVisibleItem(4);
        D.Area.ResizeControl(Orders);
        QCOMPARE(Orders->FirstVisibleItem(), 4);
        QCOMPARE(Low->ContentPoints()[0], QPoint(150, 20 + 21 + 5 * 17 + 8));
        QCOMPARE(Link->ContentPoints()[0], QPoint(150, 30));
        Orders->SetFirstVisibleItem(0);
        Orders->SetExpand(false);
        QCOMPARE(Low->ContentPoints()[0], QPoint(150, 30));
        QCOMPARE(Link->ContentPoints()[0], QPoint(150, 30));
        Orders->SetExpand(true);
        QCOMPARE(Link->ContentPoints()[0], QPoint(150, 66));

        // Scrolling the work area moves what Points reads, not what the link stores.
        D.Area.SetScrollPos(QPoint(30, 10));
        QCOMPARE(Link->Points(0), QPoint(120, 56));
        QCOMPARE(Link->ContentPoints()[0], QPoint(150, 66));
    }

    // Right-click the line, insert a bend point, drag it left of the first window: the link then
    // leaves that window on its left edge. The stubs take no bend points, and a link with none has
    // none to delete.
    void BendPointsAreInsertedDraggedAndDeleted()
    {
        TDiagram D;
        TKRTable *Orders = D.Add("ORDERS", { "ORDERNO", "CUSTNO" }, 50, 20);
        TKRTable *Customer = D.Add("CUSTOMER", { "CUSTNO" }, 250, 40);
        TKRLink *Link = D.Link(Orders, "CUSTNO", Customer, "CUSTNO");

        QCOMPARE(D.Menu({ 200, 67 }, SInsertPoint),
                std::vector<std::string>({ SInsertPoint, SDeleteLink, SLinkProperty }));
        QCOMPARE(Link->CountPoints(), 5);
        QCOMPARE(Link->ContentPoints()[2], QPoint(200, 67));
        QVERIFY(Link->Selected());
        QCOMPARE(Link->HitTest({ 200, 67 }), htTPoint);

        D.Menu({ 155, 66 }, SInsertPoint); // on the first stub
        D.Menu({ 248, 69 }, SInsertPoint); // on the last stub
        QCOMPARE(Link->CountPoints(), 5);

        D.Drag({ 201, 68 }, { 20, 150 });
        QCOMPARE(Link->ContentPoints()[2], QPoint(20, 150));
        QCOMPARE(Link->DragPoint(), -1);
        QVERIFY(Link->Bounds().contains(KRRect(17, 147, 23, 153)));
        Customer->MoveTable(0, 1);
        QCOMPARE(
                PointsOf(*Link), QPolygon({ { 50, 66 }, { 40, 66 }, { 20, 150 }, { 240, 70 }, { 250, 70 } }));

        QCOMPARE(D.Menu({ 21, 151 }, SDeletePoint),
                std::vector<std::string>({ SDeletePoint, SDeleteLink, SLinkProperty }));
        QCOMPARE(Link->CountPoints(), 4);
        TKRScriptedPrompter Prompter;
        Prompter.AnswerMenu("");
        Link->PopupMenu(*new QMenu(&D.Area), 45, 66, htTPoint);
        Link->HandleDeletePoint();
        QCOMPARE(Link->CountPoints(), 4);
    }

    // The hit tolerance is the number of points; the stub points take no clicks, and of two points
    // within reach the later one wins.
    void HitTestGrowsWithThePointsAndTheLaterPointWins()
    {
        TDiagram D;
        TKRTable *Orders = D.Add("ORDERS", { "ORDERNO", "CUSTNO" }, 50, 20);
        TKRTable *Customer = D.Add("CUSTOMER", { "CUSTNO" }, 250, 40);
        TKRLink *Link = D.Link(Orders, "CUSTNO", Customer, "CUSTNO");
        QCOMPARE(Link->HitTest({ 155, 70 }), htTClient);
        QCOMPARE(Link->HitTest({ 155, 71 }), htTOutSide);
        QCOMPARE(Link->HitTest({ 151, 68 }), htTEndLine);
        QCOMPARE(Link->HitTest({ 252, 66 }), htTEndLine);
        QCOMPARE(Link->HitTest({ 160, 69 }), htTClient); // the stub point alone

        D.Menu({ 200, 67 }, SInsertPoint);
        D.Menu({ 220, 68 }, SInsertPoint);
        QCOMPARE(Link->CountPoints(), 6);
        QCOMPARE(Link->HitTest({ 155, 72 }), htTClient);
        QCOMPARE(Link->HitTest({ 155, 73 }), htTOutSide);

        // A bend point dragged next to the first end point: a click near both takes the bend point;
        // next to the last end point, the end point.
        D.Drag({ 200, 67 }, { 154, 60 });
        D.Drag({ 220, 68 }, { 248, 66 });
        QCOMPARE(Link->HitTest({ 152, 63 }), htTPoint);
        QCOMPARE(Link->HitTest({ 250, 67 }), htTEndLine);
        QCOMPARE(Link->HitTest({ 246, 63 }), htTPoint);
    }

    // The update regions: the start marker and the first two segments, the last two and the end
    // marker, or all of it.
    void ClipRegionsCoverTheirParts()
    {
        TDiagram D;
        TKRTable *Orders = D.Add("ORDERS", { "ORDERNO", "CUSTNO" }, 50, 20);
        TKRTable *Customer = D.Add("CUSTOMER", { "CUSTNO" }, 250, 100);
        TKRLink *Link = D.Link(Orders, "CUSTNO", Customer, "CUSTNO");
        QCOMPARE(PointsOf(*Link), QPolygon({ { 150, 66 }, { 160, 66 }, { 240, 129 }, { 250, 129 } }));
        const QRegion Whole = Link->GetClipRgn(0);
        const QRegion First = Link->GetClipRgn(1);
        const QRegion Second = Link->GetClipRgn(2);
        const QPoint Start(152, 66), StartMarker(156, 63), Middle(200, 97), EndMarker(244, 126),
                End(249, 129);
        for (const QPoint &P : { Start, StartMarker, Middle, EndMarker, End })
            QVERIFY(Whole.contains(P));
        QVERIFY(First.contains(Start) && First.contains(StartMarker) && First.contains(Middle));
        QVERIFY(!First.contains(EndMarker) && !First.contains(End));
        QVERIFY(Second.contains(EndMarker) && Second.contains(End) && Second.contains(Middle));
        QVERIFY(!Second.contains(Start));
        QVERIFY(!Whole.contains(QPoint(200, 90)));
        // Part 2 starts from a one-pixel rectangle at the origin.
        QVERIFY(Second.contains(QPoint(0, 0)) && !First.contains(QPoint(0, 0)));
    }

    void PointIndexAndLostTablesRaiseTheirMessages()
    {
        TDiagram D;
        TKRTable *Orders = D.Add("ORDERS", { "ORDERNO" }, 50, 20);
        TKRTable *Customer = D.Add("CUSTOMER", { "CUSTNO" }, 250, 40);
        TKRLink *Link = D.Link(Orders, "ORDERNO", Customer, "CUSTNO");
        const auto Message = [](const std::function<void()> &Call) {
            try {
                Call();
            } catch (const Exception &E) {
                return E.Message();
            }
            return std::string("no error");
        };
        QCOMPARE(Message([&] { Link->Points(4); }), std::string("Invalid index = 4 "));
        QCOMPARE(Message([&] { Link->SetPoints(-1, {}); }), std::string("Invalid index = -1 "));
        QCOMPARE(Link->Join()->Tables(2), nullptr);
        QCOMPARE(Link->Join()->TableNames(2), std::string());
        QCOMPARE(Link->Join()->TableNames(1), std::string("CUSTOMER"));
        Link->Join()->ClearTable(1);
        QCOMPARE(Message([&] { Link->SetBoundaryRect(); }), std::string("Invalid table  in Link control"));
    }

    // Selecting a link draws it two pixels wide with its rows bold and tells the application which
    // rows it joins; the hint names them with the condition.
    void SelectionAndHint()
    {
        TDiagram D;
        TKRTable *Orders = D.Add("ORDERS", { "ORDERNO", "CUSTNO" }, 50, 20);
        TKRTable *Customer = D.Add("CUSTOMER", { "CUSTNO" }, 250, 40);
        Orders->SetAlias("o");
        TKRLink *Link = D.Link(Orders, "CUSTNO", Customer, "CUSTNO");
        QCOMPARE(Link->GetHint(), std::string("o.CUSTNO=CUSTOMER.CUSTNO"));
        Link->SetCondition(5);
        QCOMPARE(Link->GetHint(), std::string("o.CUSTNO<>CUSTOMER.CUSTNO"));
        Link->SetCondition(0);

        std::vector<std::string> Events;
        D.Area.SetOnSelectionLink(
                [&](TKRWorkArea *, TKRTable *T1, TKRTable *T2, TKRListItem *I1, TKRListItem *I2, bool State) {
                    Events.push_back(T1->GetAlias() + "." + I1->Name() + " " + T2->GetAlias() + "."
                            + I2->Name() + (State ? " on" : " off"));
                });
        D.Click({ 200, 67 });
        QCOMPARE(D.Area.SelectedObject(), Link);
        QVERIFY(Link->FirstItem()->Selected() && Link->SecondItem()->Selected());
        QCOMPARE(D.Area.TableWindows(0), Customer); // a link does not reorder the windows

        QImage Image = D.Grab();
        // Two pixels wide, the extra one above: inside the band that repaints the link.
        QVERIFY(IsBlack(Image, 158, 65) && IsBlack(Image, 158, 66) && !IsBlack(Image, 158, 67));
        QVERIFY(Link->GetClipRgn(0).contains(QPoint(158, 65)));
        D.Click({ 400, 300 });
        QCOMPARE(D.Area.SelectedObject(), nullptr);
        QVERIFY(!Link->FirstItem()->Selected());
        QCOMPARE(Events,
                std::vector<std::string>({ "o.CUSTNO CUSTOMER.CUSTNO on", "o.CUSTNO CUSTOMER.CUSTNO off" }));
        QVERIFY(!IsBlack(D.Grab(), 158, 65) && IsBlack(D.Grab(), 158, 66));
    }

    // Markers by join kind: circles for the inner side, arrows pointing at the window for the
    // outer side; the link lies under the windows.
    void MarkersByJoinKind()
    {
        TDiagram D;
        TKRTable *Orders = D.Add("ORDERS", { "ORDERNO", "CUSTNO" }, 50, 20);
        TKRTable *Customer = D.Add("CUSTOMER", { "CUSTNO" }, 250, 40);
        TKRLink *Link = D.Link(Orders, "CUSTNO", Customer, "CUSTNO");
        // Start at (150, 66) going right, end at (250, 69) coming from the left. A circle fills
        // the pixel one in and two up from the attach point; an arrow's tip does not reach it, but
        // its base does reach the corner five out and two up.
        const auto Shapes = [&] {
            const QImage Image = D.Grab();
            const bool StartCircle = IsBlack(Image, 151, 64);
            const bool StartArrow = IsBlack(Image, 155, 64) && !StartCircle;
            const bool EndCircle = IsBlack(Image, 248, 67);
            const bool EndArrow = IsBlack(Image, 244, 67) && !EndCircle;
            return QString::fromLatin1("%1%2")
                    .arg(StartCircle             ? 'o'
                                    : StartArrow ? '>'
                                                 : '?')
                    .arg(EndCircle             ? 'o'
                                    : EndArrow ? '<'
                                               : '?');
        };
        QTRY_COMPARE(Shapes(), QStringLiteral("oo"));
        const std::pair<TKRJoinKind, QString> Kinds[] = { { krjLOuterJoin, QStringLiteral(">o") },
            { krjROuterJoin, QStringLiteral("o<") }, { krjFOuterJoin, QStringLiteral("><") } };
        for (const auto &[Kind, Expected] : Kinds) {
            Link->Join()->SetKind(Kind);
            D.Area.viewport()->update();
            QTRY_COMPARE(Shapes(), Expected);
        }
        // The line itself is black between the markers and the windows keep their own pixels.
        const QImage Image = D.Grab();
        QVERIFY(IsBlack(Image, 200, 67) || IsBlack(Image, 200, 68));
        QVERIFY(!IsBlack(Image, 148, 66));
        QCOMPARE(Image.pixelColor(69, 24), D.Area.palette().color(QPalette::Button)); // caption, not selected
        QCOMPARE(Image.pixelColor(270, 43), QColor(0xC0, 0xC0, 0xC0)); // CUSTOMER was added last: selected
        Q_UNUSED(Orders);
    }

    // "Delete link" asks; No keeps the link; Yes removes it once the menu's handler has returned,
    // with its join and its join definition in the model.
    void DeleteLinkAsksAndRemovesLater()
    {
        TOwner Owner;
        Owner.Parser->SetExpression("SELECT * FROM ORDERS, CUSTOMER");
        TDiagram D(&Owner);
        TKRTable *Orders = D.Add("ORDERS", { "ORDERNO", "CUSTNO" }, 50, 20);
        TKRTable *Customer = D.Add("CUSTOMER", { "CUSTNO" }, 250, 40);
        QVERIFY(D.Link(Orders, "CUSTNO", Customer, "CUSTNO"));
        QCOMPARE(Owner.Parser->GetExpression(),
                std::string("SELECT *\r\nFROM\r\n  ORDERS \r\n  INNER JOIN CUSTOMER ON (ORDERS.CUSTNO = "
                            "CUSTOMER.CUSTNO)\r\n"));
        std::vector<std::string> Removed;
        D.Area.SetOnRemoveLink(
                [&](TKRWorkArea *, TKRFloatObject *Item) { Removed.push_back(Item->GetHint()); });

        {
            TKRScriptedPrompter Prompter;
            Prompter.AnswerMenu(SDeleteLink);
            Prompter.Answer(IDNO);
            D.Click({ 200, 67 }, Qt::RightButton);
            QCOMPARE(Prompter.Questions().size(), std::size_t(1));
            QCOMPARE(Prompter.Questions()[0].Caption, std::string("Attention!"));
            QCOMPARE(Prompter.Questions()[0].Text,
                    std::string("Do you really want to delete the link between \r\nORDERS and CUSTOMER"));
            QCOMPARE(Prompter.Questions()[0].Flags, MB_YESNO | MB_ICONQUESTION);
        }
        QCoreApplication::processEvents();
        QCOMPARE(D.Area.LinkCount(), 1);

        TKRScriptedPrompter Prompter;
        Prompter.AnswerMenu(SDeleteLink);
        Prompter.Answer(IDYES);
        D.Click({ 200, 67 }, Qt::RightButton);
        QCOMPARE(D.Area.LinkCount(), 1); // still there when the menu's handler returns
        QTRY_COMPARE(D.Area.LinkCount(), 0);
        QCOMPARE(D.Area.JoinCount(), 0);
        QCOMPARE(D.Area.SelectedObject(), nullptr);
        QCOMPARE(Removed, std::vector<std::string>({ "ORDERS.CUSTNO=CUSTOMER.CUSTNO" }));
        QCOMPARE(Owner.Asked, std::vector<TKRAction>({ kraAdd, kraRemove }));
        QCOMPARE(Owner.Parser->GetExpression(),
                std::string("SELECT *\r\nFROM\r\n  ORDERS,\r\n  CUSTOMER\r\n"));

        // Delete on a selected link asks the same; a refusal by the application keeps it.
        TKRLink *Again = D.Link(Orders, "CUSTNO", Customer, "CUSTNO");
        Owner.AllowLinks = false;
        D.Click({ 200, 67 });
        QCOMPARE(D.Area.SelectedObject(), Again);
        Prompter.Answer(IDYES);
        QTest::keyClick(&D.Area, Qt::Key_Delete);
        QCOMPARE(Prompter.Questions().size(), std::size_t(2));
        QTest::qWait(20);
        QCOMPARE(D.Area.LinkCount(), 1);
        QCOMPARE(D.Area.SelectedObject(), Again);
        QVERIFY(Owner.Parser->GetExpression().find("INNER JOIN CUSTOMER") != std::string::npos);
        QVERIFY(!D.Area.AddLink(
                Customer, Orders, Customer->GetFieldItem("CUSTNO"), Orders->GetFieldItem("ORDERNO")));
        QCOMPARE(D.Area.LinkCount(), 1);
        QVERIFY(!D.Area.AddLink(
                Orders, Customer, Orders->GetFieldItem("MISSING"), Customer->GetFieldItem("CUSTNO")));
    }

    // "Property" runs the link dialog; what it raises is shown through the prompter and changes
    // nothing.
    void PropertiesRunTheDialogAndFaultsAreShown()
    {
        struct TEditor : TKRLinkEditor
        {
            bool Execute(TKRLink &Link) override
            {
                ++Runs;
                if (Fail)
                    throw Exception("The dialog failed");
                Link.Join()->SetKind(krjFOuterJoin);
                return true;
            }
            int Runs = 0;
            bool Fail = false;
        } Editor;
        TDiagram D;
        D.Area.SetLinkEditor(&Editor);
        TKRTable *Orders = D.Add("ORDERS", { "ORDERNO", "CUSTNO" }, 50, 20);
        TKRTable *Customer = D.Add("CUSTOMER", { "CUSTNO" }, 250, 40);
        TKRLink *Link = D.Link(Orders, "CUSTNO", Customer, "CUSTNO");
        D.Menu({ 200, 67 }, SLinkProperty);
        QCOMPARE(Editor.Runs, 1);
        QCOMPARE(Link->Join()->Kind(), krjFOuterJoin);

        Editor.Fail = true;
        TKRScriptedPrompter Prompter;
        QTest::mouseDClick(D.View(), Qt::LeftButton, {}, { 200, 67 });
        QCOMPARE(Editor.Runs, 2);
        QCOMPARE(Prompter.Questions().size(), std::size_t(1));
        QCOMPARE(Prompter.Questions()[0].Text, std::string("The dialog failed"));
        QCOMPARE(Prompter.Questions()[0].Flags, MB_OK | MB_ICONERROR);
        QCOMPARE(D.Area.LinkCount(), 1);
        QCOMPARE(Link->Join()->Kind(), krjFOuterJoin);
    }

    // Tab selects the last window and brings it to the front, so that repeated Tab visits all;
    // Tab and the arrows reach the work area instead of moving the focus.
    void TabCyclesThroughTheWindows()
    {
        TDiagram D;
        QLineEdit Other(D.Area.parentWidget());
        TKRTable *A = D.Add("A", { "X" }, 50, 20);
        TKRTable *B = D.Add("B", { "X" }, 200, 20);
        TKRTable *C = D.Add("C", { "X" }, 350, 20);
        QCOMPARE(D.Area.TableWindows(0), C);
        D.Area.setFocus();
        QTest::keyClick(&D.Area, Qt::Key_Tab);
        QCOMPARE(D.Area.SelectedObject(), A);
        QCOMPARE(D.Area.TableWindows(0), A);
        QTest::keyClick(&D.Area, Qt::Key_Tab);
        QCOMPARE(D.Area.SelectedObject(), B);
        QTest::keyClick(&D.Area, Qt::Key_Tab);
        QCOMPARE(D.Area.SelectedObject(), C);
        QTest::keyClick(&D.Area, Qt::Key_Backtab);
        QCOMPARE(D.Area.SelectedObject(), B);
        QVERIFY(D.Area.hasFocus());
    }
};

QTEST_MAIN(TKRLinkTest)
#include "KRLinkTest.moc"
