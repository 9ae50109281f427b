#include "platform/ui/FileDialog.h"

#include "platform/ui/Wnd.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QGridLayout>

namespace FileDialogImpl {

CFileDialog::Hook& CurrentHook()
{
    static CFileDialog::Hook hook;
    return hook;
}

} // namespace FileDialogImpl

CFileDialog::CFileDialog(BOOL openDialog, DWORD flags, CWnd* parent)
    : m_dwFlags(flags), m_bOpen(openDialog), m_pParent(parent)
{
}

CFileDialog::Hook CFileDialog::SetHook(Hook hook)
{
    return std::exchange(FileDialogImpl::CurrentHook(), std::move(hook));
}

int CFileDialog::DoModal()
{
    if (const Hook& hook = FileDialogImpl::CurrentHook())
        return hook(*this);
    QFileDialog dialog(m_pParent ? m_pParent->GetSafeHwnd() : nullptr, ToQString(m_strTitle));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(m_bOpen ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(m_bOpen && (m_dwFlags & OFN_FILEMUSTEXIST) ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (!(m_dwFlags & OFN_OVERWRITEPROMPT))
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    QStringList filters;
    for (const auto& [name, pattern] : m_filters)
        filters << ToQString(name) + QStringLiteral(" (") + ToQString(pattern).replace(';', ' ') + QLatin1Char(')');
    dialog.setNameFilters(filters);
    if (m_nFilterIndex >= 1 && m_nFilterIndex <= filters.size())
        dialog.selectNameFilter(filters[m_nFilterIndex - 1]);
    if (!m_strDefExt.IsEmpty())
        dialog.setDefaultSuffix(ToQString(m_strDefExt));
    if (!m_strInitialDir.IsEmpty())
        dialog.setDirectory(ToQString(m_strInitialDir));
    if (!m_strFileName.IsEmpty())
        dialog.selectFile(ToQString(m_strFileName));
    QCheckBox* readOnly = nullptr;
    if (m_bOpen && !(m_dwFlags & OFN_HIDEREADONLY)) {
        if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
            readOnly = new QCheckBox(QStringLiteral("読み取り専用ファイルとして開く(&R)"), &dialog);
            readOnly->setChecked((m_dwFlags & OFN_READONLY) != 0);
            grid->addWidget(readOnly, grid->rowCount(), 0, 1, grid->columnCount());
        }
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return IDCANCEL;
    m_strFileName = FromQString(dialog.selectedFiles().first());
    m_nFilterIndex = int(filters.indexOf(dialog.selectedNameFilter())) + 1;
    if (readOnly)
        m_dwFlags = readOnly->isChecked() ? (m_dwFlags | OFN_READONLY) : (m_dwFlags & ~OFN_READONLY);
    return IDOK;
}
