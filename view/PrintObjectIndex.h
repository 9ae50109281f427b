// The objects a print job draws, found per page without testing every object on every page: each
// object's printed bounds are worked out once per job and filed in a grid of cells.
#pragma once

#include "platform/afx/Rect.h"

#include <functional>
#include <unordered_map>
#include <vector>

class CObject;

class PrintObjectIndex
{
public:
    // bounds gives an object's printed bounds (y up), or false for an object never drawn; cell is
    // the grid's cell size, about a page.
    PrintObjectIndex(const std::vector<CObject*>& objects, const std::function<bool(CObject*, CRect&)>& bounds,
                     CSize cell);

    // The objects whose bounds meet the clip (y up), in drawing order.
    std::vector<CObject*> ObjectsIn(const CRect& clip) const;

private:
    struct Entry
    {
        CObject* object;
        CRect bounds; // y up
    };
    // Cells run over x and over -y, so that y down orders them as pages do.
    static long long CellKey(int column, int row) { return (static_cast<long long>(column) << 32) ^ unsigned(row); }
    int Column(int x) const;
    int Row(int yUp) const;

    std::vector<Entry> m_entries;
    std::unordered_map<long long, std::vector<int>> m_cells;
    std::vector<int> m_wide; // objects over too many cells to file, tested on every page
    CSize m_cell;
};
