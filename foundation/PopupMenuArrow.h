// CPopupMenuArrow: the 16 line-end marks of a line's start or end, each drawn on a sample line at
// the end it belongs to.
#pragma once

#include "platform/ui/Menu.h"

class CPopupMenuArrow : public CMenu
{
public:
    // The start marks (ids ID_ARROW_START_BASE + mark) or the end marks (ID_ARROW_END_BASE + mark);
    // with fill the arrow heads, the circle and the diamond are drawn filled.
    void BuildArrowMenu(BOOL start, BOOL fill);
    // The name of mark 0 to 15; empty for any other number.
    static CString GetMarkName(int mark);

    void DrawItem(DRAWITEMSTRUCT* item) override;
    void MeasureItem(MEASUREITEMSTRUCT* item) override;

private:
    BOOL m_bStart = FALSE;
    BOOL m_bFill = FALSE;
};
