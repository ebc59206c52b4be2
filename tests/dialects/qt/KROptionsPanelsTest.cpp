// The option panels of the InterBase/Firebird dialect: what typing and clicking store in the
// parser, the statement written with it, and showing a parsed statement's options again.
#include "dialects/qt/KROptionsPanels.h"

#include "dialects/KRIBSelectParser.h"

#include <algorithm>
#include <memory>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

using namespace korvan;

namespace {

std::unique_ptr<TKRIBSelectParser> NewParser(TKRIBSQLServer Server, const std::string &Text)
{
    auto Parser = Construct<TKRIBSelectParser>();
    Parser->SetSQLServer(Server);
    Parser->SetExpression(Text);
    return Parser;
}

//! Replaces Edit's text by typing: select all, then the keys of Text.
void Retype(QLineEdit *Edit, const QString &Text)
{
    QTest::keyClick(Edit, Qt::Key_A, Qt::ControlModifier);
    if (Text.isEmpty())
        QTest::keyClick(Edit, Qt::Key_Delete);
    else
        QTest::keyClicks(Edit, Text);
}

//! What a panel shows: the edits' texts and the boxes' states, joined by "|".
QString Shown(const TKRFBOptionsPanel &Panel)
{
    return Panel.FirstEdit()->text() + u'|' + Panel.SkipEdit()->text();
}

QString Shown(const TKRIBOptionsPanel &Panel)
{
    return QStringList{ Panel.RowsFromEdit()->text(), Panel.RowsToEdit()->text(), Panel.RowsByEdit()->text(),
        Panel.PercentBox()->isChecked() ? QStringLiteral("Percent") : QString(),
        Panel.TiesBox()->isChecked() ? QStringLiteral("Ties") : QString() }
            .join(u'|');
}

QLabel *LabelOf(const QWidget &Panel, const QString &Caption)
{
    for (QLabel *Label : Panel.findChildren<QLabel *>())
        if (Label->text() == Caption)
            return Label;
    return nullptr;
}

const std::string Statement = "SELECT \r\n  T.A\r\nFROM\r\n  T\r\n";

} // namespace

class TKROptionsPanelsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The Firebird panel's controls stand where the dialect's documentation puts them, except that
    // both edits move right as far as a caption wider than the 22 pixels left to it needs: no
    // caption runs under its edit, in any font.
    void FirebirdPanelLayout()
    {
        for (const int PointSize : { 6, 9, 14 }) {
            TKRFBOptionsPanel Panel;
            QFont Font = Panel.font();
            Font.setPointSize(PointSize);
            Panel.setFont(Font);
            QLabel *First = LabelOf(Panel, QStringLiteral("First"));
            QLabel *Skip = LabelOf(Panel, QStringLiteral("Skip"));
            QVERIFY(First != nullptr && Skip != nullptr);
            QCOMPARE(First->pos(), QPoint(8, 8));
            QCOMPARE(Skip->pos(), QPoint(8, 32));
            const int Left = std::max(30, 8 + std::max(First->width(), Skip->width()) + 4);
            QCOMPARE(Panel.FirstEdit()->pos(), QPoint(Left, 6));
            QCOMPARE(Panel.SkipEdit()->pos(), QPoint(Left, 30));
            QVERIFY(First->fontMetrics().horizontalAdvance(First->text()) <= First->width());
            QVERIFY(PointSize != 6 || Left == 30);
        }
    }

    // Each keystroke stores the edit's whole text as a count; anything that is not an integer
    // (a word, a number too large for one) counts 0 and drops the word from the statement.
    void TypingSetsFirstAndSkip()
    {
        const auto Parser = NewParser(qssFireBird, "SELECT a FROM t");
        TKRFBOptionsPanel Panel;
        Panel.SetParser(Parser.get());
        Panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&Panel));
        QSignalSpy Changed(&Panel, &TKROptionsPanel::Changed);

        Retype(Panel.FirstEdit(), QStringLiteral("10"));
        Retype(Panel.SkipEdit(), QStringLiteral("20"));
        QCOMPARE(Parser->FBOptions()->First(), 10);
        QCOMPARE(Parser->FBOptions()->Skip(), 20);
        QCOMPARE(Parser->GetExpression(), "SELECT FIRST 10 SKIP 20 \r\n  T.A\r\nFROM\r\n  T\r\n");
        QCOMPARE(Changed.count(), 4);

        Retype(Panel.FirstEdit(), QStringLiteral("ten"));
        QCOMPARE(Parser->GetExpression(), "SELECT SKIP 20 \r\n  T.A\r\nFROM\r\n  T\r\n");
        Retype(Panel.FirstEdit(), QStringLiteral("99999999999"));
        QCOMPARE(Parser->FBOptions()->First(), 0);
        Retype(Panel.SkipEdit(), QString());
        QCOMPARE(Parser->FBOptions()->Skip(), 0);
        QCOMPARE(Parser->GetExpression(), Statement);
    }

    // The ROWS clause, word by word, as the edits and boxes are filled in and cleared.
    void TypingAndClickingSetRows()
    {
        const auto Parser = NewParser(qssInterBase, "SELECT a FROM t");
        TKRIBOptionsPanel Panel;
        Panel.SetParser(Parser.get());
        Panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&Panel));

        Retype(Panel.RowsFromEdit(), QStringLiteral("1"));
        Retype(Panel.RowsToEdit(), QStringLiteral("10"));
        Retype(Panel.RowsByEdit(), QStringLiteral("2"));
        QTest::mouseClick(Panel.PercentBox(), Qt::LeftButton);
        Panel.TiesBox()->setFocus();
        QTest::keyClick(Panel.TiesBox(), Qt::Key_Space);
        QCOMPARE(Parser->GetExpression(), Statement + "ROWS 1 TO 10 BY 2 PERCENT WITH TIES");

        QTest::mouseClick(Panel.PercentBox(), Qt::LeftButton);
        Retype(Panel.RowsToEdit(), QStringLiteral("to"));
        QVERIFY(!Parser->IBOptions()->Percent());
        QCOMPARE(Parser->IBOptions()->RowsTo(), 0);
        QCOMPARE(Parser->GetExpression(), Statement + "ROWS 1 BY 2 WITH TIES");

        // The clause goes once no count is left, whatever the boxes say.
        Retype(Panel.RowsFromEdit(), QString());
        Retype(Panel.RowsByEdit(), QStringLiteral("-"));
        QCOMPARE(Parser->GetExpression(), Statement);
    }

    // After a new statement was read the panels show its options (a count of 0 as an empty edit),
    // and showing them writes nothing: no change is announced, the statement comes back as read.
    void RefreshShowsTheParsedOptionsWithoutWriting()
    {
        const auto Firebird = NewParser(qssFireBird, "SELECT a FROM t");
        TKRFBOptionsPanel FBPanel;
        FBPanel.SetParser(Firebird.get());
        Retype(FBPanel.FirstEdit(), QStringLiteral("10"));
        QSignalSpy FBChanged(&FBPanel, &TKROptionsPanel::Changed);
        Firebird->SetExpression("SELECT FIRST 3 SKIP 4 a FROM t");
        QCOMPARE(Shown(FBPanel), QStringLiteral("10|"));
        FBPanel.Refresh();
        QCOMPARE(Shown(FBPanel), QStringLiteral("3|4"));
        Firebird->SetExpression("SELECT a FROM t");
        FBPanel.Refresh();
        QCOMPARE(Shown(FBPanel), QStringLiteral("|"));
        QCOMPARE(FBChanged.count(), 0);

        const auto InterBase = NewParser(qssInterBase, "SELECT a FROM t ROWS 5 TO 9 BY 2 PERCENT WITH TIES");
        TKRIBOptionsPanel IBPanel;
        QSignalSpy IBChanged(&IBPanel, &TKROptionsPanel::Changed);
        IBPanel.SetParser(InterBase.get());
        QCOMPARE(Shown(IBPanel), QStringLiteral("5|9|2|Percent|Ties"));
        InterBase->SetExpression("SELECT a FROM t ROWS 6");
        IBPanel.Refresh();
        QCOMPARE(Shown(IBPanel), QStringLiteral("6||||"));
        QCOMPARE(IBChanged.count(), 0);
        QCOMPARE(InterBase->GetExpression(), Statement + "ROWS 6");
    }

    // Without a parser, and after being detached, a panel edits nothing and announces nothing.
    void APanelWithoutAParserEditsNothing()
    {
        TKRFBOptionsPanel FBPanel;
        TKRIBOptionsPanel IBPanel;
        QSignalSpy FBChanged(&FBPanel, &TKROptionsPanel::Changed);
        QSignalSpy IBChanged(&IBPanel, &TKROptionsPanel::Changed);
        FBPanel.Refresh();
        Retype(FBPanel.FirstEdit(), QStringLiteral("3"));
        QTest::mouseClick(IBPanel.TiesBox(), Qt::LeftButton);
        QCOMPARE(Shown(FBPanel), QStringLiteral("3|"));

        const auto Parser = NewParser(qssFireBird, "SELECT a FROM t");
        FBPanel.SetParser(Parser.get());
        IBPanel.SetParser(Parser.get());
        FBPanel.SetParser(nullptr);
        IBPanel.SetParser(nullptr);
        Retype(FBPanel.FirstEdit(), QStringLiteral("8"));
        Retype(IBPanel.RowsFromEdit(), QStringLiteral("8"));
        QTest::mouseClick(IBPanel.PercentBox(), Qt::LeftButton);
        QCOMPARE(Parser->FBOptions()->First(), 0);
        QCOMPARE(Parser->IBOptions()->RowsFrom(), 0);
        QVERIFY(!Parser->IBOptions()->Percent());
        QCOMPARE(FBChanged.count() + IBChanged.count(), 0);
    }
};

QTEST_MAIN(TKROptionsPanelsTest)
#include "KROptionsPanelsTest.moc"
