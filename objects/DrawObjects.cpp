#include "objects/DrawObjects.h"

#include "objects/ArcObj.h"
#include "objects/BaseObj.h"
#include "objects/CnctObj.h"
#include "objects/DiamondObj.h"
#include "objects/ElliObj.h"
#include "objects/FarcObj.h"
#include "objects/PolyObj.h"
#include "objects/PolygonObj.h"
#include "objects/RectObj.h"
#include "objects/StrgObj.h"

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
    // The copy by class of every drawing class comes with the copy buffer; until then the classes
    // that exist are copied here, each by its exact class so that no subclass is cut down.
    if (!object)
        return nullptr;
    const CRuntimeClass* runtimeClass = object->GetRuntimeClass();
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
    if (runtimeClass == RUNTIME_CLASS(CBaseObj))
        return new CBaseObj(*static_cast<const CBaseObj*>(object));
    if (runtimeClass == RUNTIME_CLASS(CPolyObj))
        return new CPolyObj(*static_cast<const CPolyObj*>(object));
    for (const drawobjects::RegisteredClone& registered : drawobjects::RegisteredClones())
        if (registered.runtimeClass == runtimeClass)
            return registered.clone(object);
    return nullptr;
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
