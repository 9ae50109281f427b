// How the document reaches the objects it holds. Its list mixes the two object hierarchies, box
// objects (CBaseObj) and line objects (CPolyObj); like every container it tests an object's class
// and calls the matching interface. These functions are the one place that does so for the
// document, its undo records and its clean-ups.
#pragma once

#include "platform/afx/Object.h"
#include "platform/afx/Rect.h"
#include "platform/afx/String.h"
#include "platform/gdi/GdiTypes.h"

class CBaseObj;
class CBaseDoc;
class CArchive;
class CDC;
class CObList;
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
// A deep copy of a box or line object with every field, the object id and the CanDelete flag
// included; null when the class cannot be copied (or a group holds a member that cannot). Undo
// records keep these exact copies; everything else copies through CloneDrawObject.
CObject* Clone(const CObject* object);
// Sets the CanDelete flag of a box or line object (a group passes it on to its members).
void SetCanDelete(CObject* object, BOOL canDelete);
// Reads an object list that owns its objects (a count, then each object by class and schema):
// only drawing objects are admitted, each created by its own read. On an exception the objects
// read so far stay in the list for the caller to destroy.
void ReadObjectList(CArchive& ar, CObList& list);
// The copy of a class that lives above this layer (the data model's objects); registered once at
// start-up, it is what Clone uses for exactly that class.
using CloneFunction = CObject* (*)(const CObject* object);
void RegisterClone(const CRuntimeClass* runtimeClass, CloneFunction clone);


// The view's operations on a box or a line object, each forwarded to the object's own; for any
// other class they do nothing and answer FALSE, 0 or an empty rectangle.
void Draw(CObject* object, CDC* pDC, int zoom, BOOL withHandles, BOOL printMode, const LOGFONT* font,
          DWORD displayOptions, CBaseDoc* document);
void DrawHandles(CObject* object, CDC* pDC, int zoom, BOOL printMode);
// The outline of a move (HIT_BODY), a resize (HIT_HANDLE) or a handle drag (HIT_SHAPE_HANDLE).
void DrawDragOutline(CObject* object, CDC* pDC, int zoom, SIZE offset, DWORD hitCode, DWORD index, BOOL printMode);
BOOL HitTest(const CObject* object, POINT point, int tolerance, BOOL printMode, BOOL outlineOnly);
BOOL HitTestHandles(const CObject* object, int zoom, POINT point, UINT keyFlags, int tolerance, DWORD& hitCode,
                    DWORD& index, CPoint& handlePoint, BOOL printMode);
BOOL IsInsideRect(const CObject* object, const CRect& rect, BOOL printMode);
BOOL GetVisibleRect(const CObject* object, CRect& rect, BOOL printMode);
// The repaint area in this mode, or (full) whatever the mode.
BOOL GetRedrawRect(const CObject* object, CRect& rect, int zoom, BOOL printMode, BOOL full);
BOOL GetTypeName(const CObject* object, CString& name);
WORD GetKind(const CObject* object);

} // namespace DrawObjects

// The one copy of a drawing object that enters a document: every field of the source, its object
// id included, and always deletable. FALSE (copy null) for null, for a class that cannot be copied
// and for a group with such a member; FALSE with the copy untouched for an object that is no
// drawing object. Running out of memory throws.
BOOL CloneDrawObject(const CObject* source, CObject*& copy);
