#include "physical/PhysicalCommands.h"

#include "document/BaseDoc.h"
#include "document/UndoStep.h"
#include "foundation/CommandIds.h"
#include "model/DataTypeLookup.h"
#include "model/ModelOperations.h"
#include "physical/CreateNameColumnDlg.h"
#include "physical/CreateNameIndexPrimaryDlg.h"
#include "physical/CreateNameTableDlg.h"
#include "physical/CreateTableDdl.h"
#include "physical/DataTypeList.h"
#include "physical/DdlCreateDlg.h"
#include "physical/NameDerivation.h"
#include "platform/afx/MessageSink.h"
#include "platform/ui/CmdUI.h"

namespace PhysicalCommands {

namespace {

template <class T>
BOOL CopyIfDifferent(T& target, const T& value)
{
    if (target == value)
        return FALSE;
    target = value;
    return TRUE;
}

// Runs the dialog on the document's word and affixes; on OK stores what differs. -1 cancelled,
// else whether anything differed.
template <class Dialog>
int RunNameDialog(CBaseDoc& doc, DWORD (CBaseDoc::*get)() const, void (CBaseDoc::*set)(DWORD))
{
    doc.EndInPlaceEditInViews();
    Dialog dialog;
    dialog.m_words[0] = (doc.*get)();
    dialog.m_affixes[0] = doc.GetTableNamePrefix();
    dialog.m_affixes[1] = doc.GetPrimaryKeyNamePrefix();
    dialog.m_affixes[2] = doc.GetPrimaryKeyNameSuffix();
    if (dialog.DoModal() != IDOK)
        return -1;
    BOOL changed = FALSE;
    if ((doc.*get)() != dialog.m_words[0]) {
        (doc.*set)(dialog.m_words[0]);
        changed = TRUE;
    }
    CString affix = doc.GetTableNamePrefix();
    if (CopyIfDifferent(affix, dialog.m_affixes[0])) {
        doc.SetTableNamePrefix(affix);
        changed = TRUE;
    }
    affix = doc.GetPrimaryKeyNamePrefix();
    if (CopyIfDifferent(affix, dialog.m_affixes[1])) {
        doc.SetPrimaryKeyNamePrefix(affix);
        changed = TRUE;
    }
    affix = doc.GetPrimaryKeyNameSuffix();
    if (CopyIfDifferent(affix, dialog.m_affixes[2])) {
        doc.SetPrimaryKeyNameSuffix(affix);
        changed = TRUE;
    }
    return changed ? 1 : 0;
}

// The common end of the three name commands: the selection cleared, one undo step for the run.
template <class Dialog, class Run>
void RunNameCommand(CBaseDoc& doc, DWORD (CBaseDoc::*get)() const, void (CBaseDoc::*set)(DWORD), Run run)
{
    if (doc.IsReadOnly())
        return;
    const int changed = RunNameDialog<Dialog>(doc, get, set);
    if (changed < 0)
        return;
    doc.DeselectAllInViews();
    {
        CUndoStep step(&doc);
        run();
    }
    if (changed)
        doc.SetModified(TRUE);
}

} // namespace

const CDataTypeList& GetDataTypes()
{
    if (const auto* types = dynamic_cast<const CDataTypeList*>(GetAppDataTypes()))
        return *types;
    static CDataTypeList defaults;
    if (defaults.IsEmpty())
        defaults.SetDefaultDataTypes();
    return defaults;
}

BOOL IsCreateTableDdlEnabled(const CBaseDoc& doc)
{
    return !doc.GetPathName().IsEmpty() && ModelOperations::CanRunModelCommand(doc);
}

int RunDdlCreateDialog(CBaseDoc& doc)
{
    CDdlCreateDlg dialog;
    dialog.m_words[0] = doc.GetDdlOptTable();
    dialog.m_words[1] = doc.GetDdlOptColumn();
    dialog.m_affixes[0] = doc.GetTableNamePrefix();
    dialog.m_affixes[1] = doc.GetPrimaryKeyNamePrefix();
    dialog.m_affixes[2] = doc.GetPrimaryKeyNameSuffix();
    if (dialog.DoModal() != IDOK)
        return 0;
    BOOL changed = FALSE;
    if (doc.GetDdlOptTable() != dialog.m_words[0]) {
        doc.SetDdlOptTable(dialog.m_words[0]);
        changed = TRUE;
    }
    if (doc.GetDdlOptColumn() != dialog.m_words[1]) {
        doc.SetDdlOptColumn(dialog.m_words[1]);
        changed = TRUE;
    }
    if (doc.GetTableNamePrefix() != dialog.m_affixes[0]) {
        doc.SetTableNamePrefix(dialog.m_affixes[0]);
        changed = TRUE;
    }
    if (doc.GetPrimaryKeyNamePrefix() != dialog.m_affixes[1]) {
        doc.SetPrimaryKeyNamePrefix(dialog.m_affixes[1]);
        changed = TRUE;
    }
    if (doc.GetPrimaryKeyNameSuffix() != dialog.m_affixes[2]) {
        doc.SetPrimaryKeyNameSuffix(dialog.m_affixes[2]);
        changed = TRUE;
    }
    if (changed)
        doc.SetModified(TRUE);
    return 1;
}

void OnCreateTableDdl(CBaseDoc& doc)
{
    if (doc.IsReadOnly())
        return;
    doc.EndInPlaceEditInViews();
    if (!RunDdlCreateDialog(doc))
        return;
    doc.BeginWaitCursor();
    doc.DeselectAllInViews();
    CreateTableDdl::GenerateCreateTableScript(doc, *doc.GetObjectList(), GetDataTypes(), DdlOptions::FromDocument(doc),
                                              TRUE);
    doc.EndWaitCursor();
}

int CreateTableDdlForSelectedFiles(CBaseDoc& doc, const CObList& objects, BOOL showMessages)
{
    if (doc.IsReadOnly())
        return 0;
    doc.EndInPlaceEditInViews();
    if (!RunDdlCreateDialog(doc))
        return 0;
    CObList targets;
    const int chosen = CreateTableDdl::SelectFileCompForCrateDdl(doc, objects, targets, doc.GetDdlOptTable());
    if (chosen == 0) {
        if (showMessages)
            AfxMessageBox(CString(u8"Create文の作成対象となる概念ﾌｧｲﾙが選択されていません。"),
                          MB_OK | MB_ICONINFORMATION);
        return 0;
    }
    if (chosen < 0) {
        AfxMessageBox(CString(u8"CREATE TABLE文の作成対象となる概念ﾌｧｲﾙの選択処理でｴﾗｰが発生しました。"),
                      MB_OK | MB_ICONEXCLAMATION);
        return -1;
    }
    doc.BeginWaitCursor();
    const int result = CreateTableDdl::GenerateCreateTableScript(doc, targets, GetDataTypes(),
                                                                 DdlOptions::FromDocument(doc), showMessages);
    doc.EndWaitCursor();
    return result;
}

void OnCreateTableNames(CBaseDoc& doc)
{
    RunNameCommand<CCreateNameTableDlg>(doc, &CBaseDoc::GetImplCreateNameTableOpt, &CBaseDoc::SetImplCreateNameTableOpt,
                                        [&doc] {
                                            NameDerivation::CreateTableNames(doc, *doc.GetObjectList(),
                                                                             doc.GetImplCreateNameTableOpt(),
                                                                             doc.GetTableNamePrefix(), TRUE);
                                        });
}

void OnCreatePrimaryIndexNames(CBaseDoc& doc)
{
    RunNameCommand<CCreateNameIndexPrimaryDlg>(
        doc, &CBaseDoc::GetImplCreateNameIndexPrimaryOpt, &CBaseDoc::SetImplCreateNameIndexPrimaryOpt, [&doc] {
            NameDerivation::CreatePrimaryIndexNames(doc, *doc.GetObjectList(), doc.GetImplCreateNameIndexPrimaryOpt(),
                                                    doc.GetPrimaryKeyNamePrefix(), doc.GetPrimaryKeyNameSuffix(), TRUE);
        });
}

void OnCreateColumnNames(CBaseDoc& doc)
{
    RunNameCommand<CCreateNameColumnDlg>(doc, &CBaseDoc::GetImplCreateNameColumnOpt,
                                         &CBaseDoc::SetImplCreateNameColumnOpt, [&doc] {
                                             NameDerivation::CreateColumnNames(doc, *doc.GetObjectList(),
                                                                               doc.GetImplCreateNameColumnOpt(),
                                                                               GetDataTypes(), TRUE);
                                         });
}

MessageMapEntry CommandEntry(UINT id)
{
    return {MessageMapEntry::Kind::Command,
            id,
            id,
            [](CCmdTarget& target, UINT command) {
                CBaseDoc* doc = CBaseDoc::GetActiveIn(target);
                if (!doc)
                    return TRUE;
                switch (command) {
                case ID_CREATE_TABLE_DDL: OnCreateTableDdl(*doc); break;
                case ID_CREATE_TABLE_NAMES: OnCreateTableNames(*doc); break;
                case ID_CREATE_PRIMARY_INDEX_NAMES: OnCreatePrimaryIndexNames(*doc); break;
                case ID_CREATE_COLUMN_NAMES: OnCreateColumnNames(*doc); break;
                default: break;
                }
                return TRUE;
            },
            {},
            {}};
}

MessageMapEntry UpdateEntry(UINT id)
{
    return {MessageMapEntry::Kind::Update,
            id,
            id,
            {},
            [](CCmdTarget& target, CCmdUI* cmdUI) {
                const CBaseDoc* doc = CBaseDoc::GetActiveIn(target);
                if (!doc)
                    cmdUI->Enable(FALSE);
                else if (cmdUI->m_nID == ID_CREATE_TABLE_DDL)
                    cmdUI->Enable(IsCreateTableDdlEnabled(*doc));
                else
                    ModelOperations::OnUpdateModelCommand(*doc, cmdUI);
            },
            {}};
}

} // namespace PhysicalCommands
