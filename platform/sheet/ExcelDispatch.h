// The worksheet as the row writers see it: ranges by address, plus the tally of what an export
// could not write as it stood (texts cut to a cell's length, items beyond the last column), so
// that the completion message can say so.
#pragma once

#include "platform/afx/String.h"
#include "platform/sheet/Workbook.h"

struct SheetExportTally
{
    int cutTexts = 0;     // cell texts cut to the cell length
    int droppedItems = 0; // values with no column left for them
};

class CExcelDispatch
{
public:
    CExcelDispatch(SheetWorksheet& sheet, SheetExportTally& tally) : m_sheet(&sheet), m_tally(&tally) {}

    SheetRange GetRange(const CString& address) { return m_sheet->Range(address); }
    SheetWorksheet& Worksheet() { return *m_sheet; }
    SheetExportTally& Tally() { return *m_tally; }

private:
    SheetWorksheet* m_sheet;
    SheetExportTally* m_tally;
};
