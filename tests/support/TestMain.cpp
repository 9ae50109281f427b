// The main of every test binary: a Qt application on the offscreen platform, a private runtime
// folder (so no test talks to an editor the user is running), a fresh private profile folder for
// every test (so no test sees settings another one wrote, whatever the order), and message boxes
// answered by the test script.
#include "tests/support/MessageScript.h"

#include "platform/profile/Profile.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

class FreshProfilePerTest : public ::testing::EmptyTestEventListener
{
public:
    FreshProfilePerTest() { Profile::SetDirectory(m_spare.path()); }
    void OnTestStart(const ::testing::TestInfo&) override
    {
        m_folder = std::make_unique<QTemporaryDir>();
        Profile::SetDirectory(m_folder->path());
    }
    void OnTestEnd(const ::testing::TestInfo&) override
    {
        Profile::SetDirectory(m_spare.path());
        m_folder.reset();
    }

private:
    std::unique_ptr<QTemporaryDir> m_folder;
    // Where the profile points between tests (global set-up and tear-down).
    QTemporaryDir m_spare;
};

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir runtimeFolder;
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeFolder.path()));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new FreshProfilePerTest);
    ::testing::AddGlobalTestEnvironment(new MessageScriptEnvironment);
    return RUN_ALL_TESTS();
}
