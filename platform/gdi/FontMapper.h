// Turns a logical font into the QFont that draws it: the face through the substitutions that put
// the IPA fonts in place of the Windows Japanese faces, the height through the mapping.
#pragma once

#include "platform/gdi/GdiTypes.h"
#include "platform/gdi/Mapping.h"

#include <QFont>
#include <QStringList>

namespace FontMapper {

// The Japanese Windows faces that documents name and the substitutions draw, for font lists.
QStringList SubstitutedFaces();
// The family that draws the face ("ＭＳ Ｐゴシック" -> "IPAPGothic"); unknown faces stay as they are.
QString ResolveFamily(const LOGFONT& font);
// The font at a character (em) height in device pixels.
QFont ToQFont(const LOGFONT& font, int emPixels);
// The em height in device pixels: lfHeight < 0 is the character height, > 0 the cell height,
// 0 a default height.
int EmPixels(const LOGFONT& font, const CoordinateMapping& mapping);

} // namespace FontMapper
