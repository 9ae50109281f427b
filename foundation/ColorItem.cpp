#include "foundation/ColorItem.h"

#include "foundation/RegItemObj.h"

#include "platform/afx/Cp932.h"
#include "platform/afx/Exception.h"
#include "platform/afx/MessageSink.h"
#include "platform/afx/StdioFile.h"

#include <cstdio>
#include <cstdlib>

IMPLEMENT_DYNCREATE(CColorItem, CObject)

namespace ColorItem {

CString KeyOf(WORD id)
{
    CString key;
    key.Format("%u", unsigned(id));
    return key;
}

// The longest prefix of at most limit bytes that does not split a double-byte character.
CString LeftOnCharBoundary(const CString& text, int limit)
{
    const std::string& bytes = text.Bytes();
    std::size_t end = 0;
    while (end < bytes.size()) {
        const std::size_t next = end + Cp932CharLength(bytes, end);
        if (next > std::size_t(limit))
            break;
        end = next;
    }
    return text.Left(int(end));
}

BOOL RefuseName(const char8_t* format, const CString& name)
{
    CString message;
    message.Format(CString(format), name.GetString());
    AfxMessageBox(message, MB_ICONEXCLAMATION);
    return FALSE;
}

} // namespace ColorItem

CString RecentColorName()
{
    return CString(u8"最近使った色");
}

CColorItem::CColorItem(WORD id, COLORREF color, const char* name, int recent)
    : m_wId(id), m_crColor(color), m_nRecent(recent)
{
    SetMenuName(name);
}

CColorItem::CColorItem(const CColorItem& other)
    : CObject(other),
      m_wId(other.m_wId),
      m_crColor(other.m_crColor),
      m_strName(other.m_strName),
      m_nRecent(other.m_nRecent)
{
}

CColorItem::CColorItem(WORD id) : m_wId(id)
{
    ReadFromReg();
}

void CColorItem::SetMenuName(const char* name)
{
    m_strName = ColorItem::LeftOnCharBoundary(CString(name), COLORITEM_MAX_NAME_BYTES);
}

BOOL CColorItem::ReadFromReg()
{
    const CRegItemObj stored(COLORITEM_SECTION, ColorItem::KeyOf(m_wId), "", REGITEM_NO_WRITEBACK);
    const CString& record = stored.GetStringValue();
    if (record.IsEmpty())
        return FALSE;
    const int firstComma = record.Find(',');
    if (firstComma < 0)
        return FALSE;
    m_crColor = COLORREF(std::atol(record.Left(firstComma)));
    if (firstComma + 1 >= record.GetLength())
        return FALSE;
    const int secondComma = record.Find(',', firstComma + 1);
    if (secondComma < 0)
        return FALSE;
    SetMenuName(record.Mid(firstComma + 1, secondComma - firstComma - 1));
    m_nRecent = std::atoi(record.Mid(secondComma + 1));
    return TRUE;
}

BOOL CColorItem::WriteToReg() const
{
    if (!CheckNameForProfile(m_strName))
        return FALSE;
    char record[1024];
    const int length = std::snprintf(record, sizeof record, "%lu,%s,%d", static_cast<unsigned long>(m_crColor),
                                     m_strName.GetString(), m_nRecent);
    if (length < 0 || length >= int(sizeof record))
        return FALSE;
    CRegItemObj carrier(COLORITEM_SECTION, ColorItem::KeyOf(m_wId), record,
                        WORD(REGITEM_NO_LOAD | REGITEM_NO_WRITEBACK));
    return carrier.SaveSetting();
}

BOOL CColorItem::WriteCsvRow(CStdioFile& file) const
{
    CString line;
    line.Format("\"%lu\",\"%s\",\"%s\"\n", static_cast<unsigned long>(m_crColor), m_strName.GetString(),
                m_nRecent ? "YES" : "NO");
    try {
        file.WriteString(line);
        return TRUE;
    } catch (const CFileException& e) {
        e.ReportError();
        return FALSE;
    }
}

BOOL CColorItem::CheckNameForProfile(const CString& name)
{
    if (name.Find(',') < 0)
        return TRUE;
    return ColorItem::RefuseName(u8"色名「%s」にｶﾝﾏ(,)が含まれているため、色ｱｲﾃﾑを保存できません。", name);
}

BOOL CColorItem::CheckNameForCsv(const CString& name)
{
    if (name.FindOneOf(",\"") < 0)
        return TRUE;
    return ColorItem::RefuseName(
        u8"色名「%s」にｶﾝﾏ(,)またはﾀﾞﾌﾞﾙｸｫｰﾃｰｼｮﾝ(\")が含まれているため、ｴｸｽﾎﾟｰﾄ処理を中止します。", name);
}
