#include "model/DataComp.h"

#include "foundation/DataMediaSymbols.h"
#include "foundation/Geometry.h"
#include "foundation/Trackers.h"

IMPLEMENT_SERIAL(CDataComp, CMediaComp, 1)

namespace datacomp {

constexpr DWORD kExportDataSymbols = 2;

} // namespace datacomp

CDataComp::CDataComp() : CDataComp(0, CRect()) {}

CDataComp::CDataComp(WORD objectId, const CRect& rect) : CMediaComp(OBJKIND_DATACOMP, objectId, rect) {}

CDataComp::CDataComp(const CDataComp& other) : CMediaComp(other)
{
    EnforceMinimumSize();
}

CString& CDataComp::GetTypeName(CString& name) const
{
    name = CString(u8"ﾃﾞｰﾀ ｵﾌﾞｼﾞｪｸﾄ");
    return name;
}

CString& CDataComp::GetProfileSection(CString& section) const
{
    section = "DataComp Properties";
    return section;
}

void CDataComp::DrawPictogram(CDC* pDC, int zoom, const LOGFONT& font, DWORD displayOptions) const
{
    DrawDataMediaSymbol(pDC, zoom, m_strName, m_strText, m_rect.TopLeft(), GetSize(), m_wMediaId, FALSE, m_crPen,
                        m_crFont, font, displayOptions);
}

DWORD CDataComp::FindTextPart(const CRect& box, int band, POINT point) const
{
    const int edge = HANDLE_HALF_SIZE;
    if (PointInRectWithTolerance(CRect(box.left + band, box.top - edge, box.right - band, box.top - band + edge), point,
                                 0))
        return PART_TOP_BAND;
    if (PointInRectWithTolerance(CRect(box.left + band, box.top - band - edge, box.right - band, box.bottom + edge),
                                 point, 0))
        return PART_MIDDLE;
    return 0;
}

CPoint& CDataComp::GetConnectionPoint(CPoint& out, POINT point) const
{
    return CBaseObj::GetConnectionPoint(out, point);
}

BOOL CDataComp::IsExportKind(DWORD exportOptions) const
{
    return (exportOptions & datacomp::kExportDataSymbols) != 0;
}
