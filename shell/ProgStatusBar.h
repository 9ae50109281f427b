// CProgStatusBar: the main frame's status bar (message line and the information panes).
#pragma once

#include "platform/ui/StatusBar.h"

class CProgStatusBar : public CStatusBar
{
    DECLARE_DYNAMIC(CProgStatusBar)
};
