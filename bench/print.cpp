// Printing a drawing of 20,000 rectangles (6 pages) to a PDF file through the view's print job;
// the counter gives the file's size, which grows with every state change the drawing layer sends.
#include "bench/support/QtBenchmark.h"
#include "bench/support/RectangleGridView.h"
#include "foundation/CommandIds.h"
#include "platform/ui/FrameworkIds.h"
#include "platform/ui/WinApp.h"

#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int kColumns = 200;
constexpr int kRows = 100;

// The application whose printer writes the PDF file.
class PdfApp : public CWinApp
{
public:
    explicit PdfApp(const QString& file) : m_printer(QPrinter::HighResolution)
    {
        m_printer.setOutputFormat(QPrinter::PdfFormat);
        m_printer.setOutputFileName(file);
    }
    QPrinter* GetPrinter() override { return &m_printer; }

private:
    QPrinter m_printer;
};

RectangleGridView* g_bench = nullptr;

void BM_PrintToPdf(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("bench.pdf"));
    PdfApp app(file);
    for (auto _ : state)
        g_bench->View().SendMessage(WM_COMMAND, ID_FILE_PRINT_DIRECT);
    state.counters["objects"] = kColumns * kRows;
    state.counters["pdf_bytes"] = double(QFileInfo(file).size());
}
BENCHMARK(BM_PrintToPdf)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QtBenchmark<QApplication> qt(argc, argv);
    RectangleGridView bench(kRows, kColumns, 9401);
    g_bench = &bench;
    return qt.Run();
}
