#include "model/FileComp.h"

#include "foundation/SymbolPrimitives.h"
#include "foundation/TextFunctions.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/DrawLog.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

inline std::ostream& operator<<(std::ostream& os, const RECT& r)
{
    return os << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}
inline std::ostream& operator<<(std::ostream& os, const POINT& p)
{
    return os << "(" << p.x << ", " << p.y << ")";
}

namespace FileCompGeometryTest {

// The default file at (1000, -1000): 240 x -160, number cell 80, caption and key bands 40.
CFileComp DefaultFile()
{
    return CFileComp(1, CRect(1000, -1000, 1240, -1160));
}

struct Bands
{
    int number, caption, key, example;
};

// A default file whose bands are dragged to the sizes given (each drag within its bounds).
void SetBands(CFileComp& file, const Bands& bands)
{
    file.ApplyHandleDrag(CSize(bands.number - file.GetFileCodeCx(), 0),
                         CFileComp::HIT_BAND_HANDLE | CFileComp::DRAG_NUMBER_EDGE, 0);
    file.ApplyHandleDrag(CSize(0, bands.caption - file.GetCompCapCx()),
                         CFileComp::HIT_BAND_HANDLE | CFileComp::DRAG_CAPTION_EDGE, 0);
    file.ApplyHandleDrag(CSize(0, bands.key - file.GetKeyItemCy()),
                         CFileComp::HIT_BAND_HANDLE | CFileComp::DRAG_KEY_EDGE, 0);
    file.ApplyHandleDrag(CSize(0, bands.example - file.GetCodeSampleCx()),
                         CFileComp::HIT_BAND_HANDLE | CFileComp::DRAG_EXAMPLE_EDGE, 0);
}

Bands BandsOf(const CFileComp& file)
{
    return {file.GetFileCodeCx(), file.GetCompCapCx(), file.GetKeyItemCy(), file.GetCodeSampleCx()};
}

bool operator==(const Bands& a, const Bands& b)
{
    return a.number == b.number && a.caption == b.caption && a.key == b.key && a.example == b.example;
}
std::ostream& operator<<(std::ostream& os, const Bands& b)
{
    return os << "{" << b.number << ", " << b.caption << ", " << b.key << ", " << b.example << "}";
}

TEST(FileCompGeometry, TheDefaultFilesCellsBandsAndEdges)
{
    const CFileComp file = DefaultFile();
    struct Part
    {
        const char* what;
        BOOL (CFileComp::*get)(CRect&) const;
        BOOL present;
        CRect rect;
    };
    const Part parts[] = {
        {"number cell", &CFileComp::GetNumberCellRect, TRUE, {1000, -1000, 1080, -1040}},
        {"name cell", &CFileComp::GetNameCellRect, TRUE, {1080, -1000, 1200, -1040}},
        {"mark cell", &CFileComp::GetMarkCellRect, TRUE, {1200, -1000, 1240, -1040}},
        {"key band", &CFileComp::GetKeyBandRect, TRUE, {1000, -1040, 1240, -1080}},
        {"data band", &CFileComp::GetDataBandRect, TRUE, {1000, -1080, 1240, -1160}},
        {"example band", &CFileComp::GetExampleBandRect, FALSE, {1000, -1160, 1240, -1160}},
    };
    for (const Part& part : parts) {
        CRect rect;
        EXPECT_EQ((file.*part.get)(rect), part.present) << part.what;
        EXPECT_EQ(rect, part.rect) << part.what;
    }
    struct Edge
    {
        DWORD code;
        BOOL present;
        CPoint start, end, handle;
    };
    const Edge edges[] = {
        {CFileComp::DRAG_CAPTION_EDGE, TRUE, {1000, -1040}, {1240, -1040}, {1120, -1040}},
        {CFileComp::DRAG_NUMBER_EDGE, TRUE, {1080, -1000}, {1080, -1040}, {1080, -1020}},
        {CFileComp::DRAG_KEY_EDGE, TRUE, {1000, -1081}, {1240, -1081}, {1060, -1081}},
        {CFileComp::DRAG_EXAMPLE_EDGE, FALSE, {1000, -1160}, {1240, -1160}, {1180, -1160}},
    };
    for (const Edge& edge : edges) {
        CPoint start, end, handle;
        EXPECT_EQ(file.GetBandEdge(edge.code, start, end), edge.present) << edge.code;
        EXPECT_EQ(file.GetBandHandle(edge.code, handle), edge.present) << edge.code;
        EXPECT_EQ(start, edge.start) << edge.code;
        EXPECT_EQ(end, edge.end) << edge.code;
        EXPECT_EQ(handle, edge.handle) << edge.code;
    }
    CSize minimum;
    file.GetMinimumSize(minimum);
    EXPECT_EQ(minimum, CSize(40, -80));
}

TEST(FileCompGeometry, MinimumSizeAfterConstructionAndResize)
{
    // Too small a box grows to 120 wide and 40 below the caption; its number cell leaves the mark
    // cell free.
    const CFileComp small(1, CRect(0, 0, 100, -50));
    EXPECT_EQ(small.GetRect(), CRect(0, 0, 120, -80));
    EXPECT_EQ(small.GetFileCodeCx(), 80);

    struct Case
    {
        const char* what;
        CSize offset;
        DWORD handle;
        CRect rect;
        Bands bands;
    };
    const Case cases[] = {
        {"right side to 100 wide", {-140, 0}, 0x42, {1000, -1000, 1120, -1160}, {80, -40, -40, 0}},
        {"left side to 60 wide: the right side follows", {180, 0}, 0x82, {1180, -1000, 1300, -1160}, {80, -40, -40, 0}},
        {"bottom to 30 below the caption", {0, 90}, 0x22, {1000, -1000, 1240, -1080}, {80, -40, -40, 0}},
    };
    for (const Case& c : cases) {
        CFileComp file = DefaultFile();
        file.ResizeByHandle(c.offset, c.handle);
        EXPECT_EQ(file.GetRect(), c.rect) << c.what;
        EXPECT_EQ(BandsOf(file), c.bands) << c.what;
    }

    // A key band taller than the space below the caption shrinks to it; resizing a narrow box
    // keeps the number cell clear of the mark cell.
    CFileComp file = DefaultFile();
    SetBands(file, {200, -40, -120, 0});
    EXPECT_EQ(BandsOf(file), (Bands{200, -40, -120, 0}));
    file.ResizeByHandle(CSize(0, 60), 0x22);
    EXPECT_EQ(file.GetRect(), CRect(1000, -1000, 1240, -1100));
    EXPECT_EQ(file.GetKeyItemCy(), -60);
    file.ResizeByHandle(CSize(-200, 0), 0x42);
    EXPECT_EQ(file.GetRect().Width(), 120);
    EXPECT_EQ(file.GetFileCodeCx(), 80);
    // Only handle codes resize.
    file.ResizeByHandle(CSize(500, 500), CFileComp::HIT_FILE_PART | CFileComp::PART_KEY);
    EXPECT_EQ(file.GetRect().Width(), 120);
}

TEST(FileCompGeometry, BandDragsStayWithinTheBox)
{
    struct Case
    {
        const char* what;
        Bands start;
        DWORD edge;
        CSize offset;
        Bands bands;
        BOOL numberCell, dataBand, exampleBand;
    };
    const Case cases[] = {
        {"number edge past the mark cell",
         {80, -40, -40, 0},
         CFileComp::DRAG_NUMBER_EDGE,
         {500, 0},
         {200, -40, -40, 0},
         TRUE,
         TRUE,
         FALSE},
        {"number edge to the left side",
         {80, -40, -40, 0},
         CFileComp::DRAG_NUMBER_EDGE,
         {-80, 0},
         {0, -40, -40, 0},
         FALSE,
         TRUE,
         FALSE},
        {"caption up past 40",
         {80, -40, -40, 0},
         CFileComp::DRAG_CAPTION_EDGE,
         {0, 30},
         {80, -40, -40, 0},
         TRUE,
         TRUE,
         FALSE},
        {"caption down past the room",
         {80, -40, -40, 0},
         CFileComp::DRAG_CAPTION_EDGE,
         {0, -500},
         {80, -120, -40, 0},
         TRUE,
         FALSE,
         FALSE},
        {"key band down past the examples",
         {80, -40, -40, 30},
         CFileComp::DRAG_KEY_EDGE,
         {0, -500},
         {80, -40, -90, 30},
         TRUE,
         FALSE,
         TRUE},
        {"examples up to the key band",
         {80, -40, -40, 0},
         CFileComp::DRAG_EXAMPLE_EDGE,
         {0, 500},
         {80, -40, -40, 80},
         TRUE,
         FALSE,
         TRUE},
        {"examples down to nothing",
         {80, -40, -40, 30},
         CFileComp::DRAG_EXAMPLE_EDGE,
         {0, -30},
         {80, -40, -40, 0},
         TRUE,
         TRUE,
         FALSE},
        {"not a band handle",
         {80, -40, -40, 0},
         CFileComp::DRAG_EXAMPLE_EDGE | 0x4,
         {0, 50},
         {80, -40, -40, 0},
         TRUE,
         TRUE,
         FALSE},
    };
    for (const Case& c : cases) {
        CFileComp file = DefaultFile();
        SetBands(file, c.start);
        ASSERT_EQ(BandsOf(file), c.start) << c.what;
        const DWORD code = (c.edge & 0x4) ? c.edge : CFileComp::HIT_BAND_HANDLE | c.edge;
        file.ApplyHandleDrag(c.offset, code, 0);
        EXPECT_EQ(BandsOf(file), c.bands) << c.what;
        EXPECT_EQ(file.GetRect(), DefaultFile().GetRect()) << c.what;
        CRect rect;
        EXPECT_EQ(file.GetNumberCellRect(rect), c.numberCell) << c.what;
        EXPECT_EQ(file.GetDataBandRect(rect), c.dataBand) << c.what;
        EXPECT_EQ(file.GetExampleBandRect(rect), c.exampleBand) << c.what;
    }
}

TEST(FileCompGeometry, HitCodesOfHandlesPartsAndLabel)
{
    CFileComp file = DefaultFile();
    SetBands(file, {80, -40, -40, 30});
    file.SetShowNumIOSource(TRUE); // the label: (1000, -1180) to (1240, -1240)
    struct Case
    {
        const char* what;
        int zoom;
        CPoint point;
        DWORD code;
        CPoint anchor;
    };
    const Case cases[] = {
        {"number handle", 100, {1083, -1014}, 0x4804, {1080, -1020}},
        {"caption handle", 100, {1126, -1047}, 0x20804, {1120, -1040}},
        {"key handle", 100, {1060, -1074}, 0x8804, {1060, -1081}},
        {"example handle", 100, {1180, -1130}, 0x10804, {1180, -1130}},
        {"number cell", 100, {1040, -1020}, 0x100005, {1040, -1020}},
        {"name cell", 100, {1160, -1020}, 0x800005, {1160, -1020}},
        {"key band", 100, {1200, -1060}, 0x2000005, {1200, -1060}},
        {"5 inside the key band: only the body", 100, {1200, -1045}, 0x1, {0, 0}},
        {"data band", 100, {1200, -1100}, 0x4000005, {1200, -1100}},
        {"example band", 100, {1100, -1145}, 0x8000005, {1100, -1145}},
        {"mark cell: the body", 100, {1225, -1020}, 0x1, {0, 0}},
        {"top-left corner", 100, {1003, -997}, 0x92, {1000, -1000}},
        {"label body", 100, {1100, -1210}, 0x20000005, {0, 0}},
        {"label handle", 100, {1240, -1240}, 0x20000066, {1240, -1240}},
        {"key handle at zoom 50", 50, {530, -534}, 0x8804, {530, -541}},
        {"data band at zoom 50", 50, {600, -550}, 0x4000005, {600, -550}},
    };
    for (const Case& c : cases) {
        DWORD code = 0xDEAD, part = 0xDEAD;
        CPoint anchor(0, 0);
        EXPECT_TRUE(file.HitTestHandles(c.zoom, c.point, 0, 7, code, part, anchor, TRUE)) << c.what;
        EXPECT_EQ(code, c.code) << c.what;
        if (c.anchor != CPoint(0, 0)) {
            EXPECT_EQ(anchor, c.anchor) << c.what;
        }
    }
    DWORD code = 0, part = 0;
    CPoint anchor;
    EXPECT_FALSE(file.HitTestHandles(100, CPoint(1500, -1100), 0, 7, code, part, anchor, TRUE));

    // A handle hits even where its edge is absent.
    CFileComp noKeyEdge = DefaultFile();
    SetBands(noKeyEdge, {80, -40, -120, 0});
    CPoint start, end;
    ASSERT_FALSE(noKeyEdge.GetKeyEdge(start, end));
    EXPECT_TRUE(noKeyEdge.HitTestHandles(100, CPoint(1063, -1155), 0, 7, code, part, anchor, TRUE));
    EXPECT_EQ(code, 0x8804u);

    // The label counts for the plain hit test too; hidden in define mode nothing hits.
    EXPECT_TRUE(file.HitTest(CPoint(1100, -1210), 0, TRUE, FALSE));
    EXPECT_FALSE(file.HitTest(CPoint(1100, -1170), 0, TRUE, FALSE));
    file.SetHideDefine(TRUE);
    EXPECT_FALSE(file.HitTest(CPoint(1100, -1100), 0, FALSE, FALSE));
    EXPECT_FALSE(file.HitTestHandles(100, CPoint(1100, -1100), 0, 7, code, part, anchor, FALSE));
    EXPECT_TRUE(file.HitTest(CPoint(1100, -1100), 0, TRUE, FALSE));
}

TEST(FileCompGeometry, TheLabelIsPlacedOnceAndFollowsTheBox)
{
    CFileComp file = DefaultFile();
    file.SetShowNumIOSource(TRUE);
    CRect label;
    file.GetPartRect(label, TRUE, CFileComp::PART_NUM_IO_LABEL);
    EXPECT_EQ(label, CRect(1000, -1180, 1240, -1240));
    CRect other;
    file.GetPartRect(other, TRUE, CFileComp::PART_KEY);
    EXPECT_TRUE(other.IsRectNull());

    // Moved on its own, then with the box; switching it off and on keeps its place.
    file.MoveBy(CSize(10, -10), CFileComp::PART_NUM_IO_LABEL);
    file.MoveAll(CSize(100, 0));
    file.SetShowNumIOSource(FALSE);
    file.SetShowNumIOSource(TRUE);
    file.GetPartRect(label, TRUE, CFileComp::PART_NUM_IO_LABEL);
    EXPECT_EQ(label, CRect(1110, -1190, 1350, -1250));
    EXPECT_EQ(file.GetRect(), CRect(1100, -1000, 1340, -1160));

    // Its handles resize it alone; the repaint area takes it in.
    file.ResizeByHandle(CSize(0, -20), CFileComp::PART_NUM_IO_LABEL | 0x22);
    file.GetPartRect(label, TRUE, CFileComp::PART_NUM_IO_LABEL);
    EXPECT_EQ(label, CRect(1110, -1190, 1350, -1270));
    EXPECT_EQ(file.GetRect(), CRect(1100, -1000, 1340, -1160));
    CRect redraw;
    file.GetRedrawRect(redraw, 100, TRUE);
    EXPECT_LE(redraw.bottom, -1270);
    EXPECT_LE(redraw.left, 1100);
    EXPECT_GE(redraw.right, 1350);
}

// The XOR drawing of handles and band trackers on the recording device.
struct Recording
{
    DrawLog log;
    CDC dc;
    Recording()
    {
        dc.CreateRecording(&log);
        dc.SetMapMode(MM_LOMETRIC);
    }
    std::vector<std::vector<int>> Lines() const
    {
        std::vector<std::vector<int>> lines;
        for (const DrawCall& call : log.Of("LineTo"))
            lines.push_back({call.args.begin(), call.args.begin() + 4});
        return lines;
    }
};

TEST(FileCompGeometry, BandTrackersAreHeldWhereTheDragWouldLeaveTheEdge)
{
    CFileComp file = DefaultFile();
    SetBands(file, {80, -40, -40, 30});
    struct Case
    {
        const char* what;
        int zoom;
        DWORD edge;
        CSize offset;
        std::vector<int> line;
    };
    const Case cases[] = {
        {"number edge", 100, CFileComp::DRAG_NUMBER_EDGE, {30, 0}, {1110, -1000, 1110, -1040}},
        {"number edge past the mark cell", 100, CFileComp::DRAG_NUMBER_EDGE, {300, 0}, {1200, -1000, 1200, -1040}},
        {"number edge past the left side", 100, CFileComp::DRAG_NUMBER_EDGE, {-300, 0}, {1000, -1000, 1000, -1040}},
        {"caption up", 100, CFileComp::DRAG_CAPTION_EDGE, {0, 20}, {1000, -1040, 1240, -1040}},
        {"caption down to the key band", 100, CFileComp::DRAG_CAPTION_EDGE, {0, -500}, {1000, -1090, 1240, -1090}},
        {"key edge down to the examples", 100, CFileComp::DRAG_KEY_EDGE, {0, -500}, {1000, -1130, 1240, -1130}},
        {"example edge up to the key band", 100, CFileComp::DRAG_EXAMPLE_EDGE, {0, 500}, {1000, -1080, 1240, -1080}},
        {"number edge at zoom 50", 50, CFileComp::DRAG_NUMBER_EDGE, {10, 0}, {550, -500, 550, -520}},
    };
    for (const Case& c : cases) {
        Recording r;
        file.DrawHandleDragTracker(&r.dc, c.zoom, c.offset, CFileComp::HIT_BAND_HANDLE | c.edge, 0, TRUE);
        ASSERT_EQ(r.Lines().size(), 1u) << c.what;
        EXPECT_EQ(r.Lines()[0], c.line) << c.what;
        EXPECT_EQ(r.log.Of("LineTo")[0].pen.lopnColor, 0x00FFFFu) << c.what;
        EXPECT_EQ(r.log.Of("LineTo")[0].rop2, R2_XORPEN) << c.what;
    }
    Recording none;
    file.DrawHandleDragTracker(&none.dc, 100, CSize(10, 10), 0x92, 0, TRUE);
    EXPECT_TRUE(none.log.calls.empty());
}

TEST(FileCompGeometry, HandlesBandsFirstThenTheBoxThenTheLabel)
{
    CFileComp file = DefaultFile();
    file.SetShowNumIOSource(TRUE);
    Recording r;
    file.DrawHandles(&r.dc, 100, TRUE);
    // The pattern handles are filled with the pattern brush and framed in cyan.
    std::vector<std::vector<int>> framed;
    for (const DrawCall& call : r.log.Of("Rectangle"))
        if (call.pen.lopnColor == 0x00FFFF)
            framed.push_back({(call.args[0] + call.args[2]) / 2, (call.args[1] + call.args[3]) / 2});
    EXPECT_EQ(framed, (std::vector<std::vector<int>>{{1120, -1040}, {1080, -1020}, {1060, -1081}, {1180, -1160}}));
    // Then eight handles of the box and eight of the label.
    EXPECT_GE(r.log.calls.size(), 4u + 16u);
}

TEST(FileCompGeometry, FittingGrowsTheBandsToTheTexts)
{
    LOGFONT font;
    InitDefaultLogFont(font);
    font.lfHeight = -16; // 42 units a line

    // Three wrapped lines of data need 3 x 42 + 20 = 146, rounded to 160.
    CFileComp file = DefaultFile();
    file.SetDataText("a\r\nb\r\nc");
    EXPECT_TRUE(file.FitBoxToTexts(4, font));
    EXPECT_EQ(file.GetRect(), CRect(1000, -1000, 1240, -1240));
    EXPECT_EQ(BandsOf(file), (Bands{80, -40, -40, 0}));

    // Two wrapped key lines deepen the key band (2 x 42 + 20 = 104, rounded to 120) inside the
    // box; a caption band never shrinks.
    CFileComp keys = DefaultFile();
    keys.SetKeyText("K1\r\nK2");
    SetBands(keys, {80, -60, -40, 0});
    EXPECT_TRUE(keys.FitBoxToTexts(2, font));
    EXPECT_EQ(BandsOf(keys), (Bands{80, -60, -120, 0}));
    EXPECT_EQ(keys.GetRect(), CRect(1000, -1000, 1240, -1180));

    // A long name measured at its natural extent widens the box past the number and mark cells.
    CFileComp wide = DefaultFile();
    const CString name("ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJ");
    wide.SetFileName(name);
    CSize extent;
    GetMultiLineTextExtent(extent, name, font, FALSE);
    ASSERT_GT(extent.cx, 120);
    EXPECT_TRUE(wide.FitBoxToTexts(0, font));
    EXPECT_EQ(wide.GetRect().Width(), 80 + 40 + (extent.cx + 19) / 20 * 20);
    EXPECT_EQ(wide.GetRect().Height(), -160);
}

} // namespace FileCompGeometryTest
