// CScrollView: a view whose document is larger than its window. It keeps the total size, the page
// and line steps and the scroll position in the logical units of its map mode, moves the viewport
// origin of every device context it prepares, and scrolls with the scroll bars and the wheel.
//
// The window's picture lives in an image: painting renders only the invalid region into it, and
// a client device context (CClientDC) draws into the same image, so that tracking outlines drawn
// twice in XOR restore the pixels exactly. The widget only ever shows the image.
#pragma once

#include "platform/gdi/DC.h"
#include "platform/ui/View.h"

#include <QImage>
#include <QPointer>
#include <QRegion>

class QAbstractScrollArea;
class QScrollBar;

class CScrollView : public CView
{
    DECLARE_DYNAMIC(CScrollView)
public:
    CScrollView();
    ~CScrollView() override;

    BOOL Create(CFrameWnd* parent, UINT id, CCreateContext* context) override;

    // Sizes in logical units of the map mode (MM_TEXT or one of the metric and English modes); a
    // zero page or line step takes a tenth or a hundredth of the total.
    void SetScrollSizes(int mapMode, SIZE total, SIZE page = SIZE{0, 0}, SIZE line = SIZE{0, 0});
    void GetDeviceScrollSizes(int& mapMode, SIZE& total, SIZE& page, SIZE& line) const;
    CSize GetTotalSize() const { return m_totalLog; }
    int GetMapMode() const { return m_nMapMode; }
    // The position of the window's top-left corner in logical units (y negative below the origin
    // in the metric modes) and in pixels.
    CPoint GetScrollPosition() const;
    CPoint GetDeviceScrollPosition() const { return m_posDev; }
    // Scrolls so that the logical point is at the top left, within the scroll range.
    void ScrollToPosition(POINT point);
    // Scrolls by pixels within the range; FALSE when nothing moved. Without doScroll it only
    // tells whether the view could move.
    virtual BOOL OnScrollBy(CSize sizeScroll, BOOL doScroll = TRUE);
    // The wheel: 120 per notch, positive away from the user; TRUE when handled.
    virtual BOOL OnMouseWheel(UINT flags, short delta, CPoint point);
    // The sideways wheel (a tilted wheel, a touchpad, Shift with the wheel): positive to the left.
    virtual BOOL OnMouseHWheel(UINT flags, short delta, CPoint point);

    // Sets the scroll mapping: the map mode and the viewport origin at the scroll position.
    void OnPrepareDC(CDC* dc, CPrintInfo* info = nullptr) override;

    // Invalidation by rectangle (client pixels): only the invalid region is painted again.
    void Invalidate(BOOL erase = TRUE) override;
    void InvalidateRect(LPCRECT rect, BOOL erase = TRUE) override;
    void ValidateRect(LPCRECT rect);
    // Paints the invalid region into the picture now.
    void UpdateWindow() override;
    // The region still to paint, in client pixels.
    const QRegion& GetInvalidRegion() const { return m_invalid; }
    // The window's picture, current up to the invalid region.
    const QImage& GetScreenImage() const { return m_image; }

    // The screen metrics every device context of the view uses: logical pixels per inch and the
    // screen size in pixels (which gives its physical size). Taken from the screen at creation.
    void SetScreenMetrics(int dpiX, int dpiY, int widthPixels, int heightPixels);
    // A device context on the window's picture with the screen metrics, clipped to the client
    // area; FALSE before the window exists.
    BOOL CreateClientDC(CDC& dc);
    // Shows what a client device context drew.
    void ShowClientDrawing();

protected:
    QWidget* CreateViewWidget(QWidget* parent) override;
    BOOL FilterWidgetEvent(QEvent* event) override;
    void PostNcDestroy() override;
    // Brings the scroll bars in step with the sizes and the client area.
    void UpdateBars();
    // Gives a device context the screen metrics of the view.
    void ApplyScreenMetrics(CDC& dc) const;

private:
    BOOL ScrollByWheel(bool vertical, short delta);
    friend class ScrollViewArea;
    void OnBarMoved();
    void ResizePicture(QSize size);
    void ScrollPicture(CSize delta);
    void RenderInvalidRegion();
    CSize ToDevice(SIZE logical) const;
    CSize MaxScrollPosition() const;
    QSize ClientSize() const;

    int m_nMapMode = MM_TEXT;
    CSize m_totalLog;
    CSize m_pageLog;
    CSize m_lineLog;
    CSize m_totalDev;
    CSize m_pageDev;
    CSize m_lineDev;
    CPoint m_posDev;
    int m_dpiX = 96;
    int m_dpiY = 96;
    int m_screenWidth = 1920;
    int m_screenHeight = 1080;
    QPointer<QAbstractScrollArea> m_area;
    QImage m_image;
    QRegion m_invalid;
    BOOL m_bSettingBars = FALSE;
    // Client device contexts open on the picture. While one is open the picture has its painter,
    // so a paint event in between (a status-bar repaint, a message box) only shows the picture as
    // it stands and leaves the invalid region for later.
    int m_nClientDCs = 0;
    friend class CClientDC;
};

// A device context on a view's window: draws into the picture of a scrolling view and shows it
// when it goes. On any other window it has no device.
class CClientDC : public CDC
{
public:
    explicit CClientDC(CWnd* wnd);
    ~CClientDC() override;
    CClientDC(const CClientDC&) = delete;
    CClientDC& operator=(const CClientDC&) = delete;

private:
    CScrollView* m_view;
};
