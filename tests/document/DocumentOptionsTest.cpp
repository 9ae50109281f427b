// The document's drawing font and string edit options, each changed through its dialog.
#include "tests/document/DocumentTestSupport.h"
#include "tests/support/MessageScript.h"

#include "document/EditFlgDlg.h"
#include "platform/profile/Profile.h"
#include "platform/ui/Controls.h"
#include "platform/ui/FontDialog.h"

#include <QComboBox>
#include <QWidget>

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace document_options_test {

const char* const kApply = "変更をﾄﾞｷｭﾒﾝﾄに更新しますか。";
const char* const kSaveDefault = "文字列編集ｵﾌﾟｼｮﾝの既定値を更新しますか。";

CButton* Box(CDialog& dialog, int bit)
{
    return static_cast<CButton*>(dialog.GetDlgItem(CEditFlgDlg::IDC_FIRST_FLAG + bit));
}

} // namespace document_options_test

using namespace document_options_test;

class DocumentOptions : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_doc.SetModifiedFlag(FALSE);
        m_doc.SetUpdatedDate(kStamp);
    }
    void TearDown() override { Profile::WriteProfileString("Document Page", nullptr, nullptr); }
    void Run(const std::function<void(CDialog&)>& user, void (CBaseDoc::*command)())
    {
        CDialog::SetModalHook([&](CDialog& dialog) {
            ++m_dialogs;
            user(dialog);
        });
        (m_doc.*command)();
        CDialog::SetModalHook(nullptr);
    }

    const CTime kStamp{2001, 2, 3, 4, 5, 6};
    TestApp m_app;
    TestDoc m_doc;
    int m_dialogs = 0;
};

TEST_F(DocumentOptions, EditOptionsOkAsksBeforeItChangesTheDocument)
{
    const struct
    {
        const char* name;
        bool toggle;              // the first box is switched before OK
        std::vector<int> answers; // to the question, in order; OK is pressed once per answer
        std::vector<std::string> messages;
        DWORD flags;
        bool modified;
    } rows[] = {
        {"unchanged", false, {}, {}, 0x30, false},
        {"yes", true, {IDYES}, {kApply}, 0x31, true},
        {"no", true, {IDNO}, {kApply}, 0x30, false},
        {"cancel keeps it open", true, {IDCANCEL, IDYES}, {kApply, kApply}, 0x31, true},
    };
    for (const auto& row : rows) {
        SetUp();
        // The task bits have no visible box, yet they pass through.
        m_doc.SetEditFlgsRaw(0x30);
        MessageScript script;
        for (int answer : row.answers)
            script.Answer(answer);
        bool taskBoxesHidden = false;
        Run(
            [&](CDialog& d) {
                taskBoxesHidden = !Box(d, 4)->GetSafeHwnd()->isVisibleTo(d.GetSafeHwnd()) &&
                                  Box(d, 4)->GetCheck() == BST_CHECKED && Box(d, 5)->GetCheck() == BST_CHECKED;
                if (row.toggle)
                    Box(d, 0)->SetCheck(BST_CHECKED);
                for (std::size_t i = 0; i < std::max<std::size_t>(1, row.answers.size()); ++i)
                    d.SendMessage(WM_COMMAND, IDOK);
            },
            &CBaseDoc::OnEditOptions);
        EXPECT_TRUE(taskBoxesHidden) << row.name;
        EXPECT_EQ(script.Texts(), row.messages) << row.name;
        EXPECT_EQ(m_doc.GetEditFlgs(), row.flags) << row.name;
        EXPECT_EQ(m_doc.IsModified() != FALSE, row.modified) << row.name;
        EXPECT_EQ(m_doc.GetUpdatedDate() != kStamp, row.modified) << row.name;
    }
}

TEST_F(DocumentOptions, EditOptionsDefaultGoesToTheProfileAndNotToTheDocument)
{
    const struct
    {
        int answer;
        bool withStore;
        std::vector<std::string> messages;
        int stored;
    } rows[] = {
        {IDNO, true, {kSaveDefault}, -1},
        {IDYES, true, {kSaveDefault, "文字列編集ｵﾌﾟｼｮﾝの既定値の更新が終了しました。"}, 0x05},
        {IDYES, false, {kSaveDefault, "文字列編集ｵﾌﾟｼｮﾝを更新中にｴﾗｰが発生しました。"}, -1},
    };
    for (const auto& row : rows) {
        TearDown();
        m_doc.SetEditFlgsRaw(0x01);
        // Without the application the settings store is missing and refuses the value.
        AppServices* previous = row.withStore ? nullptr : SetAppServices(nullptr);
        MessageScript script;
        script.Answer(row.answer);
        Run(
            [](CDialog& d) {
                Box(d, 2)->SetCheck(BST_CHECKED);
                d.SendMessage(WM_COMMAND, CEditFlgDlg::IDC_SAVE_DEFAULT);
            },
            &CBaseDoc::OnEditOptions);
        if (!row.withStore)
            SetAppServices(previous);
        EXPECT_EQ(script.Texts(), row.messages) << row.answer;
        EXPECT_EQ(Profile::GetProfileInt("Document Page", "EditFlgs", -1), row.stored) << row.answer;
        EXPECT_EQ(m_doc.GetEditFlgs(), 0x01u);
        EXPECT_FALSE(m_doc.IsModified());
    }
}

TEST_F(DocumentOptions, DrawingFontIsTakenWithoutStampingAndNeverOnAReadOnlyDocument)
{
    const LOGFONT before = *m_doc.GetDrawingFont();
    const auto choose = [](bool confirm) {
        return [confirm](CDialog& d) {
            EXPECT_TRUE(d.GetDlgItem(CFontDialog::IDC_EFFECTS)->GetSafeHwnd()->isHidden());
            auto* size = qobject_cast<QComboBox*>(d.GetDlgItem(CFontDialog::IDC_SIZE)->GetSafeHwnd());
            size->setCurrentText(QStringLiteral("9"));
            if (confirm)
                d.SendMessage(WM_COMMAND, IDOK);
        };
    };
    m_doc.SetReadOnly(TRUE);
    Run(choose(true), &CBaseDoc::OnDrawingFont);
    EXPECT_EQ(m_dialogs, 0);
    m_doc.SetReadOnly(FALSE);
    Run(choose(false), &CBaseDoc::OnDrawingFont);
    EXPECT_EQ(m_doc.GetDrawingFont()->lfHeight, before.lfHeight);
    EXPECT_FALSE(m_doc.IsModified());
    Run(choose(true), &CBaseDoc::OnDrawingFont);
    EXPECT_EQ(m_dialogs, 2);
    EXPECT_EQ(m_doc.GetDrawingFont()->lfHeight, -12);
    EXPECT_STREQ(m_doc.GetDrawingFont()->lfFaceName, before.lfFaceName);
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_EQ(m_doc.GetUpdatedDate(), kStamp);
}
