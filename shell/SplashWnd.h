// CSplashWnd: the start-up picture shown over the main window for a number of 100 ms ticks. At
// most one is shown per process; it ignores keys and clicks and deletes itself when it goes.
#pragma once

#include "platform/ui/Wnd.h"

#include <QPixmap>

class CSplashWnd : public CWnd
{
    DECLARE_DYNAMIC(CSplashWnd)
public:
    static constexpr UINT_PTR kSplashTimer = 3;

    static void EnableSplashScreen(BOOL enable);
    static void SetSplashTicks(int ticks);
    // Shows the splash window over the parent when enabled and none is shown.
    static void ShowSplashScreen(CWnd* parent);
    // The splash window being shown, or nullptr.
    static CSplashWnd* GetShown();
    void HideSplashScreen();

protected:
    CSplashWnd() = default;
    ~CSplashWnd() override;
    BOOL Create(CWnd* parent);
    void OnTimer(UINT_PTR idEvent) override;
    void OnPaint() override;
    void PostNcDestroy() override;

private:
    QPixmap m_bitmap;
    CWnd* m_pParent = nullptr;
};
