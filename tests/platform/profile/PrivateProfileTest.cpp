#include "platform/profile/PrivateProfile.h"

#include "platform/afx/File.h"
#include "platform/afx/String.h"

#include "tests/support/ProcessLimits.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <vector>
#include <fstream>
#include <sstream>

namespace PrivateProfileTest {

class IniFile : public ::testing::Test
{
protected:
    // A Japanese file name, so the path conversion to the file system is part of every test.
    CString Path() const { return FromFileSystemPath(m_dir.path().toStdString()) + CString(u8"/型設定.dty"); }
    std::string FsPath() const { return ToFileSystemPath(Path()); }

    void Put(const std::string& bytes) const { std::ofstream(FsPath(), std::ios::binary) << bytes; }
    std::string Bytes() const
    {
        std::ifstream in(FsPath(), std::ios::binary);
        std::ostringstream out;
        out << in.rdbuf();
        return out.str();
    }
    CString Get(const char* section, const char* key, const char* def = "?", DWORD size = 255) const
    {
        char buffer[256] = {};
        GetPrivateProfileString(section, key, def, buffer, size, Path());
        return CString(buffer);
    }

    QTemporaryDir m_dir;
};

TEST_F(IniFile, WritesKeepEveryOtherLineInItsOrder)
{
    Put("; types\r\n[Other]\r\nA=1\r\n\r\n[DataType]\r\nNumDataType=1\r\n1=CHAR,1,',C_,0\r\n\r\n[Tail]\r\nZ = z\r\n");
    EXPECT_TRUE(WritePrivateProfileString("DataType", "1", "DATE,0,,D_,0", Path()));    // replaced in place
    EXPECT_TRUE(WritePrivateProfileString("datatype", "2", "INTEGER,0,,I_,0", Path())); // after the last key
    EXPECT_TRUE(WritePrivateProfileString("New", "k", "v", Path()));                    // new section at the end
    EXPECT_EQ(Bytes(), "; types\r\n[Other]\r\nA=1\r\n\r\n[DataType]\r\nNumDataType=1\r\n1=DATE,0,,D_,0\r\n"
                       "2=INTEGER,0,,I_,0\r\n\r\n[Tail]\r\nZ = z\r\n[New]\r\nk=v\r\n");

    EXPECT_TRUE(WritePrivateProfileString("DataType", "1", nullptr, Path()));
    EXPECT_TRUE(WritePrivateProfileString("Other", nullptr, nullptr, Path()));
    EXPECT_TRUE(WritePrivateProfileString("Absent", "x", nullptr, Path())); // nothing to remove is no failure
    EXPECT_EQ(Bytes(),
              "; types\r\n[DataType]\r\nNumDataType=1\r\n2=INTEGER,0,,I_,0\r\n\r\n[Tail]\r\nZ = z\r\n[New]\r\nk=v\r\n");
}

// Many keys in one write: the same result as writing them one by one, in their order.
TEST_F(IniFile, ManyKeysGoInOneWriteAsTheyWouldOneByOne)
{
    Put("[DataType]\r\n; kept\r\nNumDataType=3\r\n1=A\r\n3=C\r\n\r\n[Tail]\r\nZ=z\r\n");
    const std::vector<PrivateProfileChange> changes{{"3", std::nullopt},     {"numdatatype", CString("2")},
                                                    {"2", CString("B")},     {"2", CString("B2")},
                                                    {"1", std::nullopt},     {"1", CString("A2")},
                                                    {"absent", std::nullopt}};
    EXPECT_TRUE(WritePrivateProfileKeys("DataType", changes, Path()));
    EXPECT_EQ(Bytes(), "[DataType]\r\n; kept\r\nnumdatatype=2\r\n2=B2\r\n1=A2\r\n\r\n[Tail]\r\nZ=z\r\n");

    EXPECT_TRUE(WritePrivateProfileKeys("New", {{"k", CString("v")}}, Path()));
    EXPECT_TRUE(Bytes().ends_with("Z=z\r\n[New]\r\nk=v\r\n"));

    // One change that cannot be stored stops the whole write.
    const std::string before = Bytes();
    EXPECT_FALSE(WritePrivateProfileKeys("DataType", {{"1", CString("x")}, {"2", CString("two\nlines")}}, Path()));
    EXPECT_EQ(Bytes(), before);
}

TEST_F(IniFile, ReadsKeysWithoutRegardToCaseOrBlanks)
{
    Put("[Tail]\nZ=wrong section\n[DataType]\n  numdatatype =  21 \n1=" + CString(u8"数値,2,,N_,0").Bytes() + "\n");
    EXPECT_EQ(Get("DATATYPE", "NumDataType"), "21");
    EXPECT_EQ(Get("DataType", "1"), CString(u8"数値,2,,N_,0"));
    EXPECT_EQ(Get("DataType", "Z"), "?");
    EXPECT_EQ(Get("Missing", "1", nullptr), "");
    EXPECT_EQ(GetPrivateProfileInt("DataType", "NumDataType", 0, Path()), 21u);
    EXPECT_EQ(GetPrivateProfileInt("DataType", "2", 7, Path()), 7u);

    // A file that uses bare line feeds keeps them.
    EXPECT_TRUE(WritePrivateProfileString("DataType", "2", "X", Path()));
    EXPECT_EQ(Bytes(), "[Tail]\nZ=wrong section\n[DataType]\n  numdatatype =  21 \n1=" +
                           CString(u8"数値,2,,N_,0").Bytes() + "\n2=X\n");
}

// The first section of a name and its first key of a name win; names that differ only in the case
// of double-byte letters are different names.
TEST_F(IniFile, TheFirstSectionAndKeyOfANameWin)
{
    Put("k=before any section\n[S]\na=1\nA=2\n;c=comment\n[s]\nb=3\n" + CString(u8"[Ｓ]\na=4\n[ｓ]\na=5\n").Bytes());
    const PrivateProfileFile file(Path());
    const struct
    {
        const char8_t* section;
        const char* key;
        const char8_t* value;
    } cases[] = {
        {u8"S", "a", u8"1"},  {u8"s", "A", u8"1"},  {u8"S", "b", u8"?"},  {u8"S", "k", u8"?"},
        {u8"S", ";c", u8"?"}, {u8"Ｓ", "a", u8"4"}, {u8"ｓ", "A", u8"5"},
    };
    for (const auto& c : cases) {
        const CString section(c.section);
        EXPECT_EQ(Get(section, c.key), CString(c.value)) << section.GetString() << " " << c.key;
        char buffer[16] = {};
        file.GetString(section, c.key, "?", buffer, sizeof buffer);
        EXPECT_EQ(CString(buffer), CString(c.value)) << section.GetString() << " " << c.key;
    }
    EXPECT_EQ(file.GetInt("S", "A", 9), 1u);
    EXPECT_EQ(PrivateProfileFile("").GetInt("S", "A", 9), 9u);
}

TEST_F(IniFile, MissingFileGivesDefaultsAndIsCreatedOnWrite)
{
    EXPECT_EQ(Get("DataType", "1", "def"), "def");
    EXPECT_EQ(GetPrivateProfileInt("DataType", "NumDataType", 5, Path()), 5u);
    EXPECT_TRUE(WritePrivateProfileString("DataType", "NumDataType", "0", Path()));
    EXPECT_EQ(Bytes(), "[DataType]\r\nNumDataType=0\r\n");
}

TEST_F(IniFile, CutsLongValuesOnACharacterBoundary)
{
    const CString value(u8"aあい"); // 1 + 2 + 2 bytes
    ASSERT_TRUE(WritePrivateProfileString("S", "k", value, Path()));
    char buffer[8];
    EXPECT_EQ(GetPrivateProfileString("S", "k", "", buffer, 5, Path()), 3u);
    EXPECT_EQ(CString(buffer), CString(u8"aあ"));
    EXPECT_EQ(GetPrivateProfileString("S", "k", "", buffer, 6, Path()), 5u);
}

TEST_F(IniFile, RefusesWhatCannotBeOneLine)
{
    Put("[S]\r\nk=v\r\n");
    struct Case
    {
        const char* section;
        const char* key;
        const char* value;
    };
    for (const Case& c : {Case{"S", "k", "two\r\nlines"}, Case{"S", "a=b", "v"}, Case{"S]", "k", "v"},
                          Case{"S", "\nk", "v"}, Case{"", "k", "v"}, Case{nullptr, "k", "v"}}) {
        EXPECT_FALSE(WritePrivateProfileString(c.section, c.key, c.value, Path())) << (c.key ? c.key : "");
    }
    EXPECT_EQ(Bytes(), "[S]\r\nk=v\r\n");
    EXPECT_FALSE(WritePrivateProfileString("S", "k", "v", ""));
}

TEST_F(IniFile, AFailedWriteLeavesTheOldFileWhole)
{
    const std::string old = "[DataType]\r\nNumDataType=1\r\n1=CHAR,1,',C_,0\r\n";
    Put(old);
    BOOL written = TRUE;
    {
        // Files may grow no larger than 1 KiB while the write runs: the new content cannot be written.
        const FileSizeLimit limit(1024);
        written = WritePrivateProfileString("DataType", "2", std::string(4000, 'x').c_str(), Path());
    }

    EXPECT_FALSE(written);
    EXPECT_EQ(Bytes(), old);
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files).size(), 1); // no temporary file left behind
}

// A write killed on the way may leave a named temporary file where the file system cannot create
// an unnamed one: the next write of the same file removes it.
TEST_F(IniFile, AWriteRemovesTheTemporaryFileOfAKilledWrite)
{
    const QString stale =
        m_dir.filePath(QString::fromUtf8(reinterpret_cast<const char*>(u8".型設定.dty.k1lled00.tmp")));
    std::ofstream(stale.toStdString()) << "[DataType]\r\n";
    EXPECT_TRUE(WritePrivateProfileString("DataType", "NumDataType", "0", Path()));
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QString::fromUtf8(reinterpret_cast<const char*>(u8"型設定.dty"))});
    EXPECT_EQ(Bytes(), "[DataType]\r\nNumDataType=0\r\n");
}

TEST(ProfileNumber, ParsesLikeTheStandardConversionInTheCLocale)
{
    struct Case
    {
        const char* text;
        long long value;
    };
    for (const Case& c : {Case{"42", 42}, Case{"  \t-3", -3}, Case{"+7", 7}, Case{"12abc", 12}, Case{"1,5", 1},
                          Case{"abc", 0}, Case{"", 0}, Case{"- 4", 0}, Case{"99999999999999999999", LLONG_MAX},
                          Case{"-99999999999999999999", LLONG_MIN}}) {
        EXPECT_EQ(ParseProfileNumber(c.text), c.value) << c.text;
    }
    EXPECT_EQ(ParseProfileNumber(nullptr), 0);
}

} // namespace PrivateProfileTest
