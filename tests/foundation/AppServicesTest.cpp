#include "tests/support/TestAppServices.h"

#include <gtest/gtest.h>

TEST(AppServices, AStandInRegistersWhileItLivesAndRestoresTheOneBefore)
{
    EXPECT_EQ(GetAppServices(), nullptr);
    {
        TestAppServices outer;
        {
            TestAppServices inner;
            EXPECT_EQ(GetAppServices(), &inner);
            GetAppServices()->SetLoadedDocVersion(6);
            EXPECT_EQ(inner.GetLoadedDocVersion(), 6);
        }
        EXPECT_EQ(GetAppServices(), &outer);
        EXPECT_EQ(GetAppServices()->GetOsVersionInfo().dwPlatformId, VER_PLATFORM_WIN32_NT);
    }
    EXPECT_EQ(GetAppServices(), nullptr);
}
