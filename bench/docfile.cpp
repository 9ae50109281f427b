// Saving and opening a document file of 60,000 rectangles: the archive written into the compound
// file and put in place safely, and the file read back into a new document; refusing hostile huge
// files. Each benchmark also
// reports the peak resident memory while it ran (peak_rss_mb, the kernel's high-water mark reset
// at its start) and how far that peak rose above the memory in use at its start (peak_rise_mb).
#include "bench/support/DocumentFill.h"
#include "bench/support/DocumentFileBench.h"
#include "bench/support/QtBenchmark.h"
#include "document/ZivraDoc.h"

#include "platform/afx/MessageSink.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int kDocumentObjects = 60000;

int FillBenchDocument(CBaseDoc& doc)
{
    FillDocument(doc, kDocumentObjects);
    return kDocumentObjects;
}

void BM_SaveDocument(benchmark::State& state)
{
    RunSaveBenchmark(state, FillBenchDocument);
}
BENCHMARK(BM_SaveDocument)->Unit(benchmark::kMillisecond);

void BM_OpenDocument(benchmark::State& state)
{
    RunOpenBenchmark(state, FillBenchDocument);
}
BENCHMARK(BM_OpenDocument)->Unit(benchmark::kMillisecond);

// Refusing a hostile 2 GB file (sparse, made once): arg 0 all zero bytes, which read as a plain
// archive whose record ends long before the file does; arg 1 zeros after the compound-file
// signature. Time and memory must not depend on the file's size.
void BM_RefuseHugeFile(benchmark::State& state)
{
    QTemporaryDir dir;
    const CString path = BenchPath(dir);
    {
        QFile file(dir.filePath("bench.zvr"));
        if (!file.open(QIODevice::WriteOnly) ||
            (state.range(0) == 1 && file.write("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) != 8) ||
            !file.resize(qint64(2) << 30)) {
            state.SkipWithError("cannot make the file");
            return;
        }
    }
    int messages = 0;
    const MessageSink previous = SetMessageSink([&messages](const CString&, UINT, UINT) {
        ++messages;
        return IDOK;
    });
    const double inUseAtStart = StartMemoryWatch();
    for (auto _ : state) {
        CZivraDoc doc;
        if (doc.OnOpenDocument(path))
            state.SkipWithError("the file was opened");
    }
    ReportMemory(state, inUseAtStart);
    SetMessageSink(previous);
    if (messages != state.iterations())
        state.SkipWithError("not one message for each refusal");
}
BENCHMARK(BM_RefuseHugeFile)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return QtBenchmark<QApplication>(argc, argv).Run();
}
