// The file-type dialog: its working list apart from the widgets (what OK writes and what Cancel
// leaves), the dialog driven through its modal hook with the sample drawing, and the preset.
#include "model/BoxStyleDlg.h"

#include "platform/profile/Profile.h"
#include "platform/ui/Controls.h"
#include "tests/support/MessageScript.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace BoxStyleDlgTest {

class BoxStyleDialog : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Profile::WriteProfileString(BOXSTYLE_USER_NAME_SECTION, nullptr, nullptr);
        Profile::WriteProfileString(BOXSTYLE_USED_SECTION, nullptr, nullptr);
    }
    static bool Stored(const char* entry)
    {
        return Profile::HasProfileEntry(BOXSTYLE_USER_NAME_SECTION, entry) ||
               Profile::HasProfileEntry(BOXSTYLE_USED_SECTION, entry);
    }
    static int StoredCount()
    {
        int count = 0;
        for (int mark = 0; mark < BOXSTYLE_MARK_COUNT; ++mark)
            count += Stored(std::to_string(mark).c_str()) ? 1 : 0;
        return count;
    }
    static CBoxStyle* Style(const CBoxStyleList& list, int mark) { return list.GetAt(list.FindIndex(mark)); }
    static int ShownCount(const CBoxStyleList& list)
    {
        int shown = 0;
        for (POSITION pos = list.GetHeadPosition(); pos;)
            shown += list.GetNext(pos)->GetShown() ? 1 : 0;
        return shown;
    }
};

TEST_F(BoxStyleDialog, OnlyChangedStylesReachTheProfileAndTheFrameReadsThemBack)
{
    CBoxStyleList frame;
    ASSERT_EQ(frame.LoadFromProfile(), 25);

    BoxStyleDlgRules rules;
    ASSERT_TRUE(rules.Open());
    ASSERT_NE(rules.GetCurrent(), nullptr);
    EXPECT_EQ(rules.GetCurrent()->GetMarkId(), 0);
    // The controls' values of mark 3, then another mark is chosen: the change stays in the list.
    rules.SetCurrent(Style(rules.GetList(), 3));
    rules.StoreCurrent(CString(u8"在庫"), FALSE);
    rules.SetCurrent(Style(rules.GetList(), 4));
    rules.StoreCurrent(Style(rules.GetList(), 4)->GetUserName(), TRUE); // as shown: unchanged
    EXPECT_TRUE(Style(rules.GetList(), 3)->IsChanged());
    EXPECT_FALSE(Style(rules.GetList(), 4)->IsChanged());
    EXPECT_EQ(StoredCount(), 0); // nothing before OK: Cancel discards it

    EXPECT_TRUE(rules.Commit(frame));
    EXPECT_EQ(StoredCount(), 1);
    EXPECT_TRUE(Stored("3"));
    EXPECT_EQ(Style(frame, 3)->GetUserName(), CString(u8"在庫"));
    EXPECT_EQ(Style(frame, 3)->GetShown(), 0);
    EXPECT_EQ(frame.GetCount(), 25);
    EXPECT_EQ(frame.FindIdByUserName(CString(u8"在庫")), 3);

    // A dialog opened later starts from the profile.
    BoxStyleDlgRules again;
    ASSERT_TRUE(again.Open());
    EXPECT_EQ(Style(again.GetList(), 3)->GetUserName(), CString(u8"在庫"));
    EXPECT_FALSE(Style(again.GetList(), 3)->IsChanged());
}

TEST_F(BoxStyleDialog, ThePresetWritesAllTwentyFivePairsAndHidesTwelveMarks)
{
    CBoxStyleList frame;
    frame.LoadFromProfile();
    BoxStyleDlgRules rules;
    ASSERT_TRUE(rules.Open());
    rules.SetCurrent(Style(rules.GetList(), 9));
    ASSERT_TRUE(rules.ApplyModelDiagramPreset());
    ASSERT_NE(rules.GetCurrent(), nullptr);
    EXPECT_EQ(rules.GetCurrent()->GetMarkId(), 0);
    ASSERT_TRUE(rules.Commit(frame));
    EXPECT_EQ(StoredCount(), 25);
    EXPECT_EQ(ShownCount(frame), 13);

    QComboBox widget;
    CComboBox menu;
    menu.Attach(&widget);
    frame.FillShownUserNameCombo(&menu);
    ASSERT_EQ(menu.GetCount(), 13);
    CString first;
    menu.GetLBText(0, first);
    EXPECT_EQ(first, CString(u8"ｵｶﾚﾝｽ･ﾘｿｰｽ"));
}

TEST_F(BoxStyleDialog, AFailedWriteIsTold)
{
    const QString previous = QFileInfo(QFileInfo(Profile::FilePath()).absolutePath()).absolutePath();
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    // The profile file's place is taken by a folder: nothing can be written there.
    Profile::SetDirectory(folder.path());
    ASSERT_TRUE(QDir().mkpath(Profile::FilePath()));
    CBoxStyleList frame;
    frame.LoadFromProfile();
    BoxStyleDlgRules rules;
    ASSERT_TRUE(rules.Open());
    rules.StoreCurrent("Master", TRUE);
    {
        MessageScript messages;
        EXPECT_FALSE(rules.Commit(frame));
        EXPECT_EQ(messages.Texts(), std::vector<std::string>{"ﾌｧｲﾙ類型を保存中にｴﾗｰが発生しました。"});
    }
    EXPECT_EQ(frame.GetCount(), 25);
    Profile::SetDirectory(previous);
}

QComboBox* Marks(CDialog& d)
{
    return qobject_cast<QComboBox*>(d.GetDlgItem(CBoxStyleDlg::IDC_MARK)->GetSafeHwnd());
}

void ChooseMark(CDialog& d, int row)
{
    Marks(d)->setCurrentIndex(row);
    emit Marks(d)->activated(row);
}

QString UserNameShown(CDialog& d)
{
    return qobject_cast<QLineEdit*>(d.GetDlgItem(CBoxStyleDlg::IDC_USER_NAME)->GetSafeHwnd())->text();
}

QCheckBox* ShownBox(CDialog& d)
{
    return qobject_cast<QCheckBox*>(d.GetDlgItem(CBoxStyleDlg::IDC_SHOWN)->GetSafeHwnd());
}

// The dark pixels of the sample frame: the file box and its mark.
int DarkPixels(CDialog& d)
{
    QWidget* frame = d.GetDlgItem(CBoxStyleDlg::IDC_SAMPLE)->GetSafeHwnd();
    frame->resize(300, 220);
    const QImage image = frame->grab().toImage();
    int dark = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            dark += qGray(image.pixel(x, y)) < 64 ? 1 : 0;
    return dark;
}

TEST_F(BoxStyleDialog, TheDialogKeepsEditsAcrossMarksAndShowsTheSample)
{
    CBoxStyleDlg dialog;
    CDialog::SetModalHook([&](CDialog& d) {
        CString title;
        d.GetWindowText(title);
        EXPECT_EQ(title, CString(u8"ﾌｧｲﾙ類型の設定"));
        ASSERT_EQ(Marks(d)->count(), 25);
        EXPECT_EQ(Marks(d)->currentIndex(), 0);
        EXPECT_EQ(UserNameShown(d), QString::fromUtf8("ﾏｰｸなし"));
        EXPECT_TRUE(ShownBox(d)->isChecked());
        const int unmarked = DarkPixels(d);
        EXPECT_GT(unmarked, 0);

        ChooseMark(d, 2);
        EXPECT_EQ(dialog.GetSampleMark(), 2);
        EXPECT_EQ(UserNameShown(d), QString::fromUtf8("四角塗りつぶし"));
        EXPECT_GT(DarkPixels(d), unmarked); // the filled square in the corner
        d.SetDlgItemText(CBoxStyleDlg::IDC_USER_NAME, CString(u8"ｲﾍﾞﾝﾄ"));
        ShownBox(d)->setChecked(false);
        ChooseMark(d, 5);
        ChooseMark(d, 2);
        EXPECT_EQ(UserNameShown(d), QString::fromUtf8("ｲﾍﾞﾝﾄ"));
        EXPECT_FALSE(ShownBox(d)->isChecked());
        // The last edit is taken by OK without choosing another mark.
        d.SetDlgItemText(CBoxStyleDlg::IDC_USER_NAME, "Event");
        d.SendMessage(WM_COMMAND, IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    CDialog::SetModalHook(nullptr);
    const CBoxStyle* style = Style(dialog.Rules().GetList(), 2);
    EXPECT_EQ(style->GetUserName(), CString("Event"));
    EXPECT_EQ(style->GetShown(), 0);
    EXPECT_EQ(StoredCount(), 0); // the caller saves
}

TEST_F(BoxStyleDialog, ThePresetButtonRefillsAndShowsMarkZero)
{
    CBoxStyleDlg dialog;
    CDialog::SetModalHook([&](CDialog& d) {
        ChooseMark(d, 8);
        d.SetDlgItemText(CBoxStyleDlg::IDC_USER_NAME, "Lost");
        d.SendMessage(WM_COMMAND, CBoxStyleDlg::IDC_MODEL_DIAGRAM);
        EXPECT_EQ(Marks(d)->count(), 25);
        EXPECT_EQ(Marks(d)->currentIndex(), 0);
        EXPECT_EQ(dialog.GetSampleMark(), 0);
        EXPECT_EQ(UserNameShown(d), QString::fromUtf8("ﾏｰｸなし"));
        EXPECT_FALSE(ShownBox(d)->isChecked());
        ChooseMark(d, 8);
        EXPECT_EQ(UserNameShown(d), QString::fromUtf8("ﾀｲﾌﾟ･ﾘｿｰｽ"));
        d.SendMessage(WM_COMMAND, IDCANCEL);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    CDialog::SetModalHook(nullptr);
}

} // namespace BoxStyleDlgTest
