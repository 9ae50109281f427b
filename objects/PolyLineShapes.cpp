// The shape operations of a line: cranks, right angles, line break, straightening, the
// self-reference loop, lightning, point adjustment, smoothing, grid moves and the connections.
#include "objects/PolyLine.h"

#include "foundation/CommandIds.h"
#include "foundation/Geometry.h"

#include <cstdlib>

namespace lineshapes {

// How far the line break and the self-reference loop step out from the ends.
constexpr int kStep = 60;

// The four points of a line break between s and e; FALSE when the two coincide.
BOOL CalcLineBreak(CPoint s, CPoint e, std::vector<CPoint>& out)
{
    const int hx = (e.x - s.x) / 2;
    const int hy = (e.y - s.y) / 2;
    if (e.x != s.x && e.y < s.y) {
        const int side = e.x < s.x ? kStep : -kStep; // left and lower, or right and lower
        out = {{s.x + side, s.y}, {s.x + side, s.y + hy}, {e.x - side, s.y + hy}, {e.x - side, e.y}};
    } else if (e.x != s.x && e.y > s.y) {
        out = {{s.x, s.y - kStep}, {s.x + hx, s.y - kStep}, {s.x + hx, e.y + kStep}, {e.x, e.y + kStep}};
    } else if (e.x != s.x) {
        const int side = e.x < s.x ? kStep : -kStep;
        const int rise = e.x < s.x ? -140 : 140;
        out = {{s.x + side, s.y}, {s.x + side, s.y + rise}, {e.x - side, e.y + rise}, {e.x - side, e.y}};
    } else if (e.y != s.y) {
        const int sign = e.y > s.y ? 1 : -1;
        out = {{s.x, s.y - sign * kStep},
               {s.x + sign * 180, s.y - sign * kStep},
               {e.x + sign * 180, e.y + sign * kStep},
               {e.x, e.y + sign * kStep}};
    } else {
        return FALSE;
    }
    return TRUE;
}

// The far end of a straightened line: the last point, or the first point that differs from s
// when the last one does not, or a point 20 to the right when every point is s.
CPoint StraightEnd(const std::vector<CPoint>& points)
{
    const CPoint s = points.front();
    if (points.back() != s)
        return points.back();
    for (const CPoint& p : points) {
        if (p != s)
            return p;
    }
    return CPoint(s.x + 20, s.y);
}

} // namespace lineshapes

BOOL CPolyLine::ApplyShapeOperation(UINT commandId, DWORD argumentA, UINT_PTR argumentB)
{
    switch (commandId) {
    case ID_OP_LINE_ADJUST_POINTS: return AdjustPoints();
    case ID_OP_LINE_SMOOTH: return SmoothLine();
    case ID_OBJ_SNAP_TO_GRID: {
        const CSize offset{int(argumentA), int(argumentB)};
        if (offset == CSize(0, 0))
            return FALSE;
        MoveBy(offset, 0);
        return TRUE;
    }
    case ID_OBJ_PICK_START_CONNECTION:
    case ID_OBJ_PICK_END_CONNECTION: return SetConnection(commandId, WORD(argumentB));
    case ID_OBJ_CLEAR_START_CONNECTION:
    case ID_OBJ_CLEAR_END_CONNECTION: return SetConnection(commandId, 0);
    default: break;
    }
    std::vector<CPoint> points;
    return CalcRebuiltPoints(commandId, points) && ReplacePoints(points);
}

BOOL CPolyLine::SetConnection(UINT commandId, WORD objectId)
{
    // A new or cleared connection is a change of the document, which must then count as modified.
    const BOOL start = commandId == ID_OBJ_PICK_START_CONNECTION || commandId == ID_OBJ_CLEAR_START_CONNECTION;
    const WORD before = start ? m_wStartObjectId : m_wEndObjectId;
    if (start)
        SetStartObjectId(objectId);
    else
        SetEndObjectId(objectId);
    return (start ? m_wStartObjectId : m_wEndObjectId) != before;
}

BOOL CPolyLine::CalcRebuiltPoints(UINT commandId, std::vector<CPoint>& points) const
{
    if (IsEmpty())
        return FALSE;
    const std::vector<CPoint> now = GetPointArray();
    const CPoint s = now.front();
    CPoint e = now.back();
    std::vector<CPoint> middle;
    switch (commandId) {
    case ID_OP_LINE_VERTICAL_CRANK: {
        const int hy = (e.y - s.y) / 2;
        middle = {{s.x, s.y + hy}, {e.x, s.y + hy}};
        break;
    }
    case ID_OP_LINE_HORIZONTAL_CRANK: {
        const int hx = (e.x - s.x) / 2;
        middle = {{s.x + hx, s.y}, {s.x + hx, e.y}};
        break;
    }
    case ID_OP_LINE_RIGHT_ANGLE: middle = {{e.x, s.y}}; break;
    case ID_OP_LINE_REVERSE_RIGHT_ANGLE: middle = {{s.x, e.y}}; break;
    case ID_OP_LINE_LIGHTNING: {
        CPoint a;
        CPoint b;
        CalcLightningPoints(s, e, CSize(20, 20), a, b);
        middle = {a, b};
        break;
    }
    case ID_OP_LINE_BREAK:
        if (!lineshapes::CalcLineBreak(s, e, middle))
            return FALSE;
        break;
    case ID_OP_LINE_STRAIGHTEN:
        if (now.size() == 2)
            return FALSE;
        e = lineshapes::StraightEnd(now);
        break;
    case ID_OP_LINE_SELF_REFERENCE:
        if (now.size() != 2)
            e = lineshapes::StraightEnd(now);
        middle = {{s.x + lineshapes::kStep, s.y}, {s.x + lineshapes::kStep, e.y + 60}, {e.x, e.y + 60}};
        break;
    default: return FALSE;
    }
    points.clear();
    points.push_back(s);
    points.insert(points.end(), middle.begin(), middle.end());
    points.push_back(e);
    return TRUE;
}

BOOL CPolyLine::ReplacePoints(const std::vector<CPoint>& points)
{
    // The new points go after the old ones first, so that a failure takes back only them.
    std::vector<CPoint> all = GetPointArray();
    const INT_PTR oldCount = INT_PTR(all.size());
    all.insert(all.end(), points.begin(), points.end());
    std::vector<INT_PTR> positions;
    for (INT_PTR i = oldCount; i < INT_PTR(all.size()); ++i)
        positions.push_back(i);
    if (!InsertPoints(positions, all))
        return FALSE;
    for (INT_PTR i = 0; i < oldCount; ++i)
        delete RemoveHead();
    return TRUE;
}

BOOL CPolyLine::AdjustPoints()
{
    if (IsEmpty())
        return FALSE;
    const CPointObj* previous = nullptr;
    for (POSITION pos = GetHeadPosition(); pos;) {
        auto* point = static_cast<CPointObj*>(GetNext(pos));
        if (previous) {
            if (std::abs(point->x - previous->x) > std::abs(point->y - previous->y))
                point->y = previous->y;
            else
                point->x = previous->x;
        }
        previous = point;
    }
    return TRUE;
}

BOOL CPolyLine::SmoothLine()
{
    if (GetCount() < 4)
        return FALSE;
    std::vector<CPoint> p = GetPointArray();
    const double dx = p.back().x - p.front().x;
    const double dy = p.back().y - p.front().y;
    const BOOL closed = dx * dx + dy * dy <= 1960.0;
    for (size_t i = 1; i + 1 < p.size(); ++i)
        p[i] = CPoint((p[i - 1].x + p[i + 1].x) / 2, (p[i - 1].y + p[i + 1].y) / 2);
    if (closed) {
        const CPoint second = p[1];
        const CPoint secondLast = p[p.size() - 2];
        p.front() = p.back() = CPoint((second.x + secondLast.x) / 2, (second.y + secondLast.y) / 2);
    }
    size_t i = 0;
    for (POSITION pos = GetHeadPosition(); pos; ++i)
        static_cast<CPoint&>(*static_cast<CPointObj*>(GetNext(pos))) = p[i];
    return TRUE;
}
