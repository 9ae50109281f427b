#include "view/ZoomDlg.h"

#include "foundation/ShellFunctions.h"
#include "platform/afx/String.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/FrameworkIds.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <array>
#include <functional>
#include <string>
#include <utility>

namespace ZoomDlgImpl {

constexpr int IDC_CUSTOM = 1016;
constexpr int IDC_ZOOM = 1017;
constexpr int kMinZoom = 10;
constexpr int kMaxZoom = 400;

// The preset buttons 1007 to 1015 in id order.
constexpr std::array<int, 9> kPresets{400, 200, 150, 125, 100, 75, 50, 25, 10};
constexpr int kFirstPresetId = 1007;

// The zoom edit tells the dialog when it gets the focus.
class ZoomEdit : public QLineEdit
{
public:
    explicit ZoomEdit(std::function<void()> onFocus) : m_onFocus(std::move(onFocus)) {}

protected:
    void focusInEvent(QFocusEvent* event) override
    {
        QLineEdit::focusInEvent(event);
        m_onFocus();
    }

private:
    std::function<void()> m_onFocus;
};

} // namespace ZoomDlgImpl

CZoomDlg::CZoomDlg(CWnd* parent) : CDialog(IDD, parent) {}

void CZoomDlg::BuildDialog()
{
    using namespace ZoomDlgImpl;
    QWidget* dialog = GetSafeHwnd();
    dialog->setWindowTitle(ToQString(u8"ｽﾞｰﾑ"));
    auto* layout = new QHBoxLayout(dialog);
    auto* group = new QGroupBox(ToQString(u8"表示倍率"));
    auto* radios = new QVBoxLayout(group);
    for (size_t i = 0; i < kPresets.size(); ++i)
        radios->addWidget(
            AddControl(kFirstPresetId + int(i), new QRadioButton(QStringLiteral("%1%").arg(kPresets[i]))));
    auto* custom = new QHBoxLayout;
    custom->addWidget(AddControl(IDC_CUSTOM, new QRadioButton(ToQString(u8"指定(&C):"))));
    auto* edit = AddControl(IDC_ZOOM, new ZoomEdit([this] { OnZoomFocus(); }));
    edit->setMaximumWidth(56);
    QObject::connect(edit, &QLineEdit::textChanged, edit, [this] { OnChangeZoom(); });
    custom->addWidget(edit);
    custom->addWidget(new QLabel(QStringLiteral("%")));
    radios->addLayout(custom);
    layout->addWidget(group);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(AddControl(IDOK, new QPushButton(QStringLiteral("OK"))));
    buttons->addWidget(AddControl(IDCANCEL, new QPushButton(ToQString(u8"ｷｬﾝｾﾙ"))));
    buttons->addWidget(AddControl(ID_HELP, new QPushButton(ToQString(u8"ﾍﾙﾌﾟ"))));
    buttons->addStretch();
    layout->addLayout(buttons);
}

void CZoomDlg::DoDataExchange(CDataExchange* dx)
{
    using namespace ZoomDlgImpl;
    DDX_Text(dx, IDC_ZOOM, m_nZoom);
    DDV_MinMaxInt(dx, m_nZoom, kMinZoom, kMaxZoom);
}

BOOL CZoomDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    ShowRadioFor(m_nZoom);
    return TRUE;
}

void CZoomDlg::ShowRadioFor(int zoom)
{
    using namespace ZoomDlgImpl;
    BOOL preset = FALSE;
    for (size_t i = 0; i < kPresets.size(); ++i) {
        static_cast<CButton*>(GetDlgItem(kFirstPresetId + int(i)))
            ->SetCheck(kPresets[i] == zoom ? BST_CHECKED : BST_UNCHECKED);
        preset |= kPresets[i] == zoom;
    }
    static_cast<CButton*>(GetDlgItem(IDC_CUSTOM))->SetCheck(preset ? BST_UNCHECKED : BST_CHECKED);
}

void CZoomDlg::OnPreset(UINT id)
{
    using namespace ZoomDlgImpl;
    m_nZoom = kPresets[id - kFirstPresetId];
    SetDlgItemText(IDC_ZOOM, std::to_string(m_nZoom).c_str());
}

void CZoomDlg::OnCustom()
{
    using namespace ZoomDlgImpl;
    auto* edit = static_cast<CEdit*>(GetDlgItem(IDC_ZOOM));
    edit->SetSel(0, -1);
    edit->SetFocus();
}

void CZoomDlg::OnChangeZoom()
{
    using namespace ZoomDlgImpl;
    CString text;
    GetDlgItemText(IDC_ZOOM, text);
    bool ok = false;
    const int value = ToQString(text).trimmed().toInt(&ok);
    if (ok && value >= kMinZoom && value <= kMaxZoom)
        ShowRadioFor(value);
}

void CZoomDlg::OnZoomFocus()
{
    SetImeOpen(this, FALSE);
}

const MessageMap* CZoomDlg::GetMessageMap() const
{
    using namespace ZoomDlgImpl;
    static const MessageMap map{CDialog::GetMessageMap(),
                                {
                                    MapCommandRange(kFirstPresetId, kFirstPresetId + int(kPresets.size()) - 1,
                                                    &CZoomDlg::OnPreset),
                                    MapCommand(IDC_CUSTOM, &CZoomDlg::OnCustom),
                                }};
    return &map;
}
