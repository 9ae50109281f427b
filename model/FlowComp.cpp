#include "model/FlowComp.h"

#include "foundation/CommandIds.h"
#include "foundation/FlowMediaSymbols.h"
#include "foundation/Geometry.h"
#include "foundation/PopupMenu.h"
#include "foundation/PopupMenuFlowMedia.h"
#include "foundation/Trackers.h"
#include "objects/FloatEdit.h"
#include "objects/ObjectMenus.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/Menu.h"

#include <memory>

IMPLEMENT_SERIAL(CFlowComp, CMediaComp, 1)

namespace flowcomp {

constexpr DWORD kExportProcessSymbols = 4;
constexpr WORD kFirstEllipseKind = 7;
constexpr WORD kLastKind = 9;

constexpr PopupMenuItem kOperationItems[] = {
    // clang-format off
    {MF_STRING, ID_OBJ_SNAP_TO_GRID, u8"ｸﾞﾘｯﾄﾞに配置"},
    {MF_STRING, ID_OBJ_SQUARE_BY_HEIGHT, u8"高さで正方形"},
    {MF_STRING, ID_OBJ_SQUARE_BY_WIDTH, u8"幅で正方形"},
    {MF_STRING, ID_OBJ_SQUARE_BY_LONGER, u8"長辺で正方形"},
    {MF_STRING, ID_OBJ_SQUARE_BY_SHORTER, u8"短辺で正方形"},
    {MF_STRING, ID_OBJ_STANDARD_SIZE, u8"標準ｻｲｽﾞ"},
    // clang-format on
};

// The kinds whose supplement band is the top band (2, 5, 8).
BOOL HasTopSupplement(WORD kind)
{
    return CFlowComp::HasSupplementBand(kind) && kind % 3 == 2;
}

} // namespace flowcomp

CFlowComp::CFlowComp() : CFlowComp(0, CRect()) {}

CFlowComp::CFlowComp(WORD objectId, const CRect& rect) : CMediaComp(OBJKIND_FLOWCOMP, objectId, rect) {}

CFlowComp::CFlowComp(const CFlowComp& other) = default;

CString& CFlowComp::GetTypeName(CString& name) const
{
    name = CString(u8"処理ｵﾌﾞｼﾞｪｸﾄ");
    return name;
}

CString& CFlowComp::GetProfileSection(CString& section) const
{
    section = "FlowComp Properties";
    return section;
}

BOOL CFlowComp::HasSupplementBand(WORD kind)
{
    return kind >= 1 && kind <= flowcomp::kLastKind && kind % 3 != 1;
}

void CFlowComp::DrawPictogram(CDC* pDC, int zoom, const LOGFONT& font, DWORD displayOptions) const
{
    DrawFlowMediaSymbol(pDC, zoom, {m_strName, m_strText, m_strSupplement}, m_rect.TopLeft(), GetSize(), m_wMediaId,
                        FALSE, m_crPen, m_crFont, font, displayOptions, m_wShadowDepth, m_crShadow);
}

DWORD CFlowComp::FindTextPart(const CRect& box, int band, POINT point) const
{
    auto inside = [&](const CRect& area) { return PointInRectWithTolerance(area, point, -HANDLE_HALF_SIZE); };
    if (inside(CRect(box.left, box.top, box.right, box.top - band)))
        return PART_TOP_BAND;
    if (HasSupplementBand(m_wMediaId) && inside(CRect(box.left, box.bottom + band, box.right, box.bottom)))
        return PART_BOTTOM_BAND;
    if (inside(CRect(box.left, box.top - band, box.right, box.bottom)))
        return PART_MIDDLE;
    return 0;
}

BOOL CFlowComp::HasShadow(BOOL printMode) const
{
    return printMode && m_wShadowDepth > 0;
}

CPoint& CFlowComp::GetConnectionPoint(CPoint& out, POINT point) const
{
    if (m_wMediaId >= flowcomp::kFirstEllipseKind && m_wMediaId <= flowcomp::kLastKind)
        return CBaseObj::GetConnectionPoint(out, point);
    return CRectObj::GetConnectionPoint(out, point);
}

BOOL CFlowComp::IsExportKind(DWORD exportOptions) const
{
    return (exportOptions & flowcomp::kExportProcessSymbols) != 0;
}

UINT CFlowComp::GetMediaCommandBase() const
{
    return ID_FLOW_MEDIA_BASE;
}

WORD CFlowComp::GetLastMediaKind() const
{
    return flowcomp::kLastKind;
}

CString* CFlowComp::GetPartText(DWORD part)
{
    const BOOL topSupplement = flowcomp::HasTopSupplement(m_wMediaId);
    if (part & PART_TOP_BAND)
        return topSupplement ? &m_strSupplement : &m_strName;
    if (part & PART_BOTTOM_BAND)
        return !HasSupplementBand(m_wMediaId) ? nullptr : topSupplement ? &m_strName : &m_strSupplement;
    if (part & PART_MIDDLE)
        return &m_strText;
    return nullptr;
}

void CFlowComp::ObjectContextMenu(CPoint screenPoint, CWnd* view, DWORD, BOOL printMode, BOOL)
{
    if (IsHiddenIn(printMode))
        return;
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendPopup(objectmenus::MakeColorMenu(ID_PEN_COLOR_BASE), CString(u8"線の色"));
    menu.AppendPopup(objectmenus::MakeColorMenu(ID_TEXT_COLOR_BASE), CString(u8"文字の色"));
    menu.AppendMenu(MF_SEPARATOR);
    auto kinds = std::make_unique<CPopupMenuFlowMedia>();
    kinds->BuildMediaMenu();
    menu.AppendPopup(std::move(kinds), CString(u8"描画"));
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendPopup(objectmenus::MakeShadowMenu(), CString(u8"影の描画"));
    AppendDefaultsAndOperations(menu, flowcomp::kOperationItems);
    TrackObjectMenu(menu, screenPoint, view);
}

BOOL CFlowComp::UpdateCommandUI(CCmdUI* cmdUI, CBaseDoc* document, DWORD hitCode, BOOL printMode, BOOL severalSelected)
{
    return modelobjects::UpdateShadowCheck(cmdUI, m_wShadowDepth, m_crShadow) ||
           CMediaComp::UpdateCommandUI(cmdUI, document, hitCode, printMode, severalSelected);
}

BOOL CFlowComp::BeginEdit(CDC* pDC, int zoom, CFloatEdit*& editor, CWnd* parent, UINT controlId, DWORD hitCode,
                          const LOGFONT* font, DWORD)
{
    m_dwEditedPart = 0;
    if (!(hitCode & HIT_SHAPE_HANDLE) || zoom < modelobjects::MIN_EDIT_ZOOM)
        return FALSE;
    const EditMetrics m = GetEditMetrics(zoom);
    const BOOL supplementBand = HasSupplementBand(m_wMediaId);
    modelobjects::EditArea area;
    area.alignment = CFloatEdit::ALIGN_CENTER;
    if (hitCode & PART_TOP_BAND) {
        area.zoomed = CRect(m.box.left, m.box.top, m.box.right, m.box.top - m.band - m.below);
        hitCode &= ~(PART_MIDDLE | PART_BOTTOM_BAND);
    } else if ((hitCode & PART_BOTTOM_BAND) && supplementBand) {
        area.zoomed = CRect(m.box.left, m.box.bottom + m.band, m.box.right, m.box.bottom - m.below);
        hitCode &= ~PART_MIDDLE;
    } else if (hitCode & PART_MIDDLE) {
        area.zoomed = CRect(m.box.left, m.box.top - m.band, m.box.right, m.box.bottom);
        if (supplementBand) {
            area.zoomed.bottom += m.band;
            area.growBottom = 2;
        }
        area.multiLine = TRUE;
        hitCode &= ~PART_BOTTOM_BAND;
    } else {
        return FALSE;
    }
    return OpenPartEditor(pDC, zoom, area, editor, parent, controlId, hitCode, font);
}
