// The 25 file-type marks that classify conceptual files, the conceptual-file box drawn with its
// mark, and the sample box of the file-type dialog.
#pragma once

#include "foundation/FileBox.h"

#include "platform/afx/Rect.h"
#include "platform/gdi/GdiTypes.h"

class CDC;
class CWnd;

// Draws the mark in the rectangle, which arrives in the device context's units (0.1 mm y up on a
// drawing, device pixels y down in a menu); the zoom only sizes the two text marks. An id outside
// 0..24, and mark 0, draw nothing.
void DrawFileTypeMark(CDC* dc, int zoom, const RECT& rect, WORD markId, COLORREF color, DWORD flags);

// DrawFileBox, then the mark in the mark column (not in IDEF notation, not at zoom 25 and below).
void DrawFileBoxWithMark(CDC* dc, int zoom, const FileBoxTexts& texts, POINT origin, SIZE size,
                         const FileBoxBands& bands, WORD markId, const FileBoxPen& pen, COLORREF textColor,
                         const LOGFONT& font, DWORD flags, WORD shadowDepth, COLORREF shadowColor);

// The sample box with fixed texts, black on white: number column f and bands b deep (b < 0), all
// at zoom 100.
void DrawFileBoxPreview(CDC* dc, int zoom, POINT origin, SIZE size, int numberWidth, int bandDepth, WORD markId);

// Paints the sample box centred, 1 mm low, in the window's client area.
void DrawBoxStyleSample(CWnd* window, int zoom, WORD markId);
// The same on a device context whose client area (device pixels) is given.
void DrawBoxStyleSampleInClient(CDC* dc, const RECT& client, int zoom, WORD markId);
