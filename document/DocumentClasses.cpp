#include "document/DocumentClasses.h"

#include "document/OleObjectPolicy.h"
#include "document/RefDoc.h"
#include "document/RefDocList.h"
#include "objects/BaseObj.h"
#include "objects/PointObj.h"
#include "objects/PolyLine.h"
#include "objects/PolyObj.h"
#include "objects/RectObj.h"
#include "objects/StrgObj.h"

void RegisterDocumentClasses()
{
    AfxRegisterClass(RUNTIME_CLASS(CBaseObj));
    AfxRegisterClass(RUNTIME_CLASS(CRectObj));
    AfxRegisterClass(RUNTIME_CLASS(CStrgObj));
    AfxRegisterClass(RUNTIME_CLASS(CPointObj));
    AfxRegisterClass(RUNTIME_CLASS(CPolyLine));
    AfxRegisterClass(RUNTIME_CLASS(CPolyObj));
    AfxRegisterClass(RUNTIME_CLASS(CRefDoc));
    AfxRegisterClass(RUNTIME_CLASS(CRefDocList));
    OleObjectPolicy::RegisterRecordReaders();
}
