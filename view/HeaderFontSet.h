// HeaderFontSet: the fonts of the printed automatic header and of the page number, from the
// profile section "Fonts" (the main frame keeps them once read). Sizes are cell heights in 0.1 mm.
#pragma once

#include "platform/afx/String.h"

struct LOGFONT;

struct HeaderFontSet
{
    CString faceName; // at most 31 bytes
    int docTypeLarge = 40;
    int docTypeSmall = 35;
    int titleLarge = 35;
    int titleSmall = 30;
    int itemLarge = 25;
    int itemSmall = 25;
    int note = 20;
};

// Reads the eight keys of "Fonts" with their defaults.
HeaderFontSet LoadHeaderFontSet();
// The printing font of the face at the cell height: regular weight, Shift-JIS, the system's
// precision, quality and pitch.
LOGFONT MakeHeaderLogFont(const HeaderFontSet& fonts, int height);
