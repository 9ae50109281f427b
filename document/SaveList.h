// CSaveList: one undo step, the records of one editing command in recording order (head = first
// recorded). Destroying the step destroys its records and the objects they hold. The record
// services do not reject duplicates; callers that may touch an object twice ask first.
#pragma once

#include "document/SaveObj.h"

#include "platform/afx/List.h"

#include <unordered_set>

class CSaveList : public CObList
{
    DECLARE_DYNCREATE(CSaveList)
public:
    CSaveList() = default;
    ~CSaveList() override;

    // Each appends one record at the tail. A failure is reported to the user and the edit goes on
    // without the record.
    void AddAddedRecord(WORD objectId);
    // Records a deep copy of the object as it is now; nothing when no copy can be made.
    void AddChangedRecord(const CObject* object);
    // TRUE when the record took the removed object, which it owns from now on; FALSE leaves the
    // object with the caller.
    BOOL AddDeletedRecord(WORD predecessorId, CObject* object);
    void AddMovedRecord(WORD predecessorId, WORD movedId);

    // Some added record names the id, or some record holds an object with it.
    BOOL IsRecorded(WORD objectId) const;
    BOOL IsChangeRecorded(WORD objectId) const;
    BOOL IsDeleteRecorded(WORD objectId) const;

    CSaveObj* GetRecord(POSITION pos) const { return static_cast<CSaveObj*>(GetAt(pos)); }

    // To be called after records were rewritten in place (undo and redo turn deleted records into
    // added ones and back) or taken away: the ids the step indexes are gathered afresh.
    void ForgetIndexedIds() const;

    // The deep copy a changed record holds, or null.
    static CObject* CloneForRecord(const CObject* object);

private:
    // Appends a record holding the object; on failure reports with the texts of the record's kind
    // and leaves the object to the caller.
    BOOL AppendRecord(WORD kind, WORD objectId, CObject* object, WORD secondId);
    // Brings the id sets up to date with the records appended since they were last asked.
    void CatchUpIndexedIds() const;

    // The ids of the changed and of the deleted records, so that a command touching many objects
    // asks in constant time whether one is recorded. Records are only ever appended at the tail or
    // taken off it, and a changed record keeps its object's id when undo swaps its copy: the sets
    // catch up with the records appended since they were last asked and start afresh when records
    // were taken away or rewritten (ForgetIndexedIds).
    mutable std::unordered_set<WORD> m_changedIds;
    mutable std::unordered_set<WORD> m_deletedIds;
    mutable INT_PTR m_nIndexedRecords = 0;
    mutable const CSaveObj* m_pIndexedTail = nullptr;
};
