// Automatic placement of new objects in rows: each placed object moves the anchor past it, and a
// row that reaches the document's right edge continues below, at the row's start.
#include "tests/view/ViewTestSupport.h"

#include <vector>

namespace AutoPlacementTest {

using Advance = BOOL (CBaseView::*)(CObject*);

// The anchors handed out while placing `count` objects of the size, one after another.
std::vector<CPoint> PlaceObjects(CBaseView& view, Advance advance, CSize size, int count)
{
    CRectObj placed(1, CRect(0, 0, size.cx, size.cy));
    std::vector<CPoint> anchors;
    CPoint point;
    view.GetAutoPlacementPoint(point, TRUE);
    for (int i = 0; i < count; ++i) {
        view.GetAutoPlacementPoint(point, FALSE);
        anchors.push_back(point);
        EXPECT_FALSE((view.*advance)(&placed)) << i; // the document is far from full
    }
    return anchors;
}

} // namespace AutoPlacementTest

TEST_F(ViewTest, AutoPlacementFillsARowThenContinuesBelowAtTheRowStart)
{
    using namespace AutoPlacementTest;
    CBaseView& view = Open();
    CPoint bottomRight;
    view.GetDocumentBottomRight(bottomRight);
    const CSize size(bottomRight.x / 5, -200);
    for (Advance advance : {&CBaseView::AdvanceAutoPlacementAcross, &CBaseView::AdvanceAutoPlacementDown}) {
        const std::vector<CPoint> anchors = PlaceObjects(view, advance, size, 12);
        const int step = anchors[1].x - anchors[0].x;
        EXPECT_GT(step, size.cx);
        std::size_t wrap = 1;
        while (wrap < anchors.size() && anchors[wrap].y == anchors[0].y) {
            EXPECT_EQ(anchors[wrap].x - anchors[wrap - 1].x, step) << wrap;
            ++wrap;
        }
        ASSERT_LT(wrap, anchors.size());
        EXPECT_LE(anchors[wrap - 1].x + size.cx, bottomRight.x); // the row stays inside the document
        EXPECT_EQ(anchors[wrap].x, anchors[0].x);
        EXPECT_LT(anchors[wrap].y, anchors[0].y + size.cy); // the next row is below the first
        view.RestartAutoPlacement();
    }
}
