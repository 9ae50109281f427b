#include "platform/ui/Dialog.h"

#include "platform/afx/Exception.h"
#include "platform/afx/String.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/WinApp.h"

#include <QAbstractButton>
#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

IMPLEMENT_DYNAMIC(CDialog, CWnd)

namespace DialogImpl {

CDialog::ModalHook& Hook()
{
    static CDialog::ModalHook hook;
    return hook;
}

// The dialog window: Escape and the close button cancel through the dialog's OnCancel.
class DialogWidget : public QDialog
{
public:
    DialogWidget(CDialog* owner, QWidget* parent) : QDialog(parent), m_owner(owner) {}
    void reject() override { m_owner->SendMessage(WM_COMMAND, IDCANCEL, 0); }
    void EndWith(int result) { QDialog::done(result); }

private:
    CDialog* m_owner;
};

} // namespace DialogImpl

CDialog::CDialog(UINT templateId, CWnd* parent) : m_pParentWnd(parent), m_nIDTemplate(templateId) {}

CDialog::~CDialog()
{
    DestroyWindow();
}

const MessageMap* CDialog::GetMessageMap() const
{
    static const MessageMap map{CWnd::GetMessageMap(),
                                {
                                    MapCommand(IDOK, &CDialog::OnOK),
                                    MapCommand(IDCANCEL, &CDialog::OnCancel),
                                }};
    return &map;
}

CDialog::ModalHook CDialog::SetModalHook(ModalHook hook)
{
    return std::exchange(DialogImpl::Hook(), std::move(hook));
}

QDialog* CDialog::GetDialogWidget() const
{
    return qobject_cast<QDialog*>(GetSafeHwnd());
}

void CDialog::BuildDialog() {}

void CDialog::DoDataExchange(CDataExchange*) {}

void CDialog::RegisterControl(int id, QWidget* widget)
{
    widget->setProperty("zivraCtrlId", id);
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        QObject::connect(button, &QAbstractButton::clicked, button,
                         [this, id] { SendMessage(WM_COMMAND, WPARAM(id), 0); });
        if (auto* push = qobject_cast<QPushButton*>(button); push && id == IDOK)
            push->setDefault(true);
    }
}

QHBoxLayout* CDialog::MakeButtonRow(std::initializer_list<DialogButton> buttons)
{
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (const DialogButton& button : buttons)
        row->addWidget(AddControl(button.id, new QPushButton(ToQString(button.label))));
    return row;
}

BOOL CDialog::MakeDialog(CWnd* parent)
{
    if (IsWindow())
        return FALSE;
    CWnd* owner = parent ? parent : AfxGetMainWnd();
    auto* widget = new DialogImpl::DialogWidget(this, owner ? owner->GetSafeHwnd() : nullptr);
    widget->setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    Attach(widget, TRUE);
    BuildDialog();
    return TRUE;
}

INT_PTR CDialog::DoModal()
{
    if (!MakeDialog(m_pParentWnd))
        return -1;
    m_bModal = TRUE;
    m_nModalResult = -1;
    OnInitDialog(); // its answer only says where the focus goes
    if (const ModalHook& hook = DialogImpl::Hook()) {
        hook(*this);
        if (m_nModalResult == -1)
            EndDialog(IDCANCEL);
    } else if (m_nModalResult == -1) {
        GetDialogWidget()->exec();
    }
    m_bModal = FALSE;
    DestroyWindow();
    return m_nModalResult == -1 ? IDCANCEL : m_nModalResult;
}

BOOL CDialog::Create(UINT templateId, CWnd* parent)
{
    if (templateId)
        m_nIDTemplate = templateId;
    if (!MakeDialog(parent ? parent : m_pParentWnd))
        return FALSE;
    OnInitDialog();
    GetDialogWidget()->show();
    return TRUE;
}

void CDialog::EndDialog(int result)
{
    m_nModalResult = result;
    auto* widget = static_cast<DialogImpl::DialogWidget*>(GetDialogWidget());
    if (!widget)
        return;
    if (m_bModal && widget->isVisible())
        widget->EndWith(result);
    else if (!m_bModal)
        widget->hide();
}

BOOL CDialog::UpdateData(BOOL saveAndValidate)
{
    CDataExchange dx(this, saveAndValidate);
    try {
        DoDataExchange(&dx);
    } catch (const CUserException&) {
        return FALSE;
    }
    return TRUE;
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}
