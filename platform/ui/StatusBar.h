// CStatusBar: the frame's status bar with indexed panes. Pane 0 (ID_SEPARATOR) carries the message
// line; the other panes show what their update handlers set.
#pragma once

#include "platform/ui/ControlBar.h"

#include <vector>

class QLabel;
class QStatusBar;

constexpr UINT SBPS_NORMAL = 0x0000;
constexpr UINT SBPS_NOBORDERS = 0x0100;
constexpr UINT SBPS_POPOUT = 0x0200;
constexpr UINT SBPS_DISABLED = 0x04000000;
constexpr UINT SBPS_STRETCH = 0x08000000;

class CStatusBar : public CControlBar
{
    DECLARE_DYNAMIC(CStatusBar)
public:
    CStatusBar();
    ~CStatusBar() override;

    BOOL Create(CFrameWnd* parent, DWORD style = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, UINT id = AFX_IDW_STATUS_BAR);
    // One pane per id; each pane is as wide as the string of its id (the text it starts with).
    BOOL SetIndicators(const UINT* ids, int count);
    int GetCount() const { return int(m_panes.size()); }
    UINT GetItemID(int index) const;
    int CommandToIndex(UINT id) const;
    BOOL SetPaneText(int index, LPCTSTR text, BOOL update = TRUE);
    CString GetPaneText(int index) const;
    void SetPaneInfo(int index, UINT id, UINT style, int width);
    void GetPaneInfo(int index, UINT& id, UINT& style, int& width) const;
    UINT GetPaneStyle(int index) const;
    void SetPaneStyle(int index, UINT style);

    QStatusBar* GetStatusBarWidget() const;
    void OnUpdateCmdUI(CFrameWnd* target, BOOL disableIfNoHandler) override;

private:
    struct Pane
    {
        UINT id = 0;
        UINT style = 0;
        QLabel* label = nullptr;
        CString text;
    };
    void ApplyPaneStyle(Pane& pane, int width);
    std::vector<Pane> m_panes;
};
