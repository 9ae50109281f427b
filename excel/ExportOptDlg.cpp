#include "excel/ExportOptDlg.h"

#include "excel/ExcelExport.h"
#include "platform/afx/MessageSink.h"
#include "platform/afx/String.h"
#include "platform/ui/Controls.h"
#include "platform/ui/FrameworkIds.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

namespace export_opt_dlg_cpp {

using namespace ExcelExportOptions;

struct Control
{
    int id;
    const char8_t* text;
    DWORD bit;
};

constexpr Control kTargets[] = {
    {CExportOptDlg::IDC_FILES, u8"概念ﾌｧｲﾙ ｵﾌﾞｼﾞｪｸﾄ", kFiles},
    {CExportOptDlg::IDC_DATA_SYMBOLS, u8"ﾃﾞｰﾀ ｵﾌﾞｼﾞｪｸﾄ", kDataSymbols},
    {CExportOptDlg::IDC_PROCESS_SYMBOLS, u8"処理ｵﾌﾞｼﾞｪｸﾄ", kProcessSymbols},
    {CExportOptDlg::IDC_TEXTS, u8"文字ｵﾌﾞｼﾞｪｸﾄ", kTexts},
};

// In the dialog's order.
constexpr Control kForms[] = {
    {CExportOptDlg::IDC_INTERFACE, u8"DBｲﾝﾀｰﾌｪｰｽ形式", kInterface},
    {CExportOptDlg::IDC_CONCEPT_UPDATE, u8"概念属性更新形式", kConceptUpdate},
    {CExportOptDlg::IDC_PHYSICAL_UPDATE, u8"物理属性更新形式", kPhysicalUpdate},
    {CExportOptDlg::IDC_ACROSS, u8"ﾃﾞｰﾀ項目を列(横)に配置", kAcross},
    {CExportOptDlg::IDC_DOWN, u8"ﾃﾞｰﾀ項目を縦(行)に配置", kDown},
    {CExportOptDlg::IDC_MATRIX, u8"ﾏﾄﾘｯｸｽ形式で配置", kMatrix},
};

// OK takes the first checked form in this order.
constexpr int kFormOrder[] = {CExportOptDlg::IDC_ACROSS,         CExportOptDlg::IDC_DOWN,
                              CExportOptDlg::IDC_MATRIX,         CExportOptDlg::IDC_INTERFACE,
                              CExportOptDlg::IDC_CONCEPT_UPDATE, CExportOptDlg::IDC_PHYSICAL_UPDATE};

constexpr Control kHidden[] = {
    {CExportOptDlg::IDC_RKEY_UNDERSCORE, u8"ｱﾝﾀﾞｰｽｺｱｰでRKEYを認識", kRkeyByUnderscore},
    {CExportOptDlg::IDC_KEY_CODES, u8"KEYをKPS、RKEYをRNで表示", kKeyCodesKps},
};

DWORD BitOf(int id)
{
    for (const Control& c : kTargets)
        if (c.id == id)
            return c.bit;
    for (const Control& c : kForms)
        if (c.id == id)
            return c.bit;
    for (const Control& c : kHidden)
        if (c.id == id)
            return c.bit;
    return 0;
}

} // namespace export_opt_dlg_cpp

CExportOptDlg::CExportOptDlg(DWORD exportOpt, CWnd* parent) : CDialog(IDD, parent), m_dwExportOpt(exportOpt) {}

void CExportOptDlg::BuildDialog()
{
    using namespace export_opt_dlg_cpp;
    QWidget* dialog = GetSafeHwnd();
    dialog->setWindowTitle(ToQString(u8"ｴｸｽﾎﾟｰﾄ"));
    auto* columns = new QHBoxLayout(dialog);
    auto* groups = new QVBoxLayout;
    auto* targets = new QGroupBox(ToQString(u8"ｴｸｽﾎﾟｰﾄ対象"));
    auto* targetBox = new QVBoxLayout(targets);
    for (const Control& c : kTargets)
        targetBox->addWidget(AddControl(c.id, new QCheckBox(ToQString(c.text))));
    groups->addWidget(targets);
    auto* forms = new QGroupBox(ToQString(u8"概念ﾌｧｲﾙのｴｸｽﾎﾟｰﾄ方法"));
    auto* formBox = new QVBoxLayout(forms);
    for (const Control& c : kForms)
        formBox->addWidget(AddControl(c.id, new QRadioButton(ToQString(c.text))));
    // Never shown: they only carry their bits through the dialog.
    for (const Control& c : kHidden)
        AddControl(c.id, new QCheckBox(ToQString(c.text), forms))->setVisible(false);
    groups->addWidget(forms);
    columns->addLayout(groups);
    auto* buttons = new QVBoxLayout;
    buttons->addLayout(MakeButtonRow({{IDOK, u8"OK"}, {IDCANCEL, u8"ｷｬﾝｾﾙ"}, {ID_HELP, u8"ﾍﾙﾌﾟ"}}));
    buttons->addStretch();
    columns->addLayout(buttons);
}

const MessageMap* CExportOptDlg::GetMessageMap() const
{
    static const MessageMap map{CDialog::GetMessageMap(),
                                {
                                    MapCommand(IDC_TEXTS, &CExportOptDlg::OnTargetCheck),
                                    MapCommand(IDC_DATA_SYMBOLS, &CExportOptDlg::OnTargetCheck),
                                    MapCommand(IDC_PROCESS_SYMBOLS, &CExportOptDlg::OnTargetCheck),
                                    MapCommand(IDC_FILES, &CExportOptDlg::OnFileTargetCheck),
                                }};
    return &map;
}

BOOL CExportOptDlg::IsChecked(int id) const
{
    return static_cast<const CButton*>(GetDlgItem(id))->GetCheck() == BST_CHECKED;
}

void CExportOptDlg::Check(int id, BOOL check)
{
    static_cast<CButton*>(GetDlgItem(id))->SetCheck(check ? BST_CHECKED : BST_UNCHECKED);
}

void CExportOptDlg::Enable(int id, BOOL enable)
{
    GetDlgItem(id)->EnableWindow(enable);
}

BOOL CExportOptDlg::FilesOnly() const
{
    return IsChecked(IDC_FILES) && !IsChecked(IDC_TEXTS) && !IsChecked(IDC_DATA_SYMBOLS) &&
           !IsChecked(IDC_PROCESS_SYMBOLS);
}

BOOL CExportOptDlg::OnInitDialog()
{
    using namespace export_opt_dlg_cpp;
    CDialog::OnInitDialog();
    for (const Control& c : kTargets)
        Check(c.id, (m_dwExportOpt & c.bit) != 0);
    for (const Control& c : kForms)
        if (m_dwExportOpt & c.bit)
            Check(c.id, TRUE);
    for (const Control& c : kHidden)
        Check(c.id, (m_dwExportOpt & c.bit) != 0);
    UpdateAcrossEnable();
    UpdateDownEnable();
    UpdateMatrixEnable();
    UpdateFileOnlyFormsEnable();
    return TRUE;
}

void CExportOptDlg::UpdateAcrossEnable()
{
    Enable(IDC_ACROSS, IsChecked(IDC_FILES));
}

void CExportOptDlg::UpdateDownEnable()
{
    Enable(IDC_DOWN, IsChecked(IDC_FILES));
}

void CExportOptDlg::UpdateMatrixEnable()
{
    if (FilesOnly()) {
        Enable(IDC_MATRIX, TRUE);
        return;
    }
    // Checking another button of the group clears this one.
    if (IsChecked(IDC_MATRIX))
        Check(IDC_ACROSS, TRUE);
    Enable(IDC_MATRIX, FALSE);
}

void CExportOptDlg::UpdateFileOnlyFormsEnable()
{
    const int ids[] = {IDC_INTERFACE, IDC_CONCEPT_UPDATE, IDC_PHYSICAL_UPDATE, IDC_RKEY_UNDERSCORE, IDC_KEY_CODES};
    const BOOL enable = FilesOnly();
    if (!enable && (IsChecked(IDC_INTERFACE) || IsChecked(IDC_CONCEPT_UPDATE) || IsChecked(IDC_PHYSICAL_UPDATE)))
        Check(IDC_ACROSS, TRUE);
    for (int id : ids)
        Enable(id, enable);
}

void CExportOptDlg::OnTargetCheck()
{
    UpdateMatrixEnable();
    UpdateFileOnlyFormsEnable();
}

void CExportOptDlg::OnFileTargetCheck()
{
    UpdateAcrossEnable();
    UpdateDownEnable();
    UpdateMatrixEnable();
    UpdateFileOnlyFormsEnable();
}

void CExportOptDlg::OnOK()
{
    using namespace export_opt_dlg_cpp;
    DWORD word = 0;
    for (const Control& c : kTargets)
        if (IsChecked(c.id))
            word |= c.bit;
    if (word == 0) {
        AfxMessageBox(CString(u8"ｴｸｽﾎﾟｰﾄ対象ｵﾌﾞｼﾞｪｸﾄが1つも選択されていません。少なくとも1つは選択してください。"),
                      MB_OK);
        GetDlgItem(IDC_TEXTS)->SetFocus();
        return;
    }
    for (int id : kFormOrder) {
        if (IsChecked(id)) {
            word |= BitOf(id);
            break;
        }
    }
    for (const Control& c : kHidden)
        if (IsChecked(c.id))
            word |= c.bit;
    m_dwExportOpt = word;
    CDialog::OnOK();
}
