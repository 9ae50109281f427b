#include "foundation/RegItemObj.h"

#include "platform/profile/Profile.h"

IMPLEMENT_DYNCREATE(CRegItemObj, CObject)

namespace RegItemObj {

WORD ItemFlags(WORD flags, WORD kind)
{
    const WORD other = kind == REGITEM_INT ? REGITEM_STRING : REGITEM_INT;
    flags = WORD((flags & ~other) | kind);
    if (!(flags & REGITEM_MACHINE))
        flags |= REGITEM_PER_USER;
    return flags;
}

} // namespace RegItemObj

CRegItemObj::CRegItemObj(const char* section, const char* entry, const char* defaultValue, WORD flags)
    : m_strSection(section),
      m_strEntry(entry),
      m_wFlags(RegItemObj::ItemFlags(flags, REGITEM_STRING)),
      m_strValue(defaultValue)
{
    if (!(m_wFlags & REGITEM_NO_LOAD))
        LoadSetting();
}

CRegItemObj::CRegItemObj(const char* section, const char* entry, int defaultValue, WORD flags)
    : m_strSection(section),
      m_strEntry(entry),
      m_wFlags(RegItemObj::ItemFlags(flags, REGITEM_INT)),
      m_nValue(defaultValue)
{
    if (!(m_wFlags & REGITEM_NO_LOAD))
        LoadSetting();
}

CRegItemObj::~CRegItemObj()
{
    if (!(m_wFlags & REGITEM_NO_WRITEBACK) && m_bModified)
        SaveSetting();
}

BOOL CRegItemObj::LoadSetting()
{
    m_bModified = FALSE;
    m_bDelete = FALSE;
    if (m_wFlags & REGITEM_INT)
        m_nValue = Profile::GetProfileInt(m_strSection, m_strEntry, m_nValue);
    else
        m_strValue = Profile::GetProfileString(m_strSection, m_strEntry, m_strValue);
    return TRUE;
}

BOOL CRegItemObj::SaveSetting()
{
    m_bModified = FALSE;
    if (m_bDelete)
        return Profile::WriteProfileString(m_strSection, m_strEntry, nullptr);
    if (m_wFlags & REGITEM_INT)
        return Profile::WriteProfileInt(m_strSection, m_strEntry, m_nValue);
    return Profile::WriteProfileString(m_strSection, m_strEntry, m_strValue);
}

void CRegItemObj::SetIntValue(int value)
{
    if (value != m_nValue) {
        m_nValue = value;
        m_bModified = TRUE;
    }
}

void CRegItemObj::SetStringValue(const char* value)
{
    if (m_strValue != value) {
        m_strValue = value;
        m_bModified = TRUE;
    }
}

BOOL CRegItemObj::Match(const char* section, const char* entry) const
{
    return m_strSection == CString(section) && m_strEntry == CString(entry);
}
