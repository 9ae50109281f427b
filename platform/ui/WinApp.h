// CWinApp: the one application object. It starts the program (InitInstance), runs the event loop
// with idle updates of the frame's bars, ends it (ExitInstance), keeps the document templates and
// the recent-file list, parses the command line, and is the last stop of every command's route.
// The profile functions delegate to Profile under the registry key set by SetRegistryKey.
#pragma once

#include "platform/afx/String.h"
#include "platform/ui/CmdTarget.h"
#include "platform/ui/CommandLineInfo.h"

#include <memory>
#include <vector>

class CDocTemplate;
class CDocument;
class CRecentFileList;
class CWnd;
class QObject;
class QPrinter;

class CWinApp : public CCmdTarget
{
    DECLARE_DYNAMIC(CWinApp)
public:
    // Becomes the current application (AfxGetApp) until destroyed.
    explicit CWinApp(LPCTSTR appName = nullptr);
    ~CWinApp() override;

    virtual BOOL InitInstance();
    virtual int ExitInstance();
    // InitInstance, the event loop, ExitInstance; the process's exit code. A refused start runs
    // ExitInstance too and returns its code.
    virtual int Run();
    // Called when the event loop has nothing to do: updates the main frame's bars.
    virtual BOOL OnIdle(LONG count);

    void SetRegistryKey(LPCTSTR key);
    UINT GetProfileInt(LPCTSTR section, LPCTSTR entry, int defaultValue);
    CString GetProfileString(LPCTSTR section, LPCTSTR entry, LPCTSTR defaultValue = nullptr);
    BOOL WriteProfileInt(LPCTSTR section, LPCTSTR entry, int value);
    BOOL WriteProfileString(LPCTSTR section, LPCTSTR entry, LPCTSTR value);

    // Reads the recent-file list ("Recent File List"/"File1"..) of maxMRU entries.
    void LoadStdProfileSettings(UINT maxMRU = 4);
    void SaveStdProfileSettings();
    virtual void AddToRecentFileList(LPCTSTR path);
    CRecentFileList* GetRecentFileList() const { return m_pRecentFileList.get(); }

    // The process arguments (after the program name) into the record.
    void ParseCommandLine(CCommandLineInfo& info);
    // Runs the shell command: new, open, print (the frame gets ID_FILE_PRINT_DIRECT), DDE,
    // register, unregister. FALSE ends the program.
    virtual BOOL ProcessShellCommand(CCommandLineInfo& info);

    void AddDocTemplate(CDocTemplate* docTemplate);
    const std::vector<CDocTemplate*>& GetDocTemplates() const { return m_templates; }
    virtual CDocument* OpenDocumentFile(LPCTSTR path);
    void CloseAllDocuments(BOOL endSession);
    BOOL SaveAllModified();
    // The file dialog over every template's filter (or the given one's) plus "all files".
    virtual BOOL DoPromptFileName(CString& fileName, UINT titleId, DWORD flags, BOOL openDialog,
                                  CDocTemplate* docTemplate);

    // The current printer, which print jobs and print set-up use; null when none is installed.
    virtual QPrinter* GetPrinter() { return nullptr; }

    // Shell integration: a desktop entry and the document MIME type under ~/.local/share.
    void EnableShellOpen();

    CWnd* m_pMainWnd = nullptr;
    int m_nCmdShow = 1; // SW_SHOWNORMAL
    CString m_pszAppName;
    CString m_pszRegistryKey;
    CCommandLineInfo* m_pCmdInfo = nullptr;

protected:
    const MessageMap* GetMessageMap() const override;
    void OnFileNew();
    void OnFileOpen();
    void OnAppExit();
    // The paper and orientation of the current printer; without a printer the user is told.
    void OnFilePrintSetup();
    BOOL OnOpenRecentFile(UINT id);
    void OnUpdateRecentFileMenu(CCmdUI* cmdUI);

private:
    void InstallIdleHook();

    std::vector<CDocTemplate*> m_templates; // owned
    std::unique_ptr<CRecentFileList> m_pRecentFileList;
    std::unique_ptr<QObject> m_eventHook;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
LPCTSTR AfxGetAppName();
