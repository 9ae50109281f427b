#include "model/RelLineDlg.h"

#include "document/BaseDoc.h"
#include "model/RelLineObj.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/FrameworkIds.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace RelLineDlgImpl {

constexpr const char8_t* kCardinalityTexts[4] = {u8"Zero, One or More", u8"One or More (P)", u8"Zero or One (Z)",
                                                 u8"定数"};

} // namespace RelLineDlgImpl

CRelLineDlg::CRelLineDlg(CBaseDoc& doc, CRelLineObj& arrow, BOOL noTitle, CWnd* parent)
    : CDialog(IDD, parent), m_doc(doc), m_arrow(arrow), m_bNoTitle(noTitle), m_bReadOnly(doc.IsReadOnly())
{
}

void CRelLineDlg::BuildDialog()
{
    using namespace RelLineDlgImpl;
    QWidget* dialog = GetSafeHwnd();
    dialog->setWindowTitle(ToQString(u8"1:N矢線の設定"));
    auto* layout = new QVBoxLayout(dialog);
    auto* cardinality = new QGroupBox(ToQString(u8"ｶｰﾃﾞｨﾅﾘﾃｨ"));
    auto* cardinalityBox = new QVBoxLayout(cardinality);
    for (int i = 0; i < 4; ++i) {
        auto* button = AddControl(IDC_CARDINALITY_FIRST + i, new QRadioButton(ToQString(kCardinalityTexts[i])));
        if (i < 3) {
            cardinalityBox->addWidget(button);
            continue;
        }
        auto* row = new QHBoxLayout;
        row->addWidget(button);
        row->addWidget(AddControl(IDC_CONSTANT, new QLineEdit));
        cardinalityBox->addLayout(row);
    }
    layout->addWidget(cardinality);
    auto* nulls = new QGroupBox(ToQString(u8"NULLを許す/許さない"));
    auto* nullBox = new QVBoxLayout(nulls);
    nullBox->addWidget(AddControl(IDC_NULL_ALLOWED, new QRadioButton(ToQString(u8"NULLを許す"))));
    nullBox->addWidget(AddControl(IDC_NULL_REFUSED, new QRadioButton(ToQString(u8"NULLを許さない"))));
    layout->addWidget(nulls);
    layout->addLayout(MakeButtonRow({{IDOK, u8"OK"}, {IDCANCEL, u8"ｷｬﾝｾﾙ"}, {ID_HELP, u8"ﾍﾙﾌﾟ"}}));
}

void CRelLineDlg::DoDataExchange(CDataExchange* dx)
{
    // The constant is read back only when the constant cardinality uses it.
    if (!dx->m_bSaveAndValidate || RelLineDlgRules::UsesConstant(m_settings.cardinality)) {
        DDX_Text(dx, IDC_CONSTANT, m_settings.constant);
        if (dx->m_bSaveAndValidate)
            DDV_MinMaxInt(dx, m_settings.constant, RelLineDlgRules::kMinConstant, RelLineDlgRules::kMaxConstant);
    }
}

const MessageMap* CRelLineDlg::GetMessageMap() const
{
    static const MessageMap map{CDialog::GetMessageMap(),
                                {
                                    MapCommandRange(IDC_CARDINALITY_FIRST, IDC_CARDINALITY_FIRST + 3,
                                                    &CRelLineDlg::OnCardinality),
                                    MapCommandRange(IDC_NULL_ALLOWED, IDC_NULL_REFUSED, &CRelLineDlg::OnNullButton),
                                }};
    return &map;
}

BOOL CRelLineDlg::OnInitDialog()
{
    m_settings = RelLineDlgRules::ReadOneToMany(m_arrow);
    CDialog::OnInitDialog();
    GetDlgItem(IDOK)->EnableWindow(!m_bReadOnly);
    if (!m_bNoTitle) {
        CString title;
        GetWindowText(title);
        if (RelLineDlgRules::BuildEndFilesTitle(m_doc, m_arrow, title))
            SetWindowText(title);
    }
    for (int i = 0; i < 4; ++i)
        static_cast<CButton*>(GetDlgItem(IDC_CARDINALITY_FIRST + i))
            ->SetCheck(m_settings.cardinality == i + 1 ? BST_CHECKED : BST_UNCHECKED);
    static_cast<CButton*>(GetDlgItem(IDC_NULL_ALLOWED))->SetCheck(m_settings.nullAllowed ? BST_CHECKED : BST_UNCHECKED);
    static_cast<CButton*>(GetDlgItem(IDC_NULL_REFUSED))->SetCheck(m_settings.nullAllowed ? BST_UNCHECKED : BST_CHECKED);
    ApplyEnables();
    return TRUE;
}

void CRelLineDlg::ApplyEnables()
{
    for (int id = IDC_CARDINALITY_FIRST; id <= IDC_NULL_REFUSED; ++id)
        if (id != IDC_CONSTANT)
            GetDlgItem(id)->EnableWindow(!m_bReadOnly);
    static_cast<CEdit*>(GetDlgItem(IDC_CONSTANT))
        ->SetReadOnly(RelLineDlgRules::IsConstantEditReadOnly(m_bReadOnly, m_settings.cardinality));
}

void CRelLineDlg::OnCardinality(UINT id)
{
    m_settings.cardinality = WORD(id - IDC_CARDINALITY_FIRST + 1);
    ApplyEnables();
}

void CRelLineDlg::OnNullButton(UINT /*id*/)
{
    m_settings.nullAllowed = static_cast<CButton*>(GetDlgItem(IDC_NULL_ALLOWED))->GetCheck() == BST_CHECKED;
}
