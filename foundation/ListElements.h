// Helpers shared by the system's typed pointer lists, which own the objects they hold.
#pragma once

#include "platform/afx/List.h"

// Removes every element from the head on and deletes each one that is not null.
void DeleteAllElements(CObList& list);

// The element at the zero-based index, or null when there is none.
template <class BASE_CLASS, class TYPE>
TYPE GetElementAtIndex(const CTypedPtrList<BASE_CLASS, TYPE>& list, INT_PTR index)
{
    const POSITION pos = list.FindIndex(index);
    return pos ? list.GetAt(pos) : nullptr;
}
