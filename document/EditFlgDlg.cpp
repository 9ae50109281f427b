#include "document/EditFlgDlg.h"

#include "foundation/AppServices.h"
#include "foundation/RegItemObj.h"
#include "foundation/RegManList.h"
#include "platform/afx/MessageSink.h"
#include "platform/afx/String.h"
#include "platform/ui/Controls.h"
#include "platform/ui/FrameworkIds.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QVBoxLayout>

namespace EditFlgDlgImpl {

constexpr const char8_t* kFlagTexts[CEditFlgDlg::kFlagCount] = {
    u8"ﾌｧｲﾙ名文字列に含まれる改行を自動的に取除く",   u8"ｷｰﾃﾞｰﾀ項目文字列に含まれる改行を自動的に取除く",
    u8"ﾃﾞｰﾀ項目文字列に含まれる改行を自動的に取除く", u8"事例文字列に含まれる改行を自動的に取除く",
    u8"課題名文字列に含まれる改行を自動的に取除く",   u8"課題内容に含まれる改行を自動的に取除く",
};
// The conceptual-file boxes; the rest belong to the hidden task group.
constexpr int kFileFlagCount = 4;

} // namespace EditFlgDlgImpl

CEditFlgDlg::CEditFlgDlg(CWnd* parent) : CDialog(IDD, parent) {}

void CEditFlgDlg::BuildDialog()
{
    using namespace EditFlgDlgImpl;
    QWidget* dialog = GetSafeHwnd();
    dialog->setWindowTitle(ToQString(u8"文字列編集ｵﾌﾟｼｮﾝ"));
    auto* layout = new QVBoxLayout(dialog);
    const auto addGroup = [&](const char8_t* title, int first, int last) {
        auto* group = new QGroupBox(ToQString(title));
        auto* box = new QVBoxLayout(group);
        for (int i = first; i < last; ++i)
            box->addWidget(AddControl(IDC_FIRST_FLAG + i, new QCheckBox(ToQString(kFlagTexts[i]))));
        layout->addWidget(group);
        return group;
    };
    addGroup(u8"概念ﾌｧｲﾙ", 0, kFileFlagCount);
    // The task options are kept in the document but not offered.
    addGroup(u8"課題", kFileFlagCount, kFlagCount)->setVisible(false);
    layout->addLayout(MakeButtonRow(
        {{IDOK, u8"OK"}, {IDCANCEL, u8"ｷｬﾝｾﾙ"}, {IDC_SAVE_DEFAULT, u8"既定値更新"}, {ID_HELP, u8"ﾍﾙﾌﾟ"}}));
}

const MessageMap* CEditFlgDlg::GetMessageMap() const
{
    static const MessageMap map{CDialog::GetMessageMap(),
                                {
                                    MapCommand(IDC_SAVE_DEFAULT, &CEditFlgDlg::OnSaveDefault),
                                }};
    return &map;
}

BOOL CEditFlgDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetChecksFromFlags();
    return TRUE;
}

void CEditFlgDlg::SetChecksFromFlags()
{
    for (int i = 0; i < kFlagCount; ++i)
        static_cast<CButton*>(GetDlgItem(IDC_FIRST_FLAG + i))
            ->SetCheck((m_dwFlags & (1u << i)) ? BST_CHECKED : BST_UNCHECKED);
}

DWORD CEditFlgDlg::GetFlagsFromChecks() const
{
    DWORD flags = 0;
    for (int i = 0; i < kFlagCount; ++i)
        if (static_cast<const CButton*>(GetDlgItem(IDC_FIRST_FLAG + i))->GetCheck() == BST_CHECKED)
            flags |= 1u << i;
    return flags;
}

void CEditFlgDlg::OnOK()
{
    const DWORD flags = GetFlagsFromChecks();
    if (flags == m_dwFlags) {
        EndDialog(IDCANCEL);
        return;
    }
    switch (AfxMessageBox(CString(u8"変更をﾄﾞｷｭﾒﾝﾄに更新しますか。"), MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDYES:
        m_dwFlags = flags;
        EndDialog(IDOK);
        break;
    case IDNO: EndDialog(IDCANCEL); break;
    default: break;
    }
}

void CEditFlgDlg::OnSaveDefault()
{
    const DWORD flags = GetFlagsFromChecks();
    if (AfxMessageBox(CString(u8"文字列編集ｵﾌﾟｼｮﾝの既定値を更新しますか。"), MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    AppServices* app = GetAppServices();
    CRegManList* store = app ? app->GetRegManList() : nullptr;
    if (!store || !store->SetRegInt("Document Page", "EditFlgs", int(flags), REGITEM_INT | REGITEM_PER_USER)) {
        AfxMessageBox(CString(u8"文字列編集ｵﾌﾟｼｮﾝを更新中にｴﾗｰが発生しました。"), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    // The default reaches the profile at once.
    store->DeleteAllItems();
    AfxMessageBox(CString(u8"文字列編集ｵﾌﾟｼｮﾝの既定値の更新が終了しました。"), MB_OK | MB_ICONINFORMATION);
}
