#include "foundation/PopupMenuColorItem.h"

#include "foundation/AppServices.h"
#include "foundation/ColorItemList.h"
#include "foundation/CommandIds.h"

namespace {

constexpr const char8_t* kOtherColorLabel = u8"その他...";

} // namespace

void CPopupMenuColorItem::BuildColorMenu(UINT baseId)
{
    CreatePopupMenu();
    AppServices* services = GetAppServices();
    CColorItemList* palette = services ? services->GetColorItemList() : nullptr;
    // The commands read base + 16 as the dialog: a palette of another size (a damaged profile) must
    // not make a palette entry of it, so at most 16 entries are listed and the dialog stays there.
    UINT count = 0;
    if (palette) {
        BOOL recentSeparated = FALSE;
        for (POSITION pos = palette->GetHeadPosition(); pos && count < COLOR_MENU_DIALOG;) {
            const CColorItem* item = palette->GetNext(pos);
            if (item->GetRecentFlag() && !recentSeparated) {
                AppendMenu(MF_SEPARATOR);
                recentSeparated = TRUE;
            }
            AppendMenu(MF_OWNERDRAW, baseId + count++, item->GetMenuName());
        }
    }
    AppendMenu(MF_SEPARATOR);
    AppendMenu(MF_OWNERDRAW, baseId + COLOR_MENU_DIALOG, CString(kOtherColorLabel));
}
