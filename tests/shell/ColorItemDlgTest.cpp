// The colour-menu dialog: the checks on OK, the recent-colour block, moving rows, the name limit,
// swatch clicks, and the CSV import and export of the palette.
#include "shell/ColorItemDlg.h"

#include "foundation/CommandIds.h"
#include "foundation/ListElements.h"
#include "platform/profile/Profile.h"
#include "platform/ui/ColorDialog.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/ShellOpen.h"
#include "shell/MainFrame.h"
#include "tests/support/MessageScript.h"
#include "tests/support/TestAppServices.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace color_item_dlg_test {

const char* const kRecent = "最近使った色";
const char* const kEmptyName = "ﾒﾆｭｰ表示名が指定されていません。ﾒﾆｭｰ表示名を入力してください。";
const char* const kRenameQuestion =
    "最近使った色がﾁｪｯｸされている以降の行で、ﾒﾆｭｰ表示名が「最近使った色」以外のものがあります。"
    "\nﾒﾆｭｰ表示名を「最近使った色」に変更しますか。";
const char* const kOrdinaryQuestion = "最近使った色のﾁｪｯｸよりも前の行で、ﾒﾆｭｰ表示名が「最近使った色」のものがあります。"
                                      "\nよろしいですか。";

std::vector<std::string> Names(const CColorItemList& list)
{
    std::vector<std::string> out;
    for (POSITION pos = list.GetHeadPosition(); pos;)
        out.push_back(Utf8(list.GetNext(pos)->GetMenuName()));
    return out;
}

std::vector<int> RecentFlags(const CColorItemList& list)
{
    std::vector<int> out;
    for (POSITION pos = list.GetHeadPosition(); pos;)
        out.push_back(list.GetNext(pos)->GetRecentFlag());
    return out;
}

QLineEdit* NameEdit(CDialog& d, int row)
{
    return qobject_cast<QLineEdit*>(d.GetDlgItem(CColorItemDlg::IDC_NAME + row)->GetSafeHwnd());
}

void Click(CDialog& d, int id)
{
    qobject_cast<QAbstractButton*>(d.GetDlgItem(id)->GetSafeHwnd())->click();
}

class ColorItemDialog : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Profile::WriteProfileString(COLORITEM_SECTION, nullptr, nullptr);
        m_palette.CreateDefaultColorItems();
        m_defaults = Names(m_palette);
    }
    void TearDown() override
    {
        CDialog::SetModalHook(nullptr);
        CFileDialog::SetHook(nullptr);
    }

    // Runs the dialog over the palette with the hook; the result it ended with.
    INT_PTR Run(const std::function<void(CColorItemDlg&)>& hook)
    {
        CDialog::SetModalHook([&](CDialog& d) { hook(static_cast<CColorItemDlg&>(d)); });
        CColorItemDlg dialog(&m_palette);
        return dialog.DoModal();
    }

    // The file dialogs answer with the path and record their titles.
    void AnswerFileDialogs(const QString& path)
    {
        CFileDialog::SetHook([this, path](CFileDialog& dialog) {
            m_fileTitles.push_back(Utf8(dialog.m_strTitle));
            EXPECT_EQ(Utf8(dialog.m_strFileName), "色メニュー設定");
            EXPECT_EQ(Utf8(dialog.m_strDefExt), "csv");
            dialog.m_strFileName = CString(path.toUtf8().constData());
            return IDOK;
        });
    }

    // A palette CSV file with a header line and the rows, CR LF ended.
    QString CsvFile(int rows)
    {
        QByteArray text = QByteArray::fromStdString(CString(u8"\"色\",\"色名\",\"最近使った色\"\r\n").Bytes());
        for (int i = 0; i < rows; ++i)
            text += QStringLiteral("\"%1\",\"n%2\",\"NO\"\r\n").arg(i * 1000).arg(i).toLatin1();
        const QString path = m_folder.filePath(QStringLiteral("rows%1.csv").arg(rows));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        return path;
    }

    TestAppServices m_services;
    CColorItemList m_palette;
    std::vector<std::string> m_defaults;
    std::vector<std::string> m_fileTitles;
    QTemporaryDir m_folder;
};

TEST_F(ColorItemDialog, OkChecksTheNamesAndTheRecentBlock)
{
    struct Case
    {
        const char* what;
        std::function<void(CColorItemDlg&)> edit;
        std::vector<int> answers;
        std::vector<std::string> messages;
        INT_PTR result;
        int focusRow; // where the focus is left when the dialog stays open
        std::vector<std::pair<int, std::string>> names;
    };
    const auto noBlockRow3Recent = [](CColorItemDlg& d) {
        Click(d, CColorItemDlg::IDC_NO_RECENT);
        NameEdit(d, 3)->setText(QString::fromUtf8(kRecent));
    };
    const Case cases[] = {
        {"row 5 empty", [](CColorItemDlg& d) { NameEdit(d, 5)->clear(); }, {}, {kEmptyName}, IDCANCEL, 5, {}},
        {"block from 14, row 15 black, Yes",
         [](CColorItemDlg& d) {
             Click(d, CColorItemDlg::IDC_RECENT_FROM + 14);
             NameEdit(d, 14)->setText(QString::fromUtf8(kRecent));
             NameEdit(d, 15)->setText(QStringLiteral("黒"));
         },
         {IDYES},
         {kRenameQuestion},
         IDOK,
         -1,
         {{14, kRecent}, {15, kRecent}}},
        {"block from 13, No keeps the names",
         [](CColorItemDlg& d) { Click(d, CColorItemDlg::IDC_RECENT_FROM + 13); },
         {IDNO},
         {kRenameQuestion},
         IDOK,
         -1,
         {{13, "銀"}, {14, kRecent}}},
        {"block from 13, Cancel",
         [](CColorItemDlg& d) { Click(d, CColorItemDlg::IDC_RECENT_FROM + 13); },
         {IDCANCEL},
         {kRenameQuestion},
         IDCANCEL,
         13,
         {}},
        {"none, row 3 named as recent, OK",
         noBlockRow3Recent,
         {IDOK},
         {kOrdinaryQuestion},
         IDOK,
         -1,
         {{3, kRecent}, {14, kRecent}}},
        {"none, row 3 named as recent, Cancel", noBlockRow3Recent, {IDCANCEL}, {kOrdinaryQuestion}, IDCANCEL, 3, {}},
    };
    for (const Case& c : cases) {
        SetUp();
        MessageScript script;
        for (int answer : c.answers)
            script.Answer(answer);
        const INT_PTR result = Run([&](CColorItemDlg& d) {
            c.edit(d);
            d.SendMessage(WM_COMMAND, IDOK);
            if (c.focusRow >= 0) {
                EXPECT_TRUE(d.IsWindow()) << c.what;
                EXPECT_EQ(d.GetSafeHwnd()->focusWidget(), NameEdit(d, c.focusRow)) << c.what;
            }
        });
        EXPECT_EQ(result, c.result) << c.what;
        EXPECT_EQ(script.Texts(), c.messages) << c.what;
        CColorItemList stored;
        stored.ReadColorItemsFromReg();
        if (c.result != IDOK) {
            EXPECT_EQ(Names(m_palette), m_defaults) << c.what;
            EXPECT_EQ(stored.GetCount(), 0) << c.what << ": nothing written";
            continue;
        }
        for (const auto& [row, name] : c.names)
            EXPECT_EQ(Names(m_palette)[row], name) << c.what << " row " << row;
        EXPECT_EQ(Names(stored), Names(m_palette)) << c.what;
        EXPECT_EQ(RecentFlags(stored), RecentFlags(m_palette)) << c.what;
    }
}

TEST_F(ColorItemDialog, RecentRadiosSetTheBlockAndCancelChangesNothing)
{
    Run([](CColorItemDlg& d) {
        EXPECT_EQ(d.GetSelectedRow(), 0);
        EXPECT_EQ(d.GetDlgItem(CColorItemDlg::IDC_ROW_BUTTON)->GetSafeHwnd()->property("text").toString(),
                  QStringLiteral("⇒"));
        Click(d, CColorItemDlg::IDC_RECENT_FROM + 12);
        EXPECT_EQ(d.GetSelectedRow(), 12);
        EXPECT_EQ(d.GetDlgItem(CColorItemDlg::IDC_ROW_BUTTON)->GetSafeHwnd()->property("text").toString(), QString());
        EXPECT_EQ(RecentFlags(d.GetWorkingList()), (std::vector<int>{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1}));
        Click(d, CColorItemDlg::IDC_NO_RECENT);
        EXPECT_EQ(RecentFlags(d.GetWorkingList()), std::vector<int>(16, 0));
    });
    EXPECT_EQ(RecentFlags(m_palette)[14], 1);
}

TEST_F(ColorItemDialog, MovingRowsKeepsTheBlockInPlaceAndStopsAtTheEnds)
{
    Run([&](CColorItemDlg& d) {
        d.SendMessage(WM_COMMAND, CColorItemDlg::IDC_MOVE_UP); // the top row stays
        EXPECT_EQ(Names(d.GetWorkingList()), m_defaults);
        NameEdit(d, 0)->setText(QStringLiteral("すみ"));
        d.SendMessage(WM_COMMAND, CColorItemDlg::IDC_MOVE_DOWN);
        EXPECT_EQ(d.GetSelectedRow(), 1);
        EXPECT_EQ(NameEdit(d, 1)->text(), QStringLiteral("すみ"));
        EXPECT_EQ(NameEdit(d, 0)->text(), QStringLiteral("青"));

        Click(d, CColorItemDlg::IDC_ROW_BUTTON + 15);
        d.SendMessage(WM_COMMAND, CColorItemDlg::IDC_MOVE_DOWN); // the bottom row stays
        EXPECT_EQ(d.GetSelectedRow(), 15);
        Click(d, CColorItemDlg::IDC_ROW_BUTTON + 13);
        d.SendMessage(WM_COMMAND, CColorItemDlg::IDC_MOVE_DOWN);
        // Silver moved into the block takes its flag; the block still starts at row 14.
        EXPECT_EQ(Names(d.GetWorkingList())[14], "銀");
        EXPECT_EQ(RecentFlags(d.GetWorkingList())[13], 0);
        EXPECT_EQ(RecentFlags(d.GetWorkingList())[14], 1);
        EXPECT_EQ(
            qobject_cast<QRadioButton*>(d.GetDlgItem(CColorItemDlg::IDC_RECENT_FROM + 14)->GetSafeHwnd())->isChecked(),
            true);
    });
}

TEST_F(ColorItemDialog, NameEditsTakeSixteenBytesOfWholeCharacters)
{
    const std::pair<const char*, const char*> cases[] = {
        {"abcdefghijklmnopq", "abcdefghijklmnop"},
        {"あいうえおかきくけ", "あいうえおかきく"},
        {"abcdefghijklmnoあ", "abcdefghijklmno"}, // the double-byte character is not split
        {"ｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁ", "ｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀ"},
    };
    Run([&](CColorItemDlg& d) {
        for (const auto& [typed, kept] : cases) {
            QLineEdit* edit = NameEdit(d, 2);
            edit->clear();
            edit->insert(QString::fromUtf8(typed));
            EXPECT_EQ(edit->text().toStdString(), kept);
        }
    });
}

TEST_F(ColorItemDialog, SwatchClickSelectsItsRowAndDoubleClickChoosesItsColour)
{
    std::vector<COLORREF> offered;
    const ColorDialogSink previous = SetColorDialogSink([&](COLORREF initial, COLORREF& picked) {
        offered.push_back(initial);
        picked = RGB(1, 2, 3);
        return TRUE;
    });
    Run([&](CColorItemDlg& d) {
        d.ShowWindow(SW_SHOW); // lays the rows out
        QWidget* swatch = d.GetDlgItem(CColorItemDlg::IDC_SWATCH + 7)->GetSafeHwnd();
        const QPoint at = swatch->mapTo(d.GetSafeHwnd(), swatch->rect().center());
        EXPECT_EQ(d.RowAtPoint(CPoint(at.x(), at.y())), 7);
        EXPECT_EQ(d.RowAtPoint(CPoint(0, 0)), -1);
        QMouseEvent release(QEvent::MouseButtonRelease, at, d.GetSafeHwnd()->mapToGlobal(at), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(d.GetSafeHwnd(), &release);
        EXPECT_EQ(d.GetSelectedRow(), 7);
        QMouseEvent twice(QEvent::MouseButtonDblClick, at, d.GetSafeHwnd()->mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(d.GetSafeHwnd(), &twice);
        d.SendMessage(WM_COMMAND, IDOK);
    });
    SetColorDialogSink(previous);
    EXPECT_EQ(offered, std::vector<COLORREF>{0xFFFFFF});
    EXPECT_EQ(GetElementAtIndex(m_palette, 7)->GetColor(), RGB(1, 2, 3));
}

TEST_F(ColorItemDialog, ImportTakesOnlySixteenRowsAndThePaletteWaitsForOk)
{
    struct Case
    {
        int rows;
        std::string message;
        bool taken;
    };
    const Case cases[] = {
        {16,
         "16件の色ﾒﾆｭｰをCSVﾌｧｲﾙから読込みました。\n"
         "読込んだ色ﾒﾆｭｰの設定を有効にするには、OKボタンでﾀﾞｲｱﾛｸﾞを終了してください。",
         true},
        {15, "選択されたCSVﾌｧｲﾙから読込んだ色ﾒﾆｭｰの件数が16件ではなかったので、変更できません。", false},
        {0, "選択されたCSVﾌｧｲﾙから読込んだ色ﾒﾆｭｰはありませんでした。", false},
    };
    for (const Case& c : cases) {
        AnswerFileDialogs(CsvFile(c.rows));
        for (const INT_PTR end : {IDCANCEL, IDOK}) {
            SetUp();
            MessageScript script;
            const INT_PTR result = Run([&](CColorItemDlg& d) {
                d.SendMessage(WM_COMMAND, CColorItemDlg::IDC_IMPORT_CSV);
                EXPECT_EQ(NameEdit(d, 4)->text().toStdString(), c.taken ? "n4" : m_defaults[4]) << c.rows;
                d.SendMessage(WM_COMMAND, WPARAM(end));
            });
            EXPECT_EQ(result, end);
            ASSERT_EQ(script.Texts().size(), 2u) << c.rows;
            EXPECT_EQ(script.Texts()[0],
                      "色ﾒﾆｭｰのｴｸｽﾎﾟｰﾄﾌｧｲﾙから色ﾒﾆｭｰの設定を読込みます。\n現在の色ﾒﾆｭｰの設定は破棄されます。");
            EXPECT_EQ(script.Texts()[1], c.message) << c.rows;
            EXPECT_EQ(Names(m_palette)[4], c.taken && end == IDOK ? "n4" : m_defaults[4]) << c.rows;
        }
    }
    EXPECT_EQ(m_fileTitles.front(), "色ﾒﾆｭｰ ｲﾝﾎﾟｰﾄCSVﾌｧｲﾙの選択");
}

TEST_F(ColorItemDialog, ExportThenImportGivesTheSameRows)
{
    const QString path = m_folder.filePath(QStringLiteral("palette.csv"));
    AnswerFileDialogs(path);
    std::vector<QString> opened;
    const DesktopOpenSink previous = SetDesktopOpenSink([&](const QString& file) {
        opened.push_back(file);
        return true;
    });
    std::vector<std::string> exported;
    MessageScript script;
    script.Answer(IDYES); // open the written file
    script.Answer(IDOK);  // reset
    script.Answer(IDOK);  // import
    Run([&](CColorItemDlg& d) {
        NameEdit(d, 0)->setText(QStringLiteral("墨"));
        Click(d, CColorItemDlg::IDC_ROW_BUTTON + 3);
        d.SendMessage(WM_COMMAND, CColorItemDlg::IDC_MOVE_UP);
        Click(d, CColorItemDlg::IDC_RECENT_FROM + 12);
        NameEdit(d, 12)->setText(QString::fromUtf8(kRecent));
        NameEdit(d, 13)->setText(QString::fromUtf8(kRecent));
        d.SendMessage(WM_COMMAND, CColorItemDlg::IDC_EXPORT_CSV);
        exported = Names(d.GetWorkingList());
        const std::vector<int> flags = RecentFlags(d.GetWorkingList());

        d.SendMessage(WM_COMMAND, CColorItemDlg::IDC_RESET_DEFAULTS);
        EXPECT_EQ(Names(d.GetWorkingList()), m_defaults);
        d.SendMessage(WM_COMMAND, CColorItemDlg::IDC_IMPORT_CSV);
        EXPECT_EQ(Names(d.GetWorkingList()), exported);
        EXPECT_EQ(RecentFlags(d.GetWorkingList()), flags);
        EXPECT_TRUE(
            qobject_cast<QRadioButton*>(d.GetDlgItem(CColorItemDlg::IDC_RECENT_FROM + 12)->GetSafeHwnd())->isChecked());
        d.SendMessage(WM_COMMAND, IDOK);
    });
    SetDesktopOpenSink(previous);
    EXPECT_EQ(exported[0], "墨");
    EXPECT_EQ(exported[2], "黄緑");
    EXPECT_EQ(Names(m_palette), exported);
    EXPECT_EQ(opened.size(), 1u);
    ASSERT_GE(script.Texts().size(), 2u);
    EXPECT_EQ(script.Texts()[0], "16件の色ﾒﾆｭｰをCSVﾌｧｲﾙにｴｸｽﾎﾟｰﾄしました。CSVﾌｧｲﾙを開きますか。");
    EXPECT_EQ(script.Texts()[1], "色ﾒﾆｭｰの設定を初期値に戻します。\n現在の色ﾒﾆｭｰの設定は破棄されます。");
    EXPECT_EQ(m_fileTitles.front(), "色ﾒﾆｭｰ出力先CSVﾌｧｲﾙの指定");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_EQ(bytes.count("\r\n"), 17); // a header and 16 rows, each CR LF ended
    EXPECT_TRUE(bytes.contains(CString(u8",\"墨\",").Bytes().c_str())) << "names are written in code page 932";
}

TEST_F(ColorItemDialog, APaletteOfAnotherSizeShowsOnlyItsItems)
{
    while (m_palette.GetCount() > 3)
        m_palette.RemoveColorItemAt(int(m_palette.GetCount()) - 1);
    const INT_PTR result = Run([](CColorItemDlg& d) {
        EXPECT_FALSE(NameEdit(d, 3)->isEnabled());
        Click(d, CColorItemDlg::IDC_ROW_BUTTON + 2);
        d.SendMessage(WM_COMMAND, CColorItemDlg::IDC_MOVE_DOWN);
        EXPECT_EQ(d.GetSelectedRow(), 2);
        d.SendMessage(WM_COMMAND, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(Names(m_palette), (std::vector<std::string>{"黒", "青", "水色"}));
}

TEST_F(ColorItemDialog, TheMainFrameCommandOpensTheDialogOverTheApplicationPalette)
{
    m_services.GetColorItemList()->CreateDefaultColorItems();
    auto* frame = new CMainFrame;
    ASSERT_TRUE(frame->LoadFrame(128));
    UINT opened = 0;
    CDialog::SetModalHook([&](CDialog& d) {
        opened = d.GetTemplateId();
        NameEdit(d, 1)->setText(QStringLiteral("あお"));
        d.SendMessage(WM_COMMAND, IDOK);
    });
    frame->SendMessage(WM_COMMAND, ID_COLOR_MENU_SETTINGS);
    EXPECT_EQ(opened, CColorItemDlg::IDD);
    EXPECT_EQ(Names(*m_services.GetColorItemList())[1], "あお");
    frame->DestroyWindow();
}

} // namespace color_item_dlg_test
