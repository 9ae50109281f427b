#include "foundation/SymbolPrimitives.h"

#include "foundation/DataItemList.h"
#include "foundation/TextFunctions.h"
#include "foundation/ZoomScale.h"

#include "platform/afx/WinTypes.h"
#include "platform/gdi/DC.h"
#include "platform/ui/SystemColors.h"

#include <cstdlib>
#include <cstring>
#include <span>
#include <vector>

namespace symbol_primitives_cpp {

const char8_t* const kDataMediaNames[] = {
    u8"無効",
    u8"長方形",
    u8"長方形 ﾗｲﾄﾆﾝｸﾞ",
    u8"DASD",
    u8"ﾃﾞｰﾀﾍﾞｰｽ",
    u8"ﾃｰﾌﾞﾙ",
    u8"ﾃﾞｰﾀﾍﾞｰｽ ﾗｲﾄﾆﾝｸﾞ",
    u8"ｻｰｸﾙ",
    u8"磁気ﾃｰﾌﾟ",
    u8"ｶｰﾄﾘｯｼﾞ ﾃｰﾌﾟ",
    u8"ﾌﾛｯﾋﾟｰ5",
    u8"ﾌﾛｯﾋﾟｰ3.5",
    u8"ﾌﾛｯﾋﾟｰ3.5H",
    u8"MO",
    u8"ﾍﾟｰﾊﾟｰ",
    u8"ｽﾄｯｸ ﾍﾟｰﾊﾟｰ",
    u8"画面",
    u8"CRT",
    u8"CD-ROM",
    u8"台帳",
    u8"ﾒﾓ",
    u8"不定",
    u8"ﾒﾓﾘ ｶｰﾄﾞ",
    u8"Tel",
    u8"Fax",
    u8"面取り長方形",
    u8"ﾌﾟﾛｯﾀ",
    u8"右寄せ長方形",
    u8"ﾀｯﾁ ｽｷｬﾅｰ",
    u8"ｽｷｬﾅｰ",
    u8"HHT",
    u8"ｽﾋﾟｰｶｰ",
    u8"ﾏｲｸ",
    u8"ﾛｰﾙ ﾍﾟｰﾊﾟｰ",
    u8"ﾍﾟﾝ",
    u8"手",
    u8"ﾊﾞｰ",
    u8"菱形",
    u8"DASD二重線",
    u8"固定ﾌｧｲﾙ",
    u8"固定ﾌｧｲﾙ二重線",
    u8"ｽｹｼﾞｭｰﾙ",
    u8"ｽｹｼﾞｭｰﾙ二重線",
    u8"ﾊﾟﾗﾒｰﾀ",
    u8"横ﾃﾞｰﾀﾍﾞｰｽ",
    u8"横ﾃﾞｰﾀﾍﾞｰｽ二重線",
    u8"ﾃﾞｰﾀﾍﾞｰｽ二重線",
    u8"ｷｰﾎﾞｰﾄﾞ",
    u8"左揃え長方形",
    u8"左揃え面取り長方形",
    u8"口頭",
    u8"電話連絡",
};

const char8_t* const kFlowMediaNames[] = {
    u8"無効",
    u8"長方形",
    u8"長方形ﾄｯﾌﾟ補足",
    u8"長方形ﾎﾞﾄﾑ補足",
    u8"面取り長方形",
    u8"面取り長方形ﾄｯﾌﾟ補足",
    u8"面取り長方形ﾎﾞﾄﾑ補足",
    u8"円･楕円",
    u8"円･楕円ﾄｯﾌﾟ補足",
    u8"円･楕円ﾎﾞﾄﾑ補足",
};

const char8_t* const kFileTypeMarkNames[] = {
    u8"ﾏｰｸなし",
    u8"四角",
    u8"四角塗りつぶし",
    u8"ｸﾛｽ",
    u8"ｽﾗｯｼｭ",
    u8"逆ｽﾗｯｼｭ",
    u8"ｽﾗｯｼｭ上塗りつぶし",
    u8"ｽﾗｯｼｭ下塗りつぶし",
    u8"円",
    u8"円塗りつぶし",
    u8"平行四辺形",
    u8"平行四辺形塗りつぶし",
    u8"下矢印",
    u8"三角",
    u8"三角塗りつぶし",
    u8"菱形",
    u8"菱形塗りつぶし",
    u8"水平線",
    u8"水平線上塗りつぶし",
    u8"水平線下塗りつぶし",
    u8"垂直線",
    u8"垂直線左塗つぶし",
    u8"垂直線右塗つぶし",
    u8"ｱｽﾀﾘｽｸ",
    u8"ﾀﾞﾌﾞﾙｺｰﾃｰｼｮﾝ",
};

constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kBlack = 0x000000;
constexpr COLORREF kRed = 0x0000FF;
constexpr COLORREF kButtonShadow = 0x828282;
// The caption of an inactive window in the classic grey scheme; the active caption follows the
// desktop's highlight colours.
constexpr COLORREF kInactiveCaption = 0x808080;
constexpr COLORREF kInactiveCaptionText = 0xC0C0C0;

// A face read from a file may lack its terminator: the copy always has one, and zeros after it.
void CopyFaceName(char (&destination)[LF_FACESIZE], const char* source)
{
    const std::size_t length = strnlen(source, LF_FACESIZE - 1);
    std::memset(destination, 0, LF_FACESIZE);
    std::memcpy(destination, source, length);
}

std::vector<CString> Converted(std::span<const char8_t* const> table)
{
    std::vector<CString> names;
    names.reserve(table.size());
    for (const char8_t* name : table)
        names.emplace_back(name);
    return names;
}

const CString& NameAt(const std::vector<CString>& names, WORD kind)
{
    static const CString empty;
    return kind < names.size() ? names[kind] : empty;
}

// The square at the right end of an active caption looks like a raised button: a white edge at
// its top and left, a grey one at its bottom and right, set one pixel into the square.
BOOL DrawRaisedButtonEdge(CDC* dc, const SymbolScale& s)
{
    POINT corners[2] = {{s.x + s.W - s.b, s.y}, {s.x + s.W, s.y - s.b}};
    dc->LPtoDP(corners, 2);
    corners[0].y += 1;
    corners[1].x -= 2;
    corners[1].y -= 2;
    dc->DPtoLP(corners, 2);
    const POINT p = corners[0];
    const POINT q = corners[1];
    dc->SelectStockObject(WHITE_PEN);
    dc->MoveTo(p.x, q.y);
    dc->LineTo(p.x, p.y);
    dc->LineTo(q.x, p.y);
    CPen shadow;
    if (!shadow.CreatePen(PS_SOLID, 1, kButtonShadow))
        return FALSE;
    dc->SelectObject(&shadow);
    dc->MoveTo(p.x, q.y);
    dc->LineTo(q.x, q.y);
    dc->LineTo(q.x, p.y);
    dc->SelectStockObject(WHITE_PEN);
    return TRUE;
}

// A letter mark in a corner square of the caption, in its own colour.
void DrawLetterMark(CDC* dc, const char* letter, CRect square, COLORREF color)
{
    const COLORREF oldColor = dc->SetTextColor(color);
    const int oldMode = dc->SetBkMode(TRANSPARENT);
    dc->DrawText(CString(letter), &square, SYMBOL_NAME_FORMAT);
    dc->SetBkMode(oldMode);
    dc->SetTextColor(oldColor);
}

void DrawLetterMarks(CDC* dc, const SymbolScale& s, DWORD flags)
{
    const CRect left(s.x, s.y, s.x + s.b, s.y - s.b);
    const CRect right(s.x + s.W - s.b, s.y, s.x + s.W, s.y - s.b);
    if (flags & 0x10)
        DrawLetterMark(dc, "A", right, kBlack);
    if (flags & 0x02)
        DrawLetterMark(dc, "R", left, kRed);
    if (flags & 0x04)
        DrawLetterMark(dc, "T", left, kBlack);
    if (flags & 0x08)
        DrawLetterMark(dc, "X", left, kBlack);
}

void DrawLabeledBoxTexts(CDC* dc, int zoom, const CString& name, const CString& text, const SymbolScale& s, BOOL active,
                         BOOL full, COLORREF textColor, const LOGFONT& font, DWORD flags)
{
    if (zoom <= SYMBOL_TEXT_MIN_ZOOM)
        return;
    const COLORREF nameColor = full ? textColor : active ? GetSysColor(COLOR_HIGHLIGHTTEXT) : kInactiveCaptionText;
    SymbolTextScope scope(dc, font, s.h, nameColor);
    if (!scope.IsReady())
        return;
    const CRect nameRect(s.x + s.b + s.g2, s.y - s.g5 - s.g2, s.x + s.W - s.b - s.g2, s.y - s.b + s.g5 + s.g2);
    DrawSymbolText(dc, name, nameRect, SYMBOL_NAME_FORMAT, s.h, font, flags);
    if (!full)
        dc->SetTextColor(scope.PreviousTextColor());
    const CRect bodyRect(s.x + s.mx + s.g2, s.y - s.b - 2 * s.g2, s.x + s.W - s.mx - s.g2, s.y + s.H + s.my + s.g2);
    DrawSymbolText(dc, text, bodyRect, SYMBOL_BODY_FORMAT, s.h, font, flags);
    if (!full)
        DrawLetterMarks(dc, s, flags);
}

} // namespace symbol_primitives_cpp

void InitDefaultLogFont(LOGFONT& font)
{
    font.lfHeight = -10;
    font.lfWidth = 0;
    font.lfEscapement = 0;
    font.lfOrientation = 0;
    font.lfWeight = FW_NORMAL;
    font.lfItalic = 0;
    font.lfUnderline = 0;
    font.lfStrikeOut = 0;
    font.lfCharSet = SHIFTJIS_CHARSET;
    font.lfOutPrecision = 3;
    font.lfClipPrecision = 2;
    font.lfQuality = 1;
    font.lfPitchAndFamily = 0x34;
    static const CString face(u8"ＭＳ Ｐゴシック");
    symbol_primitives_cpp::CopyFaceName(font.lfFaceName, face.Bytes().c_str());
}

void CopyLogFont(LOGFONT& destination, const LOGFONT& source)
{
    destination.lfHeight = source.lfHeight;
    destination.lfWidth = source.lfWidth;
    destination.lfEscapement = source.lfEscapement;
    destination.lfOrientation = source.lfOrientation;
    destination.lfWeight = source.lfWeight;
    destination.lfItalic = source.lfItalic;
    destination.lfUnderline = source.lfUnderline;
    destination.lfStrikeOut = source.lfStrikeOut;
    destination.lfCharSet = source.lfCharSet;
    destination.lfOutPrecision = source.lfOutPrecision;
    destination.lfClipPrecision = source.lfClipPrecision;
    destination.lfQuality = source.lfQuality;
    destination.lfPitchAndFamily = source.lfPitchAndFamily;
    symbol_primitives_cpp::CopyFaceName(destination.lfFaceName, source.lfFaceName);
}

const CString& GetDataMediaName(WORD kind)
{
    static const std::vector<CString> names = symbol_primitives_cpp::Converted(symbol_primitives_cpp::kDataMediaNames);
    return symbol_primitives_cpp::NameAt(names, kind);
}

const CString& GetFlowMediaName(WORD kind)
{
    static const std::vector<CString> names = symbol_primitives_cpp::Converted(symbol_primitives_cpp::kFlowMediaNames);
    return symbol_primitives_cpp::NameAt(names, kind);
}

const CString& GetFileTypeMarkName(WORD mark)
{
    static const std::vector<CString> names =
        symbol_primitives_cpp::Converted(symbol_primitives_cpp::kFileTypeMarkNames);
    return symbol_primitives_cpp::NameAt(names, mark);
}

int GetRoundBoxCornerSize(int)
{
    return 30;
}

void EraseRectToWhite(CDC* dc, CRect rect, DWORD flags)
{
    CPen pen;
    if (flags & SYMBOL_OWN_TEXT_LAYOUT ? !pen.CreatePen(PS_SOLID, 1, symbol_primitives_cpp::kWhite)
                                       : !pen.CreateStockObject(WHITE_PEN))
        return;
    CBrush white;
    white.CreateStockObject(WHITE_BRUSH);
    PenBrushRestorer restorer(dc);
    dc->SelectObject(&white);
    dc->SelectObject(&pen);
    // The platform leaves out the right and bottom edges: reach one unit past both.
    const int bottom = dc->GetMapMode() == MM_TEXT ? rect.bottom + 1 : rect.bottom - 1;
    dc->Rectangle(rect.left, rect.top, rect.right + 1, bottom);
}

void DrawWhiteFramedRect(CDC* dc, int left, int top, int right, int bottom, COLORREF color, DWORD flags)
{
    EraseRectToWhite(dc, CRect(left, top, right, bottom), flags);
    CPen pen;
    if (!pen.CreatePen(PS_SOLID, 1, color))
        return;
    CBrush hollow;
    hollow.CreateStockObject(NULL_BRUSH);
    PenBrushRestorer restorer(dc);
    dc->SelectObject(&hollow);
    dc->SelectObject(&pen);
    dc->Rectangle(left, top, right, bottom);
}

void DrawTextLineInRect(CDC* dc, const CString& text, const RECT& rect, int lineHeight, UINT format)
{
    if (format == 0) {
        dc->ExtTextOut(rect.left, rect.top, ETO_CLIPPED, &rect, text);
        return;
    }
    const int width = MulDiv(dc->GetAttribDC()->GetTextExtent(text).cx, 110, 100);
    const int roomX = rect.right - rect.left;
    int x = rect.left;
    if ((format & DT_CENTER) && roomX >= width)
        x = rect.left + (roomX - width) / 2;
    else if (!(format & DT_CENTER) && (format & DT_RIGHT) && roomX >= width)
        x = rect.right - width;
    const bool tallEnough = std::abs(rect.bottom - rect.top) >= std::abs(lineHeight);
    int y = rect.top;
    if ((format & DT_VCENTER) && tallEnough)
        y = rect.top + (rect.bottom - rect.top - lineHeight) / 2;
    else if (!(format & DT_VCENTER) && (format & DT_BOTTOM) && tallEnough)
        y = rect.bottom - lineHeight + 5;
    const CRect clip(x, y, rect.right, rect.bottom);
    dc->ExtTextOut(x, y, ETO_CLIPPED, &clip, text);
}

void DrawTextLinesInRect(CDC* dc, const LOGFONT&, const CString& text, const RECT& rect, int lineHeight, UINT format)
{
    CDataItemList lines;
    SplitTextByExtent(dc, text, rect, lines);
    const INT_PTR count = lines.GetCount();
    if (count > 1)
        format &= ~(DT_VCENTER | DT_BOTTOM);
    int offset = 0;
    for (POSITION pos = lines.GetHeadPosition(); pos;) {
        const CDataItem* line = lines.GetNext(pos);
        CRect lineRect(rect);
        bool last = false;
        if (count > 1) {
            lineRect.top = rect.top + offset;
            lineRect.bottom = rect.top + offset + lineHeight;
            // The line that crosses the bottom edge is drawn clipped there and ends the text.
            if (lineRect.bottom < rect.bottom) {
                lineRect.bottom = rect.bottom;
                last = true;
            }
        }
        DrawTextLineInRect(dc, line->GetName(), lineRect, lineHeight, format);
        if (last)
            return;
        offset += lineHeight;
    }
}

void DrawLabeledBox(CDC* dc, int zoom, const CString& name, const CString& text, POINT origin, SIZE size, BOOL active,
                    BOOL full, BOOL, COLORREF penColor, COLORREF textColor, const LOGFONT& font, DWORD flags)
{
    const SymbolScale s = ScaleSymbol(zoom, origin, size, font);
    CPen pen;
    PenBrushRestorer restorer(dc);
    if (full) {
        dc->SelectStockObject(WHITE_PEN);
        dc->MoveTo(s.x, s.y + s.H);
        dc->LineTo(s.x + s.W, s.y + s.H);
        dc->LineTo(s.x + s.W, s.y);
        dc->SetPixel(s.x + s.W, s.y, symbol_primitives_cpp::kWhite);
        if (!pen.CreatePen(PS_SOLID, 1, penColor))
            return;
        dc->SelectObject(&pen);
        dc->SelectStockObject(WHITE_BRUSH);
    } else {
        if (!pen.CreatePen(PS_SOLID, 1, symbol_primitives_cpp::kBlack))
            return;
        dc->SelectObject(&pen);
        dc->SelectStockObject(LTGRAY_BRUSH);
    }
    dc->Rectangle(s.x, s.y, s.x + s.W, s.y + s.H);
    dc->Rectangle(s.x, s.y, s.x + s.W, s.y - s.b);
    if (!full) {
        CBrush caption;
        if (!caption.CreateSolidBrush(active ? GetSysColor(COLOR_HIGHLIGHT) : symbol_primitives_cpp::kInactiveCaption))
            return;
        dc->SelectObject(&caption);
        dc->Rectangle(s.x + s.b, s.y, s.x + s.W - s.b, s.y - s.b);
        dc->SelectStockObject(LTGRAY_BRUSH);
        if (active && !symbol_primitives_cpp::DrawRaisedButtonEdge(dc, s))
            return;
    }
    symbol_primitives_cpp::DrawLabeledBoxTexts(dc, zoom, name, text, s, active, full, textColor, font, flags);
}

SymbolScale ScaleSymbol(int zoom, POINT origin, SIZE size, const LOGFONT& font)
{
    POINT corner = origin;
    ScalePointByZoom(corner, zoom);
    POINT extent{size.cx, size.cy};
    ScalePointByZoom(extent, zoom);
    POINT band{40, -40};
    ScalePointByZoom(band, zoom);
    POINT margins{15, 20};
    ScalePointByZoom(margins, zoom);
    int g2 = 2;
    int g5 = 5;
    ScaleValueByZoom(g2, zoom);
    ScaleValueByZoom(g5, zoom);
    int h = font.lfHeight;
    ScaleValueByZoom(h, zoom);
    return {corner.x, corner.y, extent.x, extent.y, band.x, margins.x, margins.y, g2, g5, PixelsToTenthMm(h)};
}

SymbolTextScope::SymbolTextScope(CDC* dc, const LOGFONT& font, int height, COLORREF textColor) : m_dc(dc)
{
    LOGFONT scaled;
    CopyLogFont(scaled, font);
    scaled.lfHeight = height;
    if (!m_font.CreateFontIndirect(&scaled))
        return;
    m_oldFont = dc->SelectObject(&m_font);
    m_oldColor = dc->SetTextColor(textColor);
    m_oldMode = dc->SetBkMode(TRANSPARENT);
    m_ready = TRUE;
}

SymbolTextScope::~SymbolTextScope()
{
    if (!m_ready)
        return;
    m_dc->SetBkMode(m_oldMode);
    m_dc->SetTextColor(m_oldColor);
    m_dc->SelectObject(m_oldFont);
}

PenBrushRestorer::PenBrushRestorer(CDC* dc) : m_dc(dc), m_oldPen(dc->GetCurrentPen()), m_oldBrush(dc->GetCurrentBrush())
{
}

PenBrushRestorer::~PenBrushRestorer()
{
    m_dc->SelectObject(m_oldBrush);
    m_dc->SelectObject(m_oldPen);
}

SymbolPenScope::SymbolPenScope(CDC* dc, COLORREF color)
    : m_dc(dc), m_pen(PS_SOLID, 1, color), m_oldPen(dc->SelectObject(&m_pen)), m_oldBrush(nullptr)
{
    m_nullBrush.CreateStockObject(NULL_BRUSH);
    m_oldBrush = dc->SelectObject(&m_nullBrush);
}

SymbolPenScope::~SymbolPenScope()
{
    m_dc->SelectObject(m_oldBrush);
    m_dc->SelectObject(m_oldPen);
}

void DrawSymbolText(CDC* dc, const CString& text, const RECT& rect, UINT format, int lineHeight, const LOGFONT& font,
                    DWORD flags)
{
    if (!(flags & SYMBOL_OWN_TEXT_LAYOUT)) {
        CRect box(rect);
        dc->DrawText(text, &box, format);
    } else if (format & DT_SINGLELINE) {
        DrawTextLineInRect(dc, text, rect, lineHeight, format);
    } else {
        DrawTextLinesInRect(dc, font, text, rect, lineHeight, format);
    }
}
