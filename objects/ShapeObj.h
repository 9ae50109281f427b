// CShapeObj: what the closed shapes of the drawing tools share (the rectangle, the ellipse, the
// arcs and the shapes built on the rectangle). Such a shape counts as absent in define mode when
// its HideDefine is set: it is not drawn, not hit, has no handles and an empty visible and redraw
// rectangle. All of them draw in one sequence: the zoomed pen, the shadow, the body, the handles.
#pragma once

#include "objects/BaseObj.h"
#include "platform/afx/Point.h"

#include "foundation/PopupMenu.h"

#include <functional>
#include <span>

class CShapeObj : public CBaseObj
{
    DECLARE_DYNAMIC(CShapeObj)
public:
    CShapeObj(const CShapeObj& other);

    BOOL HitTestHandles(int zoom, POINT point, UINT keyFlags, int tolerance, DWORD& hitCode, DWORD& partWord,
                        CPoint& handlePoint, BOOL printMode) const override;
    void GetVisibleRect(CRect& rect, BOOL printMode) const override;
    void GetRedrawRect(CRect& rect, int zoom, BOOL printMode) const override;
    BOOL IsInsideRect(const CRect& rect, BOOL printMode) const override;

protected:
    CShapeObj(WORD kind, WORD objectId, const CRect& rect);

    // Draws the shape's figure in one pass: the shadow pass (shadow brush, null pen, the figure
    // moved by the shift) or the body pass (the shape's pen and fill, no shift).
    enum class ShapePass { Shadow, Body };
    using FigureDrawer = std::function<void(CDC* pDC, POINT shift, ShapePass pass)>;
    // The drawing sequence: pen from the zoomed width (inside the frame above width 1, else the
    // stored style), the shadow when the shape has one, then the body filled or hollow (without a
    // frame, with the null pen); the previous pen and brush are put back. The handles are the
    // caller's.
    void DrawShapeSequence(CDC* pDC, int zoom, BOOL printMode, const FigureDrawer& figure, BOOL framed = TRUE) const;
    // The first steps of a shape's hit test: a hidden shape misses, a flat one is hit as the box
    // object is, a point outside the rectangle grown by the tolerance misses. TRUE when these
    // decided, with the answer in hit; FALSE leaves the decision to the shape's figure.
    BOOL HitTestFrame(POINT point, int tolerance, BOOL printMode, BOOL outlineOnly, BOOL& hit) const;
    // The visible rectangle at the zoom.
    CRect GetScaledRect(int zoom, BOOL printMode) const;
    // The scaled rectangle moved by the sides that a resize-handle code names.
    CRect GetResizedScaledRect(int zoom, SIZE offset, DWORD hitCode, BOOL printMode) const;
    // The silver frame around the scaled rectangle, then the eight resize handles.
    void DrawFramedHandles(CDC* pDC, int zoom, BOOL printMode);
    // The menu of the shapes: pen, fill and shadow, the shape's own switches (after a separator,
    // when there are any), the defaults and the operations popup with these items (the box
    // object's square operations when none are given); tracked at the screen point.
    void TrackShapeMenu(CPoint screenPoint, CWnd* view, std::span<const PopupMenuItem> switches,
                        std::span<const PopupMenuItem> operations) const;
};

// The operations popup of the shapes that cannot be made square or round: the grid alone.
extern const PopupMenuItem kSnapOnlyOperations[1];
