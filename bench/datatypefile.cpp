// Reading and writing a data-type file of 65,535 entries, the most its 16-bit ids name: the file is
// read and parsed once for all entries and written in one go, so each must take well under a second.
#include "bench/support/QtBenchmark.h"
#include "physical/DataTypeList.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr int kEntries = 65535;

// The file as the data-type list writes it, built directly.
QByteArray DataTypeFileBytes()
{
    std::string text = "[DataType]\r\nNumDataType=" + std::to_string(kEntries) + "\r\n";
    for (int id = 1; id <= kEntries; ++id)
        text += std::to_string(id) + "=TYPE" + std::to_string(id) + ",1,',T_,0\r\n";
    return QByteArray::fromStdString(text);
}

// Writes the file into the folder; its name as the list takes it, or empty when it cannot.
QByteArray PutDataTypeFile(const QTemporaryDir& dir)
{
    const QString path = dir.filePath("types.dty");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(DataTypeFileBytes()) < 0)
        return {};
    return QFile::encodeName(path);
}

void BM_ReadDataTypeFile(benchmark::State& state)
{
    QTemporaryDir dir;
    const QByteArray name = PutDataTypeFile(dir);
    if (name.isEmpty()) {
        state.SkipWithError("cannot write the data-type file");
        return;
    }
    for (auto _ : state) {
        CDataTypeList list;
        if (list.ReadDtyFile(name.constData()) != kEntries)
            state.SkipWithError("the data-type file did not read whole");
    }
    state.SetItemsProcessed(state.iterations() * kEntries);
}
BENCHMARK(BM_ReadDataTypeFile)->Unit(benchmark::kMillisecond);

void BM_WriteDataTypeFile(benchmark::State& state)
{
    QTemporaryDir dir;
    const QByteArray name = PutDataTypeFile(dir);
    CDataTypeList list;
    if (name.isEmpty() || list.ReadDtyFile(name.constData()) != kEntries) {
        state.SkipWithError("cannot make the data-type list");
        return;
    }
    const QByteArray copy = QFile::encodeName(dir.filePath("copy.dty"));
    for (auto _ : state)
        if (!list.WriteDtyFile(copy.constData()))
            state.SkipWithError("the data-type file was not written");
    state.SetItemsProcessed(state.iterations() * kEntries);
}
BENCHMARK(BM_WriteDataTypeFile)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return QtBenchmark<QCoreApplication>(argc, argv).Run();
}
