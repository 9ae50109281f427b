// The program's message boxes: the icon each box type asks for, and a run nobody watches, whose
// messages go to standard error without a box.
#include "platform/afx/MessageSink.h"
#include "platform/ui/QtMessageSink.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryFile>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <unistd.h>
#include <utility>

namespace {

// The program's sinks for the test's life; the test's own script comes back afterwards.
class ProgramSinks
{
public:
    ProgramSinks() : m_message(SetMessageSink({})), m_beep(SetBeepSink({})) { InstallQtMessageSink(); }
    ~ProgramSinks()
    {
        SetMessageSink(std::move(m_message));
        SetBeepSink(std::move(m_beep));
    }
    ProgramSinks(const ProgramSinks&) = delete;
    ProgramSinks& operator=(const ProgramSinks&) = delete;

private:
    MessageSink m_message;
    BeepSink m_beep;
};

struct ShownBox
{
    bool shown = false;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
};

// Shows a message through the program's sink and closes the box with its default button as soon
// as it is up; what the box looked like.
ShownBox ShowAndClose(UINT type)
{
    ShownBox seen;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        seen.shown = true;
        seen.icon = box->icon();
        seen.buttons = int(box->buttons().size());
        box->defaultButton()->click();
    });
    poll.start(5);
    AfxMessageBox(CString("text"), type);
    return seen;
}

// What a call writes to standard error.
template <typename Call>
std::string StandardErrorOf(Call call)
{
    QTemporaryFile capture;
    if (!capture.open())
        return "<no capture file>";
    std::fflush(stderr);
    const int saved = ::dup(STDERR_FILENO);
    ::dup2(capture.handle(), STDERR_FILENO);
    call();
    std::fflush(stderr);
    ::dup2(saved, STDERR_FILENO);
    ::close(saved);
    capture.seek(0);
    return capture.readAll().toStdString();
}

} // namespace

TEST(QtMessageSink, TheBoxShowsTheIconItWasAskedForAndNoneWhereNoneWasAsked)
{
    const ProgramSinks sinks;
    const struct
    {
        UINT type;
        QMessageBox::Icon icon;
        int buttons;
    } cases[] = {
        {MB_OK, QMessageBox::NoIcon, 1},
        {MB_OKCANCEL, QMessageBox::NoIcon, 2},
        {MB_YESNO, QMessageBox::NoIcon, 2},
        {MB_YESNOCANCEL, QMessageBox::NoIcon, 3},
        {MB_OK | MB_ICONHAND, QMessageBox::Critical, 1},
        {MB_YESNO | MB_ICONQUESTION, QMessageBox::Question, 2},
        {MB_OK | MB_ICONEXCLAMATION, QMessageBox::Warning, 1},
        {MB_OKCANCEL | MB_ICONASTERISK, QMessageBox::Information, 2},
    };
    for (const auto& c : cases) {
        const ShownBox box = ShowAndClose(c.type);
        ASSERT_TRUE(box.shown) << std::hex << c.type;
        EXPECT_EQ(box.icon, c.icon) << std::hex << c.type;
        EXPECT_EQ(box.buttons, c.buttons) << std::hex << c.type;
    }
}

TEST(QtMessageSink, ARunNobodyWatchesWritesTheTextToStandardErrorAndAnswersWithTheDefaultButton)
{
    const ProgramSinks sinks;
    int answer = 0;
    bool boxShown = false;
    QTimer poll; // a box would stay up: close it and fail
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            boxShown = true;
            box->defaultButton()->click();
        }
    });
    poll.start(5);
    const std::string written = StandardErrorOf([&] {
        const UnattendedRun run;
        {
            const UnattendedRun nested; // ending an inner run leaves the outer one
        }
        EXPECT_TRUE(IsUnattendedRun());
        answer =
            AfxMessageBox(CString(u8"印刷できるプリンタがありません。"), MB_YESNO | MB_DEFBUTTON2 | MB_ICONQUESTION);
    });
    EXPECT_FALSE(IsUnattendedRun());
    EXPECT_FALSE(boxShown);
    EXPECT_EQ(answer, IDNO);
    EXPECT_EQ(written, "印刷できるプリンタがありません。\n");
}
