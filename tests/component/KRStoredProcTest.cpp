// Stored procedures in the diagram: the window's parameter rows and size, the call's argument list
// as SQL text for every kind of value, the application entering a value, and the table list that
// opens, finds and deletes windows.
#include "component/KRStoredProc.h"

#include "component/KRStyles.h"
#include "component/KRTableList.h"
#include "diagram/KRWorkArea.h"
#include "framework/KRDataSet.h"
#include "framework/qt/KRColor.h"

#include <clocale>
#include <locale>
#include <memory>
#include <vector>

#include <QtTest>
#include <QtWidgets>

using namespace korvan;

namespace {

//! A component stand-in whose application may refuse to remove windows.
class TOwner : public TKRWorkAreaOwner
{
public:
    bool DoAddRemoveTable(TKRTable *, TKRAction Action) override { return Action == kraAdd || AllowRemove; }
    bool DoAddRemoveLink(TKRLink *, TKRAction) override { return true; }
    TKRTableDefs *TableDefs() const override { return nullptr; }
    TKROptions Options() const override { return {}; }
    const TKRStyle &Style() const override { return FStyle; }
    const TKRPalette &Palette() const override { return FPalette; }

    bool AllowRemove = true;

private:
    TKRStyle FStyle;
    TKRPalette FPalette;
};

struct TParamSetup
{
    std::string Name;
    TFieldType DataType = ftInteger;
    TParamValue Value;
    TParamType Direction = ptInput;
};

std::unique_ptr<TParams> MakeParams(const std::vector<TParamSetup> &Setups)
{
    auto Params = std::make_unique<TParams>();
    for (const TParamSetup &Setup : Setups)
        Params->CreateParam(Setup.DataType, Setup.Name, Setup.Direction)->SetValue(Setup.Value);
    return Params;
}

TDataSet MakeFields(int Count)
{
    TDataSet Set;
    for (int I = 0; I < Count; ++I)
        Set.AddField("F" + std::to_string(I), ftInteger);
    return Set;
}

//! A decimal comma for the C++ streams.
struct TCommaPunct : std::numpunct<char>
{
    char do_decimal_point() const override { return ','; }
};

} // namespace

class TKRStoredProcTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Every case runs where the locale writes a decimal comma: the C++ streams always, the C
    // functions where the machine has a German locale.
    void initTestCase()
    {
        FSavedLocale = std::locale::global(std::locale(std::locale::classic(), new TCommaPunct));
        FSavedC = std::setlocale(LC_NUMERIC, nullptr);
        std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    }
    void cleanupTestCase()
    {
        std::setlocale(LC_NUMERIC, FSavedC.c_str());
        std::locale::global(FSavedLocale);
    }

    // Parameter rows follow the result columns; the view grows by the parameters up to six rows.
    void ParameterRowsAndVisibleRows_data()
    {
        QTest::addColumn<int>("Fields");
        QTest::addColumn<int>("Parameters");
        QTest::addColumn<int>("Visible");
        QTest::newRow("2 + 3") << 2 << 3 << 5;
        QTest::newRow("2 + 5") << 2 << 5 << 6;
        QTest::newRow("0 + 4") << 0 << 4 << 4;
        QTest::newRow("9 + 2") << 9 << 2 << 6;
    }
    void ParameterRowsAndVisibleRows()
    {
        QFETCH(int, Fields);
        QFETCH(int, Parameters);
        QFETCH(int, Visible);
        TKRWorkArea Area;
        const TDataSet Set = MakeFields(Fields);
        std::vector<TParamSetup> Setups;
        for (int I = 0; I < Parameters; ++I)
            Setups.push_back({ "P" + std::to_string(I), ftInteger, I == 0 ? TParamValue(7) : TParamValue() });
        const auto Params = MakeParams(Setups);
        TKRStoredProc Proc(&Area, Params.get(), "PROC", &Set);
        QCOMPARE(Proc.Count(), Fields + Parameters);
        QCOMPARE(Proc.VisibleCount(), Visible);
        QCOMPARE(Proc.Height(), Visible * (Proc.ItemHeight() + 1) + Proc.CaptionHeight() + 2 + 2 * 2);
        // A parameter with a value comes checked with it.
        const TKRListItem &First = *Proc.Items(Fields);
        QCOMPARE(First.ParamType(), ptInput);
        QVERIFY(First.Checked() && !First.IsNull() && First.ParamValue() == TParamValue(7));
        // The window keeps its own copy of the list.
        Params->Items(0)->SetName("CHANGED");
        QCOMPARE(Proc.Params().Items(0)->Name(), std::string("P0"));
    }

    // Every kind of value in one call, in a window with one result column before the parameters,
    // run under a decimal-comma locale (see initTestCase).
    void ArgumentListByKind()
    {
        TKRWorkArea Area;
        const TDataSet Set = MakeFields(1);
        const TParamValue When = TParamValue::FromDateTime(45356.75);
        const auto Params = MakeParams({ { "name", ftInteger, {} }, { "customer id", ftInteger, {} },
                { "rate$_2", ftInteger, {} }, { "\xC3\xA9-!", ftInteger, {} },
                { "N", ftInteger, TParamValue(-42) }, { "IO", ftInteger, TParamValue(1), ptInputOutput },
                { "X", ftFloat, TParamValue(1.5) },
                { "C", ftCurrency, TParamValue::FromCurrencyScaled(12345) },
                { "S", ftString, TParamValue("O'Brien") }, { "Z", ftString, TParamValue::Null() },
                { "T", ftBoolean, TParamValue(true) }, { "F", ftBoolean, TParamValue(false) },
                { "D", ftDate, When }, { "H", ftTime, When }, { "DT", ftDateTime, When },
                { "M", ftDateTime, TParamValue::FromDateTime(45356) }, { "CHECKED", ftString, {} },
                { "NULLED", ftString, TParamValue("x") } });
        TKRStoredProc Proc(&Area, Params.get(), "PROC", &Set);
        // Checked without a value keeps the placeholder; the null flag wins over a value.
        TKRListItem *Checked = Proc.GetFieldItem("CHECKED");
        Checked->UpdateCheck(true);
        Checked->SetIsNull(false);
        Proc.GetFieldItem("NULLED")->SetIsNull(true);
        QCOMPARE(QString::fromStdString(Proc.GetParameters()),
                QStringLiteral(
                        ":NAME, :CUSTOMER_ID, :RATE$_2, :Par4, -42, 1.5, 1.2345, 'O''Brien', NULL, T, F, "
                        "'2024-03-05', '18:00:00', '2024-03-05 18:00:00', '2024-03-05', :CHECKED, NULL"));
    }

    // The application opens a procedure through the table list; the user checks a parameter and
    // the application gives its value; the window shows in the procedure colour with its parameter
    // marks; the table list finds windows by exact name and alias; a refused delete keeps the window.
    void ProcedureScenario()
    {
        TOwner Owner;
        TKRWorkArea Area(nullptr, &Owner);
        Area.resize(420, 260);
        Area.show();
        QVERIFY(QTest::qWaitForWindowExposed(&Area));
        TKRTableList List(&Area);

        TDataSet Orders;
        Orders.AddField("ORDERNO", ftInteger);
        Orders.AddField("CUSTNO", ftInteger);
        TKRTable *Table = List.AddTable("ORDERS", &Orders);
        TDataSet Result;
        Result.AddField("TOTAL", ftFloat);
        const auto Params = MakeParams({ { "customer id", ftInteger, TParamValue(1221) },
                { "NAME", ftString, {} }, { "since", ftDate, {} } });
        TKRStoredProc *Proc = List.AddProc("GET_TOTAL", &Result, Params.get());
        QVERIFY(Proc);
        QCOMPARE(List.GetTablesCount(), 2);
        QCOMPARE(List.GetTable(0), static_cast<TKRTable *>(Proc));
        QCOMPARE(Proc->VisibleCount(), 4);
        QCOMPARE(QString::fromStdString(Proc->GetParameters()), QStringLiteral("1221, :NAME, :SINCE"));

        // A double click on a parameter row asks the application for its value.
        std::vector<TKRListItem *> Asked;
        Area.SetOnEnterParameter([&](TKRTable *T, TKRListItem *Item) {
            QCOMPARE(T, static_cast<TKRTable *>(Proc));
            Asked.push_back(Item);
            Item->SetParamValue(TParamValue("O'Brien"));
            Item->SetIsNull(false);
        });
        TKRListItem *Name = Proc->GetFieldItem("NAME");
        const QRect Row = Proc->GetItemRect(Name);
        const QPoint At(Row.left() + 40, Row.center().y());
        QWidget *View = Area.viewport();
        QTest::mouseClick(View, Qt::LeftButton, {}, At);
        QVERIFY(Asked.empty());
        QMouseEvent Double(
                QEvent::MouseButtonDblClick, At, View->mapToGlobal(At), Qt::LeftButton, Qt::LeftButton, {});
        QApplication::sendEvent(View, &Double);
        QTest::mouseRelease(View, Qt::LeftButton, {}, At);
        QCOMPARE(Asked, std::vector<TKRListItem *>{ Name });
        QCOMPARE(QString::fromStdString(Proc->GetParameters()), QStringLiteral("1221, 'O''Brien', :SINCE"));

        QTest::qWait(0);
        const QImage Shot = Area.viewport()->grab().toImage();
        Shot.save(QStringLiteral("/tmp/proc.png"));
        const auto Background = [&](const TKRTable *T) {
            const QRect Client = T->ToClient(T->GetClientRect());
            return Shot.pixelColor(Client.right() - 3, Client.bottom() - 3);
        };
        QCOMPARE(Background(Proc), KRColorToQColor(Owner.Palette().ProcClient(), Area.palette()));
        QCOMPARE(Background(Table), KRColorToQColor(Owner.Palette().TableClient(), Area.palette()));

        TKRTable *Second = List.AddTable("ORDERS", &Orders);
        QCOMPARE(Second->GetAlias(), std::string("ORDERS1"));
        QCOMPARE(List.FindByName("ORDERS"), Second);
        QCOMPARE(List.FindByName("orders"), nullptr);
        QCOMPARE(List.FindByAlias("ORDERS"), Table);
        QCOMPARE(List.FindByAlias("ORDERS1"), Second);
        QCOMPARE(List.FindByAlias("Orders1"), nullptr);

        Owner.AllowRemove = false;
        List.DeleteTable(Proc);
        QCOMPARE(List.FindByName("GET_TOTAL"), static_cast<TKRTable *>(Proc));
        Owner.AllowRemove = true;
        List.DeleteTable(Proc);
        QCOMPARE(List.GetTablesCount(), 2);
        QCOMPARE(List.FindByName("GET_TOTAL"), nullptr);
    }

private:
    std::locale FSavedLocale;
    std::string FSavedC;
};

QTEST_MAIN(TKRStoredProcTest)
#include "KRStoredProcTest.moc"
