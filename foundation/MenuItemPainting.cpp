#include "foundation/MenuItemPainting.h"

#include "platform/gdi/Brush.h"
#include "platform/gdi/DC.h"
#include "platform/ui/Menu.h"
#include "platform/ui/SystemColors.h"

namespace MenuItemPaintingImpl {

void DrawLabel(CDC& dc, const CString& label, const CRect& textRect, COLORREF text, COLORREF background, UINT format)
{
    const COLORREF oldText = dc.SetTextColor(text);
    const COLORREF oldBack = dc.SetBkColor(background);
    CRect rect = textRect;
    dc.DrawText(label, &rect, format);
    dc.SetTextColor(oldText);
    dc.SetBkColor(oldBack);
}

} // namespace MenuItemPaintingImpl

void PaintMenuItem(const DRAWITEMSTRUCT& item, const CString& label, const CRect& textRect, const MenuItemPart& picture,
                   const MenuItemPart& checkMark, UINT labelFormat)
{
    CDC& dc = *item.pDC;
    const COLORREF menu = GetSysColor(COLOR_MENU);
    const COLORREF menuText = GetSysColor(COLOR_MENUTEXT);
    const CRect highlight(textRect.left - 2, textRect.top - 1, textRect.right, textRect.bottom + 1);
    if (item.itemAction & ODA_DRAWENTIRE) {
        picture(dc);
        if (item.itemState & ODS_CHECKED)
            checkMark(dc);
        const COLORREF oldText = dc.SetTextColor(menuText);
        CRect rect = textRect;
        dc.DrawText(label, &rect, labelFormat);
        dc.SetTextColor(oldText);
    }
    if (item.itemState & ODS_SELECTED) {
        if (!(item.itemAction & (ODA_DRAWENTIRE | ODA_SELECT)))
            return;
        const COLORREF color = GetSysColor(COLOR_HIGHLIGHT);
        CBrush brush(color);
        dc.FillRect(&highlight, &brush);
        dc.DrawFocusRect(&highlight);
        MenuItemPaintingImpl::DrawLabel(dc, label, textRect, GetSysColor(COLOR_HIGHLIGHTTEXT), color, labelFormat);
    } else if (item.itemAction & ODA_SELECT) {
        CBrush brush(menu);
        dc.FillRect(&highlight, &brush);
        MenuItemPaintingImpl::DrawLabel(dc, label, textRect, menuText, menu, labelFormat);
    }
}

void DrawBoxCheckMark(CDC& dc, const RECT& item, int x)
{
    CGdiObject* oldBrush = dc.SelectStockObject(WHITE_BRUSH);
    CGdiObject* oldPen = dc.SelectStockObject(BLACK_PEN);
    dc.Rectangle(item.left + 4, item.top + 4, x, item.bottom - 4);
    dc.MoveTo(item.left + 4, item.top + 4);
    dc.LineTo(x, item.bottom - 4);
    dc.MoveTo(item.left + 4, item.bottom - 5);
    dc.LineTo(x - 1, item.top + 4);
    dc.SelectObject(oldBrush);
    dc.SelectObject(oldPen);
}
