// Repainting a drawing view that shows 20,000 rectangles, at zoom 100 and 25, and scrolling it by
// one page (the view repaints what comes into sight at once); repainting and hit testing 20,000
// polylines of 6 points.
#include "bench/support/QtBenchmark.h"
#include "bench/support/RectangleGridView.h"
#include "objects/PolyObj.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kColumns = 200;
constexpr int kRows = 100;

// Made in main while the application lives.
RectangleGridView* g_bench = nullptr;
RectangleGridView* g_polylines = nullptr;

RectangleGridView& Bench()
{
    return *g_bench;
}

// A zigzag of 6 points with a filled arrow at its end, inside its cell.
CObject* MakePolyline(WORD id, CPoint cell)
{
    auto* line = new CPolyObj(id);
    for (int i = 0; i < 6; ++i)
        line->AddPoint(CPoint(cell.x + 4 * i, cell.y - (i % 2 ? 20 : 0)));
    line->SetMark(LINEEND_END, MARK_ARROW);
    line->SetFilledMark(LINEEND_END);
    return line;
}

// Repaints the whole view at the zoom of the benchmark's argument.
void RepaintFully(benchmark::State& state, CZivraView& view)
{
    view.SetZoom(int(state.range(0)));
    view.UpdateWindow();
    for (auto _ : state) {
        view.Invalidate();
        view.UpdateWindow();
    }
    state.counters["objects"] = kColumns * kRows;
}

void BM_FullRepaint(benchmark::State& state)
{
    RepaintFully(state, Bench().View());
}
BENCHMARK(BM_FullRepaint)->Arg(100)->Arg(25)->Unit(benchmark::kMillisecond);

void BM_ScrollOnePage(benchmark::State& state)
{
    CZivraView& view = Bench().View();
    view.SetZoom(100);
    view.ScrollToPosition(CPoint(0, 0));
    view.UpdateWindow();
    int mode = 0;
    SIZE total, page, line;
    view.GetDeviceScrollSizes(mode, total, page, line);
    int direction = 1;
    for (auto _ : state) {
        if (!view.OnScrollBy(CSize(0, direction * page.cy)))
            state.SkipWithError("the view does not scroll");
        direction = -direction;
    }
}
BENCHMARK(BM_ScrollOnePage)->Unit(benchmark::kMillisecond);

void BM_FullRepaintPolylines(benchmark::State& state)
{
    RepaintFully(state, g_polylines->View());
}
BENCHMARK(BM_FullRepaintPolylines)->Arg(100)->Arg(25)->Unit(benchmark::kMillisecond);

// A point between the cells: every polyline is tested (segments, then its area) and none is hit.
void BM_HitTestPolylines(benchmark::State& state)
{
    CZivraView& view = g_polylines->View();
    view.SetZoom(100);
    for (auto _ : state)
        benchmark::DoNotOptimize(view.FindObjectAt(CPoint(20 + 25 * kColumns / 2 - 2, -20 - 30 * kRows / 2 - 25)));
    state.counters["objects"] = kColumns * kRows;
}
BENCHMARK(BM_HitTestPolylines)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QtBenchmark<QApplication> qt(argc, argv);
    RectangleGridView bench(kRows, kColumns, 9301);
    g_bench = &bench;
    RectangleGridView polylines(kRows, kColumns, 9302, &MakePolyline);
    g_polylines = &polylines;
    return qt.Run();
}
