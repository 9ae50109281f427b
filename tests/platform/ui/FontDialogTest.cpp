// The font dialog driven through its modal hook: what it refuses, and what OK writes into the font
// and the colour.
#include "platform/ui/Controls.h"
#include "platform/ui/FontDialog.h"
#include "tests/support/MessageScript.h"

#include <QComboBox>
#include <QLineEdit>
#include <QWidget>

#include <cstring>
#include <functional>
#include <string>

#include <gtest/gtest.h>

namespace font_dialog_test {

const char* const kBadFace = "その名前のﾌｫﾝﾄはありません。一覧からﾌｫﾝﾄを選んでください。";
const char* const kBadSize = "ｻｲｽﾞには 1 から 1638 までの数値を指定してください。";

QComboBox* Combo(CDialog& dialog, int id)
{
    return qobject_cast<QComboBox*>(dialog.GetDlgItem(id)->GetSafeHwnd());
}

void Check(CDialog& dialog, int id, BOOL checked)
{
    static_cast<CButton*>(dialog.GetDlgItem(id))->SetCheck(checked ? BST_CHECKED : BST_UNCHECKED);
}

// A font with every member set, so that a member the dialog should keep shows when it does not.
LOGFONT SampleFont()
{
    LOGFONT font{-10, 3, 4, 5, 600, 0, 1, 0, 128, 3, 2, 1, 0x34, {}};
    std::strcpy(font.lfFaceName, CString(u8"ＭＳ Ｐゴシック"));
    return font;
}

// Runs the dialog with the user in the hook; the dialog's result.
INT_PTR RunDialog(CFontDialog& dialog, const std::function<void(CDialog&)>& user)
{
    CDialog::SetModalHook([&](CDialog& d) { user(d); });
    const INT_PTR result = dialog.DoModal();
    CDialog::SetModalHook(nullptr);
    return result;
}

} // namespace font_dialog_test

using namespace font_dialog_test;

TEST(FontDialog, RefusesFacesOutsideTheListAndSizesOutOfRange)
{
    const struct
    {
        const char* face;
        const char* size;
        const char* message; // null: accepted
        LONG height;
    } rows[] = {
        {"ＭＳ 明朝", "12", nullptr, -16},   {"ＭＳ 明朝", " 10.5 ", nullptr, -14},
        {"ＭＳ 明朝", "1", nullptr, -1},     {"ＭＳ 明朝", "1638", nullptr, -2184},
        {"ＭＳ 明朝", "", kBadSize, 0},      {"ＭＳ 明朝", "abc", kBadSize, 0},
        {"ＭＳ 明朝", "0", kBadSize, 0},     {"ＭＳ 明朝", "-5", kBadSize, 0},
        {"ＭＳ 明朝", "1639", kBadSize, 0},  {"ＭＳ 明朝", "inf", kBadSize, 0},
        {"No Such Face", "12", kBadFace, 0}, {"", "12", kBadFace, 0},
    };
    for (const auto& row : rows) {
        const LOGFONT initial = SampleFont();
        CFontDialog dialog(&initial);
        MessageScript script;
        QString selected;
        const INT_PTR result = RunDialog(dialog, [&](CDialog& d) {
            Combo(d, CFontDialog::IDC_FACE)->setEditText(QString::fromUtf8(row.face));
            Combo(d, CFontDialog::IDC_SIZE)->setEditText(QString::fromUtf8(row.size));
            d.SendMessage(WM_COMMAND, IDOK);
            const int atFault = row.message == kBadFace ? CFontDialog::IDC_FACE : CFontDialog::IDC_SIZE;
            selected = Combo(d, atFault)->lineEdit()->selectedText();
        });
        if (!row.message) {
            EXPECT_EQ(result, IDOK) << row.size;
            EXPECT_TRUE(script.Texts().empty()) << row.size;
            EXPECT_EQ(dialog.m_lf.lfHeight, row.height) << row.size;
            EXPECT_STREQ(dialog.m_lf.lfFaceName, CString(u8"ＭＳ 明朝")) << row.size;
            continue;
        }
        // The dialog stays open with the field at fault selected; the font is untouched.
        EXPECT_EQ(result, IDCANCEL) << row.face << row.size;
        EXPECT_EQ(script.Texts(), std::vector<std::string>{row.message}) << row.face << row.size;
        EXPECT_EQ(script.Messages().at(0).type & MB_ICONMASK, UINT(MB_ICONEXCLAMATION));
        EXPECT_EQ(selected.toStdString(), row.message == kBadFace ? row.face : row.size);
        EXPECT_EQ(std::memcmp(&dialog.m_lf, &initial, sizeof initial), 0);
    }
}

TEST(FontDialog, OkWritesTheChoicesAndKeepsWhatWasNotTouched)
{
    const LOGFONT initial = SampleFont();
    const COLORREF custom = RGB(1, 2, 3);
    {
        // Untouched: the exact height (7.5 points), the semi-bold weight and the colour stay.
        CFontDialog dialog(&initial);
        dialog.m_cf.rgbColors = custom;
        QString shownSize;
        EXPECT_EQ(RunDialog(dialog,
                            [&](CDialog& d) {
                                shownSize = Combo(d, CFontDialog::IDC_SIZE)->currentText();
                                d.SendMessage(WM_COMMAND, IDOK);
                            }),
                  IDOK);
        EXPECT_EQ(shownSize, QStringLiteral("7.5"));
        EXPECT_EQ(std::memcmp(&dialog.m_lf, &initial, sizeof initial), 0);
        EXPECT_EQ(dialog.GetColor(), custom);
    }
    {
        // A font without a face keeps it when the face is left alone.
        LOGFONT faceless = initial;
        faceless.lfFaceName[0] = '\0';
        CFontDialog dialog(&faceless);
        MessageScript script;
        EXPECT_EQ(RunDialog(dialog, [](CDialog& d) { d.SendMessage(WM_COMMAND, IDOK); }), IDOK);
        EXPECT_STREQ(dialog.m_lf.lfFaceName, "");
    }
    const struct
    {
        int style;
        LONG weight;
        BYTE italic;
    } styles[] = {{CFontDialog::kBoldItalic, FW_BOLD, 1}, {CFontDialog::kRegular, FW_NORMAL, 0}};
    for (const auto& row : styles) {
        CFontDialog dialog(&initial);
        dialog.m_cf.rgbColors = custom;
        EXPECT_EQ(RunDialog(dialog,
                            [&](CDialog& d) {
                                Combo(d, CFontDialog::IDC_FACE)->setCurrentText(QString::fromUtf8("ＭＳ ゴシック"));
                                Combo(d, CFontDialog::IDC_STYLE)->setCurrentIndex(row.style);
                                Combo(d, CFontDialog::IDC_SIZE)->setCurrentText(QStringLiteral("24"));
                                Check(d, CFontDialog::IDC_STRIKEOUT, TRUE);
                                Check(d, CFontDialog::IDC_UNDERLINE, FALSE);
                                Combo(d, CFontDialog::IDC_COLOR)->setCurrentIndex(9);
                                d.SendMessage(WM_COMMAND, IDOK);
                            }),
                  IDOK);
        LOGFONT expected = initial;
        std::memset(expected.lfFaceName, 0, LF_FACESIZE);
        std::strcpy(expected.lfFaceName, CString(u8"ＭＳ ゴシック"));
        expected.lfHeight = -32;
        expected.lfWeight = row.weight;
        expected.lfItalic = row.italic;
        expected.lfStrikeOut = 1;
        expected.lfUnderline = 0;
        EXPECT_EQ(std::memcmp(&dialog.m_lf, &expected, sizeof expected), 0) << row.style;
        EXPECT_EQ(dialog.GetColor(), RGB(255, 0, 0));
    }
}

TEST(FontDialog, WithoutEffectsOffersNoColourUnderlineOrStrikeOut)
{
    const LOGFONT initial = SampleFont();
    CFontDialog dialog(&initial, CF_SCREENFONTS);
    dialog.m_cf.rgbColors = RGB(9, 9, 9);
    bool hidden = false;
    EXPECT_EQ(RunDialog(dialog,
                        [&](CDialog& d) {
                            hidden = d.GetDlgItem(CFontDialog::IDC_EFFECTS)->GetSafeHwnd()->isHidden();
                            Check(d, CFontDialog::IDC_UNDERLINE, FALSE);
                            Combo(d, CFontDialog::IDC_COLOR)->setCurrentIndex(0);
                            d.SendMessage(WM_COMMAND, IDOK);
                        }),
              IDOK);
    EXPECT_TRUE(hidden);
    EXPECT_EQ(dialog.m_lf.lfUnderline, 1);
    EXPECT_EQ(dialog.GetColor(), RGB(9, 9, 9));
}

TEST(FontDialog, ShowsTheHeightAsThePlainestSizeThatGivesItBack)
{
    const struct
    {
        LONG height;
        const char* shown;
    } rows[] = {{-13, "10"}, {13, "10"}, {-10, "7.5"}, {-19, "14"}, {-16, "12"}, {-1, "1"}, {-2184, "1638"}, {-7, "5"}};
    for (const auto& row : rows) {
        EXPECT_EQ(Utf8(CFontDialog::FormatPoints(row.height)), row.shown) << row.height;
        if (row.height < 0) {
            EXPECT_EQ(CFontDialog::PointsToHeight(std::stod(row.shown)), row.height) << row.height;
        }
    }
}
