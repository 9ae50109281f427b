// The options sheet: it shows the profile's view settings and the main frame's zoom options, checks
// the display page's numbers, and writes every value back on OK, also those of a page never shown.
#include "foundation/CommandIds.h"
#include "platform/profile/Profile.h"
#include "platform/ui/Controls.h"
#include "platform/ui/PropertySheet.h"
#include "shell/MainFrame.h"
#include "tests/support/MessageScript.h"
#include "tests/support/TestAppServices.h"

#include <QAbstractButton>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace OptionsSheetTestImpl {

constexpr const char* kSection = "InitialViewState";

int Stored(const char* entry)
{
    return Profile::GetProfileInt(kSection, entry, -99);
}

BOOL IsChecked(CDialog& dialog, int id)
{
    return static_cast<CButton*>(dialog.GetDlgItem(id))->GetCheck() == BST_CHECKED;
}

void Type(CDialog& dialog, int id, const char* text)
{
    qobject_cast<QLineEdit*>(dialog.GetDlgItem(id)->GetSafeHwnd())->setText(QString::fromUtf8(text));
}

} // namespace OptionsSheetTestImpl

using OptionsSheetTestImpl::IsChecked;
using OptionsSheetTestImpl::kSection;
using OptionsSheetTestImpl::Stored;
using OptionsSheetTestImpl::Type;

class OptionsSheet : public ::testing::Test
{
protected:
    void SetUp() override { Profile::WriteProfileString(kSection, nullptr, nullptr); }
    void TearDown() override { Profile::WriteProfileString(kSection, nullptr, nullptr); }
    void Run(const std::function<void(CPropertySheet&)>& user)
    {
        CDialog::SetModalHook([&](CDialog& dialog) { user(dynamic_cast<CPropertySheet&>(dialog)); });
        m_frame.SendMessage(WM_COMMAND, ID_OPTIONS);
        CDialog::SetModalHook(nullptr);
    }

    TestAppServices m_services;
    CMainFrame m_frame;
};

TEST_F(OptionsSheet, OkWritesEveryValueBackAlsoOfThePageNeverShown)
{
    Profile::WriteProfileInt(kSection, "DrawPrintPageFrame", 1);
    Profile::WriteProfileInt(kSection, "DrawFrameOnPrint", 1);
    Profile::WriteProfileInt(kSection, "GridWidth", 30);
    Profile::WriteProfileInt(kSection, "DrawGrid", 0);
    Profile::WriteProfileInt(kSection, "DrawFooterPage", 0);
    Run([](CPropertySheet& sheet) {
        EXPECT_EQ(sheet.GetCaption(), CString(u8"ｵﾌﾟｼｮﾝの変更"));
        // A frame of each page wins over the layout frames.
        EXPECT_TRUE(IsChecked(sheet, 1001));
        EXPECT_FALSE(IsChecked(sheet, 1002));
        EXPECT_FALSE(IsChecked(sheet, 1006));
        qobject_cast<QAbstractButton*>(sheet.GetDlgItem(1000)->GetSafeHwnd())->click();
        sheet.SendMessage(WM_COMMAND, IDOK);
    });
    EXPECT_EQ(Stored("DrawHeader"), 1);
    EXPECT_EQ(Stored("DrawPrintPageFrame"), 1);
    EXPECT_EQ(Stored("DrawFrameOnPrint"), 0); // the radio button of each page's frame cleared it
    EXPECT_EQ(Stored("DrawFooterPage"), 0);
    EXPECT_EQ(Stored("ZoomScaleUpDown"), m_frame.GetZoomStep());
    EXPECT_EQ(Stored("ZoomFitToWnd"), 0);
    EXPECT_EQ(Stored("GridWidth"), 30);
    EXPECT_EQ(Stored("DrawGrid"), 0);
    EXPECT_EQ(Stored("ModePrint"), -99); // not on the sheet
}

TEST_F(OptionsSheet, DisplayPageChecksItsNumbersOnOk)
{
    struct Case
    {
        const char* zoomStep;
        const char* gridWidth;
        const char* refusal; // null: accepted
    };
    const Case cases[] = {
        {"55", "20", "10 から 50 までの整数を入力してください。"},
        {"9", "20", "10 から 50 までの整数を入力してください。"},
        {"x", "20", "整数を入力してください。"},
        {"30", "5", "10 から 100 までの整数を入力してください。"},
        {"10", "100", nullptr},
        {"50", "10", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.zoomStep) + " " + c.gridWidth);
        Profile::WriteProfileString(kSection, nullptr, nullptr);
        MessageScript script;
        Run([&](CPropertySheet& sheet) {
            ASSERT_TRUE(sheet.SetActivePage(1));
            Type(sheet, 1109, c.zoomStep);
            Type(sheet, 1114, c.gridWidth);
            sheet.SendMessage(WM_COMMAND, IDOK);
        });
        if (c.refusal) {
            EXPECT_EQ(script.Texts(), std::vector<std::string>{c.refusal});
            EXPECT_EQ(Stored("GridWidth"), -99); // the sheet stayed open and was cancelled
        } else {
            EXPECT_TRUE(script.Texts().empty());
            EXPECT_EQ(Stored("ZoomScaleUpDown"), std::stoi(c.zoomStep));
            EXPECT_EQ(m_frame.GetZoomStep(), std::stoi(c.zoomStep));
            EXPECT_EQ(Stored("GridWidth"), std::stoi(c.gridWidth));
        }
    }
}

TEST_F(OptionsSheet, LineShapingShowsAndTakesTheMethod)
{
    Profile::WriteProfileInt(kSection, "AutoCmdLineMethod", 22002);
    Run([](CPropertySheet& sheet) {
        ASSERT_TRUE(sheet.SetActivePage(1));
        EXPECT_TRUE(IsChecked(sheet, 1170));
        EXPECT_FALSE(IsChecked(sheet, 1168));
        qobject_cast<QAbstractButton*>(sheet.GetDlgItem(1172)->GetSafeHwnd())->click();
        // Leaving the page and coming back keeps what was picked.
        ASSERT_TRUE(sheet.SetActivePage(0));
        sheet.SendMessage(WM_COMMAND, IDOK);
    });
    EXPECT_EQ(Stored("AutoCmdLineMethod"), 22024);

    Run([](CPropertySheet& sheet) { sheet.SendMessage(WM_COMMAND, IDCANCEL); });
    EXPECT_EQ(Stored("AutoCmdLineMethod"), 22024);
}
