// COutlineObj: a shape built on the rectangle whose figure is a polygon worked out from its
// rectangle (the diamond, the hexagon and octagon, the connector). It draws, tracks and moves that
// polygon; a shape whose outline depends on a ratio may offer a handle that drags the ratio.
#pragma once

#include "objects/RectObj.h"

#include <array>

// The most points an outline has (the octagon).
constexpr int MAX_OUTLINE_POINTS = 8;
using OutlinePoints = std::array<CPoint, MAX_OUTLINE_POINTS>;
// The hit code of a shape's ratio handle (the code the rounding handle has on a rectangle).
constexpr DWORD HIT_RATIO_HANDLE = HIT_SHAPE_HANDLE | HIT_ROUND_HANDLE;

// Adds one offset to each of the points (the shadow of a polygon).
void OffsetPolygonPoints(POINT* points, int count, POINT offset);

class COutlineObj : public CRectObj
{
    DECLARE_DYNAMIC(COutlineObj)
public:
    COutlineObj(const COutlineObj& other);

    void Draw(CDC* pDC, int zoom, BOOL withHandles, BOOL printMode, const LOGFONT* font, DWORD displayOptions,
              CBaseDoc* document) override;
    void DrawMoveTracker(CDC* pDC, int zoom, SIZE offset, DWORD hitFlags, BOOL printMode) override;
    void DrawResizeTracker(CDC* pDC, int zoom, SIZE offset, DWORD hitCode, BOOL printMode) override;
    // The shapes with a ratio handle: the outline at the ratio the drag would give.
    void DrawHandleDragTracker(CDC* pDC, int zoom, SIZE offset, DWORD hitCode, DWORD partWord, BOOL printMode) override;
    // The ratio handle (yellow pattern), then the rectangle's handles.
    void DrawHandles(CDC* pDC, int zoom, BOOL printMode) override;
    // The ratio handle before the eight box handles.
    BOOL HitTestHandles(int zoom, POINT point, UINT keyFlags, int tolerance, DWORD& hitCode, DWORD& partWord,
                        CPoint& handlePoint, BOOL printMode) const override;
    void ApplyHandleDrag(SIZE offset, DWORD hitCode, DWORD word) override;

    // The box object's: the midpoint of the side that faces the point (a corner of the diamond).
    CPoint& GetConnectionPoint(CPoint& out, POINT point) const override;

    // The outline in the object's own rectangle; the number of points.
    int GetOutline(POINT* points) const;

protected:
    COutlineObj(WORD kind, WORD objectId, const CRect& rect);

    // The outline of the shape in a rectangle at a ratio; the number of points.
    virtual int CalcOutline(const RECT& rect, float ratio, POINT* points) const = 0;
    // A shape with a ratio handle: the ratio its outline uses, and where the handle lies in a
    // rectangle (FALSE when it has none there). Shapes without one keep the rectangle's handles.
    virtual BOOL HasRatioHandle() const { return FALSE; }
    virtual float GetShapeRatio() const { return 0.0f; }
    virtual void SetShapeRatio(float) {}
    virtual BOOL CalcRatioHandlePos(const RECT& rect, CPoint& handle) const;
    // The ratio after the handle at that position is dragged by the offset; FALSE when the
    // rectangle is flat.
    virtual BOOL CalcDraggedRatio(const RECT& rect, POINT handle, SIZE offset, float& ratio) const;
    // Whether the resize outline is drawn over the normalised rectangle.
    virtual BOOL NormalizesResizeOutline() const { return TRUE; }

private:
    // The ratio after the drag, worked out on the rectangle and handle at the zoom.
    BOOL DraggedRatioAtZoom(int zoom, SIZE offset, float& ratio) const;
};
