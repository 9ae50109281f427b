#include "view/SetViewCurDlg.h"

#include "platform/afx/String.h"
#include "platform/ui/FrameworkIds.h"

#include <QVBoxLayout>
#include <QWidget>

CSetViewCurDlg::CSetViewCurDlg(CWnd* parent) : CDialog(IDD, parent) {}

void CSetViewCurDlg::BuildDialog()
{
    QWidget* dialog = GetSafeHwnd();
    dialog->setWindowTitle(ToQString(u8"表示"));
    auto* layout = new QVBoxLayout(dialog);
    ViewOptionControls::Build(layout, [this](int id, QWidget* control) { return AddControl(id, control); });
    layout->addLayout(MakeButtonRow({{IDOK, u8"OK"}, {IDCANCEL, u8"ｷｬﾝｾﾙ"}, {ID_HELP, u8"ﾍﾙﾌﾟ"}}));
}

BOOL CSetViewCurDlg::OnInitDialog()
{
    ViewOptionControls::Show(*this, m_values);
    return CDialog::OnInitDialog();
}

void CSetViewCurDlg::DoDataExchange(CDataExchange* dx)
{
    ViewOptionControls::Exchange(dx, m_values);
}

void CSetViewCurDlg::OnLineMethod(UINT id)
{
    ViewOptionControls::PickLineMethod(*this, id, m_values);
}

const MessageMap* CSetViewCurDlg::GetMessageMap() const
{
    using namespace ViewOptionControls;
    static const MessageMap map{CDialog::GetMessageMap(),
                                {
                                    MapCommandRange(IDC_FIRST_LINE_METHOD, IDC_LAST_LINE_METHOD,
                                                    &CSetViewCurDlg::OnLineMethod),
                                }};
    return &map;
}
