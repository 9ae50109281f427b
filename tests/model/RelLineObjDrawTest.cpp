// Relation arrows on the recording device: the marks of each kind in the two notations, the
// cardinality text and where it stands, and the labels.
#include "model/RelLineObj.h"
#include "objects/PolyObj.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/DrawLog.h"
#include "tests/model/RelLineObjTestSupport.h"
#include "tests/objects/ObjectsTestSupport.h"

#include <QDir>
#include <QImage>

#include <gtest/gtest.h>

#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr DWORD kIdefDisplay = CRelLineObj::DISPLAY_IDEF_NOTATION;
constexpr DWORD kCardinalityDisplay = CRelLineObj::DISPLAY_CARDINALITY;

std::vector<DrawCall> RecordArrow(CRelLineObj& arrow, DWORD display, BOOL printMode = TRUE, int zoom = 100)
{
    DrawLog log;
    CDC dc;
    dc.CreateRecording(&log);
    arrow.Draw(&dc, zoom, FALSE, printMode, nullptr, display, nullptr);
    return log.calls;
}

// What a plain line through the same points draws with these marks and the arrow's pen and flags.
std::vector<DrawCall> RecordPlainLine(const CRelLineObj& arrow, WORD startMark, WORD endMark)
{
    CPolyObj line(1);
    for (const CPoint& p : arrow.GetPointArray())
        line.AddPoint(p);
    line.CopyAttributes(arrow);
    line.SetMark(LINEEND_START, startMark);
    line.SetMark(LINEEND_END, endMark);
    DrawLog log;
    CDC dc;
    dc.CreateRecording(&log);
    line.CPolyLine::Draw(&dc, 100, FALSE);
    return log.calls;
}

std::vector<std::string> DrawnTexts(const std::vector<DrawCall>& calls)
{
    std::vector<std::string> texts;
    for (const DrawCall& call : calls)
        if (call.op == "DrawText")
            texts.push_back(ToQString(call.text).toStdString());
    return texts;
}

bool SameDrawCall(const DrawCall& a, const DrawCall& b)
{
    return a.op == b.op && a.args == b.args;
}

} // namespace

TEST(RelLineDraw, EachKindDrawsItsOwnMarksInXjAndTheIdefMarksInIdef)
{
    const std::vector<CPoint> crank{{100, -100}, {100, -200}, {300, -200}, {300, -300}};
    const std::vector<CPoint> bend{{100, -100}, {300, -100}, {300, -300}};
    const struct
    {
        WORD kind;
        BOOL nullAllowed, definite;
        DWORD display;
        WORD startMark, endMark;
    } cases[] = {
        {1, FALSE, FALSE, 0, MARK_NONE, MARK_ARROW},
        {1, TRUE, FALSE, kCardinalityDisplay, MARK_NONE, MARK_ARROW},
        {2, FALSE, TRUE, 0, MARK_NONE, MARK_NONE},
        {4, FALSE, FALSE, 0, MARK_NONE, MARK_NONE},
        {1, FALSE, FALSE, kIdefDisplay, MARK_NONE, MARK_DOT},
        {1, TRUE, FALSE, kIdefDisplay | kCardinalityDisplay, MARK_DIAMOND, MARK_DOT},
        {2, FALSE, TRUE, kIdefDisplay, MARK_CIRCLE_DOUBLE_BAR, MARK_NONE},
        {2, FALSE, FALSE, kIdefDisplay, MARK_CIRCLE_BAR, MARK_NONE},
        {3, FALSE, TRUE, kIdefDisplay, MARK_CIRCLE_DOUBLE_BAR, MARK_NONE},
        {3, TRUE, FALSE, kIdefDisplay, MARK_CIRCLE_BAR, MARK_NONE},
        {4, TRUE, TRUE, kIdefDisplay, MARK_NONE, MARK_NONE},
    };
    for (const auto& c : cases) {
        CRelLineObj arrow = MakeArrow(c.kind, c.kind == 1 ? crank : bend);
        arrow.SetNullAllowed(c.nullAllowed);
        arrow.SetDefinite(c.definite);
        const WORD ownStart = arrow.GetMark(LINEEND_START), ownEnd = arrow.GetMark(LINEEND_END);
        const std::vector<DrawCall> drawn = RecordArrow(arrow, c.display);
        const std::vector<DrawCall> expected = RecordPlainLine(arrow, c.startMark, c.endMark);
        ASSERT_EQ(drawn.size(), expected.size()) << "kind " << c.kind << " display " << std::hex << c.display;
        for (size_t i = 0; i < drawn.size(); ++i)
            EXPECT_TRUE(SameDrawCall(drawn[i], expected[i]))
                << "kind " << c.kind << " call " << i << " " << drawn[i].op;
        // The notation never changes the arrow's own marks.
        EXPECT_EQ(arrow.GetMark(LINEEND_START), ownStart);
        EXPECT_EQ(arrow.GetMark(LINEEND_END), ownEnd);
        EXPECT_EQ(arrow.GetLastDisplayOptions(), c.display);
    }
}

TEST(RelLineDraw, CardinalityTextOnlyInIdefWithItsBitForTheCardinalitiesThatHaveOne)
{
    const struct
    {
        WORD kind, cardinality;
        int constant;
        DWORD display;
        std::vector<std::string> texts;
    } cases[] = {
        {1, 2, 1, kIdefDisplay | kCardinalityDisplay, {"P"}},
        {1, 3, 1, kIdefDisplay | kCardinalityDisplay, {"Z"}},
        {1, 4, 12, kIdefDisplay | kCardinalityDisplay, {"12"}},
        {1, 1, 1, kIdefDisplay | kCardinalityDisplay, {}},
        {1, 0, 1, kIdefDisplay | kCardinalityDisplay, {}},
        {1, 2, 1, kIdefDisplay, {}},
        {1, 2, 1, kCardinalityDisplay, {}},
        {2, 2, 1, kIdefDisplay | kCardinalityDisplay, {}},
    };
    for (const auto& c : cases) {
        CRelLineObj arrow = MakeArrow(c.kind, {{100, -100}, {100, -200}, {300, -200}, {300, -300}});
        arrow.SetCardinality(c.cardinality);
        arrow.SetConstant(c.constant);
        arrow.GetMemoLabel().SetTextColor(RGB(200, 0, 0));
        const std::vector<DrawCall> calls = RecordArrow(arrow, c.display);
        EXPECT_EQ(DrawnTexts(calls), c.texts)
            << "cardinality " << c.cardinality << " display " << std::hex << c.display;
        for (const DrawCall& call : calls) {
            if (call.op != "DrawText")
                continue;
            // Arriving from above, the text stands right of the line just above the end point,
            // bottom-aligned, unclipped, in the memo's colour.
            ASSERT_EQ(call.args.size(), 5u);
            EXPECT_EQ(UINT(call.args[4]) & (DT_NOCLIP | DT_BOTTOM | DT_RIGHT), DT_NOCLIP | DT_BOTTOM);
            EXPECT_GT(call.args[0], 300);
            EXPECT_GT(call.args[3], -300);
            EXPECT_LE(call.args[1], -300 + 45);
            EXPECT_EQ(call.textColor, RGB(200, 0, 0));
        }
    }
}

TEST(RelLineDraw, CardinalityTextPlaceFollowsTheLastSegment)
{
    const CPoint e(1000, -1000);
    const struct
    {
        CPoint q;
        CRect rect;
        UINT alignment;
    } cases[] = {
        // From above: above the end point, right of the line.
        {{1000, -800}, {1005, -955, 1105, -995}, DT_BOTTOM},
        // Nearly upright: the same side, turned by the segment's slight slant.
        {{1008, -800}, {1006, -956, 1106, -996}, DT_BOTTOM},
        // From below: below the end point.
        {{1000, -1200}, {1005, -1005, 1105, -1045}, 0},
        // From the left: under the line, ending just before the end point (the half-turn
        // truncates the offset's 5 to 4).
        {{800, -1000}, {895, -1004, 995, -1044}, DT_RIGHT},
        // From the right: under the line, after the end point.
        {{1200, -1000}, {1005, -1005, 1105, -1045}, 0},
        {{1000, -1000}, {1005, -1005, 1105, -1045}, 0},
    };
    for (const auto& c : cases) {
        CRelLineObj arrow = MakeArrow(1, {c.q, e});
        CRect rect;
        UINT alignment = 99;
        ASSERT_TRUE(arrow.GetCardinalityTextRect(rect, alignment));
        EXPECT_EQ(rect, c.rect) << "from " << c.q;
        EXPECT_EQ(alignment, c.alignment) << "from " << c.q;
    }
    // Oblique last segments choose their alignment by the side and the steepness.
    const struct
    {
        CPoint q;
        UINT alignment;
    } oblique[] = {
        {{800, -1100}, 0},         {{900, -1200}, DT_RIGHT | DT_BOTTOM},
        {{800, -900}, DT_BOTTOM},  {{900, -700}, DT_RIGHT | DT_BOTTOM},
        {{1200, -1100}, 0},        {{1100, -1300}, 0},
        {{1200, -900}, DT_BOTTOM}, {{1100, -700}, 0},
    };
    for (const auto& c : oblique) {
        CRelLineObj arrow = MakeArrow(1, {c.q, e});
        CRect rect;
        UINT alignment = 99;
        ASSERT_TRUE(arrow.GetCardinalityTextRect(rect, alignment));
        EXPECT_EQ(alignment, c.alignment) << "from " << c.q;
        EXPECT_EQ(rect.Width(), 100);
        EXPECT_EQ(rect.Height(), -40);
    }
    CRelLineObj single = MakeArrow(1, {e});
    CRect rect;
    UINT alignment = 0;
    EXPECT_FALSE(single.GetCardinalityTextRect(rect, alignment));
}

TEST(RelLineDraw, ShownLabelsDrawInTheDrawingFontAfterTheLineUnlessTheArrowIsHidden)
{
    CRelLineObj arrow = MakeArrow(2, {{100, -100}, {300, -100}, {300, -300}});
    arrow.GetItemNameLabel().SetText("kind");
    arrow.GetItemValueLabel().SetText("A");
    arrow.ShowLabel(CRelLineObj::PART_ITEM_NAME, TRUE);
    arrow.ShowLabel(CRelLineObj::PART_ITEM_VALUE, TRUE);
    arrow.ShowLabel(CRelLineObj::PART_MEMO, TRUE);
    LOGFONT font = arrow.GetMemoLabel().GetLogFont();
    font.lfHeight = -20;
    arrow.SetHideDefine(FALSE);
    DrawLog log;
    CDC dc;
    dc.CreateRecording(&log);
    arrow.Draw(&dc, 100, FALSE, FALSE, &font, 0, nullptr);
    EXPECT_EQ(DrawnTexts(log.calls), (std::vector<std::string>{"×N", "kind", "A"}));
    EXPECT_EQ(log.calls.front().op, "Polyline");
    EXPECT_EQ(arrow.GetItemNameLabel().GetLogFont().lfHeight, -20);

    // Hidden in define mode the labels stay away; print mode shows them.
    arrow.SetHideDefine(TRUE);
    EXPECT_TRUE(DrawnTexts(RecordArrow(arrow, 0, FALSE)).empty());
    EXPECT_EQ(DrawnTexts(RecordArrow(arrow, 0, TRUE)).size(), 3u);
}

TEST(RelLineDraw, RepaintAreaHoldsTheLabelsAndTheCardinalityTextOfTheLastDrawing)
{
    CRelLineObj arrow = MakeArrow(1, {{1000, -800}, {1000, -1000}});
    arrow.SetCardinality(CRelLineObj::CARDINALITY_ONE_OR_MORE);
    CRect line;
    arrow.GetRedrawRect(line, 100, TRUE);
    EXPECT_LT(line.right, 1100);

    RecordArrow(arrow, kIdefDisplay | kCardinalityDisplay);
    CRect withText;
    arrow.GetRedrawRect(withText, 100, TRUE);
    EXPECT_GE(withText.right, 1105);
    EXPECT_EQ(withText.left, line.left);

    RecordArrow(arrow, kIdefDisplay);
    arrow.ShowLabel(CRelLineObj::PART_MEMO, TRUE);
    CRect withMemo;
    arrow.GetRedrawRect(withMemo, 100, TRUE);
    EXPECT_LE(withMemo.left, arrow.GetMemoLabel().GetRect().left);
    EXPECT_LT(withMemo.right, 1105);

    // Hidden in define mode: nothing to repaint, though the full area still holds everything.
    arrow.SetHideDefine(TRUE);
    CRect hidden, full;
    arrow.GetRedrawRect(hidden, 100, FALSE);
    arrow.GetFullRedrawRect(full, 100);
    EXPECT_TRUE(hidden.IsRectNull());
    EXPECT_LE(full.left, arrow.GetMemoLabel().GetRect().left);
}

TEST(RelLineDraw, PicturesForReview)
{
    // The four kinds side by side, each with its labels, in both notations and at two zooms.
    std::vector<CRelLineObj> arrows;
    arrows.push_back(MakeArrow(1, {{60, -60}, {60, -200}, {200, -200}, {200, -420}}));
    arrows.back().SetNullAllowed(TRUE);
    arrows.back().SetCardinality(CRelLineObj::CARDINALITY_ONE_OR_MORE);
    arrows.back().ShowLabel(CRelLineObj::PART_MEMO, TRUE);
    arrows.push_back(MakeArrow(1, {{260, -60}, {260, -200}, {400, -200}, {400, -420}}));
    arrows.back().SetCardinality(CRelLineObj::CARDINALITY_CONSTANT);
    arrows.back().SetConstant(12);
    arrows.push_back(MakeArrow(2, {{460, -60}, {600, -60}, {600, -420}}));
    arrows.push_back(MakeArrow(3, {{660, -60}, {800, -420}}));
    arrows.push_back(MakeArrow(4, {{860, -60}, {860, -420}, {1000, -420}}));
    arrows[3].SetDefinite(FALSE);
    for (CRelLineObj& arrow : arrows) {
        if (arrow.IsSubTypeKind()) {
            arrow.GetItemNameLabel().SetText("kind");
            arrow.GetItemValueLabel().SetText("A");
            arrow.ShowLabel(CRelLineObj::PART_ITEM_NAME, TRUE);
            arrow.ShowLabel(CRelLineObj::PART_ITEM_VALUE, TRUE);
        }
    }
    for (const DWORD display : {DWORD(0), kIdefDisplay | kCardinalityDisplay}) {
        for (const int zoom : {100, 50}) {
            QImage image(1100, 560, QImage::Format_RGB32);
            CDC dc;
            ASSERT_TRUE(StartReviewPicture(image, dc));
            for (CRelLineObj& arrow : arrows)
                arrow.Draw(&dc, zoom, FALSE, TRUE, nullptr, display, nullptr);
            dc.DeleteDC();
            const QString path =
                QDir::temp().filePath(QString("zivra-arrows-%1-%2.png").arg(display ? "idef" : "xj").arg(zoom));
            EXPECT_TRUE(image.save(path));
            std::cout << "arrow picture: " << path.toStdString() << std::endl;
        }
    }
}
