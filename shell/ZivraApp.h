// CZivraApp: the one application object. It starts the program in a fixed order (command line,
// splash window, settings store, recent files, document template, main frame, first-run page
// defaults, colour palette, printer paper, SQL data types, registration switches, shell command,
// window placement), owns what the whole program shares (the settings store, the colour palette,
// the SQL data types, the printer selection) and shuts down by writing the settings back.
#pragma once

#include "document/DocumentShellServices.h"
#include "foundation/AppServices.h"
#include "foundation/CommandIds.h"
#include "foundation/ColorItemList.h"
#include "foundation/RegManList.h"
#include "model/FileCompItemLists.h"
#include "physical/DataTypeList.h"
#include "platform/afx/MessageSink.h"
#include "platform/ui/WinApp.h"
#include "view/TableDdlServices.h"

#include <memory>
#include <optional>

class CBoxStyleList;
class CDocTemplate;
class CMainFrame;
class CBaseView;
class QPrinter;
class SingleInstance;

class CZivraApp : public CWinApp, public AppServices, public DocumentShellServices, public TableDdlServices
{
    DECLARE_DYNAMIC(CZivraApp)
public:
    // The object operation the conceptual-file dialog runs; the last object command at start.
    static constexpr UINT kInitialObjectCommand = ID_OBJ_FILE_DIALOG;

    // The one application: registers itself as such and as the lower layers' services.
    CZivraApp();
    ~CZivraApp() override;
    CZivraApp(const CZivraApp&) = delete;
    CZivraApp& operator=(const CZivraApp&) = delete;

    // The one application object, or null when there is none.
    static CZivraApp* GetApp();
    // Whether these program arguments print or register and end without showing the editor;
    // such a run needs no display. Read before the Qt application exists.
    static bool IsWindowlessRun(int argc, char** argv);

    BOOL InitInstance() override;
    int ExitInstance() override;
    // The framework's run; a start that only registered, unregistered or handed its file to the
    // running instance ends with 0 when that succeeded.
    int Run() override;
    BOOL ProcessShellCommand(CCommandLineInfo& info) override;

    // --- Start-up steps ---------------------------------------------------------------------
    // Sets the profile's registry key and builds the settings store, unless there is one.
    void CreateSettingsStore();
    void DeleteSettingsStore();
    // Writes the page defaults when "Document Page"/"PaperID" was never written.
    void InitPageDefaults();
    static void WritePageDefaults();
    // Reads the palette, or creates and writes the 16 defaults when the profile holds none.
    // FALSE only when the defaults cannot be created.
    BOOL LoadColorPalette();
    // Applies "Document Page"/"PaperID" (default 2) to the printer.
    void ApplyStoredPaper();
    // Sets the printer's paper and orientation for PaperID 1 to 8 (A4, A3, JIS B5, JIS B4, each
    // portrait then landscape); another id leaves it alone. FALSE when no printer can be had.
    BOOL ApplyPaperSetting(WORD paperId);
    // The printer selection: the default printer, chosen on first use; null without a printer.
    QPrinter* GetPrinter() override;

    // The own open dialog: exactly the given flags (so the read-only check box shows), the
    // document filters then all files, and on its first use the folder of the latest recent file.
    BOOL PromptFileName(CString& fileName, UINT titleId, DWORD flags, BOOL openDialog, CDocTemplate* docTemplate,
                        BOOL* readOnly);
    // The folder of "Recent File List"/"File1"; FALSE when no file is listed.
    static BOOL GetRecentFileFolder(CString& folder);

    // --- Accessors --------------------------------------------------------------------------
    CMainFrame* GetMainFrame() const;
    CRegManList* GetRegManList() override { return m_pRegManList.get(); }
    CColorItemList* GetColorItemList() override { return &m_colorItemList; }
    CDataTypeList* GetDataTypeList() { return &m_dataTypeList; }
    CBoxStyleList* GetBoxStyleList() const;
    CDocTemplate* GetDocTemplate() const;
    CBaseView* GetActiveBaseView() const;
    UINT GetLastObjectCommand() const override { return m_nLastObjectCommand; }
    void SetLastObjectCommand(UINT command) override { m_nLastObjectCommand = command; }
    WORD GetLoadedDocVersion() const override { return m_wLoadedDocVersion; }
    void SetLoadedDocVersion(WORD version) override { m_wLoadedDocVersion = version; }
    const OSVERSIONINFO& GetOsVersionInfo() const override { return m_osVersion; }
    BOOL GetOpenReadOnlyRequest() const override { return m_bOpenReadOnlyRequest; }
    void ClearOpenReadOnlyRequest() override { m_bOpenReadOnlyRequest = FALSE; }
    int CreateTableDdlForSelectedFiles(CBaseDoc& doc, const CObList& objects, BOOL showMessages) override;
    static CString GetEditionText();
    // Pane 0 of the main frame's status bar, redrawn at once.
    void SetStatusText(const CString& text);
    void SetStatusText(LPCTSTR text);

protected:
    // The default printer; null when the system has none. Tests put a printer of their own here.
    virtual std::unique_ptr<QPrinter> CreateDefaultPrinter();
    // The process arguments into the record. Tests start the application with arguments of their own.
    virtual void ParseStartCommandLine(CCommandLineInfo& info);

    const MessageMap* GetMessageMap() const override;
    void OnAppAbout();
    void OnFileOpen();
    void OnCloseAll();
    // The data-type dialog; on OK the list is read again from the profile, which it wrote.
    void OnDataTypeSettings();
    // Command 32902: confirms, asks for the workbook, then builds its model in a new document.
    void OnImportExcelSheet();

private:
    static CZivraApp*& Instance();
    void RecordOsVersion();
    void AddZivraDocTemplate();
    BOOL CreateMainFrame();
    void ShowMainWindow();
    // A file to open goes to the instance already running; TRUE when that instance took it.
    BOOL HandOverToRunningInstance(const CCommandLineInfo& info);
    BOOL OnInstanceRequest(const CString& command);

    BOOL m_bOpenedThroughDialog = FALSE;
    WORD m_wLoadedDocVersion = 0;
    std::unique_ptr<CRegManList> m_pRegManList;
    CDataTypeList m_dataTypeList;
    std::unique_ptr<FileCompItemLists::DataItemsDialog> m_dataItemsDialog;
    UINT m_nLastObjectCommand = kInitialObjectCommand;
    BOOL m_bOpenReadOnlyRequest = FALSE;
    CColorItemList m_colorItemList;
    OSVERSIONINFO m_osVersion;

    CCommandLineInfo m_cmdInfo;
    std::unique_ptr<QPrinter> m_printer;
    bool m_bPrinterChosen = false;
    // The palette is written back at exit only once start-up has read it.
    bool m_bPaletteLoaded = false;
    std::unique_ptr<SingleInstance> m_singleInstance;
    // The exit code of a start that ends early on purpose; -1 for the framework's.
    int m_nEndCode = -1;
    // Set for a start that never shows the editor: nobody is there to answer a message box.
    std::optional<UnattendedRun> m_unattended;
};
