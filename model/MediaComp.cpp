#include "model/MediaComp.h"

#include "foundation/CommandIds.h"
#include "foundation/Geometry.h"
#include "foundation/SymbolPrimitives.h"
#include "foundation/ZoomScale.h"
#include "model/ObjectTexts.h"
#include "objects/DefaultKeys.h"
#include "objects/FloatEdit.h"
#include "objects/ObjectMenus.h"
#include "platform/afx/Archive.h"
#include "platform/ui/CmdUI.h"

#include <utility>

IMPLEMENT_DYNAMIC(CMediaComp, CRectObj)

namespace mediacomp {

// Margins of the editors (0.1 mm at zoom 100) and the zoom from which one margin less is added.
constexpr int kEditMarginX = 15;
constexpr int kEditMarginY = 5;
constexpr int kLargeZoom = 150;

} // namespace mediacomp

CMediaComp::CMediaComp(WORD kind, WORD objectId, const CRect& rect)
    : CRectObj(kind, objectId, rect), m_wMediaId(DEFAULT_MEDIA), m_crFont(0)
{
    EnforceMinimumSize();
}

CMediaComp::CMediaComp(const CMediaComp& other) = default;

void CMediaComp::EnforceMinimumSize()
{
    if (m_rect.Width() < MIN_SIZE)
        m_rect.right = m_rect.left + MIN_SIZE;
    if (m_rect.top - m_rect.bottom < MIN_SIZE)
        m_rect.bottom = m_rect.top - MIN_SIZE;
}

// --- Record and class defaults -------------------------------------------------------------------

void CMediaComp::Serialize(CArchive& ar)
{
    CRectObj::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_strName << m_strText;
        if (HasSupplement())
            ar << m_strSupplement;
        ar << m_wMediaId << DWORD(m_crFont);
        return;
    }
    ar >> m_strName >> m_strText;
    if (HasSupplement())
        ar >> m_strSupplement;
    DWORD color;
    ar >> m_wMediaId >> color;
    m_crFont = color;
}

void CMediaComp::VisitDefaultKeys(DefaultKeys& keys)
{
    keys.Number("MediaID", m_wMediaId);
    keys.Number("FontColor", m_crFont);
    CRectObj::VisitDefaultKeys(keys);
}

void CMediaComp::CopyAttributes(const CBaseObj& other)
{
    if (other.GetRuntimeClass() == GetRuntimeClass()) {
        const auto& symbol = static_cast<const CMediaComp&>(other);
        m_wMediaId = symbol.m_wMediaId;
        m_crFont = symbol.m_crFont;
    }
    CRectObj::CopyAttributes(other);
}

// --- Drawing and hit tests -----------------------------------------------------------------------

void CMediaComp::Draw(CDC* pDC, int zoom, BOOL withHandles, BOOL printMode, const LOGFONT* font, DWORD displayOptions,
                      CBaseDoc*)
{
    // Without the document's font the symbol still shows, in the default one.
    LOGFONT defaultFont;
    if (!font) {
        InitDefaultLogFont(defaultFont);
        font = &defaultFont;
    }
    if (printMode)
        DrawPictogram(pDC, zoom, *font, displayOptions);
    else
        DrawLabeledBox(pDC, zoom, m_strName, m_strText, m_rect.TopLeft(), GetSize(), withHandles, FALSE, FALSE, m_crPen,
                       m_crFont, *font, displayOptions);
    if (withHandles)
        DrawHandles(pDC, zoom, printMode);
}

BOOL CMediaComp::HitTest(POINT point, int tolerance, BOOL printMode, BOOL) const
{
    return !IsHiddenIn(printMode) && PointInRectWithTolerance(m_rect, point, tolerance);
}

BOOL CMediaComp::HitTestHandles(int zoom, POINT point, UINT keyFlags, int tolerance, DWORD& hitCode, DWORD& partWord,
                                CPoint& handlePoint, BOOL printMode) const
{
    if (IsHiddenIn(printMode))
        return FALSE;
    CRect box = m_rect;
    ScaleRectByZoom(box, zoom);
    int band = BAND;
    ScaleValueByZoom(band, zoom);
    if (const DWORD part = FindTextPart(box, band, point)) {
        hitCode = part | HIT_SHAPE_HANDLE | HIT_BODY;
        partWord = 0;
        handlePoint = point;
        return TRUE;
    }
    return CBaseObj::HitTestHandles(zoom, point, keyFlags, tolerance, hitCode, partWord, handlePoint, printMode);
}

// --- Size ----------------------------------------------------------------------------------------

void CMediaComp::ResizeByHandle(SIZE offset, DWORD hitCode)
{
    if (!(hitCode & HIT_HANDLE))
        return;
    CRectObj::ResizeByHandle(offset, hitCode);
    EnforceMinimumSize();
}

void CMediaComp::GetMinimumSize(CSize& size) const
{
    size = CSize(MIN_SIZE, -MIN_SIZE);
}

BOOL CMediaComp::ResetToStandardSize()
{
    CSize size;
    GetStandardSize(size);
    SetSizeFromTopLeft(size);
    return TRUE;
}

// --- Texts ---------------------------------------------------------------------------------------

void CMediaComp::GetNumber(CString& number) const
{
    number = m_strName;
}

BOOL CMediaComp::HasText() const
{
    return AnyTextNotEmpty({&m_strName, &m_strText, &m_strSupplement});
}

BOOL CMediaComp::FindObjectText(const CString& findText, BOOL matchCase) const
{
    return AnyTextContains({&m_strName, &m_strText, &m_strSupplement}, findText, matchCase);
}

BOOL CMediaComp::ReplaceObjectText(const CString& findText, const CString& replacement, BOOL matchCase)
{
    return ReplaceInTexts({&m_strName, &m_strText, &m_strSupplement}, findText, replacement, matchCase);
}

// --- Commands ------------------------------------------------------------------------------------

BOOL CMediaComp::UpdateCommandUI(CCmdUI* cmdUI, CBaseDoc* document, DWORD hitCode, BOOL printMode, BOOL severalSelected)
{
    const UINT id = cmdUI->m_nID;
    const UINT base = GetMediaCommandBase();
    if ((id >= base && id < base + 100) || id == ID_OBJ_STANDARD_SIZE) {
        cmdUI->SetCheck(0);
        cmdUI->Enable(TRUE);
        return TRUE;
    }
    if (objectmenus::InColorMenu(id, ID_TEXT_COLOR_BASE)) {
        UpdateColorCheck(cmdUI, m_crFont, ID_TEXT_COLOR_BASE);
        return TRUE;
    }
    return CRectObj::UpdateCommandUI(cmdUI, document, hitCode, printMode, severalSelected);
}

BOOL CMediaComp::ApplyAttributeCommand(UINT commandId, CObject* argument, DWORD hitCode)
{
    if (objectmenus::IsColorCommand(commandId, ID_TEXT_COLOR_BASE)) {
        const CMediaComp* source = DYNAMIC_DOWNCAST(CMediaComp, argument);
        if (source && source->GetRuntimeClass() != GetRuntimeClass())
            source = nullptr;
        return modelobjects::ApplyTextColorCommand(commandId, source ? &source->m_crFont : nullptr, m_crFont);
    }
    const UINT base = GetMediaCommandBase();
    // A kind the symbol library does not know is never stored.
    if (commandId >= base && commandId <= base + GetLastMediaKind()) {
        m_wMediaId = WORD(commandId - base);
        return TRUE;
    }
    return CRectObj::ApplyAttributeCommand(commandId, argument, hitCode);
}

// --- In-place editing ----------------------------------------------------------------------------

BOOL CMediaComp::CanEditText(CBaseDoc*, DWORD hitCode, DWORD) const
{
    return (hitCode & HIT_SHAPE_HANDLE) && (hitCode & (PART_TOP_BAND | PART_MIDDLE | PART_BOTTOM_BAND));
}

CMediaComp::EditMetrics CMediaComp::GetEditMetrics(int zoom) const
{
    EditMetrics metrics{m_rect, BAND, mediacomp::kEditMarginX, mediacomp::kEditMarginY, 0};
    ScaleRectByZoom(metrics.box, zoom);
    ScaleValueByZoom(metrics.band, zoom);
    ScaleValueByZoom(metrics.mx, zoom);
    ScaleValueByZoom(metrics.my, zoom);
    metrics.below = (zoom < mediacomp::kLargeZoom ? 3 : 2) * metrics.my;
    return metrics;
}

BOOL CMediaComp::OpenPartEditor(CDC* pDC, int zoom, const modelobjects::EditArea& area, CFloatEdit*& editor,
                                CWnd* parent, UINT controlId, DWORD hitCode, const LOGFONT* font)
{
    const CString* text = GetPartText(hitCode);
    if (!text || !modelobjects::OpenTextEditor(pDC, zoom, area, font, parent, controlId, *text, FALSE, editor))
        return FALSE;
    m_dwEditedPart = hitCode;
    return TRUE;
}

BOOL CMediaComp::EndEdit(CFloatEdit*& editor, DWORD)
{
    if (CString* text = m_dwEditedPart ? GetPartText(m_dwEditedPart) : nullptr)
        return modelobjects::CloseTextEditor(editor, *text, FALSE);
    delete std::exchange(editor, nullptr);
    return FALSE;
}
