// Exporting a data model of 1,000 conceptual files of 20 items each (two key items, references to
// the previous file, 1:N arrows between neighbours) in the DB-interface form: the workbook built by
// the row writers, and the same written to an .xlsx file.
#include "bench/support/ModelFill.h"
#include "bench/support/QtBenchmark.h"
#include "document/ZivraDoc.h"
#include "excel/ExcelExport.h"
#include "model/DataModelClasses.h"
#include "model/ExcelExportContext.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int kFiles = 1000;
constexpr int kItemsPerFile = 20;

struct Model
{
    Model()
    {
        RegisterDataModelClasses();
        FillModel(doc, kFiles, kItemsPerFile);
    }
    CZivraDoc doc;
};

void BM_BuildInterfaceWorkbook(benchmark::State& state)
{
    Model model;
    for (auto _ : state) {
        ExcelExportContext context;
        ExcelExportOutcome outcome;
        auto book = ExcelExport::Build(model.doc, 0x80008, "model.zvr", context, nullptr, outcome);
        benchmark::DoNotOptimize(book.get());
    }
    state.SetItemsProcessed(state.iterations() * kFiles);
}
BENCHMARK(BM_BuildInterfaceWorkbook)->Unit(benchmark::kMillisecond);

void BM_ExportInterfaceWorkbookToFile(benchmark::State& state)
{
    Model model;
    QTemporaryDir dir;
    const QString path = dir.filePath("model.xlsx");
    for (auto _ : state) {
        ExcelExportContext context;
        ExcelExportOutcome outcome;
        auto book = ExcelExport::Build(model.doc, 0x80008, "model.zvr", context, nullptr, outcome);
        book->SaveAs(path);
    }
    state.SetItemsProcessed(state.iterations() * kFiles);
}
BENCHMARK(BM_ExportInterfaceWorkbookToFile)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return QtBenchmark<QApplication>(argc, argv).Run();
}
