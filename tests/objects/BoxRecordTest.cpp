// Box object and rectangle records in the document archive, attribute copies and class defaults.
#include "objects/RectObj.h"
#include "foundation/RegItemObj.h"
#include "platform/afx/Archive.h"
#include "platform/afx/MemFile.h"
#include "platform/profile/Profile.h"
#include "tests/objects/ObjectsTestSupport.h"

#include <gtest/gtest.h>

#include <climits>
#include <limits>
#include <memory>

namespace {

// The class header of a first object of the class, then the box record up to CanDelete.
RecordBytes RectRecordHead(WORD version)
{
    RecordBytes bytes;
    bytes.Word(0xFFFF).Word(1).Word(8).Text("CRectObj");
    bytes.Word(version).Word(OBJKIND_RECT).Word(42);
    bytes.Long(100).Long(-100).Long(500).Long(-200);
    bytes.Word(PS_DASH).Dword(0x0000FF).Word(0).Word(1).Dword(0x00FF00).Word(0).Word(1);
    return bytes;
}

void ExpectSameAttributes(const CRectObj& a, const CRectObj& b)
{
    EXPECT_EQ(a.GetKind(), b.GetKind());
    EXPECT_EQ(a.GetObjectId(), b.GetObjectId());
    EXPECT_EQ(a.GetRect(), b.GetRect());
    EXPECT_EQ(a.GetPenStyle(), b.GetPenStyle());
    EXPECT_EQ(a.GetPenColor(), b.GetPenColor());
    EXPECT_EQ(a.GetPenWidth(), b.GetPenWidth());
    EXPECT_EQ(a.GetFill(), b.GetFill());
    EXPECT_EQ(a.GetFillColor(), b.GetFillColor());
    EXPECT_EQ(a.GetHideDefine(), b.GetHideDefine());
    EXPECT_EQ(a.GetCanDelete(), b.GetCanDelete());
    EXPECT_EQ(a.GetShadowDepth(), b.GetShadowDepth());
    EXPECT_EQ(a.GetShadowColor(), b.GetShadowColor());
    EXPECT_EQ(a.GetLinkObjectId(), b.GetLinkObjectId());
    EXPECT_EQ(a.IsRounded(), b.IsRounded());
    EXPECT_EQ(a.GetRoundRate(), b.GetRoundRate());
}

TEST(BoxRecord, NewRectangleStoresVersion1001AndReloadsEqual)
{
    CRectObj rect(7, CRect(10, -20, 310, -220), TRUE);
    rect.SetPenStyle(PS_DOT);
    rect.SetPenColor(0x102030);
    rect.SetPenWidth(0);
    rect.SetFill(TRUE);
    rect.SetFillColor(0x405060);
    rect.SetHideDefine(FALSE);
    rect.SetCanDelete(FALSE);
    rect.SetShadowDepth(20);
    rect.SetShadowColor(0x708090);
    rect.SetLinkObjectId(9);
    rect.SetRoundRate(0.4f);

    RecordBytes expected;
    expected.Word(0xFFFF).Word(1).Word(8).Text("CRectObj");
    expected.Word(1001).Word(5).Word(7).Long(10).Long(-20).Long(310).Long(-220);
    expected.Word(PS_DOT).Dword(0x102030).Word(0).Word(1).Dword(0x405060).Word(0).Word(0);
    expected.Word(20).Dword(0x708090).Word(9);
    expected.Word(1).Float(0.4f);
    const std::vector<BYTE> stored = StoreObject(&rect);
    EXPECT_EQ(stored, expected.Bytes());

    const auto loaded = LoadObject<CRectObj>(stored);
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->GetRuntimeClass(), RUNTIME_CLASS(CRectObj));
    EXPECT_EQ(loaded->GetVersion(), 1001);
    ExpectSameAttributes(*loaded, rect);
}

TEST(BoxRecord, OlderRecordsTakeTheDefaultsOfTheFieldsTheyLackAndStoreBackAs1001)
{
    struct Case
    {
        WORD version;
        bool shadow, rate, link;
    };
    const Case cases[] = {
        {4, false, false, false}, {5, true, true, false},   {10, true, true, false},
        {11, true, true, true},   {1001, true, true, true}, {2000, true, true, true},
    };
    for (const Case& c : cases) {
        RecordBytes record = RectRecordHead(c.version);
        if (c.shadow)
            record.Word(6).Dword(0x111111);
        if (c.link)
            record.Word(77);
        record.Word(1);
        if (c.rate)
            record.Float(0.125f);

        const auto loaded = LoadObject<CRectObj>(record.Bytes());
        ASSERT_NE(loaded, nullptr) << c.version;
        EXPECT_EQ(loaded->GetVersion(), c.version);
        EXPECT_EQ(loaded->GetObjectId(), 42);
        EXPECT_EQ(loaded->GetRect(), CRect(100, -100, 500, -200));
        EXPECT_EQ(loaded->GetPenStyle(), PS_DASH);
        EXPECT_EQ(loaded->GetFill(), TRUE);
        EXPECT_EQ(loaded->GetHideDefine(), FALSE);
        EXPECT_EQ(loaded->GetShadowDepth(), c.shadow ? 6 : 0);
        EXPECT_EQ(loaded->GetShadowColor(), c.shadow ? 0x111111u : 0x828282u);
        EXPECT_EQ(loaded->GetLinkObjectId(), c.link ? 77 : 0);
        EXPECT_TRUE(loaded->IsRounded());
        EXPECT_FLOAT_EQ(loaded->GetRoundRate(), c.rate ? 0.125f : 0.25f);

        const std::vector<BYTE> stored = StoreObject(loaded.get());
        EXPECT_EQ(loaded->GetVersion(), 1001) << "storing sets the version";
        RecordBytes expected = RectRecordHead(1001);
        expected.Word(c.shadow ? 6 : 0).Dword(c.shadow ? 0x111111 : 0x828282).Word(c.link ? 77 : 0);
        expected.Word(1).Float(c.rate ? 0.125f : 0.25f);
        EXPECT_EQ(stored, expected.Bytes()) << "version " << c.version;
        ExpectSameAttributes(*LoadObject<CRectObj>(stored), *loaded);
    }
}

TEST(BoxRecord, WordFieldsAreZeroExtendedAndATruncatedRecordThrows)
{
    RecordBytes record;
    record.Word(0xFFFF).Word(1).Word(8).Text("CBaseObj");
    record.Word(1001).Word(9).Word(0xFF01).Long(0).Long(0).Long(10).Long(-10);
    record.Word(0xFFFF).Dword(0).Word(0x8000).Word(0).Dword(0).Word(1).Word(1).Word(0).Dword(0).Word(0);
    const auto loaded = LoadObject<CBaseObj>(record.Bytes());
    EXPECT_EQ(loaded->GetPenStyle(), 0xFFFF);
    EXPECT_EQ(loaded->GetPenWidth(), 0x8000);
    EXPECT_EQ(loaded->GetObjectId(), 0xFF01);

    std::vector<BYTE> truncated = RectRecordHead(5).Bytes();
    EXPECT_THROW(LoadObject<CRectObj>(truncated), CArchiveException);
}

TEST(BoxRecord, CoordinatesOfADamagedRecordAreHeldInRange)
{
    RecordBytes record;
    record.Word(0xFFFF).Word(1).Word(8).Text("CRectObj");
    record.Word(1001).Word(OBJKIND_RECT).Word(1).Long(INT_MIN).Long(INT_MAX).Long(INT_MAX).Long(INT_MIN);
    record.Word(0).Dword(0).Word(4).Word(1).Dword(0).Word(1).Word(1).Word(20).Dword(0).Word(0);
    record.Word(1).Float(0.25f);
    const auto loaded = LoadObject<CRectObj>(record.Bytes());
    ASSERT_NE(loaded, nullptr);
    const int limit = OBJECT_COORDINATE_LIMIT;
    EXPECT_EQ(loaded->GetRect(), CRect(-limit, limit, limit, -limit));

    // Everything an open document does with its objects stays within 32 bits, even at 400 %.
    CRect area;
    loaded->GetRedrawRect(area, 400, TRUE);
    EXPECT_EQ(area, CRect(0, 0, limit + 24, -limit - 24));
    DWORD hit = 0, part = 0;
    CPoint handle, out;
    EXPECT_TRUE(loaded->HitTestHandles(400, CPoint(0, 0), 0, 7, hit, part, handle, TRUE));
    EXPECT_EQ(loaded->GetConnectionPoint(out, CPoint(0, INT_MAX)), CPoint(0, limit));
    EXPECT_EQ(loaded->GetRoundCornerSize(), limit / 2);
    EXPECT_TRUE(loaded->GetRoundHandlePos(handle));
}

TEST(BoxRecord, ACornerRatioOutsideZeroToOneIsHeldThere)
{
    struct Case
    {
        float stored, loaded;
    };
    const Case cases[] = {
        {0.5f, 0.5f},
        {1.0f, 1.0f},
        {3.0f, 1.0f},
        {-1.0f, 0.0f},
        {std::numeric_limits<float>::quiet_NaN(), 0.0f},
        {std::numeric_limits<float>::infinity(), 1.0f},
    };
    for (const Case& c : cases) {
        const auto loaded =
            LoadObject<CRectObj>(RectRecordHead(1001).Word(0).Dword(0).Word(0).Word(1).Float(c.stored).Bytes());
        EXPECT_EQ(loaded->GetRoundRate(), c.loaded) << c.stored;
    }
}

TEST(BoxAttributes, CopiesAndCopiedAttributes)
{
    CRectObj source(3, CRect(0, 0, 40, -40), TRUE);
    source.SetPenColor(0xABCDEF);
    source.SetFill(TRUE);
    source.SetHideDefine(FALSE);
    source.SetShadowDepth(10);
    source.SetLinkObjectId(5);
    source.SetRoundRate(0.75f);
    const auto loaded = LoadObject<CRectObj>(RectRecordHead(4).Word(0).Bytes());

    const CRectObj copy(*loaded);
    EXPECT_EQ(copy.GetVersion(), 4) << "the copy keeps the version word";
    ExpectSameAttributes(copy, *loaded);

    CRectObj target(8, CRect(100, -100, 120, -120));
    target.CopyAttributes(source);
    EXPECT_EQ(target.GetPenColor(), 0xABCDEFu);
    EXPECT_TRUE(target.GetFill());
    EXPECT_FALSE(target.GetHideDefine());
    EXPECT_EQ(target.GetShadowDepth(), 10);
    EXPECT_TRUE(target.IsRounded());
    EXPECT_FLOAT_EQ(target.GetRoundRate(), 0.75f);
    EXPECT_EQ(target.GetObjectId(), 8) << "id, rectangle and link are not attributes";
    EXPECT_EQ(target.GetRect(), CRect(100, -100, 120, -120));
    EXPECT_EQ(target.GetLinkObjectId(), 0);

    // A box object that is no rectangle passes only the box attributes.
    CBaseObj box(OBJKIND_RECT, 9);
    box.SetPenWidth(8);
    target.CopyAttributes(box);
    EXPECT_EQ(target.GetPenWidth(), 8);
    EXPECT_TRUE(target.IsRounded());
}

TEST(BoxAttributes, ShadowOnlyForFilledObjectsInPrintMode)
{
    struct Case
    {
        BOOL printMode, fill;
        WORD depth;
        BOOL expected;
    };
    const Case cases[] = {
        {TRUE, TRUE, 6, TRUE},
        {TRUE, FALSE, 20, FALSE},
        {FALSE, TRUE, 20, FALSE},
        {TRUE, TRUE, 0, FALSE},
    };
    for (const Case& c : cases) {
        CBaseObj box(OBJKIND_RECT, 1);
        box.SetFill(c.fill);
        box.SetShadowDepth(c.depth);
        EXPECT_EQ(box.HasShadow(c.printMode), c.expected);
    }
    CBaseObj box(OBJKIND_RECT, 1);
    box.SetShadowDepth(10);
    CSize offset;
    box.GetShadowOffset(offset);
    EXPECT_EQ(offset, CSize(10, -10));
    EXPECT_EQ(box.ToggleFill(), TRUE);
    EXPECT_EQ(box.ToggleFill(), FALSE);
}

TEST(BoxAttributes, RectangleNamesAndSections)
{
    CString text;
    EXPECT_EQ(CRectObj().GetDisplayName(text), CString(u8"長方形ｵﾌﾞｼﾞｪｸﾄ"));
    EXPECT_EQ(CRectObj(1, CRect(), TRUE).GetTypeName(text), CString(u8"面取り長方形ｵﾌﾞｼﾞｪｸﾄ"));
    EXPECT_EQ(CBaseObj().GetTypeName(text), CString(u8"基本図形ｵﾌﾞｼﾞｪｸﾄ"));
    EXPECT_STREQ(CBaseObj().GetProfileSection(text), "BaseObj Properties");
}

class BoxDefaultsTest : public ::testing::Test
{
protected:
    void SetUp() override { Profile::WriteProfileString("RoundRectObj Properties", nullptr, nullptr); }
    void TearDown() override { SetUp(); }
};

TEST_F(BoxDefaultsTest, RoundRateIsReadAsDecimalTextInTheCLocale)
{
    struct Case
    {
        const char* text;
        float expected;
    };
    const Case cases[] = {
        {"0.3000", 0.3f}, {" 0.5", 0.5f}, {"1", 1.0f},    {"0.2x", 0.2f}, {"abc", 0.0f},  {"", 0.0f},
        {"inf", 0.0f},    {"nan", 0.0f},  {"1e50", 0.0f}, {"1.5", 1.0f},  {"-0.5", 0.0f},
    };
    for (const Case& c : cases) {
        Profile::WriteProfileString("RoundRectObj Properties", "RoundRate", c.text);
        CRectObj rect(1, CRect(), TRUE);
        CRegItemObj carrier;
        rect.LoadDefaultAttributes(carrier);
        EXPECT_FLOAT_EQ(rect.GetRoundRate(), c.expected) << c.text;
        EXPECT_STREQ(carrier.GetSection(), "RoundRectObj Properties");
    }
}

TEST_F(BoxDefaultsTest, SavedKeysReadBackAndAnEmptyProfileChangesNothing)
{
    CRectObj empty(1, CRect(10, -10, 60, -40), TRUE);
    CRegItemObj first;
    empty.LoadDefaultAttributes(first);
    EXPECT_EQ(empty.GetRect(), CRect(10, -10, 60, -40));
    EXPECT_FLOAT_EQ(empty.GetRoundRate(), 0.25f);
    EXPECT_EQ(empty.GetShadowColor(), 0x828282u);

    CRectObj saved(2, CRect(0, 0, 80, -30), TRUE);
    saved.SetPenStyle(PS_DASHDOT);
    saved.SetShadowDepth(6);
    saved.SetShadowColor(0x010203);
    saved.SetRoundRate(0.12345f);
    CRegItemObj carrier;
    saved.SaveDefaultAttributes(carrier);
    EXPECT_STREQ(Profile::GetProfileString("RoundRectObj Properties", "RoundRate"), "0.1235");
    EXPECT_EQ(Profile::GetProfileInt("RoundRectObj Properties", "ObjShadow", -1), 6);

    Profile::WriteProfileInt("RoundRectObj Properties", "SizeObjDefCx", 70);
    CRectObj loaded(3, CRect(5, -5, 6, -6), TRUE);
    CRegItemObj again;
    loaded.LoadDefaultAttributes(again);
    EXPECT_EQ(loaded.GetPenStyle(), PS_DASHDOT);
    EXPECT_EQ(loaded.GetShadowDepth(), 6);
    EXPECT_EQ(loaded.GetShadowColor(), 0x010203u);
    EXPECT_FLOAT_EQ(loaded.GetRoundRate(), 0.1235f);
    EXPECT_EQ(loaded.GetRect(), CRect(5, -5, 75, -6)) << "width from the profile, height kept";

    // A size that would carry the far corner out of range stops at the coordinate limit.
    Profile::WriteProfileInt("RoundRectObj Properties", "SizeObjDefCx", INT_MAX);
    Profile::WriteProfileInt("RoundRectObj Properties", "SizeObjDefCy", INT_MIN);
    CRectObj huge(4, CRect(5, -5, 6, -6), TRUE);
    CRegItemObj third;
    huge.LoadDefaultAttributes(third);
    EXPECT_EQ(huge.GetRect(), CRect(5, -5, OBJECT_COORDINATE_LIMIT, -OBJECT_COORDINATE_LIMIT));
}

} // namespace
