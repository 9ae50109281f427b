#include "model/DataItemDlg.h"

#include "document/BaseDoc.h"
#include "model/Data.h"
#include "model/DataGenSrcDlg.h"
#include "model/DataGenSrcList.h"
#include "model/DataList.h"
#include "model/DerivationKinds.h"
#include "model/FileComp.h"
#include "model/FileCompServices.h"
#include "model/RelationGraph.h"
#include "platform/afx/MessageSink.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/FrameworkIds.h"
#include "platform/ui/Ime.h"
#include "platform/ui/UserMessages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <climits>
#include <utility>
#include <string>

namespace DataItemDlgImpl {

BOOL ReadsAsWhole(const CString& text, int& value)
{
    const std::string s(text.GetString());
    if (s.empty())
        return FALSE;
    size_t used = 0;
    try {
        const long v = std::stol(s, &used);
        if (used != s.size() || v < INT_MIN || v > INT_MAX)
            return FALSE;
        value = int(v);
    } catch (...) {
        return FALSE;
    }
    return TRUE;
}

} // namespace DataItemDlgImpl

CDataItemDlg::CDataItemDlg(CBaseDoc* doc, const CFileComp* file, CDataList* working, CWnd* parent,
                           DataTypeComboHooks types)
    : CDialog(IDD, parent), m_pDoc(doc), m_pFile(file), m_pWorking(working), m_types(std::move(types))
{
    m_pWorking->CopyDataFrom(file->GetDataList());
    const BOOL keyOffPhysical = file->GetMergedIntoParent() && file->HasParentFileComp(*doc);
    const CBaseDoc* lookupDoc = doc;
    m_rules.emplace(*m_pWorking, file->GetObjectId(), keyOffPhysical, [lookupDoc](WORD fileId, WORD number) {
        CFileComp* other = RelationGraph::ResolveFileComp(*lookupDoc, RelationGraph::FindObject(*lookupDoc, fileId));
        const CData* item = other ? other->GetDataList().FindDataByNumber(number) : nullptr;
        return item ? item->GetName() : CString();
    });
}

BOOL CDataItemDlg::IsReadOnly() const
{
    return m_pDoc->IsReadOnly();
}

void CDataItemDlg::BuildDialog()
{
    QWidget* dialog = GetSafeHwnd();
    dialog->setWindowTitle(ToQString(u8"概念ﾌｧｲﾙ所属ﾃﾞｰﾀ項目"));
    auto* layout = new QVBoxLayout(dialog);
    const auto label = [](const char8_t* text, QWidget* buddy) {
        auto* l = new QLabel(ToQString(text));
        l->setBuddy(buddy);
        return l;
    };
    const auto lineEdit = [this](int id, bool imeOpen) {
        auto* edit = AddControl(id, new QLineEdit);
        SetWidgetInputMethodOpen(edit, imeOpen);
        return edit;
    };
    const auto combo = [this](int id, bool sorted) {
        auto* box = AddControl(id, new QComboBox);
        SetWidgetInputMethodOpen(box, false);
        CComboBox::SetSortStyle(box, sorted);
        return box;
    };
    const auto check = [this](int id, const char8_t* text) { return AddControl(id, new QCheckBox(ToQString(text))); };
    const auto button = [this](int id, const char8_t* text) {
        auto* b = AddControl(id, new QPushButton(ToQString(text)));
        b->setAutoDefault(false);
        return b;
    };

    // The list with its buttons.
    QTreeWidget* list = AddControl(IDC_LIST, CListCtrl::CreateReportView());
    list->setMinimumSize(780, 200);
    layout->addWidget(label(u8"所属ﾃﾞｰﾀ項目(&L):", list));
    layout->addWidget(list, 1);
    auto* listButtons = new QHBoxLayout;
    listButtons->addWidget(button(IDC_INSERT, u8"挿入(&I)"));
    listButtons->addWidget(button(IDC_DELETE, u8"削除(&D)"));
    listButtons->addWidget(button(IDC_ARRANGE, u8"並順調整(&A)"));
    listButtons->addStretch();
    layout->addLayout(listButtons);

    // The fields of the selected item: conceptual on the left, physical on the right.
    auto* fields = new QHBoxLayout;
    layout->addLayout(fields);
    auto* grid = new QGridLayout;
    fields->addLayout(grid, 3);
    int row = 0;
    QLineEdit* name = lineEdit(IDC_NAME, true);
    grid->addWidget(label(u8"ﾃﾞｰﾀ項目名(&M):", name), row, 0);
    grid->addWidget(name, row, 1, 1, 3);
    ++row;
    QLineEdit* number = lineEdit(IDC_NUMBER, false);
    grid->addWidget(label(u8"ﾃﾞｰﾀ項目番号(&N):", number), row, 0);
    grid->addWidget(number, row, 1);
    QComboBox* derivation = combo(IDC_DERIVATION, false);
    grid->addWidget(label(u8"加工機能(&G):", derivation), row, 2);
    grid->addWidget(derivation, row, 3);
    ++row;
    grid->addWidget(check(IDC_KEY, u8"KEY機能あり(&K)"), row, 0);
    QLineEdit* group = lineEdit(IDC_KEY_GROUP, false);
    group->setValidator(nullptr);
    grid->addWidget(label(u8"ｷｰｸﾞﾙｰﾌﾟ番号(&Y):", group), row, 1);
    grid->addWidget(group, row, 2);
    grid->addWidget(check(IDC_RKEY, u8"RKEY機能あり(&R)"), row, 3);
    ++row;
    auto* refBox = new QGroupBox(ToQString(u8"参照先KEYﾃﾞｰﾀ項目"));
    auto* refGrid = new QGridLayout(refBox);
    QComboBox* refFile = combo(IDC_REF_FILE, true);
    refGrid->addWidget(label(u8"参照先概念ﾌｧｲﾙ(&F):", refFile), 0, 0);
    refGrid->addWidget(refFile, 0, 1);
    QComboBox* refItem = combo(IDC_REF_ITEM, false);
    refGrid->addWidget(label(u8"参照先ﾃﾞｰﾀ項目(&T):", refItem), 1, 0);
    refGrid->addWidget(refItem, 1, 1);
    grid->addWidget(refBox, row, 0, 1, 4);
    ++row;
    grid->addWidget(check(IDC_CHILD, u8"子ﾚﾍﾞﾙの概念ﾃﾞｰﾀ項目(&C)"), row, 0, 1, 2);
    QComboBox* parent = combo(IDC_PARENT, false);
    grid->addWidget(label(u8"親概念ﾃﾞｰﾀ項目(&P):", parent), row, 2);
    grid->addWidget(parent, row, 3);
    ++row;
    auto* summary = AddControl(IDC_SUMMARY, new QPlainTextEdit);
    summary->setTabChangesFocus(true);
    summary->setMaximumHeight(56);
    SetWidgetInputMethodOpen(summary, true);
    grid->addWidget(label(u8"概要説明(&B):", summary), row, 0, Qt::AlignTop);
    grid->addWidget(summary, row, 1, 1, 3);
    ++row;
    auto* expression = AddControl(IDC_EXPRESSION, new QPlainTextEdit);
    expression->setTabChangesFocus(true);
    expression->setMaximumHeight(56);
    SetWidgetInputMethodOpen(expression, false);
    grid->addWidget(label(u8"式(&Q):", expression), row, 0, Qt::AlignTop);
    grid->addWidget(expression, row, 1, 1, 3);

    auto* physical = new QGroupBox(ToQString(u8"物理ﾃﾞｰﾀ項目指定"));
    fields->addWidget(physical, 2);
    auto* pGrid = new QGridLayout(physical);
    row = 0;
    pGrid->addWidget(check(IDC_PHYSICAL, u8"物理実装対象"), row++, 0, 1, 2);
    QLineEdit* column = lineEdit(IDC_COLUMN, false);
    pGrid->addWidget(label(u8"ｶﾗﾑ名(&U):", column), row, 0);
    pGrid->addWidget(column, row++, 1);
    QComboBox* type = combo(IDC_TYPE, false);
    pGrid->addWidget(label(u8"ﾃﾞｰﾀﾀｲﾌﾟ:", type), row, 0);
    pGrid->addWidget(type, row++, 1);
    QLineEdit* digits = lineEdit(IDC_DIGITS, false);
    pGrid->addWidget(label(u8"桁数:", digits), row, 0);
    pGrid->addWidget(digits, row++, 1);
    QLineEdit* decimals = lineEdit(IDC_DECIMALS, false);
    pGrid->addWidget(label(u8"小数桁数:", decimals), row, 0);
    pGrid->addWidget(decimals, row++, 1);
    auto* nullBox = new QGroupBox(ToQString(u8"NULLｵﾌﾟｼｮﾝ"));
    auto* nullRow = new QHBoxLayout(nullBox);
    nullRow->addWidget(AddControl(IDC_NOT_NULL, new QRadioButton(QStringLiteral("NOT NULL"))));
    nullRow->addWidget(AddControl(IDC_NULL, new QRadioButton(QStringLiteral("NULL"))));
    nullRow->addWidget(AddControl(IDC_NO_NULL, new QRadioButton(ToQString(u8"なし"))));
    pGrid->addWidget(nullBox, row++, 0, 1, 2);
    QLineEdit* defaultValue = lineEdit(IDC_DEFAULT, false);
    pGrid->addWidget(label(u8"ﾃﾞｨﾌｫﾙﾄ値:", defaultValue), row, 0);
    pGrid->addWidget(defaultValue, row++, 1);
    pGrid->setRowStretch(row, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(button(IDC_SOURCES, u8"加工元(&S)..."));
    bottom->addStretch();
    auto* ok = AddControl(IDOK, new QPushButton(QStringLiteral("OK")));
    ok->setDefault(true);
    bottom->addWidget(ok);
    bottom->addWidget(button(IDCANCEL, u8"ｷｬﾝｾﾙ"));
    bottom->addWidget(button(ID_HELP, u8"ﾍﾙﾌﾟ"));
    layout->addLayout(bottom);

    // The order the Tab key follows: the list, its buttons, then the fields as they stand.
    QWidget* order[] = {list,
                        GetDlgItem(IDC_INSERT)->GetSafeHwnd(),
                        GetDlgItem(IDC_DELETE)->GetSafeHwnd(),
                        GetDlgItem(IDC_ARRANGE)->GetSafeHwnd(),
                        name,
                        number,
                        derivation,
                        GetDlgItem(IDC_KEY)->GetSafeHwnd(),
                        group,
                        GetDlgItem(IDC_RKEY)->GetSafeHwnd(),
                        refFile,
                        refItem,
                        GetDlgItem(IDC_CHILD)->GetSafeHwnd(),
                        parent,
                        summary,
                        expression,
                        GetDlgItem(IDC_PHYSICAL)->GetSafeHwnd(),
                        column,
                        type,
                        digits,
                        decimals,
                        GetDlgItem(IDC_NOT_NULL)->GetSafeHwnd(),
                        defaultValue,
                        GetDlgItem(IDC_SOURCES)->GetSafeHwnd(),
                        ok};
    for (size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);

    // Edits and combos tell their changes.
    const auto onText = [this](QLineEdit* edit, auto handler) {
        QObject::connect(edit, &QLineEdit::textChanged, edit, [this, handler] {
            if (!m_bLoading && m_pCurrent)
                handler();
        });
    };
    onText(number, [this] {
        CString text;
        GetDlgItemText(IDC_NUMBER, text);
        m_pCurrent->SetNumberText(text);
    });
    onText(name, [this] {
        CString text;
        GetDlgItemText(IDC_NAME, text);
        m_pCurrent->SetName(text);
        RedrawRow(m_nCurrentRow, 0);
    });
    onText(group, [this] { OnKeyGroupChanged(); });
    onText(column, [this] {
        CString text;
        GetDlgItemText(IDC_COLUMN, text);
        m_pCurrent->SetColumnName(text);
        RedrawRow(m_nCurrentRow, 7);
    });
    onText(digits, [this] { OnSizeChanged(IDC_DIGITS); });
    onText(decimals, [this] { OnSizeChanged(IDC_DECIMALS); });
    const auto onCombo = [this](QComboBox* box, void (CDataItemDlg::*handler)()) {
        QObject::connect(box, &QComboBox::activated, box, [this, handler] {
            if (!m_bLoading && m_pCurrent)
                (this->*handler)();
        });
    };
    onCombo(derivation, &CDataItemDlg::OnDerivationChanged);
    onCombo(parent, &CDataItemDlg::OnParentChanged);
    onCombo(refFile, &CDataItemDlg::OnRefFileChanged);
    onCombo(refItem, &CDataItemDlg::OnRefItemChanged);
    onCombo(type, &CDataItemDlg::OnTypeChanged);
}

void CDataItemDlg::DoDataExchange(CDataExchange* dx)
{
    DDX_Control(dx, IDC_LIST, m_list);
    DDX_Control(dx, IDC_PARENT, m_parentCombo);
    DDX_Control(dx, IDC_DERIVATION, m_derivationCombo);
    DDX_Control(dx, IDC_REF_ITEM, m_refItemCombo);
    DDX_Control(dx, IDC_REF_FILE, m_refFileCombo);
    DDX_Control(dx, IDC_TYPE, m_typeCombo);
    DDX_Text(dx, IDC_NUMBER, m_strNumber);
    DDV_MaxChars(dx, m_strNumber, 10);
    DDX_Text(dx, IDC_NAME, m_strName);
    DDV_MaxChars(dx, m_strName, 60);
    DDX_Text(dx, IDC_EXPRESSION, m_strExpression);
    DDV_MaxChars(dx, m_strExpression, 100);
    DDX_Check(dx, IDC_KEY, m_bKey);
    DDX_Text(dx, IDC_KEY_GROUP, m_nKeyGroup);
    DDX_Check(dx, IDC_RKEY, m_bRkey);
    DDX_Check(dx, IDC_CHILD, m_bChild);
    DDX_Text(dx, IDC_SUMMARY, m_strSummary);
    DDV_MaxChars(dx, m_strSummary, 255);
    DDX_Text(dx, IDC_COLUMN, m_strColumn);
    DDV_MaxChars(dx, m_strColumn, 40);
    DDX_Text(dx, IDC_DIGITS, m_nDigits);
    DDX_Text(dx, IDC_DECIMALS, m_nDecimals);
    DDX_Check(dx, IDC_PHYSICAL, m_bPhysical);
    DDX_Radio(dx, IDC_NOT_NULL, m_nNullRadio);
    DDX_Text(dx, IDC_DEFAULT, m_strDefault);
}

const MessageMap* CDataItemDlg::GetMessageMap() const
{
    static const MessageMap map{CDialog::GetMessageMap(),
                                {
                                    MapCommand(IDC_KEY, &CDataItemDlg::OnKey),
                                    MapCommand(IDC_RKEY, &CDataItemDlg::OnRkey),
                                    MapCommand(IDC_CHILD, &CDataItemDlg::OnChild),
                                    MapCommand(IDC_PHYSICAL, &CDataItemDlg::OnPhysical),
                                    MapCommandRange(IDC_NOT_NULL, IDC_NO_NULL, &CDataItemDlg::OnNullOption),
                                    MapCommand(IDC_INSERT, &CDataItemDlg::OnInsert),
                                    MapCommand(IDC_DELETE, &CDataItemDlg::OnDelete),
                                    MapCommand(IDC_ARRANGE, &CDataItemDlg::OnArrange),
                                    MapCommand(IDC_SOURCES, &CDataItemDlg::OnSources),
                                }};
    return &map;
}

LRESULT CDataItemDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == UM_LIST_ITEM_MOVED) {
        if (wParam == WPARAM(IDC_LIST))
            OnItemMoved(LOWORD(DWORD(lParam)), HIWORD(DWORD(lParam)));
        return 0;
    }
    return CDialog::WindowProc(message, wParam, lParam);
}

BOOL CDataItemDlg::OnInitDialog()
{
    m_bLoading = TRUE;
    CDialog::OnInitDialog();
    if (IsReadOnly()) {
        GetDlgItem(IDOK)->EnableWindow(FALSE);
        GetDlgItem(IDC_INSERT)->EnableWindow(FALSE);
        GetDlgItem(IDC_DELETE)->EnableWindow(FALSE);
    }
    // The columns share the list's width as the laid-out dialog gives it.
    GetDialogWidget()->adjustSize();
    GetDialogWidget()->layout()->activate();
    const int width = m_list.Tree()->width();
    for (int column = 0; column < DataItemRules::kColumnCount; ++column)
        m_list.InsertColumn(column, DataItemRules::ColumnTitle(column), LVCFMT_LEFT,
                            DataItemRules::ColumnWidth(column, width));
    CString name = m_pFile->GetFileName();
    name.Remove('\r');
    name.Remove('\n');
    CString title = CString(u8"概念ﾌｧｲﾙ所属ﾃﾞｰﾀ項目") + " [";
    if (!m_pFile->GetFileNumber().IsEmpty())
        title += m_pFile->GetFileNumber() + " : ";
    title += name + "]";
    SetWindowText(title);
    m_list.SetItemChangedHandler([this](const NMLISTVIEW& change) { OnItemChanged(change); });
    BOOL filled = FillList() && FillDerivationCombo(&m_derivationCombo);
    FillParentCombo();
    if (filled && m_types.fill)
        m_types.fill(&m_typeCombo);
    m_bLoading = FALSE;
    if (!filled) {
        EndDialog(IDCANCEL);
        return TRUE;
    }
    LoadItem(-1);
    UpdateControlStates();
    return TRUE;
}

BOOL CDataItemDlg::FillList()
{
    const BOOL loading = std::exchange(m_bLoading, TRUE);
    m_list.DeleteAllItems();
    int row = 0;
    BOOL ok = TRUE;
    for (POSITION pos = m_pWorking->GetHeadPosition(); pos; ++row) {
        const CData* item = m_pWorking->GetNext(pos);
        if (m_list.InsertItem(row, DataItemRules::CellText(*item, row, 0, FALSE)) != row) {
            ok = FALSE;
            break;
        }
        m_list.SetItemData(row, item->GetDataNumber());
        for (int column = 1; column < DataItemRules::kColumnCount; ++column)
            m_list.SetItemText(row, column, DataItemRules::CellText(*item, row, column, FALSE));
    }
    m_bLoading = loading;
    return ok;
}

void CDataItemDlg::RedrawRow(int row, int column)
{
    const CData* item = m_pWorking->GetDataAt(row);
    if (!item)
        return;
    for (int c = 0; c < DataItemRules::kColumnCount; ++c)
        if (column < 0 || column == c)
            m_list.SetItemText(row, c, DataItemRules::CellText(*item, row, c, TRUE));
}

void CDataItemDlg::RedrawAll()
{
    for (int row = 0; row < m_list.GetItemCount(); ++row)
        RedrawRow(row, -1);
}

void CDataItemDlg::FillParentCombo()
{
    const BOOL loading = std::exchange(m_bLoading, TRUE);
    m_pWorking->FillDataItemCombo(&m_parentCombo, FALSE, TRUE);
    if (m_pCurrent)
        m_parentCombo.SelectItemData(m_pCurrent->GetParentItem());
    m_bLoading = loading;
}

void CDataItemDlg::FillRefItemCombo(WORD fileId)
{
    const BOOL loading = std::exchange(m_bLoading, TRUE);
    m_refItemCombo.ResetContent();
    if (fileId == 0) {
        m_refItemCombo.EnableWindow(FALSE);
    } else if (fileId == m_pFile->GetObjectId()) {
        m_pWorking->FillDataItemCombo(&m_refItemCombo, TRUE, TRUE);
    } else {
        RelationGraph::FillDataItemCombo(*m_pDoc, fileId, &m_refItemCombo, TRUE, TRUE);
    }
    m_bLoading = loading;
}

void CDataItemDlg::LoadItem(int row)
{
    if (row == m_nCurrentRow && (row < 0 || m_pCurrent))
        return;
    m_bLoading = TRUE;
    m_nCurrentRow = row;
    m_pCurrent = m_pWorking->GetDataAt(row);
    if (const CData* item = m_pCurrent) {
        m_strNumber = item->GetNumberText();
        m_strName = item->GetName();
        m_bKey = item->IsKeyItem();
        m_nKeyGroup = item->GetKeyGroup();
        m_bRkey = item->IsRkeyItem();
        SelectDerivationInCombo(&m_derivationCombo, item->GetDerivationCode());
        FileCompServices::FillFileCompCombo(*m_pDoc, &m_refFileCombo, TRUE);
        m_refFileCombo.SelectItemData(item->GetRefFile());
        if (m_refFileCombo.GetCurSel() >= 0 && item->GetRefFile() != 0) {
            FillRefItemCombo(item->GetRefFile());
            m_refItemCombo.SelectItemData(item->GetRefItem());
        } else {
            m_refItemCombo.ResetContent();
            m_refItemCombo.EnableWindow(FALSE);
        }
        m_bChild = item->IsChildLevel();
        m_parentCombo.SelectItemData(item->GetParentItem());
        m_strExpression = item->GetExpression();
        m_strSummary = item->GetSummary();
        m_strColumn = item->GetColumnName();
        m_nDigits = int(item->GetDigits());
        m_nDecimals = int(item->GetDecimals());
        if (m_types.select)
            m_types.select(&m_typeCombo, item->GetDataTypeName(), item->GetEditKind());
        m_bPhysical = item->GetPhysicalTarget() != 0;
        m_nNullRadio = item->GetNullOption() == CData::NULL_NOT_NULL ? 0
                       : item->GetNullOption() == CData::NULL_NULL   ? 1
                                                                     : 2;
        m_strDefault = item->GetDefaultValue();
    } else {
        m_strNumber.Empty();
        m_strName.Empty();
        m_strExpression.Empty();
        m_strSummary.Empty();
        m_strColumn.Empty();
        m_strDefault.Empty();
        m_bKey = m_bRkey = m_bChild = m_bPhysical = FALSE;
        m_nKeyGroup = m_nDigits = m_nDecimals = 0;
        m_nNullRadio = -1;
        for (CComboBox* box : {&m_parentCombo, &m_derivationCombo, &m_refItemCombo, &m_refFileCombo, &m_typeCombo})
            box->SetCurSel(-1);
    }
    UpdateData(FALSE);
    m_bLoading = FALSE;
}

void CDataItemDlg::UpdateControlStates()
{
    const BOOL ro = IsReadOnly();
    const CData* item = m_pCurrent;
    const auto enable = [this](int id, BOOL on) { GetDlgItem(id)->EnableWindow(on); };
    const auto readOnly = [this](int id, BOOL on) { static_cast<CEdit*>(GetDlgItem(id))->SetReadOnly(on); };
    if (!item) {
        for (int id : {IDC_NUMBER, IDC_NAME,      IDC_EXPRESSION, IDC_SUMMARY,    IDC_DIGITS,   IDC_DECIMALS,
                       IDC_KEY,    IDC_KEY_GROUP, IDC_RKEY,       IDC_DERIVATION, IDC_REF_FILE, IDC_REF_ITEM,
                       IDC_CHILD,  IDC_PARENT,    IDC_PHYSICAL,   IDC_COLUMN,     IDC_TYPE,     IDC_NOT_NULL,
                       IDC_NULL,   IDC_NO_NULL,   IDC_DEFAULT,    IDC_SOURCES,    IDC_DELETE})
            enable(id, FALSE);
    } else {
        for (int id : {IDC_NUMBER, IDC_NAME, IDC_EXPRESSION, IDC_SUMMARY, IDC_DIGITS, IDC_DECIMALS}) {
            enable(id, TRUE);
            readOnly(id, ro);
        }
        enable(IDC_KEY, !item->IsChildLevel() && !ro);
        enable(IDC_KEY_GROUP, item->IsKeyItem());
        readOnly(IDC_KEY_GROUP, item->IsChildLevel() || ro);
        enable(IDC_RKEY, !ro);
        enable(IDC_DERIVATION, !ro);
        enable(IDC_REF_FILE, !ro && (item->IsRkeyItem() || item->GetRefFile() != 0));
        enable(IDC_REF_ITEM, !ro && (item->GetRefFile() != 0 || item->GetRefItem() != 0));
        enable(IDC_CHILD, !ro && !m_pWorking->HasChildOf(item->GetDataNumber()));
        enable(IDC_PARENT, !ro && item->IsChildLevel());
        enable(IDC_PHYSICAL, !ro && !m_pFile->GetPhyControlDedicated());
        const BOOL physical = item->GetPhysicalTarget() != 0;
        enable(IDC_COLUMN, TRUE);
        enable(IDC_DEFAULT, TRUE);
        readOnly(IDC_COLUMN, physical ? ro : TRUE);
        readOnly(IDC_DEFAULT, physical ? ro : TRUE);
        for (int id : {IDC_TYPE, IDC_NOT_NULL, IDC_NULL, IDC_NO_NULL})
            enable(id, physical && !ro);
        enable(IDC_SOURCES, item->IsDerived());
        enable(IDC_DELETE, !ro);
    }
    enable(IDC_ARRANGE, !ro && !m_pWorking->IsEmpty());
}

BOOL CDataItemDlg::CommitCurrentItem()
{
    CData* item = m_pCurrent;
    if (!item)
        return TRUE;
    if (!UpdateData(TRUE))
        return FALSE;
    const CData* stored = m_pFile->GetDataList().FindDataByNumber(item->GetDataNumber());
    if (stored && stored->GetName() != m_strName) {
        const WORD own = m_pFile->GetObjectId();
        m_pWorking->RenumberAndRenameAll(own, own, item->GetDataNumber(), item->GetDataNumber(), m_strName);
    }
    item->SetName(m_strName);
    item->SetNumberText(m_strNumber);
    m_rules->SetKey(*item, m_bKey);
    if (item->IsKeyItem() && m_nKeyGroup > 0)
        m_rules->SetKeyGroup(*item, m_nKeyGroup);
    m_rules->SetRkey(*item, m_bRkey);
    m_rules->SetChildLevel(*item, m_bChild);
    const CString derivation = GetSelectedDerivationCode(&m_derivationCombo);
    if (m_derivationCombo.GetCurSel() >= 0 && derivation != item->GetDerivationCode())
        item->SetDerivationCode(derivation);
    CString message;
    if (!m_rules->ApplyReference(*item, WORD(m_refFileCombo.GetCurSelData()), WORD(m_refItemCombo.GetCurSelData()),
                                 message)) {
        Tell(message);
        return FALSE;
    }
    item->SetExpression(m_strExpression);
    item->SetSummary(m_strSummary);
    item->SetColumnName(m_strColumn);
    item->SetDigits(DWORD(std::max(m_nDigits, 0)));
    item->SetDecimals(DWORD(std::max(m_nDecimals, 0)));
    CString typeName;
    WORD kind = 0;
    if (m_types.read && m_types.read(&m_typeCombo, typeName, kind)) {
        item->SetDataTypeName(typeName);
        item->SetEditKind(kind);
    }
    item->SetPhysicalTarget(m_bPhysical ? 1 : 0);
    item->SetNullOption(m_nNullRadio == 0 ? CData::NULL_NOT_NULL : m_nNullRadio == 1 ? CData::NULL_NULL : 0);
    item->SetDefaultValue(m_strDefault);
    RedrawRow(m_nCurrentRow, -1);
    return TRUE;
}

void CDataItemDlg::Reselect(int row)
{
    const BOOL loading = std::exchange(m_bLoading, TRUE);
    m_list.SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    m_list.EnsureVisible(row, FALSE);
    m_bLoading = loading;
}

void CDataItemDlg::SelectRow(int row)
{
    Reselect(row);
    FillParentCombo();
    LoadItem(row);
    UpdateControlStates();
}

void CDataItemDlg::OnItemChanged(const NMLISTVIEW& change)
{
    if (m_bLoading)
        return;
    const UINT both = LVIS_SELECTED | LVIS_FOCUSED;
    if ((change.uOldState & LVIS_SELECTED) && !(change.uNewState & LVIS_SELECTED)) {
        if (change.iItem == m_nCurrentRow && !CommitCurrentItem()) {
            Reselect(change.iItem);
            return;
        }
    }
    if ((change.uNewState & both) == both && (change.uOldState & both) != both) {
        FillParentCombo();
        LoadItem(change.iItem);
        UpdateControlStates();
    }
}

void CDataItemDlg::Tell(const CString& message)
{
    AfxMessageBox(message, MB_OK | MB_ICONEXCLAMATION);
}

void CDataItemDlg::OnKey()
{
    if (m_bLoading || !m_pCurrent)
        return;
    m_bKey = static_cast<CButton*>(GetDlgItem(IDC_KEY))->GetCheck() == BST_CHECKED;
    if (m_rules->SetKey(*m_pCurrent, m_bKey)) {
        m_bLoading = TRUE;
        SetDlgItemText(IDC_KEY_GROUP, CString(std::to_string(m_pCurrent->GetKeyGroup()).c_str()));
        m_nNullRadio = m_pCurrent->GetNullOption() == CData::NULL_NOT_NULL ? 0
                       : m_pCurrent->GetNullOption() == CData::NULL_NULL   ? 1
                                                                           : 2;
        for (int i = 0; i < 3; ++i)
            static_cast<CButton*>(GetDlgItem(IDC_NOT_NULL + i))->SetCheck(i == m_nNullRadio);
        m_bLoading = FALSE;
        RedrawAll();
    }
    UpdateControlStates();
}

void CDataItemDlg::OnKeyGroupChanged()
{
    CString text;
    GetDlgItemText(IDC_KEY_GROUP, text);
    int group = 0;
    if (DataItemDlgImpl::ReadsAsWhole(text, group) && m_rules->SetKeyGroup(*m_pCurrent, group))
        RedrawAll();
}

void CDataItemDlg::OnRkey()
{
    if (m_bLoading || !m_pCurrent)
        return;
    const BOOL on = static_cast<CButton*>(GetDlgItem(IDC_RKEY))->GetCheck() == BST_CHECKED;
    if (m_rules->SetRkey(*m_pCurrent, on)) {
        const BOOL loading = std::exchange(m_bLoading, TRUE);
        if (on) {
            FileCompServices::FillFileCompCombo(*m_pDoc, &m_refFileCombo, TRUE);
            m_refFileCombo.SelectItemData(m_pCurrent->GetRefFile());
        } else {
            m_refFileCombo.SetCurSel(-1);
            m_refItemCombo.ResetContent();
        }
        m_bLoading = loading;
        RedrawAll();
    }
    UpdateControlStates();
}

void CDataItemDlg::OnChild()
{
    if (m_bLoading || !m_pCurrent)
        return;
    const BOOL on = static_cast<CButton*>(GetDlgItem(IDC_CHILD))->GetCheck() == BST_CHECKED;
    if (m_rules->SetChildLevel(*m_pCurrent, on)) {
        const BOOL loading = std::exchange(m_bLoading, TRUE);
        FillParentCombo();
        static_cast<CButton*>(GetDlgItem(IDC_PHYSICAL))->SetCheck(m_pCurrent->GetPhysicalTarget() ? 1 : 0);
        m_bLoading = loading;
        RedrawAll();
    }
    UpdateControlStates();
}

void CDataItemDlg::OnPhysical()
{
    if (m_bLoading || !m_pCurrent)
        return;
    m_pCurrent->SetPhysicalTarget(static_cast<CButton*>(GetDlgItem(IDC_PHYSICAL))->GetCheck() == BST_CHECKED);
    RedrawRow(m_nCurrentRow, 6);
    UpdateControlStates();
}

void CDataItemDlg::OnNullOption(UINT id)
{
    if (m_bLoading || !m_pCurrent)
        return;
    m_pCurrent->SetNullOption(id == UINT(IDC_NOT_NULL) ? CData::NULL_NOT_NULL
                              : id == UINT(IDC_NULL)   ? CData::NULL_NULL
                                                       : 0);
    RedrawRow(m_nCurrentRow, 9);
}

void CDataItemDlg::OnDerivationChanged()
{
    const CString code = GetSelectedDerivationCode(&m_derivationCombo);
    if (code != m_pCurrent->GetDerivationCode()) {
        m_pCurrent->SetDerivationCode(code);
        RedrawRow(m_nCurrentRow, 4);
    }
    UpdateControlStates();
}

void CDataItemDlg::OnParentChanged()
{
    CString message;
    const auto choice = m_rules->SetParent(*m_pCurrent, WORD(m_parentCombo.GetCurSelData()), message);
    if (!message.IsEmpty())
        Tell(message);
    if (choice == DataItemRules::ParentChoice::Stored) {
        RedrawRow(m_nCurrentRow, -1);
        UpdateControlStates();
    }
}

void CDataItemDlg::OnRefFileChanged()
{
    FillRefItemCombo(WORD(m_refFileCombo.GetCurSelData()));
    UpdateControlStates();
    m_refItemCombo.EnableWindow(!IsReadOnly() && WORD(m_refFileCombo.GetCurSelData()) != 0);
}

void CDataItemDlg::OnRefItemChanged()
{
    CString message;
    if (!m_rules->ApplyReference(*m_pCurrent, WORD(m_refFileCombo.GetCurSelData()),
                                 WORD(m_refItemCombo.GetCurSelData()), message))
        Tell(message);
    RedrawRow(m_nCurrentRow, 3);
}

void CDataItemDlg::OnTypeChanged()
{
    CString name;
    WORD kind = 0;
    if (!m_types.read || !m_types.read(&m_typeCombo, name, kind)) {
        name.Empty();
        kind = 0;
    }
    if (name != m_pCurrent->GetDataTypeName() || kind != m_pCurrent->GetEditKind()) {
        m_pCurrent->SetDataTypeName(name);
        m_pCurrent->SetEditKind(kind);
        RedrawRow(m_nCurrentRow, 8);
    }
}

void CDataItemDlg::OnSizeChanged(int id)
{
    CString text;
    GetDlgItemText(id, text);
    int value = 0;
    if (!DataItemDlgImpl::ReadsAsWhole(text, value))
        return;
    if (id == IDC_DIGITS)
        m_pCurrent->SetDigits(DWORD(value));
    else
        m_pCurrent->SetDecimals(DWORD(value));
    RedrawRow(m_nCurrentRow, 8);
}

void CDataItemDlg::OnInsert()
{
    if (IsReadOnly())
        return;
    if (!CommitCurrentItem()) {
        Reselect(m_nCurrentRow);
        return;
    }
    const int index = m_rules->Insert(m_pCurrent ? m_nCurrentRow : -1);
    if (index < 0)
        return;
    FillList();
    m_nCurrentRow = -1;
    m_pCurrent = nullptr;
    SelectRow(index);
    CWnd* name = GetDlgItem(IDC_NAME);
    name->SetFocus();
    static_cast<CEdit*>(name)->SetSel(0, -1);
}

void CDataItemDlg::OnDelete()
{
    if (IsReadOnly() || !m_pCurrent)
        return;
    const int next = m_rules->Delete(m_nCurrentRow);
    m_nCurrentRow = -1;
    m_pCurrent = nullptr;
    FillList();
    LoadItem(-1);
    FillParentCombo();
    if (next >= 0)
        SelectRow(next);
    else
        UpdateControlStates();
}

void CDataItemDlg::OnArrange()
{
    if (!CommitCurrentItem()) {
        Reselect(m_nCurrentRow);
        return;
    }
    m_rules->Arrange();
    m_nCurrentRow = -1;
    m_pCurrent = nullptr;
    FillList();
    FillParentCombo();
    if (m_list.GetItemCount() > 0)
        SelectRow(0);
    else
        UpdateControlStates();
}

void CDataItemDlg::OnItemMoved(int from, int to)
{
    if (IsReadOnly())
        return;
    if (!CommitCurrentItem()) {
        Reselect(m_nCurrentRow);
        return;
    }
    const int index = m_rules->Move(from, to);
    if (index < 0)
        return;
    m_nCurrentRow = -1;
    m_pCurrent = nullptr;
    FillList();
    SelectRow(index);
}

void CDataItemDlg::OnSources()
{
    if (!CommitCurrentItem()) {
        Reselect(m_nCurrentRow);
        return;
    }
    if (!m_pCurrent)
        return;
    CDataGenSrcList sources;
    CDataGenSrcDlg dialog(m_pDoc, m_pFile, m_pCurrent, m_pWorking, &sources, this);
    if (dialog.DoModal() != IDOK || IsReadOnly())
        return;
    m_pCurrent->GetSources().AssignSourcesFrom(sources);
    RedrawRow(m_nCurrentRow, 4);
    UpdateControlStates();
}

void CDataItemDlg::OnOK()
{
    if (IsReadOnly())
        return;
    if (!CommitCurrentItem()) {
        Reselect(m_nCurrentRow);
        return;
    }
    DataItemRules::Refusal refusal;
    if (m_rules->CheckForOK(refusal)) {
        EndDialog(IDOK);
        return;
    }
    Tell(refusal.message);
    if (refusal.row < 0)
        return;
    SelectRow(refusal.row);
    switch (refusal.focus) {
    case DataItemRules::Focus::Name: GetDlgItem(IDC_NAME)->SetFocus(); break;
    case DataItemRules::Focus::Parent: GetDlgItem(IDC_PARENT)->SetFocus(); break;
    case DataItemRules::Focus::ReferencedItem: GetDlgItem(IDC_REF_ITEM)->SetFocus(); break;
    case DataItemRules::Focus::Sources: OnSources(); break;
    case DataItemRules::Focus::None: break;
    }
}

BOOL DataItemDlgService::Run(CBaseDoc& doc, const CFileComp& file, CDataList& working)
{
    CDataItemDlg dialog(&doc, &file, &working, nullptr, m_types);
    return dialog.DoModal() == IDOK;
}
