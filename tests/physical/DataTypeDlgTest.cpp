// The data-type dialog driven through its modal hook: inserting, editing, the enclosure's length
// and saving to the profile.
#include "physical/DataTypeDlg.h"

#include "platform/profile/Profile.h"
#include "platform/ui/Controls.h"
#include "tests/support/MessageScript.h"

#include <QLineEdit>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <functional>

namespace DataTypeDlgTest {

QTreeWidget* List(CDialog& d)
{
    return qobject_cast<QTreeWidget*>(d.GetDlgItem(CDataTypeDlg::IDC_LIST)->GetSafeHwnd());
}

void Type(CDialog& d, int id, const char* text)
{
    auto* edit = qobject_cast<QLineEdit*>(d.GetDlgItem(id)->GetSafeHwnd());
    edit->setText(QString::fromUtf8(text));
    emit edit->textEdited(edit->text());
}

int RunDialog(const std::function<void(CDialog&)>& user)
{
    CDialog::SetModalHook([&](CDialog& d) { user(d); });
    CDataTypeDlg dialog;
    const int result = int(dialog.DoModal());
    CDialog::SetModalHook(nullptr);
    return result;
}

class DataTypeDialog : public ::testing::Test
{
protected:
    void SetUp() override { Profile::WriteProfileString(DATATYPE_SECTION, nullptr, nullptr); }
};

TEST_F(DataTypeDialog, InsertEditAndSave)
{
    MessageScript messages;
    messages.Answer(IDYES);
    EXPECT_EQ(RunDialog([](CDialog& d) {
                  EXPECT_EQ(List(d)->topLevelItemCount(), 21);
                  EXPECT_FALSE(d.GetDlgItem(CDataTypeDlg::IDC_DELETE)->IsWindowEnabled());
                  d.SendMessage(WM_COMMAND, CDataTypeDlg::IDC_INSERT);
                  d.SendMessage(WM_COMMAND, CDataTypeDlg::IDC_INSERT);
                  EXPECT_EQ(List(d)->topLevelItem(21)->text(0), QStringLiteral("DATATYPE1"));
                  EXPECT_EQ(List(d)->topLevelItem(22)->text(0), QStringLiteral("DATATYPE2"));
                  Type(d, CDataTypeDlg::IDC_NAME, "BLOB");
                  EXPECT_EQ(List(d)->topLevelItem(22)->text(0), QStringLiteral("BLOB"));
                  // Two characters of enclosure keep the row current and show the length message.
                  Type(d, CDataTypeDlg::IDC_ENCLOSURE, "''");
                  List(d)->setCurrentItem(List(d)->topLevelItem(0));
                  EXPECT_EQ(List(d)->currentItem(), List(d)->topLevelItem(22));
                  Type(d, CDataTypeDlg::IDC_ENCLOSURE, "'");
                  d.SendMessage(WM_COMMAND, IDOK);
              }),
              IDOK);
    ASSERT_EQ(messages.Texts().size(), 2u); // the length message, then the save question
    CDataTypeList stored;
    ASSERT_EQ(stored.LoadFromProfile(), 23);
    EXPECT_EQ(stored.GetTail()->GetName(), CString("BLOB"));
    EXPECT_EQ(stored.GetTail()->GetEnclosure(), CString("'"));
}

TEST_F(DataTypeDialog, SavingWithoutChangesWritesNothing)
{
    MessageScript messages;
    EXPECT_EQ(RunDialog([](CDialog& d) { d.SendMessage(WM_COMMAND, IDOK); }), IDCANCEL);
    EXPECT_TRUE(messages.Texts().empty());
    EXPECT_EQ(Utf8(Profile::GetProfileString(DATATYPE_SECTION, DATATYPE_COUNT_ENTRY, "<none>")), "<none>");
}

} // namespace DataTypeDlgTest
