#include "model/DocumentNotation.h"

#include "document/BaseDoc.h"
#include "model/FileComp.h"
#include "model/NotationSymbols.h"

int CollectNotationSymbols(const CBaseDoc& document, const CFileComp* file, CNotationSymbols& symbols)
{
    if (file)
        file->CollectNotationSymbols(symbols);
    const CObList* objects = document.GetObjectList();
    for (POSITION pos = objects->GetHeadPosition(); pos && !symbols.IsComplete();) {
        if (const auto* other = DYNAMIC_DOWNCAST(CFileComp, objects->GetNext(pos)))
            other->CollectNotationSymbols(symbols);
    }
    return 1;
}
