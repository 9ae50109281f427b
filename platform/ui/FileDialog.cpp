#include "platform/ui/FileDialog.h"

#include "platform/ui/Wnd.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QStandardPaths>

namespace FileDialogImpl {

CFileDialog::Hook& CurrentHook()
{
    static CFileDialog::Hook hook;
    return hook;
}

QString& LastFolder()
{
    static QString folder;
    return folder;
}

// Filter names usually show their patterns already ("Zivra ﾌｧｲﾙ (*.zvr)"); Qt reads the patterns
// from the last parentheses, so they are added only where the name lacks them.
QString FilterText(const CString& name, const CString& pattern)
{
    const QString text = ToQString(name);
    const QString patterns = ToQString(pattern).replace(';', ' ');
    const QString shown = QLatin1Char('(') + patterns + QLatin1Char(')');
    return text.endsWith(shown) ? text : text + QLatin1Char(' ') + shown;
}

int Remember(int result, const CString& chosen)
{
    if (result == IDOK)
        LastFolder() = QFileInfo(ToQString(chosen)).absolutePath();
    return result;
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
        return FileDialogImpl::Remember(hook(*this), m_strFileName);
    QFileDialog dialog(m_pParent ? m_pParent->GetSafeHwnd() : nullptr, ToQString(m_strTitle));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(m_bOpen ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(m_bOpen && (m_dwFlags & OFN_FILEMUSTEXIST) ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (!(m_dwFlags & OFN_OVERWRITEPROMPT))
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    QStringList filters;
    for (const auto& [name, pattern] : m_filters)
        filters << FileDialogImpl::FilterText(name, pattern);
    dialog.setNameFilters(filters);
    if (m_nFilterIndex >= 1 && m_nFilterIndex <= filters.size())
        dialog.selectNameFilter(filters[m_nFilterIndex - 1]);
    if (!m_strDefExt.IsEmpty())
        dialog.setDefaultSuffix(ToQString(m_strDefExt));
    dialog.setDirectory(ToQString(StartFolder()));
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
    FileDialogImpl::Remember(IDOK, m_strFileName);
    m_nFilterIndex = int(filters.indexOf(dialog.selectedNameFilter())) + 1;
    if (readOnly)
        m_dwFlags = readOnly->isChecked() ? (m_dwFlags | OFN_READONLY) : (m_dwFlags & ~OFN_READONLY);
    return IDOK;
}

CString CFileDialog::StartFolder() const
{
    if (!m_strInitialDir.IsEmpty())
        return m_strInitialDir;
    const QFileInfo proposed(ToQString(m_strFileName));
    if (!m_strFileName.IsEmpty() && !proposed.isRelative())
        return FromQString(proposed.absolutePath());
    if (!FileDialogImpl::LastFolder().isEmpty())
        return FromQString(FileDialogImpl::LastFolder());
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return FromQString(QDir(documents).exists() ? documents : QDir::homePath());
}
