#include "view/PrintObjectIndex.h"

#include "view/ViewGeometry.h"

#include <algorithm>
#include <cmath>

namespace {

// An object over more cells than this is tested on every page instead.
constexpr long long kMostCells = 64;

int FloorDiv(long long value, long long step)
{
    return int(value >= 0 ? value / step : -((-value + step - 1) / step));
}

} // namespace

PrintObjectIndex::PrintObjectIndex(const std::vector<CObject*>& objects,
                                   const std::function<bool(CObject*, CRect&)>& bounds, CSize cell)
    : m_cell(std::max(1L, long(std::abs(cell.cx))), std::max(1L, long(std::abs(cell.cy))))
{
    for (CObject* object : objects) {
        CRect rect;
        if (!bounds(object, rect))
            continue;
        const int index = int(m_entries.size());
        m_entries.push_back({object, rect});
        const int left = Column(std::min(rect.left, rect.right)), right = Column(std::max(rect.left, rect.right));
        const int top = Row(std::max(rect.top, rect.bottom)), bottom = Row(std::min(rect.top, rect.bottom));
        if (static_cast<long long>(right - left + 1) * (bottom - top + 1) > kMostCells) {
            m_wide.push_back(index);
            continue;
        }
        for (int row = top; row <= bottom; ++row)
            for (int column = left; column <= right; ++column)
                m_cells[CellKey(column, row)].push_back(index);
    }
}

int PrintObjectIndex::Column(int x) const
{
    return FloorDiv(x, m_cell.cx);
}

int PrintObjectIndex::Row(int yUp) const
{
    return FloorDiv(-static_cast<long long>(yUp), m_cell.cy);
}

std::vector<CObject*> PrintObjectIndex::ObjectsIn(const CRect& clip) const
{
    std::vector<int> found = m_wide;
    const int left = Column(std::min(clip.left, clip.right)), right = Column(std::max(clip.left, clip.right));
    const int top = Row(std::max(clip.top, clip.bottom)), bottom = Row(std::min(clip.top, clip.bottom));
    if (static_cast<long long>(right - left + 1) * (bottom - top + 1) > static_cast<long long>(m_cells.size())) {
        // A clip over more cells than are filled: every object is a candidate.
        found.resize(m_entries.size());
        for (std::size_t i = 0; i < found.size(); ++i)
            found[i] = int(i);
    } else
        for (int row = top; row <= bottom; ++row)
            for (int column = left; column <= right; ++column) {
                const auto cell = m_cells.find(CellKey(column, row));
                if (cell != m_cells.end())
                    found.insert(found.end(), cell->second.begin(), cell->second.end());
            }
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    std::vector<CObject*> objects;
    for (int index : found)
        if (ViewGeometry::RectsIntersectAbsY(m_entries[std::size_t(index)].bounds, clip))
            objects.push_back(m_entries[std::size_t(index)].object);
    return objects;
}
