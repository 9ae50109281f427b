// The text object's right-click menu and the commands it sends: frame, font, colours, placement,
// spacing, text shadow and outline.
#include "objects/StrgObj.h"

#include "foundation/ColorItemList.h"
#include "foundation/CommandIds.h"
#include "foundation/PopupMenu.h"
#include "foundation/SymbolPrimitives.h"
#include "objects/ObjectMenus.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/Menu.h"

#include <algorithm>
#include <cstddef>
#include <memory>
#include <span>

namespace textmenu {

// Sizes by id - ID_TEXT_SHADOW_NONE and by id - ID_TEXT_OUTLINE_NONE.
constexpr WORD kTextShadowSizes[] = {0, 3, 6, 9};
constexpr WORD kOutlineSizes[] = {0, 1, 3, 5};
constexpr WORD kSpacingStep = 2;
constexpr WORD kMaxSpacing = 100;

constexpr PopupMenuItem kAlignItems[] = {
    // clang-format off
    {MF_STRING, ID_TEXT_ALIGN_LEFT, u8"左寄せ"},
    {MF_STRING, ID_TEXT_ALIGN_CENTER, u8"中央揃え"},
    {MF_STRING, ID_TEXT_ALIGN_RIGHT, u8"右寄せ"},
    {MF_SEPARATOR, POPUP_SEPARATOR_ID, u8""},
    {MF_STRING, ID_TEXT_ALIGN_TOP, u8"上寄せ"},
    {MF_STRING, ID_TEXT_ALIGN_VCENTER, u8"垂直方向中央揃え"},
    {MF_STRING, ID_TEXT_ALIGN_BOTTOM, u8"下寄せ"},
    // clang-format on
};

constexpr PopupMenuItem kSpacingItems[] = {
    // clang-format off
    {MF_STRING, ID_CHAR_SPACING_DEFAULT, u8"ﾃﾞｨﾌｫﾙﾄに戻す"},
    {MF_STRING, ID_CHAR_SPACING_WIDER, u8"広げる"},
    {MF_STRING, ID_CHAR_SPACING_NARROWER, u8"狭める"},
    // clang-format on
};

constexpr PopupMenuItem kTextShadowItems[] = {
    // clang-format off
    {MF_STRING, ID_TEXT_SHADOW_NONE, u8"影なし"},
    {MF_STRING, ID_TEXT_SHADOW_NONE + 1, u8"影小"},
    {MF_STRING, ID_TEXT_SHADOW_NONE + 2, u8"影中"},
    {MF_STRING, ID_TEXT_SHADOW_LARGE, u8"影大"},
    // clang-format on
};

constexpr PopupMenuItem kOutlineItems[] = {
    // clang-format off
    {MF_STRING, ID_TEXT_OUTLINE_NONE, u8"輪郭なし"},
    {MF_STRING, ID_TEXT_OUTLINE_NONE + 1, u8"輪郭小"},
    {MF_STRING, ID_TEXT_OUTLINE_NONE + 2, u8"輪郭中"},
    {MF_STRING, ID_TEXT_OUTLINE_LARGE, u8"輪郭大"},
    // clang-format on
};

// The horizontal placements lead the placement items.
constexpr std::size_t kHorizontalAlignCount = 3;

std::unique_ptr<CPopupMenu> MakeItemMenu(std::span<const PopupMenuItem> items)
{
    auto menu = std::make_unique<CPopupMenu>();
    menu->BuildFromItems(items.data(), int(items.size()));
    return menu;
}

// An effect popup: its size items, then its colour menu.
std::unique_ptr<CPopupMenu> MakeEffectMenu(std::span<const PopupMenuItem> items, UINT colorBase,
                                           const char8_t* colorLabel)
{
    auto menu = MakeItemMenu(items);
    menu->AppendPopup(objectmenus::MakeColorMenu(colorBase), CString(colorLabel));
    return menu;
}

BOOL SetIfChanged(WORD& field, WORD value)
{
    if (field == value)
        return FALSE;
    field = value;
    return TRUE;
}

} // namespace textmenu

// --- The menu -----------------------------------------------------------------------------------

void CStrgObj::ObjectContextMenu(CPoint screenPoint, CWnd* view, DWORD, BOOL printMode, BOOL)
{
    if (IsHiddenIn(printMode))
        return;
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, ID_TEXT_FRAME, CString(u8"枠線の表示"));
    AppendPenMenus(menu);
    menu.AppendMenu(MF_STRING, ID_RECT_ROUNDED, CString(u8"面取り"));
    AppendFillAndShadowMenus(menu, MF_UNCHECKED);
    AppendFontMenus(menu);
    menu.AppendMenu(MF_SEPARATOR);
    AppendPlacementMenus(menu, FALSE);
    AppendTextEffectMenus(menu);
    AppendDefaultsAndOperations(menu);
    TrackObjectMenu(menu, screenPoint, view);
}

void CStrgObj::AppendFontMenus(CMenu& menu) const
{
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(MF_STRING, ID_FONT_ITALIC, CString(u8"ｲﾀﾘｯｸ"));
    menu.AppendMenu(MF_STRING, ID_FONT_BOLD, CString(u8"ﾎﾞｰﾙﾄﾞ"));
    menu.AppendMenu(MF_STRING, ID_FONT_UNDERLINE, CString(u8"下線"));
    menu.AppendPopup(objectmenus::MakeColorMenu(ID_TEXT_COLOR_BASE), CString(u8"文字の色"));
    menu.AppendMenu(MF_STRING, ID_FONT_DIALOG, CString(u8"ﾌｫﾝﾄ指定..."));
}

void CStrgObj::AppendPlacementMenus(CMenu& menu, BOOL horizontalOnly) const
{
    std::span<const PopupMenuItem> align(textmenu::kAlignItems);
    if (horizontalOnly)
        align = align.first(textmenu::kHorizontalAlignCount);
    menu.AppendPopup(textmenu::MakeItemMenu(align), CString(u8"文字配置"));
    menu.AppendPopup(textmenu::MakeItemMenu(textmenu::kSpacingItems), CString(u8"文字間隔"));
}

void CStrgObj::AppendTextEffectMenus(CMenu& menu) const
{
    using textmenu::MakeEffectMenu;
    menu.AppendPopup(MakeEffectMenu(textmenu::kTextShadowItems, ID_TEXT_SHADOW_COLOR_BASE, u8"影の色"),
                     CString(u8"文字影の描画"));
    menu.AppendPopup(MakeEffectMenu(textmenu::kOutlineItems, ID_TEXT_OUTLINE_COLOR_BASE, u8"輪郭の色"),
                     CString(u8"文字輪郭の描画"));
}

// --- Check and enable state ---------------------------------------------------------------------

BOOL CStrgObj::UpdateLayoutCommandUI(CCmdUI* cmdUI) const
{
    const UINT id = cmdUI->m_nID;
    switch (id) {
    case ID_TEXT_ALIGN_LEFT: cmdUI->SetCheck(!(m_dwFormat & (DT_CENTER | DT_RIGHT))); return TRUE;
    case ID_TEXT_ALIGN_RIGHT: cmdUI->SetCheck((m_dwFormat & DT_RIGHT) != 0); return TRUE;
    case ID_TEXT_ALIGN_CENTER: cmdUI->SetCheck((m_dwFormat & DT_CENTER) != 0); return TRUE;
    case ID_TEXT_ALIGN_TOP: cmdUI->SetCheck(!HasVertAlign()); return TRUE;
    case ID_TEXT_ALIGN_BOTTOM: cmdUI->SetCheck((m_dwFormat & DT_BOTTOM) != 0); return TRUE;
    case ID_TEXT_ALIGN_VCENTER: cmdUI->SetCheck((m_dwFormat & DT_VCENTER) != 0); return TRUE;
    case ID_CHAR_SPACING_DEFAULT:
        cmdUI->SetCheck(m_wCharExtra == 0);
        cmdUI->Enable(m_wCharExtra != 0);
        return TRUE;
    case ID_CHAR_SPACING_WIDER: cmdUI->Enable(m_wCharExtra < textmenu::kMaxSpacing); return TRUE;
    case ID_CHAR_SPACING_NARROWER: cmdUI->Enable(m_wCharExtra != 0); return TRUE;
    default: break;
    }
    if (id >= ID_TEXT_SHADOW_NONE && id <= ID_TEXT_SHADOW_LARGE)
        cmdUI->SetCheck(m_wTextShadow == textmenu::kTextShadowSizes[id - ID_TEXT_SHADOW_NONE]);
    else if (id >= ID_TEXT_OUTLINE_NONE && id <= ID_TEXT_OUTLINE_LARGE)
        cmdUI->SetCheck(m_wFraming == textmenu::kOutlineSizes[id - ID_TEXT_OUTLINE_NONE]);
    else
        return FALSE;
    return TRUE;
}

BOOL CStrgObj::UpdateCommandUI(CCmdUI* cmdUI, CBaseDoc* document, DWORD hitCode, BOOL printMode, BOOL severalSelected)
{
    const UINT id = cmdUI->m_nID;
    switch (id) {
    case ID_TEXT_FRAME: cmdUI->SetCheck(m_bDrawFrame); return TRUE;
    case ID_FONT_ITALIC: cmdUI->SetCheck(m_lfFont.lfItalic != 0); return TRUE;
    case ID_FONT_BOLD: cmdUI->SetCheck(m_lfFont.lfWeight == FW_BOLD); return TRUE;
    case ID_FONT_UNDERLINE: cmdUI->SetCheck(m_lfFont.lfUnderline != 0); return TRUE;
    case ID_FONT_DIALOG: return TRUE;
    case ID_RECT_ROUNDED: cmdUI->SetCheck(m_bRound); return TRUE;
    default: break;
    }
    if (objectmenus::InColorMenu(id, ID_TEXT_COLOR_BASE))
        UpdateColorCheck(cmdUI, m_crText, ID_TEXT_COLOR_BASE);
    else if (objectmenus::InColorMenu(id, ID_TEXT_SHADOW_COLOR_BASE))
        UpdateColorCheck(cmdUI, m_crTextShadow, ID_TEXT_SHADOW_COLOR_BASE);
    else if (objectmenus::InColorMenu(id, ID_TEXT_OUTLINE_COLOR_BASE))
        UpdateColorCheck(cmdUI, m_crFraming, ID_TEXT_OUTLINE_COLOR_BASE);
    else if (!UpdateLayoutCommandUI(cmdUI))
        return CBaseObj::UpdateCommandUI(cmdUI, document, hitCode, printMode, severalSelected);
    return TRUE;
}

// --- Attribute commands -------------------------------------------------------------------------

BOOL CStrgObj::ApplyLayoutCommand(UINT commandId)
{
    switch (commandId) {
    // Left and top report a change even when the text already sits there.
    case ID_TEXT_ALIGN_LEFT: SetAlignLeft(); return TRUE;
    case ID_TEXT_ALIGN_TOP: SetAlignTop(); return TRUE;
    case ID_TEXT_ALIGN_RIGHT:
        if (m_dwFormat & DT_RIGHT)
            return FALSE;
        SetAlignRight();
        return TRUE;
    case ID_TEXT_ALIGN_CENTER:
        if (m_dwFormat & DT_CENTER)
            return FALSE;
        SetAlignCenter();
        return TRUE;
    case ID_TEXT_ALIGN_BOTTOM:
        if (m_dwFormat & DT_BOTTOM)
            return FALSE;
        SetAlignBottom();
        return TRUE;
    case ID_TEXT_ALIGN_VCENTER:
        if (m_dwFormat & DT_VCENTER)
            return FALSE;
        SetAlignVCenter();
        return TRUE;
    case ID_CHAR_SPACING_DEFAULT: return textmenu::SetIfChanged(m_wCharExtra, 0);
    case ID_CHAR_SPACING_WIDER:
        if (m_wCharExtra >= textmenu::kMaxSpacing)
            return FALSE;
        m_wCharExtra = std::min<WORD>(WORD(m_wCharExtra + textmenu::kSpacingStep), textmenu::kMaxSpacing);
        return TRUE;
    case ID_CHAR_SPACING_NARROWER:
        return textmenu::SetIfChanged(m_wCharExtra, m_wCharExtra > textmenu::kSpacingStep
                                                        ? WORD(m_wCharExtra - textmenu::kSpacingStep)
                                                        : WORD(0));
    default: break;
    }
    if (commandId >= ID_TEXT_SHADOW_NONE && commandId <= ID_TEXT_SHADOW_LARGE)
        return textmenu::SetIfChanged(m_wTextShadow, textmenu::kTextShadowSizes[commandId - ID_TEXT_SHADOW_NONE]);
    if (commandId >= ID_TEXT_OUTLINE_NONE && commandId <= ID_TEXT_OUTLINE_LARGE)
        return textmenu::SetIfChanged(m_wFraming, textmenu::kOutlineSizes[commandId - ID_TEXT_OUTLINE_NONE]);
    return FALSE;
}

BOOL CStrgObj::ApplyTextColorCommand(UINT commandId, CObject* argument)
{
    static constexpr struct
    {
        UINT baseId;
        COLORREF CStrgObj::*field;
    } kMenus[] = {
        {ID_TEXT_COLOR_BASE, &CStrgObj::m_crText},
        {ID_TEXT_SHADOW_COLOR_BASE, &CStrgObj::m_crTextShadow},
        {ID_TEXT_OUTLINE_COLOR_BASE, &CStrgObj::m_crFraming},
    };
    for (const auto& menu : kMenus) {
        if (!objectmenus::IsColorCommand(commandId, menu.baseId))
            continue;
        const COLORREF current = this->*menu.field;
        COLORREF color = current;
        if (commandId == menu.baseId + COLOR_MENU_FROM_OBJECT) {
            const CStrgObj* source = DYNAMIC_DOWNCAST(CStrgObj, argument);
            if (!source)
                return FALSE;
            color = source->*menu.field;
        } else {
            CColorItemList* palette = objectmenus::Palette();
            if (!palette || !palette->SelectColorByCommandId(commandId, menu.baseId, menu.baseId + COLOR_MENU_DIALOG,
                                                             current, color))
                return FALSE;
        }
        if (color == current)
            return FALSE;
        this->*menu.field = color;
        return TRUE;
    }
    return FALSE;
}

BOOL CStrgObj::ApplyAttributeCommand(UINT commandId, CObject* argument, DWORD hitCode)
{
    switch (commandId) {
    case ID_TEXT_FRAME: m_bDrawFrame = !m_bDrawFrame; return TRUE;
    case ID_RECT_ROUNDED: m_bRound = !m_bRound; return TRUE;
    case ID_FONT_ITALIC: m_lfFont.lfItalic = !m_lfFont.lfItalic; return TRUE;
    case ID_FONT_UNDERLINE: m_lfFont.lfUnderline = !m_lfFont.lfUnderline; return TRUE;
    case ID_FONT_BOLD: m_lfFont.lfWeight = m_lfFont.lfWeight == FW_BOLD ? FW_NORMAL : FW_BOLD; return TRUE;
    case ID_FONT_DIALOG: return ChooseFontDialog();
    case ID_FONT_FROM_OBJECT:
        if (const CStrgObj* source = DYNAMIC_DOWNCAST(CStrgObj, argument))
            return CopyFontFrom(*source);
        return FALSE;
    default: break;
    }
    if (objectmenus::IsColorCommand(commandId, ID_TEXT_COLOR_BASE) ||
        objectmenus::IsColorCommand(commandId, ID_TEXT_SHADOW_COLOR_BASE) ||
        objectmenus::IsColorCommand(commandId, ID_TEXT_OUTLINE_COLOR_BASE))
        return ApplyTextColorCommand(commandId, argument);
    if (ApplyLayoutCommand(commandId))
        return TRUE;
    return CBaseObj::ApplyAttributeCommand(commandId, argument, hitCode);
}
