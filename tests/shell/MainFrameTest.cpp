// The main frame: tool and arrow-kind commands with their check rules, the information panes, the
// profile settings it reads, its placement, the bars and their context menu, the read-only notice.
#include "document/ZivraDoc.h"
#include "foundation/CommandIds.h"
#include "platform/profile/Profile.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/DocTemplate.h"
#include "platform/ui/Document.h"
#include "platform/ui/FontDialog.h"
#include "platform/ui/FrameworkIds.h"
#include "platform/ui/MDIChildWnd.h"
#include "platform/ui/Menu.h"
#include "platform/ui/UserMessages.h"
#include "platform/ui/View.h"
#include "platform/ui/WinApp.h"
#include "shell/MainFrame.h"
#include "tests/support/MessageScript.h"
#include "tests/support/TestAppServices.h"
#include "view/BaseView.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QTemporaryDir>
#include <QToolBar>

#include <gtest/gtest.h>

#include <set>

// A drawing view that allows the tools of its set.
class ToolTestView : public CBaseView
{
    DECLARE_DYNCREATE(ToolTestView)
public:
    BOOL IsToolAllowed(UINT toolId) const override { return allowed.count(toolId) != 0; }
    void EndInPlaceEditAndRefresh() override { ++editsEnded; }

    static inline std::set<UINT> allowed;
    static inline int editsEnded = 0;
};
IMPLEMENT_DYNCREATE(ToolTestView, CBaseView)

class MainFrameFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Profile::WriteProfileString("InitialViewState", nullptr, nullptr);
        Profile::WriteProfileString("Settings", nullptr, nullptr);
        Profile::WriteProfileString("FontForObject", nullptr, nullptr);
        ToolTestView::allowed = {ID_TOOL_POINTER, ID_TOOL_ZOOM, ID_TOOL_LINE, ID_TOOL_RELARROW};
        ToolTestView::editsEnded = 0;
    }
    void TearDown() override
    {
        if (m_frame) {
            m_app.CloseAllDocuments(FALSE);
            m_frame->DestroyWindow();
        }
    }
    void MakeFrame()
    {
        m_frame = new CMainFrame;
        ASSERT_TRUE(m_frame->LoadFrame(128));
        m_app.m_pMainWnd = m_frame;
    }
    void OpenDrawingView()
    {
        m_app.AddDocTemplate(new CMultiDocTemplate(129, RUNTIME_CLASS(CZivraDoc), RUNTIME_CLASS(CMDIChildWnd),
                                                   RUNTIME_CLASS(ToolTestView)));
        ASSERT_NE(m_app.GetDocTemplates().front()->OpenDocumentFile(nullptr), nullptr);
    }
    CCmdUI Update(UINT id)
    {
        CCmdUI state;
        state.m_nID = id;
        state.DoUpdate(m_frame, TRUE);
        return state;
    }
    void Command(UINT id) { m_frame->SendMessage(WM_COMMAND, id, 0); }

    TestAppServices m_services;
    CWinApp m_app{"Zivra"};
    CMainFrame* m_frame = nullptr;
};

TEST_F(MainFrameFixture, ToolsNeedADrawingViewThatAllowsThemAndOneToolIsCheckedAtATime)
{
    MakeFrame();
    EXPECT_FALSE(Update(ID_TOOL_LINE).IsEnabled()); // no view
    Command(ID_TOOL_LINE);
    EXPECT_EQ(m_frame->GetCurrentTool(), 32810u);

    OpenDrawingView();
    Command(ID_TOOL_LINE);
    EXPECT_EQ(m_frame->GetCurrentTool(), 32814u);
    EXPECT_EQ(ToolTestView::editsEnded, 1);
    Command(ID_TOOL_RECT); // not allowed by the view: nothing changes
    EXPECT_EQ(m_frame->GetCurrentTool(), 32814u);
    for (UINT id = ID_TOOL_FIRST; id <= ID_TOOL_LAST; ++id) {
        const CCmdUI state = Update(id);
        EXPECT_EQ(state.IsEnabled(), ToolTestView::allowed.count(id) != 0) << id;
        EXPECT_EQ(state.GetCheck(), id == ID_TOOL_LINE ? 1 : 0) << id;
    }
}

TEST_F(MainFrameFixture, ArrowKindsAndArrowTools)
{
    MakeFrame();
    OpenDrawingView();
    Command(ID_ARROW_KIND_SUBTYPE); // subtype kind: the pointer stays current
    EXPECT_EQ(m_frame->GetCurrentTool(), 32810u);
    EXPECT_EQ(m_frame->GetArrowKind(), 2);
    EXPECT_EQ(Update(ID_ARROW_KIND_SUBTYPE).GetCheck(), 1);
    EXPECT_EQ(Update(ID_ARROW_TOOL_SUBTYPE).GetCheck(), 0); // the arrow tool is not current

    Command(ID_ARROW_TOOL_SUPERTYPE); // supertype button: the relation-arrow tool with kind 4
    EXPECT_EQ(m_frame->GetCurrentTool(), 32829u);
    EXPECT_EQ(m_frame->GetArrowKind(), 4);
    EXPECT_EQ(Update(ID_ARROW_TOOL_SUPERTYPE).GetCheck(), 1);
    for (UINT id = ID_ARROW_KIND_ONE_TO_MANY; id <= ID_ARROW_KIND_SUBSTRUCTURE; ++id)
        EXPECT_EQ(Update(id).GetCheck(), 0) << "kind 4 has no arrow-kind item";

    ToolTestView::allowed.erase(ID_TOOL_RELARROW);
    EXPECT_FALSE(Update(ID_ARROW_TOOL_ONE_TO_MANY).IsEnabled());
    Command(ID_ARROW_TOOL_ONE_TO_MANY);
    EXPECT_EQ(m_frame->GetArrowKind(), 4);
}

TEST_F(MainFrameFixture, ZoomStepIsReadClampedFromTheProfile)
{
    const std::pair<int, int> cases[] = {{80, 50}, {50, 50}, {10, 10}, {25, 25}, {0, 10}, {-30, 10}};
    for (const auto& [stored, expected] : cases) {
        Profile::WriteProfileInt("InitialViewState", "ZoomScaleUpDown", stored);
        Profile::WriteProfileInt("InitialViewState", "ZoomFitToWnd", 1);
        TestAppServices services; // a fresh settings store
        auto* frame = new CMainFrame;
        ASSERT_TRUE(frame->LoadFrame(128));
        EXPECT_EQ(frame->GetZoomStep(), expected) << stored;
        EXPECT_TRUE(frame->GetZoomFitToWnd());
        EXPECT_EQ(frame->GetExcelExportOpt(), 0x80008u);
        frame->DestroyWindow();
    }
}

TEST_F(MainFrameFixture, InformationPanes)
{
    MakeFrame();
    CStatusBar& bar = m_frame->GetStatusBar();
    ASSERT_EQ(bar.GetCount(), 5);
    EXPECT_EQ(bar.GetItemID(1), 32893u);
    m_frame->UpdateControlBarsCmdUI();
    EXPECT_EQ(Utf8(bar.GetPaneText(1)), "ｶｰｿﾙ座標(mm)   ");
    EXPECT_EQ(Utf8(bar.GetPaneText(2)), "倍率 ");
    EXPECT_EQ(Utf8(bar.GetPaneText(3)), "書禁");
    EXPECT_EQ(bar.GetPaneText(4).Find(':'), bar.GetPaneText(4).GetLength() - 3);

    OpenDrawingView();
    m_frame->GetActiveBaseView()->SetZoom(75);
    m_frame->SetCursorPosition(CPoint(125, -300));
    m_frame->UpdateControlBarsCmdUI();
    EXPECT_EQ(Utf8(bar.GetPaneText(1)), "12.5 : 30.0");
    EXPECT_EQ(Utf8(bar.GetPaneText(2)), "75%");
    EXPECT_EQ(Utf8(bar.GetPaneText(3)), "書可");
    m_frame->SetCursorPosition(CPoint(0, 0));
    m_frame->UpdateControlBarsCmdUI();
    EXPECT_EQ(Utf8(bar.GetPaneText(1)), "0.0 : 0.0"); // never "-0.0"
    m_frame->SetCursorPosition(CPoint(-1, -1));
    m_frame->UpdateControlBarsCmdUI();
    EXPECT_EQ(Utf8(bar.GetPaneText(1)), "ｶｰｿﾙ座標(mm)   ");
}

TEST_F(MainFrameFixture, BarsHaveTheirButtonsCaptionsAndToggles)
{
    MakeFrame();
    EXPECT_EQ(m_frame->GetStandardToolBar().GetCount(), 22);
    EXPECT_EQ(m_frame->GetFigureToolBar().GetCount(), 37);
    EXPECT_EQ(m_frame->GetToolPalette().GetCount(), 27);
    CString caption;
    m_frame->GetToolPalette().GetWindowText(caption);
    EXPECT_EQ(Utf8(caption), "ﾂｰﾙ ﾊﾟﾚｯﾄ");
    m_frame->GetFigureToolBar().GetWindowText(caption);
    EXPECT_EQ(Utf8(caption), "図形");

    m_frame->ShowWindow(SW_SHOW);
    EXPECT_EQ(Update(ID_VIEW_TOOL_PALETTE).GetCheck(), 1);
    Command(ID_VIEW_TOOL_PALETTE);
    EXPECT_FALSE(m_frame->GetToolPalette().IsWindowVisible());
    EXPECT_EQ(Update(ID_VIEW_TOOL_PALETTE).GetCheck(), 0);

    // A right click on the figure toolbar opens the bar menu; its figure toolbar item hides it.
    std::vector<UINT> offered;
    CMenu::SetPopupHook([&](CMenu& menu) {
        for (int i = 0; i < menu.GetMenuItemCount(); ++i)
            offered.push_back(menu.GetMenuItemID(i));
        return 32791u;
    });
    MSG msg;
    msg.hwnd = m_frame->GetFigureToolBar().GetSafeHwnd();
    msg.message = WM_RBUTTONUP;
    m_frame->PreTranslateMessage(&msg);
    CMenu::SetPopupHook(nullptr);
    QApplication::processEvents();
    EXPECT_EQ(offered,
              (std::vector<UINT>{ID_VIEW_TOOLBAR, ID_VIEW_FIGURE_TOOLBAR, ID_VIEW_TOOL_PALETTE, ID_VIEW_STATUS_BAR}));
    EXPECT_FALSE(m_frame->GetFigureToolBar().IsWindowVisible());
}

TEST_F(MainFrameFixture, PlacementIsStoredAtCloseAndRestored)
{
    MakeFrame();
    m_frame->ShowWindow(SW_SHOWNORMAL);
    m_frame->MoveWindow(40, 50, 700, 500);
    m_frame->ShowWindow(SW_SHOWMAXIMIZED);
    m_frame->SendMessage(WM_CLOSE);
    m_frame = nullptr;
    const CString stored = Profile::GetProfileString("Settings", "MainFramePos");
    EXPECT_EQ(stored.Left(4), "2,3,") << Utf8(stored);

    MakeFrame();
    m_frame->RestoreWindowPlacement(SW_SHOWNORMAL);
    EXPECT_TRUE(m_frame->IsZoomed());
    WINDOWPLACEMENT placement;
    ASSERT_TRUE(m_frame->GetWindowPlacement(&placement));
    EXPECT_EQ(placement.rcNormalPosition.right - placement.rcNormalPosition.left, 700);
}

TEST_F(MainFrameFixture, ReadOnlyNoticeAndDdeLimit)
{
    MakeFrame();
    MessageScript script;
    const CString name("a.zvr");
    EXPECT_EQ(m_frame->SendMessage(UM_SHOW_READONLY_NOTICE, WPARAM(name.GetString()), 1), 1);
    m_frame->SendMessage(UM_SHOW_READONLY_NOTICE, 0, 0);
    m_frame->SendMessage(UM_SHOW_READONLY_NOTICE, WPARAM(name.GetString()), 2);
    ASSERT_EQ(script.Texts().size(), 3u);
    EXPECT_EQ(script.Texts()[0], "a.zvr は、編集のためﾛｯｸされています。\n読み取り専用で開きます。");
    EXPECT_EQ(script.Texts()[1], "読み取り専用属性が設定されています。\n読み取り専用で開きます。");
    EXPECT_EQ(script.Texts()[2], "a.zvr は、置かれているﾌｫﾙﾀﾞに書込みできません。\n読み取り専用で開きます。");
    EXPECT_EQ(script.Messages()[0].type, MB_OK);

    EXPECT_FALSE(m_frame->OnDdeExecute(CString('x', 520)));
    EXPECT_TRUE(m_frame->OnDdeExecute(CString('x', 519)));
}

TEST_F(MainFrameFixture, AHandedOverFileOpensAndIsShownEvenWithQuotesInItsName)
{
    MakeFrame();
    OpenDrawingView();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("say \"hi\".zvr"));
    ASSERT_TRUE(m_frame->GetActiveDocument()->OnSaveDocument(QFile::encodeName(path).constData()));
    m_app.CloseAllDocuments(FALSE);
    m_frame->ShowWindow(SW_HIDE); // a start that waited for the shell's request

    EXPECT_TRUE(m_frame->OnDdeExecute(FromQString(QStringLiteral("[open(\"%1\")]").arg(path))));
    QApplication::processEvents(); // the request runs from the event loop
    CDocument* doc = m_frame->GetActiveDocument();
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(ToQString(doc->GetPathName()), path);
    EXPECT_TRUE(m_frame->IsWindowVisible());
}

TEST_F(MainFrameFixture, DefaultDrawingFontReachesTheProfileAndLaterDocumentsOnly)
{
    MakeFrame();
    OpenDrawingView();
    auto* open = static_cast<CBaseDoc*>(m_frame->GetActiveDocument());
    ASSERT_NE(open, nullptr);
    const LOGFONT before = *open->GetDrawingFont();
    const auto choose = [&](bool confirm) {
        CDialog::SetModalHook([confirm](CDialog& d) {
            auto combo = [&d](int id) { return qobject_cast<QComboBox*>(d.GetDlgItem(id)->GetSafeHwnd()); };
            combo(CFontDialog::IDC_FACE)->setCurrentText(QString::fromUtf8("ＭＳ 明朝"));
            combo(CFontDialog::IDC_SIZE)->setCurrentText(QStringLiteral("12"));
            if (confirm)
                d.SendMessage(WM_COMMAND, IDOK);
        });
        Command(ID_DRAWING_FONT);
        CDialog::SetModalHook(nullptr);
    };
    choose(false);
    EXPECT_EQ(Utf8(Profile::GetProfileString("FontForObject", "FontFaceName", "none")), "none");
    choose(true);
    // The profile holds the new values at once; the open document keeps its font.
    EXPECT_EQ(Utf8(Profile::GetProfileString("FontForObject", "FontFaceName")), "ＭＳ 明朝");
    EXPECT_EQ(Profile::GetProfileInt("FontForObject", "FontHeight", 0), -16);
    EXPECT_STREQ(open->GetDrawingFont()->lfFaceName, before.lfFaceName);
    CZivraDoc later;
    EXPECT_STREQ(later.GetDrawingFont()->lfFaceName, CString(u8"ＭＳ 明朝"));
    EXPECT_EQ(later.GetDrawingFont()->lfHeight, -16);
}

TEST_F(MainFrameFixture, DocumentFontAndEditOptionsNeedAWritableDrawingView)
{
    MakeFrame();
    EXPECT_FALSE(Update(ID_DOCUMENT_FONT).IsEnabled());
    OpenDrawingView();
    auto* doc = static_cast<CBaseDoc*>(m_frame->GetActiveDocument());
    for (UINT id : {ID_DOCUMENT_FONT, ID_EDIT_OPTIONS}) {
        doc->SetReadOnly(FALSE);
        EXPECT_TRUE(Update(id).IsEnabled()) << id;
        doc->SetReadOnly(TRUE);
        EXPECT_FALSE(Update(id).IsEnabled()) << id;
    }
}

TEST_F(MainFrameFixture, FileTypeNamesReachTheFramesListOnOkOnly)
{
    Profile::WriteProfileString(BOXSTYLE_USER_NAME_SECTION, nullptr, nullptr);
    Profile::WriteProfileString(BOXSTYLE_USED_SECTION, nullptr, nullptr);
    MakeFrame();
    EXPECT_TRUE(Update(ID_FILE_KIND_SETTINGS).IsEnabled()); // also without a document
    const auto rename = [&](bool confirm) {
        CDialog::SetModalHook([confirm](CDialog& d) {
            auto* marks = qobject_cast<QComboBox*>(d.GetDlgItem(1127)->GetSafeHwnd());
            marks->setCurrentIndex(8);
            emit marks->activated(8);
            d.SetDlgItemText(1128, CString(u8"ﾏｽﾀ"));
            d.SendMessage(WM_COMMAND, confirm ? IDOK : IDCANCEL);
        });
        Command(ID_FILE_KIND_SETTINGS);
        CDialog::SetModalHook(nullptr);
    };
    CBoxStyleList* list = m_frame->GetBoxStyleList();
    rename(false);
    EXPECT_EQ(list->FindIdByUserName(CString(u8"ﾏｽﾀ")), 0);
    EXPECT_FALSE(Profile::HasProfileEntry(BOXSTYLE_USER_NAME_SECTION, "8"));
    rename(true);
    EXPECT_EQ(list->FindIdByUserName(CString(u8"ﾏｽﾀ")), 8);
    EXPECT_EQ(Utf8(Profile::GetProfileString(BOXSTYLE_USER_NAME_SECTION, "8")), "ﾏｽﾀ");
    EXPECT_EQ(list->GetCount(), 25);
}
