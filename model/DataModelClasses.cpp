#include "model/DataModelClasses.h"

#include "model/ComplexItem.h"
#include "model/Data.h"
#include "model/DataGenSrc.h"
#include "model/DataGenSrcList.h"
#include "model/DataList.h"

void RegisterDataModelClasses()
{
    AfxRegisterClass(RUNTIME_CLASS(CComplexItem));
    AfxRegisterClass(RUNTIME_CLASS(CData));
    AfxRegisterClass(RUNTIME_CLASS(CDataList));
    AfxRegisterClass(RUNTIME_CLASS(CDataGenSrc));
    AfxRegisterClass(RUNTIME_CLASS(CDataGenSrcList));
}
