// The task on the diagram: its dividers and texts at each zoom, its extra handles, the hit codes of
// its cells and the drags that size the number cell and the name row.
#include "model/Kadai.h"

#include "foundation/SymbolPrimitives.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/DrawLog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace KadaiTest {

constexpr DWORD kNumberHandleHit = CKadai::NUMBER_HANDLE | CKadai::EXTRA_HANDLE | HIT_SHAPE_HANDLE;
constexpr DWORD kNameHandleHit = CKadai::NAME_HANDLE | CKadai::EXTRA_HANDLE | HIT_SHAPE_HANDLE;
constexpr UINT kOneLine = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
constexpr UINT kWrapped = DT_WORDBREAK | DT_NOPREFIX;

// 400 x 300 at (100, -100), the number cell 80 wide, the name row 60 deep, square corners.
CKadai MakeTask(const CRect& rect = CRect(100, -100, 500, -400), int numCx = 80, int nameCy = -60)
{
    CKadai task(1, rect);
    task.SetRounded(FALSE);
    task.ApplyHandleDrag(CSize(numCx - task.GetNumCx(), 0), kNumberHandleHit, 0);
    task.ApplyHandleDrag(CSize(0, nameCy - task.GetNameCy()), kNameHandleHit, 0);
    task.SetNumberText("12");
    task.SetName("Name");
    task.SetContents("Body");
    return task;
}

LOGFONT Font()
{
    LOGFONT font;
    InitDefaultLogFont(font);
    return font;
}

struct Drawn
{
    std::vector<std::vector<int>> lines; // LineTo: from and to
    std::vector<std::vector<int>> texts; // DrawText: rect and format
    std::vector<std::string> strings;
    std::vector<DrawCall> handles; // XOR rectangles
};

Drawn Draw(CKadai& task, int zoom, BOOL withHandles = FALSE, BOOL printMode = TRUE, const LOGFONT* font = nullptr)
{
    const LOGFONT defaultFont = Font();
    DrawLog log;
    CDC dc;
    dc.CreateRecording(&log);
    task.Draw(&dc, zoom, withHandles, printMode, font ? font : &defaultFont, 0, nullptr);
    Drawn drawn;
    for (const DrawCall& call : log.Of("LineTo"))
        drawn.lines.push_back(call.args);
    for (const DrawCall& call : log.Of("DrawText")) {
        drawn.texts.push_back(call.args);
        drawn.strings.push_back(static_cast<const char*>(call.text));
    }
    for (const DrawCall& call : log.Of("Rectangle"))
        if (call.rop2 == R2_XORPEN)
            drawn.handles.push_back(call);
    return drawn;
}

TEST(KadaiDraw, DividersAndTextsInTheirCellsAtTheZoom)
{
    struct Case
    {
        const char* what;
        CRect rect;
        int numCx, nameCy, zoom;
        std::vector<std::vector<int>> lines, texts;
    } cases[] = {
        {"tall name row: the name wraps",
         CRect(100, -100, 500, -400),
         80,
         -60,
         100,
         {{180, -100, 180, -160}, {100, -160, 499, -160}},
         {{115, -105, 175, -160, int(kOneLine)},
          {185, -105, 495, -155, int(kWrapped)},
          {105, -165, 495, -395, int(kWrapped)}}},
        {"half size: a name row of 30 holds one line",
         CRect(100, -100, 500, -400),
         80,
         -60,
         50,
         {{90, -50, 90, -80}, {50, -80, 249, -80}},
         {{59, -53, 87, -80, int(kOneLine)}, {93, -53, 247, -80, int(kOneLine)}, {53, -83, 247, -197, int(kWrapped)}}},
        {"no number cell: the name spans the width",
         CRect(100, -100, 500, -400),
         0,
         -40,
         100,
         {{100, -140, 499, -140}},
         {{105, -105, 495, -140, int(kOneLine)}, {105, -145, 495, -395, int(kWrapped)}}},
        {"as tall as its name row: a frame and the divider on its bottom edge",
         CRect(0, 0, 200, -60),
         80,
         -60,
         100,
         {{0, -60, 199, -60}},
         {}},
        {"at zoom 25 no texts",
         CRect(100, -100, 500, -400),
         80,
         -60,
         25,
         {{45, -25, 45, -40}, {25, -40, 124, -40}},
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CKadai task = MakeTask(c.rect, c.numCx, c.nameCy);
        const Drawn drawn = Draw(task, c.zoom);
        EXPECT_EQ(drawn.lines, c.lines);
        EXPECT_EQ(drawn.texts, c.texts);
        EXPECT_TRUE(drawn.handles.empty());
    }
    CKadai task = MakeTask();
    EXPECT_EQ(Draw(task, 26).strings, (std::vector<std::string>{"12", "Name", "Body"}));
}

TEST(KadaiDraw, HiddenInDefineModeMissingFontAndHandles)
{
    CKadai task = MakeTask();
    DrawLog log;
    CDC dc;
    dc.CreateRecording(&log);
    const LOGFONT font = Font();
    task.Draw(&dc, 100, TRUE, FALSE, &font, 0, nullptr);
    EXPECT_TRUE(log.calls.empty()) << "hidden in define mode";
    task.SetHideDefine(FALSE);
    EXPECT_EQ(Draw(task, 100, FALSE, FALSE).texts.size(), 3u);

    // Without a font the frame and dividers show, but no texts and no handles.
    task.Draw(&dc, 100, TRUE, TRUE, nullptr, 0, nullptr);
    EXPECT_TRUE(log.Of("DrawText").empty());
    EXPECT_EQ(log.Of("LineTo").size(), 2u);

    // The name-row and number-cell handles in yellow, then the eight resize handles.
    const Drawn drawn = Draw(task, 100, TRUE);
    ASSERT_EQ(drawn.handles.size(), 10u);
    const CPoint expected[] = {{300, -160}, {180, -130}};
    for (int i = 0; i < 2; ++i) {
        const std::vector<int>& r = drawn.handles[i].args;
        EXPECT_EQ(CPoint((r[0] + r[2]) / 2, (r[1] + r[3]) / 2), expected[i]);
        EXPECT_EQ(drawn.handles[i].pen.lopnColor, RGB(255, 255, 0));
    }
    // A rounded task ends its row divider on the rounded outline.
    task.SetRounded(TRUE);
    task.SetRoundRate(1.0f);
    const std::vector<int> row = Draw(task, 100).lines.at(1);
    EXPECT_GT(row[0], 100);
    EXPECT_LT(row[2], 499);
    EXPECT_EQ(row[1], -160);
}

TEST(KadaiHandles, HitCodesInTheirOrder)
{
    struct Case
    {
        const char* what;
        BOOL rounded;
        int zoom;
        CPoint point;
        BOOL hit;
        DWORD code;
        CPoint reported;
    } cases[] = {
        {"number-cell handle", FALSE, 100, {180, -130}, TRUE, kNumberHandleHit, {180, -130}},
        {"near it", FALSE, 100, {187, -123}, TRUE, kNumberHandleHit, {180, -130}},
        {"name-row handle", FALSE, 100, {300, -160}, TRUE, kNameHandleHit, {300, -160}},
        {"number-cell handle at half size", FALSE, 50, {90, -65}, TRUE, kNumberHandleHit, {90, -65}},
        {"rounding handle", TRUE, 100, {100, -137}, TRUE, HIT_SHAPE_HANDLE | HIT_ROUND_HANDLE, {100, -137}},
        {"number cell", FALSE, 100, {130, -120}, TRUE, CKadai::PART_NUMBER | 5, {130, -120}},
        {"name cell", FALSE, 100, {400, -120}, TRUE, CKadai::PART_NAME | 5, {400, -120}},
        {"contents", FALSE, 100, {300, -300}, TRUE, CKadai::PART_CONTENTS | 5, {300, -300}},
        {"close to a cell's edge: the body", FALSE, 100, {250, -104}, TRUE, HIT_BODY, {0, 0}},
        {"a corner: resize", FALSE, 100, {500, -400}, TRUE, 0x62, {500, -400}},
        {"outside", FALSE, 100, {600, -600}, FALSE, 0, {0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CKadai task = MakeTask();
        task.SetRounded(c.rounded);
        DWORD code = 0, part = 0;
        CPoint reported(0, 0);
        EXPECT_EQ(task.HitTestHandles(c.zoom, c.point, 0, 7, code, part, reported, TRUE), c.hit);
        if (c.hit) {
            EXPECT_EQ(code, c.code);
            EXPECT_EQ(reported, c.reported);
        }
    }
    CKadai hidden = MakeTask();
    DWORD code = 0, part = 0;
    CPoint reported;
    EXPECT_FALSE(hidden.HitTestHandles(100, CPoint(300, -300), 0, 7, code, part, reported, FALSE));
}

TEST(KadaiHandles, DragsKeepTheCellsInsideTheBox)
{
    struct Case
    {
        DWORD code;
        CSize offset;
        int numCx, nameCy;
    } cases[] = {
        {kNumberHandleHit, {50, 0}, 130, -60},    {kNumberHandleHit, {-79, 0}, 1, -60},
        {kNumberHandleHit, {-80, 0}, 0, -60},     {kNumberHandleHit, {-500, 0}, 0, -60},
        {kNumberHandleHit, {1000, 0}, 400, -60},  {kNameHandleHit, {0, -50}, 80, -110},
        {kNameHandleHit, {0, 100}, 80, -40},      {kNameHandleHit, {0, -1000}, 80, -300},
        {CKadai::NAME_HANDLE, {0, -50}, 80, -60}, // neither a shape handle nor an extra one
    };
    for (const Case& c : cases) {
        CKadai task = MakeTask();
        task.ApplyHandleDrag(c.offset, c.code, 0);
        EXPECT_EQ(task.GetNumCx(), c.numCx) << c.code << " " << c.offset.cx;
        EXPECT_EQ(task.GetNameCy(), c.nameCy) << c.code << " " << c.offset.cy;
    }
    CKadai rounded = MakeTask();
    rounded.SetRounded(TRUE);
    rounded.ApplyHandleDrag(CSize(0, -50), HIT_SHAPE_HANDLE | HIT_ROUND_HANDLE, 0);
    EXPECT_GT(rounded.GetRoundRate(), 0.25f);
    EXPECT_EQ(rounded.GetNameCy(), -60);

    // The outlines follow the drag and stop where the drag stops.
    CKadai task = MakeTask();
    DrawLog log;
    CDC dc;
    dc.CreateRecording(&log);
    task.DrawHandleDragTracker(&dc, 100, CSize(1000, 0), kNumberHandleHit, 0, TRUE);
    task.DrawHandleDragTracker(&dc, 100, CSize(0, 100), kNameHandleHit, 0, TRUE);
    task.DrawHandleDragTracker(&dc, 50, CSize(0, -1000), kNameHandleHit, 0, TRUE);
    const std::vector<DrawCall> lines = log.Of("LineTo");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].args, (std::vector<int>{500, -100, 500, -160}));
    EXPECT_EQ(lines[0].pen.lopnColor, RGB(255, 255, 0));
    EXPECT_EQ(lines[1].args, (std::vector<int>{100, -140, 500, -140}));
    EXPECT_EQ(lines[2].args, (std::vector<int>{50, -200, 250, -200}));
}

TEST(KadaiTexts, NumberSearchAndExport)
{
    CKadai task = MakeTask();
    CSize minimum;
    task.GetMinimumSize(minimum);
    EXPECT_EQ(minimum, CSize(80, -60));
    EXPECT_TRUE(task.FindObjectText("BODY", FALSE));
    EXPECT_FALSE(task.FindObjectText("BODY", TRUE));
    EXPECT_TRUE(task.ReplaceObjectText("NAME", "Task", FALSE));
    EXPECT_EQ(task.GetName(), CString("Task"));
    EXPECT_FALSE(task.ReplaceObjectText("absent", "x", TRUE));
    EXPECT_TRUE(task.IsExportKind(16));
    EXPECT_FALSE(task.IsExportKind(0xFFEF));
    EXPECT_TRUE(task.ClearNumber(0));
    EXPECT_FALSE(task.ClearNumber(0));
    EXPECT_TRUE(task.HasText());
    task.SetName("");
    task.SetContents("");
    EXPECT_FALSE(task.HasText());
}

} // namespace KadaiTest
