#include "shell/ProgStatusBar.h"

IMPLEMENT_DYNAMIC(CProgStatusBar, CStatusBar)
