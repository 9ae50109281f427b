#include "foundation/Geometry.h"
#include "foundation/Trackers.h"

#include "platform/gdi/DC.h"
#include "platform/gdi/DrawLog.h"

#include <QImage>

#include <gtest/gtest.h>

#include <climits>

#include <functional>
#include <string>
#include <vector>

namespace trackers_test {

constexpr COLORREF kYellow = 0x00FFFF;
constexpr COLORREF kRed = 0x0000FF;

struct Recording
{
    DrawLog log;
    CDC dc;
    Recording() { dc.CreateRecording(&log); }
};

std::vector<std::string> Ops(const DrawLog& log)
{
    std::vector<std::string> ops;
    for (const DrawCall& call : log.calls)
        ops.push_back(call.op);
    return ops;
}

// Every outline of the module, drawn at places that cross each other inside a 300 x 300 picture.
std::vector<std::pair<std::string, std::function<void(CDC*)>>> EveryTracker()
{
    static const POINT polygon[] = {{40, -40}, {500, -90}, {300, -600}, {60, -300}};
    const CRect rect(50, -60, 600, -500);
    return {
        // clang-format off
        {"HandleSquare", [](CDC* dc) { DrawHandleSquare(dc, {100, -100}); }},
        {"RectHandles", [rect](CDC* dc) { DrawRectHandles(dc, rect); }},
        {"PatternHandle", [](CDC* dc) { DrawPatternHandle(dc, {200, -200}, IDB_PATTERN_HANDLE, kYellow); }},
        {"MidpointHandle", [](CDC* dc) { DrawPatternHandle(dc, {210, -190}, IDB_MIDPOINT_HANDLE, kRed); }},
        {"Rect", [rect](CDC* dc) { DrawTrackerRect(dc, rect); }},
        {"RectColor", [rect](CDC* dc) { DrawTrackerRectColor(dc, rect, kYellow); }},
        {"Line", [](CDC* dc) { DrawTrackerLine(dc, 10, -10, 700, -650); }},
        {"LineColor", [](CDC* dc) { DrawTrackerLineColor(dc, 10, -650, 700, -10, kYellow); }},
        {"RoundRect", [rect](CDC* dc) { DrawTrackerRoundRect(dc, rect, CSize(80, -80)); }},
        {"RoundRectColor", [rect](CDC* dc) { DrawTrackerRoundRectColor(dc, rect, CSize(80, -80), kYellow); }},
        {"RoundRectAuto", [rect](CDC* dc) { DrawTrackerRoundRectAuto(dc, rect); }},
        {"Ellipse", [rect](CDC* dc) { DrawTrackerEllipse(dc, rect); }},
        {"EllipseColor", [rect](CDC* dc) { DrawTrackerEllipseColor(dc, rect, kYellow); }},
        {"Arc", [rect](CDC* dc) { DrawTrackerArc(dc, rect, {600, -100}, {100, -450}, 1); }},
        {"Chord", [rect](CDC* dc) { DrawTrackerArcColor(dc, rect, {600, -100}, {100, -450}, 2, kYellow); }},
        {"Pie", [rect](CDC* dc) { DrawTrackerArcColor(dc, rect, {600, -100}, {100, -450}, 3, kYellow); }},
        {"Polygon", [](CDC* dc) { DrawTrackerPolygon(dc, polygon, 4); }},
        {"PolygonColor", [](CDC* dc) { DrawTrackerPolygonColor(dc, polygon, 4, kYellow); }},
        {"PolylineColor", [](CDC* dc) { DrawTrackerPolylineColor(dc, polygon, 4, kYellow); }},
        {"ThinFrame", [rect](CDC* dc) { DrawHatchedFrame(dc, rect, 1); }},
        {"HatchedFrame", [rect](CDC* dc) { DrawHatchedFrame(dc, rect, 6); }},
        // clang-format on
    };
}

} // namespace trackers_test

TEST(Trackers, EveryOutlineDrawnTwiceLeavesThePictureAsItWas)
{
    QImage image(300, 300, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb((x * 7) & 0xFF, (y * 5) & 0xFF, ((x ^ y) * 3) & 0xFF));
    CDC dc;
    ASSERT_TRUE(dc.CreateOnDevice(&image));
    dc.SetDeviceCaps(LOGPIXELSX, 96);
    dc.SetDeviceCaps(LOGPIXELSY, 96);
    dc.SetMapMode(MM_LOMETRIC); // 0.1 mm, y up, as the views draw

    for (const auto& [name, draw] : trackers_test::EveryTracker()) {
        const QImage before = image.copy();
        draw(&dc);
        EXPECT_NE(image, before) << name << " drew nothing";
        draw(&dc);
        EXPECT_EQ(image, before) << name;
    }
}

TEST(Trackers, RectangleHandles)
{
    const struct
    {
        CRect rect;
        std::vector<POINT> centres;
    } cases[] = {
        // clang-format off
        {CRect(0, 0, 6, -6), {{0, 0}}}, // smaller than a handle: one handle
        {CRect(0, 0, 7, -2), {{0, 0}, {7, 0}, {0, -2}, {7, -2}, {0, -1}, {7, -1}, {3, 0}, {3, -2}}},
        {CRect(-10, 40, 30, 0), {{-10, 40}, {30, 40}, {-10, 0}, {30, 0}, {-10, 20}, {30, 20}, {10, 40}, {10, 0}}},
        // clang-format on
        // wider than 32 bits can count
        {CRect(-2000000000, 2000000000, 2000000000, -2000000000),
         {{-2000000000, 2000000000},
          {2000000000, 2000000000},
          {-2000000000, -2000000000},
          {2000000000, -2000000000},
          {-2000000000, 0},
          {2000000000, 0},
          {0, 2000000000},
          {0, -2000000000}}},
    };
    for (const auto& c : cases) {
        trackers_test::Recording rec;
        DrawRectHandles(&rec.dc, c.rect);
        ASSERT_EQ(rec.log.calls.size(), c.centres.size()) << c.rect.right;
        for (std::size_t i = 0; i < c.centres.size(); ++i) {
            const DrawCall& call = rec.log.calls[i];
            const POINT p = c.centres[i];
            EXPECT_EQ(call.op, "Rectangle");
            EXPECT_EQ(call.args, (std::vector<int>{p.x - 7, p.y + 7, p.x + 7, p.y - 7})) << i;
            EXPECT_EQ(call.rop2, R2_XORPEN);
            EXPECT_EQ(call.pen.lopnColor, 0xFFFFFFu);
            EXPECT_EQ(call.brush.lbStyle, BS_SOLID);
            EXPECT_EQ(call.brush.lbColor, 0xFFFFFFu);
        }
    }

    // A handle at the end of the coordinate range is cut there.
    trackers_test::Recording rec;
    DrawRectHandles(&rec.dc, CRect(INT_MAX - 3, INT_MIN + 3, INT_MAX - 3, INT_MIN + 3));
    ASSERT_EQ(rec.log.calls.size(), 1u);
    EXPECT_EQ(rec.log.calls[0].args, (std::vector<int>{INT_MAX - 10, INT_MIN + 10, INT_MAX, INT_MIN}));
}

TEST(Trackers, PatternHandles)
{
    trackers_test::Recording rec;
    DrawPatternHandle(&rec.dc, {20, -30}, IDB_PATTERN_HANDLE, trackers_test::kYellow);
    ASSERT_EQ(rec.log.calls.size(), 1u);
    EXPECT_EQ(rec.log.calls[0].args, (std::vector<int>{13, -23, 27, -37}));
    EXPECT_EQ(rec.log.calls[0].brush.lbStyle, BS_PATTERN);
    EXPECT_EQ(rec.log.calls[0].pen.lopnStyle, UINT(PS_SOLID));
    EXPECT_EQ(rec.log.calls[0].pen.lopnColor, trackers_test::kYellow);
    EXPECT_EQ(rec.log.calls[0].rop2, R2_XORPEN);

    DrawPatternHandle(&rec.dc, {20, -30}, 9999, trackers_test::kYellow); // no such bitmap
    EXPECT_EQ(rec.log.calls.size(), 1u);
}

TEST(Trackers, OutlinePensAndShapes)
{
    trackers_test::Recording rec;
    const CRect rect(0, 0, 100, -40);
    DrawTrackerRect(&rec.dc, rect);
    DrawTrackerRoundRectAuto(&rec.dc, rect); // min(25, -10): -10 both ways
    DrawTrackerRoundRectColor(&rec.dc, rect, CSize(12, -8), trackers_test::kRed);
    for (WORD kind : {0, 1, 2, 3, 4})
        DrawTrackerArc(&rec.dc, rect, {100, 0}, {0, -40}, kind);
    DrawTrackerLine(&rec.dc, 1, 2, 3, 4);

    EXPECT_EQ(trackers_test::Ops(rec.log), (std::vector<std::string>{"Rectangle", "RoundRect", "RoundRect", "Arc",
                                                                     "Arc", "Chord", "Pie", "Arc", "LineTo"}));
    EXPECT_EQ(rec.log.calls[1].args, (std::vector<int>{0, 0, 100, -40, -10, -10}));
    EXPECT_EQ(rec.log.calls[2].args, (std::vector<int>{0, 0, 100, -40, 12, -8}));
    EXPECT_EQ(rec.log.calls[8].args, (std::vector<int>{1, 2, 3, 4}));
    for (const DrawCall& call : rec.log.calls) {
        const bool colored = &call == &rec.log.calls[2];
        EXPECT_EQ(call.pen.lopnStyle, UINT(colored ? PS_SOLID : PS_DOT)) << call.op;
        EXPECT_EQ(call.pen.lopnWidth.x, 0) << call.op;
        EXPECT_EQ(call.pen.lopnColor, colored ? trackers_test::kRed : 0u) << call.op;
        EXPECT_EQ(call.brush.lbStyle, BS_NULL) << call.op;
        EXPECT_EQ(call.rop2, R2_XORPEN) << call.op;
    }

    trackers_test::Recording wide; // a width beyond 32 bits still gives a quarter of it
    DrawTrackerRoundRectAuto(&wide.dc, CRect(-2000000000, 0, 2000000000, -2000000000));
    EXPECT_EQ(wide.log.calls[0].args,
              (std::vector<int>{-2000000000, 0, 2000000000, -2000000000, -500000000, -500000000}));
}

TEST(Trackers, HatchedFrame)
{
    const CRect rect(0, 0, 200, -100);
    trackers_test::Recording thin;
    DrawHatchedFrame(&thin.dc, rect, 2);
    ASSERT_EQ(trackers_test::Ops(thin.log), std::vector<std::string>{"Rectangle"}); // no pattern, no blocks
    EXPECT_EQ(thin.log.calls[0].pen.lopnColor, 0xC0C0C0u);
    EXPECT_EQ(thin.log.calls[0].brush.lbStyle, BS_NULL);

    // The recording device is 271 x 203 mm at 1024 x 768 pixels: 3 pixels span 8 units each way.
    CSize span;
    EXPECT_EQ(PixelSpanInTenthMm(span, &thin.dc, 3), CSize(8, 8));
    EXPECT_EQ(PixelSpanInTenthMm(span, &thin.dc, 0), CSize(1, 1));

    trackers_test::Recording wide;
    DrawHatchedFrame(&wide.dc, rect, 3);
    ASSERT_EQ(wide.log.calls.size(), 4u);
    const std::vector<int> bands[] = {
        // clang-format off
        {0, 0, 200, -8, int(PATINVERT)},
        {0, -92, 200, -8, int(PATINVERT)},
        {0, -8, 8, -84, int(PATINVERT)},
        {192, -8, 8, -84, int(PATINVERT)},
        // clang-format on
    };
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(wide.log.calls[i].op, "PatBlt");
        EXPECT_EQ(wide.log.calls[i].args, bands[i]) << i;
        EXPECT_EQ(wide.log.calls[i].brush.lbStyle, BS_PATTERN);
    }
}

TEST(Trackers, EveryFunctionRestoresTheDeviceContext)
{
    trackers_test::Recording rec;
    CPen pen(PS_DASH, 0, trackers_test::kRed);
    CBrush brush(RGB(1, 2, 3));
    rec.dc.SelectObject(&pen);
    rec.dc.SelectObject(&brush);
    rec.dc.SetROP2(R2_NOTXORPEN);
    for (const auto& [name, draw] : trackers_test::EveryTracker()) {
        draw(&rec.dc);
        EXPECT_EQ(rec.dc.GetROP2(), R2_NOTXORPEN) << name;
        rec.dc.Rectangle(0, 0, 1, 1);
        const DrawCall& probe = rec.log.calls.back();
        EXPECT_EQ(probe.pen.lopnStyle, UINT(PS_DASH)) << name;
        EXPECT_EQ(probe.brush.lbColor, RGB(1, 2, 3)) << name;
    }
    DrawBlackLine(&rec.dc, 0, 0, 10, 10);
    EXPECT_EQ(rec.log.calls[rec.log.calls.size() - 1].pen.lopnColor, 0u);
    rec.dc.Rectangle(0, 0, 1, 1);
    EXPECT_EQ(rec.log.calls.back().pen.lopnStyle, UINT(PS_DASH));
}
