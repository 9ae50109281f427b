#include "objects/DrawObjects.h"

#include "objects/BaseObj.h"
#include "objects/PolyObj.h"
#include "objects/RectObj.h"

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
    return runtimeClass &&
           (runtimeClass->IsDerivedFrom(RUNTIME_CLASS(CBaseObj)) || runtimeClass->IsDerivedFrom(RUNTIME_CLASS(CPolyObj)));
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
    if (runtimeClass == RUNTIME_CLASS(CBaseObj))
        return new CBaseObj(*static_cast<const CBaseObj*>(object));
    if (runtimeClass == RUNTIME_CLASS(CPolyObj))
        return new CPolyObj(*static_cast<const CPolyObj*>(object));
    return nullptr;
}

} // namespace DrawObjects
