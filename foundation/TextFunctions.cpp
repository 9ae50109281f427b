#include "foundation/TextFunctions.h"

#include "foundation/AppServices.h"
#include "foundation/DataItemList.h"
#include "foundation/ListElements.h"
#include "foundation/ZoomScale.h"
#include "platform/afx/Cp932.h"
#include "platform/gdi/DC.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace text_functions_cpp {

constexpr char kCr = '\r';
constexpr char kLf = '\n';
// Bytes of a text a spreadsheet cell conversion looks at, and the most a cell text may hold.
constexpr std::size_t kCellSourceBytes = 511;
constexpr std::size_t kCellTextBytes = 255;

std::size_t CharLen(const std::string& text, std::size_t i)
{
    return Cp932CharLength(text, i);
}

bool IsCrLfAt(const std::string& text, std::size_t i)
{
    return text[i] == kCr && i + 1 < text.size() && text[i + 1] == kLf;
}

// The leading whole characters of the text that fit in maxBytes.
std::string LeadingBytes(const std::string& text, std::size_t maxBytes)
{
    std::size_t end = 0;
    while (end < text.size() && end + CharLen(text, end) <= maxBytes)
        end += CharLen(text, end);
    return text.substr(0, end);
}

// The line height of the font in 0.1 mm, negative (y up).
int LineHeightTenthMm(const LOGFONT& font)
{
    const int height = PixelsToTenthMm(font.lfHeight);
    return height > 0 ? -height : height;
}

int Saturated(long long value)
{
    return int(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

bool IsWindowsNt4()
{
    const AppServices* app = GetAppServices();
    if (!app)
        return false;
    const OSVERSIONINFO& os = app->GetOsVersionInfo();
    return os.dwPlatformId == VER_PLATFORM_WIN32_NT && os.dwMajorVersion == 4;
}

// Writes the cell text: CR LF pairs dropped, or written as the separator when there is one.
CString& CellText(CString& out, const CString& text, const char* separator)
{
    out.Empty();
    const std::string in = LeadingBytes(text.Bytes(), kCellSourceBytes);
    std::string& result = out.Bytes();
    for (std::size_t i = 0; i < in.size();) {
        if (IsCrLfAt(in, i)) {
            if (separator) {
                if (result.size() + 1 > kCellTextBytes)
                    break;
                result += *separator;
            }
            i += 2;
            continue;
        }
        const std::size_t n = CharLen(in, i);
        if (result.size() + n > kCellTextBytes)
            break;
        result.append(in, i, n);
        i += n;
    }
    return out;
}

int AppendLine(CDataItemList& lines, const std::string& line)
{
    return lines.AddDataItem(CDataItem(CString(line))) ? 1 : 0;
}

// Every CR LF pair written as the replacement; every other byte copied.
CString ReplaceCrLf(const CString& text, const char* replacement)
{
    const std::string& s = text.Bytes();
    std::string result;
    result.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (IsCrLfAt(s, i)) {
            result += replacement;
            ++i;
        } else {
            result += s[i];
        }
    }
    return CString(std::move(result));
}

// Maps a coordinate along one axis from the old extent onto the new one. Extents are formed in
// 64 bits and the result is held within 32 bits.
int MapAlongExtent(int value, int oldStart, int oldEnd, int newStart, int newEnd)
{
    const long long oldExtent = (long long)oldEnd - oldStart, newExtent = (long long)newEnd - newStart;
    if (oldExtent == newExtent || oldExtent == 0)
        return value;
    const double mapped = newStart + std::trunc((double(value) - oldStart) * double(newExtent) / double(oldExtent));
    return int(std::clamp(mapped, double(INT_MIN), double(INT_MAX)));
}

} // namespace text_functions_cpp

int GetFontCharWidth(const LOGFONT& font, BOOL narrow)
{
    const int height = text_functions_cpp::LineHeightTenthMm(font);
    int percent = font.lfHeight == -21 ? 108 : 105;
    if (text_functions_cpp::IsWindowsNt4())
        percent += 10;
    if (narrow)
        percent -= 4;
    return MulDiv(MulDiv(height, percent, 100), -45, 100);
}

int GetCharsPerRectWidth(const RECT& rect, const LOGFONT& font, BOOL narrow)
{
    // A font too small to measure counts one unit per character rather than dividing by zero.
    const int width = std::max(GetFontCharWidth(font, narrow), 1);
    return (rect.right - rect.left) / width;
}

CSize& GetMultiLineTextExtent(CSize& out, const CString& text, const LOGFONT& font, BOOL narrow)
{
    // Widths and heights are formed in 64 bits: a font as large as a damaged file may give must not
    // overflow them.
    const long long charWidth = GetFontCharWidth(font, narrow);
    const std::string& s = text.Bytes();
    long long widest = 0, lines = 0, lineBytes = 0;
    auto endLine = [&] {
        widest = std::max(widest, lineBytes * charWidth);
        ++lines;
        lineBytes = 0;
    };
    for (std::size_t i = 0; i < s.size();) {
        if (s[i] == text_functions_cpp::kCr) {
            endLine();
            i += 2; // the byte after the CR belongs to no line
            continue;
        }
        const std::size_t n = text_functions_cpp::CharLen(s, i);
        lineBytes += (long long)n;
        i += n;
    }
    if (lineBytes > 0)
        endLine();
    const long long height = text_functions_cpp::LineHeightTenthMm(font) * lines - (lines > 1 ? 20 : 0);
    out = CSize(text_functions_cpp::Saturated(widest), text_functions_cpp::Saturated(height));
    return out;
}

CString& WrapTextByWidth(CString& out, const CString& text, int maxUnits)
{
    out.Empty();
    const std::string& s = text.Bytes();
    std::string& result = out.Bytes();
    int units = 0;
    for (std::size_t i = 0; i < s.size();) {
        if (s[i] == text_functions_cpp::kCr) {
            const std::size_t n = std::min<std::size_t>(2, s.size() - i);
            result.append(s, i, n);
            i += n;
            units = 0;
            continue;
        }
        const std::size_t n = text_functions_cpp::CharLen(s, i);
        result.append(s, i, n);
        i += n;
        units += 2;
        if (units >= maxUnits && i < s.size() && s[i] != text_functions_cpp::kCr) {
            result += "\r\n";
            units = 0;
        }
    }
    return out;
}

CString& WrapTextToRect(CString& out, const CString& text, const RECT& rect, const LOGFONT& font)
{
    out.Empty();
    if (text.IsEmpty())
        return out;
    return WrapTextByWidth(out, text, GetCharsPerRectWidth(rect, font, FALSE));
}

int SplitTextToLineItems(const CString& text, int maxUnits, CDataItemList& lines)
{
    const std::string& s = text.Bytes();
    std::string line;
    int units = 0, appended = 0;
    for (std::size_t i = 0; i < s.size();) {
        if (s[i] == text_functions_cpp::kCr) {
            appended += text_functions_cpp::AppendLine(lines, line);
            line.clear();
            units = 0;
            i += 2;
            continue;
        }
        const std::size_t n = text_functions_cpp::CharLen(s, i);
        line.append(s, i, n);
        i += n;
        units += 2;
        if (units >= maxUnits) {
            appended += text_functions_cpp::AppendLine(lines, line);
            line.clear();
            units = 0;
        }
    }
    if (!line.empty())
        appended += text_functions_cpp::AppendLine(lines, line);
    return appended;
}

int SplitTextToRectLines(const CString& text, const RECT& rect, const LOGFONT& font, CDataItemList& lines)
{
    DeleteAllElements(lines);
    if (text.IsEmpty())
        return 0;
    return SplitTextToLineItems(text, GetCharsPerRectWidth(rect, font, TRUE), lines);
}

int SplitTextByExtent(CDC* dc, const CString& text, const RECT& rect, CDataItemList& lines)
{
    DeleteAllElements(lines);
    const std::string& s = text.Bytes();
    CDC* measurer = dc->GetAttribDC();
    const int width = rect.right - rect.left;
    std::string line;
    int appended = 0;
    for (std::size_t i = 0; i < s.size();) {
        if (s[i] == text_functions_cpp::kCr) {
            appended += text_functions_cpp::AppendLine(lines, line);
            line.clear();
            i += 2;
            continue;
        }
        const std::size_t n = text_functions_cpp::CharLen(s, i);
        const std::size_t before = line.size();
        line.append(s, i, n);
        i += n;
        // A character wider than the rectangle on its own still starts a line: no empty entry.
        if (before > 0 && width < measurer->GetTextExtent(line.data(), int(line.size())).cx) {
            appended += text_functions_cpp::AppendLine(lines, line.substr(0, before));
            line.erase(0, before);
        }
    }
    if (!line.empty())
        appended += text_functions_cpp::AppendLine(lines, line);
    return appended;
}

int GetMbcsCharCount(const CString& text)
{
    const std::string& s = text.Bytes();
    int count = 0;
    for (std::size_t i = 0; i < s.size(); i += text_functions_cpp::CharLen(s, i))
        ++count;
    return count;
}

CString& MbcsLeftBytes(CString& out, const CString& text, int n)
{
    out = CString(text_functions_cpp::LeadingBytes(text.Bytes(), std::size_t(std::max(n, 0))));
    return out;
}

CString& MbcsLeftChars(CString& out, const CString& text, int n)
{
    const std::string& s = text.Bytes();
    std::size_t end = 0;
    for (int copied = 0; copied < n && end < s.size(); ++copied)
        end += text_functions_cpp::CharLen(s, end);
    out = CString(s.substr(0, end));
    return out;
}

CString& TextForExcelCell(CString& out, const CString& text)
{
    return text_functions_cpp::CellText(out, text, nullptr);
}

CString& TextForExcelCellWithSeparator(CString& out, const CString& text, char separator)
{
    return text_functions_cpp::CellText(out, text, &separator);
}

CString& TextFromExcelCell(CString& out, const CString& text)
{
    out.Empty();
    const std::string in = text_functions_cpp::LeadingBytes(text.Bytes(), text_functions_cpp::kCellSourceBytes);
    std::string& result = out.Bytes();
    for (std::size_t i = 0; i < in.size() && result.size() < text_functions_cpp::kCellSourceBytes;) {
        if (in[i] == text_functions_cpp::kLf) {
            result += "\r\n";
            ++i;
            continue;
        }
        const std::size_t n = text_functions_cpp::CharLen(in, i);
        result.append(in, i, n);
        i += n;
    }
    return out;
}

CString& RemoveCrLf(CString& out, const CString& text)
{
    out = text_functions_cpp::ReplaceCrLf(text, "");
    return out;
}

CString ConvertCrLfToLf(const CString& text)
{
    return text_functions_cpp::ReplaceCrLf(text, "\n");
}

void CopyFaceName(char (&faceName)[LF_FACESIZE], const CString& name)
{
    int length = 0;
    while (length < name.GetLength()) {
        const int charLength = IsDBCSLeadByte(BYTE(name[length])) ? 2 : 1;
        if (length + charLength > LF_FACESIZE - 1 || length + charLength > name.GetLength())
            break;
        length += charLength;
    }
    std::memset(faceName, 0, LF_FACESIZE);
    std::memcpy(faceName, name.GetString(), size_t(length));
}

BOOL ReplaceAllText(const CString& source, const CString& find, const CString& replacement, BOOL matchCase,
                    CString& out)
{
    out.Empty();
    if (find.IsEmpty()) {
        out = source;
        return FALSE;
    }
    CString search = source;
    if (!matchCase)
        search.MakeUpper();
    std::string result;
    bool found = false;
    int start = 0;
    for (int at; start < source.GetLength() && (at = search.Find(find, start)) >= 0; start = at + find.GetLength()) {
        found = true;
        result.append(source.Bytes(), std::size_t(start), std::size_t(at - start));
        result += replacement.Bytes();
    }
    if (!found)
        return FALSE;
    result.append(source.Bytes(), std::size_t(start));
    out = CString(std::move(result));
    return TRUE;
}

void SplitFilePath(const CString& path, CString& name, CString& folder)
{
    name.Empty();
    folder.Empty();
    const int at = std::max(path.ReverseFind('\\'), path.ReverseFind('/'));
    if (at < 0) {
        name = path;
        return;
    }
    name = path.Mid(at + 1);
    folder = path.Left(at);
}

int ClassifyPointInRect(const RECT& rect, POINT point)
{
    int code;
    if (point.x < rect.left)
        code = POINT_OUTSIDE | POINT_SIDE_LEFT;
    else if (point.x == rect.left)
        code = POINT_ON_EDGE | POINT_SIDE_LEFT;
    else if (point.x < rect.right)
        code = POINT_INSIDE;
    else if (point.x == rect.right)
        code = POINT_ON_EDGE | POINT_SIDE_RIGHT;
    else
        code = POINT_OUTSIDE | POINT_SIDE_RIGHT;

    auto onEdge = [code](int side) {
        return (code & POINT_OUTSIDE) ? code | side : (code & ~(POINT_INSIDE | POINT_OUTSIDE)) | POINT_ON_EDGE | side;
    };
    auto beyond = [code](int side) { return (code & ~(POINT_INSIDE | POINT_ON_EDGE)) | POINT_OUTSIDE | side; };
    if (point.y > rect.top)
        return beyond(POINT_SIDE_TOP);
    if (point.y == rect.top)
        return onEdge(POINT_SIDE_TOP);
    if (point.y > rect.bottom)
        return code;
    if (point.y == rect.bottom)
        return onEdge(POINT_SIDE_BOTTOM);
    return beyond(POINT_SIDE_BOTTOM);
}

CPoint& MapEdgePointBetweenRects(CPoint& out, const RECT& a, POINT p, const RECT& b)
{
    const int code = ClassifyPointInRect(a, p);
    if (!(code & POINT_ON_EDGE)) {
        out = CPoint(text_functions_cpp::Saturated((long long)p.x - a.left + b.left),
                     text_functions_cpp::Saturated((long long)p.y - a.top + b.top));
        return out;
    }
    const int x = text_functions_cpp::MapAlongExtent(p.x, a.left, a.right, b.left, b.right);
    const int y = text_functions_cpp::MapAlongExtent(p.y, a.top, a.bottom, b.top, b.bottom);
    switch (code & 0xF0) {
    case POINT_SIDE_TOP: out = CPoint(x, b.top); break;
    case POINT_SIDE_BOTTOM: out = CPoint(x, b.bottom); break;
    case POINT_SIDE_RIGHT: out = CPoint(b.right, y); break;
    case POINT_SIDE_LEFT: out = CPoint(b.left, y); break;
    case POINT_SIDE_TOP | POINT_SIDE_RIGHT: out = CPoint(b.right, b.top); break;
    case POINT_SIDE_BOTTOM | POINT_SIDE_RIGHT: out = CPoint(b.right, b.bottom); break;
    case POINT_SIDE_TOP | POINT_SIDE_LEFT: out = CPoint(b.left, b.top); break;
    default: out = CPoint(b.left, b.bottom); break; // bottom-left corner
    }
    return out;
}
