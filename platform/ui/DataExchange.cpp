#include "platform/ui/DataExchange.h"

#include "platform/afx/Exception.h"
#include "platform/afx/MessageSink.h"
#include "platform/afx/StringTable.h"
#include "platform/ui/Controls.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

#include <cerrno>
#include <cstdlib>

namespace DataExchangeImpl {

[[noreturn]] void FailWithMessage(CDataExchange* dx, UINT promptId, const char* arg1 = nullptr,
                                  const char* arg2 = nullptr)
{
    CString prompt;
    if (arg2)
        AfxFormatString2(prompt, promptId, arg1, arg2);
    else if (arg1)
        AfxFormatString1(prompt, promptId, arg1);
    else
        prompt = LoadStringResource(promptId);
    AfxMessageBox(prompt, MB_ICONEXCLAMATION, promptId);
    dx->Fail();
}

QWidget* Widget(CDataExchange* dx, int id, bool edit)
{
    CWnd* control = edit ? dx->PrepareEditCtrl(id) : dx->PrepareCtrl(id);
    return control ? control->GetSafeHwnd() : nullptr;
}

// A whole number of the text, the leading and trailing blanks ignored.
bool ParseLong(const CString& text, long long& value)
{
    CString trimmed = text;
    trimmed.Trim();
    if (trimmed.IsEmpty())
        return false;
    char* end = nullptr;
    errno = 0;
    value = std::strtoll(trimmed, &end, 10);
    return errno == 0 && end && *end == '\0';
}

} // namespace DataExchangeImpl

CWnd* CDataExchange::PrepareCtrl(int id)
{
    m_idLastControl = id;
    m_bEditLastControl = FALSE;
    return m_pDlgWnd->GetDlgItem(id);
}

CWnd* CDataExchange::PrepareEditCtrl(int id)
{
    CWnd* control = PrepareCtrl(id);
    m_bEditLastControl = TRUE;
    return control;
}

void CDataExchange::Fail()
{
    if (m_bSaveAndValidate && m_idLastControl != 0)
        if (CWnd* control = m_pDlgWnd->GetDlgItem(m_idLastControl)) {
            control->SetFocus();
            QLineEdit* edit = qobject_cast<QLineEdit*>(control->GetSafeHwnd());
            if (auto* combo = qobject_cast<QComboBox*>(control->GetSafeHwnd()))
                edit = combo->lineEdit();
            if (edit && m_bEditLastControl)
                edit->selectAll();
        }
    throw CUserException();
}

void DDX_Control(CDataExchange* dx, int id, CWnd& control)
{
    if (control.IsWindow())
        return;
    CWnd* item = dx->PrepareCtrl(id);
    if (item) {
        QWidget* widget = item->GetSafeHwnd();
        if (CWnd::FromHandlePermanent(widget) == item)
            item->Detach();
        control.Attach(widget);
    }
}

void DDX_Text(CDataExchange* dx, int id, CString& value)
{
    CWnd* control = dx->PrepareEditCtrl(id);
    if (!control)
        return;
    if (dx->m_bSaveAndValidate)
        control->GetWindowText(value);
    else
        control->SetWindowText(value);
}

void DDX_Text(CDataExchange* dx, int id, int& value)
{
    CWnd* control = dx->PrepareEditCtrl(id);
    if (!control)
        return;
    if (!dx->m_bSaveAndValidate) {
        CString text;
        text.Format("%d", value);
        control->SetWindowText(text);
        return;
    }
    CString text;
    control->GetWindowText(text);
    long long parsed = 0;
    if (!DataExchangeImpl::ParseLong(text, parsed) || parsed < INT32_MIN || parsed > INT32_MAX)
        DataExchangeImpl::FailWithMessage(dx, AFX_IDP_PARSE_INT);
    value = int(parsed);
}

void DDX_Text(CDataExchange* dx, int id, UINT& value)
{
    CWnd* control = dx->PrepareEditCtrl(id);
    if (!control)
        return;
    if (!dx->m_bSaveAndValidate) {
        CString text;
        text.Format("%u", value);
        control->SetWindowText(text);
        return;
    }
    CString text;
    control->GetWindowText(text);
    long long parsed = 0;
    if (!DataExchangeImpl::ParseLong(text, parsed) || parsed < 0 || parsed > UINT32_MAX)
        DataExchangeImpl::FailWithMessage(dx, AFX_IDP_PARSE_UINT);
    value = UINT(parsed);
}

void DDX_Text(CDataExchange* dx, int id, double& value)
{
    CWnd* control = dx->PrepareEditCtrl(id);
    if (!control)
        return;
    if (!dx->m_bSaveAndValidate) {
        CString text;
        text.Format("%.15g", value);
        control->SetWindowText(text);
        return;
    }
    CString text;
    control->GetWindowText(text);
    text.Trim();
    bool ok = false;
    const double parsed = ToQString(text).toDouble(&ok); // C locale
    if (!ok)
        DataExchangeImpl::FailWithMessage(dx, AFX_IDP_PARSE_REAL);
    value = parsed;
}

void DDX_Check(CDataExchange* dx, int id, int& value)
{
    auto* button = qobject_cast<QAbstractButton*>(DataExchangeImpl::Widget(dx, id, false));
    if (!button)
        return;
    CButton* control = static_cast<CButton*>(dx->m_pDlgWnd->GetDlgItem(id));
    if (dx->m_bSaveAndValidate)
        value = control->GetCheck();
    else
        control->SetCheck(value);
}

void DDX_Radio(CDataExchange* dx, int id, int& value)
{
    dx->PrepareCtrl(id);
    if (dx->m_bSaveAndValidate)
        value = -1;
    for (int i = 0;; ++i) {
        CWnd* item = dx->m_pDlgWnd->GetDlgItem(id + i);
        auto* radio = item ? qobject_cast<QRadioButton*>(item->GetSafeHwnd()) : nullptr;
        if (!radio)
            break;
        if (dx->m_bSaveAndValidate) {
            if (radio->isChecked())
                value = i;
        } else {
            radio->setAutoExclusive(false);
            radio->setChecked(i == value);
            radio->setAutoExclusive(true);
        }
    }
}

void DDX_CBIndex(CDataExchange* dx, int id, int& index)
{
    auto* combo = qobject_cast<QComboBox*>(DataExchangeImpl::Widget(dx, id, false));
    if (!combo)
        return;
    if (dx->m_bSaveAndValidate)
        index = combo->currentIndex();
    else
        combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
}

void DDX_CBString(CDataExchange* dx, int id, CString& value)
{
    auto* combo = qobject_cast<QComboBox*>(DataExchangeImpl::Widget(dx, id, true));
    if (!combo)
        return;
    if (dx->m_bSaveAndValidate) {
        value = FromQString(combo->currentText());
        return;
    }
    const int index = combo->findText(ToQString(value), Qt::MatchFixedString);
    if (index >= 0)
        combo->setCurrentIndex(index);
    else if (combo->isEditable())
        combo->setEditText(ToQString(value));
}

void DDX_LBIndex(CDataExchange* dx, int id, int& index)
{
    auto* list = qobject_cast<QListWidget*>(DataExchangeImpl::Widget(dx, id, false));
    if (!list)
        return;
    if (dx->m_bSaveAndValidate)
        index = list->currentRow();
    else
        list->setCurrentRow(index >= 0 && index < list->count() ? index : -1);
}

void DDV_MinMaxInt(CDataExchange* dx, int value, int minValue, int maxValue)
{
    if (!dx->m_bSaveAndValidate || (value >= minValue && value <= maxValue))
        return;
    CString low, high;
    low.Format("%d", minValue);
    high.Format("%d", maxValue);
    DataExchangeImpl::FailWithMessage(dx, AFX_IDP_PARSE_INT_RANGE, low, high);
}

void DDV_MinMaxUInt(CDataExchange* dx, UINT value, UINT minValue, UINT maxValue)
{
    if (!dx->m_bSaveAndValidate || (value >= minValue && value <= maxValue))
        return;
    CString low, high;
    low.Format("%u", minValue);
    high.Format("%u", maxValue);
    DataExchangeImpl::FailWithMessage(dx, AFX_IDP_PARSE_INT_RANGE, low, high);
}

void DDV_MaxChars(CDataExchange* dx, const CString& value, int maxChars)
{
    if (!dx->m_bSaveAndValidate) {
        CWnd* control = dx->m_pDlgWnd->GetDlgItem(dx->GetLastControlId());
        if (auto* edit = control ? qobject_cast<QLineEdit*>(control->GetSafeHwnd()) : nullptr)
            edit->setMaxLength(maxChars); // characters; the byte count is checked on saving
        return;
    }
    if (value.GetLength() <= maxChars)
        return;
    CString count;
    count.Format("%d", maxChars);
    DataExchangeImpl::FailWithMessage(dx, AFX_IDP_PARSE_STRING_SIZE, count);
}
