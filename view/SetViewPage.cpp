#include "view/SetViewPage.h"

#include "platform/afx/String.h"

#include <QVBoxLayout>

CSetViewPage::CSetViewPage() : CPropertyPage(IDD, CString(u8"表示")) {}

void CSetViewPage::BuildDialog()
{
    auto* layout = new QVBoxLayout(GetSafeHwnd());
    ViewOptionControls::Build(layout, [this](int id, QWidget* control) { return AddControl(id, control); });
    layout->addStretch();
}

BOOL CSetViewPage::OnInitDialog()
{
    ViewOptionControls::Show(*this, m_values);
    return CPropertyPage::OnInitDialog();
}

void CSetViewPage::DoDataExchange(CDataExchange* dx)
{
    ViewOptionControls::Exchange(dx, m_values);
}

void CSetViewPage::OnLineMethod(UINT id)
{
    ViewOptionControls::PickLineMethod(*this, id, m_values);
}

const MessageMap* CSetViewPage::GetMessageMap() const
{
    using namespace ViewOptionControls;
    static const MessageMap map{CPropertyPage::GetMessageMap(),
                                {
                                    MapCommandRange(IDC_FIRST_LINE_METHOD, IDC_LAST_LINE_METHOD,
                                                    &CSetViewPage::OnLineMethod),
                                }};
    return &map;
}
