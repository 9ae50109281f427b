#include "document/SetDocDlg.h"

#include "document/BaseDoc.h"
#include "document/PageGeometry.h"
#include "foundation/AppServices.h"
#include "foundation/RegItemObj.h"
#include "foundation/RegManList.h"
#include "platform/afx/MessageSink.h"
#include "platform/afx/String.h"
#include "platform/ui/BuddySpin.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/FrameworkIds.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>
#include <initializer_list>
#include <iterator>

namespace SetDocDlgImpl {

enum : int {
    IDC_PAPER = 1033,
    IDC_SCALE = 1034,
    IDC_SCALE_SPIN = 1035,
    IDC_MARGIN_LEFT = 1036,
    IDC_NEEDED_ACROSS = 1100,
    IDC_NEEDED_DOWN = 1101,
    IDC_MAX_ACROSS = 1102,
    IDC_MAX_DOWN = 1103,
    IDC_START_NUMBER = 1104,
    IDC_START_SPIN = 1105,
    IDC_SAVE_DEFAULT = 1106,
    IDC_SCALE_RANGE = 1107,
    IDC_HEADER_AREA = 1155,
    IDC_STYLE_DASH = 1157,
    IDC_STYLE_TOTAL = 1159,
    IDC_STYLE_COLUMN = 1160,
    IDC_POS_LEFT = 1162,
    IDC_POS_CENTRE = 1163,
    IDC_POS_RIGHT = 1164,
    IDC_AUTO_TOTAL = 1165,
    IDC_USER_TOTAL = 1166,
    IDC_USER_TOTAL_SPIN = 1167,
    IDC_STYLE_ROW = 1171,
    IDC_IN_MARGIN = 1173,
};
// The edit and up-down control of each margin: left, top, right, bottom.
constexpr int kMarginEdit[4] = {1036, 1038, 1040, 1042};
constexpr int kStyleRadios[4] = {IDC_STYLE_DASH, IDC_STYLE_TOTAL, IDC_STYLE_COLUMN, IDC_STYLE_ROW};
constexpr int kPosRadios[3] = {IDC_POS_LEFT, IDC_POS_CENTRE, IDC_POS_RIGHT};
constexpr const char8_t* kMarginEmpty[4] = {u8"左余白を入力してください。\n", u8"上余白を入力してください。\n",
                                            u8"右余白を入力してください。\n", u8"下余白を入力してください。\n"};
constexpr const char8_t* kMarginBad[4] = {u8"左余白に不当な値が指定されています。\n",
                                          u8"上余白に不当な値が指定されています。\n",
                                          u8"右余白に不当な値が指定されています。\n",
                                          u8"下余白に不当な値が指定されています。\n"};
constexpr const char8_t* kScaleBad = u8"拡大縮小率に不当な値が指定されています。\n";
constexpr const char* kPageSection = "Document Page";
constexpr int kMaxFooterNumber = 9999;

} // namespace SetDocDlgImpl

CSetDocDlg::CSetDocDlg(CWnd* parent) : CDialog(IDD, parent) {}

void CSetDocDlg::BuildDialog()
{
    using namespace SetDocDlgImpl;
    QWidget* dialog = GetSafeHwnd();
    dialog->setWindowTitle(ToQString(u8"ﾍﾟｰｼﾞﾚｲｱｳﾄ"));
    auto* layout = new QVBoxLayout(dialog);
    // An edit with its up-down control, labelled, in a row of the grid; text changes go to the handler.
    const auto addNumber = [&](QGridLayout* grid, int row, const char8_t* label, int editId,
                               void (CSetDocDlg::*changed)()) {
        auto* edit = AddControl(editId, new QLineEdit);
        edit->setMaximumWidth(64);
        auto* box = new QHBoxLayout;
        box->addWidget(edit);
        box->addWidget(AddControl(editId + 1, new BuddySpin(edit)));
        box->addStretch();
        auto* caption = new QLabel(ToQString(label));
        caption->setBuddy(edit); // the access key reaches the edit
        grid->addWidget(caption, row, 0);
        grid->addLayout(box, row, 1);
        if (changed)
            QObject::connect(edit, &QLineEdit::textChanged, edit, [this, changed] { (this->*changed)(); });
        return box;
    };

    auto* top = new QGridLayout;
    layout->addLayout(top);
    auto* paperLabel = new QLabel(ToQString(u8"用紙ｻｲｽﾞ(&P):"));
    top->addWidget(paperLabel, 0, 0);
    auto* paper = AddControl(IDC_PAPER, new QComboBox);
    paperLabel->setBuddy(paper);
    QObject::connect(paper, &QComboBox::currentIndexChanged, paper, [this] { OnPaperOrHeaderChanged(); });
    top->addWidget(paper, 0, 1);
    addNumber(top, 1, u8"拡大縮小率(&Z):", IDC_SCALE, &CSetDocDlg::OnChangeScale)
        ->insertWidget(2, AddControl(IDC_SCALE_RANGE, new QLabel(ToQString(u8"% (10～200)"))));

    auto* margins = new QGroupBox(ToQString(u8"余白(0～50mm)"));
    auto* marginGrid = new QGridLayout(margins);
    const char8_t* marginLabels[4] = {u8"左(&L):", u8"上(&T):", u8"右(&R):", u8"下(&B):"};
    for (int i = 0; i < 4; ++i)
        addNumber(marginGrid, i, marginLabels[i], kMarginEdit[i], &CSetDocDlg::OnChangeMargin);
    layout->addWidget(margins);
    layout->addWidget(AddControl(IDC_HEADER_AREA, new QCheckBox(ToQString(u8"各ﾍﾟｰｼﾞに自動表示ﾍｯﾀﾞｰ領域を確保(&H)"))));

    auto* info = new QGroupBox(ToQString(u8"上記設定でのﾄﾞｷｭﾒﾝﾄのﾍﾟｰｼﾞ情報"));
    auto* infoGrid = new QGridLayout(info);
    const auto addCounts = [&](int row, const char8_t* label, int acrossId, int downId) {
        infoGrid->addWidget(new QLabel(ToQString(label)), row, 0);
        infoGrid->addWidget(new QLabel(ToQString(u8"横")), row, 1);
        infoGrid->addWidget(AddControl(acrossId, new QLabel(QStringLiteral("999999"))), row, 2);
        infoGrid->addWidget(new QLabel(ToQString(u8"× 縦")), row, 3);
        infoGrid->addWidget(AddControl(downId, new QLabel(QStringLiteral("999999"))), row, 4);
    };
    addCounts(0, u8"必要ﾍﾟｰｼﾞ数:", IDC_NEEDED_ACROSS, IDC_NEEDED_DOWN);
    addCounts(1, u8"最大ﾍﾟｰｼﾞ数:", IDC_MAX_ACROSS, IDC_MAX_DOWN);
    layout->addWidget(info);

    auto* footer = new QGroupBox(ToQString(u8"ﾌｯﾀｰ表示"));
    auto* footerLayout = new QVBoxLayout(footer);
    auto* groups = new QHBoxLayout;
    const auto addRadios = [&](int groupId, const char8_t* title, const int* ids, const char8_t* const* texts, int n) {
        auto* group = AddControl(groupId, new QGroupBox(ToQString(title)));
        auto* box = new QVBoxLayout(group);
        for (int i = 0; i < n; ++i)
            box->addWidget(AddControl(ids[i], new QRadioButton(ToQString(texts[i]))));
        groups->addWidget(group);
    };
    const char8_t* styleTexts[4] = {u8"-1-", u8"1/総ﾍﾟｰｼﾞ数", u8"列ABC", u8"行ABC"};
    const char8_t* posTexts[3] = {u8"左", u8"中央", u8"右"};
    addRadios(1158, u8"ﾍﾟｰｼﾞ番号表示形式(&S)", kStyleRadios, styleTexts, 4);
    addRadios(1161, u8"ﾍﾟｰｼﾞ番号表示位置(&O)", kPosRadios, posTexts, 3);
    footerLayout->addLayout(groups);
    auto* footerGrid = new QGridLayout;
    addNumber(footerGrid, 0, u8"ﾌｯﾀｰ部ﾍﾟｰｼﾞ開始番号(&F):", IDC_START_NUMBER, nullptr);
    footerGrid->addWidget(AddControl(IDC_IN_MARGIN, new QCheckBox(ToQString(u8"ﾍﾟｰｼﾞ番号を余白域に表示(&M)"))), 1, 0, 1,
                          2);
    footerGrid->addWidget(AddControl(IDC_AUTO_TOTAL, new QCheckBox(ToQString(u8"ﾌｯﾀｰ部総ﾍﾟｰｼﾞ数自動計算(&A)"))), 2, 0,
                          1, 2);
    addNumber(footerGrid, 3, u8"ﾌｯﾀｰ部総ﾍﾟｰｼﾞ数ﾕｰｻﾞ指定値(&U):", IDC_USER_TOTAL, nullptr);
    footerLayout->addLayout(footerGrid);
    layout->addWidget(footer);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* ok = AddControl(IDOK, new QPushButton(QStringLiteral("OK")));
    ok->setDefault(true);
    buttons->addWidget(ok);
    buttons->addWidget(AddControl(IDCANCEL, new QPushButton(ToQString(u8"ｷｬﾝｾﾙ"))));
    buttons->addWidget(AddControl(IDC_SAVE_DEFAULT, new QPushButton(ToQString(u8"既定値更新"))));
    buttons->addWidget(AddControl(ID_HELP, new QPushButton(ToQString(u8"ﾍﾙﾌﾟ"))));
    layout->addLayout(buttons);
}

void CSetDocDlg::DoDataExchange(CDataExchange* dx)
{
    using namespace SetDocDlgImpl;
    const int spinIds[7] = {IDC_SCALE_SPIN, 1037, 1039, 1041, 1043, IDC_START_SPIN, IDC_USER_TOTAL_SPIN};
    for (int i = 0; i < 7; ++i)
        DDX_Control(dx, spinIds[i], m_spins[i]);
    DDX_Control(dx, IDC_PAPER, m_paperCombo);
    DDX_Text(dx, IDC_SCALE, m_nScale);
    DDV_MinMaxInt(dx, m_nScale, kMinPrintScale, kMaxPrintScale);
    for (int i = 0; i < 4; ++i) {
        DDX_Text(dx, kMarginEdit[i], m_nMarginMm[i]);
        DDV_MinMaxInt(dx, m_nMarginMm[i], 0, kMaxMargin / 10);
    }
    DDX_Text(dx, IDC_START_NUMBER, m_nStartNumber);
    DDV_MinMaxInt(dx, m_nStartNumber, 1, kMaxFooterNumber);
    DDX_Check(dx, IDC_HEADER_AREA, m_bHeaderArea);
    DDX_Check(dx, IDC_AUTO_TOTAL, m_bAutoTotal);
    DDX_Check(dx, IDC_IN_MARGIN, m_bNumberInMargin);
    DDX_Text(dx, IDC_USER_TOTAL, m_nUserTotal);
}

const MessageMap* CSetDocDlg::GetMessageMap() const
{
    using namespace SetDocDlgImpl;
    static const MessageMap map{CDialog::GetMessageMap(),
                                {
                                    MapCommand(IDC_HEADER_AREA, &CSetDocDlg::OnPaperOrHeaderChanged),
                                    MapCommandRange(IDC_STYLE_DASH, IDC_STYLE_DASH, &CSetDocDlg::OnNumberStyleClicked),
                                    MapCommandRange(IDC_STYLE_TOTAL, IDC_STYLE_COLUMN,
                                                    &CSetDocDlg::OnNumberStyleClicked),
                                    MapCommandRange(IDC_STYLE_ROW, IDC_STYLE_ROW, &CSetDocDlg::OnNumberStyleClicked),
                                    MapCommand(IDC_AUTO_TOTAL, &CSetDocDlg::OnAutoTotalClicked),
                                    MapCommand(IDC_SAVE_DEFAULT, &CSetDocDlg::OnSaveDefault),
                                }};
    return &map;
}

// --- Reading the controls -----------------------------------------------------------------------

BOOL CSetDocDlg::IsChecked(int id) const
{
    const auto* button = static_cast<const CButton*>(GetDlgItem(id));
    return button && button->GetCheck() == BST_CHECKED;
}

void CSetDocDlg::SetChecked(int id, BOOL checked)
{
    if (auto* button = static_cast<CButton*>(GetDlgItem(id)))
        button->SetCheck(checked ? BST_CHECKED : BST_UNCHECKED);
}

WORD CSetDocDlg::GetSelectedPaperId() const
{
    const auto* combo = static_cast<const CComboBox*>(GetDlgItem(SetDocDlgImpl::IDC_PAPER));
    const int index = combo ? combo->GetCurSel() : -1;
    return index < 0 ? 0 : WORD(combo->GetItemData(index));
}

BOOL CSetDocDlg::IsHeaderAreaChecked() const
{
    return IsChecked(SetDocDlgImpl::IDC_HEADER_AREA);
}

BOOL CSetDocDlg::IsNumberInMarginChecked() const
{
    return IsChecked(SetDocDlgImpl::IDC_IN_MARGIN);
}

BOOL CSetDocDlg::IsAutoTotalChecked() const
{
    return IsChecked(SetDocDlgImpl::IDC_AUTO_TOTAL);
}

WORD CSetDocDlg::GetNumberStyleFromRadios() const
{
    for (int i = 0; i < 4; ++i)
        if (IsChecked(SetDocDlgImpl::kStyleRadios[i]))
            return WORD(i + 1);
    return 1;
}

WORD CSetDocDlg::GetNumberPosFromRadios() const
{
    for (int i = 0; i < 3; ++i)
        if (IsChecked(SetDocDlgImpl::kPosRadios[i]))
            return WORD(i + 1);
    return 1;
}

int CSetDocDlg::ReadEdit(int id, int& value) const
{
    CString text;
    GetDlgItemText(id, text);
    const QString digits = ToQString(text).trimmed();
    if (digits.isEmpty())
        return 0;
    bool ok = false;
    value = digits.toInt(&ok);
    return ok ? 1 : -1;
}

void CSetDocDlg::RefuseField(int id, const char8_t* message, BOOL bad)
{
    AfxMessageBox(CString(message), MB_OK);
    CWnd* edit = GetDlgItem(id);
    if (!edit)
        return;
    if (bad)
        static_cast<CEdit*>(edit)->SetSel(0, -1);
    edit->SetFocus();
}

// --- Validators ---------------------------------------------------------------------------------

int CSetDocDlg::ValidateScale()
{
    using namespace SetDocDlgImpl;
    int value = 0;
    const int read = ReadEdit(IDC_SCALE, value);
    if (read == 0) {
        RefuseField(IDC_SCALE, u8"拡大縮小率を入力してください。\n", FALSE);
        return 0;
    }
    if (read < 0 || value > kMaxPrintScale) {
        RefuseField(IDC_SCALE, kScaleBad, TRUE);
        return 0;
    }
    return value;
}

int CSetDocDlg::ValidateField(int id, int maximum, const char8_t* empty, const char8_t* bad)
{
    int value = 0;
    const int read = ReadEdit(id, value);
    if (read == 0) {
        RefuseField(id, empty, FALSE);
        return kRefused;
    }
    // Compared unsigned, so that a negative value is refused too; the whole value counts, so
    // 65537 is refused rather than read as its low 16 bits, 1.
    if (read < 0 || unsigned(value) > unsigned(maximum)) {
        RefuseField(id, bad, TRUE);
        return kRefused;
    }
    return value;
}

int CSetDocDlg::ValidateMargin(int side)
{
    using namespace SetDocDlgImpl;
    const int mm = ValidateField(kMarginEdit[side], kMaxMargin / 10, kMarginEmpty[side], kMarginBad[side]);
    return mm == kRefused ? kRefused : mm * 10;
}

int CSetDocDlg::ValidateStartNumber()
{
    return ValidateField(SetDocDlgImpl::IDC_START_NUMBER, SetDocDlgImpl::kMaxFooterNumber,
                         u8"ﾌｯﾀｰ部のﾍﾟｰｼﾞ開始番号を入力してください。\n",
                         u8"ﾌｯﾀｰ部のﾍﾟｰｼﾞ開始番号に不当な値が指定されています。\n");
}

int CSetDocDlg::ValidateUserTotal()
{
    return ValidateField(SetDocDlgImpl::IDC_USER_TOTAL, SetDocDlgImpl::kMaxFooterNumber,
                         u8"ﾌｯﾀｰ部総ﾍﾟｰｼﾞ数ﾕｰｻﾞ指定値を入力してください。\n",
                         u8"ﾌｯﾀｰ部総ﾍﾟｰｼﾞ数ﾕｰｻﾞ指定値に不当な値が指定されています。\n");
}

// --- Page figures and enabling ------------------------------------------------------------------

void CSetDocDlg::ShowPageCounts(WORD paper, int scale, const int margins[4], WORD headerStyle)
{
    using namespace SetDocDlgImpl;
    CSize needed, maximum;
    if (!m_pDoc->CalcPageCounts(paper, scale, margins[0], margins[1], margins[2], margins[3], headerStyle, &needed,
                                &maximum))
        return;
    const std::pair<int, LONG> figures[] = {{IDC_NEEDED_ACROSS, needed.cx},
                                            {IDC_NEEDED_DOWN, needed.cy},
                                            {IDC_MAX_ACROSS, maximum.cx},
                                            {IDC_MAX_DOWN, maximum.cy}};
    for (const auto& [id, value] : figures) {
        CString text;
        text.Format("%d", int(value));
        SetDlgItemText(id, text);
    }
}

void CSetDocDlg::SetMinimumScale(int minimum)
{
    m_nMinScale = std::max(kMinPrintScale, minimum);
    CString range;
    range.Format(CString(u8"%% (%d～200)"), m_nMinScale);
    SetDlgItemText(SetDocDlgImpl::IDC_SCALE_RANGE, range);
    m_spins[0].SetRange32(m_nMinScale, kMaxPrintScale);
}

void CSetDocDlg::UpdatePageInfo(BOOL updateMinimum)
{
    if (!GetDlgItem(SetDocDlgImpl::IDC_PAPER))
        return;
    const WORD paper = GetSelectedPaperId();
    int scale = ValidateScale();
    if (scale < m_nMinScale)
        return;
    int margins[4];
    for (int i = 0; i < 4; ++i)
        if ((margins[i] = ValidateMargin(i)) == kRefused)
            return;
    const WORD headerStyle = IsHeaderAreaChecked() ? 1 : 2;
    ShowPageCounts(paper, scale, margins, headerStyle);
    if (!updateMinimum)
        return;
    SetMinimumScale(m_pDoc->GetMinPrintScale(paper, margins[0], margins[1], margins[2], margins[3]));
    scale = std::max(scale, m_nMinScale);
    CString text;
    text.Format("%d", scale);
    SetDlgItemText(SetDocDlgImpl::IDC_SCALE, text);
}

void CSetDocDlg::EnableFooterControls(WORD style)
{
    using namespace SetDocDlgImpl;
    const BOOL start = style == 1 || style == 2;
    GetDlgItem(IDC_START_NUMBER)->EnableWindow(start);
    GetDlgItem(IDC_START_SPIN)->EnableWindow(start);
    GetDlgItem(IDC_AUTO_TOTAL)->EnableWindow(style == 2);
    EnableUserTotal(style == 2 && !IsAutoTotalChecked());
}

void CSetDocDlg::OnPaperOrHeaderChanged()
{
    if (!m_bInitializing)
        UpdatePageInfo(TRUE);
}

void CSetDocDlg::OnChangeScale()
{
    if (!m_bInitializing && GetDlgItem(SetDocDlgImpl::IDC_SCALE)->GetWindowTextLength() > 0)
        UpdatePageInfo(FALSE);
}

void CSetDocDlg::OnChangeMargin()
{
    // Typed into one of the margins: the edit that changed is the one with the focus, or, while
    // the dialog fills itself, none, and then nothing is recomputed.
    if (m_bInitializing)
        return;
    CWnd* focus = CWnd::GetFocus();
    if (focus && focus->GetWindowTextLength() == 0)
        return;
    UpdatePageInfo(TRUE);
}

void CSetDocDlg::OnNumberStyleClicked(UINT id)
{
    if (IsChecked(int(id)))
        EnableFooterControls(GetNumberStyleFromRadios());
}

void CSetDocDlg::OnAutoTotalClicked()
{
    EnableUserTotal(!IsAutoTotalChecked());
}

void CSetDocDlg::EnableUserTotal(BOOL enable)
{
    GetDlgItem(SetDocDlgImpl::IDC_USER_TOTAL)->EnableWindow(enable);
    GetDlgItem(SetDocDlgImpl::IDC_USER_TOTAL_SPIN)->EnableWindow(enable);
}

// --- Opening and closing ------------------------------------------------------------------------

void CSetDocDlg::ApplyReadOnly()
{
    using namespace SetDocDlgImpl;
    GetDlgItem(IDC_PAPER)->EnableWindow(FALSE);
    for (int id : std::initializer_list<int>{IDC_SCALE, 1036, 1038, 1040, 1042, IDC_START_NUMBER, IDC_USER_TOTAL})
        static_cast<CEdit*>(GetDlgItem(id))->SetReadOnly(TRUE);
    for (int id :
         std::initializer_list<int>{IDC_SCALE_SPIN, 1037, 1039, 1041, 1043, IDC_START_SPIN, IDC_USER_TOTAL_SPIN,
                                    IDC_HEADER_AREA, IDC_AUTO_TOTAL, IDC_IN_MARGIN, IDC_STYLE_DASH, IDC_STYLE_TOTAL,
                                    IDC_STYLE_COLUMN, IDC_STYLE_ROW, IDC_POS_LEFT, IDC_POS_CENTRE, IDC_POS_RIGHT, IDOK})
        GetDlgItem(id)->EnableWindow(FALSE);
}

BOOL CSetDocDlg::OnInitDialog()
{
    using namespace SetDocDlgImpl;
    // The first transfer of the values already fills the edits, before the margins have theirs.
    m_bInitializing = TRUE;
    CDialog::OnInitDialog();
    const BOOL readOnly = m_pDoc->IsReadOnly();
    if (readOnly)
        ApplyReadOnly();
    m_spins[0].SetRange32(kMinPrintScale, kMaxPrintScale);
    for (int i = 1; i <= 4; ++i)
        m_spins[i].SetRange32(0, kMaxMargin / 10);
    m_spins[5].SetRange32(1, kMaxFooterNumber);
    m_spins[6].SetRange32(0, kMaxFooterNumber);
    m_pDoc->FillPaperCombo(&m_paperCombo);
    m_pDoc->SelectPaperInCombo(&m_paperCombo);

    int scale = 0;
    CSize leftTop, rightBottom;
    m_pDoc->GetPageSettings(&m_wPaper, &scale, &leftTop, &rightBottom);
    m_nScale = scale;
    const int stored[4] = {int(leftTop.cx), int(leftTop.cy), int(rightBottom.cx), int(rightBottom.cy)};
    for (int i = 0; i < 4; ++i) {
        m_nMargins[i] = stored[i];
        m_nMarginMm[i] = stored[i] / 10;
    }
    m_nStartNumber = m_pDoc->GetFirstPageNumber();
    m_wHeaderStyle = m_pDoc->GetHeaderStyle();
    m_bHeaderArea = m_wHeaderStyle == 1;
    ShowPageCounts(m_wPaper, scale, m_nMargins, m_wHeaderStyle);
    SetMinimumScale(m_pDoc->GetMinPrintScale(m_wPaper, stored[0], stored[1], stored[2], stored[3]));
    m_bNumberInMargin = m_pDoc->GetPageNumInMargin();
    m_bAutoTotal = m_pDoc->IsTotalPagesAuto();
    const CSize pages = m_pDoc->GetPages();
    m_nUserTotal = m_pDoc->GetTotalPagesGiven() != 0 ? m_pDoc->GetTotalPagesGiven() : int(pages.cx * pages.cy);
    SetChecked(IDC_AUTO_TOTAL, m_bAutoTotal);
    if (!readOnly)
        EnableUserTotal(!m_bAutoTotal);
    m_wNumberStyle = m_pDoc->GetPageNumStyle();
    m_wNumberPos = m_pDoc->GetPageNumPos();
    if (m_wNumberStyle >= 1 && m_wNumberStyle <= 4)
        SetChecked(kStyleRadios[m_wNumberStyle - 1], TRUE);
    if (m_wNumberPos >= 1 && m_wNumberPos <= 3)
        SetChecked(kPosRadios[m_wNumberPos - 1], TRUE);
    if (!readOnly)
        EnableFooterControls(m_wNumberStyle);
    UpdateData(FALSE);
    m_bInitializing = FALSE;
    return TRUE;
}

BOOL CSetDocDlg::ReadPageValues(WORD& paper, int& scale, int margins[4])
{
    paper = GetSelectedPaperId();
    scale = ValidateScale();
    if (scale < m_nMinScale) {
        // A scale the validator let through is still below the paper's minimum.
        if (scale != 0)
            RefuseField(SetDocDlgImpl::IDC_SCALE, SetDocDlgImpl::kScaleBad, TRUE);
        return FALSE;
    }
    for (int i = 0; i < 4; ++i)
        if ((margins[i] = ValidateMargin(i)) == kRefused)
            return FALSE;
    return TRUE;
}

void CSetDocDlg::OnOK()
{
    WORD paper = 0;
    int scale = 0;
    int margins[4];
    if (!ReadPageValues(paper, scale, margins))
        return;
    const int start = ValidateStartNumber();
    if (start == kRefused)
        return;
    const WORD headerStyle = IsHeaderAreaChecked() ? 1 : 2;
    const BOOL inMargin = IsNumberInMarginChecked();
    const BOOL autoTotal = IsAutoTotalChecked();
    const int userTotal = ValidateUserTotal();
    if (userTotal == kRefused)
        return;
    const WORD style = GetNumberStyleFromRadios();
    const WORD position = GetNumberPosFromRadios();
    switch (AfxMessageBox(CString(u8"ﾄﾞｷｭﾒﾝﾄのﾍﾟｰｼﾞﾚｲｱｳﾄ設定を変更しますか。"), MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDYES: break;
    case IDNO: EndDialog(IDCANCEL); return;
    default: return;
    }
    m_wPaper = paper;
    m_nScale = scale;
    std::copy(std::begin(margins), std::end(margins), m_nMargins);
    m_nStartNumber = start;
    m_bAutoTotal = autoTotal;
    m_nUserTotal = userTotal;
    m_wNumberStyle = style;
    m_wNumberPos = position;
    m_wHeaderStyle = headerStyle;
    m_bNumberInMargin = inMargin;
    CDialog::OnOK();
}

void CSetDocDlg::OnSaveDefault()
{
    using namespace SetDocDlgImpl;
    WORD paper = 0;
    int scale = 0;
    int margins[4];
    if (!ReadPageValues(paper, scale, margins))
        return;
    if (AfxMessageBox(CString(u8"ﾍﾟｰｼﾞﾚｲｱｳﾄ設定の既定値を更新しますか。"), MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    const std::pair<const char*, int> values[] = {
        {"PaperID", paper},
        {"PrintScale", scale},
        {"MarginLeft", margins[0]},
        {"MarginTop", margins[1]},
        {"MarginRight", margins[2]},
        {"MarginBottom", margins[3]},
        {"HeaderStyle", IsHeaderAreaChecked() ? 1 : 2},
        {"PageNumStyle", GetNumberStyleFromRadios()},
        {"PageNumPos", GetNumberPosFromRadios()},
        {"PageNumInMargin", IsNumberInMarginChecked()},
    };
    AppServices* app = GetAppServices();
    CRegManList* store = app ? app->GetRegManList() : nullptr;
    for (const auto& [key, value] : values) {
        if (!store || !store->SetRegInt(kPageSection, key, value, REGITEM_INT | REGITEM_PER_USER)) {
            AfxMessageBox(CString(u8"ﾍﾟｰｼﾞﾚｲｱｳﾄ既定値を更新中にｴﾗｰが発生しました。"), MB_OK | MB_ICONEXCLAMATION);
            return;
        }
    }
    // The defaults reach the profile at once.
    store->DeleteAllItems();
    AfxMessageBox(CString(u8"ﾍﾟｰｼﾞﾚｲｱｳﾄの既定値の更新が終了しました。"), MB_OK | MB_ICONINFORMATION);
}
