#include "objects/OleDrawObj.h"

#include "foundation/CommandIds.h"
#include "foundation/Geometry.h"
#include "foundation/Trackers.h"
#include "objects/DefaultKeys.h"
#include "objects/ObjectSupport.h"
#include "platform/afx/Archive.h"
#include "platform/gdi/DC.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/Menu.h"

#include <cstdint>

IMPLEMENT_SERIAL(COleDrawObj, CShapeObj, 1)

namespace oledrawobj {

// One side of the rectangle for a new extent: the extent's own length the first time (0.01 mm to
// 0.1 mm, truncated toward zero; y runs down from the top), else the old length in proportion.
int ScaledSide(int length, int newExtent, int oldExtent, int sign)
{
    if (oldExtent == 0)
        return sign * (newExtent / 10);
    return MulDiv(length, newExtent, oldExtent);
}

} // namespace oledrawobj

// --- Construction and record ------------------------------------------------------------------

COleDrawObj::COleDrawObj() : COleDrawObj(0, CRect()) {}

COleDrawObj::COleDrawObj(WORD objectId, const CRect& rect)
    : CShapeObj(OBJKIND_OLE, objectId, rect), m_bDrawFrame(FALSE), m_sizeExtent(0, 0)
{
}

COleDrawObj::COleDrawObj(WORD objectId, POINT point, std::unique_ptr<OleItem> item)
    : COleDrawObj(objectId, CRect(point, point))
{
    m_pItem = std::move(item);
    UpdateFromExtent();
}

COleDrawObj::COleDrawObj(const COleDrawObj& other)
    : CShapeObj(other),
      m_bDrawFrame(other.m_bDrawFrame),
      m_pItem(other.m_pItem ? other.m_pItem->Clone() : nullptr),
      m_sizeExtent(other.m_sizeExtent)
{
}

COleDrawObj::~COleDrawObj() = default;

void COleDrawObj::Serialize(CArchive& ar)
{
    CBaseObj::Serialize(ar);
    std::int32_t extent[2] = {m_sizeExtent.cx, m_sizeExtent.cy};
    if (ar.IsStoring()) {
        ar << WORD(m_bDrawFrame);
        ar.Write(extent, sizeof extent);
        ar.WriteObject(nullptr);
        return;
    }
    WORD drawFrame;
    ar >> drawFrame;
    m_bDrawFrame = drawFrame;
    if (ar.Read(extent, sizeof extent) != sizeof extent)
        AfxThrowArchiveException(CArchiveException::endOfFile, ar.m_strFileName);
    m_sizeExtent = CSize(extent[0], extent[1]);
    ReadNoItem(ar);
}

void COleDrawObj::ReadNoItem(CArchive& ar)
{
    // A new item is refused by the reader registered under the item's class name; a reference to
    // an object read before by the archive's class check, or here.
    if (ar.ReadObject(CRuntimeClass::FromName(OLE_ITEM_CLASS_NAME)))
        AfxThrowArchiveException(CArchiveException::badClass, ar.m_strFileName);
}

CString& COleDrawObj::GetTypeName(CString& name) const
{
    name = CString(u8"OLEｵﾌﾞｼﾞｪｸﾄ");
    return name;
}

CString& COleDrawObj::GetProfileSection(CString& section) const
{
    section = "OleDrawObj Properties";
    return section;
}

// --- Drawing and hit tests ----------------------------------------------------------------------

void COleDrawObj::Draw(CDC* pDC, int zoom, BOOL withHandles, BOOL printMode, const LOGFONT*, DWORD, CBaseDoc*)
{
    if (IsHiddenIn(printMode) || !m_pItem)
        return;
    const CRect rect = GetScaledRect(zoom, printMode);
    DrawShapeSequence(
        pDC, zoom, printMode, [&](CDC* dc, POINT shift, ShapePass) { dc->Rectangle(rect + CPoint(shift)); },
        m_bDrawFrame);
    m_pItem->Draw(pDC, rect);
    if (withHandles)
        DrawHandles(pDC, zoom, printMode);
}

void COleDrawObj::DrawMoveTracker(CDC* pDC, int zoom, SIZE offset, DWORD, BOOL printMode)
{
    if (!IsHiddenIn(printMode))
        DrawTrackerRect(pDC, GetScaledRect(zoom, printMode) + offset);
}

void COleDrawObj::DrawResizeTracker(CDC* pDC, int zoom, SIZE offset, DWORD hitCode, BOOL printMode)
{
    if (!IsHiddenIn(printMode) && (hitCode & HIT_HANDLE))
        DrawTrackerRect(pDC, GetNormalizedRect(GetResizedScaledRect(zoom, offset, hitCode, printMode)));
}

void COleDrawObj::DrawHandles(CDC* pDC, int zoom, BOOL printMode)
{
    if (!IsHiddenIn(printMode) && m_pItem)
        CBaseObj::DrawHandles(pDC, zoom, printMode);
}

BOOL COleDrawObj::HitTest(POINT point, int tolerance, BOOL printMode, BOOL outlineOnly) const
{
    BOOL hit = FALSE;
    if (HitTestFrame(point, tolerance, printMode, outlineOnly, hit))
        return hit;
    return TRUE;
}

// --- Menu and commands --------------------------------------------------------------------------

void COleDrawObj::ObjectContextMenu(CPoint screenPoint, CWnd* view, DWORD, BOOL printMode, BOOL)
{
    if (IsHiddenIn(printMode))
        return;
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, ID_TEXT_FRAME, CString(u8"枠線の表示"));
    AppendPenMenus(menu);
    AppendFillAndShadowMenus(menu, MF_UNCHECKED);
    AppendDefaultsAndOperations(menu);
    TrackObjectMenu(menu, screenPoint, view);
}

BOOL COleDrawObj::UpdateCommandUI(CCmdUI* cmdUI, CBaseDoc* document, DWORD hitCode, BOOL printMode,
                                  BOOL severalSelected)
{
    if (cmdUI->m_nID != ID_TEXT_FRAME)
        return CBaseObj::UpdateCommandUI(cmdUI, document, hitCode, printMode, severalSelected);
    cmdUI->SetCheck(m_bDrawFrame ? 1 : 0);
    return TRUE;
}

BOOL COleDrawObj::ApplyAttributeCommand(UINT commandId, CObject* argument, DWORD hitCode)
{
    if (commandId != ID_TEXT_FRAME)
        return CBaseObj::ApplyAttributeCommand(commandId, argument, hitCode);
    m_bDrawFrame = !m_bDrawFrame;
    return TRUE;
}

void COleDrawObj::CopyAttributes(const CBaseObj& other)
{
    if (const COleDrawObj* ole = DYNAMIC_DOWNCAST(COleDrawObj, &other))
        m_bDrawFrame = ole->m_bDrawFrame;
    CBaseObj::CopyAttributes(other);
}

void COleDrawObj::VisitDefaultKeys(DefaultKeys& keys)
{
    keys.WordFlag("DrawFrame", m_bDrawFrame);
    CBaseObj::VisitDefaultKeys(keys);
}

// --- The item's extent --------------------------------------------------------------------------

BOOL COleDrawObj::UpdateFromExtent()
{
    CSize extent;
    if (!m_pItem || !m_pItem->GetExtent(extent) || extent == m_sizeExtent)
        return FALSE;
    if (m_sizeExtent != CSize(0, 0) && m_pItem->IsInPlaceActive()) {
        // The in-place window shows the new extent; the rectangle follows when it is moved.
        m_sizeExtent = extent;
        return TRUE;
    }
    // A stored extent of 0 along one side cannot be scaled from: that side takes the extent's length.
    const int width = oledrawobj::ScaledSide(m_rect.Width(), extent.cx, m_sizeExtent.cx, 1);
    const int height = oledrawobj::ScaledSide(m_rect.Height(), extent.cy, m_sizeExtent.cy, -1);
    const std::int64_t right = std::int64_t(m_rect.left) + width;
    const std::int64_t bottom = std::int64_t(m_rect.top) + height;
    NormalizeRect(CRect(m_rect.left, m_rect.top, HoldObjectCoordinate(right), HoldObjectCoordinate(bottom)));
    m_sizeExtent = extent;
    return TRUE;
}
