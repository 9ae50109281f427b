// Every message box and beep of the system goes through one sink: in the program a dialog, in tests
// a script that records the text and answers.
#pragma once

#include "platform/afx/String.h"

#include <functional>

using MessageSink = std::function<int(const CString& text, UINT type, UINT helpId)>;
using BeepSink = std::function<void(UINT type)>;

// Installs a sink and returns the one it replaces.
MessageSink SetMessageSink(MessageSink sink);
BeepSink SetBeepSink(BeepSink sink);

int AfxMessageBox(const CString& text, UINT type = MB_OK, UINT helpId = 0);
int AfxMessageBox(UINT stringId, UINT type = MB_OK, UINT helpId = UINT(-1));
BOOL MessageBeep(UINT type);

// The answer a message box gives when nobody can be asked: its default button.
int DefaultMessageAnswer(UINT type);

// Where a message goes when nobody can be asked: its text on standard error, answered with the
// box's default button.
int WriteMessageToStandardError(const CString& text, UINT type);

// A run that nobody watches (printing from the command line, registering with the desktop) must
// never wait for a click. While one lives, the program's sink writes every message to standard
// error instead of showing a box, and notices meant only for a person at the screen are left out.
// Runs nest; the outermost decides when they end.
class UnattendedRun
{
public:
    UnattendedRun();
    ~UnattendedRun();
    UnattendedRun(const UnattendedRun&) = delete;
    UnattendedRun& operator=(const UnattendedRun&) = delete;

private:
    bool m_wasUnattended;
};

bool IsUnattendedRun();
