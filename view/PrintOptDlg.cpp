#include "view/PrintOptDlg.h"

#include "platform/afx/String.h"
#include "platform/ui/Controls.h"
#include "platform/ui/FrameworkIds.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace PrintOptDlgImpl {

constexpr int IDC_HEADER = 1000;
constexpr int IDC_EACH_PAGE = 1001;
constexpr int IDC_LAYOUT_FRAMES = 1002;
constexpr int IDC_NO_FRAMES = 1003;
constexpr int IDC_FRAME_GROUP = 1004;
constexpr int IDC_VIEW_SCALE = 1005;
constexpr int IDC_FOOTER_PAGE = 1006;

} // namespace PrintOptDlgImpl

CPrintOptDlg::CPrintOptDlg(CWnd* parent) : CDialog(IDD, parent) {}

void CPrintOptDlg::BuildDialog()
{
    using namespace PrintOptDlgImpl;
    QWidget* dialog = GetSafeHwnd();
    dialog->setWindowTitle(ToQString(u8"印刷ｵﾌﾟｼｮﾝ"));
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(AddControl(IDC_HEADER, new QCheckBox(ToQString(u8"自動表示ﾍｯﾀﾞｰを印刷(&H)"))));
    auto* frames = AddControl(IDC_FRAME_GROUP, new QGroupBox(ToQString(u8"ﾍﾟｰｼﾞ枠の印刷(&F)")));
    auto* frameBox = new QVBoxLayout(frames);
    frameBox->addWidget(AddControl(IDC_EACH_PAGE, new QRadioButton(ToQString(u8"各ﾍﾟｰｼﾞ"))));
    frameBox->addWidget(AddControl(IDC_LAYOUT_FRAMES, new QRadioButton(ToQString(u8"ﾍﾟｰｼﾞ･ﾚｲｱｳﾄ確認用"))));
    frameBox->addWidget(AddControl(IDC_NO_FRAMES, new QRadioButton(ToQString(u8"印刷しない"))));
    layout->addWidget(frames);
    layout->addWidget(AddControl(IDC_VIEW_SCALE, new QCheckBox(ToQString(u8"画面表示ｽｹｰﾙで印刷(&V)"))));
    layout->addWidget(AddControl(IDC_FOOTER_PAGE, new QCheckBox(ToQString(u8"ﾌｯﾀｰ部のﾍﾟｰｼﾞを印刷(&P)"))));
    auto* buttons = new QHBoxLayout;
    auto* ok = AddControl(IDOK, new QPushButton(QStringLiteral("OK")));
    ok->setDefault(true);
    buttons->addWidget(ok);
    buttons->addWidget(AddControl(IDCANCEL, new QPushButton(ToQString(u8"ｷｬﾝｾﾙ"))));
    buttons->addWidget(AddControl(ID_HELP, new QPushButton(ToQString(u8"ﾍﾙﾌﾟ"))));
    layout->addLayout(buttons);
}

BOOL CPrintOptDlg::IsChecked(int id) const
{
    return static_cast<const CButton*>(GetDlgItem(id))->GetCheck() == BST_CHECKED;
}

void CPrintOptDlg::SetChecked(int id, BOOL checked)
{
    static_cast<CButton*>(GetDlgItem(id))->SetCheck(checked ? BST_CHECKED : BST_UNCHECKED);
}

BOOL CPrintOptDlg::OnInitDialog()
{
    using namespace PrintOptDlgImpl;
    CDialog::OnInitDialog();
    SetChecked(IDC_HEADER, m_bDrawHeader);
    SetChecked(IDC_VIEW_SCALE, m_bPrintViewScale);
    SetChecked(IDC_EACH_PAGE, m_bDrawPrintPageFrame);
    SetChecked(IDC_LAYOUT_FRAMES, !m_bDrawPrintPageFrame && m_bDrawFrameOnPrint);
    SetChecked(IDC_NO_FRAMES, !m_bDrawPrintPageFrame && !m_bDrawFrameOnPrint);
    SetChecked(IDC_FOOTER_PAGE, m_bDrawFooterPage);
    GetDlgItem(IDC_HEADER)->EnableWindow(m_bHeaderEnabled);
    return TRUE;
}

void CPrintOptDlg::OnOK()
{
    using namespace PrintOptDlgImpl;
    m_bDrawHeader = IsChecked(IDC_HEADER);
    m_bPrintViewScale = IsChecked(IDC_VIEW_SCALE);
    m_bDrawPrintPageFrame = IsChecked(IDC_EACH_PAGE);
    m_bDrawFrameOnPrint = IsChecked(IDC_LAYOUT_FRAMES);
    m_bDrawFooterPage = IsChecked(IDC_FOOTER_PAGE);
    CDialog::OnOK();
}
