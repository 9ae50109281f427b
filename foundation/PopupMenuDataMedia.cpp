#include "foundation/PopupMenuDataMedia.h"

#include "foundation/CommandIds.h"
#include "foundation/DataMediaSymbols.h"
#include "foundation/SymbolMenuItem.h"
#include "foundation/SymbolPrimitives.h"

#include "platform/gdi/DC.h"

#include <numeric>
#include <vector>

void CPopupMenuDataMedia::BuildMediaMenu()
{
    std::vector<WORD> kinds(DATA_MEDIA_KIND_COUNT - 1);
    std::iota(kinds.begin(), kinds.end(), WORD(1));
    BuildFromKinds(kinds);
}

void CPopupMenuDataMedia::BuildFromKinds(std::span<const WORD> kinds)
{
    CreatePopupMenu();
    for (const WORD kind : kinds)
        if (!AppendOwnerDrawItem(ID_DATA_MEDIA_BASE + kind, kind))
            return;
}

void CPopupMenuDataMedia::MeasureItem(MEASUREITEMSTRUCT* item)
{
    MeasureSymbolMenuItem(item);
}

void CPopupMenuDataMedia::DrawItem(DRAWITEMSTRUCT* item)
{
    const WORD kind = WORD(item->itemData);
    PaintSymbolMenuItem(*item, GetDataMediaName(kind), [kind](CDC& dc, int zoom, POINT origin, SIZE size) {
        LOGFONT font;
        InitDefaultLogFont(font);
        DrawDataMediaSymbol(&dc, zoom, "", "", origin, size, kind, FALSE, 0, 0, font, 0);
    });
}
