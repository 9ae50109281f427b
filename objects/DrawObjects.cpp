#include "objects/DrawObjects.h"

#include "objects/BaseObj.h"
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

CPolyObj* AsLineObject(CObject*)
{
    // Line objects join here, with a branch in each function below, when their classes exist.
    return nullptr;
}

BOOL IsDrawObject(const CObject* object)
{
    return AsBoxObject(object) != nullptr;
}

BOOL IsDrawObjectClass(const CRuntimeClass* runtimeClass)
{
    return runtimeClass && runtimeClass->IsDerivedFrom(RUNTIME_CLASS(CBaseObj));
}

WORD GetObjectId(const CObject* object)
{
    const CBaseObj* box = AsBoxObject(object);
    return box ? box->GetObjectId() : 0;
}

BOOL GetCanDelete(const CObject* object)
{
    const CBaseObj* box = AsBoxObject(object);
    return box ? box->GetCanDelete() : TRUE;
}

void Destroy(CObject* object)
{
    if (CBaseObj* box = AsBoxObject(object))
        box->DestroyObject();
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
    return nullptr;
}

} // namespace DrawObjects
