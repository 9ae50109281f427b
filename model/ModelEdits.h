// How a modelling rule changes an object other than the one the user is editing: the object is
// recorded for undo once in the open step, changed, and redrawn in the views.
#pragma once

#include "document/BaseDoc.h"

template <class Object, class Change>
void ChangeRecorded(CBaseDoc& doc, Object& object, Change change)
{
    doc.RecordChangedOnce(&object);
    change(object);
    doc.UpdateObjectInViews(&object);
}
