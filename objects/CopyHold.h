// CCopyHold: one entry of the copy buffer. It owns a detached copy of a box or line object and,
// while a paste runs, the id and the object that this paste gave the copy in the document.
#pragma once

#include "platform/afx/Object.h"
#include "platform/afx/WinTypes.h"

class CCopyHold : public CObject
{
    DECLARE_DYNCREATE(CCopyHold)
public:
    CCopyHold() = default;
    // Takes the object over.
    explicit CCopyHold(CObject* object) : m_pObject(object) {}
    // Destroys the object through its own destroy operation (a group takes its members along).
    ~CCopyHold() override;
    CCopyHold(const CCopyHold&) = delete;
    CCopyHold& operator=(const CCopyHold&) = delete;

    CObject* GetObject() const { return m_pObject; }
    // The id the current paste gave the object's copy; 0 while it is not placed.
    WORD GetPlacedId() const { return m_wPlacedId; }
    // The copy the current paste put into the document (not owned); null while it is not placed.
    CObject* GetPlacedObject() const { return m_pPlacedObject; }
    void SetPlaced(WORD placedId, CObject* placedObject)
    {
        m_wPlacedId = placedId;
        m_pPlacedObject = placedObject;
    }

private:
    CObject* m_pObject = nullptr;
    WORD m_wPlacedId = 0;
    CObject* m_pPlacedObject = nullptr;
};
