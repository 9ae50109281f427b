// The document command "Excelへｴｸｽﾎﾟｰﾄ": the options dialog, the file to write, the export with
// its progress, the file handed to the desktop's spreadsheet program, and the closing message.
#pragma once

#include "excel/ExcelExport.h"

#include <QString>

class CBaseDoc;
class CBoxStyleList;
class CDataTypeList;

// What the command needs of the application around it.
class ExcelExportServices
{
public:
    virtual ~ExcelExportServices() = default;
    virtual DWORD GetExportOpt() const = 0;
    // Keeps the word and writes it to the profile at once.
    virtual void SetExportOpt(DWORD options) = 0;
    virtual const CBoxStyleList* GetFileTypes() const = 0;
    virtual const CDataTypeList* GetDataTypes() const = 0;
    // Shows the progress window (null when it could not be made) and closes it again.
    virtual ExcelExportProgress* OpenProgress() = 0;
    virtual void CloseProgress() = 0;
    // Opens the file with the desktop's program for it; FALSE when there is none.
    virtual BOOL OpenWithDesktop(const QString& path) = 0;
    // The written workbook, which an import proposes next.
    virtual void SetLastWorkbook(const QString& /*path*/) {}
};

namespace ExcelExport {

void RunCommand(CBaseDoc& document, ExcelExportServices& services);

} // namespace ExcelExport
