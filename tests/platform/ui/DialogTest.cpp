// Modal dialogs driven by a test, and dialog data exchange with its validation messages.
#include "platform/ui/Controls.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Dialog.h"
#include "tests/support/MessageScript.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

// A dialog with a name (at most 8 bytes), a count from 1 to 99, a check box, two radios and a list.
class SampleDialog : public CDialog
{
public:
    CString m_name = "abc";
    int m_count = 5;
    int m_flag = 1;
    int m_choice = 1;
    int m_kind = 2;

protected:
    void BuildDialog() override
    {
        auto* layout = new QVBoxLayout(GetSafeHwnd());
        layout->addWidget(AddControl(1001, new QLineEdit));
        layout->addWidget(AddControl(1002, new QLineEdit));
        layout->addWidget(AddControl(1003, new QCheckBox(QStringLiteral("flag"))));
        layout->addWidget(AddControl(1004, new QRadioButton(QStringLiteral("a"))));
        layout->addWidget(AddControl(1005, new QRadioButton(QStringLiteral("b"))));
        auto* combo = AddControl(1006, new QComboBox);
        combo->addItems({QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("z")});
        layout->addWidget(combo);
        layout->addWidget(AddControl(IDOK, new QPushButton(QStringLiteral("OK"))));
        layout->addWidget(AddControl(IDCANCEL, new QPushButton(QStringLiteral("Cancel"))));
    }
    void DoDataExchange(CDataExchange* dx) override
    {
        DDX_Text(dx, 1001, m_name);
        DDV_MaxChars(dx, m_name, 8);
        DDX_Text(dx, 1002, m_count);
        DDV_MinMaxInt(dx, m_count, 1, 99);
        DDX_Check(dx, 1003, m_flag);
        DDX_Radio(dx, 1004, m_choice);
        DDX_CBIndex(dx, 1006, m_kind);
    }
};

QLineEdit* EditOf(CDialog& dialog, int id)
{
    return qobject_cast<QLineEdit*>(dialog.GetDlgItem(id)->GetSafeHwnd());
}

struct ModalHookScope
{
    explicit ModalHookScope(CDialog::ModalHook hook) { CDialog::SetModalHook(std::move(hook)); }
    ~ModalHookScope() { CDialog::SetModalHook(nullptr); }
};

} // namespace

TEST(Dialog, DataRoundTripThroughControls)
{
    SampleDialog dialog;
    ModalHookScope scope([](CDialog& d) {
        EXPECT_EQ(EditOf(d, 1001)->text(), QStringLiteral("abc"));
        EXPECT_EQ(EditOf(d, 1002)->text(), QStringLiteral("5"));
        EXPECT_EQ(static_cast<CButton*>(d.GetDlgItem(1003))->GetCheck(), BST_CHECKED);
        EXPECT_EQ(static_cast<CButton*>(d.GetDlgItem(1005))->GetCheck(), BST_CHECKED);
        EXPECT_EQ(static_cast<CComboBox*>(d.GetDlgItem(1006))->GetCurSel(), 2);
        EditOf(d, 1001)->setText(QStringLiteral("名前"));
        EditOf(d, 1002)->setText(QStringLiteral(" 42 "));
        static_cast<CButton*>(d.GetDlgItem(1003))->SetCheck(BST_UNCHECKED);
        static_cast<CButton*>(d.GetDlgItem(1004))->SetCheck(BST_CHECKED);
        static_cast<CComboBox*>(d.GetDlgItem(1006))->SetCurSel(0);
        qobject_cast<QPushButton*>(d.GetDlgItem(IDOK)->GetSafeHwnd())->click();
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(Utf8(dialog.m_name), "名前");
    EXPECT_EQ(dialog.m_count, 42);
    EXPECT_EQ(dialog.m_flag, 0);
    EXPECT_EQ(dialog.m_choice, 0);
    EXPECT_EQ(dialog.m_kind, 0);
    EXPECT_FALSE(dialog.IsWindow());
}

TEST(Dialog, ValidationFailureKeepsTheDialogOpenAndSelectsTheBadText)
{
    struct Case
    {
        const char* name;
        const char* count;
        const char* message;
        int faultyControl;
    };
    const Case cases[] = {
        {"abc", "100", "1 から 99 までの整数を入力してください。", 1002},
        {"abc", "x1", "整数を入力してください。", 1002},
        {"名前名前名", "5", "8 文字以内で入力してください。", 1001}, // ten bytes in code page 932
    };
    for (const Case& c : cases) {
        MessageScript script;
        SampleDialog dialog;
        ModalHookScope scope([&](CDialog& d) {
            EditOf(d, 1001)->setText(QString::fromUtf8(c.name));
            EditOf(d, 1002)->setText(QString::fromUtf8(c.count));
            d.SendMessage(WM_COMMAND, IDOK);
            EXPECT_TRUE(d.GetDialogWidget() != nullptr) << c.name;
            EXPECT_TRUE(EditOf(d, c.faultyControl)->hasSelectedText() || EditOf(d, c.faultyControl)->text().isEmpty())
                << c.name;
            d.SendMessage(WM_COMMAND, IDCANCEL);
        });
        EXPECT_EQ(dialog.DoModal(), IDCANCEL) << c.name;
        ASSERT_EQ(script.Texts().size(), 1u) << c.name;
        EXPECT_EQ(script.Texts()[0], c.message);
        EXPECT_EQ(script.Messages()[0].type, MB_ICONEXCLAMATION);
    }
}

TEST(Dialog, HookThatEndsNothingCancels)
{
    SampleDialog dialog;
    ModalHookScope scope([](CDialog&) {});
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST(Dialog, SortedComboPlacesAddedRowsByText)
{
    QComboBox widget;
    CComboBox::SetSortStyle(&widget, true);
    CComboBox combo;
    combo.Attach(&widget);
    EXPECT_EQ(combo.AddString("(none)"), 0);
    EXPECT_EQ(combo.AddString("orders"), 1);
    EXPECT_EQ(combo.AddString("Customer"), 1); // case is ignored
    EXPECT_EQ(combo.AddString("zone"), 3);
    EXPECT_EQ(combo.AddString("Orders"), 3);        // after its equal
    EXPECT_EQ(combo.InsertString(0, "z first"), 0); // inserting keeps its place
    combo.Detach();
}
