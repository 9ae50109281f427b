#include "objects/FloatEdit.h"

#include "foundation/TextFunctions.h"
#include "platform/afx/Cp932.h"
#include "platform/afx/MessageSink.h"
#include "platform/gdi/FontMapper.h"
#include "platform/ui/Ime.h"
#include "platform/ui/UserMessages.h"
#include "platform/ui/WinApp.h"

#include <QFontInfo>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

IMPLEMENT_DYNAMIC(CFloatEdit, CEdit)

namespace floatedit {

// The byte offset in the kept text of every character position of the widget's text (one entry
// more than characters). The widget's line feed is a CR LF pair there.
std::vector<int> ByteOffsets(const QString& text)
{
    const std::u16string_view units(reinterpret_cast<const char16_t*>(text.utf16()), std::size_t(text.size()));
    // Each UTF-16 unit becomes one character of the code page, an unmappable one '?'.
    const std::string bytes = Utf16ToCp932(units);
    std::vector<int> offsets(std::size_t(text.size()) + 1);
    std::size_t at = 0;
    int offset = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        offsets[std::size_t(i)] = offset;
        const std::size_t length = at < bytes.size() ? Cp932CharLength(bytes, at) : 1;
        at += length;
        offset += text[i] == QLatin1Char('\n') ? 2 : int(length);
    }
    offsets.back() = offset;
    return offsets;
}

// The character position of a byte offset; inside a character, the next one.
int CharPosition(const std::vector<int>& offsets, int byte)
{
    const auto it = std::lower_bound(offsets.begin(), offsets.end(), byte);
    return int(std::min(it - offsets.begin(), std::ptrdiff_t(offsets.size() - 1)));
}

CString WithCrLf(const CString& text)
{
    std::string out;
    out.reserve(std::size_t(text.GetLength()));
    for (char c : std::string_view(text.GetString(), std::size_t(text.GetLength()))) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return CString(std::move(out));
}

Qt::Alignment ToQtAlignment(int alignment)
{
    switch (alignment) {
    case CFloatEdit::ALIGN_CENTER: return Qt::AlignHCenter;
    case CFloatEdit::ALIGN_RIGHT: return Qt::AlignRight;
    default: return Qt::AlignLeft;
    }
}

LRESULT Beep()
{
    MessageBeep(UINT(-1));
    return 0;
}

} // namespace floatedit

CFloatEdit::CFloatEdit(int alignment, const CRect& deviceRect, CWnd* parent, UINT controlId, BOOL multiLine,
                       BOOL border)
{
    auto* editor = new QPlainTextEdit(parent ? parent->GetSafeHwnd() : nullptr);
    const CRect rect(std::min(deviceRect.left, deviceRect.right), std::min(deviceRect.top, deviceRect.bottom),
                     std::max(deviceRect.left, deviceRect.right), std::max(deviceRect.top, deviceRect.bottom));
    editor->setGeometry(rect.left, rect.top, rect.Width(), rect.Height());
    if (!border)
        editor->setFrameShape(QFrame::NoFrame);
    // An edit control scrolls its text without scroll bars and keeps only a thin margin: over a
    // small cell (a file's number at 100 %) bars or a wide margin would leave no room for the text.
    editor->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    editor->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    editor->document()->setDocumentMargin(1);
    QTextOption option = editor->document()->defaultTextOption();
    option.setAlignment(floatedit::ToQtAlignment(alignment));
    editor->document()->setDefaultTextOption(option);
    if (!multiLine) {
        editor->setLineWrapMode(QPlainTextEdit::NoWrap);
        editor->setTabChangesFocus(true);
    }
    // Japanese text is typed through the input method.
    SetWidgetInputMethodOpen(editor, true);
    Attach(editor, TRUE);
    SetDlgCtrlID(int(controlId));
    editor->show();
}

CFloatEdit::~CFloatEdit()
{
    // The edit usually ends inside a mouse or key event that Qt is still delivering, to the widget
    // or beside it: the widget goes once that event is done.
    if (QWidget* widget = Detach()) {
        widget->hide();
        widget->deleteLater();
    }
}

QPlainTextEdit* CFloatEdit::Editor() const
{
    return qobject_cast<QPlainTextEdit*>(GetSafeHwnd());
}

BOOL CFloatEdit::SetEditFont(const LOGFONT& font)
{
    QPlainTextEdit* editor = Editor();
    if (!editor || font.lfHeight == 0)
        return FALSE;
    editor->setFont(FontMapper::ToQFont(font, std::abs(font.lfHeight)));
    return TRUE;
}

CString CFloatEdit::GetText() const
{
    const QPlainTextEdit* editor = Editor();
    return editor ? floatedit::WithCrLf(FromQString(editor->toPlainText())) : CString();
}

void CFloatEdit::SetText(const CString& text)
{
    QPlainTextEdit* editor = Editor();
    if (!editor)
        return;
    editor->setPlainText(ToQString(ConvertCrLfToLf(text)));
    editor->moveCursor(QTextCursor::End);
    editor->document()->setModified(false);
}

BOOL CFloatEdit::GetModify() const
{
    const QPlainTextEdit* editor = Editor();
    return editor && editor->document()->isModified();
}

BOOL CFloatEdit::CanUndo() const
{
    const QPlainTextEdit* editor = Editor();
    return editor && editor->document()->isUndoAvailable();
}

void CFloatEdit::GetSelBytes(int& start, int& end) const
{
    start = end = 0;
    const QPlainTextEdit* editor = Editor();
    if (!editor)
        return;
    const std::vector<int> offsets = floatedit::ByteOffsets(editor->toPlainText());
    const QTextCursor cursor = editor->textCursor();
    start = offsets[std::size_t(cursor.selectionStart())];
    end = offsets[std::size_t(cursor.selectionEnd())];
}

void CFloatEdit::SetSelBytes(int start, int end)
{
    QPlainTextEdit* editor = Editor();
    if (!editor)
        return;
    const std::vector<int> offsets = floatedit::ByteOffsets(editor->toPlainText());
    QTextCursor cursor = editor->textCursor();
    cursor.setPosition(floatedit::CharPosition(offsets, start));
    cursor.setPosition(floatedit::CharPosition(offsets, end), QTextCursor::KeepAnchor);
    editor->setTextCursor(cursor);
    editor->ensureCursorVisible();
}

// --- Find and replace inside the text ------------------------------------------------------------

BOOL TakeFindTexts(UINT message, WPARAM wParam, LPARAM lParam, CString& find, CString& replacement, BOOL& matchCase)
{
    if (CWnd* frame = AfxGetMainWnd())
        frame->SendMessage(message, wParam, lParam);
    const FindTextServices* texts = GetFindTextServices();
    if (!texts)
        return FALSE;
    find = texts->GetFindText();
    replacement = texts->GetReplaceText();
    matchCase = texts->GetMatchCase();
    return !find.IsEmpty();
}

LRESULT CFloatEdit::SelectNext(const CString& text, const CString& find, int from)
{
    const int at = text.Find(find, from);
    if (at < 0)
        return floatedit::Beep();
    SetSelBytes(at, at + find.GetLength());
    return 1;
}

LRESULT CFloatEdit::OnFindNext(WPARAM wParam, LPARAM lParam)
{
    CString text = GetText();
    CString find, replacement;
    BOOL matchCase = FALSE;
    if (text.IsEmpty() || !TakeFindTexts(UM_FIND_NEXT, wParam, lParam, find, replacement, matchCase))
        return floatedit::Beep();
    if (!matchCase) {
        find.MakeUpper();
        text.MakeUpper();
    }
    int start, end;
    GetSelBytes(start, end);
    return SelectNext(text, find, end);
}

LRESULT CFloatEdit::OnReplace(WPARAM wParam, LPARAM lParam)
{
    CString text = GetText();
    CString find, replacement;
    BOOL matchCase = FALSE;
    if (text.IsEmpty() || !TakeFindTexts(UM_REPLACE, wParam, lParam, find, replacement, matchCase))
        return floatedit::Beep();
    const int growth = replacement.GetLength() - find.GetLength();
    if (!matchCase) {
        find.MakeUpper();
        text.MakeUpper();
    }
    int start, end;
    GetSelBytes(start, end);
    int from = end;
    if (start < end && text.Mid(start, end - start) == find) {
        ReplaceSel(replacement, TRUE);
        text = GetText();
        if (!matchCase)
            text.MakeUpper();
        // Continue after the inserted text, not inside it.
        from += growth;
    }
    return SelectNext(text, find, from);
}

const MessageMap* CFloatEdit::GetMessageMap() const
{
    static const MessageMap map{CEdit::GetMessageMap(),
                                {
                                    MapMessage(UM_FIND_NEXT, &CFloatEdit::OnFindNext),
                                    MapMessage(UM_REPLACE, &CFloatEdit::OnReplace),
                                }};
    return &map;
}
