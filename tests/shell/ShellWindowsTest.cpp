// The animated toolbar's clip rules, the splash window, the about box and the progress dialog.
#include "platform/ui/UserMessages.h"
#include "platform/ui/WinApp.h"
#include "shell/AboutBox.h"
#include "shell/MainFrame.h"
#include "shell/OnProcessDlg.h"
#include "shell/SplashWnd.h"
#include "tests/support/MessageScript.h"
#include "tests/support/TestAppServices.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>

#include <gtest/gtest.h>

namespace {

struct FrameScope
{
    FrameScope()
    {
        frame = new CMainFrame;
        EXPECT_TRUE(frame->LoadFrame(128));
        frame->ShowWindow(SW_SHOW);
    }
    ~FrameScope() { frame->DestroyWindow(); }
    TestAppServices services;
    CMainFrame* frame;
};

void Tick(CWnd& wnd, UINT_PTR id, int count)
{
    for (int i = 0; i < count; ++i)
        wnd.SendMessage(WM_TIMER, id, 0);
}

} // namespace

TEST(AnimToolBar, ClipPlaysFiftyTicksAndStopsOnTheNextPress)
{
    FrameScope scope;
    CAnimToolBar& bar = scope.frame->GetStandardToolBar();
    const int open = bar.CommandToIndex(ID_FILE_OPEN);
    ASSERT_EQ(open, 1);

    bar.StartAnimation(open);
    EXPECT_EQ(bar.GetAnimatedButton(), open);
    Tick(bar, CAnimToolBar::kClipTimer, CAnimToolBar::kClipTicks - 1);
    EXPECT_EQ(bar.GetAnimatedButton(), open);
    Tick(bar, CAnimToolBar::kClipTimer, 1);
    EXPECT_EQ(bar.GetAnimatedButton(), CAnimToolBar::kNoButton);

    bar.StartAnimation(open);
    CRect other;
    bar.GetItemRect(bar.CommandToIndex(ID_FILE_SAVE), &other);
    bar.SendMessage(WM_TIMER, CAnimToolBar::kClipTimer, 0);
    // A press anywhere on the bar stops the clip at once.
    QWidget* saveButton = bar.GetSafeHwnd()->childAt(other.CenterPoint().x, other.CenterPoint().y);
    ASSERT_NE(saveButton, nullptr);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, 2), saveButton->mapToGlobal(QPointF(2, 2)), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(saveButton, &press);
    EXPECT_EQ(bar.GetAnimatedButton(), CAnimToolBar::kNoButton);

    bar.StartAnimation(bar.CommandToIndex(ID_EDIT_UNDO)); // no clip
    EXPECT_EQ(bar.GetAnimatedButton(), CAnimToolBar::kNoButton);
    scope.frame->GetFigureToolBar().StartAnimation(0); // an all-zero table
    EXPECT_EQ(scope.frame->GetFigureToolBar().GetAnimatedButton(), CAnimToolBar::kNoButton);
}

TEST(SplashWnd, ShowsOnlyWhenEnabledAndGoesAfterItsTicks)
{
    FrameScope scope;
    CSplashWnd::EnableSplashScreen(FALSE);
    CSplashWnd::ShowSplashScreen(scope.frame);
    EXPECT_EQ(CSplashWnd::GetShown(), nullptr);

    CSplashWnd::EnableSplashScreen(TRUE);
    CSplashWnd::SetSplashTicks(8);
    CSplashWnd::ShowSplashScreen(scope.frame);
    CSplashWnd* splash = CSplashWnd::GetShown();
    ASSERT_NE(splash, nullptr);
    Tick(*splash, CSplashWnd::kSplashTimer, 7);
    EXPECT_EQ(CSplashWnd::GetShown(), splash);
    Tick(*splash, CSplashWnd::kSplashTimer, 1);
    EXPECT_EQ(CSplashWnd::GetShown(), nullptr);
    CSplashWnd::EnableSplashScreen(FALSE);
}

TEST(AboutBox, CaptionAndVersionLine)
{
    CAboutBox box;
    CString caption, version, rights;
    CDialog::SetModalHook([&](CDialog& d) {
        d.GetWindowText(caption);
        d.GetDlgItemText(CAboutBox::IDC_VERSION, version);
        d.GetDlgItemText(CAboutBox::IDC_RIGHTS, rights);
        d.SendMessage(WM_COMMAND, IDOK);
    });
    EXPECT_EQ(box.DoModal(), IDOK);
    CDialog::SetModalHook(nullptr);
    EXPECT_EQ(Utf8(caption), "Zivra のバージョン情報");
    EXPECT_EQ(Utf8(version).substr(Utf8(version).size() - std::string(" (製品版)").size()), " (製品版)");
    EXPECT_FALSE(rights.IsEmpty());
}

TEST(OnProcessDlg, MessagesSetTheLinesAndNullTextsAreIgnored)
{
    COnProcessDlg dialog;
    ASSERT_TRUE(dialog.Create(nullptr));
    CString count, phase;
    dialog.GetDlgItemText(COnProcessDlg::IDC_COUNT, count);
    EXPECT_TRUE(count.IsEmpty());

    const CString counted(u8"Excelｴｸｽﾎﾟｰﾄ処理件数 : 3");
    EXPECT_EQ(dialog.SendMessage(UM_PROCESS_SET_COUNT_TEXT, 0, LPARAM(counted.GetString())), 1);
    EXPECT_EQ(dialog.SendMessage(UM_PROCESS_SET_COUNT_TEXT, 0, 0), 0);
    EXPECT_EQ(dialog.SendMessage(UM_PROCESS_SET_PHASE_TEXT, 0, 0), 0);
    dialog.GetDlgItemText(COnProcessDlg::IDC_COUNT, count);
    dialog.GetDlgItemText(COnProcessDlg::IDC_PHASE, phase);
    EXPECT_EQ(count, counted);
    EXPECT_EQ(Utf8(phase), "マウスが動いていると処理が速くなります。");
}
