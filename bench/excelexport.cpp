// Exporting a data model in the DB-interface form. A model of 1,000 conceptual files of 20 items
// each (two key items, references to the previous file, 1:N arrows between neighbours): the
// workbook built by the row writers, and the same written to an .xlsx file. And the workbook of
// N files of 10 items with N - 1 arrows, every second one a main subtype arrow, at N = 1k to 8k:
// the time per file must stay flat as N grows.
#include "bench/support/ModelFill.h"
#include "bench/support/QtBenchmark.h"
#include "document/ZivraDoc.h"
#include "excel/ExcelExport.h"
#include "model/DataModelClasses.h"
#include "model/ExcelExportContext.h"
#include "model/RelLineObj.h"
#include "platform/afx/List.h"

#include <QApplication>
#include <QTemporaryDir>

#include <memory>

#include <benchmark/benchmark.h>

namespace {

constexpr int kFiles = 1000;
constexpr int kItemsPerFile = 20;
constexpr DWORD kInterfaceForm = 0x80008;

struct Model
{
    Model(int files, int itemsPerFile)
    {
        RegisterDataModelClasses();
        FillModel(doc, files, itemsPerFile);
    }
    CZivraDoc doc;
};

std::unique_ptr<SheetWorkbook> BuildInterfaceWorkbook(CZivraDoc& doc)
{
    ExcelExportContext context;
    ExcelExportOutcome outcome;
    return ExcelExport::Build(doc, kInterfaceForm, "model.zvr", context, nullptr, outcome);
}

void BM_BuildInterfaceWorkbook(benchmark::State& state)
{
    Model model(kFiles, kItemsPerFile);
    for (auto _ : state) {
        auto book = BuildInterfaceWorkbook(model.doc);
        benchmark::DoNotOptimize(book.get());
    }
    state.SetItemsProcessed(state.iterations() * kFiles);
}
BENCHMARK(BM_BuildInterfaceWorkbook)->Unit(benchmark::kMillisecond);

void BM_ExportInterfaceWorkbookToFile(benchmark::State& state)
{
    Model model(kFiles, kItemsPerFile);
    QTemporaryDir dir;
    const QString path = dir.filePath("model.xlsx");
    for (auto _ : state)
        BuildInterfaceWorkbook(model.doc)->SaveAs(path);
    state.SetItemsProcessed(state.iterations() * kFiles);
}
BENCHMARK(BM_ExportInterfaceWorkbookToFile)->Unit(benchmark::kMillisecond);

// Every second arrow becomes a main subtype arrow, so that the export finds parents and main arrows.
void MakeSubTypeArrows(CBaseDoc& doc)
{
    int n = 0;
    CObList* objects = doc.GetObjectList();
    for (POSITION pos = objects->GetHeadPosition(); pos;) {
        auto* arrow = dynamic_cast<CRelLineObj*>(objects->GetNext(pos));
        if (arrow && n++ % 2 == 0) {
            arrow->SetKind(CRelLineObj::KIND_SUBTYPE);
            arrow->SetMainArrow(TRUE);
        }
    }
}

void BM_BuildInterfaceWorkbookOfFiles(benchmark::State& state)
{
    const int files = int(state.range(0));
    Model model(files, 10);
    MakeSubTypeArrows(model.doc);
    for (auto _ : state) {
        auto book = BuildInterfaceWorkbook(model.doc);
        benchmark::DoNotOptimize(book.get());
    }
    state.SetItemsProcessed(state.iterations() * files);
}
BENCHMARK(BM_BuildInterfaceWorkbookOfFiles)->Arg(1000)->Arg(2000)->Arg(4000)->Arg(8000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return QtBenchmark<QApplication>(argc, argv).Run();
}
