// CFarcObj: the free arc. Its rectangle bounds a whole ellipse; the arc runs counterclockwise (on
// the screen) from the ray through its start point to the ray through its end point, and both
// points have their own handles.
#pragma once

#include "objects/ArcShapeObj.h"

// Hit codes of the two point handles.
constexpr DWORD HIT_FREEARC_START = HIT_SHAPE_HANDLE | 0x100;
constexpr DWORD HIT_FREEARC_END = HIT_SHAPE_HANDLE | 0x400;

// The normalised rectangle of a drag, with a new free arc's points: the middle of the bottom side
// and the middle of the left side (halves truncated toward zero).
void CalcFreeArcFromDrag(POINT first, POINT second, CRect& rect, CPoint& start, CPoint& end);

class CFarcObj : public CArcShapeObj
{
    DECLARE_SERIAL(CFarcObj)
public:
    CFarcObj();
    // Three quarters of the ellipse, from the bottom middle round by the right and the top to the
    // left middle.
    CFarcObj(WORD objectId, const CRect& rect);
    CFarcObj(const CFarcObj& other);

    // The box record, then start x, y, end x, y and the style.
    void Serialize(CArchive& ar) override;

    CString& GetTypeName(CString& name) const override;
    CString& GetProfileSection(CString& section) const override;

    void DrawResizeTracker(CDC* pDC, int zoom, SIZE offset, DWORD hitCode, BOOL printMode) override;
    void DrawHandleDragTracker(CDC* pDC, int zoom, SIZE offset, DWORD hitCode, DWORD partWord, BOOL printMode) override;
    // The framed box handles, then a yellow pattern handle on each point.
    void DrawHandles(CDC* pDC, int zoom, BOOL printMode) override;

    // Anywhere in the rectangle, whatever part of the ellipse is drawn.
    BOOL HitTest(POINT point, int tolerance, BOOL printMode, BOOL outlineOnly) const override;
    // The point handles (7 zoomed units) before the box handles.
    BOOL HitTestHandles(int zoom, POINT point, UINT keyFlags, int tolerance, DWORD& hitCode, DWORD& partWord,
                        CPoint& handlePoint, BOOL printMode) const override;
    // The box object's, widened to take in both points.
    void GetRedrawRect(CRect& rect, int zoom, BOOL printMode) const override;

    // The points move, resize and scale with the rectangle; a point handle moves its point alone.
    void MoveBy(SIZE offset, DWORD flags) override;
    void ResizeByHandle(SIZE offset, DWORD hitCode) override;
    void MapToRect(const CRect& oldFrame, const CRect& newFrame) override;
    void ApplyHandleDrag(SIZE offset, DWORD hitCode, DWORD word) override;

    void ObjectContextMenu(CPoint screenPoint, CWnd* view, DWORD hitCode, BOOL printMode,
                           BOOL severalSelected) override;
    CPoint& GetConnectionPoint(CPoint& out, POINT point) const override;

    void GetArcGeometry(CRect& ellipse, CPoint& first, CPoint& second) const override;
    CPoint GetStartPoint() const { return m_ptStart; }
    CPoint GetEndPoint() const { return m_ptEnd; }

private:
    CPoint m_ptStart;
    CPoint m_ptEnd;
};
