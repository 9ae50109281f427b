#include "excel/ExcelImportRun.h"

#include "platform/afx/MessageSink.h"
#include "platform/sheet/SheetError.h"
#include "platform/ui/FileDialog.h"

#include <QApplication>
#include <QFileInfo>

namespace excel_import_run_cpp {

// The wait cursor while a chosen workbook is read, before any progress window exists.
class WaitCursor
{
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

CString FileRefusal(const QString& path, const char8_t* reason)
{
    return CString(u8"ﾌｧｲﾙ \"") + FromQString(path) + CString(u8"\" は") + CString(reason);
}

} // namespace excel_import_run_cpp

ExcelImportRun::ExcelImportRun(ExcelImportServices& services, const CString& preparingText)
    : m_services(services), m_progress(services.OpenProgress())
{
    SetPhaseText(preparingText);
}

ExcelImportRun::~ExcelImportRun()
{
    Close();
}

void ExcelImportRun::Close()
{
    if (!m_open)
        return;
    m_open = false;
    m_progress = nullptr;
    m_services.CloseProgress();
}

void ExcelImportRun::SetPhaseText(const CString& text)
{
    if (m_progress)
        m_progress->SetPhaseText(text);
}

void ExcelImportRun::SetCount(int rows)
{
    if (!m_progress)
        return;
    CString text;
    text.Format(CString(u8"Excelｲﾝﾎﾟｰﾄ処理件数 : %d").GetString(), rows);
    m_progress->SetCountText(text);
}

BOOL ExcelImportRun::End(const CString& message)
{
    Close();
    CString text = message;
    if (m_replaced > 0) {
        CString line;
        line.Format(CString(u8"\nｼﾌﾄJISにない %d 文字を '?' に置き換えました。").GetString(), m_replaced);
        text += line;
    }
    MessageBeep(MB_ICONEXCLAMATION);
    AfxMessageBox(text, MB_OK | MB_ICONINFORMATION);
    return TRUE;
}

BOOL ExcelImportRun::Stop(const CString& message)
{
    Close();
    if (!message.IsEmpty())
        AfxMessageBox(message, MB_OK | MB_ICONEXCLAMATION);
    return FALSE;
}

namespace ExcelImport {

std::unique_ptr<ExcelImportWorkbook> ChooseWorkbook(ExcelImportServices& services)
{
    using namespace excel_import_run_cpp;
    CFileDialog files(TRUE, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST);
    files.m_filters = {{CString(u8"ﾜｰｸﾌﾞｯｸ (*.xlsx;*.ods)"), "*.xlsx *.ods"}, {CString(u8"すべてのﾌｧｲﾙ (*.*)"), "*.*"}};
    files.m_strTitle = CString(u8"ｲﾝﾎﾟｰﾄするﾜｰｸﾌﾞｯｸ");
    const QString last = services.GetLastWorkbook();
    if (!last.isEmpty())
        files.m_strFileName = FromQString(last);
    if (files.DoModal() != IDOK)
        return nullptr;
    auto workbook = std::make_unique<ExcelImportWorkbook>();
    workbook->path = ToQString(files.GetPathName());
    try {
        WaitCursor wait;
        workbook->book = SheetWorkbook::Open(workbook->path);
    } catch (const SheetError& e) {
        AfxMessageBox(e.Message(), MB_OK | MB_ICONEXCLAMATION);
        return nullptr;
    }
    // The rows are on the first two worksheets; a workbook with one has nothing to import from.
    if (workbook->book->SheetCount() < 2) {
        AfxMessageBox(FileRefusal(workbook->path, u8"ﾜｰｸｼｰﾄが1枚しかないためｲﾝﾎﾟｰﾄできません。"
                                                  u8"1枚目に概念ﾌｧｲﾙ、2枚目に所属ﾃﾞｰﾀ項目のｼｰﾄが必要です。"),
                      MB_OK | MB_ICONEXCLAMATION);
        return nullptr;
    }
    services.SetLastWorkbook(workbook->path);
    return workbook;
}

} // namespace ExcelImport
