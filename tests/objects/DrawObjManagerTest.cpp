// The default-attribute prototypes: lookup by kind and sub-key, loading from the profile, and
// making an object's attributes the default.
#include "foundation/CommandIds.h"
#include "objects/ArcObj.h"
#include "objects/CnctObj.h"
#include "objects/DiamondObj.h"
#include "objects/DrawObjManager.h"
#include "objects/GroupObj.h"
#include "objects/ElliObj.h"
#include "objects/FarcObj.h"
#include "objects/OleDrawObj.h"
#include "objects/PolygonObj.h"
#include "objects/PolyObj.h"
#include "objects/RectObj.h"
#include "platform/profile/Profile.h"
#include "tests/objects/ObjectsTestSupport.h"
#include "tests/support/MessageScript.h"

#include <gtest/gtest.h>

namespace {

const char* const kRectSection = "RectObj Properties";
const char* const kRoundSection = "RoundRectObj Properties";
const char* const kLineSection = "PolyObj Properties";

class DrawObjManagerTest : public ::testing::Test
{
protected:
    void SetUp() override { ClearProfile(); }
    void TearDown() override { ClearProfile(); }
    static void ClearProfile()
    {
        Profile::WriteProfileString(kRectSection, nullptr, nullptr);
        Profile::WriteProfileString(kRoundSection, nullptr, nullptr);
        Profile::WriteProfileString(kLineSection, nullptr, nullptr);
    }
    const CRectObj* Prototype(const CDrawObjManager& manager, const CRectObj& object)
    {
        return DYNAMIC_DOWNCAST(CRectObj, manager.FindDrawObjForObject(&object));
    }
};

TEST_F(DrawObjManagerTest, PlainAndRoundedRectanglesFindTheirOwnPrototypes)
{
    CDrawObjManager manager;
    ASSERT_TRUE(manager.InitDrawObjs());
    ASSERT_GE(manager.GetCount(), 3);
    const CObject* lineProto = manager.GetHead();
    const CObject* plainProto = manager.GetAt(manager.FindIndex(1));
    const CObject* roundProto = manager.GetAt(manager.FindIndex(2));
    const CPolyObj line(4, CPoint(0, 0), CPoint(10, 0));
    EXPECT_EQ(manager.FindDrawObjForObject(&line), lineProto);
    EXPECT_EQ(manager.FindDrawObjByKind(OBJKIND_LINE, 7), lineProto) << "a line's sub-key does not count";

    const CRectObj plain(1, CRect(0, 0, 10, -10));
    const CRectObj rounded(2, CRect(0, 0, 10, -10), TRUE);
    EXPECT_EQ(manager.FindDrawObjForObject(&plain), plainProto);
    EXPECT_EQ(manager.FindDrawObjForObject(&rounded), roundProto);
    EXPECT_EQ(manager.FindDrawObjByKind(OBJKIND_RECT, 0x10001), roundProto) << "the sub-key is a 16-bit value";
    EXPECT_EQ(manager.FindDrawObjByKind(OBJKIND_GROUP, 0), nullptr);
    const CBaseObj group(OBJKIND_GROUP, 3);
    EXPECT_EQ(manager.FindDrawObjForObject(&group), nullptr);
    EXPECT_EQ(manager.FindDrawObjForObject(nullptr), nullptr);
    CString section;
    EXPECT_STREQ(static_cast<const CRectObj*>(roundProto)->GetProfileSection(section), kRoundSection);
}

TEST_F(DrawObjManagerTest, PrototypesLoadTheirClassDefaultsFromTheProfile)
{
    Profile::WriteProfileInt(kRoundSection, "PenColor", 0x0000FF);
    Profile::WriteProfileInt(kRoundSection, "Fill", 1);
    Profile::WriteProfileInt(kRoundSection, "SizeObjDefCx", 300);
    Profile::WriteProfileInt(kRoundSection, "SizeObjDefCy", -120);
    Profile::WriteProfileString(kRoundSection, "RoundRate", "0.3000");
    CDrawObjManager manager;
    ASSERT_TRUE(manager.InitDrawObjs());
    manager.LoadDrawObjDefaults();

    const CRectObj* round = Prototype(manager, CRectObj(1, CRect(), TRUE));
    ASSERT_NE(round, nullptr);
    EXPECT_TRUE(round->IsRounded());
    EXPECT_FLOAT_EQ(round->GetRoundRate(), 0.3f);
    EXPECT_EQ(round->GetPenColor(), 0x0000FFu);
    EXPECT_TRUE(round->GetFill());
    EXPECT_EQ(round->GetSize(), CSize(300, -120));

    // An empty section leaves every attribute and the size as constructed.
    const CRectObj* plain = Prototype(manager, CRectObj(1, CRect()));
    ASSERT_NE(plain, nullptr);
    const CRectObj fresh;
    EXPECT_FALSE(plain->IsRounded());
    EXPECT_FLOAT_EQ(plain->GetRoundRate(), 0.25f);
    EXPECT_EQ(plain->GetPenWidth(), fresh.GetPenWidth());
    EXPECT_EQ(plain->GetFillColor(), fresh.GetFillColor());
    EXPECT_EQ(plain->GetShadowColor(), fresh.GetShadowColor());
    EXPECT_EQ(plain->GetHideDefine(), TRUE);
    EXPECT_EQ(plain->GetSize(), CSize(0, 0));
}

TEST_F(DrawObjManagerTest, PlainRectanglesKeepTheirPrototypeWhenItsProfileSaysRounded)
{
    Profile::WriteProfileInt(kRectSection, "Round", 1);
    Profile::WriteProfileInt(kRectSection, "PenWidth", 8);
    CDrawObjManager manager;
    ASSERT_TRUE(manager.InitDrawObjs());
    manager.LoadDrawObjDefaults();

    const CRectObj* plain = Prototype(manager, CRectObj(1, CRect()));
    const CRectObj* round = Prototype(manager, CRectObj(1, CRect(), TRUE));
    ASSERT_NE(plain, nullptr);
    ASSERT_NE(round, nullptr);
    EXPECT_NE(plain, round);
    EXPECT_TRUE(plain->IsRounded()) << "the profile's choice stands";
    EXPECT_EQ(plain->GetPenWidth(), 8);
    EXPECT_EQ(round->GetPenWidth(), 1);
}

TEST_F(DrawObjManagerTest, MakingTheDefaultAsksAndSavesOnlyOnYes)
{
    CDrawObjManager manager;
    ASSERT_TRUE(manager.InitDrawObjs());
    CRectObj object(7, CRect(50, -50, 250, -130));
    object.SetPenColor(0x123456);
    object.SetPenWidth(4);
    object.SetFill(TRUE);
    object.SetShadowDepth(10);
    object.SetRoundRate(0.5f);

    {
        MessageScript script;
        script.Answer(IDNO);
        EXPECT_TRUE(manager.SetDefaultAttributesFrom(&object));
        ASSERT_EQ(script.Messages().size(), 1u);
        EXPECT_EQ(script.Texts()[0], "次回起動したときにもこのﾃﾞｨﾌｫﾙﾄ属性が有効になるように設定を更新しますか。");
        EXPECT_EQ(script.Messages()[0].type, UINT(MB_YESNO | MB_ICONQUESTION));
    }
    const CRectObj* plain = Prototype(manager, object);
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(plain->GetPenColor(), 0x123456u);
    EXPECT_EQ(plain->GetShadowDepth(), 10);
    EXPECT_FLOAT_EQ(plain->GetRoundRate(), 0.5f);
    EXPECT_EQ(plain->GetSize(), CSize(200, -80));
    EXPECT_FALSE(Profile::HasProfileEntry(kRectSection, "PenColor")) << "No keeps it for this run only";
    {
        CDrawObjManager nextRun;
        ASSERT_TRUE(nextRun.InitDrawObjs());
        nextRun.LoadDrawObjDefaults();
        EXPECT_EQ(Prototype(nextRun, object)->GetPenColor(), 0u);
    }

    {
        MessageScript script;
        script.Answer(IDYES);
        EXPECT_TRUE(manager.SetDefaultAttributesFrom(&object));
    }
    EXPECT_EQ(Profile::GetProfileInt(kRectSection, "PenColor", -1), 0x123456);
    EXPECT_EQ(Profile::GetProfileInt(kRectSection, "Round", -1), 0);
    EXPECT_STREQ(Profile::GetProfileString(kRectSection, "RoundRate"), "0.5000");
    EXPECT_FALSE(Profile::HasProfileEntry(kRectSection, "SizeObjDefCx")) << "the size is never written";
    EXPECT_FALSE(Profile::HasProfileEntry(kRoundSection, "PenColor"));

    CDrawObjManager nextRun;
    ASSERT_TRUE(nextRun.InitDrawObjs());
    nextRun.LoadDrawObjDefaults();
    const CRectObj* loaded = Prototype(nextRun, object);
    EXPECT_EQ(loaded->GetPenColor(), 0x123456u);
    EXPECT_EQ(loaded->GetPenWidth(), 4);
    EXPECT_TRUE(loaded->GetFill());
    EXPECT_FLOAT_EQ(loaded->GetRoundRate(), 0.5f);
}

TEST_F(DrawObjManagerTest, TheLinePrototypeLoadsAndTakesNewDefaults)
{
    Profile::WriteProfileInt(kLineSection, "ArrowEnd", MARK_DIAMOND);
    Profile::WriteProfileInt(kLineSection, "HideDefine", 0);
    CDrawObjManager manager;
    ASSERT_TRUE(manager.InitDrawObjs());
    manager.LoadDrawObjDefaults();
    const CPolyObj line(9, CPoint(0, 0), CPoint(100, 0));
    const auto* prototype = DYNAMIC_DOWNCAST(CPolyObj, manager.FindDrawObjForObject(&line));
    ASSERT_NE(prototype, nullptr);
    EXPECT_EQ(prototype->GetMark(LINEEND_END), MARK_DIAMOND);
    EXPECT_FALSE(prototype->GetHideDefine());
    EXPECT_EQ(prototype->GetFlags(), LINE_DEFAULT_FLAGS);

    CPolyObj styled(10, CPoint(0, 0), CPoint(100, 0));
    styled.SetPenColor(0x00AA00);
    styled.SetClosed(TRUE);
    MessageScript script;
    script.Answer(IDYES);
    EXPECT_TRUE(manager.SetDefaultAttributesFrom(&styled));
    EXPECT_EQ(script.Messages().size(), 1u);
    EXPECT_EQ(prototype->GetPenColor(), 0x00AA00u);
    EXPECT_EQ(prototype->GetMark(LINEEND_END), MARK_NONE) << "every attribute of the line";
    EXPECT_EQ(Profile::GetProfileInt(kLineSection, "PenColor", -1), 0x00AA00);
    EXPECT_EQ(Profile::GetProfileInt(kLineSection, "ArrowStyle", -1), int(LINE_DEFAULT_FLAGS | LINE_CLOSED));
}

TEST_F(DrawObjManagerTest, AnObjectWithoutPrototypeChangesNothingAndAsksNothing)
{
    CDrawObjManager manager;
    ASSERT_TRUE(manager.InitDrawObjs());
    MessageScript script;
    const CGroupObj group;
    EXPECT_FALSE(manager.SetDefaultAttributesFrom(&group));
    EXPECT_FALSE(manager.SetDefaultAttributesFrom(nullptr));
    EXPECT_TRUE(script.Messages().empty());
}

TEST_F(DrawObjManagerTest, DefaultSizeComesFromThePrototypeOfTheKind)
{
    CDrawObjManager manager;
    ASSERT_TRUE(manager.InitDrawObjs());
    PrototypeFrame frame(manager);
    CRectObj prototypeShape(1, CRect(0, 0, 120, -60), TRUE);
    {
        MessageScript script;
        script.Answer(IDNO);
        ASSERT_TRUE(frame.SetDefaultAttributesFrom(&prototypeShape));
    }
    CRectObj rounded(2, CRect(10, -10, 20, -20), TRUE);
    EXPECT_TRUE(rounded.ResetToDefaultSize());
    EXPECT_EQ(rounded.GetRect(), CRect(10, -10, 130, -70));
    EXPECT_FALSE(rounded.ResetToDefaultSize());

    // The plain rectangle's prototype still has the empty constructed size.
    CRectObj plain(3, CRect(10, -10, 20, -20));
    EXPECT_TRUE(plain.ResetToDefaultSize());
    EXPECT_EQ(plain.GetRect(), CRect(10, -10, 10, -10));
    // The group has no prototype and keeps its size.
    CBaseObj group(OBJKIND_GROUP, 4, CRect(10, -10, 20, -20));
    EXPECT_FALSE(group.ResetToDefaultSize());
    EXPECT_EQ(group.GetRect(), CRect(10, -10, 20, -20));
}

TEST_F(DrawObjManagerTest, EachShapeFindsItsPrototypeAndPolygonsTheirSideCount)
{
    const char* const octagonSection = "PolygonObjHachi Properties";
    Profile::WriteProfileString(octagonSection, "RoundRate", "0.4000");
    CDrawObjManager manager;
    ASSERT_TRUE(manager.InitDrawObjs());
    manager.LoadDrawObjDefaults();
    Profile::WriteProfileString(octagonSection, nullptr, nullptr);

    const CElliObj ellipse(1, CRect());
    const CArcObj arc;
    const CFarcObj freeArc;
    const CCnctObj connector;
    const CDiamondObj diamond;
    for (const CBaseObj* shape :
         std::initializer_list<const CBaseObj*>{&ellipse, &arc, &freeArc, &connector, &diamond}) {
        const CObject* prototype = manager.FindDrawObjForObject(shape);
        ASSERT_NE(prototype, nullptr) << shape->GetKind();
        EXPECT_EQ(prototype->GetRuntimeClass(), shape->GetRuntimeClass());
    }
    const CPolygonObj hexagon(1, CRect(), POLYGON_HEXAGON);
    const CPolygonObj octagon(1, CRect(), POLYGON_OCTAGON);
    const auto* hexagonProto = DYNAMIC_DOWNCAST(CPolygonObj, manager.FindDrawObjForObject(&hexagon));
    const auto* octagonProto = DYNAMIC_DOWNCAST(CPolygonObj, manager.FindDrawObjForObject(&octagon));
    ASSERT_NE(hexagonProto, nullptr);
    ASSERT_NE(octagonProto, nullptr);
    EXPECT_NE(hexagonProto, octagonProto);
    EXPECT_EQ(octagonProto->GetSideCount(), POLYGON_OCTAGON);
    EXPECT_FLOAT_EQ(hexagonProto->GetRoundRate(), 0.25f);
    EXPECT_FLOAT_EQ(octagonProto->GetRoundRate(), 0.4f);
    EXPECT_EQ(manager.FindDrawObjByKind(OBJKIND_POLYGON, 7), nullptr);
}

TEST_F(DrawObjManagerTest, AnUnknownSideCountInTheProfileMakesAHexagon)
{
    const char* const octagonSection = "PolygonObjHachi Properties";
    Profile::WriteProfileInt(octagonSection, "PolygonPoints", 9);
    CDrawObjManager manager;
    ASSERT_TRUE(manager.InitDrawObjs());
    manager.LoadDrawObjDefaults();
    Profile::WriteProfileString(octagonSection, nullptr, nullptr);
    const auto* prototype = DYNAMIC_DOWNCAST(CPolygonObj, manager.FindDrawObjByKind(OBJKIND_POLYGON, 8));
    ASSERT_NE(prototype, nullptr) << "the prototype keeps its slot";
    EXPECT_EQ(prototype->GetSideCount(), POLYGON_HEXAGON);
}


TEST_F(DrawObjManagerTest, ObjectsOfOtherProgramsHaveAPrototypeOfTheirOwn)
{
    const char* const oleSection = "OleDrawObj Properties";
    Profile::WriteProfileInt(oleSection, "DrawFrame", 1);
    Profile::WriteProfileInt(oleSection, "PenWidth", 5);
    CDrawObjManager manager;
    ASSERT_TRUE(manager.InitDrawObjs());
    manager.LoadDrawObjDefaults();
    COleDrawObj object(4, CRect(0, 0, 200, -100));
    auto* prototype = DYNAMIC_DOWNCAST(COleDrawObj, manager.FindDrawObjForObject(&object));
    ASSERT_NE(prototype, nullptr);
    EXPECT_EQ(manager.FindDrawObjByKind(OBJKIND_OLE, 0), prototype);
    EXPECT_TRUE(prototype->GetDrawFrame());
    EXPECT_EQ(prototype->GetPenWidth(), 5);

    // Copying from the defaults takes the frame switch and the pen.
    EXPECT_TRUE(object.ApplyAttributeCommand(ID_COPY_DEFAULT_ATTRIBUTES, prototype, 0));
    EXPECT_TRUE(object.GetDrawFrame());
    EXPECT_EQ(object.GetPenWidth(), 5);

    // Making the object's attributes the default writes them under the class's section.
    object.SetDrawFrame(FALSE);
    object.SetPenWidth(2);
    MessageScript script;
    script.Answer(IDYES);
    EXPECT_TRUE(manager.SetDefaultAttributesFrom(&object));
    EXPECT_FALSE(prototype->GetDrawFrame());
    EXPECT_EQ(Profile::GetProfileInt(oleSection, "DrawFrame", -1), 0);
    EXPECT_EQ(Profile::GetProfileInt(oleSection, "PenWidth", -1), 2);
    Profile::WriteProfileString(oleSection, nullptr, nullptr);
}

} // namespace
