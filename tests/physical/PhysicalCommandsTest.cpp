// The commands of the menu "開発支援(&I)" driven through their dialogs: the option words the dialogs
// build, "既定値更新", and the name derivations as one undo step.
#include "tests/physical/DdlModel.h"

#include "physical/CreateNameIndexPrimaryDlg.h"
#include "physical/CreateNameTableDlg.h"
#include "physical/DdlCreateDlg.h"
#include "physical/PhysicalCommands.h"
#include "platform/profile/Profile.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/Controls.h"
#include "platform/ui/FrameWnd.h"
#include "platform/ui/Resources.h"
#include "platform/ui/WinApp.h"
#include "platform/afx/StringTable.h"
#include "foundation/CommandIds.h"
#include "tests/support/MessageScript.h"

#include <functional>

#include <gtest/gtest.h>

namespace PhysicalCommandsTest {

// Runs the command with the user's actions on its dialog.
void WithDialog(const std::function<void(CDialog&)>& user, const std::function<void()>& command)
{
    CDialog::SetModalHook(user);
    command();
    CDialog::SetModalHook(nullptr);
}

void Press(CDialog& dialog, int id)
{
    dialog.SendMessage(WM_COMMAND, id);
}

void Click(CDialog& dialog, int id, BOOL check)
{
    static_cast<CButton*>(dialog.GetDlgItem(id))->SetCheck(check ? BST_CHECKED : BST_UNCHECKED);
    Press(dialog, id);
}

TEST(DdlCreateDialog, BuildsTheWordsFromTheButtonsAndAppliesTheEnablingRules)
{
    struct Case
    {
        DWORD table, column;
        DWORD builtTable, builtColumn;
    };
    const Case cases[] = {
        // The defaults come back as they are.
        {DDL_TABLE_DEFAULT, DDL_COLUMN_DEFAULT, DDL_TABLE_DEFAULT, DDL_COLUMN_DEFAULT},
        // No bit of a group: the group's last choice, and the dialog's fixed bit.
        {0, 0, 0x10000 | 0x2 | 0x20 | 0x400 | 0x4000 | 0x8000000, 0x2 | 0x40},
        // Every other button of each group, and every check box.
        {0x10000 | 0x2 | 0x10 | 0x200 | 0x200000 | 0x1000 | 0x4000000 | 0x100000 | 0x400000,
         0x1 | 0x20 | 0x20000 | 0x10000 | 0x40000,
         0x10000 | 0x2 | 0x10 | 0x200 | 0x200000 | 0x1000 | 0x4000000 | 0x100000 | 0x400000,
         0x1 | 0x20 | 0x20000 | 0x10000 | 0x40000},
    };
    for (const Case& c : cases) {
        CDdlCreateDlg dialog;
        dialog.m_words[0] = c.table;
        dialog.m_words[1] = c.column;
        CDialog::SetModalHook([](CDialog& d) { Press(d, IDOK); });
        EXPECT_EQ(IDOK, dialog.DoModal());
        CDialog::SetModalHook(nullptr);
        EXPECT_EQ(c.builtTable, dialog.m_words[0]) << std::hex << c.table;
        EXPECT_EQ(c.builtColumn, dialog.m_words[1]) << std::hex << c.column;
    }

    CDdlCreateDlg dialog;
    dialog.m_words[0] = DDL_TABLE_DEFAULT;
    CDialog::SetModalHook([](CDialog& d) {
        // The prefix edit follows its check box; "作成しない" disables the key names.
        EXPECT_FALSE(d.GetDlgItem(CDdlCreateDlg::IDC_TABLE_PREFIX)->IsWindowEnabled());
        Click(d, CDdlCreateDlg::IDC_TABLE_PREFIX_CHECK, TRUE);
        EXPECT_TRUE(d.GetDlgItem(CDdlCreateDlg::IDC_TABLE_PREFIX)->IsWindowEnabled());
        EXPECT_TRUE(d.GetDlgItem(CDdlCreateDlg::IDC_KEY_INDEX_NAME)->IsWindowEnabled());
        EXPECT_FALSE(d.GetDlgItem(CDdlCreateDlg::IDC_KEY_SUFFIX)->IsWindowEnabled());
        Click(d, 1364, FALSE);
        Click(d, CDdlCreateDlg::IDC_NO_PRIMARY_KEY, TRUE);
        for (int id : {1366, 1367, 1368, 1369, 1370, 1371})
            EXPECT_FALSE(d.GetDlgItem(id)->IsWindowEnabled()) << id;
        d.EndDialog(IDCANCEL);
    });
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    CDialog::SetModalHook(nullptr);
}

class Commands : public ::testing::Test
{
protected:
    void TearDown() override
    {
        Profile::WriteProfileString("ImplOpt", nullptr, nullptr);
        Profile::WriteProfileString("DdlOptCreate", nullptr, nullptr);
    }
    DdlModel m;
};

TEST_F(Commands, SaveDefaultWritesTheProfileAtOnceAndLeavesTheDocumentAlone)
{
    m.doc.SetImplCreateNameIndexPrimaryOpt(0x1211);
    m.doc.SetPrimaryKeyNamePrefix("XPK_");
    m.doc.SetPrimaryKeyNameSuffix("_PK");
    MessageScript messages;
    messages.Answer(IDYES);
    WithDialog(
        [](CDialog& d) {
            Click(d, 1381, TRUE);
            Click(d, 1380, FALSE);
            d.GetDlgItem(1370)->SetWindowText("PK_");
            Press(d, COptionWordDlg::IDC_SAVE_DEFAULT);
            EXPECT_EQ(0x1212, Profile::GetProfileInt("ImplOpt", "ImplCreateNameIndexPrimaryOpt", -1));
            EXPECT_EQ(CString("PK_"), Profile::GetProfileString("DdlOptCreate", "PrimaryKeyNamePrefix", "?"));
            EXPECT_EQ(CString("_PK"), Profile::GetProfileString("DdlOptCreate", "PrimaryKeyNameSuffix", "?"));
            d.EndDialog(IDCANCEL);
        },
        [&] { PhysicalCommands::OnCreatePrimaryIndexNames(m.doc); });
    EXPECT_EQ((std::vector<std::string>{"ﾌﾟﾗｲﾏﾘｰｲﾝﾃﾞｯｸｽ名作成ｵﾌﾟｼｮﾝの既定値を更新しますか。",
                                        "ﾌﾟﾗｲﾏﾘｰｲﾝﾃﾞｯｸｽ名作成ｵﾌﾟｼｮﾝの既定値の更新が終了しました。"}),
              messages.Texts());
    EXPECT_EQ(DWORD(0x1211), m.doc.GetImplCreateNameIndexPrimaryOpt());
    EXPECT_EQ(CString("XPK_"), m.doc.GetPrimaryKeyNamePrefix());
    EXPECT_FALSE(m.doc.CanUndo());
}

TEST_F(Commands, TableNamesAreFilledInOneUndoStepThatUndoTakesBackWhole)
{
    const WORD a = m.Table("受注");
    const WORD b = m.Table("顧客");
    const WORD named = m.Table("商品", "ITEM");
    m.doc.SetImplCreateNameTableOpt(0x111);
    m.doc.SetTableNamePrefix("T_");
    m.doc.SetModifiedFlag(FALSE);
    const int undoBefore = m.doc.GetUndoIndex();

    MessageScript messages;
    WithDialog([](CDialog& d) { Press(d, IDOK); }, [&] { PhysicalCommands::OnCreateTableNames(m.doc); });
    EXPECT_EQ(std::vector<std::string>{"2件の概念ﾌｧｲﾙに関して概念ﾌｧｲﾙ名からﾃｰﾌﾞﾙ名を作成しました。"}, messages.Texts());
    EXPECT_EQ(DdlModel::FromUtf8("T_受注"), m.FileAt(a).GetTableName());
    EXPECT_EQ(DdlModel::FromUtf8("T_顧客"), m.FileAt(b).GetTableName());
    EXPECT_EQ(CString("ITEM"), m.FileAt(named).GetTableName());
    EXPECT_TRUE(m.doc.IsModified());
    EXPECT_EQ(undoBefore + 1, m.doc.GetUndoIndex());

    m.doc.Undo();
    EXPECT_EQ(CString(), m.FileAt(a).GetTableName());
    EXPECT_EQ(CString(), m.FileAt(b).GetTableName());
    EXPECT_EQ(CString("ITEM"), m.FileAt(named).GetTableName());

    // Overwrite checked: every file, and the new word stays with the document.
    MessageScript again;
    WithDialog(
        [](CDialog& d) {
            Click(d, 1378, TRUE);
            Press(d, IDOK);
        },
        [&] { PhysicalCommands::OnCreateTableNames(m.doc); });
    EXPECT_EQ(DdlModel::FromUtf8("T_商品"), m.FileAt(named).GetTableName());
    EXPECT_EQ(DWORD(0x1111), m.doc.GetImplCreateNameTableOpt());
}

TEST_F(Commands, ColumnNamesCountFilesAndItemsAndCancelChangesNothing)
{
    const WORD file = m.Table("F");
    m.Item(file, {.name = "番号", .keyGroup = 1, .type = "NUMBER", .editKind = 1});
    m.Item(file, {.name = "名称", .type = "VARCHAR2", .editKind = 1});
    m.Item(file, {.name = "旧", .physical = 0});
    m.Table("EMPTY");
    m.doc.SetImplCreateNameColumnOpt(0x11);

    {
        MessageScript messages;
        WithDialog([](CDialog& d) { d.EndDialog(IDCANCEL); }, [&] { PhysicalCommands::OnCreateColumnNames(m.doc); });
        EXPECT_TRUE(messages.Texts().empty());
        EXPECT_EQ(CString(), m.FileAt(file).GetDataList().GetHead()->GetColumnName());
    }
    MessageScript messages;
    WithDialog(
        [](CDialog& d) {
            Click(d, 1393, TRUE);
            Press(d, IDOK);
        },
        [&] { PhysicalCommands::OnCreateColumnNames(m.doc); });
    EXPECT_EQ(std::vector<std::string>{"1件の概念ﾌｧｲﾙに関して、2件のﾃﾞｰﾀ項目にｶﾗﾑ名を作成しました。"},
              messages.Texts());
    EXPECT_EQ(DdlModel::FromUtf8("N_番号"), m.FileAt(file).GetDataList().GetHead()->GetColumnName());
    m.doc.Undo();
    EXPECT_EQ(CString(), m.FileAt(file).GetDataList().GetHead()->GetColumnName());
}

TEST_F(Commands, ReadOnlyDocumentsAndDocumentsWithoutFilesDisableTheCommands)
{
    EXPECT_FALSE(PhysicalCommands::IsCreateTableDdlEnabled(m.doc)); // no conceptual file, no view
    m.Table("F");
    m.doc.SetReadOnly(TRUE);
    EXPECT_FALSE(PhysicalCommands::IsCreateTableDdlEnabled(m.doc));
    int dialogs = 0;
    WithDialog([&](CDialog&) { ++dialogs; }, [&] { PhysicalCommands::OnCreateTableNames(m.doc); });
    WithDialog([&](CDialog&) { ++dialogs; }, [&] { PhysicalCommands::OnCreateTableDdl(m.doc); });
    EXPECT_EQ(0, dialogs);
}

// The menu's update entries on the main frame: the name derivations follow the modelling commands'
// rule, generation also waits for a document that was saved once.
TEST_F(Commands, UpdateEntriesEnableGenerationOnlyForASavedDocument)
{
    m.Table("F");
    SelectionView drawing;
    m.doc.AddView(&drawing);
    CFrameWnd frame;
    frame.SetActiveView(&drawing, FALSE);
    CWinApp app("test");
    app.m_pMainWnd = &frame;

    const auto enabled = [&frame](UINT id) {
        CCmdUI state;
        state.m_nID = id;
        state.Enable(FALSE);
        PhysicalCommands::UpdateEntry(id).onUpdate(frame, &state);
        return state.IsEnabled();
    };
    EXPECT_TRUE(enabled(ID_CREATE_TABLE_NAMES));
    EXPECT_TRUE(enabled(ID_CREATE_COLUMN_NAMES));
    EXPECT_FALSE(enabled(ID_CREATE_TABLE_DDL)); // never saved
    m.doc.SetPathName("/tmp/model.zvr", FALSE);
    EXPECT_TRUE(enabled(ID_CREATE_TABLE_DDL));
    m.doc.SetReadOnly(TRUE);
    EXPECT_FALSE(enabled(ID_CREATE_TABLE_DDL));
    EXPECT_FALSE(enabled(ID_CREATE_TABLE_NAMES));

    app.m_pMainWnd = nullptr;
    frame.SetActiveView(nullptr, FALSE);
    m.doc.RemoveView(&drawing);
}

TEST(PhysicalMenu, DevelopmentMenuAndStatusTexts)
{
    const std::vector<MenuItemResource>* docMenu = FindMenuResource(129);
    ASSERT_TRUE(docMenu);
    const struct
    {
        UINT id;
        const char* status;
    } items[] = {
        {ID_CREATE_TABLE_DDL, "CREATE TABLE文を生成する"},
        {ID_CREATE_TABLE_NAMES, "概念ﾌｧｲﾙ名からﾃｰﾌﾞﾙ名を作成する"},
        {ID_CREATE_PRIMARY_INDEX_NAMES, "概念ﾌｧｲﾙ名あるいはﾃｰﾌﾞﾙ名からﾌﾟﾗｲﾏﾘｰｲﾝﾃﾞｯｸｽ名を作成する"},
        {ID_CREATE_COLUMN_NAMES, "ﾃﾞｰﾀ項目名からｶﾗﾑ名を作成する"},
        {ID_DEFAULT_TABLESPACES, "ﾃﾞｨﾌｫﾙﾄ表領域を設定する"},
        {ID_AUTO_SET_RKEY_REFERENCES, "ｷｰﾃﾞｰﾀ項目名称の後方ﾏｯﾁﾝｸﾞでRKEYﾃﾞｰﾀ項目の参照先を自動設定"},
    };
    const MenuItemResource* menu = nullptr;
    for (const MenuItemResource& top : *docMenu)
        if (top.text == QString::fromUtf8("開発支援(&I)"))
            menu = &top;
    ASSERT_NE(nullptr, menu);
    ASSERT_EQ(9u, menu->items.size());
    for (const auto& item : items)
        EXPECT_EQ(item.status, Utf8(LoadStringResource(item.id))) << item.id;
    EXPECT_EQ(ID_CREATE_TABLE_DDL, menu->items[0].id);
    EXPECT_EQ(QString::fromUtf8("CREATE TABLE文の生成(&C)..."), menu->items[0].text);
    EXPECT_EQ(ID_AUTO_SET_RKEY_REFERENCES, menu->items[8].id);
    EXPECT_EQ(QString::fromUtf8("RKEYの自動設定"), menu->items[8].text);
}

} // namespace PhysicalCommandsTest
