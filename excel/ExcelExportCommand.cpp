#include "excel/ExcelExportCommand.h"

#include "document/BaseDoc.h"
#include "excel/ExportOptDlg.h"
#include "model/ExcelExportContext.h"
#include "physical/DataType.h"
#include "physical/DataTypeList.h"
#include "platform/afx/MessageSink.h"
#include "platform/sheet/SheetError.h"
#include "platform/ui/FileDialog.h"

namespace excel_export_command_cpp {

// The proposed file: the document's name with .xlsx in place of its extension.
CString ProposedName(const CString& title)
{
    if (title.IsEmpty())
        return "Book1.xlsx";
    const int dot = title.ReverseFind('.');
    return (dot > 0 ? title.Left(dot) : title) + ".xlsx";
}

// Closes the progress window on every way out.
class ProgressWindow
{
public:
    explicit ProgressWindow(ExcelExportServices& services) : m_services(services), m_progress(services.OpenProgress())
    {
    }
    ~ProgressWindow() { m_services.CloseProgress(); }
    ProgressWindow(const ProgressWindow&) = delete;
    ProgressWindow& operator=(const ProgressWindow&) = delete;
    ExcelExportProgress* Get() const { return m_progress; }

private:
    ExcelExportServices& m_services;
    ExcelExportProgress* m_progress;
};

} // namespace excel_export_command_cpp

namespace ExcelExport {

void RunCommand(CBaseDoc& doc, ExcelExportServices& services)
{
    using namespace excel_export_command_cpp;
    doc.EndInPlaceEditInViews();

    CExportOptDlg dialog(services.GetExportOpt(), nullptr);
    if (dialog.DoModal() != IDOK)
        return;
    const DWORD options = dialog.GetExportOpt();
    if (options == 0)
        return;
    services.SetExportOpt(options);

    const CString title = TitleOfPath(doc.GetPathName());
    CFileDialog files(FALSE, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST);
    files.m_strDefExt = "xlsx";
    files.m_strFileName = ProposedName(title);
    files.m_filters = {{CString(u8"Excelﾌﾞｯｸ (*.xlsx)"), "*.xlsx"}, {CString(u8"すべてのﾌｧｲﾙ (*.*)"), "*.*"}};
    files.m_strTitle = CString(u8"Excelへｴｸｽﾎﾟｰﾄ");
    if (files.DoModal() != IDOK)
        return;
    const QString path = ToQString(files.GetPathName());

    ExcelExportContext context;
    context.fileTypes = services.GetFileTypes();
    if (const CDataTypeList* types = services.GetDataTypes()) {
        context.typeLabel = [types](const CString& name, WORD editKind) {
            const CDataType* type = types->FindDataTypeByNameAndKind(name, editKind);
            return type ? type->GetLabel() : CString();
        };
    }
    ExcelExportOutcome outcome;
    try {
        ProgressWindow progress(services);
        if (progress.Get())
            progress.Get()->SetPhaseText(CString(u8"Excelへのｴｸｽﾎﾟｰﾄ準備中..."));
        const auto book = Build(doc, options, title, context, progress.Get(), outcome);
        book->SaveAs(path);
    } catch (const SheetError& e) {
        AfxMessageBox(e.Message(), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    services.SetLastWorkbook(path);
    // No program for the file is no failure: the file is written and the message names it.
    services.OpenWithDesktop(path);
    MessageBeep(MB_ICONEXCLAMATION);
    AfxMessageBox(CompletionMessage(outcome, path),
                  MB_OK | (outcome.finished ? MB_ICONINFORMATION : MB_ICONEXCLAMATION));
}

} // namespace ExcelExport
