// The implementation group: its defaults, record and the gate of old line records, class defaults,
// how it draws, is hit and keeps its outline closed, and its name label.
#include "foundation/CommandIds.h"
#include "foundation/RegItemObj.h"
#include "model/DataModelClasses.h"
#include "model/FileImplObj.h"
#include "objects/DrawObjects.h"
#include "platform/afx/Exception.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/DrawLog.h"
#include "platform/profile/Profile.h"
#include "platform/ui/CmdUI.h"

#include "tests/model/ArchiveBytes.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace FileImplObjTest {

using Points = std::vector<CPoint>;

// The closed rectangle (0, 0)-(200, -100) as the system writes it: the last point on the first.
const Points kRectangle{{0, 0}, {200, 0}, {200, -100}, {0, -100}, {0, 0}};
// A closed outline with a top edge that is no rectangle.
const Points kHouse{{0, 0}, {200, 0}, {200, -100}, {100, -150}, {0, -100}, {0, 0}};

// A group of file 12 on the points, its label placed, in print mode's sense visible.
std::unique_ptr<CFileImplObj> MakeGroup(const Points& points, const CString& label = CString("F"))
{
    auto group = std::make_unique<CFileImplObj>(7);
    for (const CPoint& p : points)
        group->AddPoint(p);
    group->SetImplementedFileId(12);
    group->SetLabelText(label);
    group->PlaceLabel();
    return group;
}

std::vector<DrawCall> Record(const std::function<void(CDC*)>& draw)
{
    DrawLog log;
    CDC dc;
    dc.CreateRecording(&log);
    draw(&dc);
    return log.calls;
}

std::vector<std::string> Ops(const std::vector<DrawCall>& calls)
{
    std::vector<std::string> ops;
    for (const DrawCall& call : calls)
        ops.push_back(call.op);
    return ops;
}

TEST(FileImplObj, DefaultsAndCopies)
{
    CFileImplObj group;
    EXPECT_EQ(group.GetKind(), OBJKIND_FILEIMPL);
    EXPECT_EQ(group.GetPenWidth(), 4);
    EXPECT_EQ(group.GetPenStyle(), PS_SOLID);
    EXPECT_TRUE(group.IsClosed());
    EXPECT_TRUE(group.GetShowNameFileRep());
    EXPECT_FALSE(group.GetLabel().GetFill());
    EXPECT_TRUE(group.GetLabel().GetRect().IsRectNull());
    EXPECT_FALSE(group.IsLabelShown()) << "no label rectangle yet";
    EXPECT_EQ(group.GetImplementedFileId(), 0);
    CString text;
    EXPECT_EQ(group.GetTypeName(text), CString(u8"実装ｸﾞﾙｰﾌﾟ ｵﾌﾞｼﾞｪｸﾄ"));
    EXPECT_EQ(group.GetProfileSection(text), CString("FileImpl Properties"));

    auto source = MakeGroup(kRectangle, CString("T_ORDER"));
    const CFileImplObj copy(*source);
    EXPECT_EQ(copy.GetObjectId(), 7);
    EXPECT_TRUE(copy.ImplementsFile(12));
    EXPECT_FALSE(copy.ImplementsFile(0));
    EXPECT_EQ(copy.GetLabel().GetText(), CString("T_ORDER"));
    EXPECT_EQ(copy.GetLabel().GetRect(), source->GetLabel().GetRect());
    EXPECT_EQ(copy.GetPointArray(), kRectangle);
}

TEST(FileImplObj, RecordRoundTripsToTheSameBytes)
{
    RegisterDataModelClasses();
    auto group = MakeGroup(kRectangle, CString("T_ORDER"));
    group->SetShowNameFileRep(FALSE);
    group->GetLabel().SetTextColor(0xFF);
    const std::string bytes = ArchiveBytes::StoreObject(*group);
    // The line record ends in version, kind, id, HideDefine and CanDelete; then the file id, the
    // switch and the label's text record.
    const std::string labelPart = ArchiveBytes::Store([&](CArchive& ar) { group->GetLabel().Serialize(ar); });
    ArchiveBytes::Bytes tail;
    tail.W(1001).W(OBJKIND_FILEIMPL).W(7).W(1).W(1).W(12).W(0);
    EXPECT_EQ(bytes.substr(bytes.size() - tail.data.size() - labelPart.size()), tail.data + labelPart);

    std::unique_ptr<CObject> loaded = ArchiveBytes::LoadObject(bytes, RUNTIME_CLASS(CFileImplObj));
    auto* reread = dynamic_cast<CFileImplObj*>(loaded.get());
    ASSERT_NE(reread, nullptr);
    EXPECT_EQ(reread->GetImplementedFileId(), 12);
    EXPECT_FALSE(reread->GetShowNameFileRep());
    EXPECT_EQ(reread->GetLabel().GetText(), CString("T_ORDER"));
    EXPECT_EQ(reread->GetLabel().GetTextColor(), 0xFFu);
    EXPECT_EQ(reread->GetPointArray(), kRectangle);
    EXPECT_EQ(ArchiveBytes::StoreObject(*reread), bytes);

    std::unique_ptr<CObject, void (*)(CObject*)> copy(DrawObjects::Clone(reread), &DrawObjects::Destroy);
    auto* copied = dynamic_cast<CFileImplObj*>(copy.get());
    ASSERT_NE(copied, nullptr);
    EXPECT_EQ(ArchiveBytes::StoreObject(*copied), bytes);

    ArchiveBytes::ExpectEveryTruncationFails(bytes, RUNTIME_CLASS(CFileImplObj));
}

TEST(FileImplObj, ALineVersionOf16MakesItAGroupWhateverKindItStored)
{
    RegisterDataModelClasses();
    auto group = MakeGroup(kHouse);
    const std::string bytes = ArchiveBytes::StoreObject(*group);
    const std::string record = ArchiveBytes::Store([&](CArchive& ar) { group->Serialize(ar); });
    const std::string linePart = ArchiveBytes::Store([&](CArchive& ar) { group->CPolyLine::Serialize(ar); });
    const std::size_t versionAt = bytes.size() - record.size() + linePart.size();
    struct Case
    {
        WORD version, kind, loadedKind;
    } cases[] = {{16, OBJKIND_LINE, OBJKIND_FILEIMPL},
                 {16, OBJKIND_RELLINE, OBJKIND_FILEIMPL},
                 {15, OBJKIND_LINE, OBJKIND_LINE},
                 {1001, OBJKIND_LINE, OBJKIND_LINE},
                 {1001, OBJKIND_FILEIMPL, OBJKIND_FILEIMPL}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.version);
        std::string old = bytes;
        old.replace(versionAt, 4, ArchiveBytes::Le16(c.version) + ArchiveBytes::Le16(c.kind));
        std::unique_ptr<CObject> loaded = ArchiveBytes::LoadObject(old, RUNTIME_CLASS(CFileImplObj));
        auto* reread = dynamic_cast<CFileImplObj*>(loaded.get());
        ASSERT_NE(reread, nullptr);
        EXPECT_EQ(reread->GetKind(), c.loadedKind);
        EXPECT_EQ(reread->GetVersion(), c.version);
        EXPECT_EQ(reread->GetImplementedFileId(), 12);
        EXPECT_EQ(reread->GetLabel().GetText(), CString("F"));
    }
}

class FileImplDefaults : public ::testing::Test
{
protected:
    void SetUp() override { Profile::WriteProfileString(kSection, nullptr, nullptr); }
    void TearDown() override { Profile::WriteProfileString(kSection, nullptr, nullptr); }
    static constexpr const char* kSection = "FileImpl Properties";
};

TEST_F(FileImplDefaults, TheLabelSwitchAndColourGoWithTheLineKeys)
{
    CFileImplObj prototype;
    prototype.SetShowNameFileRep(FALSE);
    prototype.GetLabel().SetTextColor(0x00FF00);
    prototype.SetPenColor(0x0000FF);
    CRegItemObj saving;
    prototype.SaveDefaultAttributes(saving);
    EXPECT_EQ(saving.GetSection(), CString(kSection));
    for (const char* key : {"ShowNameFileRep", "FontColor", "HideDefine", "CanDelete", "PenStyle", "PenColor",
                            "PenWidth", "ArrowStart", "ArrowEnd", "ArrowStyle", "FillColor", "PolyFillMode"})
        EXPECT_NE(Profile::GetProfileInt(kSection, key, -12345), -12345) << key;

    CFileImplObj next;
    CRegItemObj loading;
    next.LoadDefaultAttributes(loading);
    EXPECT_FALSE(next.GetShowNameFileRep());
    EXPECT_EQ(next.GetLabel().GetTextColor(), 0x00FF00u);
    EXPECT_EQ(next.GetPenColor(), 0x0000FFu);

    auto target = MakeGroup(kRectangle, CString("kept"));
    target->CopyAttributes(prototype);
    EXPECT_FALSE(target->GetShowNameFileRep());
    EXPECT_EQ(target->GetLabel().GetTextColor(), 0x00FF00u);
    EXPECT_EQ(target->GetPenColor(), 0x0000FFu);
    EXPECT_EQ(target->GetLabel().GetText(), CString("kept"));
}

TEST(FileImplObj, TheLabelLiesInABandAboveTheTopEdge)
{
    struct Case
    {
        Points points;
        BOOL placed;
        CRect label;
    } cases[] = {
        {{{100, -500}, {300, -500}, {300, -700}, {100, -700}, {100, -500}}, TRUE, {100, -440, 300, -490}},
        // Starting at the bottom: the higher run wins, whichever end comes first.
        {{{300, -700}, {100, -700}, {100, -500}, {300, -500}, {300, -700}}, TRUE, {100, -440, 300, -490}},
        // Near the page's top the band is held at y = -10.
        {{{0, -20}, {200, -20}, {200, -120}, {0, -120}}, TRUE, {0, -10, 200, -10}},
        {{}, FALSE, {0, 0, 0, 0}},
        // No horizontal top edge: the label stays without a rectangle and is not shown.
        {{{0, -100}, {100, 0}, {200, -100}}, FALSE, {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.points.size());
        auto group = MakeGroup({});
        for (const CPoint& p : c.points)
            group->AddPoint(p);
        EXPECT_EQ(group->PlaceLabel(), c.placed);
        EXPECT_EQ(group->GetLabel().GetRect(), c.label);
        EXPECT_FALSE(group->PlaceLabel()) << "placed once, or nowhere to place it";
        EXPECT_EQ(group->IsLabelShown(), c.placed);
    }
}

TEST(FileImplObj, DrawsARectangularOutlineAsOneFramedRectangle)
{
    struct Case
    {
        int penStyle, zoom;
        BOOL filled;
        int drawnStyle, drawnWidth;
        std::vector<int> rect;
    } cases[] = {
        {PS_SOLID, 100, FALSE, PS_INSIDEFRAME, 4, {0, 0, 200, -100}},
        {PS_DASH, 200, TRUE, PS_INSIDEFRAME, 8, {0, 0, 400, -200}},
        {PS_DASH, 25, FALSE, PS_DASH, 1, {0, 0, 50, -25}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.zoom);
        auto group = MakeGroup(kRectangle);
        group->SetShowNameFileRep(FALSE);
        group->SetPenStyle(c.penStyle);
        group->SetPenColor(0x0000FF);
        group->SetFilled(c.filled);
        group->SetFillColor(0x00FF00);
        const auto calls = Record([&](CDC* dc) { group->Draw(dc, c.zoom, FALSE, TRUE, nullptr, 0, nullptr); });
        ASSERT_EQ(Ops(calls), std::vector<std::string>{"Rectangle"});
        EXPECT_EQ(calls[0].args, c.rect);
        EXPECT_EQ(int(calls[0].pen.lopnStyle), c.drawnStyle);
        EXPECT_EQ(calls[0].pen.lopnWidth.x, c.drawnWidth);
        EXPECT_EQ(calls[0].pen.lopnColor, 0x0000FFu);
        EXPECT_EQ(calls[0].brush.lbStyle, c.filled ? UINT(BS_SOLID) : UINT(BS_NULL));
        if (c.filled) {
            EXPECT_EQ(calls[0].brush.lbColor, 0x00FF00u);
        }
    }
}

TEST(FileImplObj, OtherOutlinesDrawAsTheLineAndTheLabelInTheDocumentFont)
{
    auto group = MakeGroup(kHouse, CString(u8"T_受注"));
    CPolyObj plain(7);
    for (const CPoint& p : kHouse)
        plain.AddPoint(p);
    plain.CopyAttributes(*group);
    LOGFONT font = group->GetLabel().GetLogFont();
    font.lfHeight = -20;
    const auto calls = Record([&](CDC* dc) { group->Draw(dc, 100, FALSE, TRUE, &font, 0, nullptr); });
    const auto line = Record([&](CDC* dc) { plain.CPolyLine::Draw(dc, 100, FALSE); });
    ASSERT_GT(calls.size(), line.size());
    EXPECT_EQ(Ops(std::vector<DrawCall>(calls.begin(), calls.begin() + line.size())), Ops(line));
    EXPECT_EQ(calls[0].args, line[0].args);
    std::vector<DrawCall> texts;
    for (const DrawCall& call : calls)
        if (call.op == "DrawText")
            texts.push_back(call);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, CString(u8"T_受注"));
    EXPECT_EQ(group->GetLabel().GetLogFont().lfHeight, -20);

    // Switched off, hidden in define mode: no label, or nothing at all.
    group->SetShowNameFileRep(FALSE);
    EXPECT_EQ(Ops(Record([&](CDC* dc) { group->Draw(dc, 100, FALSE, TRUE, &font, 0, nullptr); })), Ops(line));
    EXPECT_TRUE(Record([&](CDC* dc) { group->Draw(dc, 100, TRUE, FALSE, &font, 0, nullptr); }).empty());
}

TEST(FileImplObj, HandlesOfARectangleAreItsEightBoxHandles)
{
    auto rectangle = MakeGroup(kRectangle);
    rectangle->SetShowNameFileRep(FALSE);
    const auto boxHandles = Record([&](CDC* dc) { rectangle->DrawHandles(dc, 100, TRUE); });
    ASSERT_EQ(boxHandles.size(), 8u);
    for (const DrawCall& call : boxHandles) {
        EXPECT_EQ(call.op, "Rectangle");
        EXPECT_EQ(call.rop2, R2_XORPEN);
        EXPECT_EQ(call.brush.lbColor, 0xFFFFFFu);
    }

    auto house = MakeGroup(kHouse);
    house->SetShowNameFileRep(FALSE);
    const auto lineHandles = Record([&](CDC* dc) { house->DrawHandles(dc, 100, TRUE); });
    EXPECT_EQ(Ops(lineHandles), Ops(Record([&](CDC* dc) { house->CPolyLine::DrawHandles(dc, 100); })));

    // The shown label adds its own frame and handles after the outline's.
    house->SetShowNameFileRep(TRUE);
    EXPECT_GT(Record([&](CDC* dc) { house->DrawHandles(dc, 100, TRUE); }).size(), lineHandles.size());
    EXPECT_TRUE(Record([&](CDC* dc) { house->DrawHandles(dc, 100, FALSE); }).empty());
}

TEST(FileImplObj, HitsOnTheLabelAndTheOutline)
{
    auto group = MakeGroup({{100, -500}, {300, -500}, {300, -700}, {100, -700}, {100, -500}});
    // Label: (100, -440)-(300, -490).
    struct Case
    {
        CPoint point;
        BOOL filled, printMode, shown, hit;
    } cases[] = {
        {{200, -460}, FALSE, TRUE, TRUE, TRUE},   // on the label
        {{200, -460}, FALSE, TRUE, FALSE, FALSE}, // the label switched off
        {{200, -503}, FALSE, TRUE, TRUE, TRUE},   // on the top edge
        {{200, -600}, FALSE, TRUE, TRUE, FALSE},  // inside, not filled: files inside stay reachable
        {{200, -600}, TRUE, TRUE, TRUE, TRUE},    // inside a filled outline
        {{200, -503}, FALSE, FALSE, TRUE, FALSE}, // hidden in define mode
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.point.x << ", " << c.point.y);
        group->SetFilled(c.filled);
        group->SetShowNameFileRep(c.shown);
        EXPECT_EQ(group->HitTest(c.point, 7, c.printMode, FALSE), c.hit);
    }

    group->SetShowNameFileRep(TRUE);
    DWORD code = 0, index = 0;
    CPoint handle;
    // Zoomed points at 50 %: the label at (50, -220)-(150, -245), the third point at (150, -350).
    EXPECT_TRUE(group->HitTestHandles(50, CPoint(100, -230), 0, 7, code, index, handle, TRUE));
    EXPECT_EQ(code, 0x10000004u);
    EXPECT_TRUE(group->HitTestHandles(50, CPoint(152, -352), 0, 7, code, index, handle, TRUE));
    EXPECT_EQ(code, 0x404u);
    EXPECT_EQ(index, 2u);
    EXPECT_FALSE(group->HitTestHandles(50, CPoint(100, -230), 0, 7, code, index, handle, FALSE));
}

TEST(FileImplObj, TheLabelCommandsAndTheirStates)
{
    auto state = [](CFileImplObj& group, UINT id) {
        CCmdUI cmdUI;
        cmdUI.m_nID = id;
        EXPECT_TRUE(group.UpdateCommandUI(&cmdUI, nullptr, 0, TRUE, FALSE));
        return std::pair{cmdUI.IsEnabled(), cmdUI.GetCheck()};
    };
    // A new group has the switch on but no label yet: switching off, then on, places it.
    auto group = MakeGroup({});
    for (const CPoint& p : kRectangle)
        group->AddPoint(p);
    EXPECT_EQ(state(*group, ID_IMPL_SHOW_NAME), (std::pair{TRUE, 0}));
    EXPECT_EQ(state(*group, ID_IMPL_NAME_FILL), (std::pair{FALSE, 0})) << "nothing to fill while not shown";
    EXPECT_TRUE(group->ApplyAttributeCommand(ID_IMPL_SHOW_NAME, nullptr, 0));
    EXPECT_FALSE(group->GetShowNameFileRep());
    EXPECT_TRUE(group->GetLabel().GetRect().IsRectNull());
    EXPECT_TRUE(group->ApplyAttributeCommand(ID_IMPL_SHOW_NAME, nullptr, 0));
    EXPECT_TRUE(group->IsLabelShown());
    EXPECT_EQ(group->GetLabel().GetRect(), CRect(0, -10, 200, -10));
    EXPECT_TRUE(group->ApplyAttributeCommand(ID_IMPL_NAME_FILL, nullptr, 0));
    EXPECT_EQ(state(*group, ID_IMPL_NAME_FILL), (std::pair{TRUE, 1}));
    EXPECT_TRUE(group->ApplyAttributeCommand(ID_OBJ_HIDE_DEFINE, nullptr, 0));
    EXPECT_EQ(state(*group, ID_OBJ_HIDE_DEFINE).second, 0);

    // Without a top edge the switch goes on but no label appears.
    auto peak = MakeGroup({{0, -100}, {100, 0}, {200, -100}});
    peak->SetShowNameFileRep(FALSE);
    EXPECT_TRUE(peak->ApplyAttributeCommand(ID_IMPL_SHOW_NAME, nullptr, 0));
    EXPECT_TRUE(peak->GetShowNameFileRep());
    EXPECT_FALSE(peak->IsLabelShown());
    EXPECT_FALSE(state(*peak, ID_IMPL_NAME_FILL).first);
}

TEST(FileImplObj, DraggingAPointKeepsTheOutlineClosed)
{
    const Points fourOpen{{0, 0}, {200, 0}, {200, -100}, {0, -100}};
    struct Case
    {
        const char* what;
        Points points;
        DWORD code, index;
        CSize offset;
        Points after;
    } cases[] = {
        {"first point", kRectangle, 0x104, 1, {-20, 10}, {{-20, 10}, {200, 10}, {200, -100}, {-20, -100}, {-20, 10}}},
        {"midpoint of the closing side",
         kRectangle,
         0x204,
         4,
         {-20, 0},
         {{-20, 0}, {200, 0}, {200, -100}, {-20, -100}, {-20, 0}}},
        {"the last corner", kRectangle, 0x404, 3, {-20, 0}, {{-20, 0}, {200, 0}, {200, -100}, {-20, -100}, {-20, 0}}},
        {"a middle corner", kRectangle, 0x404, 2, {30, -30}, {{0, 0}, {230, 0}, {230, -130}, {0, -130}, {0, 0}}},
        // An outline closed only by its flag has no last point to keep on the first.
        {"first point of an open list", fourOpen, 0x104, 1, {-20, 0}, {{-20, 0}, {200, 0}, {200, -100}, {0, -100}}},
        {"inserting", kRectangle, 0x1104, 1, {-20, 0}, {{-20, 0}, {100, 0}, {200, 0}, {200, -100}, {0, -100}, {0, 0}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto group = MakeGroup(c.points);
        group->MovePointByHandle(c.offset, c.code, c.index);
        EXPECT_EQ(group->GetPointArray(), c.after);

        // The drag outline shows the same points at the zoom, drawn back to the first.
        auto fresh = MakeGroup(c.points);
        const auto calls = Record([&](CDC* dc) {
            fresh->DrawHandleDragTracker(dc, 50, CSize(c.offset.cx / 2, c.offset.cy / 2), c.code, c.index, TRUE);
        });
        ASSERT_EQ(Ops(calls), std::vector<std::string>{"Polyline"});
        std::vector<int> expected;
        Points closed = c.after;
        closed.push_back(c.after.front());
        for (const CPoint& p : closed)
            expected.insert(expected.end(), {p.x / 2, p.y / 2});
        EXPECT_EQ(calls[0].args, expected);
        EXPECT_EQ(calls[0].rop2, R2_XORPEN);
    }
}

TEST(FileImplObj, TheLabelMovesWithTheGroupOrAlone)
{
    auto group = MakeGroup(kRectangle);
    const CRect label = group->GetLabel().GetRect();
    group->MoveBy(CSize(10, -10), HIT_BODY);
    EXPECT_EQ(group->GetLabel().GetRect(), label + CPoint(10, -10));
    EXPECT_EQ(group->GetStartPoint(), CPoint(10, -10));

    group->MoveBy(CSize(5, 0), CFileImplObj::HIT_IMPL_LABEL);
    EXPECT_EQ(group->GetLabel().GetRect(), label + CPoint(15, -10));
    EXPECT_EQ(group->GetStartPoint(), CPoint(10, -10));

    group->ResizeByHandle(CSize(40, 0), CFileImplObj::HIT_IMPL_LABEL | HIT_HANDLE | HIT_SIDE_RIGHT);
    EXPECT_EQ(group->GetLabel().GetRect().right, label.right + 55);
    EXPECT_EQ(group->GetEndPoint(), CPoint(10, -10));
    group->ResizeByHandle(CSize(40, 0), HIT_HANDLE | HIT_SIDE_RIGHT);
    EXPECT_EQ(group->GetPointArray()[1], CPoint(250, -10));

    // Dragging the label's handle moves the label alone, its outline following the mouse.
    const Points outline = group->GetPointArray();
    const CRect placed = group->GetLabel().GetRect();
    const auto calls = Record([&](CDC* dc) {
        group->DrawHandleDragTracker(dc, 100, CSize(0, 20), CFileImplObj::HIT_IMPL_LABEL | HIT_SHAPE_HANDLE, 0, TRUE);
    });
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].args, (std::vector<int>{placed.left, placed.top + 20, placed.right, placed.bottom + 20}));
    group->MovePointByHandle(CSize(0, 20), CFileImplObj::HIT_IMPL_LABEL | HIT_SHAPE_HANDLE, 1);
    EXPECT_EQ(group->GetLabel().GetRect(), placed + CPoint(0, 20));
    EXPECT_EQ(group->GetPointArray(), outline);

    // An unplaced label stays where it is: nowhere.
    auto unplaced = MakeGroup({});
    unplaced->MoveBy(CSize(10, -10), HIT_BODY);
    EXPECT_TRUE(unplaced->GetLabel().GetRect().IsRectNull());

    // The repaint area covers the label.
    CRect area;
    group->GetRedrawRect(area, 100, TRUE);
    EXPECT_GE(area.top, group->GetLabel().GetRect().top);
    group->GetRedrawRect(area, 100, FALSE);
    EXPECT_TRUE(area.IsRectNull()) << "hidden in define mode";
    group->GetFullRedrawRect(area, 100);
    EXPECT_GE(area.top, group->GetLabel().GetRect().top);
}

} // namespace FileImplObjTest
