// Grouping and ungrouping in the document. A group holds copies of the grouped objects with their
// own ids and takes a new id itself; ungrouping adds copies of the members with the ids they had.
// Both add through AddObject, so each addition is recorded for undo; removing the originals (or
// the group) is the caller's part of the same step.
#include "document/BaseDoc.h"

#include "objects/BaseObj.h"
#include "objects/DrawObjects.h"
#include "objects/GroupObj.h"
#include "platform/afx/Exception.h"
#include "platform/afx/MessageSink.h"
#include "foundation/ErrorReport.h"

namespace basedocgroup {

// Kinds of the data model that cannot become members: conceptual files and relation arrows.
bool IsUngroupable(WORD kind)
{
    return kind == OBJKIND_FILECOMP || kind == OBJKIND_RELLINE;
}

} // namespace basedocgroup

BOOL CBaseDoc::CanGroupObjects(const CObList* objects)
{
    for (POSITION pos = objects->GetHeadPosition(); pos;) {
        const CObject* object = objects->GetNext(pos);
        if (!DrawObjects::IsDrawObject(object))
            continue;
        if (basedocgroup::IsUngroupable(DrawObjects::GetKind(object))) {
            AfxMessageBox(CString(
                              u8"選択されている図形ｵﾌﾞｼﾞｪｸﾄにｸﾞﾙｰﾌﾟできないｵﾌﾞｼﾞｪｸﾄが含まれているので"
                              u8"ｸﾞﾙｰﾌﾟ化できません。\n概念ﾌｧｲﾙｵﾌﾞｼﾞｪｸﾄ、矢線ｵﾌﾞｼﾞｪｸﾄはｸﾞﾙｰﾌﾟ化できないｵﾌﾞｼﾞｪｸﾄです。"),
                          MB_OK);
            return FALSE;
        }
        if (DrawObjects::GetObjectId(object) >= FIRST_HEADER_ITEM_ID) {
            AfxMessageBox(CString(u8"選択されている図形ｵﾌﾞｼﾞｪｸﾄにﾍｯﾀﾞｰ情報表示用ｵﾌﾞｼﾞｪｸﾄが含まれているので"
                                  u8"ｸﾞﾙｰﾌﾟ化できません。"),
                          MB_OK);
            return FALSE;
        }
    }
    return TRUE;
}

CGroupObj* CBaseDoc::GroupObjects(const CObList* objects)
{
    if (m_bReadOnly)
        return nullptr;
    const WORD savedNextId = m_wNextObjectId;
    const WORD groupId = NewObjectId();
    if (groupId == 0)
        return nullptr;
    CGroupObj* group = nullptr;
    try {
        group = new CGroupObj(groupId, *objects);
    } catch (const CUserException&) {
        // told already
    } catch (const CNotSupportedException&) {
        // a member that cannot be copied: nothing is grouped
    } catch (...) {
        ReportCurrentException(CString(u8"ﾒﾓﾘ不足のため、ｸﾞﾙｰﾌﾟを作成できません。"),
                               CString(u8"予期せぬｴﾗｰのため、ｸﾞﾙｰﾌﾟを作成できません。"));
    }
    if (!group || !AddObject(group)) {
        m_wNextObjectId = savedNextId;
        return nullptr;
    }
    return group;
}

BOOL CBaseDoc::UngroupObject(CObject* object, CObList* members)
{
    const CGroupObj* group = DYNAMIC_DOWNCAST(CGroupObj, object);
    if (m_bReadOnly || !group)
        return FALSE;
    const CObList& list = group->GetMemberList();
    for (POSITION pos = list.GetHeadPosition(); pos;) {
        CObject* copy = nullptr;
        if (!CloneDrawObject(list.GetNext(pos), copy) || !AddObject(copy))
            return FALSE;
        try {
            members->AddTail(copy);
        } catch (...) {
            ReportCurrentException(CString(u8"ｸﾞﾙｰﾌﾟ解除処理中にﾒﾓﾘ不足が発生しました。"),
                                   CString(u8"ｸﾞﾙｰﾌﾟ解除処理中に予期せぬｴﾗｰが発生しました。"));
            return FALSE;
        }
    }
    return TRUE;
}
