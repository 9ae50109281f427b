// CElliObj: the circle and ellipse of the ellipse tool, the ellipse inscribed in the object's
// rectangle. It stores nothing beyond the box object's record.
#pragma once

#include "objects/ShapeObj.h"

class CElliObj : public CShapeObj
{
    DECLARE_SERIAL(CElliObj)
public:
    CElliObj();
    CElliObj(WORD objectId, const CRect& rect);
    CElliObj(const CElliObj& other);

    CString& GetTypeName(CString& name) const override;
    CString& GetProfileSection(CString& section) const override;

    void Draw(CDC* pDC, int zoom, BOOL withHandles, BOOL printMode, const LOGFONT* font, DWORD displayOptions,
              CBaseDoc* document) override;
    void DrawMoveTracker(CDC* pDC, int zoom, SIZE offset, DWORD hitFlags, BOOL printMode) override;
    void DrawResizeTracker(CDC* pDC, int zoom, SIZE offset, DWORD hitCode, BOOL printMode) override;
    void DrawHandles(CDC* pDC, int zoom, BOOL printMode) override;

    // Inside or near the ellipse; an unfilled ellipse asked for outline-only hits is hit only near
    // its outline. A flat ellipse is hit as its rectangle.
    BOOL HitTest(POINT point, int tolerance, BOOL printMode, BOOL outlineOnly) const override;

    void ObjectContextMenu(CPoint screenPoint, CWnd* view, DWORD hitCode, BOOL printMode,
                           BOOL severalSelected) override;

    // Where the line from the centre towards the point leaves the ellipse.
    CPoint& GetConnectionPoint(CPoint& out, POINT point) const override;
    // The chord of the ellipse at the depth.
    BOOL GetHorzLineAtDepth(int depth, CPoint& leftPoint, CPoint& rightPoint) const override;
};
