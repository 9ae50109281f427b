#include "physical/DataType.h"

#include "foundation/RegItemObj.h"

#include "platform/afx/Cp932.h"
#include "platform/afx/MessageSink.h"
#include "platform/profile/PrivateProfile.h"

IMPLEMENT_DYNCREATE(CDataType, CObject)

namespace DataType {

// An entry is kept below this many bytes, so a data-type file entry reads back whole.
constexpr int kEntryBufferSize = 1024;

CString KeyOf(WORD id)
{
    CString key;
    key.Format("%u", unsigned(id));
    return key;
}

// The byte index where the last character of the text starts (-1 for an empty text).
int LastCharStart(const CString& text)
{
    const std::string& bytes = text.Bytes();
    int last = -1;
    for (std::size_t i = 0; i < bytes.size(); i += Cp932CharLength(bytes, i))
        last = int(i);
    return last;
}

BOOL Refuse(const CString& message)
{
    AfxMessageBox(message, MB_ICONEXCLAMATION);
    return FALSE;
}

bool HoldsSeparator(const CString& field)
{
    return field.FindOneOf(",\r\n") >= 0;
}

} // namespace DataType

WORD GetEditKindForSize(DWORD digits, DWORD decimals)
{
    if (digits == 0)
        return DATATYPE_EDIT_NONE;
    return decimals != 0 ? DATATYPE_EDIT_DECIMALS : DATATYPE_EDIT_DIGITS;
}

CDataType::CDataType(WORD id, const char* name, WORD editKind, const char* enclosure, const char* prefix)
    : m_wId(id), m_strName(name), m_wEditKind(editKind), m_strEnclosure(enclosure), m_strPrefix(prefix)
{
}

CDataType::CDataType(WORD id) : m_wId(id)
{
    LoadFromProfile();
}

CString CDataType::GetLabel() const
{
    if (m_wEditKind == DATATYPE_EDIT_DIGITS)
        return m_strName + CString(u8"(桁数)");
    if (m_wEditKind == DATATYPE_EDIT_DECIMALS)
        return m_strName + CString(u8"(桁数,小数桁数)");
    return m_strName;
}

CString CDataType::FormatShortTypeText(DWORD digits, DWORD decimals) const
{
    CString base;
    if (!m_strPrefix.IsEmpty()) {
        // Only a closing single-byte "_" goes; a double-byte character ending in that byte stays.
        const int last = DataType::LastCharStart(m_strPrefix);
        base = m_strPrefix.Mid(last) == "_" ? m_strPrefix.Left(last) : m_strPrefix;
    } else if (!m_strName.IsEmpty()) {
        base = m_strName.Left(int(Cp932CharLength(m_strName.Bytes(), 0)));
    }
    return FormatDataTypeText(base, m_wEditKind, digits, decimals);
}

CString CDataType::FormatEntry() const
{
    CString entry;
    entry.Format("%s,%u,%s,%s,%lu", m_strName.GetString(), unsigned(m_wEditKind), m_strEnclosure.GetString(),
                 m_strPrefix.GetString(), static_cast<unsigned long>(m_dwDoNotUse));
    return entry;
}

BOOL CDataType::ParseEntry(const CString& entry)
{
    int start = 0;
    // The text up to the next separator; false when there is none.
    auto next = [&](CString& field) {
        const int comma = entry.Find(',', start);
        if (comma < 0)
            return false;
        field = entry.Mid(start, comma - start);
        start = comma + 1;
        return true;
    };
    CString field;
    if (!next(field))
        return FALSE;
    m_strName = field;
    if (!next(field))
        return FALSE;
    m_wEditKind = static_cast<WORD>(ParseProfileNumber(field));
    if (!next(field))
        return FALSE;
    m_strEnclosure = field;
    if (!next(field))
        return FALSE;
    m_strPrefix = field;
    m_dwDoNotUse = static_cast<DWORD>(ParseProfileNumber(entry.Mid(start)));
    return TRUE;
}

BOOL CDataType::CheckStorable() const
{
    struct Field
    {
        const CString& text;
        const char8_t* title;
    };
    for (const Field& field :
         {Field{m_strName, u8"ﾃﾞｰﾀﾀｲﾌﾟ"}, Field{m_strEnclosure, u8"囲み文字"}, Field{m_strPrefix, u8"ｶﾗﾑ名ﾌﾟﾚﾌｨｯｸｽ"}}) {
        if (!DataType::HoldsSeparator(field.text))
            continue;
        CString message;
        message.Format(CString(u8"ﾃﾞｰﾀﾀｲﾌﾟ「%s」の%sにｶﾝﾏ(,)または改行が含まれているため、ﾃﾞｰﾀﾀｲﾌﾟを保存できません。"),
                       GetLabel().GetString(), CString(field.title).GetString());
        return DataType::Refuse(message);
    }
    if (FormatEntry().GetLength() >= DataType::kEntryBufferSize) {
        CString message;
        message.Format(CString(u8"ﾃﾞｰﾀﾀｲﾌﾟ「%s」の設定が%dﾊﾞｲﾄを超えるため、ﾃﾞｰﾀﾀｲﾌﾟを保存できません。"),
                       GetLabel().GetString(), DataType::kEntryBufferSize - 1);
        return DataType::Refuse(message);
    }
    return TRUE;
}

BOOL CDataType::LoadFromProfile()
{
    const CRegItemObj stored(DATATYPE_SECTION, DataType::KeyOf(m_wId), "", REGITEM_NO_WRITEBACK);
    const CString& entry = stored.GetStringValue();
    return !entry.IsEmpty() && ParseEntry(entry);
}

BOOL CDataType::SaveToProfile() const
{
    if (!CheckStorable())
        return FALSE;
    CRegItemObj carrier(DATATYPE_SECTION, DataType::KeyOf(m_wId), FormatEntry(),
                        WORD(REGITEM_NO_LOAD | REGITEM_NO_WRITEBACK));
    return carrier.SaveSetting();
}

BOOL CDataType::ReadDtyEntry(const PrivateProfileFile& file)
{
    char buffer[DataType::kEntryBufferSize];
    file.GetString(DATATYPE_SECTION, DataType::KeyOf(m_wId), "", buffer, sizeof buffer);
    const CString entry(buffer);
    if (entry.IsEmpty()) {
        m_strName.Empty();
        m_wEditKind = DATATYPE_EDIT_NONE;
        m_strEnclosure.Empty();
        m_strPrefix.Empty();
        m_dwDoNotUse = 0;
        return TRUE;
    }
    return ParseEntry(entry);
}

PrivateProfileChange CDataType::DtyEntry() const
{
    return PrivateProfileChange{DataType::KeyOf(m_wId), FormatEntry()};
}
