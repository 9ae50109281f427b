// The attributes of a device context that SaveDC keeps and the back ends draw with.
#pragma once

#include "platform/gdi/GdiObjectData.h"
#include "platform/gdi/Mapping.h"

#include <optional>

struct DCState
{
    CoordinateMapping mapping;
    std::shared_ptr<PenData> pen;
    std::shared_ptr<BrushData> brush;
    std::shared_ptr<FontData> font;
    std::shared_ptr<BitmapData> bitmap; // memory device contexts only
    COLORREF textColor = RGB(0, 0, 0);
    COLORREF bkColor = RGB(255, 255, 255);
    int bkMode = OPAQUE;
    int rop2 = R2_COPYPEN;
    int polyFillMode = ALTERNATE;
    UINT textAlign = TA_LEFT | TA_TOP;
    int charExtra = 0;
    CPoint position;
    std::optional<QRegion> clip; // device coordinates; none = the whole device
};
