#include "objects/ExcelCells.h"
#include "objects/StrgObj.h"
#include "platform/sheet/ExcelDispatch.h"

BOOL CStrgObj::ExportExcelRow(CExcelDispatch* sheet, long&, long& row, DWORD exportOptions, CObject*)
{
    if (!sheet || !IsExportKind(exportOptions))
        return FALSE;
    return ExcelCells::WriteTextRow(*sheet, row, GetObjectId(), {ExcelCells::CellText(*sheet, GetText())});
}
