// What the drawing objects need of the main frame, which lives higher up (shell): the
// default-attribute prototypes. The frame registers itself here; tests register a small stand-in.
#pragma once

#include "foundation/ServiceSlot.h"
#include "platform/afx/WinTypes.h"

class CObject;

class ObjectServices
{
public:
    virtual ~ObjectServices() = default;

    // The prototype of the object's kind and sub-key, or null (objects of a kind without a
    // prototype, such as the group).
    virtual CObject* FindDefaultPrototype(const CObject* object) = 0;
    // The prototype of a kind and sub-key, or null.
    virtual CObject* FindPrototypeByKind(WORD kind, DWORD subKey) = 0;
    // Makes the object's attributes the default of its kind (command 21250).
    virtual BOOL SetDefaultAttributesFrom(const CObject* object) = 0;
};

// The registered main frame, or null; registering returns the one it replaces.
constexpr auto GetObjectServices = &ServiceSlot<ObjectServices>::Get;
constexpr auto SetObjectServices = &ServiceSlot<ObjectServices>::Set;
