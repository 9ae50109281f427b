#include "view/ViewOptionControls.h"

#include "foundation/CommandIds.h"
#include "platform/afx/String.h"
#include "platform/ui/BuddySpin.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DataExchange.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include <array>

namespace ViewOptionControls {

constexpr int IDC_FIT_TO_WINDOW = 1108;
constexpr int IDC_ZOOM_STEP = 1109;
constexpr int IDC_ZOOM_STEP_SPIN = 1110;
constexpr int IDC_DRAW_GRID = 1111;
constexpr int IDC_ADJUST_GRID = 1112;
constexpr int IDC_DRAW_GUIDE = 1113;
constexpr int IDC_GRID_WIDTH = 1114;
constexpr int IDC_GRID_WIDTH_SPIN = 1115;
constexpr int IDC_CANVAS_BACK = 1116;
constexpr int IDC_AUTO_CONNECT = 1117;
constexpr int IDC_AUTO_CONNECT_FRAME = 1131;
constexpr int IDC_AUTO_POLY_IN_ORDER = 1174;
constexpr int kMinZoomStep = 10;
constexpr int kMaxZoomStep = 50;
constexpr int kMinGridWidth = 10;
constexpr int kMaxGridWidth = 100;

// The shaping radio buttons with the method each stands for.
struct LineMethod
{
    int id;
    const char8_t* text;
    int method;
};
constexpr std::array<LineMethod, 4> kLineMethods{{
    {IDC_FIRST_LINE_METHOD, u8"自動変形なし(&N)", 0},
    {1169, u8"垂直ｸﾗﾝｸ変形(&V)", ID_OP_LINE_VERTICAL_CRANK},
    {1170, u8"水平ｸﾗﾝｸ変形(&H)", ID_OP_LINE_HORIZONTAL_CRANK},
    {IDC_LAST_LINE_METHOD, u8"直角変形(&R)", ID_OP_LINE_RIGHT_ANGLE},
}};

void Build(QVBoxLayout* layout, const PrintOptionControls::AddControlFunction& add)
{
    const auto check = [&](int id, const char8_t* text) { layout->addWidget(add(id, new QCheckBox(ToQString(text)))); };
    // A number edit with its up-down control between its label and its range.
    const auto number = [&](const char8_t* label, int editId, const char8_t* range) {
        auto* row = new QHBoxLayout;
        auto* caption = new QLabel(ToQString(label));
        auto* edit = new QLineEdit;
        add(editId, edit);
        edit->setMaximumWidth(56);
        caption->setBuddy(edit);
        row->addWidget(caption);
        row->addWidget(edit);
        row->addWidget(add(editId + 1, new BuddySpin(edit)));
        row->addWidget(new QLabel(ToQString(range)));
        row->addStretch();
        layout->addLayout(row);
    };
    check(IDC_FIT_TO_WINDOW, u8"ｳｨﾝﾄﾞｻｲｽﾞに合わせて拡大縮小表示(&W)");
    number(u8"拡大縮小変更幅(&Z):", IDC_ZOOM_STEP, u8"% (10～50)");
    check(IDC_DRAW_GRID, u8"ｸﾞﾘｯﾄﾞを表示(&G)");
    check(IDC_ADJUST_GRID, u8"ｸﾞﾘｯﾄﾞへ配置(&A)");
    number(u8"ｸﾞﾘｯﾄﾞ幅(&W):", IDC_GRID_WIDTH, u8"mm (10～100)");
    check(IDC_AUTO_CONNECT, u8"ﾗｲﾝ･折れ線の自動接続(&C)");
    check(IDC_AUTO_CONNECT_FRAME, u8"ﾗｲﾝ･折れ線の自動接続時に外枠上に接続(&A)");
    auto* shaping = new QGroupBox(ToQString(u8"ﾗｲﾝ作成時の自動変形(&H)"));
    auto* shapingBox = new QVBoxLayout(shaping);
    for (const LineMethod& m : kLineMethods)
        shapingBox->addWidget(add(m.id, new QRadioButton(ToQString(m.text))));
    layout->addWidget(shaping);
    check(IDC_AUTO_POLY_IN_ORDER, u8"折れ線の作成･変更時に点位置自動調整(&P)");
    check(IDC_DRAW_GUIDE, u8"ｶﾞｲﾄﾞを表示(&D)");
    check(IDC_CANVAS_BACK, u8"ｷｬﾝﾊﾞｽの塗りつぶし(&C)");
}

void Show(CWnd& dialog, const ViewOptionValues& values)
{
    static_cast<CSpinButtonCtrl*>(dialog.GetDlgItem(IDC_ZOOM_STEP_SPIN))->SetRange(kMinZoomStep, kMaxZoomStep);
    static_cast<CSpinButtonCtrl*>(dialog.GetDlgItem(IDC_GRID_WIDTH_SPIN))->SetRange(kMinGridWidth, kMaxGridWidth);
    // A method of no button checks none.
    for (const LineMethod& m : kLineMethods)
        static_cast<CButton*>(dialog.GetDlgItem(m.id))
            ->SetCheck(m.method == values.autoCmdLineMethod ? BST_CHECKED : BST_UNCHECKED);
}

void Exchange(CDataExchange* dx, ViewOptionValues& values)
{
    DDX_Check(dx, IDC_FIT_TO_WINDOW, values.fitToWindow);
    DDX_Text(dx, IDC_ZOOM_STEP, values.zoomStep);
    DDV_MinMaxInt(dx, values.zoomStep, kMinZoomStep, kMaxZoomStep);
    DDX_Check(dx, IDC_DRAW_GRID, values.drawGrid);
    DDX_Check(dx, IDC_ADJUST_GRID, values.adjustGrid);
    DDX_Text(dx, IDC_GRID_WIDTH, values.gridWidth);
    DDV_MinMaxInt(dx, values.gridWidth, kMinGridWidth, kMaxGridWidth);
    DDX_Check(dx, IDC_AUTO_CONNECT, values.autoConnect);
    DDX_Check(dx, IDC_AUTO_CONNECT_FRAME, values.autoConnectFrame);
    DDX_Check(dx, IDC_AUTO_POLY_IN_ORDER, values.autoPolyInOrder);
    DDX_Check(dx, IDC_DRAW_GUIDE, values.drawGuide);
    DDX_Check(dx, IDC_CANVAS_BACK, values.drawCanvasBack);
}

void PickLineMethod(const CWnd& dialog, UINT id, ViewOptionValues& values)
{
    for (const LineMethod& m : kLineMethods)
        if (UINT(m.id) == id && static_cast<const CButton*>(dialog.GetDlgItem(m.id))->GetCheck() == BST_CHECKED)
            values.autoCmdLineMethod = m.method;
}

} // namespace ViewOptionControls
