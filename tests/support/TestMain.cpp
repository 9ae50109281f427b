// The main of every test binary: a Qt application on the offscreen platform, a private profile
// folder and runtime folder (so no test talks to an editor the user is running), and message
// boxes answered by the test script.
#include "tests/support/MessageScript.h"

#include "platform/profile/Profile.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir runtimeFolder;
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeFolder.path()));
    QApplication app(argc, argv);
    QTemporaryDir profileFolder;
    Profile::SetDirectory(profileFolder.path());
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new MessageScriptEnvironment);
    return RUN_ALL_TESTS();
}
