// The two texts of conceptual files at model scale: building the key and data texts of 1,000 files
// of 30 items each from their item lists, and parsing the texts back into items.
#include "model/Data.h"
#include "model/DataList.h"
#include "model/ItemTextParser.h"
#include "model/NotationSymbols.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

constexpr int kFileCount = 1000;
constexpr int kItemsPerFile = 30;

// Two key groups of three items (one with two children), then data items with a child every fifth.
std::unique_ptr<CDataList> MakeFileItems(int file)
{
    auto list = std::make_unique<CDataList>();
    WORD number = 0;
    auto add = [&](const char* stem, const char* keyCode, const char* derivation, WORD group, WORD order,
                   WORD childOrder, WORD level, WORD parent) {
        CString name;
        name.Format("%s%d_%u", stem, file, unsigned(number + 1));
        list->AddDataDirect(new CData(++number, name, CString(), CString(keyCode), CString("N"), CString(derivation),
                                      group, order, childOrder, level, parent));
    };
    for (WORD group = 1; group <= 2; ++group)
        for (WORD order = 1; order <= 3; ++order) {
            add("KEY", "S", order == 2 ? "G" : "N", group, order, 0, 1, 0);
            if (group == 1 && order == 3) {
                const WORD parent = number;
                add("KC", "S", "N", group, order, 1, 2, parent);
                add("KC", "S", "N", group, order, 2, 2, parent);
            }
        }
    while (number < kItemsPerFile) {
        const bool withChild = number % 5 == 0 && number + 2 <= kItemsPerFile;
        add("DATA", "N", number % 3 == 0 ? "S" : "N", 0, 0, 0, 1, 0);
        if (withChild)
            add("DC", "N", "N", 0, 0, 1, 2, number);
    }
    return list;
}

std::vector<std::unique_ptr<CDataList>> MakeModel()
{
    std::vector<std::unique_ptr<CDataList>> files;
    for (int file = 0; file < kFileCount; ++file)
        files.push_back(MakeFileItems(file));
    return files;
}

void BuildItemTexts(benchmark::State& state)
{
    const auto files = MakeModel();
    CNotationSymbols symbols;
    for (auto _ : state)
        for (const auto& file : files) {
            CString keyText, dataText;
            file->BuildItemTexts(keyText, dataText, symbols, 0);
            benchmark::DoNotOptimize(keyText);
            benchmark::DoNotOptimize(dataText);
        }
    state.SetItemsProcessed(state.iterations() * kFileCount);
}
BENCHMARK(BuildItemTexts)->Unit(benchmark::kMillisecond);

void ParseItemTexts(benchmark::State& state)
{
    const auto files = MakeModel();
    CNotationSymbols symbols;
    std::vector<std::pair<CString, CString>> texts(files.size());
    for (std::size_t i = 0; i < files.size(); ++i)
        files[i]->BuildItemTexts(texts[i].first, texts[i].second, symbols, 0);
    for (auto _ : state)
        for (const auto& [keyText, dataText] : texts) {
            CDataList list;
            benchmark::DoNotOptimize(ParseItemTextsIntoList(keyText, dataText, FALSE, FALSE, list));
        }
    state.SetItemsProcessed(state.iterations() * kFileCount);
}
BENCHMARK(ParseItemTexts)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
