// Copying, pasting, grouping and ungrouping 5,000 objects, and undoing and redoing each: the
// archive of the selection put on the clipboard, the paste with its new ids and its undo records,
// the group built of copies with the originals removed, and its dissolution.
#include "bench/support/DocumentFill.h"
#include "bench/support/QtBenchmark.h"
#include "document/CopyBufferServices.h"
#include "document/DocumentClasses.h"
#include "document/UndoStep.h"
#include "document/ZivraDoc.h"
#include "objects/CopyList.h"
#include "objects/GroupObj.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int kObjects = 5000;

class BenchCopyBuffer : public CopyBufferServices
{
public:
    BenchCopyBuffer() { SetCopyBufferServices(this); }
    ~BenchCopyBuffer() override { SetCopyBufferServices(nullptr); }
    CCopyList* LoadCopyBuffer(const COleDataObject& data, CBaseDoc* target) override
    {
        m_buffer.LoadFromDataObject(data, target);
        return &m_buffer;
    }

private:
    CCopyList m_buffer;
};

// A document of 5,000 rectangles whose pages hold them all.
std::unique_ptr<CZivraDoc> MakeFilledDocument()
{
    auto doc = std::make_unique<CZivraDoc>();
    FillDocument(*doc, kObjects);
    doc->SetPages(1, 1);
    return doc;
}

// An empty document as large as the filled one, so that a paste needs no question.
std::unique_ptr<CZivraDoc> MakeTargetDocument(const CZivraDoc& like)
{
    auto doc = std::make_unique<CZivraDoc>();
    const CSize pages = like.GetPages();
    doc->SetPages(pages.cx, pages.cy);
    return doc;
}

void Paste(CZivraDoc& doc)
{
    CUndoStep step(&doc);
    doc.PasteObjects(0, 0);
}

CGroupObj* GroupAll(CZivraDoc& doc)
{
    CUndoStep step(&doc);
    CObList all;
    all.AddTail(doc.GetObjectList());
    CGroupObj* group = doc.GroupObjects(&all);
    doc.RemoveObjects(all);
    return group;
}

void Ungroup(CZivraDoc& doc, CGroupObj* group)
{
    CUndoStep step(&doc);
    CObList members;
    doc.UngroupObject(group, &members);
    doc.RemoveObject(group);
}

void BM_CopyFiveThousand(benchmark::State& state)
{
    const auto doc = MakeFilledDocument();
    for (auto _ : state)
        PutDrawObjectsOnClipboard(*doc->GetObjectList());
    state.SetItemsProcessed(state.iterations() * kObjects);
}
BENCHMARK(BM_CopyFiveThousand)->Unit(benchmark::kMillisecond);

void BM_PasteFiveThousand(benchmark::State& state)
{
    BenchCopyBuffer frame;
    const auto source = MakeFilledDocument();
    PutDrawObjectsOnClipboard(*source->GetObjectList());
    for (auto _ : state) {
        state.PauseTiming();
        auto doc = MakeTargetDocument(*source);
        state.ResumeTiming();
        Paste(*doc);
        state.PauseTiming();
        doc.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kObjects);
}
BENCHMARK(BM_PasteFiveThousand)->Unit(benchmark::kMillisecond);

void BM_UndoRedoPasteOfFiveThousand(benchmark::State& state)
{
    BenchCopyBuffer frame;
    const auto source = MakeFilledDocument();
    PutDrawObjectsOnClipboard(*source->GetObjectList());
    const auto doc = MakeTargetDocument(*source);
    Paste(*doc);
    for (auto _ : state) {
        doc->Undo();
        doc->Redo();
    }
    state.SetItemsProcessed(state.iterations() * 2 * kObjects);
}
BENCHMARK(BM_UndoRedoPasteOfFiveThousand)->Unit(benchmark::kMillisecond);

void BM_GroupAndUngroupFiveThousand(benchmark::State& state)
{
    const auto doc = MakeFilledDocument();
    for (auto _ : state)
        Ungroup(*doc, GroupAll(*doc));
    state.SetItemsProcessed(state.iterations() * kObjects);
}
BENCHMARK(BM_GroupAndUngroupFiveThousand)->Unit(benchmark::kMillisecond);

void BM_UndoRedoGroupAndUngroupOfFiveThousand(benchmark::State& state)
{
    const auto doc = MakeFilledDocument();
    Ungroup(*doc, GroupAll(*doc));
    for (auto _ : state) {
        doc->Undo(); // the ungrouping
        doc->Undo(); // the grouping
        doc->Redo();
        doc->Redo();
    }
    state.SetItemsProcessed(state.iterations() * 4 * kObjects);
}
BENCHMARK(BM_UndoRedoGroupAndUngroupOfFiveThousand)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    RegisterDocumentClasses();
    return QtBenchmark<QApplication>(argc, argv).Run();
}
