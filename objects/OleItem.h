// OleItem: what an OLE drawing object asks of the embedded object it shows (the container item
// that holds another program's object). There is no OLE on this platform, so the program creates
// none; the drawing object's arithmetic and drawing work against this interface.
#pragma once

#include "platform/afx/Rect.h"

#include <memory>

class CDC;

class OleItem
{
public:
    virtual ~OleItem() = default;

    // The object's extent for its draw aspect in 0.01 mm; FALSE when it cannot be had.
    virtual BOOL GetExtent(CSize& extent) const = 0;
    // Whether the object is active in place (active or active with its user interface).
    virtual BOOL IsInPlaceActive() const = 0;
    // Draws the object's presentation into the rectangle (device context units).
    virtual void Draw(CDC* pDC, const CRect& rect) = 0;
    // A new item holding a copy of the object; throws when the copy cannot be made.
    virtual std::unique_ptr<OleItem> Clone() const = 0;
};
