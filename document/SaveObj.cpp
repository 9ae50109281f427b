#include "document/SaveObj.h"

#include "objects/DrawObjects.h"

IMPLEMENT_DYNCREATE(CSaveObj, CObject)

CSaveObj::CSaveObj(WORD kind, WORD objectId, CObject* object, WORD secondId)
    : m_wKind(kind), m_wObjectId(objectId), m_pObject(object), m_wSecondId(secondId)
{
}

CSaveObj::~CSaveObj()
{
    DrawObjects::Destroy(m_pObject);
}

WORD CSaveObj::GetHeldObjectId() const
{
    return DrawObjects::GetObjectId(m_pObject);
}

void CSaveObj::Reset(WORD kind, WORD objectId, CObject* object, WORD secondId)
{
    m_wKind = kind;
    m_wObjectId = objectId;
    m_pObject = object;
    m_wSecondId = secondId;
}
