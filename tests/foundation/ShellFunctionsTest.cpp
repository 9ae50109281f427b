#include "foundation/ShellFunctions.h"

#include "platform/afx/String.h"
#include "platform/ui/Ime.h"
#include "platform/ui/ShellOpen.h"
#include "platform/ui/Wnd.h"

#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(ShellFunctions, ShellOpenFileMapsEachOutcome)
{
    QTemporaryDir folder;
    const QString existing = folder.filePath(QString::fromUtf8("色.csv"));
    QFile file(existing);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();

    QStringList opened;
    bool accept = true;
    const DesktopOpenSink previous = SetDesktopOpenSink([&](const QString& path) {
        opened << path;
        return accept;
    });
    const CString path = FromQString(existing);
    EXPECT_EQ(ShellOpenFile(nullptr, ""), SHELLOPEN_EMPTY_PATH);
    EXPECT_EQ(ShellOpenFile(nullptr, nullptr), SHELLOPEN_EMPTY_PATH);
    EXPECT_EQ(ShellOpenFile(nullptr, FromQString(folder.filePath("missing.csv"))), SHELLOPEN_FILE_NOT_FOUND);
    EXPECT_EQ(ShellOpenFile(nullptr, FromQString(folder.filePath("nowhere/missing.csv"))), SHELLOPEN_PATH_NOT_FOUND);
    EXPECT_EQ(ShellOpenFile(nullptr, path), SHELLOPEN_OK);
    accept = false;
    EXPECT_EQ(ShellOpenFile(nullptr, path), SHELLOPEN_FAILED);
    SetDesktopOpenSink(previous);
    EXPECT_EQ(opened, QStringList({existing, existing}));
}

TEST(ShellFunctions, SetImeOpenSwitchesTheWidgetsInputMethod)
{
    EXPECT_FALSE(SetImeOpen(static_cast<QWidget*>(nullptr), TRUE));
    QLineEdit edit;
    EXPECT_TRUE(SetImeOpen(&edit, FALSE));
    EXPECT_FALSE(IsWidgetInputMethodOpen(&edit));
    EXPECT_TRUE(SetImeOpen(&edit, TRUE));
    EXPECT_TRUE(IsWidgetInputMethodOpen(&edit));

    CWnd window;
    EXPECT_FALSE(SetImeOpen(static_cast<CWnd*>(nullptr), TRUE));
    EXPECT_FALSE(SetImeOpen(&window, TRUE)); // no widget yet
    window.Attach(&edit);
    EXPECT_TRUE(SetImeOpen(&window, FALSE));
    EXPECT_FALSE(IsWidgetInputMethodOpen(&edit));
    window.Detach();
}
