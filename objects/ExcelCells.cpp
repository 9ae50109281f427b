#include "objects/ExcelCells.h"

#include "foundation/TextFunctions.h"
#include "platform/sheet/ExcelDispatch.h"

namespace excel_cells_cpp {

CString Counted(CExcelDispatch& sheet, const CString& whole, CString cut)
{
    if (cut.GetLength() < whole.GetLength())
        ++sheet.Tally().cutTexts;
    return cut;
}

} // namespace excel_cells_cpp

namespace ExcelCells {

CString CellText(CExcelDispatch& sheet, const CString& stored)
{
    CString cut, whole;
    TextForExcelCell(cut, stored);
    RemoveCrLf(whole, stored);
    return excel_cells_cpp::Counted(sheet, whole, cut);
}

CString LfText(CExcelDispatch& sheet, const CString& stored)
{
    CString cut;
    TextForExcelCellWithSeparator(cut, stored, '\n');
    return excel_cells_cpp::Counted(sheet, ConvertCrLfToLf(stored), cut);
}

CString Flag(BOOL set)
{
    return set ? "Yes" : "No";
}

CString Unsigned(WORD value)
{
    CString text;
    text.Format("%u", unsigned(value));
    return text;
}

CString Count(DWORD value)
{
    CString text;
    if (value != 0)
        text.Format("%lu", static_cast<unsigned long>(value));
    return text;
}

CString NullOption(WORD option)
{
    if (option == 1)
        return "NOT NULL";
    if (option == 2)
        return "NULL";
    return CString(u8"なし");
}

CString ColumnLetters(long column)
{
    CString letters;
    if (column < 26) {
        letters += char('A' + column);
    } else {
        letters += char('A' + column / 26 - 1);
        letters += char('A' + column % 26);
    }
    return letters;
}

CString Cell(long column, long row)
{
    CString text;
    text.Format("%s%ld", ColumnLetters(column).GetString(), row);
    return text;
}

CString RowRange(long firstColumn, long lastColumn, long row)
{
    return Cell(firstColumn, row) + ":" + Cell(lastColumn, row);
}

BOOL WriteTextRow(CExcelDispatch& sheet, long& row, WORD objectId, const std::vector<CString>& texts)
{
    ++row;
    sheet.GetRange(Cell(0, row)).SetValue(double(objectId));
    sheet.GetRange(RowRange(1, long(texts.size()), row)).SetValue(texts);
    return TRUE;
}

} // namespace ExcelCells
