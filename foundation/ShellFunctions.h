// Switching a window's input method, and opening a file with the desktop's application for it.
#pragma once

#include "platform/afx/WinTypes.h"

class CWnd;
class QWidget;

// Opens or closes the input method of the window. FALSE when there is no window (or it has no widget).
BOOL SetImeOpen(QWidget* window, BOOL open);
BOOL SetImeOpen(CWnd* window, BOOL open);

// Results of ShellOpenFile.
constexpr int SHELLOPEN_OK = 0;
constexpr int SHELLOPEN_EMPTY_PATH = -1;
constexpr int SHELLOPEN_NO_RESOURCES = -2;
constexpr int SHELLOPEN_FILE_NOT_FOUND = -3;
constexpr int SHELLOPEN_PATH_NOT_FOUND = -4;
constexpr int SHELLOPEN_FAILED = -5;

// Opens the file (code page 932 path) with the desktop's default application. 0 when opened;
// -1 empty path, -3 no such file, -4 no such folder, -5 the desktop could not open it.
int ShellOpenFile(QWidget* owner, const char* path);
