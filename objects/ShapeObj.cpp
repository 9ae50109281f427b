#include "objects/ShapeObj.h"

#include "foundation/CommandIds.h"
#include "foundation/Geometry.h"
#include "foundation/Trackers.h"
#include "foundation/ZoomScale.h"
#include "platform/gdi/DC.h"
#include "platform/ui/Menu.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CShapeObj, CBaseObj)

const PopupMenuItem kSnapOnlyOperations[1] = {
    {MF_STRING, ID_OBJ_SNAP_TO_GRID, u8"ｸﾞﾘｯﾄﾞに配置"},
};

CShapeObj::CShapeObj(WORD kind, WORD objectId, const CRect& rect) : CBaseObj(kind, objectId, rect) {}

CShapeObj::CShapeObj(const CShapeObj& other) = default;

// --- Absent in define mode ----------------------------------------------------------------------

BOOL CShapeObj::HitTestHandles(int zoom, POINT point, UINT keyFlags, int tolerance, DWORD& hitCode, DWORD& partWord,
                               CPoint& handlePoint, BOOL printMode) const
{
    return !IsHiddenIn(printMode) &&
           CBaseObj::HitTestHandles(zoom, point, keyFlags, tolerance, hitCode, partWord, handlePoint, printMode);
}

void CShapeObj::GetVisibleRect(CRect& rect, BOOL printMode) const
{
    GetWholeVisibleRect(rect, printMode);
}

void CShapeObj::GetRedrawRect(CRect& rect, int zoom, BOOL printMode) const
{
    GetWholeRedrawRect(rect, zoom, printMode);
}

BOOL CShapeObj::IsInsideRect(const CRect& rect, BOOL printMode) const
{
    return IsWholeInsideRect(rect, printMode);
}

BOOL CShapeObj::HitTestFrame(POINT point, int tolerance, BOOL printMode, BOOL outlineOnly, BOOL& hit) const
{
    hit = FALSE;
    if (IsHiddenIn(printMode))
        return TRUE;
    if (m_rect.Width() == 0 || m_rect.Height() == 0) {
        hit = CBaseObj::HitTest(point, tolerance, printMode, outlineOnly);
        return TRUE;
    }
    return !PointInRectWithTolerance(m_rect, point, tolerance);
}

// --- Drawing ------------------------------------------------------------------------------------

void CShapeObj::DrawShapeSequence(CDC* pDC, int zoom, BOOL printMode, const FigureDrawer& figure, BOOL framed) const
{
    // Wide pens stay inside the frame; broken styles only show with the thin widths.
    int penWidth = m_nPenWidth;
    if (penWidth > 1) {
        ScaleValueByZoom(penWidth, zoom);
        penWidth = std::max(penWidth, 1);
    }
    CPen pen(penWidth > 1 ? PS_INSIDEFRAME : m_nPenStyle, penWidth, m_crPen);

    CPen* oldPen = pDC->GetCurrentPen();
    CBrush* oldBrush = pDC->GetCurrentBrush();
    if (HasShadow(printMode)) {
        CSize offset;
        GetShadowOffset(offset);
        CPoint shift(offset);
        ScalePointByZoom(shift, zoom);
        CBrush shadowBrush(m_crShadow);
        pDC->SelectStockObject(NULL_PEN);
        pDC->SelectObject(&shadowBrush);
        figure(pDC, shift, ShapePass::Shadow);
        pDC->SelectObject(oldBrush);
    }
    CBrush fillBrush;
    if (m_bFill) {
        fillBrush.CreateSolidBrush(m_crFill);
        pDC->SelectObject(&fillBrush);
    } else {
        pDC->SelectStockObject(NULL_BRUSH);
    }
    if (framed)
        pDC->SelectObject(&pen);
    else
        pDC->SelectStockObject(NULL_PEN);
    figure(pDC, CPoint(0, 0), ShapePass::Body);
    pDC->SelectObject(oldPen);
    pDC->SelectObject(oldBrush);
}

CRect CShapeObj::GetScaledRect(int zoom, BOOL printMode) const
{
    CRect rect;
    GetVisibleRect(rect, printMode);
    ScaleRectByZoom(rect, zoom);
    return rect;
}

CRect CShapeObj::GetResizedScaledRect(int zoom, SIZE offset, DWORD hitCode, BOOL printMode) const
{
    CRect rect = GetScaledRect(zoom, printMode);
    ApplyResizeHandleOffset(rect, offset, hitCode);
    return rect;
}

void CShapeObj::DrawFramedHandles(CDC* pDC, int zoom, BOOL printMode)
{
    if (IsHiddenIn(printMode))
        return;
    DrawHatchedFrame(pDC, GetScaledRect(zoom, printMode), 1);
    CBaseObj::DrawHandles(pDC, zoom, printMode);
}

// --- Menu ---------------------------------------------------------------------------------------

void CShapeObj::TrackShapeMenu(CPoint screenPoint, CWnd* view, std::span<const PopupMenuItem> switches,
                               std::span<const PopupMenuItem> operations) const
{
    CMenu menu;
    menu.CreatePopupMenu();
    AppendPenMenus(menu);
    AppendFillAndShadowMenus(menu, MF_UNCHECKED);
    if (!switches.empty())
        menu.AppendMenu(MF_SEPARATOR);
    for (const PopupMenuItem& item : switches) {
        if (item.id == POPUP_SEPARATOR_ID)
            menu.AppendMenu(MF_SEPARATOR);
        else
            menu.AppendMenu(item.flags, item.id, CString(item.text));
    }
    if (operations.empty())
        AppendDefaultsAndOperations(menu);
    else
        AppendDefaultsAndOperations(menu, operations);
    TrackObjectMenu(menu, screenPoint, view);
}
