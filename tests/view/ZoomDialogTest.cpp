// The zoom dialog of a view: the radio buttons follow the typed value, the value is checked on OK,
// and a new value leaves fit-to-window mode.
#include "tests/support/MessageScript.h"
#include "tests/view/ViewTestSupport.h"

#include "platform/ui/Controls.h"
#include "platform/ui/Dialog.h"

#include <QLineEdit>

#include <functional>
#include <string>
#include <vector>

namespace ZoomDialogTestImpl {

constexpr int kCustom = 1016;
constexpr int kEdit = 1017;

// The ids of the checked radio buttons 1007 to 1016.
std::vector<int> CheckedRadios(CDialog& dialog)
{
    std::vector<int> checked;
    for (int id = 1007; id <= kCustom; ++id)
        if (static_cast<CButton*>(dialog.GetDlgItem(id))->GetCheck() == BST_CHECKED)
            checked.push_back(id);
    return checked;
}

QLineEdit* Edit(CDialog& dialog)
{
    return qobject_cast<QLineEdit*>(dialog.GetDlgItem(kEdit)->GetSafeHwnd());
}

} // namespace ZoomDialogTestImpl

using ZoomDialogTestImpl::CheckedRadios;
using ZoomDialogTestImpl::Edit;
using ZoomDialogTestImpl::kCustom;

class ZoomDialog : public ViewTest
{
protected:
    void Run(const std::function<void(CDialog&)>& user)
    {
        CDialog::SetModalHook([&](CDialog& dialog) { user(dialog); });
        m_view->SendMessage(WM_COMMAND, ID_VIEW_ZOOM);
        CDialog::SetModalHook(nullptr);
    }
};

TEST_F(ZoomDialog, RadioButtonsFollowTheTypedZoomWithinItsRange)
{
    CZivraView& view = Open();
    view.SetZoom(130);
    Run([](CDialog& d) {
        EXPECT_EQ(Edit(d)->text(), QStringLiteral("130"));
        EXPECT_EQ(CheckedRadios(d), std::vector<int>{kCustom});
        struct Case
        {
            const char* typed;
            std::vector<int> checked;
        };
        // A value outside 10..400, or no number, leaves the buttons as they were.
        for (const Case& c : {Case{"125", {1010}}, Case{"130", {kCustom}}, Case{"400", {1007}}, Case{"5", {1007}},
                              Case{"abc", {1007}}, Case{"10", {1015}}}) {
            Edit(d)->setText(QString::fromUtf8(c.typed));
            EXPECT_EQ(CheckedRadios(d), c.checked) << c.typed;
        }
        // A preset shows its value in the edit.
        d.SendMessage(WM_COMMAND, 1012);
        EXPECT_EQ(Edit(d)->text(), QStringLiteral("75"));
        EXPECT_EQ(CheckedRadios(d), std::vector<int>{1012});
        d.EndDialog(IDCANCEL);
    });
    EXPECT_EQ(view.GetZoom(), 130);
}

TEST_F(ZoomDialog, OkRefusesAZoomOutsideItsRangeAndAppliesANewOne)
{
    CZivraView& view = Open();
    view.SendMessage(WM_COMMAND, ID_VIEW_ZOOM_FIT);
    ASSERT_TRUE(view.IsFitToWindow());
    MessageScript script;
    Run([&](CDialog& d) {
        for (const char* refused : {"5", "401", "x"}) {
            Edit(d)->setText(QString::fromUtf8(refused));
            d.SendMessage(WM_COMMAND, IDOK);
        }
        EXPECT_EQ(script.Texts(),
                  (std::vector<std::string>{"10 から 400 までの整数を入力してください。",
                                            "10 から 400 までの整数を入力してください。", "整数を入力してください。"}));
        Edit(d)->setText(QStringLiteral("150"));
        d.SendMessage(WM_COMMAND, IDOK);
    });
    EXPECT_EQ(view.GetZoom(), 150);
    EXPECT_FALSE(view.IsFitToWindow());
}
