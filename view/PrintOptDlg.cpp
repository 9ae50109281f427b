#include "view/PrintOptDlg.h"

#include "platform/afx/String.h"
#include "platform/ui/FrameworkIds.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

CPrintOptDlg::CPrintOptDlg(CWnd* parent) : CDialog(IDD, parent) {}

void CPrintOptDlg::BuildDialog()
{
    QWidget* dialog = GetSafeHwnd();
    dialog->setWindowTitle(ToQString(u8"印刷ｵﾌﾟｼｮﾝ"));
    auto* layout = new QVBoxLayout(dialog);
    PrintOptionControls::Build(layout, [this](int id, QWidget* control) { return AddControl(id, control); });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(AddControl(IDOK, new QPushButton(QStringLiteral("OK"))));
    buttons->addWidget(AddControl(IDCANCEL, new QPushButton(ToQString(u8"ｷｬﾝｾﾙ"))));
    buttons->addWidget(AddControl(ID_HELP, new QPushButton(ToQString(u8"ﾍﾙﾌﾟ"))));
    layout->addLayout(buttons);
}

BOOL CPrintOptDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    PrintOptionControls::Show(*this, m_values);
    GetDlgItem(PrintOptionControls::IDC_HEADER)->EnableWindow(m_bHeaderEnabled);
    return TRUE;
}

void CPrintOptDlg::OnOK()
{
    m_values = PrintOptionControls::Read(*this);
    CDialog::OnOK();
}
