#include "foundation/Placement.h"

#include "platform/profile/Profile.h"

#include <gtest/gtest.h>

#include <climits>

namespace placement_test {

WINDOWPLACEMENT Marker()
{
    WINDOWPLACEMENT p;
    p.length = 7;
    p.showCmd = 99;
    return p;
}


TEST(Placement, RoundTripsThroughTheProfileText)
{
    WINDOWPLACEMENT written;
    written.flags = WPF_RESTORETOMAXIMIZED;
    written.showCmd = SW_SHOWMAXIMIZED;
    written.ptMinPosition = {-1, -1};
    written.ptMaxPosition = {-8, -31};
    written.rcNormalPosition = {22, 33, 1044, 801};
    ASSERT_TRUE(WritePlacementToProfile("Settings", "MainFramePos", written));
    EXPECT_EQ(Profile::GetProfileString("Settings", "MainFramePos"), CString("2,3,-1,-1,-8,-31,22,33,1044,801"));

    WINDOWPLACEMENT read = Marker();
    ASSERT_TRUE(ReadPlacementFromProfile("Settings", "MainFramePos", read));
    EXPECT_EQ(read.length, 44u);
    EXPECT_EQ(sizeof(WINDOWPLACEMENT), 44u);
    EXPECT_EQ(read.flags, written.flags);
    EXPECT_EQ(read.showCmd, written.showCmd);
    EXPECT_EQ(CPoint(read.ptMaxPosition), CPoint(-8, -31));
    EXPECT_EQ(read.rcNormalPosition.left, 22);
    EXPECT_EQ(read.rcNormalPosition.bottom, 801);
}

TEST(Placement, MalformedTextLeavesThePlacementAlone)
{
    const char* texts[] = {
        "",                                     // missing
        "0,1,-1,-1,-1,-1,10,20,30",             // nine numbers
        "0,1,-1,-1,-1,-1,0,0,0,0",              // empty normal rectangle
        "0,1,-1,-1,-1,-1,10,20,x,40",           // not a number
        "0;1;-1;-1;-1;-1;10;20;30;40",          // other separators
        "-1,1,-1,-1,-1,-1,10,20,30,40",         // negative flags
        "0,1,-1,-1,-1,-1,10,20,30,99999999999", // beyond 32 bits
    };
    for (const char* text : texts) {
        Profile::WriteProfileString("Settings", "Pos", text);
        WINDOWPLACEMENT p = Marker();
        EXPECT_FALSE(ReadPlacementFromProfile("Settings", "Pos", p)) << text;
        EXPECT_EQ(p.length, 7u) << text;
        EXPECT_EQ(p.showCmd, 99u) << text;
    }
    Profile::WriteProfileString("Settings", "Pos", " 0, 1,-1,-1,-1,-1,10,20,30,40 and more");
    WINDOWPLACEMENT p = Marker();
    EXPECT_TRUE(ReadPlacementFromProfile("Settings", "Pos", p)); // scanf's tolerance: spaces before numbers, a tail
    EXPECT_EQ(p.rcNormalPosition.bottom, 40);
}

TEST(Placement, TextTooLongForTheRecordIsNotWritten)
{
    Profile::WriteProfileString("Settings", "Long", "kept");
    WINDOWPLACEMENT p;
    p.flags = UINT_MAX;
    p.showCmd = UINT_MAX;
    p.ptMinPosition = {INT_MIN, INT_MIN};
    p.ptMaxPosition = {INT_MIN, INT_MIN};
    p.rcNormalPosition = {INT_MIN, INT_MIN, INT_MIN, INT_MIN};
    EXPECT_FALSE(WritePlacementToProfile("Settings", "Long", p));
    EXPECT_EQ(Profile::GetProfileString("Settings", "Long"), CString("kept"));
}

} // namespace placement_test
