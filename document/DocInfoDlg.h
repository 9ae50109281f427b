// CDocInfoDlg: the document-information dialog: the file's name and folder, and the header
// information (author, updater, created and updated date and time, title, remarks) for editing.
// Every edit that changes sets the changed flag and its bit of the change mask, so that the
// command stores only what the user may have touched.
#pragma once

#include "platform/afx/Time.h"
#include "platform/ui/Dialog.h"

class CBaseDoc;

class CDocInfoDlg : public CDialog
{
public:
    static constexpr UINT IDD = 202;
    // Bits of the change mask.
    static constexpr DWORD kAuthor = 0x01;
    static constexpr DWORD kUpdater = 0x02;
    static constexpr DWORD kTitle = 0x04;
    static constexpr DWORD kRemarks = 0x08;
    static constexpr DWORD kCreatedDate = 0x10;
    static constexpr DWORD kCreatedTime = 0x20;
    static constexpr DWORD kUpdatedDate = 0x40;
    static constexpr DWORD kUpdatedTime = 0x80;

    explicit CDocInfoDlg(CBaseDoc* doc, CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    void OnOK() override;
    void LoadFromDocument();
    void ApplyReadOnly();
    // The dates the dialog's fields give, as local times.
    CTime GetCreatedFromFields() const;
    CTime GetUpdatedFromFields() const;

    CBaseDoc* m_pDoc;
    BOOL m_bChanged = FALSE;
    DWORD m_dwChangeMask = 0;
    CString m_strFileName;
    CString m_strFolder;
    CTime m_timeCreated;
    CTime m_timeUpdated;
    BOOL m_bReadOnly = FALSE;
    CString m_strAuthor;
    CString m_strUpdater;
    CString m_strTitle;
    CString m_strRemarks;
    // Year, month, day, hour, minute and second: [0] created, [1] updated.
    int m_nYear[2] = {};
    int m_nMonth[2] = {};
    int m_nDay[2] = {};
    int m_nHour[2] = {};
    int m_nMinute[2] = {};
    int m_nSecond[2] = {};

protected:
    void BuildDialog() override;
    void DoDataExchange(CDataExchange* dx) override;

private:
    void OnChangeField(DWORD bit);
    // Checks the year, month and day edits from firstId; FALSE after telling the user.
    BOOL CheckDateFields(int firstId);
    void SplitDate(const CTime& time, int which);
};
