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

Q_DECLARE_METATYPE(korvan::TParamValue)

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

struct TParamSpec
{
    std::string Name;
    TFieldType DataType = ftInteger;
    TParamValue Value;
    TParamType Direction = ptInput;
};

std::unique_ptr<TParams> MakeParams(const std::vector<TParamSpec> &Specs)
{
    auto Params = std::make_unique<TParams>();
    for (const TParamSpec &Spec : Specs)
        Params->CreateParam(Spec.DataType, Spec.Name, Spec.Direction)->SetValue(Spec.Value);
    return Params;
}

TDataSet MakeFields(int Count)
{
    TDataSet Set;
    for (int I = 0; I < Count; ++I)
        Set.AddField("F" + std::to_string(I), ftInteger);
    return Set;
}

//! A decimal comma for the C++ streams, which a formatting through them would pick up.
struct TCommaPunct : std::numpunct<char>
{
    char do_decimal_point() const override { return ','; }
};

} // namespace

class TKRStoredProcTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
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
        std::vector<TParamSpec> Specs;
        for (int I = 0; I < Parameters; ++I)
            Specs.push_back({ "P" + std::to_string(I), ftInteger, I == 0 ? TParamValue(7) : TParamValue() });
        const auto Params = MakeParams(Specs);
        TKRStoredProc Proc(&Area, Params.get(), "PROC", &Set);
        QCOMPARE(Proc.Count(), Fields + Parameters);
        QCOMPARE(Proc.VisibleCount(), Visible);
        QCOMPARE(Proc.Height(), Visible * (Proc.ItemHeight() + 1) + Proc.CaptionHeight() + 2 + 2 * 2);
        const TKRListItem &First = *Proc.Items(Fields);
        QCOMPARE(First.Name(), std::string("P0"));
        QCOMPARE(First.ParamType(), ptInput);
        QVERIFY(First.Checked());
        QVERIFY(!First.IsNull());
        QVERIFY(First.ParamValue() == TParamValue(7));
        if (Parameters > 1) {
            QVERIFY(!Proc.Items(Fields + 1)->Checked());
            QVERIFY(Proc.Items(Fields + 1)->IsNull());
        }
        // The window keeps its own copy of the list.
        Params->Items(0)->SetName("CHANGED");
        QCOMPARE(Proc.Params().Items(0)->Name(), std::string("P0"));
    }

    // One parameter after one result column (so a placeholder without a usable name is Par1).
    void ArgumentTextByKind_data()
    {
        QTest::addColumn<QString>("Name");
        QTest::addColumn<int>("DataType");
        QTest::addColumn<TParamValue>("Value");
        QTest::addColumn<int>("Direction");
        QTest::addColumn<QString>("Text");
        const auto Row = [](const char *Tag, const char *Name, TFieldType Type, TParamValue Value,
                                 TParamType Direction, const char *Text) {
            QTest::newRow(Tag) << QString::fromUtf8(Name) << int(Type) << Value << int(Direction)
                               << QString::fromUtf8(Text);
        };
        Row("unchecked", "name", ftInteger, {}, ptInput, ":NAME");
        Row("blank to _", "customer id", ftInteger, {}, ptInput, ":CUSTOMER_ID");
        Row("kept signs", "rate$_2", ftInteger, {}, ptInput, ":RATE$_2");
        Row("no usable char", "é-!", ftInteger, {}, ptInput, ":Par1");
        Row("integer", "N", ftInteger, TParamValue(-42), ptInput, "-42");
        Row("float", "X", ftFloat, TParamValue(1.5), ptInput, "1.5");
        Row("currency", "C", ftCurrency, TParamValue::FromCurrencyScaled(12345), ptInput, "1.2345");
        Row("quote doubled", "S", ftString, TParamValue("O'Brien"), ptInput, "'O''Brien'");
        Row("null", "S", ftString, TParamValue::Null(), ptInput, "NULL");
        Row("true", "B", ftBoolean, TParamValue(true), ptInput, "T");
        Row("false", "B", ftBoolean, TParamValue(false), ptInput, "F");
        const TParamValue When = TParamValue::FromDateTime(45356.75);
        Row("date", "D", ftDate, When, ptInput, "'2024-03-05'");
        Row("time", "D", ftTime, When, ptInput, "'18:00:00'");
        Row("date-time", "D", ftDateTime, When, ptInput, "'2024-03-05 18:00:00'");
        Row("date-time midnight", "D", ftDateTime, TParamValue::FromDateTime(45356), ptInput, "'2024-03-05'");
        Row("input-output", "IO", ftInteger, TParamValue(1), ptInputOutput, "");
    }
    void ArgumentTextByKind()
    {
        QFETCH(QString, Name);
        QFETCH(int, DataType);
        QFETCH(TParamValue, Value);
        QFETCH(int, Direction);
        QFETCH(QString, Text);
        TKRWorkArea Area;
        const TDataSet Set = MakeFields(1);
        const auto Params =
                MakeParams({ { Name.toStdString(), TFieldType(DataType), Value, TParamType(Direction) } });
        const TKRStoredProc Proc(&Area, Params.get(), "PROC", &Set);
        QCOMPARE(QString::fromStdString(Proc.GetParameters()), Text);
    }

    // Entries are separated by ", " with nothing trailing, whatever takes no part; a checked row
    // without a value keeps its placeholder and one flagged null writes NULL over its value.
    void ArgumentListAndRowFlags()
    {
        TKRWorkArea Area;
        const auto Params = MakeParams(
                { { "A", ftInteger, TParamValue(1) }, { "M", ftInteger, TParamValue(2), ptInputOutput },
                        { "B", ftString, {} }, { "C", ftString, TParamValue("x") } });
        TKRStoredProc Proc(&Area, Params.get(), "PROC", nullptr);
        Proc.Items(2)->UpdateCheck(true);
        Proc.Items(2)->SetIsNull(false);
        Proc.Items(3)->SetIsNull(true);
        QCOMPARE(QString::fromStdString(Proc.GetParameters()), QStringLiteral("1, :B, NULL"));
    }

    // Numbers keep their "." where the locale writes a decimal comma.
    void NumbersKeepThePointUnderADecimalComma()
    {
        const std::locale SavedLocale =
                std::locale::global(std::locale(std::locale::classic(), new TCommaPunct));
        const std::string SavedC = std::setlocale(LC_NUMERIC, nullptr);
        // Where the machine has a German locale, the C functions get a decimal comma as well.
        std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
        TKRWorkArea Area;
        const auto Params = MakeParams({ { "X", ftFloat, TParamValue(1.5) },
                { "Y", ftFloat, TParamValue(-0.25) }, { "C", ftCurrency, TParamValue::FromCurrency(2.5) } });
        const TKRStoredProc Proc(&Area, Params.get(), "PROC", nullptr);
        const std::string Text = Proc.GetParameters();
        std::setlocale(LC_NUMERIC, SavedC.c_str());
        std::locale::global(SavedLocale);
        QCOMPARE(QString::fromStdString(Text), QStringLiteral("1.5, -0.25, 2.5"));
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

        // The table window's mouse handling does not check rows yet, so the row is checked as a
        // click on its square would.
        std::vector<std::pair<TKRTable *, TKRListItem *>> Asked;
        Area.SetOnEnterParameter([&](TKRTable *T, TKRListItem *Item) {
            Asked.emplace_back(T, Item);
            Item->SetParamValue(TParamValue("O'Brien"));
            Item->SetIsNull(false);
        });
        TKRListItem *Name = Proc->GetFieldItem("NAME");
        Name->SetCheck(true);
        QCOMPARE(Asked.size(), std::size_t(1));
        QCOMPARE(Asked[0].first, static_cast<TKRTable *>(Proc));
        QCOMPARE(Asked[0].second, Name);
        QVERIFY(Name->Checked());
        QCOMPARE(QString::fromStdString(Proc->GetParameters()), QStringLiteral("1221, 'O''Brien', :SINCE"));

        QTest::qWait(0);
        const QImage Shot = Area.viewport()->grab().toImage();
        Shot.save(QStringLiteral("/tmp/proc.png"));
        const QRect Client = Proc->ToClient(Proc->GetClientRect());
        const QColor Back = Shot.pixelColor(Client.right() - 3, Client.bottom() - 3);
        QCOMPARE(Back, KRColorToQColor(Owner.Palette().ProcClient(), Area.palette()));
        QVERIFY(Back != KRColorToQColor(Owner.Palette().TableClient(), Area.palette()));
        const QRect Orderless = Table->ToClient(Table->GetClientRect());
        QCOMPARE(Shot.pixelColor(Orderless.right() - 3, Orderless.bottom() - 3),
                KRColorToQColor(Owner.Palette().TableClient(), Area.palette()));

        TKRTable *Second = List.AddTable("ORDERS", &Orders);
        QCOMPARE(Second->GetAlias(), std::string("ORDERS1"));
        QCOMPARE(List.FindByName("ORDERS"), Second);
        QCOMPARE(List.FindByName("orders"), nullptr);
        QCOMPARE(List.FindByName("GET_TOTAL"), static_cast<TKRTable *>(Proc));
        QCOMPARE(List.FindByAlias("ORDERS"), Table);
        QCOMPARE(List.FindByAlias("ORDERS1"), Second);
        QCOMPARE(List.FindByAlias("Orders1"), nullptr);

        Owner.AllowRemove = false;
        List.DeleteTable(Proc);
        QCOMPARE(List.GetTablesCount(), 3);
        QCOMPARE(List.FindByName("GET_TOTAL"), static_cast<TKRTable *>(Proc));
        Owner.AllowRemove = true;
        List.DeleteTable(Proc);
        QCOMPARE(List.GetTablesCount(), 2);
        QCOMPARE(List.FindByName("GET_TOTAL"), nullptr);
    }
};

QTEST_MAIN(TKRStoredProcTest)
#include "KRStoredProcTest.moc"
