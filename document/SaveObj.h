// CSaveObj: one record of an undo step. What its id fields mean depends on its kind:
//   added   - object id: the added object; no held object
//   changed - the held object is a copy of the object as it was before the change
//   deleted - object id: the predecessor in the drawing order (0: it was first); the held object
//             is the removed object itself
//   moved   - object id: the predecessor before the move (0: it was first); second id: the moved
//             object
// Applying a record rewrites it into the record that reverses it. The record owns its held object.
#pragma once

#include "platform/afx/Object.h"

class CSaveObj : public CObject
{
    DECLARE_DYNCREATE(CSaveObj)
public:
    enum Kind : WORD {
        kindAdded = 1,
        kindChanged = 2,
        kindDeleted = 3,
        kindMoved = 4,
    };

    CSaveObj() = default;
    // The record takes ownership of the object.
    CSaveObj(WORD kind, WORD objectId, CObject* object, WORD secondId = 0);
    CSaveObj(const CSaveObj&) = delete;
    CSaveObj& operator=(const CSaveObj&) = delete;
    ~CSaveObj() override;

    WORD GetKind() const { return m_wKind; }
    WORD GetObjectId() const { return m_wObjectId; }
    WORD GetSecondId() const { return m_wSecondId; }
    CObject* GetObject() const { return m_pObject; }
    // The id of the held box or line object; 0 when there is none.
    WORD GetHeldObjectId() const;

    // Rewrites the record. The record takes the new object and gives up the old one without
    // destroying it: the caller has put it back into the document.
    void Reset(WORD kind, WORD objectId, CObject* object, WORD secondId = 0);
    void SetObjectId(WORD objectId) { m_wObjectId = objectId; }

private:
    WORD m_wKind = 0;
    WORD m_wObjectId = 0;
    CObject* m_pObject = nullptr;
    WORD m_wSecondId = 0;
};
