#include "shell/ProcessDlgProgress.h"

#include "platform/ui/UserMessages.h"
#include "shell/OnProcessDlg.h"

#include <QApplication>

CProcessDlgProgress::CProcessDlgProgress() = default;

CProcessDlgProgress::~CProcessDlgProgress()
{
    Close();
}

ExcelExportProgress* CProcessDlgProgress::Open(CWnd* parent)
{
    Close();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_cursor = true;
    m_dialog = std::make_unique<COnProcessDlg>();
    if (!m_dialog->Create(parent)) {
        Close();
        return nullptr;
    }
    return this;
}

void CProcessDlgProgress::Close()
{
    if (m_dialog && m_dialog->GetSafeHwnd())
        m_dialog->DestroyWindow();
    m_dialog.reset();
    if (m_cursor)
        QApplication::restoreOverrideCursor();
    m_cursor = false;
}

void CProcessDlgProgress::SetPhaseText(const CString& text)
{
    Send(UM_PROCESS_SET_PHASE_TEXT, text);
}

void CProcessDlgProgress::SetCountText(const CString& text)
{
    Send(UM_PROCESS_SET_COUNT_TEXT, text);
}

void CProcessDlgProgress::Send(UINT message, const CString& text)
{
    if (!m_dialog)
        return;
    m_dialog->SendMessage(message, 0, reinterpret_cast<LPARAM>(text.GetString()));
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
