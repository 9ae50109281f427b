#include "objects/EcntsObj.h"

#include "foundation/CommandIds.h"
#include "foundation/Geometry.h"
#include "foundation/RegItemObj.h"
#include "foundation/Trackers.h"
#include "foundation/ZoomScale.h"
#include "objects/DefaultKeys.h"
#include "platform/afx/Archive.h"
#include "platform/gdi/DC.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/Menu.h"

#include <algorithm>

IMPLEMENT_SERIAL(CEcntsObj, CStrgObj, 1)

namespace ecntsobj {

constexpr int kFontHeight = -16;
constexpr DWORD kFormat = DT_CENTER | DT_VCENTER;
constexpr int kStandardDiameter = 80;

constexpr PopupMenuItem kOperations[] = {
    // clang-format off
    {MF_STRING, ID_OBJ_SNAP_TO_GRID, u8"ｸﾞﾘｯﾄﾞに配置"},
    {MF_STRING, ID_OBJ_STANDARD_SIZE, u8"標準ｻｲｽﾞ"},
    {MF_STRING, ID_OBJ_SQUARE_BY_HEIGHT, u8"高さで円"},
    {MF_STRING, ID_OBJ_SQUARE_BY_WIDTH, u8"幅で円"},
    {MF_STRING, ID_OBJ_SQUARE_BY_LONGER, u8"長径で円"},
    {MF_STRING, ID_OBJ_SQUARE_BY_SHORTER, u8"短径で円"},
    // clang-format on
};

// The circle's pen: wide pens scale with the zoom and stay inside the circle; an outline switched
// off draws none.
void CreateCirclePen(CPen& pen, BOOL frame, int style, int width, COLORREF color, int zoom)
{
    if (!frame) {
        pen.CreatePen(PS_NULL, 0, 0);
        return;
    }
    if (width > 1) {
        ScaleValueByZoom(width, zoom);
        width = std::max(width, 1);
    }
    pen.CreatePen(width < 2 ? style : PS_INSIDEFRAME, width, color);
}

} // namespace ecntsobj

// --- Construction and record ------------------------------------------------------------------

CEcntsObj::CEcntsObj() : CStrgObj(OBJKIND_ECNTS, 0, CRect(), CString()), m_wPairNumber(0), m_bFirstOfPair(TRUE)
{
    InitEcntsDefaults();
    ResetToStandardSize();
}

CEcntsObj::CEcntsObj(WORD objectId, WORD pairNumber, const CRect& rect, BOOL firstOfPair)
    : CStrgObj(OBJKIND_ECNTS, objectId, rect, CString()), m_wPairNumber(pairNumber), m_bFirstOfPair(firstOfPair)
{
    InitEcntsDefaults();
    ResetToDefaultSize();
}

CEcntsObj::CEcntsObj(const CEcntsObj& other) = default;

void CEcntsObj::InitEcntsDefaults()
{
    InitTextDefaults();
    m_lfFont.lfHeight = ecntsobj::kFontHeight;
    m_dwFormat = ecntsobj::kFormat;
    m_bFill = FALSE;
    m_bFillEcnts = TRUE;
    m_bDrawFrame = FALSE;
    m_bDrawFrameEcnts = TRUE;
    m_bStart = FALSE;
    m_bEnd = FALSE;
}

void CEcntsObj::Serialize(CArchive& ar)
{
    CStrgObj::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_wPairNumber << WORD(m_bFillEcnts) << WORD(m_bDrawFrameEcnts) << WORD(m_bFirstOfPair) << WORD(m_bStart)
           << WORD(m_bEnd);
        return;
    }
    WORD fill, frame, first, start, end;
    ar >> m_wPairNumber >> fill >> frame >> first >> start >> end;
    m_bFillEcnts = fill;
    m_bDrawFrameEcnts = frame;
    m_bFirstOfPair = first;
    m_bStart = start;
    m_bEnd = end;
}

CString& CEcntsObj::GetTypeName(CString& name) const
{
    name = CString(u8"円形ｺﾈｸﾀ ｵﾌﾞｼﾞｪｸﾄ");
    return name;
}

CString& CEcntsObj::GetProfileSection(CString& section) const
{
    section = "EcntsObj Properties";
    return section;
}

// --- Roles --------------------------------------------------------------------------------------

void CEcntsObj::SetStart(BOOL start)
{
    m_bStart = start;
    if (start) {
        m_strText = CString("S");
        m_bEnd = FALSE;
    }
}

void CEcntsObj::SetEnd(BOOL end)
{
    m_bEnd = end;
    if (end) {
        m_strText = CString("E");
        m_bStart = FALSE;
    }
}

BOOL CEcntsObj::HasConnectorShadow(BOOL printMode) const
{
    return printMode && m_bFillEcnts && m_wShadowDepth > 0;
}

// --- Drawing, trackers and hit tests ------------------------------------------------------------

void CEcntsObj::Draw(CDC* pDC, int zoom, BOOL withHandles, BOOL printMode, const LOGFONT* font, DWORD displayOptions,
                     CBaseDoc* document)
{
    if (IsHiddenIn(printMode))
        return;
    CRect rect;
    GetVisibleRect(rect, printMode);
    ScaleRectByZoom(rect, zoom);
    CPen pen;
    ecntsobj::CreateCirclePen(pen, m_bDrawFrameEcnts, m_nPenStyle, m_nPenWidth, m_crPen, zoom);
    CPen* oldPen = pDC->GetCurrentPen();
    CBrush* oldBrush = pDC->GetCurrentBrush();
    if (HasConnectorShadow(printMode))
        FillShadowFigure(pDC, zoom, [&](CDC* dc, POINT shift) { dc->Ellipse(rect + CPoint(shift)); });
    pDC->SelectObject(&pen);
    CBrush fillBrush;
    if (m_bFillEcnts) {
        fillBrush.CreateSolidBrush(m_crFill);
        pDC->SelectObject(&fillBrush);
    } else {
        pDC->SelectStockObject(NULL_BRUSH);
    }
    pDC->Ellipse(rect);
    pDC->SelectObject(oldPen);
    pDC->SelectObject(oldBrush);
    CStrgObj::Draw(pDC, zoom, FALSE, printMode, font, displayOptions, document);
    if (withHandles)
        CStrgObj::DrawHandles(pDC, zoom, printMode);
}

void CEcntsObj::DrawMoveTracker(CDC* pDC, int zoom, SIZE offset, DWORD, BOOL printMode)
{
    if (IsHiddenIn(printMode))
        return;
    CRect rect = m_rect;
    ScaleRectByZoom(rect, zoom);
    DrawTrackerEllipse(pDC, rect + CPoint(offset));
}

void CEcntsObj::DrawResizeTracker(CDC* pDC, int zoom, SIZE offset, DWORD hitCode, BOOL printMode)
{
    if (IsHiddenIn(printMode) || !(hitCode & HIT_HANDLE))
        return;
    CRect rect = m_rect;
    ScaleRectByZoom(rect, zoom);
    ApplyResizeHandleOffset(rect, offset, hitCode);
    DrawHatchedFrame(pDC, rect, 1);
    DrawTrackerEllipse(pDC, rect);
}

BOOL CEcntsObj::HitTest(POINT point, int tolerance, BOOL printMode, BOOL outlineOnly) const
{
    if (IsHiddenIn(printMode))
        return FALSE;
    CRect rect;
    GetVisibleRect(rect, printMode);
    if (rect.Width() == 0 || rect.Height() == 0)
        return CBaseObj::HitTest(point, tolerance, printMode, outlineOnly);
    return PointInRectWithTolerance(rect, point, tolerance) &&
           PointInEllipse(rect, point, tolerance, !m_bFillEcnts && outlineOnly);
}

void CEcntsObj::GetRedrawRect(CRect& rect, int zoom, BOOL printMode) const
{
    GetVisibleRect(rect, printMode);
    if (!IsHiddenIn(printMode))
        GrowByRedrawMargins(rect, zoom, HasConnectorShadow(printMode));
}

void CEcntsObj::GetConnectSideSpan(DWORD sideFlags, POINT, CRect& span) const
{
    span.SetRectEmpty();
    CPoint centre;
    if (sideFlags & (SIDE_TOP | SIDE_BOTTOM)) {
        if (sideFlags & SIDE_TOP)
            GetTopCenter(centre);
        else
            GetBottomCenter(centre);
        span.left = span.right = centre.x;
    } else if (sideFlags & (SIDE_LEFT | SIDE_RIGHT)) {
        if (sideFlags & SIDE_LEFT)
            GetLeftCenter(centre);
        else
            GetRightCenter(centre);
        span.top = span.bottom = centre.y;
    }
}

// --- Menu and commands --------------------------------------------------------------------------

void CEcntsObj::ObjectContextMenu(CPoint screenPoint, CWnd* view, DWORD, BOOL printMode, BOOL severalSelected)
{
    if (IsHiddenIn(printMode))
        return;
    const UINT roleState = severalSelected ? MF_GRAYED : 0;
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING | roleState, ID_CONNECTOR_PAIR_START, CString(u8"ｽﾀｰﾄ(S)"));
    menu.AppendMenu(MF_STRING | roleState, ID_CONNECTOR_PAIR_END, CString(u8"ｴﾝﾄﾞ(E)"));
    menu.AppendMenu(MF_SEPARATOR);
    AppendPenMenus(menu);
    AppendFillAndShadowMenus(menu, MF_UNCHECKED, m_bFillEcnts);
    AppendFontMenus(menu);
    menu.AppendMenu(MF_SEPARATOR);
    AppendTextEffectMenus(menu);
    AppendDefaultsAndOperations(menu, ecntsobj::kOperations, TRUE);
    TrackObjectMenu(menu, screenPoint, view);
}

BOOL CEcntsObj::UpdateCommandUI(CCmdUI* cmdUI, CBaseDoc* document, DWORD hitCode, BOOL printMode, BOOL severalSelected)
{
    switch (cmdUI->m_nID) {
    case ID_OBJ_FILL: cmdUI->SetCheck(m_bFillEcnts); return TRUE;
    case ID_TEXT_FRAME: cmdUI->SetCheck(m_bDrawFrameEcnts); return TRUE;
    case ID_CONNECTOR_PAIR_START:
        cmdUI->SetCheck(m_bStart);
        cmdUI->Enable(m_bFirstOfPair && !severalSelected);
        return TRUE;
    case ID_CONNECTOR_PAIR_END:
        cmdUI->SetCheck(m_bEnd);
        cmdUI->Enable(!m_bFirstOfPair && !severalSelected);
        return TRUE;
    default: break;
    }
    if (UpdateShadowCommandUI(cmdUI)) {
        cmdUI->Enable(m_bFillEcnts);
        return TRUE;
    }
    return CStrgObj::UpdateCommandUI(cmdUI, document, hitCode, printMode, severalSelected);
}

BOOL CEcntsObj::ApplyAttributeCommand(UINT commandId, CObject* argument, DWORD hitCode)
{
    switch (commandId) {
    case ID_OBJ_FILL: m_bFillEcnts = !m_bFillEcnts; return TRUE;
    case ID_TEXT_FRAME: m_bDrawFrameEcnts = !m_bDrawFrameEcnts; return TRUE;
    case ID_CONNECTOR_PAIR_START: ToggleStart(); return TRUE;
    case ID_CONNECTOR_PAIR_END: ToggleEnd(); return TRUE;
    default: return CStrgObj::ApplyAttributeCommand(commandId, argument, hitCode);
    }
}

// --- Attribute copies, defaults and editing -----------------------------------------------------

void CEcntsObj::CopyAttributes(const CBaseObj& other)
{
    if (const CEcntsObj* connector = DYNAMIC_DOWNCAST(CEcntsObj, &other)) {
        m_bFillEcnts = connector->m_bFillEcnts;
        m_bDrawFrameEcnts = connector->m_bDrawFrameEcnts;
    }
    CStrgObj::CopyAttributes(other);
}

void CEcntsObj::VisitDefaultKeys(DefaultKeys& keys)
{
    keys.Number("FillEcnts", m_bFillEcnts);
    keys.Number("DrawFrameEcnts", m_bDrawFrameEcnts);
    CStrgObj::VisitDefaultKeys(keys);
}

void CEcntsObj::SaveDefaultAttributes(CRegItemObj& carrier)
{
    CStrgObj::SaveDefaultAttributes(carrier);
    DefaultKeys keys(carrier, DefaultKeys::Direction::Save);
    CSize size = GetSize();
    keys.Number("SizeObjDefCx", size.cx);
    keys.Number("SizeObjDefCy", size.cy);
}

void CEcntsObj::GetStandardSize(CSize& size) const
{
    size = CSize(ecntsobj::kStandardDiameter, -ecntsobj::kStandardDiameter);
}

BOOL CEcntsObj::BeginEdit(CDC* pDC, int zoom, CFloatEdit*& editor, CWnd* parent, UINT controlId, DWORD, const LOGFONT*,
                          DWORD)
{
    return BeginTextEdit(pDC, zoom, editor, parent, controlId, FALSE);
}

BOOL CEcntsObj::IsExportKind(DWORD exportOptions) const
{
    return CBaseObj::IsExportKind(exportOptions);
}

BOOL CEcntsObj::HasText() const
{
    return CBaseObj::HasText();
}
