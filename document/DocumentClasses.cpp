#include "document/DocumentClasses.h"

#include "document/OleObjectPolicy.h"
#include "document/RefDoc.h"
#include "document/RefDocList.h"
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
#include "objects/PointObj.h"
#include "objects/PolyLine.h"
#include "objects/PolyObj.h"
#include "objects/PolygonObj.h"
#include "objects/RectObj.h"
#include "objects/StrgObj.h"

void RegisterDocumentClasses()
{
    AfxRegisterClass(RUNTIME_CLASS(CBaseObj));
    AfxRegisterClass(RUNTIME_CLASS(CRectObj));
    AfxRegisterClass(RUNTIME_CLASS(CElliObj));
    AfxRegisterClass(RUNTIME_CLASS(CArcObj));
    AfxRegisterClass(RUNTIME_CLASS(CFarcObj));
    AfxRegisterClass(RUNTIME_CLASS(CCnctObj));
    AfxRegisterClass(RUNTIME_CLASS(CDiamondObj));
    AfxRegisterClass(RUNTIME_CLASS(CPolygonObj));
    AfxRegisterClass(RUNTIME_CLASS(CStrgObj));
    AfxRegisterClass(RUNTIME_CLASS(COleDrawObj));
    AfxRegisterClass(RUNTIME_CLASS(CGroupObj));
    AfxRegisterClass(RUNTIME_CLASS(CNoteObj));
    AfxRegisterClass(RUNTIME_CLASS(CEcntsObj));
    AfxRegisterClass(RUNTIME_CLASS(CPointObj));
    AfxRegisterClass(RUNTIME_CLASS(CPolyLine));
    AfxRegisterClass(RUNTIME_CLASS(CPolyObj));
    AfxRegisterClass(RUNTIME_CLASS(CRefDoc));
    AfxRegisterClass(RUNTIME_CLASS(CRefDocList));
    OleObjectPolicy::RegisterRecordReaders();
}
