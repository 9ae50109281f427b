#include "physical/DataTypeDlg.h"

#include "platform/afx/MessageSink.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/FrameworkIds.h"
#include "platform/ui/Ime.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace DataTypeDlgImpl {

constexpr const char8_t* kColumnTitles[DataTypeDlgRules::kColumns] = {u8"ﾃﾞｰﾀﾀｲﾌﾟﾞ", u8"編集区分", u8"囲み文字",
                                                                      u8"ｶﾗﾑ名ﾌﾟﾚﾌｨｯｸｽ", u8"使用しない"};
constexpr const char8_t* kKindTexts[3] = {u8"桁数なし", u8"桁数のみ", u8"桁数、小数桁数"};

// The data-type file dialog: title, filters and the proposed name.
void PrepareFileDialog(CFileDialog& dialog)
{
    dialog.m_strTitle = CString(u8"ﾃﾞｰﾀﾀｲﾌﾟ設定ﾌｧｲﾙの選択");
    dialog.m_filters = {{CString(u8"dtyﾌｧｲﾙ (*.dty)"), "*.dty"},
                        {CString(u8"iniﾌｧｲﾙ (*.ini)"), "*.ini"},
                        {CString(u8"ﾃｷｽﾄﾌｧｲﾙ (*.txt)"), "*.txt"},
                        {CString(u8"すべてのﾌｧｲﾙ (*.*)"), "*.*"}};
    dialog.m_strFileName = "DataType.dty";
}

} // namespace DataTypeDlgImpl

CDataTypeDlg::CDataTypeDlg(CWnd* parent) : CDialog(IDD, parent) {}

void CDataTypeDlg::BuildDialog()
{
    using namespace DataTypeDlgImpl;
    QWidget* dialog = GetSafeHwnd();
    dialog->setWindowTitle(ToQString(u8"ﾃﾞｰﾀﾀｲﾌﾟの設定"));
    auto* layout = new QHBoxLayout(dialog);
    auto* left = new QVBoxLayout;
    auto* caption = new QLabel(ToQString(u8"ﾃﾞｰﾀﾀｲﾌﾟ一覧(&L):"));
    m_list = AddControl(IDC_LIST, new QTreeWidget);
    caption->setBuddy(m_list);
    m_list->setRootIsDecorated(false);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setColumnCount(DataTypeDlgRules::kColumns);
    QStringList titles;
    for (const char8_t* title : kColumnTitles)
        titles << ToQString(title);
    m_list->setHeaderLabels(titles);
    m_list->setMinimumSize(520, 300);
    // The columns share the width as 4 : 3 : 2 : 3 : the rest.
    for (int i = 0; i < 4; ++i)
        m_list->header()->resizeSection(i, 520 * (i == 0 ? 4 : i == 2 ? 2 : 3) / 15);
    QObject::connect(m_list, &QTreeWidget::currentItemChanged, m_list, [this] { OnRowChanged(); });
    left->addWidget(caption);
    left->addWidget(m_list);
    layout->addLayout(left);

    auto* right = new QVBoxLayout;
    auto* fields = new QGridLayout;
    const auto addEdit = [&](int row, const char8_t* label, int id) {
        auto* edit = AddControl(id, new QLineEdit);
        SetWidgetInputMethodOpen(edit, false);
        auto* text = new QLabel(ToQString(label));
        text->setBuddy(edit);
        fields->addWidget(text, row, 0);
        fields->addWidget(edit, row, 1);
        QObject::connect(edit, &QLineEdit::textEdited, edit, [this, id] { OnTextEdited(id); });
    };
    addEdit(0, u8"ﾃﾞｰﾀﾀｲﾌﾟ(&T):", IDC_NAME);
    right->addLayout(fields);
    auto* kinds = new QGroupBox(ToQString(u8"ﾃﾞｰﾀﾀｲﾌﾟ編集区分(&F)"));
    auto* kindBox = new QVBoxLayout(kinds);
    for (int i = 0; i < 3; ++i)
        kindBox->addWidget(AddControl(IDC_KIND_FIRST + i, new QRadioButton(ToQString(kKindTexts[i]))));
    right->addWidget(kinds);
    auto* more = new QGridLayout;
    fields = more;
    addEdit(0, u8"囲み文字(&E):", IDC_ENCLOSURE);
    addEdit(1, u8"ｶﾗﾑ名ﾌﾟﾚﾌｨｯｸｽ(&P):", IDC_PREFIX);
    right->addLayout(more);
    right->addWidget(AddControl(IDC_DO_NOT_USE, new QCheckBox(ToQString(u8"使用しない(&U)"))));
    for (auto [id, label] : {std::pair{IDC_INSERT, u8"挿入(&I)"}, std::pair{IDC_DELETE, u8"削除(&D)"},
                             std::pair{IDC_READ_FILE, u8"ﾌｧｲﾙ読込(&R)"}, std::pair{IDC_WRITE_FILE, u8"ﾌｧｲﾙ書出(&W)"}})
        right->addWidget(AddControl(id, new QPushButton(ToQString(label))));
    right->addStretch();
    auto* buttons = MakeButtonRow({{IDOK, u8"保存(&S)"}, {IDCANCEL, u8"ｷｬﾝｾﾙ"}, {ID_HELP, u8"ﾍﾙﾌﾟ"}});
    right->addLayout(buttons);
    layout->addLayout(right);
}

const MessageMap* CDataTypeDlg::GetMessageMap() const
{
    static const MessageMap map{CDialog::GetMessageMap(),
                                {
                                    MapCommandRange(IDC_KIND_FIRST, IDC_KIND_FIRST + 2, &CDataTypeDlg::OnKind),
                                    MapCommand(IDC_DO_NOT_USE, &CDataTypeDlg::OnDoNotUse),
                                    MapCommand(IDC_INSERT, &CDataTypeDlg::OnInsert),
                                    MapCommand(IDC_DELETE, &CDataTypeDlg::OnDelete),
                                    MapCommand(IDC_READ_FILE, &CDataTypeDlg::OnReadFile),
                                    MapCommand(IDC_WRITE_FILE, &CDataTypeDlg::OnWriteFile),
                                }};
    return &map;
}

BOOL CDataTypeDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (!m_rules.Open()) {
        EndDialog(IDCANCEL);
        return FALSE;
    }
    RebuildRows();
    ShowCurrent();
    return TRUE;
}

void CDataTypeDlg::RebuildRows()
{
    m_bUpdating = TRUE;
    m_list->clear();
    for (int i = 0; i < m_rules.GetCount(); ++i) {
        auto* item = new QTreeWidgetItem(m_list);
        const auto texts = m_rules.RowTexts(i, FALSE);
        for (int column = 0; column < DataTypeDlgRules::kColumns; ++column)
            item->setText(column, ToQString(texts[column]));
    }
    m_bUpdating = FALSE;
}

void CDataTypeDlg::RefreshRow(int index)
{
    if (QTreeWidgetItem* item = m_list->topLevelItem(index)) {
        const auto texts = m_rules.RowTexts(index, TRUE);
        for (int column = 0; column < DataTypeDlgRules::kColumns; ++column)
            item->setText(column, ToQString(texts[column]));
    }
}

void CDataTypeDlg::ShowCurrent()
{
    m_bUpdating = TRUE;
    const CDataType* type = m_rules.GetCurrentType();
    SetDlgItemText(IDC_NAME, type ? type->GetName() : CString());
    SetDlgItemText(IDC_ENCLOSURE, type ? type->GetEnclosure() : CString());
    SetDlgItemText(IDC_PREFIX, type ? type->GetColumnPrefix() : CString());
    const WORD kind = type ? type->GetEditKind() : 0;
    for (int i = 0; i < 3; ++i)
        static_cast<CButton*>(GetDlgItem(IDC_KIND_FIRST + i))
            ->SetCheck(type && (kind == i || (i == 0 && kind > 2)) ? BST_CHECKED : BST_UNCHECKED);
    static_cast<CButton*>(GetDlgItem(IDC_DO_NOT_USE))
        ->SetCheck(type && type->GetDoNotUse() ? BST_CHECKED : BST_UNCHECKED);
    m_bUpdating = FALSE;
    ApplyEnables();
}

void CDataTypeDlg::ApplyEnables()
{
    const BOOL current = m_rules.GetCurrentType() != nullptr;
    for (int id : {IDC_NAME, IDC_PREFIX, IDC_ENCLOSURE, IDC_KIND_FIRST, IDC_KIND_FIRST + 1, IDC_KIND_FIRST + 2,
                   IDC_DO_NOT_USE, IDC_DELETE})
        GetDlgItem(id)->EnableWindow(current);
}

void CDataTypeDlg::SelectRow(int index)
{
    m_bUpdating = TRUE;
    m_list->setCurrentItem(index >= 0 ? m_list->topLevelItem(index) : nullptr);
    if (QTreeWidgetItem* item = m_list->currentItem())
        m_list->scrollToItem(item);
    m_bUpdating = FALSE;
    m_rules.SetCurrent(index);
    ShowCurrent();
}

BOOL CDataTypeDlg::CommitCurrent()
{
    if (!m_rules.GetCurrentType())
        return TRUE;
    CString enclosure;
    GetDlgItemText(IDC_ENCLOSURE, enclosure);
    CDataExchange dx(this, TRUE);
    try {
        dx.PrepareEditCtrl(IDC_ENCLOSURE);
        DDV_MaxChars(&dx, enclosure, 1);
    } catch (const CUserException&) {
        return FALSE;
    }
    return TRUE;
}

void CDataTypeDlg::OnRowChanged()
{
    if (m_bUpdating)
        return;
    const int previous = m_rules.GetCurrent();
    if (!CommitCurrent()) {
        SelectRow(previous);
        return;
    }
    QTreeWidgetItem* item = m_list->currentItem();
    m_rules.SetCurrent(item ? m_list->indexOfTopLevelItem(item) : -1);
    ShowCurrent();
}

void CDataTypeDlg::OnTextEdited(int id)
{
    if (m_bUpdating || !m_rules.GetCurrentType())
        return;
    CString text;
    GetDlgItemText(id, text);
    if (id == IDC_NAME)
        m_rules.SetName(text);
    else if (id == IDC_ENCLOSURE)
        m_rules.SetEnclosure(text);
    else
        m_rules.SetPrefix(text);
    RefreshRow(m_rules.GetCurrent());
}

void CDataTypeDlg::OnKind(UINT id)
{
    if (m_bUpdating)
        return;
    m_rules.SetEditKind(WORD(id - IDC_KIND_FIRST));
    RefreshRow(m_rules.GetCurrent());
}

void CDataTypeDlg::OnDoNotUse()
{
    if (m_bUpdating)
        return;
    m_rules.SetDoNotUse(static_cast<CButton*>(GetDlgItem(IDC_DO_NOT_USE))->GetCheck() == BST_CHECKED);
    RefreshRow(m_rules.GetCurrent());
}

void CDataTypeDlg::OnInsert()
{
    if (!CommitCurrent())
        return;
    const int index = m_rules.Insert();
    if (index < 0)
        return;
    RebuildRows();
    SelectRow(index);
    GetDlgItem(IDC_NAME)->SetFocus();
    static_cast<CEdit*>(GetDlgItem(IDC_NAME))->SetSel(0, -1);
}

void CDataTypeDlg::OnDelete()
{
    const int index = m_rules.Delete();
    RebuildRows();
    SelectRow(index);
}

void CDataTypeDlg::OnReadFile()
{
    using namespace DataTypeDlgImpl;
    if (!CommitCurrent() ||
        AfxMessageBox(CString(u8"ﾃﾞｰﾀﾀｲﾌﾟ設定ﾌｧｲﾙからﾃﾞｰﾀﾀｲﾌﾟを読込みます。"), MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
        return;
    CFileDialog dialog(TRUE, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, this);
    PrepareFileDialog(dialog);
    if (dialog.DoModal() != IDOK || !m_rules.ReadFile(dialog.GetPathName()))
        return;
    RebuildRows();
    SelectRow(-1);
}

void CDataTypeDlg::OnWriteFile()
{
    using namespace DataTypeDlgImpl;
    if (!CommitCurrent() || AfxMessageBox(CString(u8"現在のﾃﾞｰﾀﾀｲﾌﾟの設定をﾃﾞｰﾀﾀｲﾌﾟ設定ﾌｧｲﾙに書込みます。"),
                                          MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
        return;
    CFileDialog dialog(FALSE, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST, this);
    PrepareFileDialog(dialog);
    if (dialog.DoModal() != IDOK)
        return;
    m_rules.WriteFile(dialog.GetPathName());
    RebuildRows();
    SelectRow(m_rules.GetCurrent());
}

void CDataTypeDlg::OnOK()
{
    if (!CommitCurrent())
        return;
    if (!m_rules.IsModified()) {
        EndDialog(IDCANCEL);
        return;
    }
    switch (AfxMessageBox(CString(u8"ﾃﾞｰﾀﾀｲﾌﾟの変更を保存しますか。"), MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDYES:
        // A failed save keeps the dialog open with the changes.
        if (m_rules.SaveToProfile())
            EndDialog(IDOK);
        break;
    case IDNO: EndDialog(IDCANCEL); break;
    default: break;
    }
}

void CDataTypeDlg::OnCancel()
{
    if (!CommitCurrent())
        return;
    if (m_rules.IsModified() && AfxMessageBox(CString(u8"ﾃﾞｰﾀﾀｲﾌﾟの変更を保存せずに終了してよろしいですか。"),
                                              MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
        return;
    EndDialog(IDCANCEL);
}
