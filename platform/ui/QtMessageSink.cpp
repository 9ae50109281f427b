#include "platform/ui/QtMessageSink.h"

#include "platform/afx/MessageSink.h"
#include "platform/ui/WinApp.h"
#include "platform/ui/Wnd.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include <algorithm>
#include <vector>

namespace QtMessageSinkImpl {

struct ButtonSpec
{
    int answer;
    const char* text;
    QMessageBox::ButtonRole role;
};

std::vector<ButtonSpec> ButtonsOf(UINT type)
{
    const ButtonSpec ok{IDOK, "OK", QMessageBox::AcceptRole};
    const ButtonSpec cancel{IDCANCEL, "キャンセル", QMessageBox::RejectRole};
    const ButtonSpec yes{IDYES, "はい(&Y)", QMessageBox::YesRole};
    const ButtonSpec no{IDNO, "いいえ(&N)", QMessageBox::NoRole};
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL: return {ok, cancel};
    case MB_ABORTRETRYIGNORE:
        return {{IDABORT, "中止(&A)", QMessageBox::RejectRole},
                {IDRETRY, "再試行(&R)", QMessageBox::AcceptRole},
                {IDIGNORE, "無視(&I)", QMessageBox::AcceptRole}};
    case MB_YESNOCANCEL: return {yes, no, cancel};
    case MB_YESNO: return {yes, no};
    case MB_RETRYCANCEL: return {{IDRETRY, "再試行(&R)", QMessageBox::AcceptRole}, cancel};
    default: return {ok};
    }
}

QMessageBox::Icon IconOf(UINT type)
{
    switch (type & MB_ICONMASK) {
    case MB_ICONHAND: return QMessageBox::Critical;
    case MB_ICONQUESTION: return QMessageBox::Question;
    case MB_ICONEXCLAMATION: return QMessageBox::Warning;
    case MB_ICONASTERISK: return QMessageBox::Information;
    default:
        // A box that names no icon shows none: a plain notice must not look like a warning.
        return QMessageBox::NoIcon;
    }
}

int Show(const CString& text, UINT type)
{
    if (IsUnattendedRun())
        return WriteMessageToStandardError(text, type);
    CWnd* main = AfxGetMainWnd();
    QMessageBox box(IconOf(type), ToQString(CString(AfxGetAppName())), ToQString(text), QMessageBox::NoButton,
                    main ? main->GetSafeHwnd() : nullptr);
    const std::vector<ButtonSpec> specs = ButtonsOf(type);
    std::vector<QPushButton*> buttons;
    for (const ButtonSpec& spec : specs)
        buttons.push_back(box.addButton(QString::fromUtf8(spec.text), spec.role));
    const std::size_t defaultIndex = std::min<std::size_t>((type & MB_DEFMASK) >> 8, buttons.size() - 1);
    box.setDefaultButton(buttons[defaultIndex]);
    // Escape gives Cancel where there is one, else the only button.
    for (std::size_t i = 0; i < specs.size(); ++i)
        if (specs[i].answer == IDCANCEL || specs.size() == 1)
            box.setEscapeButton(buttons[i]);
    box.exec();
    for (std::size_t i = 0; i < buttons.size(); ++i)
        if (box.clickedButton() == buttons[i])
            return specs[i].answer;
    return DefaultMessageAnswer(type);
}

} // namespace QtMessageSinkImpl

void InstallQtMessageSink()
{
    SetMessageSink([](const CString& text, UINT type, UINT) { return QtMessageSinkImpl::Show(text, type); });
    SetBeepSink([](UINT) { QApplication::beep(); });
}
