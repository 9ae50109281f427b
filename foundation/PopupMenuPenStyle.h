// CPopupMenuPenStyle: the seven pen styles of an object's line, each shown with a sample line.
#pragma once

#include "platform/ui/Menu.h"

class CPopupMenuPenStyle : public CMenu
{
public:
    // Thin, medium and thick solid, then dotted, dashed, dash-dot and dash-dot-dot.
    void BuildPenStyleMenu();
    // The label of a pen-style command; empty for any other id.
    static CString GetLabel(UINT id);

    void DrawItem(DRAWITEMSTRUCT* item) override;
    void MeasureItem(MEASUREITEMSTRUCT* item) override;
};
