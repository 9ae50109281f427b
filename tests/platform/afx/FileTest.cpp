#include "platform/afx/MemFile.h"
#include "platform/afx/StdioFile.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

namespace FileTestHelpers {

std::string DiskBytes(const std::string& utf8Path)
{
    std::ifstream in(utf8Path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

class FileTest : public ::testing::Test
{
protected:
    // A CP932 name whose second byte of 表 is '\', inside a private folder.
    CString Path(const char8_t* name) const
    {
        return FromFileSystemPath(dir.path().toStdString()) + "/" + CString(name);
    }
    QTemporaryDir dir;
};

} // namespace FileTestHelpers

using namespace FileTestHelpers;

TEST_F(FileTest, WritesReadsAndReportsStatusUnderAJapaneseName)
{
    const CString path = Path(u8"表.zvr");
    const CTime before = CTime::GetCurrentTime();
    {
        CFile file(path, CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive);
        file.Write("abcdef", 6);
        EXPECT_EQ(file.GetFileName(), CString(u8"表.zvr"));
        EXPECT_EQ(file.GetFileTitle(), CString(u8"表"));
        EXPECT_EQ(file.GetFilePath(), path);
    }
    EXPECT_EQ(DiskBytes(ToFileSystemPath(path)), "abcdef");

    CFile file(path, CFile::modeReadWrite | CFile::modeCreate | CFile::modeNoTruncate);
    EXPECT_EQ(file.GetLength(), 6u);
    EXPECT_EQ(file.Seek(-2, CFile::end), 4u);
    char buffer[8] = {};
    EXPECT_EQ(file.Read(buffer, 8), 2u);
    EXPECT_STREQ(buffer, "ef");
    EXPECT_EQ(file.GetRemainingLength(), 0u);
    EXPECT_THROW(file.Seek(-1, CFile::begin), CFileException);

    CFileStatus status;
    ASSERT_TRUE(CFile::GetStatus(path, status));
    EXPECT_EQ(status.m_size, 6u);
    EXPECT_GE(status.m_mtime, before - CTimeSpan(2));
    EXPECT_EQ(status.m_attribute & CFile::readOnly, 0);
    ::chmod(ToFileSystemPath(path).c_str(), 0444);
    ASSERT_TRUE(file.GetStatus(status));
    EXPECT_EQ(status.m_attribute & CFile::readOnly, CFile::readOnly);
}

TEST_F(FileTest, OpenFailuresNameTheirCause)
{
    const CString path = Path(u8"a.txt");
    CFileException error;
    CFile file;
    EXPECT_FALSE(file.Open(path, CFile::modeRead, &error));
    EXPECT_EQ(error.m_cause, CFileException::fileNotFound);
    EXPECT_EQ(error.m_strFileName, path);

    CFile holder(path, CFile::modeCreate | CFile::modeReadWrite | CFile::shareDenyWrite);
    holder.Write("keep", 4);
    // A second opener that would truncate is refused before it touches the contents.
    EXPECT_FALSE(file.Open(path, CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive, &error));
    EXPECT_EQ(error.m_cause, CFileException::sharingViolation);
    EXPECT_EQ(holder.GetLength(), 4u);
    EXPECT_THROW(CFile(Path(u8"missing/b.txt"), CFile::modeCreate | CFile::modeWrite), CFileException);
}

TEST_F(FileTest, StdioTextLinesEndInCrLf)
{
    const CString path = Path(u8"lines.txt");
    {
        CStdioFile out(path, CFile::modeCreate | CFile::modeWrite | CFile::typeText);
        out.WriteString("one\ntwo\n");
        out.WriteString(CString(u8"三"));
    }
    EXPECT_EQ(DiskBytes(ToFileSystemPath(path)), "one\r\ntwo\r\n\x8E\x4F");
    {
        std::ofstream(ToFileSystemPath(path), std::ios::binary | std::ios::app) << "\nlf only\n\r\n";
    }
    CStdioFile in(path, CFile::modeRead | CFile::typeText);
    std::vector<CString> lines;
    for (CString line; in.ReadString(line);)
        lines.push_back(line);
    EXPECT_EQ(lines, (std::vector<CString>{"one", "two", CString(u8"三"), "lf only", ""}));
}

TEST(MemFile, GrowsReadsShortAndHandsOverItsBuffer)
{
    CMemFile file(16);
    std::string data(100, 'x');
    file.Write(data.data(), 100);
    file.Seek(110, CFile::begin);
    file.Write("y", 1);
    EXPECT_EQ(file.GetLength(), 111u);
    file.Seek(98, CFile::begin);
    char buffer[20];
    EXPECT_EQ(file.Read(buffer, 20), 13u);
    EXPECT_EQ(std::string(buffer, 13), std::string("xx") + std::string(10, '\0') + "y");
    EXPECT_EQ(file.Read(buffer, 20), 0u);

    BYTE* owned = file.Detach();
    EXPECT_EQ(file.GetLength(), 0u);
    EXPECT_EQ(owned[110], 'y');
    std::free(owned);

    BYTE fixed[4] = {1, 2, 3, 4};
    CMemFile view(fixed, 4);
    EXPECT_EQ(view.GetRemainingLength(), 4u);
    view.Seek(2, CFile::begin);
    view.Write("\x09", 1);
    EXPECT_EQ(fixed[2], 9);
    EXPECT_THROW(view.Write("abc", 3), CMemoryException);
    EXPECT_EQ(view.Detach(), fixed);
}

TEST(FullPath, OneFileHasOneNameHoweverItWasGiven)
{
    const CString cwd = FromFileSystemPath(QDir::currentPath().toStdString());
    const struct
    {
        const char* given;
        CString expected;
    } cases[] = {
        {"a.zvr", cwd + "/a.zvr"},
        {"./sub/../a.zvr", cwd + "/a.zvr"},
        {"/tmp//x/./a.zvr", "/tmp/x/a.zvr"},
        {"/tmp\\x\\a.zvr", "/tmp/x/a.zvr"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AfxFullPath(c.given), c.expected) << c.given;
}
