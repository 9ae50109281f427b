#include "shell/ZivraApp.h"

#include "foundation/ListElements.h"

#include "platform/profile/Profile.h"

#include <gtest/gtest.h>

class ZivraApp : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Profile::WriteProfileString(COLORITEM_SECTION, nullptr, nullptr);
        Profile::WriteProfileString("AppTest", nullptr, nullptr);
    }
};

TEST_F(ZivraApp, IsTheOneApplicationAndTheLowerLayersServices)
{
    EXPECT_EQ(CZivraApp::GetApp(), nullptr);
    {
        CZivraApp app;
        EXPECT_EQ(CZivraApp::GetApp(), &app);
        EXPECT_EQ(GetAppServices(), &app);
        EXPECT_EQ(GetTableDdlServices(), &app);
        EXPECT_EQ(app.GetRegManList(), nullptr); // built during start-up
        ASSERT_NE(app.GetColorItemList(), nullptr);
        GetAppServices()->SetLoadedDocVersion(3);
        EXPECT_EQ(app.GetLoadedDocVersion(), 3);
        const OSVERSIONINFO& os = app.GetOsVersionInfo();
        EXPECT_EQ(os.dwPlatformId, VER_PLATFORM_WIN32_NT);
        EXPECT_GE(os.dwMajorVersion, 5u);
    }
    EXPECT_EQ(CZivraApp::GetApp(), nullptr);
    EXPECT_EQ(GetAppServices(), nullptr);
    EXPECT_EQ(GetTableDdlServices(), nullptr);
}

TEST_F(ZivraApp, StartUpCreatesTheDefaultPaletteOnceAndShutdownWritesEverythingBack)
{
    {
        CZivraApp app;
        app.CreateSettingsStore();
        ASSERT_TRUE(app.LoadColorPalette());
        EXPECT_EQ(app.GetColorItemList()->GetCount(), 16);
        EXPECT_EQ(Profile::GetProfileInt(COLORITEM_SECTION, "NumColorItem", 0), 16); // written at once

        COLORREF color = 0;
        app.GetColorItemList()->SelectColorByCommandId(21015, 21000, 21016, 0, color); // reorders the recent block
        app.GetRegManList()->SetRegInt("AppTest", "Zoom", 150, 0x10);
        EXPECT_FALSE(Profile::HasProfileEntry("AppTest", "Zoom"));
        EXPECT_EQ(app.ExitInstance(), 0);
        EXPECT_EQ(app.GetRegManList(), nullptr);
    }
    EXPECT_EQ(Profile::GetProfileInt("AppTest", "Zoom", 0), 150);
    EXPECT_EQ(Profile::GetProfileString(COLORITEM_SECTION, "15"), CString(u8"32896,最近使った色,1"));

    CZivraApp again;
    ASSERT_TRUE(again.LoadColorPalette());
    EXPECT_EQ(GetElementAtIndex(*again.GetColorItemList(), 14)->GetColor(), 0x008080u); // read, not the defaults
}
