#include "model/BoxStyleDlgRules.h"

#include "platform/afx/MessageSink.h"

BOOL BoxStyleDlgRules::TakeFirstAsCurrent(BOOL filled)
{
    m_pCurrent = filled && !m_list.IsEmpty() ? m_list.GetHead() : nullptr;
    return m_pCurrent != nullptr;
}

BOOL BoxStyleDlgRules::Open()
{
    return TakeFirstAsCurrent(m_list.ReloadFromProfile() > 0);
}

void BoxStyleDlgRules::StoreCurrent(const char* userName, BOOL shown)
{
    if (!m_pCurrent)
        return;
    m_pCurrent->SetUserName(userName);
    m_pCurrent->SetShown(shown ? 1 : 0);
}

BOOL BoxStyleDlgRules::ApplyModelDiagramPreset()
{
    return TakeFirstAsCurrent(m_list.ApplyModelDiagramPreset());
}

BOOL BoxStyleDlgRules::Commit(CBoxStyleList& frameList)
{
    const BOOL saved = m_list.SaveToProfile(FALSE);
    if (!saved)
        AfxMessageBox(CString(u8"ﾌｧｲﾙ類型を保存中にｴﾗｰが発生しました。"), MB_OK | MB_ICONEXCLAMATION);
    frameList.ReloadFromProfile();
    return saved;
}
