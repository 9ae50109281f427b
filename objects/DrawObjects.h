// How the document reaches the objects it holds. Its list mixes the two object hierarchies, box
// objects (CBaseObj) and line objects (CPolyObj); like every container it tests an object's class
// and calls the matching interface. These functions are the one place that does so for the
// document, its undo records and its clean-ups.
#pragma once

#include "platform/afx/Object.h"

class CBaseObj;
class CPolyObj;

namespace DrawObjects {

// The box object, or null for any other class.
CBaseObj* AsBoxObject(CObject* object);
const CBaseObj* AsBoxObject(const CObject* object);
// The line object, or null for any other class.
CPolyObj* AsLineObject(CObject* object);
const CPolyObj* AsLineObject(const CObject* object);
// TRUE for a box or a line object: the classes a document manages.
BOOL IsDrawObject(const CObject* object);
// TRUE for the class of a box or a line object, so a loader can refuse others before creating one.
BOOL IsDrawObjectClass(const CRuntimeClass* runtimeClass);
// The object id of a box or line object; 0 for null and any other class.
WORD GetObjectId(const CObject* object);
// The CanDelete flag of a box or line object; TRUE for anything else.
BOOL GetCanDelete(const CObject* object);
// Destroys an object the caller owns: a box or line object through its own DestroyObject (a group
// takes its members with it), anything else by plain deletion. Null is ignored.
void Destroy(CObject* object);
// A deep copy of a box or line object with every field, the object id included; null when the
// class cannot be copied.
CObject* Clone(const CObject* object);

} // namespace DrawObjects
