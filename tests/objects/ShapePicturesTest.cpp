// A picture of every shape hollow, filled, shadowed and selected, at two zooms, for review.
#include "objects/ArcObj.h"
#include "objects/CnctObj.h"
#include "objects/DiamondObj.h"
#include "objects/ElliObj.h"
#include "objects/FarcObj.h"
#include "objects/PolygonObj.h"
#include "tests/objects/ObjectsTestSupport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>

#include <functional>
#include <iostream>
#include <memory>

namespace {

using ShapeMaker = std::function<std::unique_ptr<CBaseObj>(const CRect&)>;

const ShapeMaker kShapes[] = {
    [](const CRect& r) { return std::make_unique<CElliObj>(1, r); },
    // Quadrant 0 (lower-right quarter) as an arc, quadrant 257 (upper-left quarter) as a pie.
    [](const CRect& r) { return std::make_unique<CArcObj>(1, CPoint(r.right, r.top), CPoint(r.left, r.bottom)); },
    [](const CRect& r) {
        auto arc = std::make_unique<CArcObj>(1, CPoint(r.left, r.bottom), CPoint(r.right, r.top));
        arc->SetArcStyle(ARC_STYLE_PIE);
        return arc;
    },
    [](const CRect& r) { return std::make_unique<CFarcObj>(1, r); },
    [](const CRect& r) { return std::make_unique<CDiamondObj>(1, r); },
    [](const CRect& r) { return std::make_unique<CPolygonObj>(1, r, POLYGON_HEXAGON); },
    [](const CRect& r) { return std::make_unique<CPolygonObj>(1, r, POLYGON_OCTAGON); },
    [](const CRect& r) { return std::make_unique<CCnctObj>(1, r, CONNECTOR_NOTCHED, CONNECTOR_RIGHT); },
    [](const CRect& r) { return std::make_unique<CCnctObj>(1, r, CONNECTOR_PENTAGON, CONNECTOR_UP); },
};

// Columns: hollow, filled, filled with a shadow, selected.
QImage DrawAll(int zoom)
{
    const int cell = 160, rowHeight = 110;
    QImage image(4 * cell * zoom / 100 + 20, int(std::size(kShapes)) * rowHeight * zoom / 100 + 20,
                 QImage::Format_RGB32);
    CDC dc;
    if (!StartReviewPicture(image, dc))
        return image;
    int row = 0;
    for (const ShapeMaker& make : kShapes) {
        for (int column = 0; column < 4; ++column) {
            const int left = 20 + column * cell, top = -20 - row * rowHeight;
            std::unique_ptr<CBaseObj> shape = make(CRect(left, top, left + 120, top - 70));
            shape->SetPenWidth(column == 0 ? 1 : 3);
            shape->SetPenColor(RGB(150, 0, 0));
            shape->SetFill(column > 0);
            shape->SetFillColor(RGB(120, 170, 240));
            shape->SetShadowDepth(column == 2 ? 10 : 0);
            shape->Draw(&dc, zoom, column == 3, TRUE, nullptr, 0, nullptr);
        }
        ++row;
    }
    dc.DeleteDC();
    return image;
}

TEST(ShapePictures, EveryShapeAtFullAndHalfZoom)
{
    for (int zoom : {100, 50}) {
        const QImage image = DrawAll(zoom);
        // The filled ellipse of the second column is filled at its centre.
        const int x = (20 + 160 + 60) * zoom / 100, y = (20 + 35) * zoom / 100;
        EXPECT_EQ(image.pixel(x, y), qRgb(120, 170, 240)) << "zoom " << zoom;
        const QString path = QDir::temp().filePath(QString("zivra-shapes-%1.png").arg(zoom));
        EXPECT_TRUE(image.save(path));
        std::cout << "shapes picture: " << path.toStdString() << std::endl;
    }
}

} // namespace
