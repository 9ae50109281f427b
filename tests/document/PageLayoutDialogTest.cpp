// The page-layout dialog driven through its modal hook: what it shows, what it refuses and what
// OK stores in the document.
#include "tests/document/DocumentTestSupport.h"
#include "tests/support/MessageScript.h"

#include "document/SetDocDlg.h"
#include "platform/profile/Profile.h"
#include "platform/ui/Controls.h"

#include <QLineEdit>
#include <QWidget>

#include <functional>

#include <gtest/gtest.h>

namespace PageLayoutTestImpl {

QLineEdit* Edit(CDialog& dialog, int id)
{
    return qobject_cast<QLineEdit*>(dialog.GetDlgItem(id)->GetSafeHwnd());
}

QString Text(CDialog& dialog, int id)
{
    CString text;
    dialog.GetDlgItemText(id, text);
    return ToQString(text);
}

void Click(CDialog& dialog, int id)
{
    static_cast<CButton*>(dialog.GetDlgItem(id))->SetCheck(BST_CHECKED);
    dialog.SendMessage(WM_COMMAND, id);
}

BOOL Enabled(CDialog& dialog, int id)
{
    return dialog.GetDlgItem(id)->IsWindowEnabled();
}

} // namespace PageLayoutTestImpl

using namespace PageLayoutTestImpl;

class PageLayoutDialog : public ::testing::Test
{
protected:
    // Runs the command with the hook in place of the user.
    void Run(const std::function<void(CDialog&)>& user)
    {
        CDialog::SetModalHook([&](CDialog& dialog) { user(dialog); });
        m_doc.OnPageLayout();
        CDialog::SetModalHook(nullptr);
    }

    TestApp m_app;
    TestDoc m_doc;
};

TEST_F(PageLayoutDialog, ShowsTheDocumentsLayoutAndItsPageFigures)
{
    m_doc.SetPageSettings(2, 100, CSize(155, 150), CSize(150, 150));
    AddRect(m_doc, CRect(100, -100, 4000, -3000));
    Run([](CDialog& d) {
        EXPECT_EQ(static_cast<CComboBox*>(d.GetDlgItem(1033))->GetCurSel(), 1); // A4 landscape
        EXPECT_EQ(Text(d, 1034), QStringLiteral("100"));
        EXPECT_EQ(Text(d, 1036), QStringLiteral("15")); // 15.5 mm shows whole
        EXPECT_EQ(Text(d, 1107), QStringLiteral("% (10～200)"));
        // A4 landscape: 2920 - 300 across, 2050 - 300 down; the objects need 2 x 2.
        EXPECT_EQ(Text(d, 1100), QStringLiteral("2"));
        EXPECT_EQ(Text(d, 1101), QStringLiteral("2"));
        EXPECT_EQ(Text(d, 1102), QStringLiteral("33"));
        EXPECT_EQ(Text(d, 1103), QStringLiteral("50"));
        // Halving the scale doubles what a page holds.
        Edit(d, 1034)->setText(QStringLiteral("50"));
        EXPECT_EQ(Text(d, 1100), QStringLiteral("1"));
        EXPECT_EQ(Text(d, 1102), QStringLiteral("16"));
    });
}

// Each refusal is the only message: the dialog does not go on to its question.
TEST_F(PageLayoutDialog, RefusesBadValuesWithTheirMessagesAndKeepsTheDialogOpen)
{
    struct Case
    {
        int id;
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {1034, "5", "拡大縮小率に不当な値が指定されています。\n"},
        {1034, "201", "拡大縮小率に不当な値が指定されています。\n"},
        {1034, "", "拡大縮小率を入力してください。\n"},
        {1036, "-1", "左余白に不当な値が指定されています。\n"},
        {1042, "51", "下余白に不当な値が指定されています。\n"},
        {1038, "", "上余白を入力してください。\n"},
        {1104, "65537", "ﾌｯﾀｰ部のﾍﾟｰｼﾞ開始番号に不当な値が指定されています。\n"}, // not read as 1
        {1166, "10000", "ﾌｯﾀｰ部総ﾍﾟｰｼﾞ数ﾕｰｻﾞ指定値に不当な値が指定されています。\n"},
    };
    for (const Case& c : cases) {
        MessageScript script;
        Run([&](CDialog& d) {
            Edit(d, c.id)->setText(QString::fromUtf8(c.text));
            // Typing may report already, as the page figures follow the edits.
            const size_t before = script.Messages().size();
            d.SendMessage(WM_COMMAND, IDOK);
            ASSERT_EQ(script.Messages().size(), before + 1) << c.id << " " << c.text;
            EXPECT_EQ(script.Texts().back(), c.message);
            EXPECT_EQ(script.Messages().back().type, UINT(MB_OK)); // no icon
            if (*c.text) {
                EXPECT_EQ(Edit(d, c.id)->selectedText(), QString::fromUtf8(c.text));
            }
        });
    }
    EXPECT_EQ(m_doc.GetPrintScale(), 100u);
}

TEST_F(PageLayoutDialog, StartNumberZeroPassesTheCheckButNotTheDataExchange)
{
    MessageScript script;
    script.Answer(IDYES);
    Run([](CDialog& d) {
        Edit(d, 1104)->setText(QStringLiteral("0"));
        d.SendMessage(WM_COMMAND, IDOK);
    });
    EXPECT_EQ(script.Texts(), (std::vector<std::string>{"ﾄﾞｷｭﾒﾝﾄのﾍﾟｰｼﾞﾚｲｱｳﾄ設定を変更しますか。",
                                                        "1 から 9999 までの整数を入力してください。"}));
    EXPECT_EQ(m_doc.GetFirstPageNumber(), 1);
}

TEST_F(PageLayoutDialog, FooterControlsFollowTheNumberingStyle)
{
    Run([](CDialog& d) {
        Click(d, 1160); // columns as letters: no start number, no totals
        for (int id : {1104, 1105, 1165, 1166, 1167})
            EXPECT_FALSE(Enabled(d, id)) << id;
        Click(d, 1159); // with the total computed the user's figure stays off
        EXPECT_TRUE(Enabled(d, 1104));
        EXPECT_TRUE(Enabled(d, 1165));
        EXPECT_FALSE(Enabled(d, 1166));
        static_cast<CButton*>(d.GetDlgItem(1165))->SetCheck(BST_UNCHECKED);
        d.SendMessage(WM_COMMAND, 1165);
        EXPECT_TRUE(Enabled(d, 1166));
        EXPECT_TRUE(Enabled(d, 1167));
    });
}

TEST_F(PageLayoutDialog, OkStoresTheLayoutAndFitsThePageGrid)
{
    AddRect(m_doc, CRect(100, -100, 4000, -3000));
    m_doc.SetPages(4, 3);
    m_doc.SetModifiedFlag(FALSE);
    MessageScript script;
    script.Answer(IDYES);
    Run([](CDialog& d) {
        static_cast<CComboBox*>(d.GetDlgItem(1033))->SetCurSel(2); // A3 portrait
        Edit(d, 1034)->setText(QStringLiteral("50"));
        Edit(d, 1040)->setText(QStringLiteral("20"));
        static_cast<CButton*>(d.GetDlgItem(1155))->SetCheck(BST_CHECKED);
        Click(d, 1159);
        Click(d, 1164);
        static_cast<CButton*>(d.GetDlgItem(1165))->SetCheck(BST_UNCHECKED);
        Edit(d, 1166)->setText(QStringLiteral("12")); // the present 4 x 3 grid: no figure of the user's
        Edit(d, 1104)->setText(QStringLiteral("7"));
        d.SendMessage(WM_COMMAND, IDOK);
    });
    EXPECT_EQ(m_doc.GetPaperId(), 3);
    EXPECT_EQ(m_doc.GetPrintScale(), 50u);
    EXPECT_EQ(m_doc.GetMarginRightBottom(), CSize(200, 150));
    EXPECT_EQ(m_doc.GetHeaderStyle(), 1);
    EXPECT_EQ(m_doc.GetPageNumStyle(), 2);
    EXPECT_EQ(m_doc.GetPageNumPos(), 3);
    EXPECT_EQ(m_doc.GetFirstPageNumber(), 7);
    EXPECT_FALSE(m_doc.IsTotalPagesAuto());
    EXPECT_EQ(m_doc.GetTotalPagesGiven(), 0);
    EXPECT_EQ(m_doc.GetPages(), CSize(1, 1)); // A3 at 50 % holds the objects on one page
    EXPECT_TRUE(m_doc.IsModified());
}

TEST_F(PageLayoutDialog, ReadOnlyDocumentLeavesOnlyCancelHelpAndTheDefaultsButton)
{
    m_doc.SetReadOnly(TRUE);
    MessageScript script;
    script.Answer(IDYES);
    Run([](CDialog& d) {
        for (int id : {1033, 1035, 1155, 1165, 1173, 1157, 1162, IDOK})
            EXPECT_FALSE(Enabled(d, id)) << id;
        EXPECT_TRUE(Edit(d, 1034)->isReadOnly());
        EXPECT_TRUE(Enabled(d, 1106));
        Edit(d, 1034)->setText(QStringLiteral("80"));
        d.SendMessage(WM_COMMAND, 1106);
    });
    EXPECT_EQ(script.Texts(), (std::vector<std::string>{"ﾍﾟｰｼﾞﾚｲｱｳﾄ設定の既定値を更新しますか。",
                                                        "ﾍﾟｰｼﾞﾚｲｱｳﾄの既定値の更新が終了しました。"}));
    // The store writes what changed at once; the document keeps its own scale.
    EXPECT_EQ(Profile::GetProfileInt("Document Page", "PrintScale", -1), 80);
    EXPECT_EQ(m_doc.GetPrintScale(), 100u);
}
