// The DB-interface import of a model of 1,000 conceptual files of 20 items each, from the workbook
// its export writes: reading the .xlsx file, building the model into a new document (sorting, item
// texts, fitting), and the same with the layout passes of a drawing view.
#include "bench/support/ModelFill.h"
#include "bench/support/QtBenchmark.h"
#include "bench/support/RectangleGridView.h"
#include "document/ZivraDoc.h"
#include "excel/ExcelExport.h"
#include "excel/ExcelImport.h"
#include "model/DataModelClasses.h"
#include "model/ExcelExportContext.h"
#include "platform/afx/MessageSink.h"
#include "platform/ui/UserMessages.h"
#include "view/ExcelImportViewServices.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int kFiles = 1000;
constexpr int kItemsPerFile = 20;

class Services : public ExcelImportServices
{
public:
    const CBoxStyleList* GetFileTypes() const override { return nullptr; }
    const CDataTypeList* GetDataTypes() const override { return nullptr; }
    ExcelExportProgress* OpenProgress() override { return nullptr; }
    void CloseProgress() override {}
    QString GetLastWorkbook() const override { return {}; }
    void SetLastWorkbook(const QString&) override {}
};

// The exported workbook of the model, on file.
struct Exported
{
    Exported()
    {
        RegisterDataModelClasses();
        CZivraDoc doc;
        FillModel(doc, kFiles, kItemsPerFile);
        ExcelExportContext context;
        ExcelExportOutcome outcome;
        workbook.path = dir.filePath("model.xlsx");
        ExcelExport::Build(doc, 0x80008, "model.zvr", context, nullptr, outcome)->SaveAs(workbook.path);
        workbook.book = SheetWorkbook::Open(workbook.path);
    }
    QTemporaryDir dir;
    ExcelImportWorkbook workbook;
};

// Messages are answered at once.
struct QuietMessages
{
    QuietMessages() : previous(SetMessageSink([](const CString&, UINT, UINT) { return IDOK; })) {}
    ~QuietMessages() { SetMessageSink(previous); }
    MessageSink previous;
};

void BM_ReadInterfaceWorkbook(benchmark::State& state)
{
    Exported exported;
    for (auto _ : state)
        benchmark::DoNotOptimize(SheetWorkbook::Open(exported.workbook.path).get());
    state.SetItemsProcessed(state.iterations() * kFiles);
}
BENCHMARK(BM_ReadInterfaceWorkbook)->Unit(benchmark::kMillisecond);

void BM_ImportInterfaceWorkbook(benchmark::State& state)
{
    Exported exported;
    QuietMessages quiet;
    Services services;
    for (auto _ : state) {
        state.PauseTiming();
        auto doc = std::make_unique<CZivraDoc>();
        state.ResumeTiming();
        ExcelImport::ImportDbInterfaceSheet(*doc, nullptr, exported.workbook, services);
        state.PauseTiming();
        doc.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kFiles);
}
BENCHMARK(BM_ImportInterfaceWorkbook)->Unit(benchmark::kMillisecond);

// Through the new view's message, as the command runs it, layout included.
class ViewImport : public ExcelImportViewServices
{
public:
    ViewImport(const ExcelImportWorkbook& workbook, Services& services)
        : m_workbook(workbook), m_services(services), m_previous(SetExcelImportViewServices(this))
    {
    }
    ~ViewImport() override { SetExcelImportViewServices(m_previous); }
    ViewImport(const ViewImport&) = delete;
    ViewImport& operator=(const ViewImport&) = delete;
    BOOL ImportExcelDbInterface(CBaseView& view, LPARAM) override
    {
        return ExcelImport::ImportDbInterfaceSheet(*view.GetDocument(), &view, m_workbook, m_services);
    }

private:
    const ExcelImportWorkbook& m_workbook;
    Services& m_services;
    ExcelImportViewServices* m_previous;
};

void BM_ImportInterfaceWorkbookIntoView(benchmark::State& state)
{
    Exported exported;
    QuietMessages quiet;
    Services services;
    ViewImport import(exported.workbook, services);
    for (auto _ : state) {
        state.PauseTiming();
        auto view = std::make_unique<RectangleGridView>(0, 0, 9304);
        state.ResumeTiming();
        view->View().SendMessage(UM_IMPORT_EXCEL_DBIF, 0, 0);
        state.PauseTiming();
        view.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kFiles);
}
BENCHMARK(BM_ImportInterfaceWorkbookIntoView)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return QtBenchmark<QApplication>(argc, argv).Run();
}
