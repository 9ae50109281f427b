// The painting scheme that every owner-drawn attribute menu item shares: the picture and the check
// mark of the item, its label, and the highlight of the label part when the item is selected.
#pragma once

#include "platform/afx/Rect.h"
#include "platform/afx/String.h"

#include <functional>

class CDC;
struct DRAWITEMSTRUCT;

// The item's own parts, drawn on the item's device context (device pixels, y down).
using MenuItemPart = std::function<void(CDC& dc)>;

// Paints the item: on a full paint the picture, then the check mark when checked, then the label
// in the text rectangle; when selected, the highlight (2 pixels left of the text and 1 pixel taller
// at each end) with the label again in the highlight colours; when only deselected, the highlight
// rectangle back in the menu colours. The label is drawn with the DrawText format.
void PaintMenuItem(const DRAWITEMSTRUCT& item, const CString& label, const CRect& textRect, const MenuItemPart& picture,
                   const MenuItemPart& checkMark, UINT labelFormat = 0);

// The check mark of the pen-style and line-end items: a white box from the corner (L + 4, T + 4)
// to (x, B - 4), crossed by its two diagonals.
void DrawBoxCheckMark(CDC& dc, const RECT& item, int x);
