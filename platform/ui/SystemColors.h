// The desktop's colours and sizes as the system's painting code asks for them, read from the
// application's style each time (the user may change the theme while the program runs).
#pragma once

#include "platform/afx/WinTypes.h"

constexpr int COLOR_MENU = 4;
constexpr int COLOR_MENUTEXT = 7;
constexpr int COLOR_HIGHLIGHT = 13;
constexpr int COLOR_HIGHLIGHTTEXT = 14;

constexpr int SM_CYMENU = 15;

// The colour of a COLOR_* index; black for an index not listed above.
COLORREF GetSysColor(int index);
// The size of an SM_* index in pixels; 0 for an index not listed above.
int GetSystemMetrics(int index);
