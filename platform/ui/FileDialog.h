// CFileDialog: the file open and save dialogs over QFileDialog, with the framework's flags, a
// filter list, an initial folder and the read-only check box. Tests answer it through a hook.
#pragma once

#include "platform/afx/String.h"

#include <functional>
#include <utility>
#include <vector>

class CWnd;

constexpr DWORD OFN_READONLY = 0x00000001;
constexpr DWORD OFN_OVERWRITEPROMPT = 0x00000002;
constexpr DWORD OFN_HIDEREADONLY = 0x00000004;
constexpr DWORD OFN_PATHMUSTEXIST = 0x00000800;
constexpr DWORD OFN_FILEMUSTEXIST = 0x00001000;

class CFileDialog
{
public:
    explicit CFileDialog(BOOL openDialog, DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, CWnd* parent = nullptr);

    // Filters as (name, pattern) pairs, e.g. ("Zivra ﾌｧｲﾙ (*.zvr)", "*.zvr"); index counts from 1.
    std::vector<std::pair<CString, CString>> m_filters;
    int m_nFilterIndex = 1;
    CString m_strDefExt;   // without the dot
    CString m_strFileName; // in: the proposed name; out: the chosen path
    CString m_strInitialDir;
    CString m_strTitle;
    DWORD m_dwFlags;

    // IDOK or IDCANCEL.
    int DoModal();
    CString GetPathName() const { return m_strFileName; }
    BOOL GetReadOnlyPref() const { return (m_dwFlags & OFN_READONLY) != 0; }
    BOOL IsOpenDialog() const { return m_bOpen; }
    // The folder the dialog opens in: m_strInitialDir, else the folder of the proposed name, else
    // the folder the last dialog ended in with OK during this run, else the user's documents.
    CString StartFolder() const;

    // Tests answer the dialog: the hook sets m_strFileName (and flags) and returns IDOK or IDCANCEL.
    using Hook = std::function<int(CFileDialog& dialog)>;
    static Hook SetHook(Hook hook);

private:
    BOOL m_bOpen;
    CWnd* m_pParent;
};
