// CFindDialogBase: what the modeless find and replace dialogs share: the find text with its
// match-case box, the request buttons, enabled while the find edit holds a character (the ones
// that act on the whole document only while no label is being edited), the requests sent to the
// active drawing view with the dialog's template id, and closing, which tells the main frame.
// The main frame owns the dialog object; closing destroys only the window.
#pragma once

#include "platform/afx/String.h"
#include "platform/ui/Dialog.h"

#include <vector>

class CBaseView;
class QLineEdit;

class CFindDialogBase : public CDialog
{
    DECLARE_DYNAMIC(CFindDialogBase)
public:
    static constexpr int IDC_FIND_TEXT = 1133;
    static constexpr int IDC_MATCH_CASE = 1135;
    static constexpr int IDC_FIND_NEXT = 1136;

    const CString& GetFindText() const { return m_strFindText; }
    BOOL GetMatchCase() const { return m_bMatchCase; }
    // Enables the request buttons for the find edit's text and the active view's label editor.
    void UpdateButtons();

protected:
    struct TextRow
    {
        int id;
        const char8_t* label;
    };
    struct RequestButton
    {
        int id;
        const char8_t* label;
        // Acts on every object, which an open label editor does not allow.
        BOOL wholeDocument;
    };
    struct Form
    {
        const char8_t* caption;
        std::vector<TextRow> texts; // the find text first
        std::vector<RequestButton> requests;
    };

    // Derived classes create the window (Create) once they are constructed.
    CFindDialogBase(UINT templateId, UINT closedMessage, CWnd* frame, Form form);

    // Stores the find text and the flag and shows them, the text selected.
    void ShowFindText(const CString& text, BOOL matchCase);
    // Takes the controls' values; sends the request to the active drawing view, or beeps
    // without one. Nothing is sent for an empty find text or a failed transfer.
    void SendRequest(UINT message);
    void OnFindNext();

    void BuildDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    // Tells the frame (posted) and destroys the window.
    void OnCancel() override;
    BOOL FilterWidgetEvent(QEvent* event) override;
    const MessageMap* GetMessageMap() const override;

    CString m_strFindText;
    BOOL m_bMatchCase = FALSE;

private:
    UINT m_nClosedMessage;
    Form m_form;
    QLineEdit* m_pFindEdit = nullptr;
};

// The active child's drawing view, or null.
CBaseView* GetActiveDrawingView();
