#include "platform/afx/Time.h"

#include <cstring>

namespace TimeFormat {

CString Strftime(const char* format, const std::tm& parts)
{
    if (!format || !*format)
        return CString();
    std::string out(256, '\0');
    for (;;) {
        const std::size_t n = std::strftime(out.data(), out.size(), format, &parts);
        // strftime reports 0 both for an empty result and for a buffer too small.
        if (n > 0 || out.size() > 64 * std::strlen(format) + 256) {
            out.resize(n);
            return CString(std::move(out));
        }
        out.resize(out.size() * 2);
    }
}

} // namespace TimeFormat

CTime::CTime(int year, int month, int day, int hour, int minute, int second, int dst)
{
    std::tm parts{};
    parts.tm_year = year - 1900;
    parts.tm_mon = month - 1;
    parts.tm_mday = day;
    parts.tm_hour = hour;
    parts.tm_min = minute;
    parts.tm_sec = second;
    parts.tm_isdst = dst;
    m_time = std::mktime(&parts);
}

CTime CTime::GetCurrentTime()
{
    return CTime(std::time(nullptr));
}

std::tm CTime::Local() const
{
    std::tm parts{};
    localtime_r(&m_time, &parts);
    return parts;
}

CString CTime::Format(const char* format) const
{
    return TimeFormat::Strftime(format, Local());
}

CString CTime::FormatGmt(const char* format) const
{
    std::tm parts{};
    gmtime_r(&m_time, &parts);
    return TimeFormat::Strftime(format, parts);
}
