#include "foundation/Placement.h"

#include "platform/profile/Profile.h"

#include <cctype>
#include <charconv>
#include <climits>
#include <cstdio>

namespace Placement {

constexpr int kRecordBytes = 68;

// Reads one number the way scanf's %d or %u does (leading white space, an optional sign), but
// refuses a value outside [low, high] instead of letting it overflow.
bool ReadNumber(const char*& text, long long low, long long high, long long& value)
{
    while (std::isspace(static_cast<unsigned char>(*text)))
        ++text;
    if (*text == '+')
        ++text;
    const char* end = text + std::char_traits<char>::length(text);
    const auto [next, error] = std::from_chars(text, end, value);
    if (error != std::errc() || value < low || value > high)
        return false;
    text = next;
    return true;
}

} // namespace Placement

BOOL WritePlacementToProfile(const char* section, const char* entry, const WINDOWPLACEMENT& p)
{
    char text[Placement::kRecordBytes];
    const int length =
        std::snprintf(text, sizeof text, "%u,%u,%d,%d,%d,%d,%d,%d,%d,%d", p.flags, p.showCmd, p.ptMinPosition.x,
                      p.ptMinPosition.y, p.ptMaxPosition.x, p.ptMaxPosition.y, p.rcNormalPosition.left,
                      p.rcNormalPosition.top, p.rcNormalPosition.right, p.rcNormalPosition.bottom);
    if (length < 0 || length >= int(sizeof text))
        return FALSE;
    return Profile::WriteProfileString(section, entry, text);
}

BOOL ReadPlacementFromProfile(const char* section, const char* entry, WINDOWPLACEMENT& placement)
{
    const CString stored = Profile::GetProfileString(section, entry, "");
    if (stored.IsEmpty())
        return FALSE;
    long long values[10];
    const char* text = stored;
    for (int i = 0; i < 10; ++i) {
        if (i > 0 && *text++ != ',')
            return FALSE;
        const bool isUnsigned = i < 2;
        if (!Placement::ReadNumber(text, isUnsigned ? 0 : INT_MIN, isUnsigned ? UINT_MAX : INT_MAX, values[i]))
            return FALSE;
    }
    WINDOWPLACEMENT read;
    read.flags = UINT(values[0]);
    read.showCmd = UINT(values[1]);
    read.ptMinPosition = {LONG(values[2]), LONG(values[3])};
    read.ptMaxPosition = {LONG(values[4]), LONG(values[5])};
    read.rcNormalPosition = {LONG(values[6]), LONG(values[7]), LONG(values[8]), LONG(values[9])};
    const RECT& r = read.rcNormalPosition;
    if (r.left == 0 && r.top == 0 && r.right == 0 && r.bottom == 0)
        return FALSE;
    read.length = sizeof(WINDOWPLACEMENT);
    placement = read;
    return TRUE;
}
