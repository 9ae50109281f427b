// The right-click menu of a line and the attribute commands it sends, with their check and
// enable states.
#include "objects/PolyLine.h"

#include "foundation/ColorItemList.h"
#include "foundation/CommandIds.h"
#include "foundation/PopupMenu.h"
#include "foundation/PopupMenuArrow.h"
#include "objects/BaseObj.h"
#include "objects/ObjectMenus.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/Menu.h"

#include <iterator>
#include <memory>

namespace linemenu {

constexpr PopupMenuItem kFillModeItems[] = {
    // clang-format off
    {MF_STRING, ID_FILL_MODE_ALTERNATE, u8"ALTERNATE"},
    {MF_STRING, ID_FILL_MODE_WINDING, u8"WINDING"},
    // clang-format on
};

constexpr PopupMenuItem kStartMarkStyleItems[] = {
    // clang-format off
    {MF_STRING, ID_START_LINE_MARK, u8"線ﾏｰｸ"},
    {MF_STRING, ID_START_FILLED_MARK, u8"塗りつぶしﾏｰｸ"},
    // clang-format on
};

constexpr PopupMenuItem kEndMarkStyleItems[] = {
    // clang-format off
    {MF_STRING, ID_END_LINE_MARK, u8"線ﾏｰｸ"},
    {MF_STRING, ID_END_FILLED_MARK, u8"塗りつぶしﾏｰｸ"},
    // clang-format on
};

constexpr PopupMenuItem kOperationItems[] = {
    // clang-format off
    {MF_STRING, ID_OBJ_SNAP_TO_GRID, u8"ｸﾞﾘｯﾄﾞに配置"},
    {MF_STRING, ID_OP_LINE_ADJUST_POINTS, u8"点位置調整"},
    {MF_STRING, ID_OP_LINE_VERTICAL_CRANK, u8"垂直ｸﾗﾝｸ変形"},
    {MF_STRING, ID_OP_LINE_HORIZONTAL_CRANK, u8"水平ｸﾗﾝｸ変形"},
    {MF_STRING, ID_OP_LINE_RIGHT_ANGLE, u8"直角変形"},
    {MF_STRING, ID_OP_LINE_REVERSE_RIGHT_ANGLE, u8"逆直角変形"},
    {MF_STRING, ID_OP_LINE_BREAK, u8"改行変形"},
    {MF_STRING, ID_OP_LINE_STRAIGHTEN, u8"直線変形"},
    {MF_STRING, ID_OP_LINE_SELF_REFERENCE, u8"自己参照変形"},
    {MF_STRING, ID_OP_LINE_LIGHTNING, u8"稲妻変形"},
    {MF_STRING, ID_OP_LINE_SMOOTH, u8"ｽﾑｰｼﾞﾝｸﾞ"},
    {MF_SEPARATOR, POPUP_SEPARATOR_ID, nullptr},
    {MF_STRING, ID_OBJ_PICK_START_CONNECTION, u8"開始点接続ｵﾌﾞｼﾞｪｸﾄ指定"},
    {MF_STRING, ID_OBJ_PICK_END_CONNECTION, u8"終了点接続ｵﾌﾞｼﾞｪｸﾄ指定"},
    // clang-format on
};

// The mark codes that need a straight end segment: a spline end shows none of them.
constexpr BOOL IsStraightEndMark(UINT mark)
{
    return mark == MARK_DOUBLE_ARROW || mark >= MARK_SMALL_DOUBLE_ARROW;
}

template <std::size_t N>
std::unique_ptr<CMenu> MakeTextMenu(const PopupMenuItem (&items)[N])
{
    auto menu = std::make_unique<CPopupMenu>();
    menu->BuildFromItems(items, int(N));
    return menu;
}

std::unique_ptr<CMenu> MakeMarkMenu(BOOL start, BOOL fill)
{
    auto menu = std::make_unique<CPopupMenuArrow>();
    menu->BuildArrowMenu(start, fill);
    return menu;
}

BOOL InRange(UINT id, UINT first, UINT last)
{
    return id >= first && id <= last;
}

// The pen colour or the fill colour of a line or a box object; FALSE for any other object.
BOOL GetObjectColor(const CObject* object, BOOL fill, COLORREF& color)
{
    if (const CPolyLine* line = DYNAMIC_DOWNCAST(CPolyLine, object)) {
        color = fill ? line->GetFillColor() : line->GetPenColor();
        return TRUE;
    }
    if (const CBaseObj* box = DYNAMIC_DOWNCAST(CBaseObj, object)) {
        color = fill ? box->GetFillColor() : box->GetPenColor();
        return TRUE;
    }
    return FALSE;
}

} // namespace linemenu

// --- The menu -----------------------------------------------------------------------------------

void CPolyLine::ObjectContextMenu(CPoint screenPoint, CWnd* view, DWORD, BOOL, BOOL)
{
    using namespace linemenu;
    using objectmenus::MakeColorMenu;
    CMenu menu;
    menu.CreatePopupMenu();
    objectmenus::AppendPenMenus(menu);
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(MF_STRING, ID_LINE_BEZIER, CString(u8"ﾍﾞｼﾞｪ ｽﾌﾟﾗｲﾝ"));
    menu.AppendMenu(MF_STRING, ID_LINE_CLOSED, CString(u8"自動的に閉じる"));
    menu.AppendMenu(MF_STRING, ID_OBJ_FILL, CString(u8"塗りつぶし"));
    menu.AppendPopup(MakeColorMenu(ID_FILL_COLOR_BASE), CString(u8"塗りつぶし色"),
                     IsValidBezier() ? MF_GRAYED : MF_STRING);
    menu.AppendPopup(MakeTextMenu(kFillModeItems), CString(u8"塗りつぶしﾓｰﾄﾞ"));
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendPopup(MakeMarkMenu(TRUE, IsFilledMark(LINEEND_START)), CString(u8"開始点ﾏｰｸ"));
    menu.AppendPopup(MakeTextMenu(kStartMarkStyleItems), CString(u8"開始点ﾏｰｸ描画方法"));
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendPopup(MakeMarkMenu(FALSE, IsFilledMark(LINEEND_END)), CString(u8"終了点ﾏｰｸ"));
    menu.AppendPopup(MakeTextMenu(kEndMarkStyleItems), CString(u8"終了点ﾏｰｸ描画方法"));
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(MF_STRING, ID_SET_DEFAULT_ATTRIBUTES, CString(u8"ﾃﾞｨﾌｫﾙﾄ属性に設定"));
    menu.AppendMenu(MF_STRING, ID_COPY_DEFAULT_ATTRIBUTES, CString(u8"ﾃﾞｨﾌｫﾙﾄ属性からｺﾋﾟｰ"));
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendPopup(MakeTextMenu(kOperationItems), CString(u8"操作"));
    objectmenus::TrackObjectMenu(menu, screenPoint, view);
}

void CPolyLine::PartContextMenu(CPoint, CWnd*, DWORD, BOOL, BOOL) {}

// --- In-place text editing and text search ------------------------------------------------------

BOOL CPolyLine::CanEditText(CBaseDoc*, DWORD, DWORD) const
{
    return TRUE;
}

UINT CPolyLine::GetEditCommand(CBaseDoc*, DWORD, DWORD) const
{
    return 0;
}

BOOL CPolyLine::BeginEdit(CDC*, int, CFloatEdit*&, CWnd*, UINT, DWORD, const LOGFONT*, DWORD)
{
    return FALSE;
}

BOOL CPolyLine::EndEdit(CFloatEdit*&, DWORD)
{
    return FALSE;
}

BOOL CPolyLine::FindObjectText(const CString&, BOOL) const
{
    return FALSE;
}

BOOL CPolyLine::ReplaceObjectText(const CString&, const CString&, BOOL)
{
    return FALSE;
}

// --- Check and enable state ---------------------------------------------------------------------

BOOL CPolyLine::UpdateCommandUI(CCmdUI* cmdUI, CBaseDoc*, DWORD, BOOL, BOOL severalSelected)
{
    using linemenu::InRange;
    const UINT id = cmdUI->m_nID;
    if (objectmenus::UpdatePenCheck(cmdUI, m_nPenStyle, m_nPenWidth)) {
        return TRUE;
    } else if (InRange(id, ID_START_LINE_MARK, ID_END_FILLED_MARK)) {
        const LineEnd end = id <= ID_START_FILLED_MARK ? LINEEND_START : LINEEND_END;
        const BOOL filled = id == ID_START_FILLED_MARK || id == ID_END_FILLED_MARK;
        cmdUI->SetCheck(filled ? IsFilledMark(end) : IsLineMark(end));
    } else if (objectmenus::InColorMenu(id, ID_PEN_COLOR_BASE)) {
        objectmenus::UpdateColorCheck(cmdUI, m_crPen, ID_PEN_COLOR_BASE);
    } else if (objectmenus::InColorMenu(id, ID_FILL_COLOR_BASE)) {
        objectmenus::UpdateColorCheck(cmdUI, m_crFill, ID_FILL_COLOR_BASE);
    } else if (id == ID_LINE_BEZIER) {
        cmdUI->SetCheck(IsBezier());
        cmdUI->Enable(GetCount() % 3 == 1);
    } else if (id == ID_SET_DEFAULT_ATTRIBUTES) {
        cmdUI->Enable(!severalSelected);
    } else {
        return UpdateBezierRuledCommandUI(cmdUI) || UpdateOperationCommandUI(cmdUI);
    }
    return TRUE;
}

BOOL CPolyLine::UpdateBezierRuledCommandUI(CCmdUI* cmdUI) const
{
    using linemenu::InRange;
    const UINT id = cmdUI->m_nID;
    BOOL enabled = !IsValidBezier();
    if (id == ID_OBJ_FILL) {
        cmdUI->SetCheck(IsFilled());
    } else if (id == ID_LINE_CLOSED) {
        cmdUI->SetCheck(IsClosed());
    } else if (id == ID_FILL_MODE_ALTERNATE || id == ID_FILL_MODE_WINDING) {
        cmdUI->SetCheck(m_nFillMode == int(id - ID_FILL_MODE_ALTERNATE + 1));
    } else if (InRange(id, ID_ARROW_START_BASE, ID_ARROW_END_BASE + MARK_CIRCLE_DOUBLE_BAR)) {
        const BOOL start = id < ID_ARROW_END_BASE;
        const UINT mark = id - (start ? ID_ARROW_START_BASE : ID_ARROW_END_BASE);
        cmdUI->SetCheck(GetMark(start ? LINEEND_START : LINEEND_END) == mark);
        enabled = enabled || !linemenu::IsStraightEndMark(mark);
    } else {
        return FALSE;
    }
    cmdUI->Enable(enabled);
    return TRUE;
}

BOOL CPolyLine::UpdateOperationCommandUI(CCmdUI* cmdUI) const
{
    switch (cmdUI->m_nID) {
    case ID_OP_LINE_STRAIGHTEN: cmdUI->Enable(GetCount() > 2); return TRUE;
    case ID_OP_LINE_SMOOTH: cmdUI->Enable(GetCount() > 3); return TRUE;
    case ID_OBJ_PICK_START_CONNECTION: cmdUI->SetCheck(m_wStartObjectId != 0); return TRUE;
    case ID_OBJ_PICK_END_CONNECTION: cmdUI->SetCheck(m_wEndObjectId != 0); return TRUE;
    case ID_OBJ_CLEAR_START_CONNECTION: cmdUI->Enable(m_wStartObjectId != 0); return TRUE;
    case ID_OBJ_CLEAR_END_CONNECTION: cmdUI->Enable(m_wEndObjectId != 0); return TRUE;
    case ID_COPY_DEFAULT_ATTRIBUTES:
    case ID_OP_LINE_ADJUST_POINTS:
    case ID_OP_LINE_VERTICAL_CRANK:
    case ID_OP_LINE_HORIZONTAL_CRANK:
    case ID_OBJ_SNAP_TO_GRID:
    case ID_OP_LINE_LIGHTNING:
    case ID_OP_LINE_BREAK:
    case ID_OP_LINE_RIGHT_ANGLE:
    case ID_OP_LINE_SELF_REFERENCE:
    case ID_OP_LINE_REVERSE_RIGHT_ANGLE: return TRUE;
    default: return FALSE;
    }
}

// --- Attribute commands -------------------------------------------------------------------------

BOOL CPolyLine::ApplyAttributeCommand(UINT commandId, CObject* argument, DWORD)
{
    switch (commandId) {
    case ID_OBJ_FILL: SetFilled(!IsFilled()); return TRUE;
    case ID_LINE_CLOSED: SetClosed(!IsClosed()); return TRUE;
    case ID_LINE_BEZIER: SetBezier(!IsBezier()); return TRUE;
    case ID_FILL_MODE_ALTERNATE:
    case ID_FILL_MODE_WINDING: SetFillMode(int(commandId - ID_FILL_MODE_ALTERNATE + 1)); return TRUE;
    case ID_COPY_DEFAULT_ATTRIBUTES:
        if (const CPolyLine* prototype = DYNAMIC_DOWNCAST(CPolyLine, argument)) {
            CopyAttributes(*prototype);
            return TRUE;
        }
        return FALSE;
    default: break;
    }
    if (linemenu::InRange(commandId, ID_ARROW_START_BASE, ID_ARROW_END_BASE + MARK_CIRCLE_DOUBLE_BAR)) {
        const BOOL start = commandId < ID_ARROW_END_BASE;
        SetMark(start ? LINEEND_START : LINEEND_END,
                WORD(commandId - (start ? ID_ARROW_START_BASE : ID_ARROW_END_BASE)));
        return TRUE;
    }
    return ApplyPenCommand(commandId) || ApplyMarkCommand(commandId) || ApplyColorCommand(commandId, argument);
}

BOOL CPolyLine::ApplyPenCommand(UINT commandId)
{
    int style = 0;
    int width = 0;
    if (!objectmenus::GetPenCommandValues(commandId, style, width))
        return FALSE;
    if (m_nPenStyle == style && m_nPenWidth == width)
        return FALSE;
    SetPenStyle(style);
    SetPenWidth(width);
    return TRUE;
}

BOOL CPolyLine::ApplyMarkCommand(UINT commandId)
{
    if (!linemenu::InRange(commandId, ID_START_LINE_MARK, ID_END_FILLED_MARK))
        return FALSE;
    const LineEnd end = commandId <= ID_START_FILLED_MARK ? LINEEND_START : LINEEND_END;
    const BOOL filled = commandId == ID_START_FILLED_MARK || commandId == ID_END_FILLED_MARK;
    if (filled ? IsFilledMark(end) : IsLineMark(end))
        return FALSE;
    if (filled)
        SetFilledMark(end);
    else
        SetLineMark(end);
    return TRUE;
}

BOOL CPolyLine::ApplyColorCommand(UINT commandId, CObject* argument)
{
    const BOOL fill = objectmenus::IsColorCommand(commandId, ID_FILL_COLOR_BASE);
    const UINT baseId = fill ? ID_FILL_COLOR_BASE : ID_PEN_COLOR_BASE;
    if (!fill && !objectmenus::IsColorCommand(commandId, baseId))
        return FALSE;
    const COLORREF current = fill ? m_crFill : m_crPen;
    COLORREF color = current;
    if (commandId == baseId + COLOR_MENU_FROM_OBJECT) {
        if (!linemenu::GetObjectColor(argument, fill, color))
            return FALSE;
    } else {
        CColorItemList* palette = objectmenus::Palette();
        if (!palette || !palette->SelectColorByCommandId(commandId, baseId, baseId + COLOR_MENU_DIALOG, current, color))
            return FALSE;
    }
    if (color == current)
        return FALSE;
    if (fill)
        m_crFill = color;
    else
        SetPenColor(color);
    return TRUE;
}
