#include "model/SubTypeDlg.h"

#include "document/BaseDoc.h"
#include "model/FileCompServices.h"
#include "model/RelLineObj.h"
#include "model/RelationGraph.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/FrameworkIds.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

CSubTypeDlg::CSubTypeDlg(CBaseDoc& doc, CRelLineObj& arrow, BOOL reduced, CWnd* parent)
    : CDialog(IDD, parent), m_doc(doc), m_arrow(arrow), m_bReduced(reduced), m_bReadOnly(doc.IsReadOnly())
{
}

void CSubTypeDlg::BuildDialog()
{
    QWidget* dialog = GetSafeHwnd();
    dialog->setWindowTitle(ToQString(u8"ｻﾌﾞﾀｲﾌﾟの設定"));
    auto* layout = new QVBoxLayout(dialog);
    auto* top = new QHBoxLayout;
    auto* definite = new QGroupBox(ToQString(u8"確定型/未確定型"));
    auto* definiteBox = new QHBoxLayout(definite);
    definiteBox->addWidget(AddControl(IDC_DEFINITE, new QRadioButton(ToQString(u8"確定型"))));
    definiteBox->addWidget(AddControl(IDC_INDEFINITE, new QRadioButton(ToQString(u8"未確定型"))));
    top->addWidget(definite);
    top->addWidget(AddControl(IDC_MAIN_ARROW, new QCheckBox(ToQString(u8"ﾒｲﾝ矢線"))));
    layout->addLayout(top);

    auto* discriminator = new QGroupBox(ToQString(u8"ｻﾌﾞﾀｲﾌﾟ/ｻﾌﾞｽﾄﾗｸﾁｬ指定"));
    auto* grid = new QGridLayout(discriminator);
    const auto addRow = [&](int row, const char8_t* label, QWidget* control, int labelId) {
        auto* caption = new QLabel(ToQString(label));
        if (labelId)
            AddControl(labelId, caption);
        caption->setBuddy(control);
        grid->addWidget(caption, row, 0);
        grid->addWidget(control, row, 1);
    };
    auto* file = AddControl(IDC_FILE, new QComboBox);
    auto* item = AddControl(IDC_ITEM, new QComboBox);
    addRow(0, u8"ｻﾌﾞﾀｲﾌﾟﾃﾞｰﾀ項目所属ﾌｧｲﾙ(&F):", file, 0);
    addRow(1, u8"ｻﾌﾞﾀｲﾌﾟﾃﾞｰﾀ項目(&S):", item, 0);
    addRow(2, u8"ｻﾌﾞﾀｲﾌﾟﾃﾞｰﾀ項目値(&V):", AddControl(IDC_VALUE, new QLineEdit), IDC_VALUE_LABEL);
    file->setMinimumContentsLength(24);
    item->setMinimumContentsLength(24);
    QObject::connect(file, &QComboBox::activated, file, [this] { OnFileChosen(); });
    QObject::connect(item, &QComboBox::activated, item, [this] { OnItemChosen(); });
    layout->addWidget(discriminator);
    layout->addLayout(MakeButtonRow({{IDOK, u8"OK"}, {IDCANCEL, u8"ｷｬﾝｾﾙ"}, {ID_HELP, u8"ﾍﾙﾌﾟ"}}));
}

void CSubTypeDlg::DoDataExchange(CDataExchange* dx)
{
    DDX_Check(dx, IDC_MAIN_ARROW, m_settings.mainArrow);
    DDX_Text(dx, IDC_VALUE, m_settings.value);
    DDV_MaxChars(dx, m_settings.value, RelLineDlgRules::kMaxValueChars);
}

const MessageMap* CSubTypeDlg::GetMessageMap() const
{
    static const MessageMap map{CDialog::GetMessageMap(),
                                {
                                    MapCommandRange(IDC_DEFINITE, IDC_INDEFINITE, &CSubTypeDlg::OnDefiniteButton),
                                }};
    return &map;
}

BOOL CSubTypeDlg::OnInitDialog()
{
    if (!m_bReduced) {
        CString title;
        GetWindowText(title);
        if (!RelLineDlgRules::BuildEndFilesTitle(m_doc, m_arrow, title)) {
            EndDialog(IDCANCEL);
            return FALSE;
        }
        SetWindowText(title);
    }
    m_settings = RelLineDlgRules::ReadSubType(m_arrow);
    m_bMayBecomeMain = RelLineDlgRules::MayBecomeMainArrow(m_doc, m_arrow);
    RelLineDlgRules::DropMissingFile(m_doc, m_settings);
    CDialog::OnInitDialog();
    GetDlgItem(IDOK)->EnableWindow(!m_bReadOnly);
    static_cast<CButton*>(GetDlgItem(IDC_DEFINITE))->SetCheck(m_settings.definite ? BST_CHECKED : BST_UNCHECKED);
    static_cast<CButton*>(GetDlgItem(IDC_INDEFINITE))->SetCheck(m_settings.definite ? BST_UNCHECKED : BST_CHECKED);
    auto* files = static_cast<CComboBox*>(GetDlgItem(IDC_FILE));
    FileCompServices::FillFileCompCombo(m_doc, files, TRUE);
    files->SetCurSel(-1);
    if (m_settings.file != 0)
        for (int i = 0; i < files->GetCount(); ++i)
            if (files->GetItemData(i) == m_settings.file)
                files->SetCurSel(i);
    FillItems();
    ApplyEnables();
    GetDlgItem(IDC_ITEM)->SetFocus();
    return FALSE;
}

void CSubTypeDlg::FillItems()
{
    auto* items = static_cast<CComboBox*>(GetDlgItem(IDC_ITEM));
    RelationGraph::FillDataItemCombo(m_doc, m_settings.file, items, FALSE, TRUE);
    items->SetCurSel(-1);
    for (int i = 0; i < items->GetCount(); ++i)
        if (m_settings.item != 0 && items->GetItemData(i) == m_settings.item)
            items->SetCurSel(i);
}

void CSubTypeDlg::ApplyEnables()
{
    const RelLineDlgRules::SubTypeEnables enables =
        RelLineDlgRules::GetSubTypeEnables(m_settings, m_bReadOnly, m_bReduced, m_bMayBecomeMain);
    GetDlgItem(IDC_DEFINITE)->EnableWindow(enables.definiteButtons);
    GetDlgItem(IDC_INDEFINITE)->EnableWindow(enables.definiteButtons);
    GetDlgItem(IDC_FILE)->EnableWindow(enables.fileCombo);
    GetDlgItem(IDC_ITEM)->EnableWindow(enables.itemCombo);
    GetDlgItem(IDC_MAIN_ARROW)->EnableWindow(enables.mainBox);
    GetDlgItem(IDC_VALUE_LABEL)->EnableWindow(!m_bReduced);
    auto* value = static_cast<CEdit*>(GetDlgItem(IDC_VALUE));
    value->EnableWindow(!m_bReduced);
    value->SetReadOnly(!enables.valueEditable);
}

void CSubTypeDlg::OnDefiniteButton(UINT /*id*/)
{
    m_settings.definite = static_cast<CButton*>(GetDlgItem(IDC_DEFINITE))->GetCheck() == BST_CHECKED;
}

void CSubTypeDlg::OnFileChosen()
{
    auto* files = static_cast<CComboBox*>(GetDlgItem(IDC_FILE));
    const int index = files->GetCurSel();
    const WORD file = index < 0 ? 0 : WORD(files->GetItemData(index));
    if (RelLineDlgRules::ChooseFile(m_settings, file))
        FillItems();
    ApplyEnables();
}

void CSubTypeDlg::OnItemChosen()
{
    auto* items = static_cast<CComboBox*>(GetDlgItem(IDC_ITEM));
    const int index = items->GetCurSel();
    CString text;
    if (index >= 0)
        items->GetLBText(index, text);
    RelLineDlgRules::ChooseItem(m_settings, index < 0 ? 0 : WORD(items->GetItemData(index)), text);
}
