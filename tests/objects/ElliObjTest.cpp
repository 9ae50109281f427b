// The ellipse: drawing sequence, hits, chord at a depth, trackers and its record.
#include "objects/ElliObj.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/DrawLog.h"
#include "tests/objects/ObjectsTestSupport.h"

#include <gtest/gtest.h>

namespace {

TEST(ElliDraw, PenShadowAndBodyAtEachZoom)
{
    struct Case
    {
        int zoom;
        BOOL fill;
        std::vector<int> shadow, body;
        UINT penStyle;
        int penWidth;
    };
    const Case cases[] = {
        // A stored width of 3 is 1 at 25 % (the stored dotted style), 3 inside the frame at 100 %.
        // clang-format off
        {25, TRUE, {28, -28, 53, -53}, {25, -25, 50, -50}, PS_DOT, 1},
        {100, TRUE, {110, -110, 210, -210}, {100, -100, 200, -200}, PS_INSIDEFRAME, 3},
        {100, FALSE, {}, {100, -100, 200, -200}, PS_INSIDEFRAME, 3},
        // clang-format on
    };
    for (const Case& c : cases) {
        CElliObj ellipse(1, CRect(100, -100, 200, -200));
        ellipse.SetPenStyle(PS_DOT);
        ellipse.SetPenWidth(3);
        ellipse.SetFill(c.fill);
        ellipse.SetFillColor(RGB(0, 0, 200));
        ellipse.SetShadowDepth(10);
        const std::vector<DrawCall> calls = RecordDraw(ellipse, c.zoom);
        ASSERT_EQ(calls.size(), c.shadow.empty() ? 1u : 2u) << "zoom " << c.zoom;
        if (!c.shadow.empty()) {
            EXPECT_EQ(calls[0].op, "Ellipse");
            EXPECT_EQ(calls[0].args, c.shadow);
            EXPECT_EQ(calls[0].pen.lopnStyle & PS_STYLE_MASK, UINT(PS_NULL));
        }
        const DrawCall& body = calls.back();
        EXPECT_EQ(body.op, "Ellipse");
        EXPECT_EQ(body.args, c.body);
        EXPECT_EQ(body.pen.lopnStyle & PS_STYLE_MASK, c.penStyle) << "zoom " << c.zoom;
        EXPECT_EQ(body.pen.lopnWidth.x, c.penWidth);
        EXPECT_EQ(body.brush.lbStyle, c.fill ? BS_SOLID : BS_NULL);
    }
}

TEST(ElliDraw, HiddenInDefineModeIsAbsent)
{
    CElliObj ellipse(1, CRect(0, 0, 100, -60));
    ellipse.SetFill(TRUE);
    EXPECT_TRUE(RecordDraw(ellipse, 100, TRUE, FALSE).empty());
    EXPECT_FALSE(ellipse.HitTest(CPoint(50, -30), 5, FALSE, FALSE));
    DWORD hit = 0, part = 0;
    CPoint handle;
    EXPECT_FALSE(ellipse.HitTestHandles(100, CPoint(0, 0), 0, 7, hit, part, handle, FALSE));
    CRect redraw(1, 1, 1, 1);
    ellipse.GetRedrawRect(redraw, 100, FALSE);
    EXPECT_EQ(redraw, CRect());
    EXPECT_TRUE(ellipse.HitTest(CPoint(50, -30), 5, TRUE, FALSE)) << "print mode shows it";
    // Handles: the silver frame, then the eight box handles.
    const std::vector<DrawCall> calls = RecordDraw(ellipse, 100, TRUE, TRUE);
    ASSERT_GT(calls.size(), 2u);
    EXPECT_EQ(calls[1].op, "Rectangle");
    EXPECT_EQ(calls[1].pen.lopnColor, RGB(192, 192, 192));
}

TEST(ElliHitTest, EllipseOutlineAndFlatCases)
{
    struct Case
    {
        CRect rect;
        BOOL fill, outlineOnly;
        CPoint point;
        BOOL hit;
    };
    const Case cases[] = {
        // clang-format off
        {{0, 0, 100, -60}, FALSE, TRUE, {50, -30}, FALSE},   // hollow: the centre misses
        {{0, 0, 100, -60}, FALSE, TRUE, {50, -2}, TRUE},     // near the outline
        {{0, 0, 100, -60}, FALSE, FALSE, {50, -30}, TRUE},   // without the request, inside hits
        {{0, 0, 100, -60}, TRUE, TRUE, {50, -30}, TRUE},     // filled: inside hits either way
        {{0, 0, 100, -60}, TRUE, FALSE, {3, -3}, FALSE},     // rectangle corner, off the ellipse
        {{0, 0, 100, -60}, TRUE, FALSE, {110, -30}, FALSE},  // outside the grown rectangle
        {{0, 0, 0, -60}, FALSE, FALSE, {0, -30}, TRUE},      // flat: the box test
        {{0, 0, 100, 0}, FALSE, FALSE, {2, 0}, TRUE},
        // clang-format on
    };
    for (const Case& c : cases) {
        CElliObj ellipse(1, c.rect);
        ellipse.SetFill(c.fill);
        EXPECT_EQ(ellipse.HitTest(c.point, 5, TRUE, c.outlineOnly), c.hit) << c.rect << " at " << c.point;
    }
}

TEST(ElliDepthLine, ChordOfTheEllipse)
{
    struct Case
    {
        CRect rect;
        int depth;
        BOOL exists;
        int left, right;
    };
    const Case cases[] = {
        // clang-format off
        {{0, 0, 100, -60}, 0, TRUE, 50, 50},     // even width: the top centre twice
        {{0, 0, 101, -60}, 0, TRUE, 50, 51},
        {{0, 0, 101, -60}, -60, TRUE, 50, 51},   // the bottom edge
        {{0, 0, 100, -60}, -30, TRUE, 0, 100},   // the middle spans the width
        {{0, 0, 100, -60}, 1, FALSE, 0, 0},
        {{0, 0, 100, -60}, -61, FALSE, 0, 0},
        // clang-format on
    };
    for (const Case& c : cases) {
        CElliObj ellipse(1, c.rect);
        CPoint left, right;
        ASSERT_EQ(ellipse.GetHorzLineAtDepth(c.depth, left, right), c.exists) << c.depth;
        if (c.exists) {
            EXPECT_EQ(left, CPoint(c.left, c.rect.top + c.depth));
            EXPECT_EQ(right, CPoint(c.right, c.rect.top + c.depth));
        }
    }
}

TEST(ElliTrackers, MoveAndResizeOutlines)
{
    CElliObj ellipse(1, CRect(0, 0, 100, -60));
    DrawLog log;
    CDC dc;
    dc.CreateRecording(&log);
    ellipse.DrawMoveTracker(&dc, 200, CSize(10, -10), HIT_BODY, TRUE);
    ellipse.DrawResizeTracker(&dc, 100, CSize(20, 0), 0x42, TRUE);
    ellipse.DrawResizeTracker(&dc, 100, CSize(20, 0), HIT_BODY, TRUE);
    const std::vector<DrawCall> outlines = log.Of("Ellipse");
    ASSERT_EQ(outlines.size(), 2u);
    EXPECT_EQ(outlines[0].args, (std::vector<int>{10, -10, 210, -130}));
    EXPECT_EQ(outlines[1].args, (std::vector<int>{0, 0, 120, -60}));
    EXPECT_EQ(log.Of("Rectangle").size(), 1u) << "the silver frame of the resize";
}

TEST(ElliRecord, BoxRecordRoundTripAndConnectionPoint)
{
    CElliObj ellipse(7, CRect(0, 0, 100, -60));
    ellipse.SetFill(TRUE);
    ellipse.SetShadowDepth(6);
    const auto loaded = LoadObject<CElliObj>(StoreObject(&ellipse));
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->GetKind(), OBJKIND_ELLIPSE);
    EXPECT_EQ(loaded->GetObjectId(), 7);
    EXPECT_EQ(loaded->GetRect(), ellipse.GetRect());
    EXPECT_EQ(loaded->GetShadowDepth(), 6);
    CString name, section;
    EXPECT_EQ(ellipse.GetTypeName(name), CString(u8"円・楕円ｵﾌﾞｼﾞｪｸﾄ"));
    EXPECT_EQ(ellipse.GetProfileSection(section), CString("ElliObj Properties"));
    CPoint out;
    EXPECT_EQ(ellipse.GetConnectionPoint(out, CPoint(500, -30)), CPoint(100, -30));
    EXPECT_EQ(ellipse.GetConnectionPoint(out, CPoint(50, 400)), CPoint(50, 0));
}

} // namespace
