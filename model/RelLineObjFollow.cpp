// CRelLineObj: how a relation arrow follows the files at its ends as they move and are resized.
#include "model/RelLineObj.h"

#include "objects/PointObj.h"

DWORD CRelLineObj::GetFollowRules() const
{
    DWORD rules = FOLLOW_KEEPS_SIDE_CROSSING;
    if (m_wRelKind == KIND_SUBSTRUCTURE)
        rules |= FOLLOW_START_LEVEL_WITH_END;
    if (m_wStartObjectId != 0 && IsSelfReference())
        rules |= FOLLOW_SELF_REFERENCE;
    return rules;
}

void CRelLineObj::MoveSelfReferenceEnds(SIZE startOffset, SIZE endOffset)
{
    const INT_PTR count = GetCount();
    if (count == 0)
        return;
    const CPoint oldStart = GetStartPoint(), oldEnd = GetEndPoint();
    if (count == 5) {
        *GetPointObjAt(0) += startOffset;
        *GetPointObjAt(1) += startOffset;
        *GetPointObjAt(2) += CSize(startOffset.cx, endOffset.cy);
        *GetPointObjAt(3) += endOffset;
        *GetPointObjAt(4) += endOffset;
    } else {
        // A self-reference drawn elsewhere with another number of points: its ends keep to the
        // box and the points between stay.
        *GetPointObjAt(0) += startOffset;
        if (count > 1)
            *GetPointObjAt(count - 1) += endOffset;
    }
    RepositionLabels(oldStart, oldEnd);
}
