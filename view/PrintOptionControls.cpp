#include "view/PrintOptionControls.h"

#include "platform/afx/String.h"
#include "platform/ui/Controls.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace PrintOptionControls {

constexpr int IDC_EACH_PAGE = 1001;
constexpr int IDC_LAYOUT_FRAMES = 1002;
constexpr int IDC_NO_FRAMES = 1003;
constexpr int IDC_FRAME_GROUP = 1004;
constexpr int IDC_VIEW_SCALE = 1005;
constexpr int IDC_FOOTER_PAGE = 1006;

void Build(QVBoxLayout* layout, const AddControlFunction& add)
{
    layout->addWidget(add(IDC_HEADER, new QCheckBox(ToQString(u8"自動表示ﾍｯﾀﾞｰを印刷(&H)"))));
    auto* frames = add(IDC_FRAME_GROUP, new QGroupBox(ToQString(u8"ﾍﾟｰｼﾞ枠の印刷(&F)")));
    auto* frameBox = new QVBoxLayout(frames);
    frameBox->addWidget(add(IDC_EACH_PAGE, new QRadioButton(ToQString(u8"各ﾍﾟｰｼﾞ"))));
    frameBox->addWidget(add(IDC_LAYOUT_FRAMES, new QRadioButton(ToQString(u8"ﾍﾟｰｼﾞ･ﾚｲｱｳﾄ確認用"))));
    frameBox->addWidget(add(IDC_NO_FRAMES, new QRadioButton(ToQString(u8"印刷しない"))));
    layout->addWidget(frames);
    layout->addWidget(add(IDC_VIEW_SCALE, new QCheckBox(ToQString(u8"画面表示ｽｹｰﾙで印刷(&V)"))));
    layout->addWidget(add(IDC_FOOTER_PAGE, new QCheckBox(ToQString(u8"ﾌｯﾀｰ部のﾍﾟｰｼﾞを印刷(&P)"))));
}

namespace {

BOOL IsChecked(const CWnd& dialog, int id)
{
    return static_cast<const CButton*>(dialog.GetDlgItem(id))->GetCheck() == BST_CHECKED;
}

void SetChecked(CWnd& dialog, int id, BOOL checked)
{
    static_cast<CButton*>(dialog.GetDlgItem(id))->SetCheck(checked ? BST_CHECKED : BST_UNCHECKED);
}

} // namespace

void Show(CWnd& dialog, const PrintOptionValues& values)
{
    SetChecked(dialog, IDC_HEADER, values.drawHeader);
    SetChecked(dialog, IDC_VIEW_SCALE, values.printViewScale);
    SetChecked(dialog, IDC_EACH_PAGE, values.drawPrintPageFrame);
    SetChecked(dialog, IDC_LAYOUT_FRAMES, !values.drawPrintPageFrame && values.drawFrameOnPrint);
    SetChecked(dialog, IDC_NO_FRAMES, !values.drawPrintPageFrame && !values.drawFrameOnPrint);
    SetChecked(dialog, IDC_FOOTER_PAGE, values.drawFooterPage);
}

PrintOptionValues Read(const CWnd& dialog)
{
    PrintOptionValues values;
    values.drawHeader = IsChecked(dialog, IDC_HEADER);
    values.printViewScale = IsChecked(dialog, IDC_VIEW_SCALE);
    values.drawPrintPageFrame = IsChecked(dialog, IDC_EACH_PAGE);
    values.drawFrameOnPrint = IsChecked(dialog, IDC_LAYOUT_FRAMES);
    values.drawFooterPage = IsChecked(dialog, IDC_FOOTER_PAGE);
    return values;
}

} // namespace PrintOptionControls
