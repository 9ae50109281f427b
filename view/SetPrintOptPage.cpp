#include "view/SetPrintOptPage.h"

#include <QVBoxLayout>

CSetPrintOptPage::CSetPrintOptPage() : CPropertyPage(IDD, CString(u8"印刷")) {}

void CSetPrintOptPage::BuildDialog()
{
    auto* layout = new QVBoxLayout(GetSafeHwnd());
    PrintOptionControls::Build(layout, [this](int id, QWidget* control) { return AddControl(id, control); });
    layout->addStretch();
}

BOOL CSetPrintOptPage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    PrintOptionControls::Show(*this, m_values);
    return TRUE;
}

BOOL CSetPrintOptPage::OnKillActive()
{
    m_values = PrintOptionControls::Read(*this);
    return TRUE;
}
