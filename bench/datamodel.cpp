// Repainting a data model: 1,000 conceptual files of 20 items each (3 key items, 17 data items)
// in 40 columns and 25 rows, their texts built from the items (every file's name and items named
// apart, so no text repeats), and 999 1:N relation arrows, each from a file to the next.
// Measured: the drawing view's full repaint at zoom 100 (what a 1920 x 1200 window shows), 33 and
// 25 (most of the model in sight), and every file drawn once through the drawing layer onto a
// picture.
#include "bench/support/ImageCanvas.h"
#include "bench/support/QtBenchmark.h"
#include "bench/support/RectangleGridView.h"
#include "document/UndoStep.h"
#include "document/ZivraDoc.h"
#include "foundation/CommandIds.h"
#include "model/Data.h"
#include "model/FileComp.h"
#include "model/NotationSymbols.h"
#include "model/RelLineObj.h"
#include "objects/DrawObjects.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr int kColumns = 40;
constexpr int kRows = 25;
constexpr int kFiles = kColumns * kRows;
constexpr int kKeyItems = 3;
constexpr int kItems = 20;
// Each file 300 x 800 in a cell of 400 x 900.
constexpr int kCellWidth = 400;
constexpr int kCellHeight = 900;
constexpr DWORD kNormalDisplay = 0x10000;

RectangleGridView* g_model = nullptr;

CString Numbered(const char* stem, int number)
{
    return CString((std::string(stem) + std::to_string(number)).c_str());
}

// The file with that id in its cell (ids count from 1 in the order the grid adds them).
CObject* MakeFile(WORD id, CPoint)
{
    const int index = id - 1;
    const int x = 20 + (index % kColumns) * kCellWidth;
    const int y = -20 - (index / kColumns) * kCellHeight;
    auto* file = new CFileComp(id, CRect(x, y, x + 300, y - 800));
    file->SetFileNumber(Numbered("F", id));
    file->SetFileName(Numbered(reinterpret_cast<const char*>(u8"受注明細"), id));
    file->SetBoxStyle(WORD(id % 25));
    for (int i = 1; i <= kItems; ++i) {
        const bool key = i <= kKeyItems;
        // Every file's items are named apart, as a real model's are: no text repeats across files.
        const CString name = Numbered(reinterpret_cast<const char*>(u8"項目"), id * 100 + i);
        file->AddData(new CData(WORD(i), name, "", key ? "S" : "N", i == 2 ? "R" : "N", "", key ? 1 : 0, 0, 0, 1, 0));
    }
    CNotationSymbols symbols;
    file->RebuildItemTexts(symbols, 0);
    return file;
}

// From the right side of each file to the left side of the next.
void AddArrows(CZivraDoc& doc)
{
    CUndoStep step(&doc);
    for (WORD from = 1; from < kFiles; ++from) {
        CObject* start = nullptr;
        CObject* end = nullptr;
        doc.FindObjectById(from, start);
        doc.FindObjectById(WORD(from + 1), end);
        const CRect& a = static_cast<CFileComp*>(start)->GetRect();
        const CRect& b = static_cast<CFileComp*>(end)->GetRect();
        doc.AddObject(new CRelLineObj(doc.NewObjectId(), CPoint(a.right, a.CenterPoint().y),
                                      CPoint(b.left, b.CenterPoint().y), CRelLineObj::KIND_ONE_TO_MANY, from,
                                      WORD(from + 1), 0));
    }
}

void RepaintFully(benchmark::State& state)
{
    CZivraView& view = g_model->View();
    view.SetZoom(int(state.range(0)));
    view.UpdateWindow();
    for (auto _ : state) {
        view.Invalidate();
        view.UpdateWindow();
    }
    state.counters["files"] = kFiles;
    state.counters["arrows"] = kFiles - 1;
}
BENCHMARK(RepaintFully)->Name("BM_FullRepaint")->Arg(100)->Arg(33)->Arg(25)->Unit(benchmark::kMillisecond);

// Each file drawn once at zoom 100 onto a 2000 x 2000 picture (the files fall on top of each
// other): what painting the whole model costs wherever it lies.
void BM_DrawEveryFile(benchmark::State& state)
{
    ImageCanvas canvas;
    CZivraDoc& doc = g_model->Doc();
    const LOGFONT font = *doc.GetDrawingFont();
    const CObList* objects = doc.GetObjectList();
    const DWORD display = state.range(0) ? kNormalDisplay : 0x2610000;
    for (auto _ : state) {
        int i = 0;
        for (POSITION pos = objects->GetHeadPosition(); pos; ++i) {
            CObject* object = objects->GetNext(pos);
            auto* file = DYNAMIC_DOWNCAST(CFileComp, object);
            if (!file)
                continue;
            // The window origin brings the file to one of 6 x 6 places on the picture.
            const CPoint at(20 + (i % 6) * 800, -20 - (i / 6 % 6) * 850);
            canvas.dc.SetWindowOrg(file->GetRect().left - at.x, file->GetRect().top - at.y);
            DrawObjects::Draw(object, &canvas.dc, 100, FALSE, TRUE, &font, display, &doc);
        }
    }
    state.counters["files"] = kFiles;
}
// Argument 1: the typed texts (normal display); 0: table and column names built from the items.
BENCHMARK(BM_DrawEveryFile)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QtBenchmark<QApplication> qt(argc, argv);
    RectangleGridView model(kRows, kColumns, 9303, &MakeFile);
    AddArrows(model.Doc());
    model.View().SendMessage(WM_COMMAND, ID_MODEL_NORMAL_DISPLAY);
    g_model = &model;
    return qt.Run();
}
