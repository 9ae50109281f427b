// The rectangle: drawing at any zoom, trackers, the rounding handle and the depth line.
#include "objects/RectObj.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/DrawLog.h"
#include "tests/objects/ObjectsTestSupport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>

#include <iostream>

namespace {

// 400 wide and 100 high: the corner of a rate of 0.25 is 25.
const CRect kWide(100, -100, 500, -200);

CRectObj MakeStyled(BOOL rounded)
{
    CRectObj rect(1, kWide, rounded);
    rect.SetPenWidth(4);
    rect.SetPenColor(RGB(200, 0, 0));
    rect.SetFill(TRUE);
    rect.SetFillColor(RGB(0, 0, 200));
    rect.SetShadowDepth(10);
    rect.SetShadowColor(RGB(130, 130, 130));
    return rect;
}

std::vector<DrawCall> Record(CRectObj& rect, int zoom, BOOL withHandles = FALSE, BOOL printMode = TRUE)
{
    DrawLog log;
    CDC dc;
    dc.CreateRecording(&log);
    rect.Draw(&dc, zoom, withHandles, printMode, nullptr, 0, nullptr);
    return log.calls;
}

TEST(RectDraw, ShadowThenFilledFrameAtEachZoom)
{
    struct Case
    {
        int zoom;
        std::vector<int> shadow, frame; // rectangle and corner size
        UINT penStyle;
        int penWidth;
    };
    const Case cases[] = {
        // 4 x 25 / 100 = 1: a thin pen keeps the stored style; the shadow offset 10 becomes 3.
        // clang-format off
        {25, {28, -28, 128, -53, 6, -6}, {25, -25, 125, -50, 6, -6}, PS_SOLID, 1},
        {100, {110, -110, 510, -210, 25, -25}, {100, -100, 500, -200, 25, -25}, PS_INSIDEFRAME, 4},
        {200, {220, -220, 1020, -420, 50, -50}, {200, -200, 1000, -400, 50, -50}, PS_INSIDEFRAME, 8},
        // clang-format on
    };
    for (const Case& c : cases) {
        CRectObj rect = MakeStyled(TRUE);
        const std::vector<DrawCall> calls = Record(rect, c.zoom);
        ASSERT_EQ(calls.size(), 2u) << "zoom " << c.zoom;
        EXPECT_EQ(calls[0].op, "RoundRect");
        EXPECT_EQ(calls[0].args, c.shadow);
        EXPECT_EQ(calls[0].pen.lopnStyle & PS_STYLE_MASK, UINT(PS_NULL));
        EXPECT_EQ(calls[0].brush.lbStyle, BS_SOLID);
        EXPECT_EQ(calls[0].brush.lbColor, RGB(130, 130, 130));
        EXPECT_EQ(calls[1].op, "RoundRect");
        EXPECT_EQ(calls[1].args, c.frame);
        EXPECT_EQ(calls[1].pen.lopnStyle & PS_STYLE_MASK, c.penStyle) << "zoom " << c.zoom;
        EXPECT_EQ(calls[1].pen.lopnWidth.x, c.penWidth);
        EXPECT_EQ(calls[1].pen.lopnColor, RGB(200, 0, 0));
        EXPECT_EQ(calls[1].brush.lbColor, RGB(0, 0, 200));
    }
}

TEST(RectDraw, PlainUnfilledBrokenPenHiddenAndHandles)
{
    CRectObj rect(1, kWide);
    rect.SetPenStyle(PS_DOT);
    rect.SetPenWidth(0);
    rect.SetShadowDepth(20);
    std::vector<DrawCall> calls = Record(rect, 100);
    ASSERT_EQ(calls.size(), 1u) << "no shadow without fill";
    EXPECT_EQ(calls[0].op, "Rectangle");
    EXPECT_EQ(calls[0].args, (std::vector<int>{100, -100, 500, -200}));
    EXPECT_EQ(calls[0].pen.lopnStyle & PS_STYLE_MASK, UINT(PS_DOT));
    EXPECT_EQ(calls[0].brush.lbStyle, BS_NULL);

    EXPECT_TRUE(Record(rect, 100, TRUE, FALSE).empty()) << "hidden in define mode";
    rect.SetHideDefine(FALSE);
    EXPECT_EQ(Record(rect, 100, FALSE, FALSE).size(), 1u);
    EXPECT_GT(Record(rect, 100, TRUE).size(), 1u) << "handles follow the shape";
}

TEST(RectDraw, PictureForReview)
{
    QImage image(700, 420, QImage::Format_RGB32);
    CDC dc;
    ASSERT_TRUE(StartReviewPicture(image, dc));
    CRectObj plain = MakeStyled(FALSE);
    CRectObj rounded = MakeStyled(TRUE);
    rounded.MoveAll(CSize(0, -160));
    CRectObj dashed(3, CRect(560, -100, 660, -360));
    dashed.SetPenStyle(PS_DASH);
    dashed.SetPenWidth(0);
    for (CRectObj* rect : {&plain, &rounded, &dashed})
        rect->Draw(&dc, 100, rect == &rounded, TRUE, nullptr, 0, nullptr);
    dc.DeleteDC();
    // The rounded rectangle (device rows 260 to 360) is filled, its shadow shows below right of it.
    EXPECT_EQ(image.pixel(300, 310), qRgb(0, 0, 200));
    EXPECT_EQ(image.pixel(450, 365), qRgb(130, 130, 130));
    const QString path = QDir::temp().filePath("zivra-rectobj.png");
    EXPECT_TRUE(image.save(path));
    std::cout << "rectangle picture: " << path.toStdString() << std::endl;
}

TEST(RectRoundHandle, PositionOnTheShorterSide)
{
    struct Case
    {
        CRect rect;
        BOOL exists;
        CPoint handle;
    };
    const Case cases[] = {
        // clang-format off
        {{0, 0, 400, -100}, TRUE, {0, -12}},   // wide: on the left side, half a corner below the top
        {{0, 0, 100, -400}, TRUE, {12, 0}},    // tall: on the top side
        {{0, 0, 100, -100}, TRUE, {0, -12}},
        {{0, 0, 0, -100}, FALSE, {}},
        {{0, 0, 100, 0}, FALSE, {}},
        // clang-format on
    };
    for (const Case& c : cases) {
        CRectObj rect(1, c.rect, TRUE);
        CPoint handle;
        EXPECT_EQ(rect.GetRoundHandlePos(handle), c.exists);
        if (c.exists) {
            EXPECT_EQ(handle, c.handle);
        }
    }
    EXPECT_EQ(CRectObj(1, CRect(0, 0, 400, -100), TRUE).GetRoundCornerSize(), 25);
}

TEST(RectRoundHandle, CornerSizeIsTheShorterSideTimesTheRateInDoublePrecision)
{
    struct Case
    {
        CRect rect;
        float rate;
        int corner;
    };
    const Case cases[] = {
        {{0, 0, 400, -100}, 0.25f, 25},
        {{0, 0, 100, -400}, 0.25f, 25},
        // 0.7f and 0.45f lie just below 0.7 and 0.45: a float product would round up to 7 and 45.
        // clang-format off
        {{0, 0, 10, -100}, 0.7f, 6},
        {{0, 0, 400, -100}, 0.45f, 44},
        {{0, 0, 0, -100}, 0.5f, 0},
        // clang-format on
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CalcRoundCornerSize(c.rect, c.rate), c.corner) << c.rect << " " << c.rate;
        CRectObj rect(1, c.rect, TRUE);
        rect.SetRoundRate(c.rate);
        EXPECT_EQ(rect.GetRoundCornerSize(), c.corner);
    }
}

TEST(RectRoundHandle, HitBeforeTheResizeHandlesAtEachZoom)
{
    CRectObj rect(1, CRect(0, 0, 400, -100), TRUE); // rounding handle at (0, -12)
    struct Case
    {
        int zoom;
        CPoint point;
        DWORD code;
    };
    const Case cases[] = {
        {100, {0, -12}, 0x204}, {100, {0, -5}, 0x204},  {100, {0, -4}, 0x92},
        {200, {0, -24}, 0x204}, {200, {7, -31}, 0x204}, {200, {0, -7}, 0x92},
    };
    for (const Case& c : cases) {
        DWORD hit = 0, part = 0;
        CPoint handle;
        ASSERT_TRUE(rect.HitTestHandles(c.zoom, c.point, 0, 7, hit, part, handle, TRUE));
        EXPECT_EQ(hit, c.code) << "zoom " << c.zoom << " at " << c.point.y;
    }
    // In define mode a shown rectangle still answers for its rounding handle; a hidden one not at all.
    rect.SetHideDefine(FALSE);
    DWORD hit = 0, part = 0;
    CPoint handle;
    EXPECT_TRUE(rect.HitTestHandles(100, CPoint(0, -12), 0, 7, hit, part, handle, FALSE));
    EXPECT_EQ(hit, 0x204u);
    rect.SetHideDefine(TRUE);
    EXPECT_FALSE(rect.HitTestHandles(100, CPoint(0, -12), 0, 7, hit, part, handle, FALSE));
    EXPECT_FALSE(rect.HitTest(CPoint(10, -10), 7, FALSE, FALSE));
    CRect visible(1, 1, 1, 1);
    rect.GetRedrawRect(visible, 100, FALSE);
    EXPECT_EQ(visible, CRect());
}

TEST(RectRoundHandle, DragChangesTheRateUpToTheFullSide)
{
    struct Case
    {
        CRect rect;
        CSize offset;
        float rate;
    };
    const Case cases[] = {
        // clang-format off
        {{0, 0, 400, -100}, {0, -10}, 0.45f},  // wide: downward drag grows the corner by 20
        {{0, 0, 400, -100}, {0, 5}, 0.15f},
        {{0, 0, 400, -100}, {0, -500}, 1.0f},  // capped at the full height
        {{0, 0, 400, -100}, {0, 50}, 0.0f},    // below 1 it is 0
        {{0, 0, 100, -400}, {10, 0}, 0.45f},   // tall: rightward drag
        {{0, 0, 100, -400}, {900, 0}, 1.0f},
        // clang-format on
    };
    for (const Case& c : cases) {
        CRectObj rect(1, c.rect, TRUE);
        rect.ApplyHandleDrag(c.offset, 0x204, 0);
        EXPECT_FLOAT_EQ(rect.GetRoundRate(), c.rate) << c.offset.cx << "," << c.offset.cy;
        EXPECT_EQ(rect.GetRect(), c.rect);
    }
    CRectObj rect(1, CRect(0, 0, 400, -100), TRUE);
    rect.ApplyHandleDrag(CSize(0, -10), 0x92, 0);
    EXPECT_FLOAT_EQ(rect.GetRoundRate(), 0.25f) << "only the rounding handle";
    CRectObj flat(1, CRect(0, 0, 400, 0), TRUE);
    flat.ApplyHandleDrag(CSize(0, -10), 0x204, 0);
    EXPECT_FLOAT_EQ(flat.GetRoundRate(), 0.25f);
}

TEST(RectTrackers, OutlinesFollowTheDragAndTheRoundingHandle)
{
    CRectObj rect(1, CRect(0, 0, 400, -100), TRUE);
    DrawLog log;
    CDC dc;
    dc.CreateRecording(&log);
    rect.DrawMoveTracker(&dc, 200, CSize(10, -10), 1, TRUE);
    rect.DrawResizeTracker(&dc, 100, CSize(0, -100), 0x22, TRUE);
    rect.DrawHandleDragTracker(&dc, 100, CSize(0, -10), 0x204, 0, TRUE);
    rect.DrawResizeTracker(&dc, 100, CSize(0, -100), 0x204, TRUE);
    const std::vector<DrawCall> outlines = log.Of("RoundRect");
    ASSERT_EQ(outlines.size(), 3u);
    EXPECT_EQ(outlines[0].args, (std::vector<int>{10, -10, 810, -210, 50, -50}));
    EXPECT_EQ(outlines[1].args, (std::vector<int>{0, 0, 400, -200, 50, -50}));
    EXPECT_EQ(outlines[2].args, (std::vector<int>{0, 0, 400, -100, 45, -45}));
    for (const DrawCall& call : outlines)
        EXPECT_EQ(call.rop2, R2_XORPEN);
}

TEST(RectDepthLine, EndsOnTheRoundedCorners)
{
    CRectObj rect(1, CRect(0, 0, 400, -100), TRUE); // corner 25
    CPoint left, right;
    ASSERT_TRUE(rect.GetHorzLineAtDepth(0, left, right));
    EXPECT_EQ(left, CPoint(12, 0));
    EXPECT_EQ(right, CPoint(388, 0));
    ASSERT_TRUE(rect.GetHorzLineAtDepth(-50, left, right));
    EXPECT_EQ(left, CPoint(0, -50));
    ASSERT_TRUE(rect.GetHorzLineAtDepth(-100, left, right));
    EXPECT_EQ(left, CPoint(12, -100));
    EXPECT_FALSE(rect.GetHorzLineAtDepth(1, left, right));
    EXPECT_FALSE(rect.GetHorzLineAtDepth(-101, left, right));
    CRectObj plain(1, CRect(0, 0, 400, -100));
    ASSERT_TRUE(plain.GetHorzLineAtDepth(0, left, right));
    EXPECT_EQ(left, CPoint(0, 0));
}

} // namespace
