// The spreadsheet export of the active document, run from the main frame: the frame keeps the
// export option word, the file-type marks and the progress window; the application the data types.
#include "shell/MainFrame.h"

#include "document/BaseDoc.h"
#include "excel/ExcelExportCommand.h"
#include "platform/ui/UserMessages.h"
#include "shell/ExcelImportCommands.h"
#include "shell/OnProcessDlg.h"
#include "shell/ZivraApp.h"

#include <QApplication>
#include <QDesktopServices>
#include <QUrl>

#include <memory>

namespace MainFrameExcelExportImpl {

class Progress : public ExcelExportProgress
{
public:
    explicit Progress(COnProcessDlg& dialog) : m_dialog(dialog) {}
    void SetPhaseText(const CString& text) override { Send(UM_PROCESS_SET_PHASE_TEXT, text); }
    void SetCountText(const CString& text) override { Send(UM_PROCESS_SET_COUNT_TEXT, text); }

private:
    void Send(UINT message, const CString& text)
    {
        m_dialog.SendMessage(message, 0, reinterpret_cast<LPARAM>(text.GetString()));
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    COnProcessDlg& m_dialog;
};

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
    ExcelExportProgress* OpenProgress() override
    {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        m_dialog = std::make_unique<COnProcessDlg>();
        if (!m_dialog->Create(&m_frame)) {
            m_dialog.reset();
            return nullptr;
        }
        m_progress = std::make_unique<Progress>(*m_dialog);
        return m_progress.get();
    }
    void CloseProgress() override
    {
        m_progress.reset();
        if (m_dialog)
            m_dialog->DestroyWindow();
        m_dialog.reset();
        QApplication::restoreOverrideCursor();
    }
    BOOL OpenWithDesktop(const QString& path) override { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); }
    void SetLastWorkbook(const QString& path) override { ExcelImportCommands::SetLastWorkbook(path); }

private:
    CMainFrame& m_frame;
    std::unique_ptr<COnProcessDlg> m_dialog;
    std::unique_ptr<Progress> m_progress;
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
