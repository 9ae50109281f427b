#include "model/ReadingOrder.h"

#include "foundation/ErrorReport.h"
#include "objects/BaseObj.h"
#include "objects/DrawObjects.h"
#include "platform/afx/List.h"

namespace {

BOOL ReadsBefore(const CPoint& corner, const CPoint& other)
{
    return corner.y > other.y || (corner.y == other.y && corner.x < other.x);
}

void InsertInReadingOrder(CObList& output, CBaseObj* box)
{
    const CPoint corner = box->GetTopLeft();
    for (POSITION pos = output.GetHeadPosition(); pos; output.GetNext(pos)) {
        if (ReadsBefore(corner, static_cast<CBaseObj*>(output.GetAt(pos))->GetTopLeft())) {
            output.InsertBefore(pos, box);
            return;
        }
    }
    output.AddTail(box);
}

} // namespace

BOOL SortObjectsByPosition(const CObList& input, CObList& output)
{
    output.RemoveAll();
    try {
        for (POSITION pos = input.GetHeadPosition(); pos;)
            if (CBaseObj* box = DrawObjects::AsBoxObject(input.GetNext(pos)))
                InsertInReadingOrder(output, box);
        return TRUE;
    } catch (...) {
        ReportCurrentException(CString(u8"ﾒﾓﾘ不足のため、上右の整列処理ができません。"),
                               CString(u8"予期せぬｴﾗｰのため、上右の整列処理ができません。"));
        output.RemoveAll();
        return FALSE;
    }
}
