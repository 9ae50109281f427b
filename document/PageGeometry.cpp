#include "document/PageGeometry.h"

#include <QPagedPaintDevice>

#include <algorithm>
#include <iterator>

namespace {

constexpr PaperInfo kPaperTable[kPaperCount] = {
    // clang-format off
    {1, u8"A4 縦", 2050, 2920, 9, 1},  {2, u8"A4 横", 2920, 2050, 9, 2},
    {3, u8"A3 縦", 2920, 4150, 8, 1},  {4, u8"A3 横", 4150, 2920, 8, 2},
    {5, u8"B5 縦", 1770, 2520, 13, 1}, {6, u8"B5 横", 2520, 1770, 13, 2},
    {7, u8"B4 縦", 2520, 3590, 12, 1}, {8, u8"B4 横", 3590, 2520, 12, 2},
    // clang-format on
};

// The device-mode paper codes of the table as page sizes.
QPageSize::PageSizeId PageSizeOfCode(short code)
{
    switch (code) {
    case 8: return QPageSize::A3;
    case 12: return QPageSize::JisB4;
    case 13: return QPageSize::JisB5;
    default: return QPageSize::A4;
    }
}

// Half of the 5 mm by which the usable sheet is smaller than the paper.
constexpr double kPrinterMarginMm = 2.5;

} // namespace

void ApplyPaperToPrinter(QPagedPaintDevice& printer, WORD paperId)
{
    if (paperId < 1 || paperId > kPaperCount)
        return;
    const PaperInfo& paper = GetPaperInfo(paperId);
    printer.setPageSize(QPageSize(PageSizeOfCode(paper.printerPaperSize)));
    printer.setPageOrientation(paper.printerOrientation == 2 ? QPageLayout::Landscape : QPageLayout::Portrait);
    const double m = kPrinterMarginMm;
    printer.setPageMargins(QMarginsF(m, m, m, m), QPageLayout::Millimeter);
}

const PaperInfo& GetPaperInfo(WORD paperId)
{
    if (paperId < 1 || paperId > kPaperCount)
        paperId = 1;
    return kPaperTable[paperId - 1];
}

int GetHeaderAreaHeightForStyle(WORD headerStyle)
{
    return headerStyle == 2 ? 0 : 200;
}

namespace PageGeometry {

int CeilDivide(int a, int b)
{
    const int quotient = a / b;
    return a % b != 0 ? quotient + 1 : quotient;
}

CSize GetPaperTableSize(WORD paperId)
{
    const PaperInfo& paper = GetPaperInfo(paperId);
    return CSize(paper.usableWidth, -paper.usableHeight);
}

unsigned ClampPrintScale(unsigned scale)
{
    // A scale stored as a negative number reads as a huge unsigned one; both ends are clamped.
    return std::clamp<unsigned>(scale, kMinPrintScale, kMaxPrintScale);
}

int ClampMargin(int margin)
{
    return std::clamp(margin, 0, kMaxMargin);
}

} // namespace PageGeometry
