// A recording device for the symbol drawers' tests, and views of what it recorded.
#pragma once

#include "foundation/SymbolPrimitives.h"

#include "platform/gdi/DC.h"
#include "platform/gdi/DrawLog.h"

#include <string>
#include <vector>

namespace symbol_recording {

// A recording device in the y-up 0.1 mm mapping the drawings use, with a 26-unit font selected so
// that text measures (recording device: 13 per half-width character).
struct Recording
{
    DrawLog log;
    CDC dc;
    CFont font;
    Recording()
    {
        dc.CreateRecording(&log);
        dc.SetMapMode(MM_LOMETRIC);
        LOGFONT lf;
        InitDefaultLogFont(lf);
        lf.lfHeight = -26;
        font.CreateFontIndirect(&lf);
        dc.SelectObject(&font);
    }
};

inline LOGFONT DefaultFont()
{
    LOGFONT lf;
    InitDefaultLogFont(lf);
    return lf;
}

inline std::vector<int> RectArgs(const DrawCall& call)
{
    return {call.args.begin(), call.args.begin() + 4};
}

// The rectangles of the calls with that name.
inline std::vector<std::vector<int>> RectsOf(const DrawLog& log, const std::string& op)
{
    std::vector<std::vector<int>> rects;
    for (const DrawCall& call : log.Of(op))
        rects.push_back(RectArgs(call));
    return rects;
}

// Every call's name in order.
inline std::vector<std::string> Ops(const DrawLog& log)
{
    std::vector<std::string> ops;
    for (const DrawCall& call : log.calls)
        ops.push_back(call.op);
    return ops;
}

} // namespace symbol_recording
