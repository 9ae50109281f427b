// CString: a string of code page 932 bytes, as the system's text always was. A lead byte and its
// trail byte are one character: searches never match from a trail byte. Case changes act on
// single-byte letters and on double-byte letters (ａ and Ａ), never on a trail byte, and keep
// every character's length.
#pragma once

#include "platform/afx/WinTypes.h"

#include <algorithm>
#include <cstdarg>
#include <string>
#include <string_view>

class QString;

class CString
{
public:
    CString() = default;
    CString(const char* text) : m_s(text ? text : "") {}
    CString(const char* text, int length) : m_s(text, text ? std::size_t(std::max(length, 0)) : 0) {}
    // Written in the source as UTF-8 and held as code page 932.
    CString(const char8_t* utf8);
    CString(char ch, int repeat = 1) : m_s(std::size_t(std::max(repeat, 0)), ch) {}
    explicit CString(std::string bytes) : m_s(std::move(bytes)) {}
    explicit CString(std::string_view bytes) : m_s(bytes) {}

    int GetLength() const { return static_cast<int>(m_s.size()); }
    bool IsEmpty() const { return m_s.empty(); }
    void Empty() { m_s.clear(); }
    char GetAt(int i) const { return m_s.at(std::size_t(i)); }
    void SetAt(int i, char ch) { m_s.at(std::size_t(i)) = ch; }
    char operator[](int i) const { return GetAt(i); }
    const char* GetString() const { return m_s.c_str(); }
    operator const char*() const { return m_s.c_str(); }
    const std::string& Bytes() const { return m_s; }
    std::string& Bytes() { return m_s; }

    // A writable buffer of at least minLength bytes; ReleaseBuffer(-1) takes the length up to the first NUL.
    char* GetBuffer(int minLength = 0);
    char* GetBufferSetLength(int length);
    void ReleaseBuffer(int newLength = -1);
    void Truncate(int length);

    CString Left(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    CString Right(int count) const;
    CString SpanIncluding(const char* set) const;
    CString SpanExcluding(const char* set) const;
    CString Tokenize(const char* delimiters, int& start) const;

    int Find(char ch, int start = 0) const;
    int Find(const char* sub, int start = 0) const;
    int ReverseFind(char ch) const;
    int FindOneOf(const char* set) const;

    int Replace(char from, char to);
    int Replace(const char* from, const char* to);
    int Remove(char ch);
    int Insert(int index, char ch);
    int Insert(int index, const char* text);
    int Delete(int index, int count = 1);

    CString& MakeUpper();
    CString& MakeLower();
    CString& MakeReverse();
    CString& Trim();
    CString& Trim(char ch);
    CString& Trim(const char* set);
    CString& TrimLeft();
    CString& TrimLeft(char ch);
    CString& TrimLeft(const char* set);
    CString& TrimRight();
    CString& TrimRight(char ch);
    CString& TrimRight(const char* set);

    // printf formatting in the C locale, whatever the process locale is.
    void Format(const char* format, ...) __attribute__((format(printf, 2, 3)));
    void FormatV(const char* format, va_list args);
    void AppendFormat(const char* format, ...) __attribute__((format(printf, 2, 3)));

    int Compare(const char* other) const;
    int CompareNoCase(const char* other) const;

    CString& operator=(const char* text)
    {
        m_s = text ? text : "";
        return *this;
    }
    CString& operator=(char ch)
    {
        m_s.assign(1, ch);
        return *this;
    }
    CString& operator+=(const CString& other)
    {
        m_s += other.m_s;
        return *this;
    }
    CString& operator+=(const char* text)
    {
        if (text)
            m_s += text;
        return *this;
    }
    CString& operator+=(char ch)
    {
        m_s += ch;
        return *this;
    }
    void Append(const char* text, int length) { m_s.append(text, std::size_t(std::max(length, 0))); }
    void AppendChar(char ch) { m_s += ch; }

    friend CString operator+(const CString& a, const CString& b) { return CString(a.m_s + b.m_s); }
    friend CString operator+(const CString& a, const char* b) { return CString(a.m_s + (b ? b : "")); }
    friend CString operator+(const char* a, const CString& b) { return CString((a ? a : "") + b.m_s); }
    friend CString operator+(const CString& a, char b) { return CString(a.m_s + b); }
    friend CString operator+(char a, const CString& b) { return CString(a + b.m_s); }

    friend bool operator==(const CString& a, const CString& b) { return a.m_s == b.m_s; }
    friend bool operator==(const CString& a, const char* b) { return a.Compare(b) == 0; }
    friend bool operator!=(const CString& a, const CString& b) { return a.m_s != b.m_s; }
    friend bool operator!=(const CString& a, const char* b) { return a.Compare(b) != 0; }
    friend bool operator<(const CString& a, const CString& b) { return a.m_s < b.m_s; }
    friend bool operator>(const CString& a, const CString& b) { return a.m_s > b.m_s; }
    friend bool operator<=(const CString& a, const CString& b) { return a.m_s <= b.m_s; }
    friend bool operator>=(const CString& a, const CString& b) { return a.m_s >= b.m_s; }

private:
    template <typename Match>
    CString& TrimLeftWhere(Match match);
    template <typename Match>
    CString& TrimRightWhere(Match match);

    std::string m_s;
};

// The Qt boundary: the only places where text changes encoding.
QString ToQString(const CString& text);
// A UTF-8 literal written in the source, for labels built straight into Qt widgets.
QString ToQString(const char8_t* text);
CString FromQString(const QString& text);
