// Functions on code page 932 text: metrics and line breaking, cutting and counting, the texts of
// spreadsheet cells, line-break removal, replacing, path splitting; and two functions on points at
// rectangle edges. Text is walked from its first byte, so a lead byte always goes with its trail byte.
// Line breaks are CR LF; several functions take a CR as the line end and swallow the byte after it.
#pragma once

#include "platform/afx/Rect.h"
#include "platform/afx/String.h"
#include "platform/gdi/GdiTypes.h"

class CDC;
class CDataItemList;

// Estimated width in 0.1 mm of one half-width character of the font (45 % of its scaled height).
int GetFontCharWidth(const LOGFONT& font, BOOL narrow);
// How many half-width characters of the font fit the rectangle's width.
int GetCharsPerRectWidth(const RECT& rect, const LOGFONT& font, BOOL narrow);
// Width of the widest line and the (negative) height of all lines, in 0.1 mm.
CSize& GetMultiLineTextExtent(CSize& out, const CString& text, const LOGFONT& font, BOOL narrow);

// Inserts CR LF between characters wherever a line reaches maxUnits (every character counts 2).
CString& WrapTextByWidth(CString& out, const CString& text, int maxUnits);
CString& WrapTextToRect(CString& out, const CString& text, const RECT& rect, const LOGFONT& font);
// Appends one entry per line (at a CR or when a line reaches maxUnits); returns how many.
int SplitTextToLineItems(const CString& text, int maxUnits, CDataItemList& lines);
// Empties the list, then splits at the number of characters that fit the rectangle.
int SplitTextToRectLines(const CString& text, const RECT& rect, const LOGFONT& font, CDataItemList& lines);
// Empties the list, then splits so that every line fits the rectangle's width as the device measures it.
int SplitTextByExtent(CDC* dc, const CString& text, const RECT& rect, CDataItemList& lines);

int GetMbcsCharCount(const CString& text);
// At most n bytes, ending on a character boundary.
CString& MbcsLeftBytes(CString& out, const CString& text, int n);
CString& MbcsLeftChars(CString& out, const CString& text, int n);

// Cell texts: at most 255 bytes with every CR LF removed or replaced by the separator byte.
CString& TextForExcelCell(CString& out, const CString& text);
CString& TextForExcelCellWithSeparator(CString& out, const CString& text, char separator);
// Every LF made CR LF, at most 512 bytes.
CString& TextFromExcelCell(CString& out, const CString& text);

// Copies a face name into a LOGFONT's field, cut where it fits without splitting a character.
void CopyFaceName(char (&faceName)[LF_FACESIZE], const CString& name);

CString& RemoveCrLf(CString& out, const CString& text);
CString ConvertCrLfToLf(const CString& text);

// Replaces every occurrence of find. Without matchCase the source is upper-cased for the search and
// the caller passes find upper-cased already. FALSE with an empty out text when nothing was found;
// an empty find text finds nothing and leaves out holding the source.
BOOL ReplaceAllText(const CString& source, const CString& find, const CString& replacement, BOOL matchCase,
                    CString& out);

// Splits at the last '\' or '/'; without one the whole path is the name.
void SplitFilePath(const CString& path, CString& name, CString& folder);

// Point classification codes: 1 strictly inside, 2 on an edge, 4 outside, with the side bits.
constexpr int POINT_INSIDE = 0x1;
constexpr int POINT_ON_EDGE = 0x2;
constexpr int POINT_OUTSIDE = 0x4;
constexpr int POINT_SIDE_TOP = 0x10;
constexpr int POINT_SIDE_BOTTOM = 0x20;
constexpr int POINT_SIDE_RIGHT = 0x40;
constexpr int POINT_SIDE_LEFT = 0x80;

int ClassifyPointInRect(const RECT& rect, POINT point);
// A point on the old rectangle's boundary goes to the matching place of the new one's; any other
// point moves with the top-left corner.
CPoint& MapEdgePointBetweenRects(CPoint& out, const RECT& oldRect, POINT point, const RECT& newRect);
