#include "shell/ExcelImportCommands.h"

#include "document/BaseDoc.h"
#include "excel/ExcelImport.h"
#include "foundation/CommandIds.h"
#include "model/ModelOperations.h"
#include "platform/afx/MessageSink.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/UserMessages.h"
#include "shell/MainFrame.h"
#include "shell/ProcessDlgProgress.h"
#include "shell/ZivraApp.h"
#include "view/BaseView.h"
#include "view/ExcelImportViewServices.h"


namespace excel_import_commands_cpp {

QString& LastPath()
{
    static QString path;
    return path;
}

class Services : public ExcelImportServices
{
public:
    const CBoxStyleList* GetFileTypes() const override
    {
        CMainFrame* frame = GetMainFrame();
        return frame ? frame->GetBoxStyleList() : nullptr;
    }
    const CDataTypeList* GetDataTypes() const override
    {
        CZivraApp* app = CZivraApp::GetApp();
        return app ? app->GetDataTypeList() : nullptr;
    }
    ExcelExportProgress* OpenProgress() override { return m_progress.Open(GetMainFrame()); }
    void CloseProgress() override { m_progress.Close(); }
    QString GetLastWorkbook() const override { return LastPath(); }
    void SetLastWorkbook(const QString& path) override { LastPath() = path; }

private:
    CProcessDlgProgress m_progress;
};

// The new view's import, registered only while the application sends it the request.
class ViewImport : public ExcelImportViewServices
{
public:
    ViewImport(const ExcelImportWorkbook& workbook, Services& services) : m_workbook(workbook), m_services(services)
    {
        m_previous = SetExcelImportViewServices(this);
    }
    ~ViewImport() { SetExcelImportViewServices(m_previous); }
    ViewImport(const ViewImport&) = delete;
    ViewImport& operator=(const ViewImport&) = delete;

    BOOL ImportExcelDbInterface(CBaseView& view, LPARAM request) override
    {
        if (request != reinterpret_cast<LPARAM>(&m_workbook))
            return FALSE;
        CBaseDoc* doc = view.GetDocument();
        return doc && ExcelImport::ImportDbInterfaceSheet(*doc, &view, m_workbook, m_services);
    }

private:
    const ExcelImportWorkbook& m_workbook;
    Services& m_services;
    ExcelImportViewServices* m_previous = nullptr;
};

} // namespace excel_import_commands_cpp

namespace ExcelImportCommands {

QString LastWorkbook()
{
    return excel_import_commands_cpp::LastPath();
}

void SetLastWorkbook(const QString& path)
{
    excel_import_commands_cpp::LastPath() = path;
}

MessageMapEntry CommandEntry(UINT id)
{
    return {MessageMapEntry::Kind::Command,
            id,
            id,
            [](CCmdTarget& target, UINT command) {
                CBaseDoc* doc = CBaseDoc::GetActiveIn(target);
                if (!doc || doc->IsReadOnly())
                    return TRUE;
                excel_import_commands_cpp::Services services;
                if (command == ID_IMPORT_EXCEL_CONCEPT_UPDATE)
                    ExcelImport::RunConceptAttributeUpdate(*doc, services);
                else
                    ExcelImport::RunPhysicalAttributeUpdate(*doc, services);
                return TRUE;
            },
            {},
            {}};
}

MessageMapEntry UpdateEntry(UINT id)
{
    return {MessageMapEntry::Kind::Update,
            id,
            id,
            {},
            [](CCmdTarget& target, CCmdUI* cmdUI) {
                const CBaseDoc* doc = CBaseDoc::GetActiveIn(target);
                if (!doc)
                    cmdUI->Enable(FALSE);
                else
                    ModelOperations::OnUpdateModelCommand(*doc, cmdUI);
            },
            {}};
}

} // namespace ExcelImportCommands

void CZivraApp::OnImportExcelSheet()
{
    using namespace excel_import_commands_cpp;
    CMainFrame* frame = GetMainFrame();
    if (frame)
        frame->EndActiveTextEdit();
    if (AfxMessageBox(CString(u8"現在開かれているExcelのDBｲﾝﾀﾌｪｰｽ形式ｼｰﾄからﾃﾞｰﾀをｲﾝﾎﾟｰﾄします。"),
                      MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
        return;
    Services services;
    // The workbook is chosen and read before the new document exists, so that Cancel or a
    // workbook that cannot be read leaves no empty document behind.
    const auto workbook = ExcelImport::ChooseWorkbook(services);
    if (!workbook)
        return;
    OnFileNew();
    CBaseView* view = frame ? frame->GetActiveBaseView() : nullptr;
    if (!view)
        return;
    ViewImport import(*workbook, services);
    view->SendMessage(UM_IMPORT_EXCEL_DBIF, 0, reinterpret_cast<LPARAM>(workbook.get()));
}
