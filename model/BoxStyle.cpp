#include "model/BoxStyle.h"

#include "foundation/RegItemObj.h"
#include "foundation/SymbolPrimitives.h"

IMPLEMENT_DYNCREATE(CBoxStyle, CObject)

namespace BoxStyle {

CString EntryOf(WORD markId)
{
    CString entry;
    entry.Format("%u", unsigned(markId));
    return entry;
}

} // namespace BoxStyle

CString CBoxStyle::MarkNameOf(WORD markId)
{
    return GetFileTypeMarkName(markId);
}

CBoxStyle::CBoxStyle(WORD markId, const char* markName, const char* userName, int shown, int changed)
    : m_wMarkId(markId), m_strMarkName(markName), m_strUserName(userName), m_nShown(shown), m_nChanged(changed)
{
}

CBoxStyle::CBoxStyle(const CBoxStyle& other)
    : CObject(other),
      m_wMarkId(other.m_wMarkId),
      m_strMarkName(other.m_strMarkName),
      m_strUserName(other.m_strUserName),
      m_nShown(other.m_nShown),
      m_nChanged(other.m_nChanged)
{
}

CBoxStyle::CBoxStyle(WORD markId) : m_wMarkId(markId)
{
    LoadFromProfile();
}

BOOL CBoxStyle::LoadFromProfile()
{
    m_nChanged = 0;
    m_strMarkName = MarkNameOf(m_wMarkId);
    const CString entry = BoxStyle::EntryOf(m_wMarkId);
    const CRegItemObj userName(BOXSTYLE_USER_NAME_SECTION, entry, m_strMarkName, REGITEM_NO_WRITEBACK);
    const CRegItemObj shown(BOXSTYLE_USED_SECTION, entry, 1, REGITEM_NO_WRITEBACK);
    m_strUserName = userName.GetStringValue();
    m_nShown = shown.GetIntValue();
    return TRUE;
}

BOOL CBoxStyle::SaveToProfile(BOOL force)
{
    if (!force && !m_nChanged)
        return TRUE;
    const CString entry = BoxStyle::EntryOf(m_wMarkId);
    const WORD flags = WORD(REGITEM_NO_LOAD | REGITEM_NO_WRITEBACK);
    CRegItemObj userName(BOXSTYLE_USER_NAME_SECTION, entry, m_strUserName, flags);
    CRegItemObj shown(BOXSTYLE_USED_SECTION, entry, m_nShown, flags);
    if (!userName.SaveSetting() || !shown.SaveSetting())
        return FALSE; // still changed: a later save tries again
    m_nChanged = 0;
    return TRUE;
}

void CBoxStyle::SetUserName(const char* name)
{
    if (m_strUserName != name) {
        m_strUserName = name;
        m_nChanged = 1;
    }
}

void CBoxStyle::SetShown(int shown)
{
    if (m_nShown != shown) {
        m_nShown = shown;
        m_nChanged = 1;
    }
}
