// Drawing conceptual-file boxes with their file-type marks and texts at zoom 100 into a
// 2000 x 2000 image, as a large data model diagram paints them; once with the platform's text
// drawing and once with the program's own text layout; and the generic labelled boxes.
#include "bench/support/ImageCanvas.h"
#include "bench/support/QtBenchmark.h"
#include "foundation/FileTypeMarks.h"
#include "foundation/SymbolPrimitives.h"
#include "platform/gdi/DC.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

namespace {

constexpr int kBoxes = 5000;

// Origins spread over the picture (5290 x 5290 units of 0.1 mm).
POINT Origin(int i)
{
    return {(i * 7919) % 5000, -((i * 104729) % 5000)};
}

void DrawBoxes(benchmark::State& state, DWORD flags)
{
    ImageCanvas canvas;
    LOGFONT font;
    InitDefaultLogFont(font);
    const FileBoxTexts texts{"E0123", CString(u8"顧客マスタ"), CString(u8"顧客番号"),
                             CString(u8"顧客名\r\n住所\r\n電話番号"), ""};
    for (auto _ : state)
        for (int i = 0; i < kBoxes; ++i)
            DrawFileBoxWithMark(&canvas.dc, 100, texts, Origin(i), {240, -160}, {80, -40, -40, 0},
                                WORD(1 + i % (FILE_TYPE_MARK_COUNT - 1)), {PS_SOLID, 0, 1}, 0, font, flags, 0, 0);
    state.SetItemsProcessed(state.iterations() * kBoxes);
}

void BM_FileBoxesWithMarks(benchmark::State& state)
{
    DrawBoxes(state, 0);
}
BENCHMARK(BM_FileBoxesWithMarks)->Unit(benchmark::kMillisecond);

void BM_FileBoxesWithMarksOwnTextLayout(benchmark::State& state)
{
    DrawBoxes(state, SYMBOL_OWN_TEXT_LAYOUT);
}
BENCHMARK(BM_FileBoxesWithMarksOwnTextLayout)->Unit(benchmark::kMillisecond);

// The symbol library's labelled box (a name band and a body text) as the model draws most of its
// symbols: 20,000 of them at zoom 100.
void BM_LabelledBoxes(benchmark::State& state)
{
    ImageCanvas canvas;
    LOGFONT font;
    InitDefaultLogFont(font);
    const CString name(u8"受注登録");
    const CString text(u8"受注を登録し\r\n在庫を引き当てる");
    constexpr int count = 20000;
    for (auto _ : state)
        for (int i = 0; i < count; ++i)
            DrawLabeledBox(&canvas.dc, 100, name, text, Origin(i), {400, -300}, FALSE, TRUE, FALSE, RGB(0, 0, 128), 0,
                           font, 0);
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_LabelledBoxes)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return QtBenchmark<QGuiApplication>(argc, argv).Run();
}
