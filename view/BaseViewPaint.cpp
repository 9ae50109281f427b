// Painting the view: grid and guide cross, page frames with the canvas around the document, the
// objects in drawing order and the selected objects with their handles on top.
#include "view/BaseView.h"

#include "document/BaseDoc.h"
#include "foundation/Trackers.h"
#include "foundation/ZoomScale.h"
#include "objects/BaseObj.h"
#include "objects/DrawObjects.h"
#include "objects/PolyObj.h"
#include "view/PrintObjectIndex.h"

#include <memory>
#include <vector>

namespace BaseViewPaint {

constexpr COLORREF kCanvasColor = RGB(0x82, 0x82, 0x82);
constexpr COLORREF kGridColor = RGB(0xC0, 0xC0, 0xC0);
constexpr COLORREF kGuideColor = RGB(0, 0, 0xFF);
// No grid at this zoom and below.
constexpr int kGridMinZoom = 25;
// Depth of the canvas shadow, in view units whatever the zoom.
constexpr int kShadowDepth = 8;

// Cuts the area to the clip box when it meets it; FALSE when it does not.
BOOL CutToClip(CRect& area, const CRect& clip)
{
    if (!ViewGeometry::RectsIntersectAbsY(area, clip))
        return FALSE;
    area = CRect(std::max(area.left, clip.left), std::min(area.top, clip.top), std::min(area.right, clip.right),
                 std::max(area.bottom, clip.bottom));
    return TRUE;
}

void FillCut(CDC* dc, CRect area, const CRect& clip, CBrush* brush)
{
    if (CutToClip(area, clip))
        dc->FillRect(&area, brush);
}

void DrawLine(CDC* dc, int x1, int y1, int x2, int y2)
{
    dc->MoveTo(x1, y1);
    dc->LineTo(x2, y2);
}

} // namespace BaseViewPaint

CRect CBaseView::GetClipBoxYUp(CDC* dc)
{
    CRect clip;
    dc->GetClipBox(&clip);
    if (clip.top < clip.bottom)
        std::swap(clip.top, clip.bottom);
    return clip;
}

BOOL IsObjectVisibleInRect(const CObject* object, const CRect& clip, int zoom, BOOL printMode)
{
    CRect bounds;
    return DrawObjects::GetRedrawRect(object, bounds, zoom, printMode, FALSE) &&
           ViewGeometry::RectsIntersectAbsY(bounds, clip);
}

BOOL CBaseView::IsObjectPainted(CObject* object, const CRect& clip) const
{
    return !IsHiddenHeaderObject(object) && IsObjectVisibleInRect(object, clip, m_nZoom, ModePrint);
}

void CBaseView::OnDraw(CDC* dc)
{
    CBaseDoc* doc = GetDocument();
    if (!doc)
        return;
    const BOOL printing = dc->IsPrinting();
    CRect clip = GetClipBoxYUp(dc);
    // A printed page draws its objects into the page body only.
    if (printing && m_pPrintInfo)
        clip.top = GetPrintedPage(m_pPrintInfo).body.top;
    UnscaleRectByZoom(clip, m_nZoom);
    if (!printing) {
        if (DrawGrid)
            PaintGrid(dc, clip);
        if (DrawGuide)
            PaintGuides(dc, clip);
    }
    if (!printing || DrawFrameOnPrint) {
        if (FramePrintSize)
            DrawPrintScalePageFrames(dc);
        else
            DrawViewScalePageFrames(dc);
    }
    const CObList* objects = doc->GetObjectList();
    if (printing && m_pPrintInfo) {
        // A print job's pages each draw the objects filed under them.
        if (!m_printIndex) {
            std::vector<CObject*> all;
            for (POSITION pos = objects->GetHeadPosition(); pos;)
                all.push_back(objects->GetNext(pos));
            m_printIndex = std::make_unique<PrintObjectIndex>(
                all,
                [this](CObject* object, CRect& bounds) {
                    return !IsHiddenHeaderObject(object) &&
                           DrawObjects::GetRedrawRect(object, bounds, m_nZoom, ModePrint, FALSE);
                },
                doc->GetPageExtent());
        }
        for (CObject* object : m_printIndex->ObjectsIn(clip))
            DrawObjects::Draw(object, dc, m_nZoom, FALSE, ModePrint, doc->GetDrawingFont(), DrawOpt, doc);
    } else {
        for (POSITION pos = objects->GetHeadPosition(); pos;) {
            CObject* object = objects->GetNext(pos);
            if (IsObjectPainted(object, clip))
                DrawObjects::Draw(object, dc, m_nZoom, FALSE, ModePrint, doc->GetDrawingFont(), DrawOpt, doc);
        }
    }
    if (printing) {
        DrawPrintDecorations(dc);
        return;
    }
    // Selected objects again on top of all, with their handles, in selection order.
    for (POSITION pos = m_selection.GetHeadPosition(); pos;) {
        CObject* object = m_selection.GetNext(pos);
        if (object && IsObjectPainted(object, clip))
            DrawObjects::Draw(object, dc, m_nZoom, TRUE, ModePrint, doc->GetDrawingFont(), DrawOpt, doc);
    }
    // The polyline whose points are being collected, in any view of the document.
    if (CPolyObj* polyline = doc->GetPolyLineInProgress())
        polyline->CPolyLine::Draw(dc, m_nZoom, FALSE);
}

void CBaseView::DrawPrintScalePageFrames(CDC* dc)
{
    const CBaseDoc* doc = GetDocument();
    const CSize zoomed = ZoomedSize(doc->GetDocumentSize());
    const CSize extent = ZoomedSize(doc->GetPageExtent());
    CPoint origin;
    GetDocumentTopLeftAtZoom(origin);
    const CRect frame(origin.x, origin.y, zoomed.cx - origin.x, zoomed.cy - origin.y);
    DrawPageFrames(dc, frame, extent, doc->GetPages());
}

void CBaseView::DrawViewScalePageFrames(CDC* dc)
{
    const CBaseDoc* doc = GetDocument();
    const CSize step = ZoomedSize(doc->GetPrintableSize());
    CPoint nearCorner, farCorner;
    GetDocumentTopLeftAtZoom(nearCorner);
    const CSize area = doc->GetPrintedAreaSize();
    farCorner = CPoint(area.cx - ViewGeometry::kFrameInset, area.cy + ViewGeometry::kFrameInset);
    ScalePointByZoom(farCorner, m_nZoom);
    DrawPageFrames(dc, CRect(nearCorner.x, nearCorner.y, farCorner.x, farCorner.y), step, doc->GetPrintPageCount());
}

void CBaseView::DrawPageFrames(CDC* dc, const CRect& frame, SIZE step, SIZE pages)
{
    using BaseViewPaint::DrawLine;
    DrawCanvasBackground(dc, frame);
    const int l = frame.left, t = frame.top, r = frame.right, b = frame.bottom;
    CPen outline(PS_SOLID, 1, RGB(0, 0, 0));
    CPen* oldPen = dc->SelectObject(&outline);
    if (dc->IsPrinting()) {
        dc->MoveTo(l, t);
        dc->LineTo(r, t);
        dc->LineTo(r, b);
        dc->LineTo(l, b);
        dc->LineTo(l, t);
    } else {
        // Each edge only across the visible part, widened by 2 units.
        CRect k;
        GetClientRect(&k);
        dc->DPtoLP(&k);
        DrawLine(dc, std::max(l, int(k.left) - 2), t, std::min(r, int(k.right) + 2), t);
        DrawLine(dc, r, std::min(t, int(k.top) + 2), r, std::max(b, int(k.bottom) - 2));
        DrawLine(dc, std::min(r, int(k.right) + 2), b, std::max(l, int(k.left) - 2), b);
        DrawLine(dc, l, std::max(b, int(k.bottom) - 2), l, std::min(t, int(k.top) + 2));
    }
    CPen divisions(PS_DOT, 0, RGB(0, 0, 0));
    dc->SelectObject(&divisions);
    for (int i = 1; i < pages.cx; ++i)
        DrawLine(dc, step.cx * i, t, step.cx * i, b);
    for (int i = 1; i < pages.cy; ++i)
        DrawLine(dc, l, step.cy * i, r, step.cy * i);
    dc->SelectObject(oldPen);
}

void CBaseView::DrawCanvasBackground(CDC* dc, const CRect& frame)
{
    using BaseViewPaint::FillCut;
    if (dc->IsPrinting() || !DrawCanvasBack)
        return;
    const CRect clip = GetClipBoxYUp(dc);
    CRect k;
    GetClientRect(&k);
    dc->DPtoLP(&k);
    CBrush canvas(BaseViewPaint::kCanvasColor);
    FillCut(dc, CRect(0, 0, frame.right, frame.top), clip, &canvas);
    FillCut(dc, CRect(0, 0, frame.left, frame.bottom), clip, &canvas);
    if (frame.right <= k.right)
        FillCut(dc, CRect(frame.right, 0, k.right, k.bottom), clip, &canvas);
    if (frame.bottom >= k.bottom)
        FillCut(dc, CRect(0, frame.bottom, k.right, k.bottom), clip, &canvas);
    CBrush shadow(RGB(0, 0, 0));
    const int d = BaseViewPaint::kShadowDepth;
    FillCut(dc, CRect(frame.right, frame.top - d, frame.right + d, frame.bottom - d), clip, &shadow);
    FillCut(dc, CRect(frame.left + d, frame.bottom, frame.right + d, frame.bottom - d), clip, &shadow);
}

void CBaseView::PaintGrid(CDC* dc, const CRect& clip)
{
    if (!DrawGrid || m_nZoom <= BaseViewPaint::kGridMinZoom)
        return;
    CPoint n, f, nz, fz;
    GetDocumentOrigin(n);
    GetDocumentBottomRight(f);
    GetDocumentTopLeftAtZoom(nz);
    GetDocumentBottomRightAtZoom(fz);
    CRect k;
    GetClientRect(&k);
    dc->DPtoLP(&k);
    k = CRect(std::max(k.left, nz.x), std::min(k.top, nz.y), std::min(k.right, fz.x), std::max(k.bottom, fz.y));
    CPen pen(PS_SOLID, 0, BaseViewPaint::kGridColor);
    CPen* oldPen = dc->SelectObject(&pen);
    const int g = GridWidth;
    for (int x = n.x + g; x < f.x && x <= clip.right - 1; x += g) {
        if (x < clip.left - 1)
            continue;
        int xz = x;
        ScaleValueByZoom(xz, m_nZoom);
        BaseViewPaint::DrawLine(dc, xz, k.top, xz, k.bottom);
    }
    for (int y = n.y - g; y > f.y && y >= clip.bottom + 1; y -= g) {
        if (y > clip.top + 1)
            continue;
        int yz = y;
        ScaleValueByZoom(yz, m_nZoom);
        BaseViewPaint::DrawLine(dc, k.left, yz, k.right, yz);
    }
    dc->SelectObject(oldPen);
}

void CBaseView::PaintGuides(CDC* dc, const CRect& clip)
{
    if (!DrawGuide)
        return;
    CPoint nz, fz, gz = m_ptGuide;
    GetDocumentTopLeftAtZoom(nz);
    GetDocumentBottomRightAtZoom(fz);
    ScalePointByZoom(gz, m_nZoom);
    CPen pen(PS_DOT, 0, BaseViewPaint::kGuideColor);
    CPen* oldPen = dc->SelectObject(&pen);
    const int oldMode = dc->SetBkMode(TRANSPARENT);
    if (clip.left <= m_ptGuide.x && m_ptGuide.x <= clip.right)
        BaseViewPaint::DrawLine(dc, gz.x, nz.y, gz.x, fz.y);
    if (clip.bottom <= m_ptGuide.y && m_ptGuide.y <= clip.top)
        BaseViewPaint::DrawLine(dc, nz.x, gz.y, fz.x, gz.y);
    dc->SetBkMode(oldMode);
    dc->SelectObject(oldPen);
}

void CBaseView::DrawVerticalGuideTracker(CDC* dc)
{
    if (!DrawGuide)
        return;
    CPoint nz, fz;
    GetDocumentTopLeftAtZoom(nz);
    GetDocumentBottomRightAtZoom(fz);
    DrawTrackerLine(dc, m_ptCurrent.x, nz.y, m_ptCurrent.x, fz.y);
}

void CBaseView::DrawHorizontalGuideTracker(CDC* dc)
{
    if (!DrawGuide)
        return;
    CPoint nz, fz;
    GetDocumentTopLeftAtZoom(nz);
    GetDocumentBottomRightAtZoom(fz);
    DrawTrackerLine(dc, nz.x, m_ptCurrent.y, fz.x, m_ptCurrent.y);
}

CRect CBaseView::GetPagesRectAtZoom(int across, int down) const
{
    const CSize extent = ZoomedSize(GetDocument()->GetPageExtent());
    CPoint origin;
    GetDocumentTopLeftAtZoom(origin);
    return CRect(origin.x, origin.y, extent.cx * across - origin.x, extent.cy * down - origin.y);
}
