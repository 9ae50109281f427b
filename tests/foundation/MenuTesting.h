// What the menu tests share.
#pragma once

#include "platform/gdi/DC.h"
#include "platform/gdi/DrawLog.h"
#include "platform/ui/Menu.h"

#include <vector>

namespace menu_testing {

// The command ids of the menu's items in order (0 for a separator or a popup).
inline std::vector<UINT> ItemIds(const CMenu& menu)
{
    std::vector<UINT> ids;
    for (int i = 0; i < menu.GetMenuItemCount(); ++i)
        ids.push_back(menu.GetMenuItemID(i));
    return ids;
}

// Paints one item in the rectangle on a recording device and returns what it drew.
inline DrawLog PaintItem(CMenu& menu, UINT id, UINT_PTR data, UINT action, UINT state, const RECT& rect)
{
    DrawLog log;
    CDC dc;
    dc.CreateRecording(&log);
    DRAWITEMSTRUCT item;
    item.itemID = id;
    item.itemAction = action;
    item.itemState = state;
    item.pDC = &dc;
    item.rcItem = rect;
    item.itemData = data;
    menu.DrawItem(&item);
    return log;
}

} // namespace menu_testing
