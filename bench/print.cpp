// Printing a drawing of 20,000 rectangles (6 pages) to a PDF file through the view's print job;
// the counter gives the file's size, which grows with every state change the drawing layer sends.
// Then the same objects drawn once through the drawing layer onto a picture and onto a PDF page
// of the same size in pixels, which compares vector with raster output of the same calls.
#include "bench/support/QtBenchmark.h"
#include "bench/support/RectangleGridView.h"
#include "document/ZivraDoc.h"
#include "foundation/CommandIds.h"
#include "objects/DrawObjects.h"
#include "platform/gdi/DC.h"
#include "platform/ui/FrameworkIds.h"
#include "platform/ui/WinApp.h"

#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPdfWriter>
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

// The grid's extent: 200 columns 25 units apart, 100 rows 30 apart, in 0.1 mm.
constexpr int kPixelsWide = 1900;
constexpr int kPixelsHigh = 1150;

// Every object of the document at zoom 100 onto the device, in 0.1 mm with y up, at 96 dpi.
void DrawAllObjects(QPaintDevice* device)
{
    CDC dc;
    dc.CreateOnDevice(device);
    dc.SetDeviceCaps(LOGPIXELSX, 96);
    dc.SetDeviceCaps(LOGPIXELSY, 96);
    dc.SetMapMode(MM_LOMETRIC);
    CZivraDoc& doc = g_bench->Doc();
    const LOGFONT font = *doc.GetDrawingFont();
    const CObList* objects = doc.GetObjectList();
    for (POSITION pos = objects->GetHeadPosition(); pos;)
        DrawObjects::Draw(objects->GetNext(pos), &dc, 100, FALSE, TRUE, &font, doc.GetDrawOpt(), &doc);
}

void BM_DrawObjectsToImage(benchmark::State& state)
{
    QImage image(kPixelsWide, kPixelsHigh, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        DrawAllObjects(&image);
    }
    state.counters["objects"] = kColumns * kRows;
}
BENCHMARK(BM_DrawObjectsToImage)->Unit(benchmark::kMillisecond);

void BM_DrawObjectsToPdf(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("objects.pdf"));
    for (auto _ : state) {
        QPdfWriter pdf(file);
        pdf.setResolution(96);
        // Points are 1/72 inch: the page holds as many 96-dpi pixels as the picture.
        pdf.setPageSize(QPageSize(QSizeF(kPixelsWide * 0.75, kPixelsHigh * 0.75), QPageSize::Point));
        pdf.setPageMargins(QMarginsF());
        DrawAllObjects(&pdf);
    }
    state.counters["objects"] = kColumns * kRows;
    state.counters["pdf_bytes"] = double(QFileInfo(file).size());
}
BENCHMARK(BM_DrawObjectsToPdf)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QtBenchmark<QApplication> qt(argc, argv);
    RectangleGridView bench(kRows, kColumns, 9401);
    g_bench = &bench;
    return qt.Run();
}
