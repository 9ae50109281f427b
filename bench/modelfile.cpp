// Saving and opening a data model of 1,000 conceptual files of 20 items each, tied by 999 relation
// arrows: the document file written and put in place, and read back into a new document, with the
// peak memory of each.
#include "bench/support/DocumentFileBench.h"
#include "bench/support/ModelFill.h"
#include "bench/support/QtBenchmark.h"
#include "document/ZivraDoc.h"
#include "model/DataModelClasses.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

constexpr int kFiles = 1000;
constexpr int kItemsPerFile = 20;

int FillBenchModel(CBaseDoc& doc)
{
    RegisterDataModelClasses();
    FillModel(doc, kFiles, kItemsPerFile);
    return int(doc.GetObjectList()->GetCount());
}

void BM_SaveModel(benchmark::State& state)
{
    RunSaveBenchmark(state, FillBenchModel);
}
BENCHMARK(BM_SaveModel)->Unit(benchmark::kMillisecond);

void BM_OpenModel(benchmark::State& state)
{
    RunOpenBenchmark(state, FillBenchModel);
}
BENCHMARK(BM_OpenModel)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return QtBenchmark<QApplication>(argc, argv).Run();
}
