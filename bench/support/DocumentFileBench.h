// The save and open benchmarks of a document file, whatever fills the document: saving it once an
// iteration, and opening the saved file into a new document once an iteration, each with its peak
// memory (see MemoryWatch.h).
#pragma once

#include "bench/support/MemoryWatch.h"
#include "document/ZivraDoc.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <functional>
#include <memory>

// Fills the document: the number of objects it then holds.
using DocumentFiller = std::function<int(CBaseDoc&)>;

inline CString BenchPath(const QTemporaryDir& dir)
{
    return CString(dir.filePath("bench.zvr").toUtf8().constData());
}

inline void RunSaveBenchmark(benchmark::State& state, const DocumentFiller& fill)
{
    QTemporaryDir dir;
    CZivraDoc doc;
    const int objects = fill(doc);
    const CString path = BenchPath(dir);
    const double inUseAtStart = StartMemoryWatch();
    for (auto _ : state)
        if (!doc.OnSaveDocument(path))
            state.SkipWithError("save failed");
    ReportMemory(state, inUseAtStart);
    state.SetItemsProcessed(state.iterations() * objects);
    doc.DeleteContents();
}

inline void RunOpenBenchmark(benchmark::State& state, const DocumentFiller& fill)
{
    QTemporaryDir dir;
    const CString path = BenchPath(dir);
    int objects = 0;
    {
        CZivraDoc source;
        objects = fill(source);
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
