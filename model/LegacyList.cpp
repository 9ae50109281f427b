#include "model/LegacyList.h"

int DeleteLegacyList(CObList& list)
{
    int deleted = 0;
    while (!list.IsEmpty()) {
        CObject* object = list.RemoveHead();
        if (object) {
            delete object;
            ++deleted;
        }
    }
    return deleted;
}
