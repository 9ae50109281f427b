// The dialog controls as thin windows over their Qt widgets: CEdit (QLineEdit or QPlainTextEdit),
// CButton (push, check and radio buttons), CComboBox, CListBox (QListWidget), CStatic (QLabel),
// CProgressCtrl (QProgressBar) and CSpinButtonCtrl (QSpinBox). A dialog creates the widgets; the
// control objects attach to them (DDX_Control, or GetDlgItem, which picks the class by widget).
#pragma once

#include "platform/ui/Wnd.h"

class QComboBox;
class QListWidget;
class QProgressBar;
class QSpinBox;

constexpr int CB_ERR = -1;
constexpr int LB_ERR = -1;
constexpr int BST_UNCHECKED = 0;
constexpr int BST_CHECKED = 1;
constexpr int BST_INDETERMINATE = 2;

class CEdit : public CWnd
{
    DECLARE_DYNAMIC(CEdit)
public:
    void SetSel(int start, int end, BOOL noScroll = FALSE);
    void GetSel(int& start, int& end) const;
    void ReplaceSel(LPCTSTR text, BOOL canUndo = FALSE);
    // At most maxChars code page 932 bytes, whole characters only (0: no limit).
    void LimitText(int maxChars = 0);
    BOOL SetReadOnly(BOOL readOnly = TRUE);
    void Copy();
    void Cut();
    void Paste();
    void Undo();
    void Clear();
};

class CButton : public CWnd
{
    DECLARE_DYNAMIC(CButton)
public:
    int GetCheck() const;
    void SetCheck(int check);
};

class CComboBox : public CWnd
{
    DECLARE_DYNAMIC(CComboBox)
public:
    // A sorted combo (the framework's sort style) places what AddString adds by its text.
    static void SetSortStyle(QComboBox* widget, bool sorted);
    int AddString(LPCTSTR text);
    int InsertString(int index, LPCTSTR text);
    int DeleteString(UINT index);
    void ResetContent();
    int GetCount() const;
    int GetCurSel() const;
    int SetCurSel(int index);
    void GetLBText(int index, CString& text) const;
    int FindStringExact(int startAfter, LPCTSTR text) const;
    int SetItemData(int index, DWORD_PTR data);
    DWORD_PTR GetItemData(int index) const;
    // The item data of the selected row; 0 without a selection.
    DWORD_PTR GetCurSelData() const;
    // Selects the first row whose item data is the value; none when no row has it.
    void SelectItemData(DWORD_PTR data);
    void LimitText(int maxChars);

private:
    QComboBox* Combo() const;
};

class CListBox : public CWnd
{
    DECLARE_DYNAMIC(CListBox)
public:
    int AddString(LPCTSTR text);
    int InsertString(int index, LPCTSTR text);
    int DeleteString(UINT index);
    void ResetContent();
    int GetCount() const;
    int GetCurSel() const;
    int SetCurSel(int index);
    void GetText(int index, CString& text) const;
    int SetItemData(int index, DWORD_PTR data);
    DWORD_PTR GetItemData(int index) const;

private:
    QListWidget* List() const;
};

class CStatic : public CWnd
{
    DECLARE_DYNAMIC(CStatic)
};

class CProgressCtrl : public CWnd
{
    DECLARE_DYNAMIC(CProgressCtrl)
public:
    void SetRange(short lower, short upper);
    void SetRange32(int lower, int upper);
    int SetPos(int pos);
    int GetPos() const;
    int SetStep(int step);
    int StepIt();

private:
    QProgressBar* Bar() const;
    int m_nStep = 10;
};

class CSpinButtonCtrl : public CWnd
{
    DECLARE_DYNAMIC(CSpinButtonCtrl)
public:
    void SetRange(short lower, short upper);
    void SetRange32(int lower, int upper);
    int SetPos(int pos);
    int GetPos() const;

private:
    QSpinBox* Spin() const;
};

// The control window of the class that fits the widget (used for GetDlgItem).
std::unique_ptr<CWnd> MakeControlWindow(QWidget* widget);
