#include "platform/afx/MessageSink.h"

#include "platform/afx/StringTable.h"

#include <QString>

#include <cstdio>
#include <utility>

namespace {

MessageSink& CurrentMessageSink()
{
    static MessageSink sink;
    return sink;
}

BeepSink& CurrentBeepSink()
{
    static BeepSink sink;
    return sink;
}

bool& UnattendedFlag()
{
    static bool unattended = false;
    return unattended;
}

} // namespace

MessageSink SetMessageSink(MessageSink sink)
{
    return std::exchange(CurrentMessageSink(), std::move(sink));
}

BeepSink SetBeepSink(BeepSink sink)
{
    return std::exchange(CurrentBeepSink(), std::move(sink));
}

int DefaultMessageAnswer(UINT type)
{
    static const int buttons[][3] = {
        {IDOK, IDOK, IDOK},      {IDOK, IDCANCEL, IDCANCEL}, {IDABORT, IDRETRY, IDIGNORE},
        {IDYES, IDNO, IDCANCEL}, {IDYES, IDNO, IDNO},        {IDRETRY, IDCANCEL, IDCANCEL},
    };
    const UINT kind = type & MB_TYPEMASK;
    const UINT index = (type & MB_DEFMASK) >> 8;
    if (kind > 5 || index > 2)
        return IDOK;
    return buttons[kind][index];
}

int WriteMessageToStandardError(const CString& text, UINT type)
{
    std::fprintf(stderr, "%s\n", ToQString(text).toLocal8Bit().constData());
    std::fflush(stderr);
    return DefaultMessageAnswer(type);
}

UnattendedRun::UnattendedRun() : m_wasUnattended(std::exchange(UnattendedFlag(), true)) {}

UnattendedRun::~UnattendedRun()
{
    UnattendedFlag() = m_wasUnattended;
}

bool IsUnattendedRun()
{
    return UnattendedFlag();
}

int AfxMessageBox(const CString& text, UINT type, UINT helpId)
{
    if (const MessageSink& sink = CurrentMessageSink())
        return sink(text, type, helpId);
    return WriteMessageToStandardError(text, type);
}

int AfxMessageBox(UINT stringId, UINT type, UINT helpId)
{
    return AfxMessageBox(LoadStringResource(stringId), type, helpId == UINT(-1) ? stringId : helpId);
}

BOOL MessageBeep(UINT type)
{
    if (const BeepSink& sink = CurrentBeepSink())
        sink(type);
    return TRUE;
}
