#include "platform/gdi/RecordingDevice.h"

#include <algorithm>
#include <cstdlib>

namespace RecordingFile {

int Em(const DCState& state)
{
    const LONG h = state.font ? state.font->log.lfHeight : 0;
    // Held well inside the 32-bit range: a damaged font height must not overflow the metrics.
    return h == 0 ? 16 : int(std::min(std::abs((long long)h), 0x1000000LL));
}

} // namespace RecordingFile

int RecordingDevice::DeviceCaps(int index) const
{
    switch (index) {
    case LOGPIXELSX:
    case LOGPIXELSY: return 96;
    case HORZRES:
    case PHYSICALWIDTH: return 1024;
    case VERTRES:
    case PHYSICALHEIGHT: return 768;
    case HORZSIZE: return 271;
    case VERTSIZE: return 203;
    case BITSPIXEL: return 32;
    default: return 0;
    }
}

DrawCall& RecordingDevice::Log(const DCState& state, const char* op, std::vector<int> args, const CString& text)
{
    DrawCall call;
    call.op = op;
    call.args = std::move(args);
    call.text = text;
    if (state.pen)
        call.pen = state.pen->log;
    if (state.brush)
        call.brush = state.brush->log;
    if (state.font)
        call.font = state.font->log;
    call.textColor = state.textColor;
    call.bkColor = state.bkColor;
    call.bkMode = state.bkMode;
    call.rop2 = state.rop2;
    call.mapMode = state.mapping.GetMapMode();
    m_log->calls.push_back(std::move(call));
    return m_log->calls.back();
}

std::vector<int> RecordingDevice::PointArgs(const POINT* points, int count)
{
    std::vector<int> args;
    for (int i = 0; i < count; ++i)
        args.insert(args.end(), {points[i].x, points[i].y});
    return args;
}

std::vector<int> RecordingDevice::RectArgs(const RECT& rect, std::initializer_list<int> more)
{
    std::vector<int> args{rect.left, rect.top, rect.right, rect.bottom};
    args.insert(args.end(), more);
    return args;
}

void RecordingDevice::Line(const DCState& state, POINT from, POINT to)
{
    Log(state, "LineTo", {from.x, from.y, to.x, to.y});
}

void RecordingDevice::Polyline(const DCState& state, const POINT* points, int count)
{
    Log(state, "Polyline", PointArgs(points, count));
}

void RecordingDevice::Polygon(const DCState& state, const POINT* points, int count)
{
    Log(state, "Polygon", PointArgs(points, count));
}

void RecordingDevice::PolyBezier(const DCState& state, const POINT* points, int count)
{
    Log(state, "PolyBezier", PointArgs(points, count));
}

void RecordingDevice::Rectangle(const DCState& state, const RECT& rect)
{
    Log(state, "Rectangle", RectArgs(rect));
}

void RecordingDevice::RoundRect(const DCState& state, const RECT& rect, SIZE corner)
{
    Log(state, "RoundRect", RectArgs(rect, {corner.cx, corner.cy}));
}

void RecordingDevice::Ellipse(const DCState& state, const RECT& rect)
{
    Log(state, "Ellipse", RectArgs(rect));
}

void RecordingDevice::ArcShape(const DCState& state, ArcKind kind, const RECT& rect, POINT start, POINT end)
{
    const char* op = kind == ArcKind::Arc ? "Arc" : kind == ArcKind::Chord ? "Chord" : "Pie";
    Log(state, op, RectArgs(rect, {start.x, start.y, end.x, end.y}));
}

void RecordingDevice::FillRect(const DCState& state, const RECT& rect, const BrushData& brush)
{
    Log(state, "FillRect", RectArgs(rect)).brush = brush.log;
}

void RecordingDevice::FrameRect(const DCState& state, const RECT& rect, const BrushData& brush)
{
    Log(state, "FrameRect", RectArgs(rect)).brush = brush.log;
}

void RecordingDevice::DrawFocusRect(const DCState& state, const RECT& rect)
{
    Log(state, "DrawFocusRect", RectArgs(rect));
}

void RecordingDevice::PatBlt(const DCState& state, int x, int y, int width, int height, DWORD rop)
{
    Log(state, "PatBlt", {x, y, width, height, int(rop)});
}

void RecordingDevice::BitBlt(const DCState& state, const RECT& target, DCDevice&, const DCState&, POINT sourceOrigin,
                             DWORD rop)
{
    Log(state, "BitBlt", RectArgs(target, {sourceOrigin.x, sourceOrigin.y, int(rop)}));
}

COLORREF RecordingDevice::SetPixel(const DCState& state, POINT point, COLORREF color)
{
    Log(state, "SetPixel", {point.x, point.y, int(color)});
    return color;
}

COLORREF RecordingDevice::GetPixel(const DCState&, POINT)
{
    return CLR_INVALID;
}

void RecordingDevice::Text(const DCState& state, const char* op, POINT at, const CString& text, UINT options,
                           const RECT* rect)
{
    std::vector<int> args{at.x, at.y, int(options)};
    if (rect)
        args.insert(args.end(), {rect->left, rect->top, rect->right, rect->bottom});
    Log(state, op, std::move(args), text);
}

CSize RecordingDevice::MeasureText(const DCState& state, const CString& text)
{
    const int em = RecordingFile::Em(state);
    const std::string& s = text.Bytes();
    int width = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const bool wide = IsDBCSLeadByte(BYTE(s[i])) && i + 1 < s.size();
        width += (wide ? em : (em + 1) / 2) + state.charExtra;
        i += wide ? 1 : 0;
    }
    return CSize(width, em);
}

TEXTMETRIC RecordingDevice::Metrics(const DCState& state)
{
    const int em = RecordingFile::Em(state);
    TEXTMETRIC tm{};
    tm.tmHeight = em;
    tm.tmDescent = em / 5;
    tm.tmAscent = em - tm.tmDescent;
    tm.tmAveCharWidth = (em + 1) / 2;
    tm.tmMaxCharWidth = em;
    tm.tmWeight = state.font ? state.font->log.lfWeight : FW_NORMAL;
    tm.tmCharSet = SHIFTJIS_CHARSET;
    return tm;
}

void RecordingDevice::Note(const DCState& state, const char* op, std::initializer_list<int> args, const CString& text)
{
    Log(state, op, std::vector<int>(args), text);
}
