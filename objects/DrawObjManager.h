// CDrawObjManager: the default-attribute prototypes, one object per object kind and sub-kind,
// owned by the main frame. New objects copy their attributes from the prototype of their kind;
// the prototypes load their attributes from the profile, and command 21250 makes an object's
// attributes the new default.
#pragma once

#include "platform/afx/List.h"

#include <map>

class CDrawObjManager : public CObList
{
    DECLARE_DYNCREATE(CDrawObjManager)
public:
    CDrawObjManager();
    ~CDrawObjManager() override;

    // Appends a prototype. On failure the object is deleted, the failure reported, FALSE returned.
    BOOL AddDrawObjDirect(CObject* object);
    // Creates every prototype in table order; FALSE at the first that cannot be made or added.
    BOOL InitDrawObjs();
    // Loads each prototype's class defaults from the profile.
    void LoadDrawObjDefaults();
    // The prototype made for that kind and sub-key (rounded flag of a rectangle), or null.
    CObject* FindDrawObjByKind(WORD kind, DWORD subKey) const;
    CObject* FindDrawObjForObject(const CObject* object) const;
    // The prototype of the object's kind takes its attributes and size for this run, and the
    // profile too when the user agrees. FALSE when the object's kind has no prototype.
    BOOL SetDefaultAttributesFrom(const CObject* object);

    // Object classes of higher layers (the data model's) add their prototypes here at start-up,
    // before the main frame creates its prototypes; they follow the drawing objects' in list order.
    using PrototypeFactory = CObject* (*)();
    static void RegisterPrototypeFactory(PrototypeFactory makePrototype);

private:
    BOOL AddPrototype(PrototypeFactory makePrototype);

    struct Slot
    {
        WORD kind;
        DWORD subKey;
    };
    // Each prototype keeps the slot it was made for, whatever its attributes become later: a
    // profile that turns the plain rectangle's prototype rounded does not move it to another slot.
    std::map<const CObject*, Slot> m_slots;
};
