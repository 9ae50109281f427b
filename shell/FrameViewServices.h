// What the main frame asks of the active drawing view. The view class lives in a higher layer; it
// implements this interface, and the frame finds it on the active view by a cast.
#pragma once

#include "platform/afx/WinTypes.h"

class FrameViewServices
{
public:
    virtual ~FrameViewServices() = default;

    // Whether the view lets the tool become current (read-only documents and modes forbid some).
    virtual BOOL IsToolAllowed(UINT toolId) const = 0;
    // The view's zoom in percent.
    virtual int GetZoomPercent() const = 0;
    // Ends an open in-place text edit, repaints and updates the selection.
    virtual void EndInPlaceEditAndRefresh() = 0;
};
