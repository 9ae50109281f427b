// The data-type dialog's working list: inserts, deletes, file reads and the save to the profile.
#include "physical/DataTypeDlgRules.h"

#include "platform/afx/File.h"
#include "platform/profile/Profile.h"
#include "tests/support/MessageScript.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

namespace DataTypeDlgRulesTest {

std::vector<std::string> Names(const DataTypeDlgRules& rules)
{
    std::vector<std::string> names;
    for (int i = 0; i < rules.GetCount(); ++i)
        names.push_back(Utf8(rules.RowTexts(i, FALSE)[0]));
    return names;
}

class DataTypeDlgRulesFixture : public ::testing::Test
{
protected:
    void SetUp() override { Profile::WriteProfileString(DATATYPE_SECTION, nullptr, nullptr); }
    CString Path(const char* name) const { return FromFileSystemPath(m_dir.path().toStdString()) + "/" + name; }
    void Put(const char* name, const std::string& bytes) const
    {
        std::ofstream(ToFileSystemPath(Path(name)), std::ios::binary) << bytes;
    }
    QTemporaryDir m_dir;
};

TEST_F(DataTypeDlgRulesFixture, InsertsAndDeletes)
{
    MessageScript messages;
    DataTypeDlgRules rules;
    ASSERT_TRUE(rules.Open());
    // An empty profile shows the 21 defaults without writing them.
    EXPECT_EQ(rules.GetCount(), 21);
    EXPECT_FALSE(rules.IsModified());
    EXPECT_EQ(Utf8(Profile::GetProfileString(DATATYPE_SECTION, DATATYPE_COUNT_ENTRY, "<none>")), "<none>");

    // Without a current row two inserts append; with one the insert follows it.
    EXPECT_EQ(rules.Insert(), 21);
    rules.SetCurrent(-1);
    EXPECT_EQ(rules.Insert(), 22);
    rules.SetCurrent(0);
    EXPECT_EQ(rules.Insert(), 1);
    std::vector<std::string> names = Names(rules);
    EXPECT_EQ(names[1], "DATATYPE3");
    EXPECT_EQ(names[22], "DATATYPE1");
    EXPECT_EQ(names[23], "DATATYPE2");
    EXPECT_TRUE(rules.IsModified());

    // Deleting the last row makes the new last one current; deleting the only one leaves none.
    rules.SetCurrent(rules.GetCount() - 1);
    const int current = rules.Delete();
    EXPECT_EQ(current, rules.GetCount() - 1);
    EXPECT_EQ(Names(rules).back(), "DATATYPE1");
    while (rules.GetCount() > 1)
        rules.Delete();
    EXPECT_EQ(rules.Delete(), -1);
    EXPECT_EQ(rules.GetCount(), 0);
    EXPECT_FALSE(rules.SetName("X"));
    EXPECT_TRUE(messages.Texts().empty());
}

TEST_F(DataTypeDlgRulesFixture, FileReadsAndSaves)
{
    DataTypeDlgRules rules;
    ASSERT_TRUE(rules.Open());
    rules.Insert();
    const std::vector<std::string> before = Names(rules);
    {
        // A bad entry fails the read whole and names the line; the working list stays.
        MessageScript messages;
        Put("bad.dty", "[DataType]\r\nNumDataType=2\r\n1=DATE,0,,D_,0\r\n2=BROKEN\r\n");
        EXPECT_FALSE(rules.ReadFile(Path("bad.dty")));
        ASSERT_EQ(messages.Texts().size(), 1u);
        EXPECT_NE(messages.Texts()[0].find("2="), std::string::npos);
        EXPECT_EQ(Names(rules), before);
    }
    {
        MessageScript messages;
        Put("good.dty", "[DataType]\r\nNumDataType=2\r\n1=DATE,0,,D_,0\r\n2=INTEGER,0,,I_,0\r\n");
        EXPECT_TRUE(rules.ReadFile(Path("good.dty")));
        EXPECT_EQ(Names(rules), (std::vector<std::string>{"DATE", "INTEGER"}));
        EXPECT_EQ(rules.GetCurrent(), -1);
        // The insert counter starts again after a read.
        rules.Insert();
        EXPECT_EQ(Names(rules).back(), "DATATYPE1");
    }
    {
        // A name holding the separator cannot be saved: the failure is told and nothing is written.
        MessageScript messages;
        rules.SetCurrent(0);
        rules.SetName("A,B");
        EXPECT_FALSE(rules.SaveToProfile());
        EXPECT_EQ(messages.Texts().size(), 2u);
        EXPECT_TRUE(rules.IsModified());
        EXPECT_EQ(Utf8(Profile::GetProfileString(DATATYPE_SECTION, DATATYPE_COUNT_ENTRY, "<none>")), "<none>");
        rules.SetName("DATE");
        EXPECT_TRUE(rules.SaveToProfile());
        EXPECT_FALSE(rules.IsModified());
        CDataTypeList reloaded;
        EXPECT_EQ(reloaded.LoadFromProfile(), 3);
    }
}

} // namespace DataTypeDlgRulesTest
