// Vector outputs (PDF, SVG) write a new graphics state for every change of pen, brush or painter
// state, so the drawing layer must hand the painter only what changed.
#include "platform/gdi/DC.h"

#include <QPaintDevice>
#include <QPaintEngine>

#include <gtest/gtest.h>

namespace StateChangeTestImpl {

// A paint engine that counts the state changes it is told of and draws nothing.
class CountingEngine : public QPaintEngine
{
public:
    CountingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState& state) override
    {
        const QPaintEngine::DirtyFlags flags = state.state();
        if (flags & (DirtyPen | DirtyBrush | DirtyBackgroundMode | DirtyCompositionMode | DirtyFont))
            ++changes;
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawRects(const QRect*, int count) override { shapes += count; }
    void drawRects(const QRectF*, int count) override { shapes += count; }
    void drawLines(const QLine*, int count) override { shapes += count; }
    void drawLines(const QLineF*, int count) override { shapes += count; }
    Type type() const override { return QPaintEngine::User; }

    int changes = 0;
    int shapes = 0;
};

class CountingDevice : public QPaintDevice
{
public:
    QPaintEngine* paintEngine() const override { return &engine; }
    mutable CountingEngine engine;

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
        case PdmHeight: return 1000;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY: return 96;
        case PdmDepth: return 32;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return int(QPaintDevice::devicePixelRatioFScale());
        default: return 1000;
        }
    }
};

} // namespace StateChangeTestImpl

TEST(StateChanges, RepeatedShapesWithTheSameToolsChangeNoState)
{
    using StateChangeTestImpl::CountingDevice;
    CountingDevice device;
    int changes = 0;
    {
        CDC dc;
        ASSERT_TRUE(dc.CreateOnDevice(&device));
        CPen pen(PS_SOLID, 0, RGB(0, 0, 128));
        CBrush brush(RGB(200, 230, 255));
        dc.SelectObject(&pen);
        dc.SelectObject(&brush);
        for (int i = 0; i < 100; ++i) {
            dc.Rectangle(i, i, i + 50, i + 30);
            dc.MoveTo(i, 0);
            dc.LineTo(i, 40);
        }
        changes = device.engine.changes;
        EXPECT_EQ(device.engine.shapes, 200);
        // Another brush is one change more (and the line's lack of one another).
        CBrush other(RGB(255, 0, 0));
        dc.SelectObject(&other);
        dc.Rectangle(0, 0, 10, 10);
        EXPECT_GT(device.engine.changes, changes);
    }
    // The rectangles switch the brush on and the lines off: a handful at first, not one per shape.
    EXPECT_LE(changes, 6);
}
