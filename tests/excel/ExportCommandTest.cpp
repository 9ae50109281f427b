#include "tests/model/RelationModel.h"
#include "tests/support/MessageScript.h"

#include "excel/ExcelExportCommand.h"
#include "excel/ExportOptDlg.h"
#include "platform/ui/Controls.h"
#include "platform/ui/FileDialog.h"

#include <QAbstractButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace export_command_test {

QAbstractButton* Button(CDialog& dialog, int id)
{
    return qobject_cast<QAbstractButton*>(dialog.GetDlgItem(id)->GetSafeHwnd());
}

// The dialog shown with the word, then what the user does in it; the word after OK (0 when it stayed open).
DWORD RunDialog(DWORD word, const std::function<void(CDialog&)>& user, bool staysOpen = false)
{
    CDialog::SetModalHook([&](CDialog& d) {
        user(d);
        d.SendMessage(WM_COMMAND, IDOK);
        if (staysOpen)
            d.SendMessage(WM_COMMAND, IDCANCEL);
    });
    CExportOptDlg dialog(word, nullptr);
    const INT_PTR result = dialog.DoModal();
    CDialog::SetModalHook(nullptr);
    return result == IDOK ? dialog.GetExportOpt() : 0;
}

TEST(ExportOptDlg, FormsForFilesAloneFollowTheTargets)
{
    MessageScript script;
    // The default word: files in the DB-interface form; hidden bits pass through.
    EXPECT_EQ(RunDialog(0x380008,
                        [](CDialog& d) {
                            EXPECT_TRUE(Button(d, CExportOptDlg::IDC_FILES)->isChecked());
                            EXPECT_FALSE(Button(d, CExportOptDlg::IDC_TEXTS)->isChecked());
                            EXPECT_TRUE(Button(d, CExportOptDlg::IDC_INTERFACE)->isChecked());
                            EXPECT_TRUE(Button(d, CExportOptDlg::IDC_INTERFACE)->isEnabled());
                            EXPECT_FALSE(Button(d, CExportOptDlg::IDC_RKEY_UNDERSCORE)->isVisible());
                        }),
              0x380008u);
    // A text target moves the choice to items across and disables the forms for files alone;
    // clearing it enables them again, the choice staying on items across.
    EXPECT_EQ(RunDialog(0x80008,
                        [](CDialog& d) {
                            Button(d, CExportOptDlg::IDC_TEXTS)->click();
                            EXPECT_TRUE(Button(d, CExportOptDlg::IDC_ACROSS)->isChecked());
                            for (int id : {CExportOptDlg::IDC_INTERFACE, CExportOptDlg::IDC_CONCEPT_UPDATE,
                                           CExportOptDlg::IDC_PHYSICAL_UPDATE, CExportOptDlg::IDC_MATRIX})
                                EXPECT_FALSE(Button(d, id)->isEnabled()) << id;
                            Button(d, CExportOptDlg::IDC_TEXTS)->click();
                            EXPECT_TRUE(Button(d, CExportOptDlg::IDC_INTERFACE)->isEnabled());
                        }),
              0x10008u);
    // Without files every form button is disabled; a matrix choice first moves to items across.
    EXPECT_EQ(RunDialog(0x40008,
                        [](CDialog& d) {
                            Button(d, CExportOptDlg::IDC_DATA_SYMBOLS)->click();
                            Button(d, CExportOptDlg::IDC_FILES)->click();
                            for (int id : {CExportOptDlg::IDC_ACROSS, CExportOptDlg::IDC_DOWN,
                                           CExportOptDlg::IDC_MATRIX, CExportOptDlg::IDC_INTERFACE})
                                EXPECT_FALSE(Button(d, id)->isEnabled()) << id;
                        }),
              0x10002u);
    EXPECT_TRUE(script.Messages().empty());
}

TEST(ExportOptDlg, OkWithoutATargetSaysSoAndStays)
{
    MessageScript script;
    EXPECT_EQ(RunDialog(
                  0x80008, [](CDialog& d) { Button(d, CExportOptDlg::IDC_FILES)->click(); }, true),
              0u);
    ASSERT_EQ(script.Texts().size(), 1u);
    EXPECT_EQ(script.Texts()[0],
              reinterpret_cast<const char*>(
                  u8"ｴｸｽﾎﾟｰﾄ対象ｵﾌﾞｼﾞｪｸﾄが1つも選択されていません。少なくとも1つは選択してください。"));
    EXPECT_EQ(script.Messages()[0].type, UINT(MB_OK));
}

class FakeServices : public ExcelExportServices
{
public:
    DWORD GetExportOpt() const override { return word; }
    void SetExportOpt(DWORD options) override { word = options, ++stored; }
    const CBoxStyleList* GetFileTypes() const override { return nullptr; }
    const CDataTypeList* GetDataTypes() const override { return nullptr; }
    ExcelExportProgress* OpenProgress() override { return nullptr; }
    void CloseProgress() override { ++closed; }
    BOOL OpenWithDesktop(const QString& path) override
    {
        opened.push_back(path);
        return FALSE; // no program for the file here
    }
    DWORD word = 0x80008;
    int stored = 0;
    int closed = 0;
    std::vector<QString> opened;
};

TEST(ExcelExportCommand, WritesTheChosenFileOpensItAndNamesItInTheMessage)
{
    RelationModel model;
    model.FileAt(model.File("customer")).SetFileNumber("1");
    QTemporaryDir dir;
    const QString path = dir.filePath("customer.xlsx");
    FakeServices services;
    MessageScript script;

    // Cancelling the options changes nothing, not even the stored word.
    CDialog::SetModalHook([](CDialog& d) { d.SendMessage(WM_COMMAND, IDCANCEL); });
    ExcelExport::RunCommand(model.doc, services);
    EXPECT_EQ(services.stored, 0);

    CDialog::SetModalHook([](CDialog& d) { d.SendMessage(WM_COMMAND, IDOK); });
    int prompts = 0;
    CFileDialog::SetHook([&](CFileDialog& files) {
        ++prompts;
        EXPECT_EQ(files.m_strDefExt, CString("xlsx"));
        EXPECT_TRUE(files.m_dwFlags & OFN_OVERWRITEPROMPT);
        files.m_strFileName = FromQString(path);
        return IDOK;
    });
    ExcelExport::RunCommand(model.doc, services);
    CDialog::SetModalHook(nullptr);
    CFileDialog::SetHook(nullptr);

    EXPECT_EQ(prompts, 1);
    EXPECT_EQ(services.stored, 1);
    EXPECT_EQ(services.closed, 1);
    EXPECT_EQ(services.opened, std::vector<QString>{path});
    const auto book = SheetWorkbook::Open(path);
    EXPECT_EQ(book->SheetCount(), 4);
    EXPECT_EQ(book->Sheet(1).Range("B2").Text(), CString("customer"));
    ASSERT_EQ(script.Texts().size(), 1u);
    EXPECT_EQ(script.Texts()[0], reinterpret_cast<const char*>(u8"ｴｸｽﾎﾟｰﾄが完了しました。\n") + path.toStdString());
    EXPECT_EQ(script.Messages()[0].type, UINT(MB_OK | MB_ICONINFORMATION));
}

TEST(ExcelExportCommand, AFileThatCannotBeWrittenIsReportedAndNothingIsOpened)
{
    RelationModel model;
    model.File("x");
    FakeServices services;
    MessageScript script;
    CDialog::SetModalHook([](CDialog& d) { d.SendMessage(WM_COMMAND, IDOK); });
    CFileDialog::SetHook([](CFileDialog& files) {
        files.m_strFileName = "/nonexistent-folder/out.xlsx";
        return IDOK;
    });
    ExcelExport::RunCommand(model.doc, services);
    CDialog::SetModalHook(nullptr);
    CFileDialog::SetHook(nullptr);
    EXPECT_TRUE(services.opened.empty());
    EXPECT_EQ(services.closed, 1);
    ASSERT_EQ(script.Texts().size(), 1u);
    EXPECT_NE(script.Texts()[0].find("/nonexistent-folder/out.xlsx"), std::string::npos);
    EXPECT_EQ(script.Messages()[0].type, UINT(MB_OK | MB_ICONEXCLAMATION));
}

} // namespace export_command_test
