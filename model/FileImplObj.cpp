#include "model/FileImplObj.h"

#include "foundation/CommandIds.h"
#include "foundation/PopupMenu.h"
#include "foundation/SymbolPrimitives.h"
#include "foundation/Trackers.h"
#include "foundation/ZoomScale.h"
#include "model/ModelObjectMenus.h"
#include "objects/DefaultKeys.h"
#include "objects/FloatEdit.h"
#include "objects/ObjectMenus.h"
#include "objects/ObjectSupport.h"
#include "platform/afx/Archive.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Pen.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/Menu.h"

#include <algorithm>
#include <iterator>
#include <memory>
#include <utility>

IMPLEMENT_SERIAL(CFileImplObj, CPolyObj, 1)

namespace fileimpl {

// Line records of this version were written by implementation groups whose kind field may say
// otherwise.
constexpr WORD kGroupLineVersion = 16;
constexpr int kPenWidth = 4;
// The label's band above the top edge, and the highest it may lie.
constexpr int kLabelBandTop = 60;
constexpr int kLabelBandBottom = 10;
constexpr int kLabelHighest = -10;

constexpr PopupMenuItem kOperationItems[] = {
    // clang-format off
    {MF_STRING, ID_OBJ_SNAP_TO_GRID, u8"ｸﾞﾘｯﾄﾞに配置"},
    {MF_STRING, ID_OP_LINE_ADJUST_POINTS, u8"点位置調整"},
    // clang-format on
};

} // namespace fileimpl

// --- Construction and record ------------------------------------------------------------------

CFileImplObj::CFileImplObj() : CFileImplObj(0) {}

CFileImplObj::CFileImplObj(WORD objectId)
    : CPolyObj(OBJKIND_FILEIMPL, objectId), m_wImplFileId(0), m_bShowNameFileRep(TRUE)
{
    m_nPenStyle = PS_SOLID;
    m_nPenWidth = fileimpl::kPenWidth;
    SetClosed(TRUE);
    m_label.SetFill(FALSE);
}

CFileImplObj::CFileImplObj(const CFileImplObj& other) = default;

void CFileImplObj::Serialize(CArchive& ar)
{
    CPolyObj::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_wImplFileId << WORD(m_bShowNameFileRep);
    } else {
        if (m_wVersion == fileimpl::kGroupLineVersion)
            m_wKind = OBJKIND_FILEIMPL;
        WORD show;
        ar >> m_wImplFileId >> show;
        m_bShowNameFileRep = show;
    }
    m_label.Serialize(ar);
}

CString& CFileImplObj::GetTypeName(CString& name) const
{
    return name = CString(u8"実装ｸﾞﾙｰﾌﾟ ｵﾌﾞｼﾞｪｸﾄ");
}

CString CFileImplObj::GetStatusText(const CBaseDoc&) const
{
    CString type;
    return GetTypeName(type) + " : " + StatusField(GetLabelText());
}

CString& CFileImplObj::GetProfileSection(CString& section) const
{
    return section = "FileImpl Properties";
}

// --- The label ----------------------------------------------------------------------------------

BOOL CFileImplObj::IsLabelShown() const
{
    return m_bShowNameFileRep && !m_label.GetRect().IsRectNull();
}

BOOL CFileImplObj::PlaceLabel()
{
    CPoint left, right;
    if (!m_label.GetRect().IsRectNull() || !GetTopEdge(left, right))
        return FALSE;
    const int top = std::min(left.y + fileimpl::kLabelBandTop, fileimpl::kLabelHighest);
    const int bottom = std::min(left.y + fileimpl::kLabelBandBottom, fileimpl::kLabelHighest);
    m_label.NormalizeRect(CRect(left.x, top, right.x, bottom));
    return TRUE;
}

// --- Drawing and trackers -----------------------------------------------------------------------

void CFileImplObj::Draw(CDC* pDC, int zoom, BOOL withHandles, BOOL printMode, const LOGFONT* font, DWORD displayOptions,
                        CBaseDoc* document)
{
    if (IsHiddenIn(printMode))
        return;
    if (IsRectangleShape())
        DrawRectangleOutline(pDC, zoom);
    else
        CPolyLine::Draw(pDC, zoom, FALSE);
    if (IsLabelShown()) {
        // The label speaks in the document's font.
        if (font)
            m_label.SetLogFont(*font);
        m_label.Draw(pDC, zoom, FALSE, printMode, font, displayOptions, document);
    }
    if (withHandles)
        DrawHandles(pDC, zoom, printMode);
}

void CFileImplObj::DrawRectangleOutline(CDC* pDC, int zoom) const
{
    int width = m_nPenWidth;
    if (width > 1) {
        ScaleValueByZoom(width, zoom);
        width = std::max(width, 1);
    }
    CPen pen(width >= 2 ? PS_INSIDEFRAME : m_nPenStyle, width, m_crPen);
    CBrush brush;
    if (IsFilled())
        brush.CreateSolidBrush(m_crFill);
    else
        brush.CreateStockObject(NULL_BRUSH);
    CRect rect;
    GetRect(rect);
    ScaleRectByZoom(rect, zoom);
    PenBrushRestorer restorer(pDC);
    pDC->SelectObject(&pen);
    pDC->SelectObject(&brush);
    pDC->Rectangle(rect);
}

void CFileImplObj::DrawMoveTracker(CDC* pDC, int zoom, SIZE offset, DWORD hitFlags, BOOL printMode)
{
    if (IsHiddenIn(printMode))
        return;
    if (hitFlags & HIT_IMPL_LABEL) {
        m_label.DrawMoveTracker(pDC, zoom, offset, 0, printMode);
        return;
    }
    if (IsLabelShown() && hitFlags < HIT_IMPL_LABEL)
        m_label.DrawMoveTracker(pDC, zoom, offset, 0, printMode);
    CPolyLine::DrawMoveTracker(pDC, zoom, offset);
}

void CFileImplObj::DrawResizeTracker(CDC* pDC, int zoom, SIZE offset, DWORD hitCode, BOOL printMode)
{
    if (!(hitCode & HIT_HANDLE))
        return;
    if (hitCode & HIT_IMPL_LABEL)
        m_label.DrawResizeTracker(pDC, zoom, offset, hitCode & ~HIT_PARTS, printMode);
    else
        CPolyObj::DrawResizeTracker(pDC, zoom, offset, hitCode, printMode);
}

void CFileImplObj::DrawHandleDragTracker(CDC* pDC, int zoom, SIZE offset, DWORD hitCode, DWORD index, BOOL printMode)
{
    if (IsHiddenIn(printMode) || !(hitCode & HIT_SHAPE_HANDLE))
        return;
    if (hitCode & HIT_IMPL_LABEL) {
        m_label.DrawMoveTracker(pDC, zoom, offset, 0, printMode);
        return;
    }
    std::vector<CPoint> points = GetDraggedPoints(zoom, offset, hitCode, index);
    if (points.empty())
        return;
    if (IsClosed() && points.size() >= 2)
        points.push_back(points.front());
    DrawTrackerPolyline(pDC, points.data(), int(points.size()));
}

std::vector<CPoint> CFileImplObj::GetDraggedPoints(int zoom, SIZE offset, DWORD hitCode, DWORD index) const
{
    CFileImplObj copy(*this);
    for (POSITION pos = copy.GetHeadPosition(); pos;)
        ScalePointByZoom(*static_cast<CPointObj*>(copy.GetNext(pos)), zoom);
    // The outline shows the point moving, never the point going.
    copy.MovePointByHandle(offset, hitCode & ~HIT_LINE_DELETE, index);
    return copy.GetPointArray();
}

void CFileImplObj::DrawHandles(CDC* pDC, int zoom, BOOL printMode)
{
    if (IsHiddenIn(printMode))
        return;
    if (IsRectangleShape()) {
        CRect rect;
        GetRect(rect);
        ScaleRectByZoom(rect, zoom);
        DrawRectHandles(pDC, rect);
    } else {
        CPolyLine::DrawHandles(pDC, zoom);
    }
    if (IsLabelShown())
        m_label.DrawHandles(pDC, zoom, printMode);
}

// --- Hit tests and rectangles -------------------------------------------------------------------

BOOL CFileImplObj::HitTest(POINT point, int tolerance, BOOL printMode, BOOL) const
{
    if (IsHiddenIn(printMode))
        return FALSE;
    if (IsLabelShown() && m_label.HitTest(point, tolerance, printMode, FALSE))
        return TRUE;
    return CPolyLine::HitTest(point, tolerance, TRUE);
}

BOOL CFileImplObj::HitTestHandles(int zoom, POINT point, UINT keyFlags, int tolerance, DWORD& hitCode, DWORD& index,
                                  CPoint& handlePoint, BOOL printMode) const
{
    if (IsHiddenIn(printMode))
        return FALSE;
    if (IsLabelShown() &&
        m_label.HitTestHandles(zoom, point, keyFlags, tolerance, hitCode, index, handlePoint, printMode)) {
        hitCode = HIT_IMPL_LABEL | HIT_SHAPE_HANDLE;
        return TRUE;
    }
    return CPolyLine::HitTestHandles(zoom, point, keyFlags, tolerance, hitCode, index, handlePoint);
}

void CFileImplObj::GetRedrawRect(CRect& rect, int zoom, BOOL printMode) const
{
    CPolyObj::GetRedrawRect(rect, zoom, printMode);
    if (!IsHiddenIn(printMode))
        AddLabelRedrawRect(rect, zoom, printMode);
}

void CFileImplObj::GetFullRedrawRect(CRect& rect, int zoom) const
{
    CPolyObj::GetFullRedrawRect(rect, zoom);
    AddLabelRedrawRect(rect, zoom, TRUE);
}

void CFileImplObj::AddLabelRedrawRect(CRect& rect, int zoom, BOOL printMode) const
{
    if (!IsLabelShown())
        return;
    CRect labelRect;
    m_label.GetFullRedrawRect(labelRect, zoom, printMode);
    if (labelRect.IsRectNull())
        return;
    BOOL first = rect.IsRectNull();
    WidenBounds(rect, labelRect, first);
}

// --- Moving and point editing -------------------------------------------------------------------

void CFileImplObj::MoveParts(SIZE offset, DWORD flags)
{
    if ((flags & HIT_IMPL_LABEL) && !m_label.GetRect().IsRectNull())
        m_label.MoveBy(offset, 0);
}

void CFileImplObj::ResizeByHandle(SIZE offset, DWORD hitCode)
{
    if (!(hitCode & HIT_HANDLE))
        return;
    if (hitCode & HIT_IMPL_LABEL)
        m_label.ResizeByHandle(offset, hitCode & ~HIT_PARTS);
    else
        CPolyLine::ResizeByHandle(offset, hitCode);
}

void CFileImplObj::MovePointByHandle(SIZE offset, DWORD hitCode, DWORD index)
{
    if (!(hitCode & HIT_SHAPE_HANDLE))
        return;
    // The label's handle drags the label.
    if (hitCode & HIT_IMPL_LABEL) {
        MoveParts(offset, hitCode);
        return;
    }
    // Only an outline whose last point lies on its first is kept closed: moving the last point of
    // any other would fold it.
    const DWORD count = DWORD(GetCount());
    const bool closedByPoint = count > 2 && GetStartPoint() == GetEndPoint();
    CPolyLine::MovePointByHandle(offset, hitCode | HIT_LINE_ORTHOGONAL, index);
    if (!closedByPoint || (hitCode & (HIT_LINE_INSERT | HIT_LINE_DELETE)))
        return;
    CPointObj* first = GetStartPointObj();
    CPointObj* last = GetEndPointObj();
    if (index == 1) {
        last->SetPoint(first->x, first->y);
        GetSecondLastPointObj()->x = first->x;
    } else if (index == count - 1 || ((hitCode & HIT_LINE_POINT) && index == count - 2)) {
        first->SetPoint(last->x, last->y);
        GetSecondPointObj()->y = last->y;
    }
}

void CFileImplObj::GetPartRect(CRect& rect, BOOL printMode, DWORD partFlags) const
{
    if (partFlags & HIT_IMPL_LABEL)
        m_label.GetVisibleRect(rect, printMode);
    else
        rect.SetRectEmpty();
}

// --- Commands -----------------------------------------------------------------------------------

void CFileImplObj::ObjectContextMenu(CPoint screenPoint, CWnd* view, DWORD, BOOL printMode, BOOL)
{
    if (IsHiddenIn(printMode))
        return;
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, ID_IMPL_SHOW_NAME,
                    CString(m_bShowNameFileRep ? u8"物理ﾌｧｲﾙ名の非表示" : u8"物理ﾌｧｲﾙ名の表示"));
    menu.AppendMenu(MF_STRING, ID_IMPL_NAME_FILL, CString(u8"物理ﾌｧｲﾙ名の塗つぶし"));
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(MF_STRING, ID_SET_DEFAULT_ATTRIBUTES, CString(u8"ﾃﾞｨﾌｫﾙﾄ属性に設定"));
    menu.AppendMenu(MF_STRING, ID_COPY_DEFAULT_ATTRIBUTES, CString(u8"ﾃﾞｨﾌｫﾙﾄ属性からｺﾋﾟｰ"));
    menu.AppendMenu(MF_SEPARATOR);
    auto operations = std::make_unique<CPopupMenu>();
    operations->BuildFromItems(fileimpl::kOperationItems, int(std::size(fileimpl::kOperationItems)));
    menu.AppendPopup(std::move(operations), CString(u8"操作"));
    auto other = std::make_unique<CMenu>();
    other->CreatePopupMenu();
    objectmenus::AppendPenMenus(*other);
    other->AppendMenu(MF_SEPARATOR);
    other->AppendMenu(MF_STRING, ID_OBJ_FILL, CString(u8"塗りつぶし"));
    other->AppendPopup(objectmenus::MakeColorMenu(ID_FILL_COLOR_BASE), CString(u8"塗りつぶし色"),
                       IsValidBezier() ? MF_GRAYED : MF_STRING);
    menu.AppendPopup(std::move(other), CString(u8"その他"));
    objectmenus::TrackObjectMenu(menu, screenPoint, view);
}

void CFileImplObj::PartContextMenu(CPoint screenPoint, CWnd* view, DWORD hitCode, BOOL printMode, BOOL severalSelected)
{
    if (hitCode & HIT_IMPL_LABEL)
        ObjectContextMenu(screenPoint, view, hitCode, printMode, severalSelected);
}


BOOL CFileImplObj::UpdateCommandUI(CCmdUI* cmdUI, CBaseDoc* document, DWORD hitCode, BOOL printMode,
                                   BOOL severalSelected)
{
    switch (cmdUI->m_nID) {
    case ID_IMPL_SHOW_NAME:
        cmdUI->SetCheck(0);
        cmdUI->Enable(TRUE);
        return TRUE;
    case ID_IMPL_NAME_FILL:
        cmdUI->SetCheck(m_label.GetFill() ? 1 : 0);
        cmdUI->Enable(IsLabelShown());
        return TRUE;
    default: return CPolyObj::UpdateCommandUI(cmdUI, document, hitCode, printMode, severalSelected);
    }
}

BOOL CFileImplObj::ApplyAttributeCommand(UINT commandId, CObject* argument, DWORD hitCode)
{
    switch (commandId) {
    case ID_IMPL_SHOW_NAME:
        if (!m_bShowNameFileRep)
            PlaceLabel();
        m_bShowNameFileRep = !m_bShowNameFileRep;
        return TRUE;
    case ID_IMPL_NAME_FILL: m_label.ToggleFill(); return TRUE;
    default: return CPolyObj::ApplyAttributeCommand(commandId, argument, hitCode);
    }
}

// --- In-place editing of the label ---------------------------------------------------------------

BOOL CFileImplObj::CanEditText(CBaseDoc*, DWORD hitCode, DWORD) const
{
    return (hitCode & HIT_SHAPE_HANDLE) && (hitCode & HIT_IMPL_LABEL) && IsLabelShown();
}

BOOL CFileImplObj::BeginEdit(CDC* pDC, int zoom, CFloatEdit*& editor, CWnd* parent, UINT controlId, DWORD hitCode,
                             const LOGFONT* font, DWORD editFlags)
{
    m_dwEditedPart = 0;
    if (!CanEditText(nullptr, hitCode, 0) || zoom < modelobjects::MIN_EDIT_ZOOM)
        return FALSE;
    // The label speaks in the document's font, as it is drawn.
    if (font)
        m_label.SetLogFont(*font);
    if (!m_label.BeginEdit(pDC, zoom, editor, parent, controlId, HIT_BODY, font, editFlags))
        return FALSE;
    m_dwEditedPart = hitCode;
    return TRUE;
}

BOOL CFileImplObj::EndEdit(CFloatEdit*& editor, DWORD editFlags)
{
    if (m_dwEditedPart & HIT_IMPL_LABEL)
        return m_label.EndEdit(editor, editFlags);
    delete std::exchange(editor, nullptr);
    return FALSE;
}

// --- Attributes ---------------------------------------------------------------------------------

void CFileImplObj::CopyAttributes(const CPolyLine& other)
{
    if (const auto* group = dynamic_cast<const CFileImplObj*>(&other)) {
        m_bShowNameFileRep = group->m_bShowNameFileRep;
        m_label.SetTextColor(group->m_label.GetTextColor());
    }
    CPolyObj::CopyAttributes(other);
}

void CFileImplObj::VisitDefaultKeys(DefaultKeys& keys)
{
    keys.Number("ShowNameFileRep", m_bShowNameFileRep);
    COLORREF fontColor = m_label.GetTextColor();
    keys.Number("FontColor", fontColor);
    m_label.SetTextColor(fontColor);
    CPolyObj::VisitDefaultKeys(keys);
}
