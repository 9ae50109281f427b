// RKEY auto-setting (32921) on a data model of 1,000 conceptual files, each with two key items and
// five RKEY items named after the previous file's first key item (so every RKEY item finds one key
// item, and is tried against all 2,000). Each iteration runs both passes with overwrite in one
// undo step, as the command does after its question; every run therefore sets the same 4,995
// references and records the same 999 files.
#include "bench/support/ModelFill.h"
#include "bench/support/QtBenchmark.h"
#include "document/UndoStep.h"
#include "document/ZivraDoc.h"
#include "model/DataModelClasses.h"
#include "model/RelationGraph.h"
#include "model/RkeyAutoSetting.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

constexpr int kFiles = 1000;
constexpr int kRkeyItems = 5;
constexpr int kItemsPerFile = 2 + kRkeyItems;

void FillRkeyModel(CBaseDoc& doc)
{
    RegisterDataModelClasses();
    const std::vector<CFileComp*> files = FillModel(doc, kFiles, kItemsPerFile);
    for (std::size_t i = 1; i < files.size(); ++i) {
        const CString keyName = files[i - 1]->GetDataList().GetDataAt(0)->GetName();
        CDataList& items = files[i]->GetDataList();
        for (int index = 2; index < kItemsPerFile; ++index) {
            CData* item = items.GetDataAt(index);
            CString name;
            name.Format("R%d_", index);
            item->SetName(name + keyName);
            item->SetRkeyCode("R");
        }
    }
}

void BM_AutoSetRkeyReferences(benchmark::State& state)
{
    CZivraDoc doc;
    FillRkeyModel(doc);
    int count = 0;
    for (auto _ : state) {
        CUndoStep step(&doc);
        RelationGraph::ClearRkeyPassMarks(doc);
        count = RkeyAutoSetting::AutoSetRkeyReferences(doc, TRUE, TRUE);
        count += RkeyAutoSetting::AutoSetRkeyReferencesFromRefDocs(doc, TRUE, TRUE);
    }
    if (count != (kFiles - 1) * kRkeyItems)
        state.SkipWithError("not every RKEY item was set");
    state.SetItemsProcessed(state.iterations() * kFiles);
    doc.DeleteContents();
}
BENCHMARK(BM_AutoSetRkeyReferences)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return QtBenchmark<QApplication>(argc, argv).Run();
}
