// Repainting a drawing view that shows 20,000 rectangles, at zoom 100 and 25, and scrolling it by
// one page (the view repaints what comes into sight at once).
#include "bench/support/QtBenchmark.h"
#include "bench/support/RectangleGridView.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kColumns = 200;
constexpr int kRows = 100;

// Made in main while the application lives.
RectangleGridView* g_bench = nullptr;

RectangleGridView& Bench()
{
    return *g_bench;
}

void BM_FullRepaint(benchmark::State& state)
{
    CZivraView& view = Bench().View();
    view.SetZoom(int(state.range(0)));
    view.UpdateWindow();
    for (auto _ : state) {
        view.Invalidate();
        view.UpdateWindow();
    }
    state.counters["objects"] = kColumns * kRows;
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

} // namespace

int main(int argc, char** argv)
{
    QtBenchmark<QApplication> qt(argc, argv);
    RectangleGridView bench(kRows, kColumns, 9301);
    g_bench = &bench;
    return qt.Run();
}
