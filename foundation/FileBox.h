// The picture of a conceptual file: an outlined box in bands for the number and name (caption),
// the key items, the data items and the examples, with an optional shadow, rounded corners or a
// grey body, and a column at the right of the caption band for the file-type mark.
#pragma once

#include "platform/afx/Rect.h"
#include "platform/afx/String.h"
#include "platform/gdi/GdiTypes.h"

class CDC;

// Drawing flags read by the box.
constexpr DWORD FILE_BOX_ROUNDED = 0x80000000;
constexpr DWORD FILE_BOX_IDEF = 0x10000000; // no mark column
constexpr DWORD FILE_BOX_GREY = 0x02;

// Mark column width and text margin, 0.1 mm at zoom 100.
constexpr int FILE_BOX_MARK_COLUMN = 40;
constexpr int FILE_BOX_MARGIN = 5;

// The band sizes of a conceptual file, 0.1 mm at zoom 100: the number column's width (>= 0), the
// caption band's depth (<= 0), the key band's depth below it (<= 0) and the examples band's height
// above the bottom edge (>= 0, 0 for none).
struct FileBoxBands
{
    int fileCodeCx;
    int compCapCx;
    int keyItemCy;
    int codeSampleCx;
};

// The five texts of a conceptual file, ready-made by the caller.
struct FileBoxTexts
{
    CString number;
    CString name;
    CString keyItems;
    CString dataItems;
    CString examples;
};

// The outline: style, colour and width at zoom 100; a width above 1 becomes an inside-frame pen.
struct FileBoxPen
{
    int style;
    COLORREF color;
    int width;
};

void DrawFileBox(CDC* dc, int zoom, const FileBoxTexts& texts, POINT origin, SIZE size, const FileBoxBands& bands,
                 const FileBoxPen& pen, COLORREF textColor, const LOGFONT& font, DWORD flags, WORD shadowDepth,
                 COLORREF shadowColor);
