#include "shell/ChildFrame.h"

IMPLEMENT_DYNCREATE(CChildFrame, CMDIChildWnd)
