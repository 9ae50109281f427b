#include "shell/ColorItemDlg.h"

#include "foundation/ShellFunctions.h"
#include "platform/afx/Exception.h"
#include "platform/afx/MessageSink.h"
#include "platform/afx/StdioFile.h"
#include "platform/afx/String.h"
#include "platform/ui/ColorDialog.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/FileDialog.h"
#include "shell/ZivraApp.h"

#include <QDialog>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace ColorItemDlgImpl {

const char8_t* const kSelectedMark = u8"⇒";
const char8_t* const kDiscardNote = u8"\n現在の色ﾒﾆｭｰの設定は破棄されます。";
const char8_t* const kDefaultCsvName = u8"色メニュー設定";

// Tells the dialog when a row's name edit gets the focus.
class NameFocusWatcher : public QObject
{
public:
    NameFocusWatcher(CColorItemDlg* dialog, int row, QObject* parent) : QObject(parent), m_dialog(dialog), m_row(row) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusIn)
            m_dialog->OnNameFocus(m_row);
        return QObject::eventFilter(watched, event);
    }

private:
    CColorItemDlg* m_dialog;
    int m_row;
};

QString SwatchStyle(COLORREF color)
{
    // The colour fills the swatch less one pixel on every side.
    return QStringLiteral("QLabel { margin: 1px; background-color: rgb(%1, %2, %3); }")
        .arg(GetRValue(color))
        .arg(GetGValue(color))
        .arg(GetBValue(color));
}

} // namespace ColorItemDlgImpl

IMPLEMENT_DYNAMIC(CColorItemDlg, CDialog)

CColorItemDlg::CColorItemDlg(CColorItemList* palette, CWnd* parent) : CDialog(IDD, parent), m_pPalette(palette)
{
    if (m_pPalette)
        m_workList.AppendColorItemCopies(*m_pPalette);
}

CColorItemDlg::~CColorItemDlg() = default;

const MessageMap* CColorItemDlg::GetMessageMap() const
{
    static const MessageMap map{
        CDialog::GetMessageMap(),
        {
            MapCommandRange(IDC_ROW_BUTTON, IDC_ROW_BUTTON + kRows - 1, &CColorItemDlg::OnRowButton),
            MapCommandRange(IDC_RECENT_FROM, IDC_RECENT_FROM + kRows - 1, &CColorItemDlg::OnRecentRadio),
            MapCommand(IDC_NO_RECENT, &CColorItemDlg::OnNoRecentRadio),
            MapCommand(IDC_CHOOSE_COLOR, &CColorItemDlg::OnChooseColor),
            MapCommand(IDC_MOVE_UP, &CColorItemDlg::OnMoveUp),
            MapCommand(IDC_MOVE_DOWN, &CColorItemDlg::OnMoveDown),
            MapCommand(IDC_EXPORT_CSV, &CColorItemDlg::OnExportCsv),
            MapCommand(IDC_IMPORT_CSV, &CColorItemDlg::OnImportCsv),
            MapCommand(IDC_RESET_DEFAULTS, &CColorItemDlg::OnResetDefaults),
        }};
    return &map;
}

void CColorItemDlg::BuildDialog()
{
    using namespace ColorItemDlgImpl;
    QWidget* dialog = GetSafeHwnd();
    SetWindowText(CString(u8"色ﾒﾆｭｰの設定"));
    auto* columns = new QHBoxLayout(dialog);
    auto* grid = new QGridLayout;
    columns->addLayout(grid);
    const char8_t* const titles[] = {u8"選択", u8"色", u8"ﾒﾆｭｰ表示名", u8"最近使った色"};
    for (int column = 0; column < 4; ++column)
        grid->addWidget(new QLabel(ToQString(CString(titles[column]))), 0, column, Qt::AlignCenter);
    for (int row = 0; row < kRows; ++row) {
        auto* selector = AddControl(IDC_ROW_BUTTON + row, new QPushButton);
        selector->setFixedWidth(32);
        grid->addWidget(selector, row + 1, 0);
        auto* swatch = AddControl(IDC_SWATCH + row, new QLabel);
        swatch->setFixedSize(48, 20);
        swatch->setFrameShape(QFrame::Box);
        // Clicks on a swatch are the dialog's: they select its row or choose its colour.
        swatch->setAttribute(Qt::WA_TransparentForMouseEvents);
        grid->addWidget(swatch, row + 1, 1);
        auto* name = AddControl(IDC_NAME + row, new QLineEdit);
        name->installEventFilter(new NameFocusWatcher(this, row, name));
        grid->addWidget(name, row + 1, 2);
        grid->addWidget(AddControl(IDC_RECENT_FROM + row, new QRadioButton(ToQString(CString(u8"以降")))), row + 1, 3);
    }
    grid->addWidget(AddControl(IDC_NO_RECENT, new QRadioButton(ToQString(CString(u8"無し")))), kRows + 1, 3);
    auto* note = new QLabel(ToQString(CString(u8"＊最近使った色は、選択ﾁｪｯｸ以降が設定されます。")));
    grid->addWidget(note, kRows + 2, 0, 1, 4);

    auto* buttons = new QVBoxLayout;
    columns->addLayout(buttons);
    const std::pair<int, const char8_t*> commands[] = {
        {IDOK, u8"OK"},
        {IDCANCEL, u8"ｷｬﾝｾﾙ"},
        {IDC_CHOOSE_COLOR, u8"色の設定..."},
        {IDC_MOVE_UP, u8"↑上へ移動"},
        {IDC_MOVE_DOWN, u8"↓下へ移動"},
        {IDC_EXPORT_CSV, u8"CSVｴｸｽﾎﾟｰﾄ"},
        {IDC_IMPORT_CSV, u8"CSVｲﾝﾎﾟｰﾄ"},
        {IDC_RESET_DEFAULTS, u8"初期値に戻す"},
    };
    for (const auto& [id, text] : commands)
        buttons->addWidget(AddControl(id, new QPushButton(ToQString(CString(text)))));
    buttons->addStretch();
    RouteInputEvents(TRUE, FALSE);
}

void CColorItemDlg::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    for (int row = 0; row < kRows; ++row) {
        DDX_Text(dx, IDC_NAME + row, m_strNames[row]);
        DDV_MaxChars(dx, m_strNames[row], kNameBytes);
    }
}

BOOL CColorItemDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    for (int row = 0; row < kRows; ++row) {
        const BOOL shown = row < RowCount();
        for (const int first : {IDC_ROW_BUTTON, IDC_NAME, IDC_RECENT_FROM})
            GetDlgItem(first + row)->EnableWindow(shown);
    }
    LoadRows(0);
    UpdateData(FALSE);
    // The data exchange limits characters; a name is limited in bytes, whole characters only.
    for (int row = 0; row < kRows; ++row)
        NameEdit(row)->LimitText(kNameBytes);
    PaintAllSwatches();
    return TRUE;
}

int CColorItemDlg::RowCount() const
{
    return std::min(int(m_workList.GetCount()), kRows);
}

CEdit* CColorItemDlg::NameEdit(int row) const
{
    return static_cast<CEdit*>(GetDlgItem(IDC_NAME + row));
}

void CColorItemDlg::SelectRow(int row)
{
    if (row == m_nSelectedRow)
        return;
    if (m_nSelectedRow >= 0)
        SetDlgItemText(IDC_ROW_BUTTON + m_nSelectedRow, "");
    SetDlgItemText(IDC_ROW_BUTTON + row, CString(ColorItemDlgImpl::kSelectedMark));
    m_nSelectedRow = row;
}

void CColorItemDlg::FocusNameEdit(int row)
{
    CEdit* edit = NameEdit(row);
    edit->SetFocus();
    edit->SetSel(0, -1);
}

void CColorItemDlg::LoadRows(int row)
{
    for (int i = 0; i < kRows; ++i) {
        const CColorItem* item = i < RowCount() ? GetElementAtIndex(m_workList, i) : nullptr;
        m_strNames[i] = item ? item->GetMenuName() : CString();
    }
    const int first = m_workList.GetFirstRecentColorIndex();
    for (int i = 0; i < kRows; ++i)
        static_cast<CButton*>(GetDlgItem(IDC_RECENT_FROM + i))->SetCheck(i == first ? BST_CHECKED : BST_UNCHECKED);
    const BOOL none = first < 0 || first >= RowCount();
    static_cast<CButton*>(GetDlgItem(IDC_NO_RECENT))->SetCheck(none ? BST_CHECKED : BST_UNCHECKED);
    SelectRow(row);
}

void CColorItemDlg::ShowRows(int row)
{
    LoadRows(row);
    UpdateData(FALSE);
    PaintAllSwatches();
}

void CColorItemDlg::ApplyRecentFromRadios()
{
    int first = -1;
    for (int row = 0; row < RowCount() && first < 0; ++row)
        if (static_cast<CButton*>(GetDlgItem(IDC_RECENT_FROM + row))->GetCheck() == BST_CHECKED)
            first = row;
    m_workList.SetRecentColorFrom(first);
}

int CColorItemDlg::ReadNames()
{
    CString names[kRows];
    for (int row = 0; row < RowCount(); ++row) {
        GetDlgItemText(IDC_NAME + row, names[row]);
        if (names[row].IsEmpty())
            return row;
    }
    for (int row = 0; row < RowCount(); ++row)
        GetElementAtIndex(m_workList, row)->SetMenuName(names[row]);
    return -1;
}

void CColorItemDlg::PaintSwatch(int row)
{
    const CColorItem* item = row < RowCount() ? GetElementAtIndex(m_workList, row) : nullptr;
    QWidget* swatch = GetDlgItem(IDC_SWATCH + row)->GetSafeHwnd();
    swatch->setStyleSheet(item ? ColorItemDlgImpl::SwatchStyle(item->GetColor()) : QString());
}

void CColorItemDlg::PaintAllSwatches()
{
    for (int row = 0; row < kRows; ++row)
        PaintSwatch(row);
}

int CColorItemDlg::RowAtPoint(CPoint point) const
{
    for (int row = 0; row < RowCount(); ++row) {
        const QWidget* swatch = GetDlgItem(IDC_SWATCH + row)->GetSafeHwnd();
        const QRect rect(swatch->mapTo(GetSafeHwnd(), QPoint(0, 0)), swatch->size());
        if (rect.contains(point.x, point.y))
            return row;
    }
    return -1;
}

void CColorItemDlg::OnRowButton(UINT id)
{
    const int row = int(id) - IDC_ROW_BUTTON;
    if (row >= RowCount())
        return;
    SelectRow(row);
    FocusNameEdit(row);
}

void CColorItemDlg::OnNameFocus(int row)
{
    SelectRow(row);
    SetImeOpen(this, TRUE);
}

void CColorItemDlg::OnRecentRadio(UINT id)
{
    SelectRow(int(id) - IDC_RECENT_FROM);
    ApplyRecentFromRadios();
}

void CColorItemDlg::OnNoRecentRadio()
{
    ApplyRecentFromRadios();
}

void CColorItemDlg::OnLButtonUp(UINT flags, CPoint point)
{
    const int row = RowAtPoint(point);
    if (row < 0) {
        CDialog::OnLButtonUp(flags, point);
        return;
    }
    SelectRow(row);
    FocusNameEdit(row);
}

void CColorItemDlg::OnLButtonDblClk(UINT flags, CPoint point)
{
    if (RowAtPoint(point) < 0) {
        CDialog::OnLButtonDblClk(flags, point);
        return;
    }
    OnChooseColor();
}

void CColorItemDlg::OnChooseColor()
{
    CColorItem* item = m_nSelectedRow >= 0 ? GetElementAtIndex(m_workList, m_nSelectedRow) : nullptr;
    if (!item)
        return;
    COLORREF color = item->GetColor();
    if (!RunColorDialog(item->GetColor(), color, GetSafeHwnd()) || color == item->GetColor())
        return;
    item->SetColor(color);
    PaintSwatch(m_nSelectedRow);
    FocusNameEdit(m_nSelectedRow);
}

void CColorItemDlg::MoveSelectedRow(int to, int newRow)
{
    // Names typed since the rows were loaded move with their rows.
    for (int row = 0; row < RowCount(); ++row) {
        CString name;
        GetDlgItemText(IDC_NAME + row, name);
        GetElementAtIndex(m_workList, row)->SetMenuName(name);
    }
    if (m_workList.MoveColorItemPosByIndex(m_nSelectedRow, to) < 0)
        return;
    // The recent block keeps its place: the moved item takes the flag of its new row.
    ApplyRecentFromRadios();
    ShowRows(newRow);
}

void CColorItemDlg::OnMoveUp()
{
    if (m_nSelectedRow >= 1)
        MoveSelectedRow(m_nSelectedRow - 1, m_nSelectedRow - 1);
}

void CColorItemDlg::OnMoveDown()
{
    if (m_nSelectedRow >= 0 && m_nSelectedRow < RowCount() - 1)
        MoveSelectedRow(m_nSelectedRow + 2, m_nSelectedRow + 1);
}

BOOL CColorItemDlg::ValidateRows()
{
    ApplyRecentFromRadios();
    const int empty = ReadNames();
    if (empty >= 0) {
        AfxMessageBox(CString(u8"ﾒﾆｭｰ表示名が指定されていません。ﾒﾆｭｰ表示名を入力してください。"), MB_OK);
        NameEdit(empty)->SetFocus();
        return FALSE;
    }
    const int misnamed = m_workList.FindMisnamedRecentColor();
    if (misnamed >= 0) {
        const int answer = AfxMessageBox(
            CString(u8"最近使った色がﾁｪｯｸされている以降の行で、ﾒﾆｭｰ表示名が「最近使った色」以外のものがあります。") +
                CString(u8"\nﾒﾆｭｰ表示名を「最近使った色」に変更しますか。"),
            MB_YESNOCANCEL | MB_ICONQUESTION);
        if (answer == IDCANCEL) {
            FocusNameEdit(misnamed);
            return FALSE;
        }
        if (answer == IDYES) {
            m_workList.ResetRecentColorNames();
            ShowRows(m_nSelectedRow);
        }
    }
    const int ordinary = m_workList.FindOrdinaryNamedRecent();
    if (ordinary >= 0 &&
        AfxMessageBox(CString(u8"最近使った色のﾁｪｯｸよりも前の行で、ﾒﾆｭｰ表示名が「最近使った色」のものがあります。") +
                          CString(u8"\nよろしいですか。"),
                      MB_OKCANCEL | MB_ICONQUESTION) == IDCANCEL) {
        FocusNameEdit(ordinary);
        return FALSE;
    }
    return TRUE;
}

void CColorItemDlg::OnOK()
{
    if (!ValidateRows())
        return;
    m_workList.RenumberColorItemIds();
    if (!m_pPalette || m_pPalette->CopyColorItemList(m_workList) < 0)
        return;
    m_pPalette->WriteColorItemsToReg();
    EndDialog(IDOK);
}

BOOL CColorItemDlg::TakeWorkingList(CColorItemList& items)
{
    items.RenumberColorItemIds();
    return m_workList.CopyColorItemList(items) >= 0;
}

BOOL CColorItemDlg::AskFileName(BOOL open, const CString& title, CString& path) const
{
    CFileDialog dialog(open, open ? OFN_FILEMUSTEXIST | OFN_HIDEREADONLY
                                  : OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST);
    dialog.m_strDefExt = "csv";
    dialog.m_strFileName = CString(ColorItemDlgImpl::kDefaultCsvName);
    dialog.m_filters = {{CString(u8"csvﾌｧｲﾙ (*.csv)"), "*.csv"}, {CString(u8"すべてのﾌｧｲﾙ (*.*)"), "*.*"}};
    dialog.m_strTitle = title;
    CZivraApp::GetRecentFileFolder(dialog.m_strInitialDir);
    if (dialog.DoModal() != IDOK)
        return FALSE;
    path = dialog.GetPathName();
    return TRUE;
}

void CColorItemDlg::OnExportCsv()
{
    if (!ValidateRows())
        return;
    m_workList.RenumberColorItemIds();
    ShowRows(0);
    CString path;
    if (AskFileName(FALSE, CString(u8"色ﾒﾆｭｰ出力先CSVﾌｧｲﾙの指定"), path))
        ExportTo(path);
}

void CColorItemDlg::ExportTo(const CString& path)
{
    CStdioFile file;
    CFileException error;
    BeginWaitCursor();
    if (!file.Open(path, CFile::modeCreate | CFile::modeWrite | CFile::typeText, &error)) {
        EndWaitCursor();
        error.ReportError();
        return;
    }
    const int written = m_workList.ExportColorItemsCsv(file);
    file.Close();
    EndWaitCursor();
    if (written < 0) {
        AfxMessageBox(CString(u8"色ﾒﾆｭｰのｴｸｽﾎﾟｰﾄ処理中にｴﾗｰが発生しました。"), MB_ICONEXCLAMATION);
        return;
    }
    CString question;
    question.Format(CString(u8"%d件の色ﾒﾆｭｰをCSVﾌｧｲﾙにｴｸｽﾎﾟｰﾄしました。CSVﾌｧｲﾙを開きますか。"), written);
    if (AfxMessageBox(question, MB_YESNO | MB_ICONQUESTION) == IDYES)
        ShellOpenFile(GetSafeHwnd(), path);
}

void CColorItemDlg::OnImportCsv()
{
    using namespace ColorItemDlgImpl;
    if (AfxMessageBox(CString(u8"色ﾒﾆｭｰのｴｸｽﾎﾟｰﾄﾌｧｲﾙから色ﾒﾆｭｰの設定を読込みます。") + CString(kDiscardNote),
                      MB_OKCANCEL | MB_ICONQUESTION) == IDCANCEL)
        return;
    CString path;
    if (!AskFileName(TRUE, CString(u8"色ﾒﾆｭｰ ｲﾝﾎﾟｰﾄCSVﾌｧｲﾙの選択"), path))
        return;
    CStdioFile file;
    CFileException error;
    BeginWaitCursor();
    if (!file.Open(path, CFile::modeRead | CFile::typeText, &error)) {
        EndWaitCursor();
        error.ReportError();
        return;
    }
    CColorItemList read;
    const int count = read.ImportColorItemsCsv(file);
    file.Close();
    EndWaitCursor();
    if (count < 0)
        return;
    if (count == 0) {
        AfxMessageBox(CString(u8"選択されたCSVﾌｧｲﾙから読込んだ色ﾒﾆｭｰはありませんでした。"), MB_OK);
        return;
    }
    if (count != kRows) {
        AfxMessageBox(CString(u8"選択されたCSVﾌｧｲﾙから読込んだ色ﾒﾆｭｰの件数が16件ではなかったので、変更できません。"),
                      MB_OK);
        return;
    }
    if (!TakeWorkingList(read))
        return;
    ShowRows(0);
    Invalidate();
    CString done;
    done.Format(
        CString(
            u8"%d件の色ﾒﾆｭｰをCSVﾌｧｲﾙから読込みました。\n読込んだ色ﾒﾆｭｰの設定を有効にするには、OKボタンでﾀﾞｲｱﾛｸﾞを終了してください。"),
        count);
    AfxMessageBox(done, MB_ICONINFORMATION);
}

void CColorItemDlg::OnResetDefaults()
{
    if (AfxMessageBox(CString(u8"色ﾒﾆｭｰの設定を初期値に戻します。") + CString(ColorItemDlgImpl::kDiscardNote),
                      MB_OKCANCEL | MB_ICONQUESTION) == IDCANCEL)
        return;
    if (m_workList.CreateDefaultColorItems() < 0)
        return;
    ShowRows(0);
    Invalidate();
    AfxMessageBox(
        CString(
            u8"色ﾒﾆｭｰ設定を初期値に戻しました。\n色ﾒﾆｭｰの設定を有効にするには、OKボタンでﾀﾞｲｱﾛｸﾞを終了してください。"),
        MB_ICONINFORMATION);
}
