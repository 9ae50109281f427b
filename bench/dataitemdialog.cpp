// OK of the data items dialog on a file of 200 items in a model of 1,000 conceptual files, every
// other file's items pointing into that file: the dialog opens on a working copy, one item is
// dragged to another row, and OK replaces the file's list, renumbering what every other file and
// arrow holds of it, in one undo step.
#include "bench/support/ModelFill.h"
#include "bench/support/QtBenchmark.h"
#include "document/UndoStep.h"
#include "document/ZivraDoc.h"
#include "foundation/CommandIds.h"
#include "model/DataItemDlg.h"
#include "model/DataModelClasses.h"
#include "model/FileCompItemLists.h"
#include "platform/ui/UserMessages.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

constexpr int kFiles = 1000;
constexpr int kItemsPerFile = 20;
constexpr WORD kEditedItems = 200;

void BM_DataItemsDialogOk(benchmark::State& state)
{
    RegisterDataModelClasses();
    CZivraDoc doc;
    std::vector<CFileComp*> files = FillModel(doc, kFiles, kItemsPerFile);
    CFileComp& edited = *files.front();
    for (WORD number = kItemsPerFile + 1; number <= kEditedItems; ++number) {
        CString name;
        name.Format("EXTRA_%u", unsigned(number));
        edited.AddData(new CData(number, name, CString(), CString("N"), CString("N"), CString(), 0, 0, 0, 1, 0));
    }
    // Every data item of every other file refers to some item of the edited file.
    for (size_t i = 1; i < files.size(); ++i) {
        CDataList& items = files[i]->GetDataList();
        int index = 0;
        for (POSITION pos = items.GetHeadPosition(); pos; ++index) {
            CData* item = items.GetNext(pos);
            if (item->IsKeyItem())
                continue;
            const WORD target = WORD(3 + (i * 7 + size_t(index)) % (kEditedItems - 2));
            item->SetRefFile(edited.GetObjectId());
            item->SetRefItem(target);
            item->SetRefItemName(edited.GetDataList().FindDataByNumber(target)->GetName());
        }
    }
    doc.ClearUndoBuffer();

    DataItemDlgService service({});
    FileCompItemLists::DataItemsDialog* previous = FileCompItemLists::SetDataItemsDialog(&service);
    // Each pass drags the last item up to the third row or back down again, so that every pass
    // renumbers the same references.
    bool down = false;
    CDialog::SetModalHook([&](CDialog& dialog) {
        const int last = kEditedItems - 1;
        const LPARAM move = down ? MAKELONG(WORD(2), WORD(last + 1)) : MAKELONG(WORD(last), WORD(2));
        dialog.SendMessage(UM_LIST_ITEM_MOVED, WPARAM(CDataItemDlg::IDC_LIST), move);
        dialog.SendMessage(WM_COMMAND, IDOK);
    });
    for (auto _ : state) {
        BOOL applied;
        {
            CUndoStep step(&doc);
            applied = doc.ExecuteObjectOperation(&edited, ID_OBJ_DATA_ITEM_DIALOG, 0, 0);
        }
        if (!applied) {
            state.SkipWithError("the dialog's OK was not applied");
            break;
        }
        down = !down;
        state.PauseTiming();
        doc.ClearUndoBuffer();
        state.ResumeTiming();
    }
    CDialog::SetModalHook(nullptr);
    FileCompItemLists::SetDataItemsDialog(previous);
    state.SetItemsProcessed(state.iterations() * kFiles);
}
BENCHMARK(BM_DataItemsDialogOk)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return QtBenchmark<QApplication>(argc, argv).Run();
}
