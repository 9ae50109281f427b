#include "model/FilePhyControlDlg.h"

#include "document/BaseDoc.h"
#include "model/FileComp.h"
#include "model/FileCompDlgRules.h"
#include "platform/ui/Controls.h"
#include "platform/ui/FrameworkIds.h"
#include "platform/ui/Ime.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

CFilePhyControlDlg::CFilePhyControlDlg(CBaseDoc& doc, CFileComp& file, CWnd* parent)
    : CDialog(IDD, parent), m_doc(doc), m_file(file)
{
}

void CFilePhyControlDlg::BuildDialog()
{
    QWidget* dialog = GetSafeHwnd();
    dialog->setWindowTitle(ToQString(u8"物理追加ﾃﾞｰﾀ定義ﾌｧｲﾙの設定"));
    auto* layout = new QVBoxLayout(dialog);
    auto* row = new QHBoxLayout;
    auto* combo = AddControl(IDC_DEFINITION_FILE, new QComboBox);
    combo->setMinimumContentsLength(24);
    SetWidgetInputMethodOpen(combo, false);
    auto* caption = new QLabel(ToQString(u8"物理追加ﾃﾞｰﾀ定義ﾌｧｲﾙ:"));
    caption->setBuddy(combo);
    row->addWidget(caption);
    row->addWidget(combo);
    layout->addLayout(row);
    QObject::connect(combo, &QComboBox::activated, combo, [this] { OnDefinitionFileChosen(); });
    layout->addLayout(MakeButtonRow({{IDOK, u8"OK"}, {IDCANCEL, u8"ｷｬﾝｾﾙ"}, {ID_HELP, u8"ﾍﾙﾌﾟ"}}));
}

BOOL CFilePhyControlDlg::OnInitDialog()
{
    m_wFileId = m_file.GetPhyControlFileId();
    m_strFileName = m_file.GetPhyControlFileName();
    CDialog::OnInitDialog();
    auto* combo = static_cast<CComboBox*>(GetDlgItem(IDC_DEFINITION_FILE));
    FileCompDlgRules::FillPhysicalDefinitionFileCombo(m_doc, m_file.GetObjectId(), combo);
    // Without a definition file the row "(指定しない)" shows.
    combo->SelectItemData(m_wFileId);
    GetDlgItem(IDOK)->EnableWindow(!m_doc.IsReadOnly());
    return TRUE;
}

void CFilePhyControlDlg::OnDefinitionFileChosen()
{
    auto* combo = static_cast<CComboBox*>(GetDlgItem(IDC_DEFINITION_FILE));
    const int index = combo->GetCurSel();
    m_wFileId = index < 0 ? 0 : WORD(combo->GetItemData(index));
    m_strFileName = FileCompDlgRules::DefinitionFileName(m_doc, m_wFileId);
}
