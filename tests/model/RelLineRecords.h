// Relation-arrow records of older versions, written field by field as those versions wrote them.
#pragma once

#include "model/RelLineObj.h"
#include "objects/StrgObj.h"

#include "tests/model/ArchiveBytes.h"

#include <string>

// The record of a relation arrow (id 12) written before version 1001, as the first object of an
// archive: no points, then the arrow's first four fields only.
inline std::string OldArrowRecord(WORD kind, const std::string& memo, WORD startId = 3, WORD endId = 4)
{
    ArchiveBytes::Bytes b;
    b.W(0xFFFF).W(1).W(11);
    b.data += "CRelLineObj";
    b.W(0);                                                               // no points
    b.W(0).D(0).W(1).W(0).W(1).W(5).D(0xFFFFFF).D(1).W(startId).W(endId); // the line
    b.W(999).W(OBJKIND_RELLINE).W(12).W(1).W(1);                          // version, kind, id, flags
    b.W(kind).W(1).W(1);                                                  // relation kind, main, memo shown
    CStrgObj label(0, CRect(0, 0, 80, -20), memo.c_str());
    return b.data + ArchiveBytes::Store([&](CArchive& ar) { label.Serialize(ar); });
}
