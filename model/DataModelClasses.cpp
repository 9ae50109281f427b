#include "model/DataModelClasses.h"

#include "model/ComplexItem.h"

void RegisterDataModelClasses()
{
    AfxRegisterClass(RUNTIME_CLASS(CComplexItem));
}
