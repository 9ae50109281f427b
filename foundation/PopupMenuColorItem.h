// CPopupMenuColorItem: the colour palette as a menu, a swatch per entry, the recent colours after
// a separator and an entry that opens the colour dialog.
#pragma once

#include "platform/ui/Menu.h"

class CPopupMenuColorItem : public CMenu
{
public:
    // Entry i of the application's palette gets base + i; the dialog entry base + 16.
    void BuildColorMenu(UINT baseId);

    // An entry whose palette colour has gone since the menu was built paints nothing.
    void DrawItem(DRAWITEMSTRUCT* item) override;
    void MeasureItem(MEASUREITEMSTRUCT* item) override;
};
