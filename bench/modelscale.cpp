// Commands on a whole data model in a shown view with everything selected: N conceptual files of 10
// items with an arrow from each file to the next (N = 1,000 to 8,000). Deleting, grouping and
// snapping to the grid are undone again untimed after each run, so every run starts from the same
// model; a drop carries the model right and back again. Snapping N rectangles is the same command
// on plain objects. What matters is the growth: each command touches every object once.
#include "bench/support/ModelFill.h"
#include "bench/support/PointerFrame.h"
#include "bench/support/QtBenchmark.h"
#include "bench/support/RectangleGridView.h"
#include "foundation/CommandIds.h"
#include "model/DataModelClasses.h"
#include "objects/BaseObj.h"
#include "objects/DrawObjects.h"
#include "objects/PolyObj.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kItemsPerFile = 10;
constexpr int kRectangleColumns = 200;

// 1,000 to 8,000 files (or rectangles), doubling.
void Sizes(benchmark::internal::Benchmark* bench)
{
    bench->Arg(1000)->Arg(2000)->Arg(4000)->Arg(8000)->Unit(benchmark::kMillisecond);
}

void SelectAll(CZivraView& view, const CZivraDoc& doc)
{
    const CObList* objects = doc.GetObjectList();
    for (POSITION pos = objects->GetHeadPosition(); pos;)
        view.AppendToSelection(objects->GetNext(pos));
}

// Moves every object off the 20-unit grid, outside any undo step.
void MoveOffGrid(CZivraDoc& doc)
{
    const CSize offset(7, -7);
    const CObList* objects = doc.GetObjectList();
    for (POSITION pos = objects->GetHeadPosition(); pos;) {
        CObject* object = objects->GetNext(pos);
        if (CPolyObj* line = DrawObjects::AsLineObject(object))
            line->MoveBy(offset, 0);
        else if (CBaseObj* box = DrawObjects::AsBoxObject(object))
            box->MoveBy(offset, 0);
    }
}

// The shown model of N files, off the grid.
class ModelView
{
public:
    explicit ModelView(int files) : m_view(0, 0, 9302)
    {
        m_files = FillModel(Doc(), files, kItemsPerFile);
        MoveOffGrid(Doc());
        // A page more each way than the model needs, so that a drag is never held at the edge.
        const CSize pages = Doc().FitPageCount(0, 0);
        Doc().SetPages(pages.cx + 1, pages.cy + 1);
        View().OnInitialUpdate();
        View().Invalidate();
        View().UpdateWindow();
    }

    CZivraView& View() { return m_view.View(); }
    CZivraDoc& Doc() { return m_view.Doc(); }
    const CFileComp& FirstFile() const { return *m_files.front(); }

private:
    PointerFrame m_frame;
    RectangleGridView m_view;
    std::vector<CFileComp*> m_files;
};

// The first object's rectangle, which every command here changes or takes away.
CRect FirstRect(const CZivraDoc& doc)
{
    const CBaseObj* box =
        doc.GetObjectList()->IsEmpty() ? nullptr : DrawObjects::AsBoxObject(doc.GetObjectList()->GetHead());
    return box ? box->GetRect() : CRect();
}

// Times the command on the whole selection, then undoes it untimed; the first object must have
// changed and come back.
template <typename Command>
void RunAndUndo(benchmark::State& state, CZivraView& view, CZivraDoc& doc, Command command)
{
    const INT_PTR count = doc.GetObjectList()->GetCount();
    const CRect before = FirstRect(doc);
    for (auto _ : state) {
        state.PauseTiming();
        SelectAll(view, doc);
        state.ResumeTiming();
        command(view);
        state.PauseTiming();
        const BOOL changed = doc.GetObjectList()->GetCount() != count || FirstRect(doc) != before;
        view.ClearSelection();
        doc.Undo();
        if (!changed || doc.GetObjectList()->GetCount() != count || FirstRect(doc) != before) {
            state.SkipWithError(changed ? "undo did not restore the model" : "the command changed nothing");
            break;
        }
        state.ResumeTiming();
    }
    state.counters["objects"] = double(count);
}

void BM_DeleteModel(benchmark::State& state)
{
    ModelView model(int(state.range(0)));
    RunAndUndo(state, model.View(), model.Doc(), [](CZivraView& view) { view.DeleteSelection(); });
}
BENCHMARK(BM_DeleteModel)->Apply(Sizes);

void BM_GroupModel(benchmark::State& state)
{
    ModelView model(int(state.range(0)));
    RunAndUndo(state, model.View(), model.Doc(), [](CZivraView& view) { view.GroupSelection(); });
}
BENCHMARK(BM_GroupModel)->Apply(Sizes);

void SnapSelection(CZivraView& view)
{
    view.OnObjectOperationCommand(ID_OBJ_SNAP_TO_GRID);
}

void BM_SnapModel(benchmark::State& state)
{
    ModelView model(int(state.range(0)));
    RunAndUndo(state, model.View(), model.Doc(), &SnapSelection);
}
BENCHMARK(BM_SnapModel)->Apply(Sizes);

void BM_SnapRectangles(benchmark::State& state)
{
    PointerFrame frame;
    RectangleGridView grid(int(state.range(0)) / kRectangleColumns, kRectangleColumns, 9302);
    RunAndUndo(state, grid.View(), grid.Doc(), &SnapSelection);
}
BENCHMARK(BM_SnapRectangles)->Apply(Sizes);

// Dropping a drag of the whole model: pressed on the first file, released 40 units to the right
// (and on the next run back again, as far as the grid lets it).
void BM_DropModel(benchmark::State& state)
{
    ModelView model(int(state.range(0)));
    CZivraView& view = model.View();
    int run = 0;
    for (auto _ : state) {
        state.PauseTiming();
        // Selected afresh each time: a press on the file that was current would edit its text.
        view.ClearSelection();
        SelectAll(view, model.Doc());
        const CRect first = model.FirstFile().GetRect();
        const CPoint grab(first.left + 20, first.top - 20);
        const CPoint drop = grab + CSize(run++ % 2 ? -40 : 40, 0);
        SendMouse(view, QEvent::MouseButtonPress, grab);
        SendMouse(view, QEvent::MouseMove, drop);
        state.ResumeTiming();
        SendMouse(view, QEvent::MouseButtonRelease, drop);
        view.UpdateWindow();
        if (model.FirstFile().GetRect().left == first.left) {
            state.SkipWithError("a release did not move the selection");
            break;
        }
    }
    state.counters["objects"] = double(model.Doc().GetObjectList()->GetCount());
}
BENCHMARK(BM_DropModel)->Apply(Sizes)->Iterations(4);

} // namespace

int main(int argc, char** argv)
{
    QtBenchmark<QApplication> qt(argc, argv);
    RegisterDataModelClasses();
    return qt.Run();
}
