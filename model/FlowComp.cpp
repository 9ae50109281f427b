#include "model/FlowComp.h"

#include "foundation/FlowMediaSymbols.h"
#include "foundation/Geometry.h"
#include "foundation/Trackers.h"

IMPLEMENT_SERIAL(CFlowComp, CMediaComp, 1)

namespace flowcomp {

constexpr DWORD kExportProcessSymbols = 4;
constexpr WORD kFirstEllipseKind = 7;
constexpr WORD kLastKind = 9;

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
