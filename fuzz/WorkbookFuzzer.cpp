// libFuzzer target over the workbook reader: every input must end in a workbook or the reader's
// refusal (SheetError), never in a crash, a hang, a sanitizer report or another exception.
#include "platform/sheet/SheetError.h"
#include "platform/sheet/Workbook.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <zlib.h>

#include <cstddef>
#include <cstdint>
#include <unistd.h>

namespace {

std::uint32_t Le(const QByteArray& bytes, qsizetype at, int count)
{
    std::uint32_t v = 0;
    for (int i = count - 1; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(bytes[at + i]);
    return v;
}

void SetLe32(QByteArray& bytes, qsizetype at, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = char((v >> (8 * i)) & 0xFF);
}

// Nearly every change to a stored part's bytes would stop at its CRC-32: set the CRC-32 of each
// stored part to that of its bytes, so that the changes reach the XML readers. Deflated parts
// keep theirs, so the check itself is still fuzzed.
void SetStoredCrcs(QByteArray& zip)
{
    const qsizetype size = zip.size();
    qsizetype eocd = size - 22;
    while (eocd >= 0 && Le(zip, eocd, 4) != 0x06054b50)
        --eocd;
    if (eocd < 0)
        return;
    qsizetype pos = Le(zip, eocd + 16, 4);
    for (std::uint32_t n = Le(zip, eocd + 10, 2); n > 0; --n) {
        if (pos < 0 || pos + 46 > size || Le(zip, pos, 4) != 0x02014b50)
            return;
        const qsizetype local = Le(zip, pos + 42, 4);
        const std::uint32_t packed = Le(zip, pos + 20, 4);
        if (Le(zip, pos + 10, 2) == 0 && local + 30 <= size) {
            const qsizetype data = local + 30 + Le(zip, local + 26, 2) + Le(zip, local + 28, 2);
            if (data + qsizetype(packed) <= size) {
                const auto crc =
                    std::uint32_t(crc32(0, reinterpret_cast<const Bytef*>(zip.constData() + data), uInt(packed)));
                SetLe32(zip, pos + 16, crc);
                SetLe32(zip, local + 14, crc);
            }
        }
        pos += 46 + qsizetype(Le(zip, pos + 28, 2)) + Le(zip, pos + 30, 2) + Le(zip, pos + 32, 2);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The reader takes a path: one file per fuzzing process, rewritten for each input.
    static const QString path = QString("/tmp/zivra-fuzz-%1.xlsx").arg(getpid());
    {
        QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
        SetStoredCrcs(bytes);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            __builtin_trap();
        file.write(bytes);
    }
    try {
        const auto book = SheetWorkbook::Open(path);
        // Touch what was read, as the imports do.
        for (int n = 1; n <= book->SheetCount(); ++n)
            for (const auto& [position, value] : book->Sheet(n).AllCells())
                (void)SheetCellText(value);
    } catch (const SheetError&) {
    }
    return 0;
}
