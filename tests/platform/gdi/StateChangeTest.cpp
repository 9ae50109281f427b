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
        if (flags & (DirtyClipRegion | DirtyClipPath | DirtyClipEnabled))
            ++clips;
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawTextItem(const QPointF&, const QTextItem&) override { ++texts; }
    void drawRects(const QRect*, int count) override { shapes += count; }
    void drawRects(const QRectF*, int count) override { shapes += count; }
    void drawLines(const QLine*, int count) override { shapes += count; }
    void drawLines(const QLineF*, int count) override { shapes += count; }
    Type type() const override { return QPaintEngine::User; }

    int changes = 0;
    int shapes = 0;
    int texts = 0;
    int clips = 0;
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

// Labels in one font and colour are one graphics state for a vector output, not one per string;
// a label that fits its box is not clipped.
TEST(StateChanges, LabelsInOneFontAndColourChangeStateOnlyWhenTheFontOrColourDoes)
{
    using StateChangeTestImpl::CountingDevice;
    CountingDevice device;
    CDC dc;
    ASSERT_TRUE(dc.CreateOnDevice(&device));
    LOGFONT lf{};
    lf.lfHeight = -12;
    CFont font;
    font.CreateFontIndirect(&lf);
    dc.SelectObject(&font);
    dc.SetBkMode(TRANSPARENT);
    CPen pen(PS_SOLID, 0, RGB(0, 0, 128));
    dc.SelectObject(&pen);
    for (int i = 0; i < 50; ++i) {
        CRect box(10, 10 + i * 20, 400, 28 + i * 20);
        dc.DrawText(CString("label"), &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        dc.TextOut(420, 10 + i * 20, CString("text"));
    }
    EXPECT_EQ(device.engine.texts, 100);
    EXPECT_LE(device.engine.changes, 3);
    EXPECT_EQ(device.engine.clips, 0);

    // Each change of colour or font is one change, whatever the number of strings in it.
    const int before = device.engine.changes;
    dc.SetTextColor(RGB(200, 0, 0));
    for (int i = 0; i < 20; ++i)
        dc.TextOut(10, i * 20, CString("red"));
    lf.lfHeight = -20;
    CFont large;
    large.CreateFontIndirect(&lf);
    dc.SelectObject(&large);
    for (int i = 0; i < 20; ++i)
        dc.TextOut(10, i * 20, CString("large"));
    EXPECT_EQ(device.engine.changes - before, 2);

    // A label wider than its box is clipped to it, and the clip goes again after it.
    CRect narrow(0, 0, 5, 20);
    dc.DrawText(CString("a label far wider than its box"), &narrow, DT_LEFT | DT_SINGLELINE);
    EXPECT_GE(device.engine.clips, 1);
}
