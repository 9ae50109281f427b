#include "objects/PointObj.h"

#include "objects/ObjectSupport.h"
#include "platform/afx/Archive.h"

IMPLEMENT_SERIAL(CPointObj, CObject, 1)

void CPointObj::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << LONG(x) << LONG(y);
        return;
    }
    LONG loadedX, loadedY;
    ar >> loadedX >> loadedY;
    x = HoldObjectCoordinate(loadedX);
    y = HoldObjectCoordinate(loadedY);
}
