// A relation arrow's menus, the check and enable states of its commands, its switches and the
// take-over of another arrow's settings, through the document's entries as the view sends them.
#include "tests/foundation/MenuTesting.h"
#include "tests/model/ModelBytes.h"
#include "tests/model/RelationModel.h"
#include "tests/support/MessageScript.h"

#include "document/UndoStep.h"
#include "foundation/CommandIds.h"
#include "objects/SwitchArgument.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/Menu.h"

#include <QAction>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

namespace RelLineObjCommandsTest {

// Files A, B, C and a clone without an original; arrows of every kind and situation the update
// rules tell apart.
class CommandModel : public RelationModel
{
public:
    CommandModel()
    {
        a = File("A");
        b = File("B", CPoint(400, 0));
        c = File("C", CPoint(800, 0));
        orphan = Clone(0);
        oneToMany = Arrow(CRelLineObj::KIND_ONE_TO_MANY, a, b);
        self = Arrow(CRelLineObj::KIND_ONE_TO_MANY, a, a);
        bent = Arrow(CRelLineObj::KIND_ONE_TO_MANY, b, c);
        ArrowAt(bent).AddPoint(CPoint(100, -100));
        subtype = Arrow(CRelLineObj::KIND_SUBTYPE, c, b);
        mainSubtype = Arrow(CRelLineObj::KIND_SUBTYPE, a, b, TRUE);
        toOrphan = Arrow(CRelLineObj::KIND_SUBSTRUCTURE, a, orphan);
        supertype = Arrow(CRelLineObj::KIND_SUPERTYPE, a, c);
        ArrowAt(oneToMany).SetNullAllowed(TRUE);
        ArrowAt(bent).ShowLabel(CRelLineObj::PART_MEMO, TRUE);
        ArrowAt(bent).GetMemoLabel().SetFill(FALSE);
        ArrowAt(mainSubtype).ShowLabel(CRelLineObj::PART_ITEM_NAME, TRUE);
        ArrowAt(mainSubtype).GetItemValueLabel().SetFill(FALSE);
        ArrowAt(mainSubtype).ShowLabel(CRelLineObj::PART_ITEM_VALUE, TRUE);
        doc.SetModifiedFlag(FALSE);
    }

    WORD a, b, c, orphan, oneToMany, self, bent, subtype, mainSubtype, toOrphan, supertype;
};

struct UpdateCase
{
    const char* what;
    WORD CommandModel::*arrow;
    UINT command;
    BOOL several;
    int check;
    BOOL enabled;
};

TEST(RelLineCommands, UpdateStates)
{
    using M = CommandModel;
    const UpdateCase cases[] = {
        {"1:N kind", &M::oneToMany, ID_REL_KIND_ONE_TO_MANY, FALSE, 1, TRUE},
        {"kind needs a single arrow", &M::oneToMany, ID_REL_KIND_ONE_TO_MANY, TRUE, 1, FALSE},
        {"subtype kind offered", &M::oneToMany, ID_REL_KIND_SUBTYPE, FALSE, 0, TRUE},
        {"self-reference keeps 1:N", &M::self, ID_REL_KIND_SUBTYPE, FALSE, 0, FALSE},
        {"self-reference keeps 1:N (supertype)", &M::self, ID_REL_KIND_SUPERTYPE, FALSE, 0, FALSE},
        {"subtype checked", &M::subtype, ID_REL_KIND_SUBTYPE, FALSE, 1, TRUE},
        {"substructure checked", &M::toOrphan, ID_REL_KIND_SUBSTRUCTURE, FALSE, 1, TRUE},
        {"supertype checked", &M::supertype, ID_REL_KIND_SUPERTYPE, FALSE, 1, TRUE},
        {"main arrow offered", &M::subtype, ID_REL_MAIN_ARROW, FALSE, 0, TRUE},
        {"already the main arrow", &M::mainSubtype, ID_REL_MAIN_ARROW, FALSE, 1, FALSE},
        {"main arrow needs a single arrow", &M::subtype, ID_REL_MAIN_ARROW, TRUE, 0, FALSE},
        {"main arrow needs files at both ends", &M::toOrphan, ID_REL_MAIN_ARROW, FALSE, 0, FALSE},
        {"no main 1:N arrow", &M::oneToMany, ID_REL_MAIN_ARROW, FALSE, 0, FALSE},
        {"memo hidden", &M::oneToMany, ID_REL_SHOW_MEMO, TRUE, 0, TRUE},
        {"memo shown", &M::bent, ID_REL_SHOW_MEMO, TRUE, 1, TRUE},
        {"memo fill needs the memo", &M::oneToMany, ID_REL_MEMO_FILL, FALSE, 1, FALSE},
        {"memo fill", &M::bent, ID_REL_MEMO_FILL, FALSE, 0, TRUE},
        {"item name", &M::subtype, ID_REL_SHOW_ITEM_NAME, FALSE, 0, TRUE},
        {"item name shown", &M::mainSubtype, ID_REL_SHOW_ITEM_NAME, FALSE, 1, TRUE},
        {"item value shown", &M::mainSubtype, ID_REL_SHOW_ITEM_VALUE, FALSE, 1, TRUE},
        {"item labels need a single arrow", &M::subtype, ID_REL_SHOW_ITEM_VALUE, TRUE, 0, FALSE},
        {"item labels need a subtype kind", &M::oneToMany, ID_REL_SHOW_ITEM_NAME, FALSE, 0, FALSE},
        {"condition fill needs an item label", &M::subtype, ID_REL_SUBTYPE_FILL, FALSE, 1, FALSE},
        {"condition fill", &M::mainSubtype, ID_REL_SUBTYPE_FILL, TRUE, 0, TRUE},
        {"NULL allowed", &M::oneToMany, ID_REL_NULL_ALLOWED, TRUE, 1, TRUE},
        {"NULL option of 1:N only", &M::subtype, ID_REL_NULL_ALLOWED, FALSE, 0, FALSE},
        {"definite", &M::subtype, ID_REL_DEFINITE, TRUE, 1, TRUE},
        {"definite of subtype kinds only", &M::supertype, ID_REL_DEFINITE, FALSE, 0, FALSE},
        {"cardinality", &M::oneToMany, ID_REL_CARDINALITY_ZERO_OR_MORE, TRUE, 1, TRUE},
        {"another cardinality", &M::oneToMany, ID_REL_CARDINALITY_CONSTANT, FALSE, 0, TRUE},
        {"cardinality of 1:N only", &M::subtype, ID_REL_CARDINALITY_ONE_OR_MORE, FALSE, 0, FALSE},
        {"filled arrowhead", &M::oneToMany, ID_END_FILLED_MARK, TRUE, 0, TRUE},
        {"filled arrowhead of 1:N only", &M::subtype, ID_END_FILLED_MARK, FALSE, 0, FALSE},
        {"small arrowhead", &M::oneToMany, ID_REL_SMALL_ARROWHEAD, FALSE, 0, TRUE},
        {"large arrowhead of 1:N only", &M::supertype, ID_REL_LARGE_ARROWHEAD, FALSE, 0, FALSE},
        {"1:N crank", &M::oneToMany, ID_OP_LINE_VERTICAL_CRANK, FALSE, 0, TRUE},
        {"no crank of a self-reference", &M::self, ID_OP_LINE_VERTICAL_CRANK, FALSE, 0, FALSE},
        {"crank needs a single arrow", &M::oneToMany, ID_OP_LINE_BREAK, TRUE, 0, FALSE},
        {"crank of 1:N only", &M::subtype, ID_OP_LINE_BREAK, FALSE, 0, FALSE},
        {"a straight arrow is straight", &M::oneToMany, ID_OP_LINE_STRAIGHTEN, FALSE, 0, FALSE},
        {"straighten a bent arrow", &M::bent, ID_OP_LINE_STRAIGHTEN, FALSE, 0, TRUE},
        {"right angle of a subtype", &M::subtype, ID_OP_LINE_RIGHT_ANGLE, FALSE, 0, TRUE},
        {"right angle of the subtype kind only", &M::toOrphan, ID_OP_LINE_RIGHT_ANGLE, FALSE, 0, FALSE},
        {"right angle needs a single arrow", &M::subtype, ID_OP_LINE_RIGHT_ANGLE, TRUE, 0, FALSE},
        {"pick the start of a 1:N", &M::oneToMany, ID_OBJ_PICK_START_CONNECTION, FALSE, 0, TRUE},
        {"pick the end of a 1:N only", &M::subtype, ID_OBJ_PICK_END_CONNECTION, FALSE, 0, FALSE},
        {"subtype dialog", &M::toOrphan, ID_OBJ_SUBTYPE_DIALOG, TRUE, 0, TRUE},
        {"no subtype dialog for 1:N", &M::oneToMany, ID_OBJ_SUBTYPE_DIALOG, FALSE, 0, FALSE},
        {"1:N dialog", &M::oneToMany, ID_OBJ_ONE_TO_MANY_DIALOG, TRUE, 0, TRUE},
        {"no 1:N dialog for a subtype", &M::subtype, ID_OBJ_ONE_TO_MANY_DIALOG, FALSE, 0, FALSE},
    };
    CommandModel m;
    for (const UpdateCase& c : cases) {
        SCOPED_TRACE(c.what);
        CCmdUI state;
        state.m_nID = c.command;
        EXPECT_TRUE(m.ArrowAt(m.*c.arrow).UpdateCommandUI(&state, &m.doc, 0, FALSE, c.several));
        EXPECT_EQ(state.GetCheck(), c.check);
        EXPECT_EQ(state.IsEnabled(), c.enabled);
    }
}

// What a shown menu held: its items' ids, each text by id, and the first-level popups' ids.
struct ShownMenu
{
    std::vector<UINT> ids;
    std::vector<std::vector<UINT>> popups;
    std::function<std::string(UINT)> text;
};

ShownMenu Record(CMenu& menu)
{
    ShownMenu shown;
    shown.ids = menu_testing::ItemIds(menu);
    for (int i = 0; i < menu.GetMenuItemCount(); ++i)
        if (CMenu* sub = menu.GetSubMenu(i))
            shown.popups.push_back(menu_testing::ItemIds(*sub));
    std::vector<std::pair<UINT, std::string>> texts;
    std::function<void(CMenu&)> collect = [&](CMenu& m) {
        for (int i = 0; i < m.GetMenuItemCount(); ++i) {
            if (CMenu* sub = m.GetSubMenu(i))
                collect(*sub);
            else if (const UINT id = m.GetMenuItemID(i); id && id != UINT(-1))
                texts.emplace_back(id, m.FindAction(id)->text().toStdString());
        }
    };
    collect(menu);
    shown.text = [texts](UINT id) {
        for (const auto& [itemId, text] : texts)
            if (itemId == id)
                return text;
        return std::string("(none)");
    };
    return shown;
}

// Opens the arrow's menu for the hit code and returns what it showed (nothing: no menu).
std::vector<ShownMenu> OpenMenu(CRelLineObj& arrow, DWORD hitCode, BOOL printMode = TRUE)
{
    std::vector<ShownMenu> shown;
    const CMenu::PopupHook previous = CMenu::SetPopupHook([&](CMenu& menu) -> UINT {
        shown.push_back(Record(menu));
        return 0;
    });
    arrow.ObjectContextMenu(CPoint(10, 10), nullptr, hitCode, printMode, FALSE);
    CMenu::SetPopupHook(previous);
    return shown;
}

std::string Utf8(const char8_t* text)
{
    return reinterpret_cast<const char*>(text);
}

TEST(RelLineCommands, ArrowMenuFollowsTheKindAndTheLabels)
{
    CommandModel m;
    const UINT popup = UINT(-1);
    std::vector<ShownMenu> shown = OpenMenu(m.ArrowAt(m.oneToMany), HIT_BODY);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].ids, (std::vector<UINT>{popup, 0, ID_OBJ_ONE_TO_MANY_DIALOG, popup, ID_REL_NULL_ALLOWED, 0,
                                               ID_REL_SHOW_MEMO, ID_REL_MEMO_FILL, 0, ID_SET_DEFAULT_ATTRIBUTES,
                                               ID_COPY_DEFAULT_ATTRIBUTES, 0, popup, popup}));
    ASSERT_EQ(shown[0].popups.size(), 4u);
    EXPECT_EQ(shown[0].popups[0], (std::vector<UINT>{ID_REL_KIND_ONE_TO_MANY, ID_REL_KIND_SUBTYPE,
                                                     ID_REL_KIND_SUBSTRUCTURE, ID_REL_KIND_SUPERTYPE}));
    EXPECT_EQ(shown[0].popups[1], (std::vector<UINT>{ID_REL_CARDINALITY_ZERO_OR_MORE, ID_REL_CARDINALITY_ONE_OR_MORE,
                                                     ID_REL_CARDINALITY_ZERO_OR_ONE, ID_REL_CARDINALITY_CONSTANT}));
    EXPECT_EQ(shown[0].popups[2],
              (std::vector<UINT>{ID_OBJ_SNAP_TO_GRID, ID_OP_LINE_ADJUST_POINTS, ID_OP_LINE_VERTICAL_CRANK,
                                 ID_OP_LINE_BREAK, ID_OP_LINE_RIGHT_ANGLE, ID_OP_LINE_STRAIGHTEN, 0,
                                 ID_OBJ_PICK_START_CONNECTION, ID_OBJ_PICK_END_CONNECTION}));
    // "その他": the arrowhead entries, then the pen style, pen colour and text colour popups.
    EXPECT_EQ(shown[0].popups[3],
              (std::vector<UINT>{ID_REL_SMALL_ARROWHEAD, ID_END_FILLED_MARK, 0, popup, popup, popup}));
    EXPECT_EQ(shown[0].text(ID_REL_SHOW_MEMO), Utf8(u8"矢線ﾃｷｽﾄの表示"));
    EXPECT_EQ(shown[0].text(ID_REL_SMALL_ARROWHEAD), Utf8(u8"矢頭-小"));

    // A small arrowhead offers the large one; a shown memo offers hiding it.
    CRelLineObj& bent = m.ArrowAt(m.bent);
    bent.SetMark(LINEEND_END, MARK_SMALL_ARROW);
    shown = OpenMenu(bent, HIT_BODY);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text(ID_REL_LARGE_ARROWHEAD), Utf8(u8"矢頭-大"));
    EXPECT_EQ(shown[0].text(ID_REL_SMALL_ARROWHEAD), "(none)");
    EXPECT_EQ(shown[0].text(ID_REL_SHOW_MEMO), Utf8(u8"矢線ﾃｷｽﾄの非表示"));

    // A subtype arrow: its settings in place of the 1:N ones, each item label worded by its flag.
    shown = OpenMenu(m.ArrowAt(m.mainSubtype), HIT_BODY);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].ids, (std::vector<UINT>{popup, 0, ID_OBJ_SUBTYPE_DIALOG, ID_REL_MAIN_ARROW, ID_REL_DEFINITE, 0,
                                               ID_REL_SHOW_ITEM_NAME, ID_REL_SHOW_ITEM_VALUE, ID_REL_SUBTYPE_FILL, 0,
                                               ID_REL_SHOW_MEMO, ID_REL_MEMO_FILL, 0, ID_SET_DEFAULT_ATTRIBUTES,
                                               ID_COPY_DEFAULT_ATTRIBUTES, 0, popup, popup}));
    EXPECT_EQ(shown[0].text(ID_REL_SHOW_ITEM_NAME), Utf8(u8"ｻﾌﾞﾀｲﾌﾟﾃﾞｰﾀ項目名の非表示"));
    shown = OpenMenu(m.ArrowAt(m.subtype), HIT_BODY);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text(ID_REL_SHOW_ITEM_VALUE), Utf8(u8"ｻﾌﾞﾀｲﾌﾟﾃﾞｰﾀ項目値の表示"));

    // A supertype arrow has neither group; a hidden arrow no menu at all.
    shown = OpenMenu(m.ArrowAt(m.supertype), HIT_BODY);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].ids.size(), 10u);
    m.ArrowAt(m.supertype).SetHideDefine(TRUE);
    EXPECT_TRUE(OpenMenu(m.ArrowAt(m.supertype), HIT_BODY, FALSE).empty());
    EXPECT_EQ(OpenMenu(m.ArrowAt(m.supertype), HIT_BODY, TRUE).size(), 1u);
}

TEST(RelLineCommands, LabelMenusAndTheEditedPart)
{
    CommandModel m;
    CRelLineObj& arrow = m.ArrowAt(m.subtype);
    arrow.ShowLabel(CRelLineObj::PART_ITEM_VALUE, TRUE);
    const UINT popup = UINT(-1);
    const std::vector<UINT> subTypeIds{ID_OBJ_SUBTYPE_DIALOG,
                                       ID_REL_MAIN_ARROW,
                                       ID_REL_DEFINITE,
                                       0,
                                       ID_REL_SHOW_ITEM_NAME,
                                       ID_REL_SHOW_ITEM_VALUE,
                                       ID_REL_SUBTYPE_FILL,
                                       0,
                                       popup};
    struct Case
    {
        DWORD part;
        std::vector<UINT> ids;
        const char8_t* itemName; // the wording of 21347 (null: not in the menu)
        const char8_t* itemValue;
    };
    const Case cases[] = {
        {CRelLineObj::PART_MEMO, {ID_REL_SHOW_MEMO, ID_REL_MEMO_FILL, 0, popup}, nullptr, nullptr},
        // Each item label's menu words the other label's entry as hiding it, its own by its flag.
        {CRelLineObj::PART_ITEM_NAME, subTypeIds, u8"ｻﾌﾞﾀｲﾌﾟﾃﾞｰﾀ項目名の表示", u8"ｻﾌﾞﾀｲﾌﾟﾃﾞｰﾀ項目値の非表示"},
        {CRelLineObj::PART_ITEM_VALUE, subTypeIds, u8"ｻﾌﾞﾀｲﾌﾟﾃﾞｰﾀ項目名の非表示", u8"ｻﾌﾞﾀｲﾌﾟﾃﾞｰﾀ項目値の非表示"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.part);
        arrow.SetEditedPart(0);
        // The part menu comes through the object menu entry as well.
        const std::vector<ShownMenu> shown = OpenMenu(arrow, c.part | HIT_SHAPE_HANDLE);
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].ids, c.ids);
        EXPECT_EQ(arrow.GetEditedPart(), c.part);
        if (c.part == CRelLineObj::PART_MEMO) {
            EXPECT_EQ(shown[0].text(ID_REL_SHOW_MEMO), Utf8(u8"矢線ﾃｷｽﾄの非表示"));
        }
        if (c.itemName) {
            EXPECT_EQ(shown[0].text(ID_REL_SHOW_ITEM_NAME), Utf8(c.itemName));
            EXPECT_EQ(shown[0].text(ID_REL_SHOW_ITEM_VALUE), Utf8(c.itemValue));
        }
    }
    // No label named: no menu.
    std::vector<ShownMenu> shown;
    const CMenu::PopupHook previous = CMenu::SetPopupHook([&](CMenu& menu) -> UINT {
        shown.push_back(Record(menu));
        return 0;
    });
    arrow.PartContextMenu(CPoint(10, 10), nullptr, HIT_BODY, TRUE, FALSE);
    CMenu::SetPopupHook(previous);
    EXPECT_TRUE(shown.empty());
}

struct SwitchCase
{
    const char* what;
    WORD CommandModel::*arrow;
    UINT command;
    std::function<BOOL(const CRelLineObj&)> flag; // null: the arrow refuses the switch
};

TEST(RelLineCommands, SwitchesTakeTheValueTheyCarry)
{
    using M = CommandModel;
    const SwitchCase cases[] = {
        {"filled arrowhead", &M::oneToMany, ID_END_FILLED_MARK,
         [](const CRelLineObj& a) { return a.IsFilledMark(LINEEND_END); }},
        {"memo", &M::oneToMany, ID_REL_SHOW_MEMO, [](const CRelLineObj& a) { return a.GetShowMemo(); }},
        {"memo fill", &M::bent, ID_REL_MEMO_FILL, [](const CRelLineObj& a) { return a.GetMemoLabel().GetFill(); }},
        {"item name", &M::subtype, ID_REL_SHOW_ITEM_NAME, [](const CRelLineObj& a) { return a.GetShowItemName(); }},
        {"item value", &M::subtype, ID_REL_SHOW_ITEM_VALUE, [](const CRelLineObj& a) { return a.GetShowItemValue(); }},
        {"condition fill", &M::mainSubtype, ID_REL_SUBTYPE_FILL,
         [](const CRelLineObj& a) { return a.GetItemValueLabel().GetFill() && a.GetItemNameLabel().GetFill(); }},
        {"NULL allowed", &M::bent, ID_REL_NULL_ALLOWED, [](const CRelLineObj& a) { return a.GetNullAllowed(); }},
        {"definite", &M::toOrphan, ID_REL_DEFINITE, [](const CRelLineObj& a) { return a.GetDefinite(); }},
        {"no filled arrowhead on a subtype", &M::subtype, ID_END_FILLED_MARK, nullptr},
        {"no NULL option on a subtype", &M::subtype, ID_REL_NULL_ALLOWED, nullptr},
        {"no definite 1:N arrow", &M::oneToMany, ID_REL_DEFINITE, nullptr},
        // A 1:N arrow has no discriminator to show: a switch over a mixed selection leaves it be.
        {"no item labels on a 1:N arrow", &M::oneToMany, ID_REL_SHOW_ITEM_NAME, nullptr},
    };
    for (const SwitchCase& c : cases) {
        SCOPED_TRACE(c.what);
        CommandModel m;
        const WORD id = m.*c.arrow;
        auto apply = [&](BOOL on) {
            CUndoStep step(&m.doc);
            return m.doc.ApplyObjectCommand(&m.ArrowAt(id), c.command, SwitchArgument(on), 0);
        };
        if (!c.flag) {
            const std::string before = ObjectListBytes(m.doc);
            EXPECT_FALSE(apply(TRUE));
            EXPECT_FALSE(apply(FALSE));
            EXPECT_EQ(ObjectListBytes(m.doc), before);
            EXPECT_FALSE(m.doc.IsModified());
            continue;
        }
        // Whatever the flag was, each value is set once and then changes nothing.
        const BOOL initial = c.flag(m.ArrowAt(id));
        for (const BOOL value : {BOOL(!initial), BOOL(!initial), initial}) {
            const BOOL was = c.flag(m.ArrowAt(id));
            EXPECT_EQ(apply(value), was != value);
            EXPECT_EQ(c.flag(m.ArrowAt(id)), value);
        }
        EXPECT_TRUE(m.doc.IsModified());
    }
}

TEST(RelLineCommands, ShownMemoStartsAtItsPlaceWithTheDefaultText)
{
    CommandModel m;
    CRelLineObj& arrow = m.ArrowAt(m.oneToMany);
    {
        CUndoStep step(&m.doc);
        ASSERT_TRUE(m.doc.ApplyObjectCommand(&arrow, ID_REL_SHOW_MEMO, SwitchArgument(TRUE), 0));
    }
    EXPECT_EQ(arrow.GetMemoLabel().GetText(), CString(u8"×N"));
    EXPECT_TRUE(arrow.IsLabelPlaced(CRelLineObj::PART_MEMO));
}

TEST(RelLineCommands, CardinalityArrowheadsAndLabelColour)
{
    CommandModel m;
    CRelLineObj& arrow = m.ArrowAt(m.oneToMany);
    auto apply = [&](CRelLineObj& target, UINT command, CObject* argument = nullptr) {
        CUndoStep step(&m.doc);
        return m.doc.ApplyObjectCommand(&target, command, argument, 0);
    };
    EXPECT_TRUE(apply(arrow, ID_REL_CARDINALITY_ZERO_OR_ONE));
    EXPECT_EQ(arrow.GetCardinality(), CRelLineObj::CARDINALITY_ZERO_OR_ONE);
    EXPECT_FALSE(apply(arrow, ID_REL_CARDINALITY_ZERO_OR_ONE));
    EXPECT_FALSE(apply(m.ArrowAt(m.subtype), ID_REL_CARDINALITY_CONSTANT));
    EXPECT_EQ(m.ArrowAt(m.subtype).GetCardinality(), 0);

    EXPECT_TRUE(apply(arrow, ID_REL_SMALL_ARROWHEAD));
    EXPECT_EQ(arrow.GetMark(LINEEND_END), MARK_SMALL_ARROW);
    EXPECT_FALSE(apply(arrow, ID_REL_SMALL_ARROWHEAD));
    EXPECT_TRUE(apply(arrow, ID_REL_LARGE_ARROWHEAD));
    EXPECT_EQ(arrow.GetMark(LINEEND_END), MARK_ARROW);
    EXPECT_FALSE(apply(m.ArrowAt(m.subtype), ID_REL_SMALL_ARROWHEAD));

    // The take-over colour command colours all three labels from the other arrow's memo.
    CRelLineObj& other = m.ArrowAt(m.subtype);
    other.GetMemoLabel().SetTextColor(RGB(0, 0, 255));
    EXPECT_TRUE(apply(arrow, ID_TEXT_COLOR_BASE + COLOR_MENU_FROM_OBJECT, &other));
    for (const CStrgObj* label : {&arrow.GetMemoLabel(), &arrow.GetItemNameLabel(), &arrow.GetItemValueLabel()})
        EXPECT_EQ(label->GetTextColor(), RGB(0, 0, 255));
    EXPECT_FALSE(apply(arrow, ID_TEXT_COLOR_BASE + COLOR_MENU_FROM_OBJECT, &other));
}

TEST(RelLineCommands, TheKindAndMainCommandsNeedTheDocumentsRules)
{
    CommandModel m;
    CRelLineObj& arrow = m.ArrowAt(m.subtype);
    for (const UINT command : {ID_REL_KIND_ONE_TO_MANY, ID_REL_KIND_SUPERTYPE, ID_REL_MAIN_ARROW})
        EXPECT_FALSE(arrow.ApplyAttributeCommand(command, nullptr, 0)) << command;
    EXPECT_EQ(arrow.GetKind(), CRelLineObj::KIND_SUBTYPE);
    EXPECT_FALSE(arrow.IsMainArrow());
    // An arrow always joins two files.
    EXPECT_FALSE(arrow.ApplyShapeOperation(ID_OBJ_CLEAR_START_CONNECTION, 0, 0));
    EXPECT_EQ(arrow.GetStartObjectId(), m.c);
}

TEST(RelLineCommands, LabelsMoveOnceWithTheWholeArrow)
{
    CommandModel m;
    CRelLineObj& arrow = m.ArrowAt(m.bent);
    const CRect memo = arrow.GetMemoLabel().GetRect();
    ASSERT_TRUE(arrow.ApplyShapeOperation(ID_OBJ_SNAP_TO_GRID, 30, UINT_PTR(-20)));
    EXPECT_EQ(arrow.GetMemoLabel().GetRect(), memo + CPoint(30, -20));
    EXPECT_EQ(arrow.GetEndPoint(), CPoint(130, -120));
}

TEST(RelLineCommands, OtherArrowsTakeOverTheCurrentArrowsSettings)
{
    CommandModel m;
    CRelLineObj& source = m.ArrowAt(m.oneToMany);
    source.SetCardinality(CRelLineObj::CARDINALITY_CONSTANT);
    source.SetConstant(12);
    CRelLineObj& subSource = m.ArrowAt(m.subtype);
    subSource.SetDefinite(FALSE);
    subSource.SetDiscriminator(CRelLineObj::DISCRIMINATOR_IN_DOCUMENT, m.c, 3);
    subSource.SetReferenceTexts(CString("1"), CString("C"), CString("3"));
    subSource.SetReferenceNumbers(2, 7, CString("ref"), 4);
    subSource.GetItemNameLabel().SetText(CString("Kind"));
    subSource.GetItemValueLabel().SetText(CString("Gold"));
    m.doc.SetModifiedFlag(FALSE);

    auto copy = [&](WORD target, UINT command, WORD from) {
        CUndoStep step(&m.doc);
        return m.doc.ExecuteObjectOperation(&m.ArrowAt(target), command, 0, from);
    };
    // 1:N: cardinality, constant and NULL option, nothing else.
    ASSERT_TRUE(copy(m.bent, ID_OBJ_COPY_ONE_TO_MANY_SETTINGS, m.oneToMany));
    const CRelLineObj& bent = m.ArrowAt(m.bent);
    EXPECT_EQ(bent.GetCardinality(), CRelLineObj::CARDINALITY_CONSTANT);
    EXPECT_EQ(bent.GetConstant(), 12);
    EXPECT_TRUE(bent.GetNullAllowed());
    EXPECT_TRUE(bent.GetShowMemo());
    EXPECT_TRUE(m.doc.IsModified());
    m.doc.SetModifiedFlag(FALSE);
    EXPECT_FALSE(copy(m.bent, ID_OBJ_COPY_ONE_TO_MANY_SETTINGS, m.oneToMany)) << "nothing left to change";
    EXPECT_FALSE(m.doc.IsModified());

    // Subtype kinds: definite, the whole discriminator and the item name; not the typed value, the
    // main role or the labels' visibility.
    ASSERT_TRUE(copy(m.toOrphan, ID_OBJ_COPY_SUBTYPE_SETTINGS, m.subtype));
    const CRelLineObj& target = m.ArrowAt(m.toOrphan);
    EXPECT_FALSE(target.GetDefinite());
    EXPECT_EQ(target.GetDiscriminatorForm(), CRelLineObj::DISCRIMINATOR_IN_DOCUMENT);
    EXPECT_EQ(target.GetDiscriminatorFile(), m.c);
    EXPECT_EQ(target.GetDiscriminatorItem(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(target.GetReferenceText(i), subSource.GetReferenceText(i));
    EXPECT_EQ(target.GetReferenceNumber(0), 2);
    EXPECT_EQ(target.GetReferenceNumber(1), 7);
    EXPECT_EQ(target.GetReferenceString(), CString("ref"));
    EXPECT_EQ(target.GetReferenceItem(), 4);
    EXPECT_EQ(target.GetItemNameLabel().GetText(), CString("Kind"));
    EXPECT_EQ(target.GetItemValueLabel().GetText(), CString());
    EXPECT_EQ(target.GetKind(), CRelLineObj::KIND_SUBSTRUCTURE);

    // Across the groups of kinds, from a missing arrow or onto itself: refused, nothing changes.
    m.doc.SetModifiedFlag(FALSE);
    const std::string before = ObjectListBytes(m.doc);
    EXPECT_FALSE(copy(m.subtype, ID_OBJ_COPY_ONE_TO_MANY_SETTINGS, m.oneToMany));
    EXPECT_FALSE(copy(m.oneToMany, ID_OBJ_COPY_SUBTYPE_SETTINGS, m.subtype));
    EXPECT_FALSE(copy(m.bent, ID_OBJ_COPY_ONE_TO_MANY_SETTINGS, 999));
    EXPECT_FALSE(copy(m.oneToMany, ID_OBJ_COPY_ONE_TO_MANY_SETTINGS, m.oneToMany));
    EXPECT_EQ(ObjectListBytes(m.doc), before);
    EXPECT_FALSE(m.doc.IsModified());

    // One undo step brings the settings back.
    ASSERT_TRUE(copy(m.self, ID_OBJ_COPY_ONE_TO_MANY_SETTINGS, m.oneToMany));
    m.doc.Undo();
    EXPECT_EQ(m.ArrowAt(m.self).GetCardinality(), CRelLineObj::CARDINALITY_ZERO_OR_MORE);
    EXPECT_EQ(m.ArrowAt(m.self).GetConstant(), 1);
}

} // namespace RelLineObjCommandsTest
