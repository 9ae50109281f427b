// Fills a document with rectangles 30 × 30 in rows of 200, 40 apart, in one undo step: the load of
// the document and file benchmarks.
#pragma once

#include "document/BaseDoc.h"
#include "document/UndoStep.h"
#include "objects/RectObj.h"

inline void FillDocument(CBaseDoc& doc, int count)
{
    CUndoStep step(&doc);
    for (int i = 0; i < count; ++i) {
        const int x = (i % 200) * 40;
        const int y = -(i / 200) * 40;
        doc.AddObject(new CRectObj(doc.NewObjectId(), CRect(x, y, x + 30, y - 30)));
    }
}
