// When the profile file is written: a value already stored leaves the file alone, and a batch of
// writes reaches the file once, when the batch ends.
#include "platform/profile/Profile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace ProfileWriteTest {

class ProfileWrites : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        Profile::SetDirectory(m_dir.path());
        m_path = Profile::FilePath();
    }
    bool FileExists() const { return QFile::exists(m_path); }
    // The file is removed behind the profile's back: a later write that reaches the disk shows.
    void RemoveFile() const { ASSERT_TRUE(QFile::remove(m_path)); }

    QTemporaryDir m_dir;
    QString m_path;
};

TEST_F(ProfileWrites, StoredValuesAreNotWrittenAgain)
{
    ASSERT_TRUE(Profile::WriteProfileInt("Settings", "Zoom", 100));
    ASSERT_TRUE(Profile::WriteProfileString("Settings", "Face", "Mincho"));
    ASSERT_TRUE(FileExists());
    RemoveFile();
    // Each of these finds the file's state as it is meant to be.
    EXPECT_TRUE(Profile::WriteProfileInt("Settings", "Zoom", 100));
    EXPECT_TRUE(Profile::WriteProfileString("Settings", "Face", "Mincho"));
    EXPECT_TRUE(Profile::WriteProfileString("Settings", "Missing", nullptr));
    EXPECT_TRUE(Profile::WriteProfileString("No such section", nullptr, nullptr));
    EXPECT_FALSE(FileExists());

    // A change is written at once.
    EXPECT_TRUE(Profile::WriteProfileInt("Settings", "Zoom", 75));
    EXPECT_TRUE(FileExists());
    EXPECT_EQ(Profile::GetProfileInt("Settings", "Zoom", 0), 75);
}

TEST_F(ProfileWrites, ABatchWritesTheFileOnceWhenItEnds)
{
    ASSERT_TRUE(Profile::WriteProfileInt("Settings", "Zoom", 100));
    RemoveFile();
    {
        const Profile::WriteBatch outer;
        {
            const Profile::WriteBatch inner;
            EXPECT_TRUE(Profile::WriteProfileInt("Settings", "Zoom", 50));
        }
        EXPECT_TRUE(Profile::WriteProfileString("Recent File List", "File1", "/tmp/a.zvr"));
        EXPECT_FALSE(FileExists()) << "nothing reaches the file before the outermost batch ends";
        EXPECT_EQ(Profile::GetProfileInt("Settings", "Zoom", 0), 50) << "reads see the writes";
    }
    EXPECT_TRUE(FileExists());
    Profile::SetDirectory(m_dir.path()); // read back from the file, not from memory
    EXPECT_EQ(Profile::GetProfileInt("Settings", "Zoom", 0), 50);
    EXPECT_EQ(Profile::GetProfileString("Recent File List", "File1"), CString("/tmp/a.zvr"));

    // A batch that changes nothing leaves the file alone.
    ASSERT_TRUE(Profile::WriteProfileInt("Settings", "Zoom", 25));
    RemoveFile();
    {
        const Profile::WriteBatch batch;
        EXPECT_TRUE(Profile::WriteProfileInt("Settings", "Zoom", 25));
    }
    EXPECT_FALSE(FileExists());
}

} // namespace ProfileWriteTest
