// The Selection page's load, on the offscreen platform: the output-field grid shows a statement of
// 1,000 output fields (what the component does whenever the page becomes active or a statement is
// read), alone and followed by painting the page.
#include "editors/KRSelectGrid.h"
#include "editors/KRSelectPanel.h"
#include "parser/KRSelectParser.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <string>

#include <QApplication>
#include <QVBoxLayout>

using namespace korvan;

namespace {

//! 1,000 output fields over 10 tables of 100 columns; every tenth an aggregate, every
//! twenty-fifth renamed.
std::string ThousandFields()
{
    std::string Fields;
    std::string Tables;
    for (int T = 0; T < 10; ++T) {
        const std::string Alias = "t" + std::to_string(T);
        Tables += (T ? ", TABLE" : "TABLE") + std::to_string(T) + " " + Alias;
        for (int F = 0; F < 100; ++F) {
            const std::string Column = Alias + ".FIELD" + std::to_string(F);
            if (!Fields.empty())
                Fields += ", ";
            if (F % 10 == 9)
                Fields += "SUM(" + Column + ") AS S" + std::to_string(T * 100 + F);
            else if (F % 25 == 0)
                Fields += Column + " AS N" + std::to_string(T * 100 + F);
            else
                Fields += Column;
        }
    }
    return "SELECT " + Fields + " FROM " + Tables;
}

//! The page on a 900 × 600 tab sheet, its parser holding the statement.
struct TPage
{
    TPage()
        : Parser(Construct<TKRSelectParser>())
        , Panel(new TKRSelectPanel(&Sheet))
    {
        Parser->SetExpression(ThousandFields());
        auto *Layout = new QVBoxLayout(&Sheet);
        Layout->addWidget(Panel);
        Panel->SetParser(Parser.get());
        Sheet.resize(900, 600);
        Sheet.show();
        QApplication::processEvents();
    }

    std::unique_ptr<TKRSelectParser> Parser;
    QWidget Sheet;
    TKRSelectPanel *Panel;
};

//! RefreshFields: the grid emptied and a row made for every output field.
void LoadThousandOutputFields(benchmark::State &State)
{
    TPage Page;
    for (auto _ : State)
        Page.Panel->RefreshFields();
    if (Page.Panel->Grid()->RowCount() != 1002)
        State.SkipWithError("the grid did not get a row per field");
    State.counters["rows"] = Page.Panel->Grid()->RowCount() - 2;
}
BENCHMARK(LoadThousandOutputFields)->Unit(benchmark::kMillisecond);

//! The same load followed by painting the page at once, as the user sees it.
void LoadAndPaintThousandOutputFields(benchmark::State &State)
{
    TPage Page;
    for (auto _ : State) {
        Page.Panel->RefreshFields();
        Page.Sheet.repaint();
    }
}
BENCHMARK(LoadAndPaintThousandOutputFields)->Unit(benchmark::kMillisecond);

} // namespace
