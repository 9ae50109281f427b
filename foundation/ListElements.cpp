#include "foundation/ListElements.h"

void DeleteAllElements(CObList& list)
{
    while (!list.IsEmpty())
        delete list.RemoveHead();
}
