#include "foundation/PopupMenu.h"

void CPopupMenu::BuildFromItems(const PopupMenuItem* items, int count)
{
    CreatePopupMenu();
    for (int i = 0; i < count; ++i) {
        const PopupMenuItem& item = items[i];
        if (item.id == POPUP_SEPARATOR_ID)
            AppendMenu(MF_SEPARATOR);
        else
            AppendMenu(item.flags, item.id, CString(item.text));
    }
}
