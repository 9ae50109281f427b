#include "platform/afx/String.h"

#include "platform/afx/Cp932.h"

#include <QString>

#include <clocale>
#include <cstdio>
#include <cstdint>
#include <cstring>
#include <locale.h>
#include <unordered_map>

namespace {

constexpr const char* kWhitespace = " \t\r\n\v\f";

std::size_t CharLen(const std::string& s, std::size_t i)
{
    return Cp932CharLength(s, i);
}

// The set is walked character by character too, so a single byte never matches the trail byte of
// a double-byte member ("A" is not in the set "、", whose trail byte is 0x41).
bool InSet(const char* set, const std::string& s, std::size_t i, std::size_t len)
{
    if (!set)
        return false;
    const std::string_view ss(set);
    for (std::size_t k = 0; k < ss.size();) {
        const std::size_t setLen = Cp932CharLength(ss, k);
        if (setLen == len && ss[k] == s[i] && (len == 1 || ss[k + 1] == s[i + 1]))
            return true;
        k += setLen;
    }
    return false;
}

char AsciiUpper(char c)
{
    return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
}
char AsciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

// Folds single-byte letters to upper case, leaving double-byte characters alone.
std::string FoldCase(const std::string& s)
{
    std::string out(s);
    for (std::size_t i = 0; i < out.size(); i += CharLen(out, i))
        if (CharLen(out, i) == 1)
            out[i] = AsciiUpper(out[i]);
    return out;
}

// The case partners of the double-byte letters (full-width Latin, Greek, Cyrillic, Roman numerals):
// the Unicode case mapping of each double-byte character, kept where the partner is a double-byte
// character too, so a case change never changes a byte position.
struct DoubleByteCase
{
    std::unordered_map<std::uint16_t, std::uint16_t> upper;
    std::unordered_map<std::uint16_t, std::uint16_t> lower;
};

std::uint16_t DoubleByteCode(std::string_view bytes)
{
    return std::uint16_t((BYTE(bytes[0]) << 8) | BYTE(bytes[1]));
}

const DoubleByteCase& DoubleByteCaseTable()
{
    static const DoubleByteCase table = [] {
        DoubleByteCase t;
        const auto partner = [](const std::string& from, QChar (QChar::*change)() const) -> std::string {
            const QString text = QString::fromStdString(Cp932ToUtf8(from));
            if (text.size() != 1 || text[0] == QChar::ReplacementCharacter)
                return {};
            const QChar changed = (text[0].*change)();
            if (changed == text[0])
                return {};
            const std::string back = Utf8ToCp932(QString(changed).toStdString());
            return back.size() == 2 && Cp932CharLength(back, 0) == 2 ? back : std::string();
        };
        for (int lead = 0x81; lead <= 0xFC; ++lead) {
            if (!IsDBCSLeadByte(BYTE(lead)))
                continue;
            for (int trail = 0x40; trail <= 0xFC; ++trail) {
                const std::string ch{char(lead), char(trail)};
                if (const std::string up = partner(ch, &QChar::toUpper); !up.empty())
                    t.upper.emplace(DoubleByteCode(ch), DoubleByteCode(up));
                if (const std::string low = partner(ch, &QChar::toLower); !low.empty())
                    t.lower.emplace(DoubleByteCode(ch), DoubleByteCode(low));
            }
        }
        return t;
    }();
    return table;
}

// Changes the case of every character: single-byte letters by ASCII, double-byte letters by the table.
void ChangeCase(std::string& s, char (*single)(char), const std::unordered_map<std::uint16_t, std::uint16_t>& pairs)
{
    for (std::size_t i = 0; i < s.size(); i += CharLen(s, i)) {
        if (CharLen(s, i) == 1) {
            s[i] = single(s[i]);
            continue;
        }
        const auto found = pairs.find(DoubleByteCode(std::string_view(s).substr(i, 2)));
        if (found != pairs.end()) {
            s[i] = char(found->second >> 8);
            s[i + 1] = char(found->second & 0xFF);
        }
    }
}

// The process may run in a user locale (Qt sets it); numbers in files and the profile are always C.
locale_t CLocale()
{
    static locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
    return c;
}

} // namespace

CString::CString(const char8_t* utf8)
    : m_s(Utf8ToCp932(utf8 ? std::string_view(reinterpret_cast<const char*>(utf8)) : std::string_view()))
{
}

char* CString::GetBuffer(int minLength)
{
    if (minLength > GetLength())
        m_s.resize(std::size_t(minLength));
    return m_s.data();
}

char* CString::GetBufferSetLength(int length)
{
    m_s.resize(std::size_t(std::max(length, 0)));
    return m_s.data();
}

void CString::ReleaseBuffer(int newLength)
{
    if (newLength < 0)
        newLength = static_cast<int>(std::strlen(m_s.c_str()));
    m_s.resize(std::size_t(std::min(newLength, GetLength())));
}

void CString::Truncate(int length)
{
    if (length >= 0 && length < GetLength())
        m_s.resize(std::size_t(length));
}

CString CString::Left(int count) const
{
    return CString(m_s.substr(0, std::size_t(std::clamp(count, 0, GetLength()))));
}

CString CString::Mid(int first) const
{
    return Mid(first, GetLength());
}

CString CString::Mid(int first, int count) const
{
    first = std::clamp(first, 0, GetLength());
    count = std::clamp(count, 0, GetLength() - first);
    return CString(m_s.substr(std::size_t(first), std::size_t(count)));
}

CString CString::Right(int count) const
{
    count = std::clamp(count, 0, GetLength());
    return CString(m_s.substr(m_s.size() - std::size_t(count)));
}

CString CString::SpanIncluding(const char* set) const
{
    std::size_t i = 0;
    while (i < m_s.size() && InSet(set, m_s, i, CharLen(m_s, i)))
        i += CharLen(m_s, i);
    return CString(m_s.substr(0, i));
}

CString CString::SpanExcluding(const char* set) const
{
    std::size_t i = 0;
    while (i < m_s.size() && !InSet(set, m_s, i, CharLen(m_s, i)))
        i += CharLen(m_s, i);
    return CString(m_s.substr(0, i));
}

CString CString::Tokenize(const char* delimiters, int& start) const
{
    if (start < 0 || start >= GetLength()) {
        start = -1;
        return CString();
    }
    std::size_t i = std::size_t(start);
    while (i < m_s.size() && InSet(delimiters, m_s, i, CharLen(m_s, i)))
        i += CharLen(m_s, i);
    if (i >= m_s.size()) {
        start = -1;
        return CString();
    }
    std::size_t end = i;
    while (end < m_s.size() && !InSet(delimiters, m_s, end, CharLen(m_s, end)))
        end += CharLen(m_s, end);
    start = static_cast<int>(end < m_s.size() ? end + CharLen(m_s, end) : end);
    return CString(m_s.substr(i, end - i));
}

int CString::Find(char ch, int start) const
{
    if (start < 0)
        start = 0;
    for (std::size_t i = 0; i < m_s.size(); i += CharLen(m_s, i))
        if (i >= std::size_t(start) && CharLen(m_s, i) == 1 && m_s[i] == ch)
            return static_cast<int>(i);
    return -1;
}

int CString::Find(const char* sub, int start) const
{
    if (!sub || start > GetLength())
        return -1;
    if (start < 0)
        start = 0;
    const std::size_t n = std::strlen(sub);
    // The first byte is tested before the whole text is compared: searches walk long texts.
    for (std::size_t i = 0; i + n <= m_s.size(); i += (i < m_s.size() ? CharLen(m_s, i) : 1))
        if (i >= std::size_t(start) && (n == 0 || m_s[i] == sub[0]) && m_s.compare(i, n, sub, n) == 0)
            return static_cast<int>(i);
    return -1;
}

int CString::ReverseFind(char ch) const
{
    int found = -1;
    for (std::size_t i = 0; i < m_s.size(); i += CharLen(m_s, i))
        if (CharLen(m_s, i) == 1 && m_s[i] == ch)
            found = static_cast<int>(i);
    return found;
}

int CString::FindOneOf(const char* set) const
{
    for (std::size_t i = 0; i < m_s.size(); i += CharLen(m_s, i))
        if (InSet(set, m_s, i, CharLen(m_s, i)))
            return static_cast<int>(i);
    return -1;
}

int CString::Replace(char from, char to)
{
    int count = 0;
    for (std::size_t i = 0; i < m_s.size(); i += CharLen(m_s, i))
        if (CharLen(m_s, i) == 1 && m_s[i] == from) {
            m_s[i] = to;
            ++count;
        }
    return count;
}

int CString::Replace(const char* from, const char* to)
{
    if (!from || !*from)
        return 0;
    const std::string_view f(from);
    const std::string_view t(to ? to : "");
    std::string out;
    int count = 0;
    std::size_t i = 0;
    while (i < m_s.size()) {
        if (m_s.compare(i, f.size(), f) == 0) {
            out += t;
            i += f.size();
            ++count;
        } else {
            const std::size_t len = CharLen(m_s, i);
            out.append(m_s, i, len);
            i += len;
        }
    }
    m_s.swap(out);
    return count;
}

int CString::Remove(char ch)
{
    std::string out;
    int count = 0;
    for (std::size_t i = 0; i < m_s.size(); i += CharLen(m_s, i)) {
        if (CharLen(m_s, i) == 1 && m_s[i] == ch)
            ++count;
        else
            out.append(m_s, i, CharLen(m_s, i));
    }
    m_s.swap(out);
    return count;
}

int CString::Insert(int index, char ch)
{
    return Insert(index, std::string(1, ch).c_str());
}

int CString::Insert(int index, const char* text)
{
    index = std::clamp(index, 0, GetLength());
    m_s.insert(std::size_t(index), text ? text : "");
    return GetLength();
}

int CString::Delete(int index, int count)
{
    if (index >= 0 && index < GetLength() && count > 0)
        m_s.erase(std::size_t(index), std::size_t(count));
    return GetLength();
}

CString& CString::MakeUpper()
{
    ChangeCase(m_s, AsciiUpper, DoubleByteCaseTable().upper);
    return *this;
}

CString& CString::MakeLower()
{
    ChangeCase(m_s, AsciiLower, DoubleByteCaseTable().lower);
    return *this;
}

CString& CString::MakeReverse()
{
    std::string out;
    out.reserve(m_s.size());
    for (std::size_t i = 0; i < m_s.size(); i += CharLen(m_s, i))
        out.insert(0, m_s, i, CharLen(m_s, i));
    m_s.swap(out);
    return *this;
}

template <typename Match>
CString& CString::TrimLeftWhere(Match match)
{
    std::size_t i = 0;
    while (i < m_s.size() && match(i, CharLen(m_s, i)))
        i += CharLen(m_s, i);
    m_s.erase(0, i);
    return *this;
}

template <typename Match>
CString& CString::TrimRightWhere(Match match)
{
    // Walk forward so a trail byte is never taken for a character of its own.
    std::size_t keep = 0;
    for (std::size_t i = 0; i < m_s.size(); i += CharLen(m_s, i))
        if (!match(i, CharLen(m_s, i)))
            keep = i + CharLen(m_s, i);
    m_s.resize(keep);
    return *this;
}

CString& CString::TrimLeft(const char* set)
{
    return TrimLeftWhere([&](std::size_t i, std::size_t len) { return InSet(set, m_s, i, len); });
}

CString& CString::TrimRight(const char* set)
{
    // A text whose last byte is no byte of the set ends with no member of it (a double-byte member
    // would end with its trail byte): nothing to walk.
    if (!set || m_s.empty() || !std::memchr(set, m_s.back(), std::strlen(set)))
        return *this;
    return TrimRightWhere([&](std::size_t i, std::size_t len) { return InSet(set, m_s, i, len); });
}

CString& CString::TrimLeft()
{
    return TrimLeft(kWhitespace);
}
CString& CString::TrimRight()
{
    return TrimRight(kWhitespace);
}
CString& CString::TrimLeft(char ch)
{
    return TrimLeft(std::string(1, ch).c_str());
}
CString& CString::TrimRight(char ch)
{
    return TrimRight(std::string(1, ch).c_str());
}
CString& CString::Trim()
{
    return TrimRight().TrimLeft();
}
CString& CString::Trim(char ch)
{
    return TrimRight(ch).TrimLeft(ch);
}
CString& CString::Trim(const char* set)
{
    return TrimRight(set).TrimLeft(set);
}

void CString::FormatV(const char* format, va_list args)
{
    const locale_t previous = uselocale(CLocale());
    va_list measure;
    va_copy(measure, args);
    const int n = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    std::string out;
    if (n > 0) {
        out.resize(std::size_t(n) + 1);
        std::vsnprintf(out.data(), out.size(), format, args);
        out.resize(std::size_t(n));
    }
    uselocale(previous);
    m_s.swap(out);
}

void CString::Format(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    FormatV(format, args);
    va_end(args);
}

void CString::AppendFormat(const char* format, ...)
{
    CString more;
    va_list args;
    va_start(args, format);
    more.FormatV(format, args);
    va_end(args);
    m_s += more.m_s;
}

int CString::Compare(const char* other) const
{
    const int r = m_s.compare(other ? other : "");
    return r < 0 ? -1 : r > 0 ? 1 : 0;
}

int CString::CompareNoCase(const char* other) const
{
    const int r = FoldCase(m_s).compare(FoldCase(other ? other : ""));
    return r < 0 ? -1 : r > 0 ? 1 : 0;
}

QString ToQString(const CString& text)
{
    return QString::fromStdString(Cp932ToUtf8(text.Bytes()));
}

QString ToQString(const char8_t* text)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(text));
}

CString FromQString(const QString& text)
{
    return CString(Utf8ToCp932(text.toStdString()));
}
