#include "platform/gdi/Font.h"

#include "platform/gdi/DC.h"

#include <cstring>

BOOL CFont::CreateFontIndirect(const LOGFONT* logFont)
{
    if (!logFont)
        return FALSE;
    auto data = std::make_shared<FontData>();
    data->log = *logFont;
    data->log.lfFaceName[LF_FACESIZE - 1] = '\0';
    Adopt(std::move(data));
    return TRUE;
}

BOOL CFont::CreatePointFont(int pointSize, LPCTSTR faceName, CDC* dc)
{
    const int dpi = dc ? dc->GetDeviceCaps(LOGPIXELSY) : 96;
    CSize height(0, MulDiv(pointSize, dpi, 720));
    if (dc)
        dc->DPtoLP(&height);
    LOGFONT font{};
    font.lfHeight = -std::abs(height.cy);
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    if (faceName)
        std::strncpy(font.lfFaceName, faceName, LF_FACESIZE - 1);
    return CreateFontIndirect(&font);
}

int CFont::GetLogFont(LOGFONT* logFont) const
{
    const FontData* data = DataAs<FontData>();
    if (!data || !logFont)
        return 0;
    *logFont = data->log;
    return int(sizeof(LOGFONT));
}
