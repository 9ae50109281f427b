// TEMPORARY stand-ins until the symbol drawing primitives land; removed at the merge.
#pragma once

#include "platform/afx/String.h"
#include "platform/gdi/DC.h"

#include <cstring>

constexpr DWORD DRAW_OWN_TEXT_LAYOUT = 0x1000;

inline void InitDefaultLogFont(LOGFONT& font)
{
    font = LOGFONT{};
    font.lfHeight = -10;
    font.lfWeight = 400;
    font.lfCharSet = 128;
    font.lfOutPrecision = 3;
    font.lfClipPrecision = 2;
    font.lfQuality = 1;
    font.lfPitchAndFamily = 0x34;
    const CString face(u8"ＭＳ Ｐゴシック");
    std::strcpy(font.lfFaceName, face.GetString());
}

inline void CopyLogFont(LOGFONT& to, const LOGFONT& from)
{
    to = from;
}

inline void DrawTextLinesInRect(CDC* dc, const LOGFONT&, const CString& text, RECT& rect, int, UINT format)
{
    dc->DrawText(text, &rect, format);
}
