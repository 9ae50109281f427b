#include "shell/ZivraApp.h"

#include "document/PageGeometry.h"
#include "document/ZivraDoc.h"
#include "foundation/CommandIds.h"
#include "foundation/TextFunctions.h"
#include "model/BoxStyleList.h"
#include "model/DataModelClasses.h"
#include "model/DataTypeLookup.h"
#include "objects/ObjectServices.h"
#include "physical/PhysicalCommands.h"
#include "platform/afx/StringTable.h"
#include "platform/profile/Profile.h"
#include "platform/ui/CommandLineInfo.h"
#include "platform/ui/DocTemplate.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/View.h"
#include "shell/AboutBox.h"
#include "shell/ChildFrame.h"
#include "shell/DataItemsDialogSetup.h"
#include "shell/MainFrame.h"
#include "shell/ShellRegistration.h"
#include "shell/SingleInstance.h"
#include "shell/SplashWnd.h"
#include "view/ZivraView.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>

#include <cassert>
#include <vector>

IMPLEMENT_DYNAMIC(CZivraApp, CWinApp)

namespace ZivraAppImpl {

constexpr UINT kDocTemplateId = 129;
constexpr UINT kMainFrameId = 128;
constexpr UINT kContainerResource = 6;
constexpr UINT kServerResourceEmbedded = 5;
constexpr UINT kServerResourceInPlace = 4;
constexpr int kRecentFiles = 4;
constexpr int kSplashTicks = 8;
constexpr const char* kPageSection = "Document Page";

// The splash shows for a plain start and a file open, never for printing, DDE or registration.
bool ShowsSplashForCommand(const CCommandLineInfo& info)
{
    return info.m_bShowSplash &&
           (info.m_nShellCommand == CCommandLineInfo::FileNew || info.m_nShellCommand == CCommandLineInfo::FileOpen);
}

// Printing and registration end the process without showing the editor.
bool RunsWithoutWindow(const CCommandLineInfo& info)
{
    switch (info.m_nShellCommand) {
    case CCommandLineInfo::FilePrint:
    case CCommandLineInfo::FilePrintTo:
    case CCommandLineInfo::AppRegister:
    case CCommandLineInfo::AppUnregister: return true;
    default: return false;
    }
}

} // namespace ZivraAppImpl

bool CZivraApp::IsWindowlessRun(int argc, char** argv)
{
    std::vector<CString> arguments(argv + 1, argv + argc);
    CCommandLineInfo info;
    info.ParseArguments(arguments);
    return ZivraAppImpl::RunsWithoutWindow(info);
}

CZivraApp::CZivraApp()
{
    assert(!Instance());
    Instance() = this;
    SetAppServices(this);
    SetDocumentShellServices(this);
    SetTableDdlServices(this);
    SetAppDataTypes(&m_dataTypeList);
    m_dataItemsDialog = MakeDataItemsDialog(m_dataTypeList);
    FileCompItemLists::SetDataItemsDialog(m_dataItemsDialog.get());
    RecordOsVersion();
}

CZivraApp::~CZivraApp()
{
    if (FileCompItemLists::GetDataItemsDialog() == m_dataItemsDialog.get())
        FileCompItemLists::SetDataItemsDialog(nullptr);
    if (GetAppDataTypes() == &m_dataTypeList)
        SetAppDataTypes(nullptr);
    if (GetTableDdlServices() == this)
        SetTableDdlServices(nullptr);
    if (GetDocumentShellServices() == this)
        SetDocumentShellServices(nullptr);
    if (GetAppServices() == this)
        SetAppServices(nullptr);
    Instance() = nullptr;
}

CZivraApp*& CZivraApp::Instance()
{
    static CZivraApp* instance = nullptr;
    return instance;
}

CZivraApp* CZivraApp::GetApp()
{
    return Instance();
}

const MessageMap* CZivraApp::GetMessageMap() const
{
    static const MessageMap map{CWinApp::GetMessageMap(),
                                {
                                    MapCommand(ID_APP_ABOUT, &CZivraApp::OnAppAbout),
                                    MapCommand(ID_FILE_OPEN, &CZivraApp::OnFileOpen),
                                    MapCommand(ID_FILE_CLOSE_ALL, &CZivraApp::OnCloseAll),
                                    MapCommand(ID_DATA_TYPE_SETTINGS, &CZivraApp::OnDataTypeSettings),
                                    MapCommand(ID_IMPORT_EXCEL_DB_INTERFACE, &CZivraApp::OnImportExcelSheet),
                                }};
    return &map;
}

// The system's code takes the NT branches of its version tests; this is the version it expects there.
void CZivraApp::RecordOsVersion()
{
    m_osVersion = OSVERSIONINFO{};
    m_osVersion.dwPlatformId = VER_PLATFORM_WIN32_NT;
    m_osVersion.dwMajorVersion = 6;
    m_osVersion.dwMinorVersion = 1;
    m_osVersion.dwBuildNumber = 7601;
}

// --- Start-up ---------------------------------------------------------------------------------

BOOL CZivraApp::InitInstance()
{
    using namespace ZivraAppImpl;
    // No OLE here: its initialisation cannot fail, and with no server to be the "Embedding" and
    // "Automation" switches start the editor as a plain start would (a hidden window would only
    // leave a process nobody can reach).
    // The settings a start writes (the defaults of a new profile) reach the file once.
    const Profile::WriteBatch batch;
    ParseStartCommandLine(m_cmdInfo);
    if (RunsWithoutWindow(m_cmdInfo))
        m_unattended.emplace();
    if (HandOverToRunningInstance(m_cmdInfo)) {
        m_nEndCode = 0;
        return FALSE;
    }
    CSplashWnd::EnableSplashScreen(ShowsSplashForCommand(m_cmdInfo));
    CSplashWnd::SetSplashTicks(kSplashTicks);
    RecordOsVersion();
    CreateSettingsStore();
    m_bOpenedThroughDialog = FALSE;
    LoadStdProfileSettings(kRecentFiles);
    AddZivraDocTemplate();
    if (!CreateMainFrame())
        return FALSE;

    InitPageDefaults();
    LoadColorPalette();
    ApplyStoredPaper();
    m_dataTypeList.LoadFromProfileOrDefaults();

    if (m_cmdInfo.m_nShellCommand == CCommandLineInfo::AppUnregister)
        m_nEndCode = ShellRegistration::Unregister() ? 0 : 1;
    if (m_cmdInfo.m_nShellCommand == CCommandLineInfo::AppRegister)
        m_nEndCode = ShellRegistration::Register(QCoreApplication::applicationFilePath()) ? 0 : 1;
    if (!ProcessShellCommand(m_cmdInfo))
        return FALSE;
    if (!GetMainFrame()->IsWindowVisible())
        ShowMainWindow();
    return TRUE;
}

void CZivraApp::ParseStartCommandLine(CCommandLineInfo& info)
{
    ParseCommandLine(info);
}

BOOL CZivraApp::HandOverToRunningInstance(const CCommandLineInfo& info)
{
    if (info.m_nShellCommand != CCommandLineInfo::FileOpen)
        return FALSE;
    const QString path = QFileInfo(ToQString(info.m_strFileName)).absoluteFilePath();
    // The request is one line; a name with a line break is opened here instead.
    if (path.contains(QLatin1Char('\n')))
        return FALSE;
    return SingleInstance().Send(QStringLiteral("[open(\"%1\")]").arg(path));
}

void CZivraApp::CreateSettingsStore()
{
    if (m_pRegManList)
        return;
    SetRegistryKey("Orlek");
    m_pRegManList = std::make_unique<CRegManList>();
}

void CZivraApp::DeleteSettingsStore()
{
    m_pRegManList.reset();
}

void CZivraApp::AddZivraDocTemplate()
{
    using namespace ZivraAppImpl;
    RegisterDataModelClasses();
    auto* docTemplate = new CMultiDocTemplate(kDocTemplateId, RUNTIME_CLASS(CZivraDoc), RUNTIME_CLASS(CChildFrame),
                                              RUNTIME_CLASS(CZivraView));
    docTemplate->SetContainerInfo(kContainerResource);
    // No in-place frame: documents are not served to other programs here.
    docTemplate->SetServerInfo(kServerResourceEmbedded, kServerResourceInPlace, nullptr);
    AddDocTemplate(docTemplate);
}

BOOL CZivraApp::CreateMainFrame()
{
    auto* frame = new CMainFrame;
    if (!frame->LoadFrame(ZivraAppImpl::kMainFrameId, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE)) {
        delete frame;
        return FALSE;
    }
    m_pMainWnd = frame;
    EnableShellOpen();
    // The running instance takes the files of later starts (the shell's open request).
    m_singleInstance = std::make_unique<SingleInstance>();
    m_singleInstance->Listen(
        [this](const QString& command) { return OnInstanceRequest(FromQString(command)) != FALSE; });
    return TRUE;
}

BOOL CZivraApp::OnInstanceRequest(const CString& command)
{
    CMainFrame* frame = GetMainFrame();
    return frame && frame->OnDdeExecute(command);
}

void CZivraApp::InitPageDefaults()
{
    if (Profile::GetProfileInt(ZivraAppImpl::kPageSection, "PaperID", -1) == -1)
        WritePageDefaults();
}

void CZivraApp::WritePageDefaults()
{
    const char* section = ZivraAppImpl::kPageSection;
    Profile::WriteProfileInt(section, "PaperID", 1);
    Profile::WriteProfileInt(section, "PrintScale", 100);
    for (const char* margin : {"MarginLeft", "MarginTop", "MarginRight", "MarginBottom"})
        Profile::WriteProfileInt(section, margin, 150);
}

BOOL CZivraApp::LoadColorPalette()
{
    m_bPaletteLoaded = true;
    if (m_colorItemList.ReadColorItemsFromReg() != 0)
        return TRUE;
    if (m_colorItemList.CreateDefaultColorItems() < 0)
        return FALSE;
    m_colorItemList.WriteColorItemsToReg();
    return TRUE;
}

void CZivraApp::ApplyStoredPaper()
{
    const int paperId =
        m_pRegManList->GetRegInt(ZivraAppImpl::kPageSection, "PaperID", 2, REGITEM_INT | REGITEM_PER_USER);
    ApplyPaperSetting(WORD(paperId));
}

BOOL CZivraApp::ApplyPaperSetting(WORD paperId)
{
    QPrinter* printer = GetPrinter();
    if (!printer)
        return FALSE;
    ApplyPaperToPrinter(*printer, paperId);
    return TRUE;
}

QPrinter* CZivraApp::GetPrinter()
{
    if (!m_bPrinterChosen) {
        m_printer = CreateDefaultPrinter();
        m_bPrinterChosen = true;
    }
    return m_printer.get();
}

int CZivraApp::CreateTableDdlForSelectedFiles(CBaseDoc& doc, const CObList& objects, BOOL showMessages)
{
    return PhysicalCommands::CreateTableDdlForSelectedFiles(doc, objects, showMessages);
}

std::unique_ptr<QPrinter> CZivraApp::CreateDefaultPrinter()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return nullptr;
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

BOOL CZivraApp::ProcessShellCommand(CCommandLineInfo& info)
{
    switch (info.m_nShellCommand) {
    case CCommandLineInfo::FileNew:
    case CCommandLineInfo::FileDDE:
        // No desktop here sends commands after a "dde" start, so it starts as a plain one would:
        // a hidden window would leave a process nobody can reach.
        m_nCmdShow = SW_SHOWNORMAL;
        return TRUE;
    case CCommandLineInfo::FileOpen:
        // The editor shows first and stays: a file that cannot be opened is reported in front of
        // it, as when the same file is chosen with the open command.
        ClearOpenReadOnlyRequest();
        m_nCmdShow = SW_SHOWNORMAL;
        ShowMainWindow();
        OpenDocumentFile(info.m_strFileName);
        return TRUE;
    case CCommandLineInfo::FilePrint:
    case CCommandLineInfo::FilePrintTo:
        // The process ends after the job; its exit code tells whether the file printed.
        m_nCmdShow = SW_HIDE;
        ClearOpenReadOnlyRequest();
        CWinApp::ProcessShellCommand(info);
        m_nEndCode = info.m_bPrinted ? 0 : 1;
        return FALSE;
    case CCommandLineInfo::AppRegister:
    case CCommandLineInfo::AppUnregister: return FALSE; // done before; the process ends
    case CCommandLineInfo::FileNothing: return TRUE;
    }
    return TRUE;
}

// The placement is restored with the show command the shell command chose; the framework's own
// show command stays hidden meanwhile so that nothing shows the window early.
void CZivraApp::ShowMainWindow()
{
    const int show = m_nCmdShow;
    m_nCmdShow = SW_HIDE;
    CMainFrame* frame = GetMainFrame();
    frame->RestoreWindowPlacement(UINT(show));
    frame->UpdateWindow();
    m_nCmdShow = show;
}

int CZivraApp::Run()
{
    const int code = CWinApp::Run();
    return m_nEndCode >= 0 ? m_nEndCode : code;
}

// --- Shutdown ---------------------------------------------------------------------------------

int CZivraApp::ExitInstance()
{
    // A start that ends within the splash's time must not leave it behind, nor let a later main
    // window in this process show it again.
    if (CSplashWnd* splash = CSplashWnd::GetShown())
        splash->HideSplashScreen();
    CSplashWnd::EnableSplashScreen(FALSE);
    // The settings reach the file once, with what changed.
    const Profile::WriteBatch batch;
    m_singleInstance.reset();
    DeleteSettingsStore();
    if (m_bPaletteLoaded)
        m_colorItemList.WriteColorItemsToReg();
    const int code = CWinApp::ExitInstance();
    m_unattended.reset();
    return code;
}

// --- Accessors ----------------------------------------------------------------------------------

CMainFrame* CZivraApp::GetMainFrame() const
{
    return DYNAMIC_DOWNCAST(CMainFrame, m_pMainWnd);
}

CBoxStyleList* CZivraApp::GetBoxStyleList() const
{
    CMainFrame* frame = GetMainFrame();
    return frame ? frame->GetBoxStyleList() : nullptr;
}

CDocTemplate* CZivraApp::GetDocTemplate() const
{
    return GetDocTemplates().empty() ? nullptr : GetDocTemplates().front();
}

CBaseView* CZivraApp::GetActiveBaseView() const
{
    CMainFrame* frame = GetMainFrame();
    return frame ? frame->GetActiveBaseView() : nullptr;
}

CString CZivraApp::GetEditionText()
{
    return CString(u8"製品版");
}

void CZivraApp::SetStatusText(const CString& text)
{
    SetStatusText(text.GetString());
}

void CZivraApp::SetStatusText(LPCTSTR text)
{
    if (CMainFrame* frame = GetMainFrame())
        frame->SetStatusText(text);
}

// --- The open dialog and the application's commands ----------------------------------------------

BOOL CZivraApp::GetRecentFileFolder(CString& folder)
{
    const CString latest = Profile::GetProfileString("Recent File List", "File1");
    if (latest.IsEmpty())
        return FALSE;
    CString name;
    SplitFilePath(latest, name, folder);
    if (folder.IsEmpty())
        folder = latest;
    return TRUE;
}

BOOL CZivraApp::PromptFileName(CString& fileName, UINT titleId, DWORD flags, BOOL openDialog, CDocTemplate* docTemplate,
                               BOOL* readOnly)
{
    if (readOnly)
        *readOnly = FALSE;
    CFileDialog dialog(openDialog, flags, m_pMainWnd);
    dialog.m_strTitle = LoadStringResource(titleId);
    for (CDocTemplate* t : GetDocTemplates()) {
        if (docTemplate && t != docTemplate)
            continue;
        CString name, ext;
        if (!t->GetDocString(name, CDocTemplate::filterName) || !t->GetDocString(ext, CDocTemplate::filterExt) ||
            name.IsEmpty() || ext.IsEmpty())
            continue;
        if (dialog.m_filters.empty()) {
            dialog.m_strDefExt = ext.Mid(1);
            dialog.m_nFilterIndex = 1;
        }
        dialog.m_filters.emplace_back(name, "*" + ext);
    }
    // Files without a dot count as files too here, so "all files" is every name.
    dialog.m_filters.emplace_back(LoadStringResource(AFX_IDS_ALLFILTER), "*");
    dialog.m_strFileName = fileName;

    CString name, folder;
    SplitFilePath(fileName, name, folder);
    if (!m_bOpenedThroughDialog && name.IsEmpty() && GetRecentFileFolder(folder))
        dialog.m_strInitialDir = folder;
    if (dialog.DoModal() != IDOK)
        return FALSE;
    fileName = dialog.GetPathName();
    if (readOnly)
        *readOnly = dialog.GetReadOnlyPref();
    return TRUE;
}

void CZivraApp::OnFileOpen()
{
    if (CMainFrame* frame = GetMainFrame())
        frame->EndActiveTextEdit();
    ClearOpenReadOnlyRequest();
    CString fileName;
    BOOL readOnly = FALSE;
    if (!PromptFileName(fileName, AFX_IDS_OPENFILE, OFN_FILEMUSTEXIST, TRUE, nullptr, &readOnly))
        return;
    m_bOpenedThroughDialog = TRUE;
    m_bOpenReadOnlyRequest = readOnly;
    OpenDocumentFile(fileName);
    // An open that never read the request (the file was open already, or failed early) must not
    // hand it to the next one.
    ClearOpenReadOnlyRequest();
}

void CZivraApp::OnAppAbout()
{
    CAboutBox about(m_pMainWnd);
    about.DoModal();
}

void CZivraApp::OnCloseAll()
{
    CloseAllDocuments(FALSE);
}
