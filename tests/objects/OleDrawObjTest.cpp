// The OLE drawing object without OLE: its rectangle following the item's extent, its frame, fill
// and shadow around the item's presentation, its frame switch and menu, and its record.
#include "foundation/CommandIds.h"
#include "objects/OleDrawObj.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/Menu.h"
#include "tests/foundation/MenuTesting.h"
#include "tests/objects/ObjectsTestSupport.h"
#include "tests/support/TestAppServices.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace ole_draw_obj_test {

// An item whose extent and state the test sets; it records where it was asked to draw.
struct FakeItemState
{
    CSize extent{0, 0};
    BOOL hasExtent = TRUE;
    BOOL inPlace = FALSE;
    std::vector<CRect> drawn;
};

class FakeItem : public OleItem
{
public:
    explicit FakeItem(std::shared_ptr<FakeItemState> state) : m_state(std::move(state)) {}
    BOOL GetExtent(CSize& extent) const override
    {
        extent = m_state->extent;
        return m_state->hasExtent;
    }
    BOOL IsInPlaceActive() const override { return m_state->inPlace; }
    void Draw(CDC*, const CRect& rect) override { m_state->drawn.push_back(rect); }
    std::unique_ptr<OleItem> Clone() const override
    {
        return std::make_unique<FakeItem>(std::make_shared<FakeItemState>(*m_state));
    }

private:
    std::shared_ptr<FakeItemState> m_state;
};

} // namespace ole_draw_obj_test

using menu_testing::ItemIds;
using ole_draw_obj_test::FakeItem;
using ole_draw_obj_test::FakeItemState;

TEST(OleDrawObj, ANewObjectTakesItsSizeFromTheExtentAtThePoint)
{
    auto state = std::make_shared<FakeItemState>();
    state->extent = CSize(5009, 3009); // 0.01 mm; the last tenth is dropped
    const COleDrawObj ole(1, CPoint(1000, -1000), std::make_unique<FakeItem>(state));
    EXPECT_EQ(ole.GetRect(), CRect(1000, -1000, 1500, -1300));
    EXPECT_EQ(ole.GetExtent(), CSize(5009, 3009));
    EXPECT_EQ(ole.GetKind(), OBJKIND_OLE);
}

TEST(OleDrawObj, TheRectangleFollowsAChangedExtent)
{
    struct Row
    {
        const char* name;
        CSize stored;
        CSize extent;
        BOOL hasExtent;
        BOOL inPlace;
        BOOL changed; // what the update returns
        CRect rect;
    };
    const CRect start(1000, -1000, 1500, -1300);
    const Row rows[] = {
        // clang-format off
        {"doubled: twice as wide and high from the top-left corner", {5000, 3000}, {10000, 6000}, TRUE, FALSE, TRUE,
         {1000, -1000, 2000, -1600}},
        {"in place active: only the extent is kept", {5000, 3000}, {10000, 6000}, TRUE, TRUE, TRUE, start},
        {"first time, even in place", {0, 0}, {2000, 1000}, TRUE, TRUE, TRUE, {1000, -1000, 1200, -1100}},
        {"a side stored as 0 takes the extent's length", {0, 3000}, {2000, 1500}, TRUE, FALSE, TRUE,
         {1000, -1000, 1200, -1150}},
        {"unchanged", {5000, 3000}, {5000, 3000}, TRUE, FALSE, FALSE, start},
        {"no extent", {5000, 3000}, {10000, 6000}, FALSE, FALSE, FALSE, start},
        // clang-format on
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        auto state = std::make_shared<FakeItemState>();
        state->extent = row.extent;
        state->hasExtent = row.hasExtent;
        state->inPlace = row.inPlace;
        COleDrawObj ole(1, start);
        ole.SetExtent(row.stored);
        ole.AttachItem(std::make_unique<FakeItem>(state));
        EXPECT_EQ(ole.UpdateFromExtent(), row.changed);
        EXPECT_EQ(ole.GetRect(), row.rect);
        EXPECT_EQ(ole.GetExtent(), row.hasExtent ? row.extent : row.stored);
    }
}

TEST(OleDrawObj, FrameFillAndShadowAroundThePresentation)
{
    auto state = std::make_shared<FakeItemState>();
    COleDrawObj ole(1, CRect(100, -100, 500, -300));
    ole.SetFill(FALSE);
    ole.SetPenWidth(8);
    EXPECT_TRUE(RecordDraw(ole, 100).empty()) << "without an item nothing is drawn";
    ole.AttachItem(std::make_unique<FakeItem>(state));

    // No frame, no fill: the rectangle is drawn with the null pen and brush under the presentation.
    std::vector<DrawCall> calls = RecordDraw(ole, 100);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].pen.lopnStyle & PS_STYLE_MASK, UINT(PS_NULL));
    EXPECT_EQ(calls[0].brush.lbStyle, BS_NULL);
    EXPECT_EQ(state->drawn, std::vector<CRect>({CRect(100, -100, 500, -300)}));

    // Framed, filled, with a shadow, at 50 %: the shadow, then the frame inside a pen 8 x 50 % wide.
    ole.SetDrawFrame(TRUE);
    ole.SetFill(TRUE);
    ole.SetShadowDepth(20);
    calls = RecordDraw(ole, 50);
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].op, "Rectangle");
    EXPECT_EQ(calls[0].args, (std::vector<int>{60, -60, 260, -160}));
    EXPECT_EQ(calls[0].pen.lopnStyle & PS_STYLE_MASK, UINT(PS_NULL));
    EXPECT_EQ(calls[1].args, (std::vector<int>{50, -50, 250, -150}));
    EXPECT_EQ(calls[1].pen.lopnStyle & PS_STYLE_MASK, UINT(PS_INSIDEFRAME));
    EXPECT_EQ(calls[1].pen.lopnWidth.x, 4);
    EXPECT_EQ(calls[1].brush.lbStyle, BS_SOLID);
    EXPECT_EQ(state->drawn.back(), CRect(50, -50, 250, -150));

    // Hidden in define mode: nothing, no handles, no hit.
    ole.SetHideDefine(TRUE);
    EXPECT_TRUE(RecordDraw(ole, 100, TRUE, FALSE).empty());
    EXPECT_FALSE(ole.HitTest(CPoint(300, -200), 5, FALSE, TRUE));
    EXPECT_TRUE(ole.HitTest(CPoint(300, -200), 5, TRUE, TRUE)) << "hit inside, filled or not";
    EXPECT_FALSE(ole.HitTest(CPoint(300, -310), 5, TRUE, TRUE));
}

TEST(OleDrawObj, FrameSwitchAndMenuWithoutVerbs)
{
    TestAppServices app;
    ASSERT_EQ(app.GetColorItemList()->CreateDefaultColorItems(), 16);
    COleDrawObj ole(1, CRect(100, -100, 500, -300));
    auto frameCheck = [&] {
        CCmdUI state;
        state.m_nID = ID_TEXT_FRAME;
        EXPECT_TRUE(ole.UpdateCommandUI(&state, nullptr, HIT_BODY, TRUE, FALSE));
        return state.GetCheck();
    };
    EXPECT_EQ(frameCheck(), 0);
    EXPECT_TRUE(ole.ApplyAttributeCommand(ID_TEXT_FRAME, nullptr, HIT_BODY));
    EXPECT_TRUE(ole.GetDrawFrame());
    EXPECT_EQ(frameCheck(), 1);
    EXPECT_TRUE(ole.ApplyAttributeCommand(ID_TEXT_FRAME, nullptr, HIT_BODY));
    EXPECT_FALSE(ole.GetDrawFrame());
    EXPECT_EQ(frameCheck(), 0);

    std::vector<UINT> top, operations;
    const CMenu::PopupHook previous = CMenu::SetPopupHook([&](CMenu& menu) -> UINT {
        top = ItemIds(menu);
        operations = ItemIds(*menu.GetSubMenu(menu.GetMenuItemCount() - 1));
        return 0;
    });
    ole.ObjectContextMenu(CPoint(10, 10), nullptr, HIT_BODY, TRUE, FALSE);
    CMenu::SetPopupHook(previous);
    const UINT popup = UINT(-1);
    EXPECT_EQ(top, (std::vector<UINT>{ID_TEXT_FRAME, popup, popup, 0, ID_OBJ_FILL, popup, popup, 0,
                                      ID_SET_DEFAULT_ATTRIBUTES, ID_COPY_DEFAULT_ATTRIBUTES, 0, popup}));
    EXPECT_EQ(operations, (std::vector<UINT>{ID_OBJ_SNAP_TO_GRID, ID_OBJ_SQUARE_BY_HEIGHT, ID_OBJ_SQUARE_BY_WIDTH,
                                             ID_OBJ_SQUARE_BY_LONGER, ID_OBJ_SQUARE_BY_SHORTER}));
}

TEST(OleDrawObj, RecordRoundTripAndCopies)
{
    COleDrawObj ole(7, CRect(100, -100, 500, -300));
    ole.SetDrawFrame(TRUE);
    ole.SetExtent(CSize(4000, 2000));
    const std::vector<BYTE> stored = StoreObject(&ole);
    const auto loaded = LoadObject<COleDrawObj>(stored);
    ASSERT_TRUE(loaded);
    EXPECT_TRUE(loaded->GetDrawFrame());
    EXPECT_EQ(loaded->GetExtent(), CSize(4000, 2000));
    EXPECT_EQ(loaded->GetRect(), ole.GetRect());
    EXPECT_EQ(StoreObject(loaded.get()), stored);
    // The extent is one block of 8 bytes: cut inside it, the record is short.
    const std::vector<BYTE> shortRecord(stored.begin(), stored.end() - 2 - 4);
    EXPECT_THROW(LoadObject<COleDrawObj>(shortRecord), CArchiveException);

    // A copy holds a copy of the item.
    auto state = std::make_shared<FakeItemState>();
    ole.AttachItem(std::make_unique<FakeItem>(state));
    const COleDrawObj copy(ole);
    ASSERT_NE(copy.GetItem(), nullptr);
    EXPECT_NE(copy.GetItem(), ole.GetItem());
    EXPECT_TRUE(copy.GetDrawFrame());
    EXPECT_EQ(copy.GetExtent(), CSize(4000, 2000));
}
