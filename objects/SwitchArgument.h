// A switch command gives every selected object one value: the view reads the current object's
// flag (the check its update handler sets) and hands each object the negation. The value travels
// in the argument slot of the attribute command: a marker object for on, no object for off.
#pragma once

#include "platform/afx/Object.h"
#include "platform/afx/WinTypes.h"

inline CObject* SwitchArgument(BOOL on)
{
    struct OnMarker : CObject
    {
    };
    static OnMarker onMarker;
    return on ? &onMarker : nullptr;
}

inline BOOL IsSwitchOn(const CObject* argument)
{
    return argument != nullptr && argument == SwitchArgument(TRUE);
}
