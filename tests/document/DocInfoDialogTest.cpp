// The document-information dialog driven through its modal hook.
#include "tests/document/DocumentTestSupport.h"
#include "tests/support/MessageScript.h"

#include "document/DocInfoDlg.h"

#include <QLineEdit>

#include <functional>

#include <gtest/gtest.h>

namespace DocInfoTestImpl {

QLineEdit* Field(CDialog& dialog, int id)
{
    return qobject_cast<QLineEdit*>(dialog.GetDlgItem(id)->GetSafeHwnd());
}

} // namespace DocInfoTestImpl

using DocInfoTestImpl::Field;

class DocInfoDialog : public ::testing::Test
{
protected:
    void Run(const std::function<void(CDialog&)>& user)
    {
        CDialog::SetModalHook([&](CDialog& dialog) { user(dialog); });
        m_doc.OnDocumentInfo();
        CDialog::SetModalHook(nullptr);
    }

    TestApp m_app;
    TestDoc m_doc;
};

TEST_F(DocInfoDialog, OkRightAfterOpeningAsksAndStoresNothing)
{
    m_doc.SetAuthorName("yamada");
    m_doc.SetModifiedFlag(FALSE);
    MessageScript script;
    script.Answer(IDYES);
    Run([](CDialog& d) {
        EXPECT_EQ(Field(d, 1020)->text(), QStringLiteral("yamada"));
        EXPECT_TRUE(Field(d, 1143)->text().toInt() >= 2020);
        d.SendMessage(WM_COMMAND, IDOK);
    });
    EXPECT_EQ(script.Texts(), (std::vector<std::string>{"変更をﾄﾞｷｭﾒﾝﾄに更新しますか。"}));
    EXPECT_FALSE(m_doc.IsModified());
}

TEST_F(DocInfoDialog, CreatedDatesAreCheckedAgainstTheirMonth)
{
    struct Case
    {
        const char* year;
        const char* month;
        const char* day;
        const char* refusal; // null: accepted
        int field;           // the edit that gets the focus
    };
    const Case cases[] = {
        {"2011", "2", "29", "指定されている年月では指定可能な日ではありません。", 1145},
        {"2012", "2", "29", nullptr, 0},
        {"2037", "1", "1", "年は1970～2036の間で指定してください。", 1143},
        {"2012", "13", "1", "月は1～12の間で指定してください。", 1144},
        {"2012", "4", "31", "指定されている年月では指定可能な日ではありません。", 1145},
        {"2012", "12", "31", nullptr, 0},
        {"2012", "12", "x", "日は1～31の間で指定してください。", 1145},
    };
    for (const Case& c : cases) {
        MessageScript script;
        script.Answer(IDYES);
        Run([&](CDialog& d) {
            Field(d, 1143)->setText(QString::fromUtf8(c.year));
            Field(d, 1144)->setText(QString::fromUtf8(c.month));
            Field(d, 1145)->setText(QString::fromUtf8(c.day));
            d.SendMessage(WM_COMMAND, IDOK);
            if (c.refusal) {
                EXPECT_EQ(Field(d, c.field)->selectedText(), Field(d, c.field)->text());
            }
        });
        std::vector<std::string> expected{"変更をﾄﾞｷｭﾒﾝﾄに更新しますか。"};
        if (c.refusal)
            expected.push_back(c.refusal);
        EXPECT_EQ(script.Texts(), expected) << c.year << "-" << c.month << "-" << c.day;
        if (!c.refusal) {
            EXPECT_EQ(m_doc.GetCreatedDate().GetDay(), QString::fromUtf8(c.day).toInt());
            EXPECT_TRUE(m_doc.IsModified());
        }
    }
}

TEST_F(DocInfoDialog, ChangedTextsAndTimesAreStoredWithoutStampingTheUpdatedDate)
{
    m_doc.SetModifiedFlag(FALSE);
    MessageScript script;
    script.Answer(IDYES);
    const std::string author(40, 'a'); // the dialog's limit, longer than the header object's
    Run([&](CDialog& d) {
        Field(d, 1020)->setText(QString::fromStdString(author));
        Field(d, 1024)->setText(QStringLiteral("title"));
        Field(d, 1149)->setText(QStringLiteral("2001"));
        Field(d, 1152)->setText(QStringLiteral("7"));
        d.SendMessage(WM_COMMAND, IDOK);
    });
    EXPECT_EQ(std::string(m_doc.GetAuthorName()), author);
    EXPECT_EQ(m_doc.GetHeaderTitle(), "title");
    EXPECT_EQ(m_doc.GetUpdatedDate().GetYear(), 2001); // not stamped with today
    EXPECT_EQ(m_doc.GetUpdatedDate().GetHour(), 7);
    EXPECT_TRUE(m_doc.IsModified());
}

TEST_F(DocInfoDialog, ReadOnlyDocumentCannotBeChanged)
{
    m_doc.SetReadOnly(TRUE);
    Run([](CDialog& d) {
        EXPECT_TRUE(Field(d, 1020)->isReadOnly());
        EXPECT_TRUE(Field(d, 1154)->isReadOnly());
        EXPECT_FALSE(d.GetDlgItem(IDOK)->IsWindowEnabled());
        CString name;
        d.GetDlgItemText(1018, name);
        EXPECT_TRUE(name.IsEmpty()); // never saved: no file name
    });
}
