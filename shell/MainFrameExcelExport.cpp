// The spreadsheet export of the active document, run from the main frame: the frame keeps the
// export option word, the file-type marks and the progress window; the application the data types.
#include "shell/MainFrame.h"

#include "document/BaseDoc.h"
#include "excel/ExcelExportCommand.h"
#include "shell/ExcelImportCommands.h"
#include "shell/ProcessDlgProgress.h"
#include "shell/ZivraApp.h"

#include <QDesktopServices>
#include <QUrl>


namespace MainFrameExcelExportImpl {

class Services : public ExcelExportServices
{
public:
    explicit Services(CMainFrame& frame) : m_frame(frame) {}
    DWORD GetExportOpt() const override { return m_frame.GetExcelExportOpt(); }
    void SetExportOpt(DWORD options) override { m_frame.SetExcelExportOpt(options); }
    const CBoxStyleList* GetFileTypes() const override { return m_frame.GetBoxStyleList(); }
    const CDataTypeList* GetDataTypes() const override
    {
        CZivraApp* app = CZivraApp::GetApp();
        return app ? app->GetDataTypeList() : nullptr;
    }
    ExcelExportProgress* OpenProgress() override { return m_progress.Open(&m_frame); }
    void CloseProgress() override { m_progress.Close(); }
    BOOL OpenWithDesktop(const QString& path) override { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); }
    void SetLastWorkbook(const QString& path) override { ExcelImportCommands::SetLastWorkbook(path); }

private:
    CMainFrame& m_frame;
    CProcessDlgProgress m_progress;
};

} // namespace MainFrameExcelExportImpl

void CMainFrame::OnExportExcel()
{
    auto* doc = dynamic_cast<CBaseDoc*>(GetActiveDocument());
    if (!doc)
        return;
    MainFrameExcelExportImpl::Services services(*this);
    ExcelExport::RunCommand(*doc, services);
}
