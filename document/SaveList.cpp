#include "document/SaveList.h"

#include "foundation/ErrorReport.h"
#include "foundation/ListElements.h"
#include "objects/DrawObjects.h"

IMPLEMENT_DYNCREATE(CSaveList, CObList)

CSaveList::~CSaveList()
{
    DeleteAllElements(*this);
}

BOOL CSaveList::AppendRecord(WORD kind, WORD objectId, CObject* object, WORD secondId)
{
    CSaveObj* record = nullptr;
    try {
        record = new CSaveObj(kind, objectId, object, secondId);
        AddTail(record);
        return TRUE;
    } catch (...) {
        if (kind == CSaveObj::kindChanged)
            ReportCurrentException(CString(u8"ﾒﾓﾘ不足のため、Undoﾘｽﾄにｵﾌﾞｼﾞｪｸﾄの変形前の状態を追加できません。"),
                                   CString(u8"予期せぬｴﾗｰのため、Undoﾘｽﾄにｵﾌﾞｼﾞｪｸﾄの変形前の状態を追加できません。"));
        else
            ReportCurrentException(CString(u8"ﾒﾓﾘ不足のため、Undoﾘｽﾄにｵﾌﾞｼﾞｪｸﾄを追加できません。"),
                                   CString(u8"予期せぬｴﾗｰのため、Undoﾘｽﾄにｵﾌﾞｼﾞｪｸﾄを追加できません。"));
        if (record)
            record->Reset(kind, objectId, nullptr, secondId); // the object stays with the caller
        delete record;
        return FALSE;
    }
}

void CSaveList::AddAddedRecord(WORD objectId)
{
    if (objectId != 0)
        AppendRecord(CSaveObj::kindAdded, objectId, nullptr, 0);
}

void CSaveList::AddChangedRecord(const CObject* object)
{
    CObject* copy = CloneForRecord(object);
    if (copy && !AppendRecord(CSaveObj::kindChanged, 0, copy, 0))
        DrawObjects::Destroy(copy);
}

BOOL CSaveList::AddDeletedRecord(WORD predecessorId, CObject* object)
{
    return AppendRecord(CSaveObj::kindDeleted, predecessorId, object, 0);
}

void CSaveList::AddMovedRecord(WORD predecessorId, WORD movedId)
{
    AppendRecord(CSaveObj::kindMoved, predecessorId, nullptr, movedId);
}

BOOL CSaveList::IsRecorded(WORD objectId) const
{
    for (POSITION pos = GetHeadPosition(); pos;) {
        const CSaveObj* record = GetRecord(pos);
        GetNext(pos);
        if (record->GetKind() == CSaveObj::kindAdded ? record->GetObjectId() == objectId
                                                     : record->GetObject() && record->GetHeldObjectId() == objectId)
            return TRUE;
    }
    return FALSE;
}

void CSaveList::CatchUpIndexedIds() const
{
    const INT_PTR count = GetCount();
    // Back from the tail over the records not indexed yet; the record before them must be the
    // last one indexed, or records were taken away and the sets start afresh.
    POSITION pos = GetTailPosition();
    INT_PTR fresh = count - m_nIndexedRecords;
    if (fresh >= 0) {
        for (INT_PTR n = 0; n < fresh; ++n)
            GetPrev(pos);
        if (m_nIndexedRecords > 0 && (!pos || GetRecord(pos) != m_pIndexedTail))
            fresh = -1;
    }
    if (fresh < 0) {
        ForgetIndexedIds();
        fresh = count;
    }
    pos = GetTailPosition();
    for (INT_PTR n = 0; n < fresh; ++n) {
        const CSaveObj* record = GetRecord(pos);
        GetPrev(pos);
        if (!record->GetObject())
            continue;
        if (record->GetKind() == CSaveObj::kindChanged)
            m_changedIds.insert(record->GetHeldObjectId());
        else if (record->GetKind() == CSaveObj::kindDeleted)
            m_deletedIds.insert(record->GetHeldObjectId());
    }
    m_nIndexedRecords = count;
    m_pIndexedTail = count > 0 ? GetRecord(GetTailPosition()) : nullptr;
}

void CSaveList::ForgetIndexedIds() const
{
    m_changedIds.clear();
    m_deletedIds.clear();
    m_nIndexedRecords = 0;
    m_pIndexedTail = nullptr;
}

BOOL CSaveList::IsChangeRecorded(WORD objectId) const
{
    CatchUpIndexedIds();
    return m_changedIds.contains(objectId);
}

BOOL CSaveList::IsDeleteRecorded(WORD objectId) const
{
    CatchUpIndexedIds();
    return m_deletedIds.contains(objectId);
}

CObject* CSaveList::CloneForRecord(const CObject* object)
{
    return DrawObjects::Clone(object);
}
