// A conceptual file's right-click menus, the check and enable state of their entries, the
// attribute commands it answers itself, the attributes it takes over from another file and its
// class defaults in the profile. The dialogs, the clone and the CREATE TABLE script run through
// the document, which records the file around them.
#include "model/FileComp.h"

#include "document/BaseDoc.h"
#include "foundation/AppServices.h"
#include "foundation/CommandIds.h"
#include "foundation/PopupMenu.h"
#include "foundation/PopupMenuFileBoxStyle.h"
#include "model/BoxStyleList.h"
#include "model/FileCompDlgRules.h"
#include "model/ModelObjectMenus.h"
#include "objects/DefaultKeys.h"
#include "objects/ObjectMenus.h"
#include "objects/SwitchArgument.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/Menu.h"

#include <iterator>
#include <memory>
#include <utility>
#include <vector>

namespace filecompcommands {

// The file types a file can take: mark ids below this many.
constexpr UINT kFileTypeCount = 100;
constexpr UINT kEnterKey = 13;

constexpr PopupMenuItem kOperationItems[] = {
    // clang-format off
    {MF_STRING, ID_OBJ_SNAP_TO_GRID, u8"ｸﾞﾘｯﾄﾞに配置"},
    {MF_STRING, ID_OBJ_CREATE_CLONE, u8"概念ﾌｧｲﾙ ｸﾛｰﾝの作成"},
    // clang-format on
};

BOOL IsFileTypeCommand(UINT id)
{
    return id >= ID_FILE_TYPE_MARK_BASE && id < ID_FILE_TYPE_MARK_BASE + kFileTypeCount;
}

// The shown file types of the application's list, in mark order.
std::unique_ptr<CMenu> MakeFileTypeMenu()
{
    std::vector<FileTypeMenuEntry> entries;
    if (const CBoxStyleList* styles = FileCompDlgRules::GetFileTypeMarks()) {
        for (POSITION pos = styles->GetHeadPosition(); pos;) {
            const CBoxStyle* style = styles->GetNext(pos);
            entries.push_back({style->GetMarkId(), style->GetUserName(), style->GetShown() != 0});
        }
    }
    auto menu = std::make_unique<CPopupMenuFileBoxStyle>();
    menu->BuildBoxStyleMenu(entries);
    return menu;
}

CString NumIOShowLabel(BOOL shown)
{
    return CString(shown ? u8"発生入出力番号の非表示" : u8"発生入出力番号の表示");
}

} // namespace filecompcommands

// --- The menus ----------------------------------------------------------------------------------

void CFileComp::ObjectContextMenu(CPoint screenPoint, CWnd* view, DWORD hitCode, BOOL printMode, BOOL severalSelected)
{
    using namespace filecompcommands;
    if (IsHiddenIn(printMode))
        return;
    if (hitCode & 0xF0000000) {
        PartContextMenu(screenPoint, view, hitCode, printMode, severalSelected);
        return;
    }
    const UINT single = severalSelected ? MF_GRAYED : MF_STRING;
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(single, ID_OBJ_FILE_DIALOG, CString(u8"概念ﾌｧｲﾙﾀﾞｲｱﾛｸﾞの表示..."));
    menu.AppendMenu(single, ID_OBJ_DATA_ITEM_DIALOG, CString(u8"概念ﾌｧｲﾙ所属ﾃﾞｰﾀ項目ﾀﾞｲｱﾛｸﾞの表示..."));
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendPopup(MakeFileTypeMenu(), CString(u8"ﾌｧｲﾙ類型名"));
    menu.AppendMenu(MF_STRING, ID_FILE_SHOW_NUM_IO, NumIOShowLabel(m_bShowNumIOSource));
    menu.AppendMenu(MF_STRING, ID_FILE_NUM_IO_FILL, CString(u8"発生入出力番号の塗つぶし"));
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(MF_STRING, ID_FILE_PHYSICAL_TARGET, CString(u8"物理実装対象"));
    menu.AppendMenu(MF_STRING, ID_FILE_MERGE_INTO_PARENT, CString(u8"物理実装は親概念ﾌｧｲﾙに統合"));
    menu.AppendMenu(MF_STRING, ID_FILE_DEFINITION_FILE_DIALOG, CString(u8"物理追加ﾃﾞｰﾀ定義ﾌｧｲﾙの設定..."));
    menu.AppendMenu(MF_STRING, ID_FILE_TABLESPACE_DIALOG, CString(u8"表領域の設定..."));
    menu.AppendMenu(MF_STRING, ID_OBJ_CREATE_TABLE, CString(u8"CREATE TABLE文の生成..."));
    AppendDefaultsAndOperations(menu, kOperationItems);

    auto other = std::make_unique<CMenu>();
    other->CreatePopupMenu();
    AppendPenMenus(*other);
    other->AppendPopup(objectmenus::MakeColorMenu(ID_TEXT_COLOR_BASE), CString(u8"文字の色"));
    other->AppendMenu(MF_SEPARATOR);
    other->AppendPopup(objectmenus::MakeShadowMenu(), CString(u8"影の描画"));
    menu.AppendPopup(std::move(other), CString(u8"その他"));
    TrackObjectMenu(menu, screenPoint, view);
}

void CFileComp::PartContextMenu(CPoint screenPoint, CWnd* view, DWORD hitCode, BOOL, BOOL)
{
    if (!(hitCode & PART_NUM_IO_LABEL))
        return;
    m_dwEditedPart = hitCode;
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, ID_FILE_SHOW_NUM_IO, CString(u8"発生入出力番号の非表示"));
    menu.AppendMenu(MF_STRING, ID_FILE_NUM_IO_FILL, CString(u8"発生入出力番号の塗つぶし"));
    TrackObjectMenu(menu, screenPoint, view);
}

// --- Check and enable state ---------------------------------------------------------------------

BOOL CFileComp::UpdateCommandUI(CCmdUI* cmdUI, CBaseDoc* document, DWORD hitCode, BOOL printMode, BOOL severalSelected)
{
    using namespace filecompcommands;
    const UINT id = cmdUI->m_nID;
    // A file that only lends its items to others has no table of its own to configure.
    const BOOL ownTable = m_bPhysicalTarget && !m_bMergedIntoParent && !m_bPhyControlDedicated;
    if (IsFileTypeCommand(id)) {
        cmdUI->SetCheck(id - ID_FILE_TYPE_MARK_BASE == m_wBoxStyle);
        cmdUI->Enable(TRUE);
    } else if (UpdateShadowCommandUI(cmdUI)) {
        // The shadow of a file does not depend on its fill.
        cmdUI->Enable(TRUE);
    } else if (objectmenus::InColorMenu(id, ID_TEXT_COLOR_BASE)) {
        UpdateColorCheck(cmdUI, m_crFont, ID_TEXT_COLOR_BASE);
        cmdUI->Enable(TRUE);
    } else {
        switch (id) {
        case ID_FILE_SHOW_NUM_IO:
            cmdUI->SetCheck(m_bShowNumIOSource);
            cmdUI->Enable(TRUE);
            break;
        case ID_FILE_PHYSICAL_TARGET:
            cmdUI->SetCheck(m_bPhysicalTarget);
            cmdUI->Enable(!m_bPhyControlDedicated);
            break;
        case ID_FILE_MERGE_INTO_PARENT:
            cmdUI->SetCheck(m_bMergedIntoParent);
            cmdUI->Enable(m_bPhysicalTarget && !m_bPhyControlDedicated && document && HasParentFileComp(*document));
            break;
        case ID_FILE_TABLESPACE_DIALOG:
        case ID_FILE_DEFINITION_FILE_DIALOG: cmdUI->Enable(ownTable); break;
        case ID_FILE_NUM_IO_FILL:
            cmdUI->SetCheck(m_numIOSource.GetFill());
            cmdUI->Enable(m_bShowNumIOSource);
            break;
        case ID_OBJ_FILE_DIALOG:
        case ID_OBJ_DATA_ITEM_DIALOG: {
            const AppServices* app = GetAppServices();
            cmdUI->SetCheck((app ? app->GetLastObjectCommand() : ID_OBJ_FILE_DIALOG) == id);
            cmdUI->Enable(!severalSelected);
            break;
        }
        case ID_OBJ_CREATE_CLONE: cmdUI->Enable(!severalSelected); break;
        case ID_OBJ_CREATE_TABLE: cmdUI->Enable(!m_bMergedIntoParent && !m_bPhyControlDedicated); break;
        default: return CRectObj::UpdateCommandUI(cmdUI, document, hitCode, printMode, severalSelected);
        }
    }
    return TRUE;
}

UINT CFileComp::GetKeyCommand(UINT key, UINT, UINT)
{
    if (key != filecompcommands::kEnterKey)
        return 0;
    const AppServices* app = GetAppServices();
    return app ? app->GetLastObjectCommand() : ID_OBJ_FILE_DIALOG;
}

// --- Attribute commands -------------------------------------------------------------------------

BOOL CFileComp::ApplyAttributeCommand(UINT commandId, CObject* argument, DWORD hitCode)
{
    using namespace filecompcommands;
    if (IsFileTypeCommand(commandId)) {
        const WORD style = WORD(commandId - ID_FILE_TYPE_MARK_BASE);
        if (style == m_wBoxStyle)
            return FALSE;
        m_wBoxStyle = style;
        return TRUE;
    }
    if (objectmenus::IsColorCommand(commandId, ID_TEXT_COLOR_BASE)) {
        const auto* colorSource = DYNAMIC_DOWNCAST(CFileComp, argument);
        if (!modelobjects::ApplyTextColorCommand(commandId, colorSource ? &colorSource->m_crFont : nullptr, m_crFont))
            return FALSE;
        m_numIOSource.SetTextColor(m_crFont);
        return TRUE;
    }
    const BOOL on = IsSwitchOn(argument);
    const auto* source = DYNAMIC_DOWNCAST(CFileComp, argument);
    switch (commandId) {
    case ID_FILE_SHOW_NUM_IO:
        if (on == m_bShowNumIOSource)
            return FALSE;
        SetShowNumIOSource(on);
        return TRUE;
    case ID_FILE_PHYSICAL_TARGET:
        if (m_bPhyControlDedicated || on == m_bPhysicalTarget)
            return FALSE;
        SetPhysicalTarget(on);
        return TRUE;
    case ID_FILE_MERGE_INTO_PARENT:
        if (m_bPhyControlDedicated || on == m_bMergedIntoParent)
            return FALSE;
        SetMergedIntoParent(on);
        return TRUE;
    case ID_FILE_NUM_IO_FILL:
        if (on == m_numIOSource.GetFill())
            return FALSE;
        m_numIOSource.SetFill(on);
        return TRUE;
    case ID_FILE_TABLESPACE_COPY:
        if (!source || source == this || m_bPhyControlDedicated)
            return FALSE;
        if (m_strTableSpace == source->m_strTableSpace && m_strIndexSpace == source->m_strIndexSpace)
            return FALSE;
        m_strTableSpace = source->m_strTableSpace;
        m_strIndexSpace = source->m_strIndexSpace;
        return TRUE;
    case ID_FILE_DEFINITION_FILE_COPY:
        if (!source || source == this || !m_bPhysicalTarget || m_bMergedIntoParent || m_bPhyControlDedicated)
            return FALSE;
        // A file is never its own definition file.
        if (source->m_wPhyControlFileId == GetObjectId())
            return FALSE;
        if (m_wPhyControlFileId == source->m_wPhyControlFileId &&
            m_strPhyControlFileName == source->m_strPhyControlFileName)
            return FALSE;
        SetPhyControlFile(source->m_wPhyControlFileId, source->m_strPhyControlFileName);
        return TRUE;
    default: break;
    }
    if (commandId >= ID_SHADOW_NONE && commandId <= ID_SHADOW_LARGE) {
        const WORD depth = objectmenus::ShadowDepthOf(commandId);
        if (GetShadowDepth() == depth)
            return FALSE;
        SetShadowDepth(depth);
        return TRUE;
    }
    return CRectObj::ApplyAttributeCommand(commandId, argument, hitCode);
}

// --- Attributes of another file and class defaults ----------------------------------------------

void CFileComp::CopyAttributes(const CBaseObj& other)
{
    if (const auto* file = DYNAMIC_DOWNCAST(CFileComp, &other)) {
        m_nFileCodeCx = file->m_nFileCodeCx;
        m_nKeyItemCy = file->m_nKeyItemCy;
        m_wBoxStyle = file->m_wBoxStyle;
        m_crFont = file->m_crFont;
        m_nCompCapCx = file->m_nCompCapCx;
        m_nCodeSampleCx = file->m_nCodeSampleCx;
        // Showing the label places it under the box when it has no place yet.
        SetShowNumIOSource(file->m_bShowNumIOSource);
        m_numIOSource.SetTextColor(m_crFont);
        m_numIOSource.SetFill(file->m_numIOSource.GetFill());
    }
    CRectObj::CopyAttributes(other);
}

// The file's own keys and the box size, then the rectangle's keys; loading stores the size read
// before the rectangle's keys come.
void CFileComp::VisitFileDefaultKeys(DefaultKeys& keys)
{
    keys.Number("FileCodeCx", m_nFileCodeCx);
    keys.Number("KeyItemCy", m_nKeyItemCy);
    keys.Number("BoxStyle", m_wBoxStyle);
    keys.Number("FontColor", m_crFont);
    keys.Number("CompCapCx", m_nCompCapCx);
    keys.Number("CodeSampleCx", m_nCodeSampleCx);
    keys.Number("ShowNumIOSource", m_bShowNumIOSource);
    BOOL fill = m_numIOSource.GetFill();
    keys.Number("NumIOSourceFill", fill);
    CSize size = GetSize();
    keys.Number("SizeFileCx", size.cx);
    keys.Number("SizeFileCy", size.cy);
    if (keys.IsLoading()) {
        m_numIOSource.SetFill(fill);
        SetSizeFromTopLeft(size);
    }
    CRectObj::VisitDefaultKeys(keys);
}

void CFileComp::LoadDefaultAttributes(CRegItemObj& carrier)
{
    PrepareDefaultsCarrier(carrier);
    DefaultKeys keys(carrier, DefaultKeys::Direction::Load);
    VisitFileDefaultKeys(keys);
}

void CFileComp::SaveDefaultAttributes(CRegItemObj& carrier)
{
    PrepareDefaultsCarrier(carrier);
    DefaultKeys keys(carrier, DefaultKeys::Direction::Save);
    VisitFileDefaultKeys(keys);
}
