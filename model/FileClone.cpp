#include "model/FileClone.h"

#include "foundation/CommandIds.h"
#include "foundation/PopupMenu.h"
#include "model/ModelObjectMenus.h"
#include "model/RelationGraph.h"
#include "objects/ObjectMenus.h"
#include "platform/afx/Archive.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/Menu.h"

#include <iterator>
#include <memory>

IMPLEMENT_SERIAL(CFileClone, CStrgObj, 1)

namespace fileclone {

constexpr int kFontHeight = -10;

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

constexpr PopupMenuItem kOperationItems[] = {
    // clang-format off
    {MF_STRING, ID_OBJ_SNAP_TO_GRID, u8"ｸﾞﾘｯﾄﾞに配置"},
    {MF_STRING, ID_OBJ_PICK_CLONE_SOURCE, u8"元概念ﾌｧｲﾙ指定"},
    // clang-format on
};

} // namespace fileclone

CFileClone::CFileClone() : CFileClone(0, CRect()) {}

CFileClone::CFileClone(WORD objectId, const CRect& rect) : CFileClone(objectId, rect, CString(), 0) {}

CFileClone::CFileClone(WORD objectId, const CRect& rect, const CString& text, WORD originalFileId)
    : CStrgObj(OBJKIND_FILECLONE, objectId, rect, text), m_wOriginalFileId(originalFileId)
{
    InitCloneDefaults();
}

CFileClone::CFileClone(const CFileClone& other) = default;

void CFileClone::InitCloneDefaults()
{
    m_bFill = TRUE;
    SetAlignCenter();
    SetAlignTop();
    m_bDrawFrame = TRUE;
    SetFontHeight(fileclone::kFontHeight);
}

void CFileClone::Serialize(CArchive& ar)
{
    CStrgObj::Serialize(ar);
    if (ar.IsStoring())
        ar << m_wOriginalFileId;
    else
        ar >> m_wOriginalFileId;
}

CString& CFileClone::GetTypeName(CString& name) const
{
    return name = CString(u8"概念ﾌｧｲﾙ ｸﾛｰﾝ ｵﾌﾞｼﾞｪｸﾄ");
}

CString CFileClone::GetStatusText(const CBaseDoc&) const
{
    CString type;
    return GetTypeName(type) + " : " + StatusField(GetText());
}

CString& CFileClone::GetProfileSection(CString& section) const
{
    return section = "FileClone Properties";
}

void CFileClone::ObjectContextMenu(CPoint screenPoint, CWnd* view, DWORD, BOOL printMode, BOOL)
{
    if (IsHiddenIn(printMode))
        return;
    CMenu menu;
    menu.CreatePopupMenu();
    AppendPenMenus(menu);
    menu.AppendMenu(MF_STRING, ID_RECT_ROUNDED, CString(u8"面取り"));
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendPopup(objectmenus::MakeColorMenu(ID_FILL_COLOR_BASE), CString(u8"塗りつぶし色"));
    menu.AppendPopup(objectmenus::MakeShadowMenu(), CString(u8"影の描画"), m_bFill ? MF_STRING : MF_GRAYED);
    AppendFontMenus(menu);
    menu.AppendMenu(MF_SEPARATOR);
    auto align = std::make_unique<CPopupMenu>();
    align->BuildFromItems(fileclone::kAlignItems, int(std::size(fileclone::kAlignItems)));
    menu.AppendPopup(std::move(align), CString(u8"文字配置"));
    AppendDefaultsAndOperations(menu, fileclone::kOperationItems);
    TrackObjectMenu(menu, screenPoint, view);
}

BOOL CFileClone::IsLocked(const CBaseDoc* document, BOOL severalSelected) const
{
    if (severalSelected)
        return TRUE;
    return document && RelationGraph::CountNonOneToManyRelLinesAt(*document, GetObjectId()) > 0;
}

BOOL CFileClone::UpdateCommandUI(CCmdUI* cmdUI, CBaseDoc* document, DWORD hitCode, BOOL printMode, BOOL severalSelected)
{
    switch (cmdUI->m_nID) {
    case ID_OBJ_PICK_CLONE_SOURCE:
        cmdUI->SetCheck(HasOriginalFile());
        cmdUI->Enable(!IsLocked(document, severalSelected));
        return TRUE;
    case ID_OBJ_CANCEL_CLONE_SOURCE:
        cmdUI->SetCheck(0);
        cmdUI->Enable(HasOriginalFile() && !IsLocked(document, severalSelected));
        return TRUE;
    default: return CStrgObj::UpdateCommandUI(cmdUI, document, hitCode, printMode, severalSelected);
    }
}

BOOL CFileClone::ApplyShapeOperation(UINT commandId, DWORD hitCode, UINT_PTR operationArgument)
{
    switch (commandId) {
    case ID_OBJ_PICK_CLONE_SOURCE: m_wOriginalFileId = WORD(operationArgument); return TRUE;
    case ID_OBJ_CANCEL_CLONE_SOURCE: ClearOriginalFile(); return FALSE;
    default: return CBaseObj::ApplyShapeOperation(commandId, hitCode, operationArgument);
    }
}

BOOL CFileClone::IsExportKind(DWORD) const
{
    return FALSE;
}
