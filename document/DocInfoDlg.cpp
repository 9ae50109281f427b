#include "document/DocInfoDlg.h"

#include "document/BaseDoc.h"
#include "foundation/TextFunctions.h"
#include "platform/afx/MessageSink.h"
#include "platform/afx/String.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/FrameworkIds.h"

#include <QDate>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace DocInfoDlgImpl {

constexpr int IDC_FILE_NAME = 1018;
constexpr int IDC_FOLDER = 1019;
constexpr int IDC_AUTHOR = 1020;
constexpr int IDC_UPDATER = 1021;
constexpr int IDC_TITLE = 1024;
constexpr int IDC_REMARKS = 1025;
// The six date and time edits of the created date start here, those of the updated date six on.
constexpr int IDC_CREATED_FIRST = 1143;
constexpr int IDC_UPDATED_FIRST = 1149;
constexpr int kFirstYear = 1970;
constexpr int kLastYear = 2036;

} // namespace DocInfoDlgImpl

CDocInfoDlg::CDocInfoDlg(CBaseDoc* doc, CWnd* parent) : CDialog(IDD, parent), m_pDoc(doc) {}

void CDocInfoDlg::BuildDialog()
{
    using namespace DocInfoDlgImpl;
    QWidget* dialog = GetSafeHwnd();
    dialog->setWindowTitle(ToQString(u8"ﾄﾞｷｭﾒﾝﾄ情報"));
    auto* layout = new QVBoxLayout(dialog);
    auto* grid = new QGridLayout;
    layout->addLayout(grid);
    int row = 0;
    grid->addWidget(new QLabel(ToQString(u8"ﾌｧｲﾙ名:")), row, 0);
    grid->addWidget(AddControl(IDC_FILE_NAME, new QLabel), row++, 1);
    grid->addWidget(new QLabel(ToQString(u8"ﾃﾞｨﾚｸﾄﾘ名:")), row, 0);
    grid->addWidget(AddControl(IDC_FOLDER, new QLabel), row++, 1);
    // A single-line edit whose changes set its bit of the mask.
    const auto addEdit = [this](int id, DWORD bit) {
        auto* edit = AddControl(id, new QLineEdit);
        QObject::connect(edit, &QLineEdit::textChanged, edit, [this, bit] { OnChangeField(bit); });
        return edit;
    };
    const std::pair<int, const char8_t*> names[] = {{IDC_AUTHOR, u8"作成者名:"}, {IDC_UPDATER, u8"更新者名:"}};
    for (const auto& [id, label] : names) {
        grid->addWidget(new QLabel(ToQString(label)), row, 0);
        grid->addWidget(addEdit(id, id == IDC_AUTHOR ? kAuthor : kUpdater), row++, 1);
    }
    const char8_t* units[6] = {u8"年", u8"月", u8"日", u8"時", u8"分", u8"秒"};
    const std::tuple<int, const char8_t*, DWORD, DWORD> dates[] = {{IDC_CREATED_FIRST, u8"作成日時:", kCreatedDate,
                                                                    kCreatedTime},
                                                                   {IDC_UPDATED_FIRST, u8"更新日時:", kUpdatedDate,
                                                                    kUpdatedTime}};
    for (const auto& [first, label, dateBit, timeBit] : dates) {
        grid->addWidget(new QLabel(ToQString(label)), row, 0);
        auto* fields = new QHBoxLayout;
        for (int i = 0; i < 6; ++i) {
            QLineEdit* edit = addEdit(first + i, i < 3 ? dateBit : timeBit);
            edit->setMaximumWidth(i == 0 ? 56 : 36);
            fields->addWidget(edit);
            fields->addWidget(new QLabel(ToQString(units[i])));
        }
        fields->addStretch();
        grid->addLayout(fields, row++, 1);
    }
    grid->addWidget(new QLabel(ToQString(u8"表題:")), row, 0);
    grid->addWidget(addEdit(IDC_TITLE, kTitle), row++, 1);
    grid->addWidget(new QLabel(ToQString(u8"備考:")), row, 0, Qt::AlignTop);
    auto* remarks = AddControl(IDC_REMARKS, new QPlainTextEdit);
    remarks->setMaximumHeight(72);
    QObject::connect(remarks, &QPlainTextEdit::textChanged, remarks, [this] { OnChangeField(kRemarks); });
    grid->addWidget(remarks, row++, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* ok = AddControl(IDOK, new QPushButton(QStringLiteral("OK")));
    ok->setDefault(true);
    buttons->addWidget(ok);
    buttons->addWidget(AddControl(IDCANCEL, new QPushButton(ToQString(u8"ｷｬﾝｾﾙ"))));
    buttons->addWidget(AddControl(ID_HELP, new QPushButton(ToQString(u8"ﾍﾙﾌﾟ"))));
    layout->addLayout(buttons);
}

void CDocInfoDlg::DoDataExchange(CDataExchange* dx)
{
    using namespace DocInfoDlgImpl;
    DDX_Text(dx, IDC_AUTHOR, m_strAuthor);
    DDV_MaxChars(dx, m_strAuthor, 40);
    DDX_Text(dx, IDC_UPDATER, m_strUpdater);
    DDV_MaxChars(dx, m_strUpdater, 40);
    for (int which = 0; which < 2; ++which) {
        const int first = which == 0 ? IDC_CREATED_FIRST : IDC_UPDATED_FIRST;
        DDX_Text(dx, first, m_nYear[which]);
        DDV_MinMaxInt(dx, m_nYear[which], kFirstYear, kLastYear);
        DDX_Text(dx, first + 1, m_nMonth[which]);
        DDV_MinMaxInt(dx, m_nMonth[which], 1, 12);
        DDX_Text(dx, first + 2, m_nDay[which]);
        DDV_MinMaxInt(dx, m_nDay[which], 1, 31);
        DDX_Text(dx, first + 3, m_nHour[which]);
        DDV_MinMaxInt(dx, m_nHour[which], 0, 23);
        DDX_Text(dx, first + 4, m_nMinute[which]);
        DDV_MinMaxInt(dx, m_nMinute[which], 0, 59);
        DDX_Text(dx, first + 5, m_nSecond[which]);
        DDV_MinMaxInt(dx, m_nSecond[which], 0, 59);
    }
    DDX_Text(dx, IDC_TITLE, m_strTitle);
    DDV_MaxChars(dx, m_strTitle, 100);
    DDX_Text(dx, IDC_REMARKS, m_strRemarks);
    DDV_MaxChars(dx, m_strRemarks, 250);
}

void CDocInfoDlg::OnChangeField(DWORD bit)
{
    m_bChanged = TRUE;
    m_dwChangeMask |= bit;
}

void CDocInfoDlg::SplitDate(const CTime& time, int which)
{
    m_nYear[which] = time.GetYear();
    m_nMonth[which] = time.GetMonth();
    m_nDay[which] = time.GetDay();
    m_nHour[which] = time.GetHour();
    m_nMinute[which] = time.GetMinute();
    m_nSecond[which] = time.GetSecond();
}

void CDocInfoDlg::LoadFromDocument()
{
    m_strAuthor = m_pDoc->GetAuthorName();
    m_strUpdater = m_pDoc->GetUpdaterName();
    m_strTitle = m_pDoc->GetHeaderTitle();
    m_strRemarks = m_pDoc->GetRemarks();
    m_timeCreated = m_pDoc->GetCreatedDate();
    m_timeUpdated = m_pDoc->GetUpdatedDate();
    SplitDate(m_timeCreated, 0);
    SplitDate(m_timeUpdated, 1);
    SplitFilePath(m_pDoc->GetPathName(), m_strFileName, m_strFolder);
    SetDlgItemText(DocInfoDlgImpl::IDC_FILE_NAME, m_strFileName);
    SetDlgItemText(DocInfoDlgImpl::IDC_FOLDER, m_strFolder);
    m_bReadOnly = m_pDoc->IsReadOnly();
}

void CDocInfoDlg::ApplyReadOnly()
{
    using namespace DocInfoDlgImpl;
    const int edits[] = {IDC_AUTHOR, IDC_UPDATER, IDC_TITLE, IDC_REMARKS};
    for (int id : edits)
        static_cast<CEdit*>(GetDlgItem(id))->SetReadOnly(m_bReadOnly);
    for (int id = IDC_CREATED_FIRST; id < IDC_UPDATED_FIRST + 6; ++id)
        static_cast<CEdit*>(GetDlgItem(id))->SetReadOnly(m_bReadOnly);
    GetDlgItem(IDOK)->EnableWindow(!m_bReadOnly);
}

BOOL CDocInfoDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    LoadFromDocument();
    ApplyReadOnly();
    UpdateData(FALSE);
    return TRUE;
}

BOOL CDocInfoDlg::CheckDateFields(int firstId)
{
    const auto read = [this](int id) {
        CString text;
        GetDlgItemText(id, text);
        return ToQString(text).trimmed().toInt(); // not a number reads 0
    };
    const auto refuse = [this](int id, const char8_t* message) {
        auto* edit = static_cast<CEdit*>(GetDlgItem(id));
        edit->SetFocus();
        edit->SetSel(0, -1);
        AfxMessageBox(CString(message), MB_OK);
        return FALSE;
    };
    const int year = read(firstId), month = read(firstId + 1), day = read(firstId + 2);
    if (year < DocInfoDlgImpl::kFirstYear || year > DocInfoDlgImpl::kLastYear)
        return refuse(firstId, u8"年は1970～2036の間で指定してください。");
    if (month < 1 || month > 12)
        return refuse(firstId + 1, u8"月は1～12の間で指定してください。");
    if (day < 1 || day > 31)
        return refuse(firstId + 2, u8"日は1～31の間で指定してください。");
    // December has 31 days; for the other months the day before the first of the next one counts.
    if (month < 12 && day > QDate(year, month + 1, 1).addDays(-1).day())
        return refuse(firstId + 2, u8"指定されている年月では指定可能な日ではありません。");
    return TRUE;
}

void CDocInfoDlg::OnOK()
{
    if (!m_bChanged) {
        EndDialog(IDCANCEL);
        return;
    }
    switch (AfxMessageBox(CString(u8"変更をﾄﾞｷｭﾒﾝﾄに更新しますか。"), MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDYES: break;
    case IDNO: EndDialog(IDCANCEL); return;
    default: return;
    }
    if ((m_dwChangeMask & kCreatedDate) && !CheckDateFields(DocInfoDlgImpl::IDC_CREATED_FIRST))
        return;
    if ((m_dwChangeMask & kUpdatedDate) && !CheckDateFields(DocInfoDlgImpl::IDC_UPDATED_FIRST))
        return;
    CDialog::OnOK();
}

CTime CDocInfoDlg::GetCreatedFromFields() const
{
    return CTime(m_nYear[0], m_nMonth[0], m_nDay[0], m_nHour[0], m_nMinute[0], m_nSecond[0]);
}

CTime CDocInfoDlg::GetUpdatedFromFields() const
{
    return CTime(m_nYear[1], m_nMonth[1], m_nDay[1], m_nHour[1], m_nMinute[1], m_nSecond[1]);
}
