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
