#include "foundation/PopupMenuColorItem.h"

#include "foundation/AppServices.h"
#include "foundation/ColorItemList.h"
#include "foundation/CommandIds.h"
#include "foundation/MenuItemPainting.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/DC.h"
#include "platform/ui/SystemColors.h"

namespace PopupMenuColorItemImpl {

constexpr const char8_t* kOtherColorLabel = u8"その他...";
constexpr UINT kItemWidth = 100;
constexpr UINT kItemHeight = 20;

CColorItemList* Palette()
{
    AppServices* services = GetAppServices();
    return services ? services->GetColorItemList() : nullptr;
}

} // namespace PopupMenuColorItemImpl

void CPopupMenuColorItem::BuildColorMenu(UINT baseId)
{
    CreatePopupMenu();
    // The commands read base + 16 as the dialog: a palette of another size (a damaged profile) must
    // not make a palette entry of it, so at most 16 entries are listed and the dialog stays there.
    UINT count = 0;
    if (const CColorItemList* palette = PopupMenuColorItemImpl::Palette()) {
        BOOL recentSeparated = FALSE;
        for (POSITION pos = palette->GetHeadPosition(); pos && count < COLOR_MENU_DIALOG;) {
            const CColorItem* item = palette->GetNext(pos);
            if (item->GetRecentFlag() && !recentSeparated) {
                AppendMenu(MF_SEPARATOR);
                recentSeparated = TRUE;
            }
            AppendOwnerDrawItem(baseId + count++, item->GetId());
        }
    }
    AppendMenu(MF_SEPARATOR);
    AppendOwnerDrawItem(baseId + COLOR_MENU_DIALOG, 0);
}

void CPopupMenuColorItem::MeasureItem(MEASUREITEMSTRUCT* item)
{
    item->itemWidth = PopupMenuColorItemImpl::kItemWidth;
    item->itemHeight = PopupMenuColorItemImpl::kItemHeight;
}

void CPopupMenuColorItem::DrawItem(DRAWITEMSTRUCT* item)
{
    COLORREF swatch = GetSysColor(COLOR_MENU);
    CString label(PopupMenuColorItemImpl::kOtherColorLabel);
    if (item->itemData != 0) {
        const CColorItemList* palette = PopupMenuColorItemImpl::Palette();
        const CColorItem* entry = palette ? palette->FindColorItemById(WORD(item->itemData)) : nullptr;
        if (!entry)
            return;
        swatch = entry->GetColor();
        label = entry->GetMenuName();
    }
    const RECT& r = item->rcItem;
    const auto picture = [&r, swatch](CDC& dc) {
        const CRect box(r.left + 15, r.top + 1, r.left + 33, r.bottom - 1);
        CBrush fill(swatch);
        dc.FillRect(&box, &fill);
        CBrush frame(RGB(0, 0, 0));
        dc.FrameRect(&box, &frame);
    };
    const auto check = [&r](CDC& dc) {
        CGdiObject* oldBrush = dc.SelectStockObject(BLACK_BRUSH);
        CGdiObject* oldPen = dc.SelectStockObject(BLACK_PEN);
        dc.Ellipse(r.left + 4, r.top + 6, r.left + 11, r.bottom - 7);
        dc.SelectObject(oldBrush);
        dc.SelectObject(oldPen);
    };
    PaintMenuItem(*item, label, CRect(r.left + 37, r.top + 2, r.right, r.bottom - 2), picture, check);
}
