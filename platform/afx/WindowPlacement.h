// The window placement record and the show commands it carries.
#pragma once

#include "platform/afx/Point.h"

struct WINDOWPLACEMENT
{
    UINT length = sizeof(WINDOWPLACEMENT);
    UINT flags = 0;
    UINT showCmd = 0;
    POINT ptMinPosition{0, 0};
    POINT ptMaxPosition{0, 0};
    RECT rcNormalPosition{0, 0, 0, 0};
};

constexpr UINT WPF_SETMINPOSITION = 0x1;
constexpr UINT WPF_RESTORETOMAXIMIZED = 0x2;

constexpr UINT SW_HIDE = 0;
constexpr UINT SW_SHOWNORMAL = 1;
constexpr UINT SW_NORMAL = 1;
constexpr UINT SW_SHOWMINIMIZED = 2;
constexpr UINT SW_SHOWMAXIMIZED = 3;
constexpr UINT SW_MAXIMIZE = 3;
constexpr UINT SW_SHOWNOACTIVATE = 4;
constexpr UINT SW_SHOW = 5;
constexpr UINT SW_MINIMIZE = 6;
constexpr UINT SW_SHOWMINNOACTIVE = 7;
constexpr UINT SW_SHOWNA = 8;
constexpr UINT SW_RESTORE = 9;
constexpr UINT SW_SHOWDEFAULT = 10;
