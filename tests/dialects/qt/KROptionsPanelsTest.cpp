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
    Edit->setFocus();
    QTest::keyClick(Edit, Qt::Key_A, Qt::ControlModifier);
    if (Text.isEmpty())
        QTest::keyClick(Edit, Qt::Key_Delete);
    else
        QTest::keyClicks(Edit, Text);
}

//! The label whose text is Caption.
QLabel *LabelOf(const QWidget &Panel, const QString &Caption)
{
    for (QLabel *Label : Panel.findChildren<QLabel *>())
        if (Label->text() == Caption)
            return Label;
    return nullptr;
}

const std::string FirebirdStatement = "SELECT FIRST 10 SKIP 20 \r\n  T.A\r\nFROM\r\n  T\r\n";

} // namespace

class TKROptionsPanelsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The Firebird panel's controls stand where the dialect's documentation puts them, except that
    // the edits move right together as far as a caption wider than the 22 pixels left to it needs:
    // no caption runs under its edit, in any font.
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
            // Both edits share their left, never left of 30, and no farther right than needed.
            const int Left = Panel.FirstEdit()->x();
            const int Captions = std::max(First->width(), Skip->width());
            QCOMPARE(Panel.FirstEdit()->pos(), QPoint(Left, 6));
            QCOMPARE(Panel.SkipEdit()->pos(), QPoint(Left, 30));
            QCOMPARE(Left, std::max(30, 8 + Captions + 4));
            QVERIFY(First->fontMetrics().horizontalAdvance(First->text()) <= Captions);
            if (PointSize == 6)
                QCOMPARE(Left, 30);
            QVERIFY(QRect(QPoint(0, 0), Panel.sizeHint()).contains(Panel.SkipEdit()->geometry()));
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
        QCOMPARE(Parser->GetExpression(), FirebirdStatement);
        QCOMPARE(Changed.count(), 4);

        Retype(Panel.FirstEdit(), QStringLiteral("ten"));
        QCOMPARE(Parser->FBOptions()->First(), 0);
        QCOMPARE(Parser->GetExpression(), "SELECT SKIP 20 \r\n  T.A\r\nFROM\r\n  T\r\n");
        Retype(Panel.FirstEdit(), QStringLiteral("7x"));
        QCOMPARE(Parser->FBOptions()->First(), 0);
        Retype(Panel.FirstEdit(), QStringLiteral("99999999999"));
        QCOMPARE(Parser->FBOptions()->First(), 0);
        Retype(Panel.FirstEdit(), QStringLiteral(" 5"));
        QCOMPARE(Parser->FBOptions()->First(), 5);
        QTest::keyClick(Panel.FirstEdit(), Qt::Key_Backspace);
        Retype(Panel.SkipEdit(), QString());
        QCOMPARE(Parser->FBOptions()->First(), 0);
        QCOMPARE(Parser->FBOptions()->Skip(), 0);
        QCOMPARE(Parser->GetExpression(), "SELECT \r\n  T.A\r\nFROM\r\n  T\r\n");
    }

    // The ROWS clause, word by word, as the edits and boxes are filled in and cleared.
    void TypingAndClickingSetRows()
    {
        const auto Parser = NewParser(qssInterBase, "SELECT a FROM t");
        TKRIBOptionsPanel Panel;
        Panel.SetParser(Parser.get());
        Panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&Panel));
        const std::string Statement = "SELECT \r\n  T.A\r\nFROM\r\n  T\r\n";

        Retype(Panel.RowsFromEdit(), QStringLiteral("1"));
        Retype(Panel.RowsToEdit(), QStringLiteral("10"));
        Retype(Panel.RowsByEdit(), QStringLiteral("2"));
        QTest::mouseClick(Panel.PercentBox(), Qt::LeftButton);
        Panel.TiesBox()->setFocus();
        QTest::keyClick(Panel.TiesBox(), Qt::Key_Space);
        const TKRIBOptions &Options = *Parser->IBOptions();
        QCOMPARE(Options.RowsFrom(), 1);
        QCOMPARE(Options.RowsTo(), 10);
        QCOMPARE(Options.RowsBy(), 2);
        QVERIFY(Options.Percent());
        QVERIFY(Options.Ties());
        QCOMPARE(Parser->GetExpression(), Statement + "ROWS 1 TO 10 BY 2 PERCENT WITH TIES");

        QTest::mouseClick(Panel.PercentBox(), Qt::LeftButton);
        Retype(Panel.RowsToEdit(), QStringLiteral("to"));
        QVERIFY(!Options.Percent());
        QCOMPARE(Options.RowsTo(), 0);
        QCOMPARE(Parser->GetExpression(), Statement + "ROWS 1 BY 2 WITH TIES");

        // The clause goes once no count is left, whatever the boxes say.
        Retype(Panel.RowsFromEdit(), QString());
        Retype(Panel.RowsByEdit(), QStringLiteral("-"));
        QCOMPARE(Parser->GetExpression(), Statement);
        // Firebird writes FIRST and SKIP from its own panel; ROWS stays InterBase's here.
        QCOMPARE(Parser->FBOptions()->First(), 0);
    }

    // After a new statement was read the panels show its options, and showing them writes
    // nothing: no change is announced, and the statement comes back as read.
    void RefreshShowsTheParsedOptionsWithoutWriting()
    {
        const auto Firebird = NewParser(qssFireBird, "SELECT a FROM t");
        TKRFBOptionsPanel FBPanel;
        FBPanel.SetParser(Firebird.get());
        Retype(FBPanel.FirstEdit(), QStringLiteral("10"));
        QSignalSpy FBChanged(&FBPanel, &TKROptionsPanel::Changed);

        Firebird->SetExpression("SELECT FIRST 3 SKIP 4 a FROM t");
        QCOMPARE(FBPanel.FirstEdit()->text(), QStringLiteral("10"));
        FBPanel.Refresh();
        QCOMPARE(FBPanel.FirstEdit()->text(), QStringLiteral("3"));
        QCOMPARE(FBPanel.SkipEdit()->text(), QStringLiteral("4"));
        Firebird->SetExpression("SELECT a FROM t");
        FBPanel.Refresh();
        QCOMPARE(FBPanel.FirstEdit()->text(), QString());
        QCOMPARE(FBPanel.SkipEdit()->text(), QString());
        QCOMPARE(FBChanged.count(), 0);

        const std::string Text = "SELECT \r\n  T.A\r\nFROM\r\n  T\r\nROWS 5 TO 9 BY 2 PERCENT WITH TIES";
        const auto InterBase = NewParser(qssInterBase, Text);
        TKRIBOptionsPanel IBPanel;
        QSignalSpy IBChanged(&IBPanel, &TKROptionsPanel::Changed);
        IBPanel.SetParser(InterBase.get());
        QCOMPARE(IBPanel.RowsFromEdit()->text(), QStringLiteral("5"));
        QCOMPARE(IBPanel.RowsToEdit()->text(), QStringLiteral("9"));
        QCOMPARE(IBPanel.RowsByEdit()->text(), QStringLiteral("2"));
        QVERIFY(IBPanel.PercentBox()->isChecked());
        QVERIFY(IBPanel.TiesBox()->isChecked());
        InterBase->SetExpression("SELECT a FROM t ROWS 6");
        IBPanel.Refresh();
        QCOMPARE(IBPanel.RowsFromEdit()->text(), QStringLiteral("6"));
        QCOMPARE(IBPanel.RowsToEdit()->text(), QString());
        QVERIFY(!IBPanel.PercentBox()->isChecked());
        QVERIFY(!IBPanel.TiesBox()->isChecked());
        QCOMPARE(IBChanged.count(), 0);
        QCOMPARE(InterBase->GetExpression(), "SELECT \r\n  T.A\r\nFROM\r\n  T\r\nROWS 6");
    }

    // Without a parser, and after being detached, a panel edits nothing and announces nothing.
    void APanelWithoutAParserEditsNothing()
    {
        TKRFBOptionsPanel FBPanel;
        TKRIBOptionsPanel IBPanel;
        QSignalSpy FBChanged(&FBPanel, &TKROptionsPanel::Changed);
        QSignalSpy IBChanged(&IBPanel, &TKROptionsPanel::Changed);
        FBPanel.Refresh();
        IBPanel.Refresh();
        Retype(FBPanel.FirstEdit(), QStringLiteral("3"));
        Retype(IBPanel.RowsFromEdit(), QStringLiteral("3"));
        QTest::mouseClick(IBPanel.TiesBox(), Qt::LeftButton);
        QCOMPARE(FBPanel.FirstEdit()->text(), QStringLiteral("3"));

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
        QCOMPARE(FBChanged.count(), 0);
        QCOMPARE(IBChanged.count(), 0);
    }
};

QTEST_MAIN(TKROptionsPanelsTest)
#include "KROptionsPanelsTest.moc"
