// Relation arrows for the tests: an arrow of a kind through given points between two objects.
#pragma once

#include "model/RelLineObj.h"

#include <vector>

// Arrow 9 from object 1 to object 2 unless told otherwise; the points are taken as they are.
inline CRelLineObj MakeArrow(WORD kind, const std::vector<CPoint>& points, WORD startId = 1, WORD endId = 2)
{
    CRelLineObj arrow(9, kind);
    for (const CPoint& p : points)
        arrow.AddPoint(p);
    arrow.SetStartObjectId(startId);
    arrow.SetEndObjectId(endId);
    return arrow;
}
