// Helpers shared by the system's typed pointer lists, which own the objects they hold.
#pragma once

#include "foundation/ErrorReport.h"

#include "platform/afx/Archive.h"
#include "platform/afx/List.h"

#include <functional>
#include <memory>

class CComboBox;

// Removes every element from the head on and deletes each one that is not null.
void DeleteAllElements(CObList& list);

// A typed pointer list that owns its elements: destroying it deletes each one.
template <class TYPE>
class OwnedPtrList : public CTypedPtrList<CObList, TYPE*>
{
public:
    OwnedPtrList() : CTypedPtrList<CObList, TYPE*>(10) {}
    ~OwnedPtrList() override { DeleteAllElements(*this); }
};

// The element at the zero-based index, or null when there is none.
template <class BASE_CLASS, class TYPE>
TYPE GetElementAtIndex(const CTypedPtrList<BASE_CLASS, TYPE>& list, INT_PTR index)
{
    const POSITION pos = list.FindIndex(index);
    return pos ? list.GetAt(pos) : nullptr;
}

// Adding and inserting take the element over: TRUE. When the list cannot take it, the element is
// deleted, the user is told (naming the caller) and the list stays as it was: FALSE.
BOOL AddOwnedTail(CObList& list, CObject* element, const char* caller);
BOOL AddOwnedHead(CObList& list, CObject* element, const char* caller);
// A test seam: asked with the caller's name before an element is linked into a list by the
// functions above; true makes that link fail as if memory had run out. Returns the probe it
// replaces.
using LinkFailureProbe = std::function<bool(const char* caller)>;
LinkFailureProbe SetLinkFailureProbe(LinkFailureProbe probe);
// A null position inserts at the head (before) or the tail (after).
BOOL InsertOwnedBefore(CObList& list, POSITION pos, CObject* element, const char* caller);
BOOL InsertOwnedAfter(CObList& list, POSITION pos, CObject* element, const char* caller);

// Puts the element at from just before the element at to (last when there is none): its new index,
// or -1 when from names none or equals to, or the list could not take it (the user is told).
int MoveElementByIndex(CObList& list, int from, int to, const char* caller);

// A copy of the element for a list to take over, or null after the user was told (naming the
// caller) why it could not be made.
template <class TYPE>
TYPE* NewElementCopy(const TYPE& element, const char* caller)
{
    try {
        return new TYPE(element);
    } catch (...) {
        ReportCurrentException(caller);
        return nullptr;
    }
}

// Appends a copy of each element of the other list: the number copied, or -1 with the list emptied
// when one could not be made or taken (the user is told, naming the caller).
template <class TYPE>
int AppendOwnedCopies(OwnedPtrList<TYPE>& list, const OwnedPtrList<TYPE>& other, const char* caller)
{
    int copied = 0;
    for (POSITION pos = other.GetHeadPosition(); pos; ++copied) {
        TYPE* copy = NewElementCopy(*other.GetNext(pos), caller);
        if (!copy || !AddOwnedTail(list, copy, caller)) {
            DeleteAllElements(list);
            return -1;
        }
    }
    return copied;
}

// Loads a count and that many new elements of the class, each the list's own: never null and never
// a reference back to an object read before.
template <class TYPE>
void LoadOwnedElements(CArchive& ar, OwnedPtrList<TYPE>& list, const CRuntimeClass* elementClass)
{
    for (DWORD_PTR count = ar.ReadCount(); count > 0; --count) {
        std::unique_ptr<CObject> element = ar.ReadNewObject(elementClass);
        list.AddTail(static_cast<TYPE*>(element.get()));
        element.release();
    }
}

// Adds a combo row showing the text and carrying the element as its item data. When the combo
// refuses the row, the user is told that the combo of the named list could not be filled and the
// combo is emptied: FALSE.
BOOL AddElementComboRow(CComboBox* combo, const CString& text, CObject* element, const char* listName);
// The same with a row carrying a value of the caller's own.
BOOL AddComboDataRow(CComboBox* combo, const CString& text, DWORD_PTR data, const char* listName);
// The same with the combo box named in full in the messages ("...ComboBox").
BOOL AddNamedComboRow(CComboBox* combo, const CString& text, DWORD_PTR data, const CString& comboName);
