// The tablespace dialog in its two modes: a conceptual file's own pair through the file's command,
// and the document's defaults.
#include "tests/model/ModelBytes.h"
#include "tests/model/RelationModel.h"
#include "tests/support/MessageScript.h"

#include "document/UndoStep.h"
#include "foundation/CommandIds.h"
#include "model/TableSpaceNameDlg.h"
#include "platform/ui/Controls.h"

#include <QLineEdit>

#include <functional>

#include <gtest/gtest.h>

namespace TableSpaceNameDlgTest {

BOOL RunFileCommand(RelationModel& m, WORD file, const std::function<void(CDialog&)>& user, BOOL* opened)
{
    *opened = FALSE;
    CDialog::SetModalHook([&](CDialog& d) {
        *opened = TRUE;
        user(d);
    });
    BOOL result = FALSE;
    {
        CUndoStep step(&m.doc);
        result = m.doc.ApplyObjectCommand(&m.FileAt(file), ID_FILE_TABLESPACE_DIALOG, nullptr, 0);
    }
    CDialog::SetModalHook(nullptr);
    return result;
}

TEST(TableSpaceNameDlg, AFilesOwnPairInOneUndoStep)
{
    RelationModel m;
    const WORD file = m.File("Order");
    m.FileAt(file).SetTableSpace("TS_OLD");
    const std::string before = ObjectListBytes(m.doc);
    BOOL opened = FALSE;
    EXPECT_TRUE(RunFileCommand(
        m, file,
        [](CDialog& d) {
            CString title, table;
            d.GetWindowText(title);
            d.GetDlgItemText(CTableSpaceNameDlg::IDC_TABLE_SPACE, table);
            EXPECT_EQ(Utf8(title), reinterpret_cast<const char*>(u8"表領域の設定"));
            EXPECT_EQ(table, CString("TS_OLD"));
            d.SetDlgItemText(CTableSpaceNameDlg::IDC_TABLE_SPACE, "TS_ORDER");
            d.SetDlgItemText(CTableSpaceNameDlg::IDC_INDEX_SPACE, "IX_ORDER");
            d.SendMessage(WM_COMMAND, IDOK);
        },
        &opened));
    EXPECT_EQ(m.FileAt(file).GetTableSpace(), CString("TS_ORDER"));
    EXPECT_EQ(m.FileAt(file).GetIndexSpace(), CString("IX_ORDER"));
    m.doc.Undo();
    EXPECT_EQ(ObjectListBytes(m.doc), before);

    // A dedicated definition file and a merged child have no table of their own: no dialog.
    m.FileAt(file).SetPhyControlDedicated(TRUE);
    EXPECT_FALSE(RunFileCommand(
        m, file, [](CDialog& d) { d.SendMessage(WM_COMMAND, IDOK); }, &opened));
    EXPECT_FALSE(opened);
}

TEST(TableSpaceNameDlg, TheDocumentsDefaults)
{
    TestApp app;
    TestDoc doc;
    // Read-only: the values show, but cannot be confirmed.
    doc.SetReadOnly(TRUE);
    CDialog::SetModalHook([](CDialog& d) {
        CString title;
        d.GetWindowText(title);
        EXPECT_EQ(Utf8(title), reinterpret_cast<const char*>(u8"ﾃﾞｨﾌｫﾙﾄ表領域の設定"));
        EXPECT_FALSE(d.GetDlgItem(IDOK)->IsWindowEnabled());
        EXPECT_TRUE(
            qobject_cast<QLineEdit*>(d.GetDlgItem(CTableSpaceNameDlg::IDC_TABLE_SPACE)->GetSafeHwnd())->isReadOnly());
    });
    CTableSpaceNameDlg readOnly(doc, "A", "B", TableSpaceRules::MODE_DOCUMENT);
    EXPECT_EQ(readOnly.DoModal(), IDCANCEL);
    CDialog::SetModalHook(nullptr);
    doc.SetReadOnly(FALSE);

    doc.SetModifiedFlag(FALSE);
    EXPECT_FALSE(TableSpaceRules::ApplyDocumentTablespaces(doc, "", ""));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(TableSpaceRules::ApplyDocumentTablespaces(doc, "", "IX"));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.GetIndexTablespace(), CString("IX"));
    EXPECT_TRUE(doc.GetTableTablespace().IsEmpty());
}

} // namespace TableSpaceNameDlgTest
