// A device context drawing on a QImage at 96 dpi, with pixel probes.
#pragma once

#include "platform/gdi/DC.h"

#include <QImage>

#include <gtest/gtest.h>

class ImageFixture : public ::testing::Test
{
protected:
    void Open(QColor background, int width = 200, int height = 200)
    {
        dc.DeleteDC();
        image = QImage(width, height, QImage::Format_RGB32);
        image.fill(background);
        Attach();
    }
    // A picture in which every pixel differs from its neighbours, so a shape that does not put
    // back exactly what it found shows up.
    void OpenNoise()
    {
        dc.DeleteDC();
        image = QImage(200, 200, QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                image.setPixel(x, y, qRgb((x * 37 + y * 11) & 0xFF, (x * 5 + y * 71) & 0xFF, (x * y + 13) & 0xFF));
        Attach();
    }
    bool IsColor(int x, int y, QColor c) const { return image.pixelColor(x, y) == c; }
    int CountColor(QColor c) const
    {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += image.pixelColor(x, y) == c;
        return n;
    }
    // The smallest rectangle (exclusive right/bottom) around the pixels that are not of colour c.
    QRect Changed(QColor c) const
    {
        QRect box;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y) != c)
                    box |= QRect(x, y, 1, 1);
        return box;
    }

    QImage image;
    CDC dc;

private:
    void Attach()
    {
        ASSERT_TRUE(dc.CreateOnDevice(&image));
        dc.SetDeviceCaps(LOGPIXELSX, 96);
        dc.SetDeviceCaps(LOGPIXELSY, 96);
    }
};
