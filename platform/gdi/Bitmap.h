// CBitmap: an image from the resources (bitmaps/<id>.png) or made for a memory device context.
#pragma once

#include "platform/gdi/GdiObject.h"

class CDC;

class CBitmap : public CGdiObject
{
public:
    // Loads the resource bitmap of that id; FALSE when there is none.
    BOOL LoadBitmap(UINT resourceId);
    BOOL CreateCompatibleBitmap(CDC* dc, int width, int height);
    int GetBitmap(BITMAP* info) const;
    // The pixels, for the layers that show bitmaps in widgets; null when empty.
    const QImage* GetImage() const;
};
