#include "tests/document/DocumentFileTestSupport.h"

#include "tests/support/MessageScript.h"

#include <QDir>

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const std::string kNotWritable = "書込み不可のﾌｧｲﾙのため保存できません。";

void AddRects(CBaseDoc& doc, int count)
{
    for (int i = 0; i < count; ++i)
        AddRect(doc, CRect(i, -i, i + 50, -i - 50));
}

} // namespace

class DocumentOpenSave : public ::testing::Test
{
protected:
    DocumentOpenSave() { m_winApp.m_pMainWnd = &m_mainWnd; }

    // A saved document of that many rectangles at the path.
    void SaveNew(const CString& path, int rects)
    {
        TestDoc doc;
        AddRects(doc, rects);
        ASSERT_TRUE(doc.OnSaveDocument(path));
    }
    std::string FsPath(const CString& path) const { return ToFileSystemPath(path); }
    QByteArray Bytes(const CString& path) const { return ReadFileBytes(QString::fromStdString(FsPath(path))); }
    // Opens the document as the framework does: the file, then its path.
    BOOL Open(CBaseDoc& doc, const CString& path)
    {
        if (!doc.OnOpenDocument(path))
            return FALSE;
        doc.SetPathName(path, FALSE);
        return TRUE;
    }

    FileTestApp m_app;
    CWinApp m_winApp{"test"};
    NoticeWindow m_mainWnd;
    QTemporaryDir m_dir;
};

TEST_F(DocumentOpenSave, ReadOnlyFilesAndRequestsOpenReadOnly)
{
    const CString path = PathIn(m_dir, "ro.zvr");
    SaveNew(path, 2);
    struct Case
    {
        bool attribute;
        bool request;
        std::vector<std::pair<std::string, LPARAM>> notices;
    };
    for (const Case& c : std::vector<Case>{{true, false, {{"ro.zvr", 0}}}, {true, true, {}}, {false, true, {}}}) {
        SCOPED_TRACE(testing::Message() << c.attribute << c.request);
        std::filesystem::permissions(FsPath(path),
                                     c.attribute ? std::filesystem::perms(0444) : std::filesystem::perms(0644));
        m_app.m_readOnlyRequest = c.request;
        m_mainWnd.m_notices.clear();
        TestDoc doc;
        ASSERT_TRUE(Open(doc, path));
        EXPECT_TRUE(doc.IsReadOnly());
        EXPECT_EQ(DrawingOrder(doc).size(), 2u);
        EXPECT_EQ(m_mainWnd.m_notices, c.notices);
        EXPECT_FALSE(m_app.m_readOnlyRequest);

        MessageScript script;
        EXPECT_FALSE(doc.OnSaveDocument(path));
        EXPECT_EQ(script.Texts(), std::vector<std::string>({kNotWritable}));
    }
}

TEST_F(DocumentOpenSave, AFileHeldByAnotherOpenerOpensReadOnlyWithTheLockedNotice)
{
    const CString path = PathIn(m_dir, "held.zvr");
    SaveNew(path, 1);
    DocumentFile holder = DocumentFile::Open(path, DocumentFileMode::Edit);
    ASSERT_FALSE(holder.IsReadOnly());

    TestDoc doc;
    ASSERT_TRUE(Open(doc, path));
    EXPECT_TRUE(doc.IsReadOnly());
    EXPECT_EQ(m_mainWnd.m_notices, (std::vector<std::pair<std::string, LPARAM>>{{"held.zvr", 1}}));

    // Saving under another name is the way out; the copy is then the document's writable file.
    const CString copy = PathIn(m_dir, "copy.zvr");
    ASSERT_TRUE(doc.OnSaveDocument(copy));
    EXPECT_FALSE(doc.IsReadOnly());
    // Saving onto the held file under its name fails and leaves it whole.
    const QByteArray before = Bytes(path);
    {
        TestDoc other;
        AddRects(other, 3);
        MessageScript script;
        EXPECT_FALSE(other.OnSaveDocument(path));
        ASSERT_EQ(script.Messages().size(), 1u);
        EXPECT_NE(script.Texts()[0].find("共有違反"), std::string::npos);
    }
    EXPECT_EQ(Bytes(path), before);
}

TEST_F(DocumentOpenSave, AFileChangedSinceItWasReadAsksBeforeItIsOverwritten)
{
    const CString path = PathIn(m_dir, "shared.zvr");
    SaveNew(path, 1);
    for (int answer : {IDNO, IDCANCEL, IDYES}) {
        SCOPED_TRACE(answer);
        TestDoc doc;
        ASSERT_TRUE(Open(doc, path));
        const CTime readTime = doc.GetFileStatus().m_mtime;
        // Someone else saves the file after it was read.
        const auto stamp = std::filesystem::last_write_time(FsPath(path)) + std::chrono::seconds(7);
        std::filesystem::last_write_time(FsPath(path), stamp);
        CFileStatus present;
        ASSERT_TRUE(CFile::GetStatus(path, present));
        AddRect(doc);
        const QByteArray before = Bytes(path);

        MessageScript script;
        script.Answer(answer);
        EXPECT_EQ(doc.OnSaveDocument(path), answer == IDYES);
        const CString format(u8"%Y年%m月%d日%H時%M分%S秒");
        const std::string question =
            "Zivraﾌｧｲﾙを他のﾕｰｻﾞが変更した可能性があります。更新を続けると他のﾕｰｻﾞが行った変更が失われる可能性があります。"
            "更新を行いますか。\n\n読込んだ時点のﾌｧｲﾙ更新日時 :\n\t" +
            Utf8(readTime.Format(format)) + "\n現在のﾌｧｲﾙ更新日時 : \n\t" + Utf8(present.m_mtime.Format(format));
        EXPECT_EQ(script.Texts(), std::vector<std::string>({question}));
        EXPECT_EQ(script.Messages()[0].type, UINT(MB_YESNOCANCEL));
        EXPECT_EQ(Bytes(path) == before, answer != IDYES);
        EXPECT_EQ(doc.IsModified(), answer != IDYES);
        if (answer == IDYES) {
            AddRect(doc);
            EXPECT_TRUE(doc.OnSaveDocument(path)); // compared against the time of its own save now
        }
    }
}

TEST_F(DocumentOpenSave, AMissingFileIsReportedAndNotOpened)
{
    TestDoc doc;
    MessageScript script;
    EXPECT_FALSE(doc.OnOpenDocument(PathIn(m_dir, "none.zvr")));
    EXPECT_EQ(script.Texts(),
              std::vector<std::string>({"ﾌｧｲﾙのｵｰﾌﾟﾝに失敗しました。\nﾌｧｲﾙが存在していることを確認してください。\n" +
                                        m_dir.filePath("none.zvr").toStdString()}));
}

// A safe save writes its new file in the folder, so a file that may be written is still read-only
// where its folder may not, and the notice says so.
TEST_F(DocumentOpenSave, AWritableFileInAFolderThatCannotBeWrittenOpensReadOnly)
{
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("shut"));
    const std::string folder = m_dir.filePath("shut").toStdString();
    const CString path = FromFileSystemPath(folder + "/doc.zvr");
    SaveNew(path, 1);
    std::filesystem::permissions(folder, std::filesystem::perms(0555));
    TestDoc doc;
    ASSERT_TRUE(Open(doc, path));
    EXPECT_TRUE(doc.IsReadOnly());
    EXPECT_EQ(m_mainWnd.m_notices, (std::vector<std::pair<std::string, LPARAM>>{{"doc.zvr", 2}}));
    MessageScript script;
    EXPECT_FALSE(doc.OnSaveDocument(path));
    EXPECT_EQ(script.Texts(), std::vector<std::string>({kNotWritable}));
    std::filesystem::permissions(folder, std::filesystem::perms(0755));
}

// A save killed at any moment leaves the file as it was before or as it is after that save.
TEST_F(DocumentOpenSave, ASaveKilledAtAnyMomentLeavesAWholeFile)
{
    const CString path = PathIn(m_dir, "killed.zvr");
    constexpr int kRects = 4000;
    SaveNew(path, kRects);
    std::mt19937 random(20240611);
    for (int round = 0; round < 8; ++round) {
        SCOPED_TRACE(round);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            // Saves kRects + 1 and kRects rectangles in turn until it is killed.
            TestDoc doc;
            AddRects(doc, kRects);
            for (;;) {
                CRectObj* extra = AddRect(doc, CRect(-5, 5, -1, 1));
                doc.OnSaveDocument(path);
                CUndoStep step(&doc);
                doc.RemoveObject(extra);
                doc.OnSaveDocument(path);
            }
        }
        usleep(useconds_t(std::uniform_int_distribution<int>(5000, 120000)(random)));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);

        TestDoc reopened;
        ASSERT_TRUE(reopened.OnOpenDocument(path));
        const std::vector<WORD> order = DrawingOrder(reopened);
        ASSERT_TRUE(order.size() == kRects || order.size() == kRects + 1);
        for (WORD id = 1; id <= kRects; ++id)
            ASSERT_EQ(ObjectById(reopened, id)->GetRect(), CRect(id - 1, -(id - 1), id + 49, -id - 49));
    }
    // Whatever the killed saves left behind is gone after one good save.
    SaveNew(path, 1);
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{"killed.zvr"});
}
