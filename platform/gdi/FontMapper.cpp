#include "platform/gdi/FontMapper.h"

#include "platform/afx/String.h"

#include <QFontMetricsF>

#include <cmath>
#include <cstdlib>
#include <cstring>

namespace FontMapper {
namespace {

struct Substitution
{
    const char* face;   // UTF-8
    const char* family; // installed family
};

// The Windows Japanese faces and their metric-compatible IPA counterparts; the proportional
// faces map to the proportional IPA fonts.
constexpr Substitution kSubstitutions[] = {
    // clang-format off
    {"ＭＳ Ｐゴシック", "IPAPGothic"}, {"ＭＳ ゴシック", "IPAGothic"}, {"ＭＳ Ｐ明朝", "IPAPMincho"},
    {"ＭＳ 明朝", "IPAMincho"},        {"MS PGothic", "IPAPGothic"},  {"MS Gothic", "IPAGothic"},
    {"MS PMincho", "IPAPMincho"},      {"MS Mincho", "IPAMincho"},    {"MS UI Gothic", "IPAPGothic"},
    {"ＭＳ ＵＩ ゴシック", "IPAPGothic"}, {"System", "IPAGothic"},     {"", "IPAPGothic"},
    // clang-format on
};

constexpr int kDefaultCellPixels = 16;

QString FaceOf(const LOGFONT& font)
{
    return ToQString(CString(font.lfFaceName, int(strnlen(font.lfFaceName, LF_FACESIZE))));
}

const Substitution* SubstitutionFor(const LOGFONT& font)
{
    const QString face = FaceOf(font);
    for (const Substitution& s : kSubstitutions)
        if (face == QString::fromUtf8(s.face))
            return &s;
    return nullptr;
}

} // namespace

QStringList SubstitutedFaces()
{
    QStringList faces;
    for (const Substitution& s : kSubstitutions) {
        const QString face = QString::fromUtf8(s.face);
        // The ASCII aliases and the system face name the same fonts again.
        if (!face.isEmpty() && face.at(0).unicode() >= 0x80)
            faces << face;
    }
    return faces;
}

QString ResolveFamily(const LOGFONT& font)
{
    const Substitution* s = SubstitutionFor(font);
    return s ? QString::fromLatin1(s->family) : FaceOf(font);
}

QFont ToQFont(const LOGFONT& font, int emPixels)
{
    QFont result;
    // The IPA font as a fallback keeps Japanese text legible in a Latin face.
    result.setFamilies({ResolveFamily(font), QStringLiteral("IPAPGothic")});
    result.setPixelSize(std::max(1, emPixels));
    const int weight = font.lfWeight == FW_DONTCARE ? FW_NORMAL : std::clamp(int(font.lfWeight), 1, 1000);
    result.setWeight(QFont::Weight(weight));
    result.setItalic(font.lfItalic != 0);
    result.setUnderline(font.lfUnderline != 0);
    result.setStrikeOut(font.lfStrikeOut != 0);
    result.setHintingPreference(QFont::PreferFullHinting);
    result.setKerning(false);
    return result;
}

double CellRatio(const LOGFONT& font)
{
    if (SubstitutionFor(font))
        return 1.0;
    constexpr int reference = 100;
    const QFontMetricsF metrics(ToQFont(font, reference));
    const double ratio = (metrics.ascent() + metrics.descent()) / reference;
    return ratio > 0 ? ratio : 1.0;
}

int EmPixels(const LOGFONT& font, const CoordinateMapping& mapping)
{
    if (font.lfHeight < 0)
        return mapping.LengthToDeviceY(font.lfHeight);
    const int cell = font.lfHeight > 0 ? mapping.LengthToDeviceY(font.lfHeight) : kDefaultCellPixels;
    return std::max(1, int(std::lround(cell / CellRatio(font))));
}

int LineHeight(const LOGFONT& font)
{
    if (font.lfHeight >= 0)
        return font.lfHeight;
    return int(std::lround(std::abs(double(font.lfHeight)) * CellRatio(font)));
}

} // namespace FontMapper
