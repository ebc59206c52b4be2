// The criteria editors, driven as a user drives them: statements read into the tree of lines, edits
// through the menus' actions, the mouse and the keys, and the SQL the core writes afterwards.
#include "KRScriptedPrompter.h"
#include "KRTestSupport.h"
#include "component/KRStyles.h"
#include "diagram/KRTable.h"
#include "diagram/KRWorkArea.h"
#include "editors/KRCriterionPanel.h"
#include "editors/KRMemoEx.h"
#include "editors/KRTreeViewEx.h"
#include "framework/KRDataSet.h"
#include "framework/KRException.h"
#include "parser/KROperators.h"
#include "resources/KRResource.h"

#include <QtTest>
#include <QtWidgets>

using namespace korvan;

namespace QTest {
template <>
char *toString(const std::string &Value)
{
    return qstrdup(Value.c_str());
}
} // namespace QTest

namespace {

//! Every line shown, as "number | part texts", the texts of the parts shown joined by "|".
std::vector<std::string> Lines(const TKRCriterionPanel &Panel)
{
    std::vector<std::string> Result;
    Panel.ForEachRow([&Result](TKRCriterionRow *Row, int) {
        std::string Line = Row->FullIndex();
        for (int I = 1; I < Row->ControlCount(); ++I)
            if (Row->Controls(I)->Width() > 0)
                Line += "|" + Row->Controls(I)->Text();
        Result.push_back(Line);
        return true;
    });
    return Result;
}

std::string Join(const std::vector<std::string> &Lines)
{
    std::string Result;
    for (const std::string &Line : Lines)
        Result += Line + "\n";
    return Result;
}

//! The WHERE or HAVING part of what the core writes, from the keyword on.
std::string Clause(const TKRSelectParser &Parser, const std::string &Keyword)
{
    const std::string Text = Parser.GetExpression();
    const auto At = Text.find(Keyword);
    return At == std::string::npos ? std::string() : Text.substr(At);
}

struct TFixture
{
    explicit TFixture(bool Having = false, const std::string &Sql = "SELECT t.a, t.b FROM t")
        : Parser(test::NewParser())
    {
        Page.resize(640, 400);
        if (Having)
            Panel = new TKRHavingPanel(&Page);
        else
            Panel = new TKRWherePanel(&Page);
        Panel->setGeometry(0, 0, 640, 400);
        Parser->SetExpression(Sql);
        Panel->SetParser(Parser.get());
        Panel->Activate();
        Panel->RefreshRows();
    }

    TKRCriterionRow *Line(const std::string &Number) const
    {
        TKRCriterionRow *Found = nullptr;
        Panel->ForEachRow([&](TKRCriterionRow *Row, int) {
            if (Row->FullIndex() != Number)
                return true;
            Found = Row;
            return false;
        });
        return Found;
    }
    //! Makes Part of line Number the target of the menus' actions.
    void Hover(const std::string &Number, int Part = 1) const
    {
        Panel->SetHoverControl(Line(Number)->Controls(Part));
    }
    //! The window point at the middle of a part.
    QPoint At(const std::string &Number, int Part) const
    {
        const TKRControl *C = Line(Number)->Controls(Part);
        return { C->Left() + C->Width() / 2 - Panel->HorzPosition(),
            C->Row()->TopBound() + Panel->RowHeight() / 2 - Panel->VertPosition() };
    }
    void Click(QPoint Pos) const
    {
        // Qt drops a move to where it saw the mouse last; one pixel aside first makes it a move.
        QTest::mouseMove(Panel->viewport(), Pos + QPoint(1, 0));
        QTest::mouseMove(Panel->viewport(), Pos);
        QTest::mousePress(Panel->viewport(), Qt::LeftButton, Qt::NoModifier, Pos);
        QTest::mouseRelease(Panel->viewport(), Qt::LeftButton, Qt::NoModifier, Pos);
    }

    QWidget Page;
    std::unique_ptr<TKRSelectParser> Parser;
    TKRCriterionPanel *Panel;
};

} // namespace

class TKRCriteriaTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void NewEditorShowsOneAllLine();
    void ThreeLevelsOfEveryFilterReadAndRebuiltWriteTheSameSql();
    void EditingThroughTheActions();
    void RefusedActionsSayWhyAndChangeNothing();
    void MouseAndKeys();
    void InPlaceEditor();
    void HavingWithAggregates();
    void ChangeAliasRenamesWhereANameStarts();
    void LongValuesWithQuotesAndLineBreaks();
    void EmptyOperatorTableAndReload();
    void CollapsingShrinksTheStack();
    void DroppingADiagramField();
    void ConditionsKeptWhole();
    void ButtonLooksFollowTheMouse();
    void FieldPicker();
    void Grabs();
};

void TKRCriteriaTest::NewEditorShowsOneAllLine()
{
    QWidget Page;
    TKRWherePanel Panel(&Page);
    Panel.Activate();
    QCOMPARE(Join(Lines(Panel)), std::string(" |All\n"));
    QCOMPARE(Panel.FocusControl(), Panel.RootRow()->Controls(1));
    bool Raised = false;
    try {
        TKRWherePanel Orphan(nullptr);
    } catch (const Exception &E) {
        Raised = E.Message() == SInvalidConditionsParent;
    }
    QVERIFY(Raised);
}

void TKRCriteriaTest::ThreeLevelsOfEveryFilterReadAndRebuiltWriteTheSameSql()
{
    const std::string Sql = "SELECT t.a FROM t WHERE NOT ((t.a = 1) OR (t.b BETWEEN 2 AND 3) OR "
                            "(NOT ((t.c IS NULL) AND ((t.d LIKE 'x%') OR (t.e <> 4)))))";
    TFixture Read(false, Sql);
    const std::string Written = Clause(*Read.Parser, "WHERE");
    QVERIFY(!Written.empty());
    QCOMPARE(Join(Lines(*Read.Panel)),
            std::string(" |Not all\n"
                        "1.|t.a|=|1\n"
                        "2.|t.b|BETWEEN|2|3\n"
                        "3.|None\n"
                        "3.1.|t.c|IS NULL\n"
                        "3.2.|Any\n"
                        "3.2.1.|t.d|LIKE|'x%'\n"
                        "3.2.2.|t.e|<>|4\n"));
    // Loading writes nothing.
    QCOMPARE(Clause(*Read.Parser, "WHERE"), Written);

    // The same tree built by hand writes the same statement.
    TKRScriptedPrompter Prompter;
    TFixture Built(false, "SELECT t.a FROM t");
    TKRCriterionPanel &P = *Built.Panel;
    const auto Condition = [&](const std::string &Number, const std::string &Field, const std::string &Op,
                                   const std::vector<std::string> &Values) {
        TKRCriterionRow *Row = Built.Line(Number);
        Row->SetField(Field);
        Built.Hover(Number, 3);
        P.SelectOperator(P.Operators()->FindByCaption(Op)->Index());
        for (std::size_t K = 0; K < Values.size(); ++K)
            Row->SetArgument(static_cast<int>(K), Values[K]);
        Row->Relayout();
    };
    Built.Hover(" ");
    P.SelectGroupFuncs(cfNotAll);
    for (int I = 0; I < 3; ++I) {
        Built.Hover(" ");
        P.AddCondition();
    }
    Condition("1.", "t.a", "=", { "1" });
    Condition("2.", "t.b", "BETWEEN", { "2", "3" });
    Condition("3.", "t.c", "IS NULL", {});
    Built.Hover("3.");
    P.MakeCompositCondition();
    Built.Hover("3.");
    P.SelectGroupFuncs(cfNone);
    Built.Hover("3.1.");
    P.AddCondition();
    Condition("3.2.", "t.d", "LIKE", { "'x%'" });
    Built.Hover("3.2.");
    P.MakeCompositCondition();
    Built.Hover("3.2.");
    P.SelectGroupFuncs(cfAny);
    Built.Hover("3.2.1.", 2);
    P.AddCondition();
    Condition("3.2.2.", "t.e", "<>", { "4" });
    QCOMPARE(Join(Lines(P)), Join(Lines(*Read.Panel)));
    QCOMPARE(Clause(*Built.Parser, "WHERE"), Written);
    QCOMPARE(Prompter.Unanswered(), 0);
}

void TKRCriteriaTest::EditingThroughTheActions()
{
    TKRScriptedPrompter Prompter;
    TFixture F(false, "SELECT t.a FROM t WHERE (t.a = 1) AND (t.b = 2)");
    TKRCriterionPanel &P = *F.Panel;
    // A new line is in the model but not written until its field and value are there.
    F.Hover("2.");
    P.AddCondition();
    QCOMPARE(Join(Lines(P)), std::string(" |All\n1.|t.a|=|1\n2.|t.b|=|2\n3.|         |=|         \n"));
    QCOMPARE(Clause(*F.Parser, "WHERE"), std::string("WHERE\r\n  (t.a = 1) AND \r\n  (t.b = 2)\r\n"));
    F.Line("3.")->SetField("t.c");
    QCOMPARE(Clause(*F.Parser, "WHERE"), std::string("WHERE\r\n  (t.a = 1) AND \r\n  (t.b = 2)\r\n"));
    F.Line("3.")->SetArgument(0, "3");
    QCOMPARE(Clause(*F.Parser, "WHERE"),
            std::string("WHERE\r\n  (t.a = 1) AND \r\n  (t.b = 2) AND \r\n  (t.c = 3)\r\n"));

    // A comparison made a group keeps its condition as the group's first line.
    F.Hover("1.");
    P.MakeCompositCondition();
    F.Hover("1.1.");
    P.AddCondition();
    F.Line("1.2.")->SetField("t.d");
    F.Hover("1.2.", 3);
    P.SelectOperator(P.Operators()->FindByCaption("IS NOT NULL")->Index());
    F.Hover("1.");
    P.SelectGroupFuncs(cfAny);
    QCOMPARE(Join(Lines(P)),
            std::string(" |All\n1.|Any\n1.1.|t.a|=|1\n1.2.|t.d|IS NOT NULL\n2.|t.b|=|2\n3.|t.c|=|3\n"));
    QCOMPARE(Clause(*F.Parser, "WHERE"),
            std::string("WHERE\r\n  ((t.a = 1) OR \r\n  (t.d IS NOT NULL)) AND \r\n  (t.b = 2) AND \r\n  "
                        "(t.c = 3)\r\n"));

    // Deleting asks first; No keeps everything, Yes takes the group with its conditions.
    F.Hover("1.");
    P.DeleteCondition();
    QCOMPARE(Prompter.Questions().back().Text, std::string(SDeleteConditionsQuestion));
    QCOMPARE(Prompter.Questions().back().Caption, std::string(SConfirmation));
    QCOMPARE(static_cast<int>(Lines(P).size()), 6);
    P.SetFocusControl(F.Line("1.1.")->Controls(2));
    Prompter.Answer(IDYES);
    F.Hover("1.");
    P.DeleteCondition();
    QCOMPARE(Join(Lines(P)), std::string(" |All\n1.|t.b|=|2\n2.|t.c|=|3\n"));
    QCOMPARE(P.FocusControl(), P.RootRow()->Controls(1));
    QVERIFY(P.HoverControl() == nullptr);
    QCOMPARE(Clause(*F.Parser, "WHERE"), std::string("WHERE\r\n  (t.b = 2) AND \r\n  (t.c = 3)\r\n"));

    // A value edited to blanks stays a part, and its condition leaves the statement.
    F.Line("2.")->SetArgument(0, CriterionPlaceholder);
    F.Line("2.")->Relayout();
    QVERIFY(F.Line("2.")->Controls(5)->Width() > 0);
    QCOMPARE(Clause(*F.Parser, "WHERE"), std::string("WHERE\r\n  (t.b = 2)\r\n"));
    // Deleting the last written condition leaves no WHERE at all.
    Prompter.Answer(IDYES);
    F.Hover("1.");
    P.DeleteCondition();
    QCOMPARE(Clause(*F.Parser, "WHERE"), std::string());
}

void TKRCriteriaTest::RefusedActionsSayWhyAndChangeNothing()
{
    TKRScriptedPrompter Prompter;
    TFixture F(false, "SELECT t.a FROM t WHERE (t.a = 1) AND ((t.b = 2) OR (t.c = 3))");
    TKRCriterionPanel &P = *F.Panel;
    const std::string Before = F.Parser->GetExpression();
    const auto Refused = [](const std::function<void()> &Call) {
        try {
            Call();
        } catch (const Exception &E) {
            return E.Message();
        }
        return std::string("nothing raised");
    };
    P.SetHoverControl(nullptr);
    QCOMPARE(Refused([&] { P.AddCondition(); }), std::string(SNoActiveButton));
    F.Hover("2.");
    QCOMPARE(Refused([&] { P.MakeCompositCondition(); }), std::string(SConditionAlreadyComposed));
    F.Hover(" ");
    QCOMPARE(Refused([&] { P.DeleteCondition(); }), std::string(SCantDeleteFirstRow));
    QCOMPARE(Refused([&] { P.ExpandCollapse(); }), std::string(SCantCollapseFirstCondition));
    F.Hover("1.");
    QCOMPARE(Refused([&] { P.ExpandCollapse(); }), std::string(SCantExpandSimpleCondition));
    F.Hover("1.", 2);
    QCOMPARE(Refused([&] { P.SelectGroupFuncs(cfAny); }), std::string(SNoActiveButton));
    QCOMPARE(Refused([&] { P.SelectOperator(0); }), std::string(SNoActiveButton));
    QCOMPARE(F.Parser->GetExpression(), Before);
    QVERIFY(Prompter.Questions().empty());
}

void TKRCriteriaTest::MouseAndKeys()
{
    TKRScriptedPrompter Prompter;
    TFixture F(false, "SELECT t.a FROM t WHERE (t.a = 1) AND (t.b IS NULL) AND ((t.c = 2))");
    TKRCriterionPanel &P = *F.Panel;
    F.Page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&F.Page));

    // Pressed on one part and released on another: nothing opens.
    QTest::mouseMove(P.viewport(), F.At("1.", 3));
    QTest::mousePress(P.viewport(), Qt::LeftButton, Qt::NoModifier, F.At("1.", 3));
    QTest::mouseMove(P.viewport(), F.At("1.", 5));
    QTest::mouseRelease(P.viewport(), Qt::LeftButton, Qt::NoModifier, F.At("1.", 5));
    QVERIFY(Prompter.Menus().empty());
    QVERIFY(!P.Editor()->isVisible());

    // The operator menu lists the table; choosing BETWEEN gives the line two values.
    Prompter.AnswerMenu("BETWEEN");
    F.Click(F.At("1.", 3));
    QCOMPARE(Prompter.Menus().size(), std::size_t(1));
    QCOMPARE(Prompter.Menus()[0].size(), static_cast<std::size_t>(P.Operators()->Count()));
    QCOMPARE(Prompter.MenuPositions()[0],
            P.viewport()->mapToGlobal(QPoint(F.Line("1.")->Controls(3)->Left(), P.RowHeight() * 2)));
    QCOMPARE(Join(Lines(P)),
            std::string(" |All\n1.|t.a|BETWEEN|1|         \n2.|t.b|IS NULL\n3.|All\n3.1.|t.c|=|2\n"));

    // The button's menu: "Make compose condition" only for conditions, expand only for groups.
    Prompter.AnswerMenu("");
    F.Click(F.At("3.", 0));
    const auto &Items = Prompter.Menus().back();
    QCOMPARE(Items.size(), std::size_t(4));
    QCOMPARE(Items[1].Enabled, false);
    QCOMPARE(Items[3].Text, std::string(SCollapseCondition));
    QCOMPARE(Items[3].Enabled, true);
    Prompter.AnswerMenu(SCollapseCondition);
    F.Click(F.At("3.", 0));
    QCOMPARE(Join(Lines(P)), std::string(" |All\n1.|t.a|BETWEEN|1|         \n2.|t.b|IS NULL\n3.| \n"));
    // A click on a collapsed group's word opens it again.
    F.Click(F.At("3.", 1));
    QCOMPARE(static_cast<int>(Lines(P).size()), 5);

    // Keys: Right from the operator of IS NULL goes to the next line; the hidden aggregate parts
    // of the WHERE editor are skipped both ways.
    P.setFocus();
    P.SetFocusControl(F.Line("2.")->Controls(3));
    QTest::keyClick(&P, Qt::Key_Right);
    QCOMPARE(P.FocusControl(), F.Line("3.")->Controls(1));
    QTest::keyClick(&P, Qt::Key_Down);
    QCOMPARE(P.FocusControl(), F.Line("3.1.")->Controls(2));
    QTest::keyClick(&P, Qt::Key_Left);
    QCOMPARE(P.FocusControl(), F.Line("3.")->Controls(1));
    QTest::keyClick(&P, Qt::Key_Up);
    QCOMPARE(P.FocusControl(), F.Line("2.")->Controls(2));
    QTest::keyClick(&P, Qt::Key_Right);
    QTest::keyClick(&P, Qt::Key_Right);
    QCOMPARE(P.FocusControl(), F.Line("3.")->Controls(1));
    // Ctrl+Left on a group collapses it; Ctrl+Insert makes a comparison a group; Ctrl+Delete asks.
    QTest::keyClick(&P, Qt::Key_Left, Qt::ControlModifier);
    QCOMPARE(F.Line("3.")->Expanded(), false);
    P.SetFocusControl(F.Line("2.")->Controls(2));
    QTest::keyClick(&P, Qt::Key_Insert, Qt::ControlModifier);
    QCOMPARE(F.Line("2.")->GroupOperator(), std::string("All"));
    Prompter.Answer(IDYES);
    QTest::keyClick(&P, Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(Join(Lines(P)), std::string(" |All\n1.|t.a|BETWEEN|1|         \n2.| \n"));
    QCOMPARE(Clause(*F.Parser, "WHERE"), std::string("WHERE\r\n  ((t.c = 2))\r\n"));
    // Ctrl+Left on the first line is refused with its message.
    P.SetFocusControl(P.RootRow()->Controls(1));
    QTest::keyClick(&P, Qt::Key_Left, Qt::ControlModifier);
    QCOMPARE(Prompter.Questions().back().Text, std::string(SCantCollapseFirstCondition));
}

void TKRCriteriaTest::InPlaceEditor()
{
    TKRScriptedPrompter Prompter;
    TFixture F(false, "SELECT t.a FROM t WHERE (t.a = 1)");
    TKRCriterionPanel &P = *F.Panel;
    F.Page.show();
    QVERIFY(QTest::qWaitForWindowActive(&F.Page));
    F.Click(F.At("1.", 5));
    QVERIFY(P.Editor()->isVisible());
    QCOMPARE(P.Editor()->Text(), std::string("1"));
    QTest::keyClicks(P.Editor(), QStringLiteral("'it''s'"));
    QTest::keyClick(P.Editor(), Qt::Key_Return, Qt::ControlModifier);
    QTest::keyClicks(P.Editor(), QStringLiteral("x"));
    QTest::keyClick(P.Editor(), Qt::Key_Return);
    QVERIFY(!P.Editor()->isVisible());
    QCOMPARE(F.Line("1.")->Arguments()[0], std::string("'it''s'\r\nx"));
    QCOMPARE(F.Line("1.")->Controls(5)->Text(), std::string("'it''s'  x"));
    QCOMPARE(Clause(*F.Parser, "WHERE"), std::string("WHERE\r\n  (t.a = 'it''s'\r\nx)\r\n"));

    // Escape discards the edit; a field edited to blanks leaves the condition out.
    F.Click(F.At("1.", 2));
    QTest::keyClicks(P.Editor(), QStringLiteral("t.zzz"));
    QTest::keyClick(P.Editor(), Qt::Key_Escape);
    QCOMPARE(F.Line("1.")->Field(), std::string("t.a"));
    F.Click(F.At("1.", 2));
    QTest::keyClicks(P.Editor(), QStringLiteral("   "));
    QTest::keyClick(P.Editor(), Qt::Key_Return);
    QCOMPARE(F.Line("1.")->Field(), std::string(CriterionPlaceholder));
    QCOMPARE(Clause(*F.Parser, "WHERE"), std::string());
    QCOMPARE(Prompter.Unanswered(), 0);
}

void TKRCriteriaTest::HavingWithAggregates()
{
    TFixture F(true, "SELECT t.a, SUM(t.b) FROM t GROUP BY t.a HAVING (SUM(t.b) > MAX(t.c)) AND (t.a = 1)");
    TKRCriterionPanel &P = *F.Panel;
    const std::string Written = Clause(*F.Parser, "HAVING");
    QCOMPARE(Join(Lines(P)), std::string(" |All\n1.|SUM|t.b|>|MAX|t.c\n2.|         |t.a|=|         |1\n"));
    QCOMPARE(Clause(*F.Parser, "HAVING"), Written);

    // Another aggregate, none, and one put around a plain value.
    F.Hover("1.", 1);
    P.SelectAgrFuncs("AVG");
    F.Hover("1.", 4);
    P.SelectAgrFuncs("");
    F.Hover("2.", 4);
    P.SelectAgrFuncs("COUNT");
    QCOMPARE(Clause(*F.Parser, "HAVING"),
            std::string("HAVING\r\n  (AVG(t.b) > t.c) AND \r\n  (t.a = COUNT(1))\r\n"));
    // Typing a value inside an aggregate keeps the aggregate around it.
    F.Line("2.")->SetArgument(0, "t.b");
    F.Line("2.")->SetField("t.c");
    QCOMPARE(Clause(*F.Parser, "HAVING"),
            std::string("HAVING\r\n  (AVG(t.b) > t.c) AND \r\n  (t.c = COUNT(t.b))\r\n"));
    // A new HAVING line gets its criterion in the HAVING list.
    F.Hover(" ");
    P.AddCondition();
    F.Hover("3.", 1);
    P.SelectAgrFuncs("MIN");
    F.Line("3.")->SetField("t.d");
    F.Line("3.")->SetArgument(0, "0");
    QCOMPARE(Clause(*F.Parser, "HAVING"),
            std::string("HAVING\r\n  (AVG(t.b) > t.c) AND \r\n  (t.c = COUNT(t.b)) AND \r\n  (MIN(t.d) = "
                        "0)\r\n"));
    QCOMPARE(P.AggregateMenu()->actions().size(), F.Parser->Aggregates().Count() + 1);
    // A condition with aggregates made a group keeps them, once, in its first line.
    F.Hover("1.");
    P.MakeCompositCondition();
    QCOMPARE(Join(Lines(P)).substr(0, 42), std::string(" |All\n1.|All\n1.1.|AVG|t.b|>|         |t.c\n"));
    QCOMPARE(Clause(*F.Parser, "HAVING"),
            std::string("HAVING\r\n  ((AVG(t.b) > t.c)) AND \r\n  (t.c = COUNT(t.b)) AND \r\n  (MIN(t.d) = "
                        "0)\r\n"));

    // The WHERE editor shows no aggregate parts, and they are not hit.
    TFixture W(false, "SELECT t.a FROM t WHERE t.a = 1");
    const TKRCriterionRow *Row = W.Line("1.");
    QCOMPARE(Row->Controls(1)->Width(), 0);
    QCOMPARE(Row->Controls(4)->Width(), 0);
    QCOMPARE(TKRCriterionPanel::ControlAt(Row, Row->Controls(1)->Left()), Row->Controls(2));
}

void TKRCriteriaTest::ChangeAliasRenamesWhereANameStarts()
{
    TFixture F(false,
            "SELECT t.a FROM t WHERE (t.a = t.b) AND ((t.c BETWEEN xt.d AND (t.e + t.f)) OR (u.g = 1))");
    TKRCriterionPanel &P = *F.Panel;
    // The new name holds the old one: each occurrence is replaced once, and only where a name starts.
    P.ChangeAlias("tt", "t");
    QCOMPARE(Join(Lines(P)),
            std::string(
                    " |All\n1.|tt.a|=|tt.b\n2.|Any\n2.1.|tt.c|BETWEEN|xt.d|(tt.e + tt.f)\n2.2.|u.g|=|1\n"));
    QCOMPARE(Clause(*F.Parser, "WHERE"),
            std::string("WHERE\r\n  (tt.a = tt.b) AND \r\n  ((tt.c BETWEEN xt.d AND (tt.e + tt.f)) OR \r\n  "
                        "(u.g = 1))\r\n"));
    // The same name, or a collapsed group: the lines inside are renamed all the same.
    P.ChangeAlias("tt", "tt");
    F.Hover("2.");
    P.ExpandCollapse();
    P.ChangeAlias("t", "tt");
    QCOMPARE(Clause(*F.Parser, "WHERE"),
            std::string("WHERE\r\n  (t.a = t.b) AND \r\n  ((t.c BETWEEN xt.d AND (t.e + t.f)) OR \r\n  (u.g "
                        "= 1))\r\n"));
}

void TKRCriteriaTest::LongValuesWithQuotesAndLineBreaks()
{
    TFixture F(false, "SELECT t.a FROM t WHERE t.a = 1");
    const std::string Value = "'" + test::Repeat("it''s\r\n", 14286) + "'";
    QVERIFY(Value.size() > 100000);
    TKRCriterionRow *Row = F.Line("1.");
    Row->SetArgument(0, Value);
    Row->Relayout();
    // Shown cut, on one line; the model keeps every character.
    QCOMPARE(Row->Controls(5)->Text(), std::string("'it''s  it''s  it''s  it''s  i..."));
    QVERIFY(Row->Controls(5)->Width() < 400);
    const std::string Written = Clause(*F.Parser, "WHERE");
    QCOMPARE(Written, "WHERE\r\n  (t.a = " + Value + ")\r\n");
    // What the core wrote reads back into the same line.
    TFixture Again(false, "SELECT t.a FROM t " + Written);
    QCOMPARE(Again.Line("1.")->Arguments().at(0), Value);
    QCOMPARE(Clause(*Again.Parser, "WHERE"), Written);
    // A long field is cut the same way.
    Row->SetField(test::Repeat("x", 100000));
    Row->Relayout();
    QCOMPARE(Row->Controls(2)->Text(), test::Repeat("x", 30) + "...");
}

void TKRCriteriaTest::EmptyOperatorTableAndReload()
{
    TKRScriptedPrompter Prompter;
    TFixture F(false, "SELECT t.a FROM t WHERE (t.a BETWEEN 1 AND 2) AND (t.b = 3)");
    TKRCriterionPanel &P = *F.Panel;
    const std::string Before = Clause(*F.Parser, "WHERE");
    // The application replaces the table: the lines find their operators again by name, and keep
    // their values even though the new table's first operator takes none.
    TKROperators Renamed;
    Renamed.Assign(P.Operators());
    for (int I = 0; I < Renamed.Count(); ++I)
        Renamed.Items(I)->SetCaption(
                Renamed.Items(I)->Caption() == "BETWEEN" ? "BETWEEN" : Renamed.Items(I)->Caption());
    Renamed.Insert(0)->SetCaption("CONTAINS");
    Renamed.Items(0)->SetName("CONTAINS");
    Renamed.Items(0)->SetCount(0);
    P.PrepareToReloadOperators();
    QVERIFY(F.Line("1.")->Operator() == nullptr);
    F.Parser->SetOperators(&Renamed);
    P.ReloadOperators();
    QCOMPARE(Join(Lines(P)), std::string(" |All\n1.|t.a|BETWEEN|1|2\n2.|t.b|=|3\n"));
    QCOMPARE(Clause(*F.Parser, "WHERE"), Before);

    // With an empty table a line gets no operator: a blank in its place and no value parts.
    TKROperators Empty;
    P.PrepareToReloadOperators();
    F.Parser->SetOperators(&Empty);
    P.ReloadOperators();
    QVERIFY(F.Line("1.")->Operator() == nullptr);
    QCOMPARE(F.Line("1.")->OperatorName(), std::string());
    F.Hover(" ");
    P.AddCondition();
    TKRCriterionRow *Added = F.Line("3.");
    QVERIFY(Added->Operator() == nullptr);
    QCOMPARE(Added->ControlCount(), 5);
    QCOMPARE(Added->Controls(3)->Text(), std::string(" "));
    Prompter.AnswerMenu("");
    F.Page.show();
    F.Click(F.At("3.", 3));
    QCOMPARE(Prompter.Menus().back().size(), std::size_t(0));
}

void TKRCriteriaTest::CollapsingShrinksTheStack()
{
    std::string Sql = "SELECT t.a FROM t WHERE (t.a = 0) AND (";
    for (int I = 1; I <= 40; ++I)
        Sql += (I > 1 ? " OR " : "") + std::string("(t.b = ") + std::to_string(I) + ")";
    Sql += ") AND (t.c = 1)";
    TFixture F(false, Sql);
    TKRCriterionPanel &P = *F.Panel;
    F.Page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&F.Page));
    const int Range = P.verticalScrollBar()->maximum();
    QCOMPARE(P.GetFullExtention().height(), 44 * P.RowHeight());
    QCOMPARE(F.Line("3.")->TopBound(), 43 * P.RowHeight());
    F.Hover("2.");
    P.ExpandCollapse();
    QCOMPARE(F.Line("3.")->TopBound(), 3 * P.RowHeight());
    QCOMPARE(F.Line("2.")->Rows()->Items(0)->TopBound(), -1);
    QVERIFY(P.verticalScrollBar()->maximum() < Range);
    QCOMPARE(P.verticalScrollBar()->maximum(), 0);
    // Hit testing follows the stack.
    QCOMPARE(P.RowAt(3 * P.RowHeight() + 1), F.Line("3."));
    QVERIFY(P.RowAt(4 * P.RowHeight() + 1) == nullptr);
}

void TKRCriteriaTest::DroppingADiagramField()
{
    TFixture F(false, "SELECT t.a FROM t WHERE (t.a BETWEEN 1 AND 2)");
    TKRCriterionPanel &P = *F.Panel;
    TDataSet Set;
    Set.AddField("price", ftInteger);
    TKRWorkArea Area(&F.Page);
    TKRTable *Window = Area.AddPanel("orders", &Set);
    Window->SetAlias("o");
    Window->SetCurrentItem(Window->Items(0));
    const auto Over = [&](const std::string &Number, int Part) {
        bool Accept = true;
        const QPoint Pos = P.viewport()->mapTo(&P, F.At(Number, Part));
        P.DragOver(&Area, Pos, dsDragMove, Accept);
        return Accept;
    };
    // The operator, the button and a group's word refuse it; the field and the values take it.
    QCOMPARE(Over("1.", 3), false);
    QCOMPARE(Over("1.", 0), false);
    QCOMPARE(Over(" ", 1), false);
    QVERIFY(P.DropControl() == nullptr);
    QCOMPARE(Over("1.", 6), true);
    QCOMPARE(P.DropControl(), F.Line("1.")->Controls(6));
    P.DragDrop(&Area, P.viewport()->mapTo(&P, F.At("1.", 6)));
    QVERIFY(P.DropControl() == nullptr);
    QCOMPARE(Over("1.", 2), true);
    P.DragDrop(&Area, P.viewport()->mapTo(&P, F.At("1.", 2)));
    QCOMPARE(Join(Lines(P)), std::string(" |All\n1.|o.price|BETWEEN|1|o.price\n"));
    QCOMPARE(Clause(*F.Parser, "WHERE"), std::string("WHERE\r\n  (o.price BETWEEN 1 AND o.price)\r\n"));
    // Nothing is taken from anything but the diagram.
    bool Accept = true;
    P.DragOver(&F.Page, P.viewport()->mapTo(&P, F.At("1.", 2)), dsDragMove, Accept);
    QCOMPARE(Accept, false);
}

void TKRCriteriaTest::ConditionsKeptWhole()
{
    TFixture F(false, "SELECT t.a FROM t WHERE (EXISTS (SELECT u.x FROM u)) AND (t.a = 1)");
    TKRCriterionPanel &P = *F.Panel;
    const std::string Written = Clause(*F.Parser, "WHERE");
    QCOMPARE(Join(Lines(P)), std::string(" |All\n1.|EXISTS (SELECT u.x FROM u)\n2.|t.a|=|1\n"));
    // Its text is edited in place like a field, and an operator reload leaves it alone.
    P.PrepareToReloadOperators();
    P.ReloadOperators();
    QCOMPARE(Clause(*F.Parser, "WHERE"), Written);
    F.Line("1.")->SetField("EXISTS (SELECT u.y FROM u)");
    QCOMPARE(Clause(*F.Parser, "WHERE"),
            std::string("WHERE\r\n  (EXISTS (SELECT u.y FROM u)) AND \r\n  (t.a = 1)\r\n"));
    // An open edit goes with the lines when they are rebuilt.
    F.Page.show();
    QVERIFY(QTest::qWaitForWindowActive(&F.Page));
    F.Click(F.At("2.", 2));
    QVERIFY(P.Editor()->isVisible());
    P.RefreshRows();
    QVERIFY(!P.Editor()->isVisible());
    QVERIFY(P.HoverControl() == nullptr);
}

void TKRCriteriaTest::ButtonLooksFollowTheMouse()
{
    TKRScriptedPrompter Prompter;
    TFixture F(false, "SELECT t.a FROM t WHERE (t.a = 1)");
    TKRCriterionPanel &P = *F.Panel;
    F.Page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&F.Page));
    const TKRControl *Button = F.Line("1.")->Controls(0);
    // A pixel of the button's bottom line: gray when flat, black under the mouse, white pressed.
    const QPoint Bottom(Button->Left() + P.RowHeight() / 2 + 1, P.RowHeight() + P.RowHeight() - 3);
    const auto Ink = [&] { return P.viewport()->grab().toImage().pixelColor(Bottom); };
    QCOMPARE(Ink(), QColor(128, 128, 128));
    QTest::mouseMove(P.viewport(), F.At("1.", 0));
    QCOMPARE(Ink(), QColor(Qt::black));
    QTest::mousePress(P.viewport(), Qt::LeftButton, Qt::NoModifier, F.At("1.", 0));
    QCOMPARE(Ink(), QColor(Qt::white));
    QTest::mouseRelease(P.viewport(), Qt::LeftButton, Qt::NoModifier, F.At("1.", 0));
    QCOMPARE(Prompter.Menus().size(), std::size_t(1));
    QCOMPARE(Prompter.Menus()[0][0].Text, std::string(SAddCondition));
    QTest::mouseMove(P.viewport(), QPoint(400, 5));
    QCOMPARE(Ink(), QColor(128, 128, 128));
}

void TKRCriteriaTest::FieldPicker()
{
    TKRScriptedPrompter Prompter;
    TFixture F(false, "SELECT t.a FROM t WHERE (t.a = 1)");
    F.Parser->Scanner()->SetQuoteIdentifiers(true);
    TKRCriterionPanel &P = *F.Panel;
    TDataSet Set;
    Set.AddField("price", ftInteger);
    Set.AddField("qty", ftInteger);
    TKRWorkArea Area(&F.Page);
    Area.AddPanel("orders", &Set)->SetAlias("my.o");
    P.SetWorkArea(&Area);
    F.Page.show();
    QVERIFY(QTest::qWaitForWindowActive(&F.Page));
    F.Click(F.At("1.", 5));
    QVERIFY(P.Editor()->isVisible());
    // Shift+Enter with the caret after "(": the picker lists the windows and their fields.
    P.Editor()->SetText("(1 + x)");
    QTextCursor Cursor = P.Editor()->textCursor();
    Cursor.setPosition(1);
    P.Editor()->setTextCursor(Cursor);
    QTest::keyClick(P.Editor(), Qt::Key_Return, Qt::ShiftModifier);
    TKRTreeViewEx &Picker = *P.FieldList();
    QVERIFY(Picker.isVisible());
    QCOMPARE(Picker.topLevelItemCount(), 1);
    QCOMPARE(Picker.topLevelItem(0)->childCount(), 2);
    // While it is open the editor stays open, and a page change is refused once.
    QVERIFY(P.Editor()->isVisible());
    Picker.setCurrentItem(Picker.topLevelItem(0)->child(1));
    QTest::keyClick(&Picker, Qt::Key_Return);
    QVERIFY(!Picker.isVisible());
    QCOMPARE(P.Editor()->Text(), std::string("(\"my.o\".\"qty\"1 + x)"));
    // Escape in the picker inserts nothing; a page change closes it and is refused once.
    QTest::keyClick(P.Editor(), Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClick(&Picker, Qt::Key_Escape);
    QCOMPARE(P.Editor()->Text(), std::string("(\"my.o\".\"qty\"1 + x)"));
    QTest::keyClick(P.Editor(), Qt::Key_Return, Qt::ShiftModifier);
    bool AllowChange = true;
    P.HideFieldList(AllowChange);
    QCOMPARE(AllowChange, false);
    QVERIFY(!Picker.isVisible());
    AllowChange = true;
    P.HideFieldList(AllowChange);
    QCOMPARE(AllowChange, true);
    QTest::keyClick(P.Editor(), Qt::Key_Return);
    QCOMPARE(Clause(*F.Parser, "WHERE"),
            std::string("WHERE\r\n  (\"t\".\"a\" = (\"my.o\".\"qty\"1 + x))\r\n"));
}

namespace {

struct TLookOwner : TKRCriterionPanelOwner
{
    TKROptions Options() const override { return { kroRowSelect }; }
    const TKRStyle &Style() const override { return LookStyle; }
    const TKRPalette &Palette() const override { return LookPalette; }
    TKRStyle LookStyle;
    TKRPalette LookPalette;
};

int CountColor(const QImage &Image, QRect Band, QColor Color)
{
    int Count = 0;
    for (int Y = Band.top(); Y <= Band.bottom(); ++Y)
        for (int X = Band.left(); X <= Band.right(); ++X)
            Count += Image.pixelColor(X, Y) == Color;
    return Count;
}

} // namespace

void TKRCriteriaTest::Grabs()
{
    TLookOwner Owner;
    Owner.LookStyle.SetButtonStyle(krs3DLook);
    QWidget Page;
    Page.resize(560, 240);
    auto Parser = test::NewParser();
    Parser->SetExpression("SELECT t.a, SUM(t.b) FROM t WHERE (t.a = 1) AND ((t.b BETWEEN 2 AND 3) OR "
                          "(NOT ((t.c IS NULL) AND (t.d LIKE 'x%')))) AND (t.e IN (1, 2, 3)) "
                          "GROUP BY t.a HAVING (SUM(t.b) > MAX(t.c))");
    TKRWherePanel Where(&Page, &Owner);
    Where.setGeometry(0, 0, 560, 240);
    Where.SetParser(Parser.get());
    Where.Activate();
    Where.RefreshRows();
    Where.SetHoverControl(Where.RootRow()->Controls(1));
    Where.AddCondition();
    Where.SetFocusControl(Where.RootRow()->Rows()->Items(1)->Rows()->Items(0)->Controls(5));
    Page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&Page));
    const QImage Image = Where.viewport()->grab().toImage();
    Image.save(QStringLiteral("/tmp/criteria-where.png"));
    const int H = Where.RowHeight();
    // The words in the item colour, the unfinished last line in the error colour, the focused
    // line's band in the active colour.
    QVERIFY(CountColor(Image, QRect(0, 0, 300, H), QColor(0, 0, 128)) > 20);
    QVERIFY(CountColor(Image, QRect(0, 8 * H, 300, H), QColor(255, 0, 0)) > 20);
    QVERIFY(CountColor(Image, QRect(1, 3 * H + 1, 500, H - 2), QColor(Qt::white)) > 1000);

    TKRHavingPanel Having(&Page, &Owner);
    Having.setGeometry(0, 0, 560, 80);
    Having.SetParser(Parser.get());
    Having.Activate();
    Having.RefreshRows();
    Having.raise();
    QTest::qWait(10);
    Having.viewport()->grab().save(QStringLiteral("/tmp/criteria-having.png"));
    Having.hide();

    // The in-place editor over a value, and the field picker under it.
    TDataSet Set;
    Set.AddField("price", ftInteger);
    Set.AddField("quantity", ftInteger);
    TKRWorkArea Area(&Page);
    Area.hide();
    Area.AddPanel("orders", &Set)->SetAlias("o");
    Where.SetWorkArea(&Area);
    QVERIFY(QTest::qWaitForWindowActive(&Page));
    TKRCriterionRow *Between = Where.RootRow()->Rows()->Items(1)->Rows()->Items(0);
    Where.OpenEditor(Between->Controls(6), Between->TopBound());
    QTest::keyClicks(Where.Editor(), QStringLiteral("t.limit"));
    QTest::keyClick(Where.Editor(), Qt::Key_Return, Qt::ShiftModifier);
    QVERIFY(Where.FieldList()->isVisible());
    Where.FieldList()->expandAll();
    Page.grab().save(QStringLiteral("/tmp/criteria-editing.png"));
    // The parts after the one edited made room for the text.
    QVERIFY(Between->Controls(6)->Width() >= Where.Editor()->width());
}

QTEST_MAIN(TKRCriteriaTest)
#include "KRCriteriaTest.moc"
