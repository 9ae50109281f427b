// Balloons: the tail's regions, bases and outline, the drags and their clamps, resizing, hit tests,
// drawing, the menu and the record.
#include "objects/NoteObj.h"

#include "foundation/CommandIds.h"
#include "objects/DrawObjects.h"
#include "foundation/RegItemObj.h"
#include "platform/profile/Profile.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/Menu.h"
#include "tests/foundation/MenuTesting.h"
#include "tests/objects/ObjectsTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

const CRect kBox(0, 0, 400, -200);

std::vector<CPoint> Points(const NoteOutline& outline)
{
    return {outline.begin(), outline.end()};
}

std::vector<CPoint> Points(const NoteTail& tail)
{
    return {tail.tip, tail.base1, tail.base2};
}

} // namespace

TEST(NoteTail, DefaultTailAndOutline)
{
    const CNoteObj note(1, kBox);
    EXPECT_EQ(Points(note.GetTail()), (std::vector<CPoint>{{40, -240}, {80, -200}, {160, -200}}));
    EXPECT_EQ(note.GetTailSide(), NOTE_TAIL_BOTTOM);
    EXPECT_EQ(Points(note.GetOutline()),
              (std::vector<CPoint>{{40, -240}, {80, -200}, {0, -200}, {0, 0}, {400, 0}, {400, -200}, {160, -200}}));

    // An empty rectangle gets no tail, and a balloon made for reading has none yet.
    EXPECT_EQ(Points(CNoteObj(1, CRect()).GetTail()), (std::vector<CPoint>(3, CPoint(0, 0))));
    EXPECT_EQ(Points(CNoteObj().GetTail()), (std::vector<CPoint>(3, CPoint(0, 0))));
}

TEST(NoteTail, RegionsBasesAndOutlineCornersAroundTheRectangle)
{
    struct Case
    {
        CPoint tip;
        int region;
        CPoint base1, base2;
        DWORD side;
        CPoint firstCorner;
    };
    // Centre (200, -100); tenths 40 across and 20 down.
    const Case cases[] = {
        {{100, -300}, 1, {80, -200}, {160, -200}, NOTE_TAIL_BOTTOM, {0, -200}},
        {{-100, -150}, 2, {0, -120}, {0, -160}, NOTE_TAIL_LEFT, {0, 0}},
        {{-100, -50}, 3, {0, -40}, {0, -80}, NOTE_TAIL_LEFT, {0, 0}},
        {{100, 100}, 4, {160, 0}, {80, 0}, NOTE_TAIL_TOP, {400, 0}},
        {{300, 100}, 5, {320, 0}, {240, 0}, NOTE_TAIL_TOP, {400, 0}},
        {{500, -50}, 6, {400, -80}, {400, -40}, NOTE_TAIL_RIGHT, {400, -200}},
        {{500, -150}, 7, {400, -160}, {400, -120}, NOTE_TAIL_RIGHT, {400, -200}},
        {{300, -300}, 8, {240, -200}, {320, -200}, NOTE_TAIL_BOTTOM, {0, -200}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CalcNoteTailRegion(kBox, c.tip), c.region) << c.tip;
        NoteTail tail{c.tip, {}, {}};
        CalcNoteTailBase(kBox, c.region, tail);
        EXPECT_EQ(Points(tail), (std::vector<CPoint>{c.tip, c.base1, c.base2})) << c.region;
        EXPECT_EQ(CalcNoteTailSide(kBox, tail.base1, tail.base2), c.side) << c.region;
        EXPECT_EQ(BuildNoteOutline(kBox, tail)[2], c.firstCorner) << c.region;
    }
    // Bases on no common side: the outline runs as for the bottom.
    EXPECT_EQ(CalcNoteTailSide(kBox, CPoint(0, -50), CPoint(50, 0)), 0u);

    // A rectangle without width or height is cut by its line, not by a division by zero.
    const CRect flat(100, 0, 100, -200);
    EXPECT_EQ(CalcNoteTailRegion(flat, CPoint(50, -150)), 2);
    EXPECT_EQ(CalcNoteTailRegion(flat, CPoint(150, -50)), 6);
    EXPECT_EQ(CalcNoteTailRegion(flat, CPoint(100, -300)), 8);
    EXPECT_EQ(CalcNoteTailRegion(CRect(0, -100, 400, -100), CPoint(100, 0)), 4);
    EXPECT_EQ(CalcNoteTailRegion(CRect(), CPoint(-5, -5)), 1);
}

TEST(NoteTail, TipDragMovesTheBaseToTheRegionItReaches)
{
    CNoteObj note(1, kBox);
    note.ApplyHandleDrag(CSize(460, 140), HIT_NOTE_TIP, 0); // to (500, -100), right of the centre line
    EXPECT_EQ(Points(note.GetTail()), (std::vector<CPoint>{{500, -100}, {400, -160}, {400, -120}}));
    // Slid along its side first, a base point stays put while the tip stays in its region.
    note.ApplyHandleDrag(CSize(0, 20), HIT_NOTE_BASE2, 0);
    note.ApplyHandleDrag(CSize(30, -30), HIT_NOTE_TIP, 0);
    EXPECT_EQ(Points(note.GetTail()), (std::vector<CPoint>{{530, -130}, {400, -160}, {400, -100}}));
}

TEST(NoteTail, BaseSlidesKeepTheirGaps)
{
    struct Case
    {
        CPoint tip;
        DWORD handle;
        CSize offset;
        CPoint base1, base2;
    };
    const Case cases[] = {
        // Bottom (bases 80 and 160): the first stops 20 before the second and 20 inside the corner.
        {{40, -240}, HIT_NOTE_BASE1, {200, 0}, {140, -200}, {160, -200}},
        {{40, -240}, HIT_NOTE_BASE1, {-200, 0}, {20, -200}, {160, -200}},
        {{40, -240}, HIT_NOTE_BASE2, {-200, 0}, {80, -200}, {100, -200}},
        {{40, -240}, HIT_NOTE_BASE2, {900, 0}, {80, -200}, {380, -200}},
        {{40, -240}, HIT_NOTE_BASE1, {30, 500}, {110, -200}, {160, -200}},
        // Top (bases 160 and 80, the first to the right).
        {{100, 100}, HIT_NOTE_BASE1, {-200, 0}, {100, 0}, {80, 0}},
        {{100, 100}, HIT_NOTE_BASE2, {-200, 0}, {160, 0}, {20, 0}},
        // Right (bases -160 and -120, the first lower) and left (-120 and -160, the first higher).
        {{500, -150}, HIT_NOTE_BASE1, {0, -200}, {400, -180}, {400, -120}},
        {{500, -150}, HIT_NOTE_BASE2, {0, -200}, {400, -160}, {400, -140}},
        {{-100, -150}, HIT_NOTE_BASE1, {0, 300}, {0, -20}, {0, -160}},
        {{-100, -150}, HIT_NOTE_BASE2, {0, 300}, {0, -120}, {0, -140}},
    };
    for (const Case& c : cases) {
        NoteTail tail{c.tip, {}, {}};
        CalcNoteTailBase(kBox, CalcNoteTailRegion(kBox, c.tip), tail);
        DragNoteTailHandle(kBox, tail, c.offset, c.handle, 20);
        EXPECT_EQ(Points(tail), (std::vector<CPoint>{c.tip, c.base1, c.base2})) << c.tip << " " << c.offset;
    }
    // Base points on no side do not move.
    NoteTail loose{{40, -240}, {10, -10}, {300, -50}};
    DragNoteTailHandle(kBox, loose, CSize(50, 50), HIT_NOTE_BASE1, 20);
    EXPECT_EQ(loose.base1, CPoint(10, -10));
}

TEST(NoteTail, ResizeKeepsTheTipAndCarriesOrReplacesTheBase)
{
    CNoteObj note(1, kBox);
    note.ResizeByHandle(CSize(400, 0), HIT_HANDLE | HIT_SIDE_RIGHT);
    EXPECT_EQ(note.GetRect(), CRect(0, 0, 800, -200));
    EXPECT_EQ(Points(note.GetTail()), (std::vector<CPoint>{{40, -240}, {160, -200}, {320, -200}}))
        << "same region: the base stretches with its side";

    // The left side passes the tip: the tip now lies left of the rectangle, low.
    note.ResizeByHandle(CSize(700, 0), HIT_HANDLE | HIT_SIDE_LEFT);
    EXPECT_EQ(note.GetRect(), CRect(700, 0, 800, -200));
    EXPECT_EQ(Points(note.GetTail()), (std::vector<CPoint>{{40, -240}, {700, -120}, {700, -160}}));

    // Moving takes the whole tail along.
    note.MoveBy(CSize(10, -10), HIT_BODY);
    EXPECT_EQ(Points(note.GetTail()), (std::vector<CPoint>{{50, -250}, {710, -130}, {710, -170}}));
}

TEST(NoteObj, RectanglesTakeInTheTip)
{
    CNoteObj note(1, kBox);
    CRect rect;
    note.GetVisibleRect(rect, TRUE);
    EXPECT_EQ(rect, CRect(0, 0, 400, -240));
    note.GetRedrawRect(rect, 100, TRUE);
    EXPECT_EQ(rect, CRect(0, 0, 414, -268)) << "the tip side twice the margin";
    EXPECT_TRUE(note.IsInsideRect(CRect(0, 0, 400, -200), TRUE)) << "the tail does not count";

    note.SetHideDefine(TRUE);
    note.GetVisibleRect(rect, FALSE);
    EXPECT_TRUE(rect.IsRectEmpty());
    EXPECT_FALSE(note.IsInsideRect(CRect(0, 0, 400, -200), FALSE));
}

TEST(NoteObj, HitsFollowTheOutlineAndTheFill)
{
    CNoteObj note(1, kBox);
    const CPoint inside(200, -100), inTail(93, -213), nearEdge(398, -100), outside(300, -250);
    for (BOOL outlineOnly : {FALSE, TRUE}) {
        EXPECT_TRUE(note.HitTest(inside, 2, TRUE, outlineOnly));
        EXPECT_TRUE(note.HitTest(inTail, 2, TRUE, outlineOnly));
        EXPECT_FALSE(note.HitTest(outside, 2, TRUE, outlineOnly));
    }
    ASSERT_TRUE(note.ApplyAttributeCommand(ID_OBJ_FILL, nullptr, HIT_BODY));
    EXPECT_FALSE(note.GetNoteFill());
    EXPECT_FALSE(note.HitTest(inside, 2, TRUE, TRUE));
    EXPECT_TRUE(note.HitTest(nearEdge, 2, TRUE, TRUE));
    EXPECT_TRUE(note.HitTest(inside, 2, TRUE, FALSE));

    // The tail's handles come before the frame's.
    DWORD hit = 0, part = 0;
    CPoint handle;
    ASSERT_TRUE(note.HitTestHandles(50, CPoint(22, -118), 0, 0, hit, part, handle, TRUE));
    EXPECT_EQ(hit, HIT_NOTE_TIP);
    EXPECT_EQ(handle, CPoint(20, -120));
    ASSERT_TRUE(note.HitTestHandles(100, CPoint(400, 0), 0, 0, hit, part, handle, TRUE));
    EXPECT_EQ(hit, DWORD(0x52)) << "top-right corner of the rectangle itself";
}

TEST(NoteObj, DrawsTheOutlineWithItsShadowAndThenTheText)
{
    CNoteObj note(1, kBox);
    note.SetShadowDepth(10);
    note.SetPenWidth(4);
    std::vector<DrawCall> calls = RecordDraw(note, 50);
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ(calls[0].op, "Polygon");
    EXPECT_EQ(calls[0].args, (std::vector<int>{25, -125, 45, -105, 5, -105, 5, -5, 205, -5, 205, -105, 85, -105}))
        << "the zoomed outline moved by the zoomed depth";
    EXPECT_EQ(calls[0].pen.lopnStyle, UINT(PS_NULL));
    EXPECT_EQ(calls[1].op, "Polygon");
    EXPECT_EQ(calls[1].pen.lopnStyle, UINT(PS_SOLID));
    EXPECT_EQ(calls[1].pen.lopnWidth.x, 2);
    EXPECT_EQ(calls[1].brush.lbStyle, UINT(BS_SOLID));
    for (std::size_t i = 2; i < calls.size(); ++i)
        EXPECT_NE(calls[i].op, "Polygon");

    // Unfilled: no shadow, a hollow outline.
    note.ApplyAttributeCommand(ID_OBJ_FILL, nullptr, HIT_BODY);
    calls = RecordDraw(note, 100);
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls[0].op, "Polygon");
    EXPECT_EQ(calls[0].brush.lbStyle, UINT(BS_NULL));
}

TEST(NoteObj, MenuAndCommandsFollowTheBalloonFill)
{
    CNoteObj note(1, kBox);
    std::vector<UINT> top, align;
    UINT shadowState = 0;
    const CMenu::PopupHook previous = CMenu::SetPopupHook([&](CMenu& menu) -> UINT {
        top = menu_testing::ItemIds(menu);
        shadowState = menu.GetMenuState(5, MF_BYPOSITION);
        align = menu_testing::ItemIds(*menu.GetSubMenu(13));
        return 0;
    });
    note.ObjectContextMenu(CPoint(10, 10), nullptr, HIT_BODY, TRUE, FALSE);
    const UINT popup = UINT(-1);
    EXPECT_EQ(top, (std::vector<UINT>{popup,
                                      popup,
                                      0,
                                      ID_OBJ_FILL,
                                      popup,
                                      popup,
                                      0,
                                      ID_FONT_ITALIC,
                                      ID_FONT_BOLD,
                                      ID_FONT_UNDERLINE,
                                      popup,
                                      ID_FONT_DIALOG,
                                      0,
                                      popup,
                                      popup,
                                      popup,
                                      popup,
                                      0,
                                      ID_SET_DEFAULT_ATTRIBUTES,
                                      ID_COPY_DEFAULT_ATTRIBUTES,
                                      0,
                                      popup}));
    EXPECT_EQ(align, (std::vector<UINT>{ID_TEXT_ALIGN_LEFT, ID_TEXT_ALIGN_CENTER, ID_TEXT_ALIGN_RIGHT}));
    EXPECT_FALSE(shadowState & MF_GRAYED);

    note.SetShadowDepth(6);
    note.ApplyAttributeCommand(ID_OBJ_FILL, nullptr, HIT_BODY);
    note.ObjectContextMenu(CPoint(10, 10), nullptr, HIT_BODY, TRUE, FALSE);
    CMenu::SetPopupHook(previous);
    EXPECT_TRUE(shadowState & MF_GRAYED);

    CCmdUI fill, shadow;
    fill.m_nID = ID_OBJ_FILL;
    shadow.m_nID = ID_SHADOW_SMALL;
    EXPECT_TRUE(note.UpdateCommandUI(&fill, nullptr, HIT_BODY, TRUE, FALSE));
    EXPECT_EQ(fill.GetCheck(), 0);
    EXPECT_TRUE(note.UpdateCommandUI(&shadow, nullptr, HIT_BODY, TRUE, FALSE));
    EXPECT_EQ(shadow.GetCheck(), 1);
    EXPECT_FALSE(shadow.IsEnabled()) << "a shadow depth set, but unfilled";
    EXPECT_FALSE(note.HasBalloonShadow(TRUE));
}

TEST(NoteObj, RecordAndCopiesKeepFlagsAndTail)
{
    CNoteObj note(3, kBox);
    note.ApplyHandleDrag(CSize(460, 140), HIT_NOTE_TIP, 0);
    note.ApplyAttributeCommand(ID_OBJ_FILL, nullptr, HIT_BODY);
    note.SetText(CString("hello"));
    const std::vector<BYTE> bytes = StoreObject(&note);
    // The record ends with the two flag words and the three points.
    RecordBytes tail;
    tail.Word(0).Word(1).Long(500).Long(-100).Long(400).Long(-160).Long(400).Long(-120);
    ASSERT_GT(bytes.size(), tail.Bytes().size());
    EXPECT_TRUE(std::equal(tail.Bytes().begin(), tail.Bytes().end(), bytes.end() - tail.Bytes().size()));

    const auto loaded = LoadObject<CNoteObj>(bytes);
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->GetKind(), OBJKIND_NOTE);
    EXPECT_EQ(Points(loaded->GetTail()), Points(note.GetTail()));
    EXPECT_FALSE(loaded->GetNoteFill());
    EXPECT_TRUE(loaded->GetNoteFrame());
    EXPECT_EQ(StoreObject(loaded.get()), bytes);

    const std::unique_ptr<CObject> clone(DrawObjects::Clone(&note));
    ASSERT_NE(DYNAMIC_DOWNCAST(CNoteObj, clone.get()), nullptr);
    EXPECT_EQ(StoreObject(clone.get()), bytes) << "field for field";

    // Attribute copies take the flags but never the tail.
    CNoteObj other(4, CRect(0, 0, 100, -100));
    other.CopyAttributes(note);
    EXPECT_FALSE(other.GetNoteFill());
    EXPECT_EQ(other.GetTail().tip, CPoint(10, -140));
}

TEST(NoteObj, ClassDefaultsKeepTheBalloonFlags)
{
    constexpr char section[] = "NoteObj Properties";
    Profile::WriteProfileString(section, nullptr, nullptr);
    CNoteObj prototype;
    prototype.ApplyAttributeCommand(ID_OBJ_FILL, nullptr, HIT_BODY);
    CRegItemObj carrier;
    prototype.SaveDefaultAttributes(carrier);
    EXPECT_EQ(Profile::GetProfileInt(section, "FillNote", -1), 0);
    EXPECT_EQ(Profile::GetProfileInt(section, "DrawFrameNote", -1), 1);
    EXPECT_EQ(Profile::GetProfileInt(section, "Fill", -1), 0) << "the box fill stays off";

    CNoteObj nextRun;
    CRegItemObj loader;
    nextRun.LoadDefaultAttributes(loader);
    EXPECT_FALSE(nextRun.GetNoteFill());
    EXPECT_TRUE(nextRun.GetNoteFrame());
    Profile::WriteProfileString(section, nullptr, nullptr);
}
