// The task's right-click menu, its commands and the in-place editing of its three texts.
#include "model/Kadai.h"

#include "foundation/CommandIds.h"
#include "foundation/PopupMenu.h"
#include "foundation/PopupMenuPenStyle.h"
#include "foundation/ZoomScale.h"
#include "model/ModelObjectMenus.h"
#include "objects/FloatEdit.h"
#include "objects/ObjectMenus.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/Menu.h"

#include <iterator>
#include <memory>
#include <utility>

namespace kadaicommands {

constexpr PopupMenuItem kOperationItems[] = {
    // clang-format off
    {MF_STRING, ID_OBJ_SNAP_TO_GRID, u8"ｸﾞﾘｯﾄﾞに配置"},
    {MF_STRING, ID_OBJ_PICK_LINK, u8"ﾘﾝｸ先 ｵﾌﾞｼﾞｪｸﾄ指定"},
    // clang-format on
};

// The edit flags that wrap the name and the contents in the editor and join their lines again.
constexpr DWORD kEditFlagName = 16;
constexpr DWORD kEditFlagContents = 32;
// Margin below the edited cell, 5 units at the zoom: three of them below zoom 150, else two.
constexpr int kEditMargin = 5;
constexpr int kLargeZoom = 150;

} // namespace kadaicommands

// --- The menu -----------------------------------------------------------------------------------

void CKadai::ObjectContextMenu(CPoint screenPoint, CWnd* view, DWORD, BOOL printMode, BOOL)
{
    using namespace kadaicommands;
    if (IsHiddenIn(printMode))
        return;
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, ID_SET_DEFAULT_ATTRIBUTES, CString(u8"ﾃﾞｨﾌｫﾙﾄ属性に設定"));
    menu.AppendMenu(MF_STRING, ID_COPY_DEFAULT_ATTRIBUTES, CString(u8"ﾃﾞｨﾌｫﾙﾄ属性からｺﾋﾟｰ"));
    menu.AppendMenu(MF_SEPARATOR);
    auto operations = std::make_unique<CPopupMenu>();
    operations->BuildFromItems(kOperationItems, int(std::size(kOperationItems)));
    menu.AppendPopup(std::move(operations), CString(u8"操作"));
    auto other = std::make_unique<CMenu>();
    other->CreatePopupMenu();
    auto penStyles = std::make_unique<CPopupMenuPenStyle>();
    penStyles->BuildPenStyleMenu();
    other->AppendPopup(std::move(penStyles), CString(u8"線種"));
    other->AppendPopup(objectmenus::MakeColorMenu(ID_PEN_COLOR_BASE), CString(u8"線の色"));
    other->AppendPopup(objectmenus::MakeColorMenu(ID_TEXT_COLOR_BASE), CString(u8"文字の色"));
    other->AppendMenu(MF_SEPARATOR);
    other->AppendPopup(objectmenus::MakeShadowMenu(), CString(u8"影の描画"));
    menu.AppendPopup(std::move(other), CString(u8"その他"));
    TrackObjectMenu(menu, screenPoint, view);
}

BOOL CKadai::UpdateCommandUI(CCmdUI* cmdUI, CBaseDoc* document, DWORD hitCode, BOOL printMode, BOOL severalSelected)
{
    if (modelobjects::UpdateShadowCheck(cmdUI, m_wShadowDepth, m_crShadow))
        return TRUE;
    if (objectmenus::InColorMenu(cmdUI->m_nID, ID_TEXT_COLOR_BASE)) {
        UpdateColorCheck(cmdUI, m_crFont, ID_TEXT_COLOR_BASE);
        return TRUE;
    }
    return CRectObj::UpdateCommandUI(cmdUI, document, hitCode, printMode, severalSelected);
}

BOOL CKadai::ApplyAttributeCommand(UINT commandId, CObject* argument, DWORD hitCode)
{
    if (objectmenus::IsColorCommand(commandId, ID_TEXT_COLOR_BASE)) {
        const CKadai* source = DYNAMIC_DOWNCAST(CKadai, argument);
        return modelobjects::ApplyTextColorCommand(commandId, source ? &source->m_crFont : nullptr, m_crFont);
    }
    return CRectObj::ApplyAttributeCommand(commandId, argument, hitCode);
}

// --- In-place editing ---------------------------------------------------------------------------

BOOL CKadai::CanEditText(CBaseDoc*, DWORD hitCode, DWORD) const
{
    return (hitCode & HIT_SHAPE_HANDLE) && (hitCode & (PART_NUMBER | PART_NAME | PART_CONTENTS));
}

BOOL CKadai::BeginEdit(CDC* pDC, int zoom, CFloatEdit*& editor, CWnd* parent, UINT controlId, DWORD hitCode,
                       const LOGFONT* font, DWORD editFlags)
{
    using namespace kadaicommands;
    m_dwEditedPart = 0;
    if (!(hitCode & HIT_SHAPE_HANDLE) || zoom < modelobjects::MIN_EDIT_ZOOM)
        return FALSE;
    DWORD part = 0;
    if (hitCode & PART_NUMBER)
        part = PART_NUMBER;
    else if (hitCode & PART_NAME)
        part = PART_NAME;
    else if (hitCode & PART_CONTENTS)
        part = PART_CONTENTS;
    else
        return FALSE;
    modelobjects::EditArea area;
    area.zoomed = GetPartCell(zoom, part);
    int margin = kEditMargin;
    ScaleValueByZoom(margin, zoom);
    area.zoomed.bottom -= (zoom < kLargeZoom ? 3 : 2) * margin;
    if (part == PART_CONTENTS)
        area.growTop = 1;
    else
        area.growRight = 1;
    area.alignment = CFloatEdit::ALIGN_LEFT;
    area.multiLine = part != PART_NUMBER;
    const CString& text = part == PART_NUMBER ? m_strNumber : part == PART_NAME ? m_strName : m_strContents;
    const BOOL wrap = (part == PART_NAME && (editFlags & kEditFlagName)) ||
                      (part == PART_CONTENTS && (editFlags & kEditFlagContents));
    if (!modelobjects::OpenTextEditor(pDC, zoom, area, font, parent, controlId, text, wrap, editor))
        return FALSE;
    m_dwEditedPart = hitCode;
    return TRUE;
}

BOOL CKadai::EndEdit(CFloatEdit*& editor, DWORD editFlags)
{
    using namespace kadaicommands;
    if (m_dwEditedPart & PART_NUMBER)
        return modelobjects::CloseTextEditor(editor, m_strNumber, FALSE);
    if (m_dwEditedPart & PART_NAME)
        return modelobjects::CloseTextEditor(editor, m_strName, (editFlags & kEditFlagName) != 0);
    if (m_dwEditedPart & PART_CONTENTS)
        return modelobjects::CloseTextEditor(editor, m_strContents, (editFlags & kEditFlagContents) != 0);
    delete std::exchange(editor, nullptr);
    return FALSE;
}
