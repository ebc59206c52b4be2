// The criteria editor's hot path, on the offscreen platform: loading a large WHERE condition into
// the editor, laying its lines out and painting the view.
#include "editors/KRCriterionPanel.h"
#include "parser/KRSelectParser.h"

#include <benchmark/benchmark.h>
#include <string>

#include <QApplication>
#include <QWidget>

using namespace korvan;

namespace {

//! 500 comparisons: 25 groups of 10, each with a group of 10 more inside, the filters taking turns.
std::string LargeWhere()
{
    static const char *const Joins[] = { " AND ", " OR " };
    std::string Where;
    int N = 0;
    const auto Comparisons = [&N](const char *Join) {
        std::string Text;
        for (int I = 0; I < 10; ++I, ++N)
            Text += (I > 0 ? Join : "") + std::string("(t.f") + std::to_string(N % 7) + " = "
                    + std::to_string(N) + ")";
        return Text;
    };
    for (int G = 0; G < 25; ++G) {
        const char *Outer = Joins[G % 2];
        const char *Inner = Joins[(G + 1) % 2];
        std::string Group = Comparisons(Outer) + Outer + "(" + Comparisons(Inner) + ")";
        if (G % 3 == 2)
            Group = "NOT (" + Group + ")";
        Where += (G > 0 ? " AND " : "") + std::string("(") + Group + ")";
    }
    return "SELECT t.f0 FROM t WHERE " + Where;
}

//! RefreshRows builds the 525 lines from the model and lays them out; the repaint draws the view.
void LoadLayOutAndPaintLargeWhere(benchmark::State &State)
{
    auto Parser = Construct<TKRSelectParser>();
    Parser->Scanner()->SetQuoteIdentifiers(false);
    Parser->SetExpression(LargeWhere());
    QWidget Page;
    Page.resize(1280, 800);
    TKRWherePanel Panel(&Page);
    Panel.setGeometry(0, 0, 1280, 800);
    Panel.SetParser(Parser.get());
    Panel.Activate();
    Page.show();
    QApplication::processEvents();
    int Lines = 0;
    for (auto _ : State) {
        Panel.RefreshRows();
        Panel.viewport()->repaint();
        Lines = Panel.GetFullExtention().height() / Panel.RowHeight();
    }
    if (Lines != 1 + 500 + 50) {
        State.SkipWithError("the condition did not load as planned");
        return;
    }
    State.counters["lines"] = Lines;
}
BENCHMARK(LoadLayOutAndPaintLargeWhere)->Unit(benchmark::kMillisecond);

} // namespace
