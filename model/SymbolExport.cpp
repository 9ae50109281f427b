// The text-form rows of data and process symbols and tasks, and the task sheet row.
#include "foundation/TextFunctions.h"
#include "model/DataComp.h"
#include "model/FlowComp.h"
#include "model/Kadai.h"
#include "objects/ExcelCells.h"
#include "platform/sheet/ExcelDispatch.h"

BOOL CDataComp::ExportExcelRow(CExcelDispatch* sheet, long&, long& row, DWORD exportOptions, CObject*)
{
    if (!sheet || !IsExportKind(exportOptions))
        return FALSE;
    return ExcelCells::WriteTextRow(*sheet, row, GetObjectId(),
                                    {ExcelCells::CellText(*sheet, GetName()), ExcelCells::CellText(*sheet, GetText())});
}

BOOL CFlowComp::ExportExcelRow(CExcelDispatch* sheet, long&, long& row, DWORD exportOptions, CObject*)
{
    if (!sheet || !IsExportKind(exportOptions))
        return FALSE;
    return ExcelCells::WriteTextRow(*sheet, row, GetObjectId(),
                                    {ExcelCells::CellText(*sheet, GetName()), ExcelCells::CellText(*sheet, GetText()),
                                     ExcelCells::CellText(*sheet, GetSupplement())});
}

BOOL CKadai::ExportExcelRow(CExcelDispatch* sheet, long&, long& row, DWORD exportOptions, CObject*)
{
    if (!sheet || !IsExportKind(exportOptions))
        return FALSE;
    CString contents, whole;
    TextForExcelCellWithSeparator(contents, GetContents(), ' ');
    whole = GetContents();
    whole.Replace("\r\n", " ");
    if (contents.GetLength() < whole.GetLength())
        ++sheet->Tally().cutTexts;
    return ExcelCells::WriteTextRow(*sheet, row, GetObjectId(),
                                    {ExcelCells::CellText(*sheet, GetNumberText()),
                                     ExcelCells::CellText(*sheet, GetName()), contents});
}

BOOL CKadai::ExportTaskSheetRow(CExcelDispatch* sheet, long&, long& secondCounter, DWORD exportOptions, CObject*)
{
    if (!sheet || !IsExportKind(exportOptions))
        return FALSE;
    if (!HasText())
        return TRUE;
    ++secondCounter;
    sheet->GetRange(ExcelCells::RowRange(0, 3, secondCounter))
        .SetValue(std::vector<CString>{CString(), ExcelCells::CellText(*sheet, GetNumberText()),
                                       ExcelCells::CellText(*sheet, GetName()),
                                       ExcelCells::LfText(*sheet, GetContents())});
    return TRUE;
}
