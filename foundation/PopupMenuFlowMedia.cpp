#include "foundation/PopupMenuFlowMedia.h"

#include "foundation/CommandIds.h"
#include "foundation/FlowMediaSymbols.h"
#include "foundation/SymbolMenuItem.h"
#include "foundation/SymbolPrimitives.h"

#include "platform/gdi/DC.h"

void CPopupMenuFlowMedia::BuildMediaMenu()
{
    BuildSymbolMenu(*this, ID_FLOW_MEDIA_BASE, ValidSymbolKinds(FLOW_MEDIA_KIND_COUNT));
}

void CPopupMenuFlowMedia::MeasureItem(MEASUREITEMSTRUCT* item)
{
    MeasureSymbolMenuItem(item);
}

void CPopupMenuFlowMedia::DrawItem(DRAWITEMSTRUCT* item)
{
    const WORD kind = WORD(item->itemData);
    PaintSymbolMenuItem(*item, GetFlowMediaName(kind), [kind](CDC& dc, int zoom, POINT origin, SIZE size) {
        LOGFONT font;
        InitDefaultLogFont(font);
        DrawFlowMediaSymbol(&dc, zoom, {}, origin, size, kind, FALSE, 0, 0, font, 0, 0, 0);
    });
}
