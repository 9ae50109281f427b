#include "model/TableSpaceNameDlg.h"

#include "document/BaseDoc.h"
#include "model/FileComp.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/FrameworkIds.h"
#include "platform/ui/Ime.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace TableSpaceRules {

BOOL ApplyDocumentTablespaces(CBaseDoc& doc, const CString& table, const CString& index)
{
    if (doc.GetTableTablespace() == table && doc.GetIndexTablespace() == index)
        return FALSE;
    doc.SetTableTablespace(table);
    doc.SetIndexTablespace(index);
    doc.SetModified(TRUE);
    return TRUE;
}

BOOL ApplyFileTablespaces(CFileComp& file, const CString& table, const CString& index)
{
    BOOL changed = FALSE;
    if (file.GetTableSpace() != table) {
        file.SetTableSpace(table);
        changed = TRUE;
    }
    if (file.GetIndexSpace() != index) {
        file.SetIndexSpace(index);
        changed = TRUE;
    }
    return changed;
}

} // namespace TableSpaceRules

CTableSpaceNameDlg::CTableSpaceNameDlg(CBaseDoc& doc, const CString& table, const CString& index, int mode,
                                       CWnd* parent)
    : CDialog(IDD, parent), m_strTableSpace(table), m_strIndexSpace(index), m_doc(doc), m_nMode(mode)
{
}

void CTableSpaceNameDlg::BuildDialog()
{
    QWidget* dialog = GetSafeHwnd();
    dialog->setWindowTitle(
        ToQString(m_nMode == TableSpaceRules::MODE_FILE ? u8"表領域の設定" : u8"ﾃﾞｨﾌｫﾙﾄ表領域の設定"));
    auto* layout = new QVBoxLayout(dialog);
    auto* grid = new QGridLayout;
    const auto addRow = [&](int row, const char8_t* label, int id) {
        auto* edit = AddControl(id, new QLineEdit);
        edit->setMinimumWidth(200);
        SetWidgetInputMethodOpen(edit, false);
        auto* caption = new QLabel(ToQString(label));
        caption->setBuddy(edit);
        grid->addWidget(caption, row, 0);
        grid->addWidget(edit, row, 1);
    };
    addRow(0, u8"ﾃｰﾌﾞﾙ表領域(&T):", IDC_TABLE_SPACE);
    addRow(1, u8"ｲﾝﾃﾞｯｸｽ表領域(&I):", IDC_INDEX_SPACE);
    layout->addLayout(grid);
    layout->addLayout(MakeButtonRow({{IDOK, u8"OK"}, {IDCANCEL, u8"ｷｬﾝｾﾙ"}, {ID_HELP, u8"ﾍﾙﾌﾟ"}}));
}

void CTableSpaceNameDlg::DoDataExchange(CDataExchange* dx)
{
    DDX_Text(dx, IDC_TABLE_SPACE, m_strTableSpace);
    DDX_Text(dx, IDC_INDEX_SPACE, m_strIndexSpace);
}

BOOL CTableSpaceNameDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    const BOOL readOnly = m_doc.IsReadOnly();
    for (int id : {IDC_TABLE_SPACE, IDC_INDEX_SPACE})
        static_cast<CEdit*>(GetDlgItem(id))->SetReadOnly(readOnly);
    GetDlgItem(IDOK)->EnableWindow(!readOnly);
    return TRUE;
}
