// Dragging a selection of 1,000 rectangles in a document of 20,000 with the pointer tool: each
// mouse move erases and redraws the XOR outline of every selected object, and the release moves
// them all in one undo step and repaints what they covered. Then dropping a drag of a whole
// drawing of 1,000 to 8,000 objects, with and without lines attached between them.
#include "bench/support/PointerFrame.h"
#include "bench/support/QtBenchmark.h"
#include "bench/support/RectangleGridView.h"
#include "objects/PolyObj.h"
#include "objects/RectObj.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kColumns = 200;
constexpr int kRows = 100;
// The first rows are selected: 5 rows of 200.
constexpr int kSelectedRows = 5;

class DragBench
{
public:
    DragBench() : m_grid(kRows, kColumns, 9302)
    {
        const CObList* objects = Doc().GetObjectList();
        POSITION pos = objects->GetHeadPosition();
        for (int i = 0; i < kSelectedRows * kColumns; ++i)
            View().AppendToSelection(objects->GetNext(pos));
        View().Invalidate();
        View().UpdateWindow();
    }

    CZivraView& View() { return m_grid.View(); }
    CZivraDoc& Doc() { return m_grid.Doc(); }

    // A mouse event at a document point.
    void Send(QEvent::Type type, POINT doc) { SendMouse(View(), type, doc); }

private:
    PointerFrame m_frame;
    RectangleGridView m_grid;
};

DragBench* g_bench = nullptr;

// The centre of the first selected rectangle, where a press grabs the selection.
const CPoint kGrab(30, -30);

void BM_DragMouseMove(benchmark::State& state)
{
    DragBench& bench = *g_bench;
    bench.Send(QEvent::MouseButtonPress, kGrab);
    if (bench.View().GetTrackMode() != TRACK_MOVE)
        state.SkipWithError("the press did not start a move");
    int step = 0;
    for (auto _ : state) {
        // Alternating points, so that every move erases and redraws all outlines.
        bench.Send(QEvent::MouseMove, kGrab + CSize(step % 2 ? 40 : 80, -40));
        ++step;
    }
    CWnd::ReleaseCapture();
    state.counters["selected"] = double(bench.View().GetSelection().GetCount());
}
BENCHMARK(BM_DragMouseMove)->Unit(benchmark::kMillisecond);

void BM_DragRelease(benchmark::State& state)
{
    DragBench& bench = *g_bench;
    const auto* first = static_cast<const CRectObj*>(bench.Doc().GetObjectList()->GetHead());
    const auto* last = static_cast<const CRectObj*>(bench.View().GetSelection().GetHead());
    // The library calls this more than once on the same document: every run grabs the selection
    // where the last one left it, and drags it right from the start column and back again.
    for (auto _ : state) {
        state.PauseTiming();
        const CRect firstRect = first->GetRect();
        const LONG lastLeft = last->GetRect().left;
        const CPoint grab = firstRect.CenterPoint();
        const int offset = firstRect.left == kGrab.x - 10 ? 40 : -40;
        const CPoint drop = grab + CSize(offset, 0);
        bench.Send(QEvent::MouseButtonPress, grab);
        bench.Send(QEvent::MouseMove, drop);
        state.ResumeTiming();
        bench.Send(QEvent::MouseButtonRelease, drop);
        bench.View().UpdateWindow();
        // Every release must carry the whole selection, or the figure measures nothing.
        if (first->GetRect().left != firstRect.left + offset || last->GetRect().left != lastLeft + offset) {
            state.SkipWithError("a release did not move the selection");
            break;
        }
    }
    if (!bench.Doc().CanUndo())
        state.SkipWithError("the release recorded no undo step");
    // The first rectangle's left edge: 20 or 60 as the drags carried it right and back.
    state.counters["left"] = double(first->GetRect().left);
    state.counters["selected"] = double(bench.View().GetSelection().GetCount());
}
BENCHMARK(BM_DragRelease)->Unit(benchmark::kMillisecond);

// Dropping a drag of every object of a drawing of N: argument N (a multiple of the 200 columns).
// With the second argument 1 every other cell holds a line from the rectangle before it to the
// one after it, attached at both ends; the whole selection moves, so each line moves once.
void BM_DragAll(benchmark::State& state)
{
    const int count = int(state.range(0));
    const BOOL withLines = state.range(1) != 0;
    RectangleGridView grid(count / kColumns, kColumns, 9302, [withLines](WORD id, CPoint cell) -> CObject* {
        if (withLines && id % 2 == 0) {
            auto* line = new CPolyObj(id);
            line->AddPoint(CPoint(cell.x - 5, cell.y - 10));
            line->AddPoint(CPoint(cell.x + 25, cell.y - 10));
            line->SetStartObjectId(WORD(id - 1));
            line->SetEndObjectId(WORD(id + 1));
            return line;
        }
        return new CRectObj(id, CRect(cell.x, cell.y, cell.x + 20, cell.y - 20));
    });
    CZivraView& view = grid.View();
    const CObList* objects = grid.Doc().GetObjectList();
    for (POSITION pos = objects->GetHeadPosition(); pos;)
        view.AppendToSelection(objects->GetNext(pos));
    const auto* first = static_cast<const CRectObj*>(objects->GetHead());
    for (auto _ : state) {
        state.PauseTiming();
        const CRect firstRect = first->GetRect();
        const CPoint grab = firstRect.CenterPoint();
        const int offset = firstRect.left == kGrab.x - 10 ? 40 : -40;
        const CPoint drop = grab + CSize(offset, 0);
        SendMouse(view, QEvent::MouseButtonPress, grab);
        SendMouse(view, QEvent::MouseMove, drop);
        state.ResumeTiming();
        SendMouse(view, QEvent::MouseButtonRelease, drop);
        view.UpdateWindow();
        if (first->GetRect().left != firstRect.left + offset) {
            state.SkipWithError("a release did not move the selection");
            break;
        }
    }
    state.counters["selected"] = double(view.GetSelection().GetCount());
}
BENCHMARK(BM_DragAll)
    ->ArgsProduct({{1000, 2000, 4000, 8000}, {0, 1}})
    ->ArgNames({"objects", "lines"})
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QtBenchmark<QApplication> qt(argc, argv);
    DragBench bench;
    g_bench = &bench;
    return qt.Run();
}
