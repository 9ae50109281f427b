// The CREATE TABLE script of a data model of 1,000 conceptual files of 20 items each: opening the
// document file and writing the whole script as the file's bytes, and the script alone from a
// loaded model.
#include "bench/support/DocumentFileBench.h"
#include "bench/support/ModelFill.h"
#include "bench/support/QtBenchmark.h"
#include "document/ZivraDoc.h"
#include "model/DataModelClasses.h"
#include "physical/CreateTableDdl.h"
#include "physical/DataTypeList.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

constexpr int kFiles = 1000;
constexpr int kItemsPerFile = 20;

// Files with table names, items with types, NULL options and some default values.
int FillDdlModel(CBaseDoc& doc)
{
    RegisterDataModelClasses();
    int number = 0;
    for (CFileComp* file : FillModel(doc, kFiles, kItemsPerFile)) {
        CString name;
        name.Format("TABLE_%04d", number++);
        file->SetTableName(name);
        file->SetPrimaryIndexName("XPK_" + name);
        CDataList& items = file->GetDataList();
        int index = 0;
        for (POSITION pos = items.GetHeadPosition(); pos; ++index) {
            CData* item = items.GetNext(pos);
            item->SetColumnName(item->GetName());
            item->SetDataTypeName(index % 2 ? "VARCHAR2" : "NUMBER");
            item->SetEditKind(1);
            item->SetDigits(10);
            if (index % 5 == 4)
                item->SetDefaultValue("O'Neil");
        }
    }
    return int(doc.GetObjectList()->GetCount());
}

DdlOptions BenchOptions()
{
    DdlOptions options;
    options.column |= DDL_COLUMN_NAME_COLUMN_ELSE_ITEM;
    return options;
}

void BM_OpenAndWriteScript(benchmark::State& state)
{
    QTemporaryDir dir;
    const CString path = BenchPath(dir);
    {
        CZivraDoc source;
        FillDdlModel(source);
        source.OnSaveDocument(path);
        source.DeleteContents();
    }
    CDataTypeList types;
    types.SetDefaultDataTypes();
    const DdlOptions options = BenchOptions();
    qsizetype bytes = 0;
    for (auto _ : state) {
        auto doc = std::make_unique<CZivraDoc>();
        if (!doc->OnOpenDocument(path))
            state.SkipWithError("open failed");
        CString script;
        if (CreateTableDdl::BuildCreateTableScript(*doc, *doc->GetObjectList(), types, options, FALSE, script) !=
            kFiles)
            state.SkipWithError("script failed");
        bytes = CreateTableDdl::ToFileBytes(script).size();
        state.PauseTiming();
        doc->DeleteContents();
        doc.reset();
        state.ResumeTiming();
    }
    state.counters["script_bytes"] = double(bytes);
}
BENCHMARK(BM_OpenAndWriteScript)->Unit(benchmark::kMillisecond);

void BM_WriteScript(benchmark::State& state)
{
    CZivraDoc doc;
    FillDdlModel(doc);
    CDataTypeList types;
    types.SetDefaultDataTypes();
    const DdlOptions options = BenchOptions();
    for (auto _ : state) {
        CString script;
        if (CreateTableDdl::BuildCreateTableScript(doc, *doc.GetObjectList(), types, options, FALSE, script) != kFiles)
            state.SkipWithError("script failed");
        benchmark::DoNotOptimize(CreateTableDdl::ToFileBytes(script));
    }
    state.SetItemsProcessed(state.iterations() * kFiles);
    doc.DeleteContents();
}
BENCHMARK(BM_WriteScript)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return QtBenchmark<QApplication>(argc, argv).Run();
}
