#include "platform/ui/ScrollView.h"

#include "platform/gdi/Mapping.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollBar>
#include <QWheelEvent>

IMPLEMENT_DYNAMIC(CScrollView, CView)

namespace ScrollViewImpl {

constexpr int kWheelDelta = 120;
constexpr int kWheelScrollLines = 3;

// An empty rectangle stays empty (it covers no pixel).
QRect ToQRect(const RECT& r)
{
    CRect n(r);
    n.NormalizeRect();
    return QRect(n.left, n.top, n.Width(), n.Height());
}

} // namespace ScrollViewImpl

// The scrolling widget: its scroll bars report to the view, its viewport is the view's window.
class ScrollViewArea : public QAbstractScrollArea
{
public:
    ScrollViewArea(CScrollView* view, QWidget* parent) : QAbstractScrollArea(parent), m_view(view)
    {
        setFrameShape(QFrame::NoFrame);
        setFocusPolicy(Qt::StrongFocus);
        viewport()->setFocusPolicy(Qt::StrongFocus);
        viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
        viewport()->setMouseTracking(true);
    }

protected:
    void scrollContentsBy(int, int) override { m_view->OnBarMoved(); }
    // The keyboard focus is normally the area's (the viewport hands it over), so keys reach the
    // view's window from here; the area scrolls only by the keys the view leaves to it. A key that
    // the focused viewport left has been to the view already.
    void keyPressEvent(QKeyEvent* event) override
    {
        if (QApplication::focusWidget() == viewport() || !m_view->FilterWidgetEvent(event))
            QAbstractScrollArea::keyPressEvent(event);
    }
    void keyReleaseEvent(QKeyEvent* event) override
    {
        if (QApplication::focusWidget() == viewport() || !m_view->FilterWidgetEvent(event))
            QAbstractScrollArea::keyReleaseEvent(event);
    }

private:
    CScrollView* m_view;
};

CScrollView::CScrollView() = default;

CScrollView::~CScrollView() = default;

QWidget* CScrollView::CreateViewWidget(QWidget* parent)
{
    m_area = new ScrollViewArea(this, parent);
    return m_area;
}

BOOL CScrollView::Create(CFrameWnd* parent, UINT id, CCreateContext* context)
{
    if (!CView::Create(parent, id, context))
        return FALSE;
    // The view's window is the viewport: its client area excludes the scroll bars, and mouse
    // input and painting arrive there. The area stays with the frame and goes with the view.
    Detach();
    QWidget* viewport = m_area->viewport();
    Attach(viewport, FALSE);
    SetDlgCtrlID(int(id));
    RouteInputEvents(TRUE, FALSE);
    if (const QScreen* screen = viewport->screen())
        SetScreenMetrics(viewport->logicalDpiX(), viewport->logicalDpiY(), screen->size().width(),
                         screen->size().height());
    ResizePicture(viewport->size());
    return TRUE;
}

void CScrollView::PostNcDestroy()
{
    if (m_area)
        m_area->deleteLater();
    CView::PostNcDestroy();
}

void CScrollView::SetScreenMetrics(int dpiX, int dpiY, int widthPixels, int heightPixels)
{
    m_dpiX = dpiX > 0 ? dpiX : 96;
    m_dpiY = dpiY > 0 ? dpiY : 96;
    m_screenWidth = std::max(widthPixels, 1);
    m_screenHeight = std::max(heightPixels, 1);
    SetScrollSizes(m_nMapMode, m_totalLog, m_pageLog, m_lineLog);
}

void CScrollView::ApplyScreenMetrics(CDC& dc) const
{
    dc.SetDeviceCaps(LOGPIXELSX, m_dpiX);
    dc.SetDeviceCaps(LOGPIXELSY, m_dpiY);
    dc.SetDeviceCaps(HORZRES, m_screenWidth);
    dc.SetDeviceCaps(VERTRES, m_screenHeight);
}

// --- Scroll sizes and position ----------------------------------------------------------------

CSize CScrollView::ToDevice(SIZE logical) const
{
    const int perInch = UnitsPerInch(m_nMapMode);
    if (perInch == 0)
        return CSize(std::abs(logical.cx), std::abs(logical.cy));
    return CSize(std::abs(MulDiv(logical.cx, m_dpiX, perInch)), std::abs(MulDiv(logical.cy, m_dpiY, perInch)));
}

void CScrollView::SetScrollSizes(int mapMode, SIZE total, SIZE page, SIZE line)
{
    const bool remap = mapMode != m_nMapMode;
    m_nMapMode = mapMode;
    m_totalLog = total;
    m_pageLog = page;
    m_lineLog = line;
    m_totalDev = ToDevice(total);
    // Steps are taken as lengths whatever their sign.
    m_pageDev = ToDevice(page);
    m_lineDev = ToDevice(line);
    if (m_pageDev.cx == 0)
        m_pageDev.cx = m_totalDev.cx / 10;
    if (m_pageDev.cy == 0)
        m_pageDev.cy = m_totalDev.cy / 10;
    if (m_lineDev.cx == 0)
        m_lineDev.cx = m_pageDev.cx / 10;
    if (m_lineDev.cy == 0)
        m_lineDev.cy = m_pageDev.cy / 10;
    UpdateBars();
    if (remap)
        Invalidate(TRUE);
}

void CScrollView::GetDeviceScrollSizes(int& mapMode, SIZE& total, SIZE& page, SIZE& line) const
{
    mapMode = m_nMapMode;
    total = m_totalDev;
    page = m_pageDev;
    line = m_lineDev;
}

QSize CScrollView::ClientSize() const
{
    return m_area ? m_area->viewport()->size() : QSize(0, 0);
}

CSize CScrollView::MaxScrollPosition() const
{
    const QSize client = ClientSize();
    return CSize(std::max(0, int(m_totalDev.cx) - client.width()), std::max(0, int(m_totalDev.cy) - client.height()));
}

CPoint CScrollView::GetScrollPosition() const
{
    const int perInch = UnitsPerInch(m_nMapMode);
    if (perInch == 0)
        return m_posDev;
    return CPoint(MulDiv(m_posDev.x, perInch, m_dpiX), -MulDiv(m_posDev.y, perInch, m_dpiY));
}

void CScrollView::ScrollToPosition(POINT point)
{
    CPoint device(point);
    if (const int perInch = UnitsPerInch(m_nMapMode))
        device = CPoint(MulDiv(point.x, m_dpiX, perInch), -MulDiv(point.y, m_dpiY, perInch));
    const CSize limit = MaxScrollPosition();
    device.x = std::clamp(int(device.x), 0, int(limit.cx));
    device.y = std::clamp(int(device.y), 0, int(limit.cy));
    const CSize delta(device.x - m_posDev.x, device.y - m_posDev.y);
    m_posDev = device;
    UpdateBars();
    ScrollPicture(delta);
}

BOOL CScrollView::OnScrollBy(CSize sizeScroll, BOOL doScroll)
{
    const CSize limit = MaxScrollPosition();
    const CPoint target(std::clamp(int(m_posDev.x + sizeScroll.cx), 0, int(limit.cx)),
                        std::clamp(int(m_posDev.y + sizeScroll.cy), 0, int(limit.cy)));
    if (target == m_posDev)
        return FALSE;
    if (doScroll) {
        const CSize delta(target.x - m_posDev.x, target.y - m_posDev.y);
        m_posDev = target;
        UpdateBars();
        ScrollPicture(delta);
    }
    return TRUE;
}

BOOL CScrollView::OnMouseWheel(UINT flags, short delta, CPoint)
{
    // Zooming and other wheel uses with a key held belong to the views that want them.
    if (flags & (MK_SHIFT | MK_CONTROL))
        return FALSE;
    // Without a vertical range the wheel scrolls sideways.
    return ScrollByWheel(m_totalDev.cy > ClientSize().height(), delta);
}

BOOL CScrollView::OnMouseHWheel(UINT flags, short delta, CPoint)
{
    if (flags & MK_CONTROL)
        return FALSE;
    return ScrollByWheel(false, delta);
}

BOOL CScrollView::ScrollByWheel(bool vertical, short delta)
{
    if (vertical ? m_totalDev.cy <= ClientSize().height() : m_totalDev.cx <= ClientSize().width())
        return FALSE;
    const int lines = MulDiv(-delta, ScrollViewImpl::kWheelScrollLines, ScrollViewImpl::kWheelDelta);
    const int line = vertical ? m_lineDev.cy : m_lineDev.cx;
    const int page = vertical ? m_pageDev.cy : m_pageDev.cx;
    int displacement = lines * line;
    displacement = displacement < 0 ? std::max(displacement, -page) : std::min(displacement, page);
    const BOOL moved = OnScrollBy(vertical ? CSize(0, displacement) : CSize(displacement, 0), TRUE);
    if (moved)
        UpdateWindow();
    return moved;
}

void CScrollView::UpdateBars()
{
    if (!m_area)
        return;
    const CSize limit = MaxScrollPosition();
    const CPoint clamped(std::min(m_posDev.x, limit.cx), std::min(m_posDev.y, limit.cy));
    const CSize delta(clamped.x - m_posDev.x, clamped.y - m_posDev.y);
    m_posDev = clamped;
    m_bSettingBars = TRUE;
    const QSize client = ClientSize();
    QScrollBar* h = m_area->horizontalScrollBar();
    QScrollBar* v = m_area->verticalScrollBar();
    h->setRange(0, limit.cx);
    h->setPageStep(std::max(1, std::min(int(m_pageDev.cx), client.width())));
    h->setSingleStep(std::max(1, int(m_lineDev.cx)));
    h->setValue(m_posDev.x);
    v->setRange(0, limit.cy);
    v->setPageStep(std::max(1, std::min(int(m_pageDev.cy), client.height())));
    v->setSingleStep(std::max(1, int(m_lineDev.cy)));
    v->setValue(m_posDev.y);
    m_bSettingBars = FALSE;
    if (delta.cx || delta.cy)
        ScrollPicture(delta);
}

void CScrollView::OnBarMoved()
{
    if (m_bSettingBars || !m_area)
        return;
    const CSize delta(m_area->horizontalScrollBar()->value() - m_posDev.x,
                      m_area->verticalScrollBar()->value() - m_posDev.y);
    OnScrollBy(delta, TRUE);
    // A view that refused the scroll keeps the bars where it is.
    UpdateBars();
}

// --- Device contexts ----------------------------------------------------------------------------

void CScrollView::OnPrepareDC(CDC* dc, CPrintInfo* info)
{
    CView::OnPrepareDC(dc, info);
    dc->SetMapMode(m_nMapMode);
    if (!dc->IsPrinting())
        dc->SetViewportOrg(-m_posDev.x, -m_posDev.y);
}

BOOL CScrollView::CreateClientDC(CDC& dc)
{
    if (m_image.isNull() || !dc.CreateOnDevice(&m_image))
        return FALSE;
    ApplyScreenMetrics(dc);
    dc.IntersectClipRect(0, 0, m_image.width(), m_image.height());
    return TRUE;
}

void CScrollView::ShowClientDrawing()
{
    if (m_area)
        m_area->viewport()->update();
}

CClientDC::CClientDC(CWnd* wnd) : m_view(DYNAMIC_DOWNCAST(CScrollView, wnd))
{
    if (m_view && !m_view->CreateClientDC(*this))
        m_view = nullptr;
    if (m_view)
        ++m_view->m_nClientDCs;
}

CClientDC::~CClientDC()
{
    DeleteDC();
    if (m_view) {
        --m_view->m_nClientDCs;
        m_view->ShowClientDrawing();
    }
}

// --- The picture --------------------------------------------------------------------------------

void CScrollView::Invalidate(BOOL)
{
    m_invalid = QRegion(QRect(QPoint(0, 0), m_image.size()));
    ShowClientDrawing();
}

void CScrollView::InvalidateRect(LPCRECT rect, BOOL erase)
{
    if (!rect)
        return Invalidate(erase);
    m_invalid += ScrollViewImpl::ToQRect(*rect) & QRect(QPoint(0, 0), m_image.size());
    if (m_area)
        m_area->viewport()->update(ScrollViewImpl::ToQRect(*rect));
}

void CScrollView::ValidateRect(LPCRECT rect)
{
    if (rect)
        m_invalid -= ScrollViewImpl::ToQRect(*rect);
    else
        m_invalid = QRegion();
}

void CScrollView::UpdateWindow()
{
    RenderInvalidRegion();
    if (m_area)
        m_area->viewport()->repaint();
}

void CScrollView::ResizePicture(QSize size)
{
    if (size == m_image.size())
        return;
    QImage picture(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    picture.fill(Qt::white);
    if (!m_image.isNull()) {
        QPainter copy(&picture);
        copy.drawImage(0, 0, m_image);
    }
    const QRegion kept = QRegion(QRect(QPoint(0, 0), m_image.size())) & m_invalid;
    m_invalid = QRegion(QRect(QPoint(0, 0), picture.size())) - QRegion(QRect(QPoint(0, 0), m_image.size())) + kept;
    m_image = std::move(picture);
}

void CScrollView::ScrollPicture(CSize delta)
{
    if ((delta.cx == 0 && delta.cy == 0) || m_image.isNull())
        return;
    const QRect whole(QPoint(0, 0), m_image.size());
    QImage moved(m_image.size(), m_image.format());
    moved.fill(Qt::white);
    {
        QPainter copy(&moved);
        copy.drawImage(int(-delta.cx), int(-delta.cy), m_image);
    }
    m_image = std::move(moved);
    // What came into sight and what was still to paint, moved with the picture.
    m_invalid.translate(int(-delta.cx), int(-delta.cy));
    m_invalid = (m_invalid + (QRegion(whole) - whole.translated(int(-delta.cx), int(-delta.cy)))) & whole;
    ShowClientDrawing();
}

void CScrollView::RenderInvalidRegion()
{
    if (m_invalid.isEmpty() || m_image.isNull())
        return;
    const QRegion region = std::exchange(m_invalid, QRegion());
    CDC dc;
    if (!dc.CreateOnDevice(&m_image))
        return;
    ApplyScreenMetrics(dc);
    CRgn clip;
    clip.CreateRectRgn(0, 0, 0, 0);
    for (const QRect& r : region) {
        CRgn part;
        part.CreateRectRgn(r.left(), r.top(), r.right() + 1, r.bottom() + 1);
        clip.CombineRgn(&clip, &part, RGN_OR);
        dc.FillSolidRect(r.left(), r.top(), r.width(), r.height(), RGB(255, 255, 255));
    }
    dc.SelectClipRgn(&clip);
    OnPrepareDC(&dc, nullptr);
    OnDraw(&dc);
}

BOOL CScrollView::FilterWidgetEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::Paint: {
        // While a client drawing is open the invalid region waits: closing it asks for the paint
        // that renders it. Asking again from here would repaint over and over meanwhile.
        if (m_nClientDCs == 0)
            RenderInvalidRegion();
        QPainter painter(m_area->viewport());
        for (const QRect& r : static_cast<QPaintEvent*>(event)->region())
            painter.drawImage(r, m_image, r);
        return TRUE;
    }
    case QEvent::Resize:
        ResizePicture(static_cast<QResizeEvent*>(event)->size());
        UpdateBars();
        break;
    case QEvent::Wheel: {
        auto* e = static_cast<QWheelEvent*>(event);
        UINT flags = 0;
        if (e->modifiers() & Qt::ControlModifier)
            flags |= MK_CONTROL;
        if (e->modifiers() & Qt::ShiftModifier)
            flags |= MK_SHIFT;
        const QPoint p = e->position().toPoint();
        const QPoint angle = e->angleDelta();
        if (angle.x() != 0)
            OnMouseHWheel(flags, short(angle.x()), CPoint(p.x(), p.y()));
        else if ((flags & (MK_SHIFT | MK_CONTROL)) == MK_SHIFT)
            OnMouseHWheel(flags & ~MK_SHIFT, short(angle.y()), CPoint(p.x(), p.y()));
        else
            OnMouseWheel(flags, short(angle.y()), CPoint(p.x(), p.y()));
        return TRUE;
    }
    default: break;
    }
    return CView::FilterWidgetEvent(event);
}
