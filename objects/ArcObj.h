// CArcObj: the quarter arc of the arc tool. Its rectangle holds one quarter of an ellipse twice as
// wide and twice as high, whose centre lies on the corner that the quadrant code names.
#pragma once

#include "objects/ArcShapeObj.h"

// Quadrant codes: bit 0 set puts the centre on the right side, bit 8 on the bottom side. Any other
// value is taken as ARC_CENTRE_BOTTOM_LEFT.
constexpr WORD ARC_CENTRE_TOP_LEFT = 0;
constexpr WORD ARC_CENTRE_TOP_RIGHT = 1;
constexpr WORD ARC_CENTRE_BOTTOM_LEFT = 256;
constexpr WORD ARC_CENTRE_BOTTOM_RIGHT = 257;

// The full ellipse and the two ends of the quarter in a normalised rectangle.
void CalcQuarterArc(const RECT& rect, WORD quadrant, CRect& ellipse, CPoint& first, CPoint& second);
// The quadrant code of a drag: the centre lies at (end x, start y).
WORD GetArcDragQuadrant(POINT start, POINT end);
// The arc of a drag from start to end; returns its quadrant code.
WORD CalcArcFromDrag(POINT start, POINT end, CRect& ellipse, CPoint& first, CPoint& second);

class CArcObj : public CArcShapeObj
{
    DECLARE_SERIAL(CArcObj)
public:
    CArcObj();
    // The rectangle spanned by the drag, quartered as the drag's direction says.
    CArcObj(WORD objectId, POINT dragStart, POINT dragEnd);
    CArcObj(const CArcObj& other);

    // The box record, then the quadrant code and the style.
    void Serialize(CArchive& ar) override;

    CString& GetTypeName(CString& name) const override;
    CString& GetProfileSection(CString& section) const override;

    void DrawResizeTracker(CDC* pDC, int zoom, SIZE offset, DWORD hitCode, BOOL printMode) override;
    void DrawHandles(CDC* pDC, int zoom, BOOL printMode) override;

    // Within the rectangle: near the curve (hollow, outline-only), inside the quarter, and for a
    // chord or a pie also near its straight sides.
    BOOL HitTest(POINT point, int tolerance, BOOL printMode, BOOL outlineOnly) const override;
    // A side dragged across the opposite one mirrors the quarter.
    void ResizeByHandle(SIZE offset, DWORD hitCode) override;

    void ObjectContextMenu(CPoint screenPoint, CWnd* view, DWORD hitCode, BOOL printMode,
                           BOOL severalSelected) override;

    // On the full ellipse towards the point, seen from the centre corner.
    CPoint& GetConnectionPoint(CPoint& out, POINT point) const override;

    void GetArcGeometry(CRect& ellipse, CPoint& first, CPoint& second) const override;
    WORD GetQuadrant() const { return m_wQuadrant; }
    CRect GetFullEllipseRect() const;

private:
    // The quadrant code after the resize of the rectangle by the handle.
    static WORD MirroredQuadrant(const RECT& rect, WORD quadrant, SIZE offset, DWORD hitCode);

    WORD m_wQuadrant;
};
