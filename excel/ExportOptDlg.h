// CExportOptDlg: which objects the spreadsheet export writes and, for conceptual files, the form of
// the workbook. The forms meant for conceptual files alone (matrix, DB interface, the two update
// forms) can be chosen only while conceptual files are the only target. Two hidden check boxes
// carry their bits through the dialog unchanged.
#pragma once

#include "platform/ui/Dialog.h"

class CExportOptDlg : public CDialog
{
public:
    static constexpr UINT IDD = 301;
    static constexpr int IDC_TEXTS = 1119;
    static constexpr int IDC_DATA_SYMBOLS = 1120;
    static constexpr int IDC_PROCESS_SYMBOLS = 1121;
    static constexpr int IDC_FILES = 1122;
    static constexpr int IDC_ACROSS = 1123;
    static constexpr int IDC_DOWN = 1124;
    static constexpr int IDC_MATRIX = 1126;
    static constexpr int IDC_INTERFACE = 1132;
    static constexpr int IDC_RKEY_UNDERSCORE = 1175;
    static constexpr int IDC_KEY_CODES = 1176;
    static constexpr int IDC_CONCEPT_UPDATE = 1399;
    static constexpr int IDC_PHYSICAL_UPDATE = 1400;

    CExportOptDlg(DWORD exportOpt, CWnd* parent = nullptr);

    DWORD GetExportOpt() const { return m_dwExportOpt; }

    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnTargetCheck();
    void OnFileTargetCheck();

protected:
    void BuildDialog() override;
    const MessageMap* GetMessageMap() const override;

private:
    BOOL IsChecked(int id) const;
    void Check(int id, BOOL check);
    void Enable(int id, BOOL enable);
    BOOL FilesOnly() const;
    void UpdateAcrossEnable();
    void UpdateDownEnable();
    void UpdateMatrixEnable();
    void UpdateFileOnlyFormsEnable();

    DWORD m_dwExportOpt;
};
