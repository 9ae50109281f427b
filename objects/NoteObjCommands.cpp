// The balloon's right-click menu and the commands in which it differs from the text object: its
// own fill flag, which also decides whether the object shadow applies.
#include "objects/NoteObj.h"

#include "foundation/CommandIds.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/Menu.h"

void CNoteObj::ObjectContextMenu(CPoint screenPoint, CWnd* view, DWORD, BOOL printMode, BOOL)
{
    if (IsHiddenIn(printMode))
        return;
    CMenu menu;
    menu.CreatePopupMenu();
    AppendPenMenus(menu);
    AppendFillAndShadowMenus(menu, MF_UNCHECKED, m_bFillNote);
    AppendFontMenus(menu);
    menu.AppendMenu(MF_SEPARATOR);
    AppendPlacementMenus(menu, TRUE);
    AppendTextEffectMenus(menu);
    AppendDefaultsAndOperations(menu);
    TrackObjectMenu(menu, screenPoint, view);
}

BOOL CNoteObj::UpdateCommandUI(CCmdUI* cmdUI, CBaseDoc* document, DWORD hitCode, BOOL printMode, BOOL severalSelected)
{
    if (cmdUI->m_nID == ID_OBJ_FILL) {
        cmdUI->SetCheck(m_bFillNote);
        return TRUE;
    }
    if (UpdateShadowCommandUI(cmdUI)) {
        cmdUI->Enable(m_bFillNote);
        return TRUE;
    }
    return CStrgObj::UpdateCommandUI(cmdUI, document, hitCode, printMode, severalSelected);
}

BOOL CNoteObj::ApplyAttributeCommand(UINT commandId, CObject* argument, DWORD hitCode)
{
    if (commandId == ID_OBJ_FILL) {
        m_bFillNote = !m_bFillNote;
        return TRUE;
    }
    return CStrgObj::ApplyAttributeCommand(commandId, argument, hitCode);
}
