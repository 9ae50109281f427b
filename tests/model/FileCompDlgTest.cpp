// The dialogs of a conceptual file: the definition-file combo, the enable rules, and both dialogs
// driven through their modal hook from the document's entries, each OK one undo step.
#include "tests/model/ModelBytes.h"
#include "tests/model/RelationModel.h"
#include "tests/support/MessageScript.h"

#include "document/UndoStep.h"
#include "foundation/CommandIds.h"
#include "model/FileCompDlg.h"
#include "model/FileCompDlgRules.h"
#include "model/FilePhyControlDlg.h"
#include "platform/afx/WinTypes.h"
#include "platform/ui/Controls.h"

#include <QComboBox>
#include <QLineEdit>

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace FileCompDlgTest {

using namespace FileCompDlgRules;

const char* const LOOP_MESSAGE = reinterpret_cast<const char*>(
    u8"ｻﾌﾞﾀｲﾌﾟ矢線あるいはｻﾌﾞｽﾄﾗｸﾁｬ矢線がﾙｰﾌﾟしてしまうので、親概念ﾌｧｲﾙには設定できません。");

void Click(CDialog& dialog, int id)
{
    auto* button = static_cast<CButton*>(dialog.GetDlgItem(id));
    button->SetCheck(button->GetCheck() == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
    dialog.SendMessage(WM_COMMAND, id);
}

BOOL Enabled(CDialog& dialog, int id)
{
    return dialog.GetDlgItem(id)->IsWindowEnabled();
}

// Picks the combo row whose item data (under the mask) is the value, as the user's choice does.
void Choose(CDialog& dialog, int id, DWORD_PTR data, DWORD_PTR mask = ~DWORD_PTR(0))
{
    auto* combo = qobject_cast<QComboBox*>(dialog.GetDlgItem(id)->GetSafeHwnd());
    for (int i = 0; i < combo->count(); ++i)
        if ((static_cast<CComboBox*>(dialog.GetDlgItem(id))->GetItemData(i) & mask) == data) {
            combo->setCurrentIndex(i);
            emit combo->activated(i);
            return;
        }
    ADD_FAILURE() << "no row for " << data;
}

std::vector<std::string> Rows(CComboBox& combo)
{
    std::vector<std::string> rows;
    for (int i = 0; i < combo.GetCount(); ++i) {
        CString text;
        combo.GetLBText(i, text);
        rows.push_back(Utf8(text) + "=" + std::to_string(combo.GetItemData(i)));
    }
    return rows;
}

// Child with two parents through subtype arrows, A's the main one; Lender, a dedicated definition
// file.
class FileModel : public RelationModel
{
public:
    FileModel()
    {
        a = File("A");
        b = File("B");
        child = File("Child");
        lender = File("Lender");
        FileAt(lender).SetPhyControlDedicated(TRUE);
        fromA = Arrow(CRelLineObj::KIND_SUBTYPE, a, child, TRUE);
        fromB = Arrow(CRelLineObj::KIND_SUBTYPE, b, child);
        doc.SetModifiedFlag(FALSE);
    }

    BOOL Run(WORD file, const std::function<void(CDialog&)>& user)
    {
        CDialog::SetModalHook([&](CDialog& d) { user(d); });
        BOOL result = FALSE;
        {
            CUndoStep step(&doc);
            result = doc.ExecuteObjectOperation(&FileAt(file), ID_OBJ_FILE_DIALOG, 0, 0);
        }
        CDialog::SetModalHook(nullptr);
        return result;
    }

    WORD a, b, child, lender, fromA, fromB;
};

TEST(FileCompDlgRules, DefinitionFileComboListsDedicatedFilesButTheEditedOne)
{
    RelationModel m;
    const WORD named = m.File("Codes");
    const WORD numbered = m.File("");
    const WORD bare = m.File("");
    m.File("Plain");
    m.FileAt(numbered).SetFileNumber("F-9");
    for (WORD id : {named, numbered, bare})
        m.FileAt(id).SetPhyControlDedicated(TRUE);
    QComboBox widget;
    CComboBox combo;
    combo.Attach(&widget);
    EXPECT_EQ(FillPhysicalDefinitionFileCombo(m.doc, named, &combo), 2);
    const std::string none = reinterpret_cast<const char*>(u8"(指定しない)=0");
    EXPECT_EQ(Rows(combo), (std::vector<std::string>{none, "F-9=" + std::to_string(numbered),
                                                     std::to_string(bare) + "=" + std::to_string(bare)}));
}

// A combo that refuses its first row ("(指定しない)") or a later one: the message names which,
// the combo is emptied and the result tells the two apart.
TEST(FileCompDlgRules, DefinitionFileComboThatRefusesARowSaysWhich)
{
    RelationModel m;
    m.FileAt(m.File("Codes")).SetPhyControlDedicated(TRUE);
    const struct
    {
        int rowsTaken; // -1: no combo behind the control at all
        int result;
        const char8_t* message;
    } cases[] = {
        {-1, -1, u8"物理追加ﾃﾞｰﾀ定義ﾌｧｲﾙ選択ComboBoxの初期化中にｴﾗｰが発生しました。"},
        {1, 0, u8"物理追加ﾃﾞｰﾀ定義ﾌｧｲﾙ ｺﾝﾎﾞﾎﾞｯｸｽの初期化中にｴﾗｰが発生しました。"},
    };
    for (const auto& c : cases) {
        QComboBox widget;
        CComboBox combo;
        if (c.rowsTaken >= 0) {
            widget.setMaxCount(c.rowsTaken);
            combo.Attach(&widget);
        }
        MessageScript script;
        EXPECT_EQ(FillPhysicalDefinitionFileCombo(m.doc, 0, &combo), c.result) << c.rowsTaken;
        EXPECT_EQ(script.Texts(), std::vector<std::string>{reinterpret_cast<const char*>(c.message)}) << c.rowsTaken;
        EXPECT_EQ(widget.count(), 0) << c.rowsTaken;
    }
}

TEST(FileCompDlgRules, EnableRules)
{
    struct Case
    {
        const char* what;
        WORD parent;
        BOOL physical, merged, dedicated;
        WORD definition;
        BOOL readOnly;
        // parent combo, merged check, physical edits, definition combo, dedicated check, physical check
        BOOL parentCombo, mergedCheck, physicalEditable, definitionCombo, dedicatedCheck, physicalCheck;
    };
    const Case cases[] = {
        {"a top file of its own", 0, TRUE, FALSE, FALSE, 0, FALSE, FALSE, FALSE, TRUE, TRUE, TRUE, TRUE},
        {"a top file with a definition file", 0, TRUE, FALSE, FALSE, 7, FALSE, FALSE, FALSE, TRUE, TRUE, FALSE, TRUE},
        {"a child merged into its parent", 5, TRUE, TRUE, FALSE, 0, FALSE, TRUE, TRUE, FALSE, FALSE, FALSE, TRUE},
        {"a child with a table of its own", 5, TRUE, FALSE, FALSE, 0, FALSE, TRUE, TRUE, TRUE, TRUE, FALSE, TRUE},
        {"no physical target", 5, FALSE, FALSE, FALSE, 0, FALSE, TRUE, FALSE, FALSE, FALSE, FALSE, TRUE},
        {"a dedicated file", 0, TRUE, FALSE, TRUE, 0, FALSE, FALSE, FALSE, FALSE, FALSE, TRUE, FALSE},
        {"read-only", 5, TRUE, FALSE, FALSE, 0, TRUE, FALSE, FALSE, FALSE, FALSE, FALSE, FALSE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FileCompSettings s;
        s.parentFile = c.parent;
        s.physicalTarget = c.physical;
        s.merged = c.merged;
        s.dedicated = c.dedicated;
        s.definitionFile = c.definition;
        const FileCompEnables e = GetFileCompEnables(s, c.readOnly);
        EXPECT_EQ(e.parentCombo, c.parentCombo);
        EXPECT_EQ(e.mergedCheck, c.mergedCheck);
        EXPECT_EQ(e.physicalEditable, c.physicalEditable);
        EXPECT_EQ(e.definitionCombo, c.definitionCombo);
        EXPECT_EQ(e.dedicatedCheck, c.dedicatedCheck);
        EXPECT_EQ(e.physicalCheck, c.physicalCheck);
        EXPECT_EQ(e.textsEditable, !c.readOnly);
    }
}

TEST(FileCompDlg, ParentChoiceMovesTheMainRoleAndTheDiscriminatorInOneStep)
{
    FileModel m;
    const std::string before = ObjectListBytes(m.doc);
    MessageScript messages;
    EXPECT_TRUE(m.Run(m.child, [&](CDialog& d) {
        EXPECT_TRUE(Enabled(d, CFileCompDlg::IDC_PARENT));
        EXPECT_FALSE(Enabled(d, CFileCompDlg::IDC_DEDICATED)); // a file with a parent
        Choose(d, CFileCompDlg::IDC_PARENT, DWORD_PTR(m.b) << 16, 0xFFFF0000u);
        Choose(d, CFileCompDlg::IDC_DISCRIMINATOR_FILE, m.b);
        d.SetDlgItemText(CFileCompDlg::IDC_VALUE, "X");
        d.SetDlgItemText(CFileCompDlg::IDC_NUMBER, "C-1");
        d.SendMessage(WM_COMMAND, IDOK);
    }));
    EXPECT_TRUE(messages.Texts().empty());
    EXPECT_TRUE(m.ArrowAt(m.fromB).IsMainArrow());
    EXPECT_FALSE(m.ArrowAt(m.fromA).IsMainArrow());
    EXPECT_EQ(m.ArrowAt(m.fromB).GetDiscriminatorFile(), m.b);
    EXPECT_EQ(m.ArrowAt(m.fromB).GetItemValueLabel().GetText(), CString("X"));
    EXPECT_EQ(m.FileAt(m.child).GetFileNumber(), CString("C-1"));
    EXPECT_TRUE(m.doc.IsModified());
    m.doc.Undo();
    EXPECT_EQ(ObjectListBytes(m.doc), before);
}

TEST(FileCompDlg, AParentThatWouldCloseALoopIsRefused)
{
    FileModel m;
    // An older file may hold an arrow back from the child to B.
    m.Arrow(CRelLineObj::KIND_SUBTYPE, m.child, m.b);
    MessageScript messages;
    EXPECT_FALSE(m.Run(m.child, [&](CDialog& d) {
        Choose(d, CFileCompDlg::IDC_PARENT, DWORD_PTR(m.b) << 16, 0xFFFF0000u);
        // The choice went back to A.
        auto* parents = static_cast<CComboBox*>(d.GetDlgItem(CFileCompDlg::IDC_PARENT));
        EXPECT_EQ(HIWORD(parents->GetItemData(parents->GetCurSel())), m.a);
        d.SendMessage(WM_COMMAND, IDOK);
    }));
    ASSERT_EQ(messages.Texts().size(), 1u);
    EXPECT_EQ(messages.Texts()[0], LOOP_MESSAGE);
    EXPECT_TRUE(m.ArrowAt(m.fromA).IsMainArrow());
}

TEST(FileCompDlg, DedicatedFilesLengthsAndTheDefinitionFile)
{
    FileModel m;
    m.FileAt(m.a).SetTableName("T_A");
    // Checking dedicated makes the file a physical target and empties its physical names on OK.
    m.FileAt(m.a).SetPhysicalTarget(FALSE);
    // A has no parent: dedicated may be checked.
    EXPECT_TRUE(m.Run(m.a, [](CDialog& d) {
        EXPECT_TRUE(Enabled(d, CFileCompDlg::IDC_DEDICATED));
        Click(d, CFileCompDlg::IDC_DEDICATED);
        EXPECT_EQ(static_cast<CButton*>(d.GetDlgItem(CFileCompDlg::IDC_PHYSICAL_TARGET))->GetCheck(), BST_CHECKED);
        EXPECT_FALSE(Enabled(d, CFileCompDlg::IDC_PHYSICAL_TARGET));
        d.SendMessage(WM_COMMAND, IDOK);
    }));
    EXPECT_TRUE(m.FileAt(m.a).GetPhyControlDedicated());
    EXPECT_TRUE(m.FileAt(m.a).IsPhysicalTarget());
    EXPECT_TRUE(m.FileAt(m.a).GetTableName().IsEmpty());

    // A name over 60 bytes stops OK with the length message; nothing is written.
    const std::string before = ObjectListBytes(m.doc);
    {
        MessageScript messages;
        EXPECT_FALSE(m.Run(m.b, [](CDialog& d) {
            d.SetDlgItemText(CFileCompDlg::IDC_NAME, CString('N', 61));
            d.SendMessage(WM_COMMAND, IDOK);
        }));
        EXPECT_EQ(messages.Texts().size(), 1u);
    }
    EXPECT_EQ(ObjectListBytes(m.doc), before);

    // The definition-file dialog of B lists the dedicated files, itself left out, and keeps the name.
    MessageScript messages;
    CDialog::SetModalHook([&](CDialog& d) {
        // None chosen yet: the row that says so shows.
        auto* combo = qobject_cast<QComboBox*>(d.GetDlgItem(CFilePhyControlDlg::IDC_DEFINITION_FILE)->GetSafeHwnd());
        EXPECT_EQ(combo->currentText(), QString::fromUtf8("(指定しない)"));
        Choose(d, CFilePhyControlDlg::IDC_DEFINITION_FILE, m.lender);
        d.SendMessage(WM_COMMAND, IDOK);
    });
    {
        CUndoStep step(&m.doc);
        EXPECT_TRUE(m.doc.ApplyObjectCommand(&m.FileAt(m.b), ID_FILE_DEFINITION_FILE_DIALOG, nullptr, 0));
    }
    CDialog::SetModalHook(nullptr);
    EXPECT_EQ(m.FileAt(m.b).GetPhyControlFileId(), m.lender);
    EXPECT_EQ(m.FileAt(m.b).GetPhyControlFileName(), CString("Lender"));
    m.doc.Undo();
    EXPECT_EQ(ObjectListBytes(m.doc), before);
}

} // namespace FileCompDlgTest
