// The operators editor as a developer uses it: the default table shown with its previews, typing
// into the fields, adding and deleting operators, the restrictions, and what OK and Cancel leave.
#include "design/KROperatorsEditor.h"

#include "KRTestSupport.h"
#include "parser/KROperators.h"
#include "parser/KRSelectParser.h"

#include <QtTest>
#include <QtWidgets>

using namespace korvan;

namespace {

//! The editor on screen over a copy of the generic parser's operator table.
struct TEditor
{
    TEditor()
    {
        const auto Parser = Construct<TKRSelectParser>();
        Dialog.WorkingOperators().Assign(Parser->Operators());
        Dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&Dialog));
    }
    void Select(const QString &Name)
    {
        const auto Found = Dialog.lbOperators->findItems(Name, Qt::MatchExactly);
        QVERIFY(!Found.isEmpty());
        Dialog.lbOperators->setCurrentItem(Found.first());
    }
    void Type(QLineEdit *Edit, const QString &Text)
    {
        Edit->setFocus();
        Edit->selectAll();
        QTest::keyClicks(Edit, Text);
    }
    QString Preview() const { return Dialog.laPreview->text(); }
    const TKROperator &Operator(int Index) const { return *Dialog.WorkingOperators().Items(Index); }

    TKROperatorsEditor Dialog;
};

} // namespace

class TKROperatorsEditorTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The table is listed by name and the first operator shown; each preview is the operator's SQL.
    void ShowsTheTableWithPreviews()
    {
        TEditor E;
        QCOMPARE(E.Dialog.windowTitle(), QStringLiteral("Operator properties"));
        QCOMPARE(E.Dialog.lbOperators->count(), E.Dialog.WorkingOperators().Count());
        QCOMPARE(E.Dialog.EditIndex(), 0);
        QVERIFY(E.Dialog.gbFeatures->isVisible());
        QVERIFY(E.Dialog.buDelete->isEnabled());
        QCOMPARE(E.Dialog.edCount->text(), QStringLiteral("2"));
        QCOMPARE(E.Preview(), QStringLiteral("??? = ??? "));
        E.Select(QStringLiteral("BETWEEN"));
        QCOMPARE(E.Dialog.edCount->text(), QStringLiteral("3"));
        QCOMPARE(E.Preview(), QStringLiteral("??? BETWEEN ??? AND ??? "));
        E.Select(QStringLiteral("IN"));
        QCOMPARE(E.Preview(), QStringLiteral("??? IN( ??? )"));
        E.Select(QStringLiteral("IS NULL"));
        QCOMPARE(E.Dialog.edCount->text(), QStringLiteral("1"));
        QCOMPARE(E.Preview(), QStringLiteral("??? IS NULL"));
        // Showing operators is not typing.
        QVERIFY(!E.Dialog.Modified());
    }

    // Typing renames the list line at once and is committed when another operator is shown; a
    // count that is no number reads as 2 and is stored as one operand.
    void TypingIsCommittedWhenLeaving()
    {
        TEditor E;
        const QString Before = E.Dialog.lbOperators->item(0)->text();
        E.Type(E.Dialog.edName, QStringLiteral("=="));
        QVERIFY(E.Dialog.Modified());
        QCOMPARE(E.Dialog.lbOperators->item(0)->text(), QStringLiteral("=="));
        QCOMPARE(E.Operator(0).Name(), Before.toStdString());
        QCOMPARE(E.Preview(), QStringLiteral("??? == ??? "));
        E.Type(E.Dialog.edCount, QStringLiteral("x"));
        QCOMPARE(E.Dialog.edCount->text(), QStringLiteral("2"));
        E.Type(E.Dialog.edCount, QStringLiteral("1"));
        QCOMPARE(E.Preview(), QStringLiteral("??? =="));
        E.Dialog.lbOperators->setCurrentRow(1);
        QVERIFY(!E.Dialog.Modified());
        QCOMPARE(E.Operator(0).Name(), std::string("=="));
        QCOMPARE(E.Operator(0).Count(), 0);
        // Back on it, the fields show what was stored.
        E.Dialog.lbOperators->setCurrentRow(0);
        QCOMPARE(E.Dialog.edName->text(), QStringLiteral("=="));
        QCOMPARE(E.Dialog.edCount->text(), QStringLiteral("1"));
    }

    // From an empty table: no features, nothing to delete; Add shows a new operator with an empty
    // name and two operands; OK stores what is shown, and with nothing shown stores nothing.
    void AddDeleteAndConfirm()
    {
        TKROperatorsEditor Dialog;
        Dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&Dialog));
        QCOMPARE(Dialog.lbOperators->count(), 0);
        QVERIFY(!Dialog.gbFeatures->isVisible());
        QVERIFY(!Dialog.buDelete->isEnabled());
        Dialog.HandleAddClick();
        QCOMPARE(Dialog.WorkingOperators().Count(), 1);
        QVERIFY(Dialog.gbFeatures->isVisible());
        QCOMPARE(Dialog.edCount->text(), QStringLiteral("2"));
        QCOMPARE(Dialog.edName->text(), QString());
        Dialog.edName->setFocus();
        QTest::keyClicks(Dialog.edName, QStringLiteral("LIKE"));
        Dialog.HandleAddClick();
        QCOMPARE(Dialog.EditIndex(), 1);
        QCOMPARE(Dialog.WorkingOperators().Items(0)->Name(), std::string("LIKE"));
        Dialog.edCaption->setFocus();
        QTest::keyClicks(Dialog.edCaption, QStringLiteral("goes"));

        // Deleting the second: the first is shown with its own values, and OK stores those.
        Dialog.HandleDeleteClick();
        QCOMPARE(Dialog.WorkingOperators().Count(), 1);
        QCOMPARE(Dialog.EditIndex(), 0);
        QCOMPARE(Dialog.edName->text(), QStringLiteral("LIKE"));
        QCOMPARE(Dialog.edCaption->text(), QString());
        Dialog.HandleOKClick();
        QCOMPARE(Dialog.result(), int(QDialog::Accepted));
        QCOMPARE(Dialog.WorkingOperators().Items(0)->Name(), std::string("LIKE"));
        QCOMPARE(Dialog.WorkingOperators().Items(0)->Caption(), std::string());
        QCOMPARE(Dialog.WorkingOperators().Items(0)->Count(), 1);

        // The last one goes; OK with nothing shown confirms the empty table.
        Dialog.show();
        Dialog.HandleDeleteClick();
        QCOMPARE(Dialog.EditIndex(), -1);
        QVERIFY(!Dialog.buDelete->isEnabled());
        Dialog.HandleOKClick();
        QCOMPARE(Dialog.WorkingOperators().Count(), 0);
    }

    // Restrictions lock parts of the dialog; the caption is never locked.
    void Restrictions()
    {
        TEditor E;
        E.Dialog.SetRestrictions(TKREditRestrictions{ erAdd });
        QVERIFY(!E.Dialog.buAdd->isEnabled());
        QVERIFY(!E.Dialog.edName->isEnabled());
        QVERIFY(E.Dialog.buDelete->isEnabled());
        E.Dialog.SetRestrictions(TKREditRestrictions{ erArgument, erDelete });
        QVERIFY(E.Dialog.edName->isEnabled());
        QVERIFY(E.Dialog.edCaption->isEnabled());
        for (const QLineEdit *Edit :
                { E.Dialog.edCount, E.Dialog.edPrefix, E.Dialog.edRelate, E.Dialog.edPostfix })
            QVERIFY(!Edit->isEnabled());
        QVERIFY(!E.Dialog.buDelete->isEnabled());
        E.Dialog.lbOperators->setCurrentRow(2);
        QVERIFY(!E.Dialog.buDelete->isEnabled());
    }
};

QTEST_MAIN(TKROperatorsEditorTest)
#include "KROperatorsEditorTest.moc"
