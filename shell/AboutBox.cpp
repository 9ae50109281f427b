#include "shell/AboutBox.h"

#include "platform/afx/StringTable.h"
#include "shell/ZivraApp.h"

#include <QDialog>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

IMPLEMENT_DYNAMIC(CAboutBox, CDialog)

CAboutBox::CAboutBox(CWnd* parent) : CDialog(IDD, parent) {}
CAboutBox::~CAboutBox()
{
    m_icon.Detach();
}

void CAboutBox::BuildDialog()
{
    QWidget* dialog = GetSafeHwnd();
    SetWindowText(CString(u8"ﾊﾞｰｼﾞｮﾝ情報"));
    auto* grid = new QGridLayout(dialog);
    auto* icon = AddControl(IDC_BIGICON, new QPushButton);
    icon->setFlat(true);
    icon->setFocusPolicy(Qt::NoFocus);
    grid->addWidget(icon, 0, 0, 3, 1, Qt::AlignTop);
    grid->addWidget(AddControl(IDC_PRODUCT, new QLabel), 0, 1);
    grid->addWidget(AddControl(IDC_VERSION, new QLabel), 1, 1);
    grid->addWidget(AddControl(IDC_RIGHTS, new QLabel), 2, 1);
    auto* rule = new QFrame;
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    grid->addWidget(rule, 3, 0, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Zivra は Orlek の構造図エディタです。")), 4, 0, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("このソフトウェアは著作権法により保護されています。")), 5, 0, 1, 2);
    grid->addWidget(AddControl(IDOK, new QPushButton(QStringLiteral("OK"))), 6, 1, Qt::AlignRight);
}

BOOL CAboutBox::OnInitDialog()
{
    CDialog::OnInitDialog();
    CenterWindow();
    const CString title = LoadStringResource(128);
    if (!title.IsEmpty())
        SetWindowText(title + CString(u8" のバージョン情報"));
    SetDlgItemText(IDC_PRODUCT, LoadStringResource(192));
    SetDlgItemText(IDC_VERSION, LoadStringResource(190) + " (" + CZivraApp::GetEditionText() + ")");
    SetDlgItemText(IDC_RIGHTS, LoadStringResource(191));
    m_icon.SubclassDlgItem(IDC_BIGICON, this);
    m_icon.SizeToContent();
    return TRUE;
}
