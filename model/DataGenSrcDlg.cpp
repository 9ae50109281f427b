#include "model/DataGenSrcDlg.h"

#include "document/BaseDoc.h"
#include "model/Data.h"
#include "model/DataGenSrc.h"
#include "model/DataGenSrcList.h"
#include "model/DataList.h"
#include "model/FileComp.h"
#include "model/FileCompServices.h"
#include "model/RelationGraph.h"
#include "platform/afx/MessageSink.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/FrameworkIds.h"
#include "platform/ui/Ime.h"
#include "platform/ui/UserMessages.h"

#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <tuple>
#include <utility>

CDataGenSrcDlg::CDataGenSrcDlg(CBaseDoc* doc, const CFileComp* file, const CData* item, const CDataList* working,
                               CDataGenSrcList* sources, CWnd* parent)
    : CDialog(IDD, parent), m_pDoc(doc), m_pFile(file), m_pItem(item), m_pWorking(working), m_pSources(sources)
{
    m_pSources->CopySourcesFrom(item->GetSources());
    m_rules.emplace(*m_pSources, file->GetObjectId(), item->GetDataNumber());
}

void CDataGenSrcDlg::BuildDialog()
{
    QWidget* dialog = GetSafeHwnd();
    dialog->setWindowTitle(ToQString(u8"加工加工元ﾃﾞｰﾀ関連"));
    auto* layout = new QVBoxLayout(dialog);
    const auto label = [](const char8_t* text, QWidget* buddy) {
        auto* l = new QLabel(ToQString(text));
        l->setBuddy(buddy);
        return l;
    };
    QTreeWidget* list = AddControl(IDC_LIST, CListCtrl::CreateReportView());
    list->setMinimumSize(660, 160);
    layout->addWidget(label(u8"加工元ﾃﾞｰﾀ(&G):", list));
    layout->addWidget(list, 1);
    auto* grid = new QGridLayout;
    layout->addLayout(grid);
    const std::tuple<int, const char8_t*> combos[] = {{IDC_SRC_FILE, u8"加工元ﾃﾞｰﾀ項目所属概念ﾌｧｲﾙ(&F):"},
                                                      {IDC_SRC_ITEM, u8"加工元ﾃﾞｰﾀ項目(&S):"},
                                                      {IDC_REF_FILE, u8"加工元参照ﾃﾞｰﾀ項目所属概念ﾌｧｲﾙ(&L):"},
                                                      {IDC_REF_ITEM1, u8"加工元参照ﾃﾞｰﾀ項目1(&1):"},
                                                      {IDC_REF_ITEM2, u8"加工元参照ﾃﾞｰﾀ項目2(&2):"},
                                                      {IDC_REF_ITEM3, u8"加工元参照ﾃﾞｰﾀ項目3(&3):"}};
    int row = 0;
    for (const auto& [id, text] : combos) {
        auto* box = AddControl(id, new QComboBox);
        SetWidgetInputMethodOpen(box, false);
        CComboBox::SetSortStyle(box, id == IDC_SRC_FILE || id == IDC_REF_FILE);
        box->setMinimumWidth(240);
        grid->addWidget(label(text, box), row, 0);
        grid->addWidget(box, row++, 1);
        QObject::connect(box, &QComboBox::activated, box, [this, id = id] {
            if (m_bLoading || !m_pCurrent)
                return;
            switch (id) {
            case IDC_SRC_FILE: OnSourceFile(); break;
            case IDC_SRC_ITEM: OnSourceItem(); break;
            case IDC_REF_FILE: OnRefFile(); break;
            default: OnRefItem(id - IDC_REF_ITEM1); break;
            }
        });
    }
    auto* note = AddControl(IDC_NOTE, new QPlainTextEdit);
    note->setTabChangesFocus(true);
    note->setMaximumHeight(56);
    SetWidgetInputMethodOpen(note, true);
    grid->addWidget(label(u8"備考(&M):", note), row, 0, Qt::AlignTop);
    grid->addWidget(note, row, 1);
    auto* buttons = new QHBoxLayout;
    for (const auto& [id, text] : {std::pair{IDC_INSERT, u8"挿入(&I)"}, std::pair{IDC_DELETE, u8"削除(&D)"}}) {
        auto* b = AddControl(id, new QPushButton(ToQString(text)));
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    buttons->addStretch();
    auto* ok = AddControl(IDOK, new QPushButton(QStringLiteral("OK")));
    ok->setDefault(true);
    buttons->addWidget(ok);
    buttons->addWidget(AddControl(IDCANCEL, new QPushButton(ToQString(u8"ｷｬﾝｾﾙ"))));
    buttons->addWidget(AddControl(ID_HELP, new QPushButton(ToQString(u8"ﾍﾙﾌﾟ"))));
    layout->addLayout(buttons);
}

void CDataGenSrcDlg::DoDataExchange(CDataExchange* dx)
{
    DDX_Control(dx, IDC_REF_ITEM3, m_refCombos[2]);
    DDX_Control(dx, IDC_REF_ITEM2, m_refCombos[1]);
    DDX_Control(dx, IDC_REF_ITEM1, m_refCombos[0]);
    DDX_Control(dx, IDC_SRC_ITEM, m_srcItemCombo);
    DDX_Control(dx, IDC_SRC_FILE, m_srcFileCombo);
    DDX_Control(dx, IDC_REF_FILE, m_refFileCombo);
    DDX_Control(dx, IDC_LIST, m_list);
    DDX_Text(dx, IDC_NOTE, m_strNote);
    DDV_MaxChars(dx, m_strNote, 255);
}

const MessageMap* CDataGenSrcDlg::GetMessageMap() const
{
    static const MessageMap map{CDialog::GetMessageMap(),
                                {
                                    MapCommand(IDC_INSERT, &CDataGenSrcDlg::OnInsert),
                                    MapCommand(IDC_DELETE, &CDataGenSrcDlg::OnDelete),
                                }};
    return &map;
}

LRESULT CDataGenSrcDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == UM_LIST_ITEM_MOVED) {
        if (wParam == WPARAM(IDC_LIST) && !m_pDoc->IsReadOnly()) {
            const int index = m_rules->Move(LOWORD(DWORD(lParam)), HIWORD(DWORD(lParam)));
            if (index >= 0) {
                m_nCurrentRow = -1;
                m_pCurrent = nullptr;
                FillList();
                SelectRow(index);
            }
        }
        return 0;
    }
    return CDialog::WindowProc(message, wParam, lParam);
}

BOOL CDataGenSrcDlg::OnInitDialog()
{
    m_bLoading = TRUE;
    CDialog::OnInitDialog();
    if (m_pDoc->IsReadOnly()) {
        GetDlgItem(IDOK)->EnableWindow(FALSE);
        GetDlgItem(IDC_INSERT)->EnableWindow(FALSE);
    }
    // The columns share the list's width as the laid-out dialog gives it.
    GetDialogWidget()->adjustSize();
    GetDialogWidget()->layout()->activate();
    const int width = m_list.Tree()->width();
    for (int column = 0; column < DataGenSrcRules::kColumnCount; ++column)
        m_list.InsertColumn(column, DataGenSrcRules::ColumnTitle(column), LVCFMT_LEFT,
                            DataGenSrcRules::ColumnWidth(column, width));
    SetWindowText(CString(u8"加工加工元ﾃﾞｰﾀ関連") + " [" + m_pFile->GetFileName() + " - " + m_pItem->GetName() + "]");
    m_list.SetItemChangedHandler([this](const NMLISTVIEW& change) { OnItemChanged(change); });
    const BOOL filled = FillList();
    m_bLoading = FALSE;
    if (!filled) {
        EndDialog(IDCANCEL);
        return TRUE;
    }
    LoadSource(-1);
    UpdateControlStates();
    return TRUE;
}

BOOL CDataGenSrcDlg::FillList()
{
    const BOOL loading = std::exchange(m_bLoading, TRUE);
    m_list.DeleteAllItems();
    BOOL ok = TRUE;
    int row = 0;
    for (POSITION pos = m_pSources->GetHeadPosition(); pos; ++row) {
        const CDataGenSrc* source = m_pSources->GetNext(pos);
        if (m_list.InsertItem(row, DataGenSrcRules::CellText(*source, 0, FALSE)) != row) {
            ok = FALSE;
            break;
        }
        m_list.SetItemData(row, DataGenSrcRules::RowData(*source));
        for (int column = 1; column < DataGenSrcRules::kColumnCount; ++column)
            m_list.SetItemText(row, column, DataGenSrcRules::CellText(*source, column, FALSE));
    }
    m_bLoading = loading;
    return ok;
}

void CDataGenSrcDlg::RedrawRow(int row, int column)
{
    const CDataGenSrc* source = m_pSources->GetAt(row);
    if (!source)
        return;
    for (int c = 0; c < DataGenSrcRules::kColumnCount; ++c)
        if (column < 0 || column == c)
            m_list.SetItemText(row, c, DataGenSrcRules::CellText(*source, c, TRUE));
}

void CDataGenSrcDlg::FillItemCombo(CComboBox& combo, WORD fileId)
{
    combo.ResetContent();
    if (fileId == 0)
        return;
    if (fileId == m_pFile->GetObjectId())
        m_pWorking->FillDataItemCombo(&combo, FALSE, TRUE);
    else
        RelationGraph::FillDataItemCombo(*m_pDoc, fileId, &combo, FALSE, TRUE);
}

CString CDataGenSrcDlg::ItemName(WORD fileId, WORD number) const
{
    if (number == 0)
        return CString();
    const CData* item = nullptr;
    if (fileId == m_pFile->GetObjectId()) {
        item = m_pWorking->FindDataByNumber(number);
    } else if (CFileComp* other = RelationGraph::ResolveFileComp(*m_pDoc, RelationGraph::FindObject(*m_pDoc, fileId))) {
        item = other->GetDataList().FindDataByNumber(number);
    }
    return item ? item->GetName() : CString();
}

void CDataGenSrcDlg::LoadSource(int row)
{
    m_bLoading = TRUE;
    m_nCurrentRow = row;
    m_pCurrent = m_pSources->GetAt(row);
    if (m_pCurrent) {
        GenSrcByIds& ids = m_pCurrent->ByIds();
        FileCompServices::FillFileCompCombo(*m_pDoc, &m_srcFileCombo, TRUE);
        FileCompServices::FillFileCompCombo(*m_pDoc, &m_refFileCombo, TRUE);
        m_srcFileCombo.SelectItemData(ids.srcFile);
        FillItemCombo(m_srcItemCombo, ids.srcFile);
        m_srcItemCombo.SelectItemData(ids.srcItem);
        if (ids.refFile == 0 && ids.srcFile != 0)
            ids.refFile = ids.srcFile;
        m_refFileCombo.SelectItemData(ids.refFile);
        for (int i = 0; i < GENSRC_REF_COUNT; ++i) {
            FillItemCombo(m_refCombos[i], ids.refFile);
            m_refCombos[i].SelectItemData(ids.refItems[size_t(i)]);
        }
        m_strNote = m_pCurrent->GetNote();
    } else {
        for (CComboBox* box :
             {&m_srcFileCombo, &m_srcItemCombo, &m_refFileCombo, &m_refCombos[0], &m_refCombos[1], &m_refCombos[2]})
            box->SetCurSel(-1);
        m_strNote.Empty();
    }
    UpdateData(FALSE);
    m_bLoading = FALSE;
}

void CDataGenSrcDlg::UpdateControlStates()
{
    const BOOL ro = m_pDoc->IsReadOnly();
    const auto enable = [this](int id, BOOL on) { GetDlgItem(id)->EnableWindow(on); };
    if (!m_pCurrent) {
        for (int id : {IDC_SRC_FILE, IDC_SRC_ITEM, IDC_REF_FILE, IDC_REF_ITEM1, IDC_REF_ITEM2, IDC_REF_ITEM3, IDC_NOTE,
                       IDC_DELETE})
            enable(id, FALSE);
        return;
    }
    enable(IDC_SRC_FILE, !ro);
    enable(IDC_SRC_ITEM, !ro && WORD(m_srcFileCombo.GetCurSelData()) != 0);
    enable(IDC_REF_FILE, !ro && WORD(m_srcItemCombo.GetCurSelData()) != 0);
    for (int id : {IDC_REF_ITEM1, IDC_REF_ITEM2, IDC_REF_ITEM3})
        enable(id, !ro && WORD(m_refFileCombo.GetCurSelData()) != 0);
    enable(IDC_NOTE, WORD(m_srcItemCombo.GetCurSelData()) != 0);
    static_cast<CEdit*>(GetDlgItem(IDC_NOTE))->SetReadOnly(ro);
    enable(IDC_DELETE, !ro);
}

BOOL CDataGenSrcDlg::CommitCurrentSource()
{
    if (!m_pCurrent)
        return TRUE;
    if (!UpdateData(TRUE))
        return FALSE;
    GenSrcByIds& ids = m_pCurrent->ByIds();
    ids.srcFile = WORD(m_srcFileCombo.GetCurSelData());
    ids.srcItem = WORD(m_srcItemCombo.GetCurSelData());
    if (ids.srcItem != 0)
        ids.srcItemName = ItemName(ids.srcFile, ids.srcItem);
    ids.refFile = WORD(m_refFileCombo.GetCurSelData());
    for (int i = 0; i < GENSRC_REF_COUNT; ++i) {
        ids.refItems[size_t(i)] = WORD(m_refCombos[i].GetCurSelData());
        ids.refItemNames[size_t(i)] = ItemName(ids.refFile, ids.refItems[size_t(i)]);
    }
    m_pCurrent->SetNote(m_strNote);
    return TRUE;
}

void CDataGenSrcDlg::Reselect(int row)
{
    const BOOL loading = std::exchange(m_bLoading, TRUE);
    m_list.SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    m_list.EnsureVisible(row, FALSE);
    m_bLoading = loading;
}

void CDataGenSrcDlg::SelectRow(int row)
{
    Reselect(row);
    LoadSource(row);
    UpdateControlStates();
}

void CDataGenSrcDlg::OnItemChanged(const NMLISTVIEW& change)
{
    if (m_bLoading)
        return;
    const UINT both = LVIS_SELECTED | LVIS_FOCUSED;
    if ((change.uNewState & both) != both || (change.uOldState & both) == both)
        return;
    if (change.iItem != m_nCurrentRow && !CommitCurrentSource()) {
        Reselect(m_nCurrentRow);
        return;
    }
    LoadSource(change.iItem);
    UpdateControlStates();
}

void CDataGenSrcDlg::OnSourceFile()
{
    GenSrcByIds& ids = m_pCurrent->ByIds();
    const WORD file = WORD(m_srcFileCombo.GetCurSelData());
    if (file != ids.srcFile) {
        ids.srcFile = file;
        FillItemCombo(m_srcItemCombo, file);
        ids.srcItem = 0;
        ids.srcItemName.Empty();
        RedrawRow(m_nCurrentRow, -1);
    }
    UpdateControlStates();
}

void CDataGenSrcDlg::OnSourceItem()
{
    GenSrcByIds& ids = m_pCurrent->ByIds();
    ids.srcItem = WORD(m_srcItemCombo.GetCurSelData());
    ids.srcItemName = ItemName(ids.srcFile, ids.srcItem);
    RedrawRow(m_nCurrentRow, 0);
    UpdateControlStates();
}

void CDataGenSrcDlg::OnRefFile()
{
    GenSrcByIds& ids = m_pCurrent->ByIds();
    const WORD file = WORD(m_refFileCombo.GetCurSelData());
    if (file != ids.refFile) {
        ids.refFile = file;
        if (file == 0) {
            ids.refItems = {};
            for (CString& name : ids.refItemNames)
                name.Empty();
        }
        for (CComboBox& combo : m_refCombos)
            FillItemCombo(combo, file);
        RedrawRow(m_nCurrentRow, -1);
    }
    UpdateControlStates();
}

void CDataGenSrcDlg::OnRefItem(int index)
{
    GenSrcByIds& ids = m_pCurrent->ByIds();
    ids.refItems[size_t(index)] = WORD(m_refCombos[index].GetCurSelData());
    ids.refItemNames[size_t(index)] = ItemName(ids.refFile, ids.refItems[size_t(index)]);
    RedrawRow(m_nCurrentRow, index + 1);
}

void CDataGenSrcDlg::OnInsert()
{
    if (m_pDoc->IsReadOnly())
        return;
    if (!CommitCurrentSource()) {
        Reselect(m_nCurrentRow);
        return;
    }
    const int index = m_rules->Insert(m_pCurrent ? m_nCurrentRow : -1);
    if (index < 0)
        return;
    FillList();
    SelectRow(index);
    m_srcItemCombo.SetFocus();
}

void CDataGenSrcDlg::OnDelete()
{
    if (m_pDoc->IsReadOnly() || !m_pCurrent)
        return;
    const int next = m_rules->Delete(m_nCurrentRow);
    m_pCurrent = nullptr;
    m_nCurrentRow = -1;
    FillList();
    if (next >= 0) {
        SelectRow(next);
    } else {
        LoadSource(-1);
        UpdateControlStates();
    }
}

void CDataGenSrcDlg::OnOK()
{
    if (m_pDoc->IsReadOnly())
        return;
    if (!CommitCurrentSource()) {
        Reselect(m_nCurrentRow);
        return;
    }
    DataGenSrcRules::Refusal refusal;
    if (m_rules->CheckForOK(refusal)) {
        EndDialog(IDOK);
        return;
    }
    AfxMessageBox(refusal.message, MB_OK | MB_ICONEXCLAMATION);
    if (refusal.row < 0)
        return;
    SelectRow(refusal.row);
    switch (refusal.focus) {
    case DataGenSrcRules::Focus::SourceItem: m_srcItemCombo.SetFocus(); break;
    case DataGenSrcRules::Focus::RefItem1: m_refCombos[0].SetFocus(); break;
    case DataGenSrcRules::Focus::RefItem2: m_refCombos[1].SetFocus(); break;
    case DataGenSrcRules::Focus::RefItem3: m_refCombos[2].SetFocus(); break;
    case DataGenSrcRules::Focus::None: break;
    }
}
