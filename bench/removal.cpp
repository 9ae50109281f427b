// Removing every object of a drawing of 1,000 to 8,000 rectangles, all selected in a view: the
// delete command, and grouping, which adds the group and then removes its members. Each run is
// undone again untimed, so every run starts from the same drawing.
#include "bench/support/QtBenchmark.h"
#include "bench/support/RectangleGridView.h"
#include "document/UndoStep.h"
#include "model/DataModelClasses.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kColumns = 200;

void SelectAll(RectangleGridView& grid)
{
    const CObList* objects = grid.Doc().GetObjectList();
    for (POSITION pos = objects->GetHeadPosition(); pos;)
        grid.View().AppendToSelection(objects->GetNext(pos));
}

// Times the command on the whole selection; what is left in the drawing must be `left`.
template <typename Command>
void RunOnAll(benchmark::State& state, Command command, INT_PTR left)
{
    const int count = int(state.range(0));
    RectangleGridView grid(count / kColumns, kColumns, 9302);
    CZivraDoc& doc = grid.Doc();
    for (auto _ : state) {
        state.PauseTiming();
        SelectAll(grid);
        state.ResumeTiming();
        command(grid.View());
        state.PauseTiming();
        if (doc.GetObjectList()->GetCount() != left) {
            state.SkipWithError("the command did not remove the whole selection");
            break;
        }
        grid.View().ClearSelection();
        doc.Undo();
        if (doc.GetObjectList()->GetCount() != count) {
            state.SkipWithError("undo did not restore the drawing");
            break;
        }
        state.ResumeTiming();
    }
    state.counters["objects"] = double(count);
}

void BM_DeleteAll(benchmark::State& state)
{
    RunOnAll(
        state, [](CZivraView& view) { view.DeleteSelection(); }, 0);
}
BENCHMARK(BM_DeleteAll)->Arg(1000)->Arg(2000)->Arg(4000)->Arg(8000)->Unit(benchmark::kMillisecond);

void BM_GroupAll(benchmark::State& state)
{
    RunOnAll(
        state, [](CZivraView& view) { view.GroupSelection(); }, 1);
}
BENCHMARK(BM_GroupAll)->Arg(1000)->Arg(2000)->Arg(4000)->Arg(8000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QtBenchmark<QApplication> qt(argc, argv);
    RegisterDataModelClasses();
    return qt.Run();
}
