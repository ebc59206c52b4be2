// The sorting page as a user works it: mouse clicks on the lists and buttons, double clicks and
// drags between the lists, each ending with the statement the model writes.
#include "editors/KROrderPanel.h"

#include "KRTestSupport.h"
#include "framework/KRException.h"
#include "resources/KRResource.h"

#include <memory>
#include <string>
#include <vector>

#include <QtTest>
#include <QtWidgets>

using namespace korvan;

namespace {

//! The statement on one line: line breaks and the indentation after them become one blank.
std::string OneLine(const std::string &Sql)
{
    std::string Result;
    for (std::size_t I = 0; I < Sql.size(); ++I) {
        if (Sql[I] == '\r' || Sql[I] == '\n') {
            while (I + 1 < Sql.size() && (Sql[I + 1] == '\r' || Sql[I + 1] == '\n' || Sql[I + 1] == ' '))
                ++I;
            while (!Result.empty() && Result.back() == ' ')
                Result.pop_back();
            if (I + 1 < Sql.size())
                Result += ' ';
        } else
            Result += Sql[I];
    }
    return Result;
}

//! A tab sheet holding a sort panel over a parser; the application offers Offered as fields.
struct TPage
{
    explicit TPage(const std::string &Sql, bool Quote = false)
        : Parser(test::NewParser(Quote))
    {
        Sheet.resize(480, 220);
        Panel = new TKROrderPanel(&Sheet);
        Panel->SetOnGetFields([this](QObject *, TStringList &Fields) {
            for (const std::string &Field : Offered)
                Fields.Add(Field);
        });
        Parser->SetExpression(Sql);
        Panel->SetParser(Parser.get());
        Panel->RefreshFields();
        Sheet.show();
    }

    QString Sql() const { return QString::fromStdString(OneLine(Parser->GetExpression())); }

    //! The field list's texts.
    QString Fields() const
    {
        QStringList Texts;
        for (int I = 0; I < Panel->lbFields->count(); ++I)
            Texts << Panel->lbFields->item(I)->text();
        return Texts.join(QStringLiteral(", "));
    }
    //! The sorted list: each text with its direction as shown.
    QString Sorted() const
    {
        QStringList Texts;
        for (int I = 0; I < Panel->lvOrder->topLevelItemCount(); ++I) {
            const QTreeWidgetItem *Item = Panel->lvOrder->topLevelItem(I);
            Texts << Item->text(0) + QStringLiteral(" (") + Item->text(1) + QStringLiteral(")");
        }
        return Texts.join(QStringLiteral(", "));
    }
    //! The enabled buttons, and the order button's caption while it is enabled.
    QString Buttons() const
    {
        QStringList Names;
        const std::initializer_list<QAbstractButton *> All{ Panel->sbAdd, Panel->sbAddAll, Panel->sbRemove,
            Panel->sbRemoveAll, Panel->buOrder, Panel->buUp, Panel->buDown };
        for (QAbstractButton *Button : All)
            if (Button->isEnabled())
                Names << Button->objectName().mid(2)
                                + (Button == Panel->buOrder ? QStringLiteral(" ") + Button->text()
                                                            : QString());
        return Names.join(QStringLiteral(" "));
    }

    QPoint FieldAt(const char *Text) const
    {
        const auto Found = Panel->lbFields->findItems(QString::fromLatin1(Text), Qt::MatchExactly);
        return Found.isEmpty() ? QPoint(-1, -1) : Panel->lbFields->visualItemRect(Found.first()).center();
    }
    QPoint SortedAt(const char *Text) const
    {
        const auto Found = Panel->lvOrder->findItems(QString::fromLatin1(Text), Qt::MatchExactly);
        return Found.isEmpty() ? QPoint(-1, -1) : Panel->lvOrder->visualItemRect(Found.first()).center();
    }
    void ClickField(const char *Text) const
    {
        QTest::mouseClick(Panel->lbFields->viewport(), Qt::LeftButton, {}, FieldAt(Text));
    }
    void ClickSorted(const char *Text) const
    {
        QTest::mouseClick(Panel->lvOrder->viewport(), Qt::LeftButton, {}, SortedAt(Text));
    }
    static void Click(QAbstractButton *Button) { QTest::mouseClick(Button, Qt::LeftButton); }
    //! What a hand does: a click, then the second press that makes it a double click, released.
    static void DoubleClick(QWidget *Widget, QPoint Pos)
    {
        QTest::mouseClick(Widget, Qt::LeftButton, {}, Pos);
        QTest::mouseDClick(Widget, Qt::LeftButton, {}, Pos);
        QTest::mouseRelease(Widget, Qt::LeftButton, {}, Pos);
    }

    //! Drags from one list's viewport to the other's, moving the mouse as a hand does.
    static void Drag(QWidget *From, QPoint Start, QWidget *To, QPoint End)
    {
        QTest::mousePress(From, Qt::LeftButton, {}, Start);
        QTest::mouseMove(From, Start + QPoint(8, 2));
        QTest::mouseMove(To, End + QPoint(0, 4));
        QTest::mouseMove(To, End);
        QTest::mouseRelease(To, Qt::LeftButton, {}, End);
    }

    std::vector<std::string> Offered{ "o.id", "o.name", "o.total" };
    std::unique_ptr<TKRSelectParser> Parser;
    QWidget Sheet;
    TKROrderPanel *Panel;
};

const char *const Orders = "SELECT o.id, o.name, o.total FROM orders o";

QString Q(const std::string &Text)
{
    return QString::fromStdString(Text);
}

} // namespace

class TKROrderPanelTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QVERIFY(!KRDragController().Dragging()); }

    // Sort by the total, then by the name descending; move the name up, drop the total, then
    // everything. The model follows each click, the buttons what is selected.
    void SortTwoFieldsReverseMoveAndRemove()
    {
        TPage Page(Orders);
        QVERIFY(QTest::qWaitForWindowExposed(&Page.Sheet));
        QCOMPARE(Page.Fields(), QStringLiteral("o.id, o.name, o.total"));

        Page.ClickField("o.total");
        TPage::Click(Page.Panel->sbAdd);
        Page.ClickField("o.name");
        TPage::Click(Page.Panel->sbAdd);
        QCOMPARE(Page.Sql(),
                QStringLiteral("SELECT o.id, o.name, o.total FROM orders o ORDER BY o.total, o.name"));
        QCOMPARE(Page.Fields(), QStringLiteral("o.id"));

        Page.ClickSorted("o.name");
        QCOMPARE(Page.Panel->buOrder->text(), QStringLiteral("Z..A"));
        TPage::Click(Page.Panel->buOrder);
        QCOMPARE(Page.Panel->buOrder->text(), QStringLiteral("A..Z"));
        QCOMPARE(Page.Sql(),
                QStringLiteral("SELECT o.id, o.name, o.total FROM orders o ORDER BY o.total, o.name DESC"));

        TPage::Click(Page.Panel->buUp);
        QCOMPARE(Page.Sorted(), QStringLiteral("o.name (Descending), o.total (Ascending)"));
        QCOMPARE(Page.Buttons(), QStringLiteral("AddAll Remove RemoveAll Order A..Z Down"));
        QCOMPARE(Page.Sql(),
                QStringLiteral("SELECT o.id, o.name, o.total FROM orders o ORDER BY o.name DESC, o.total"));

        Page.ClickSorted("o.total");
        TPage::Click(Page.Panel->sbRemove);
        QCOMPARE(Page.Sql(),
                QStringLiteral("SELECT o.id, o.name, o.total FROM orders o ORDER BY o.name DESC"));
        QCOMPARE(Page.Fields(), QStringLiteral("o.id, o.total"));
        QCOMPARE(Page.Buttons(), QStringLiteral("AddAll RemoveAll"));

        TPage::Click(Page.Panel->sbRemoveAll);
        QCOMPARE(Page.Sql(), Q(Orders));
        QCOMPARE(Page.Fields(), QStringLiteral("o.id, o.total, o.name"));
        QCOMPARE(Page.Buttons(), QStringLiteral("AddAll"));

        TPage::Click(Page.Panel->sbAddAll);
        QCOMPARE(Page.Sql(),
                QStringLiteral("SELECT o.id, o.name, o.total FROM orders o ORDER BY o.id, o.total, o.name"));
        QCOMPARE(Page.Buttons(), QStringLiteral("RemoveAll"));

        // Up not on the first row, Down not on the last, the order button offers the other direction.
        Page.ClickSorted("o.id");
        QCOMPARE(Page.Buttons(), QStringLiteral("Remove RemoveAll Order Z..A Down"));
        Page.ClickSorted("o.total");
        QCOMPARE(Page.Buttons(), QStringLiteral("Remove RemoveAll Order Z..A Up Down"));
        Page.ClickSorted("o.name");
        TPage::Click(Page.Panel->buOrder);
        QCOMPARE(Page.Buttons(), QStringLiteral("Remove RemoveAll Order A..Z Up"));

        // Clearing the page is no edit of the model.
        Page.Panel->Clear();
        QCOMPARE(Page.Buttons(), QString());
        QCOMPARE(Page.Panel->buOrder->text(), QStringLiteral("A..Z"));
        QCOMPARE(Page.Sql(),
                QStringLiteral(
                        "SELECT o.id, o.name, o.total FROM orders o ORDER BY o.id, o.total, o.name DESC"));
    }

    // A double click moves a field to the other list; so does a drag. A drag dropped back on its
    // own list, or outside both, changes nothing.
    void DoubleClickAndDragBetweenTheLists()
    {
        TPage Page(Orders);
        QVERIFY(QTest::qWaitForWindowExposed(&Page.Sheet));
        QWidget *Fields = Page.Panel->lbFields->viewport();
        QWidget *Sorted = Page.Panel->lvOrder->viewport();

        TPage::DoubleClick(Fields, Page.FieldAt("o.name"));
        QCOMPARE(Page.Sql(), QStringLiteral("SELECT o.id, o.name, o.total FROM orders o ORDER BY o.name"));

        TPage::Drag(Fields, Page.FieldAt("o.total"), Sorted, QPoint(40, 60));
        QCOMPARE(Page.Sorted(), QStringLiteral("o.name (Ascending), o.total (Ascending)"));
        QCOMPARE(Page.Sql(),
                QStringLiteral("SELECT o.id, o.name, o.total FROM orders o ORDER BY o.name, o.total"));

        TPage::Drag(Sorted, Page.SortedAt("o.name"), Sorted, QPoint(40, 80));
        TPage::Drag(Fields, Page.FieldAt("o.id"), Fields, QPoint(40, 80));
        TPage::Drag(Sorted, Page.SortedAt("o.name"), Page.Panel->laFields, QPoint(10, 10));
        QCOMPARE(Page.Sql(),
                QStringLiteral("SELECT o.id, o.name, o.total FROM orders o ORDER BY o.name, o.total"));

        TPage::Drag(Sorted, Page.SortedAt("o.name"), Fields, QPoint(40, 80));
        QCOMPARE(Page.Fields(), QStringLiteral("o.id, o.name"));
        QCOMPARE(Page.Sql(), QStringLiteral("SELECT o.id, o.name, o.total FROM orders o ORDER BY o.total"));

        TPage::DoubleClick(Sorted, Page.SortedAt("o.total"));
        QCOMPARE(Page.Sql(), Q(Orders));
        QCOMPARE(Page.Fields(), QStringLiteral("o.id, o.name, o.total"));

        // The page goes while a field is dragged over the sorted list: the drag ends with it.
        QTest::mousePress(Fields, Qt::LeftButton, {}, Page.FieldAt("o.id"));
        QTest::mouseMove(Sorted, QPoint(40, 60));
        QVERIFY(KRDragController().Dragging());
        delete Page.Panel;
        QVERIFY(!KRDragController().Dragging());
        QTest::mouseRelease(&Page.Sheet, Qt::LeftButton, {}, QPoint(300, 60));
        QCOMPARE(Page.Sql(), Q(Orders));
    }

    // Entries the page cannot offer as fields (a position, an expression, a column of a table
    // that has no window) are listed under their text, move, reverse and go like the others, and
    // keep being written as they were read: the position and the expression unquoted.
    void EntriesThatAreNoFieldsAreKept()
    {
        TPage Page(std::string(Orders) + " ORDER BY 2 DESC, upper(o.name), c.city, O.ID", true);
        QVERIFY(QTest::qWaitForWindowExposed(&Page.Sheet));
        const QString Start = Page.Sql();
        QCOMPARE(Page.Sorted(),
                QStringLiteral("2 (Descending), upper(\"o\".\"name\") (Ascending), c.city (Ascending), O.ID "
                               "(Ascending)"));
        QCOMPARE(Page.Fields(), QStringLiteral("o.name, o.total"));

        Page.ClickField("o.total");
        TPage::Click(Page.Panel->sbAdd);
        QCOMPARE(Page.Sql(), Start + QStringLiteral(", \"o\".\"total\""));

        Page.ClickSorted("2");
        TPage::Click(Page.Panel->buOrder);
        TPage::Click(Page.Panel->buDown);
        Page.ClickSorted("c.city");
        TPage::Click(Page.Panel->buUp);
        Page.ClickSorted("upper(\"o\".\"name\")");
        TPage::Click(Page.Panel->sbRemove);
        QCOMPARE(Page.Fields(), QStringLiteral("o.name, upper(\"o\".\"name\")"));
        QVERIFY(Page.Sql().endsWith(
                QStringLiteral(" ORDER BY \"c\".\"city\", 2, \"O\".\"ID\", \"o\".\"total\"")));

        // Back from the field list, the expression is still written as it was read.
        TPage::DoubleClick(Page.Panel->lbFields->viewport(), Page.FieldAt("upper(\"o\".\"name\")"));
        QVERIFY(Page.Sql().endsWith(QStringLiteral(
                " ORDER BY \"c\".\"city\", 2, \"O\".\"ID\", \"o\".\"total\", upper(\"o\".\"name\")")));

        // The model reads what it wrote into the same entries.
        const std::string Written = Page.Parser->GetExpression();
        Page.Parser->SetExpression(Written);
        QCOMPARE(Page.Parser->GetExpression(), Written);
    }

    // A refresh shows the model and never writes it: not when the page is shown again, not when
    // another statement over the same tables was loaded meanwhile (its ORDER BY is shown, as it
    // was written, letter case included), and not after the offered fields changed.
    void RefreshShowsTheModelAndNeverWritesIt()
    {
        TPage Page(std::string(Orders) + " ORDER BY o.name DESC");
        QVERIFY(QTest::qWaitForWindowExposed(&Page.Sheet));
        Page.ClickSorted("o.name");
        Page.Panel->RefreshFields();
        QCOMPARE(Page.Sql(), Q(std::string(Orders) + " ORDER BY o.name DESC"));
        QCOMPARE(Page.Buttons(), QStringLiteral("AddAll Remove RemoveAll Order A..Z"));

        const std::string Next = "SELECT o.id, o.name, o.total FROM orders o ORDER BY O.TOTAL, 1 DESC";
        Page.Parser->SetExpression(Next);
        Page.Panel->RefreshFields();
        QCOMPARE(Page.Sql(), Q(Next));
        QCOMPARE(Page.Sorted(), QStringLiteral("O.TOTAL (Ascending), 1 (Descending)"));
        QCOMPARE(Page.Fields(), QStringLiteral("o.id, o.name"));
        QCOMPARE(Page.Buttons(), QStringLiteral("AddAll RemoveAll"));

        Page.Offered = { "o.id", "o.name", "o.total", "c.city" };
        Page.Panel->RefreshFields();
        QCOMPARE(Page.Fields(), QStringLiteral("o.id, o.name, c.city"));
        QCOMPARE(Page.Sql(), Q(Next));

        // Without a parser there is nothing to show and nothing to write.
        Page.Panel->SetParser(nullptr);
        Page.Panel->Clear();
        Page.Panel->RefreshFields();
        TPage::Click(Page.Panel->sbAddAll);
        QCOMPARE(Page.Fields(), QString());
        QCOMPARE(Page.Sql(), Q(Next));
    }

    // The panel fills its sheet: two lists of equal width either side of the speed buttons, the
    // order button at the right edge.
    void LayoutFollowsTheSheet()
    {
        std::string Message;
        try {
            TKROrderPanel Orphan(nullptr);
        } catch (const Exception &E) {
            Message = E.Message();
        }
        QCOMPARE(Q(Message), QStringLiteral("Invalid parent for OrderPanel"));

        TPage Page(std::string(Orders) + " ORDER BY o.name DESC, o.id");
        QVERIFY(QTest::qWaitForWindowExposed(&Page.Sheet));
        Page.Sheet.resize(503, 240);
        TKROrderPanel &P = *Page.Panel;
        QCOMPARE(P.geometry(), QRect(0, 0, 503, 240));
        QCOMPARE(P.lbFields->geometry(), QRect(0, 22, 238, 218));
        QCOMPARE(P.lvOrder->geometry(), QRect(265, 22, 238, 218));
        QCOMPARE(P.buDown->geometry(), QRect(302, 0, 35, 20));
        QCOMPARE(P.buOrder->geometry(), QRect(471, 0, 30, 20));

        Page.ClickSorted("o.name");
        Page.ClickField("o.total");
        Page.Sheet.grab().save(QDir::temp().filePath(QStringLiteral("KROrderPanel.png")));
    }
};

QTEST_MAIN(TKROrderPanelTest)
#include "KROrderPanelTest.moc"
