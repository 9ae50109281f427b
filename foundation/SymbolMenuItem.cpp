#include "foundation/SymbolMenuItem.h"

#include "foundation/MenuItemPainting.h"

#include "platform/gdi/DC.h"
#include "platform/ui/Menu.h"

#include <numeric>

namespace symbol_menu_item_cpp {

constexpr UINT kItemWidth = 200;
constexpr UINT kItemHeight = 30;
// The symbol is 240 by 160 units at zoom 100 and is drawn 26 pixels high.
constexpr SIZE kSymbolSize{240, -160};
constexpr int kSymbolPixels = 26;
constexpr UINT kLabelFormat = DT_SINGLELINE | DT_VCENTER;

} // namespace symbol_menu_item_cpp

void BuildSymbolMenu(CMenu& menu, UINT idBase, std::span<const WORD> kinds)
{
    menu.CreatePopupMenu();
    for (const WORD kind : kinds)
        if (!menu.AppendOwnerDrawItem(idBase + kind, kind))
            return;
}

std::vector<WORD> ValidSymbolKinds(int count)
{
    std::vector<WORD> kinds(std::size_t(count > 1 ? count - 1 : 0));
    std::iota(kinds.begin(), kinds.end(), WORD(1));
    return kinds;
}

void MeasureSymbolMenuItem(MEASUREITEMSTRUCT* item)
{
    item->itemWidth = symbol_menu_item_cpp::kItemWidth;
    item->itemHeight = symbol_menu_item_cpp::kItemHeight;
}

void PaintSymbolMenuItem(const DRAWITEMSTRUCT& item, const CString& label, const SymbolPictogram& pictogram)
{
    const RECT& r = item.rcItem;
    const auto picture = [&r, &pictogram](CDC& dc) {
        const int oldMode = dc.SetMapMode(MM_LOMETRIC);
        CDC* measurer = dc.GetAttribDC();
        // 0.1 mm per device pixel vertically.
        const double unit = measurer->GetDeviceCaps(VERTSIZE) * 10.0 / measurer->GetDeviceCaps(VERTRES);
        const int zoom = int(100 * symbol_menu_item_cpp::kSymbolPixels * unit / -symbol_menu_item_cpp::kSymbolSize.cy);
        const POINT origin{30, -10 - int(-symbol_menu_item_cpp::kSymbolSize.cy * (r.top + 1) /
                                         symbol_menu_item_cpp::kSymbolPixels)};
        pictogram(dc, zoom, origin, symbol_menu_item_cpp::kSymbolSize);
        dc.SetMapMode(oldMode);
    };
    const CRect text(r.right / 4, r.top + 2, r.right, r.bottom - 2);
    PaintMenuItem(
        item, label, text, picture, [](CDC&) {}, symbol_menu_item_cpp::kLabelFormat);
}
