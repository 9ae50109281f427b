// CRectObj: the rectangle of the drawing tools and, with its rounded flag set, the rounded
// rectangle. It is also the base of the diamond, the polygons, the connector and the modelling
// objects built on a rectangle, which take over its record and its default-attribute keys.
#pragma once

#include "objects/ShapeObj.h"

// Bit of the rounding handle in a shape-handle hit code (HIT_SHAPE_HANDLE | this).
constexpr DWORD HIT_ROUND_HANDLE = 0x200;
constexpr float DEFAULT_ROUND_RATE = 0.25f;

// Corner size of a rounded rectangle: the shorter side times the rate in double precision,
// truncated toward zero.
int CalcRoundCornerSize(const RECT& rect, double rate);

class CRectObj : public CShapeObj
{
    DECLARE_SERIAL(CRectObj)
public:
    CRectObj();
    CRectObj(WORD objectId, const CRect& rect);
    CRectObj(WORD objectId, const CRect& rect, BOOL rounded);
    CRectObj(const CRectObj& other);

    void Serialize(CArchive& ar) override;

    CString& GetTypeName(CString& name) const override;
    CString& GetProfileSection(CString& section) const override;

    void Draw(CDC* pDC, int zoom, BOOL withHandles, BOOL printMode, const LOGFONT* font, DWORD displayOptions,
              CBaseDoc* document) override;
    void DrawMoveTracker(CDC* pDC, int zoom, SIZE offset, DWORD hitFlags, BOOL printMode) override;
    void DrawResizeTracker(CDC* pDC, int zoom, SIZE offset, DWORD hitCode, BOOL printMode) override;
    void DrawHandleDragTracker(CDC* pDC, int zoom, SIZE offset, DWORD hitCode, DWORD partWord, BOOL printMode) override;
    void DrawHandles(CDC* pDC, int zoom, BOOL printMode) override;

    BOOL HitTest(POINT point, int tolerance, BOOL printMode, BOOL outlineOnly) const override;
    // The rounding handle (HIT_SHAPE_HANDLE | HIT_ROUND_HANDLE) is tested before the resize handles.
    BOOL HitTestHandles(int zoom, POINT point, UINT keyFlags, int tolerance, DWORD& hitCode, DWORD& partWord,
                        CPoint& handlePoint, BOOL printMode) const override;

    // Drags the rounding handle: the corner grows or shrinks by twice the offset, up to the side.
    void ApplyHandleDrag(SIZE offset, DWORD hitCode, DWORD word) override;

    // The base menu without the hiding entry and with the rounding switch after the pen; nothing
    // for a rectangle hidden in define mode.
    void ObjectContextMenu(CPoint screenPoint, CWnd* view, DWORD hitCode, BOOL printMode,
                           BOOL severalSelected) override;
    BOOL UpdateCommandUI(CCmdUI* cmdUI, CBaseDoc* document, DWORD hitCode, BOOL printMode,
                         BOOL severalSelected) override;
    BOOL ApplyAttributeCommand(UINT commandId, CObject* argument, DWORD hitCode) override;

    void CopyAttributes(const CBaseObj& other) override;

    // The point moved onto the side that faces it.
    CPoint& GetConnectionPoint(CPoint& out, POINT point) const override;
    // Ends on the rounded outline of a rounded rectangle.
    BOOL GetHorzLineAtDepth(int depth, CPoint& leftPoint, CPoint& rightPoint) const override;

    BOOL IsRounded() const { return m_bRounded; }
    void SetRounded(BOOL rounded) { m_bRounded = rounded; }
    float GetRoundRate() const { return m_fRoundRate; }
    void SetRoundRate(float rate) { m_fRoundRate = rate; }
    // The corner size of the object in 0.1 mm (from its visible rectangle in print mode).
    int GetRoundCornerSize() const;
    // Where the rounding handle lies; FALSE when the rectangle has no width or no height.
    BOOL GetRoundHandlePos(CPoint& point) const;

protected:
    // For the classes built on the rectangle, each with its own kind.
    CRectObj(WORD kind, WORD objectId, const CRect& rect);

    // The rounding keys, then the base keys.
    void VisitDefaultKeys(DefaultKeys& keys) override;

    BOOL m_bRounded;
    float m_fRoundRate;

private:
    // The outline, plain or rounded with the corner size, through the selected pen and brush.
    void DrawOutline(CDC* pDC, const CRect& rect, int corner) const;
    void DrawTrackerOutline(CDC* pDC, const CRect& rect, int corner) const;
    // The corner size after a rounding-handle drag of the rectangle (w, h nonzero).
    static int DraggedCornerSize(int corner, int width, int height, SIZE offset);
};
