// A print job finds each page's objects through a grid: the same objects, in the same order, as
// testing every object against the page.
#include "objects/RectObj.h"
#include "view/PrintObjectIndex.h"
#include "view/ViewGeometry.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <vector>

TEST(PrintObjectIndex, FindsWhatTestingEveryObjectFinds)
{
    // Small, page-crossing, huge, negative-coordinate and never-drawn objects on a 1000 x 700 grid.
    const std::vector<CRect> rects = {
        {100, -100, 300, -300},     {900, -600, 1200, -800}, {-500, 200, -100, -50},     {0, 0, 10000, -9000},
        {2050, -1450, 2150, -1550}, {999, -699, 1000, -700}, {3000, -3000, 3001, -3001}, {1500, -100, 1600, -200},
    };
    std::vector<std::unique_ptr<CRectObj>> owned;
    std::vector<CObject*> objects;
    std::map<CObject*, CRect> bounds;
    for (std::size_t i = 0; i < rects.size(); ++i) {
        owned.push_back(std::make_unique<CRectObj>(WORD(i + 1), rects[i]));
        objects.push_back(owned.back().get());
        if (i != 6) // the seventh is never drawn
            bounds[owned.back().get()] = rects[i];
    }
    const PrintObjectIndex index(
        objects,
        [&](CObject* object, CRect& rect) {
            const auto found = bounds.find(object);
            if (found == bounds.end())
                return false;
            rect = found->second;
            return true;
        },
        CSize(1000, -700));

    const CRect clips[] = {{0, 0, 1000, -700},   {1000, -700, 2000, -1400}, {2000, -1400, 3000, -2100},
                           {-1000, 700, 0, 0},   {0, 0, 20000, -20000},     {2990, -2990, 3010, -3010},
                           {1000, 0, 2000, -700}};
    for (const CRect& clip : clips) {
        std::vector<CObject*> expected;
        for (CObject* object : objects) {
            const auto found = bounds.find(object);
            if (found != bounds.end() && ViewGeometry::RectsIntersectAbsY(found->second, clip))
                expected.push_back(object);
        }
        EXPECT_EQ(index.ObjectsIn(clip), expected) << clip.left << "," << clip.top;
    }
}
