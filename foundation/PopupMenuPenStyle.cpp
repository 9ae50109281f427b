#include "foundation/PopupMenuPenStyle.h"

#include "foundation/CommandIds.h"
#include "foundation/MenuItemPainting.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Pen.h"
#include "platform/ui/SystemColors.h"

#include <memory>

namespace PopupMenuPenStyleImpl {

// Labels by id - ID_PEN_SOLID_THIN.
constexpr const char8_t* kPenStyleLabels[] = {u8"実線(細)", u8"破線",     u8"点線",    u8"1点鎖線",
                                              u8"2点鎖線",  u8"実線(中)", u8"実線(太)"};
constexpr UINT kPenStyleOrder[] = {ID_PEN_SOLID_THIN, ID_PEN_SOLID_MEDIUM, ID_PEN_SOLID_THICK, ID_PEN_DOT,
                                   ID_PEN_DASH,       ID_PEN_DASHDOT,      ID_PEN_DASHDOTDOT};
constexpr int kItemWidth = 140;

// The pen of a sample line; null for the thin solid line, which uses the stock black pen.
std::unique_ptr<CPen> MakeSamplePen(UINT id)
{
    switch (id) {
    case ID_PEN_SOLID_MEDIUM: return std::make_unique<CPen>(PS_SOLID, 2, RGB(0, 0, 0));
    case ID_PEN_SOLID_THICK: return std::make_unique<CPen>(PS_SOLID, 4, RGB(0, 0, 0));
    case ID_PEN_SOLID_THIN: return nullptr;
    default: return std::make_unique<CPen>(int(id - ID_PEN_SOLID_THIN), 0, RGB(0, 0, 0));
    }
}

} // namespace PopupMenuPenStyleImpl

CString CPopupMenuPenStyle::GetLabel(UINT id)
{
    if (id < ID_PEN_SOLID_THIN || id > ID_PEN_SOLID_THICK)
        return CString();
    return CString(PopupMenuPenStyleImpl::kPenStyleLabels[id - ID_PEN_SOLID_THIN]);
}

void CPopupMenuPenStyle::BuildPenStyleMenu()
{
    CreatePopupMenu();
    for (UINT id : PopupMenuPenStyleImpl::kPenStyleOrder)
        AppendOwnerDrawItem(id, 0);
}

void CPopupMenuPenStyle::MeasureItem(MEASUREITEMSTRUCT* item)
{
    item->itemWidth = PopupMenuPenStyleImpl::kItemWidth;
    item->itemHeight = UINT(GetSystemMetrics(SM_CYMENU));
}

void CPopupMenuPenStyle::DrawItem(DRAWITEMSTRUCT* item)
{
    const RECT& r = item->rcItem;
    const int height = r.bottom - r.top;
    const int x0 = r.left + height - 4;
    const int y = r.top + 1 + (height - 2) / 2;
    const auto picture = [item, x0, y](CDC& dc) {
        const std::unique_ptr<CPen> pen = PopupMenuPenStyleImpl::MakeSamplePen(item->itemID);
        CGdiObject* old = pen ? dc.SelectObject(pen.get()) : dc.SelectStockObject(BLACK_PEN);
        dc.MoveTo(x0 + 6, y);
        dc.LineTo(x0 + 58, y);
        dc.SelectObject(old);
    };
    const auto check = [&r, x0](CDC& dc) { DrawBoxCheckMark(dc, r, x0); };
    PaintMenuItem(*item, GetLabel(item->itemID), CRect(x0 + 64, r.top + 2, r.right, r.bottom - 2), picture, check);
}
