// The relation arrows in the view: reconnecting an end to a picked conceptual file, and leaving the
// selection before a drag that they cannot take part in (they follow the files they join).
#include "view/BaseView.h"

#include "document/BaseDoc.h"
#include "foundation/CommandIds.h"
#include "objects/BaseObj.h"
#include "objects/DrawObjects.h"
#include "objects/PolyObj.h"
#include "platform/afx/MessageSink.h"
#include "view/ModelViewServices.h"

namespace BaseViewArrows {

constexpr const char8_t* kNotAFile =
    u8"概念ﾌｧｲﾙあるいは概念ﾌｧｲﾙｸﾛｰﾝ ｵﾌﾞｼﾞｪｸﾄではないので、接続概念ﾌｧｲﾙには設定できません。";
constexpr const char8_t* kSelfThroughClone =
    u8"概念ﾌｧｲﾙｸﾛｰﾝを介した自己回帰型の矢線となってしまうので、接続概念ﾌｧｲﾙには設定できません。";
constexpr const char8_t* kSubTypeLoop =
    u8"ｻﾌﾞﾀｲﾌﾟ矢線あるいはｻﾌﾞｽﾄﾗｸﾁｬ矢線がﾙｰﾌﾟしてしまうので、接続概念ﾌｧｲﾙには設定できません。";

BOOL IsClone(const CObject* object)
{
    return DrawObjects::GetKind(object) == OBJKIND_FILECLONE;
}

// What an arrow may end at: a conceptual file or a clone of one.
BOOL IsArrowEnd(const CObject* object)
{
    return DrawObjects::GetKind(object) == OBJKIND_FILECOMP || IsClone(object);
}

BOOL Refuse(const char8_t* message)
{
    AfxMessageBox(CString(message), MB_OK);
    return FALSE;
}

} // namespace BaseViewArrows

BOOL CBaseView::ReconnectRelArrowEnd(CObject* object, UINT commandId)
{
    using namespace BaseViewArrows;
    CPolyObj* arrow = DrawObjects::AsLineObject(object);
    const ModelViewServices* model = GetModelViewServices();
    if (!arrow || !model)
        return FALSE;
    CBaseDoc* doc = GetDocument();
    const BOOL start = commandId == ID_OBJ_PICK_START_CONNECTION;
    const WORD pickedId = WORD(m_nHitIndex);
    const WORD startId = arrow->GetStartObjectId();
    const WORD endId = arrow->GetEndObjectId();
    if ((start ? startId : endId) == pickedId)
        return FALSE;
    CObject* picked = nullptr;
    if (!doc->FindObjectById(pickedId, picked))
        return FALSE;
    if (!IsArrowEnd(picked))
        return Refuse(kNotAFile);
    CObject* other = nullptr;
    if (!doc->FindObjectById(start ? endId : startId, other))
        return FALSE;
    CObject* newStart = start ? picked : other;
    CObject* newEnd = start ? other : picked;
    if (IsClone(newStart) || IsClone(newEnd)) {
        const WORD file = model->GetReferencedFileId(newStart);
        if (file != 0 && file == model->GetReferencedFileId(newEnd))
            return Refuse(kSelfThroughClone);
    }
    if (IsSubTypeArrowKind(model->GetRelArrowKind(arrow)) && model->WouldCreateSubTypeLoop(*doc, newStart, newEnd))
        return Refuse(kSubTypeLoop);

    const BOOL wasSelf = startId == endId;
    InvalidateObject(arrow);
    UpdateOtherViews(arrow);
    doc->ExecuteObjectOperation(arrow, commandId, m_nHitCode, m_nHitIndex);
    const int kind = model->GetRelArrowKind(arrow);
    const BOOL self = arrow->GetStartObjectId() == arrow->GetEndObjectId();
    CPoint press = m_ptAnchor100;
    SnapToGrid(press);
    // The new end is laid out at the press, the other end at where it is now.
    const CPoint from = start ? press : arrow->GetStartPoint();
    const CPoint to = start ? arrow->GetEndPoint() : press;
    if (start || wasSelf || self) {
        CObject* found = nullptr;
        const CBaseObj* box = doc->FindObjectById(arrow->GetStartObjectId(), found) && IsArrowEnd(found)
                                  ? DrawObjects::AsBoxObject(found)
                                  : nullptr;
        if (!box)
            return FALSE;
        CPoint point;
        box->GetRelArrowStartPoint(point, from, to, kind, self);
        arrow->SetStartPoint(point);
    }
    if (!start || wasSelf || self) {
        CObject* found = nullptr;
        const CBaseObj* box = doc->FindObjectById(arrow->GetEndObjectId(), found) && IsArrowEnd(found)
                                  ? DrawObjects::AsBoxObject(found)
                                  : nullptr;
        if (!box)
            return FALSE;
        CPoint point;
        box->GetRelArrowEndPoint(point, from, to, kind, self);
        arrow->SetEndPoint(point);
    }
    UINT shape = ID_OP_LINE_SELF_REFERENCE;
    if (!self)
        shape = arrow->GetStartPoint().y < arrow->GetEndPoint().y ? ID_OP_LINE_BREAK : ID_OP_LINE_VERTICAL_CRANK;
    if (!arrow->CPolyLine::ApplyShapeOperation(shape, 0, 0))
        return FALSE;
    InvalidateObject(arrow);
    UpdateOtherViews(arrow);
    return TRUE;
}

void CBaseView::DeselectArrowsForTracking()
{
    if (m_nHitCode >= HIT_PART_FIRST)
        return;
    const BOOL move = (m_nHitCode & HIT_BODY) != 0;
    const BOOL resize = (m_nHitCode & HIT_HANDLE) != 0;
    if (!move && !resize)
        return;
    CObList selected;
    selected.AddTail(&m_selection);
    for (POSITION pos = selected.GetHeadPosition(); pos;) {
        CObject* object = selected.GetNext(pos);
        if (GetRelArrowKindOf(object) == 0)
            continue;
        const CPolyObj* arrow = DrawObjects::AsLineObject(object);
        if (move && arrow && IsObjectIdSelected(arrow->GetStartObjectId()) &&
            IsObjectIdSelected(arrow->GetEndObjectId()))
            continue;
        InvalidateObject(object);
        RemoveFromSelection(object);
    }
}
