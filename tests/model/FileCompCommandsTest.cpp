// A conceptual file's menus and commands as the view reaches them: the check and enable state of
// each entry, the attribute commands with their switch values, in-place editing of its parts
// through the document (the items rebuilt and other files renumbered in one undo step), find and
// replace carrying a new name to the clones, and its class defaults.
#include "tests/model/ArchiveBytes.h"
#include "tests/model/RelationModel.h"

#include "foundation/CommandIds.h"
#include "foundation/RegItemObj.h"
#include "objects/FloatEdit.h"
#include "objects/SwitchArgument.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/DrawLog.h"
#include "platform/profile/Profile.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/Menu.h"
#include "view/DisplayOptions.h"

#include <QPlainTextEdit>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace FileCompCommandsTest {

// The application as far as the file asks it: the last object command.
class LastCommandApp : public TestApp
{
public:
    UINT GetLastObjectCommand() const override { return last; }
    UINT last = ID_OBJ_FILE_DIALOG;
};

struct State
{
    BOOL enabled;
    int check;
};

State Update(CFileComp& file, CBaseDoc& doc, UINT id, BOOL several)
{
    CCmdUI cmdUI;
    cmdUI.m_nID = id;
    cmdUI.Enable(FALSE);
    cmdUI.SetCheck(0);
    EXPECT_TRUE(file.UpdateCommandUI(&cmdUI, &doc, 0, TRUE, several)) << id;
    return {cmdUI.IsEnabled(), cmdUI.GetCheck()};
}

std::vector<std::string> Snapshot(CBaseDoc& doc)
{
    std::vector<std::string> records;
    CObList* objects = doc.GetObjectList();
    for (POSITION pos = objects->GetHeadPosition(); pos;) {
        CObject* object = objects->GetNext(pos);
        records.push_back(ArchiveBytes::Store([&](CArchive& ar) { object->Serialize(ar); }));
    }
    return records;
}

// A device context of one pixel per document unit, y down.
class PixelDC : public CDC
{
public:
    PixelDC()
    {
        CreateRecording(&m_log);
        SetMapMode(MM_ANISOTROPIC);
        SetWindowExt(1, 1);
        SetViewportExt(1, -1);
    }

private:
    DrawLog m_log;
};

void ParseTexts(CBaseDoc& doc, CFileComp& file, const char8_t* key, const char8_t* data)
{
    file.SetKeyText(CString(key));
    file.SetDataText(CString(data));
    file.ParseItemTexts(&doc, file.GetDataList());
}

// Every entry of the file's menus: its check and whether it is enabled, by the file's physical
// settings, its parent, its label and the selection.
TEST(FileCompCommands, UpdateStateTable)
{
    RelationModel model;
    LastCommandApp app;
    const WORD plain = model.File("Plain");
    const WORD parent = model.File("Parent");
    const WORD child = model.File("Child");
    const WORD merged = model.File("Merged");
    const WORD dedicated = model.File("Dedicated");
    const WORD notTarget = model.File("NotTarget");
    const WORD labelled = model.File("Labelled");
    model.Arrow(CRelLineObj::KIND_SUBTYPE, parent, child, TRUE);
    model.Arrow(CRelLineObj::KIND_SUBSTRUCTURE, parent, merged, TRUE);
    model.Arrow(CRelLineObj::KIND_SUBTYPE, parent, notTarget, TRUE);
    model.FileAt(merged).SetMergedIntoParent(TRUE);
    model.FileAt(dedicated).SetPhyControlDedicated(TRUE);
    model.FileAt(notTarget).SetPhysicalTarget(FALSE);
    model.FileAt(labelled).SetShowNumIOSource(TRUE);
    model.FileAt(labelled).SetBoxStyle(3);

    const struct
    {
        WORD file;
        UINT id;
        BOOL several;
        State expected;
    } cases[] = {
        // clang-format off
        {plain, ID_FILE_TYPE_MARK_BASE, FALSE, {TRUE, 1}},
        {labelled, ID_FILE_TYPE_MARK_BASE + 3, FALSE, {TRUE, 1}},
        {labelled, ID_FILE_TYPE_MARK_BASE + 2, FALSE, {TRUE, 0}},
        {plain, ID_SHADOW_NONE, FALSE, {TRUE, 1}},          // not filled, still enabled
        {plain, ID_SHADOW_LARGE, FALSE, {TRUE, 0}},
        {plain, ID_FILE_SHOW_NUM_IO, FALSE, {TRUE, 0}},
        {labelled, ID_FILE_SHOW_NUM_IO, FALSE, {TRUE, 1}},
        {plain, ID_FILE_NUM_IO_FILL, FALSE, {FALSE, 1}},    // the label is hidden
        {labelled, ID_FILE_NUM_IO_FILL, FALSE, {TRUE, 1}},
        {plain, ID_FILE_PHYSICAL_TARGET, FALSE, {TRUE, 1}},
        {notTarget, ID_FILE_PHYSICAL_TARGET, FALSE, {TRUE, 0}},
        {dedicated, ID_FILE_PHYSICAL_TARGET, FALSE, {FALSE, 1}},
        {plain, ID_FILE_MERGE_INTO_PARENT, FALSE, {FALSE, 0}},  // no parent
        {child, ID_FILE_MERGE_INTO_PARENT, FALSE, {TRUE, 0}},
        {merged, ID_FILE_MERGE_INTO_PARENT, FALSE, {TRUE, 1}},
        {notTarget, ID_FILE_MERGE_INTO_PARENT, FALSE, {FALSE, 0}},
        {plain, ID_FILE_TABLESPACE_DIALOG, FALSE, {TRUE, 0}},
        {plain, ID_FILE_DEFINITION_FILE_DIALOG, TRUE, {TRUE, 0}},
        {merged, ID_FILE_TABLESPACE_DIALOG, FALSE, {FALSE, 0}},
        {dedicated, ID_FILE_DEFINITION_FILE_DIALOG, FALSE, {FALSE, 0}},
        {notTarget, ID_FILE_DEFINITION_FILE_DIALOG, FALSE, {FALSE, 0}},
        {plain, ID_OBJ_CREATE_TABLE, TRUE, {TRUE, 0}},
        {merged, ID_OBJ_CREATE_TABLE, FALSE, {FALSE, 0}},
        {dedicated, ID_OBJ_CREATE_TABLE, FALSE, {FALSE, 0}},
        {plain, ID_OBJ_FILE_DIALOG, FALSE, {TRUE, 1}},      // the last object command
        {plain, ID_OBJ_DATA_ITEM_DIALOG, FALSE, {TRUE, 0}},
        {plain, ID_OBJ_FILE_DIALOG, TRUE, {FALSE, 1}},
        {plain, ID_OBJ_DATA_ITEM_DIALOG, TRUE, {FALSE, 0}},
        {plain, ID_OBJ_CREATE_CLONE, FALSE, {TRUE, 0}},
        {plain, ID_OBJ_CREATE_CLONE, TRUE, {FALSE, 0}},
        {plain, ID_SET_DEFAULT_ATTRIBUTES, TRUE, {FALSE, 0}}, // the box's rule
        // clang-format on
    };
    for (const auto& c : cases) {
        const State state = Update(model.FileAt(c.file), model.doc, c.id, c.several);
        EXPECT_EQ(state.enabled, c.expected.enabled) << model.FileAt(c.file).GetFileName() << " " << c.id;
        EXPECT_EQ(state.check, c.expected.check) << model.FileAt(c.file).GetFileName() << " " << c.id;
    }

    // Enter repeats whichever dialog was used last.
    CFileComp& file = model.FileAt(plain);
    EXPECT_EQ(file.GetKeyCommand(13, 1, 0), UINT(ID_OBJ_FILE_DIALOG));
    app.last = ID_OBJ_DATA_ITEM_DIALOG;
    EXPECT_EQ(file.GetKeyCommand(13, 1, 0), UINT(ID_OBJ_DATA_ITEM_DIALOG));
    EXPECT_EQ(Update(file, model.doc, ID_OBJ_DATA_ITEM_DIALOG, FALSE).check, 1);
    EXPECT_EQ(file.GetKeyCommand(32, 1, 0), 0u);
}

// The file's menu in its order, the dialog entries grey with several files selected; a right
// click on the label shows the label's menu; a file hidden in define mode shows none.
TEST(FileCompCommands, MenusInOrder)
{
    RelationModel model;
    CFileComp& file = model.FileAt(model.File("File"));
    std::vector<UINT> ids;
    std::vector<UINT> states;
    int shown = 0;
    const CMenu::PopupHook previous = CMenu::SetPopupHook([&](CMenu& menu) -> UINT {
        ++shown;
        ids.clear();
        states.clear();
        for (int i = 0; i < menu.GetMenuItemCount(); ++i) {
            ids.push_back(menu.GetMenuItemID(i));
            states.push_back(menu.GetMenuState(UINT(i), MF_BYPOSITION));
        }
        return 0;
    });
    const UINT popup = UINT(-1);
    file.ObjectContextMenu(CPoint(0, 0), nullptr, CFileComp::HIT_FILE_PART | CFileComp::PART_KEY, TRUE, TRUE);
    EXPECT_EQ(ids, (std::vector<UINT>{22009, 22030, 0, popup, 21353, 21367, 0, 21361, 21362, 21365, 21363, 22047, 0,
                                      21250, 21251, 0, popup, popup}));
    ASSERT_EQ(states.size(), ids.size());
    EXPECT_TRUE(states[0] & MF_GRAYED);
    EXPECT_TRUE(states[1] & MF_GRAYED);

    const DWORD labelHit = CFileComp::PART_NUM_IO_LABEL | 0x4;
    file.ObjectContextMenu(CPoint(0, 0), nullptr, labelHit, TRUE, FALSE);
    EXPECT_EQ(ids, (std::vector<UINT>{21353, 21367}));
    EXPECT_EQ(file.GetEditedPart(), labelHit);

    file.SetHideDefine(TRUE);
    file.ObjectContextMenu(CPoint(0, 0), nullptr, 0, FALSE, FALSE);
    EXPECT_EQ(shown, 2);
    CMenu::SetPopupHook(previous);
}

// The attribute commands: each switch sets the value the view hands over, refused where the
// file's settings forbid it; the copy commands take the values of the file passed along.
TEST(FileCompCommands, AttributeCommandsTakeTheGivenValue)
{
    RelationModel model;
    CFileComp& file = model.FileAt(model.File("File"));
    CFileComp& source = model.FileAt(model.File("Source"));
    CFileComp& dedicated = model.FileAt(model.File("Dedicated"));
    dedicated.SetPhyControlDedicated(TRUE);
    CObject* const on = SwitchArgument(TRUE);

    EXPECT_TRUE(file.ApplyAttributeCommand(ID_FILE_TYPE_MARK_BASE + 7, nullptr, 0));
    EXPECT_EQ(file.GetBoxStyle(), 7);
    EXPECT_FALSE(file.ApplyAttributeCommand(ID_FILE_TYPE_MARK_BASE + 7, nullptr, 0));

    EXPECT_TRUE(file.ApplyAttributeCommand(ID_FILE_SHOW_NUM_IO, on, 0));
    CRect label;
    file.GetNumIOSourceLabel().GetVisibleRect(label, TRUE);
    EXPECT_EQ(label, CRect(0, -180, 240, -240)) << "placed under the box";
    EXPECT_FALSE(file.ApplyAttributeCommand(ID_FILE_SHOW_NUM_IO, on, 0)) << "already shown";
    EXPECT_TRUE(file.ApplyAttributeCommand(ID_FILE_NUM_IO_FILL, nullptr, 0));
    EXPECT_FALSE(file.GetNumIOSourceFill());

    EXPECT_TRUE(file.ApplyAttributeCommand(ID_FILE_PHYSICAL_TARGET, nullptr, 0));
    EXPECT_FALSE(file.IsPhysicalTarget());
    EXPECT_FALSE(dedicated.ApplyAttributeCommand(ID_FILE_PHYSICAL_TARGET, nullptr, 0));
    EXPECT_TRUE(dedicated.IsPhysicalTarget());
    EXPECT_FALSE(dedicated.ApplyAttributeCommand(ID_FILE_MERGE_INTO_PARENT, on, 0));
    // Without a parent the document refuses the merge before the file sees it.
    EXPECT_FALSE(model.doc.ApplyObjectCommand(&source, ID_FILE_MERGE_INTO_PARENT, on, 0));
    EXPECT_FALSE(source.GetMergedIntoParent());

    source.SetFontColor(0x0000FF);
    source.SetTableSpace("TS_DATA");
    source.SetIndexSpace("TS_INDEX");
    source.SetPhyControlFile(dedicated.GetObjectId(), "Dedicated");
    EXPECT_TRUE(file.ApplyAttributeCommand(ID_TEXT_COLOR_BASE + COLOR_MENU_FROM_OBJECT, &source, 0));
    EXPECT_EQ(file.GetFontColor(), COLORREF(0x0000FF));
    EXPECT_EQ(file.GetNumIOSourceLabel().GetTextColor(), COLORREF(0x0000FF)) << "the label's text too";
    EXPECT_TRUE(file.ApplyAttributeCommand(ID_FILE_TABLESPACE_COPY, &source, 0));
    EXPECT_EQ(file.GetTableSpace(), CString("TS_DATA"));
    EXPECT_EQ(file.GetIndexSpace(), CString("TS_INDEX"));
    EXPECT_FALSE(file.ApplyAttributeCommand(ID_FILE_DEFINITION_FILE_COPY, &source, 0)) << "not a physical target";
    file.SetPhysicalTarget(TRUE);
    EXPECT_TRUE(file.ApplyAttributeCommand(ID_FILE_DEFINITION_FILE_COPY, &source, 0));
    EXPECT_EQ(file.GetPhyControlFileId(), dedicated.GetObjectId());
    EXPECT_FALSE(dedicated.ApplyAttributeCommand(ID_FILE_TABLESPACE_COPY, &source, 0));
    // The definition file itself never links to itself.
    dedicated.SetPhyControlDedicated(FALSE);
    EXPECT_FALSE(dedicated.ApplyAttributeCommand(ID_FILE_DEFINITION_FILE_COPY, &source, 0));
    EXPECT_EQ(dedicated.GetPhyControlFileId(), 0);
}

// Which parts are edited in place under which display, and which dialog a double click opens
// where they are not.
TEST(FileCompCommands, EditablePartsAndTheirDialogs)
{
    using namespace DisplayOption;
    RelationModel model;
    CFileComp& file = model.FileAt(model.File("File", CPoint(100, -100)));
    constexpr DWORD normal = kConceptualNames;
    const struct
    {
        DWORD part;
        DWORD display;
        BOOL editable;
        UINT command;
    } cases[] = {
        // clang-format off
        {CFileComp::PART_NUMBER, kTableNames, TRUE, 0},
        {CFileComp::PART_NAME, normal, TRUE, ID_OBJ_FILE_DIALOG},
        {CFileComp::PART_NAME, kTableNames, FALSE, ID_OBJ_FILE_DIALOG},
        {CFileComp::PART_KEY, normal, TRUE, ID_OBJ_DATA_ITEM_DIALOG},
        {CFileComp::PART_KEY, normal | kShowUpdateRight | kIdefNotation, TRUE, ID_OBJ_DATA_ITEM_DIALOG},
        {CFileComp::PART_KEY, normal | kDataTypes, FALSE, ID_OBJ_DATA_ITEM_DIALOG},
        {CFileComp::PART_DATA, kTableNames, FALSE, ID_OBJ_DATA_ITEM_DIALOG},
        {CFileComp::PART_DATA, normal | kForeignKeys, TRUE, ID_OBJ_DATA_ITEM_DIALOG},
        {CFileComp::PART_EXAMPLE, kTableNames, TRUE, 0},
        {CFileComp::PART_NUM_IO_LABEL, kTableNames, TRUE, 0},
        // clang-format on
    };
    for (const auto& c : cases) {
        const DWORD hit = CFileComp::HIT_FILE_PART | c.part;
        EXPECT_EQ(file.CanEditText(&model.doc, hit, c.display), c.editable) << c.part << " " << c.display;
        EXPECT_EQ(file.GetEditCommand(&model.doc, hit, c.display), c.command) << c.part;
    }

    PixelDC dc;
    CFloatEdit* editor = nullptr;
    file.SetFileNumber("F1");
    const DWORD numberHit = CFileComp::HIT_FILE_PART | CFileComp::PART_NUMBER;
    EXPECT_FALSE(file.BeginEdit(&dc, 40, editor, nullptr, 1032, numberHit, model.doc.GetDrawingFont(), 0));
    EXPECT_EQ(editor, nullptr);
    EXPECT_FALSE(file.BeginEdit(&dc, 100, editor, nullptr, 1032, CFileComp::PART_NUMBER, model.doc.GetDrawingFont(), 0))
        << "no part hit";
    ASSERT_TRUE(file.BeginEdit(&dc, 100, editor, nullptr, 1032, numberHit, model.doc.GetDrawingFont(), 0));
    EXPECT_EQ(editor->GetText(), CString("F1"));
    auto* widget = qobject_cast<QPlainTextEdit*>(editor->GetSafeHwnd());
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->lineWrapMode(), QPlainTextEdit::NoWrap) << "the number stays on one line";
    EXPECT_EQ(widget->geometry(), QRect(100, 100, 81, 55)) << "the cell, one wider and 3 x 5 units deeper";
    EXPECT_EQ(file.GetEditedPart(), numberHit);
    delete editor;
}

// A key text typed in place over two lines: stored on one line with edit flag 2, the items
// rebuilt from it and another file's reference renumbered, all undone in one step.
TEST(FileCompCommands, KeyTextEditedInPlaceRenumbersOtherFilesInOneUndoStep)
{
    RelationModel model;
    const WORD orderId = model.File("Order");
    const WORD lineId = model.File("Line", CPoint(400, 0));
    CFileComp& order = model.FileAt(orderId);
    CFileComp& line = model.FileAt(lineId);
    ParseTexts(model.doc, order, u8"ID", u8"Name、Qty");
    ParseTexts(model.doc, line, u8"LineNo", u8"OrderQty");
    CData& reference = *line.FindDataByNumber(2);
    reference.SetRefFile(orderId);
    reference.SetRefItem(3);
    reference.SetRefItemName("Qty");
    model.doc.SetEditFlgsRaw(2);
    model.doc.SetModified(FALSE);
    const std::vector<std::string> before = Snapshot(model.doc);

    PixelDC dc;
    CFloatEdit* editor = nullptr;
    const DWORD keyHit = CFileComp::HIT_FILE_PART | CFileComp::PART_KEY;
    ASSERT_TRUE(model.doc.CanEditObjectText(&order, keyHit, DisplayOption::kConceptualNames));
    ASSERT_TRUE(order.BeginEdit(&dc, 100, editor, nullptr, 1032, keyHit, model.doc.GetDrawingFont(), 2));
    auto* widget = qobject_cast<QPlainTextEdit*>(editor->GetSafeHwnd());
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->geometry(), QRect(0, 39, 240, 56)) << "the key band, one higher and 3 x 5 units deeper";
    editor->SetSelBytes(0, 2);
    editor->ReplaceSel(CString(u8"Code、\r\nID"), TRUE);
    ASSERT_TRUE(model.doc.CommitObjectTextEdit(&order, editor));
    EXPECT_EQ(editor, nullptr);

    EXPECT_EQ(order.GetKeyText().Find("\r\n"), -1) << "stored on one line";
    ASSERT_EQ(order.GetDataCount(), 4);
    EXPECT_EQ(order.FindDataByNumber(4)->GetName(), CString("Qty"));
    EXPECT_EQ(line.FindDataByNumber(2)->GetRefItem(), 4) << "the other file follows Qty";
    EXPECT_TRUE(model.doc.IsModified());

    model.doc.Undo();
    EXPECT_TRUE(Snapshot(model.doc) == before) << "one step holds both files";
}

// Replacing through the whole document renames a file, its clones show the new name, and one
// undo takes it all back.
TEST(FileCompCommands, ReplaceAllRenamesAFileAndItsClonesInOneStep)
{
    RelationModel model;
    const WORD orderId = model.File("Order");
    const WORD clones[] = {model.Clone(orderId, "Order"), model.Clone(orderId, "Order")};
    const WORD other = model.File("Customer");
    model.doc.SetModified(FALSE);
    const std::vector<std::string> before = Snapshot(model.doc);

    // Case ignored: the view hands the find text over upper-cased.
    EXPECT_TRUE(model.FileAt(orderId).FindObjectText("ORD", FALSE));
    EXPECT_FALSE(model.FileAt(orderId).FindObjectText("ORD", TRUE));
    ASSERT_TRUE(model.doc.ReplaceAll("ORDER", "Sale", FALSE));
    EXPECT_EQ(model.FileAt(orderId).GetFileName(), CString("Sale"));
    for (WORD clone : clones)
        EXPECT_EQ(model.Get<CFileClone>(clone).GetText(), CString("Sale"));
    EXPECT_EQ(model.FileAt(other).GetFileName(), CString("Customer"));

    model.doc.Undo();
    EXPECT_TRUE(Snapshot(model.doc) == before);
}

// The class defaults: the file's keys and its size saved and read back; a file taking another's
// attributes shows its label placed under the box in the file's text colour.
TEST(FileCompCommands, ClassDefaultsAndCopiedAttributes)
{
    RelationModel model;
    constexpr const char* kSection = "FileComp Properties";
    Profile::WriteProfileString(kSection, nullptr, nullptr);
    CFileComp prototype;
    prototype.SetBoxStyle(5);
    prototype.SetFontColor(0x00FF00);
    prototype.SetShowNumIOSource(TRUE);
    prototype.SetNumIOSourceFill(FALSE);
    prototype.ResizeByHandle(CSize(60, -40), HIT_HANDLE | HIT_SIDE_RIGHT | HIT_SIDE_BOTTOM);
    CRegItemObj saver;
    prototype.SaveDefaultAttributes(saver);
    EXPECT_EQ(Profile::GetProfileInt(kSection, "SizeFileCx", 0), 300);
    EXPECT_EQ(Profile::GetProfileInt(kSection, "SizeFileCy", 0), -200);
    EXPECT_EQ(Profile::GetProfileInt(kSection, "NumIOSourceFill", -1), 0);

    CFileComp nextRun;
    CRegItemObj loader;
    nextRun.LoadDefaultAttributes(loader);
    EXPECT_EQ(nextRun.GetSize(), CSize(300, -200));
    EXPECT_EQ(nextRun.GetBoxStyle(), 5);
    EXPECT_EQ(nextRun.GetFontColor(), COLORREF(0x00FF00));
    EXPECT_TRUE(nextRun.GetShowNumIOSource());
    EXPECT_FALSE(nextRun.GetNumIOSourceFill());
    Profile::WriteProfileString(kSection, nullptr, nullptr);

    CFileComp& file = model.FileAt(model.File("File", CPoint(1000, -1000)));
    file.CopyAttributes(nextRun);
    EXPECT_EQ(file.GetBoxStyle(), 5);
    EXPECT_TRUE(file.GetShowNumIOSource());
    CRect label;
    file.GetNumIOSourceLabel().GetVisibleRect(label, TRUE);
    EXPECT_EQ(label, CRect(1000, -1180, 1240, -1240));
    EXPECT_EQ(file.GetNumIOSourceLabel().GetTextColor(), COLORREF(0x00FF00));
    EXPECT_FALSE(file.GetNumIOSourceFill());
}

} // namespace FileCompCommandsTest
