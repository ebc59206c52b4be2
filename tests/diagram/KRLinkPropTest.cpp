// The link properties dialog driven as a user drives it: opened from a link's menu, filled and
// confirmed or cancelled, and what that leaves in the link, the join's markers and the statement
// the model writes; its layout for short and long names; the real dialog on screen and its keys.
#include "diagram/KRLinkProp.h"

#include "KRDiagramFixture.h"
#include "component/KRStyles.h"
#include "diagram/KRLink.h"
#include "diagram/KRTable.h"
#include "framework/KRDataSet.h"
#include "framework/KRException.h"
#include "parser/KRSelectParser.h"
#include "resources/KRResource.h"

#include <deque>

#include <QtTest>
#include <QtWidgets>

using namespace korvan;

namespace {

using TFill = std::function<void(TfmLinkProp &)>;

struct TOwned
{
    test::TDiagramOwner Owner;
};

//! A work area on screen over a model read from Sql, with its link dialog.
struct TDiagram : TOwned, test::TDiagram
{
    explicit TDiagram(const std::string &Sql = "SELECT * FROM ORDERS, CUSTOMER")
        : test::TDiagram(&Owner)
        , Dialog(&Area)
    {
        Owner.Parser->SetExpression(Sql);
        Area.SetLinkEditor(&Dialog);
    }

    //! Chooses "Property" from the menu of the link under P; Fill works the dialog, which then
    //! closes with Result.
    void Edit(QPoint P, int Result, const TFill &Fill)
    {
        TKRScriptedPrompter Prompter;
        Prompter.AnswerMenu(SLinkProperty);
        Prompter.AnswerDialog(Result, [&](QDialog &Shown) { Fill(dynamic_cast<TfmLinkProp &>(Shown)); });
        QTest::mouseClick(Area.viewport(), Qt::RightButton, {}, P);
        QCOMPARE(Prompter.Dialogs(), std::vector<std::string>({ SLinkProperties }));
        QCOMPARE(Prompter.Unanswered(), 0);
    }
    std::string Sql() const { return Owner.Parser->GetExpression(); }

    //! The markers of a link from (150, 66) to (250, 69): o a circle, > or < an arrow.
    QString Markers()
    {
        const QImage Image = Area.viewport()->grab().toImage();
        const auto Black = [&](int X, int Y) { return Image.pixelColor(X, Y) == QColor(Qt::black); };
        const QChar Start = Black(151, 64) ? u'o' : Black(155, 64) ? u'>' : u'?';
        const QChar End = Black(248, 67) ? u'o' : Black(244, 67) ? u'<' : u'?';
        return QString(Start) + End;
    }

    TfmLinkProp Dialog;
};

std::string Join(const std::string &Clause)
{
    return "SELECT *\r\nFROM\r\n  ORDERS \r\n  " + Clause + "\r\n";
}

//! Runs Keys on the dialog once it is shown modally.
void WhenShown(const TFill &Keys)
{
    auto *Timer = new QTimer;
    QObject::connect(Timer, &QTimer::timeout, [Timer, Keys] {
        if (auto *Shown = dynamic_cast<TfmLinkProp *>(QApplication::activeModalWidget())) {
            Timer->stop();
            Timer->deleteLater();
            Keys(*Shown);
        }
    });
    Timer->start(10);
}

} // namespace

class TKRLinkPropTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Include all orders, then make the join inner again on "<>", then type a comparison of one's
    // own, clear it, and cancel a change: the link, the markers and the statement follow each OK.
    void AUserEditsALinksJoin()
    {
        TDiagram D;
        TKRTable *Orders = D.Add("ORDERS", { "ORDERNO", "CUSTNO" }, 50, 20);
        TKRTable *Customer = D.Add("CUSTOMER", { "CUSTNO" }, 250, 40);
        TKRLink *Link = D.Link(Orders, "CUSTNO", Customer, "CUSTNO");
        const QPoint OnLine(200, 67);

        D.Edit(OnLine, QDialog::Accepted, [](TfmLinkProp &F) {
            QCOMPARE(F.laCaption->text(), QStringLiteral("join tables: ORDERS and CUSTOMER"));
            QCOMPARE(F.laLeftField->text() + F.cbConditions->currentText() + F.laRightField->text(),
                    QStringLiteral("CUSTNO=CUSTNO"));
            QCOMPARE(F.chLeftOuter->text(), QStringLiteral("Include all from ORDERS"));
            QCOMPARE(F.chRightOuter->text(), QStringLiteral("Include all from CUSTOMER"));
            QVERIFY(!F.chLeftOuter->isChecked() && !F.chRightOuter->isChecked());
            F.chLeftOuter->setChecked(true);
        });
        QCOMPARE(D.Sql(), Join("LEFT OUTER JOIN CUSTOMER ON (ORDERS.CUSTNO = CUSTOMER.CUSTNO)"));
        QTRY_COMPARE(D.Markers(), QStringLiteral(">o"));

        D.Edit(OnLine, QDialog::Accepted, [](TfmLinkProp &F) {
            QVERIFY(F.chLeftOuter->isChecked() && !F.chRightOuter->isChecked());
            F.chLeftOuter->setChecked(false);
            F.cbConditions->setCurrentIndex(5);
        });
        QCOMPARE(Link->Condition(), 5);
        QCOMPARE(Link->GetHint(), std::string("ORDERS.CUSTNO<>CUSTOMER.CUSTNO"));
        QCOMPARE(D.Sql(), Join("INNER JOIN CUSTOMER ON (ORDERS.CUSTNO <> CUSTOMER.CUSTNO)"));
        QTRY_COMPARE(D.Markers(), QStringLiteral("oo"));

        // A typed list entry is that entry; anything else is kept as typed, outside the list.
        D.Edit(OnLine, QDialog::Accepted,
                [](TfmLinkProp &F) { F.cbConditions->setEditText(QStringLiteral(">=")); });
        QCOMPARE(Link->Condition(), 3);
        D.Edit(OnLine, QDialog::Accepted,
                [](TfmLinkProp &F) { F.cbConditions->setEditText(QStringLiteral(" LIKE ")); });
        QCOMPARE(Link->Condition(), -1);
        QCOMPARE(D.Sql(), Join("INNER JOIN CUSTOMER ON (ORDERS.CUSTNO LIKE CUSTOMER.CUSTNO)"));

        // Shown again as the model holds it; emptied, it stays what it was.
        D.Edit(OnLine, QDialog::Accepted, [](TfmLinkProp &F) {
            QCOMPARE(F.cbConditions->currentText(), QStringLiteral("LIKE"));
            F.cbConditions->setEditText(QString());
            F.chRightOuter->setChecked(true);
        });
        QCOMPARE(Link->Condition(), -1);
        QCOMPARE(D.Sql(), Join("RIGHT OUTER JOIN CUSTOMER ON (ORDERS.CUSTNO LIKE CUSTOMER.CUSTNO)"));
        QTRY_COMPARE(D.Markers(), QStringLiteral("o<"));

        D.Edit(OnLine, QDialog::Rejected, [](TfmLinkProp &F) {
            F.chLeftOuter->setChecked(true);
            F.cbConditions->setCurrentIndex(1);
        });
        QCOMPARE(Link->Condition(), -1);
        QCOMPARE(Link->Join()->Kind(), krjROuterJoin);
        QCOMPARE(D.Sql(), Join("RIGHT OUTER JOIN CUSTOMER ON (ORDERS.CUSTNO LIKE CUSTOMER.CUSTNO)"));
    }

    // The links of one pair of windows share one join word in the statement: changing the kind on
    // any of them changes it for all, also for one drawn from the second window to the first.
    void AllComparisonsOfAPairTakeTheKind()
    {
        TDiagram D;
        TKRTable *Orders = D.Add("ORDERS", { "ORDERNO", "CUSTNO" }, 50, 20);
        TKRTable *Customer = D.Add("CUSTOMER", { "CUSTNO", "COMPANY" }, 250, 40);
        D.Link(Orders, "CUSTNO", Customer, "CUSTNO");
        TKRLink *Second = D.Link(Orders, "ORDERNO", Customer, "COMPANY");
        TKRScriptedPrompter Prompter;
        Prompter.AnswerDialog(QDialog::Accepted, [](QDialog &Shown) {
            auto &F = dynamic_cast<TfmLinkProp &>(Shown);
            F.chLeftOuter->setChecked(true);
            F.chRightOuter->setChecked(true);
            F.cbConditions->setCurrentIndex(3);
        });
        QVERIFY(D.Dialog.Execute(*Second));
        const std::string Expected = Join("FULL OUTER JOIN CUSTOMER ON (ORDERS.CUSTNO = CUSTOMER.CUSTNO) AND "
                                          "(ORDERS.ORDERNO >= CUSTOMER.COMPANY)");
        QCOMPARE(D.Sql(), Expected);
        QCOMPARE(test::Read(*test::NewParser(), Expected).Text, Expected);

        // Drawn back from CUSTOMER, the link still joins CUSTOMER to ORDERS: the dialog shows it
        // from the ORDERS side, and its definition joins the pair the same way round.
        TKRLink *Back = D.Link(Customer, "COMPANY", Orders, "CUSTNO");
        Prompter.AnswerDialog(QDialog::Accepted, [](QDialog &Shown) {
            auto &F = dynamic_cast<TfmLinkProp &>(Shown);
            QCOMPARE(F.laLeftField->text(), QStringLiteral("CUSTNO"));
            F.chRightOuter->setChecked(false);
            F.cbConditions->setCurrentIndex(2);
        });
        QVERIFY(D.Dialog.Execute(*Back));
        const TKRJoinDefs &OnOrders = *D.Owner.TableDefs()->FindByAlias("ORDERS")->JoinDefs();
        QCOMPARE(OnOrders.Count(), 3);
        QCOMPARE(D.Owner.TableDefs()->FindByAlias("CUSTOMER")->JoinDefs()->Count(), 0);
        for (int I = 0; I < 3; ++I)
            QCOMPARE(OnOrders.Items(I)->JoinKind(), krjLOuterJoin);
        QCOMPARE(OnOrders.Items(2)->Operation(), std::string("<"));
        const std::string Three = D.Sql();
        QCOMPARE(test::Read(*test::NewParser(), Three).Text, Three);
        QCOMPARE(Back->Condition(), 2);
    }

    // The dialog is at least 360 wide, grows to fit long names, keeps its height, and centres its
    // rows: the field names end and start one pixel from the comparison, the boxes 8 apart, the
    // buttons 40 apart.
    void LayoutFitsTheNames()
    {
        TDiagram D("SELECT * FROM A, B");
        TKRLink *Short = D.Link(D.Add("A", { "X" }, 50, 20), "X", D.Add("B", { "Y" }, 250, 40), "Y");
        TfmLinkProp &F = D.Dialog;
        TKRScriptedPrompter Prompter;
        Prompter.AnswerDialog(QDialog::Rejected);
        QVERIFY(!F.Execute(*Short));
        QCOMPARE(F.MinWidth(), TfmLinkProp::LeastWidth);
        const auto CheckRows = [&F](int W) {
            QCOMPARE(F.size(), QSize(W, TfmLinkProp::DesignHeight));
            QCOMPARE(F.laCaption->geometry(), QRect(0, 0, W, 25));
            QVERIFY(qAbs(F.cbConditions->x() * 2 + F.cbConditions->width() - W) <= 1);
            QCOMPARE(F.laLeftField->geometry().right() + 2, F.cbConditions->x());
            QCOMPARE(F.cbConditions->geometry().right() + 2, F.laRightField->x());
            QCOMPARE(F.chLeftOuter->geometry().right() + 9, F.chRightOuter->x());
            QCOMPARE(F.chRightOuter->x(), W / 2 + 4);
            QCOMPARE(F.buCancel->x() - F.buOK->geometry().right() - 1, 40);
            QCOMPARE(F.buCancel->geometry(), QRect(W / 2 + 20, 96, 75, 25));
        };
        // Shown beside the work area, the dialog widens but keeps its height.
        F.show();
        QVERIFY(QTest::qWaitForWindowExposed(&F));
        CheckRows(360);
        F.resize(500, 200);
        CheckRows(500);
        F.resize(200, 100);
        CheckRows(360);
        // The heading's ink is centred in its band.
        const QImage Shot = F.grab().toImage();
        int Left = Shot.width(), Right = -1;
        for (int Y = 0; Y < 25; ++Y)
            for (int X = 0; X < Shot.width(); ++X)
                if (Shot.pixelColor(X, Y).lightness() < 100) {
                    Left = std::min(Left, X);
                    Right = std::max(Right, X);
                }
        QVERIFY(Right > Left && qAbs(Left + Right - 360) <= 4);
        F.hide();

        // A long table name widens it until both boxes fit whole, 10 pixels in from the edges; long
        // field names until both labels do.
        TKRTable *Long = D.Add("ORDERS_OF_EVERY_CUSTOMER_SINCE_1999", { "NO" }, 50, 20);
        Prompter.AnswerDialog(QDialog::Rejected);
        F.Execute(*D.Link(Long, "NO", D.Add("C", { "NO" }, 250, 40), "NO"));
        QVERIFY(F.MinWidth() > 400);
        CheckRows(F.MinWidth());
        QCOMPARE(F.chLeftOuter->x(), 10);
        QVERIFY(F.chLeftOuter->width() >= F.chLeftOuter->sizeHint().width());
        QVERIFY(QFontMetrics(F.laCaption->font()).horizontalAdvance(F.laCaption->text()) < F.width() - 20);

        TfmLinkProp Fresh;
        Prompter.AnswerDialog(QDialog::Rejected);
        Fresh.Execute(*D.Link(D.Add("P", { "ORDER_NUMBER_OF_EVERY_CUSTOMER" }, 50, 20),
                "ORDER_NUMBER_OF_EVERY_CUSTOMER", D.Add("Q", { "NO" }, 250, 40), "NO"));
        QVERIFY(Fresh.MinWidth() > 400);
        QCOMPARE(Fresh.width(), Fresh.MinWidth());
        QCOMPARE(Fresh.laLeftField->x(), 10);
    }

    // The real dialog: a tool window on screen, OK focused first and the tab order as designed;
    // Enter confirms (also from the comparison typed in), Escape cancels.
    void TheRealDialogAndItsKeys()
    {
        TDiagram D;
        TKRLink *Link = D.Link(D.Add("ORDERS", { "CUSTNO" }, 50, 20), "CUSTNO",
                D.Add("CUSTOMER", { "CUSTNO" }, 250, 40), "CUSTNO");
        TfmLinkProp &F = D.Dialog;
        QVERIFY(F.windowFlags().testFlag(Qt::Tool));

        WhenShown([Link](TfmLinkProp &Shown) {
            QTRY_VERIFY(Shown.buOK->hasFocus());
            std::vector<QWidget *> Order;
            for (int I = 0; I < 5; ++I) {
                Order.push_back(QApplication::focusWidget());
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            }
            QCOMPARE(Order,
                    std::vector<QWidget *>({ Shown.buOK, Shown.buCancel, Shown.cbConditions,
                            Shown.chLeftOuter, Shown.chRightOuter }));
            QTest::keyClick(&Shown, Qt::Key_Escape);
        });
        QVERIFY(!F.Execute(*Link));

        // Tabbed into, the comparison's text is selected and typing replaces it.
        WhenShown([](TfmLinkProp &Shown) {
            QTRY_VERIFY(Shown.buOK->hasFocus());
            QTest::keyClick(Shown.buOK, Qt::Key_Tab);
            QTest::keyClick(Shown.buCancel, Qt::Key_Tab);
            QTest::keyClicks(Shown.cbConditions, QStringLiteral("<>"));
            QTest::keyClick(Shown.cbConditions, Qt::Key_Return);
        });
        QVERIFY(F.Execute(*Link));
        QCOMPARE(Link->Condition(), 5);
    }

    // One dialog per work area: fmLinkProp names the one shown, else the last made that lives. A
    // link gone while the dialog is open is left alone; one without its windows is not shown.
    void DialogsAndLinksThatGoAway()
    {
        TDiagram D;
        TKRTable *Orders = D.Add("ORDERS", { "CUSTNO" }, 50, 20);
        TKRTable *Customer = D.Add("CUSTOMER", { "CUSTNO" }, 250, 40);
        TKRLink *Link = D.Link(Orders, "CUSTNO", Customer, "CUSTNO");
        auto Other = std::make_unique<TfmLinkProp>();
        QCOMPARE(fmLinkProp(), Other.get());
        TKRScriptedPrompter Prompter;
        Prompter.AnswerDialog(QDialog::Accepted, [&](QDialog &Shown) {
            QCOMPARE(fmLinkProp(), &Shown);
            Shown.findChild<QCheckBox *>(QStringLiteral("chLeftOuter"))->setChecked(true);
            D.Area.DeleteLink(Link);
        });
        QVERIFY(!D.Dialog.Execute(*Link));
        QCOMPARE(D.Area.LinkCount(), 0);
        QCOMPARE(D.Dialog.CurrentLnk(), nullptr);
        QCOMPARE(fmLinkProp(), Other.get());
        Other.reset();
        QCOMPARE(fmLinkProp(), &D.Dialog);

        TKRLink *Orphan = D.Link(Orders, "CUSTNO", Customer, "CUSTNO");
        Orphan->Join()->ClearTable(1);
        try {
            D.Dialog.Execute(*Orphan);
            QFAIL("no error");
        } catch (const Exception &E) {
            QCOMPARE(E.Message(), std::string(SInvalidLink));
        }
        QCOMPARE(Prompter.Dialogs().size(), std::size_t(1));
    }
};

QTEST_MAIN(TKRLinkPropTest)
#include "KRLinkPropTest.moc"
