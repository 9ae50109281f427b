// The progress of a long spreadsheet run: the wait cursor and the modeless progress dialog that
// shows the run's phase and count, opened and closed as one.
#pragma once

#include "excel/ExcelExport.h"

#include <memory>

class COnProcessDlg;
class CWnd;

class CProcessDlgProgress : public ExcelExportProgress
{
public:
    CProcessDlgProgress();
    ~CProcessDlgProgress() override;
    CProcessDlgProgress(const CProcessDlgProgress&) = delete;
    CProcessDlgProgress& operator=(const CProcessDlgProgress&) = delete;

    // Shows the wait cursor and the dialog over the parent; null (cursor restored) when the dialog
    // cannot be made.
    ExcelExportProgress* Open(CWnd* parent);
    // Closes the dialog and restores the cursor; does nothing when not open.
    void Close();

    void SetPhaseText(const CString& text) override;
    void SetCountText(const CString& text) override;

private:
    void Send(UINT message, const CString& text);

    std::unique_ptr<COnProcessDlg> m_dialog;
    bool m_cursor = false;
};
