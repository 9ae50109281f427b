// What a drawing view needs of the spreadsheet import, which lives higher up: building the model
// of a workbook into the view's new document when the view receives UM_IMPORT_EXCEL_DBIF. The
// application registers the implementation; without one the message does nothing.
#pragma once

#include "foundation/ServiceSlot.h"
#include "platform/afx/WinTypes.h"

class CBaseView;

class ExcelImportViewServices
{
public:
    virtual ~ExcelImportViewServices() = default;
    // The request is the message's lParam. TRUE when the import finished.
    virtual BOOL ImportExcelDbInterface(CBaseView& view, LPARAM request) = 0;
};

constexpr auto GetExcelImportViewServices = &ServiceSlot<ExcelImportViewServices>::Get;
constexpr auto SetExcelImportViewServices = &ServiceSlot<ExcelImportViewServices>::Set;
