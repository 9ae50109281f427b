// What the recording device writes: every drawing call with its arguments in logical units and
// the attributes that were selected when it was made.
#pragma once

#include "platform/afx/String.h"
#include "platform/gdi/GdiTypes.h"

#include <string>
#include <vector>

struct DrawCall
{
    std::string op;        // the call's name: "LineTo", "Rectangle", "Arc", "DrawText", ...
    std::vector<int> args; // its numeric arguments in call order, logical units
    CString text;          // the text of text calls
    LOGPEN pen{};
    LOGBRUSH brush{};
    LOGFONT font{};
    COLORREF textColor = 0;
    COLORREF bkColor = 0;
    int bkMode = 0;
    int rop2 = 0;
    int mapMode = 0;
};

// DrawText on the recording device logs a "DrawText" call (rect, format) followed by one
// "DrawTextLine" call (x, y) per laid-out line piece with the piece's text.
class DrawLog
{
public:
    std::vector<DrawCall> calls;

    void Clear() { calls.clear(); }
    // The calls with that name, in order.
    std::vector<DrawCall> Of(const std::string& op) const;
};
