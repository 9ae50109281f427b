// The document's object list and undo log under load: filling a document with rectangles through
// AddObject (ids, added-records, modified stamp), and undoing and redoing one step that changed a
// thousand objects of a large document.
#include "bench/support/DocumentFill.h"
#include "bench/support/QtBenchmark.h"
#include "document/UndoStep.h"
#include "document/ZivraDoc.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int kDocumentObjects = 60000;
constexpr int kChangedObjects = 1000;

void BM_AddRectangles(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto doc = std::make_unique<CZivraDoc>();
        state.ResumeTiming();
        FillDocument(*doc, kDocumentObjects);
        state.PauseTiming();
        doc->DeleteContents();
        doc.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kDocumentObjects);
}
BENCHMARK(BM_AddRectangles)->Unit(benchmark::kMillisecond);

// One step moves every 60th object of the document (1,000 of 60,000); each iteration undoes and
// redoes that step.
void BM_UndoRedoStepOfThousandChanges(benchmark::State& state)
{
    CZivraDoc doc;
    FillDocument(doc, kDocumentObjects);
    {
        CUndoStep step(&doc);
        const CSize offset(5, -5);
        CObList* list = doc.GetObjectList();
        int index = 0;
        for (POSITION pos = list->GetHeadPosition(); pos; ++index) {
            CObject* object = list->GetNext(pos);
            if (index % (kDocumentObjects / kChangedObjects) == 0)
                doc.MoveOrResizeObject(object, TRUE, &offset, 1, 0);
        }
    }
    for (auto _ : state) {
        doc.Undo();
        doc.Redo();
    }
    state.SetItemsProcessed(state.iterations() * 2 * kChangedObjects);
    doc.DeleteContents();
}
BENCHMARK(BM_UndoRedoStepOfThousandChanges)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return QtBenchmark<QApplication>(argc, argv).Run();
}
