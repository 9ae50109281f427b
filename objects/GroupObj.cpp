#include "objects/GroupObj.h"

#include "foundation/CommandIds.h"
#include "foundation/ErrorReport.h"
#include "foundation/Geometry.h"
#include "foundation/PopupMenu.h"
#include "foundation/Trackers.h"
#include "foundation/ZoomScale.h"
#include "objects/DrawObjects.h"
#include "objects/ObjectMenus.h"
#include "objects/ObjectSupport.h"
#include "objects/PolyObj.h"
#include "platform/afx/Archive.h"
#include "platform/afx/Exception.h"
#include "platform/ui/Menu.h"

#include <memory>

IMPLEMENT_SERIAL(CGroupObj, CBaseObj, 1)

namespace groupobj {

constexpr PopupMenuItem kGroupOperations[] = {
    {MF_STRING, ID_OBJ_SNAP_TO_GRID, u8"ｸﾞﾘｯﾄﾞに配置"},
};

} // namespace groupobj

CGroupObj::CGroupObj() : CBaseObj(OBJKIND_GROUP) {}

CGroupObj::CGroupObj(WORD objectId, const CObList& objects) : CBaseObj(OBJKIND_GROUP, objectId)
{
    CopyMembersFrom(objects, CString(u8"ﾒﾓﾘ不足のため、ｸﾞﾙｰﾌﾟを作成できません。"),
                    CString(u8"予期せぬｴﾗｰのため、ｸﾞﾙｰﾌﾟを作成できません。"));
    CRect bounds;
    NormalizeRect(GetMembersBoundRect(bounds, TRUE));
}

CGroupObj::CGroupObj(const CGroupObj& other) : CBaseObj(other)
{
    CopyMembersFrom(other.m_members, CString(u8"ﾒﾓﾘ不足のため、ｸﾞﾙｰﾌﾟをｺﾋﾟｰできません。"),
                    CString(u8"予期せぬｴﾗｰのため、ｸﾞﾙｰﾌﾟをｺﾋﾟｰできません。"));
}

CGroupObj::~CGroupObj()
{
    while (!m_members.IsEmpty())
        delete m_members.RemoveHead();
}

void CGroupObj::CopyMembersFrom(const CObList& objects, const CString& memoryText, const CString& unexpectedText)
{
    try {
        for (POSITION pos = objects.GetHeadPosition(); pos;) {
            const CObject* source = objects.GetNext(pos);
            if (!DrawObjects::IsDrawObject(source))
                continue;
            CObject* copy = nullptr;
            if (!CloneDrawObject(source, copy))
                AfxThrowNotSupportedException();
            try {
                m_members.AddTail(copy);
            } catch (...) {
                DrawObjects::Destroy(copy);
                ReportCurrentException(memoryText, unexpectedText);
                AfxThrowUserException();
            }
        }
    } catch (...) {
        DestroyMembers();
        throw;
    }
}

void CGroupObj::DestroyMembers()
{
    while (!m_members.IsEmpty())
        DrawObjects::Destroy(m_members.RemoveHead());
}

void CGroupObj::ForEachMember(const std::function<void(CBaseObj&)>& box, const std::function<void(CPolyObj&)>& line)
{
    for (POSITION pos = m_members.GetHeadPosition(); pos;) {
        CObject* member = m_members.GetNext(pos);
        if (CBaseObj* memberBox = DrawObjects::AsBoxObject(member))
            box(*memberBox);
        else if (CPolyObj* memberLine = DrawObjects::AsLineObject(member))
            line(*memberLine);
    }
}

void CGroupObj::Serialize(CArchive& ar)
{
    CBaseObj::Serialize(ar);
    if (ar.IsStoring()) {
        m_members.Serialize(ar);
        return;
    }
    DestroyMembers();
    DrawObjects::ReadObjectList(ar, m_members);
}

CString& CGroupObj::GetTypeName(CString& name) const
{
    name = CString(u8"ｸﾞﾙｰﾌﾟ ｵﾌﾞｼﾞｪｸﾄ");
    return name;
}

CString& CGroupObj::GetProfileSection(CString& section) const
{
    section = "GroupObj Properties";
    return section;
}

// --- Drawing and hit tests ----------------------------------------------------------------------

void CGroupObj::Draw(CDC* pDC, int zoom, BOOL withHandles, BOOL printMode, const LOGFONT* font, DWORD displayOptions,
                     CBaseDoc* document)
{
    if (IsHiddenIn(printMode))
        return;
    for (POSITION pos = m_members.GetHeadPosition(); pos;)
        DrawObjects::Draw(m_members.GetNext(pos), pDC, zoom, FALSE, printMode, font, displayOptions, document);
    if (withHandles)
        DrawHandles(pDC, zoom, printMode);
}

void CGroupObj::DrawMoveTracker(CDC* pDC, int zoom, SIZE offset, DWORD hitFlags, BOOL printMode)
{
    if (IsHiddenIn(printMode))
        return;
    ForEachMember([&](CBaseObj& box) { box.DrawMoveTracker(pDC, zoom, offset, hitFlags, printMode); },
                  [&](CPolyObj& line) { line.DrawMoveTracker(pDC, zoom, offset, hitFlags, printMode); });
}

void CGroupObj::DrawResizeTracker(CDC* pDC, int zoom, SIZE offset, DWORD hitCode, BOOL printMode)
{
    if (IsHiddenIn(printMode) || !(hitCode & HIT_HANDLE))
        return;
    CRect rect;
    GetVisibleRect(rect, printMode);
    ScaleRectByZoom(rect, zoom);
    ApplyResizeHandleOffset(rect, offset, hitCode);
    DrawTrackerRect(pDC, rect);
}

void CGroupObj::DrawHandles(CDC* pDC, int zoom, BOOL printMode)
{
    if (!IsHiddenIn(printMode))
        CBaseObj::DrawHandles(pDC, zoom, printMode);
}

BOOL CGroupObj::HitTest(POINT point, int tolerance, BOOL printMode, BOOL outlineOnly) const
{
    if (IsHiddenIn(printMode))
        return FALSE;
    for (POSITION pos = m_members.GetHeadPosition(); pos;) {
        if (DrawObjects::HitTest(m_members.GetNext(pos), point, tolerance, printMode, outlineOnly))
            return TRUE;
    }
    return FALSE;
}

BOOL CGroupObj::HitTestHandles(int zoom, POINT point, UINT, int tolerance, DWORD& hitCode, DWORD& partWord,
                               CPoint& handlePoint, BOOL printMode) const
{
    if (IsHiddenIn(printMode))
        return FALSE;
    hitCode = 0;
    partWord = 0;
    CRect rect;
    GetVisibleRect(rect, printMode);
    ScaleRectByZoom(rect, zoom);
    for (const RectHandle& handle : GetRectHandles(rect)) {
        if (PointNearPoint(handle.centre, point, HANDLE_HALF_SIZE)) {
            hitCode |= handle.code;
            handlePoint = handle.centre;
            return TRUE;
        }
    }
    CPoint docPoint(point);
    UnscalePointByZoom(docPoint, zoom);
    UnscaleValueByZoom(tolerance, zoom);
    if (!HitTest(docPoint, tolerance, printMode, TRUE))
        return FALSE;
    hitCode |= HIT_BODY;
    return TRUE;
}

void CGroupObj::GetVisibleRect(CRect& rect, BOOL printMode) const
{
    GetWholeVisibleRect(rect, printMode);
}

void CGroupObj::GetRedrawRect(CRect& rect, int zoom, BOOL printMode) const
{
    GetWholeRedrawRect(rect, zoom, printMode);
}

BOOL CGroupObj::IsInsideRect(const CRect& rect, BOOL printMode) const
{
    return IsWholeInsideRect(rect, printMode);
}

CRect& CGroupObj::GetMembersBoundRect(CRect& rect, BOOL printMode) const
{
    rect.SetRectEmpty();
    if (IsHiddenIn(printMode))
        return rect;
    BOOL first = TRUE;
    for (POSITION pos = m_members.GetHeadPosition(); pos;) {
        CRect member;
        if (DrawObjects::GetVisibleRect(m_members.GetNext(pos), member, printMode))
            WidenBounds(rect, member, first);
    }
    return rect;
}

void CGroupObj::FitRectToMembers()
{
    CRect bounds;
    NormalizeRect(GetMembersBoundRect(bounds, TRUE));
}

// --- Moving and resizing ------------------------------------------------------------------------

void CGroupObj::MoveBy(SIZE offset, DWORD flags)
{
    CBaseObj::MoveBy(offset, flags);
    ForEachMember([&](CBaseObj& box) { box.MoveBy(offset, flags); },
                  [&](CPolyObj& line) { line.CPolyLine::MoveBy(offset, flags); });
}

void CGroupObj::ResizeByHandle(SIZE offset, DWORD hitCode)
{
    const CRect oldRect = m_rect;
    const BOOL degenerate = oldRect.Width() == 0 || oldRect.Height() == 0;
    CBaseObj::ResizeByHandle(offset, hitCode);
    const CRect newRect = m_rect;
    if (degenerate) {
        ForEachMember([&](CBaseObj& box) { box.ResizeByHandle(offset, hitCode); },
                      [&](CPolyObj& line) { line.CPolyLine::ResizeByHandle(offset, hitCode); });
    } else {
        ForEachMember([&](CBaseObj& box) { box.MapToRect(oldRect, newRect); },
                      [&](CPolyObj& line) { line.CPolyLine::MapToRect(oldRect, newRect); });
    }
    FitRectToMembers();
}

void CGroupObj::MapToRect(const CRect& oldFrame, const CRect& newFrame)
{
    CBaseObj::MapToRect(oldFrame, newFrame);
    ForEachMember([&](CBaseObj& box) { box.MapToRect(oldFrame, newFrame); },
                  [&](CPolyObj& line) { line.CPolyLine::MapToRect(oldFrame, newFrame); });
    FitRectToMembers();
}

// --- Menu and commands --------------------------------------------------------------------------

void CGroupObj::ObjectContextMenu(CPoint screenPoint, CWnd* view, DWORD, BOOL, BOOL)
{
    CMenu menu;
    menu.CreatePopupMenu();
    objectmenus::AppendPenMenus(menu);
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(MF_STRING, ID_OBJ_FILL, CString(u8"塗りつぶし"));
    menu.AppendPopup(objectmenus::MakeColorMenu(ID_FILL_COLOR_BASE), CString(u8"塗りつぶし色"));
    menu.AppendMenu(MF_SEPARATOR);
    auto operations = std::make_unique<CPopupMenu>();
    operations->BuildFromItems(groupobj::kGroupOperations, int(std::size(groupobj::kGroupOperations)));
    menu.AppendPopup(std::move(operations), CString(u8"操作"));
    TrackObjectMenu(menu, screenPoint, view);
}

// --- Lifetime and attributes --------------------------------------------------------------------

void CGroupObj::DestroyObject()
{
    DestroyMembers();
    delete this;
}

void CGroupObj::CopyAttributes(const CBaseObj&) {}

void CGroupObj::LoadDefaultAttributes(CRegItemObj&) {}

void CGroupObj::SaveDefaultAttributes(CRegItemObj&) {}

BOOL CGroupObj::ClearNumber(DWORD)
{
    return FALSE;
}

int CGroupObj::SetPenStyle(int style)
{
    m_nPenStyle = style;
    ForEachMember([&](CBaseObj& box) { box.SetPenStyle(style); }, [&](CPolyObj& line) { line.SetPenStyle(style); });
    return style;
}

COLORREF CGroupObj::SetPenColor(COLORREF color)
{
    m_crPen = color;
    ForEachMember([&](CBaseObj& box) { box.SetPenColor(color); }, [&](CPolyObj& line) { line.SetPenColor(color); });
    return color;
}

int CGroupObj::SetPenWidth(int width)
{
    m_nPenWidth = width;
    ForEachMember([&](CBaseObj& box) { box.SetPenWidth(width); }, [&](CPolyObj& line) { line.SetPenWidth(width); });
    return width;
}

BOOL CGroupObj::SetFill(BOOL fill)
{
    m_bFill = fill;
    ForEachMember([&](CBaseObj& box) { box.SetFill(fill); }, [](CPolyObj&) {});
    return fill;
}

BOOL CGroupObj::ToggleFill()
{
    return SetFill(!m_bFill);
}

COLORREF CGroupObj::SetFillColor(COLORREF color)
{
    m_crFill = color;
    ForEachMember([&](CBaseObj& box) { box.SetFillColor(color); }, [](CPolyObj&) {});
    return color;
}

BOOL CGroupObj::SetHideDefine(BOOL hide)
{
    m_bHideDefine = hide;
    ForEachMember([&](CBaseObj& box) { box.SetHideDefine(hide); }, [&](CPolyObj& line) { line.SetHideDefine(hide); });
    return hide;
}

BOOL CGroupObj::ToggleHideDefine()
{
    return SetHideDefine(!m_bHideDefine);
}

BOOL CGroupObj::SetCanDelete(BOOL canDelete)
{
    m_bCanDelete = canDelete;
    ForEachMember([&](CBaseObj& box) { box.SetCanDelete(canDelete); },
                  [&](CPolyObj& line) { line.SetCanDelete(canDelete); });
    return canDelete;
}

BOOL CGroupObj::ToggleCanDelete()
{
    return SetCanDelete(!m_bCanDelete);
}

// --- Member numbering ---------------------------------------------------------------------------

WORD CGroupObj::AssignMemberIds(WORD firstId)
{
    WORD next = firstId;
    for (POSITION pos = m_members.GetHeadPosition(); pos && next != 0xFFFF;) {
        CObject* member = m_members.GetNext(pos);
        if (CBaseObj* box = DrawObjects::AsBoxObject(member)) {
            box->SetObjectId(next++);
            if (CGroupObj* nested = DYNAMIC_DOWNCAST(CGroupObj, box); nested && next != 0xFFFF)
                next = nested->AssignMemberIds(next);
        } else if (CPolyObj* line = DrawObjects::AsLineObject(member)) {
            line->SetObjectId(next++);
        }
    }
    return next;
}

DWORD CGroupObj::GetMemberIdCount() const
{
    DWORD count = 0;
    for (POSITION pos = m_members.GetHeadPosition(); pos;) {
        const CObject* member = m_members.GetNext(pos);
        if (!DrawObjects::IsDrawObject(member))
            continue;
        ++count;
        if (const CGroupObj* nested = DYNAMIC_DOWNCAST(CGroupObj, member))
            count += nested->GetMemberIdCount();
    }
    return count;
}

// --- Spreadsheet export -------------------------------------------------------------------------

BOOL CGroupObj::IsExportKind(DWORD) const
{
    return TRUE;
}

BOOL CGroupObj::HasText() const
{
    return !m_members.IsEmpty();
}

BOOL CGroupObj::ExportExcelRow(CExcelDispatch* sheet, long& column, long& row, DWORD exportOptions, CObject* rowContext)
{
    return ExportMemberRows(sheet, column, row, exportOptions, rowContext, FALSE) &&
           ExportMemberRows(sheet, column, row, exportOptions, rowContext, TRUE);
}

BOOL CGroupObj::ExportMemberRows(CExcelDispatch* sheet, long& column, long& row, DWORD exportOptions,
                                 CObject* rowContext, BOOL nestedGroups)
{
    for (POSITION pos = m_members.GetHeadPosition(); pos;) {
        CBaseObj* box = DrawObjects::AsBoxObject(m_members.GetNext(pos));
        if (!box || box->IsKindOf(RUNTIME_CLASS(CGroupObj)) != nestedGroups)
            continue;
        if (!nestedGroups && !(box->IsExportKind(exportOptions) && box->HasText()))
            continue;
        if (!box->ExportExcelRow(sheet, column, row, exportOptions, rowContext))
            return FALSE;
    }
    return TRUE;
}
