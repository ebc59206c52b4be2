// The diagram's hot paths, on the offscreen platform: hit testing the mouse against the links,
// repainting a full view of windows and links, and the work area's handling of a mouse move.
#include "diagram/KRLink.h"
#include "diagram/KRTable.h"
#include "diagram/KRWorkArea.h"
#include "framework/KRDataSet.h"

#include <benchmark/benchmark.h>
#include <deque>
#include <string>
#include <vector>

#include <QApplication>
#include <QMouseEvent>

using namespace korvan;

namespace {

//! A work area with 20 windows of 8 fields in a grid, and Links links between neighbouring windows,
//! every second one with two bend points.
struct TDiagram
{
    explicit TDiagram(int Links)
    {
        Area.resize(1280, 800);
        for (int T = 0; T < 20; ++T) {
            auto &Set = Sets.emplace_back();
            for (int F = 0; F < 8; ++F)
                Set.AddField("F" + std::to_string(F), ftInteger);
            TKRTable *Table = Area.AddPanel("T" + std::to_string(T), &Set);
            Table->SetWidth(120);
            Table->SetLeft(40 + (T % 5) * 240);
            Table->SetTop(20 + (T / 5) * 190);
        }
        for (int L = 0; L < Links; ++L) {
            TKRTable *A = Area.TableWindows(L % 20);
            TKRTable *B = Area.TableWindows((L + 1 + L / 20) % 20);
            TKRLink *Link = Area.AddLink(A, B, A->Items(L % 8), B->Items((L / 8) % 8));
            if (Link && L % 2 == 1) {
                const QPoint Mid = (Link->Points(1) + Link->Points(2)) / 2;
                Link->PopupMenu(Menu, Mid.x(), Mid.y(), htTClient);
                Link->HandleInsertPoint();
            }
        }
    }

    std::deque<TDataSet> Sets;
    TKRWorkArea Area;
    QMenu Menu;
};

//! The work area's hover step over the links: every link hit-tests the mouse. The mouse visits a
//! grid of positions over the whole viewport, a few of them on lines, one position per iteration.
void LinkHitTest(benchmark::State &State)
{
    TDiagram D(200);
    if (D.Area.LinkCount() != 200) {
        State.SkipWithError("the diagram did not get its links");
        return;
    }
    std::vector<QPoint> Mice;
    for (int Y = 5; Y < 800; Y += 25)
        for (int X = 7; X < 1280; X += 40)
            Mice.emplace_back(X, Y);
    for (int I = 0; I < D.Area.LinkCount(); I += 10)
        Mice.push_back((D.Area.Links(I)->Points(1) + D.Area.Links(I)->Points(2)) / 2);
    std::size_t Next = 0;
    std::int64_t Hits = 0;
    for (auto _ : State) {
        const QPoint Mouse = Mice[Next];
        Next = (Next + 1) % Mice.size();
        for (int I = 0; I < D.Area.LinkCount(); ++I)
            Hits += D.Area.Links(I)->HitTest(Mouse) != htTOutSide;
        benchmark::DoNotOptimize(Hits);
    }
    State.counters["links"] = D.Area.LinkCount();
    State.counters["hits_per_move"] =
            benchmark::Counter(static_cast<double>(Hits) / static_cast<double>(State.iterations()));
}
BENCHMARK(LinkHitTest)->Unit(benchmark::kMicrosecond);

//! 100 windows of 3 fields, 10 by 10, filling a 1280 × 800 view, with 200 links between
//! neighbours, every second one with two bend points; one window selected.
struct TFullView
{
    TFullView()
    {
        Area.resize(1280, 800);
        Area.show();
        // The view itself is 1280 × 800, inside the frame and the scroll bars.
        Area.resize(QSize(1280, 800) + Area.size() - Area.viewport()->size());
        QApplication::processEvents();
        for (int T = 0; T < 100; ++T) {
            auto &Set = Sets.emplace_back();
            for (int F = 0; F < 3; ++F)
                Set.AddField("FIELD" + std::to_string(F), ftInteger);
            TKRTable *Table = Area.AddPanel("TABLE" + std::to_string(T), &Set);
            Table->SetWidth(110);
            Table->SetLeft(4 + (T % 10) * 127);
            Table->SetTop(2 + (T / 10) * 79);
        }
        for (int L = 0; L < 200; ++L) {
            const int From = L % 100;
            const int To = L < 100 ? (From % 10 == 9 ? From - 9 : From + 1) : (From + 10) % 100;
            TKRTable *A = Area.TableWindows(From);
            TKRTable *B = Area.TableWindows(To);
            TKRLink *Link = Area.AddLink(A, B, A->Items(L % 3), B->Items((L / 3) % 3));
            if (Link && L % 2 == 1) {
                const QPoint Mid = (Link->Points(1) + Link->Points(2)) / 2;
                Link->PopupMenu(Menu, Mid.x(), Mid.y(), htTClient);
                Link->HandleInsertPoint();
            }
        }
        Area.Select(Area.TableWindows(50));
        QApplication::processEvents();
    }

    std::deque<TDataSet> Sets;
    TKRWorkArea Area;
    QMenu Menu;
};

//! Repaints the whole view at once, as after scrolling or a reload.
void RepaintFullView(benchmark::State &State)
{
    TFullView D;
    if (D.Area.LinkCount() != 200 || D.Area.TableCount() != 100
            || D.Area.viewport()->size() != QSize(1280, 800)) {
        State.SkipWithError("the diagram is not as planned");
        return;
    }
    for (auto _ : State)
        D.Area.viewport()->repaint();
    State.counters["windows"] = D.Area.TableCount();
    State.counters["links"] = D.Area.LinkCount();
}
BENCHMARK(RepaintFullView)->Unit(benchmark::kMillisecond);

//! The work area's handling of one mouse move with no button held: hit testing windows and links,
//! the hover state, the cursor and the hint timer. The mouse visits a grid over the whole view.
void MouseMoveOverFullView(benchmark::State &State)
{
    TFullView D;
    QWidget *View = D.Area.viewport();
    if (D.Area.LinkCount() != 200 || View->size() != QSize(1280, 800)) {
        State.SkipWithError("the diagram is not as planned");
        return;
    }
    std::vector<QPoint> Mice;
    for (int Y = 3; Y < 800; Y += 17)
        for (int X = 5; X < 1280; X += 31)
            Mice.emplace_back(X, Y);
    std::size_t Next = 0;
    for (auto _ : State) {
        const QPoint Mouse = Mice[Next];
        Next = (Next + 1) % Mice.size();
        QMouseEvent Move(QEvent::MouseMove, Mouse, View->mapToGlobal(Mouse), Qt::NoButton, Qt::NoButton, {});
        QApplication::sendEvent(View, &Move);
    }
}
BENCHMARK(MouseMoveOverFullView)->Unit(benchmark::kMicrosecond);

} // namespace
