// The Selection page driven as a user drives it: sources, aggregates and output names chosen in the
// grid, rows deleted, moved and dropped from the diagram, DISTINCT, and what the statement says
// after each of these. A small stand-in answers the grid's events as the component does.
#include "editors/KRSelectGrid.h"

#include "KRDiagramFixture.h"
#include "editors/KRSelectPanel.h"
#include "resources/KRResource.h"

#include <QtTest>
#include <QtWidgets>

// Failure messages show the texts compared.
namespace QTest {
template <>
char *toString(const std::string &Text)
{
    return qstrdup(korvan::test::Visible(Text).c_str());
}
template <>
char *toString(const std::vector<std::string> &Texts)
{
    std::string Joined;
    for (const std::string &Text : Texts)
        Joined += "[" + Text + "] ";
    return qstrdup(Joined.c_str());
}
template <>
char *toString(const std::vector<std::vector<std::string>> &Rows)
{
    std::string Joined;
    for (const auto &Row : Rows) {
        Joined += "\n    ";
        for (const std::string &Text : Row)
            Joined += "[" + Text + "] ";
    }
    return qstrdup(Joined.c_str());
}
} // namespace QTest

using namespace korvan;
using test::TDiagram;
using test::TDiagramOwner;

namespace {

//! Table alias and field name of a source "ORDERS.ORDERNO".
std::pair<std::string, std::string> SplitSource(const std::string &Source)
{
    const std::size_t Dot = Source.find('.');
    if (Dot == std::string::npos)
        return { {}, Source };
    return { Source.substr(0, Dot), Source.substr(Dot + 1) };
}

/*!
 * The Selection page on its tab sheet beside a diagram, with the component's side of it: the
 * grid's events change the field definitions of the diagram's model, the grid is offered the
 * windows' fields.
 */
struct TSelectPage
{
    //! FollowModel: the model gets a table definition per window added (a diagram being drawn);
    //! without, the model is read from a statement and the windows only offer its fields.
    explicit TSelectPage(bool FollowModel = true)
        : D(&Owner, QSize(380, 280))
    {
        if (FollowModel)
            D.FollowModel(Owner);
        Panel = new TKRSelectPanel(&Sheet);
        Grid = Panel->Grid();
        Panel->SetParser(Owner.Parser.get());
        Grid->SetOnSelectField([this](auto &F, auto &A, auto &N) { HandleSelectField(F, A, N); });
        Grid->SetOnUnselectField([this](auto &F, auto &, auto &N) { HandleUnselectField(F, N); });
        Grid->SetOnDeleteField([this](auto &F, auto &, auto &N) { HandleUnselectField(F, N); });
        Grid->SetOnChangeFieldAlias([this](auto &F, auto &A, std::string &New) {
            if (TKRFieldDef *Field = FindFieldDef(F, A))
                Field->SetAlias(New);
        });
        // Side by side on the offscreen platform's 800 x 600 screen, where the drag finds them.
        Sheet.resize(390, 280);
        Sheet.move(D.Area.frameGeometry().right() + 10, 0);
        Sheet.show();
        QVERIFY(QTest::qWaitForWindowExposed(&Sheet));
    }

    TKRTable *Add(const std::string &Name, const std::vector<std::string> &Fields, int Left)
    {
        TKRTable *Table = D.Add(Name, Fields, Left, 20);
        RefreshSelectGridFields();
        return Table;
    }
    //! alias.field of every field row of every window.
    void RefreshSelectGridFields()
    {
        TStringList Fields;
        for (int T = D.Area.TableCount() - 1; T >= 0; --T) {
            const TKRTable *Window = D.Area.TableWindows(T);
            for (int I = 0; I < Window->Count(); ++I)
                Fields.Add(Window->GetAlias() + "." + Window->Items(I)->Name());
        }
        Grid->SetFields(Fields);
    }

    TKRFieldDef *FindFieldDef(const std::string &Source, const std::string &Alias)
    {
        TKRTableDef *Table = Owner.TableDefs()->FindByAlias(SplitSource(Source).first);
        return Table ? Table->FieldDefs()->FindByAlias(Alias) : nullptr;
    }
    void HandleSelectField(const std::string &Source, const std::string &Aggregate, const std::string &Alias)
    {
        const auto [TableAlias, FieldName] = SplitSource(Source);
        TKRTable *Window = TableAlias.empty() ? nullptr : D.Area.GetTable(TableAlias);
        if (!Window)
            return;
        TKRTableDef *Table = Owner.TableDefs()->FindByAlias(TableAlias);
        if (!Table)
            Table = test::AddTable(*Owner.Parser, Window->TableName(),
                    TableAlias == Window->TableName() ? std::string() : TableAlias);
        TKRFieldDef *Field = Alias.empty() ? nullptr : Table->FieldDefs()->FindByAlias(Alias);
        if (!Field)
            Field = Table->FieldDefs()->Add();
        Field->Arguments()->Clear();
        if (Aggregate.empty()) {
            Field->SetName(FieldName);
            Field->SetKind(fkIdentifier);
        } else {
            builder::MakeCall(*Field, Aggregate, FieldName);
        }
        Field->SetAlias(Alias.empty() ? FieldName : Alias);
        if (TKRListItem *Item = Window->GetFieldItem(FieldName))
            Item->UpdateCheck(true);
        Grid->SetCells(0, Grid->Row(), Field->Alias());
    }
    //! The field leaves the model, and its check mark its window.
    void HandleUnselectField(const std::string &Source, const std::string &Alias)
    {
        TKRFieldDef *Field = FindFieldDef(Source, Alias);
        if (!Field)
            return;
        const auto [TableAlias, FieldName] = SplitSource(Source);
        if (TKRTable *Window = D.Area.GetTable(TableAlias); Window)
            if (TKRListItem *Item = Window->GetFieldItem(FieldName))
                Item->UpdateCheck(false);
        Field->TableDef()->FieldDefs()->Delete(Field->Index());
    }

    std::string Sql() const { return test::Visible(Owner.Parser->GetExpression()); }
    QWidget *View() const { return Grid->viewport(); }
    //! The middle of a cell, in the viewport's coordinates.
    QPoint CellPoint(int ACol, int ARow) const
    {
        return Grid->CellRect(ACol, ARow).center() - Grid->viewport()->pos();
    }
    std::vector<std::string> Row(int ARow) const
    {
        return { Grid->Cells(0, ARow), Grid->Cells(1, ARow), Grid->Cells(2, ARow) };
    }
    //! Clicks a cell, opens its overlay with Enter, types Text over what it shows and presses Key.
    void Type(int ACol, int ARow, const QString &Text, Qt::Key Key = Qt::Key_Return)
    {
        QTest::mouseClick(View(), Qt::LeftButton, {}, CellPoint(ACol, ARow));
        QTest::keyClick(Grid, Qt::Key_Return);
        QWidget *Overlay = ACol == 0 ? static_cast<QWidget *>(Grid->Edit()) : Grid->ComboBox();
        QVERIFY(Overlay->isVisible());
        QCOMPARE(QApplication::focusWidget(), Overlay);
        QTest::keyClicks(Overlay, Text);
        QTest::keyClick(Overlay, Key);
    }
    //! The grid's own row drag: press on a row, move with the button held, release.
    void DragRow(QPoint From, QPoint To)
    {
        QTest::mousePress(View(), Qt::LeftButton, {}, From);
        QTest::mouseMove(View(), From + QPoint(0, 2));
        QTest::mouseMove(View(), To);
        QTest::mouseRelease(View(), Qt::LeftButton, {}, To);
    }
    //! Drags field row Index of Window from the diagram to the grid's viewport point To.
    void DropField(TKRTable *Window, int Index, QPoint To)
    {
        const QPoint From = D.RowPoint(Window, Index);
        D.Click(From);
        QTest::mousePress(D.View(), Qt::LeftButton, {}, From);
        D.MoveHeld(From + QPoint(8, 0));
        const QPoint Over = D.View()->mapFromGlobal(View()->mapToGlobal(To));
        D.MoveHeld(Over);
        QTest::mouseRelease(D.View(), Qt::LeftButton, {}, Over);
    }
    //! Right-clicks a cell and chooses Choice from the grid's menu.
    void Menu(QPoint At, const std::string &Choice, TKRScriptedPrompter &Prompter)
    {
        QTest::mouseClick(View(), Qt::RightButton, {}, At);
        Prompter.AnswerMenu(Choice);
        QContextMenuEvent Event(QContextMenuEvent::Mouse, At, View()->mapToGlobal(At));
        QApplication::sendEvent(View(), &Event);
    }

    TDiagramOwner Owner;
    TDiagram D;
    QWidget Sheet;
    TKRSelectPanel *Panel = nullptr;
    TKRSelectGrid *Grid = nullptr;
};

using TRows = std::vector<std::vector<std::string>>;

TRows Rows(const TSelectPage &P)
{
    TRows Result;
    for (int R = 1; R < P.Grid->RowCount(); ++R)
        Result.push_back(P.Row(R));
    return Result;
}

} // namespace

class TKRSelectGridTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9)); }

    // A new page shows the header and one blank row. Choosing a source in the blank row adds the
    // field and a new blank row; an aggregate chosen first waits for its source; a name typed in
    // column 0 renames the output; leaving a cell by clicking elsewhere stores it like Enter;
    // Escape stores nothing; a name alone in the blank row adds no row.
    void ChoosingSourcesAggregatesAndNames()
    {
        TSelectPage P;
        TKRTable *Orders = P.Add("ORDERS", { "ORDERNO", "CUSTNO", "TOTAL" }, 20);
        P.Add("ITEMS", { "ORDERNO", "QTY" }, 180);
        QCOMPARE(P.Grid->RowCount(), 2);
        QCOMPARE(P.Row(0), (std::vector<std::string>{ SOutputFieldName, SAggregate, SSourceFieldName }));
        QCOMPARE(P.Row(1), (std::vector<std::string>(3)));

        P.Type(2, 1, QStringLiteral("ORDERS.ORDERNO"));
        QCOMPARE(P.Grid->ComboBox()->count(), 5);
        QCOMPARE(P.Grid->ComboBox()->itemText(0), QStringLiteral("ORDERS.ORDERNO"));
        QVERIFY(!P.Grid->Editing());
        QCOMPARE(QApplication::focusWidget(), P.Grid);
        QCOMPARE(Rows(P), (TRows{ { "ORDERNO", "", "ORDERS.ORDERNO" }, { "", "", "" } }));
        QCOMPARE(P.Sql(), std::string("SELECT \\n  ORDERS.ORDERNO\\nFROM\\n  ORDERS,\\n  ITEMS\\n"));
        QVERIFY(Orders->Items(0)->Checked());

        P.Type(1, 2, QStringLiteral("SUM"));
        QCOMPARE(P.Grid->ComboBox()->itemText(0), QStringLiteral("AVG"));
        QCOMPARE(P.Grid->RowCount(), 3);
        P.Type(2, 2, QStringLiteral("ORDERS.TOTAL"));
        QCOMPARE(P.Row(2), (std::vector<std::string>{ "TOTAL", "SUM", "ORDERS.TOTAL" }));
        QCOMPARE(P.Sql(),
                std::string(
                        "SELECT \\n  ORDERS.ORDERNO,\\n  SUM(ORDERS.TOTAL) AS TOTAL\\nFROM\\n  ORDERS,\\n  "
                        "ITEMS\\nGROUP BY\\n  ORDERS.ORDERNO\\n"));

        P.Type(0, 1, QStringLiteral("Number"));
        QCOMPARE(P.Grid->Cells(0, 1), std::string("Number"));
        QCOMPARE(P.Sql(),
                std::string("SELECT \\n  ORDERS.ORDERNO AS Number,\\n  SUM(ORDERS.TOTAL) AS TOTAL\\nFROM\\n  "
                            "ORDERS,\\n  ITEMS\\nGROUP BY\\n  ORDERS.ORDERNO\\n"));

        // Escape: neither the cell nor the statement changes.
        const std::string Before = P.Sql();
        P.Type(2, 1, QStringLiteral("ITEMS.QTY"), Qt::Key_Escape);
        QCOMPARE(P.Grid->Cells(2, 1), std::string("ORDERS.ORDERNO"));
        QCOMPARE(P.Sql(), Before);

        // A double click opens the cell too; the combo box's list coming and going leaves it open;
        // clicking another cell stores what was typed.
        QTest::mouseDClick(P.View(), Qt::LeftButton, {}, P.CellPoint(2, 3));
        QVERIFY(P.Grid->ComboBox()->isVisible());
        QTest::keyClicks(P.Grid->ComboBox(), QStringLiteral("ITEMS.QTY"));
        P.Grid->ComboBox()->showPopup();
        P.Grid->ComboBox()->hidePopup();
        QVERIFY(P.Grid->Editing());
        QCOMPARE(P.Grid->RowCount(), 4);
        QTest::mouseClick(P.View(), Qt::LeftButton, {}, P.CellPoint(0, 1));
        QVERIFY(!P.Grid->Editing());
        QCOMPARE(Rows(P).at(2), (std::vector<std::string>{ "QTY", "", "ITEMS.QTY" }));
        QCOMPARE(P.Grid->RowCount(), 5);
        QVERIFY(P.Sql().find("SUM(ORDERS.TOTAL) AS TOTAL,\\n  ITEMS.QTY\\nFROM") != std::string::npos);

        // A name alone in the blank row is kept there and adds nothing.
        P.Type(0, 4, QStringLiteral("Later"));
        QCOMPARE(P.Grid->RowCount(), 5);
        QCOMPARE(P.Row(4), (std::vector<std::string>{ "Later", "", "" }));
        QVERIFY(P.Sql().find("Later") == std::string::npos);
    }

    // A source typed that names no field row of a window is refused with a message and the cell
    // goes back; so is an aggregate put around an expression the model keeps as text. Leaving such
    // a row unchanged tells nobody anything, so the expression stays in the statement as read.
    void SourcesThatNameNoWindowRow()
    {
        TSelectPage P(false);
        P.Owner.Parser->SetExpression("SELECT o.ORDERNO, CASE WHEN o.TOTAL > 10 THEN 1 ELSE 0 END AS BIG "
                                      "FROM ORDERS o");
        TKRTable *Orders = P.Add("ORDERS", { "ORDERNO", "TOTAL" }, 20);
        Orders->SetAlias("o");
        P.RefreshSelectGridFields();
        P.Panel->RefreshFields();
        const std::string Read = P.Sql();
        QCOMPARE(Rows(P),
                (TRows{ { "ORDERNO", "", "o.ORDERNO" },
                        { "BIG", "", "CASE WHEN o.TOTAL > 10 THEN 1 ELSE 0 END AS BIG" }, { "", "", "" } }));

        TKRScriptedPrompter Prompter;
        P.Type(2, 1, QStringLiteral("o.NOPE"));
        P.Type(2, 3, QStringLiteral("ORDERS.ORDERNO"));
        P.Type(1, 2, QStringLiteral("SUM"));
        std::vector<std::string> Messages;
        for (const auto &Question : Prompter.Questions())
            Messages.push_back(Question.Text);
        QCOMPARE(Messages,
                (std::vector<std::string>{ "Field o.NOPE not found", "Field ORDERS.ORDERNO not found",
                        "Field CASE WHEN o.TOTAL > 10 THEN 1 ELSE 0 END AS BIG not found" }));
        QCOMPARE(Prompter.Questions().at(0).Flags, MB_OK | MB_ICONERROR);
        QCOMPARE(P.Grid->Cells(2, 1), std::string("o.ORDERNO"));
        QCOMPARE(P.Grid->Cells(1, 2), std::string());
        QCOMPARE(P.Grid->RowCount(), 4);
        QCOMPARE(P.Sql(), Read);

        // Opened and left unchanged, or typed in another letter case than the window's.
        P.Type(2, 2, QString());
        P.Type(2, 1, QStringLiteral("O.total"));
        QCOMPARE(P.Grid->Cells(2, 1), std::string("o.TOTAL"));
        QCOMPARE(P.Sql(),
                std::string("SELECT \\n  CASE WHEN o.TOTAL > 10 THEN 1 ELSE 0 END AS BIG,\\n  o.TOTAL AS "
                            "ORDERNO\\nFROM\\n  ORDERS o\\n"));
    }

    // Rows read from a statement: a plain column, an aggregate over a column, COUNT(*), a call of
    // another function, an aggregate over an expression and a table without an alias.
    void RowsOfALoadedStatement()
    {
        TSelectPage P(false);
        P.Owner.Parser->SetExpression(
                "SELECT o.ORDERNO AS N, SUM(o.TOTAL) AS S, COUNT(*) AS C, upper(o.NAME) "
                "AS U, MAX(o.TOTAL * 2) AS M FROM ORDERS o");
        P.Panel->RefreshFields();
        QCOMPARE(Rows(P),
                (TRows{ { "N", "", "o.ORDERNO" }, { "S", "SUM", "o.TOTAL" }, { "C", "COUNT", "" },
                        { "U", "", "upper(o.NAME) AS U" }, { "M", "", "MAX(o.TOTAL * 2) AS M" },
                        { "", "", "" } }));
        QTest::mouseClick(P.View(), Qt::LeftButton, {}, P.CellPoint(1, 2));
        if (const char *Dir = std::getenv("KORVAN_GRAB_DIR"))
            P.Sheet.grab().save(QString::fromUtf8(Dir) + QStringLiteral("/selectgrid-rows.png"));
        QCOMPARE(P.Grid->GetFieldAlias("o.TOTAL"), std::string("S"));
        QCOMPARE(P.Grid->GetFieldAlias("o.NONE"), std::string());

        // Renaming the table's alias renames it wherever "o." stands in a source, once.
        P.Grid->ChangeAlias("ord", "o");
        QCOMPARE(P.Grid->Cells(2, 1), std::string("ord.ORDERNO"));
        QCOMPARE(P.Grid->Cells(2, 5), std::string("MAX(ord.TOTAL * 2) AS M"));
        P.Grid->ChangeAlias("o", "ord");

        // Unchecking a column drops every row that shows it; a refresh shows the model again.
        const TKRFieldDef *Plain = P.Owner.Parser->TableDefs()->FieldDefs(0);
        P.Grid->UnCheckField(Plain);
        QCOMPARE(P.Grid->Cells(0, 1), std::string("S"));
        // A reload closes an open overlay without storing it anywhere.
        QTest::mouseDClick(P.View(), Qt::LeftButton, {}, P.CellPoint(0, 1));
        QTest::keyClicks(P.Grid->Edit(), QStringLiteral("Lost"));
        P.Panel->Clear();
        QVERIFY(!P.Grid->Edit()->isVisible());
        QTest::mouseClick(P.View(), Qt::LeftButton, {}, P.CellPoint(0, 1));
        QCOMPARE(Rows(P), (TRows{ { "", "", "" } }));
        P.Panel->RefreshFields();
        QCOMPARE(P.Grid->RowCount(), 7);

        P.Owner.Parser->SetExpression("SELECT ORDERNO FROM ORDERS");
        P.Panel->RefreshFields();
        QCOMPARE(Rows(P), (TRows{ { "ORDERNO", "", "ORDERS.ORDERNO" }, { "", "", "" } }));
    }

    // The menu deletes the current row without asking; Ctrl+Delete asks and No keeps the row; the
    // blank row cannot be deleted. The field leaves the statement and its window's check mark goes.
    void DeletingRows()
    {
        TSelectPage P;
        TKRTable *Orders = P.Add("ORDERS", { "ORDERNO", "CUSTNO", "TOTAL" }, 20);
        for (int I = 0; I < 3; ++I)
            P.DropField(Orders, I, P.CellPoint(2, I + 1));
        QCOMPARE(P.Sql(),
                std::string("SELECT \\n  ORDERS.ORDERNO,\\n  ORDERS.CUSTNO,\\n  ORDERS.TOTAL\\nFROM\\n  "
                            "ORDERS\\n"));

        TKRScriptedPrompter Prompter;
        P.Menu(P.CellPoint(1, 2), SDeleteCurrentRow, Prompter);
        QCOMPARE(Prompter.Menus().at(0).at(0).Text, std::string(SDeleteCurrentRow));
        QVERIFY(Prompter.Questions().empty());
        QCOMPARE(P.Sql(), std::string("SELECT \\n  ORDERS.ORDERNO,\\n  ORDERS.TOTAL\\nFROM\\n  ORDERS\\n"));
        QVERIFY(!Orders->Items(1)->Checked());

        QTest::mouseClick(P.View(), Qt::LeftButton, {}, P.CellPoint(0, 2));
        Prompter.Answer(IDNO);
        QTest::keyClick(P.Grid, Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(Prompter.Questions().at(0).Text, std::string(SDeleteRowQuestion));
        QCOMPARE(Prompter.Questions().at(0).Caption, std::string(SConfirmation));
        QCOMPARE(Prompter.Questions().at(0).Flags, MB_ICONQUESTION | MB_YESNO);
        QCOMPARE(P.Grid->RowCount(), 4);
        Prompter.Answer(IDYES);
        QTest::keyClick(P.Grid, Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(Rows(P), (TRows{ { "ORDERNO", "", "ORDERS.ORDERNO" }, { "", "", "" } }));
        QCOMPARE(P.Sql(), std::string("SELECT \\n  ORDERS.ORDERNO\\nFROM\\n  ORDERS\\n"));
        // A plain Delete is the grid's to ignore.
        QTest::keyClick(P.Grid, Qt::Key_Delete);
        QCOMPARE(P.Grid->RowCount(), 3);

        P.Menu(P.CellPoint(0, 2), SDeleteCurrentRow, Prompter);
        QCOMPARE(Prompter.Questions().back().Text, std::string(SCantDeleteLastRow));
        QCOMPARE(P.Grid->RowCount(), 3);
        QCOMPARE(P.Sql(), std::string("SELECT \\n  ORDERS.ORDERNO\\nFROM\\n  ORDERS\\n"));
    }

    // Dragging a row changes the order shown and nothing else; a drop under the rows puts it
    // last, never under the blank row. A refresh shows the statement's order again.
    void DraggingARow()
    {
        TSelectPage P(false);
        P.Owner.Parser->SetExpression("SELECT A, B, C FROM T");
        P.Panel->RefreshFields();
        const std::string Read = P.Sql();
        P.DragRow(P.CellPoint(0, 1), P.CellPoint(1, 3));
        QCOMPARE(Rows(P),
                (TRows{ { "B", "", "T.B" }, { "C", "", "T.C" }, { "A", "", "T.A" }, { "", "", "" } }));
        QCOMPARE(P.Grid->Row(), 3);
        const QPoint Below = P.CellPoint(2, 4) + QPoint(0, 3 * TKRSelectGrid::DefaultRowHeight);
        P.DragRow(P.CellPoint(2, 1), Below);
        QCOMPARE(Rows(P),
                (TRows{ { "C", "", "T.C" }, { "A", "", "T.A" }, { "B", "", "T.B" }, { "", "", "" } }));
        // The blank row neither moves nor takes a row.
        P.DragRow(P.CellPoint(2, 4), P.CellPoint(2, 1));
        P.DragRow(P.CellPoint(2, 1), P.CellPoint(2, 4));
        QCOMPARE(P.Grid->Cells(0, 1), std::string("C"));
        QCOMPARE(P.Row(4), (std::vector<std::string>(3)));
        QCOMPARE(P.Sql(), Read);
        P.Panel->RefreshFields();
        QCOMPARE(P.Grid->Cells(0, 1), std::string("A"));
    }

    // A field dragged from the diagram onto a row replaces that row's field; onto the blank row it
    // is added; under the rows it replaces the last entry. Over the header it is not taken.
    void DroppingDiagramFields()
    {
        TSelectPage P;
        TKRTable *Orders = P.Add("ORDERS", { "ORDERNO", "CUSTNO" }, 20);
        TKRTable *Items = P.Add("ITEMS", { "ITEMNO", "QTY" }, 180);
        // Under the rows of an empty grid, the blank row takes the field.
        P.DropField(Orders, 0, P.CellPoint(1, 1) + QPoint(0, 60));
        P.DropField(Items, 1, P.CellPoint(0, 2));
        QCOMPARE(Rows(P),
                (TRows{ { "ORDERNO", "", "ORDERS.ORDERNO" }, { "QTY", "", "ITEMS.QTY" }, { "", "", "" } }));
        QCOMPARE(P.Sql(),
                std::string("SELECT \\n  ORDERS.ORDERNO,\\n  ITEMS.QTY\\nFROM\\n  ORDERS,\\n  ITEMS\\n"));

        P.DropField(Orders, 1, P.CellPoint(2, 1));
        QCOMPARE(P.Grid->Cells(2, 1), std::string("ORDERS.CUSTNO"));
        QVERIFY(!Orders->Items(0)->Checked());
        QVERIFY(Orders->Items(1)->Checked());
        P.DropField(Items, 0, P.CellPoint(2, 3) + QPoint(0, 40));
        QCOMPARE(Rows(P),
                (TRows{ { "CUSTNO", "", "ORDERS.CUSTNO" }, { "ITEMNO", "", "ITEMS.ITEMNO" },
                        { "", "", "" } }));
        QCOMPARE(P.Grid->Row(), 2);
        QCOMPARE(P.Sql(),
                std::string("SELECT \\n  ORDERS.CUSTNO,\\n  ITEMS.ITEMNO\\nFROM\\n  ORDERS,\\n  ITEMS\\n"));

        const QPoint Header = P.Grid->CellRect(1, 0).center();
        bool Accept = true;
        P.D.Click(P.D.RowPoint(Orders, 0));
        P.Grid->DragOver(&P.D.Area, Header, dsDragMove, Accept);
        QVERIFY(!Accept);
        P.Grid->DragOver(&P.D.Area, P.CellPoint(0, 1) + P.View()->pos(), dsDragMove, Accept);
        QVERIFY(Accept);
        QCOMPARE(P.Grid->DraggedItem(), Orders->Items(0));
        P.Grid->DragOver(&P.D.Area, Header, dsDragLeave, Accept);
        QCOMPARE(P.Grid->DraggedItem(), nullptr);
    }

    // The check box shows DISTINCT; a refresh sets it without writing the model, so MySQL's
    // DISTINCTROW survives; a click writes it.
    void DistinctCheckBox()
    {
        TSelectPage P(false);
        QCOMPARE(P.Panel->CheckBox()->text(), QString::fromUtf8(SSelectUniqueRecords));
        P.Owner.Parser->SetExpression("SELECT DISTINCT A FROM T");
        P.Panel->RefreshFields();
        QVERIFY(P.Panel->Distinct());
        QTest::mouseClick(
                P.Panel->CheckBox(), Qt::LeftButton, {}, QPoint(8, P.Panel->CheckBox()->height() / 2));
        QCOMPARE(P.Sql(), std::string("SELECT \\n  T.A\\nFROM\\n  T\\n"));
        QTest::mouseClick(
                P.Panel->CheckBox(), Qt::LeftButton, {}, QPoint(8, P.Panel->CheckBox()->height() / 2));
        QCOMPARE(P.Sql(), std::string("SELECT DISTINCT \\n  T.A\\nFROM\\n  T\\n"));

        auto MySQL = DialectByName("mysql").Make({ .QuoteIdentifiers = false, .SQLDialect = {} });
        MySQL->SetExpression("SELECT DISTINCTROW A FROM T");
        P.Panel->SetParser(MySQL.get());
        P.Panel->RefreshFields();
        QVERIFY(!P.Panel->Distinct());
        QCOMPARE(test::Visible(MySQL->GetExpression()),
                std::string("SELECT DISTINCTROW \\n  T.A\\nFROM\\n  T\\n"));
        P.Panel->SetDistinct(true);
        QCOMPARE(test::Visible(MySQL->GetExpression()),
                std::string("SELECT DISTINCTROW \\n  T.A\\nFROM\\n  T\\n"));
        P.Panel->SetParser(nullptr);
        QCOMPARE(P.Grid->Aggregates().Count(), 0);
    }

    // The columns take 40 % and 10 % of the client width (halves rounded to even) and the source
    // column the rest; without a parent neither the grid nor the panel is made.
    void LayoutAndParents()
    {
        TSelectPage P(false);
        for (const auto &[Client, Name, Aggregate] :
                { std::tuple{ 305, 122, 30 }, std::tuple{ 315, 126, 32 } }) {
            const int Frame = P.Sheet.width() - P.Grid->viewport()->width();
            P.Sheet.resize(Client + Frame, 260);
            QTRY_COMPARE(P.Grid->viewport()->width(), Client);
            QCOMPARE(P.Grid->columnWidth(0), Name);
            QCOMPARE(P.Grid->columnWidth(1), Aggregate);
            QCOMPARE(P.Grid->columnWidth(2), Client - Name - Aggregate - 2);
        }
        QCOMPARE(P.Grid->rowHeight(0), TKRSelectGrid::DefaultRowHeight);
        try {
            TKRSelectGrid Orphan(nullptr);
            QFAIL("a grid without a parent");
        } catch (const Exception &E) {
            QCOMPARE(E.Message(), std::string(SInvalidSelectGridParent));
        }
        try {
            TKRSelectPanel Orphan(nullptr);
            QFAIL("a panel without a parent");
        } catch (const Exception &E) {
            QCOMPARE(E.Message(), std::string(SInvalidOrderPanelParent));
        }
    }

    // The page as the user sees it with the source list open over a cell.
    void PageWithAnOpenOverlay()
    {
        TSelectPage P;
        TKRTable *Orders = P.Add("ORDERS", { "ORDERNO", "CUSTNO", "TOTAL" }, 20);
        P.DropField(Orders, 0, P.CellPoint(2, 1));
        P.Type(1, 2, QStringLiteral("SUM"));
        P.Type(2, 2, QStringLiteral("ORDERS.TOTAL"));
        QTest::mouseClick(P.View(), Qt::LeftButton, {}, P.CellPoint(2, 3));
        QTest::keyClick(P.Grid, Qt::Key_Return);
        QTest::keyClicks(P.Grid->ComboBox(), QStringLiteral("ORDERS.C"));
        const QRect Cell = P.Grid->CellRect(2, 3).translated(P.Grid->pos());
        QCOMPARE(P.Grid->ComboBox()->geometry().topLeft(), Cell.topLeft());
        if (const char *Dir = std::getenv("KORVAN_GRAB_DIR"))
            P.Sheet.grab().save(QString::fromUtf8(Dir) + QStringLiteral("/selectgrid-overlay.png"));
        QTest::keyClick(P.Grid->ComboBox(), Qt::Key_Escape);
        QTest::mouseDClick(P.View(), Qt::LeftButton, {}, P.CellPoint(0, 2));
        QCOMPARE(P.Grid->Edit()->geometry(),
                QRect(P.Grid->CellRect(0, 2).translated(P.Grid->pos()).topLeft(),
                        QSize(P.Grid->columnWidth(0), TKRSelectGrid::DefaultRowHeight)));
        QCOMPARE(P.Grid->Edit()->selectedText(), QStringLiteral("TOTAL"));
        if (const char *Dir = std::getenv("KORVAN_GRAB_DIR"))
            P.Sheet.grab().save(QString::fromUtf8(Dir) + QStringLiteral("/selectgrid-edit.png"));
    }
};

QTEST_MAIN(TKRSelectGridTest)
#include "KRSelectGridTest.moc"
