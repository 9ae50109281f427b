// Box objects at document scale: hit-testing a point against every rectangle of a large diagram,
// and computing the areas to repaint.
#include "objects/RectObj.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

constexpr int kObjectCount = 60000;

// A grid of 300 x 200 rectangles, every third rounded and every fourth filled with a shadow.
std::vector<std::unique_ptr<CRectObj>> MakeDiagram()
{
    std::vector<std::unique_ptr<CRectObj>> objects;
    objects.reserve(kObjectCount);
    for (int i = 0; i < kObjectCount; ++i) {
        const int x = (i % 300) * 100;
        const int y = -(i / 300) * 80;
        auto rect = std::make_unique<CRectObj>(WORD(i + 1), CRect(x, y, x + 90, y - 70), i % 3 == 0);
        rect->SetFill(i % 4 == 0);
        rect->SetShadowDepth(i % 4 == 0 ? 6 : 0);
        objects.push_back(std::move(rect));
    }
    return objects;
}

void HitTestPoint(benchmark::State& state)
{
    const auto objects = MakeDiagram();
    const CPoint point(15045, -8035); // inside one rectangle near the middle of the diagram
    for (auto _ : state) {
        int hits = 0;
        for (const auto& object : objects)
            hits += object->HitTest(point, 7, TRUE, TRUE);
        benchmark::DoNotOptimize(hits);
    }
    state.SetItemsProcessed(state.iterations() * kObjectCount);
}
BENCHMARK(HitTestPoint);

void HitTestHandlesAtZoom(benchmark::State& state)
{
    const auto objects = MakeDiagram();
    const int zoom = int(state.range(0));
    CPoint point(15045, -8035);
    point = CPoint(point.x * zoom / 100, point.y * zoom / 100);
    for (auto _ : state) {
        int hits = 0;
        for (const auto& object : objects) {
            DWORD hit = 0, part = 0;
            CPoint handle;
            hits += object->HitTestHandles(zoom, point, 0, 7, hit, part, handle, TRUE);
        }
        benchmark::DoNotOptimize(hits);
    }
    state.SetItemsProcessed(state.iterations() * kObjectCount);
}
BENCHMARK(HitTestHandlesAtZoom)->Arg(100)->Arg(200);

void RedrawRects(benchmark::State& state)
{
    const auto objects = MakeDiagram();
    for (auto _ : state) {
        CRect total;
        for (const auto& object : objects) {
            CRect redraw;
            object->GetRedrawRect(redraw, 150, TRUE);
            total.right = std::max(total.right, redraw.right);
        }
        benchmark::DoNotOptimize(total);
    }
    state.SetItemsProcessed(state.iterations() * kObjectCount);
}
BENCHMARK(RedrawRects);

} // namespace

BENCHMARK_MAIN();
