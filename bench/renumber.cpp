// Renumbering the references of a whole model after one conceptual file's item list changed: 100,
// 1,000 and 3,000 files of thirty items (the time should grow in step with the files), every item of every file pointing at an item of the changed file
// by its reference and by a derivation source. Each iteration swaps two items of that file (so
// every pass moves the same number of pointers) and runs both replacement passes.
#include "model/DataList.h"
#include "model/ItemRenumbering.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

constexpr WORD kItems = 30;
constexpr WORD kChangedFile = 1;

CString ItemName(WORD number)
{
    CString name;
    name.Format("item%u", unsigned(number));
    return name;
}

// The model: file 1 first, then the files that point into it.
struct Model
{
    std::vector<std::unique_ptr<CDataList>> lists;
    std::vector<FileItemList> others;

    explicit Model(int files)
    {
        for (int file = 0; file < files; ++file) {
            auto list = std::make_unique<CDataList>();
            for (WORD number = 1; number <= kItems; ++number) {
                auto* item = new CData(number, ItemName(number), "", "N", "N", "T", 0, 0, 0, 1, 0);
                if (file > 0) {
                    const WORD target = WORD((number + file) % kItems + 1);
                    item->SetRefFile(kChangedFile);
                    item->SetRefItem(target);
                    item->SetRefItemName(ItemName(target));
                    auto* source = new CDataGenSrc;
                    source->ByIds() = {kChangedFile, target, ItemName(target), kChangedFile, {3, 4, 0}, {}};
                    item->GetSources().AddDataGenSrcDirect(source);
                }
                list->AddDataDirect(item);
            }
            if (file > 0)
                others.push_back({WORD(file + 1), list.get()});
            lists.push_back(std::move(list));
        }
    }
    CDataList& Changed() { return *lists.front(); }
};

// The changed file's list with its third and fourth items swapped.
std::unique_ptr<CDataList> Swapped(const CDataList& list)
{
    auto swapped = std::make_unique<CDataList>();
    swapped->CopyDataFrom(list);
    swapped->MoveDataItemPosByIndex(3, 2);
    return swapped;
}

void BM_RenumberAfterItemsDialog(benchmark::State& state)
{
    Model model(int(state.range(0)));
    for (auto _ : state) {
        std::unique_ptr<CDataList> replaced = Swapped(model.Changed());
        benchmark::DoNotOptimize(ReplaceItemsByNumber(kChangedFile, model.Changed(), *replaced, model.others));
        model.lists.front() = std::move(replaced);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_RenumberAfterItemsDialog)->Arg(100)->Arg(1000)->Arg(3000)->Unit(benchmark::kMillisecond);

void BM_RenumberAfterTextEdit(benchmark::State& state)
{
    Model model(int(state.range(0)));
    for (auto _ : state) {
        std::unique_ptr<CDataList> parsed = Swapped(model.Changed());
        parsed->ApplyScratchNumbers();
        benchmark::DoNotOptimize(ReplaceItemsByName(kChangedFile, model.Changed(), *parsed, model.others));
        model.lists.front() = std::move(parsed);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_RenumberAfterTextEdit)->Arg(100)->Arg(1000)->Arg(3000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
