// CDiamondObj: the diamond, whose corners are the midpoints of its rectangle's sides. It keeps the
// rectangle's record and handles but never rounds, and casts a narrower shadow.
#pragma once

#include "objects/OutlineObj.h"

// The four corners: left, top, right, bottom (halves truncated toward zero).
void CalcDiamondPoints(const RECT& rect, POINT* points);

class CDiamondObj : public COutlineObj
{
    DECLARE_SERIAL(CDiamondObj)
public:
    CDiamondObj();
    CDiamondObj(WORD objectId, const CRect& rect);
    CDiamondObj(const CDiamondObj& other);

    CString& GetTypeName(CString& name) const override;
    CString& GetProfileSection(CString& section) const override;

    // Inside or near the diamond; hollow and outline-only, near its edges.
    BOOL HitTest(POINT point, int tolerance, BOOL printMode, BOOL outlineOnly) const override;

    void ObjectContextMenu(CPoint screenPoint, CWnd* view, DWORD hitCode, BOOL printMode,
                           BOOL severalSelected) override;
    // The rounding switch is refused (FALSE): a diamond has no corners to round.
    BOOL ApplyAttributeCommand(UINT commandId, CObject* argument, DWORD hitCode) override;

    // Down by the full depth, right by two fifths of it.
    void GetShadowOffset(CSize& offset) const override;
    BOOL GetHorzLineAtDepth(int depth, CPoint& leftPoint, CPoint& rightPoint) const override;

protected:
    int CalcOutline(const RECT& rect, float ratio, POINT* points) const override;
    BOOL NormalizesResizeOutline() const override { return FALSE; }
};
