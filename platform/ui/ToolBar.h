// CToolBar: a dockable QToolBar of command buttons. The buttons are the frame's command actions,
// so a button and its menu item share enabling and checking.
#pragma once

#include "platform/ui/ControlBar.h"

#include <vector>

class QToolBar;

class CToolBar : public CControlBar
{
    DECLARE_DYNAMIC(CToolBar)
public:
    CToolBar();
    ~CToolBar() override;

    // Creates the bar in the frame, docked at the side its style names (top by default).
    BOOL Create(CFrameWnd* parent, DWORD style = WS_CHILD | WS_VISIBLE | CBRS_TOP, UINT id = AFX_IDW_TOOLBAR);
    BOOL CreateEx(CFrameWnd* parent, DWORD ctrlStyle, DWORD style, CRect borders, UINT id);
    // The buttons of the toolbar resource.
    BOOL LoadToolBar(UINT resourceId);
    // The button images come from the command icons; the bitmap id only has to be known.
    BOOL LoadBitmap(UINT bitmapId);
    BOOL SetButtons(const UINT* ids, int count);
    void SetBarStyle(DWORD style) override;

    int GetCount() const { return int(m_buttons.size()); }
    UINT GetItemID(int index) const;
    int CommandToIndex(UINT id) const;
    // The button's rectangle in the bar's client coordinates (empty for a hidden one).
    void GetItemRect(int index, LPRECT rect) const;
    // The index of the button under the client point, or -1.
    int HitTestButton(CPoint point) const;
    BOOL IsButtonEnabled(int index) const;

    QToolBar* GetToolBarWidget() const;
    void OnUpdateCmdUI(CFrameWnd* target, BOOL disableIfNoHandler) override;

private:
    std::vector<UINT> m_buttons;
    std::vector<class QAction*> m_actions; // by position; separators included
};
