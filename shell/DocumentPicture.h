// The picture of a whole document as it prints: every object at the document's stored zoom and
// display options, without selection handles. Embedding, image export and the clipboard picture
// all hand this picture on.
#pragma once

#include "platform/afx/Rect.h"

class CBaseDoc;
class CDC;

// The picture's size in 0.01 mm: the document's content extent (0.1 mm) times ten, halved when
// the document holds no objects.
CSize GetDocumentPictureExtent(const CBaseDoc& doc);
// Draws the picture with one logical unit per 0.1 mm of the content extent.
void DrawDocumentPicture(CDC* dc, CBaseDoc& doc);
