// CControlBar: the base of the frame's toolbars and status bar. The frame updates every bar's items
// through their update handlers when the program is idle.
#pragma once

#include "platform/ui/Wnd.h"

class CFrameWnd;

// Bar styles.
constexpr DWORD CBRS_ALIGN_LEFT = 0x1000;
constexpr DWORD CBRS_ALIGN_TOP = 0x2000;
constexpr DWORD CBRS_ALIGN_RIGHT = 0x4000;
constexpr DWORD CBRS_ALIGN_BOTTOM = 0x8000;
constexpr DWORD CBRS_ALIGN_ANY = 0xF000;
constexpr DWORD CBRS_BORDER_LEFT = 0x0100;
constexpr DWORD CBRS_BORDER_TOP = 0x0200;
constexpr DWORD CBRS_BORDER_RIGHT = 0x0400;
constexpr DWORD CBRS_BORDER_BOTTOM = 0x0800;
constexpr DWORD CBRS_TOOLTIPS = 0x0010;
constexpr DWORD CBRS_FLYBY = 0x0020;
constexpr DWORD CBRS_GRIPPER = 0x00400000;
constexpr DWORD CBRS_SIZE_DYNAMIC = 0x0080;
constexpr DWORD CBRS_HIDE_INPLACE = 0x0008;
constexpr DWORD CBRS_TOP = CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM;
constexpr DWORD CBRS_BOTTOM = CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP;
constexpr DWORD WS_CHILD = 0x40000000;
constexpr DWORD WS_VISIBLE = 0x10000000;
constexpr DWORD WS_OVERLAPPEDWINDOW = 0x00CF0000;
constexpr DWORD FWS_ADDTOTITLE = 0x00008000;

class CControlBar : public CWnd
{
    DECLARE_DYNAMIC(CControlBar)
public:
    DWORD GetBarStyle() const { return m_dwStyle; }
    virtual void SetBarStyle(DWORD style);
    void EnableDocking(DWORD dockStyle);
    DWORD GetDockStyle() const { return m_dwDockStyle; }
    CFrameWnd* GetDockingFrame() const { return m_pFrame; }

    // Updates the bar's items through the target's update handlers.
    virtual void OnUpdateCmdUI(CFrameWnd* target, BOOL disableIfNoHandler) = 0;

protected:
    ~CControlBar() override;
    // Joins the frame's bars under the id; the frame keeps a list, the bar stays the caller's.
    void JoinFrame(CFrameWnd* frame, UINT id);

    DWORD m_dwStyle = 0;
    DWORD m_dwDockStyle = 0;
    CFrameWnd* m_pFrame = nullptr;
};
