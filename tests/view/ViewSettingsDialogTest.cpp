// The current view's settings dialog: it shows the view's values, OK applies them to that view
// alone, cancel changes nothing, and a refused number keeps it open.
#include "tests/support/MessageScript.h"
#include "tests/view/ViewTestSupport.h"

#include "platform/ui/Controls.h"
#include "platform/ui/Dialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>

#include <functional>
#include <string>
#include <vector>

namespace ViewSettingsDialogTestImpl {

constexpr int kFitToWindow = 1108;
constexpr int kZoomStep = 1109;
constexpr int kDrawGrid = 1111;
constexpr int kGridWidth = 1114;
constexpr int kRightAngle = 1172;

QLineEdit* Edit(CDialog& dialog, int id)
{
    return qobject_cast<QLineEdit*>(dialog.GetDlgItem(id)->GetSafeHwnd());
}

BOOL IsChecked(CDialog& dialog, int id)
{
    return static_cast<CButton*>(dialog.GetDlgItem(id))->GetCheck() == BST_CHECKED;
}

void Click(CDialog& dialog, int id)
{
    qobject_cast<QAbstractButton*>(dialog.GetDlgItem(id)->GetSafeHwnd())->click();
}

// What the dialog shows: zoom step, grid width, fit to window, grid shown, right-angle shaping.
struct Shown
{
    QString zoomStep;
    QString gridWidth;
    BOOL fitToWindow;
    BOOL drawGrid;
    BOOL rightAngle;
    bool operator==(const Shown&) const = default;
};

Shown Read(CDialog& d)
{
    return {Edit(d, kZoomStep)->text(), Edit(d, kGridWidth)->text(), IsChecked(d, kFitToWindow),
            IsChecked(d, kDrawGrid), IsChecked(d, kRightAngle)};
}

} // namespace ViewSettingsDialogTestImpl

using ViewSettingsDialogTestImpl::Click;
using ViewSettingsDialogTestImpl::Edit;
using ViewSettingsDialogTestImpl::kDrawGrid;
using ViewSettingsDialogTestImpl::kFitToWindow;
using ViewSettingsDialogTestImpl::kGridWidth;
using ViewSettingsDialogTestImpl::kRightAngle;
using ViewSettingsDialogTestImpl::kZoomStep;
using ViewSettingsDialogTestImpl::Read;
using ViewSettingsDialogTestImpl::Shown;

class ViewSettingsDialog : public ViewTest
{
protected:
    void TearDown() override
    {
        if (m_second)
            m_second->DestroyWindow();
        ViewTest::TearDown();
    }

    static void Run(CBaseView& view, const std::function<void(CDialog&)>& user)
    {
        CDialog::SetModalHook([&](CDialog& dialog) {
            EXPECT_EQ(dialog.GetSafeHwnd()->windowTitle(), QString::fromUtf8(u8"表示"));
            user(dialog);
        });
        view.SendMessage(WM_COMMAND, ID_VIEW_DISPLAY_SETTINGS);
        CDialog::SetModalHook(nullptr);
    }

    // A second view of the same document in a frame of its own.
    CZivraView& OpenSecond()
    {
        CCreateContext context;
        context.m_pNewViewClass = RUNTIME_CLASS(CZivraView);
        context.m_pCurrentDoc = m_doc;
        m_second = new CFrameWnd;
        EXPECT_TRUE(m_second->LoadFrame(9101, WS_OVERLAPPEDWINDOW, nullptr, &context));
        auto* view = static_cast<CZivraView*>(m_second->GetActiveView());
        view->SetScreenMetrics(96, 96, 1920, 1080);
        m_second->GetSafeHwnd()->resize(900, 700);
        m_second->ShowWindow(SW_SHOW);
        QApplication::processEvents();
        view->OnInitialUpdate();
        return *view;
    }

    CFrameWnd* m_second = nullptr;
};

TEST_F(ViewSettingsDialog, OkAppliesToThisViewAloneAndCancelChangesNothing)
{
    CZivraView& view = Open();
    CZivraView& other = OpenSecond();
    const Shown initial{"25", "20", FALSE, TRUE, FALSE};
    Run(view, [&](CDialog& d) {
        EXPECT_EQ(Read(d), initial);
        Edit(d, kZoomStep)->setText("40");
        Edit(d, kGridWidth)->setText("50");
        Click(d, kDrawGrid);
        Click(d, kRightAngle);
        Click(d, kFitToWindow);
        d.SendMessage(WM_COMMAND, IDOK);
    });
    EXPECT_EQ(view.GetGridWidth(), 50);
    EXPECT_TRUE(view.IsFitToWindow());
    const Shown applied{"40", "50", TRUE, FALSE, TRUE};
    Run(view, [&](CDialog& d) {
        EXPECT_EQ(Read(d), applied);
        // Cancel drops what was typed and clicked.
        Edit(d, kGridWidth)->setText("70");
        Click(d, kFitToWindow);
        d.SendMessage(WM_COMMAND, IDCANCEL);
    });
    EXPECT_EQ(view.GetGridWidth(), 50);
    EXPECT_TRUE(view.IsFitToWindow());
    Run(view, [&](CDialog& d) {
        EXPECT_EQ(Read(d), applied);
        // Leaving fit-to-window mode goes back to the zoom the view had.
        Click(d, kFitToWindow);
        d.SendMessage(WM_COMMAND, IDOK);
    });
    EXPECT_FALSE(view.IsFitToWindow());
    EXPECT_EQ(view.GetZoom(), 100);
    // The other view of the document keeps its own settings.
    EXPECT_EQ(other.GetGridWidth(), 20);
    EXPECT_FALSE(other.IsFitToWindow());
    Run(other, [&](CDialog& d) {
        EXPECT_EQ(Read(d), initial);
        d.SendMessage(WM_COMMAND, IDCANCEL);
    });
}

TEST_F(ViewSettingsDialog, ARefusedNumberKeepsTheDialogOpen)
{
    CZivraView& view = Open();
    MessageScript script;
    Run(view, [&](CDialog& d) {
        struct Case
        {
            const char* zoomStep;
            const char* gridWidth;
        };
        for (const Case& c : {Case{"55", "30"}, Case{"9", "30"}, Case{"40", "101"}, Case{"40", "x"}}) {
            Edit(d, kZoomStep)->setText(c.zoomStep);
            Edit(d, kGridWidth)->setText(c.gridWidth);
            d.SendMessage(WM_COMMAND, IDOK);
        }
        EXPECT_EQ(script.Texts(),
                  (std::vector<std::string>{"10 から 50 までの整数を入力してください。",
                                            "10 から 50 までの整数を入力してください。",
                                            "10 から 100 までの整数を入力してください。", "整数を入力してください。"}));
        EXPECT_EQ(view.GetGridWidth(), 20);
        Edit(d, kZoomStep)->setText("10");
        Edit(d, kGridWidth)->setText("100");
        d.SendMessage(WM_COMMAND, IDOK);
    });
    EXPECT_EQ(view.GetGridWidth(), 100);
    Run(view, [](CDialog& d) {
        EXPECT_EQ(Edit(d, kZoomStep)->text(), QStringLiteral("10"));
        d.SendMessage(WM_COMMAND, IDCANCEL);
    });
}
