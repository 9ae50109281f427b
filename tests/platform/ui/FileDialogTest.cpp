// The file dialogs as the user sees them: Qt's own texts in Japanese, each filter shown once with
// its patterns, and a start in a folder that makes sense (never the process's working folder).
#include "platform/ui/FileDialog.h"
#include "platform/ui/QtTranslations.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace FileDialogTest {

struct Seen
{
    QStringList filters;
    QString folder;
    QStringList labels;
};

// Runs the real dialog and reads it as it shows, then cancels it.
Seen ShowAndCancel(CFileDialog& dialog)
{
    Seen seen;
    QTimer::singleShot(0, [&seen] {
        auto* shown = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!shown)
            return;
        seen.filters = shown->nameFilters();
        seen.folder = shown->directory().absolutePath();
        for (QLabel* label : shown->findChildren<QLabel*>())
            seen.labels << label->text();
        shown->reject();
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    return seen;
}

} // namespace FileDialogTest

TEST(FileDialog, ShowsJapaneseTextsAndEachFilterOnce)
{
    ASSERT_TRUE(InstallQtTranslations());
    CFileDialog dialog(FALSE);
    dialog.m_filters = {{CString(u8"Zivra ﾌｧｲﾙ (*.zvr)"), CString("*.zvr")},
                        {CString(u8"ﾃｷｽﾄ"), CString("*.txt;*.csv")}};
    const FileDialogTest::Seen seen = FileDialogTest::ShowAndCancel(dialog);
    EXPECT_EQ(seen.filters,
              QStringList({QStringLiteral(u"Zivra ﾌｧｲﾙ (*.zvr)"), QStringLiteral(u"ﾃｷｽﾄ (*.txt *.csv)")}));
    EXPECT_TRUE(seen.labels.contains(QStringLiteral(u"ファイル名(&N):"))) << seen.labels.join('|').toStdString();
}

TEST(FileDialog, StartsInTheGivenFolderTheNamesFolderTheLastChosenFolderOrTheDocuments)
{
    QTemporaryDir given, chosen;
    CFileDialog first(FALSE);
    first.m_strFileName = CString(u8"無題1"); // a new document's title, no folder
    EXPECT_NE(FromQString(QDir::currentPath()), first.StartFolder());
    EXPECT_EQ(QDir(ToQString(first.StartFolder())).exists(), true);

    const CFileDialog::Hook previous = CFileDialog::SetHook([&chosen](CFileDialog& dialog) {
        dialog.m_strFileName = FromQString(chosen.filePath(QStringLiteral("a.zvr")));
        return IDOK;
    });
    EXPECT_EQ(first.DoModal(), IDOK);
    CFileDialog::SetHook(previous);

    CFileDialog next(TRUE);
    EXPECT_EQ(ToQString(next.StartFolder()), chosen.path()); // the last folder chosen in this run
    EXPECT_EQ(FileDialogTest::ShowAndCancel(next).folder, chosen.path());
    next.m_strFileName = FromQString(given.filePath(QStringLiteral("b.zvr")));
    EXPECT_EQ(ToQString(next.StartFolder()), given.path());
    next.m_strInitialDir = FromQString(chosen.path());
    EXPECT_EQ(ToQString(next.StartFolder()), chosen.path());
}
