// The recent-file list in the profile: newest first, four entries, exact path comparison.
#include "platform/profile/Profile.h"
#include "platform/ui/RecentFileList.h"
#include "platform/ui/WinApp.h"

#include <gtest/gtest.h>

TEST(RecentFileList, KeepsFourNewestFirstAndWritesOnlyUsedEntries)
{
    Profile::WriteProfileString("Recent File List", nullptr, nullptr);
    Profile::WriteProfileString("Recent File List", "File1", "/d/one.zvr");
    Profile::WriteProfileString("Recent File List", "File2", "/d/two.zvr");
    CWinApp app("Zivra");
    app.LoadStdProfileSettings(4);
    CRecentFileList& list = *app.GetRecentFileList();
    ASSERT_EQ(list.GetSize(), 4);
    EXPECT_STREQ(list[0], "/d/one.zvr");

    app.AddToRecentFileList("/d/two.zvr"); // moves up
    app.AddToRecentFileList("/d/TWO.zvr"); // another file: names are case-sensitive
    app.AddToRecentFileList("/d/three.zvr");
    app.AddToRecentFileList("/d/four.zvr"); // the oldest (one) drops off
    EXPECT_STREQ(list[0], "/d/four.zvr");
    EXPECT_STREQ(list[1], "/d/three.zvr");
    EXPECT_STREQ(list[2], "/d/TWO.zvr");
    EXPECT_STREQ(list[3], "/d/two.zvr");
    EXPECT_STREQ(list.GetDisplayName(1), "&2 three.zvr");

    list.Remove(0);
    app.SaveStdProfileSettings();
    EXPECT_STREQ(Profile::GetProfileString("Recent File List", "File1"), "/d/three.zvr");
    EXPECT_STREQ(Profile::GetProfileString("Recent File List", "File3"), "/d/two.zvr");
    EXPECT_FALSE(Profile::HasProfileEntry("Recent File List", "File4"));
}
