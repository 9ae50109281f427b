#include "foundation/PopupMenuFileBoxStyle.h"

#include "foundation/CommandIds.h"
#include "foundation/FileTypeMarks.h"
#include "foundation/MenuItemPainting.h"

#include "platform/gdi/DC.h"
#include "platform/ui/SystemColors.h"

namespace popup_menu_file_box_style_cpp {

constexpr UINT kItemWidth = 180;

void DrawCheckDot(CDC& dc, const RECT& r)
{
    CGdiObject* oldBrush = dc.SelectStockObject(BLACK_BRUSH);
    CGdiObject* oldPen = dc.SelectStockObject(BLACK_PEN);
    dc.Ellipse(r.left + 4, r.top + 6, r.left + 11, r.bottom - 7);
    dc.SelectObject(oldPen);
    dc.SelectObject(oldBrush);
}

} // namespace popup_menu_file_box_style_cpp

void CPopupMenuFileBoxStyle::BuildBoxStyleMenu(const std::vector<FileTypeMenuEntry>& styles)
{
    // The items point into the copy: it must not move once they are appended.
    m_styles.clear();
    for (const FileTypeMenuEntry& style : styles)
        if (style.shown)
            m_styles.push_back(style);
    CreatePopupMenu();
    for (const FileTypeMenuEntry& style : m_styles)
        if (!AppendOwnerDrawItem(ID_FILE_TYPE_MARK_BASE + style.markId, reinterpret_cast<UINT_PTR>(&style)))
            return;
}

void CPopupMenuFileBoxStyle::MeasureItem(MEASUREITEMSTRUCT* item)
{
    item->itemWidth = popup_menu_file_box_style_cpp::kItemWidth;
    item->itemHeight = UINT(GetSystemMetrics(SM_CYMENU));
}

void CPopupMenuFileBoxStyle::DrawItem(DRAWITEMSTRUCT* item)
{
    const auto* style = reinterpret_cast<const FileTypeMenuEntry*>(item->itemData);
    if (!style)
        return;
    const RECT& r = item->rcItem;
    const int height = r.bottom - r.top;
    const WORD mark = style->markId;
    // The menu's pixel mapping stays: the mark's rectangle has its top above its bottom.
    const auto picture = [&r, height, mark](CDC& dc) {
        DrawFileTypeMark(&dc, 100, {r.left + 15, r.top + 4, r.left + height + 7, r.bottom - 4}, mark, 0, 0);
    };
    const auto check = [&r](CDC& dc) { popup_menu_file_box_style_cpp::DrawCheckDot(dc, r); };
    PaintMenuItem(*item, style->userName, CRect(r.left + height + 11, r.top + 2, r.right, r.bottom - 2), picture,
                  check);
}
