#include "foundation/PopupMenuDataMedia.h"

#include "foundation/CommandIds.h"
#include "foundation/DataMediaSymbols.h"
#include "foundation/SymbolMenuItem.h"
#include "foundation/SymbolPrimitives.h"

#include "platform/gdi/DC.h"


void CPopupMenuDataMedia::BuildMediaMenu()
{
    BuildFromKinds(ValidSymbolKinds(DATA_MEDIA_KIND_COUNT));
}

void CPopupMenuDataMedia::BuildFromKinds(std::span<const WORD> kinds)
{
    BuildSymbolMenu(*this, ID_DATA_MEDIA_BASE, kinds);
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
