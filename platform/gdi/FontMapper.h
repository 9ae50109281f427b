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
// How tall the face's cell (ascent + descent) is for its em. The Windows Japanese faces have cells
// exactly as tall as their em, so that lines of text step by the font's height (boxes are fitted
// to texts counting on it); their IPA stand-ins are drawn within that cell although their own is
// taller. Any other face has the cell of the family that draws it.
double CellRatio(const LOGFONT& font);
// The em height in device pixels: lfHeight < 0 is the character height, > 0 the cell height,
// 0 a default height.
int EmPixels(const LOGFONT& font, const CoordinateMapping& mapping);
// The step from one line of text to the next in the font's own (logical) units, the same on every
// device whatever its pixels round a glyph to: the cell. 0 for a font of the default height.
int LineHeight(const LOGFONT& font);

} // namespace FontMapper
