#include "view/FindDialogBase.h"

#include "platform/afx/MessageSink.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/FrameworkIds.h"
#include "platform/ui/UserMessages.h"
#include "view/BaseView.h"
#include "view/FrameServices.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

IMPLEMENT_DYNAMIC(CFindDialogBase, CDialog)

CBaseView* GetActiveDrawingView()
{
    const FrameServices* frame = GetFrameServices();
    return frame ? frame->GetActiveBaseView() : nullptr;
}

CFindDialogBase::CFindDialogBase(UINT templateId, UINT closedMessage, CWnd* frame, Form form)
    : CDialog(templateId, frame), m_nClosedMessage(closedMessage), m_form(std::move(form))
{
}

const MessageMap* CFindDialogBase::GetMessageMap() const
{
    static const MessageMap map{CDialog::GetMessageMap(),
                                {
                                    MapCommand(IDC_FIND_NEXT, &CFindDialogBase::OnFindNext),
                                }};
    return &map;
}

void CFindDialogBase::BuildDialog()
{
    QWidget* dialog = GetSafeHwnd();
    dialog->setWindowTitle(ToQString(m_form.caption));
    auto* layout = new QGridLayout(dialog);
    int row = 0;
    for (const TextRow& text : m_form.texts) {
        auto* edit = AddControl(text.id, new QLineEdit);
        auto* label = new QLabel(ToQString(text.label));
        label->setBuddy(edit);
        layout->addWidget(label, row, 0);
        layout->addWidget(edit, row++, 1);
        if (!m_pFindEdit)
            m_pFindEdit = edit;
    }
    layout->addWidget(AddControl(IDC_MATCH_CASE, new QCheckBox(ToQString(u8"大文字と小文字を区別する(&C)"))), row, 0, 1,
                      2, Qt::AlignBottom);
    auto* buttons = new QVBoxLayout;
    for (const RequestButton& request : m_form.requests) {
        auto* button = AddControl(request.id, new QPushButton(ToQString(request.label)));
        button->setDefault(request.id == IDC_FIND_NEXT);
        buttons->addWidget(button);
    }
    buttons->addWidget(AddControl(IDCANCEL, new QPushButton(ToQString(u8"ｷｬﾝｾﾙ"))));
    buttons->addWidget(AddControl(ID_HELP, new QPushButton(ToQString(u8"ﾍﾙﾌﾟ"))));
    buttons->addStretch();
    layout->addLayout(buttons, 0, 2, row + 1, 1);
    QObject::connect(m_pFindEdit, &QLineEdit::textChanged, m_pFindEdit, [this] { UpdateButtons(); });
}

void CFindDialogBase::DoDataExchange(CDataExchange* dx)
{
    DDX_Text(dx, IDC_FIND_TEXT, m_strFindText);
    DDX_Check(dx, IDC_MATCH_CASE, m_bMatchCase);
}

BOOL CFindDialogBase::OnInitDialog()
{
    CDialog::OnInitDialog();
    CenterWindow();
    UpdateButtons();
    return TRUE;
}

void CFindDialogBase::UpdateButtons()
{
    if (!IsWindow())
        return;
    const BOOL hasText = !m_pFindEdit->text().isEmpty();
    const CBaseView* view = GetActiveDrawingView();
    const BOOL editing = view && view->IsLabelEditing();
    for (const RequestButton& request : m_form.requests)
        GetDlgItem(request.id)->EnableWindow(hasText && !(request.wholeDocument && editing));
}

void CFindDialogBase::ShowFindText(const CString& text, BOOL matchCase)
{
    m_strFindText = text;
    m_bMatchCase = matchCase;
    UpdateData(FALSE);
    if (!m_strFindText.IsEmpty())
        m_pFindEdit->selectAll();
    UpdateButtons();
}

void CFindDialogBase::SendRequest(UINT message)
{
    if (!UpdateData(TRUE) || m_strFindText.IsEmpty())
        return;
    CBaseView* view = GetActiveDrawingView();
    if (!view) {
        MessageBeep(UINT(-1));
        return;
    }
    view->SendMessage(message, m_nIDTemplate, 0);
}

void CFindDialogBase::OnFindNext()
{
    SendRequest(UM_FIND_NEXT);
}

void CFindDialogBase::OnCancel()
{
    if (m_pParentWnd)
        m_pParentWnd->PostMessage(m_nClosedMessage, 0, 0);
    DestroyWindow();
}

BOOL CFindDialogBase::FilterWidgetEvent(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        UpdateButtons();
    return CDialog::FilterWidgetEvent(event);
}
