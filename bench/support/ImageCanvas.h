// A white 2000 x 2000 picture at 96 dpi with a device context on it in 0.1 mm, y up.
#pragma once

#include "platform/gdi/DC.h"

#include <QImage>

struct ImageCanvas
{
    QImage image{2000, 2000, QImage::Format_RGB32};
    CDC dc;

    ImageCanvas()
    {
        image.fill(Qt::white);
        dc.CreateOnDevice(&image);
        dc.SetDeviceCaps(LOGPIXELSX, 96);
        dc.SetDeviceCaps(LOGPIXELSY, 96);
        dc.SetMapMode(MM_LOMETRIC);
    }
};
