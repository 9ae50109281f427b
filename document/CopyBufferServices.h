// What a paste needs of the main frame, which lives higher up (shell): the copy buffer, refilled
// from the clipboard's drawing-object data for the target document. The frame registers itself;
// without it nothing can be pasted.
#pragma once

#include "foundation/ServiceSlot.h"

class CBaseDoc;
class CCopyList;
class COleDataObject;

class CopyBufferServices
{
public:
    virtual ~CopyBufferServices() = default;

    // The copy buffer, refilled from the data object (an empty buffer when it offers no drawing
    // objects). A damaged stream throws and leaves the buffer as it was.
    virtual CCopyList* LoadCopyBuffer(const COleDataObject& data, CBaseDoc* target) = 0;
};

constexpr auto GetCopyBufferServices = &ServiceSlot<CopyBufferServices>::Get;
constexpr auto SetCopyBufferServices = &ServiceSlot<CopyBufferServices>::Set;
