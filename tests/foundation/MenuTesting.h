// What the menu tests share.
#pragma once

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

} // namespace menu_testing
