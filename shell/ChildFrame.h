// CChildFrame: the child window of the main frame that holds one drawing view.
#pragma once

#include "platform/ui/MDIChildWnd.h"

class CChildFrame : public CMDIChildWnd
{
    DECLARE_DYNCREATE(CChildFrame)
public:
    CChildFrame() = default;
};
