#include "platform/ui/WinApp.h"

#include "platform/afx/MessageSink.h"
#include "platform/afx/StringTable.h"
#include "platform/profile/Profile.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/DocTemplate.h"
#include "platform/ui/Document.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/FrameworkIds.h"
#include "platform/ui/FrameWnd.h"
#include "platform/ui/MDIChildWnd.h"
#include "platform/ui/RecentFileList.h"
#include "platform/ui/View.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QMouseEvent>
#include <QPageSetupDialog>
#include <QPointer>
#include <QWidget>

IMPLEMENT_DYNAMIC(CWinApp, CCmdTarget)

namespace WinAppImpl {

CWinApp*& Current()
{
    static CWinApp* app = nullptr;
    return app;
}

// Hands right-button releases to the main frame first (the bars' context menu), once per release:
// a release that its widget ignores travels on to the parents, and those deliveries are the same
// release, not new ones.
class PreTranslateFilter : public QObject
{
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonPress)
            m_lastTarget.clear();
        if (event->type() != QEvent::MouseButtonRelease || !watched->isWidgetType())
            return false;
        auto* e = static_cast<QMouseEvent*>(event);
        auto* widget = static_cast<QWidget*>(watched);
        CWinApp* app = AfxGetApp();
        auto* frame = app ? DYNAMIC_DOWNCAST(CFrameWnd, app->m_pMainWnd) : nullptr;
        if (e->button() != Qt::RightButton || !frame || IsPropagationOfLast(widget, e))
            return false;
        MSG msg;
        msg.hwnd = widget;
        msg.message = WM_RBUTTONUP;
        const QPoint p = e->position().toPoint();
        msg.lParam = LPARAM(MAKELONG(WORD(p.x()), WORD(p.y())));
        const QPoint g = e->globalPosition().toPoint();
        msg.pt = POINT{g.x(), g.y()};
        const QPointer<QWidget> target(widget);
        const bool handled = frame->PreTranslateMessage(&msg);
        // Set afterwards: clicks in a popup menu that the frame opened are releases of their own.
        m_lastTarget = target;
        m_lastGlobal = e->globalPosition();
        return handled;
    }

private:
    bool IsPropagationOfLast(QWidget* widget, const QMouseEvent* e)
    {
        if (!m_lastTarget || m_lastTarget->parentWidget() != widget || e->globalPosition() != m_lastGlobal)
            return false;
        m_lastTarget = widget;
        return true;
    }

    QPointer<QWidget> m_lastTarget;
    QPointF m_lastGlobal;
};

} // namespace WinAppImpl

CWinApp* AfxGetApp()
{
    return WinAppImpl::Current();
}

CWnd* AfxGetMainWnd()
{
    CWinApp* app = AfxGetApp();
    return app ? app->m_pMainWnd : nullptr;
}

LPCTSTR AfxGetAppName()
{
    CWinApp* app = AfxGetApp();
    return app ? app->m_pszAppName.GetString() : "";
}

CWinApp::CWinApp(LPCTSTR appName) : m_pszAppName(appName ? CString(appName) : LoadStringResource(AFX_IDS_APP_TITLE))
{
    WinAppImpl::Current() = this;
}

CWinApp::~CWinApp()
{
    for (CDocTemplate* t : m_templates)
        delete t;
    if (WinAppImpl::Current() == this)
        WinAppImpl::Current() = nullptr;
}

const MessageMap* CWinApp::GetMessageMap() const
{
    static const MessageMap map{CCmdTarget::GetMessageMap(),
                                {
                                    MapCommand(ID_FILE_NEW, &CWinApp::OnFileNew),
                                    MapCommand(ID_FILE_OPEN, &CWinApp::OnFileOpen),
                                    MapCommand(ID_APP_EXIT, &CWinApp::OnAppExit),
                                    MapCommand(ID_FILE_PRINT_SETUP, &CWinApp::OnFilePrintSetup),
                                    MapCommandEx(ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE16, &CWinApp::OnOpenRecentFile),
                                    MapUpdateRange(ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE16,
                                                   &CWinApp::OnUpdateRecentFileMenu),
                                }};
    return &map;
}

void CWinApp::OnFilePrintSetup()
{
    QPrinter* printer = GetPrinter();
    if (!printer) {
        AfxMessageBox(AFX_IDP_NO_PRINTER, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    QPageSetupDialog dialog(printer, m_pMainWnd ? m_pMainWnd->GetSafeHwnd() : nullptr);
    dialog.exec();
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::ExitInstance()
{
    SaveStdProfileSettings();
    return 0;
}

int CWinApp::Run()
{
    if (!InitInstance()) {
        if (m_pMainWnd)
            m_pMainWnd->DestroyWindow();
        ExitInstance();
        return 1;
    }
    InstallIdleHook();
    const int code = QApplication::exec();
    const int exitCode = ExitInstance();
    return code != 0 ? code : exitCode;
}

void CWinApp::InstallIdleHook()
{
    if (!m_eventHook) {
        m_eventHook = std::make_unique<WinAppImpl::PreTranslateFilter>();
        qApp->installEventFilter(m_eventHook.get());
    }
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, m_eventHook.get(),
                     [this] { OnIdle(0); });
}

BOOL CWinApp::OnIdle(LONG)
{
    if (auto* frame = DYNAMIC_DOWNCAST(CFrameWnd, m_pMainWnd))
        frame->UpdateControlBarsCmdUI();
    return FALSE;
}

void CWinApp::SetRegistryKey(LPCTSTR key)
{
    m_pszRegistryKey = key;
    Profile::SetRegistryKey(key);
}

UINT CWinApp::GetProfileInt(LPCTSTR section, LPCTSTR entry, int defaultValue)
{
    return UINT(Profile::GetProfileInt(section, entry, defaultValue));
}

CString CWinApp::GetProfileString(LPCTSTR section, LPCTSTR entry, LPCTSTR defaultValue)
{
    return Profile::GetProfileString(section, entry, defaultValue ? defaultValue : "");
}

BOOL CWinApp::WriteProfileInt(LPCTSTR section, LPCTSTR entry, int value)
{
    return Profile::WriteProfileInt(section, entry, value);
}

BOOL CWinApp::WriteProfileString(LPCTSTR section, LPCTSTR entry, LPCTSTR value)
{
    return Profile::WriteProfileString(section, entry, value);
}

void CWinApp::LoadStdProfileSettings(UINT maxMRU)
{
    m_pRecentFileList.reset();
    if (maxMRU == 0)
        return;
    m_pRecentFileList =
        std::make_unique<CRecentFileList>(ID_FILE_MRU_FILE1, "Recent File List", "File%d", int(std::min(maxMRU, 16u)));
    m_pRecentFileList->ReadList();
}

void CWinApp::SaveStdProfileSettings()
{
    if (m_pRecentFileList)
        m_pRecentFileList->WriteList();
}

void CWinApp::AddToRecentFileList(LPCTSTR path)
{
    if (m_pRecentFileList)
        m_pRecentFileList->Add(path);
}

void CWinApp::ParseCommandLine(CCommandLineInfo& info)
{
    std::vector<CString> arguments;
    const QStringList all = QCoreApplication::arguments();
    for (qsizetype i = 1; i < all.size(); ++i)
        arguments.push_back(FromQString(all[i]));
    info.ParseArguments(arguments);
}

BOOL CWinApp::ProcessShellCommand(CCommandLineInfo& info)
{
    switch (info.m_nShellCommand) {
    case CCommandLineInfo::FileNew: OnFileNew(); return TRUE;
    case CCommandLineInfo::FileOpen: return OpenDocumentFile(info.m_strFileName) != nullptr;
    case CCommandLineInfo::FilePrint:
    case CCommandLineInfo::FilePrintTo: {
        if (!OpenDocumentFile(info.m_strFileName))
            return FALSE;
        m_pCmdInfo = &info;
        if (m_pMainWnd)
            m_pMainWnd->SendMessage(WM_COMMAND, ID_FILE_PRINT_DIRECT, 0);
        m_pCmdInfo = nullptr;
        return FALSE;
    }
    case CCommandLineInfo::FileDDE: return TRUE;
    case CCommandLineInfo::AppRegister:
    case CCommandLineInfo::AppUnregister:
        // Registration with the desktop belongs to the application; the process ends after it.
        return FALSE;
    case CCommandLineInfo::FileNothing: return TRUE;
    }
    return TRUE;
}

void CWinApp::AddDocTemplate(CDocTemplate* docTemplate)
{
    m_templates.push_back(docTemplate);
}

CDocument* CWinApp::OpenDocumentFile(LPCTSTR path)
{
    CDocTemplate* best = nullptr;
    CDocTemplate::Confidence bestMatch = CDocTemplate::noAttempt;
    for (CDocTemplate* t : m_templates) {
        CDocument* open = nullptr;
        const CDocTemplate::Confidence match = t->MatchDocType(path, open);
        if (match == CDocTemplate::yesAlreadyOpen) {
            // Shows the document's frame instead of opening it twice.
            const std::vector<CView*>& views = open->GetViews();
            if (!views.empty())
                if (CFrameWnd* frame = views.front()->GetParentFrame())
                    frame->ActivateFrame();
            return open;
        }
        if (match > bestMatch) {
            bestMatch = match;
            best = t;
        }
    }
    return best ? best->OpenDocumentFile(path) : nullptr;
}

void CWinApp::CloseAllDocuments(BOOL endSession)
{
    for (CDocTemplate* t : m_templates)
        t->CloseAllDocuments(endSession);
}

BOOL CWinApp::SaveAllModified()
{
    for (CDocTemplate* t : m_templates)
        if (!t->SaveAllModified())
            return FALSE;
    return TRUE;
}

BOOL CWinApp::DoPromptFileName(CString& fileName, UINT titleId, DWORD flags, BOOL openDialog, CDocTemplate* docTemplate)
{
    CFileDialog dialog(openDialog, flags | (openDialog ? OFN_HIDEREADONLY : OFN_OVERWRITEPROMPT), m_pMainWnd);
    dialog.m_strTitle = LoadStringResource(titleId);
    for (CDocTemplate* t : m_templates) {
        if (docTemplate && t != docTemplate)
            continue;
        CString name, ext;
        if (t->GetDocString(name, CDocTemplate::filterName) && t->GetDocString(ext, CDocTemplate::filterExt)) {
            if (dialog.m_filters.empty())
                dialog.m_strDefExt = ext.Mid(1);
            dialog.m_filters.emplace_back(name, "*" + ext);
        }
    }
    dialog.m_filters.emplace_back(LoadStringResource(AFX_IDS_ALLFILTER), "*");
    dialog.m_strFileName = fileName;
    if (dialog.DoModal() != IDOK)
        return FALSE;
    fileName = dialog.GetPathName();
    return TRUE;
}

void CWinApp::OnFileNew()
{
    if (!m_templates.empty())
        m_templates.front()->OpenDocumentFile(nullptr);
}

void CWinApp::OnFileOpen()
{
    CString name;
    if (DoPromptFileName(name, AFX_IDS_OPENFILE, OFN_FILEMUSTEXIST, TRUE, nullptr))
        OpenDocumentFile(name);
}

void CWinApp::OnAppExit()
{
    if (m_pMainWnd)
        m_pMainWnd->SendMessage(WM_CLOSE);
}

BOOL CWinApp::OnOpenRecentFile(UINT id)
{
    const int index = int(id - ID_FILE_MRU_FILE1);
    if (!m_pRecentFileList || index >= m_pRecentFileList->GetSize() || (*m_pRecentFileList)[index].IsEmpty())
        return FALSE;
    const CString path = (*m_pRecentFileList)[index];
    if (!OpenDocumentFile(path))
        m_pRecentFileList->Remove(index);
    return TRUE;
}

void CWinApp::OnUpdateRecentFileMenu(CCmdUI* cmdUI)
{
    const int index = int(cmdUI->m_nID - ID_FILE_MRU_FILE1);
    const bool present =
        m_pRecentFileList && index < m_pRecentFileList->GetSize() && !(*m_pRecentFileList)[index].IsEmpty();
    if (present)
        cmdUI->SetText(m_pRecentFileList->GetDisplayName(index));
    cmdUI->Enable(present);
    if (auto* item = dynamic_cast<CActionCmdUI*>(cmdUI))
        item->SetVisible(present || index == 0);
}

void CWinApp::EnableShellOpen() {}
