#include "platform/gdi/Brush.h"

#include "platform/gdi/Bitmap.h"

BOOL CBrush::CreateSolidBrush(COLORREF color)
{
    LOGBRUSH brush{BS_SOLID, color, 0};
    return CreateBrushIndirect(&brush);
}

BOOL CBrush::CreatePatternBrush(CBitmap* pattern)
{
    const QImage* image = pattern ? pattern->GetImage() : nullptr;
    if (!image)
        return FALSE;
    auto data = std::make_shared<BrushData>();
    data->log = LOGBRUSH{BS_PATTERN, 0, 0};
    data->pattern = *image;
    Adopt(std::move(data));
    return TRUE;
}

BOOL CBrush::CreateBrushIndirect(const LOGBRUSH* logBrush)
{
    if (!logBrush || (logBrush->lbStyle != BS_SOLID && logBrush->lbStyle != BS_NULL))
        return FALSE;
    auto data = std::make_shared<BrushData>();
    data->log = *logBrush;
    Adopt(std::move(data));
    return TRUE;
}

int CBrush::GetLogBrush(LOGBRUSH* logBrush) const
{
    const BrushData* data = DataAs<BrushData>();
    if (!data || !logBrush)
        return 0;
    *logBrush = data->log;
    return int(sizeof(LOGBRUSH));
}
