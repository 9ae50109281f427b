#include "objects/PolyLine.h"

#include "foundation/AppServices.h"
#include "foundation/ErrorReport.h"
#include "foundation/RegItemObj.h"
#include "objects/BaseObj.h"
#include "objects/DefaultKeys.h"
#include "platform/afx/Archive.h"

#include <memory>

IMPLEMENT_SERIAL(CPolyLine, CObList, 1)

namespace polyline {

// Document versions from which the fields of the record exist in their present form.
constexpr WORD kFillAndConnectionsFrom = 3;
constexpr WORD kSeparateEndStylesFrom = 6;

// Before version 6 one style pair served both ends: bit 0x1 line marks, bit 0x2 filled marks.
DWORD ConvertOldFlags(DWORD flags)
{
    if (flags & LINE_START_LINE_MARK)
        return flags | LINE_START_LINE_MARK | LINE_END_LINE_MARK;
    if (flags & LINE_START_FILLED_MARK)
        return flags | LINE_START_FILLED_MARK | LINE_END_FILLED_MARK;
    return flags;
}

WORD LoadedDocVersion()
{
    const AppServices* app = GetAppServices();
    return app ? app->GetLoadedDocVersion() : OBJECT_RECORD_VERSION;
}

} // namespace polyline

BOOL IsNearlyVertical(POINT a, POINT b)
{
    return AbsInt(a.x - b.x) < 6;
}

BOOL IsNearlyHorizontal(POINT a, POINT b)
{
    return AbsInt(a.y - b.y) < 6;
}

// --- Construction and record ------------------------------------------------------------------

CPolyLine::CPolyLine()
    : CObList(10),
      m_nPenStyle(PS_SOLID),
      m_crPen(0),
      m_nPenWidth(1),
      m_wStartMark(MARK_NONE),
      m_wEndMark(MARK_NONE),
      m_dwFlags(LINE_DEFAULT_FLAGS),
      m_crFill(0xFFFFFF),
      m_nFillMode(ALTERNATE),
      m_wStartObjectId(0),
      m_wEndObjectId(0)
{
}

CPolyLine::CPolyLine(const CPolyLine& other)
    : CObList(10),
      m_nPenStyle(other.m_nPenStyle),
      m_crPen(other.m_crPen),
      m_nPenWidth(other.m_nPenWidth),
      m_wStartMark(other.m_wStartMark),
      m_wEndMark(other.m_wEndMark),
      m_dwFlags(other.m_dwFlags),
      m_crFill(other.m_crFill),
      m_nFillMode(other.m_nFillMode),
      m_wStartObjectId(other.m_wStartObjectId),
      m_wEndObjectId(other.m_wEndObjectId)
{
    // The destructor does not run for a constructor that throws: the points made so far go here.
    try {
        for (POSITION pos = other.GetHeadPosition(); pos;) {
            auto point = std::make_unique<CPointObj>(*static_cast<const CPointObj*>(other.GetNext(pos)));
            AddTail(point.get());
            point.release();
        }
    } catch (...) {
        RemoveAllPoints();
        throw;
    }
}

CPolyLine::~CPolyLine()
{
    RemoveAllPoints();
}

void CPolyLine::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteCount(DWORD_PTR(GetCount()));
        for (POSITION pos = GetHeadPosition(); pos;)
            ar << GetNext(pos);
        ar << WORD(m_nPenStyle) << DWORD(m_crPen) << WORD(m_nPenWidth) << m_wStartMark << m_wEndMark << WORD(m_dwFlags)
           << DWORD(m_crFill) << DWORD(m_nFillMode) << m_wStartObjectId << m_wEndObjectId;
        return;
    }
    RemoveAllPoints();
    for (DWORD_PTR count = ar.ReadCount(); count > 0; --count) {
        // Only a vertex made by this very read can belong to the line (no back-references).
        std::unique_ptr<CObject> point = ar.ReadNewObject(RUNTIME_CLASS(CPointObj));
        AddTail(point.get());
        point.release();
    }
    WORD penStyle, penWidth, flags;
    DWORD penColor;
    ar >> penStyle >> penColor >> penWidth >> m_wStartMark >> m_wEndMark >> flags;
    m_nPenStyle = penStyle;
    m_crPen = penColor;
    m_nPenWidth = penWidth;
    m_dwFlags = flags;
    const WORD version = polyline::LoadedDocVersion();
    if (version < polyline::kSeparateEndStylesFrom)
        m_dwFlags = polyline::ConvertOldFlags(m_dwFlags);
    if (version < polyline::kFillAndConnectionsFrom) {
        m_crFill = 0xFFFFFF;
        m_nFillMode = ALTERNATE;
        ClearConnections();
        return;
    }
    DWORD fillColor, fillMode;
    ar >> fillColor >> fillMode >> m_wStartObjectId >> m_wEndObjectId;
    m_crFill = fillColor;
    m_nFillMode = int(fillMode);
}

CString& CPolyLine::GetTypeName(CString& name) const
{
    return name = CString(u8"基本線ｵﾌﾞｼﾞｪｸﾄ");
}

CString& CPolyLine::GetProfileSection(CString& section) const
{
    return section = "PolyLine Properties";
}

void CPolyLine::DestroyObject()
{
    delete this;
}

// --- Attributes and class defaults ------------------------------------------------------------

void CPolyLine::CopyAttributes(const CPolyLine& other)
{
    m_nPenStyle = other.m_nPenStyle;
    m_crPen = other.m_crPen;
    m_nPenWidth = other.m_nPenWidth;
    m_wStartMark = other.m_wStartMark;
    m_wEndMark = other.m_wEndMark;
    m_dwFlags = other.m_dwFlags;
    m_crFill = other.m_crFill;
    m_nFillMode = other.m_nFillMode;
}

void CPolyLine::VisitDefaultKeys(DefaultKeys& keys)
{
    VisitPenKeys(keys);
    keys.Number("ArrowStart", m_wStartMark);
    keys.Number("ArrowEnd", m_wEndMark);
    VisitMarkStyleKey(keys);
    keys.Number("FillColor", m_crFill);
    keys.Number("PolyFillMode", m_nFillMode);
}

void CPolyLine::VisitPenKeys(DefaultKeys& keys)
{
    keys.Number("PenStyle", m_nPenStyle);
    keys.Number("PenColor", m_crPen);
    keys.Number("PenWidth", m_nPenWidth);
}

void CPolyLine::VisitMarkStyleKey(DefaultKeys& keys)
{
    // The flags are kept to 16 bits in the profile, as in the record.
    WORD flags = WORD(m_dwFlags);
    keys.Number("ArrowStyle", flags);
    m_dwFlags = flags;
}

void CPolyLine::TransferDefaultAttributes(CRegItemObj& carrier, BOOL load)
{
    if (carrier.GetSection().IsEmpty()) {
        CString section;
        carrier.SetSection(GetProfileSection(section));
    }
    DefaultKeys keys(carrier, load ? DefaultKeys::Direction::Load : DefaultKeys::Direction::Save);
    VisitDefaultKeys(keys);
}

void CPolyLine::LoadDefaultAttributes(CRegItemObj& carrier)
{
    TransferDefaultAttributes(carrier, TRUE);
}

void CPolyLine::SaveDefaultAttributes(CRegItemObj& carrier)
{
    TransferDefaultAttributes(carrier, FALSE);
}

int CPolyLine::SetPenStyle(int style)
{
    return m_nPenStyle = style;
}

COLORREF CPolyLine::SetPenColor(COLORREF color)
{
    return m_crPen = color;
}

int CPolyLine::SetPenWidth(int width)
{
    return m_nPenWidth = width;
}

WORD CPolyLine::SetStartObjectId(WORD objectId)
{
    return m_wStartObjectId = objectId;
}

WORD CPolyLine::SetEndObjectId(WORD objectId)
{
    return m_wEndObjectId = objectId;
}

void CPolyLine::SetFlag(DWORD flag, BOOL on)
{
    m_dwFlags = on ? m_dwFlags | flag : m_dwFlags & ~flag;
}

BOOL CPolyLine::IsLineMark(LineEnd end) const
{
    return (m_dwFlags & (end == LINEEND_START ? LINE_START_LINE_MARK : LINE_END_LINE_MARK)) != 0;
}

BOOL CPolyLine::IsFilledMark(LineEnd end) const
{
    return (m_dwFlags & (end == LINEEND_START ? LINE_START_FILLED_MARK : LINE_END_FILLED_MARK)) != 0;
}

void CPolyLine::SetLineMark(LineEnd end)
{
    const bool start = end == LINEEND_START;
    SetFlag(start ? LINE_START_LINE_MARK : LINE_END_LINE_MARK, TRUE);
    SetFlag(start ? LINE_START_FILLED_MARK : LINE_END_FILLED_MARK, FALSE);
}

void CPolyLine::SetFilledMark(LineEnd end)
{
    const bool start = end == LINEEND_START;
    SetFlag(start ? LINE_START_FILLED_MARK : LINE_END_FILLED_MARK, TRUE);
    SetFlag(start ? LINE_START_LINE_MARK : LINE_END_LINE_MARK, FALSE);
}

BOOL CPolyLine::IsArrowMark(LineEnd end) const
{
    const WORD mark = GetMark(end);
    return mark == MARK_ARROW || mark == MARK_DOUBLE_ARROW;
}

BOOL CPolyLine::IsSmallArrowMark(LineEnd end) const
{
    const WORD mark = GetMark(end);
    return mark >= MARK_SMALL_ARROW && mark <= MARK_SMALL_DOUBLE_ARROW_CIRCLE;
}

BOOL CPolyLine::IsDoubleArrowMark(LineEnd end) const
{
    const WORD mark = GetMark(end);
    return mark == MARK_DOUBLE_ARROW || mark == MARK_SMALL_DOUBLE_ARROW || mark == MARK_SMALL_DOUBLE_ARROW_CIRCLE;
}

BOOL CPolyLine::IsSolidMark(LineEnd end) const
{
    if (IsDotMark(end) || IsCircleMark(end) || IsDiamondMark(end))
        return TRUE;
    return (IsArrowMark(end) || IsSmallArrowMark(end)) && IsFilledMark(end);
}

// --- Points -----------------------------------------------------------------------------------

BOOL CPolyLine::AddPoint(POINT point)
{
    try {
        auto pointObj = NewPointObj(point);
        AddTail(pointObj.get());
        pointObj.release();
    } catch (...) {
        ReportCurrentException(CString(u8"ﾒﾓﾘ不足のため、線にﾎﾟｲﾝﾄを追加できません。"),
                               CString(u8"予期せぬｴﾗｰのため、線にﾎﾟｲﾝﾄを追加できません。"));
        return FALSE;
    }
    return TRUE;
}

std::unique_ptr<CPointObj> CPolyLine::NewPointObj(POINT point) const
{
    return std::make_unique<CPointObj>(point);
}

void CPolyLine::RemoveAllPoints()
{
    while (!IsEmpty())
        delete RemoveHead();
}

BOOL CPolyLine::RemovePointAt(INT_PTR index)
{
    const POSITION pos = FindIndex(index);
    if (!pos)
        return FALSE;
    CObject* point = GetAt(pos);
    RemoveAt(pos);
    delete point;
    return TRUE;
}

std::vector<CPoint> CPolyLine::GetPointArray() const
{
    std::vector<CPoint> points;
    points.reserve(size_t(GetCount()));
    for (POSITION pos = GetHeadPosition(); pos;)
        points.push_back(static_cast<const CPointObj*>(GetNext(pos))->GetPoint());
    return points;
}

CPointObj* CPolyLine::GetPointObjAt(INT_PTR index) const
{
    const POSITION pos = FindIndex(index);
    return pos ? static_cast<CPointObj*>(GetAt(pos)) : nullptr;
}

CPointObj* CPolyLine::GetStartPointObj() const
{
    return GetPointObjAt(0);
}

CPointObj* CPolyLine::GetSecondPointObj() const
{
    return GetPointObjAt(1);
}

CPointObj* CPolyLine::GetThirdPointObj() const
{
    return GetPointObjAt(2);
}

CPointObj* CPolyLine::GetEndPointObj() const
{
    return GetPointObjAt(GetCount() - 1);
}

CPointObj* CPolyLine::GetSecondLastPointObj() const
{
    return GetCount() >= 2 ? GetPointObjAt(GetCount() - 2) : nullptr;
}

namespace polyline {

CPoint PointOf(const CPointObj* point)
{
    return point ? point->GetPoint() : CPoint();
}

BOOL MovePointTo(CPointObj* pointObj, POINT point)
{
    if (!pointObj || (point.x == 0 && point.y == 0))
        return FALSE;
    pointObj->SetPoint(point.x, point.y);
    return TRUE;
}

} // namespace polyline

CPoint CPolyLine::GetStartPoint() const
{
    return polyline::PointOf(GetStartPointObj());
}

CPoint CPolyLine::GetSecondPoint() const
{
    return polyline::PointOf(GetSecondPointObj());
}

CPoint CPolyLine::GetThirdPoint() const
{
    return polyline::PointOf(GetThirdPointObj());
}

CPoint CPolyLine::GetEndPoint() const
{
    return polyline::PointOf(GetEndPointObj());
}

CPoint CPolyLine::GetSecondLastPoint() const
{
    return polyline::PointOf(GetSecondLastPointObj());
}

BOOL CPolyLine::SetStartPoint(POINT point)
{
    return polyline::MovePointTo(GetStartPointObj(), point);
}

BOOL CPolyLine::SetEndPoint(POINT point)
{
    return polyline::MovePointTo(GetEndPointObj(), point);
}
