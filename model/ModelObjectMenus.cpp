#include "model/ModelObjectMenus.h"

#include "foundation/ColorItemList.h"
#include "foundation/CommandIds.h"
#include "foundation/PopupMenu.h"
#include "foundation/SymbolPrimitives.h"
#include "foundation/TextFunctions.h"
#include "foundation/ZoomScale.h"
#include "objects/FloatEdit.h"
#include "objects/ObjectMenus.h"
#include "platform/gdi/DC.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/Menu.h"

#include <iterator>
#include <utility>

namespace modelobjects {

BOOL UpdateShadowCheck(CCmdUI* cmdUI, WORD depth, COLORREF color)
{
    const UINT id = cmdUI->m_nID;
    if (id >= ID_SHADOW_NONE && id <= ID_SHADOW_LARGE) {
        cmdUI->SetCheck(depth == objectmenus::ShadowDepthOf(id));
        cmdUI->Enable(TRUE);
        return TRUE;
    }
    if (objectmenus::InColorMenu(id, ID_SHADOW_COLOR_BASE)) {
        objectmenus::UpdateColorCheck(cmdUI, color, ID_SHADOW_COLOR_BASE);
        return TRUE;
    }
    return FALSE;
}

BOOL ApplyTextColorCommand(UINT commandId, const COLORREF* sourceColor, COLORREF& color)
{
    if (!objectmenus::IsColorCommand(commandId, ID_TEXT_COLOR_BASE))
        return FALSE;
    COLORREF chosen = color;
    if (commandId == ID_TEXT_COLOR_BASE + COLOR_MENU_FROM_OBJECT) {
        if (!sourceColor)
            return FALSE;
        chosen = *sourceColor;
    } else {
        CColorItemList* palette = objectmenus::Palette();
        if (!palette || !palette->SelectColorByCommandId(commandId, ID_TEXT_COLOR_BASE,
                                                         ID_TEXT_COLOR_BASE + COLOR_MENU_DIALOG, color, chosen))
            return FALSE;
    }
    if (chosen == color)
        return FALSE;
    color = chosen;
    return TRUE;
}

BOOL OpenTextEditor(CDC* pDC, int zoom, const EditArea& area, const LOGFONT* font, CWnd* parent, UINT controlId,
                    const CString& text, BOOL wrap, CFloatEdit*& editor)
{
    LOGFONT drawingFont;
    if (font)
        CopyLogFont(drawingFont, *font);
    else
        InitDefaultLogFont(drawingFont);
    CPoint corners[2] = {area.zoomed.TopLeft(), area.zoomed.BottomRight()};
    pDC->LPtoDP(corners, 2);
    CRect device(corners[0], corners[1]);
    device.NormalizeRect();
    device.right += area.growRight;
    device.top -= area.growTop;
    device.bottom += area.growBottom;
    auto opened = std::make_unique<CFloatEdit>(area.alignment, device, parent, controlId, area.multiLine, TRUE);
    if (!opened->GetSafeHwnd())
        return FALSE;
    LOGFONT editFont;
    CopyLogFont(editFont, drawingFont);
    editFont.lfHeight = FontHeightToDevice(pDC, drawingFont.lfHeight);
    ScaleValueByZoom(editFont.lfHeight, zoom);
    if (!opened->SetEditFont(editFont))
        return FALSE;
    CString shown = text;
    if (wrap) {
        // The wrap counts characters of the drawing font over the area's width in 0.1 mm.
        CRect logical = area.zoomed;
        UnscaleRectByZoom(logical, zoom);
        WrapTextToRect(shown, text, logical, drawingFont);
    }
    opened->SetText(shown);
    opened->SetFocus();
    editor = opened.release();
    return TRUE;
}

BOOL CloseTextEditor(CFloatEdit*& editor, CString& field, BOOL joinLines)
{
    std::unique_ptr<CFloatEdit> closing(std::exchange(editor, nullptr));
    if (!closing || !closing->GetModify())
        return FALSE;
    const CString text = closing->GetText();
    if (joinLines)
        RemoveCrLf(field, text);
    else
        field = text;
    return TRUE;
}

} // namespace modelobjects
