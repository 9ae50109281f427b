// How the row writers turn stored values into cell texts, and cell addresses from column indexes.
// A text cut to the cell length is counted in the sheet's tally so the export can say so.
#pragma once

#include "platform/afx/String.h"
#include "platform/afx/WinTypes.h"

#include <vector>

class CExcelDispatch;

namespace ExcelCells {

// The last column of the text and matrix forms (IV).
constexpr long kLastColumn = 255;

// The stored text with each CR LF pair removed, cut to 255 bytes at a character boundary.
CString CellText(CExcelDispatch& sheet, const CString& stored);
// The same with each CR LF pair made a single LF.
CString LfText(CExcelDispatch& sheet, const CString& stored);
// "Yes" or "No".
CString Flag(BOOL set);
// A 16-bit number as unsigned decimal.
CString Unsigned(WORD value);
// A 32-bit count as unsigned decimal; empty for 0.
CString Count(DWORD value);
// "NOT NULL", "NULL" or "なし".
CString NullOption(WORD option);
// Column letters of a 0-based column index: 0 "A", 25 "Z", 26 "AA", 255 "IV" (up to 701 "ZZ").
CString ColumnLetters(long column);
// Letters and row number: "C7".
CString Cell(long column, long row);
// "A5:V5" for the columns first to last of a row.
CString RowRange(long firstColumn, long lastColumn, long row);
// The row of a text form: the next row, the object id as a number in A, the texts from B on.
BOOL WriteTextRow(CExcelDispatch& sheet, long& row, WORD objectId, const std::vector<CString>& texts);

} // namespace ExcelCells
