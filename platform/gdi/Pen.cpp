#include "platform/gdi/Pen.h"

BOOL CPen::CreatePen(int style, int width, COLORREF color)
{
    LOGPEN pen{UINT(style), POINT{width, 0}, color};
    return CreatePenIndirect(&pen);
}

BOOL CPen::CreatePenIndirect(const LOGPEN* logPen)
{
    if (!logPen || (logPen->lopnStyle & PS_STYLE_MASK) > PS_INSIDEFRAME)
        return FALSE;
    auto data = std::make_shared<PenData>();
    data->log = *logPen;
    Adopt(std::move(data));
    return TRUE;
}

int CPen::GetLogPen(LOGPEN* logPen) const
{
    const PenData* data = DataAs<PenData>();
    if (!data || !logPen)
        return 0;
    *logPen = data->log;
    return int(sizeof(LOGPEN));
}
