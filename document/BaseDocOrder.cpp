// The drawing order of the object list: an object moves one place forward or backward, or to the
// front or the back. The list's head lies at the back, its tail in front.
#include "document/BaseDoc.h"

#include "foundation/ErrorReport.h"
#include "objects/DrawObjects.h"
#include "platform/afx/String.h"

BOOL CBaseDoc::ChangeZOrder(CObject* object, UINT mode)
{
    if (m_bReadOnly || !object || mode == 0 || m_objects.IsEmpty())
        return FALSE;
    if (mode & ZORDER_ALL) {
        if (mode & ZORDER_FORWARD)
            return MoveObjectToFront(object);
        if (mode & ZORDER_BACKWARD)
            return MoveObjectToBack(object);
        return FALSE;
    }
    if (mode & ZORDER_FORWARD)
        return MoveObjectForward(object);
    if (mode & ZORDER_BACKWARD)
        return MoveObjectBackward(object);
    return FALSE;
}

BOOL CBaseDoc::MoveObjectForward(CObject* object)
{
    const POSITION pos = FindReorderableObject(object);
    if (!pos)
        return FALSE;
    POSITION successor = pos;
    m_objects.GetNext(successor);
    return successor && ReorderObject(pos, successor);
}

BOOL CBaseDoc::MoveObjectBackward(CObject* object)
{
    const POSITION pos = FindReorderableObject(object);
    if (!pos)
        return FALSE;
    POSITION predecessor = pos;
    m_objects.GetPrev(predecessor);
    if (!predecessor)
        return FALSE;
    POSITION beforePredecessor = predecessor;
    m_objects.GetPrev(beforePredecessor);
    return ReorderObject(pos, beforePredecessor);
}

BOOL CBaseDoc::MoveObjectToFront(CObject* object)
{
    const POSITION pos = FindReorderableObject(object);
    const POSITION tail = m_objects.GetTailPosition();
    return pos && pos != tail && ReorderObject(pos, tail);
}

BOOL CBaseDoc::MoveObjectToBack(CObject* object)
{
    const POSITION pos = FindReorderableObject(object);
    return pos && pos != m_objects.GetHeadPosition() && ReorderObject(pos, nullptr);
}

POSITION CBaseDoc::FindReorderableObject(CObject* object) const
{
    if (m_bReadOnly || !DrawObjects::IsDrawObject(object))
        return nullptr;
    return m_objects.Find(object);
}

BOOL CBaseDoc::ReorderObject(POSITION pos, POSITION predecessorPos)
{
    const WORD predecessorId = GetPredecessorId(pos);
    const WORD movedId = DrawObjects::GetObjectId(m_objects.GetAt(pos));
    try {
        MoveObjectAfter(pos, predecessorPos);
    } catch (...) {
        ReportReinsertFailure();
        return FALSE;
    }
    RecordMovedForUndo(predecessorId, movedId);
    SetModified(TRUE);
    return TRUE;
}

void CBaseDoc::ReportReinsertFailure()
{
    ReportCurrentException(CString(u8"ﾒﾓﾘ不足のため、位置移動したｵﾌﾞｼﾞｪｸﾄをﾄﾞｷｭﾒﾝﾄに再度追加できません。"),
                           CString(u8"予期せぬｴﾗｰのため、位置移動したｵﾌﾞｼﾞｪｸﾄをﾄﾞｷｭﾒﾝﾄに再度追加できません。"));
}
