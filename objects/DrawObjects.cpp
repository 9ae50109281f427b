#include "objects/DrawObjects.h"

#include "objects/ArcObj.h"
#include "objects/BaseObj.h"
#include "objects/CnctObj.h"
#include "objects/DiamondObj.h"
#include "objects/EcntsObj.h"
#include "objects/ElliObj.h"
#include "objects/FarcObj.h"
#include "objects/OleDrawObj.h"
#include "objects/GroupObj.h"
#include "objects/NoteObj.h"
#include "objects/PolyObj.h"
#include "objects/PolygonObj.h"
#include "objects/RectObj.h"
#include "objects/StrgObj.h"
#include "platform/afx/Archive.h"
#include "platform/afx/Exception.h"
#include "platform/afx/List.h"

#include <memory>

#include <vector>

namespace drawobjects {

struct RegisteredClone
{
    const CRuntimeClass* runtimeClass;
    DrawObjects::CloneFunction clone;
};

std::vector<RegisteredClone>& RegisteredClones()
{
    static std::vector<RegisteredClone> clones;
    return clones;
}

} // namespace drawobjects

namespace DrawObjects {

CBaseObj* AsBoxObject(CObject* object)
{
    return DYNAMIC_DOWNCAST(CBaseObj, object);
}

const CBaseObj* AsBoxObject(const CObject* object)
{
    return DYNAMIC_DOWNCAST(CBaseObj, object);
}

CPolyObj* AsLineObject(CObject* object)
{
    return DYNAMIC_DOWNCAST(CPolyObj, object);
}

const CPolyObj* AsLineObject(const CObject* object)
{
    return DYNAMIC_DOWNCAST(CPolyObj, object);
}

BOOL IsDrawObject(const CObject* object)
{
    return AsBoxObject(object) != nullptr || AsLineObject(object) != nullptr;
}

BOOL IsDrawObjectClass(const CRuntimeClass* runtimeClass)
{
    return runtimeClass && (runtimeClass->IsDerivedFrom(RUNTIME_CLASS(CBaseObj)) ||
                            runtimeClass->IsDerivedFrom(RUNTIME_CLASS(CPolyObj)));
}

WORD GetObjectId(const CObject* object)
{
    if (const CBaseObj* box = AsBoxObject(object))
        return box->GetObjectId();
    const CPolyObj* line = AsLineObject(object);
    return line ? line->GetObjectId() : 0;
}

BOOL GetCanDelete(const CObject* object)
{
    if (const CBaseObj* box = AsBoxObject(object))
        return box->GetCanDelete();
    const CPolyObj* line = AsLineObject(object);
    return line ? line->GetCanDelete() : TRUE;
}

void Destroy(CObject* object)
{
    if (CBaseObj* box = AsBoxObject(object))
        box->DestroyObject();
    else if (CPolyObj* line = AsLineObject(object))
        line->DestroyObject();
    else
        delete object;
}

CObject* Clone(const CObject* object)
{
    // Each class is copied by its exact class, so that no subclass is cut down.
    if (!object)
        return nullptr;
    const CRuntimeClass* runtimeClass = object->GetRuntimeClass();
    if (runtimeClass == RUNTIME_CLASS(CGroupObj)) {
        try {
            return new CGroupObj(*static_cast<const CGroupObj*>(object));
        } catch (const CNotSupportedException&) {
            return nullptr; // a member that cannot be copied
        } catch (const CUserException&) {
            return nullptr; // the user has been told
        }
    }
    if (runtimeClass == RUNTIME_CLASS(CRectObj))
        return new CRectObj(*static_cast<const CRectObj*>(object));
    if (runtimeClass == RUNTIME_CLASS(CElliObj))
        return new CElliObj(*static_cast<const CElliObj*>(object));
    if (runtimeClass == RUNTIME_CLASS(CArcObj))
        return new CArcObj(*static_cast<const CArcObj*>(object));
    if (runtimeClass == RUNTIME_CLASS(CFarcObj))
        return new CFarcObj(*static_cast<const CFarcObj*>(object));
    if (runtimeClass == RUNTIME_CLASS(CCnctObj))
        return new CCnctObj(*static_cast<const CCnctObj*>(object));
    if (runtimeClass == RUNTIME_CLASS(CDiamondObj))
        return new CDiamondObj(*static_cast<const CDiamondObj*>(object));
    if (runtimeClass == RUNTIME_CLASS(CPolygonObj))
        return new CPolygonObj(*static_cast<const CPolygonObj*>(object));
    if (runtimeClass == RUNTIME_CLASS(CStrgObj))
        return new CStrgObj(*static_cast<const CStrgObj*>(object));
    if (runtimeClass == RUNTIME_CLASS(COleDrawObj))
        return new COleDrawObj(*static_cast<const COleDrawObj*>(object));
    if (runtimeClass == RUNTIME_CLASS(CNoteObj))
        return new CNoteObj(*static_cast<const CNoteObj*>(object));
    if (runtimeClass == RUNTIME_CLASS(CEcntsObj))
        return new CEcntsObj(*static_cast<const CEcntsObj*>(object));
    if (runtimeClass == RUNTIME_CLASS(CBaseObj))
        return new CBaseObj(*static_cast<const CBaseObj*>(object));
    if (runtimeClass == RUNTIME_CLASS(CPolyObj))
        return new CPolyObj(*static_cast<const CPolyObj*>(object));
    for (const drawobjects::RegisteredClone& registered : drawobjects::RegisteredClones())
        if (registered.runtimeClass == runtimeClass)
            return registered.clone(object);
    return nullptr;
}

void SetCanDelete(CObject* object, BOOL canDelete)
{
    if (CBaseObj* box = AsBoxObject(object))
        box->SetCanDelete(canDelete);
    else if (CPolyObj* line = AsLineObject(object))
        line->SetCanDelete(canDelete);
}

void ReadObjectList(CArchive& ar, CObList& list)
{
    // The list owns its objects, so a reference back to an object read before (which has its
    // owner) is refused.
    for (DWORD_PTR count = ar.ReadCount(); count > 0; --count) {
        std::unique_ptr<CObject> object = ar.ReadNewObject(RUNTIME_CLASS(CObject), &IsDrawObjectClass);
        list.AddTail(object.get());
        object.release();
    }
}

void RegisterClone(const CRuntimeClass* runtimeClass, CloneFunction clone)
{
    for (drawobjects::RegisteredClone& registered : drawobjects::RegisteredClones())
        if (registered.runtimeClass == runtimeClass) {
            registered.clone = clone;
            return;
        }
    drawobjects::RegisteredClones().push_back({runtimeClass, clone});
}

// --- The view's operations ----------------------------------------------------------------------

void Draw(CObject* object, CDC* pDC, int zoom, BOOL withHandles, BOOL printMode, const LOGFONT* font,
          DWORD displayOptions, CBaseDoc* document)
{
    if (CBaseObj* box = AsBoxObject(object))
        box->Draw(pDC, zoom, withHandles, printMode, font, displayOptions, document);
    else if (CPolyObj* line = AsLineObject(object))
        line->Draw(pDC, zoom, withHandles, printMode, font, displayOptions, document);
}

void DrawHandles(CObject* object, CDC* pDC, int zoom, BOOL printMode)
{
    if (CBaseObj* box = AsBoxObject(object))
        box->DrawHandles(pDC, zoom, printMode);
    else if (CPolyObj* line = AsLineObject(object))
        line->DrawHandles(pDC, zoom, printMode);
}

void DrawDragOutline(CObject* object, CDC* pDC, int zoom, SIZE offset, DWORD hitCode, DWORD index, BOOL printMode)
{
    CBaseObj* box = AsBoxObject(object);
    CPolyObj* line = box ? nullptr : AsLineObject(object);
    if (hitCode & HIT_BODY) {
        if (box)
            box->DrawMoveTracker(pDC, zoom, offset, hitCode, printMode);
        else if (line)
            line->DrawMoveTracker(pDC, zoom, offset, hitCode, printMode);
    } else if (hitCode & HIT_HANDLE) {
        if (box)
            box->DrawResizeTracker(pDC, zoom, offset, hitCode, printMode);
        else if (line)
            line->DrawResizeTracker(pDC, zoom, offset, hitCode, printMode);
    } else if (hitCode & HIT_SHAPE_HANDLE) {
        if (box)
            box->DrawHandleDragTracker(pDC, zoom, offset, hitCode, index, printMode);
        else if (line)
            line->DrawHandleDragTracker(pDC, zoom, offset, hitCode, index, printMode);
    }
}

BOOL HitTest(const CObject* object, POINT point, int tolerance, BOOL printMode, BOOL outlineOnly)
{
    if (const CBaseObj* box = AsBoxObject(object))
        return box->HitTest(point, tolerance, printMode, outlineOnly);
    const CPolyObj* line = AsLineObject(object);
    return line && line->HitTest(point, tolerance, printMode, outlineOnly);
}

BOOL HitTestHandles(const CObject* object, int zoom, POINT point, UINT keyFlags, int tolerance, DWORD& hitCode,
                    DWORD& index, CPoint& handlePoint, BOOL printMode)
{
    if (const CBaseObj* box = AsBoxObject(object))
        return box->HitTestHandles(zoom, point, keyFlags, tolerance, hitCode, index, handlePoint, printMode);
    const CPolyObj* line = AsLineObject(object);
    return line && line->HitTestHandles(zoom, point, keyFlags, tolerance, hitCode, index, handlePoint, printMode);
}

BOOL IsInsideRect(const CObject* object, const CRect& rect, BOOL printMode)
{
    if (const CBaseObj* box = AsBoxObject(object))
        return box->IsInsideRect(rect, printMode);
    const CPolyObj* line = AsLineObject(object);
    return line && line->IsInsideRect(rect, printMode);
}

BOOL GetVisibleRect(const CObject* object, CRect& rect, BOOL printMode)
{
    rect.SetRectEmpty();
    if (const CBaseObj* box = AsBoxObject(object))
        box->GetVisibleRect(rect, printMode);
    else if (const CPolyObj* line = AsLineObject(object))
        line->GetVisibleRect(rect, printMode);
    else
        return FALSE;
    return TRUE;
}

BOOL GetRedrawRect(const CObject* object, CRect& rect, int zoom, BOOL printMode, BOOL full)
{
    rect.SetRectEmpty();
    if (const CBaseObj* box = AsBoxObject(object)) {
        if (full)
            box->GetFullRedrawRect(rect, zoom, printMode);
        else
            box->GetRedrawRect(rect, zoom, printMode);
    } else if (const CPolyObj* line = AsLineObject(object)) {
        if (full)
            line->GetFullRedrawRect(rect, zoom);
        else
            line->GetRedrawRect(rect, zoom, printMode);
    } else {
        return FALSE;
    }
    return TRUE;
}

BOOL GetTypeName(const CObject* object, CString& name)
{
    if (const CBaseObj* box = AsBoxObject(object))
        box->GetTypeName(name);
    else if (const CPolyObj* line = AsLineObject(object))
        line->GetTypeName(name);
    else
        return FALSE;
    return TRUE;
}

WORD GetKind(const CObject* object)
{
    if (const CBaseObj* box = AsBoxObject(object))
        return box->GetKind();
    const CPolyObj* line = AsLineObject(object);
    return line ? line->GetKind() : 0;
}

} // namespace DrawObjects

BOOL CloneDrawObject(const CObject* source, CObject*& copy)
{
    if (!source) {
        copy = nullptr;
        return FALSE;
    }
    if (!DrawObjects::IsDrawObject(source))
        return FALSE;
    copy = DrawObjects::Clone(source);
    if (!copy)
        return FALSE;
    DrawObjects::SetCanDelete(copy, TRUE);
    return TRUE;
}
