#include "objects/PolyObj.h"

#include "foundation/CommandIds.h"
#include "objects/BaseObj.h"
#include "objects/DefaultKeys.h"
#include "platform/afx/Archive.h"
#include "platform/ui/CmdUI.h"

IMPLEMENT_SERIAL(CPolyObj, CPolyLine, 1)

CPolyObj::CPolyObj() : CPolyObj(OBJKIND_LINE, 0) {}

CPolyObj::CPolyObj(WORD objectId) : CPolyObj(OBJKIND_LINE, objectId) {}

CPolyObj::CPolyObj(WORD objectId, POINT start, POINT end) : CPolyObj(OBJKIND_LINE, objectId)
{
    AddPoint(start);
    AddPoint(end);
}

CPolyObj::CPolyObj(WORD kind, WORD objectId)
    : m_wVersion(OBJECT_RECORD_VERSION), m_wKind(kind), m_wObjectId(objectId), m_bHideDefine(TRUE), m_bCanDelete(TRUE)
{
}

CPolyObj::CPolyObj(const CPolyObj& other) = default;

void CPolyObj::Serialize(CArchive& ar)
{
    CPolyLine::Serialize(ar);
    if (ar.IsStoring()) {
        m_wVersion = OBJECT_RECORD_VERSION;
        ar << m_wVersion << m_wKind << m_wObjectId << WORD(m_bHideDefine) << WORD(m_bCanDelete);
        return;
    }
    WORD hideDefine, canDelete;
    ar >> m_wVersion >> m_wKind >> m_wObjectId >> hideDefine >> canDelete;
    m_bHideDefine = hideDefine;
    m_bCanDelete = canDelete;
}

CString& CPolyObj::GetTypeName(CString& name) const
{
    return name = CString(u8"ﾗｲﾝ･折れ線ｵﾌﾞｼﾞｪｸﾄ");
}

CString& CPolyObj::GetProfileSection(CString& section) const
{
    return section = "PolyObj Properties";
}

// --- The view's operations ----------------------------------------------------------------------

void CPolyObj::Draw(CDC* pDC, int zoom, BOOL withHandles, BOOL printMode, const LOGFONT*, DWORD, CBaseDoc*)
{
    if (!IsHiddenIn(printMode))
        CPolyLine::Draw(pDC, zoom, withHandles);
}

void CPolyObj::DrawMoveTracker(CDC* pDC, int zoom, SIZE offset, DWORD, BOOL printMode)
{
    if (!IsHiddenIn(printMode))
        CPolyLine::DrawMoveTracker(pDC, zoom, offset);
}

void CPolyObj::DrawResizeTracker(CDC* pDC, int zoom, SIZE offset, DWORD hitCode, BOOL printMode)
{
    if (!IsHiddenIn(printMode))
        CPolyLine::DrawResizeTracker(pDC, zoom, offset, hitCode);
}

void CPolyObj::DrawHandleDragTracker(CDC* pDC, int zoom, SIZE offset, DWORD hitCode, DWORD index, BOOL printMode)
{
    if (!IsHiddenIn(printMode))
        CPolyLine::DrawHandleDragTracker(pDC, zoom, offset, hitCode, index);
}

void CPolyObj::DrawHandles(CDC* pDC, int zoom, BOOL printMode)
{
    if (!IsHiddenIn(printMode))
        CPolyLine::DrawHandles(pDC, zoom);
}

BOOL CPolyObj::HitTest(POINT point, int tolerance, BOOL printMode, BOOL outlineOnly) const
{
    return !IsHiddenIn(printMode) && CPolyLine::HitTest(point, tolerance, outlineOnly);
}

BOOL CPolyObj::HitTestHandles(int zoom, POINT point, UINT keyFlags, int tolerance, DWORD& hitCode, DWORD& index,
                              CPoint& handlePoint, BOOL printMode) const
{
    return !IsHiddenIn(printMode) &&
           CPolyLine::HitTestHandles(zoom, point, keyFlags, tolerance, hitCode, index, handlePoint);
}

void CPolyObj::GetVisibleRect(CRect& rect, BOOL printMode) const
{
    if (IsHiddenIn(printMode))
        rect.SetRectEmpty();
    else
        GetRect(rect);
}

void CPolyObj::GetRedrawRect(CRect& rect, int zoom, BOOL printMode) const
{
    if (IsHiddenIn(printMode))
        rect.SetRectEmpty();
    else
        CPolyLine::GetRedrawRect(rect, zoom);
}

void CPolyObj::GetFullRedrawRect(CRect& rect, int zoom) const
{
    CPolyLine::GetRedrawRect(rect, zoom);
}

BOOL CPolyObj::IsInsideRect(const CRect& rect, BOOL printMode) const
{
    return !IsHiddenIn(printMode) && CPolyLine::IsInsideRect(rect);
}

// --- Commands -----------------------------------------------------------------------------------

BOOL CPolyObj::UpdateCommandUI(CCmdUI* cmdUI, CBaseDoc* document, DWORD hitCode, BOOL printMode, BOOL severalSelected)
{
    if (cmdUI->m_nID != ID_OBJ_HIDE_DEFINE)
        return CPolyLine::UpdateCommandUI(cmdUI, document, hitCode, printMode, severalSelected);
    cmdUI->SetCheck(m_bHideDefine ? 1 : 0);
    return TRUE;
}

BOOL CPolyObj::ApplyAttributeCommand(UINT commandId, CObject* argument, DWORD hitCode)
{
    if (commandId != ID_OBJ_HIDE_DEFINE)
        return CPolyLine::ApplyAttributeCommand(commandId, argument, hitCode);
    ToggleHideDefine();
    return TRUE;
}

// --- Attributes ---------------------------------------------------------------------------------

void CPolyObj::CopyAttributes(const CPolyLine& other)
{
    if (const CPolyObj* line = DYNAMIC_DOWNCAST(CPolyObj, &other)) {
        m_bHideDefine = line->m_bHideDefine;
        m_bCanDelete = line->m_bCanDelete;
    }
    CPolyLine::CopyAttributes(other);
}

void CPolyObj::VisitDefaultKeys(DefaultKeys& keys)
{
    keys.Number("HideDefine", m_bHideDefine);
    keys.Number("CanDelete", m_bCanDelete);
    CPolyLine::VisitDefaultKeys(keys);
}

WORD CPolyObj::SetStartObjectId(WORD objectId)
{
    return CPolyLine::SetStartObjectId(objectId == m_wObjectId ? 0 : objectId);
}

WORD CPolyObj::SetEndObjectId(WORD objectId)
{
    return CPolyLine::SetEndObjectId(objectId == m_wObjectId ? 0 : objectId);
}

BOOL CPolyObj::SetHideDefine(BOOL hide)
{
    return m_bHideDefine = hide;
}

BOOL CPolyObj::ToggleHideDefine()
{
    return m_bHideDefine = !m_bHideDefine;
}

BOOL CPolyObj::SetCanDelete(BOOL canDelete)
{
    return m_bCanDelete = canDelete;
}

BOOL CPolyObj::ToggleCanDelete()
{
    return m_bCanDelete = !m_bCanDelete;
}

UINT CPolyObj::GetKeyCommand(UINT, UINT, UINT)
{
    return 0;
}

void CPolyObj::MoveSelfReferenceEnds(SIZE startOffset, SIZE endOffset)
{
    if (IsEmpty())
        return;
    MoveStartPoint(startOffset);
    if (GetCount() >= 2)
        MoveEndPoint(endOffset);
}
