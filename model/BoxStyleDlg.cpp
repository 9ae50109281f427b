#include "model/BoxStyleDlg.h"

#include "foundation/FileTypeMarks.h"
#include "platform/gdi/DC.h"
#include "platform/ui/Controls.h"
#include "platform/ui/FrameworkIds.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QVBoxLayout>

#include <functional>

namespace BoxStyleDlgImpl {

// The zoom of the sample drawing, in percent.
constexpr int kSampleZoom = 150;

// Draws the file box with the mark on show, centred in the widget.
class SampleWidget : public QWidget
{
public:
    explicit SampleWidget(std::function<WORD()> mark) : m_mark(std::move(mark))
    {
        setMinimumSize(260, 170);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QImage image(size(), QImage::Format_RGB32);
        image.fill(palette().color(QPalette::Window));
        {
            CDC dc;
            if (dc.CreateOnDevice(&image)) {
                DrawBoxStyleSampleInClient(&dc, {0, 0, width(), height()}, kSampleZoom, m_mark());
                dc.DeleteDC();
            }
        }
        QPainter(this).drawImage(0, 0, image);
    }

private:
    std::function<WORD()> m_mark;
};

} // namespace BoxStyleDlgImpl

CBoxStyleDlg::CBoxStyleDlg(CWnd* parent) : CDialog(IDD, parent) {}

void CBoxStyleDlg::BuildDialog()
{
    QWidget* dialog = GetSafeHwnd();
    dialog->setWindowTitle(ToQString(u8"ﾌｧｲﾙ類型の設定"));
    auto* layout = new QVBoxLayout(dialog);
    auto* grid = new QGridLayout;
    auto* mark = AddControl(IDC_MARK, new QComboBox);
    mark->setMaxVisibleItems(25);
    mark->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    QObject::connect(mark, &QComboBox::activated, mark, [this] { OnMarkChosen(); });
    auto* userName = AddControl(IDC_USER_NAME, new QLineEdit);
    userName->setMinimumWidth(200);
    const auto addRow = [&](int row, const char8_t* label, QWidget* field) {
        auto* caption = new QLabel(ToQString(label));
        caption->setBuddy(field);
        grid->addWidget(caption, row, 0);
        grid->addWidget(field, row, 1);
    };
    addRow(0, u8"描画ｽﾀｲﾙ名(&N):", mark);
    addRow(1, u8"ﾌｧｲﾙ類型名(&M):", userName);
    grid->addWidget(AddControl(IDC_SHOWN, new QCheckBox(ToQString(u8"ﾒﾆｭｰに表示(&S)"))), 2, 1);
    layout->addLayout(grid);

    auto* frame = AddControl(IDC_SAMPLE, new QGroupBox(ToQString(u8"描画ｻﾝﾌﾟﾙ")));
    auto* frameBox = new QVBoxLayout(frame);
    m_sample = new BoxStyleDlgImpl::SampleWidget([this] { return GetSampleMark(); });
    frameBox->addWidget(m_sample);
    layout->addWidget(frame, 1);
    layout->addLayout(
        MakeButtonRow({{IDOK, u8"OK"}, {IDCANCEL, u8"ｷｬﾝｾﾙ"}, {IDC_MODEL_DIAGRAM, u8"XJﾓﾃﾞﾙ図"}, {ID_HELP, u8"ﾍﾙﾌﾟ"}}));
}

const MessageMap* CBoxStyleDlg::GetMessageMap() const
{
    static const MessageMap map{CDialog::GetMessageMap(),
                                {
                                    MapCommand(IDC_MODEL_DIAGRAM, &CBoxStyleDlg::OnModelDiagram),
                                }};
    return &map;
}

WORD CBoxStyleDlg::GetSampleMark() const
{
    const CBoxStyle* style = m_rules.GetCurrent();
    return style ? style->GetMarkId() : 0;
}

BOOL CBoxStyleDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (!m_rules.Open()) {
        EndDialog(IDCANCEL);
        return FALSE;
    }
    FillAndShowFirst();
    return TRUE;
}

void CBoxStyleDlg::FillAndShowFirst()
{
    auto* combo = static_cast<CComboBox*>(GetDlgItem(IDC_MARK));
    m_rules.GetList().FillMarkNameCombo(combo);
    combo->SetCurSel(0);
    ShowCurrent();
}

void CBoxStyleDlg::ShowCurrent()
{
    const CBoxStyle* style = m_rules.GetCurrent();
    SetDlgItemText(IDC_USER_NAME, style ? style->GetUserName() : CString());
    static_cast<CButton*>(GetDlgItem(IDC_SHOWN))->SetCheck(style && style->GetShown() ? BST_CHECKED : BST_UNCHECKED);
    if (m_sample)
        m_sample->update();
}

void CBoxStyleDlg::StoreControls()
{
    CString userName;
    GetDlgItemText(IDC_USER_NAME, userName);
    m_rules.StoreCurrent(userName, static_cast<CButton*>(GetDlgItem(IDC_SHOWN))->GetCheck() == BST_CHECKED);
}

void CBoxStyleDlg::OnMarkChosen()
{
    StoreControls();
    if (CBoxStyle* style = CBoxStyleList::GetComboSelection(static_cast<CComboBox*>(GetDlgItem(IDC_MARK))))
        m_rules.SetCurrent(style);
    ShowCurrent();
}

void CBoxStyleDlg::OnModelDiagram()
{
    m_rules.ApplyModelDiagramPreset();
    FillAndShowFirst();
}

void CBoxStyleDlg::OnOK()
{
    StoreControls();
    CDialog::OnOK();
}
