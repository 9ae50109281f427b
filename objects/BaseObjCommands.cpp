// The right-click menu of a box object and the commands it sends: check states, attribute
// commands and shape operations.
#include "objects/BaseObj.h"

#include "foundation/ColorItemList.h"
#include "foundation/CommandIds.h"
#include "foundation/PopupMenu.h"
#include "objects/ObjectMenus.h"
#include "objects/PolyLine.h"
#include "platform/ui/CmdUI.h"

#include <iterator>
#include <memory>

namespace boxmenu {

constexpr PopupMenuItem kOperationItems[] = {
    // clang-format off
    {MF_STRING, ID_OBJ_SNAP_TO_GRID, u8"ｸﾞﾘｯﾄﾞに配置"},
    {MF_STRING, ID_OBJ_SQUARE_BY_HEIGHT, u8"高さで正方形"},
    {MF_STRING, ID_OBJ_SQUARE_BY_WIDTH, u8"幅で正方形"},
    {MF_STRING, ID_OBJ_SQUARE_BY_LONGER, u8"長辺で正方形"},
    {MF_STRING, ID_OBJ_SQUARE_BY_SHORTER, u8"短辺で正方形"},
    // clang-format on
};

using objectmenus::MakeColorMenu;
using objectmenus::Palette;

using objectmenus::InColorMenu;
using objectmenus::IsColorCommand;

} // namespace boxmenu

// --- The menu -----------------------------------------------------------------------------------

void CBaseObj::AppendPenMenus(CMenu& menu) const
{
    objectmenus::AppendPenMenus(menu);
}

void CBaseObj::AppendFillAndShadowMenus(CMenu& menu, UINT fillCheck) const
{
    AppendFillAndShadowMenus(menu, fillCheck, m_bFill);
}

void CBaseObj::AppendFillAndShadowMenus(CMenu& menu, UINT fillCheck, BOOL shadowEnabled) const
{
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(MF_STRING | fillCheck, ID_OBJ_FILL, CString(u8"塗りつぶし"));
    menu.AppendPopup(boxmenu::MakeColorMenu(ID_FILL_COLOR_BASE), CString(u8"塗りつぶし色"));
    menu.AppendPopup(objectmenus::MakeShadowMenu(), CString(u8"影の描画"), shadowEnabled ? MF_STRING : MF_GRAYED);
}

void CBaseObj::AppendDefaultsAndOperations(CMenu& menu) const
{
    AppendDefaultsAndOperations(menu, boxmenu::kOperationItems);
}

void CBaseObj::AppendDefaultsAndOperations(CMenu& menu, std::span<const PopupMenuItem> operations,
                                           BOOL withDefaultSize) const
{
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(MF_STRING, ID_SET_DEFAULT_ATTRIBUTES, CString(u8"ﾃﾞｨﾌｫﾙﾄ属性に設定"));
    menu.AppendMenu(MF_STRING, ID_COPY_DEFAULT_ATTRIBUTES, CString(u8"ﾃﾞｨﾌｫﾙﾄ属性からｺﾋﾟｰ"));
    if (withDefaultSize)
        menu.AppendMenu(MF_STRING, ID_OBJ_DEFAULT_SIZE, CString(u8"ﾃﾞｨﾌｫﾙﾄ ｻｲｽﾞに変更"));
    menu.AppendMenu(MF_SEPARATOR);
    auto popup = std::make_unique<CPopupMenu>();
    popup->BuildFromItems(operations.data(), int(operations.size()));
    menu.AppendPopup(std::move(popup), CString(u8"操作"));
}

void CBaseObj::TrackObjectMenu(CMenu& menu, CPoint screenPoint, CWnd* view)
{
    objectmenus::TrackObjectMenu(menu, screenPoint, view);
}

void CBaseObj::ObjectContextMenu(CPoint screenPoint, CWnd* view, DWORD, BOOL, BOOL)
{
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING | (m_bHideDefine ? MF_CHECKED : 0), ID_OBJ_HIDE_DEFINE, CString(u8"定義モード時非表示"));
    AppendPenMenus(menu);
    AppendFillAndShadowMenus(menu, m_bFill ? MF_CHECKED : MF_UNCHECKED);
    AppendDefaultsAndOperations(menu);
    TrackObjectMenu(menu, screenPoint, view);
}

void CBaseObj::PartContextMenu(CPoint, CWnd*, DWORD, BOOL, BOOL) {}

// --- Check and enable state ---------------------------------------------------------------------

void CBaseObj::UpdateColorCheck(CCmdUI* cmdUI, COLORREF color, UINT baseId)
{
    objectmenus::UpdateColorCheck(cmdUI, color, baseId);
}

BOOL CBaseObj::UpdateShadowCommandUI(CCmdUI* cmdUI) const
{
    const UINT id = cmdUI->m_nID;
    if (id >= ID_SHADOW_NONE && id <= ID_SHADOW_LARGE)
        cmdUI->SetCheck(m_wShadowDepth == objectmenus::ShadowDepthOf(id));
    else if (boxmenu::InColorMenu(id, ID_SHADOW_COLOR_BASE))
        UpdateColorCheck(cmdUI, m_crShadow, ID_SHADOW_COLOR_BASE);
    else
        return FALSE;
    cmdUI->Enable(m_bFill);
    return TRUE;
}

BOOL CBaseObj::UpdateLinkCommandUI(CCmdUI* cmdUI) const
{
    switch (cmdUI->m_nID) {
    case ID_OBJ_PICK_LINK: cmdUI->SetCheck(m_wLinkObjectId != 0); return TRUE;
    case ID_OBJ_CLEAR_LINK: cmdUI->Enable(m_wLinkObjectId != 0); return TRUE;
    case ID_OBJ_SQUARE_BY_HEIGHT:
    case ID_OBJ_SQUARE_BY_WIDTH:
    case ID_OBJ_SQUARE_BY_LONGER:
    case ID_OBJ_SQUARE_BY_SHORTER:
    case ID_OBJ_SNAP_TO_GRID:
    case ID_OBJ_STANDARD_SIZE:
    case ID_OBJ_DEFAULT_SIZE: return TRUE;
    default: return FALSE;
    }
}

BOOL CBaseObj::UpdateCommandUI(CCmdUI* cmdUI, CBaseDoc*, DWORD, BOOL, BOOL severalSelected)
{
    const UINT id = cmdUI->m_nID;
    if (objectmenus::UpdatePenCheck(cmdUI, m_nPenStyle, m_nPenWidth)) {
        return TRUE;
    } else if (id == ID_OBJ_FILL) {
        cmdUI->SetCheck(m_bFill);
    } else if (id == ID_OBJ_HIDE_DEFINE) {
        cmdUI->SetCheck(m_bHideDefine);
    } else if (boxmenu::InColorMenu(id, ID_PEN_COLOR_BASE)) {
        UpdateColorCheck(cmdUI, m_crPen, ID_PEN_COLOR_BASE);
    } else if (boxmenu::InColorMenu(id, ID_FILL_COLOR_BASE)) {
        UpdateColorCheck(cmdUI, m_crFill, ID_FILL_COLOR_BASE);
    } else if (id == ID_SET_DEFAULT_ATTRIBUTES) {
        cmdUI->Enable(!severalSelected);
    } else if (id != ID_COPY_DEFAULT_ATTRIBUTES) {
        return UpdateShadowCommandUI(cmdUI) || UpdateLinkCommandUI(cmdUI);
    }
    return TRUE;
}

UINT CBaseObj::GetKeyCommand(UINT, UINT, UINT)
{
    return 0;
}

// --- Attribute commands -------------------------------------------------------------------------

BOOL CBaseObj::ApplyAttributeCommand(UINT commandId, CObject* argument, DWORD)
{
    int style = 0;
    int width = 0;
    if (objectmenus::GetPenCommandValues(commandId, style, width)) {
        if (m_nPenStyle == style && m_nPenWidth == width)
            return FALSE;
        SetPenStyle(style);
        SetPenWidth(width);
        return TRUE;
    }
    switch (commandId) {
    case ID_OBJ_FILL: ToggleFill(); return TRUE;
    case ID_OBJ_HIDE_DEFINE: ToggleHideDefine(); return TRUE;
    case ID_COPY_DEFAULT_ATTRIBUTES:
        if (const CBaseObj* prototype = DYNAMIC_DOWNCAST(CBaseObj, argument)) {
            CopyAttributes(*prototype);
            return TRUE;
        }
        return FALSE;
    default: break;
    }
    if (commandId >= ID_SHADOW_NONE && commandId <= ID_SHADOW_LARGE) {
        const WORD depth = objectmenus::ShadowDepthOf(commandId);
        if (m_wShadowDepth == depth)
            return FALSE;
        SetShadowDepth(depth);
        return TRUE;
    }
    return ApplyColorCommand(commandId, argument);
}

BOOL CBaseObj::ApplyColorCommand(UINT commandId, CObject* argument)
{
    // Each colour menu with the field it sets; the shadow colour is stored directly.
    struct ColorMenu
    {
        UINT baseId;
        COLORREF CBaseObj::*field;
        COLORREF (CBaseObj::*set)(COLORREF);
    };
    static constexpr ColorMenu kMenus[] = {
        // clang-format off
        {ID_PEN_COLOR_BASE, &CBaseObj::m_crPen, &CBaseObj::SetPenColor},
        {ID_FILL_COLOR_BASE, &CBaseObj::m_crFill, &CBaseObj::SetFillColor},
        {ID_SHADOW_COLOR_BASE, &CBaseObj::m_crShadow, nullptr},
        // clang-format on
    };
    for (const ColorMenu& menu : kMenus) {
        if (!boxmenu::IsColorCommand(commandId, menu.baseId))
            continue;
        const COLORREF current = this->*menu.field;
        COLORREF color = current;
        if (commandId == menu.baseId + COLOR_MENU_FROM_OBJECT) {
            if (const CBaseObj* source = DYNAMIC_DOWNCAST(CBaseObj, argument))
                color = source->*menu.field;
            else if (const CPolyLine* line = DYNAMIC_DOWNCAST(CPolyLine, argument);
                     line && menu.baseId == ID_FILL_COLOR_BASE)
                color = line->GetFillColor(); // a line hands over its own fill colour
            else
                return FALSE;
        } else {
            CColorItemList* palette = boxmenu::Palette();
            if (!palette || !palette->SelectColorByCommandId(commandId, menu.baseId, menu.baseId + COLOR_MENU_DIALOG,
                                                             current, color))
                return FALSE;
        }
        if (color == current)
            return FALSE;
        if (menu.set)
            (this->*menu.set)(color);
        else
            this->*menu.field = color;
        return TRUE;
    }
    return FALSE;
}

// --- Shape operations ---------------------------------------------------------------------------

BOOL CBaseObj::MakeSquare(UINT commandId)
{
    const CRect rect = GetNormalizedRect(m_rect);
    const int width = rect.Width();
    const int height = rect.top - rect.bottom;
    if (width == height)
        return FALSE;
    BOOL byWidth = commandId == ID_OBJ_SQUARE_BY_WIDTH;
    if (commandId == ID_OBJ_SQUARE_BY_LONGER)
        byWidth = height <= width;
    else if (commandId == ID_OBJ_SQUARE_BY_SHORTER)
        byWidth = height > width;
    const int side = byWidth ? width : height;
    m_rect = rect;
    SetSizeFromTopLeft(CSize(side, -side));
    return TRUE;
}

BOOL CBaseObj::ApplyShapeOperation(UINT commandId, DWORD hitCode, UINT_PTR operationArgument)
{
    switch (commandId) {
    case ID_OBJ_SQUARE_BY_HEIGHT:
    case ID_OBJ_SQUARE_BY_WIDTH:
    case ID_OBJ_SQUARE_BY_LONGER:
    case ID_OBJ_SQUARE_BY_SHORTER: return MakeSquare(commandId);
    case ID_OBJ_SNAP_TO_GRID: {
        const CSize offset{int(hitCode), int(operationArgument)};
        if (offset == CSize(0, 0))
            return FALSE;
        MoveBy(offset, 0);
        return TRUE;
    }
    case ID_OBJ_STANDARD_SIZE: return ResetToStandardSize();
    case ID_OBJ_DEFAULT_SIZE: return ResetToDefaultSize();
    case ID_OBJ_CLEAR_NUMBER: return ClearNumber(DWORD(operationArgument));
    case ID_OBJ_PICK_LINK:
    case ID_OBJ_CLEAR_LINK: {
        // A new link is a change of the document, which must then count as modified.
        const WORD target = commandId == ID_OBJ_PICK_LINK ? WORD(operationArgument) : 0;
        if (m_wLinkObjectId == target)
            return FALSE;
        SetLinkObjectId(target);
        return TRUE;
    }
    default: return FALSE;
    }
}
