// The query builder control end to end, as an application and its user drive it: statements laid
// out in the diagram and on every page, edits in each view and the statement they give, the
// application's events (refusing, replacing the statement from inside them), the pages and the
// change signal.
#include "component/KRKorvan.h"

#include "KRScriptedPrompter.h"
#include "KRTestSupport.h"
#include "component/KRTableList.h"
#include "diagram/KRLink.h"
#include "diagram/KRLinkProp.h"
#include "diagram/KRListItem.h"
#include "diagram/KRTable.h"
#include "dialects/qt/KRInterBaseKorvan.h"
#include "dialects/qt/KRMySQLKorvan.h"
#include "editors/KRCriterionPanel.h"
#include "editors/KRCriterionRow.h"
#include "editors/KROrderPanel.h"
#include "editors/KRSelectGrid.h"
#include "editors/KRSelectPanel.h"
#include "editors/KRTreeViewEx.h"
#include "framework/KRDataSet.h"
#include "framework/KREdgeText.h"
#include "framework/KRText.h"
#include "parser/KROperators.h"
#include "parser/KRParserError.h"
#include "parser/KRTableDefs.h"
#include "schema/KRSqlSchema.h"

#include <map>

#include <QtSql>
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

//! The application's side: the fields of the tables it knows, and what it allows.
struct TApplication
{
    void Table(const std::string &Name, const std::vector<std::pair<std::string, TFieldType>> &Fields)
    {
        auto Set = std::make_unique<TDataSet>();
        for (const auto &[Field, Type] : Fields)
            Set->AddField(Field, Type);
        Sets[Name] = std::move(Set);
    }
    void Attach(TCustomKorvan &Korvan)
    {
        Korvan.SetOnGetTableFields([this](const std::string &Name, TDataSet *&DataSet, TParams *&) {
            Asked.push_back(Name);
            // Names are found as a database finds them: letter case ignored.
            for (const auto &[Known, Set] : Sets)
                if (!DataSet && SameText(Known, Name))
                    DataSet = Set.get();
        });
    }
    std::map<std::string, std::unique_ptr<TDataSet>> Sets;
    std::vector<std::string> Asked;
};

//! A shop: orders, customers and their items.
void DefineShop(TApplication &App)
{
    App.Table("orders",
            { { "id", ftInteger }, { "custno", ftInteger }, { "total", ftFloat }, { "odate", ftDate } });
    App.Table("customers", { { "custno", ftInteger }, { "name", ftString }, { "city", ftString } });
    App.Table("items", { { "orderid", ftInteger }, { "qty", ftInteger }, { "price", ftFloat } });
}

//! What the core alone writes for Text.
std::string CoreText(const TCustomKorvan &Korvan, const std::string &Text)
{
    std::unique_ptr<TKRSelectParser> Parser = Korvan.CreateParser();
    Parser->Scanner()->SetQuoteIdentifiers(Korvan.Parser()->Scanner()->QuoteIdentifiers());
    if (auto *IB = dynamic_cast<TKRIBSelectParser *>(Parser.get()))
        IB->SetSQLServer(static_cast<TKRIBSelectParser *>(Korvan.Parser())->SQLServer());
    Parser->SetExpression(LfToCrLf(Text));
    return Parser->GetExpression();
}

std::string Checked(const TKRTable &Window)
{
    std::string Result;
    for (int I = 0; I < Window.Count(); ++I)
        if (Window.Items(I)->Checked())
            Result += (Result.empty() ? "" : ",") + Window.Items(I)->Name();
    return Result;
}

std::string GridRows(const TKRSelectGrid &Grid)
{
    std::string Result;
    for (int Row = 1; Row < Grid.RowCount() - 1; ++Row)
        Result += Grid.Cells(0, Row) + "|" + Grid.Cells(1, Row) + "|" + Grid.Cells(2, Row) + "\n";
    return Result;
}

std::string SortedRows(const TKROrderPanel &Panel)
{
    std::string Result;
    for (int I = 0; I < Panel.lvOrder->topLevelItemCount(); ++I)
        Result += Panel.lvOrder->topLevelItem(I)->text(0).toStdString() + " "
                + Panel.lvOrder->topLevelItem(I)->text(1).toStdString() + "\n";
    return Result;
}

int ConditionCount(TKRCriterionPanel &Panel)
{
    int Count = 0;
    Panel.ForEachCondition([&Count](TKRCriterionRow &) { ++Count; });
    return Count;
}

//! A control on screen with the shop behind it.
struct TShop
{
    explicit TShop(std::unique_ptr<TCustomKorvan> Control = nullptr)
        : K(Control ? std::move(Control) : std::make_unique<TSQLKorvan>())
    {
        DefineShop(App);
        App.Attach(*K);
        K->SetQuoteIdentifiers(false);
        K->resize(1000, 640);
        K->show();
        QVERIFY(QTest::qWaitForWindowExposed(K.get()));
        QObject::connect(K.get(), &TCustomKorvan::SQLChanged, K.get(), [this] { ++Signals; });
    }
    std::string Sql() const { return test::Visible(K->GetSQL()); }
    TKRTable *Window(const std::string &Alias) const { return K->WorkArea()->GetTable(Alias); }
    QWidget *View() const { return K->WorkArea()->viewport(); }
    //! A click on the check box of row Index of Window, as the user makes it.
    void ClickCheck(const TKRTable *Window, int Index)
    {
        const QRect Row = Window->GetItemRect(Window->Items(Index));
        const QPoint At(Row.left() + 8, Row.center().y());
        QMouseEvent Move(QEvent::MouseMove, At, View()->mapToGlobal(At), Qt::NoButton, Qt::NoButton, {});
        QApplication::sendEvent(View(), &Move);
        QTest::mouseClick(View(), Qt::LeftButton, {}, At);
        QCoreApplication::processEvents();
    }
    //! Opens the grid's overlay on a cell, types Text and presses Return.
    void TypeInGrid(int ACol, int ARow, const QString &Text)
    {
        TKRSelectGrid *Grid = K->SelectPanel()->Grid();
        Grid->SetCurrentCell(ACol, ARow);
        Grid->HandleEditText(ACol, ARow);
        QWidget *Overlay = ACol == 0 ? static_cast<QWidget *>(Grid->Edit()) : Grid->ComboBox();
        QVERIFY(Overlay->isVisible());
        if (auto *Combo = qobject_cast<QComboBox *>(Overlay))
            Combo->setEditText(Text);
        else
            Grid->Edit()->setText(Text);
        QTest::keyClick(Overlay, Qt::Key_Return);
        QCoreApplication::processEvents();
    }

    TApplication App;
    std::unique_ptr<TCustomKorvan> K;
    int Signals = 0;
};

} // namespace

class TKRKorvanTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A statement over three tables reaches every view, and the control writes it as the core does.
    void LaysOutAStatementInEveryView()
    {
        TShop Shop;
        const std::string Text = "SELECT o.id, c.name, SUM(i.qty) AS pieces\nFROM orders o\n"
                                 "INNER JOIN customers c ON o.custno = c.custno\n"
                                 "LEFT OUTER JOIN items i ON o.id >= i.orderid\n"
                                 "WHERE o.total > 10 AND c.city = 'Oslo'\nGROUP BY o.id, c.name\n"
                                 "HAVING SUM(i.qty) > 2\nORDER BY c.name DESC, o.id";
        Shop.K->SetSQL(Text);
        QCOMPARE(Shop.K->GetSQL(), CoreText(*Shop.K, Text));
        QCOMPARE(Shop.Signals, 1);
        QCOMPARE(Shop.App.Asked, (std::vector<std::string>{ "orders", "customers", "items" }));

        TKRWorkArea &Area = *Shop.K->WorkArea();
        QCOMPARE(Area.TableCount(), 3);
        QCOMPARE(Shop.Window("o")->GetCaption(), std::string("orders (o)"));
        QCOMPARE(Checked(*Shop.Window("o")), std::string("id"));
        QCOMPARE(Checked(*Shop.Window("c")), std::string("name"));
        // An aggregate's column is not a checked output row.
        QCOMPARE(Checked(*Shop.Window("i")), std::string());
        // Windows in FROM order, left to right, apart.
        QVERIFY(Shop.Window("o")->Left() + Shop.Window("o")->Width() < Shop.Window("c")->Left());

        QCOMPARE(Area.LinkCount(), 2);
        const TKRLink *Inner = Area.Links(0);
        const TKRLink *Outer = Area.Links(1);
        QCOMPARE(
                Inner->FirstItem()->Name() + "-" + Inner->SecondItem()->Name(), std::string("custno-custno"));
        QCOMPARE(Inner->Join()->Kind(), krjInnerJoin);
        QCOMPARE(Inner->Condition(), 0);
        QCOMPARE(Outer->Join()->Kind(), krjLOuterJoin);
        // The comparison is the join's own (">=" is entry 3 of the dialog's list).
        QCOMPARE(Outer->Condition(), 3);

        QCOMPARE(GridRows(*Shop.K->SelectPanel()->Grid()),
                std::string("id||o.id\nname||c.name\npieces|SUM|i.qty\n"));
        QCOMPARE(SortedRows(*Shop.K->OrderPanel()), std::string("c.name Descending\no.id Ascending\n"));
        QCOMPARE(ConditionCount(*Shop.K->WherePanel()), 2);
        QCOMPARE(ConditionCount(*Shop.K->HavingPanel()), 1);

        // Clear empties everything and says so once.
        Shop.K->Clear();
        QCOMPARE(Shop.Signals, 2);
        QCOMPARE(Area.TableCount(), 0);
        QCOMPARE(Shop.K->GetSQL(), std::string());
        QCOMPARE(ConditionCount(*Shop.K->WherePanel()), 0);
        QCOMPARE(Shop.K->SelectPanel()->Grid()->RowCount(), 2);
    }

    // The dialect controls read and write their own forms through the diagram unchanged.
    void DialectControlsRoundTrip()
    {
        {
            auto IB = std::make_unique<TInterBaseKorvan>();
            IB->SetSQLServer(TInterBaseKorvan::qssFireBird);
            TShop Shop(std::move(IB));
            // The server reports its names in capitals.
            Shop.App.Table("ORDERS", { { "ID", ftInteger }, { "CUSTNO", ftInteger } });
            Shop.App.Table("CUSTOMERS", { { "CUSTNO", ftInteger }, { "NAME", ftString } });
            const std::string Text = "SELECT FIRST 10 SKIP 5 o.id, c.name FROM orders o JOIN customers c ON "
                                     "o.custno = c.custno WHERE c.name STARTING WITH 'A' ROWS 3";
            Shop.K->SetSQL(Text);
            QCOMPARE(Shop.K->GetSQL(), CoreText(*Shop.K, Text));
            QCOMPARE(Shop.K->WorkArea()->LinkCount(), 1);
            QVERIFY(Shop.Sql().starts_with("SELECT FIRST 10 SKIP 5 "));
            // Dialect 1 has no identifier quotes; dialect 3 quotes.
            auto &Control = static_cast<TInterBaseKorvan &>(*Shop.K);
            QCOMPARE(Control.SQLDialect(), TInterBaseKorvan::qibDialect3);
            Control.SetSQLDialect(TInterBaseKorvan::qibDialect1);
            QCOMPARE(Control.SQLDialect(), TInterBaseKorvan::qibDialect1);
            QVERIFY(Control.IsSQLDialectStored());
            QCOMPARE(Control.property("SQLServer").toInt(), int(TInterBaseKorvan::qssFireBird));
        }
        {
            TShop Shop(std::make_unique<TMySQLKorvan>());
            Shop.K->SetQuoteIdentifiers(true);
            const std::string Text =
                    "SELECT DISTINCTROW o.id, COUNT(*) FROM orders o LEFT JOIN items i ON i.orderid "
                    "= o.id GROUP BY o.id LIMIT 5, 10";
            Shop.K->SetSQL(Text);
            QCOMPARE(Shop.K->GetSQL(), CoreText(*Shop.K, Text));
            QVERIFY(Shop.Sql().find("`o`.`id`") != std::string::npos);
            // Showing the DISTINCT box from the model does not turn DISTINCTROW into DISTINCT.
            Shop.K->SetActivePage(1);
            QCOMPARE(Shop.K->GetSQL(), CoreText(*Shop.K, Text));
        }
    }

    // A user builds a query in every view; each edit changes the statement exactly.
    void EditsInEveryViewChangeTheStatement()
    {
        TKRScriptedPrompter Prompter;
        TShop Shop;
        Shop.K->SetSQL("SELECT o.id FROM orders o");
        QCOMPARE(Shop.Sql(), std::string("SELECT \\n  o.id\\nFROM\\n  orders o\\n"));
        const int Before = Shop.Signals;

        // A check mark adds the column; the signal follows the click once.
        Shop.ClickCheck(Shop.Window("o"), 2);
        QCOMPARE(Shop.Sql(), std::string("SELECT \\n  o.id,\\n  o.total\\nFROM\\n  orders o\\n"));
        QCOMPARE(Shop.Signals, Before + 1);

        // A new window and a link drawn between two rows.
        TKRTable *Customers = Shop.K->TableList()->AddTable("customers", Shop.App.Sets["customers"].get());
        QVERIFY(Customers);
        QVERIFY(Shop.K->WorkArea()->AddLink(Shop.Window("o"), Customers,
                Shop.Window("o")->GetFieldItem("custno"), Customers->GetFieldItem("custno")));
        Customers->Items(1)->SetCheck(true);
        QCOMPARE(Shop.Sql(),
                std::string("SELECT \\n  o.id,\\n  o.total,\\n  customers.name\\nFROM\\n  orders o \\n"
                            "  INNER JOIN customers ON (o.custno = customers.custno)\\n"));

        // The link dialog makes it a left outer join on ">=".
        Prompter.AnswerDialog(QDialog::Accepted, [](QDialog &Shown) {
            auto &Dialog = dynamic_cast<TfmLinkProp &>(Shown);
            Dialog.cbConditions->setCurrentIndex(3);
            Dialog.chLeftOuter->setChecked(true);
        });
        TKRLink *Link = Shop.K->WorkArea()->Links(0);
        QVERIFY(Shop.K->WorkArea()->LinkEditor()->Execute(*Link));
        QCOMPARE(Shop.Sql(),
                std::string("SELECT \\n  o.id,\\n  o.total,\\n  customers.name\\nFROM\\n  orders o \\n"
                            "  LEFT OUTER JOIN customers ON (o.custno >= customers.custno)\\n"));

        // The grid: an aggregate around o.total, then a new name for it.
        QVERIFY(Shop.K->SetActivePage(1));
        TKRSelectGrid *Grid = Shop.K->SelectPanel()->Grid();
        QCOMPARE(GridRows(*Grid), std::string("id||o.id\ntotal||o.total\nname||customers.name\n"));
        Shop.TypeInGrid(1, 2, QStringLiteral("SUM"));
        Shop.TypeInGrid(0, 2, QStringLiteral("revenue"));
        QCOMPARE(GridRows(*Grid), std::string("id||o.id\nrevenue|SUM|o.total\nname||customers.name\n"));
        QVERIFY(!Shop.Window("o")->GetFieldItem("total")->Checked());
        QCOMPARE(Shop.Sql(),
                std::string("SELECT \\n  o.id,\\n  SUM(o.total) AS revenue,\\n  customers.name\\nFROM\\n  "
                            "orders o \\n"
                            "  LEFT OUTER JOIN customers ON (o.custno >= customers.custno)\\nGROUP BY\\n  "
                            "o.id,\\n"
                            "  customers.name\\n"));

        // A condition on the Criteria page.
        QVERIFY(Shop.K->SetActivePage(0));
        TKRWherePanel &Where = *Shop.K->WherePanel();
        Where.SetHoverControl(Where.RootRow()->Controls(1));
        Where.AddCondition();
        TKRCriterionRow *Line = Where.RootRow()->Rows()->Items(0);
        Line->SetField("customers.city");
        Line->SetArgument(0, "'Oslo'");
        QVERIFY(Shop.Sql().find("WHERE\\n  (customers.city = 'Oslo')\\nGROUP BY") != std::string::npos);

        // Sorting by the customer's name, descending.
        QVERIFY(Shop.K->SetActivePage(3));
        TKROrderPanel &Order = *Shop.K->OrderPanel();
        const auto Found = Order.lbFields->findItems(QStringLiteral("customers.name"), Qt::MatchExactly);
        QCOMPARE(Found.size(), 1);
        Order.lbFields->setCurrentItem(Found.first());
        Order.HandleAddClick();
        Order.lvOrder->setCurrentItem(Order.lvOrder->topLevelItem(0));
        Order.HandleChangeOrder();
        QVERIFY(Shop.Sql().ends_with("ORDER BY\\n  customers.name DESC\\n"));

        // Closing the customers window takes its column, join, condition stays as text, sort entry goes.
        Customers->Close();
        QCOMPARE(Shop.K->WorkArea()->TableCount(), 1);
        QVERIFY(Shop.Sql().find("JOIN") == std::string::npos);
        QVERIFY2(Shop.Sql().find("ORDER BY") == std::string::npos, Shop.Sql().c_str());
        QVERIFY(Shop.Sql().find("customers.name\\n") == std::string::npos);
        QCOMPARE(Prompter.Unanswered(), 0);
    }

    // The application refuses, lacks or replaces things while a statement is laid out; the control
    // stays consistent and never loses what the statement said.
    void ApplicationEventsLeaveAConsistentControl()
    {
        const std::string Text =
                "SELECT o.id, c.name, i.qty FROM orders o INNER JOIN customers c ON o.custno = "
                "c.custno INNER JOIN items i ON o.id = i.orderid";
        {
            // No fields for customers: orders and items still get windows (the tables after it
            // are not hidden), and the statement keeps customers and its join.
            TShop Shop;
            Shop.App.Sets.erase("customers");
            Shop.K->SetSQL(Text);
            QCOMPARE(Shop.K->WorkArea()->TableCount(), 2);
            QVERIFY(Shop.Window("i"));
            QCOMPARE(Shop.K->WorkArea()->LinkCount(), 1);
            QCOMPARE(Shop.K->GetSQL(), CoreText(*Shop.K, Text));
        }
        {
            // Refused windows and links are left out of the diagram, not out of the statement.
            TShop Shop;
            Shop.K->SetOnAddRemoveTable([](QObject *Sender, TKRTable *Table, TKRAction, bool &Accept) {
                QVERIFY(qobject_cast<TCustomKorvan *>(Sender));
                Accept = Table->TableName() != "items";
            });
            int LinksAsked = 0;
            Shop.K->SetOnAddRemoveLink([&LinksAsked](QObject *, TKRLink *, TKRAction, bool &Accept) {
                ++LinksAsked;
                Accept = false;
            });
            Shop.K->SetSQL(Text);
            QCOMPARE(Shop.K->WorkArea()->TableCount(), 2);
            QCOMPARE(Shop.K->WorkArea()->LinkCount(), 0);
            QCOMPARE(LinksAsked, 1);
            QCOMPARE(Shop.K->GetSQL(), CoreText(*Shop.K, Text));
        }
        {
            // An application that sets another statement from inside its own event: the control
            // shows that statement and nothing of the one it was laying out.
            TShop Shop;
            bool Replaced = false;
            Shop.K->SetOnAddRemoveTable([&](QObject *, TKRTable *Table, TKRAction, bool &) {
                if (Table->TableName() == "customers" && !Replaced) {
                    Replaced = true;
                    Shop.K->SetSQL("SELECT items.qty FROM items");
                }
            });
            Shop.K->SetSQL(Text);
            QVERIFY(Replaced);
            QCOMPARE(Shop.K->WorkArea()->TableCount(), 1);
            QCOMPARE(Shop.K->WorkArea()->TableWindows(0)->TableName(), std::string("items"));
            QCOMPARE(Checked(*Shop.K->WorkArea()->TableWindows(0)), std::string("qty"));
            QCOMPARE(Shop.Sql(), std::string("SELECT \\n  items.qty\\nFROM\\n  items\\n"));
            QCOMPARE(GridRows(*Shop.K->SelectPanel()->Grid()), std::string("qty||items.qty\n"));

            // And while a window is being closed: the new statement stands, nothing is closed twice.
            Shop.K->SetSQL(Text);
            Shop.K->SetOnAddRemoveTable([&](QObject *, TKRTable *, TKRAction Action, bool &) {
                if (Action == kraRemove)
                    Shop.K->SetSQL("SELECT o.id FROM orders o");
            });
            Shop.Window("c")->Close();
            QCOMPARE(Shop.K->WorkArea()->TableCount(), 1);
            QCOMPARE(Shop.Sql(), std::string("SELECT \\n  o.id\\nFROM\\n  orders o\\n"));

            // The same from inside OnGetTableFields, and a Clear there.
            Shop.K->SetOnAddRemoveTable({});
            Shop.K->SetOnGetTableFields([&](const std::string &Name, TDataSet *&DataSet, TParams *&) {
                DataSet = Shop.App.Sets[Name].get();
                if (Name == "customers")
                    Shop.K->Clear();
            });
            Shop.K->SetSQL(Text);
            QCOMPARE(Shop.K->WorkArea()->TableCount(), 0);
            QCOMPARE(Shop.K->GetSQL(), std::string());
        }
    }

    // A statement that does not parse changes nothing and is reported as the application asked.
    void ParseErrorsKeepTheDiagram()
    {
        TShop Shop;
        Shop.K->SetSQL("SELECT o.id FROM orders o");
        const std::string Before = Shop.K->GetSQL();
        const int Signals = Shop.Signals;
        bool Raised = false;
        try {
            Shop.K->SetSQL("SELECT o.id FROM orders o WHERE");
        } catch (const EKRParserError &) {
            Raised = true;
        }
        QVERIFY(Raised);
        QCOMPARE(Shop.K->GetSQL(), Before);
        QCOMPARE(Shop.K->WorkArea()->TableCount(), 1);
        QCOMPARE(Shop.Signals, Signals);

        std::string Message;
        TPersistent *ErrorSender = nullptr;
        Shop.K->SetOnParserError(
                [&](TPersistent *Sender, const std::string &Error, const std::string &, int, int) {
                    ErrorSender = Sender;
                    Message = Error;
                });
        Shop.K->SetSQL("SELECT o.id FROM orders o WHERE o.id = = 2");
        QCOMPARE(Message, std::string("Invalid token '=' at position 40 of line 1."));
        QVERIFY(ErrorSender == Shop.K->Parser());
        QCOMPARE(Shop.K->GetSQL(), Before);
        QCOMPARE(Checked(*Shop.Window("o")), std::string("id"));
        // Line feeds from a Qt text box count as line breaks.
        Shop.K->SetSQL("SELECT o.id\nFROM orders o\nWHERE o.id = = 2");
        QCOMPARE(Message, std::string("Invalid token '=' at position 14 of line 3."));
    }

    // A column read without its table over several tables goes to the one window that has it.
    void UnqualifiedColumnsFindTheirWindow()
    {
        TShop Shop;
        Shop.K->SetSQL("SELECT name, custno, nowhere FROM orders o, customers c");
        // name: customers only; custno: both (stays unqualified); nowhere: none (stays).
        QCOMPARE(Shop.Sql(),
                std::string("SELECT \\n  c.name,\\n  custno,\\n  nowhere\\nFROM\\n  orders o,\\n  "
                            "customers c\\n"));
        QCOMPARE(Checked(*Shop.Window("c")), std::string("name"));
        QCOMPARE(Checked(*Shop.Window("o")), std::string());
        // A qualified column the window lacks leaves the statement; one typed in capitals stays.
        Shop.K->SetSQL("SELECT o.id, o.missing, o.TOTAL FROM orders o");
        QCOMPARE(Shop.Sql(), std::string("SELECT \\n  o.id,\\n  o.TOTAL\\nFROM\\n  orders o\\n"));
        QCOMPARE(Checked(*Shop.Window("o")), std::string("id,total"));
    }

    // Grid handlers split a file table's extension off with the table, not the field.
    void GridTextsKeepFileExtensionsWithTheTable()
    {
        TShop Shop;
        Shop.App.Table("parts.db", { { "id", ftInteger }, { "name", ftString } });
        TKRTable *Parts = Shop.K->TableList()->AddTable("parts.db", Shop.App.Sets["parts.db"].get());
        QCOMPARE(Parts->GetAlias(), std::string("parts.db"));
        Shop.K->HandleSelectField("parts.db.id", "", "id");
        QVERIFY(Parts->GetFieldItem("id")->Checked());
        const TKRTableDef *Def = Shop.K->Parser()->TableDefs()->FindByAlias("parts.db");
        QVERIFY(Def);
        QCOMPARE(Def->FieldDefs()->Count(), 1);
        QCOMPARE(Def->FieldDefs()->Items(0)->Name(), std::string("id"));
        // Taking it out again finds the same window: the extension is not a field.
        Shop.K->HandleDeleteField("parts.db.id", "id");
        QCOMPARE(Def->FieldDefs()->Count(), 0);
        QVERIFY(!Parts->GetFieldItem("id")->Checked());
    }

    void PagesAndSplitter()
    {
        TShop Shop;
        TCustomKorvan &K = *Shop.K;
        QTabWidget &Pages = *K.PageCtrl();
        QCOMPARE(Pages.count(), 4);
        QCOMPARE(Pages.tabText(2), QStringLiteral("Grouping criteria"));
        QCOMPARE(K.TabHeight(), 170);
        QCOMPARE(Pages.height(), 170);
        // Every editor fills its page.
        for (QWidget *View :
                { static_cast<QWidget *>(K.WherePanel()), static_cast<QWidget *>(K.OrderPanel()) }) {
            K.SetActivePage(View == K.WherePanel() ? 0 : 3);
            QCOMPARE(View->size(), View->parentWidget()->size());
        }
        K.SetTabHeight(150);
        QCOMPARE(K.TabHeight(), 170);
        K.SetTabHeight(200);
        QCOMPARE(Pages.height(), 200);
        QVERIFY(K.IsTabHeightStored());
        K.ResetTabHeight();
        QCOMPARE(Pages.height(), 170);

        // Hiding the active page shows the next one, or the previous one for the last page.
        QVERIFY(K.SetActivePage(1));
        K.SetVisibleTabs(
                TCustomKorvan::krtCriterions | TCustomKorvan::krtGroupCriterions | TCustomKorvan::krtSorting);
        QCOMPARE(K.ActivePage(), 2);
        K.SetVisibleTabs(TCustomKorvan::krtCriterions | TCustomKorvan::krtSelection);
        QCOMPARE(K.ActivePage(), 1);
        QVERIFY(K.IsVisibleTabsStored());
        K.SetVisibleTabs({});
        QVERIFY(Pages.isHidden());
        QVERIFY(K.Splitter()->handle(1)->isHidden());
        QCOMPARE(K.ActivePage(), -1);
        K.SetVisibleTabs(TCustomKorvan::krtSorting);
        QVERIFY(!Pages.isHidden());
        QVERIFY(!K.Splitter()->handle(1)->isHidden());
        QCOMPARE(K.ActivePage(), 3);
        K.ResetVisibleTabs();

        // While the field picker is open, the first click on another tab only closes it.
        QVERIFY(K.SetActivePage(0));
        K.SetSQL("SELECT o.id FROM orders o WHERE o.id = 1");
        TKRWherePanel &Where = *K.WherePanel();
        TKRCriterionRow *Line = Where.RootRow()->Rows()->Items(0);
        Where.OpenEditor(Line->Controls(2), 0);
        Where.InsertField();
        QVERIFY(Where.FieldList()->isVisible());
        QTabBar *Bar = Pages.tabBar();
        QTest::mouseClick(Bar, Qt::LeftButton, {}, Bar->tabRect(3).center());
        QCOMPARE(Pages.currentIndex(), 0);
        QVERIFY(!Where.FieldList()->isVisible());
        QTest::mouseClick(Bar, Qt::LeftButton, {}, Bar->tabRect(3).center());
        QCOMPARE(Pages.currentIndex(), 3);
    }

    // Fields from a real database: the types it declares, names quoted as the statement quotes
    // them; a database closed under the control reports it clearly and the statement stays.
    void FieldsFromARealDatabase()
    {
        QTemporaryDir Dir;
        QVERIFY(Dir.isValid());
        const QString Connection = QStringLiteral("korvan-component-test");
        {
            QSqlDatabase Db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), Connection);
            Db.setDatabaseName(Dir.filePath(QStringLiteral("shop.sqlite")));
            QVERIFY(Db.open());
            QSqlQuery Query(Db);
            QVERIFY(Query.exec(QStringLiteral(
                    "CREATE TABLE customers (custno INTEGER PRIMARY KEY, name VARCHAR(40), born DATE)")));
            QVERIFY(Query.exec(
                    QStringLiteral("CREATE TABLE \"order items\" (orderid INTEGER, qty NUMERIC(10,2))")));

            TKRScriptedPrompter Prompter;
            TSQLKorvan K;
            KRConnectSchema(K, Db);
            const std::string Text = "SELECT c.name, i.qty FROM customers c INNER JOIN \"order items\" i ON "
                                     "c.custno = i.orderid";
            K.SetSQL(Text);
            QCOMPARE(K.GetSQL(), CoreText(K, Text));
            QCOMPARE(K.WorkArea()->TableCount(), 2);
            QCOMPARE(K.WorkArea()->LinkCount(), 1);
            const TKRTable *Customers = K.WorkArea()->GetTable("c");
            QCOMPARE(Customers->Count(), 3);
            QCOMPARE(Customers->GetFieldItem("born")->DataType(), ftDate);
            QCOMPARE(Checked(*K.WorkArea()->GetTable("i")), std::string("qty"));

            Db.close();
            K.SetSQL("SELECT c.name FROM customers c");
            QCOMPARE(Prompter.Questions().size(), std::size_t(1));
            QCOMPARE(Prompter.Questions().at(0).Text,
                    std::string("Cannot read the fields of table 'customers': the database is not open"));
            QCOMPARE(K.WorkArea()->TableCount(), 0);
            QCOMPARE(K.GetSQL(), CoreText(K, "SELECT c.name FROM customers c"));
        }
        QSqlDatabase::removeDatabase(Connection);
    }

    // On a form being designed: the pages and the splitter, no views; properties still work.
    void DesignTimeHasNoViews()
    {
        TSQLKorvan K(nullptr, true);
        QVERIFY(K.Designing());
        QVERIFY(!K.WorkArea());
        QVERIFY(!K.WherePanel());
        QCOMPARE(K.PageCtrl()->count(), 4);
        QCOMPARE(K.findChildren<QAbstractScrollArea *>().size(), 0);
        K.SetSQL("SELECT t.a FROM t");
        QCOMPARE(K.GetSQL(), CoreText(K, "SELECT t.a FROM t"));
        K.SetVisibleTabs(TCustomKorvan::krtSorting);
        QCOMPARE(K.PageCtrl()->currentIndex(), 3);
    }

    // The properties a form stores, with their defaults and what makes them stored.
    void PropertiesAndTheirStoredRules()
    {
        TSQLKorvan K;
        QCOMPARE(K.property("About").toString(), QString());
        QVERIFY(!K.property("_Version").toString().isEmpty());
        QVERIFY(!K.IsAggregatesStored());
        QVERIFY(!K.IsKeywordsStored());
        QVERIFY(!K.IsFunctionsStored());
        QVERIFY(!K.IsOptionsStored());
        QVERIFY(K.setProperty("Aggregates", QStringList{ QStringLiteral("MEDIAN"), QStringLiteral("SUM") }));
        QVERIFY(K.IsAggregatesStored());
        QCOMPARE(K.Aggregates(), (QStringList{ QStringLiteral("MEDIAN"), QStringLiteral("SUM") }));
        K.ResetAggregates();
        QVERIFY(!K.IsAggregatesStored());
        QVERIFY(K.setProperty("Options",
                QVariant::fromValue(TCustomKorvan::TKROptionFlags(
                        TCustomKorvan::kroShowFieldTypes | TCustomKorvan::kroRowSelect))));
        QVERIFY(K.Options().Contains(korvan::kroShowFieldTypes));
        QVERIFY(K.IsOptionsStored());
        QVERIFY(K.setProperty("QuoteIdentifiers", false));
        QVERIFY(K.IsQuoteIdentifiersStored());

        // The operator table as a form stores it: read back as written; a text that does not read
        // is shown as an error and changes nothing.
        const QString Table = K.property("Operators").toString();
        QVERIFY(K.setProperty("Operators", Table + QStringLiteral("\"~\",\"Regex\",\"1\",\"\",\"\",\"\"\n")));
        QCOMPARE(K.Operators()->Count(), 15);
        {
            TKRScriptedPrompter Prompter;
            QVERIFY(K.setProperty("Operators", QStringLiteral("=,Equal\n")));
            QCOMPARE(Prompter.Questions().size(), std::size_t(1));
            QVERIFY(Prompter.Questions().at(0).Text.starts_with("Line 1 of the operator table"));
        }
        QCOMPARE(K.Operators()->Count(), 15);
        K.ResetOperators();
        QCOMPARE(K.property("Operators").toString(), Table);

        // Replacing the operator table keeps the conditions shown.
        K.SetSQL("SELECT t.a FROM t WHERE t.a LIKE 'x%'");
        TKROperators Copy;
        Copy.Assign(K.Operators());
        K.SetOperators(&Copy);
        QCOMPARE(ConditionCount(*K.WherePanel()), 1);
        QCOMPARE(K.GetSQL(), CoreText(K, "SELECT t.a FROM t WHERE t.a LIKE 'x%'"));
    }
};

QTEST_MAIN(TKRKorvanTest)
#include "KRKorvanTest.moc"
