// Painting through CDC into a 2000 x 2000 image: rectangles, lines and text.
#include "bench/support/ImageCanvas.h"
#include "bench/support/QtBenchmark.h"
#include "platform/gdi/DC.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPageSize>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstring>

namespace {

constexpr int kShapes = 20000;

struct Canvas : ImageCanvas
{
    CFont font;

    Canvas()
    {
        LOGFONT lf{};
        lf.lfHeight = -35;
        std::strcpy(lf.lfFaceName, CString(u8"ＭＳ Ｐゴシック").GetString());
        font.CreateFontIndirect(&lf);
        dc.SelectObject(&font);
        dc.SetBkMode(TRANSPARENT);
    }
};

// Positions spread over the picture (5290 x 5290 units of 0.1 mm).
int X(int i)
{
    return (i * 7919) % 5000;
}
int Y(int i)
{
    return -((i * 104729) % 5000);
}

void BM_Rectangles(benchmark::State& state)
{
    Canvas canvas;
    CPen pen(PS_SOLID, 0, RGB(0, 0, 128));
    CBrush brush(RGB(200, 230, 255));
    canvas.dc.SelectObject(&pen);
    canvas.dc.SelectObject(&brush);
    for (auto _ : state)
        for (int i = 0; i < kShapes; ++i)
            canvas.dc.Rectangle(X(i), Y(i), X(i) + 200, Y(i) - 120);
    state.SetItemsProcessed(state.iterations() * kShapes);
}
BENCHMARK(BM_Rectangles)->Unit(benchmark::kMillisecond);

void BM_Lines(benchmark::State& state)
{
    Canvas canvas;
    CPen pen(PS_SOLID, 5, RGB(0, 0, 0));
    canvas.dc.SelectObject(&pen);
    for (auto _ : state)
        for (int i = 0; i < kShapes; ++i) {
            canvas.dc.MoveTo(X(i), Y(i));
            canvas.dc.LineTo(X(i + 1), Y(i + 1));
        }
    state.SetItemsProcessed(state.iterations() * kShapes);
}
BENCHMARK(BM_Lines)->Unit(benchmark::kMillisecond);

// What a diagram does: a framed box with a centred label per object.
void BM_BoxesWithText(benchmark::State& state)
{
    Canvas canvas;
    const CString label(u8"顧客マスタ");
    for (auto _ : state)
        for (int i = 0; i < kShapes; ++i) {
            CRect box(X(i), Y(i), X(i) + 300, Y(i) - 100);
            canvas.dc.Rectangle(&box);
            canvas.dc.DrawText(label, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
            canvas.dc.MoveTo(box.left, box.bottom);
            canvas.dc.LineTo(box.right, box.top);
        }
    state.SetItemsProcessed(state.iterations() * kShapes);
}
BENCHMARK(BM_BoxesWithText)->Unit(benchmark::kMillisecond);

// A text-heavy drawing written to PDF: 5,000 framed labels in two colours; the counter gives the
// file's size, which grows with every graphics state and clip the drawing layer sends.
void BM_LabelsToPdf(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("labels.pdf"));
    constexpr int labels = 5000;
    const CString label(u8"顧客マスタ");
    for (auto _ : state) {
        QPdfWriter pdf(file);
        pdf.setResolution(96);
        pdf.setPageSize(QPageSize(QSizeF(2000 * 0.75, 2000 * 0.75), QPageSize::Point));
        pdf.setPageMargins(QMarginsF());
        CDC dc;
        dc.CreateOnDevice(&pdf);
        dc.SetDeviceCaps(LOGPIXELSX, 96);
        dc.SetDeviceCaps(LOGPIXELSY, 96);
        dc.SetMapMode(MM_LOMETRIC);
        LOGFONT lf{};
        lf.lfHeight = -35;
        std::strcpy(lf.lfFaceName, CString(u8"ＭＳ Ｐゴシック").GetString());
        CFont font;
        font.CreateFontIndirect(&lf);
        dc.SelectObject(&font);
        dc.SetBkMode(TRANSPARENT);
        for (int i = 0; i < labels; ++i) {
            dc.SetTextColor(i < labels / 2 ? RGB(0, 0, 0) : RGB(0, 0, 160));
            CRect box(X(i), Y(i), X(i) + 300, Y(i) - 100);
            dc.Rectangle(&box);
            dc.DrawText(label, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        }
    }
    state.counters["pdf_bytes"] = double(QFileInfo(file).size());
}
BENCHMARK(BM_LabelsToPdf)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return QtBenchmark<QGuiApplication>(argc, argv).Run();
}
