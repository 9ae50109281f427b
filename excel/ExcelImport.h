// The spreadsheet imports: the DB-interface import that builds a model in a new document, and the
// concept-attribute and physical-attribute updates of an existing one. Each reads the first two
// worksheets (by position) of a workbook the user chooses, whole, before it changes anything.
#pragma once

#include "excel/ExcelExport.h"
#include "platform/afx/String.h"
#include "platform/sheet/Workbook.h"

#include <QString>

#include <memory>

class CBaseDoc;
class CBaseView;
class CBoxStyleList;
class CDataTypeList;

// What the imports need of the application around them.
class ExcelImportServices
{
public:
    virtual ~ExcelImportServices() = default;
    virtual const CBoxStyleList* GetFileTypes() const = 0;
    virtual const CDataTypeList* GetDataTypes() const = 0;
    // Shows the progress window with the wait cursor (null when it could not be made) and closes it.
    virtual ExcelExportProgress* OpenProgress() = 0;
    virtual void CloseProgress() = 0;
    // The workbook last exported or imported in this run, proposed by the next import.
    virtual QString GetLastWorkbook() const = 0;
    virtual void SetLastWorkbook(const QString& path) = 0;
};

// A workbook chosen and read for an import.
struct ExcelImportWorkbook
{
    QString path;
    std::unique_ptr<SheetWorkbook> book;
};

namespace ExcelImport {

// Asks for the workbook and reads it whole; null after Cancel, or after telling the user why the
// file cannot be imported (not a workbook, damaged, too large, fewer than two worksheets).
std::unique_ptr<ExcelImportWorkbook> ChooseWorkbook(ExcelImportServices& services);

// Builds the files of the workbook's first sheet and their items from its second into the
// document, laid out through the view's automatic placement (without a view they keep their
// places on the provisional grid). Nothing is added unless everything could be; TRUE after the end
// message.
BOOL ImportDbInterfaceSheet(CBaseDoc& doc, CBaseView* view, const ExcelImportWorkbook& workbook,
                            ExcelImportServices& services);

// The update imports: the "【変更可】" columns of the rows that name a conceptual file (and item)
// of the document change those fields, in the undo step that is open, each changed file recorded
// once; TRUE after the end message.
BOOL ImportConceptAttributeSheet(CBaseDoc& doc, const ExcelImportWorkbook& workbook, ExcelImportServices& services);
BOOL ImportPhysicalAttributeSheet(CBaseDoc& doc, const ExcelImportWorkbook& workbook, ExcelImportServices& services);

// The document commands: end the text edits, confirm, choose the workbook, clear the selection,
// open one undo step and import.
void RunConceptAttributeUpdate(CBaseDoc& doc, ExcelImportServices& services);
void RunPhysicalAttributeUpdate(CBaseDoc& doc, ExcelImportServices& services);

} // namespace ExcelImport
