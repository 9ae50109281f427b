// A conceptual file's items replaced through the document: after an in-place edit of its texts,
// after the data items dialog and after find and replace; what points at the items follows in the
// same undo step, and a failure half-way changes nothing.
#include "tests/model/ArchiveBytes.h"
#include "tests/model/RelationModel.h"
#include "tests/support/MessageScript.h"

#include "document/UndoStep.h"
#include "foundation/CommandIds.h"
#include "model/DocumentNotation.h"
#include "model/FileCompItemLists.h"
#include "model/NotationSymbols.h"
#include "objects/FloatEdit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace FileCompItemListsTest {

using namespace FileCompItemLists;

// The stored bytes of every object of the document, in drawing order.
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

std::vector<std::string> ItemNames(const CFileComp& file)
{
    std::vector<std::string> names;
    const CDataList& items = file.GetDataList();
    for (POSITION pos = items.GetHeadPosition(); pos;)
        names.push_back(Utf8(items.GetNext(pos)->GetName()));
    return names;
}

void SetReference(CData& item, WORD file, WORD number, const char* name)
{
    item.SetRefFile(file);
    item.SetRefItem(number);
    item.SetRefItemName(name);
}

// Order (ID; Name, Qty, Price) whose items Line and Invoice refer to, and a subtype arrow from
// Order whose discriminator is Order's Price.
class OrderModel : public RelationModel
{
public:
    OrderModel()
    {
        order = File("Order");
        line = File("Line");
        invoice = File("Invoice");
        sub = File("Sub");
        arrow = Arrow(CRelLineObj::KIND_SUBTYPE, order, sub);
        Fill(order, u8"ID", u8"Name、Qty、Price");
        Fill(line, u8"LineNo", u8"OrderName、OrderQty");
        Fill(invoice, u8"InvoiceNo", u8"Amount");
        FileAt(order).FindDataByNumber(2)->SetSummary("kept with Name");
        SetReference(*FileAt(line).FindDataByNumber(2), order, 2, "Name");
        SetReference(*FileAt(line).FindDataByNumber(3), order, 3, "Qty");
        SetReference(*FileAt(invoice).FindDataByNumber(2), order, 4, "Price");
        ArrowAt(arrow).SetDiscriminator(CRelLineObj::DISCRIMINATOR_IN_DOCUMENT, order, 4);
        ArrowAt(arrow).GetItemNameLabel().SetText("Price");
        doc.SetModified(FALSE);
    }
    CFileComp& Order() const { return FileAt(order); }
    const CData& LineItem(WORD number) const { return *FileAt(line).FindDataByNumber(number); }

    WORD order, line, invoice, sub, arrow;

private:
    void Fill(WORD id, const char8_t* keyText, const char8_t* dataText)
    {
        CFileComp& file = FileAt(id);
        file.SetKeyText(CString(keyText));
        file.SetDataText(CString(dataText));
        file.ParseItemTexts(&doc, file.GetDataList());
        // The texts as the notation writes them, so that rewriting them changes nothing.
        CNotationSymbols symbols;
        CollectNotationSymbols(doc, &file, symbols);
        file.RebuildItemTexts(symbols, 0);
    }
};

// A data items dialog that answers with its own edit of the working copy.
class ScriptedDialog : public DataItemsDialog
{
public:
    ScriptedDialog() : m_previous(SetDataItemsDialog(this)) {}
    ~ScriptedDialog() override { SetDataItemsDialog(m_previous); }
    ScriptedDialog(const ScriptedDialog&) = delete;
    ScriptedDialog& operator=(const ScriptedDialog&) = delete;

    BOOL Run(CBaseDoc&, const CFileComp& file, CDataList& working) override
    {
        ++runs;
        working.CopyDataFrom(file.GetDataList());
        if (moveFrom >= 0)
            working.MoveDataItemPosByIndex(moveFrom, moveTo);
        return ok;
    }

    int runs = 0;
    BOOL ok = TRUE;
    int moveFrom = -1, moveTo = -1;

private:
    DataItemsDialog* m_previous;
};

// Fails the copy with the given index of each replacement.
class FailingCopy
{
public:
    explicit FailingCopy(int index) : m_previous(SetCopyFailureProbe([index](int copy) { return copy == index; })) {}
    ~FailingCopy() { SetCopyFailureProbe(m_previous); }
    FailingCopy(const FailingCopy&) = delete;
    FailingCopy& operator=(const FailingCopy&) = delete;

private:
    CopyFailureProbe m_previous;
};

TEST(FileCompItemLists, InPlaceDataTextCommitRebuildsItemsAndRenumbersInOneUndoStep)
{
    OrderModel model;
    const std::vector<std::string> before = Snapshot(model.doc);
    CFileComp& order = model.Order();
    order.SetEditedPart(CFileComp::PART_DATA | CFileComp::HIT_FILE_PART);
    CFloatEdit* editor =
        new CFloatEdit(CFloatEdit::ALIGN_LEFT, CRect(0, 0, 300, 100), nullptr, 1032, TRUE, TRUE); // the view's
    editor->SetText(order.GetDataText());
    editor->SetSelBytes(0, order.GetDataText().GetLength());
    editor->ReplaceSel(CString(u8"Price、Name"), TRUE); // Qty goes, Price moves up
    ASSERT_TRUE(model.doc.CommitObjectTextEdit(&order, editor));
    EXPECT_EQ(editor, nullptr);

    EXPECT_EQ(ItemNames(order), (std::vector<std::string>{"ID", "Price", "Name"}));
    EXPECT_EQ(order.FindDataByNumber(3)->GetSummary(), CString("kept with Name")) << "the old item's definition";
    EXPECT_EQ(model.LineItem(2).GetRefItem(), 3);
    EXPECT_EQ(model.LineItem(3).GetRefFile(), 0) << "Qty is gone";
    EXPECT_EQ(model.FileAt(model.invoice).FindDataByNumber(2)->GetRefItem(), 2);
    EXPECT_EQ(model.ArrowAt(model.arrow).GetDiscriminatorItem(), 2);
    EXPECT_EQ(model.ArrowAt(model.arrow).GetItemNameLabel().GetText(), CString("Price"));
    EXPECT_TRUE(model.doc.IsModified());

    model.doc.Undo();
    EXPECT_TRUE(Snapshot(model.doc) == before) << "one step holds the text, the items and every reference";
}

// When the edited texts cannot become items, the commit changes nothing: the texts stay as they were.
TEST(FileCompItemLists, AFailedRebuildTakesTheEditedTextBack)
{
    OrderModel model;
    const std::vector<std::string> before = Snapshot(model.doc);
    CFileComp& order = model.Order();
    order.SetEditedPart(CFileComp::PART_DATA | CFileComp::HIT_FILE_PART);
    CFloatEdit* editor = new CFloatEdit(CFloatEdit::ALIGN_LEFT, CRect(0, 0, 300, 100), nullptr, 1032, TRUE, TRUE);
    editor->SetText(order.GetDataText());
    editor->SetSelBytes(0, order.GetDataText().GetLength());
    editor->ReplaceSel(CString(u8"Price、Name"), TRUE);
    MessageScript script;
    FailingCopy failure(2); // the first referring file's copy
    EXPECT_FALSE(model.doc.CommitObjectTextEdit(&order, editor));
    EXPECT_EQ(editor, nullptr);
    EXPECT_TRUE(Snapshot(model.doc) == before);
    EXPECT_FALSE(model.doc.IsModified());
    EXPECT_EQ(script.Messages().size(), 1u);
}

TEST(FileCompItemLists, NameEditedInPlaceReachesTheClones)
{
    OrderModel model;
    const WORD clone = model.Clone(model.order, "Order");
    CFileComp& order = model.Order();
    order.SetEditedPart(CFileComp::PART_NAME | CFileComp::HIT_FILE_PART);
    CFloatEdit* editor = new CFloatEdit(CFloatEdit::ALIGN_LEFT, CRect(0, 0, 300, 100), nullptr, 1032, TRUE, TRUE);
    editor->SetText(order.GetFileName());
    editor->SetSelBytes(0, 5);
    editor->ReplaceSel(CString("Sale"), TRUE);
    ASSERT_TRUE(model.doc.CommitObjectTextEdit(&order, editor));
    EXPECT_EQ(order.GetFileName(), CString("Sale"));
    EXPECT_EQ(model.Get<CFileClone>(clone).GetText(), CString("Sale"));
}

// Every copy a replacement prepares is failed in turn: each failure leaves every object byte for
// byte as it was and the document unmodified; the run without a failure does change them.
TEST(FileCompItemLists, AFailureAnywhereInAReplacementChangesNothing)
{
    struct Case
    {
        const char* name;
        const char* caller;
        std::function<void(OrderModel&)> setUp;
        std::function<BOOL(OrderModel&)> run;
    };
    const Case cases[] = {
        {"the data items dialog's list", "(CBaseDoc::ReplaceFileCompDataList)", [](OrderModel&) {},
         [](OrderModel& model) {
             CDataList edited; // Qty and Price swap, ID goes
             edited.CopyDataFrom(model.Order().GetDataList());
             edited.MoveDataItemPosByIndex(3, 2);
             delete edited.RemoveHead();
             return ReplaceFileCompDataList(model.doc, model.Order(), edited, TRUE, TRUE);
         }},
        {"the edited texts", "(CBaseDoc::RebuildFileCompDataListFromText)",
         [](OrderModel& model) { model.Order().SetDataText(CString(u8"Price、Name")); },
         [](OrderModel& model) { return RebuildFileCompDataListFromText(model.doc, model.Order()); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (int failing = 0;; ++failing) {
            SCOPED_TRACE(failing);
            OrderModel model;
            c.setUp(model);
            const std::vector<std::string> before = Snapshot(model.doc);
            MessageScript script;
            BOOL done;
            {
                FailingCopy failure(failing);
                done = c.run(model);
            }
            if (done) {
                EXPECT_GE(failing, 5) << "the new list, the old one, two referring files and the arrow";
                EXPECT_TRUE(Snapshot(model.doc) != before);
                EXPECT_TRUE(model.doc.IsModified());
                EXPECT_TRUE(script.Messages().empty());
                break;
            }
            EXPECT_TRUE(Snapshot(model.doc) == before);
            EXPECT_FALSE(model.doc.IsModified());
            ASSERT_EQ(script.Messages().size(), 1u);
            EXPECT_NE(Utf8(script.Messages()[0].text).find(c.caller), std::string::npos);
            ASSERT_LT(failing, 20);
        }
    }
}

// The files that take a replaced file as their physical additional definition file show its items,
// so they are redrawn; those the replacement changed itself were redrawn then and are passed over.
TEST(FileCompItemLists, AReplacementRedrawsTheFilesUsingItAsDefinitionFile)
{
    struct RedrawView : SelectionView
    {
        void OnUpdate(CView*, LPARAM, CObject* object) override
        {
            if (const auto* file = DYNAMIC_DOWNCAST(CFileComp, object))
                redrawn.push_back(file->GetObjectId());
        }
        std::vector<WORD> redrawn;
    } view;
    OrderModel model;
    model.doc.AddView(&view);
    // Invoice refers to Order's items, so the replacement records and redraws it itself.
    for (const WORD user : {model.sub, model.invoice})
        model.FileAt(user).SetPhyControlFile(model.order, CString("Order"));

    CDataList edited; // Price goes: Invoice's reference to it is cleared
    edited.CopyDataFrom(model.Order().GetDataList());
    delete edited.RemoveTail();
    ASSERT_TRUE(ReplaceFileCompDataList(model.doc, model.Order(), edited, TRUE, TRUE));
    EXPECT_EQ(std::count(view.redrawn.begin(), view.redrawn.end(), model.sub), 1);
    EXPECT_EQ(std::count(view.redrawn.begin(), view.redrawn.end(), model.invoice), 1);
    EXPECT_EQ(std::count(view.redrawn.begin(), view.redrawn.end(), model.line), 0);
    model.doc.RemoveView(&view);
}

TEST(FileCompItemLists, DataItemsDialogAppliesOnlyWhatChanged)
{
    const struct
    {
        const char* name;
        BOOL ok;
        int moveFrom, moveTo;
        BOOL readOnly;
        BOOL result;
    } cases[] = {
        {"OK after moving Qty to the end", TRUE, 2, 4, FALSE, TRUE},
        {"cancelled", FALSE, 2, 4, FALSE, FALSE},
        {"OK without a change", TRUE, -1, -1, FALSE, FALSE},
        {"read-only: shown, never applied", TRUE, 2, 4, TRUE, FALSE},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        OrderModel model;
        model.doc.SetReadOnly(c.readOnly);
        ScriptedDialog dialog;
        dialog.ok = c.ok;
        dialog.moveFrom = c.moveFrom;
        dialog.moveTo = c.moveTo;
        const std::vector<std::string> before = Snapshot(model.doc);
        {
            CUndoStep step(&model.doc);
            EXPECT_EQ(model.doc.ExecuteObjectOperation(&model.Order(), ID_OBJ_DATA_ITEM_DIALOG, 0, 0), c.result);
        }
        EXPECT_EQ(dialog.runs, 1);
        EXPECT_EQ(model.doc.IsModified(), c.result);
        if (!c.result) {
            EXPECT_TRUE(Snapshot(model.doc) == before);
            continue;
        }
        EXPECT_EQ(ItemNames(model.Order()), (std::vector<std::string>{"ID", "Name", "Price", "Qty"}));
        const CString& dataText = model.Order().GetDataText();
        EXPECT_LT(dataText.Find("Price"), dataText.Find("Qty")) << "texts rebuilt";
        EXPECT_EQ(model.LineItem(3).GetRefItem(), 4);
        EXPECT_EQ(model.FileAt(model.invoice).FindDataByNumber(2)->GetRefItem(), 3);
        EXPECT_EQ(model.ArrowAt(model.arrow).GetDiscriminatorItem(), 3);
        model.doc.Undo();
        EXPECT_TRUE(Snapshot(model.doc) == before);
    }
}

// Replacing in a file's name and item names: its clones show the new name, references to the
// renamed item take the new name, the arrow's label too, all undone at once.
TEST(FileCompItemLists, FindAndReplaceCarriesAFileNameToItsClonesInOneStep)
{
    OrderModel model;
    const WORD clones[] = {model.Clone(model.order, "Order"), model.Clone(model.order, "Order")};
    const WORD other = model.Clone(model.line, "Line");
    CFileComp& order = model.Order();
    const std::vector<std::string> before = Snapshot(model.doc);
    {
        CUndoStep step(&model.doc);
        // Case ignored: the view passes the find text upper-cased.
        ASSERT_TRUE(model.doc.ReplaceInObject(&order, "PRICE", "Cost", FALSE));
        ASSERT_TRUE(model.doc.ReplaceInObject(&order, "Order", "Sale", TRUE));
    }
    EXPECT_EQ(order.GetFileName(), CString("Sale"));
    for (WORD clone : clones)
        EXPECT_EQ(model.Get<CFileClone>(clone).GetText(), CString("Sale"));
    EXPECT_EQ(model.Get<CFileClone>(other).GetText(), CString("Line"));
    EXPECT_EQ(ItemNames(order), (std::vector<std::string>{"ID", "Name", "Qty", "Cost"}));
    EXPECT_GE(order.GetDataText().Find("Cost"), 0);
    EXPECT_EQ(model.FileAt(model.invoice).FindDataByNumber(2)->GetRefItemName(), CString("Cost"));
    EXPECT_EQ(model.ArrowAt(model.arrow).GetItemNameLabel().GetText(), CString("Cost"));
    EXPECT_TRUE(model.doc.IsModified());

    model.doc.Undo();
    EXPECT_TRUE(Snapshot(model.doc) == before);
}

// The discriminator of an arrow follows the items of its file, once per pass.
TEST(FileCompItemLists, DiscriminatorFollowsItsItem)
{
    CDataList marked; // old items 1 to 3 marked against a new list
    for (WORD number = 1; number <= 3; ++number)
        marked.AddDataDirect(new CData(number, "x", "", "N", "N", "", 0, 0, 0, 1, 0));
    marked.GetDataAt(0)->SetMarks(CData::MARK_FOUND);
    marked.GetDataAt(1)->SetMarks(CData::MARK_RENUMBERED);
    marked.GetDataAt(1)->SetScratchNumber(1);
    marked.GetDataAt(2)->SetMarks(CData::MARK_DELETED);
    CDataList renumbered; // the dialog's new list: old item 2 now first and renamed, old 1 second
    renumbered.AddDataDirect(new CData(2, "Two", "", "N", "N", "", 0, 0, 0, 1, 0));
    renumbered.AddDataDirect(new CData(1, "One", "", "N", "N", "", 0, 0, 0, 1, 0));
    renumbered.AssignScratchNumbers();

    const struct
    {
        const char* name;
        WORD file, item;
        DWORD passMarks;
        BOOL afterEdit; // UpdateDiscriminatorAfterItemEdit, else RenumberDiscriminator
        BOOL changed;
        WORD itemAfter;
        const char* labelAfter;
    } cases[] = {
        {"edit: found unchanged", 10, 1, 0, TRUE, FALSE, 1, "label"},
        {"edit: renumbered", 10, 2, 0, TRUE, TRUE, 1, "label"},
        {"edit: deleted", 10, 3, 0, TRUE, TRUE, 0, ""},
        {"edit: not in the list", 10, 7, 0, TRUE, FALSE, 7, "label"},
        {"edit: another file", 11, 2, 0, TRUE, FALSE, 2, "label"},
        {"edit: adjusted already in this pass", 10, 2, CRelLineObj::PASS_DISCRIMINATOR_RENUMBERED, TRUE, FALSE, 2,
         "label"},
        {"dialog: moved and renamed", 10, 2, 0, FALSE, TRUE, 1, "Two"},
        {"dialog: gone", 10, 3, 0, FALSE, TRUE, 0, ""},
        {"dialog: no item set", 10, 0, 0, FALSE, FALSE, 0, "label"},
        {"dialog: adjusted already in this pass", 10, 1, CRelLineObj::PASS_DISCRIMINATOR_RENUMBERED, FALSE, FALSE, 1,
         "label"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CRelLineObj arrow(1, CRelLineObj::KIND_SUBTYPE);
        arrow.SetDiscriminator(CRelLineObj::DISCRIMINATOR_IN_DOCUMENT, c.file, c.item);
        arrow.GetItemNameLabel().SetText("label");
        arrow.SetPassMarks(c.passMarks);
        const BOOL changed = c.afterEdit ? arrow.UpdateDiscriminatorAfterItemEdit(10, marked)
                                         : arrow.RenumberDiscriminator(10, marked, renumbered, FALSE);
        EXPECT_EQ(changed, c.changed);
        EXPECT_EQ(arrow.GetDiscriminatorItem(), c.itemAfter);
        EXPECT_EQ(arrow.GetItemNameLabel().GetText(), CString(c.labelAfter));
        EXPECT_EQ((arrow.GetPassMarks() & CRelLineObj::PASS_DISCRIMINATOR_RENUMBERED) != 0,
                  c.changed || c.passMarks != 0);
    }

    // At the start of a pass an old mark does not stop the arrow, and none is left behind.
    CRelLineObj arrow(1, CRelLineObj::KIND_SUBTYPE);
    arrow.SetDiscriminator(CRelLineObj::DISCRIMINATOR_IN_DOCUMENT, 10, 1);
    arrow.SetPassMarks(CRelLineObj::PASS_DISCRIMINATOR_RENUMBERED);
    EXPECT_TRUE(arrow.RenumberDiscriminator(10, marked, renumbered, TRUE));
    EXPECT_EQ(arrow.GetDiscriminatorItem(), 2);
    EXPECT_EQ(arrow.GetPassMarks(), 0u);
}

} // namespace FileCompItemListsTest
