// CArcShapeObj: what the quarter arc and the free arc share. Both show part of an ellipse between
// two points (counterclockwise on the screen from the first to the second), drawn in one of three
// styles: an open arc, a chord (closed by the straight line between the ends) or a pie (closed
// by the radii); any other style value is drawn as an arc.
#pragma once

#include "objects/ShapeObj.h"

enum ArcStyle : WORD { ARC_STYLE_ARC = 1, ARC_STYLE_CHORD = 2, ARC_STYLE_PIE = 3 };

class CArcShapeObj : public CShapeObj
{
    DECLARE_DYNAMIC(CArcShapeObj)
public:
    CArcShapeObj(const CArcShapeObj& other);

    void Draw(CDC* pDC, int zoom, BOOL withHandles, BOOL printMode, const LOGFONT* font, DWORD displayOptions,
              CBaseDoc* document) override;
    void DrawMoveTracker(CDC* pDC, int zoom, SIZE offset, DWORD hitFlags, BOOL printMode) override;

    // The style switches (check mark by style); other commands are the box object's.
    BOOL UpdateCommandUI(CCmdUI* cmdUI, CBaseDoc* document, DWORD hitCode, BOOL printMode,
                         BOOL severalSelected) override;
    // The style switches; FALSE when the style already had that value.
    BOOL ApplyAttributeCommand(UINT commandId, CObject* argument, DWORD hitCode) override;
    // The style of another arc, then the box object's attributes; the geometry is not copied.
    void CopyAttributes(const CBaseObj& other) override;

    WORD GetArcStyle() const { return m_wArcStyle; }
    void SetArcStyle(WORD style) { m_wArcStyle = style; }
    // The ellipse the arc lies on and the arc's two ends, in 0.1 mm.
    virtual void GetArcGeometry(CRect& ellipse, CPoint& first, CPoint& second) const = 0;

protected:
    CArcShapeObj(WORD kind, WORD objectId, const CRect& rect);

    // The same at the zoom.
    void GetScaledArcGeometry(int zoom, CRect& ellipse, CPoint& first, CPoint& second) const;
    // The menu with the style switches and these operations.
    void TrackArcMenu(CPoint screenPoint, CWnd* view, std::span<const PopupMenuItem> operations) const;
    // "ArcStyle", then the box object's keys.
    void VisitDefaultKeys(DefaultKeys& keys) override;

    WORD m_wArcStyle;
};
