#include "objects/DefaultKeys.h"

#include "foundation/RegItemObj.h"
#include "platform/afx/String.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <system_error>

namespace DefaultKeysFile {

// The decimal value at the start of the text in the C locale (leading blanks skipped); text that
// is no number, infinity, NaN or a value beyond the float range gives 0.
float ParseDecimal(const CString& text)
{
    const char* first = text.GetString();
    const char* last = first + text.GetLength();
    while (first != last && (*first == ' ' || *first == '\t'))
        ++first;
    if (first != last && *first == '+')
        ++first;
    double value = 0;
    if (std::from_chars(first, last, value).ec != std::errc() || !(std::fabs(value) <= FLT_MAX))
        return 0;
    return float(value);
}

} // namespace DefaultKeysFile

void DefaultKeys::WordFlag(const char* key, BOOL& flag)
{
    const int stored = Whole(key, flag);
    if (m_direction == Direction::Load)
        flag = LOWORD(DWORD(stored));
}

void DefaultKeys::Text(const char* key, CString& field)
{
    m_carrier.SetStringValue(field);
    if (Transfer(key, REGITEM_STRING))
        field = m_carrier.GetStringValue();
}

void DefaultKeys::Decimal(const char* key, float& field, float (*hold)(float))
{
    CString text;
    text.Format("%0.4f", double(field));
    m_carrier.SetStringValue(text);
    if (Transfer(key, REGITEM_STRING))
        field = hold(DefaultKeysFile::ParseDecimal(m_carrier.GetStringValue()));
}

int DefaultKeys::Whole(const char* key, int value)
{
    m_carrier.SetIntValue(value);
    return Transfer(key, REGITEM_INT) ? m_carrier.GetIntValue() : value;
}

bool DefaultKeys::Transfer(const char* key, WORD kind)
{
    m_carrier.SetFlags(WORD(kind | REGITEM_NO_WRITEBACK));
    m_carrier.SetEntry(key);
    if (m_direction == Direction::Save) {
        m_carrier.SaveSetting();
        return false;
    }
    m_carrier.LoadSetting();
    return true;
}
