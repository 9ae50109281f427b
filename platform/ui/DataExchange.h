// Dialog data exchange: moving values between a dialog's members and its controls, and validating
// them. A failed conversion or validation shows its message, puts the focus on the control at
// fault (with its text selected for an edit) and throws CUserException, which UpdateData catches.
#pragma once

#include "platform/afx/String.h"

class CWnd;

class CDataExchange
{
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate) : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;

    // The control of the id, remembered as the one a failure concerns.
    CWnd* PrepareCtrl(int id);
    CWnd* PrepareEditCtrl(int id);
    [[noreturn]] void Fail();
    int GetLastControlId() const { return m_idLastControl; }

private:
    int m_idLastControl = 0;
    BOOL m_bEditLastControl = FALSE;
};

void DDX_Control(CDataExchange* dx, int id, CWnd& control);
void DDX_Text(CDataExchange* dx, int id, CString& value);
void DDX_Text(CDataExchange* dx, int id, int& value);
void DDX_Text(CDataExchange* dx, int id, UINT& value);
void DDX_Text(CDataExchange* dx, int id, double& value);
void DDX_Check(CDataExchange* dx, int id, int& value);
// The radio group: the radio buttons with the ids id, id + 1, ...; value is the checked one's
// position, -1 for none.
void DDX_Radio(CDataExchange* dx, int id, int& value);
void DDX_CBIndex(CDataExchange* dx, int id, int& index);
void DDX_CBString(CDataExchange* dx, int id, CString& value);
void DDX_LBIndex(CDataExchange* dx, int id, int& index);

void DDV_MinMaxInt(CDataExchange* dx, int value, int minValue, int maxValue);
void DDV_MinMaxUInt(CDataExchange* dx, UINT value, UINT minValue, UINT maxValue);
// Saving: at most maxChars bytes; loading: limits the last edit control to that many.
void DDV_MaxChars(CDataExchange* dx, const CString& value, int maxChars);
