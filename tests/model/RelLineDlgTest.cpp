// The settings dialogs of a relation arrow: their rules on their own, and each dialog driven
// through its modal hook from the document's operation entry, with what OK leaves in one undo step.
#include "tests/model/ModelBytes.h"
#include "tests/model/RelationModel.h"
#include "tests/support/MessageScript.h"

#include "document/UndoStep.h"
#include "foundation/CommandIds.h"
#include "model/DocumentNotation.h"
#include "model/NotationSymbols.h"
#include "model/RelLineDlg.h"
#include "model/RelLineDlgRules.h"
#include "model/SubTypeDlg.h"
#include "platform/ui/Controls.h"

#include <QComboBox>
#include <QLineEdit>

#include <functional>
#include <string>

#include <gtest/gtest.h>

namespace RelLineDlgTest {

using namespace RelLineDlgRules;

const char* const RANGE_MESSAGE = reinterpret_cast<const char*>(u8"1 から 99999 までの整数を入力してください。");

void Click(CDialog& dialog, int id)
{
    static_cast<CButton*>(dialog.GetDlgItem(id))->SetCheck(BST_CHECKED);
    dialog.SendMessage(WM_COMMAND, id);
}

void SetText(CDialog& dialog, int id, const char* text)
{
    dialog.SetDlgItemText(id, text);
}

BOOL Enabled(CDialog& dialog, int id)
{
    return dialog.GetDlgItem(id)->IsWindowEnabled();
}

BOOL ReadOnlyEdit(CDialog& dialog, int id)
{
    return qobject_cast<QLineEdit*>(dialog.GetDlgItem(id)->GetSafeHwnd())->isReadOnly();
}

// Picks the combo row whose item data is the id, as the user's choice does.
void Choose(CDialog& dialog, int id, DWORD_PTR data)
{
    auto* combo = qobject_cast<QComboBox*>(dialog.GetDlgItem(id)->GetSafeHwnd());
    for (int i = 0; i < combo->count(); ++i)
        if (static_cast<CComboBox*>(dialog.GetDlgItem(id))->GetItemData(i) == data) {
            combo->setCurrentIndex(i);
            emit combo->activated(i);
            return;
        }
    ADD_FAILURE() << "no row for " << data;
}

// Order (ID; Kind, Price) with a 1:N arrow to Line and subtype arrows to Gold and Plain; the Gold
// arrow is Gold's main arrow through a second parent, Other.
class ArrowModel : public RelationModel
{
public:
    ArrowModel()
    {
        order = File("Order");
        line = File("Line");
        gold = File("Gold");
        other = File("Other");
        Fill(order, u8"ID", u8"Kind、Price");
        oneToMany = Arrow(CRelLineObj::KIND_ONE_TO_MANY, order, line);
        otherMain = Arrow(CRelLineObj::KIND_SUBTYPE, other, gold, TRUE);
        subtype = Arrow(CRelLineObj::KIND_SUBTYPE, order, gold);
        doc.SetModifiedFlag(FALSE);
    }

    // The document's operation entry inside one undo step, as the view sends it, with the user
    // played by the hook (which is told whether the dialog opened at all).
    BOOL Run(WORD arrow, UINT command, const std::function<void(CDialog&)>& user, BOOL* opened = nullptr)
    {
        if (opened)
            *opened = FALSE;
        CDialog::SetModalHook([&](CDialog& d) {
            if (opened)
                *opened = TRUE;
            user(d);
        });
        BOOL result = FALSE;
        {
            CUndoStep step(&doc);
            result = doc.ExecuteObjectOperation(&ArrowAt(arrow), command, 0, 0);
        }
        CDialog::SetModalHook(nullptr);
        return result;
    }

    WORD order, line, gold, other, oneToMany, otherMain, subtype;

private:
    void Fill(WORD id, const char8_t* keyText, const char8_t* dataText)
    {
        CFileComp& file = FileAt(id);
        file.SetKeyText(CString(keyText));
        file.SetDataText(CString(dataText));
        file.ParseItemTexts(&doc, file.GetDataList());
        CNotationSymbols symbols;
        CollectNotationSymbols(doc, &file, symbols);
        file.RebuildItemTexts(symbols, 0);
    }
};

TEST(RelLineDlgRules, OneToManyConstantIsCheckedAndStoredOnlyWhenUsed)
{
    struct Case
    {
        WORD cardinality;
        int constant;
        BOOL acceptable;
        int stored;
    };
    const Case cases[] = {
        {4, 0, FALSE, 0}, {4, 1, TRUE, 1},   {4, 99999, TRUE, 99999}, {4, 100000, FALSE, 0},
        {1, 0, TRUE, 1},  {2, 500, TRUE, 1}, {3, -7, TRUE, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.cardinality << " / " << c.constant);
        EXPECT_EQ(IsConstantAcceptable(c.cardinality, c.constant), c.acceptable);
        EXPECT_EQ(IsConstantEditReadOnly(FALSE, c.cardinality), c.cardinality != 4);
        EXPECT_TRUE(IsConstantEditReadOnly(TRUE, c.cardinality));
        if (!c.acceptable)
            continue;
        CRelLineObj arrow(1, CRelLineObj::KIND_ONE_TO_MANY);
        const BOOL changed = ApplyOneToMany(arrow, {c.cardinality, c.constant, TRUE}, FALSE);
        EXPECT_TRUE(changed);
        EXPECT_EQ(arrow.GetCardinality(), c.cardinality);
        EXPECT_EQ(arrow.GetConstant(), c.stored);
        // The same settings again change nothing, unless the caller asked for an answer anyway.
        EXPECT_FALSE(ApplyOneToMany(arrow, {c.cardinality, c.constant, TRUE}, FALSE));
        EXPECT_TRUE(ApplyOneToMany(arrow, {c.cardinality, c.constant, TRUE}, TRUE));
    }
}

TEST(RelLineDlgRules, SubTypeChoicesAndEnables)
{
    SubTypeSettings s;
    s.file = 5;
    s.item = 2;
    s.itemName = "Kind";
    s.value = "G";
    // The same file keeps the item; another file starts without one; no file clears all but the value.
    EXPECT_FALSE(ChooseFile(s, 5));
    EXPECT_EQ(s.item, 2);
    EXPECT_TRUE(ChooseFile(s, 6));
    EXPECT_EQ(s.item, 0);
    EXPECT_TRUE(s.itemName.IsEmpty());
    ChooseItem(s, 3, "Price");
    EXPECT_EQ(s.itemName, CString("Price"));
    ChooseItem(s, 0, "(指定しない)");
    EXPECT_TRUE(s.itemName.IsEmpty());
    EXPECT_TRUE(ChooseFile(s, 0));
    EXPECT_EQ(s.file, 0);
    EXPECT_EQ(s.value, CString("G"));

    struct Case
    {
        WORD file, item;
        BOOL readOnly, reduced, mayBecomeMain;
        SubTypeEnables expected;
    };
    const Case cases[] = {
        {0, 0, FALSE, FALSE, TRUE, {TRUE, TRUE, FALSE, FALSE, TRUE}},
        {5, 0, FALSE, FALSE, FALSE, {TRUE, TRUE, TRUE, TRUE, FALSE}},
        {5, 2, TRUE, FALSE, TRUE, {FALSE, FALSE, FALSE, FALSE, FALSE}},
        {5, 2, FALSE, TRUE, TRUE, {TRUE, TRUE, TRUE, FALSE, FALSE}},
    };
    for (const Case& c : cases) {
        SubTypeSettings settings;
        settings.file = c.file;
        settings.item = c.item;
        const SubTypeEnables e = GetSubTypeEnables(settings, c.readOnly, c.reduced, c.mayBecomeMain);
        EXPECT_EQ(e.definiteButtons, c.expected.definiteButtons);
        EXPECT_EQ(e.fileCombo, c.expected.fileCombo);
        EXPECT_EQ(e.itemCombo, c.expected.itemCombo);
        EXPECT_EQ(e.valueEditable, c.expected.valueEditable);
        EXPECT_EQ(e.mainBox, c.expected.mainBox);
    }
}

TEST(RelLineDlg, OneToManyDialogShowsTheEndsAndAppliesInOneUndoStep)
{
    ArrowModel m;
    const std::string before = ObjectListBytes(m.doc);
    MessageScript messages;
    // 定数 with 0 is refused and the dialog stays; a cardinality without a constant takes no notice
    // of the edit.
    EXPECT_TRUE(m.Run(m.oneToMany, ID_OBJ_ONE_TO_MANY_DIALOG, [](CDialog& d) {
        CString title;
        d.GetWindowText(title);
        EXPECT_EQ(Utf8(title), std::string(reinterpret_cast<const char*>(u8"1:N矢線の設定")) + " [Order]-[Line]");
        EXPECT_TRUE(ReadOnlyEdit(d, CRelLineDlg::IDC_CONSTANT));
        Click(d, 1408);
        EXPECT_FALSE(ReadOnlyEdit(d, CRelLineDlg::IDC_CONSTANT));
        SetText(d, CRelLineDlg::IDC_CONSTANT, "0");
        d.SendMessage(WM_COMMAND, IDOK);
        Click(d, 1406);
        d.SendMessage(WM_COMMAND, IDOK);
    }));
    ASSERT_EQ(messages.Texts().size(), 1u);
    EXPECT_EQ(messages.Texts()[0], RANGE_MESSAGE);
    EXPECT_EQ(m.ArrowAt(m.oneToMany).GetCardinality(), CRelLineObj::CARDINALITY_ONE_OR_MORE);
    EXPECT_EQ(m.ArrowAt(m.oneToMany).GetConstant(), 1);
    EXPECT_TRUE(m.doc.IsModified());
    m.doc.Undo();
    EXPECT_EQ(ObjectListBytes(m.doc), before);

    // The constant and NULL allowed; the unchanged OK and Cancel record nothing.
    EXPECT_TRUE(m.Run(m.oneToMany, ID_OBJ_ONE_TO_MANY_DIALOG_CURRENT, [](CDialog& d) {
        Click(d, 1408);
        SetText(d, CRelLineDlg::IDC_CONSTANT, "12");
        Click(d, CRelLineDlg::IDC_NULL_ALLOWED);
        d.SendMessage(WM_COMMAND, IDOK);
    }));
    // Undo put the arrow back as a new object.
    EXPECT_EQ(m.ArrowAt(m.oneToMany).GetConstant(), 12);
    EXPECT_TRUE(m.ArrowAt(m.oneToMany).GetNullAllowed());
    const std::string after = ObjectListBytes(m.doc);
    EXPECT_FALSE(m.Run(m.oneToMany, ID_OBJ_ONE_TO_MANY_DIALOG, [](CDialog& d) { d.SendMessage(WM_COMMAND, IDOK); }));
    EXPECT_FALSE(m.Run(m.oneToMany, ID_OBJ_ONE_TO_MANY_DIALOG, [](CDialog& d) {
        Click(d, 1405);
        d.SendMessage(WM_COMMAND, IDCANCEL);
    }));
    EXPECT_EQ(ObjectListBytes(m.doc), after);
}

TEST(RelLineDlg, SubTypeDialogSetsTheDiscriminatorAndTheMainArrow)
{
    ArrowModel m;
    const std::string before = ObjectListBytes(m.doc);
    MessageScript messages;
    EXPECT_TRUE(m.Run(m.subtype, ID_OBJ_SUBTYPE_DIALOG, [&](CDialog& d) {
        // Not main yet: the box may make it main; no file, so no item to choose.
        EXPECT_TRUE(Enabled(d, CSubTypeDlg::IDC_MAIN_ARROW));
        EXPECT_FALSE(Enabled(d, CSubTypeDlg::IDC_ITEM));
        Choose(d, CSubTypeDlg::IDC_FILE, m.order);
        EXPECT_TRUE(Enabled(d, CSubTypeDlg::IDC_ITEM));
        Choose(d, CSubTypeDlg::IDC_ITEM, 2);
        SetText(d, CSubTypeDlg::IDC_VALUE, "G");
        Click(d, CSubTypeDlg::IDC_INDEFINITE);
        Click(d, CSubTypeDlg::IDC_MAIN_ARROW);
        d.SendMessage(WM_COMMAND, IDOK);
    }));
    EXPECT_TRUE(messages.Texts().empty());
    const CRelLineObj& arrow = m.ArrowAt(m.subtype);
    EXPECT_EQ(arrow.GetDiscriminatorFile(), m.order);
    EXPECT_EQ(arrow.GetDiscriminatorItem(), 2);
    EXPECT_FALSE(arrow.GetItemNameLabel().GetText().IsEmpty());
    EXPECT_EQ(arrow.GetItemValueLabel().GetText(), CString("G"));
    EXPECT_FALSE(arrow.GetDefinite());
    // The main role moved over from the other parent's arrow, in the same step.
    EXPECT_TRUE(arrow.IsMainArrow());
    EXPECT_FALSE(m.ArrowAt(m.otherMain).IsMainArrow());
    m.doc.Undo();
    EXPECT_EQ(ObjectListBytes(m.doc), before);

    // The main arrow itself cannot be unchecked; the reduced dialog leaves value and box alone.
    EXPECT_TRUE(m.Run(m.otherMain, ID_OBJ_SUBTYPE_DIALOG_CURRENT, [](CDialog& d) {
        EXPECT_FALSE(Enabled(d, CSubTypeDlg::IDC_MAIN_ARROW));
        EXPECT_FALSE(Enabled(d, CSubTypeDlg::IDC_VALUE));
        d.SendMessage(WM_COMMAND, IDOK);
    }));
    EXPECT_TRUE(m.ArrowAt(m.otherMain).IsMainArrow());
}

TEST(RelLineDlg, SubTypeDialogOnMissingFilesAndReadOnlyDocuments)
{
    {
        // A discriminator file that is gone opens as no file with empty texts.
        ArrowModel m;
        CRelLineObj& arrow = m.ArrowAt(m.subtype);
        arrow.SetDiscriminator(CRelLineObj::DISCRIMINATOR_IN_DOCUMENT, 999, 2);
        arrow.GetItemNameLabel().SetText("Gone");
        EXPECT_TRUE(m.Run(m.subtype, ID_OBJ_SUBTYPE_DIALOG, [](CDialog& d) {
            EXPECT_EQ(static_cast<CComboBox*>(d.GetDlgItem(CSubTypeDlg::IDC_FILE))->GetCurSel(), -1);
            EXPECT_FALSE(Enabled(d, CSubTypeDlg::IDC_ITEM));
            d.SendMessage(WM_COMMAND, IDOK);
        }));
        EXPECT_EQ(arrow.GetDiscriminatorFile(), 0);
        EXPECT_TRUE(arrow.GetItemNameLabel().GetText().IsEmpty());
    }
    {
        // Without its end files the full dialog does not open.
        ArrowModel m;
        m.ArrowAt(m.subtype).SetEndObjectId(999);
        BOOL opened = TRUE;
        EXPECT_FALSE(m.Run(
            m.subtype, ID_OBJ_SUBTYPE_DIALOG, [](CDialog&) {}, &opened));
        EXPECT_FALSE(opened);
    }
    {
        // A read-only document shows both dialogs with OK disabled and changes nothing.
        ArrowModel m;
        m.doc.SetReadOnly(TRUE);
        const std::string before = ObjectListBytes(m.doc);
        for (auto [arrow, command] :
             {std::pair{m.subtype, ID_OBJ_SUBTYPE_DIALOG}, std::pair{m.oneToMany, ID_OBJ_ONE_TO_MANY_DIALOG}}) {
            BOOL opened = FALSE;
            EXPECT_FALSE(m.Run(
                arrow, command,
                [](CDialog& d) {
                    EXPECT_FALSE(Enabled(d, IDOK));
                    d.SendMessage(WM_COMMAND, IDOK);
                },
                &opened));
            EXPECT_TRUE(opened);
        }
        EXPECT_EQ(ObjectListBytes(m.doc), before);
    }
}

} // namespace RelLineDlgTest
