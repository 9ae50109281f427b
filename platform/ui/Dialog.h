// CDialog: a modal or modeless dialog over QDialog whose controls the subclass builds in code
// (BuildDialog) with their control ids. Buttons send their ids as commands (IDOK -> OnOK,
// IDCANCEL -> OnCancel); data moves between members and controls by DoDataExchange.
//
// Tests drive modal dialogs with a hook that runs once the dialog is initialised, in place of the
// event loop: it may read and set controls, then end the dialog (EndDialog, or a command such as
// SendMessage(WM_COMMAND, IDOK)). A dialog the hook leaves open ends with IDCANCEL.
#pragma once

#include "platform/ui/Wnd.h"

#include <functional>
#include <initializer_list>

class CDataExchange;
class QDialog;
class QAbstractButton;
class QHBoxLayout;

// A push button of a dialog's button row: its control id and label.
struct DialogButton
{
    int id;
    const char8_t* label;
};

class CDialog : public CWnd
{
    DECLARE_DYNAMIC(CDialog)
public:
    explicit CDialog(UINT templateId = 0, CWnd* parent = nullptr);
    ~CDialog() override;

    // Runs the dialog; the id it ended with (IDOK, IDCANCEL, ...), -1 when it could not be made.
    virtual INT_PTR DoModal();
    // The modeless dialog, shown; destroy it with DestroyWindow or by deleting the object.
    BOOL Create(UINT templateId = 0, CWnd* parent = nullptr);
    void EndDialog(int result);
    UINT GetTemplateId() const { return m_nIDTemplate; }
    QDialog* GetDialogWidget() const;

    // Moves data: TRUE reads and validates the controls into the members (FALSE on a failed
    // validation, after its message), FALSE fills the controls from the members.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

    using ModalHook = std::function<void(CDialog& dialog)>;
    static ModalHook SetModalHook(ModalHook hook);

protected:
    // Creates the controls in the dialog widget (AddControl) and sets the caption.
    virtual void BuildDialog();
    virtual void DoDataExchange(CDataExchange* dx);
    // Gives the widget its control id; buttons send it as a command when clicked.
    template <class W>
    W* AddControl(int id, W* widget)
    {
        RegisterControl(id, widget);
        return widget;
    }
    // The push buttons in a row to the right, each with its control id; OK is the default button.
    QHBoxLayout* MakeButtonRow(std::initializer_list<DialogButton> buttons);
    const MessageMap* GetMessageMap() const override;

    CWnd* m_pParentWnd;
    UINT m_nIDTemplate;

private:
    void RegisterControl(int id, QWidget* widget);
    BOOL MakeDialog(CWnd* parent);

    int m_nModalResult = -1;
    BOOL m_bModal = FALSE;
};
