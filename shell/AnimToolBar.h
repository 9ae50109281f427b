// CAnimToolBar: the toolbar of the main frame that plays a short clip over a button when it is
// clicked. The clip table gives each button position its clip id (0: none). A clip runs for 50
// ticks of timer 1 (10 ms), or until the next press on the bar or the bar's end.
#pragma once

#include "platform/ui/ToolBar.h"

#include <vector>

class QLabel;
class QPixmap;

class CAnimToolBar : public CToolBar
{
    DECLARE_DYNAMIC(CAnimToolBar)
public:
    static constexpr UINT_PTR kClipTimer = 1;
    static constexpr int kClipTicks = 50;
    static constexpr int kNoButton = 0xFFFF;

    CAnimToolBar();
    ~CAnimToolBar() override;

    // Keeps the clip table (by button position, separators counted) and creates the bar.
    BOOL CreateBar(CFrameWnd* parent, const UINT* clipTable, int tableSize, DWORD style, UINT id);
    BOOL SetButtons(const UINT* ids, int count);
    BOOL LoadToolBar(UINT resourceId);

    void StartAnimation(int buttonPosition);
    void StopAnimation();
    // The button position whose clip plays, or kNoButton.
    int GetAnimatedButton() const { return m_nAnimButton; }

protected:
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnLButtonUp(UINT flags, CPoint point) override;
    void OnTimer(UINT_PTR idEvent) override;
    void OnDestroy() override;

private:
    void WatchButtons();
    void CloseClip();

    std::vector<UINT> m_clipTable;
    QLabel* m_pClip = nullptr;
    std::vector<QPixmap> m_frames;
    int m_nAnimButton = kNoButton;
    int m_nTicks = 0;
    class QObject* m_buttonWatcher = nullptr;
};
