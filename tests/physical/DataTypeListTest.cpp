#include "physical/DataTypeList.h"

#include "platform/afx/File.h"
#include "platform/profile/PrivateProfile.h"
#include "platform/profile/Profile.h"
#include "tests/support/MessageScript.h"

#include "platform/ui/Controls.h"

#include <QComboBox>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <tuple>

namespace DataTypeListTest {

// id, name (UTF-8), edit kind, enclosure, prefix, do-not-use flag
using Row = std::tuple<int, std::string, int, std::string, std::string, unsigned>;

std::vector<Row> Rows(const CDataTypeList& list)
{
    std::vector<Row> rows;
    for (POSITION pos = list.GetHeadPosition(); pos;) {
        const CDataType* t = list.GetNext(pos);
        rows.emplace_back(t->GetId(), Utf8(t->GetName()), t->GetEditKind(), Utf8(t->GetEnclosure()),
                          Utf8(t->GetColumnPrefix()), unsigned(t->GetDoNotUse()));
    }
    return rows;
}

CString Stored(const char* entry)
{
    return Profile::GetProfileString(DATATYPE_SECTION, entry, "<none>");
}

class DataTypes : public ::testing::Test
{
protected:
    void SetUp() override { Profile::WriteProfileString(DATATYPE_SECTION, nullptr, nullptr); }

    CString DtyPath() const { return FromFileSystemPath(m_dir.path().toStdString()) + CString(u8"/型.dty"); }
    void PutDty(const std::string& bytes) const
    {
        std::ofstream(ToFileSystemPath(DtyPath()), std::ios::binary) << bytes;
    }
    std::string DtyBytes() const
    {
        std::ifstream in(ToFileSystemPath(DtyPath()), std::ios::binary);
        std::ostringstream out;
        out << in.rdbuf();
        return out.str();
    }
    // A list of n types named T1.. with ids 1..n.
    static void FillNamed(CDataTypeList& list, int n)
    {
        for (int i = 1; i <= n; ++i) {
            CString name;
            name.Format("T%d", i);
            list.AddDataTypeDirect(new CDataType(WORD(i), name, 0, "", ""));
        }
    }

    QTemporaryDir m_dir;
};

TEST_F(DataTypes, DefaultsAreTheTwentyOneTypesInOrder)
{
    CDataTypeList list;
    FillNamed(list, 3);
    ASSERT_EQ(list.SetDefaultDataTypes(), 21);
    const std::vector<Row> expected = {
        // clang-format off
        {1, "CHAR", 1, "'", "C_", 0},        {2, "CHARACTER", 1, "'", "C_", 0},  {3, "DATE", 0, "", "D_", 0},
        {4, "DECIMAL", 1, "", "DEC_", 0},    {5, "DECIMAL", 2, "", "DEC_", 0},   {6, "FLOAT", 0, "", "F_", 0},
        {7, "INTEGER", 0, "", "I_", 0},      {8, "LONG", 0, "", "L_", 0},        {9, "LONG RAW", 0, "", "LR_", 0},
        {10, "LONG VARCHAR", 0, "", "LV_", 0}, {11, "MLSLABEL", 0, "", "M_", 0}, {12, "NUMBER", 0, "", "N_", 0},
        {13, "NUMBER", 1, "", "N_", 0},      {14, "NUMBER(*)", 0, "", "N_", 0},  {15, "NUMBER", 2, "", "N_", 0},
        {16, "RAW MLSLABEL", 0, "", "RM_", 0}, {17, "RAW", 1, "", "R_", 0},      {18, "ROWID", 0, "", "RID_", 0},
        {19, "SMALLINT", 0, "", "SI_", 0},   {20, "VARCHAR", 1, "'", "V_", 0},   {21, "VARCHAR2", 1, "'", "V_", 0},
        // clang-format on
    };
    EXPECT_EQ(Rows(list), expected);
}

TEST_F(DataTypes, StartUpFallsBackToTheDefaultsWithoutWritingThem)
{
    struct Case
    {
        const char* count;
        const char* entry1;
    };
    for (const Case& c : {Case{nullptr, nullptr}, Case{"0", "CHAR,1,',C_,0"}, Case{"1", "CHAR,1"},
                          Case{"2", "CHAR,1,',C_,0"} /* entry 2 missing */, Case{"-1", "CHAR,1,',C_,0"},
                          Case{"65536", "CHAR,1,',C_,0"}}) {
        SCOPED_TRACE(c.count ? c.count : "none");
        Profile::WriteProfileString(DATATYPE_SECTION, nullptr, nullptr);
        Profile::WriteProfileString(DATATYPE_SECTION, DATATYPE_COUNT_ENTRY, c.count);
        Profile::WriteProfileString(DATATYPE_SECTION, "1", c.entry1);
        CDataTypeList list;
        EXPECT_LE(list.LoadFromProfile(), 0);
        ASSERT_TRUE(list.LoadFromProfileOrDefaults());
        EXPECT_EQ(list.GetCount(), 21);
        EXPECT_EQ(Stored(DATATYPE_COUNT_ENTRY), c.count ? CString(c.count) : CString("<none>"));
    }
}

TEST_F(DataTypes, ProfileRoundTripRemovesTheEntriesOfALongerList)
{
    CDataTypeList list;
    list.SetDefaultDataTypes();
    list.GetHead()->SetName(CString(u8"固定長文字"));
    list.GetTail()->SetDoNotUse(1);
    ASSERT_TRUE(list.SaveToProfile());
    EXPECT_EQ(Stored(DATATYPE_COUNT_ENTRY), "21");
    EXPECT_EQ(Stored("21"), "VARCHAR2,1,',V_,1");
    EXPECT_EQ(Stored("15"), "NUMBER,2,,N_,0");

    CDataTypeList loaded;
    EXPECT_EQ(loaded.LoadFromProfile(), 21);
    EXPECT_EQ(Rows(loaded), Rows(list));

    CDataTypeList shorter;
    FillNamed(shorter, 5);
    ASSERT_TRUE(shorter.SaveToProfile());
    EXPECT_EQ(Stored(DATATYPE_COUNT_ENTRY), "5");
    EXPECT_EQ(Stored("5"), "T5,0,,,0");
    EXPECT_EQ(Stored("6"), "<none>");
    EXPECT_EQ(Stored("21"), "<none>");
}

TEST_F(DataTypes, EntriesParseFieldByFieldAndStopAtAMissingSeparator)
{
    // entry, loads, then the fields as they stand afterwards
    struct Case
    {
        const char* entry;
        bool ok;
        const char* name;
        int kind;
        const char* enclosure;
        const char* prefix;
        unsigned flag;
    };
    for (const Case& c : {
             Case{"NUMBER,2,,N_,0", true, "NUMBER", 2, "", "N_", 0},
             Case{"X, 7,',P,1,more", true, "X", 7, "'", "P", 1},
             Case{"X,-1,,P,+3", true, "X", 65535, "", "P", 3},
             Case{"X,abc,,P,zz", true, "X", 0, "", "P", 0},
             Case{"NUMBER,2,,N_", false, "NUMBER", 2, "", "start", 9},
             Case{"NUMBER", false, "start", 4, "start", "start", 9},
             Case{"", false, "start", 4, "start", "start", 9},
         }) {
        SCOPED_TRACE(c.entry);
        Profile::WriteProfileString(DATATYPE_SECTION, "3", c.entry);
        CDataType type(3, "start", 4, "start", "start");
        type.SetDoNotUse(9);
        EXPECT_EQ(type.LoadFromProfile(), c.ok ? TRUE : FALSE);
        EXPECT_EQ(type.GetName(), c.name);
        EXPECT_EQ(type.GetEditKind(), c.kind);
        EXPECT_EQ(type.GetEnclosure(), c.enclosure);
        EXPECT_EQ(type.GetColumnPrefix(), c.prefix);
        EXPECT_EQ(type.GetDoNotUse(), c.flag);
    }
    const CDataType loaded(3); // the id constructor reads the stored entry
    EXPECT_EQ(loaded.GetName(), "");
}

TEST_F(DataTypes, DtyFileRoundTripKeepsTheRestOfTheFile)
{
    PutDty("[Note]\r\nby=hand\r\n[DataType]\r\nNumDataType=23\r\n22=OLD,0,,,0\r\n23=OLD,0,,,0\r\nkeep=me\r\n");
    CDataTypeList list;
    list.SetDefaultDataTypes();
    list.GetTail()->SetDoNotUse(1);
    ASSERT_TRUE(list.WriteDtyFile(DtyPath()));
    const std::string bytes = DtyBytes();
    EXPECT_EQ(bytes.rfind("[Note]\r\nby=hand\r\n[DataType]\r\nNumDataType=21\r\nkeep=me\r\n1=CHAR,1,',C_,0\r\n", 0),
              0u);
    EXPECT_NE(bytes.find("\r\n21=VARCHAR2,1,',V_,1\r\n"), std::string::npos);
    EXPECT_EQ(bytes.find("22="), std::string::npos);

    CDataTypeList read;
    FillNamed(read, 2);
    EXPECT_EQ(read.ReadDtyFile(DtyPath()), 21);
    EXPECT_EQ(Rows(read), Rows(list));
    EXPECT_EQ(Stored(DATATYPE_COUNT_ENTRY), "<none>"); // the profile is not touched
}

TEST_F(DataTypes, DtyFileMissingEntriesReadEmptyAndBadOnesFail)
{
    PutDty("[DataType]\r\nNumDataType=3\r\n1=DATE,0,,D_,0\r\n");
    CDataTypeList list;
    EXPECT_EQ(list.ReadDtyFile(DtyPath()), 3);
    EXPECT_EQ(Rows(list),
              (std::vector<Row>{{1, "DATE", 0, "", "D_", 0}, {2, "", 0, "", "", 0}, {3, "", 0, "", "", 0}}));

    // A bad entry fails the whole read: the list keeps what it held, and the entry is named.
    const std::vector<Row> held = Rows(list);
    PutDty("[DataType]\r\nNumDataType=3\r\n1=DATE,0,,D_,0\r\n2=BROKEN,1\r\n3=INTEGER,0,,I_,0\r\n");
    int failed = -1;
    EXPECT_EQ(list.ReadDtyFile(DtyPath(), &failed), -1);
    EXPECT_EQ(failed, 2);
    EXPECT_EQ(Rows(list), held);

    for (const char* count : {"-1", "70000"}) {
        PutDty(std::string("[DataType]\r\nNumDataType=") + count + "\r\n1=DATE,0,,D_,0\r\n");
        EXPECT_EQ(list.ReadDtyFile(DtyPath(), &failed), -1) << count;
        EXPECT_EQ(failed, 0);
        EXPECT_EQ(Rows(list), held);
    }

    EXPECT_EQ(list.ReadDtyFile(""), -1);
    EXPECT_EQ(Rows(list), held); // an empty path leaves the list alone
    EXPECT_FALSE(list.WriteDtyFile(""));
}

TEST_F(DataTypes, AFieldHoldingTheSeparatorIsRefusedBeforeAnythingIsWritten)
{
    CDataTypeList stored;
    stored.SetDefaultDataTypes();
    ASSERT_TRUE(stored.SaveToProfile());
    ASSERT_TRUE(stored.WriteDtyFile(DtyPath()));
    const std::string fileBefore = DtyBytes();

    CDataTypeList list;
    FillNamed(list, 2);
    list.GetTail()->SetEditKind(1);
    list.GetTail()->SetColumnPrefix("P,Q");
    {
        MessageScript script;
        EXPECT_FALSE(list.SaveToProfile());
        EXPECT_FALSE(list.WriteDtyFile(DtyPath()));
        const std::string message =
            "ﾃﾞｰﾀﾀｲﾌﾟ「T2(桁数)」のｶﾗﾑ名ﾌﾟﾚﾌｨｯｸｽにｶﾝﾏ(,)または改行が含まれているため、ﾃﾞｰﾀﾀｲﾌﾟを保存できません。";
        EXPECT_EQ(script.Texts(), (std::vector<std::string>{message, message}));
        EXPECT_EQ(script.Messages().at(0).type, UINT(MB_ICONEXCLAMATION));
    }
    EXPECT_EQ(Stored(DATATYPE_COUNT_ENTRY), "21");
    EXPECT_EQ(Stored("1"), "CHAR,1,',C_,0");
    EXPECT_EQ(DtyBytes(), fileBefore);

    list.GetTail()->SetColumnPrefix("P");
    list.GetHead()->SetName("A\r\nB");
    MessageScript script;
    EXPECT_FALSE(list.WriteDtyFile(DtyPath()));
    ASSERT_EQ(script.Texts().size(), 1u);
    EXPECT_NE(script.Texts()[0].find("のﾃﾞｰﾀﾀｲﾌﾟにｶﾝﾏ(,)"), std::string::npos);

    // An entry too long to be read back whole is refused the same way.
    list.GetHead()->SetName(CString(std::string(1100, 'N')));
    EXPECT_FALSE(list.WriteDtyFile(DtyPath()));
    ASSERT_EQ(script.Texts().size(), 2u);
    EXPECT_NE(script.Texts()[1].find("の設定が1023ﾊﾞｲﾄを超えるため、ﾃﾞｰﾀﾀｲﾌﾟを保存できません。"), std::string::npos);
    EXPECT_EQ(DtyBytes(), fileBefore);
}

TEST(DataTypeTexts, FullLabelAndShortTexts)
{
    struct Case
    {
        CString name;
        int kind;
        CString prefix;
        const char* full;
        const char* label;
        CString shortText;
    };
    const CString dbcsPrefix("\x83\x5F"); // one double-byte character whose second byte is '_'
    for (const Case& c : {
             Case{"VARCHAR2", 1, "V_", "VARCHAR2(20)", "VARCHAR2(桁数)", "V(20)"},
             Case{"DECIMAL", 2, "DEC_", "DECIMAL(20,2)", "DECIMAL(桁数,小数桁数)", "DEC(20,2)"},
             Case{"ROWID", 0, "RID_", "ROWID", "ROWID", "RID"},
             Case{"DATE", 0, "", "DATE", "DATE", "D"},
             Case{"ODD", 7, "O", "ODD", "ODD", "O"},
             Case{"", 1, "", "(20)", "(桁数)", "(20)"},
             Case{CString(u8"数値"), 0, "", "数値", "数値", CString(u8"数")},
             Case{"X", 0, dbcsPrefix, "X", "X", dbcsPrefix},
         }) {
        SCOPED_TRACE(Utf8(c.name));
        const CDataType type(1, c.name, WORD(c.kind), "", c.prefix);
        EXPECT_EQ(Utf8(FormatDataTypeText(c.name, WORD(c.kind), 20, 2)), c.full);
        EXPECT_EQ(Utf8(type.GetLabel()), c.label);
        EXPECT_EQ(type.FormatShortTypeText(20, 2), c.shortText);
    }
    EXPECT_EQ(FormatDataTypeText("N", 2, 4294967295u, 0), "N(4294967295,0)");
    EXPECT_EQ(GetEditKindForSize(0, 3), 0);
    EXPECT_EQ(GetEditKindForSize(5, 0), 1);
    EXPECT_EQ(GetEditKindForSize(5, 3), 2);
}

TEST_F(DataTypes, LookupsByNameKindSizeAndLabel)
{
    CDataTypeList list;
    list.SetDefaultDataTypes();
    list.AddDataTypeDirect(new CDataType(22, "MONEY", 2, "", "M_"));
    list.FindDataTypeByNameAndKind("ROWID", 0)->SetDoNotUse(1);

    EXPECT_EQ(list.FindDataTypeForSize("NUMBER", 10, 0)->GetId(), 13);
    EXPECT_EQ(list.FindDataTypeForSize("NUMBER", 0, 0)->GetId(), 12);
    EXPECT_EQ(list.FindDataTypeForSize("NUMBER", 9, 2)->GetId(), 15);
    EXPECT_EQ(list.FindDataTypeForSize("DATE", 9, 2)->GetId(), 3);
    EXPECT_EQ(list.FindDataTypeForSize("MONEY", 0, 0)->GetId(), 22);
    EXPECT_EQ(list.FindDataTypeForSize("number", 10, 0), nullptr);
    EXPECT_EQ(list.FindDataTypeByNameAndKind("DECIMAL", 0), nullptr);
    EXPECT_EQ(list.FindDataTypeByLabel(CString(u8"NUMBER(桁数,小数桁数)"))->GetId(), 15);
    EXPECT_EQ(list.FindDataTypeByLabel("ROWID")->GetId(), 18);
    EXPECT_EQ(list.FindDataTypeByLabel("NUMBER(10)"), nullptr);
}

TEST_F(DataTypes, InsertAfterAnIndexAndRenumber)
{
    CDataTypeList list;
    FillNamed(list, 3);
    EXPECT_EQ(list.InsertAfterDataType(new CDataType(0, "A", 0, "", ""), 0), 1);
    EXPECT_EQ(list.InsertAfterDataType(new CDataType(0, "B", 0, "", ""), -1), 4);
    EXPECT_EQ(list.InsertAfterDataType(new CDataType(0, "C", 0, "", ""), 9), 5);
    list.RenumberDataTypes();
    std::vector<std::pair<int, std::string>> got;
    for (const Row& r : Rows(list))
        got.emplace_back(std::get<0>(r), std::get<1>(r));
    EXPECT_EQ(
        got, (std::vector<std::pair<int, std::string>>{{1, "T1"}, {2, "A"}, {3, "T2"}, {4, "T3"}, {5, "B"}, {6, "C"}}));
}

TEST_F(DataTypes, ComboOffersTheTypesInUse)
{
    CDataTypeList list;
    QComboBox widget;
    CComboBox combo;
    combo.Attach(&widget);
    widget.addItem("kept");
    EXPECT_EQ(list.FillDataTypeCombo(&combo), 0); // an empty list leaves the combo alone
    EXPECT_EQ(combo.GetCount(), 1);

    list.SetDefaultDataTypes();
    list.FindDataTypeByNameAndKind("ROWID", 0)->SetDoNotUse(1);
    EXPECT_EQ(list.FillDataTypeCombo(&combo), 20);
    CString text;
    combo.GetLBText(14, text);
    EXPECT_EQ(text, CString(u8"NUMBER(桁数,小数桁数)"));

    EXPECT_EQ(SelectDataTypeInCombo(&combo, "NUMBER", 1), 12);
    EXPECT_EQ(reinterpret_cast<CDataType*>(combo.GetItemData(combo.GetCurSel()))->GetId(), 13);
    for (const char* name : {"ROWID", "", "NUMBER(*)x"}) {
        EXPECT_EQ(SelectDataTypeInCombo(&combo, name, 0), -1) << name;
        EXPECT_EQ(combo.GetCurSel(), -1);
    }

    CComboBox detached;
    MessageScript script;
    EXPECT_EQ(list.FillDataTypeCombo(&detached), 0);
    EXPECT_EQ(script.Texts(), std::vector<std::string>{"DataTypeｺﾝﾎﾞﾎﾞｯｸｽの初期化中にｴﾗｰが発生しました。"});
}

} // namespace DataTypeListTest
