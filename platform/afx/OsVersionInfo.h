// The operating-system version record the system consults (platform id, major and minor version, build).
#pragma once

#include "platform/afx/WinTypes.h"

constexpr DWORD VER_PLATFORM_WIN32s = 0;
constexpr DWORD VER_PLATFORM_WIN32_WINDOWS = 1;
constexpr DWORD VER_PLATFORM_WIN32_NT = 2;

struct OSVERSIONINFO
{
    DWORD dwOSVersionInfoSize = sizeof(OSVERSIONINFO);
    DWORD dwMajorVersion = 0;
    DWORD dwMinorVersion = 0;
    DWORD dwBuildNumber = 0;
    DWORD dwPlatformId = 0;
    char szCSDVersion[128] = {};
};
