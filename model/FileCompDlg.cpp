#include "model/FileCompDlg.h"

#include "document/BaseDoc.h"
#include "foundation/CommandIds.h"
#include "foundation/ServiceSlot.h"
#include "model/BoxStyleList.h"
#include "model/FileComp.h"
#include "model/FileCompServices.h"
#include "model/RelationGraph.h"
#include "platform/afx/WinTypes.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/FrameworkIds.h"
#include "platform/ui/Ime.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

CFileCompDlg::CFileCompDlg(CBaseDoc& doc, CFileComp& file, CWnd* parent)
    : CDialog(IDD, parent), m_doc(doc), m_file(file), m_bReadOnly(doc.IsReadOnly())
{
}

void CFileCompDlg::BuildDialog()
{
    QWidget* dialog = GetSafeHwnd();
    dialog->setWindowTitle(ToQString(u8"概念ﾌｧｲﾙ"));
    auto* layout = new QVBoxLayout(dialog);
    auto* grid = new QGridLayout;
    layout->addLayout(grid);
    int row = 0;
    // Names and codes take no input method; the free texts do.
    const auto addRow = [&](QGridLayout* into, int& at, const char8_t* label, QWidget* control, bool ime) {
        auto* caption = new QLabel(ToQString(label));
        caption->setBuddy(control);
        into->addWidget(caption, at, 0);
        into->addWidget(control, at, 1);
        SetWidgetInputMethodOpen(control, ime);
        ++at;
    };
    const auto edit = [&](int id) { return AddControl(id, new QLineEdit); };
    const auto combo = [&](int id) {
        auto* box = AddControl(id, new QComboBox);
        box->setMinimumContentsLength(24);
        return box;
    };
    addRow(grid, row, u8"ﾌｧｲﾙ番号(&N):", edit(IDC_NUMBER), false);
    auto* name = AddControl(IDC_NAME, new QPlainTextEdit);
    name->setMaximumHeight(48);
    name->setTabChangesFocus(true);
    addRow(grid, row, u8"概念ﾌｧｲﾙ名(&M):", name, true);
    auto* fileType = combo(IDC_FILE_TYPE);
    addRow(grid, row, u8"ﾌｧｲﾙ類型名(&R):", fileType, false);
    addRow(grid, row, u8"発生入出力番号(&I):", edit(IDC_IO_NUMBERS), false);
    auto* updateRight = AddControl(IDC_UPDATE_RIGHT, new QCheckBox(ToQString(u8"更新権ﾌﾗｸﾞ(&B)")));
    updateRight->setTristate(true);
    grid->addWidget(updateRight, row++, 1);

    auto* subtype = new QGroupBox(ToQString(u8"ｻﾌﾞﾀｲﾌﾟ/ｻﾌﾞｽﾄﾗｸﾁｬ指定"));
    auto* subGrid = new QGridLayout(subtype);
    int subRow = 0;
    auto* parent = combo(IDC_PARENT);
    auto* discriminatorFile = combo(IDC_DISCRIMINATOR_FILE);
    auto* item = combo(IDC_ITEM);
    addRow(subGrid, subRow, u8"親概念ﾌｧｲﾙ(&P):", parent, false);
    addRow(subGrid, subRow, u8"ｻﾌﾞﾀｲﾌﾟﾃﾞｰﾀ項目所属ﾌｧｲﾙ(&F):", discriminatorFile, false);
    addRow(subGrid, subRow, u8"ｻﾌﾞﾀｲﾌﾟﾃﾞｰﾀ項目(&S):", item, false);
    addRow(subGrid, subRow, u8"ｻﾌﾞﾀｲﾌﾟﾃﾞｰﾀ項目値(&V):", edit(IDC_VALUE), false);
    layout->addWidget(subtype);

    auto* texts = new QGridLayout;
    int textRow = 0;
    addRow(texts, textRow, u8"概要説明(&D):", edit(IDC_SUMMARY), true);
    auto* examples = AddControl(IDC_EXAMPLES, new QPlainTextEdit);
    examples->setMaximumHeight(64);
    examples->setTabChangesFocus(true);
    addRow(texts, textRow, u8"詳細説明(値事例)(&J):", examples, true);
    layout->addLayout(texts);

    auto* physical = new QGroupBox(ToQString(u8"物理ﾌｧｲﾙ指定"));
    auto* phyGrid = new QGridLayout(physical);
    int phyRow = 0;
    phyGrid->addWidget(AddControl(IDC_PHYSICAL_TARGET, new QCheckBox(ToQString(u8"物理実装対象"))), phyRow++, 0, 1, 2);
    phyGrid->addWidget(AddControl(IDC_MERGED,
                                  new QCheckBox(ToQString(u8"物理実装は親概念ﾌｧｲﾙに統合(ｻﾌﾞﾀｲﾌﾟ･ｻﾌﾞｽﾄﾗｸﾁｬの場合)"))),
                       phyRow++, 0, 1, 2);
    addRow(phyGrid, phyRow, u8"ﾃｰﾌﾞﾙ名(&L):", edit(IDC_TABLE_NAME), false);
    addRow(phyGrid, phyRow, u8"ﾌﾟﾗｲﾏﾘｰｲﾝﾃﾞｯｸｽ名(&X):", edit(IDC_INDEX_NAME), false);
    addRow(phyGrid, phyRow, u8"ﾃｰﾌﾞﾙ表領域(&T):", edit(IDC_TABLE_SPACE), false);
    addRow(phyGrid, phyRow, u8"ｲﾝﾃﾞｯｸｽ表領域(&I):", edit(IDC_INDEX_SPACE), false);
    phyGrid->addWidget(AddControl(IDC_DEDICATED, new QCheckBox(ToQString(u8"物理追加ﾃﾞｰﾀ定義専用ﾌｧｲﾙ"))), phyRow++, 0,
                       1, 2);
    auto* definition = combo(IDC_DEFINITION_FILE);
    addRow(phyGrid, phyRow, u8"物理追加ﾃﾞｰﾀ定義ﾌｧｲﾙ:", definition, false);
    layout->addWidget(physical);

    QObject::connect(fileType, &QComboBox::activated, fileType, [this] { OnFileTypeChosen(); });
    QObject::connect(parent, &QComboBox::activated, parent, [this] { OnParentChosen(); });
    QObject::connect(discriminatorFile, &QComboBox::activated, discriminatorFile,
                     [this] { OnDiscriminatorFileChosen(); });
    QObject::connect(item, &QComboBox::activated, item, [this] { OnItemChosen(); });
    QObject::connect(definition, &QComboBox::activated, definition, [this] { OnDefinitionFileChosen(); });
    layout->addLayout(MakeButtonRow(
        {{IDC_DATA_ITEMS, u8"所属ﾃﾞｰﾀ項目..."}, {IDOK, u8"OK"}, {IDCANCEL, u8"ｷｬﾝｾﾙ"}, {ID_HELP, u8"ﾍﾙﾌﾟ"}}));
}

void CFileCompDlg::DoDataExchange(CDataExchange* dx)
{
    using namespace FileCompDlgRules;
    const auto text = [dx](int id, CString& value, int limit) {
        DDX_Text(dx, id, value);
        if (limit > 0)
            DDV_MaxChars(dx, value, limit);
    };
    text(IDC_NUMBER, m_settings.number, kMaxNumber);
    text(IDC_NAME, m_settings.name, kMaxName);
    text(IDC_IO_NUMBERS, m_settings.ioNumbers, kMaxIoNumbers);
    text(IDC_VALUE, m_settings.value, kMaxValue);
    text(IDC_SUMMARY, m_settings.summary, kMaxSummary);
    text(IDC_EXAMPLES, m_settings.examples, 0);
    text(IDC_TABLE_NAME, m_settings.tableName, kMaxTableName);
    text(IDC_INDEX_NAME, m_settings.indexName, kMaxIndexName);
    text(IDC_TABLE_SPACE, m_settings.tableSpace, 0);
    text(IDC_INDEX_SPACE, m_settings.indexSpace, 0);
}

const MessageMap* CFileCompDlg::GetMessageMap() const
{
    static const MessageMap map{CDialog::GetMessageMap(),
                                {
                                    MapCommand(IDC_UPDATE_RIGHT, &CFileCompDlg::OnUpdateRight),
                                    MapCommand(IDC_PHYSICAL_TARGET, &CFileCompDlg::OnPhysicalTarget),
                                    MapCommand(IDC_MERGED, &CFileCompDlg::OnMerged),
                                    MapCommand(IDC_DEDICATED, &CFileCompDlg::OnDedicated),
                                    MapCommand(IDC_DATA_ITEMS, &CFileCompDlg::OnDataItems),
                                }};
    return &map;
}

BOOL CFileCompDlg::OnInitDialog()
{
    m_settings = FileCompDlgRules::ReadFileComp(m_doc, m_file);
    CDialog::OnInitDialog();
    auto* fileTypes = static_cast<CComboBox*>(GetDlgItem(IDC_FILE_TYPE));
    if (const CBoxStyleList* marks = FileCompDlgRules::GetFileTypeMarks()) {
        marks->FillShownUserNameCombo(fileTypes);
        marks->SelectComboByMarkId(fileTypes, m_settings.boxStyle);
    }
    static_cast<CButton*>(GetDlgItem(IDC_UPDATE_RIGHT))->SetCheck(int(m_settings.updateRight));
    RefreshSubTypeGroup();
    static_cast<CButton*>(GetDlgItem(IDC_PHYSICAL_TARGET))->SetCheck(m_settings.physicalTarget);
    static_cast<CButton*>(GetDlgItem(IDC_MERGED))->SetCheck(m_settings.merged);
    static_cast<CButton*>(GetDlgItem(IDC_DEDICATED))->SetCheck(m_settings.dedicated);
    FileCompDlgRules::FillPhysicalDefinitionFileCombo(m_doc, m_file.GetObjectId(),
                                                      static_cast<CComboBox*>(GetDlgItem(IDC_DEFINITION_FILE)));
    // Without a definition file the row "(指定しない)" shows.
    static_cast<CComboBox*>(GetDlgItem(IDC_DEFINITION_FILE))->SelectItemData(m_settings.definitionFile);
    GetDlgItem(IDOK)->EnableWindow(!m_bReadOnly);
    ApplyEnables();
    GetDlgItem(IDC_NAME)->SetFocus();
    return FALSE;
}

void CFileCompDlg::SelectByData(int id, DWORD_PTR data, DWORD_PTR mask)
{
    auto* combo = static_cast<CComboBox*>(GetDlgItem(id));
    combo->SetCurSel(-1);
    if (data == 0)
        return;
    for (int i = 0; i < combo->GetCount(); ++i)
        if ((combo->GetItemData(i) & mask) == data) {
            combo->SetCurSel(i);
            return;
        }
}

void CFileCompDlg::RefreshSubTypeGroup()
{
    if (m_settings.parentFile != 0) {
        FileCompServices::FillParentFileCompCombo(m_doc, m_file, static_cast<CComboBox*>(GetDlgItem(IDC_PARENT)));
        SelectByData(IDC_PARENT, DWORD_PTR(m_settings.parentFile) << 16, 0xFFFF0000u);
        FileCompServices::FillFileCompCombo(m_doc, static_cast<CComboBox*>(GetDlgItem(IDC_DISCRIMINATOR_FILE)), TRUE);
        SelectByData(IDC_DISCRIMINATOR_FILE, m_settings.discriminatorFile);
    }
    FillItems();
    SetDlgItemText(IDC_VALUE, m_settings.value);
}

void CFileCompDlg::FillItems()
{
    auto* items = static_cast<CComboBox*>(GetDlgItem(IDC_ITEM));
    RelationGraph::FillDataItemCombo(m_doc, m_settings.discriminatorFile, items, FALSE, TRUE);
    SelectByData(IDC_ITEM, m_settings.discriminatorItem);
}

void CFileCompDlg::ApplyEnables()
{
    const FileCompDlgRules::FileCompEnables e = FileCompDlgRules::GetFileCompEnables(m_settings, m_bReadOnly);
    const auto setReadOnly = [this](int id, BOOL readOnly) {
        QWidget* widget = GetDlgItem(id)->GetSafeHwnd();
        if (auto* line = qobject_cast<QLineEdit*>(widget))
            line->setReadOnly(readOnly);
        else if (auto* text = qobject_cast<QPlainTextEdit*>(widget))
            text->setReadOnly(readOnly);
    };
    for (int id : {IDC_NUMBER, IDC_NAME, IDC_IO_NUMBERS, IDC_SUMMARY, IDC_EXAMPLES})
        setReadOnly(id, !e.textsEditable);
    GetDlgItem(IDC_FILE_TYPE)->EnableWindow(e.fileTypeCombo);
    GetDlgItem(IDC_UPDATE_RIGHT)->EnableWindow(!m_bReadOnly);
    GetDlgItem(IDC_PARENT)->EnableWindow(e.parentCombo);
    GetDlgItem(IDC_DISCRIMINATOR_FILE)->EnableWindow(e.parentCombo);
    GetDlgItem(IDC_ITEM)->EnableWindow(e.itemCombo);
    setReadOnly(IDC_VALUE, !e.valueEditable);
    GetDlgItem(IDC_PHYSICAL_TARGET)->EnableWindow(e.physicalCheck);
    GetDlgItem(IDC_MERGED)->EnableWindow(e.mergedCheck);
    for (int id : {IDC_TABLE_NAME, IDC_INDEX_NAME, IDC_TABLE_SPACE, IDC_INDEX_SPACE})
        setReadOnly(id, !e.physicalEditable);
    GetDlgItem(IDC_DEFINITION_FILE)->EnableWindow(e.definitionCombo);
    GetDlgItem(IDC_DEDICATED)->EnableWindow(e.dedicatedCheck);
}

void CFileCompDlg::OnFileTypeChosen()
{
    const CBoxStyle* style = CBoxStyleList::GetComboSelection(static_cast<CComboBox*>(GetDlgItem(IDC_FILE_TYPE)));
    m_settings.boxStyle = style ? style->GetMarkId() : 0;
}

void CFileCompDlg::OnUpdateRight()
{
    m_settings.updateRight = WORD(static_cast<CButton*>(GetDlgItem(IDC_UPDATE_RIGHT))->GetCheck());
}

void CFileCompDlg::OnParentChosen()
{
    auto* parents = static_cast<CComboBox*>(GetDlgItem(IDC_PARENT));
    const int index = parents->GetCurSel();
    const DWORD data = index < 0 ? 0 : DWORD(parents->GetItemData(index));
    if (!FileCompDlgRules::ChooseParent(m_doc, m_file, m_settings, data)) {
        // The refused parent does not stay chosen.
        SelectByData(IDC_PARENT, DWORD_PTR(m_settings.parentFile) << 16, 0xFFFF0000u);
        return;
    }
    RefreshSubTypeGroup();
    ApplyEnables();
}

void CFileCompDlg::OnDiscriminatorFileChosen()
{
    auto* files = static_cast<CComboBox*>(GetDlgItem(IDC_DISCRIMINATOR_FILE));
    const int index = files->GetCurSel();
    if (FileCompDlgRules::ChooseDiscriminatorFile(m_settings, index < 0 ? 0 : WORD(files->GetItemData(index))))
        FillItems();
    ApplyEnables();
}

void CFileCompDlg::OnItemChosen()
{
    auto* items = static_cast<CComboBox*>(GetDlgItem(IDC_ITEM));
    const int index = items->GetCurSel();
    CString text;
    if (index >= 0)
        items->GetLBText(index, text);
    FileCompDlgRules::ChooseDiscriminatorItem(m_settings, index < 0 ? 0 : WORD(items->GetItemData(index)), text);
}

void CFileCompDlg::OnPhysicalTarget()
{
    m_settings.physicalTarget = static_cast<CButton*>(GetDlgItem(IDC_PHYSICAL_TARGET))->GetCheck() == BST_CHECKED;
    ApplyEnables();
}

void CFileCompDlg::OnMerged()
{
    m_settings.merged = static_cast<CButton*>(GetDlgItem(IDC_MERGED))->GetCheck() == BST_CHECKED;
    ApplyEnables();
}

void CFileCompDlg::OnDedicated()
{
    FileCompDlgRules::SetDedicated(m_settings,
                                   static_cast<CButton*>(GetDlgItem(IDC_DEDICATED))->GetCheck() == BST_CHECKED);
    static_cast<CButton*>(GetDlgItem(IDC_PHYSICAL_TARGET))->SetCheck(m_settings.physicalTarget);
    ApplyEnables();
}

void CFileCompDlg::OnDefinitionFileChosen()
{
    auto* files = static_cast<CComboBox*>(GetDlgItem(IDC_DEFINITION_FILE));
    const int index = files->GetCurSel();
    FileCompDlgRules::ChooseDefinitionFile(m_doc, m_settings, index < 0 ? 0 : WORD(files->GetItemData(index)));
    ApplyEnables();
}

void CFileCompDlg::OnDataItems()
{
    // The data items dialog applies in the document's step; the name and texts stay the dialog's.
    m_doc.ExecuteObjectOperation(&m_file, ID_OBJ_DATA_ITEM_DIALOG, 0, 0);
}
