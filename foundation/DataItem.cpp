#include "foundation/DataItem.h"

IMPLEMENT_DYNCREATE(CDataItem, CObject)
