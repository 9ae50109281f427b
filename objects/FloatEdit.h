// CFloatEdit: the editor that floats over an object while its text is edited in place, a child
// edit control of the drawing view on the object's device rectangle, drawn with the object's font
// at the zoom and with the input method enabled. The view keeps the one open editor.
//
// The objects keep their texts as code page 932 bytes with CR LF line breaks, and the search
// works on those bytes; the widget holds characters. Positions therefore cross over here: a byte
// offset inside a character stands for the next character's position, and a match is only found
// where a character starts.
#pragma once

#include "foundation/ServiceSlot.h"
#include "platform/afx/Rect.h"
#include "platform/afx/String.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/ui/Controls.h"

class QPlainTextEdit;

// Where the editor takes the texts of the last find or replace request from (the main frame,
// which keeps them for its find and replace dialogs).
class FindTextServices
{
public:
    virtual ~FindTextServices() = default;
    virtual CString GetFindText() const = 0;
    virtual CString GetReplaceText() const = 0;
    virtual BOOL GetMatchCase() const = 0;
};

constexpr auto GetFindTextServices = &ServiceSlot<FindTextServices>::Get;
constexpr auto SetFindTextServices = &ServiceSlot<FindTextServices>::Set;

// Sends the request (UM_FIND_NEXT or UM_REPLACE with the asking dialog's id) to the main window,
// which takes over the texts of that dialog, then reads the kept texts; FALSE without a find text.
BOOL TakeFindTexts(UINT message, WPARAM wParam, LPARAM lParam, CString& find, CString& replacement, BOOL& matchCase);

class CFloatEdit : public CEdit
{
    DECLARE_DYNAMIC(CFloatEdit)
public:
    enum Alignment { ALIGN_LEFT = 0, ALIGN_CENTER = 1, ALIGN_RIGHT = 2 };

    // Creates the window at once over the device rectangle of the parent's client area. Without
    // the multi-line flag the text stays on one line.
    CFloatEdit(int alignment, const CRect& deviceRect, CWnd* parent, UINT controlId, BOOL multiLine, BOOL border);
    ~CFloatEdit() override;
    CFloatEdit(const CFloatEdit&) = delete;
    CFloatEdit& operator=(const CFloatEdit&) = delete;

    // The font with its height in device pixels (negative: the character height); FALSE when no
    // font can be made of it.
    BOOL SetEditFont(const LOGFONT& font);

    // The text as the objects keep it.
    CString GetText() const;
    // Puts the text in, caret at the end; the modify flag is clear afterwards.
    void SetText(const CString& text);
    // TRUE once the user (or a replacement) changed the text.
    BOOL GetModify() const;
    BOOL CanUndo() const;
    // The selection as byte offsets into GetText().
    void GetSelBytes(int& start, int& end) const;
    void SetSelBytes(int start, int end);

protected:
    const MessageMap* GetMessageMap() const override;

private:
    // UM_FIND_NEXT: selects the next occurrence after the selection, or beeps (0).
    LRESULT OnFindNext(WPARAM wParam, LPARAM lParam);
    // UM_REPLACE: replaces the selection when it is an occurrence, then selects the next one.
    LRESULT OnReplace(WPARAM wParam, LPARAM lParam);
    // Selects the first occurrence at or after the byte offset; beeps and returns 0 without one.
    LRESULT SelectNext(const CString& text, const CString& find, int from);
    QPlainTextEdit* Editor() const;
};
