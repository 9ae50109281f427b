#include "platform/ui/CmdUI.h"

#include "platform/ui/CmdTarget.h"

#include <QAction>

void CCmdUI::Enable(BOOL bOn)
{
    m_bEnabled = bOn ? TRUE : FALSE;
    m_bEnableChanged = TRUE;
}

void CCmdUI::SetCheck(int nCheck)
{
    m_nCheck = nCheck;
}

void CCmdUI::SetRadio(BOOL bOn)
{
    m_bRadio = TRUE;
    m_nCheck = bOn ? 1 : 0;
}

void CCmdUI::SetText(LPCTSTR text)
{
    m_bTextSet = TRUE;
    m_strText = text;
}

BOOL CCmdUI::DoUpdate(CCmdTarget* target, BOOL disableIfNoHandler)
{
    m_bEnableChanged = FALSE;
    const BOOL handled = target->OnCmdMsg(m_nID, CN_UPDATE_COMMAND_UI, this, nullptr);
    // An update handler that leaves the state alone (it only sets a check, say) leaves the item
    // enabled exactly when a command handler is there.
    if (disableIfNoHandler && !m_bEnableChanged) {
        AFX_CMDHANDLERINFO info;
        Enable(target->OnCmdMsg(m_nID, CN_COMMAND, this, &info));
    }
    return handled;
}

void CActionCmdUI::Enable(BOOL bOn)
{
    CCmdUI::Enable(bOn);
    m_action->setEnabled(bOn);
}

void CActionCmdUI::SetCheck(int nCheck)
{
    CCmdUI::SetCheck(nCheck);
    m_action->setCheckable(true);
    m_action->setChecked(nCheck != 0);
}

void CActionCmdUI::SetRadio(BOOL bOn)
{
    CCmdUI::SetRadio(bOn);
    m_action->setCheckable(true);
    m_action->setChecked(bOn);
}

void CActionCmdUI::SetText(LPCTSTR text)
{
    CCmdUI::SetText(text);
    if (m_applyText)
        m_action->setText(ToQString(CString(text)));
}

void CActionCmdUI::SetVisible(BOOL visible)
{
    m_action->setVisible(visible);
}
