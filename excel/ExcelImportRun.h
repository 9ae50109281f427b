// One run of an import: the progress window and its texts while it lasts, the count of characters
// that had no code page 932 form, and the closing message.
#pragma once

#include "excel/ExcelCellReading.h"
#include "excel/ExcelImport.h"

class ExcelImportRun
{
public:
    ExcelImportRun(ExcelImportServices& services, const CString& preparingText);
    // Closes the progress window on every way out.
    ~ExcelImportRun();
    ExcelImportRun(const ExcelImportRun&) = delete;
    ExcelImportRun& operator=(const ExcelImportRun&) = delete;

    void SetPhaseText(const CString& text);
    // "Excelｲﾝﾎﾟｰﾄ処理件数 : %d"
    void SetCount(int rows);
    // The first or the second worksheet, read through the import's cell readings.
    ExcelImportSheet Sheet(const ExcelImportWorkbook& workbook, int n) { return {workbook.book->Sheet(n), m_replaced}; }
    int ReplacedCharacters() const { return m_replaced; }
    // Closes the progress window, beeps and shows the message (with the account of replaced
    // characters) as information; TRUE.
    BOOL End(const CString& message);
    // Closes the progress window and shows the warning; FALSE.
    BOOL Stop(const CString& message);

private:
    void Close();
    ExcelImportServices& m_services;
    ExcelExportProgress* m_progress;
    bool m_open = true;
    int m_replaced = 0;
};
