#include "view/HeaderFontSet.h"

#include "foundation/TextFunctions.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/profile/Profile.h"

#include <cstring>

namespace HeaderFontSetImpl {

constexpr const char* kSection = "Fonts";
// Room of the face name with its terminator.
constexpr int kFaceNameBytes = 32;

} // namespace HeaderFontSetImpl

HeaderFontSet LoadHeaderFontSet()
{
    using HeaderFontSetImpl::kSection;
    HeaderFontSet fonts;
    const CString face = Profile::GetProfileString(kSection, "HeaderFaceName", CString(u8"ＭＳ Ｐゴシック"));
    // A longer name is cut where it fits, never inside a double-byte character.
    MbcsLeftBytes(fonts.faceName, face, HeaderFontSetImpl::kFaceNameBytes - 1);
    const std::pair<const char*, int*> sizes[] = {
        {"DocTypeLarge", &fonts.docTypeLarge},
        {"DocTypeSmall", &fonts.docTypeSmall},
        {"TitleLarge", &fonts.titleLarge},
        {"TitleSmall", &fonts.titleSmall},
        {"ItemLarge", &fonts.itemLarge},
        {"ItemSmall", &fonts.itemSmall},
        {"Note", &fonts.note},
    };
    for (const auto& [key, size] : sizes)
        *size = Profile::GetProfileInt(kSection, key, *size);
    return fonts;
}

LOGFONT MakeHeaderLogFont(const HeaderFontSet& fonts, int height)
{
    LOGFONT font{};
    font.lfHeight = height;
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = SHIFTJIS_CHARSET;
    font.lfOutPrecision = 3;
    font.lfClipPrecision = 2;
    font.lfQuality = 1;
    font.lfPitchAndFamily = 0x34;
    std::strncpy(font.lfFaceName, fonts.faceName, sizeof(font.lfFaceName) - 1);
    return font;
}
