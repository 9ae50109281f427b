// The paper table and the arithmetic of a document's page grid. Every length is in 0.1 mm with the
// y axis pointing up, so a size is (cx >= 0, cy <= 0): a page height is a negative number.
#pragma once

#include "platform/afx/Point.h"

class QPagedPaintDevice;

struct PaperInfo
{
    WORD paperId;
    const char8_t* comboText; // shown in the page-layout dialog
    int usableWidth;          // the sheet less 5 mm in each direction
    int usableHeight;
    short printerPaperSize;   // device-mode paper code
    short printerOrientation; // 1 portrait, 2 landscape
};

constexpr int kPaperCount = 8;
// No page and no document may extend further than this in either direction (8.76 m).
constexpr int kMaxDocumentExtent = 87600;
// The ranges the page-layout dialog enforces; stored page settings are brought into them.
constexpr int kMinPrintScale = 10;
constexpr int kMaxPrintScale = 200;
constexpr int kMaxMargin = 500;

// The entry of a paper id; an id outside 1..8 gives A4 portrait.
const PaperInfo& GetPaperInfo(WORD paperId);
// Gives a printer the paper and orientation of the paper id, with margins that leave the usable
// sheet; another id leaves the printer as it is.
void ApplyPaperToPrinter(QPagedPaintDevice& printer, WORD paperId);
// 200 (20 mm) of automatic header at the top of each page for style 1 and any unknown style, 0 for 2.
int GetHeaderAreaHeightForStyle(WORD headerStyle);

namespace PageGeometry {

// The truncated quotient plus one when a remainder is left (a and b of the same sign).
int CeilDivide(int a, int b);
// The usable sheet of a paper as (width, -height), before any header area.
CSize GetPaperTableSize(WORD paperId);
// A stored print scale brought into the dialog's range.
unsigned ClampPrintScale(unsigned scale);
// A stored margin brought into the dialog's range, so that every paper keeps a printable area.
int ClampMargin(int margin);

} // namespace PageGeometry
