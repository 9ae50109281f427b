// What the document asks of each of its drawing views. The view class lives in a higher layer; it
// implements this interface, and the document finds it on each of its views by a cast.
#pragma once

#include "platform/afx/Object.h"
#include "platform/afx/Point.h"

#include <vector>

class ViewServices
{
public:
    virtual ~ViewServices() = default;

    // Puts the object at the head of the selection (it becomes the most recently selected one).
    virtual void AddToSelection(CObject* object) = 0;
    // Puts the object at the tail of the selection.
    virtual void AppendToSelection(CObject* object) = 0;
    virtual void RemoveFromSelection(CObject* object) = 0;
    // Repaints the selected objects.
    virtual void InvalidateSelection() = 0;
    // Empties the selection without repainting.
    virtual void ClearSelection() = 0;
    // The object the view's object commands act on; null clears it.
    virtual void SetCurrentObject(CObject* object) = 0;
    virtual BOOL IsObjectIdSelected(WORD objectId) const = 0;
    // The ids of the selected objects at once, for a command that asks about many; FALSE when the
    // view cannot list them (the caller then asks IsObjectIdSelected).
    virtual BOOL GetSelectedObjectIds(std::vector<WORD>& /*ids*/) const { return FALSE; }
    // Ends an open in-place text edit and repaints.
    virtual void EndInPlaceEditAndRefresh() = 0;
    virtual void UpdateScrollSizes() = 0;
    // Moves the point onto the grid when the view adjusts to it; TRUE when it moved.
    virtual BOOL SnapToGrid(POINT& point) const = 0;
};
