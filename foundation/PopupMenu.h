// CPopupMenu: a plain popup built from a table of items; the object menus use it for their small
// text submenus.
#pragma once

#include "platform/ui/Menu.h"

// One item of a popup table: menu flags, command id (POPUP_SEPARATOR_ID makes a separator) and
// text, written in the source as UTF-8.
struct PopupMenuItem
{
    UINT flags;
    UINT id;
    const char8_t* text;
};

// The id that marks a separator in a popup table (the value of MF_SEPARATOR).
constexpr UINT POPUP_SEPARATOR_ID = MF_SEPARATOR;

class CPopupMenu : public CMenu
{
public:
    // Creates the popup and appends the first count items in order (none for a count below 1).
    void BuildFromItems(const PopupMenuItem* items, int count);
};
