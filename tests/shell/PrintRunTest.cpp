// The print switches run the real program as a process: a print run never waits for a person.
// A file another instance holds for editing prints all the same, and a run that cannot print says
// why on standard error and ends with exit code 1.
#include "document/ZivraDoc.h"
#include "foundation/CommandIds.h"
#include "platform/profile/Profile.h"
#include "platform/storage/FileLock.h"
#include "shell/MainFrame.h"
#include "shell/ZivraApp.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace PrintRunTestImpl {

// The application started without arguments, to write the drawing the runs print.
class PlainApp : public CZivraApp
{
protected:
    void ParseStartCommandLine(CCommandLineInfo&) override {}
};

struct RunResult
{
    bool finished = false;
    int exitCode = -1;
    std::string standardError;
};

} // namespace PrintRunTestImpl

class PrintRun : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.isValid());
        m_previousProfile = QFileInfo(QFileInfo(Profile::FilePath()).absolutePath()).absolutePath();
        ASSERT_TRUE(QDir(m_folder.path()).mkpath(QStringLiteral("profile")));
        Profile::SetDirectory(m_folder.filePath("profile"));
    }
    void TearDown() override { Profile::SetDirectory(m_previousProfile); }

    // A new, empty drawing saved under the name.
    QString SaveNewDrawing(const QString& name)
    {
        const QString file = m_folder.filePath(name);
        PrintRunTestImpl::PlainApp app;
        EXPECT_TRUE(app.InitInstance());
        app.GetMainFrame()->SendMessage(WM_COMMAND, ID_FILE_NEW);
        CDocument* doc = app.GetMainFrame()->GetActiveDocument();
        EXPECT_NE(doc, nullptr);
        if (doc) {
            EXPECT_TRUE(doc->OnSaveDocument(QFile::encodeName(file).constData()));
        }
        app.GetMainFrame()->SendMessage(WM_CLOSE);
        app.ExitInstance();
        return file;
    }

    // Runs the program with the arguments on a private profile and runtime folder, without a
    // display. The time limit only keeps a hanging run from hanging the suite.
    PrintRunTestImpl::RunResult RunProgram(const QStringList& arguments)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            environment.remove(QString::fromLatin1(name));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_folder.filePath("config"));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_folder.path());
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(ZIVRA_PROGRAM), arguments);
        PrintRunTestImpl::RunResult result;
        result.finished = program.waitForFinished(60000) && program.exitStatus() == QProcess::NormalExit;
        if (!result.finished)
            program.kill();
        program.waitForFinished();
        result.exitCode = program.exitCode();
        result.standardError = program.readAllStandardError().toStdString();
        return result;
    }

    QTemporaryDir m_folder;
    QString m_previousProfile;
};

TEST_F(PrintRun, AFileHeldForEditingElsewherePrintsToPdfWithoutAnyNotice)
{
    const QString file = SaveNewDrawing(QStringLiteral("held.zvr"));
    // The lock an editing instance holds on its open file.
    const int held = ::open(QFile::encodeName(file).constData(), O_RDWR | O_CLOEXEC);
    ASSERT_GE(held, 0);
    ASSERT_TRUE(FileLock::TryLockForEditing(held));

    const QString pdf = m_folder.filePath("held.pdf");
    const PrintRunTestImpl::RunResult run = RunProgram({QStringLiteral("-pt"), file, pdf});
    ::close(held);
    ASSERT_TRUE(run.finished) << run.standardError;
    EXPECT_EQ(run.exitCode, 0) << run.standardError;
    EXPECT_EQ(run.standardError.find("ﾛｯｸ"), std::string::npos) << run.standardError;
    QFile output(pdf);
    ASSERT_TRUE(output.open(QIODevice::ReadOnly));
    EXPECT_TRUE(output.read(5) == "%PDF-");
}

TEST_F(PrintRun, ARunThatCannotPrintSaysWhyOnStandardErrorAndEndsWithOne)
{
    const QString file = SaveNewDrawing(QStringLiteral("good.zvr"));
    // The same drawing cut off in the middle.
    QFile whole(file);
    ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
    const QByteArray bytes = whole.readAll();
    QFile damaged(m_folder.filePath("damaged.zvr"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(bytes.left(bytes.size() / 2));
    damaged.close();

    const struct
    {
        QStringList arguments;
        const char* message;
    } cases[] = {
        {{QStringLiteral("-pt"), damaged.fileName(), m_folder.filePath("damaged.pdf")}, "予期しないファイル形式です。"},
        {{QStringLiteral("-pt"), file, QStringLiteral("no-such-printer")}, "印刷できるプリンタがありません。"},
    };
    for (const auto& c : cases) {
        const std::string name = c.arguments.join(' ').toStdString();
        const PrintRunTestImpl::RunResult run = RunProgram(c.arguments);
        ASSERT_TRUE(run.finished) << name << run.standardError;
        EXPECT_EQ(run.exitCode, 1) << name << run.standardError;
        EXPECT_NE(run.standardError.find(std::string(c.message) + "\n"), std::string::npos)
            << name << run.standardError;
    }
    EXPECT_FALSE(QFile::exists(m_folder.filePath("damaged.pdf")));
}

// A print run that changes no setting leaves the settings file as it was.
TEST_F(PrintRun, ARepeatedRunLeavesTheSettingsFileAlone)
{
    const QString file = SaveNewDrawing(QStringLiteral("plain.zvr"));
    const QString pdf = m_folder.filePath("plain.pdf");
    const PrintRunTestImpl::RunResult first = RunProgram({QStringLiteral("-pt"), file, pdf});
    ASSERT_TRUE(first.finished) << first.standardError;
    ASSERT_EQ(first.exitCode, 0) << first.standardError;
    QFile settings(m_folder.filePath("config/Orlek/Zivra.conf"));
    ASSERT_TRUE(settings.exists());
    const QDateTime past = QDateTime::currentDateTime().addDays(-1);
    ASSERT_TRUE(settings.open(QIODevice::ReadWrite));
    ASSERT_TRUE(settings.setFileTime(past, QFileDevice::FileModificationTime));
    settings.close();

    const PrintRunTestImpl::RunResult again = RunProgram({QStringLiteral("-pt"), file, pdf});
    ASSERT_TRUE(again.finished) << again.standardError;
    EXPECT_EQ(again.exitCode, 0) << again.standardError;
    EXPECT_EQ(QFileInfo(settings.fileName()).lastModified(), past);
}
