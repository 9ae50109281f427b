// Saving and opening a data model of 1,000 conceptual files of 20 items each, tied by 999 relation
// arrows: the document file written and put in place, and read back into a new document, with the
// peak memory of each.
#include "bench/support/MemoryWatch.h"
#include "bench/support/ModelFill.h"
#include "bench/support/QtBenchmark.h"
#include "document/ZivraDoc.h"
#include "model/DataModelClasses.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int kFiles = 1000;
constexpr int kItemsPerFile = 20;

int FillBenchModel(CBaseDoc& doc)
{
    FillModel(doc, kFiles, kItemsPerFile);
    return int(doc.GetObjectList()->GetCount());
}

CString ModelPath(const QTemporaryDir& dir)
{
    return CString(dir.filePath("model.zvr").toUtf8().constData());
}

void BM_SaveModel(benchmark::State& state)
{
    RegisterDataModelClasses();
    QTemporaryDir dir;
    CZivraDoc doc;
    const int objects = FillBenchModel(doc);
    const CString path = ModelPath(dir);
    const double inUseAtStart = StartMemoryWatch();
    for (auto _ : state)
        if (!doc.OnSaveDocument(path))
            state.SkipWithError("save failed");
    ReportMemory(state, inUseAtStart);
    state.SetItemsProcessed(state.iterations() * objects);
    doc.DeleteContents();
}
BENCHMARK(BM_SaveModel)->Unit(benchmark::kMillisecond);

void BM_OpenModel(benchmark::State& state)
{
    RegisterDataModelClasses();
    QTemporaryDir dir;
    const CString path = ModelPath(dir);
    int objects = 0;
    {
        CZivraDoc source;
        objects = FillBenchModel(source);
        source.OnSaveDocument(path);
        source.DeleteContents();
    }
    const double inUseAtStart = StartMemoryWatch();
    for (auto _ : state) {
        auto doc = std::make_unique<CZivraDoc>();
        if (!doc->OnOpenDocument(path) || doc->GetObjectList()->GetCount() != objects)
            state.SkipWithError("open failed");
        state.PauseTiming();
        doc->DeleteContents();
        doc.reset();
        state.ResumeTiming();
    }
    ReportMemory(state, inUseAtStart);
    state.SetItemsProcessed(state.iterations() * objects);
}
BENCHMARK(BM_OpenModel)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return QtBenchmark<QApplication>(argc, argv).Run();
}
