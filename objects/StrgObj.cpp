#include "objects/StrgObj.h"

#include "foundation/Geometry.h"
#include "foundation/SymbolPrimitives.h"
#include "foundation/TextFunctions.h"
#include "foundation/Trackers.h"
#include "foundation/ZoomScale.h"
#include "objects/DefaultKeys.h"
#include "platform/afx/Archive.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Font.h"
#include "platform/ui/FontDialog.h"

#include <algorithm>

IMPLEMENT_SERIAL(CStrgObj, CBaseObj, 1)

namespace strgobj {

constexpr WORD kRecordEffectsFrom = 3;
constexpr WORD kRecordPixelHeightFrom = 2;
constexpr WORD kRecordNegativeHeightFrom = 19;
constexpr int kDefaultFontHeight = -13;
constexpr COLORREF kDefaultShadowColor = 0xC0C0C0;
constexpr COLORREF kDefaultFramingColor = 0xFF00FF;
// A font more than about 8 m high at zoom 100 is no font but a damaged record; refusing it keeps
// every later scaling of the height inside 32 bits.
constexpr LONG kFontSizeLimit = 0x7FFF;
// Text and its effects are left out at this zoom and below.
constexpr int kEffectsAboveZoom = 25;

bool IsAbsurdFontSize(LONG value)
{
    return value > kFontSizeLimit || value < -kFontSizeLimit;
}

// A length at zoom 100 scaled by the zoom, at least 1.
int ScaledAtLeastOne(int value, int zoom)
{
    ScaleValueByZoom(value, zoom);
    return std::max(value, 1);
}

} // namespace strgobj

// --- Construction and record ------------------------------------------------------------------

CStrgObj::CStrgObj() : CStrgObj(OBJKIND_TEXT, 0, CRect(), CString()) {}

CStrgObj::CStrgObj(WORD objectId, const CRect& rect) : CStrgObj(OBJKIND_TEXT, objectId, rect, CString()) {}

CStrgObj::CStrgObj(WORD objectId, const CRect& rect, const CString& text) : CStrgObj(OBJKIND_TEXT, objectId, rect, text)
{
}

CStrgObj::CStrgObj(WORD kind, WORD objectId, const CRect& rect, const CString& text)
    : CBaseObj(kind, objectId, rect), m_strText(text)
{
    InitTextDefaults();
}

CStrgObj::CStrgObj(const CStrgObj& other) = default;

void CStrgObj::InitTextDefaults()
{
    InitDefaultLogFont(m_lfFont);
    m_lfFont.lfHeight = strgobj::kDefaultFontHeight;
    m_dwFormat = 0;
    m_crText = 0;
    m_bDrawFrame = FALSE;
    m_bRound = FALSE;
    m_wCharExtra = 0;
    m_wTextShadow = 0;
    m_crTextShadow = strgobj::kDefaultShadowColor;
    m_wFraming = 0;
    m_crFraming = strgobj::kDefaultFramingColor;
    m_bFill = TRUE;
    m_crFill = 0xFFFFFF;
}

void CStrgObj::Serialize(CArchive& ar)
{
    CBaseObj::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_strText;
        SerializeFont(ar);
        ar << WORD(m_dwFormat) << DWORD(m_crText) << WORD(m_bDrawFrame) << WORD(m_bRound);
        ar << m_wCharExtra << m_wTextShadow << DWORD(m_crTextShadow) << m_wFraming << DWORD(m_crFraming);
        return;
    }
    ar >> m_strText;
    SerializeFont(ar);
    WORD format, frame, round;
    DWORD textColor;
    ar >> format >> textColor >> frame >> round;
    m_dwFormat = format;
    m_crText = textColor;
    m_bDrawFrame = frame;
    m_bRound = round;
    m_wCharExtra = 0;
    m_wTextShadow = 0;
    m_crTextShadow = strgobj::kDefaultShadowColor;
    m_wFraming = 0;
    m_crFraming = strgobj::kDefaultFramingColor;
    if (m_wVersion >= strgobj::kRecordEffectsFrom) {
        DWORD shadowColor, framingColor;
        ar >> m_wCharExtra >> m_wTextShadow >> shadowColor >> m_wFraming >> framingColor;
        m_crTextShadow = shadowColor;
        m_crFraming = framingColor;
    }
    // Converted now rather than on the first draw, so that storing before any drawing never
    // keeps a height in 0.1 mm under the current version.
    ConvertOldFontHeight();
}

void CStrgObj::SerializeFont(CArchive& ar)
{
    LOGFONT& f = m_lfFont;
    if (ar.IsStoring()) {
        ar << LONG(f.lfHeight) << LONG(f.lfWidth) << LONG(f.lfEscapement) << LONG(f.lfOrientation) << LONG(f.lfWeight);
        ar << f.lfItalic << f.lfUnderline << f.lfStrikeOut << f.lfCharSet << f.lfOutPrecision << f.lfClipPrecision
           << f.lfQuality << f.lfPitchAndFamily;
        ar << CString(f.lfFaceName);
        return;
    }
    LONG height, width, escapement, orientation, weight;
    ar >> height >> width >> escapement >> orientation >> weight;
    if (m_wVersion < strgobj::kRecordNegativeHeightFrom && height > 0)
        height = -height;
    if (strgobj::IsAbsurdFontSize(height) || strgobj::IsAbsurdFontSize(width))
        AfxThrowArchiveException(CArchiveException::genericException, ar.m_strFileName);
    f.lfHeight = height;
    f.lfWidth = width;
    f.lfEscapement = escapement;
    f.lfOrientation = orientation;
    f.lfWeight = weight;
    ar >> f.lfItalic >> f.lfUnderline >> f.lfStrikeOut >> f.lfCharSet >> f.lfOutPrecision >> f.lfClipPrecision >>
        f.lfQuality >> f.lfPitchAndFamily;
    CString face;
    ar >> face;
    SetFaceName(face);
}

void CStrgObj::ConvertOldFontHeight()
{
    if (m_wVersion >= strgobj::kRecordPixelHeightFrom)
        return;
    m_lfFont.lfHeight = TenthMmToPixels(m_lfFont.lfHeight);
    m_wVersion = strgobj::kRecordPixelHeightFrom;
}

CString& CStrgObj::GetTypeName(CString& name) const
{
    name = CString(u8"文字ｵﾌﾞｼﾞｪｸﾄ");
    return name;
}

CString& CStrgObj::GetProfileSection(CString& section) const
{
    section = "StrObj Properties";
    return section;
}

// --- Setters ------------------------------------------------------------------------------------

void CStrgObj::SetAlignLeft()
{
    m_dwFormat &= ~(DT_CENTER | DT_RIGHT);
}

void CStrgObj::SetAlignCenter()
{
    m_dwFormat = (m_dwFormat | DT_CENTER) & ~DT_RIGHT;
}

void CStrgObj::SetAlignRight()
{
    m_dwFormat = (m_dwFormat | DT_RIGHT) & ~DT_CENTER;
}

void CStrgObj::SetAlignTop()
{
    m_dwFormat &= ~(DT_VCENTER | DT_BOTTOM);
}

void CStrgObj::SetAlignVCenter()
{
    m_dwFormat = (m_dwFormat | DT_VCENTER) & ~DT_BOTTOM;
}

void CStrgObj::SetAlignBottom()
{
    m_dwFormat = (m_dwFormat | DT_BOTTOM) & ~DT_VCENTER;
}

BOOL CStrgObj::HasVertAlign() const
{
    return (m_dwFormat & (DT_VCENTER | DT_BOTTOM)) != 0;
}

const char* CStrgObj::SetFaceName(const CString& faceName)
{
    CopyFaceName(m_lfFont.lfFaceName, faceName);
    return m_lfFont.lfFaceName;
}

void CStrgObj::SetLogFont(const LOGFONT& font)
{
    CopyLogFont(m_lfFont, font);
}

BOOL CStrgObj::CopyFontFrom(const CStrgObj& other)
{
    CopyLogFont(m_lfFont, other.m_lfFont);
    m_crText = other.m_crText;
    return TRUE;
}

BOOL CStrgObj::ChooseFontDialog()
{
    CFontDialog dialog(&m_lfFont, CF_SCREENFONTS | CF_EFFECTS);
    dialog.m_cf.rgbColors = m_crText;
    if (dialog.DoModal() != IDOK)
        return FALSE;
    SetLogFont(dialog.m_lf);
    m_crText = dialog.GetColor();
    return TRUE;
}

// --- Attribute copies and class defaults --------------------------------------------------------

void CStrgObj::CopyAttributes(const CBaseObj& other)
{
    if (const CStrgObj* text = DYNAMIC_DOWNCAST(CStrgObj, &other)) {
        CopyLogFont(m_lfFont, text->m_lfFont);
        m_dwFormat = text->m_dwFormat;
        m_crText = text->m_crText;
        m_bDrawFrame = text->m_bDrawFrame;
        m_bRound = text->m_bRound;
        m_wCharExtra = text->m_wCharExtra;
        m_wTextShadow = text->m_wTextShadow;
        m_crTextShadow = text->m_crTextShadow;
        m_wFraming = text->m_wFraming;
        m_crFraming = text->m_crFraming;
    }
    CBaseObj::CopyAttributes(other);
}

void CStrgObj::VisitDefaultKeys(DefaultKeys& keys)
{
    LOGFONT& f = m_lfFont;
    keys.Number("FontHeight", f.lfHeight);
    keys.Number("FontWidth", f.lfWidth);
    keys.Number("FontEscapement", f.lfEscapement);
    keys.Number("FontOrientation", f.lfOrientation);
    keys.Number("FontWeight", f.lfWeight);
    keys.Number("FontItalic", f.lfItalic);
    keys.Number("FontUnderline", f.lfUnderline);
    keys.Number("FontStrikeOut", f.lfStrikeOut);
    keys.Number("FontCharSet", f.lfCharSet);
    keys.Number("FontOutPrecision", f.lfOutPrecision);
    keys.Number("FontClipPrecision", f.lfClipPrecision);
    keys.Number("FontQuality", f.lfQuality);
    keys.Number("FontPitchAndFamily", f.lfPitchAndFamily);
    CString face(f.lfFaceName);
    keys.Text("FontFaceName", face);
    SetFaceName(face);
    keys.Number("Format", m_dwFormat);
    keys.Number("FontColor", m_crText);
    keys.Number("DrawFrame", m_bDrawFrame);
    keys.Number("Round", m_bRound);
    keys.Number("CharExtra", m_wCharExtra);
    keys.Number("Shadow", m_wTextShadow);
    keys.Number("ShadowColor", m_crTextShadow);
    keys.Number("Framing", m_wFraming);
    keys.Number("FramingColor", m_crFraming);
    CBaseObj::VisitDefaultKeys(keys);
}

// --- Drawing ------------------------------------------------------------------------------------

int CStrgObj::GetTextMargin() const
{
    return m_rect.top - m_rect.bottom > 41 ? 10 : 5;
}

void CStrgObj::DrawBody(CDC* pDC, const CRect& rect) const
{
    if (!m_bRound) {
        pDC->Rectangle(rect);
        return;
    }
    const int corner = std::min(rect.Width() / 4, (rect.bottom - rect.top) / 4);
    pDC->RoundRect(rect, CPoint(corner, corner));
}

void CStrgObj::Draw(CDC* pDC, int zoom, BOOL withHandles, BOOL printMode, const LOGFONT*, DWORD displayOptions,
                    CBaseDoc*)
{
    if (IsHiddenIn(printMode))
        return;
    int margin = GetTextMargin();
    ScaleValueByZoom(margin, zoom);
    CRect rect = m_rect;
    ScaleRectByZoom(rect, zoom);

    CPen* oldPen = pDC->GetCurrentPen();
    CBrush* oldBrush = pDC->GetCurrentBrush();
    if (HasShadow(printMode))
        FillShadowFigure(pDC, zoom, [&](CDC* dc, POINT shift) { DrawBody(dc, rect + CPoint(shift)); });
    // Wide frames stay inside the rectangle; broken styles only show with the thin widths.
    CPen pen;
    if (!m_bDrawFrame) {
        pen.CreatePen(PS_NULL, 0, 0);
    } else if (m_nPenWidth > 1) {
        int width = m_nPenWidth;
        ScaleValueByZoom(width, zoom);
        pen.CreatePen(width > 1 ? PS_INSIDEFRAME : m_nPenStyle, std::max(width, 1), m_crPen);
    } else {
        pen.CreatePen(m_nPenStyle, m_nPenWidth, m_crPen);
    }
    CBrush fillBrush;
    if (m_bFill) {
        fillBrush.CreateSolidBrush(m_crFill);
        pDC->SelectObject(&fillBrush);
    } else {
        pDC->SelectStockObject(NULL_BRUSH);
    }
    pDC->SelectObject(&pen);
    DrawBody(pDC, rect);
    pDC->SelectObject(oldPen);
    pDC->SelectObject(oldBrush);

    const CRect textRect(rect.left + margin, rect.top - margin, rect.right - margin, rect.bottom + margin);
    if (DrawTextPasses(pDC, zoom, textRect, displayOptions) && withHandles)
        DrawHandles(pDC, zoom, printMode);
}

BOOL CStrgObj::DrawTextPasses(CDC* pDC, int zoom, const CRect& textRect, DWORD displayOptions) const
{
    LOGFONT logFont;
    CopyLogFont(logFont, m_lfFont);
    int height = m_lfFont.lfHeight;
    ScaleValueByZoom(height, zoom);
    logFont.lfHeight = PixelsToTenthMm(height);
    CFont font;
    if (!font.CreateFontIndirect(&logFont))
        return FALSE;
    CFont* oldFont = pDC->SelectObject(&font);
    const COLORREF oldColor = pDC->SetTextColor(m_crText);
    const int oldMode = pDC->SetBkMode(TRANSPARENT);
    const UINT format = m_dwFormat | DT_NOPREFIX | (HasVertAlign() ? DT_SINGLELINE : DT_WORDBREAK);
    int oldExtra = 0;
    if (m_wCharExtra > 0) {
        int extra = m_wCharExtra;
        ScaleValueByZoom(extra, zoom);
        oldExtra = pDC->SetTextCharacterExtra(extra);
    }
    // The own line layout is asked for by the flag of the presentation picture.
    auto pass = [&](int dx, int dy) {
        CRect r = textRect + CPoint(dx, dy);
        if (displayOptions & SYMBOL_OWN_TEXT_LAYOUT)
            DrawTextLinesInRect(pDC, m_lfFont, m_strText, r, logFont.lfHeight, format);
        else
            pDC->DrawText(m_strText, &r, format);
    };
    if (m_wTextShadow > 0 && zoom > strgobj::kEffectsAboveZoom) {
        pDC->SetTextColor(m_crTextShadow);
        for (int k = strgobj::ScaledAtLeastOne(m_wTextShadow, zoom); k >= 1; --k)
            pass(k, -k);
        pDC->SetTextColor(m_crText);
    }
    if (m_wFraming > 0 && zoom > strgobj::kEffectsAboveZoom) {
        const int n = strgobj::ScaledAtLeastOne(m_wFraming, zoom);
        pDC->SetTextColor(m_crFraming);
        for (int side : {n, -n})
            for (int y = n; y >= -n; --y)
                pass(side, y);
        for (int side : {n, -n})
            for (int x = n; x >= -n; --x)
                pass(x, side);
        pDC->SetTextColor(m_crText);
    }
    pass(0, 0);
    pDC->SelectObject(oldFont);
    pDC->SetTextColor(oldColor);
    pDC->SetBkMode(oldMode);
    if (m_wCharExtra > 0)
        pDC->SetTextCharacterExtra(oldExtra);
    return TRUE;
}

void CStrgObj::DrawTrackerOutline(CDC* pDC, const CRect& rect) const
{
    if (m_bRound)
        DrawTrackerRoundRectAuto(pDC, rect);
    else
        DrawTrackerRect(pDC, rect);
}

void CStrgObj::DrawMoveTracker(CDC* pDC, int zoom, SIZE offset, DWORD, BOOL printMode)
{
    if (IsHiddenIn(printMode))
        return;
    CRect rect;
    GetVisibleRect(rect, printMode);
    ScaleRectByZoom(rect, zoom);
    DrawTrackerOutline(pDC, rect + offset);
}

void CStrgObj::DrawResizeTracker(CDC* pDC, int zoom, SIZE offset, DWORD hitCode, BOOL printMode)
{
    if (IsHiddenIn(printMode) || !(hitCode & HIT_HANDLE))
        return;
    CRect rect;
    GetVisibleRect(rect, printMode);
    ScaleRectByZoom(rect, zoom);
    ApplyResizeHandleOffset(rect, offset, hitCode);
    DrawTrackerOutline(pDC, rect);
}

void CStrgObj::DrawHandles(CDC* pDC, int zoom, BOOL printMode)
{
    if (IsHiddenIn(printMode))
        return;
    CRect rect;
    GetVisibleRect(rect, printMode);
    ScaleRectByZoom(rect, zoom);
    DrawHatchedFrame(pDC, rect, 1);
    CBaseObj::DrawHandles(pDC, zoom, printMode);
}

// --- Hit tests and rectangles -------------------------------------------------------------------

BOOL CStrgObj::HitTest(POINT point, int tolerance, BOOL printMode, BOOL) const
{
    if (IsHiddenIn(printMode))
        return FALSE;
    CRect rect;
    GetVisibleRect(rect, printMode);
    return PointInRectWithTolerance(rect, point, tolerance);
}

BOOL CStrgObj::HitTestHandles(int zoom, POINT point, UINT keyFlags, int tolerance, DWORD& hitCode, DWORD& partWord,
                              CPoint& handlePoint, BOOL printMode) const
{
    return !IsHiddenIn(printMode) &&
           CBaseObj::HitTestHandles(zoom, point, keyFlags, tolerance, hitCode, partWord, handlePoint, printMode);
}

void CStrgObj::GetVisibleRect(CRect& rect, BOOL printMode) const
{
    GetWholeVisibleRect(rect, printMode);
}

void CStrgObj::GetRedrawRect(CRect& rect, int zoom, BOOL printMode) const
{
    GetWholeRedrawRect(rect, zoom, printMode);
}

BOOL CStrgObj::IsInsideRect(const CRect& rect, BOOL printMode) const
{
    return IsWholeInsideRect(rect, printMode);
}

CPoint& CStrgObj::GetConnectionPoint(CPoint& out, POINT point) const
{
    return GetFacingSidePoint(out, point);
}

// --- Search and export --------------------------------------------------------------------------

BOOL CStrgObj::FindObjectText(const CString& findText, BOOL matchCase) const
{
    CString text = m_strText;
    if (!matchCase)
        text.MakeUpper();
    return text.Find(findText) >= 0;
}

BOOL CStrgObj::ReplaceObjectText(const CString& findText, const CString& replacement, BOOL matchCase)
{
    CString replaced;
    if (!ReplaceAllText(m_strText, findText, replacement, matchCase, replaced))
        return FALSE;
    m_strText = replaced;
    return TRUE;
}

BOOL CStrgObj::IsExportKind(DWORD exportOptions) const
{
    return exportOptions & 1;
}

BOOL CStrgObj::HasText() const
{
    return !m_strText.IsEmpty();
}
