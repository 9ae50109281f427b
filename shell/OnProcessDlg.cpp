#include "shell/OnProcessDlg.h"

#include "platform/ui/UserMessages.h"

#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

IMPLEMENT_DYNAMIC(COnProcessDlg, CDialog)

const MessageMap* COnProcessDlg::GetMessageMap() const
{
    static const MessageMap map{CDialog::GetMessageMap(),
                                {
                                    MapMessage(UM_PROCESS_SET_COUNT_TEXT, &COnProcessDlg::OnSetCountText),
                                    MapMessage(UM_PROCESS_SET_PHASE_TEXT, &COnProcessDlg::OnSetPhaseText),
                                }};
    return &map;
}

BOOL COnProcessDlg::Create(CWnd* parent)
{
    return CDialog::Create(IDD, parent);
}

void COnProcessDlg::BuildDialog()
{
    QWidget* dialog = GetSafeHwnd();
    dialog->setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    // 226 x 64 dialog units at the dialog font's usual 1.5 x 2 pixels per unit.
    dialog->setFixedSize(339, 104);
    auto* frame = new QFrame(dialog);
    frame->setFrameShape(QFrame::Box);
    frame->setGeometry(dialog->rect());
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(new QLabel(QStringLiteral("処理中です。しばらくお待ちください。")));
    layout->addWidget(AddControl(IDC_PHASE, new QLabel(QStringLiteral("マウスが動いていると処理が速くなります。"))));
    layout->addWidget(AddControl(IDC_COUNT, new QLabel(QStringLiteral("Message"))));
}

BOOL COnProcessDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CenterWindow();
    SetDlgItemText(IDC_COUNT, "");
    return TRUE;
}

LRESULT COnProcessDlg::SetLine(int id, LPARAM text)
{
    if (text == 0)
        return 0;
    SetDlgItemText(id, reinterpret_cast<LPCTSTR>(text));
    return 1;
}

LRESULT COnProcessDlg::OnSetCountText(WPARAM, LPARAM lParam)
{
    return SetLine(IDC_COUNT, lParam);
}

LRESULT COnProcessDlg::OnSetPhaseText(WPARAM, LPARAM lParam)
{
    return SetLine(IDC_PHASE, lParam);
}
