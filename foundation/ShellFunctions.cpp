#include "foundation/ShellFunctions.h"

#include "platform/afx/String.h"
#include "platform/ui/Ime.h"
#include "platform/ui/ShellOpen.h"
#include "platform/ui/Wnd.h"

#include <QDir>
#include <QFileInfo>

#include <new>

BOOL SetImeOpen(QWidget* window, BOOL open)
{
    if (!window)
        return FALSE;
    SetWidgetInputMethodOpen(window, open != FALSE);
    return TRUE;
}

BOOL SetImeOpen(CWnd* window, BOOL open)
{
    return window ? SetImeOpen(window->GetSafeHwnd(), open) : FALSE;
}

int ShellOpenFile(QWidget*, const char* path)
{
    if (!path || !*path)
        return SHELLOPEN_EMPTY_PATH;
    const QFileInfo file(ToQString(CString(path)));
    if (!file.exists())
        return file.absoluteDir().exists() ? SHELLOPEN_FILE_NOT_FOUND : SHELLOPEN_PATH_NOT_FOUND;
    try {
        return OpenWithDesktop(file.absoluteFilePath()) ? SHELLOPEN_OK : SHELLOPEN_FAILED;
    } catch (const std::bad_alloc&) {
        return SHELLOPEN_NO_RESOURCES;
    }
}
