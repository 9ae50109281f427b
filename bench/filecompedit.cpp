// Editing a conceptual file in place in a model of 1,000 files (40 columns, 25 rows, 10 items each,
// every data item of every other file referring to an item of the first file) with 999 1:N arrows
// and 20 clones of the first file, shown in a drawing view at zoom 100 in the normal display.
// Measured, each as the document's commit of the editor followed by the view's repaint:
// - renaming the first file: its clones take the new name;
// - a new key text for the first file: its items are rebuilt and every reference in the other
//   999 files is renumbered, in one undo step.
#include "bench/support/QtBenchmark.h"
#include "bench/support/RectangleGridView.h"
#include "document/UndoStep.h"
#include "document/ZivraDoc.h"
#include "foundation/CommandIds.h"
#include "model/Data.h"
#include "model/DataModelClasses.h"
#include "model/FileClone.h"
#include "model/FileComp.h"
#include "model/NotationSymbols.h"
#include "model/RelLineObj.h"
#include "objects/FloatEdit.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr int kColumns = 40;
constexpr int kRows = 25;
constexpr int kFiles = kColumns * kRows;
constexpr int kItems = 10;
constexpr int kClones = 20;
constexpr int kCellWidth = 400;
constexpr int kCellHeight = 500;

RectangleGridView* g_model = nullptr;

CString Numbered(const CString& stem, int number)
{
    return stem + CString(std::to_string(number).c_str());
}

// The file with that id in its cell; from the second file on, each data item refers to an item
// of the first file.
CObject* MakeFile(WORD id, CPoint)
{
    const int index = id - 1;
    const int x = 20 + (index % kColumns) * kCellWidth;
    const int y = -20 - (index / kColumns) * kCellHeight;
    auto* file = new CFileComp(id, CRect(x, y, x + 300, y - 400));
    file->SetFileNumber(Numbered(CString("F"), id));
    file->SetFileName(Numbered(CString(u8"受注明細"), id));
    for (int i = 1; i <= kItems; ++i) {
        const bool key = i == 1;
        auto* item = new CData(WORD(i), Numbered(CString(u8"項目"), i), "", key ? "K" : "N", "N", "", key ? 1 : 0,
                               key ? 1 : 0, 0, 1, 0);
        if (!key && id > 1) {
            item->SetRefFile(1);
            item->SetRefItem(WORD(i));
            item->SetRefItemName(Numbered(CString(u8"項目"), i));
        }
        file->AddData(item);
    }
    CNotationSymbols symbols;
    file->RebuildItemTexts(symbols, 0);
    return file;
}

void AddArrowsAndClones(CZivraDoc& doc)
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
    CObject* first = nullptr;
    doc.FindObjectById(1, first);
    const CString name = static_cast<CFileComp*>(first)->GetFileName();
    for (int i = 0; i < kClones; ++i) {
        const int x = 20 + (i * 2 % kColumns) * kCellWidth;
        const int y = -450 - (i * 3 % kRows) * kCellHeight;
        doc.AddObject(new CFileClone(doc.NewObjectId(), CRect(x, y, x + 200, y - 40), name, 1));
    }
}

CFileComp& FirstFile()
{
    CObject* first = nullptr;
    g_model->Doc().FindObjectById(1, first);
    return *static_cast<CFileComp*>(first);
}

// What the second file's second item refers to in the first file.
WORD SecondFileReference()
{
    CObject* second = nullptr;
    g_model->Doc().FindObjectById(2, second);
    return static_cast<CFileComp*>(second)->FindDataByNumber(2)->GetRefItem();
}

// Commits an editor holding the text as the part's new text, then lets the view repaint what the
// document invalidated. FALSE when the document took nothing.
BOOL CommitAndRepaint(CFileComp& file, DWORD part, const CString& text)
{
    CZivraDoc& doc = g_model->Doc();
    file.SetEditedPart(CFileComp::HIT_FILE_PART | part);
    auto* editor = new CFloatEdit(CFloatEdit::ALIGN_LEFT, CRect(0, 0, 300, 100), nullptr, 1032, TRUE, TRUE);
    editor->SetText(CString());
    editor->ReplaceSel(text, TRUE);
    const BOOL committed = doc.CommitObjectTextEdit(&file, editor);
    doc.UpdateObjectInViews(&file);
    g_model->View().UpdateWindow();
    return committed;
}

void BM_RenameFileInPlace(benchmark::State& state)
{
    CZivraDoc& doc = g_model->Doc();
    CFileComp& file = FirstFile();
    const CString names[] = {CString(u8"受注"), CString(u8"受注見出し")};
    int pass = 0;
    for (auto _ : state) {
        if (!CommitAndRepaint(file, CFileComp::PART_NAME, names[pass++ % 2])) {
            state.SkipWithError("the name was not taken");
            break;
        }
        state.PauseTiming();
        doc.ClearUndoBuffer();
        state.ResumeTiming();
    }
    state.counters["clones"] = kClones;
}
BENCHMARK(BM_RenameFileInPlace)->Unit(benchmark::kMillisecond);

void BM_KeyTextCommitInPlace(benchmark::State& state)
{
    CZivraDoc& doc = g_model->Doc();
    CFileComp& file = FirstFile();
    // A second key item before the first moves every item of the file one number on, and back.
    static const CString original = file.GetKeyText(); // as the model was built, for every run
    const CString texts[] = {CString(u8"ｺｰﾄﾞ、") + original, original};
    const WORD before = SecondFileReference();
    int pass = 0;
    for (auto _ : state) {
        if (!CommitAndRepaint(file, CFileComp::PART_KEY, texts[pass++ % 2])) {
            state.SkipWithError("the key text was not taken");
            break;
        }
        if (pass == 1 && SecondFileReference() != before + 1) {
            state.SkipWithError("the other files were not renumbered");
            break;
        }
        state.PauseTiming();
        doc.ClearUndoBuffer();
        state.ResumeTiming();
    }
    state.counters["references"] = double(kFiles - 1) * (kItems - 1);
}
BENCHMARK(BM_KeyTextCommitInPlace)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QtBenchmark<QApplication> qt(argc, argv);
    RegisterDataModelClasses();
    RectangleGridView model(kRows, kColumns, 9304, &MakeFile);
    AddArrowsAndClones(model.Doc());
    model.View().SendMessage(WM_COMMAND, ID_MODEL_NORMAL_DISPLAY);
    model.Doc().ClearUndoBuffer();
    g_model = &model;
    return qt.Run();
}
