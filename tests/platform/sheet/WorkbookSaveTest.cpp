// Saving a workbook over an existing file: the file is at every moment the old workbook or a whole
// new one, a failed save says so and leaves the old file, and nothing of a killed save stays.
#include "platform/sheet/SheetError.h"
#include "platform/sheet/Workbook.h"

#include "tests/support/ProcessLimits.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <random>

namespace workbook_save_test {

constexpr int kRows = 3000;

// A workbook whose first and last cells both name its generation, so a mix of two shows.
void SaveGeneration(const QString& path, int generation)
{
    SheetWorkbook book(1);
    SheetWorksheet& sheet = book.Sheet(1);
    for (int row = 0; row < kRows; ++row)
        sheet.SetCell(row, 0, SheetValue::Number(generation));
    book.SaveAs(path);
}

// The generation of a whole workbook, or -1.
int GenerationOf(const QString& path)
{
    try {
        const std::unique_ptr<SheetWorkbook> book = SheetWorkbook::Open(path);
        const SheetWorksheet& sheet = book->Sheet(1);
        const SheetValue first = sheet.Cell(0, 0);
        return first == sheet.Cell(kRows - 1, 0) ? int(first.GetNumber()) : -1;
    } catch (const SheetError&) {
        return -1;
    }
}

QStringList Entries(const QTemporaryDir& dir)
{
    return QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

TEST(WorkbookSave, AKilledSaveLeavesTheOldOrTheNewWorkbookAndTheNextSaveLeavesNothingElse)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("out.xlsx");
    SaveGeneration(path, 0);
    std::mt19937 random(20261211);
    for (int round = 1; round <= 10; ++round) {
        int generation = round * 1000;
        ASSERT_TRUE(KillDuringWork([&] { SaveGeneration(path, generation++); }, useconds_t(2000 + random() % 40000)))
            << "the saving process failed by itself in round " << round;
        EXPECT_GE(GenerationOf(path), 0) << "round " << round;
    }
    // A temporary file of a killed save where the file system cannot make unnamed files.
    QFile stale(dir.filePath(".out.xlsx.k1lled00.tmp"));
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.close();

    SaveGeneration(path, 1);
    EXPECT_EQ(Entries(dir), QStringList{"out.xlsx"});
    EXPECT_EQ(GenerationOf(path), 1);
}

// The write fails when the workbook is closed: the save reports it, keeps the old file and leaves
// no temporary file.
TEST(WorkbookSave, ASaveThatCannotWriteTheWholeFileFailsAndKeepsTheOldOne)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("out.xlsx");
    SaveGeneration(path, 7);
    bool failed = false;
    try {
        const FileSizeLimit limit(4096);
        SaveGeneration(path, 8);
    } catch (const SheetError& e) {
        failed = e.Message().Find("out.xlsx") >= 0;
    }

    EXPECT_TRUE(failed);
    EXPECT_EQ(GenerationOf(path), 7);
    EXPECT_EQ(Entries(dir), QStringList{"out.xlsx"});
}

} // namespace workbook_save_test
