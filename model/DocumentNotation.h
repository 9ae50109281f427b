// The item-notation symbols a document writes its conceptual files' item texts with.
#pragma once

#include "platform/afx/WinTypes.h"

class CBaseDoc;
class CFileComp;
class CNotationSymbols;

// Fills the empty symbols from the file's key and data texts (the file may be null), then, while
// the set is not complete, from the document's conceptual files in drawing order. Always 1.
int CollectNotationSymbols(const CBaseDoc& document, const CFileComp* file, CNotationSymbols& symbols);
