// Line records in the document archive at each version gate, copies, attributes, class defaults and
// the document-object behaviour of CPolyObj (define mode, connections, command 20017).
#include "objects/BaseObj.h"
#include "objects/PolyObj.h"
#include "foundation/CommandIds.h"
#include "foundation/RegItemObj.h"
#include "platform/afx/Exception.h"
#include "platform/profile/Profile.h"
#include "platform/ui/CmdUI.h"
#include "tests/objects/ObjectsTestSupport.h"
#include "tests/support/TestAppServices.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The class header and a two-point list, as a new file holds them: CPolyObj takes index 1, its
// object 2, CPointObj 3, the first point 4, the second point (class back-reference) 5.
RecordBytes LineRecordHead()
{
    RecordBytes bytes;
    bytes.Word(0xFFFF).Word(1).Word(8).Text("CPolyObj");
    bytes.Word(2); // point count
    bytes.Word(0xFFFF).Word(1).Word(9).Text("CPointObj").Long(10).Long(-20);
    bytes.Word(0x8003).Long(300).Long(-20);
    return bytes;
}

// Pen style, colour, width, marks and flags: the fields every version holds.
RecordBytes LineAttributes(WORD flags)
{
    RecordBytes bytes;
    bytes.Word(PS_DASH).Dword(0x0000FF).Word(4).Word(MARK_ARROW).Word(MARK_DIAMOND).Word(flags);
    return bytes;
}

RecordBytes LineFillAndConnections()
{
    RecordBytes bytes;
    bytes.Dword(0x00FF00).Dword(WINDING).Word(7).Word(8);
    return bytes;
}

RecordBytes LineObjectTail(WORD version)
{
    RecordBytes bytes;
    bytes.Word(version).Word(OBJKIND_LINE).Word(42).Word(0).Word(1);
    return bytes;
}

} // namespace

class LineRecord : public ::testing::Test
{
protected:
    std::unique_ptr<CPolyObj> Load(const RecordBytes& bytes, WORD docVersion)
    {
        m_app.SetLoadedDocVersion(docVersion);
        return LoadObject<CPolyObj>(bytes.Bytes());
    }
    TestAppServices m_app;
};

TEST_F(LineRecord, EachVersionGateReadsItsFieldsAndStoresTheCurrentRecord)
{
    const struct
    {
        WORD docVersion;
        WORD storedFlags;
        DWORD loadedFlags;
    } cases[] = {
        {2, 0x16, 0x1E}, {5, 0x1, 0x5},   {5, 0x2, 0xA},   {5, 0x3, 0x7},
        {5, 0x16, 0x1E}, {5, 0x60, 0x60}, {6, 0x16, 0x16}, {1001, 0x2, 0x2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "version " << c.docVersion << " flags " << c.storedFlags);
        const bool hasFill = c.docVersion >= 3;
        RecordBytes record = LineRecordHead();
        record.Append(LineAttributes(c.storedFlags));
        if (hasFill)
            record.Append(LineFillAndConnections());
        record.Append(LineObjectTail(16));
        const auto line = Load(record, c.docVersion);
        ASSERT_NE(line, nullptr);
        EXPECT_EQ(line->GetPointArray(), (std::vector<CPoint>{{10, -20}, {300, -20}}));
        EXPECT_EQ(line->GetPenStyle(), PS_DASH);
        EXPECT_EQ(line->GetPenColor(), 0x0000FFu);
        EXPECT_EQ(line->GetPenWidth(), 4);
        EXPECT_EQ(line->GetMark(LINEEND_START), MARK_ARROW);
        EXPECT_EQ(line->GetMark(LINEEND_END), MARK_DIAMOND);
        EXPECT_EQ(line->GetFlags(), c.loadedFlags);
        EXPECT_EQ(line->GetFillColor(), hasFill ? 0x00FF00u : 0xFFFFFFu);
        EXPECT_EQ(line->GetFillMode(), hasFill ? WINDING : ALTERNATE);
        EXPECT_EQ(line->GetStartObjectId(), hasFill ? 7 : 0);
        EXPECT_EQ(line->GetEndObjectId(), hasFill ? 8 : 0);
        EXPECT_EQ(line->GetVersion(), 16);
        EXPECT_EQ(line->GetObjectId(), 42);
        EXPECT_FALSE(line->GetHideDefine());
        EXPECT_TRUE(line->GetCanDelete());

        // Stored as today: all eleven fields and version 1001, which reads back the same.
        RecordBytes expected = LineRecordHead();
        expected.Append(LineAttributes(WORD(c.loadedFlags)));
        RecordBytes fill;
        fill.Dword(hasFill ? 0x00FF00 : 0xFFFFFF).Dword(hasFill ? WINDING : ALTERNATE);
        fill.Word(hasFill ? 7 : 0).Word(hasFill ? 8 : 0);
        expected.Append(fill).Append(LineObjectTail(OBJECT_RECORD_VERSION));
        const std::vector<BYTE> stored = StoreObject(line.get());
        EXPECT_EQ(stored, expected.Bytes());
        const auto again = Load(expected, OBJECT_RECORD_VERSION);
        EXPECT_EQ(again->GetFlags(), c.loadedFlags);
        EXPECT_EQ(again->GetPointArray(), line->GetPointArray());
        EXPECT_EQ(again->GetEndObjectId(), line->GetEndObjectId());
    }
}

TEST_F(LineRecord, DamagedRecordsThrowWithoutLeavingHalfBuiltLines)
{
    RecordBytes full = LineRecordHead();
    full.Append(LineAttributes(5)).Append(LineFillAndConnections()).Append(LineObjectTail(1001));
    for (size_t cut : {size_t(20), size_t(40), full.Bytes().size() - 1}) {
        SCOPED_TRACE(cut);
        RecordBytes truncated;
        truncated.Append(full);
        std::vector<BYTE> bytes(full.Bytes().begin(), full.Bytes().begin() + std::ptrdiff_t(cut));
        m_app.SetLoadedDocVersion(1001);
        EXPECT_THROW(LoadObject<CPolyObj>(bytes), CArchiveException);
    }
    // A list element that is no vertex is refused before it can be taken for one.
    RecordBytes foreign;
    foreign.Word(0xFFFF).Word(1).Word(8).Text("CPolyObj").Word(1);
    foreign.Word(0xFFFF).Word(1).Word(8).Text("CPolyObj");
    m_app.SetLoadedDocVersion(1001);
    EXPECT_THROW(LoadObject<CPolyObj>(foreign.Bytes()), CArchiveException);
}

TEST(LineObject, CopiesOwnTheirPointsAndKeepTheirConnections)
{
    CPolyObj source(5, CPoint(0, 0), CPoint(100, 0));
    source.AddPoint(CPoint(100, -50));
    source.SetStartObjectId(2);
    source.SetEndObjectId(3);
    source.SetMark(LINEEND_END, MARK_ARROW);
    CPolyObj copy(source);
    copy.GetEndPointObj()->Offset(5, 5);
    EXPECT_EQ(source.GetEndPoint(), CPoint(100, -50));
    EXPECT_EQ(copy.GetEndPoint(), CPoint(105, -45));
    EXPECT_EQ(copy.GetCount(), 3);
    EXPECT_EQ(copy.GetStartObjectId(), 2);
    EXPECT_EQ(copy.GetEndObjectId(), 3);
    EXPECT_EQ(copy.GetObjectId(), 5);
    EXPECT_EQ(copy.GetMark(LINEEND_END), MARK_ARROW);
}

TEST(LineObject, CopyAttributesTakesTheShapeBitsButNotPointsOrConnections)
{
    CPolyObj source(1, CPoint(0, 0), CPoint(10, 0));
    source.SetClosed(TRUE);
    source.SetFilled(TRUE);
    source.SetBezier(TRUE);
    source.SetFilledMark(LINEEND_START);
    source.SetHideDefine(FALSE);
    source.SetStartObjectId(9);
    CPolyObj target(2, CPoint(5, 5), CPoint(50, 50));
    target.CopyAttributes(source);
    EXPECT_TRUE(target.IsClosed());
    EXPECT_TRUE(target.IsFilled());
    EXPECT_TRUE(target.IsBezier());
    EXPECT_FALSE(target.IsValidBezier()) << "two points are no spline";
    EXPECT_TRUE(target.IsFilledMark(LINEEND_START));
    EXPECT_FALSE(target.IsLineMark(LINEEND_START));
    EXPECT_FALSE(target.GetHideDefine());
    EXPECT_EQ(target.GetStartObjectId(), 0);
    EXPECT_EQ(target.GetStartPoint(), CPoint(5, 5));
}

TEST(LineObject, PointAccessAndTheOriginRefusal)
{
    CPolyObj empty;
    EXPECT_EQ(empty.GetKind(), OBJKIND_LINE);
    EXPECT_EQ(empty.GetObjectId(), 0);
    EXPECT_EQ(empty.GetStartPointObj(), nullptr);
    EXPECT_EQ(empty.GetSecondLastPointObj(), nullptr);
    EXPECT_EQ(empty.GetEndPoint(), CPoint(0, 0));
    EXPECT_FALSE(empty.SetStartPoint(CPoint(1, 1)));

    CPolyObj line(3, CPoint(0, 0), CPoint(100, 0));
    EXPECT_EQ(line.GetPointArray(), (std::vector<CPoint>{{0, 0}, {100, 0}}));
    EXPECT_EQ(line.GetFlags(), LINE_DEFAULT_FLAGS);
    EXPECT_EQ(line.GetPenWidth(), 1);
    EXPECT_EQ(line.GetFillColor(), 0xFFFFFFu);
    EXPECT_EQ(line.GetThirdPointObj(), nullptr);
    EXPECT_FALSE(line.SetEndPoint(CPoint(0, 0)));
    EXPECT_EQ(line.GetEndPoint(), CPoint(100, 0));
    EXPECT_TRUE(line.SetEndPoint(CPoint(0, -5)));
    EXPECT_EQ(line.GetEndPoint(), CPoint(0, -5));
    EXPECT_FALSE(line.RemovePointAt(2));
    EXPECT_TRUE(line.RemovePointAt(0));
    EXPECT_EQ(line.GetStartPoint(), CPoint(0, -5));
}

TEST(LineObject, HiddenInDefineModeButStillRepaintedInFull)
{
    CPolyObj line(4, CPoint(100, -100), CPoint(300, -100));
    ASSERT_TRUE(line.GetHideDefine());
    CRect rect;
    DWORD hit = 77, index = 77;
    CPoint handle;
    for (BOOL printMode : {TRUE, FALSE}) {
        SCOPED_TRACE(printMode);
        EXPECT_EQ(line.HitTest(CPoint(200, -100), 7, printMode, TRUE), printMode);
        EXPECT_EQ(line.HitTestHandles(100, CPoint(100, -100), 0, 7, hit, index, handle, printMode), printMode);
        EXPECT_EQ(line.IsInsideRect(CRect(0, 0, 400, -400), printMode), printMode);
        line.GetVisibleRect(rect, printMode);
        EXPECT_EQ(rect == CRect(), !printMode);
        line.GetRedrawRect(rect, 100, printMode);
        EXPECT_EQ(rect == CRect(), !printMode);
    }
    line.GetFullRedrawRect(rect, 100);
    EXPECT_EQ(rect, CRect(86, -86, 314, -115));
}

TEST(LineObject, NeverConnectedToItselfAndCommand20017TogglesHideDefine)
{
    CPolyObj line(6, CPoint(0, 0), CPoint(10, 0));
    EXPECT_EQ(line.SetStartObjectId(6), 0);
    EXPECT_EQ(line.SetEndObjectId(7), 7);
    EXPECT_TRUE(line.IsConnectedTo(7));
    line.ClearConnections();
    EXPECT_FALSE(line.IsConnectedTo(7));

    CCmdUI cmdUI;
    cmdUI.m_nID = ID_OBJ_HIDE_DEFINE;
    EXPECT_TRUE(line.ApplyAttributeCommand(ID_OBJ_HIDE_DEFINE, nullptr, 0));
    EXPECT_FALSE(line.GetHideDefine());
    EXPECT_TRUE(line.UpdateCommandUI(&cmdUI, nullptr, 0, TRUE, FALSE));
    EXPECT_TRUE(line.ApplyAttributeCommand(ID_OBJ_HIDE_DEFINE, nullptr, 0));
    EXPECT_TRUE(line.GetHideDefine());
    EXPECT_FALSE(line.ApplyAttributeCommand(ID_OBJ_HIDE_DEFINE + 1, nullptr, 0));
    cmdUI.m_nID = ID_OBJ_HIDE_DEFINE + 1;
    EXPECT_FALSE(line.UpdateCommandUI(&cmdUI, nullptr, 0, TRUE, FALSE));
}

class LineDefaults : public ::testing::Test
{
protected:
    void SetUp() override { Profile::WriteProfileString(kSection, nullptr, nullptr); }
    void TearDown() override { Profile::WriteProfileString(kSection, nullptr, nullptr); }
    static constexpr const char* kSection = "PolyObj Properties";
};

TEST_F(LineDefaults, AnEmptyProfileChangesNothingAndSavedKeysReadBack)
{
    CPolyObj line;
    line.SetPenColor(0x123456);
    line.SetMark(LINEEND_END, MARK_DOT);
    CRegItemObj carrier;
    line.LoadDefaultAttributes(carrier);
    EXPECT_STREQ(carrier.GetSection(), kSection);
    EXPECT_EQ(line.GetPenColor(), 0x123456u);
    EXPECT_EQ(line.GetFlags(), LINE_DEFAULT_FLAGS);

    line.SetHideDefine(FALSE);
    line.SetClosed(TRUE);
    line.SetFillMode(WINDING);
    CRegItemObj saver;
    line.SaveDefaultAttributes(saver);
    for (const char* key : {"HideDefine", "CanDelete", "PenStyle", "PenColor", "PenWidth", "ArrowStart", "ArrowEnd",
                            "ArrowStyle", "FillColor", "PolyFillMode"})
        EXPECT_NE(Profile::GetProfileInt(kSection, key, -12345), -12345) << key;
    EXPECT_EQ(Profile::GetProfileInt(kSection, "ArrowStyle", 0), 0x15);

    Profile::WriteProfileInt(kSection, "ArrowStyle", 0x12345); // kept to 16 bits
    CPolyObj fresh;
    CRegItemObj loader;
    fresh.LoadDefaultAttributes(loader);
    EXPECT_EQ(fresh.GetPenColor(), 0x123456u);
    EXPECT_EQ(fresh.GetMark(LINEEND_END), MARK_DOT);
    EXPECT_EQ(fresh.GetFlags(), 0x2345u);
    EXPECT_EQ(fresh.GetFillMode(), WINDING);
    EXPECT_FALSE(fresh.GetHideDefine());
}
