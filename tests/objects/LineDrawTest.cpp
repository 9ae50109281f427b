// Line drawing on the recording device: pens at each zoom, the shapes of the closed, filled and
// Bézier variants, the line-end marks and the shortened line at solid marks; and one picture per
// variant for review.
#include "objects/BaseObj.h"
#include "objects/PolyObj.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/DrawLog.h"
#include "tests/objects/ObjectsTestSupport.h"

#include <QDir>
#include <QImage>

#include <gtest/gtest.h>

#include <functional>
#include <iostream>
#include <vector>

namespace {

std::vector<DrawCall> Record(CPolyObj& line, int zoom)
{
    DrawLog log;
    CDC dc;
    dc.CreateRecording(&log);
    line.CPolyLine::Draw(&dc, zoom, FALSE);
    return log.calls;
}

std::vector<std::string> Ops(const std::vector<DrawCall>& calls)
{
    std::vector<std::string> ops;
    for (const DrawCall& call : calls)
        ops.push_back(call.op);
    return ops;
}

} // namespace

TEST(LineDraw, PenWidthAndStyleAtEachZoom)
{
    const struct
    {
        int style, width, zoom;
        UINT drawnStyle;
        int drawnWidth;
    } cases[] = {
        {PS_SOLID, 4, 25, PS_SOLID, 1},  {PS_SOLID, 2, 10, PS_SOLID, 1},   {PS_SOLID, 1, 400, PS_SOLID, 1},
        {PS_SOLID, 0, 200, PS_SOLID, 0}, {PS_DASH, 4, 100, PS_SOLID, 4},   {PS_DASH, 4, 25, PS_DASH, 0},
        {PS_DOT, 1, 100, PS_DOT, 0},     {PS_SOLID, 8, 200, PS_SOLID, 16},
    };
    for (const auto& c : cases) {
        CPolyObj line = MakeLine({{0, 0}, {400, -400}});
        line.SetPenStyle(c.style);
        line.SetPenWidth(c.width);
        const std::vector<DrawCall> calls = Record(line, c.zoom);
        ASSERT_EQ(Ops(calls), std::vector<std::string>{"Polyline"});
        EXPECT_EQ(calls[0].pen.lopnStyle & PS_STYLE_MASK, c.drawnStyle) << c.width << " at " << c.zoom;
        EXPECT_EQ(calls[0].pen.lopnWidth.x, c.drawnWidth) << c.width << " at " << c.zoom;
        EXPECT_EQ(calls[0].bkMode, TRANSPARENT);
    }
}

TEST(LineDraw, ClosedFilledAndBezierShapes)
{
    const std::vector<CPoint> four{{0, 0}, {300, 0}, {300, -300}, {0, -300}};
    const std::vector<CPoint> five{{0, 0}, {300, 0}, {300, -300}, {0, -300}, {-100, -100}};
    const struct
    {
        std::vector<CPoint> points;
        DWORD flags;
        std::vector<std::string> ops;
        bool brushFilled; // of the first call
    } cases[] = {
        {{{0, 0}, {100, 0}}, LINE_FILLED, {"Polyline"}, false},
        {{{0, 0}, {100, 0}}, LINE_FILLED | LINE_CLOSED, {"Polygon"}, false},
        {four, LINE_CLOSED, {"Polygon"}, false},
        {four, LINE_FILLED | LINE_CLOSED, {"Polygon"}, true},
        {four, LINE_FILLED, {"Polygon", "Polyline"}, true}, // filled with no pen, then the open outline
        {four, LINE_BEZIER | LINE_FILLED | LINE_CLOSED, {"PolyBezier"}, false},
        {five, LINE_BEZIER | LINE_FILLED | LINE_CLOSED, {"Polygon"}, true},
    };
    for (const auto& c : cases) {
        CPolyObj line = MakeLine(c.points);
        line.SetClosed((c.flags & LINE_CLOSED) != 0);
        line.SetFilled((c.flags & LINE_FILLED) != 0);
        line.SetBezier((c.flags & LINE_BEZIER) != 0);
        line.SetFillColor(RGB(0, 200, 0));
        line.SetFillMode(WINDING);
        const std::vector<DrawCall> calls = Record(line, 100);
        EXPECT_EQ(Ops(calls), c.ops) << "flags " << c.flags << " points " << c.points.size();
        ASSERT_FALSE(calls.empty());
        EXPECT_EQ(calls[0].brush.lbStyle == BS_SOLID, c.brushFilled) << "flags " << c.flags;
        if (c.ops.size() == 2) {
            EXPECT_EQ(calls[0].pen.lopnStyle & PS_STYLE_MASK, UINT(PS_NULL));
        }
    }
}

TEST(LineDraw, SolidMarksShortenTheLineAndLineMarksLetItRunToTheTip)
{
    const struct
    {
        WORD mark;
        bool filled;
        int zoom;
        int lineEndX; // the zoomed x where the line stops (the end point is at x = 400)
    } cases[] = {
        {MARK_ARROW, true, 100, 370},       {MARK_ARROW, true, 50, 185},
        {MARK_ARROW, false, 100, 400},      {MARK_DOUBLE_ARROW, true, 100, 350},
        {MARK_SMALL_ARROW, true, 100, 390}, {MARK_SMALL_DOUBLE_ARROW, true, 100, 380},
        {MARK_DOT, false, 100, 394},        {MARK_CIRCLE, true, 100, 390},
        {MARK_CIRCLE, false, 100, 380},     {MARK_DIAMOND, false, 100, 384},
        {MARK_BAR, true, 100, 400},         {MARK_THREE_LEGS, true, 200, 800},
    };
    for (const auto& c : cases) {
        CPolyObj line = MakeLine({{0, 0}, {400, 0}});
        line.SetMark(LINEEND_END, c.mark);
        if (c.filled)
            line.SetFilledMark(LINEEND_END);
        const std::vector<DrawCall> calls = Record(line, c.zoom);
        ASSERT_FALSE(calls.empty());
        ASSERT_EQ(calls[0].op, "Polyline");
        EXPECT_EQ(calls[0].args, (std::vector<int>{0, 0, c.lineEndX, 0}))
            << "mark " << c.mark << " filled " << c.filled;
    }
}

TEST(LineDraw, MarkShapes)
{
    const auto marksOf = [](WORD mark, bool filled, const std::vector<CPoint>& points, DWORD extraFlags = 0) {
        CPolyObj line = MakeLine(points);
        line.SetMark(LINEEND_START, mark);
        if (filled)
            line.SetFilledMark(LINEEND_START);
        line.SetBezier((extraFlags & LINE_BEZIER) != 0);
        std::vector<DrawCall> calls = Record(line, 100);
        calls.erase(calls.begin()); // the line itself
        return calls;
    };
    // A line-mark arrow: an open head (barb, tip, barb) and the pixel at its last point.
    std::vector<DrawCall> calls = marksOf(MARK_ARROW, false, {{0, 0}, {400, 0}});
    ASSERT_EQ(Ops(calls), (std::vector<std::string>{"Polyline", "SetPixel"}));
    EXPECT_EQ(calls[0].args, (std::vector<int>{30, 10, 0, 0, 30, -10}));
    // Coinciding first points: the mark is built as for a line leaving in +x.
    EXPECT_EQ(marksOf(MARK_ARROW, false, {{0, 0}, {0, 0}, {400, -400}})[0].args,
              (std::vector<int>{30, 10, 0, 0, 30, -10}));
    // A filled double arrow: two triangles, the second 20 further in; on a spline only one.
    calls = marksOf(MARK_DOUBLE_ARROW, true, {{0, 0}, {400, 0}});
    ASSERT_EQ(Ops(calls), (std::vector<std::string>{"Polygon", "Polygon"}));
    EXPECT_EQ(calls[1].args, (std::vector<int>{50, 10, 20, 0, 50, -10}));
    EXPECT_EQ(calls[0].pen.lopnWidth.x, 0);
    EXPECT_EQ(Ops(marksOf(MARK_SMALL_DOUBLE_ARROW, true, {{0, 0}, {100, 0}, {200, 0}, {300, 0}}, LINE_BEZIER)),
              (std::vector<std::string>{"Polygon"}));
    // Circles touch what lies before them; the composite marks draw their parts in order.
    calls = marksOf(MARK_SMALL_ARROW_CIRCLE, false, {{0, 0}, {400, 0}});
    ASSERT_EQ(Ops(calls), (std::vector<std::string>{"Polyline", "SetPixel", "Ellipse"}));
    EXPECT_EQ(calls[2].args, (std::vector<int>{10, 8, 26, -8}));
    EXPECT_EQ(calls[2].brush.lbStyle, UINT(BS_NULL));
    calls = marksOf(MARK_CIRCLE, true, {{0, 0}, {400, 0}});
    EXPECT_EQ(calls[0].args, (std::vector<int>{0, 10, 20, -10}));
    EXPECT_EQ(calls[0].brush.lbStyle, UINT(BS_SOLID));
    calls = marksOf(MARK_CIRCLE_DOUBLE_BAR, false, {{0, 0}, {400, 0}});
    ASSERT_EQ(Ops(calls), (std::vector<std::string>{"LineTo", "SetPixel", "Ellipse", "LineTo", "SetPixel"}));
    EXPECT_EQ(calls[0].args, (std::vector<int>{30, 10, 30, -10}));
    EXPECT_EQ(calls[2].args, (std::vector<int>{10, 10, 30, -10}));
    EXPECT_EQ(calls[3].args, (std::vector<int>{38, 10, 38, -10}));
    calls = marksOf(MARK_THREE_LEGS, false, {{0, 0}, {400, 0}});
    ASSERT_EQ(Ops(calls), (std::vector<std::string>{"LineTo", "LineTo", "SetPixel"}));
    EXPECT_EQ(calls[0].args, (std::vector<int>{0, 10, 10, 0}));
    EXPECT_EQ(calls[1].args, (std::vector<int>{10, 0, 0, -10}));
    // The outline diamond of a thin line is drawn 2 wide.
    calls = marksOf(MARK_DIAMOND, false, {{0, 0}, {400, 0}});
    ASSERT_EQ(Ops(calls), (std::vector<std::string>{"Polygon"}));
    EXPECT_EQ(calls[0].args, (std::vector<int>{16, 0, 8, 8, 0, 0, 8, -8}));
    EXPECT_EQ(calls[0].pen.lopnWidth.x, 2);
    EXPECT_TRUE(marksOf(16, false, {{0, 0}, {400, 0}}).empty());
    EXPECT_TRUE(marksOf(MARK_NONE, true, {{0, 0}, {400, 0}}).empty());
}

TEST(LineDraw, EndMarksPointBackAlongTheLastSegment)
{
    CPolyObj line = MakeLine({{0, 0}, {0, -400}, {400, -400}});
    line.SetMark(LINEEND_END, MARK_ARROW);
    const std::vector<DrawCall> calls = Record(line, 100);
    ASSERT_EQ(Ops(calls), (std::vector<std::string>{"Polyline", "Polyline", "SetPixel"}));
    EXPECT_EQ(calls[1].args, (std::vector<int>{370, -390, 400, -400, 370, -410}));
}

namespace {

// Draws the lines into a picture (y up, one device pixel per 0.1 mm) and saves it for review.
void SavePicture(const char* name, const std::vector<CPolyObj*>& lines, int zoom = 100)
{
    QImage image(900, 560, QImage::Format_RGB32);
    CDC dc;
    ASSERT_TRUE(StartReviewPicture(image, dc));
    for (CPolyObj* line : lines)
        line->CPolyLine::Draw(&dc, zoom, FALSE);
    dc.DeleteDC();
    const QString path = QDir::temp().filePath(QString("zivra-lines-%1.png").arg(name));
    EXPECT_TRUE(image.save(path));
    std::cout << "line picture: " << path.toStdString() << std::endl;
}

} // namespace

TEST(LineDraw, PicturesForReview)
{
    for (const bool filled : {false, true}) {
        std::vector<std::unique_ptr<CPolyObj>> lines;
        std::vector<CPolyObj*> raw;
        for (WORD mark = 1; mark <= 15; ++mark) {
            const int y = -30 - 34 * (mark - 1);
            auto line = std::make_unique<CPolyObj>(1, CPoint(80, y), CPoint(820, y));
            line->SetMark(LINEEND_START, mark);
            line->SetMark(LINEEND_END, mark);
            if (filled) {
                line->SetFilledMark(LINEEND_START);
                line->SetFilledMark(LINEEND_END);
            }
            line->SetPenColor(mark % 2 ? RGB(0, 0, 0) : RGB(0, 0, 160));
            raw.push_back(line.get());
            lines.push_back(std::move(line));
        }
        SavePicture(filled ? "marks-filled" : "marks-outline", raw, 100);
    }
    CPolyObj closed = MakeLine({{40, -40}, {240, -40}, {240, -240}, {40, -240}});
    closed.SetClosed(TRUE);
    CPolyObj filledOpen = MakeLine({{300, -40}, {500, -40}, {500, -240}, {300, -240}});
    filledOpen.SetFilled(TRUE);
    filledOpen.SetFillColor(RGB(200, 230, 255));
    filledOpen.SetMark(LINEEND_END, MARK_ARROW);
    filledOpen.SetFilledMark(LINEEND_END);
    CPolyObj filledClosed = MakeLine({{560, -40}, {860, -240}, {860, -40}, {560, -240}});
    filledClosed.SetClosed(TRUE);
    filledClosed.SetFilled(TRUE);
    filledClosed.SetFillColor(RGB(255, 220, 200));
    filledClosed.SetFillMode(WINDING);
    CPolyObj bezier = MakeLine({{40, -300}, {140, -520}, {300, -300}, {400, -520}});
    bezier.SetBezier(TRUE);
    bezier.SetMark(LINEEND_END, MARK_DOUBLE_ARROW);
    bezier.SetPenWidth(8);
    CPolyObj dashed = MakeLine({{460, -300}, {860, -300}, {860, -520}, {460, -520}});
    dashed.SetPenStyle(PS_DASH);
    dashed.SetPenWidth(0);
    dashed.SetMark(LINEEND_START, MARK_CIRCLE);
    SavePicture("shapes", {&closed, &filledOpen, &filledClosed, &bezier, &dashed});
    SavePicture("shapes-zoom50", {&closed, &filledOpen, &filledClosed, &bezier, &dashed}, 50);
}
