// Table windows on the work area, driven as a user drives them: adding tables, moving and sizing
// them, the caption buttons, checks and the select-all box, keys and the find box, renaming,
// closing, the field drag that makes links, hints, and what the model says after each of these.
#include "KRDiagramFixture.h"
#include "diagram/KREdit.h"
#include "framework/qt/KRBitmap.h"
#include "framework/qt/KRCanvas.h"
#include "resources/KRResource.h"

#include <QtTest>
#include <QtWidgets>

using namespace korvan;
using test::TDiagram;
using test::TDiagramOwner;

namespace {

std::vector<std::string> Names(int Count, const std::string &Stem = "F")
{
    std::vector<std::string> Result;
    for (int I = 0; I < Count; ++I)
        Result.push_back(Stem + std::to_string(I));
    return Result;
}

//! The model as the core writes it.
std::string Sql(const TDiagramOwner &Owner)
{
    return Owner.Parser->GetExpression();
}

//! Presses at From, moves with the button held past the drag threshold and on to To, and releases.
void DragField(TDiagram &D, QPoint From, QPoint To)
{
    D.Hover(From);
    QTest::mousePress(D.View(), Qt::LeftButton, {}, From);
    D.MoveHeld(From + QPoint(8, 0));
    D.MoveHeld(To);
    QTest::mouseRelease(D.View(), Qt::LeftButton, {}, To);
}

} // namespace

class TKRTableWindowTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9)); }

    // ORDERS three times: ORDERS, ORDERS1, ORDERS2, side by side 10 pixels apart from (50, 20),
    // the newest in front and selected; the model holds the three with their aliases.
    void AddingATableThreeTimes()
    {
        TDiagramOwner Owner;
        TDiagram D(&Owner);
        D.FollowModel(Owner);
        std::vector<TKRTable *> Added;
        for (int I = 0; I < 3; ++I)
            Added.push_back(D.Add("ORDERS", { { "ORDERNO", ftInteger }, { "CUSTNO", ftInteger } }));
        QCOMPARE(Added[0]->GetAlias(), std::string("ORDERS"));
        QCOMPARE(Added[1]->GetAlias(), std::string("ORDERS1"));
        QCOMPARE(Added[2]->GetCaption(), std::string("ORDERS (ORDERS2)"));
        QCOMPARE(Added[0]->GetBoundsRect().topLeft(), QPoint(50, 20));
        for (int I = 1; I < 3; ++I) {
            QCOMPARE(Added[I]->Top(), 20);
            QCOMPARE(Added[I]->Left(), KRRight(Added[I - 1]->GetBoundsRect()) + 10);
        }
        // The caption decides the width: ORDERS (ORDERS2) needs more than the first window.
        QVERIFY(Added[2]->Width() > Added[0]->Width());
        QCOMPARE(D.Area.TableWindows(0), Added[2]);
        QCOMPARE(D.Area.SelectedObject(), Added[2]);
        QVERIFY(!Added[0]->Selected());
        QCOMPARE(Owner.TableAsks, std::vector<TKRAction>(3, kraAdd));
        QCOMPARE(Sql(Owner),
                std::string("SELECT *\r\nFROM\r\n  ORDERS,\r\n  ORDERS ORDERS1,\r\n  ORDERS ORDERS2\r\n"));

        // A table the application refuses is not added.
        Owner.AllowTables = false;
        QCOMPARE(D.Add("CUSTOMER", { { "CUSTNO", ftInteger } }), nullptr);
        QCOMPARE(D.Area.TableCount(), 3);
        QCOMPARE(D.Area.SelectedObject(), nullptr);
    }

    // Dragging the caption moves the window; it stops at the left and top edges and at 5000, and the
    // view scrolls while the mouse is beyond its edge. Every edge and corner sizes the window with
    // its own cursor, down to the smallest size; a collapsed window cannot be sized.
    void MovingAndSizingStayInBounds()
    {
        TDiagram D;
        TKRTable *T = D.Add("ORDERS", Names(10), 100, 60);
        const QPoint Caption = D.CaptionPoint(T);
        D.Drag(Caption, Caption - QPoint(300, 300));
        QCOMPARE(T->GetBoundsRect().topLeft(), QPoint(0, 0));

        D.Area.SetScrollPos(QPoint(5000, 5000));
        const QPoint Scroll = D.Area.ScrollPos();
        T->SetLeft(Scroll.x() + 100);
        T->SetTop(Scroll.y() + 100);
        const QPoint Far = D.CaptionPoint(T);
        D.Drag(Far, Far + QPoint(900, 900));
        QCOMPARE(KRRight(T->GetBoundsRect()), TKRWorkArea::ContentSize);
        QCOMPARE(KRBottom(T->GetBoundsRect()), TKRWorkArea::ContentSize);

        // Moving beyond the view's right edge scrolls it.
        D.Area.SetScrollPos(QPoint(0, 0));
        T->SetLeft(300);
        T->SetTop(100);
        const QPoint Start = D.CaptionPoint(T);
        D.Drag(Start, QPoint(D.View()->width() + 40, Start.y()));
        QCOMPARE(D.Area.HorzPosition(), 40);

        D.Area.SetScrollPos(QPoint(0, 0));
        T->SetLeft(100);
        T->SetTop(100);
        const QRect B = T->ToClient(T->GetBoundsRect());
        const struct
        {
            QPoint At;
            Qt::CursorShape Cursor;
        } Grips[] = {
            { QPoint(B.left() + 1, B.center().y()), Qt::SizeHorCursor },
            { QPoint(KRRight(B) - 1, B.center().y()), Qt::SizeHorCursor },
            { QPoint(B.center().x(), B.top() + 1), Qt::SizeVerCursor },
            { QPoint(B.center().x(), KRBottom(B) - 1), Qt::SizeVerCursor },
            { QPoint(B.left() + 1, B.top() + 1), Qt::SizeFDiagCursor },
            { QPoint(KRRight(B) - 1, KRBottom(B) - 1), Qt::SizeFDiagCursor },
            { QPoint(B.left() + 1, KRBottom(B) - 1), Qt::SizeBDiagCursor },
            { QPoint(KRRight(B) - 1, B.top() + 1), Qt::SizeBDiagCursor },
        };
        for (const auto &Grip : Grips) {
            D.Hover(Grip.At);
            QCOMPARE(D.View()->cursor().shape(), Grip.Cursor);
        }
        // The right-bottom corner, dragged far up and left: the smallest window.
        D.Drag(Grips[5].At, QPoint(0, 0));
        QCOMPARE(T->Width(), T->CaptionHeight() + T->ButtonsWidth() + 20);
        QCOMPARE(T->Height(), 2 * T->ItemHeight() + T->CaptionHeight() + 4);
        QCOMPARE(T->VisibleCount(), 1);
        // The left-top corner, dragged far down and right: the left and top edges stop there too.
        const QRect Small = T->GetBoundsRect();
        D.Drag(T->ToClient(Small).topLeft() + QPoint(1, 1), QPoint(590, 390));
        QCOMPARE(T->GetBoundsRect().bottomRight(), Small.bottomRight());
        QCOMPARE(T->Width(), Small.width());

        // Collapsed: the edges are caption, the cursor stays the arrow.
        T->SetExpand(false);
        D.Hover(T->ToClient(T->GetBoundsRect()).topLeft() + QPoint(1, 1));
        QCOMPARE(D.Area.HotHit(), htTCaption);
        QCOMPARE(D.View()->cursor().shape(), Qt::ArrowCursor);
    }

    // The caption buttons: collapse with links attached (they move to the caption bar), expand,
    // unlink, and a press on one button released on another runs nothing.
    void CaptionButtons()
    {
        TDiagramOwner Owner;
        TDiagram D(&Owner);
        Owner.Parser->SetExpression("SELECT * FROM ORDERS, CUSTOMER");
        TKRTable *Orders = D.Add("ORDERS", { "ORDERNO", "CUSTNO" }, 50, 20);
        TKRTable *Customer = D.Add("CUSTOMER", { "CUSTNO" }, 250, 40);
        TKRLink *Link = D.Link(Orders, "CUSTNO", Customer, "CUSTNO");
        QCOMPARE(Link->ContentPoints()[0], QPoint(150, 66));

        D.Click(D.CaptionPoint(Orders));
        QCOMPARE(D.Area.SelectedObject(), Orders);
        D.Hover(D.ButtonPoint(Orders, 0));
        QCOMPARE(Orders->HotButton(), 0);
        QCOMPARE(Orders->GetHint(), std::string(SCollapseExpandTable));
        QTest::mousePress(D.View(), Qt::LeftButton, {}, D.ButtonPoint(Orders, 0));
        QCOMPARE(Orders->PressedButton(), 0);
        QTest::mouseRelease(D.View(), Qt::LeftButton, {}, D.ButtonPoint(Orders, 0));
        QCOMPARE(Orders->PressedButton(), -1);
        QVERIFY(!Orders->Expanded());
        QCOMPARE(Orders->GetBoundsRect().height(), Orders->CaptionHeight());
        QCOMPARE(Link->ContentPoints()[0], QPoint(150, 30));

        D.Click(D.ButtonPoint(Orders, 0));
        QVERIFY(Orders->Expanded());
        QCOMPARE(Link->ContentPoints()[0], QPoint(150, 66));

        // Pressed on close, released on unlink: neither runs.
        D.Hover(D.ButtonPoint(Orders, 2));
        QCOMPARE(Orders->GetHint(), std::string(SCloseTable));
        QTest::mousePress(D.View(), Qt::LeftButton, {}, D.ButtonPoint(Orders, 2));
        D.MoveHeld(D.ButtonPoint(Orders, 1));
        QCOMPARE(Orders->PressedButton(), 2);
        QTest::mouseRelease(D.View(), Qt::LeftButton, {}, D.ButtonPoint(Orders, 1));
        QCOMPARE(D.Area.TableCount(), 2);
        QCOMPARE(D.Area.LinkCount(), 1);

        D.Hover(D.ButtonPoint(Orders, 1));
        QCOMPARE(Orders->GetHint(), std::string(SUnlinkTable));
        D.Click(D.ButtonPoint(Orders, 1));
        QCOMPARE(D.Area.LinkCount(), 0);
        QCOMPARE(D.Area.JoinCount(), 0);
        QCOMPARE(Owner.Asked, std::vector<TKRAction>({ kraAdd }));
        QCOMPARE(Sql(Owner), std::string("SELECT *\r\nFROM\r\n  ORDERS,\r\n  CUSTOMER\r\n"));
    }

    // Only a click in the check square toggles a row; a double click, Enter and Space toggle the
    // current row. The select-all box checks all when some are checked and unchecks all when all
    // are, showing its grey tick in between; the component hears of every change.
    void ChecksAndTheSelectAllBox()
    {
        TDiagram D;
        TKRTable *T = D.Add("ORDERS", { "A", "B", "C" }, 50, 20);
        std::vector<std::string> Heard;
        D.Area.SetOnCheckItem([&](TKRTable *, TKRListItem *Item) {
            Heard.push_back(Item->Name() + (Item->Checked() ? "+" : "-"));
        });
        D.Click(D.RowPoint(T, 0));
        QCOMPARE(T->CurrentItem(), T->Items(0));
        QVERIFY(!T->Items(0)->Checked());
        D.Click(D.CheckPoint(T, 0));
        QVERIFY(T->Items(0)->Checked());
        QCOMPARE(T->FieldState(), 1);
        // The square of a row that is not current makes it current first, then toggles.
        D.Click(D.CheckPoint(T, 1));
        QVERIFY(T->Items(1)->Checked());
        QTest::keyClick(&D.Area, Qt::Key_Down);
        QCOMPARE(T->CurrentItem(), T->Items(2));
        QTest::keyClick(&D.Area, Qt::Key_Space);
        QCOMPARE(T->FieldState(), 2);
        QTest::keyClick(&D.Area, Qt::Key_Return);
        QVERIFY(!T->Items(2)->Checked());
        D.DoubleClick(D.RowPoint(T, 2));
        QVERIFY(T->Items(2)->Checked());

        const QPoint Box = T->ToClient(T->GetBoundsRect()).topLeft() + QPoint(8, 8);
        QCOMPARE(T->FieldState(), 2);
        D.Hover(Box);
        QCOMPARE(T->GetHint(), std::string(SUnselectAllFields));
        D.Click(Box);
        QCOMPARE(T->FieldState(), 0);
        QVERIFY(!T->Items(0)->Checked() && !T->Items(1)->Checked() && !T->Items(2)->Checked());
        D.Click(D.CheckPoint(T, 1));
        QCOMPARE(T->FieldState(), 1);
        D.Click(Box);
        QCOMPARE(T->FieldState(), 2);
        QCOMPARE(Heard.size(), std::size_t(12));
        QCOMPARE(Heard.front(), std::string("A+"));
        QCOMPARE(Heard.back(), std::string("C+"));

        // The box's ticks: empty, grey, black.
        const QImage All = D.Grab();
        T->Items(0)->SetCheck(false);
        const QImage Some = D.Grab();
        QVERIFY(All.copy(QRect(Box - QPoint(4, 4), QSize(10, 10)))
                != Some.copy(QRect(Box - QPoint(4, 4), QSize(10, 10))));
    }

    // Tab selects the last window and brings it to the front; repeated Tab cycles; Shift+Tab goes
    // the other way. Delete closes a window at once, with its links and without a question.
    void TabAndDelete()
    {
        TDiagramOwner Owner;
        TDiagram D(&Owner);
        D.FollowModel(Owner);
        TKRTable *C = D.Add("C", Names(2), 350, 20);
        TKRTable *B = D.Add("B", Names(2), 200, 20);
        TKRTable *A = D.Add("A", Names(2), 50, 20);
        D.Link(A, "F0", B, "F0");
        D.Link(C, "F1", B, "F1");
        QCOMPARE(D.Area.TableWindows(0), A);
        QTest::keyClick(&D.Area, Qt::Key_Tab);
        QCOMPARE(D.Area.SelectedObject(), C);
        QCOMPARE(D.Area.TableWindows(0), C);
        QTest::keyClick(&D.Area, Qt::Key_Tab);
        QCOMPARE(D.Area.SelectedObject(), B);
        QTest::keyClick(&D.Area, Qt::Key_Tab);
        QCOMPARE(D.Area.SelectedObject(), A);

        TKRScriptedPrompter Prompter;
        Owner.Asked.clear();
        QTest::keyClick(&D.Area, Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(D.Area.SelectedObject(), B);
        QTest::keyClick(&D.Area, Qt::Key_Delete);
        QCOMPARE(Prompter.Questions().size(), std::size_t(0));
        QCOMPARE(D.Area.TableCount(), 2);
        QCOMPARE(D.Area.LinkCount(), 0);
        QCOMPARE(D.Area.JoinCount(), 0);
        QCOMPARE(D.Area.SelectedObject(), nullptr);
        // The application was asked once about the table, never about its links.
        QCOMPARE(Owner.TableAsks.back(), kraRemove);
        QCOMPARE(Owner.Asked, std::vector<TKRAction>());
        QCOMPARE(Sql(Owner), std::string("SELECT *\r\nFROM\r\n  C,\r\n  A\r\n"));
    }

    // Closing asks the application before anything changes: refused, the rows stay checked and
    // the component hears nothing; allowed, the rows are unchecked and reported, then the table.
    void ClosingAsksFirst()
    {
        TDiagramOwner Owner;
        TDiagram D(&Owner);
        D.FollowModel(Owner);
        TKRTable *T = D.Add("ORDERS", { "A", "B" }, 50, 20);
        TKRTable *Other = D.Add("ITEMS", { "A" }, 250, 20);
        D.Link(T, "A", Other, "A");
        T->Items(1)->SetCheck(true);
        std::vector<std::string> Heard;
        D.Area.SetOnCheckItem(
                [&](TKRTable *, TKRListItem *Item) { Heard.push_back("check " + Item->Name()); });
        D.Area.SetOnRemoveTable([&](TKRWorkArea *, TKRFloatObject *) { Heard.push_back("remove"); });

        Owner.AllowTables = false;
        D.Click(D.CaptionPoint(T));
        D.Click(D.ButtonPoint(T, 2));
        QCOMPARE(D.Area.TableCount(), 2);
        QVERIFY(T->Items(1)->Checked());
        QCOMPARE(D.Area.LinkCount(), 1);
        QVERIFY(Heard.empty());

        Owner.AllowTables = true;
        const std::size_t Asks = Owner.TableAsks.size();
        QCOMPARE(D.Menu(D.CaptionPoint(T), SDeleteTable),
                std::vector<std::string>({ SDeleteTable, SRenameTable }));
        QCOMPARE(D.Area.TableCount(), 1);
        QCOMPARE(D.Area.LinkCount(), 0);
        QCOMPARE(Heard, std::vector<std::string>({ "check B", "remove" }));
        QCOMPARE(Owner.TableAsks.size(), Asks + 1);

        // An application that reloads the diagram while it is asked: what was asked about is gone,
        // and nothing touches it afterwards.
        TKRTable *Again = D.Add("ORDERS", { "A", "B" }, 50, 20);
        Again->Items(0)->SetCheck(true);
        D.Area.SetOnCheckItem([&](TKRTable *, TKRListItem *) { D.Area.ClearContents(); });
        QTest::keyClick(&D.Area, Qt::Key_Delete);
        QCOMPARE(D.Area.TableCount(), 0);
        TKRTable *Left = D.Add("A", { "X" }, 50, 20);
        TKRTable *Right = D.Add("B", { "X" }, 250, 20);
        Owner.OnAsk = [&] { D.Area.ClearContents(); };
        QCOMPARE(D.Link(Left, "X", Right, "X"), nullptr);
        QCOMPARE(D.Area.LinkCount(), 0);
    }

    // Double click on the caption edits the alias: a duplicate is refused with a message and
    // changes nothing, the table's own name stores no alias, dots are dropped, Escape cancels.
    void RenamingTheAlias()
    {
        TDiagramOwner Owner;
        TDiagram D(&Owner);
        D.FollowModel(Owner);
        D.Add("ORDERS", { { "A", ftInteger } });
        TKRTable *T = D.Add("ORDERS", { { "A", ftInteger } });
        QCOMPARE(T->GetAlias(), std::string("ORDERS1"));
        std::vector<std::string> Changes;
        D.Area.SetOnChangeAlias([&](TKRTable *Table, const std::string &Old) {
            Changes.push_back(Old + ">" + Table->GetAlias());
            if (TKRTableDef *Def = Owner.TableDefs()->FindByAlias(Old))
                Def->SetAlias(Table->Alias());
        });
        TKREdit *Editor = D.Area.AliasEdit();

        D.Hover(D.CaptionPoint(T));
        QCOMPARE(T->GetHint(), std::string(SEditAliasHint));
        D.DoubleClick(D.CaptionPoint(T));
        QVERIFY(Editor->isVisible());
        QCOMPARE(Editor->text(), QStringLiteral("ORDERS1"));
        QCOMPARE(Editor->geometry(), T->ToClient(T->GetCaptionRect()).translated(0, 1));
        {
            TKRScriptedPrompter Prompter;
            Editor->setText(QStringLiteral("ORDERS"));
            QTest::keyClick(Editor, Qt::Key_Return);
            QVERIFY(!Editor->isVisible());
            QCOMPARE(Prompter.Questions().size(), std::size_t(1));
            QCOMPARE(Prompter.Questions()[0].Text, std::string("Table with alias ORDERS already exist"));
        }
        QCOMPARE(T->GetAlias(), std::string("ORDERS1"));

        D.DoubleClick(D.CaptionPoint(T));
        Editor->setText(QStringLiteral("O.R.D"));
        QTest::keyClick(Editor, Qt::Key_Return);
        QCOMPARE(T->Alias(), std::string("ORD"));
        QCOMPARE(Sql(Owner), std::string("SELECT *\r\nFROM\r\n  ORDERS,\r\n  ORDERS ORD\r\n"));

        D.DoubleClick(D.CaptionPoint(T));
        Editor->setText(QStringLiteral("X"));
        QTest::keyClick(Editor, Qt::Key_Escape);
        QVERIFY(!Editor->isVisible());
        QCOMPARE(T->Alias(), std::string("ORD"));

        // The first window renamed to its own table name while the second has another alias.
        TKRTable *First = D.Area.TableWindows(1);
        D.Menu(D.CaptionPoint(First), SRenameTable);
        QVERIFY(Editor->isVisible());
        Editor->setText(QStringLiteral("ORDERS"));
        QTest::keyClick(Editor, Qt::Key_Return);
        QCOMPARE(First->Alias(), std::string());
        QCOMPARE(Changes, std::vector<std::string>({ "ORDERS1>ORD" }));
    }

    // Arrows, PgUp/PgDn and Home/End move the current row and scroll the list, the shared scroll
    // bar following; typing letters opens the find box under the window and jumps to the first
    // field starting with them, whatever their case; Escape hides it.
    void KeysAndTheFindBox()
    {
        TDiagram D;
        std::vector<std::string> Fields = Names(12);
        Fields[7] = "CustNo";
        Fields[9] = "CUSTOMER";
        TKRTable *T = D.Add("ORDERS", Fields, 50, 20);
        D.Click(D.RowPoint(T, 0));
        QScrollBar *Bar = D.Area.ListScrollBar();
        QVERIFY(Bar->isVisible());
        QCOMPARE(Bar->maximum(), 12 - 6);
        QCOMPARE(KRRight(Bar->geometry()), KRRight(T->ToClient(T->GetClientRect())));

        QTest::keyClick(&D.Area, Qt::Key_PageDown);
        QCOMPARE(T->CurrentItem(), T->Items(5));
        QCOMPARE(T->FirstVisibleItem(), 0);
        QTest::keyClick(&D.Area, Qt::Key_Down);
        QCOMPARE(T->FirstVisibleItem(), 1);
        QCOMPARE(Bar->value(), 1);
        QTest::keyClick(&D.Area, Qt::Key_End);
        QCOMPARE(T->CurrentItem(), T->Items(11));
        QCOMPARE(T->FirstVisibleItem(), 6);
        QTest::keyClick(&D.Area, Qt::Key_Home);
        QCOMPARE(T->FirstVisibleItem(), 0);
        QTest::keyClick(&D.Area, Qt::Key_Up);
        QCOMPARE(T->CurrentItem(), T->Items(0));
        Bar->setValue(3);
        QCOMPARE(T->FirstVisibleItem(), 3);

        QTest::keyClick(&D.Area, Qt::Key_C);
        TKREdit *Find = D.Area.FindEdit();
        QVERIFY(Find->isVisible());
        QCOMPARE(Find->pos(), T->ToClient(T->GetBoundsRect()).bottomLeft() + QPoint(0, 2));
        QTest::keyClick(Find, Qt::Key_U);
        QCOMPARE(Find->text(), QStringLiteral("Cu"));
        QCOMPARE(T->CurrentItem(), T->Items(7));
        QTest::keyClicks(Find, QStringLiteral("stom"));
        QCOMPARE(T->CurrentItem(), T->Items(9));
        QVERIFY(T->FirstVisibleItem() <= 9 && 9 < T->FirstVisibleItem() + T->VisibleCount());
        QTest::keyClick(Find, Qt::Key_Escape);
        QVERIFY(!Find->isVisible());
    }

    // Dragging a field onto a field of another window links them when the types go together:
    // integer onto smallint yes, onto float no; date onto date yes, onto time no. The own window,
    // an already linked pair and the space between rows take nothing.
    void FieldDragMakesLinks()
    {
        TDiagramOwner Owner;
        Owner.Opts = { kroDragFieldName };
        TDiagram D(&Owner);
        Owner.Parser->SetExpression("SELECT * FROM ORDERS, ITEMS");
        TKRTable *Orders =
                D.Add("ORDERS", { { "ORDERNO", ftInteger }, { "SALEDATE", ftDate }, { "TOTAL", ftFloat } });
        TKRTable *Items = D.Add("ITEMS",
                { { "PRICE", ftFloat }, { "ORDERNO", ftSmallint }, { "SHIPTIME", ftTime },
                        { "SHIPDATE", ftDate } });
        Items->SetLeft(300);
        QCOMPARE(D.Area.TableWindows(1), Orders);

        DragField(D, D.RowPoint(Orders, 0), D.RowPoint(Items, 0));
        QCOMPARE(D.Area.LinkCount(), 0);
        DragField(D, D.RowPoint(Orders, 0), D.RowPoint(Orders, 1));
        QCOMPARE(D.Area.LinkCount(), 0);
        // With the field-name option the cursor is a black box, a multiple of 16 wide, through
        // which ORDERS.ORDERNO shows; the row under it is drawn as the drop target.
        QTest::mousePress(D.View(), Qt::LeftButton, {}, D.RowPoint(Orders, 0));
        D.MoveHeld(D.RowPoint(Orders, 0) + QPoint(8, 0));
        D.MoveHeld(D.RowPoint(Items, 1));
        const QCursor *Shown = QGuiApplication::overrideCursor();
        QVERIFY(Shown);
        const QImage Box = Shown->pixmap().toImage();
        QCOMPARE(Box.width() % 16, 0);
        QVERIFY(Box.width()
                > QFontMetrics(D.Area.Font()).horizontalAdvance(QStringLiteral("ORDERS.ORDERNO")));
        QCOMPARE(qAlpha(Box.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(Box.pixel(1, 1)), 255);
        QCOMPARE(D.Area.DropHighlight(), Items->Items(1));
        QCOMPARE(D.Grab().pixelColor(D.RowPoint(Items, 1, 85)), QColor(0x00, 0x80, 0x80));
        QTest::mouseRelease(D.View(), Qt::LeftButton, {}, D.RowPoint(Items, 1));
        QCOMPARE(D.Area.LinkCount(), 1);
        DragField(D, D.RowPoint(Orders, 0), D.RowPoint(Items, 1));
        QCOMPARE(D.Area.LinkCount(), 1);
        DragField(D, D.RowPoint(Orders, 1), D.RowPoint(Items, 2));
        QCOMPARE(D.Area.LinkCount(), 1);
        DragField(D, D.RowPoint(Orders, 1), D.RowPoint(Items, 3));
        QCOMPARE(D.Area.LinkCount(), 2);
        QCOMPARE(D.Area.DropHighlight(), nullptr);
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
        QCOMPARE(Sql(Owner),
                std::string("SELECT *\r\nFROM\r\n  ORDERS \r\n  INNER JOIN ITEMS ON (ORDERS.ORDERNO = "
                            "ITEMS.ORDERNO) AND (ORDERS.SALEDATE = ITEMS.SHIPDATE)\r\n"));

        // A press on the check square toggles; it starts no drag.
        DragField(D, D.CheckPoint(Orders, 0), D.RowPoint(Items, 1));
        QCOMPARE(D.Area.LinkCount(), 2);

        // Dragged the other way, the comparison still joins ITEMS to ORDERS, and the statement
        // reads back as it was written.
        DragField(D, D.RowPoint(Items, 0), D.RowPoint(Orders, 2));
        QCOMPARE(D.Area.LinkCount(), 3);
        QCOMPARE(D.Area.JoinCount(), 1);
        const std::string Three = Sql(Owner);
        QVERIFY(Three.find("AND (ORDERS.TOTAL = ITEMS.PRICE)") != std::string::npos);
        auto Again = test::NewParser();
        Again->SetExpression(Three);
        QCOMPARE(Again->GetExpression(), Three);
        TKRScriptedPrompter Prompter;
        Prompter.Answer(IDYES);
        D.Area.Links(2)->Remove();
        QTRY_COMPARE(D.Area.LinkCount(), 2);
        QVERIFY(Sql(Owner).find("TOTAL") == std::string::npos);
    }

    // A dragged field resting near a window's top edge scrolls its list up a row every 200 ms;
    // moving on stops it. Near the bottom it scrolls down. The row under the mouse is drawn as
    // the drop target meanwhile.
    void DraggedFieldScrollsAList()
    {
        TDiagram D;
        TKRTable *Source = D.Add("ORDERS", { "ORDERNO" }, 20, 20);
        TKRTable *Target = D.Add("ITEMS", Names(20), 300, 20);
        Target->SetFirstVisibleItem(10);
        D.Click(D.RowPoint(Source, 0));
        const QPoint Row = D.RowPoint(Source, 0);
        QTest::mousePress(D.View(), Qt::LeftButton, {}, Row);
        D.MoveHeld(Row + QPoint(8, 0));
        const QPoint NearTop = D.RowPoint(Target, 10) - QPoint(0, 4);
        D.MoveHeld(NearTop);
        QCOMPARE(D.Area.DropHighlight(), Target->Items(10));
        QTRY_VERIFY_WITH_TIMEOUT(Target->FirstVisibleItem() <= 8, 2000);
        D.MoveHeld(D.RowPoint(Target, 12));
        const int Stopped = Target->FirstVisibleItem();
        QTest::qWait(500);
        QVERIFY(Stopped >= 7);
        QCOMPARE(Target->FirstVisibleItem(), Stopped);
        const QRect Client = Target->ToClient(Target->GetClientRect());
        D.MoveHeld(QPoint(Client.center().x(), KRBottom(Target->ToClient(Target->GetBoundsRect())) - 4));
        QTRY_VERIFY_WITH_TIMEOUT(Target->FirstVisibleItem() > Stopped, 2000);
        std::vector<QWidget *> Ended;
        D.Area.SetOnEndDrag([&](QWidget *On, QPoint) { Ended.push_back(On); });
        QTest::keyClick(&D.Area, Qt::Key_Escape);
        QCOMPARE(D.Area.DropHighlight(), nullptr);
        QCOMPARE(D.Area.LinkCount(), 0);
        QCOMPARE(Ended, std::vector<QWidget *>{ nullptr });
    }

    // A hint appears when the mouse rests 500 ms, 10 and 20 pixels off the mouse, at most 200
    // wide, and goes after 2 s or at the next move.
    void HintsWhenTheMouseRests()
    {
        TDiagram D;
        TKRTable *T = D.Add("ORDERS", { "ORDERNO" }, 50, 20);
        QLabel *Hint = D.Area.HintWindow();
        const QPoint P = D.RowPoint(T, 0);
        D.Hover(P);
        QCOMPARE(T->GetHint(), std::string("ORDERNO (Integer)"));
        QTest::qWait(300);
        QVERIFY(!Hint->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(Hint->isVisible(), 1000);
        QCOMPARE(Hint->text(), QStringLiteral("ORDERNO (Integer)"));
        QCOMPARE(Hint->pos(), D.View()->mapToGlobal(P) + QPoint(10, 20));
        QVERIFY(Hint->width() <= 200);
        QTRY_VERIFY_WITH_TIMEOUT(!Hint->isVisible(), 3000);

        D.Hover(P + QPoint(1, 0));
        QTRY_VERIFY_WITH_TIMEOUT(Hint->isVisible(), 1000);
        D.Hover(P + QPoint(2, 0));
        QVERIFY(!Hint->isVisible());
    }

    // What a window shows in its states: the caption's colour by selection, the current row in
    // silver with a focus frame while the window is selected (and not at all when the selection
    // is hidden), the field types with their option, and the caption buttons' frames normal, hot
    // and pressed.
    void PaintingStates()
    {
        TDiagramOwner Owner;
        TDiagram D(&Owner);
        TKRTable *T = D.Add("ORDERS", { "ORDERNO", "A" }, 50, 20);
        D.Click(D.RowPoint(T, 0));
        const QPoint CaptionFill(T->Left() + 20, T->Top() + 3);
        const QPoint RowEnd = D.RowPoint(T, 0, 85);
        const QRect Row = T->GetItemRect(T->Items(0)).adjusted(T->ItemHeight(), 0, 0, 0);
        const QColor Silver(0xC0, 0xC0, 0xC0);
        QImage Shot = D.Grab();
        QCOMPARE(Shot.pixelColor(CaptionFill), Silver);
        QCOMPARE(Shot.pixelColor(RowEnd), Silver);
        const QImage Focused = Shot.copy(Row);

        D.Area.Select(nullptr);
        Shot = D.Grab();
        QCOMPARE(Shot.pixelColor(CaptionFill), D.Area.palette().color(QPalette::Button));
        QCOMPARE(Shot.pixelColor(RowEnd), Silver);
        QVERIFY(Shot.copy(Row) != Focused);
        Owner.Opts = { kroHideSelection };
        D.Area.viewport()->update();
        QCOMPARE(D.Grab().pixelColor(RowEnd), QColor(Qt::white));

        const auto Ink = [&](int Index) {
            const QImage Image = D.Grab();
            const QRect R = T->GetItemRect(T->Items(Index));
            int Dark = 0;
            for (int X = R.left() + 60; X < KRRight(R); ++X)
                for (int Y = R.top(); Y < KRBottom(R); ++Y)
                    Dark += Image.pixelColor(X, Y).lightness() < 128;
            return Dark;
        };
        QCOMPARE(Ink(1), 0);
        Owner.Opts = { kroShowFieldTypes };
        D.Area.viewport()->update();
        QVERIFY(Ink(1) > 20);

        D.Click(D.CaptionPoint(T));
        const QRect Buttons = T->ToClient(T->GetButtonRect());
        const QPoint Frame(Buttons.left(), Buttons.top() + 6);
        QCOMPARE(D.Grab().pixelColor(Frame), QColor(0x80, 0x80, 0x80));
        D.Hover(D.ButtonPoint(T, 0));
        QCOMPARE(D.Grab().pixelColor(Frame), QColor(Qt::white));
        QTest::mousePress(D.View(), Qt::LeftButton, {}, D.ButtonPoint(T, 0));
        QCOMPARE(D.Grab().pixelColor(Frame), QColor(Qt::black));
        D.MoveHeld(D.ButtonPoint(T, 2));
        QCOMPARE(D.Grab().pixelColor(Frame), QColor(0x80, 0x80, 0x80));
        QTest::mouseRelease(D.View(), Qt::LeftButton, {}, D.ButtonPoint(T, 2));
        QVERIFY(T->Expanded());
        D.Area.SetScrollPos(QPoint(300, 200));
        D.Area.ShowPanel(T);
        QCOMPARE(D.Area.ScrollPos(), QPoint(T->Left(), T->Top()));
    }

    // What the application hands over may be odd; the diagram stays whole: a table without
    // fields, names with quotes, dots and blanks, 10,000 fields.
    void OddTables()
    {
        TDiagramOwner Owner;
        TDiagram D(&Owner);
        D.FollowModel(Owner);
        TKRTable *Empty = D.Add("EMPTY", {});
        QCOMPARE(Empty->Count(), 0);
        QVERIFY(Empty->Height() >= Empty->CaptionHeight());
        D.Click(D.CaptionPoint(Empty));
        QTest::keyClick(&D.Area, Qt::Key_Down);
        QTest::keyClick(&D.Area, Qt::Key_Space);
        D.Click(Empty->ToClient(Empty->GetClientRect()).center());
        QCOMPARE(Empty->CurrentItem(), nullptr);

        TKRTable *Odd = D.Add("my \"odd\".table name", { { "a b", ftString } });
        QCOMPARE(Odd->GetAlias(), std::string("my \"odd\".table name"));
        std::vector<TDiagram::TField> Many;
        for (int I = 0; I < 10000; ++I)
            Many.emplace_back("F" + std::to_string(I), ftInteger);
        TKRTable *Big = D.Add("BIG", Many);
        QCOMPARE(Big->VisibleCount(), 6);
        // Without a current row any move goes to the first row in view.
        QTest::keyClick(&D.Area, Qt::Key_End);
        QCOMPARE(Big->CurrentItem(), Big->Items(0));
        QTest::keyClick(&D.Area, Qt::Key_End);
        QCOMPARE(Big->CurrentItem(), Big->Items(9999));
        QCOMPARE(Big->FirstVisibleItem(), 9994);
        QCOMPARE(D.Area.ListScrollBar()->value(), 9994);
        D.Link(Odd, "a b", Big, "F1");
        D.Grab();
        QTest::keyClick(&D.Area, Qt::Key_Delete);
        QCOMPARE(D.Area.TableCount(), 2);
        QCOMPARE(D.Area.LinkCount(), 0);
    }
};

QTEST_MAIN(TKRTableWindowTest)
#include "KRTableWindowTest.moc"
