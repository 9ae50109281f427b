// CPolygonObj: the hexagon (pointed at the left and right) and the octagon (square cuts at the
// corners) of the two polygon tools. The rectangle's rounding ratio is the corner ratio: the share
// of the width (hexagon) or of the shorter side (octagon) that the corners cut off, dragged with a
// handle on the upper-left corner.
#pragma once

#include "objects/OutlineObj.h"

constexpr WORD POLYGON_HEXAGON = 6;
constexpr WORD POLYGON_OCTAGON = 8;
constexpr float DEFAULT_OCTAGON_RATIO = 0.33f;

// The outline points; 6 or 8 of them, none for another side count.
int CalcPolygonPoints(const RECT& rect, WORD sides, float ratio, POINT* points);

class CPolygonObj : public COutlineObj
{
    DECLARE_SERIAL(CPolygonObj)
public:
    CPolygonObj();
    // Eight sides start with the ratio 0.33; any count but 8 makes a hexagon.
    CPolygonObj(WORD objectId, const CRect& rect, WORD sides);
    CPolygonObj(const CPolygonObj& other);

    // The rectangle's record, then the side count; a count other than 6 or 8 reads as 6.
    void Serialize(CArchive& ar) override;

    CString& GetTypeName(CString& name) const override;
    CString& GetProfileSection(CString& section) const override;

    // Inside or near the polygon; a ratio of 0 is a plain rectangle.
    BOOL HitTest(POINT point, int tolerance, BOOL printMode, BOOL outlineOnly) const override;

    void ObjectContextMenu(CPoint screenPoint, CWnd* view, DWORD hitCode, BOOL printMode,
                           BOOL severalSelected) override;
    BOOL UpdateCommandUI(CCmdUI* cmdUI, CBaseDoc* document, DWORD hitCode, BOOL printMode,
                         BOOL severalSelected) override;
    // The side-count switches keep the ratio; FALSE when the count already matched.
    BOOL ApplyAttributeCommand(UINT commandId, CObject* argument, DWORD hitCode) override;
    void CopyAttributes(const CBaseObj& other) override;

    BOOL GetHorzLineAtDepth(int depth, CPoint& leftPoint, CPoint& rightPoint) const override;

    WORD GetSideCount() const { return m_wSideCount; }
    // Takes 6 or 8; any other count is ignored.
    void SetSideCount(WORD sides);
    // Where the corner handle lies; FALSE for a flat rectangle.
    BOOL GetCornerHandlePos(CPoint& handle) const;

protected:
    int CalcOutline(const RECT& rect, float ratio, POINT* points) const override;
    BOOL HasRatioHandle() const override { return TRUE; }
    float GetShapeRatio() const override { return m_fRoundRate; }
    void SetShapeRatio(float ratio) override { m_fRoundRate = ratio; }
    BOOL CalcRatioHandlePos(const RECT& rect, CPoint& handle) const override;
    // Hexagon: the handle runs along the top up to the middle (ratio 0 to 0.5); octagon: down the
    // left side up to half the shorter side.
    BOOL CalcDraggedRatio(const RECT& rect, POINT handle, SIZE offset, float& ratio) const override;
    // "PolygonPoints", then the rectangle's keys ("RoundRate" holds the corner ratio).
    void VisitDefaultKeys(DefaultKeys& keys) override;

private:
    WORD m_wSideCount;
};
