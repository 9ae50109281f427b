#include "shell/MainFrame.h"

#include "document/BaseDoc.h"
#include "foundation/AppServices.h"
#include "foundation/CommandIds.h"
#include "foundation/Placement.h"
#include "foundation/RegItemObj.h"
#include "foundation/RegManList.h"
#include "model/FileCompDlgRules.h"
#include "model/RkeyAutoSetting.h"
#include "physical/PhysicalCommands.h"
#include "platform/afx/MessageSink.h"
#include "platform/afx/StringTable.h"
#include "platform/profile/Profile.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/FontDialog.h"
#include "platform/ui/Menu.h"
#include "platform/ui/MDIChildWnd.h"
#include "platform/ui/UserMessages.h"
#include "platform/ui/View.h"
#include "platform/ui/WinApp.h"
#include "shell/ExcelImportCommands.h"
#include "shell/ColorItemDlg.h"
#include "shell/SplashWnd.h"
#include "view/BaseView.h"
#include "view/FindDlg.h"
#include "view/ReplaceDlg.h"

#include <QDateTime>
#include <QMainWindow>
#include <QRegularExpression>
#include <QTimer>
#include <QToolBar>

#include <ctime>

IMPLEMENT_DYNCREATE(CMainFrame, CMDIFrameWnd)

namespace MainFrameImpl {

constexpr UINT kCursorPane = ID_INDICATOR_CURSOR;
constexpr UINT kZoomPane = ID_INDICATOR_ZOOM;
constexpr UINT kClockPane = ID_INDICATOR_CLOCK;
constexpr UINT kWriteStatePane = ID_INDICATOR_WRITE_STATE;
constexpr UINT kBarMenu = 140;
constexpr int kDdeCommandLimit = 520;

// Standard toolbar clips by button position: new, open, save, print, cut, copy, paste.
constexpr UINT kStandardClips[] = {172, 171, 173, 0, 176, 0, 0, 177, 178, 179};
constexpr UINT kIndicators[] = {ID_SEPARATOR, kCursorPane, kZoomPane, kWriteStatePane, kClockPane};

// A whole-number setting through the settings store (per user); the profile itself when there is
// no store.
int ReadSetting(const char* section, const char* entry, int defaultValue)
{
    AppServices* app = GetAppServices();
    if (CRegManList* store = app ? app->GetRegManList() : nullptr)
        return store->GetRegInt(section, entry, defaultValue, REGITEM_INT | REGITEM_PER_USER);
    return Profile::GetProfileInt(section, entry, defaultValue);
}

void WriteSetting(const char* section, const char* entry, int value)
{
    AppServices* app = GetAppServices();
    if (CRegManList* store = app ? app->GetRegManList() : nullptr)
        store->SetRegInt(section, entry, value, REGITEM_INT | REGITEM_PER_USER);
    else
        Profile::WriteProfileInt(section, entry, value);
}

} // namespace MainFrameImpl

CMainFrame* GetMainFrame()
{
    return DYNAMIC_DOWNCAST(CMainFrame, AfxGetMainWnd());
}

CMainFrame::CMainFrame() = default;

CMainFrame::~CMainFrame()
{
    if (GetObjectServices() == this)
        SetObjectServices(nullptr);
    if (FileCompDlgRules::GetFileTypeMarks() == &m_boxStyleList)
        FileCompDlgRules::SetFileTypeMarks(nullptr);
    if (GetFrameServices() == this)
        SetFrameServices(nullptr);
    if (GetFindTextServices() == this)
        SetFindTextServices(nullptr);
    if (GetCopyBufferServices() == this)
        SetCopyBufferServices(nullptr);
}

const MessageMap* CMainFrame::GetMessageMap() const
{
    static const MessageMap map{
        CMDIFrameWnd::GetMessageMap(),
        {
            MapCommandRange(kFirstTool, kLastTool, &CMainFrame::OnToolCommand),
            MapUpdateRange(kFirstTool, kLastTool, &CMainFrame::OnUpdateToolCommand),
            MapCommand(ID_DEFAULT_TABLESPACES, &CMainFrame::OnDefaultTablespaces),
            MapUpdate(ID_DEFAULT_TABLESPACES, &CMainFrame::OnUpdateDefaultTablespaces),
            MapCommand(ID_FILE_KIND_SETTINGS, &CMainFrame::OnFileKindSettings),
            MapCommandRange(ID_ARROW_KIND_ONE_TO_MANY, ID_ARROW_KIND_SUBSTRUCTURE, &CMainFrame::OnArrowKind),
            MapUpdateRange(ID_ARROW_KIND_ONE_TO_MANY, ID_ARROW_KIND_SUBSTRUCTURE, &CMainFrame::OnUpdateArrowKind),
            MapCommandRange(ID_ARROW_TOOL_ONE_TO_MANY, ID_ARROW_TOOL_SUPERTYPE, &CMainFrame::OnArrowTool),
            MapUpdateRange(ID_ARROW_TOOL_ONE_TO_MANY, ID_ARROW_TOOL_SUPERTYPE, &CMainFrame::OnUpdateArrowTool),
            // The menu "開発支援(&I)" works on the active document.
            PhysicalCommands::CommandEntry(ID_CREATE_TABLE_DDL),
            PhysicalCommands::UpdateEntry(ID_CREATE_TABLE_DDL),
            PhysicalCommands::CommandEntry(ID_CREATE_TABLE_NAMES),
            PhysicalCommands::UpdateEntry(ID_CREATE_TABLE_NAMES),
            PhysicalCommands::CommandEntry(ID_CREATE_PRIMARY_INDEX_NAMES),
            PhysicalCommands::UpdateEntry(ID_CREATE_PRIMARY_INDEX_NAMES),
            PhysicalCommands::CommandEntry(ID_CREATE_COLUMN_NAMES),
            PhysicalCommands::UpdateEntry(ID_CREATE_COLUMN_NAMES),
            RkeyAutoSetting::CommandEntry(),
            RkeyAutoSetting::UpdateEntry(),
            MapCommand(ID_VIEW_TOOL_PALETTE, &CMainFrame::OnToolPalette),
            MapUpdate(ID_VIEW_TOOL_PALETTE, &CMainFrame::OnUpdateToolPalette),
            MapCommand(ID_VIEW_FIGURE_TOOLBAR, &CMainFrame::OnFigureToolBar),
            MapUpdate(ID_VIEW_FIGURE_TOOLBAR, &CMainFrame::OnUpdateFigureToolBar),
            MapCommand(ID_COLOR_MENU_SETTINGS, &CMainFrame::OnColorMenuSettings),
            MapCommand(ID_DRAWING_FONT, &CMainFrame::OnDrawingFont),
            MapCommand(ID_OPTIONS, &CMainFrame::OnOptions),
            MapCommand(ID_EXPORT_EXCEL, &CMainFrame::OnExportExcel),
            ExcelImportCommands::CommandEntry(ID_IMPORT_EXCEL_CONCEPT_UPDATE),
            ExcelImportCommands::UpdateEntry(ID_IMPORT_EXCEL_CONCEPT_UPDATE),
            ExcelImportCommands::CommandEntry(ID_IMPORT_EXCEL_PHYSICAL_UPDATE),
            ExcelImportCommands::UpdateEntry(ID_IMPORT_EXCEL_PHYSICAL_UPDATE),
            MapUpdateRange(ID_INDICATOR_FIRST, ID_INDICATOR_WRITE_STATE, &CMainFrame::OnUpdatePane),
            MapMessage(UM_SHOW_READONLY_NOTICE, &CMainFrame::OnShowReadOnlyNotice),
            MapMessage(UM_FIND_DIALOG_CLOSED, &CMainFrame::OnFindDialogClosed),
            MapMessage(UM_REPLACE_DIALOG_CLOSED, &CMainFrame::OnReplaceDialogClosed),
            MapMessage(UM_FIND_NEXT, &CMainFrame::TakeFindText),
            MapMessage(UM_REPLACE, &CMainFrame::TakeReplaceTexts),
            MapUpdate(ID_EDIT_FIND, &CMainFrame::OnUpdateEditFind),
            MapUpdate(ID_EDIT_REPLACE, &CMainFrame::OnUpdateEditReplace),
            MapUpdate(ID_EDIT_FIND_NEXT, &CMainFrame::OnUpdateFindNext),
        }};
    return &map;
}

int CMainFrame::OnCreate(CCreateContext* context)
{
    using namespace MainFrameImpl;
    if (CMDIFrameWnd::OnCreate(context) == -1)
        return -1;

    constexpr DWORD barStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP;
    if (!m_wndToolBar.CreateBar(this, kStandardClips, int(std::size(kStandardClips)), barStyle, AFX_IDW_TOOLBAR) ||
        !m_wndToolBar.LoadToolBar(128))
        return -1;
    // The figure toolbar and the tool palette never animate.
    const std::vector<UINT> noClips(64, 0);
    constexpr DWORD paletteStyle =
        barStyle | CBRS_GRIPPER | CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_HIDE_INPLACE | CBRS_SIZE_DYNAMIC;
    if (!m_wndFigureBar.CreateBar(this, noClips.data(), int(noClips.size()), paletteStyle, kFigureToolBarId) ||
        !m_wndFigureBar.LoadBitmap(kFigureToolBarId) || !m_wndFigureBar.LoadToolBar(kFigureToolBarId))
        return -1;
    if (!m_wndToolPalette.CreateBar(this, noClips.data(), int(noClips.size()), paletteStyle, kToolPaletteId) ||
        !m_wndToolPalette.LoadBitmap(kToolPaletteId) || !m_wndToolPalette.LoadToolBar(kToolPaletteId))
        return -1;
    if (!m_wndStatusBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, AFX_IDW_STATUS_BAR) ||
        !m_wndStatusBar.SetIndicators(kIndicators, int(std::size(kIndicators))))
        return -1;
    m_wndStatusBar.SetPaneInfo(0, ID_SEPARATOR, SBPS_NOBORDERS | SBPS_STRETCH, 0);
    m_wndStatusBar.SetPaneText(0, LoadStringResource(AFX_IDS_IDLEMESSAGE));

    const struct
    {
        CAnimToolBar& bar;
        const char8_t* caption;
    } bars[] = {{m_wndToolBar, u8"ｽﾀﾝﾀﾞｰﾄﾞ"}, {m_wndFigureBar, u8"図形"}, {m_wndToolPalette, u8"ﾂｰﾙ ﾊﾟﾚｯﾄ"}};
    for (const auto& b : bars) {
        b.bar.SetBarStyle(b.bar.GetBarStyle() | CBRS_GRIPPER | CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC);
        b.bar.SetWindowText(CString(b.caption));
        b.bar.EnableDocking(CBRS_ALIGN_ANY);
    }
    EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(&m_wndToolBar);
    DockControlBarLeftOf(&m_wndToolPalette, &m_wndToolBar);
    DockControlBar(&m_wndFigureBar);

    CSplashWnd::ShowSplashScreen(this);
    ReadFrameProfile();
    if (!InitPrototypes() || !LoadBoxStyles())
        return -1;
    SetFrameServices(this);
    SetFindTextServices(this);
    SetCopyBufferServices(this);
    DragAcceptFiles(TRUE);
    return 0;
}

CCopyList* CMainFrame::LoadCopyBuffer(const COleDataObject& data, CBaseDoc* target)
{
    if (m_copyBuffer.LoadFromDataObject(data, target) < 0)
        m_copyBuffer.DeleteAllHolds();
    return &m_copyBuffer;
}

void CMainFrame::OnDropFiles(const std::vector<CString>& paths)
{
    CWinApp* app = AfxGetApp();
    for (const CString& path : paths) {
        if (app && path.GetLength() > 4 && path.Right(4).CompareNoCase(".zvr") == 0)
            app->OpenDocumentFile(path);
    }
}

BOOL CMainFrame::InitPrototypes()
{
    SetObjectServices(this);
    FileCompDlgRules::SetFileTypeMarks(&m_boxStyleList);
    if (!m_drawObjManager.InitDrawObjs())
        return FALSE;
    m_drawObjManager.LoadDrawObjDefaults();
    return TRUE;
}

BOOL CMainFrame::LoadBoxStyles()
{
    return m_boxStyleList.LoadFromProfile() > 0;
}

void CMainFrame::DockControlBarLeftOf(CControlBar* bar, CControlBar* leftOf)
{
    RecalcLayout(TRUE);
    CRect rect;
    leftOf->GetWindowRect(&rect);
    rect.OffsetRect(1, 0);
    QMainWindow* window = GetMainWindowWidget();
    auto* other = qobject_cast<QToolBar*>(leftOf->GetSafeHwnd());
    UINT dockBar = AFX_IDW_DOCKBAR_TOP;
    if (window && other) {
        switch (window->toolBarArea(other)) {
        case Qt::BottomToolBarArea: dockBar = AFX_IDW_DOCKBAR_BOTTOM; break;
        case Qt::LeftToolBarArea: dockBar = AFX_IDW_DOCKBAR_LEFT; break;
        case Qt::RightToolBarArea: dockBar = AFX_IDW_DOCKBAR_RIGHT; break;
        default: break;
        }
    }
    DockControlBar(bar, dockBar, &rect);
}

void CMainFrame::ReadFrameProfile()
{
    using MainFrameImpl::ReadSetting;
    // A step outside 10..50 would make zooming jump or stand still.
    m_nZoomStep = std::clamp(ReadSetting("InitialViewState", "ZoomScaleUpDown", 25), 10, 50);
    m_bZoomFitToWnd = ReadSetting("InitialViewState", "ZoomFitToWnd", 0);
    m_dwExcelExportOpt = DWORD(ReadSetting("ExcelExport", "ExportOpt", 0x80008));
}

void CMainFrame::SetExcelExportOpt(DWORD options)
{
    m_dwExcelExportOpt = options;
    MainFrameImpl::WriteSetting("ExcelExport", "ExportOpt", int(options));
}

CObject* CMainFrame::FindDefaultPrototype(const CObject* object)
{
    return m_drawObjManager.FindDrawObjForObject(object);
}

CObject* CMainFrame::FindPrototypeByKind(WORD kind, DWORD subKey)
{
    return m_drawObjManager.FindDrawObjByKind(kind, subKey);
}

BOOL CMainFrame::SetDefaultAttributesFrom(const CObject* object)
{
    return m_drawObjManager.SetDefaultAttributesFrom(object);
}

CBaseView* CMainFrame::GetActiveBaseView() const
{
    CMDIChildWnd* child = MDIGetActive();
    return child ? DYNAMIC_DOWNCAST(CBaseView, child->GetActiveView()) : nullptr;
}

BOOL CMainFrame::IsActiveDocReadOnly() const
{
    CMDIChildWnd* child = MDIGetActive();
    auto* doc = child ? DYNAMIC_DOWNCAST(CBaseDoc, child->GetActiveDocument()) : nullptr;
    return doc && doc->IsReadOnly();
}

BOOL CMainFrame::IsToolAllowed(UINT toolId) const
{
    CBaseView* view = GetActiveBaseView();
    return view && view->IsToolAllowed(toolId);
}

void CMainFrame::EndActiveTextEdit()
{
    if (CBaseView* view = GetActiveBaseView())
        view->EndInPlaceEditAndRefresh();
}

void CMainFrame::OnToolCommand(UINT id)
{
    if (!IsToolAllowed(id))
        return;
    m_nCurrentTool = id;
    EndActiveTextEdit();
}

void CMainFrame::OnUpdateToolCommand(CCmdUI* cmdUI)
{
    cmdUI->Enable(IsToolAllowed(cmdUI->m_nID));
    cmdUI->SetCheck(cmdUI->m_nID == m_nCurrentTool);
}

void CMainFrame::OnArrowKind(UINT id)
{
    m_wArrowKind = WORD(id - ID_ARROW_KIND_ONE_TO_MANY + 1);
    EndActiveTextEdit();
}

void CMainFrame::OnUpdateArrowKind(CCmdUI* cmdUI)
{
    cmdUI->Enable(HasActiveBaseView());
    cmdUI->SetCheck(cmdUI->m_nID - ID_ARROW_KIND_ONE_TO_MANY + 1 == m_wArrowKind);
}

void CMainFrame::OnArrowTool(UINT id)
{
    if (!IsToolAllowed(kRelationArrowTool))
        return;
    m_nCurrentTool = kRelationArrowTool;
    m_wArrowKind = WORD(id - ID_ARROW_TOOL_ONE_TO_MANY + 1);
    EndActiveTextEdit();
}

void CMainFrame::OnUpdateArrowTool(CCmdUI* cmdUI)
{
    cmdUI->Enable(IsToolAllowed(kRelationArrowTool));
    cmdUI->SetCheck(m_nCurrentTool == kRelationArrowTool &&
                    cmdUI->m_nID - ID_ARROW_TOOL_ONE_TO_MANY + 1 == m_wArrowKind);
}

void CMainFrame::ToggleBar(CControlBar& bar)
{
    ShowControlBar(&bar, !bar.IsWindowVisible(), FALSE);
}

void CMainFrame::OnToolPalette()
{
    ToggleBar(m_wndToolPalette);
}

void CMainFrame::OnUpdateToolPalette(CCmdUI* cmdUI)
{
    cmdUI->SetCheck(m_wndToolPalette.IsWindowVisible());
}

void CMainFrame::OnColorMenuSettings()
{
    AppServices* app = GetAppServices();
    if (!app)
        return;
    CColorItemDlg dialog(app->GetColorItemList(), this);
    dialog.DoModal();
}

void CMainFrame::OnDrawingFont()
{
    AppServices* app = GetAppServices();
    CRegManList* store = app ? app->GetRegManList() : nullptr;
    // The font is read from the profile itself, not from values cached before.
    if (store)
        store->DeleteAllItems();
    LOGFONT font{};
    CBaseDoc::ReadObjectFontProfile(font);
    CFontDialog dialog(&font, CF_SCREENFONTS, this);
    if (dialog.DoModal() != IDOK)
        return;
    CBaseDoc::WriteObjectFontProfile(dialog.m_lf);
    if (store)
        store->DeleteAllItems();
}

void CMainFrame::OnFigureToolBar()
{
    ToggleBar(m_wndFigureBar);
}

void CMainFrame::OnUpdateFigureToolBar(CCmdUI* cmdUI)
{
    cmdUI->SetCheck(m_wndFigureBar.IsWindowVisible());
}

void CMainFrame::GetHeaderFonts(HeaderFontSet& fonts)
{
    if (!m_bHeaderFontsLoaded)
        LoadHeaderFonts();
    fonts = m_headerFonts;
}

void CMainFrame::LoadHeaderFonts()
{
    m_headerFonts = LoadHeaderFontSet();
    m_bHeaderFontsLoaded = TRUE;
}

void CMainFrame::SetStatusText(LPCTSTR text)
{
    m_wndStatusBar.SetPaneText(0, text, TRUE);
}

CString CMainFrame::CursorPaneText() const
{
    if (!MDIGetActive() || m_ptCursor == CPoint(-1, -1))
        return LoadStringResource(MainFrameImpl::kCursorPane);
    CString text;
    // Downward positive; the row at y = 0 reads 0.0, not -0.0.
    text.Format("%.1f : %.1f", m_ptCursor.x / 10.0, 0.0 - m_ptCursor.y / 10.0);
    return text;
}

CString CMainFrame::ZoomPaneText() const
{
    CBaseView* view = GetActiveBaseView();
    if (!view)
        return LoadStringResource(MainFrameImpl::kZoomPane);
    CString text;
    text.Format("%d%%", view->GetZoom());
    return text;
}

CString CMainFrame::WriteStatePaneText() const
{
    if (!MDIGetActive() || IsActiveDocReadOnly())
        return LoadStringResource(MainFrameImpl::kWriteStatePane);
    return CString(u8"書可");
}

void CMainFrame::OnUpdatePane(CCmdUI* cmdUI)
{
    CString text;
    switch (cmdUI->m_nID) {
    case MainFrameImpl::kCursorPane: text = CursorPaneText(); break;
    case MainFrameImpl::kZoomPane: text = ZoomPaneText(); break;
    case MainFrameImpl::kWriteStatePane: text = WriteStatePaneText(); break;
    case MainFrameImpl::kClockPane: {
        const std::time_t now = std::time(nullptr);
        std::tm local{};
        const bool ok = localtime_r(&now, &local) != nullptr;
        text.Format("%d:%02d", ok ? local.tm_hour : -1, ok ? local.tm_min : -1);
        break;
    }
    default: cmdUI->ContinueRouting(); return;
    }
    cmdUI->SetText(text);
}

LRESULT CMainFrame::OnShowReadOnlyNotice(WPARAM wParam, LPARAM lParam)
{
    // The notice only tells a person at the screen that edits cannot be saved; a run nobody
    // watches (a print job) edits nothing.
    if (IsUnattendedRun())
        return 0;
    const CString fileName = reinterpret_cast<LPCTSTR>(wParam);
    CString text;
    if (!fileName.IsEmpty())
        text = fileName + CString(u8" は、");
    if (lParam == 2)
        text += CString(u8"置かれているﾌｫﾙﾀﾞに書込みできません。");
    else
        text +=
            lParam != 0 ? CString(u8"編集のためﾛｯｸされています。") : CString(u8"読み取り専用属性が設定されています。");
    text += CString(u8"\n読み取り専用で開きます。");
    AfxMessageBox(text, MB_OK);
    return 1;
}

void CMainFrame::OnClose()
{
    const Profile::WriteBatch batch;
    WINDOWPLACEMENT placement;
    placement.length = sizeof(WINDOWPLACEMENT);
    if (GetWindowPlacement(&placement)) {
        placement.flags = IsZoomed() ? WPF_RESTORETOMAXIMIZED : 0;
        WritePlacementToProfile("Settings", "MainFramePos", placement);
    }
    CMDIFrameWnd::OnClose();
}

void CMainFrame::RestoreWindowPlacement(UINT showCmd)
{
    WINDOWPLACEMENT placement;
    if (!ReadPlacementFromProfile("Settings", "MainFramePos", placement)) {
        ShowWindow(int(showCmd));
        return;
    }
    if (showCmd != SW_SHOWNORMAL)
        placement.showCmd = showCmd;
    SetWindowPlacement(&placement);
}

BOOL CMainFrame::OnDdeExecute(const CString& command)
{
    if (command.GetLength() >= MainFrameImpl::kDdeCommandLimit)
        return FALSE;
    if (IsWindowEnabled())
        QTimer::singleShot(0, &m_ddeQueue, [this, command] { ExecuteDdeCommand(command); });
    return TRUE;
}

void CMainFrame::ExecuteDdeCommand(const CString& command)
{
    // [open("file")] and [print("file")], as the shell sends them. The name runs to the last quote:
    // file names here may hold quotes themselves.
    static const QRegularExpression pattern(QStringLiteral(R"re(^\s*\[\s*(open|print)\s*\(\s*"(.*)"\s*\)\s*\]\s*$)re"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(ToQString(command));
    CWinApp* app = AfxGetApp();
    if (!match.hasMatch() || !app)
        return;
    CDocument* doc = app->OpenDocumentFile(FromQString(match.captured(2)));
    if (!doc)
        return;
    if (match.captured(1).compare(QStringLiteral("print"), Qt::CaseInsensitive) == 0)
        SendMessage(WM_COMMAND, ID_FILE_PRINT_DIRECT, 0);
    else
        ShowOpenedFile();
}

// A file handed over by another start is there to be seen: a window still hidden (a start that
// waited for the shell) is shown as it was placed, a minimised one restored, and it comes to the front.
void CMainFrame::ShowOpenedFile()
{
    if (!IsWindowVisible())
        RestoreWindowPlacement(SW_SHOWNORMAL);
    ActivateFrame(IsIconic() ? SW_RESTORE : SW_SHOW);
}

BOOL CMainFrame::PreTranslateMessage(MSG* msg)
{
    if (msg->message == WM_RBUTTONUP) {
        CWnd* target = CWnd::FromHandle(msg->hwnd);
        const bool onBar = DYNAMIC_DOWNCAST(CControlBar, target) != nullptr;
        // The frame's own widget around the bars is the dock area.
        const bool onDockArea = target == this && msg->hwnd == GetSafeHwnd();
        if (onBar || onDockArea) {
            CMenu menu;
            if (menu.LoadMenu(MainFrameImpl::kBarMenu))
                if (CMenu* popup = menu.GetSubMenu(0))
                    popup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, msg->pt.x, msg->pt.y, this);
        }
    }
    return CMDIFrameWnd::PreTranslateMessage(msg);
}
