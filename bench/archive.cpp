// Storing and loading a drawing-sized archive: 60,000 registered objects of 40 bytes each in a list,
// through CArchive over a CMemFile.
#include "platform/afx/Archive.h"
#include "platform/afx/List.h"
#include "platform/afx/MemFile.h"

#include <benchmark/benchmark.h>

namespace {

class CBenchRecord : public CObject
{
    DECLARE_SERIAL(CBenchRecord)
public:
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring()) {
            ar << m_kind << m_rect << m_pen << m_fill << m_flags << m_width << m_style << m_extra;
        } else {
            ar >> m_kind >> m_rect >> m_pen >> m_fill >> m_flags >> m_width >> m_style >> m_extra;
        }
    }
    LONG m_kind = 5;
    CRect m_rect{10, 20, 300, 400};
    COLORREF m_pen = RGB(0, 0, 0);
    COLORREF m_fill = RGB(255, 255, 255);
    DWORD m_flags = 0x100;
    LONG m_width = 4;
    LONG m_style = 0;
    LONG m_extra = 0;
};
IMPLEMENT_SERIAL(CBenchRecord, CObject, 1)

constexpr int objectCount = 60000;

class OwnedRecords : public CObList
{
public:
    OwnedRecords() = default;
    explicit OwnedRecords(int count)
    {
        for (int i = 0; i < count; ++i)
            AddTail(new CBenchRecord);
    }
    ~OwnedRecords() override
    {
        while (!IsEmpty())
            delete RemoveHead();
    }
};

void StoreRecords(CMemFile& file, OwnedRecords& records)
{
    CArchive ar(&file, CArchive::store);
    records.Serialize(ar);
    ar.Close();
}

void BM_ArchiveStore(benchmark::State& state)
{
    OwnedRecords records(objectCount);
    for (auto _ : state) {
        CMemFile file(1 << 20);
        StoreRecords(file, records);
        benchmark::DoNotOptimize(file.GetLength());
    }
    state.SetItemsProcessed(state.iterations() * objectCount);
}
BENCHMARK(BM_ArchiveStore)->Unit(benchmark::kMillisecond);

void BM_ArchiveLoad(benchmark::State& state)
{
    OwnedRecords records(objectCount);
    CMemFile file(1 << 20);
    StoreRecords(file, records);
    state.counters["bytes"] = double(file.GetLength());
    for (auto _ : state) {
        file.SeekToBegin();
        CArchive ar(&file, CArchive::load);
        OwnedRecords loaded;
        loaded.Serialize(ar);
        benchmark::DoNotOptimize(loaded.GetCount());
    }
    state.SetItemsProcessed(state.iterations() * objectCount);
}
BENCHMARK(BM_ArchiveLoad)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
