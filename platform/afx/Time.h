// CTime (a point in time, seconds since 1970 UTC, shown in local time) and CTimeSpan.
#pragma once

#include "platform/afx/String.h"

#include <ctime>

class CTimeSpan
{
public:
    constexpr CTimeSpan() = default;
    constexpr CTimeSpan(std::time_t seconds) : m_span(seconds) {}
    constexpr CTimeSpan(LONG days, int hours, int minutes, int seconds)
        : m_span(std::time_t(days) * 86400 + hours * 3600 + minutes * 60 + seconds)
    {
    }

    constexpr LONGLONG GetDays() const { return m_span / 86400; }
    constexpr LONGLONG GetTotalHours() const { return m_span / 3600; }
    constexpr int GetHours() const { return int(GetTotalHours() - GetDays() * 24); }
    constexpr LONGLONG GetTotalMinutes() const { return m_span / 60; }
    constexpr int GetMinutes() const { return int(GetTotalMinutes() - GetTotalHours() * 60); }
    constexpr LONGLONG GetTotalSeconds() const { return m_span; }
    constexpr int GetSeconds() const { return int(m_span - GetTotalMinutes() * 60); }
    constexpr std::time_t GetTimeSpan() const { return m_span; }

    constexpr CTimeSpan operator+(CTimeSpan o) const { return CTimeSpan(m_span + o.m_span); }
    constexpr CTimeSpan operator-(CTimeSpan o) const { return CTimeSpan(m_span - o.m_span); }
    constexpr auto operator<=>(const CTimeSpan&) const = default;

private:
    std::time_t m_span = 0;
};

class CTime
{
public:
    constexpr CTime() = default;
    constexpr CTime(std::time_t time) : m_time(time) {}
    // Local time; dst < 0 lets the system decide whether daylight saving applies.
    CTime(int year, int month, int day, int hour, int minute, int second, int dst = -1);

    static CTime GetCurrentTime();

    constexpr std::time_t GetTime() const { return m_time; }
    int GetYear() const { return Local().tm_year + 1900; }
    int GetMonth() const { return Local().tm_mon + 1; }
    int GetDay() const { return Local().tm_mday; }
    int GetHour() const { return Local().tm_hour; }
    int GetMinute() const { return Local().tm_min; }
    int GetSecond() const { return Local().tm_sec; }
    // 1 = Sunday .. 7 = Saturday.
    int GetDayOfWeek() const { return Local().tm_wday + 1; }

    // strftime in local time (Format) or UTC (FormatGmt); the format and the result are code page 932.
    CString Format(const char* format) const;
    CString FormatGmt(const char* format) const;

    constexpr CTime operator+(CTimeSpan span) const { return CTime(m_time + span.GetTimeSpan()); }
    constexpr CTime operator-(CTimeSpan span) const { return CTime(m_time - span.GetTimeSpan()); }
    constexpr CTimeSpan operator-(CTime other) const { return CTimeSpan(m_time - other.m_time); }
    constexpr auto operator<=>(const CTime&) const = default;

private:
    std::tm Local() const;
    std::time_t m_time = 0;
};
