#include "objects/CopyHold.h"

#include "objects/DrawObjects.h"

IMPLEMENT_DYNCREATE(CCopyHold, CObject)

CCopyHold::~CCopyHold()
{
    DrawObjects::Destroy(m_pObject);
}
