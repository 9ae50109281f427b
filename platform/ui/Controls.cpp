#include "platform/ui/Controls.h"

#include "platform/afx/Cp932.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QSpinBox>
#include <QTextCursor>
#include <QValidator>

IMPLEMENT_DYNAMIC(CEdit, CWnd)
IMPLEMENT_DYNAMIC(CButton, CWnd)
IMPLEMENT_DYNAMIC(CComboBox, CWnd)
IMPLEMENT_DYNAMIC(CListBox, CWnd)
IMPLEMENT_DYNAMIC(CStatic, CWnd)
IMPLEMENT_DYNAMIC(CProgressCtrl, CWnd)
IMPLEMENT_DYNAMIC(CSpinButtonCtrl, CWnd)

namespace ControlsImpl {

// Keeps an edit's text within a number of code page 932 bytes, cutting only between characters, so
// that typed or pasted text beyond the limit is dropped rather than split.
class Cp932ByteLimit : public QValidator
{
public:
    Cp932ByteLimit(int maxBytes, QObject* parent) : QValidator(parent), m_maxBytes(std::size_t(maxBytes)) {}

    State validate(QString& input, int& pos) const override
    {
        std::size_t bytes = 0;
        qsizetype end = 0;
        while (end < input.size()) {
            const qsizetype next = end + (input[end].isHighSurrogate() && end + 1 < input.size() ? 2 : 1);
            const std::u16string_view character(reinterpret_cast<const char16_t*>(input.constData()) + end,
                                                std::size_t(next - end));
            bytes += Utf16ToCp932(character).size();
            if (bytes > m_maxBytes)
                break;
            end = next;
        }
        if (end < input.size()) {
            input.truncate(end);
            pos = std::min(pos, int(end));
        }
        return Acceptable;
    }

private:
    std::size_t m_maxBytes;
};

} // namespace ControlsImpl

// Edit positions are character positions of the widget's text.

void CEdit::SetSel(int start, int end, BOOL)
{
    if (auto* line = qobject_cast<QLineEdit*>(GetSafeHwnd())) {
        if (end < 0)
            end = int(line->text().size());
        if (start < 0)
            line->deselect();
        else
            line->setSelection(start, end - start);
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(GetSafeHwnd())) {
        QTextCursor cursor = plain->textCursor();
        const int length = int(plain->toPlainText().size());
        cursor.setPosition(std::clamp(start < 0 ? length : start, 0, length));
        cursor.setPosition(std::clamp(end < 0 ? length : end, 0, length), QTextCursor::KeepAnchor);
        plain->setTextCursor(cursor);
    }
}

void CEdit::GetSel(int& start, int& end) const
{
    start = end = 0;
    if (auto* line = qobject_cast<QLineEdit*>(GetSafeHwnd())) {
        start = line->hasSelectedText() ? line->selectionStart() : line->cursorPosition();
        end = line->hasSelectedText() ? line->selectionEnd() : start;
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(GetSafeHwnd())) {
        start = plain->textCursor().selectionStart();
        end = plain->textCursor().selectionEnd();
    }
}

void CEdit::ReplaceSel(LPCTSTR text, BOOL)
{
    const QString q = ToQString(CString(text));
    if (auto* line = qobject_cast<QLineEdit*>(GetSafeHwnd()))
        line->insert(q);
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(GetSafeHwnd()))
        plain->insertPlainText(q);
}

void CEdit::LimitText(int maxChars)
{
    auto* line = qobject_cast<QLineEdit*>(GetSafeHwnd());
    if (!line)
        return;
    line->setMaxLength(32767);
    const QValidator* old = line->validator();
    line->setValidator(maxChars > 0 ? new ControlsImpl::Cp932ByteLimit(maxChars, line) : nullptr);
    if (old && old->parent() == line)
        delete old;
}

BOOL CEdit::SetReadOnly(BOOL readOnly)
{
    if (auto* line = qobject_cast<QLineEdit*>(GetSafeHwnd()))
        line->setReadOnly(readOnly);
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(GetSafeHwnd()))
        plain->setReadOnly(readOnly);
    else
        return FALSE;
    return TRUE;
}

void CEdit::Copy()
{
    if (auto* line = qobject_cast<QLineEdit*>(GetSafeHwnd()))
        line->copy();
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(GetSafeHwnd()))
        plain->copy();
}

void CEdit::Cut()
{
    if (auto* line = qobject_cast<QLineEdit*>(GetSafeHwnd()))
        line->cut();
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(GetSafeHwnd()))
        plain->cut();
}

void CEdit::Paste()
{
    if (auto* line = qobject_cast<QLineEdit*>(GetSafeHwnd()))
        line->paste();
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(GetSafeHwnd()))
        plain->paste();
}

void CEdit::Undo()
{
    if (auto* line = qobject_cast<QLineEdit*>(GetSafeHwnd()))
        line->undo();
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(GetSafeHwnd()))
        plain->undo();
}

void CEdit::Clear()
{
    ReplaceSel("");
}

int CButton::GetCheck() const
{
    auto* button = qobject_cast<QAbstractButton*>(GetSafeHwnd());
    if (auto* box = qobject_cast<QCheckBox*>(button); box && box->checkState() == Qt::PartiallyChecked)
        return BST_INDETERMINATE;
    return button && button->isChecked() ? BST_CHECKED : BST_UNCHECKED;
}

void CButton::SetCheck(int check)
{
    if (auto* box = qobject_cast<QCheckBox*>(GetSafeHwnd())) {
        box->setCheckState(check == BST_INDETERMINATE ? Qt::PartiallyChecked : check ? Qt::Checked : Qt::Unchecked);
    } else if (auto* button = qobject_cast<QAbstractButton*>(GetSafeHwnd())) {
        button->setCheckable(true);
        button->setChecked(check != 0);
    }
}

QComboBox* CComboBox::Combo() const
{
    return qobject_cast<QComboBox*>(GetSafeHwnd());
}

void CComboBox::SetSortStyle(QComboBox* widget, bool sorted)
{
    widget->setProperty("zivraSortStyle", sorted);
}

int CComboBox::AddString(LPCTSTR text)
{
    QComboBox* combo = Combo();
    if (!combo || !combo->property("zivraSortStyle").toBool())
        return InsertString(-1, text);
    // After every row whose text does not come later, ignoring case.
    const QString added = ToQString(CString(text));
    int at = combo->count();
    while (at > 0 && QString::compare(combo->itemText(at - 1), added, Qt::CaseInsensitive) > 0)
        --at;
    return InsertString(at, text);
}

int CComboBox::InsertString(int index, LPCTSTR text)
{
    QComboBox* combo = Combo();
    if (!combo)
        return CB_ERR;
    const int at = index < 0 || index > combo->count() ? combo->count() : index;
    combo->insertItem(at, ToQString(CString(text)));
    return at;
}

int CComboBox::DeleteString(UINT index)
{
    QComboBox* combo = Combo();
    if (!combo || int(index) >= combo->count())
        return CB_ERR;
    combo->removeItem(int(index));
    return combo->count();
}

void CComboBox::ResetContent()
{
    if (QComboBox* combo = Combo())
        combo->clear();
}

int CComboBox::GetCount() const
{
    return Combo() ? Combo()->count() : CB_ERR;
}

int CComboBox::GetCurSel() const
{
    return Combo() ? Combo()->currentIndex() : CB_ERR;
}

int CComboBox::SetCurSel(int index)
{
    QComboBox* combo = Combo();
    if (!combo)
        return CB_ERR;
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
    return combo->currentIndex() == index ? index : CB_ERR;
}

void CComboBox::GetLBText(int index, CString& text) const
{
    text = Combo() ? FromQString(Combo()->itemText(index)) : CString();
}

int CComboBox::FindStringExact(int startAfter, LPCTSTR text) const
{
    const int count = GetCount();
    const QString q = ToQString(CString(text));
    for (int i = 0; i < count; ++i) {
        const int index = (startAfter + 1 + i) % count;
        if (Combo()->itemText(index).compare(q, Qt::CaseInsensitive) == 0)
            return index;
    }
    return CB_ERR;
}

int CComboBox::SetItemData(int index, DWORD_PTR data)
{
    if (!Combo() || index < 0 || index >= GetCount())
        return CB_ERR;
    Combo()->setItemData(index, QVariant::fromValue(quint64(data)));
    return 0;
}

DWORD_PTR CComboBox::GetItemData(int index) const
{
    return Combo() ? DWORD_PTR(Combo()->itemData(index).toULongLong()) : 0;
}

DWORD_PTR CComboBox::GetCurSelData() const
{
    const int row = GetCurSel();
    return row < 0 ? 0 : GetItemData(row);
}

void CComboBox::SelectItemData(DWORD_PTR data)
{
    for (int row = 0; row < GetCount(); ++row)
        if (GetItemData(row) == data) {
            SetCurSel(row);
            return;
        }
    SetCurSel(-1);
}

void CComboBox::LimitText(int maxChars)
{
    if (Combo() && Combo()->lineEdit())
        Combo()->lineEdit()->setMaxLength(maxChars > 0 ? maxChars : 32767);
}

QListWidget* CListBox::List() const
{
    return qobject_cast<QListWidget*>(GetSafeHwnd());
}

int CListBox::AddString(LPCTSTR text)
{
    return InsertString(-1, text);
}

int CListBox::InsertString(int index, LPCTSTR text)
{
    QListWidget* list = List();
    if (!list)
        return LB_ERR;
    const int at = index < 0 || index > list->count() ? list->count() : index;
    list->insertItem(at, ToQString(CString(text)));
    return at;
}

int CListBox::DeleteString(UINT index)
{
    QListWidget* list = List();
    if (!list || int(index) >= list->count())
        return LB_ERR;
    delete list->takeItem(int(index));
    return list->count();
}

void CListBox::ResetContent()
{
    if (QListWidget* list = List())
        list->clear();
}

int CListBox::GetCount() const
{
    return List() ? List()->count() : LB_ERR;
}

int CListBox::GetCurSel() const
{
    return List() ? List()->currentRow() : LB_ERR;
}

int CListBox::SetCurSel(int index)
{
    if (!List())
        return LB_ERR;
    List()->setCurrentRow(index >= 0 && index < GetCount() ? index : -1);
    return index >= 0 && index < GetCount() ? index : LB_ERR;
}

void CListBox::GetText(int index, CString& text) const
{
    const QListWidgetItem* item = List() ? List()->item(index) : nullptr;
    text = item ? FromQString(item->text()) : CString();
}

int CListBox::SetItemData(int index, DWORD_PTR data)
{
    QListWidgetItem* item = List() ? List()->item(index) : nullptr;
    if (!item)
        return LB_ERR;
    item->setData(Qt::UserRole, QVariant::fromValue(quint64(data)));
    return 0;
}

DWORD_PTR CListBox::GetItemData(int index) const
{
    const QListWidgetItem* item = List() ? List()->item(index) : nullptr;
    return item ? DWORD_PTR(item->data(Qt::UserRole).toULongLong()) : 0;
}

QProgressBar* CProgressCtrl::Bar() const
{
    return qobject_cast<QProgressBar*>(GetSafeHwnd());
}

void CProgressCtrl::SetRange(short lower, short upper)
{
    SetRange32(lower, upper);
}

void CProgressCtrl::SetRange32(int lower, int upper)
{
    if (Bar())
        Bar()->setRange(lower, upper);
}

int CProgressCtrl::SetPos(int pos)
{
    const int old = GetPos();
    if (Bar())
        Bar()->setValue(std::clamp(pos, Bar()->minimum(), Bar()->maximum()));
    return old;
}

int CProgressCtrl::GetPos() const
{
    return Bar() ? Bar()->value() : 0;
}

int CProgressCtrl::SetStep(int step)
{
    return std::exchange(m_nStep, step);
}

int CProgressCtrl::StepIt()
{
    const int old = GetPos();
    if (QProgressBar* bar = Bar()) {
        // Stepping past the end wraps to the start, as the common control does.
        const int next = old + m_nStep;
        bar->setValue(next > bar->maximum() ? bar->minimum() + (next - bar->maximum()) : next);
    }
    return old;
}

QSpinBox* CSpinButtonCtrl::Spin() const
{
    return qobject_cast<QSpinBox*>(GetSafeHwnd());
}

void CSpinButtonCtrl::SetRange(short lower, short upper)
{
    SetRange32(lower, upper);
}

void CSpinButtonCtrl::SetRange32(int lower, int upper)
{
    if (Spin())
        Spin()->setRange(std::min(lower, upper), std::max(lower, upper));
}

int CSpinButtonCtrl::SetPos(int pos)
{
    const int old = GetPos();
    if (Spin())
        Spin()->setValue(pos);
    return old;
}

int CSpinButtonCtrl::GetPos() const
{
    return Spin() ? Spin()->value() : 0;
}

std::unique_ptr<CWnd> MakeControlWindow(QWidget* widget)
{
    if (qobject_cast<QLineEdit*>(widget) || qobject_cast<QPlainTextEdit*>(widget))
        return std::make_unique<CEdit>();
    if (qobject_cast<QAbstractButton*>(widget))
        return std::make_unique<CButton>();
    if (qobject_cast<QComboBox*>(widget))
        return std::make_unique<CComboBox>();
    if (qobject_cast<QListWidget*>(widget))
        return std::make_unique<CListBox>();
    if (qobject_cast<QLabel*>(widget))
        return std::make_unique<CStatic>();
    if (qobject_cast<QProgressBar*>(widget))
        return std::make_unique<CProgressCtrl>();
    if (qobject_cast<QSpinBox*>(widget))
        return std::make_unique<CSpinButtonCtrl>();
    return std::make_unique<CWnd>();
}
