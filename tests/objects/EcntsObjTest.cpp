// Circular connectors: their defaults and sizes, the start and end roles, drawing with the frame
// flag, hits, the menu and its enable rules, the class defaults and the record.
#include "objects/EcntsObj.h"

#include "foundation/CommandIds.h"
#include "foundation/RegItemObj.h"
#include "objects/DrawObjects.h"
#include "platform/profile/Profile.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/Menu.h"
#include "tests/foundation/MenuTesting.h"
#include "tests/objects/ObjectsTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr char kSection[] = "EcntsObj Properties";

// The check and enable state of one command on the connector.
std::pair<int, BOOL> CommandState(CEcntsObj& connector, UINT id, BOOL severalSelected = FALSE)
{
    CCmdUI ui;
    ui.m_nID = id;
    EXPECT_TRUE(connector.UpdateCommandUI(&ui, nullptr, HIT_BODY, TRUE, severalSelected)) << id;
    return {ui.GetCheck(), ui.IsEnabled()};
}

} // namespace

TEST(EcntsObj, DefaultsAndSizes)
{
    const CEcntsObj prototype;
    EXPECT_EQ(prototype.GetKind(), OBJKIND_ECNTS);
    EXPECT_EQ(prototype.GetSize(), CSize(80, -80));
    EXPECT_EQ(prototype.GetLogFont().lfHeight, -16);
    EXPECT_EQ(prototype.GetFormat(), DWORD(DT_CENTER | DT_VCENTER));
    EXPECT_FALSE(prototype.GetFill());
    EXPECT_FALSE(prototype.GetDrawFrame());
    EXPECT_TRUE(prototype.GetConnectorFill());
    EXPECT_TRUE(prototype.GetConnectorFrame());
    EXPECT_TRUE(prototype.IsFirstOfPair());
    EXPECT_EQ(prototype.GetPairNumber(), 0);
    CEcntsObj marked(prototype);
    marked.SetStart(TRUE);
    EXPECT_FALSE(marked.IsExportKind(1)) << "never in the text export";
    EXPECT_FALSE(marked.HasText());

    // A new connector takes its prototype's size, keeping the dragged corner.
    CDrawObjManager manager;
    ASSERT_TRUE(manager.InitDrawObjs());
    auto* stored = DYNAMIC_DOWNCAST(CEcntsObj, manager.FindDrawObjByKind(OBJKIND_ECNTS, 0));
    ASSERT_NE(stored, nullptr);
    stored->ResizeByHandle(CSize(40, 0), HIT_HANDLE | HIT_SIDE_RIGHT);
    PrototypeFrame frame(manager);
    const CEcntsObj second(7, 5, CRect(300, -100, 310, -500), FALSE);
    EXPECT_EQ(second.GetRect(), CRect(300, -100, 420, -180));
    EXPECT_EQ(second.GetPairNumber(), 5);
    EXPECT_FALSE(second.IsFirstOfPair());
}

TEST(EcntsObj, SettingARoleWritesItsLetterAndClearsTheOther)
{
    CEcntsObj connector(1, 1, CRect(0, 0, 80, -80), TRUE);
    connector.SetText(CString("x"));
    connector.ToggleStart();
    EXPECT_TRUE(connector.IsStart());
    EXPECT_EQ(connector.GetText(), CString("S"));
    connector.SetEnd(TRUE);
    EXPECT_FALSE(connector.IsStart());
    EXPECT_TRUE(connector.IsEnd());
    EXPECT_EQ(connector.GetText(), CString("E"));
    connector.ToggleEnd();
    EXPECT_FALSE(connector.IsEnd());
    EXPECT_EQ(connector.GetText(), CString("E")) << "clearing keeps the text";
    connector.SetStart(FALSE);
    EXPECT_EQ(connector.GetText(), CString("E"));
}

TEST(EcntsObj, DrawsTheCircleWithShadowAndHonoursTheFrameFlag)
{
    CEcntsObj connector(1, 1, CRect(0, 0, 80, -80), TRUE);
    connector.SetShadowDepth(6);
    connector.SetPenWidth(4);
    std::vector<DrawCall> calls = RecordDraw(connector, 50);
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ(calls[0].op, "Ellipse");
    EXPECT_EQ(calls[0].args, (std::vector<int>{3, -3, 43, -43}));
    EXPECT_EQ(calls[1].op, "Ellipse");
    EXPECT_EQ(calls[1].args, (std::vector<int>{0, 0, 40, -40}));
    EXPECT_EQ(calls[1].pen.lopnStyle, UINT(PS_INSIDEFRAME));
    EXPECT_EQ(calls[1].pen.lopnWidth.x, 2);
    EXPECT_EQ(calls[1].brush.lbStyle, BS_SOLID);

    // Without the frame flag the circle has no outline; unfilled it has no shadow either.
    ASSERT_TRUE(connector.ApplyAttributeCommand(ID_TEXT_FRAME, nullptr, HIT_BODY));
    ASSERT_TRUE(connector.ApplyAttributeCommand(ID_OBJ_FILL, nullptr, HIT_BODY));
    EXPECT_EQ(CommandState(connector, ID_TEXT_FRAME).first, 0);
    calls = RecordDraw(connector, 100);
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls[0].op, "Ellipse");
    EXPECT_EQ(calls[0].pen.lopnStyle, UINT(PS_NULL));
    EXPECT_EQ(calls[0].brush.lbStyle, BS_NULL);
    EXPECT_EQ(std::count_if(calls.begin(), calls.end(), [](const DrawCall& c) { return c.op == "Ellipse"; }), 1);
}

TEST(EcntsObj, HitsAndConnectionSpans)
{
    CEcntsObj connector(1, 1, CRect(0, 0, 80, -80), TRUE);
    const CPoint centre(40, -40), corner(3, -3), rim(79, -40);
    EXPECT_TRUE(connector.HitTest(centre, 1, TRUE, TRUE));
    EXPECT_FALSE(connector.HitTest(corner, 1, TRUE, FALSE)) << "outside the circle, inside the box";
    connector.ApplyAttributeCommand(ID_OBJ_FILL, nullptr, HIT_BODY);
    EXPECT_FALSE(connector.HitTest(centre, 1, TRUE, TRUE));
    EXPECT_TRUE(connector.HitTest(centre, 1, TRUE, FALSE));
    EXPECT_TRUE(connector.HitTest(rim, 2, TRUE, TRUE));

    CRect span;
    connector.GetConnectSideSpan(SIDE_LEFT, CPoint(), span);
    EXPECT_EQ(span, CRect(0, -40, 0, -40));
    connector.GetConnectSideSpan(SIDE_BOTTOM | SIDE_LEFT, CPoint(), span);
    EXPECT_EQ(span, CRect(40, 0, 40, 0));
}

TEST(EcntsObj, RolesAreOfferedOnlyToTheirMemberOfThePair)
{
    CEcntsObj first(1, 1, CRect(0, 0, 80, -80), TRUE), second(2, 1, CRect(100, 0, 180, -80), FALSE);
    EXPECT_EQ(CommandState(first, ID_CONNECTOR_PAIR_START), std::pair(0, TRUE));
    EXPECT_EQ(CommandState(first, ID_CONNECTOR_PAIR_END), std::pair(0, FALSE));
    EXPECT_EQ(CommandState(second, ID_CONNECTOR_PAIR_END), std::pair(0, TRUE));
    EXPECT_EQ(CommandState(second, ID_CONNECTOR_PAIR_START).second, FALSE);
    EXPECT_EQ(CommandState(first, ID_CONNECTOR_PAIR_START, TRUE).second, FALSE) << "several selected";
    ASSERT_TRUE(first.ApplyAttributeCommand(ID_CONNECTOR_PAIR_START, nullptr, HIT_BODY));
    EXPECT_EQ(CommandState(first, ID_CONNECTOR_PAIR_START).first, 1);
    first.ApplyAttributeCommand(ID_OBJ_FILL, nullptr, HIT_BODY);
    EXPECT_FALSE(CommandState(first, ID_SHADOW_NONE).second) << "no shadow for an unfilled circle";

    std::vector<UINT> top, operations;
    UINT startState = 0;
    const CMenu::PopupHook previous = CMenu::SetPopupHook([&](CMenu& menu) -> UINT {
        top = menu_testing::ItemIds(menu);
        startState = menu.GetMenuState(0, MF_BYPOSITION);
        operations = menu_testing::ItemIds(*menu.GetSubMenu(menu.GetMenuItemCount() - 1));
        return 0;
    });
    second.ObjectContextMenu(CPoint(10, 10), nullptr, HIT_BODY, TRUE, TRUE);
    CMenu::SetPopupHook(previous);
    const UINT popup = UINT(-1);
    EXPECT_EQ(top, (std::vector<UINT>{ID_CONNECTOR_PAIR_START,
                                      ID_CONNECTOR_PAIR_END,
                                      0,
                                      popup,
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
                                      0,
                                      ID_SET_DEFAULT_ATTRIBUTES,
                                      ID_COPY_DEFAULT_ATTRIBUTES,
                                      ID_OBJ_DEFAULT_SIZE,
                                      0,
                                      popup}));
    EXPECT_TRUE(startState & MF_GRAYED);
    EXPECT_EQ(operations, (std::vector<UINT>{22008, 22023, 22004, 22005, 22006, 22007}));
}

TEST(EcntsObj, ClassDefaultsKeepFlagsAndSize)
{
    Profile::WriteProfileString(kSection, nullptr, nullptr);
    CEcntsObj prototype;
    prototype.ApplyAttributeCommand(ID_OBJ_FILL, nullptr, HIT_BODY);
    prototype.ResizeByHandle(CSize(20, -20), HIT_HANDLE | HIT_SIDE_RIGHT | HIT_SIDE_BOTTOM);
    CRegItemObj carrier;
    prototype.SaveDefaultAttributes(carrier);
    EXPECT_EQ(Profile::GetProfileInt(kSection, "FillEcnts", -1), 0);
    EXPECT_EQ(Profile::GetProfileInt(kSection, "DrawFrameEcnts", -1), 1);
    EXPECT_EQ(Profile::GetProfileInt(kSection, "SizeObjDefCx", 0), 100);
    EXPECT_EQ(Profile::GetProfileInt(kSection, "SizeObjDefCy", 0), -100);
    EXPECT_EQ(Profile::GetProfileInt(kSection, "FontHeight", 0), -16);

    CEcntsObj nextRun;
    CRegItemObj loader;
    nextRun.LoadDefaultAttributes(loader);
    EXPECT_FALSE(nextRun.GetConnectorFill());
    EXPECT_EQ(nextRun.GetSize(), CSize(100, -100));
    Profile::WriteProfileString(kSection, nullptr, nullptr);
}

TEST(EcntsObj, RecordAndCopiesKeepPairAndFlags)
{
    CEcntsObj connector(0x0203, 0x0102, CRect(0, 0, 80, -80), FALSE);
    connector.SetEnd(TRUE);
    connector.ApplyAttributeCommand(ID_TEXT_FRAME, nullptr, HIT_BODY);
    const std::vector<BYTE> bytes = StoreObject(&connector);
    RecordBytes tail;
    tail.Word(0x0102).Word(1).Word(0).Word(0).Word(0).Word(1);
    ASSERT_GT(bytes.size(), tail.Bytes().size());
    EXPECT_TRUE(std::equal(tail.Bytes().begin(), tail.Bytes().end(), bytes.end() - tail.Bytes().size()));

    const auto loaded = LoadObject<CEcntsObj>(bytes);
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->GetPairNumber(), 0x0102);
    EXPECT_TRUE(loaded->IsEnd());
    EXPECT_FALSE(loaded->IsStart());
    EXPECT_FALSE(loaded->IsFirstOfPair());
    EXPECT_FALSE(loaded->GetConnectorFrame());
    EXPECT_EQ(loaded->GetText(), CString("E"));
    EXPECT_EQ(StoreObject(loaded.get()), bytes);

    const std::unique_ptr<CObject> clone(DrawObjects::Clone(&connector));
    ASSERT_NE(DYNAMIC_DOWNCAST(CEcntsObj, clone.get()), nullptr);
    EXPECT_EQ(StoreObject(clone.get()), bytes) << "field for field";

    // Attribute copies take the fill and frame, never the pair or the roles.
    CEcntsObj other(9, 9, CRect(0, 0, 80, -80), TRUE);
    other.CopyAttributes(connector);
    EXPECT_FALSE(other.GetConnectorFrame());
    EXPECT_EQ(other.GetPairNumber(), 9);
    EXPECT_TRUE(other.IsFirstOfPair());
    EXPECT_FALSE(other.IsEnd());
}
